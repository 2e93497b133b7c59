// The menu buttons' shared geometry and looks.
#include "skin/controls/bs_menu_button_look.h"

#include "platform/ui/graphics/canvas.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"

TRect TrackStrip(int W, int H, bool AtBottom)
{
    return AtBottom ? Rect(0, H - TrackStripSize, W, H) : Rect(W - TrackStripSize, 0, W, H);
}

TRect TrackMain(int W, int H, bool AtBottom)
{
    return AtBottom ? Rect(0, 0, W, H - TrackStripSize) : Rect(0, 0, W - TrackStripSize, H);
}

bool IsToolButtonSkin(const AnsiString& SkinDataName)
{
    return SkinDataName == "resizebutton" || SkinDataName == "resizetoolbutton" || SkinDataName == "toolbutton" ||
           SkinDataName == "bigtoolbutton";
}

TbsTrackArea MenuTrackArea(bool HasMenu, bool TrackButtonMode, bool OwnSkin, const TbsSkinCustomImage& Image,
                           const TRect& TrackButtonRect, int W, int H, bool AtBottom)
{
    if (!HasMenu)
        return {};
    if (!TrackButtonMode)
        return {Rect(0, 0, W, H), false};
    if (OwnSkin) {
        TRect r = TrackButtonRect;
        if (Image.ResizeMode == rmHorizontal)
            OffsetRect(r, W - Image.SkinRect.Width(), 0);
        else if (Image.ResizeMode == rmVertical)
            OffsetRect(r, 0, H - Image.SkinRect.Height());
        return {r, true};
    }
    return {TrackStrip(W, H, AtBottom), false};
}

bool PointInTrackArea(const TbsTrackArea& Area, TPoint P)
{
    return Area.EdgesInside ? PointInRect(Area.Rect, P) : PtInRect(Area.Rect, P);
}

void DrawPlainMenuButton(TCanvas* Canvas, int W, int H, bool AtBottom, bool TrackButtonMode, TbsMenuLook Look,
                         bool Framed)
{
    auto plain = [](TbsMenuLook L) {
        return L == TbsMenuLook::Pressed ? TbsPlainLook::Pressed
               : L == TbsMenuLook::Hot   ? TbsPlainLook::Hot
                                         : TbsPlainLook::Normal;
    };
    if (!TrackButtonMode) {
        TbsMenuLook look = Look == TbsMenuLook::MenuOpen ? TbsMenuLook::Pressed : Look;
        DrawPlainButton(Canvas, Rect(0, 0, W, H), plain(look), Framed || look != TbsMenuLook::Normal);
        return;
    }
    TbsMenuLook main = Look == TbsMenuLook::MenuOpen ? TbsMenuLook::Hot : Look;
    TbsMenuLook strip = Look == TbsMenuLook::MenuOpen ? TbsMenuLook::Pressed : Look;
    bool framed = Framed || Look != TbsMenuLook::Normal;
    DrawPlainButton(Canvas, TrackMain(W, H, AtBottom), plain(main), framed);
    DrawPlainButton(Canvas, TrackStrip(W, H, AtBottom), plain(strip), framed);
}

namespace {

const TRect& StateRect(const TbsSkinCustomImage& Image, const TbsButtonSkinValues& Skin, TbsMenuLook Look)
{
    switch (Look) {
    case TbsMenuLook::Pressed:
        return Skin.DownSkinRect;
    case TbsMenuLook::Hot:
        return Skin.ActiveSkinRect;
    default:
        return Image.SkinRect;
    }
}

void DrawPiece(TBitmap* B, const TRect& Place, const TbsSkinCustomImage& Image, const TRect& R, bool NinePart)
{
    int w = Place.Width();
    int h = Place.Height();
    if (w < 1 || h < 1 || IsNullRect(R) || !Image.Picture)
        return;
    TBitmap piece;
    piece.SetSize(w, h);
    if (NinePart) {
        TbsSkinCustomImage layout = Image;
        layout.LayOut(w, h, true);
        layout.DrawImage(&piece, Image.Picture, R, w, h, false);
    } else {
        CreateSkinImageByOffsets(&piece, Image.Picture, R, Image.SkinClientRect, true);
    }
    B->Canvas()->Draw(Place.Left, Place.Top, &piece);
}

}  // namespace

void DrawToolMenuButton(TBitmap* B, const TbsSkinCustomImage& Image, const TbsButtonSkinValues& Skin, bool AtBottom,
                        bool TrackButtonMode, TbsMenuLook Look, bool Flat, bool NinePart)
{
    int w = B->Width();
    int h = B->Height();
    if (Look == TbsMenuLook::Normal && Flat)
        return;
    if (!TrackButtonMode) {
        TbsMenuLook look = Look == TbsMenuLook::MenuOpen ? TbsMenuLook::Pressed : Look;
        DrawPiece(B, Rect(0, 0, w, h), Image, StateRect(Image, Skin, look), NinePart);
        return;
    }
    TbsMenuLook main = Look == TbsMenuLook::MenuOpen ? TbsMenuLook::Hot : Look;
    TbsMenuLook strip = Look == TbsMenuLook::MenuOpen ? TbsMenuLook::Pressed : Look;
    DrawPiece(B, TrackMain(w, h, AtBottom), Image, StateRect(Image, Skin, main), NinePart);
    DrawPiece(B, TrackStrip(w, h, AtBottom), Image, StateRect(Image, Skin, strip), NinePart);
}

void DrawMenuMarker(TCanvas* Canvas, const TRect& Strip, TBitmap* Picture, const TRect& MarkerRect, TColor Key,
                    TColor Colour)
{
    if (!Picture || IsNullRect(MarkerRect)) {
        DrawSmallDownArrow(Canvas, Strip, Colour);
        return;
    }
    TBitmap marker;
    marker.SetSize(MarkerRect.Width(), MarkerRect.Height());
    marker.Canvas()->CopyRect(Rect(0, 0, MarkerRect.Width(), MarkerRect.Height()), Picture->Canvas(), MarkerRect);
    marker.SetTransparentMode(tmFixed);
    marker.SetTransparentColor(Key);
    marker.SetTransparent(true);
    Canvas->Draw(Strip.Left + Strip.Width() / 2 - MarkerRect.Width() / 2,
                 Strip.Top + Strip.Height() / 2 - MarkerRect.Height() / 2, &marker);
}

TRect MenuMarkerFor(TbsMenuLook Look, const TRect& Normal, const TRect& Hot, const TRect& Down)
{
    if (IsNullRect(Normal))
        return TRect{};
    if (Look == TbsMenuLook::Pressed || Look == TbsMenuLook::MenuOpen)
        return Down;
    return Look == TbsMenuLook::Hot ? Hot : Normal;
}

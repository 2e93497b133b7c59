// TbsSkinExPanel's looks: the plain one from system colours, the skinned
// one from "expanel" (the body in strips, or a rolled strip), and the one
// a panel not sized by the skin takes from "panel" and "resizetoolbutton".
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/text_out.h"
#include <algorithm>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls.h"

namespace {

// DrawArrowImage kinds.
constexpr int ArrowLeft = 1, ArrowRight = 2, ArrowUp = 3, ArrowDown = 4;

// Part R of Picture drawn at (X, Y), transparent in Key when Transparent.
void DrawPart(TCanvas* Canvas, int X, int Y, TBitmap* Picture, const TRect& R, bool Transparent, TColor Key)
{
    if (!Picture || IsNullRect(R))
        return;
    TBitmap part;
    part.SetSize(R.Width(), R.Height());
    part.Canvas()->CopyRect(Rect(0, 0, R.Width(), R.Height()), Picture->Canvas(), R);
    if (Transparent) {
        part.SetTransparentMode(tmFixed);
        part.SetTransparentColor(Key);
        part.SetTransparent(true);
    }
    Canvas->Draw(X, Y, &part);
}

// Text reading upwards from (X, Y), its baseline's start at the bottom.
void DrawTurnedText(TCanvas* Canvas, int X, int Y, const AnsiString& Text)
{
    HDC dc = Canvas->Handle();
    LOGFONT log = Canvas->Font()->LogFont();
    log.lfEscapement = log.lfOrientation = 900;
    HFONT turned = CreateFontIndirect(log);
    HGDIOBJ old = SelectObject(dc, turned);
    SetTextColor(dc, ColorToRGB(Canvas->Font()->Color()));
    SetBkMode(dc, TRANSPARENT);
    TextOut(dc, X, Y, Text.data(), static_cast<int>(Text.size()));
    SelectObject(dc, old);
    DeleteObject(turned);
}

// Source turned a quarter to the left (its top to the left side).
void TurnLeft(TBitmap& Target, TBitmap& Source)
{
    int w = Source.Width();
    int h = Source.Height();
    Target.SetSize(h, w);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            Target.Canvas()->SetPixels(y, w - 1 - x, Source.Canvas()->Pixels(x, y));
}

}  // namespace

TSize TbsSkinExPanel::PictureSize()
{
    if (glyph_->Empty() && captionImageList_ && captionImageIndex_ >= 0 &&
        captionImageIndex_ < captionImageList_->Count())
        return TSize{captionImageList_->Width(), captionImageList_->Height()};
    if (!glyph_->Empty())
        return TSize{glyph_->Width() / std::max(numGlyphs_, 1), glyph_->Height()};
    return TSize{};
}

void TbsSkinExPanel::DrawPicture(TCanvas* Canvas, int X, int Y)
{
    if (glyph_->Empty()) {
        if (PictureSize().cx > 0)
            captionImageList_->Draw(Canvas, X, Y, captionImageIndex_, Enabled());
        return;
    }
    // The second frame exists only in a strip of two or more.
    DrawGlyph(Canvas, X, Y, glyph_.get(), numGlyphs_, !Enabled() && numGlyphs_ >= 2 ? 2 : 1);
}

void TbsSkinExPanel::DrawCaption(TCanvas* Canvas, const TRect& Text, bool Turned)
{
    TSize picture = PictureSize();
    AnsiString caption = Caption();
    Canvas->Brush()->SetStyle(bsClear);
    if (!Turned) {
        TRect r = Text;
        if (picture.cx > 0) {
            DrawPicture(Canvas, r.Left, r.Top + r.Height() / 2 - picture.cy / 2);
            r.Left += picture.cx + spacing_;
        }
        DrawCaptionClipped(Canvas, caption, r);
        return;
    }
    int centre = Text.Left + Text.Width() / 2;
    int y = Text.Bottom - 2;
    if (picture.cx > 0) {
        DrawPicture(Canvas, centre - picture.cx / 2, Text.Bottom - 2 - picture.cy);
        y -= picture.cy + spacing_ + 2;
    }
    HDC dc = Canvas->Handle();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, Text.Left, Text.Top, Text.Right, Text.Bottom);
    DrawTurnedText(Canvas, centre - Canvas->TextHeight(caption) / 2, y, caption);
    RestoreDC(dc, saved);
}

void TbsSkinExPanel::DrawPlainGlyph(TCanvas* Canvas, int Index, const TRect& R, TColor Color)
{
    if (Index == CloseButton) {
        DrawCloseImageInRect(Canvas, R, Color);
        return;
    }
    TbsExPanelRollKind kind = rollState_ ? rolledKind_ : rollKind_;
    int arrow = kind == rkRollHorizontal ? (rollState_ ? ArrowRight : ArrowLeft) : (rollState_ ? ArrowDown : ArrowUp);
    DrawArrowImage(Canvas, R, Color, arrow);
}

void TbsSkinExPanel::DrawPlainButtons(TCanvas* Canvas, const TLayout& L, TColor GlyphColor)
{
    for (int i : {CloseButton, RollButton}) {
        const TRect& r = L.Buttons[i];
        if (!ButtonShown(i) || IsNullRect(r))
            continue;
        const TButtonState& b = buttons_[i];
        TbsPlainLook look = b.MouseIn && b.Down ? TbsPlainLook::Pressed
                            : b.MouseIn        ? TbsPlainLook::Hot
                                               : TbsPlainLook::Normal;
        DrawPlainButton(Canvas, r, look, false);
        DrawPlainGlyph(Canvas, i, r, GlyphColor);
    }
}

void TbsSkinExPanel::PaintDefaultImage(TBitmap* Bitmap)
{
    TCanvas* canvas = Bitmap->Canvas();
    int w = Width();
    int h = Height();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(0, 0, w, h));
    TRect bar = Rect(0, 0, w, defaultCaptionHeight_);
    if (RolledHorizontally()) {
        bar = Rect(0, 0, w, h);
    } else {
        TRect frame = Rect(0, 0, w, h);
        Frame3D(canvas, frame, clBtnShadow, clBtnShadow, 1);
    }
    Frame3D(canvas, bar, clBtnShadow, clBtnShadow, 1);
    Frame3D(canvas, bar, clBtnHighlight, clBtnFace, 1);

    TLayout L = PlainLayout();
    DrawPlainButtons(canvas, L, clBtnText);
    canvas->SetFont(DefaultFont());
    if (SkinData() && SkinData()->ResourceStrData())
        canvas->Font()->SetCharset(SkinData()->ResourceStrData()->CharSet);
    DrawCaption(canvas, L.Text, RolledHorizontally());
}

void TbsSkinExPanel::DrawSkinButtons(TCanvas* Canvas, const TLayout& L)
{
    bool horizontal = (rollState_ ? rolledKind_ : rollKind_) == rkRollHorizontal;
    const TRect* close[3] = {&skin_.CloseButtonRect, &skin_.CloseButtonActiveRect, &skin_.CloseButtonDownRect};
    const TRect* roll[3];
    if (rollState_ && horizontal)
        roll[0] = &skin_.HRestoreButtonRect, roll[1] = &skin_.HRestoreButtonActiveRect,
        roll[2] = &skin_.HRestoreButtonDownRect;
    else if (rollState_)
        roll[0] = &skin_.VRestoreButtonRect, roll[1] = &skin_.VRestoreButtonActiveRect,
        roll[2] = &skin_.VRestoreButtonDownRect;
    else if (horizontal)
        roll[0] = &skin_.HRollButtonRect, roll[1] = &skin_.HRollButtonActiveRect, roll[2] = &skin_.HRollButtonDownRect;
    else
        roll[0] = &skin_.VRollButtonRect, roll[1] = &skin_.VRollButtonActiveRect, roll[2] = &skin_.VRollButtonDownRect;
    for (int i : {CloseButton, RollButton}) {
        if (!ButtonShown(i))
            continue;
        const TButtonState& b = buttons_[i];
        int state = b.MouseIn && b.Down ? 2 : b.MouseIn ? 1 : 0;
        const TRect& source = i == CloseButton ? *close[state] : *roll[state];
        DrawPart(Canvas, L.Buttons[i].Left, L.Buttons[i].Top, Picture, source, skin_.ButtonsTransparent,
                 skin_.ButtonsTransparentColor);
    }
}

void TbsSkinExPanel::PaintSkinImage(TBitmap* Bitmap)
{
    TCanvas* canvas = Bitmap->Canvas();
    if (rollState_) {
        TBitmap body;
        if (RolledHorizontally())
            CreateVSkinImage(skin_.RollTopOffset, skin_.RollBottomOffset, &body, Picture, skin_.RollHSkinRect, Width(),
                             Height(), StretchEffect);
        else
            CreateHSkinImage(skin_.RollLeftOffset, skin_.RollRightOffset, &body, Picture, skin_.RollVSkinRect, Width(),
                             Height(), StretchEffect);
        canvas->Draw(0, 0, &body);
    } else {
        TbsSkinCustomControl::PaintSkinImage(Bitmap);
    }
    if (!Picture)
        return;
    if (UseSkinFont) {
        canvas->Font()->SetName(skin_.FontName);
        canvas->Font()->SetHeight(skin_.FontHeight);
        canvas->Font()->SetStyle(skin_.FontStyle);
    } else {
        canvas->SetFont(DefaultFont());
    }
    canvas->Font()->SetColor(skin_.FontColor);
    if (SkinData()->ResourceStrData())
        canvas->Font()->SetCharset(SkinData()->ResourceStrData()->CharSet);
    TLayout L = SkinLayout();
    DrawCaption(canvas, L.Text, RolledHorizontally());
    DrawSkinButtons(canvas, L);
}

void TbsSkinExPanel::Paint()
{
    if (!PrepareForPaint())
        return;
    if (Skinned() && !useSkinSize_)
        PaintWithPanelBody();
    else
        TbsSkinCustomControl::Paint();
}

void TbsSkinExPanel::DrawResizeToolButtons(TCanvas* Canvas, const TLayout& L)
{
    TbsSkinData* data = SkinData();
    int index = data->FindControlDescription("resizetoolbutton");
    auto* d = index < 0 ? nullptr : dynamic_cast<TbsDataSkinButtonControl*>(data->ControlList[index].get());
    for (int i : {CloseButton, RollButton}) {
        const TRect& r = L.Buttons[i];
        if (!ButtonShown(i) || IsNullRect(r))
            continue;
        const TButtonState& b = buttons_[i];
        TColor colour = data->SkinColors.BtnText;
        if (d) {
            TRect active = IsNullRect(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
            TRect down = IsNullRect(d->DownSkinRect) ? active : d->DownSkinRect;
            TRect source = b.MouseIn && b.Down ? down : b.MouseIn ? active : d->SkinRect;
            TbsSkinCustomImage face;
            face.TakeDescription(d, *data);
            int w = r.Width();
            int h = r.Height();
            face.LayOut(w, h, true);
            TBitmap image;
            image.SetSize(w, h);
            face.DrawImage(&image, face.Picture, source, w, h, false);
            Canvas->Draw(r.Left, r.Top, &image);
            colour = !Enabled()                 ? d->DisabledFontColor
                     : b.MouseIn && b.Down ? d->DownFontColor
                     : b.MouseIn           ? d->ActiveFontColor
                                           : d->FontColor;
        }
        DrawPlainGlyph(Canvas, i, r, colour);
    }
}

void TbsSkinExPanel::PaintWithPanelBody()
{
    int w = Width();
    int h = Height();
    TBitmap image;
    image.SetSize(w, h);
    TCanvas* canvas = image.Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(0, 0, w, h));

    TbsSkinData* data = SkinData();
    TbsSkinCustomImage panel;
    int index = data->FindControlDescription("panel");
    TRect client = Rect(0, 0, w, h);
    if (index >= 0) {
        panel.TakeDescription(data->ControlList[index].get(), *data);
        int pw = w;
        int ph = h;
        panel.LayOut(pw, ph, true);
        TBitmap body;
        body.SetSize(w, h);
        panel.DrawImage(&body, panel.Picture, panel.SkinRect, w, h, false);
        canvas->Draw(0, 0, &body);
        if (panel.Picture)
            client = panel.NewClientRect;
    }

    // The caption bar: "expanel"'s caption part stretched over the bar.
    TRect part = skin_.CaptionRect;
    OffsetRect(part, SkinRect.Left, SkinRect.Top);
    int barHeight = defaultCaptionHeight_ - client.Top - 1;
    if (Picture && !IsNullRect(part) && client.Width() > 0 && barHeight > 0) {
        TBitmap bar;
        bar.SetSize(client.Width(), barHeight);
        bar.Canvas()->CopyRect(Rect(0, 0, client.Width(), barHeight), Picture->Canvas(), part);
        if (RolledHorizontally()) {
            TBitmap turned;
            TurnLeft(turned, bar);
            canvas->StretchDraw(client, &turned);
        } else {
            canvas->Draw(client.Left, client.Top, &bar);
        }
    }

    TLayout L = PlainLayout();
    DrawResizeToolButtons(canvas, L);
    if (UseSkinFont) {
        canvas->Font()->SetName(skin_.FontName);
        canvas->Font()->SetHeight(skin_.FontHeight);
        canvas->Font()->SetStyle(skin_.FontStyle);
    } else {
        canvas->SetFont(DefaultFont());
    }
    canvas->Font()->SetColor(skin_.FontColor);
    DrawCaption(canvas, L.Text, RolledHorizontally());
    Canvas()->Draw(0, 0, &image);
}

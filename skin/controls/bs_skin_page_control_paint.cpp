// How TbsSkinPageControl paints: the page frame, the row of tabs over the
// tiled "tabsbgrect" (or the parent's image), each tab composed
// horizontally in a bitmap of its own (flipped for bottom tabs, turned for
// side tabs) with its image, caption, focus frame and close button, and
// the page background its sheets share.
#include <memory>

#include "platform/gdi/clipping.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/controls/bs_button_description.h"
#include "skin/controls/bs_piece_fill.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_parent_image.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"

namespace {

constexpr TColor PlainHotFace = 0xD2BDB6;
constexpr TColor PlainDownFace = 0xB59385;
constexpr TColor PlainFrame = 0x800000;

enum class TTurn { Left, Right, Flip };

// B's image turned a quarter left or right, or flipped upside down.
std::unique_ptr<TbsEffectBmp> Turned(TBitmap& B, TTurn Turn)
{
    std::unique_ptr<TbsEffectBmp> source = TbsEffectBmp::CreateFromHandle(B.Handle());
    std::unique_ptr<TbsEffectBmp> target = Turn == TTurn::Flip
                                               ? TbsEffectBmp::CreateSize(source->Width(), source->Height())
                                               : TbsEffectBmp::CreateSize(source->Height(), source->Width());
    if (Turn == TTurn::Left)
        source->RotateLeft(target.get());
    else if (Turn == TTurn::Right)
        source->RotateRight(target.get());
    else
        source->FlipVert(target.get());
    return target;
}

void TurnInPlace(TBitmap& B, TTurn Turn)
{
    std::unique_ptr<TbsEffectBmp> turned = Turned(B, Turn);
    B.SetSize(turned->Width(), turned->Height());
    turned->Draw(B.Canvas()->Handle(), 0, 0);
}

// R, a place in a W x H bitmap, where it lands once the bitmap is turned.
TRect TurnedRect(const TRect& R, int W, int H, TTurn Turn)
{
    if (Turn == TTurn::Left)
        return TRect{R.Top, W - R.Right, R.Bottom, W - R.Left};
    return TRect{H - R.Bottom, R.Left, H - R.Top, R.Right};
}

TRect Moved(TRect R, int DX, int DY)
{
    OffsetRect(R, DX, DY);
    return R;
}

}  // namespace

void TbsSkinPageControl::PaintWindow(HDC DC)
{
    if (Width() < 1 || Height() < 1)
        return;
    GetSkinData();
    TCanvas canvas;
    canvas.SetHandle(DC);
    int saved = SaveDC(DC);
    if (Skinned()) {
        PaintPageFrame(&canvas);
    } else {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(ClientRect());
        TRect frame = DisplayRect();
        InflateRect(frame, 1, 1);
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(frame);
    }
    RestoreDC(DC, saved);
    saved = SaveDC(DC);
    DrawTabs(&canvas);
    RestoreDC(DC, saved);
    canvas.SetHandle(nullptr);
}

void TbsSkinPageControl::PaintPageFrame(TCanvas* Canvas)
{
    if (!skin_.Picture)
        return;
    const TRect pa = PageArea();
    const int dx = pa.Width() - RectWidth(skin_.SkinRect);
    const int dy = pa.Height() - RectHeight(skin_.SkinRect);
    TRect client = skin_.ClientRect;
    client.Right += dx;
    client.Bottom += dy;
    TBitmap left, top, right, bottom;
    CreateSkinBorderImages(skin_.LeftTopPoint, skin_.RightTopPoint, skin_.LeftBottomPoint, skin_.RightBottomPoint,
                           skin_.ClientRect, skin_.LeftTopPoint, TPoint{skin_.RightTopPoint.X + dx, skin_.RightTopPoint.Y},
                           TPoint{skin_.LeftBottomPoint.X, skin_.LeftBottomPoint.Y + dy},
                           TPoint{skin_.RightBottomPoint.X + dx, skin_.RightBottomPoint.Y + dy}, client, &left, &top,
                           &right, &bottom, skin_.Picture, skin_.SkinRect, pa.Width(), pa.Height(), skin_.LeftStretch,
                           skin_.TopStretch, skin_.RightStretch, skin_.BottomStretch);
    TRect active = ActiveTabRect();
    if (!IsNullRect(active))
        ExcludeClipRect(Canvas->Handle(), active.Left, active.Top, active.Right, active.Bottom);
    Canvas->Draw(pa.Left, pa.Top, &top);
    Canvas->Draw(pa.Left, pa.Top + top.Height(), &left);
    Canvas->Draw(pa.Left + pa.Width() - right.Width(), pa.Top + top.Height(), &right);
    Canvas->Draw(pa.Left, pa.Top + pa.Height() - bottom.Height(), &bottom);
}

TRect TbsSkinPageControl::ActiveTabRect()
{
    TTabSheet* active = ActivePage();
    if (!active || VisibleTabCount() == 0 || active->TabIndex() < 0)
        return TRect{};
    TRect r = TabRect(active->TabIndex());
    const int d = RectHeight(skin_.ActiveTabRect) - RectHeight(skin_.TabRect);
    switch (TabPosition()) {
    case tpTop:
        r.Bottom += d;
        break;
    case tpBottom:
        r.Top -= d;
        break;
    case tpLeft:
        r.Right += d;
        break;
    case tpRight:
        r.Left -= d;
        break;
    }
    return r;
}

void TbsSkinPageControl::DrawTabs(TCanvas* Canvas)
{
    if (PageCount() == 0)
        return;
    TTabSheet* active = ActivePage();
    const int activeTab = active ? active->TabIndex() : -1;
    if (!Skinned()) {
        for (int i = 0; i < VisibleTabCount(); ++i) {
            TbsSkinCustomTabSheet* page = PageOfVisibleTab(i);
            if (page)
                DrawTab(page->PageIndex(), TabRect(i), i == activeTab, i == hotTab_, Canvas, TPoint{0, 0});
        }
        return;
    }
    const TRect pa = PageArea();
    TRect strip;
    switch (TabPosition()) {
    case tpTop:
        strip = TRect{0, 0, Width(), pa.Top};
        break;
    case tpBottom:
        strip = TRect{0, pa.Bottom, Width(), Height()};
        break;
    case tpLeft:
        strip = TRect{0, 0, pa.Left, Height()};
        break;
    case tpRight:
        strip = TRect{pa.Right, 0, Width(), Height()};
        break;
    }
    if (strip.Width() > 0 && strip.Height() > 0) {
        TBitmap row;
        row.SetSize(strip.Width(), strip.Height());
        if (tabsBGTransparent_) {
            GetParentImageRect(this, strip, row.Canvas());
        } else {
            TRect bg = skin_.TabsBgRect;
            if (IsNullRect(bg))
                bg = Moved(skin_.ClientRect, skin_.SkinRect.Left, skin_.SkinRect.Top);
            // A piece under 1 x 1 (a skin may give one) is skipped: tiling
            // by it would never advance.
            TBitmap piece;
            CopyPiece(piece, skin_.Picture, bg);
            FillWithPiece(row.Canvas(), piece, TRect{0, 0, strip.Width(), strip.Height()}, false, stfull);
        }
        for (int i = 0; i < VisibleTabCount(); ++i) {
            TbsSkinCustomTabSheet* page = PageOfVisibleTab(i);
            if (page && i != activeTab)
                DrawTab(page->PageIndex(), Moved(TabRect(i), -strip.Left, -strip.Top), false, i == hotTab_,
                        row.Canvas(), strip.TopLeft());
        }
        HDC dc = Canvas->Handle();
        int saved = SaveDC(dc);
        TRect activeRect = ActiveTabRect();
        if (!IsNullRect(activeRect))
            ExcludeClipRect(dc, activeRect.Left, activeRect.Top, activeRect.Right, activeRect.Bottom);
        Canvas->Draw(strip.Left, strip.Top, &row);
        RestoreDC(dc, saved);
    }
    if (activeTab < 0)
        return;
    TRect r = TabRect(activeTab);
    const int d = RectHeight(skin_.ActiveTabRect) - RectHeight(skin_.TabRect);
    if (d > 0 && TabPosition() == tpBottom)
        OffsetRect(r, 0, -d);
    else if (d > 0 && TabPosition() == tpRight)
        OffsetRect(r, -d, 0);
    DrawTab(active->PageIndex(), r, true, activeTab == hotTab_, Canvas, TPoint{0, 0});
}

void TbsSkinPageControl::DrawTab(int PageIndex, TRect R, bool Active, bool Hot, TCanvas* Canvas, TPoint Origin)
{
    if (PageIndex < 0 || PageIndex >= PageCount() || R.Width() < 1 || R.Height() < 1)
        return;
    TTabSheet* page = Pages(PageIndex);
    auto* sheet = dynamic_cast<TbsSkinCustomTabSheet*>(page);
    const TTabPosition side = TabPosition();
    const bool vertical = side == tpLeft || side == tpRight;
    const bool skinned = Skinned();
    const bool focused = Focused();
    TBitmap b;
    b.SetSize(vertical ? R.Height() : R.Width(), vertical ? R.Width() : R.Height());
    if (skinned && Style() != tsTabs)
        DrawButtonTabFace(&b, Active, Hot);
    else if (skinned)
        DrawTabFace(&b, Active, Hot, focused, R.Left == 0);
    else
        DrawPlainTabFace(&b, Active, Hot, focused);
    if (!(skinned && Style() != tsTabs))
        SetTabFont(b.Canvas(), Active, Hot, focused);
    if (side == tpBottom)
        TurnInPlace(b, TTurn::Flip);
    if (vertical && textInHorizontal_)
        TurnInPlace(b, side == tpLeft ? TTurn::Left : TTurn::Right);
    TCanvas* c = b.Canvas();
    c->Brush()->SetStyle(bsClear);
    TRect br{0, 0, b.Width(), b.Height()};
    if (skinned && skin_.ShowFocus && focused && Active) {
        TRect focus = br;
        InflateRect(focus, -skin_.FocusOffsetX, -skin_.FocusOffsetY);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(skinData_->SkinColors.BtnFace);
        DrawFocusRectDotted(c, focus);
        c->Brush()->SetStyle(bsClear);
    }
    int imageOffset = 0;
    if (skinned && !Active && RectHeight(skin_.TabRect) != RectHeight(skin_.ActiveTabRect)) {
        imageOffset = side == tpTop || side == tpLeft ? 2 : -2;
        br.Top += imageOffset;
    }
    const int cw = showCloseButtons_ ? CloseButtonSize() + 2 : 0;
    DrawTabContent(PageIndex, &b, br, Active, Hot, imageOffset, cw);
    if (showCloseButtons_ && sheet) {
        if (!Hot)
            sheet->CloseButtonMouseIn = false;
        TRect cr = DrawCloseButton(sheet, c, TRect{br.Right, br.Top + imageOffset, b.Width(), br.Bottom});
        if (vertical && !textInHorizontal_)
            cr = TurnedRect(cr, b.Width(), b.Height(), side == tpLeft ? TTurn::Left : TTurn::Right);
        sheet->CloseButtonRect = Moved(cr, Origin.X + R.Left, Origin.Y + R.Top);
    }
    if (vertical && !textInHorizontal_)
        Turned(b, side == tpLeft ? TTurn::Left : TTurn::Right)->Draw(Canvas->Handle(), R.Left, R.Top);
    else
        Canvas->Draw(R.Left, R.Top, &b);
}

void TbsSkinPageControl::DrawPlainTabFace(TBitmap* B, bool Active, bool Hot, bool Focused)
{
    TCanvas* c = B->Canvas();
    TRect r{0, 0, B->Width(), B->Height()};
    if (Active) {
        Frame3D(c, r, PlainFrame, PlainFrame, 1);
        c->Brush()->SetColor(Focused ? PlainDownFace : PlainHotFace);
    } else {
        c->Brush()->SetColor(Hot ? PlainHotFace : clBtnFace);
    }
    c->FillRect(r);
}

void TbsSkinPageControl::DrawButtonTabFace(TBitmap* B, bool Active, bool Hot)
{
    const TbsDataSkinButtonControl* d = ButtonDescription(skinData_, ButtonTabSkinDataName);
    if (!d)
        return;
    TColor fontColor = 0;
    TRect source = ButtonStateRect(*d, Active, Hot, &fontColor);
    DrawButtonFace(B, *d, SkinPicture(d->PictureIndex), source);
    SetTabFont(B->Canvas(), Active, Hot, Focused());
    B->Canvas()->Font()->SetColor(fontColor);
}

void TbsSkinPageControl::DrawTabFace(TBitmap* B, bool Active, bool Hot, bool Focused, bool AtLeftEdge)
{
    TRect s = skin_.TabRect;
    if (Hot && !Active && !IsNullRect(skin_.MouseInTabRect))
        s = skin_.MouseInTabRect;
    else if (Active && Focused)
        s = skin_.FocusTabRect;
    else if (Active)
        s = skin_.ActiveTabRect;
    if (TabHeight() <= 0) {
        CreateHSkinImage(skin_.TabLeftOffset, skin_.TabRightOffset, B, skin_.Picture, s, B->Width(), B->Height(),
                         skin_.TabStretchEffect);
    } else {
        const int off = RectHeight(skin_.TabRect) / 4;
        if (Active) {
            int grow = RectHeight(skin_.ActiveTabRect) - RectHeight(skin_.TabRect);
            if (grow <= 0 && Focused)
                grow = RectHeight(skin_.FocusTabRect) - RectHeight(skin_.TabRect);
            if (grow > 0)
                B->SetSize(B->Width(), B->Height() + grow);
        }
        if (skin_.Picture)
            CreateSkinImageByOffsets(
                B, skin_.Picture, s,
                TRect{skin_.TabLeftOffset, off, RectWidth(s) - skin_.TabRightOffset, RectHeight(s) - off}, true);
    }
    // The first tab's corner joins the page frame.
    const TTabPosition side = TabPosition();
    if (Active && AtLeftEdge && !MultiLine() && (side == tpTop || side == tpBottom) && skin_.Picture) {
        TRect corner = Focused ? skin_.TabLeftBottomFocusRect : skin_.TabLeftBottomActiveRect;
        if (!IsNullRect(corner))
            B->Canvas()->CopyRect(TRect{0, B->Height() - RectHeight(corner), RectWidth(corner), B->Height()},
                                  skin_.Picture->Canvas(), corner);
    }
}

void TbsSkinPageControl::SetTabFont(TCanvas* Canvas, bool Active, bool Hot, bool Focused)
{
    TFont* font = Canvas->Font();
    font->Assign(Font());
    const bool skinned = Skinned();
    if (skinned && UseSkinFont) {
        font->SetName(skin_.FontName);
        font->SetHeight(skin_.FontHeight);
        font->SetStyle(skin_.FontStyle);
    }
    const TbsResourceStrData* strings = skinData_ ? skinData_->ResourceStrData() : nullptr;
    font->SetCharset(strings ? strings->CharSet : Font()->Charset());
    if (!skinned)
        return;
    if (Hot && !Active)
        font->SetColor(skin_.MouseInFontColor);
    else if (Active && Focused)
        font->SetColor(skin_.FocusFontColor);
    else if (Active)
        font->SetColor(skin_.ActiveFontColor);
    else
        font->SetColor(skin_.FontColor);
}

void TbsSkinPageControl::DrawTabContent(int PageIndex, TBitmap* B, TRect& BR, bool Active, bool Hot,
                                        int ImageOffset, int CW)
{
    TTabSheet* page = Pages(PageIndex);
    TCanvas* c = B->Canvas();
    const int narrow = Skinned() ? CW + 3 : CW;
    if (OnDrawSkinTab) {
        OnDrawSkinTab(PageIndex, TRect{0, 0, B->Width(), B->Height()}, Active, Hot, c);
        BR.Right -= narrow;
        return;
    }
    const AnsiString caption = page->Caption();
    const bool showImage = images_ && page->ImageIndex() >= 0 && page->ImageIndex() < images_->Count();
    if (tabExtededDraw_) {
        TRect r = BR;
        r.Right -= CW;
        DrawImageAndText(c, r, tabMargin_, tabSpacing_, tabLayout_, caption, images_, page->ImageIndex(),
                         page->Enabled(), false, false, clBlack);
        BR.Right -= narrow;
        return;
    }
    if (showImage) {
        TRect measure{0, 0, 0, 0};
        c->TextRect(measure, caption, DT_CALCRECT);
        const int tw = caption.empty() ? 0 : measure.Width() + 2;
        const int th = measure.Height();
        const int w = B->Width() - CW;
        const int h = B->Height();
        const int ix = w / 2 - (tw + images_->Width() + 2) / 2;
        const int iy = h / 2 - images_->Height() / 2 + ImageOffset;
        TRect text{ix + images_->Width() + 2, h / 2 - th / 2 + ImageOffset, 0, 0};
        text.Right = text.Left + tw;
        text.Bottom = text.Top + th;
        c->TextRect(text, caption, DT_CENTER);
        images_->Draw(c, ix, iy, page->ImageIndex(), page->Enabled());
        BR.Right -= narrow;
        return;
    }
    BR.Right -= narrow;
    TRect r = BR;
    c->TextRect(r, caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TRect TbsSkinPageControl::DrawCloseButton(TbsSkinCustomTabSheet* Page, TCanvas* Canvas, const TRect& A)
{
    if (!Skinned()) {
        const int y = A.Top + A.Height() / 2 - 7;
        TRect cr{A.Left, y, A.Left + 14, y + 14};
        DrawCloseImage(Canvas, cr.Left + 2, cr.Top + 2, Page->CloseButtonMouseIn ? TColor(0xFFFFFF) : TColor(0));
        return cr;
    }
    if (!IsNullRect(skin_.CloseButtonRect)) {
        TRect s = Page->CloseButtonDown && Page->CloseButtonMouseIn ? skin_.CloseButtonDownRect
                  : Page->CloseButtonMouseIn                        ? skin_.CloseButtonActiveRect
                                                                    : skin_.CloseButtonRect;
        const int top = A.Top + A.Height() / 2 - RectHeight(s) / 2;
        TRect cr{A.Left, top, A.Left + RectWidth(s), top + RectHeight(s)};
        if (!skin_.Picture)
            return cr;
        if (skin_.ButtonTransparent) {
            TBitmap piece;
            CopyPiece(piece, skin_.Picture, s);
            piece.SetTransparentColor(skin_.ButtonTransparentColor);
            piece.SetTransparent(true);
            Canvas->Draw(cr.Left, cr.Top, &piece);
        } else {
            Canvas->CopyRect(cr, skin_.Picture->Canvas(), s);
        }
        return cr;
    }
    // No close image in the skin: a small button face with the glyph.
    const int size = CloseButtonSize();
    const int top = A.Top + A.Height() / 2 - size / 2;
    TRect cr{A.Left, top, A.Left + size, top + size};
    const TbsDataSkinButtonControl* d = ButtonDescription(skinData_, "resizetoolbutton");
    if (!d)
        return cr;
    TColor glyph = 0;
    TRect source = ButtonStateRect(*d, Page->CloseButtonDown && Page->CloseButtonMouseIn, Page->CloseButtonMouseIn,
                                   &glyph);
    TBitmap face;
    face.SetSize(size, size);
    DrawButtonFace(&face, *d, SkinPicture(d->PictureIndex), source);
    DrawCloseImage(face.Canvas(), size / 2 - 5, size / 2 - 5, glyph);
    Canvas->Draw(cr.Left, cr.Top, &face);
    return cr;
}

void TbsSkinPageControl::PaintBackground(TCanvas* Canvas, const TRect& Area, int FullWidth, int FullHeight)
{
    if (skin_.BgPicture) {
        FillWithPiece(Canvas, *skin_.BgPicture, Area, skin_.StretchEffect, skin_.StretchType);
        return;
    }
    // A "clientrect" under 1 x 1 gives no piece, and nothing is tiled.
    TBitmap piece;
    CopyPiece(piece, skin_.Picture, Moved(skin_.ClientRect, skin_.SkinRect.Left, skin_.SkinRect.Top));
    FillWithPiece(Canvas, piece, skin_.StretchEffect ? TRect{0, 0, FullWidth, FullHeight} : Area,
                  skin_.StretchEffect, skin_.StretchType);
}

// How a skinned menu row draws: the plain look, the skinned look at the
// skin's row height or stretched to the manager's, the cross-fade between
// the two skinned images, header rows and the marks.
#include <memory>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/shortcuts.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"

namespace {

constexpr unsigned kCaptionFlags = DT_CENTER | DT_VCENTER;
constexpr TColor kPlainHotFrame = 0x800000;
constexpr TColor kPlainHotFill = 0xD2BDB6;

// The caption's rectangle as the row lays it out: measured from Left to
// Right, centred on the middle of Area, 2 pixels wider.
TRect CaptionRect(TCanvas* Canvas, const AnsiString& Caption, int Left, int Right, const TRect& Area)
{
    TRect r{Left, 0, Right, 0};
    Canvas->TextRect(r, Caption, DT_CALCRECT);
    int dy = RectHeight(Area) / 2 + Area.Top - r.Bottom / 2;
    r.Top += dy;
    r.Bottom += dy;
    r.Right += 2;
    return r;
}

int TextWidthOf(TCanvas* Canvas, const AnsiString& Text)
{
    TRect r{0, 0, 0, 0};
    Canvas->TextRect(r, Text, DT_CALCRECT);
    return r.Right;
}

bool OddFont(TCanvas* Canvas) { return Canvas->Font()->Height() % 2 != 0; }

AnsiString HeaderText(const AnsiString& Caption) { return Caption.substr(1, Caption.size() - 2); }

void SetCharsetFrom(TFont* Font, const TbsSkinData* Data, const TFont* Fallback)
{
    if (Data != nullptr && Data->ResourceStrData() != nullptr)
        Font->SetCharset(Data->ResourceStrData()->CharSet);
    else
        Font->SetCharset(Fallback->Charset());
}

}  // namespace

void DrawMenuCheckMark(TCanvas* Canvas, int X, int Y, TColor C)
{
    Canvas->Pen()->SetColor(C);
    for (int i = 0; i < 3; ++i) {
        Canvas->MoveTo(X, Y + 5 - i);
        Canvas->LineTo(X + 2, Y + 7 - i);
        Canvas->LineTo(X + 7, Y + 2 - i);
    }
}

void DrawMenuArrowMark(TCanvas* Canvas, int X, int Y, TColor C)
{
    Canvas->Pen()->SetColor(C);
    for (int i = 0; i < 4; ++i) {
        Canvas->MoveTo(X + i, Y + i);
        Canvas->LineTo(X + i, Y + 7 - i);
    }
}

void DrawMenuRadioMark(TCanvas* Canvas, int X, int Y, TColor C)
{
    Canvas->Pen()->SetColor(C);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(C);
    Canvas->Ellipse(X, Y, X + 6, Y + 6);
    Canvas->Brush()->SetStyle(bsClear);
}

void TbsSkinMenuItem::Draw(TCanvas* Canvas)
{
    if (!Visible)
        return;
    int w = RectWidth(ObjectRect);
    int h = RectHeight(ObjectRect);
    if (w < 1 || h < 1)
        return;
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    if (itemDescription_ == nullptr) {
        DrawPlain(&b);
    } else {
        // Without its picture the row shows the window under it.
        if (picture_ == nullptr)
            b.Canvas()->CopyRect(TRect{0, 0, w, h},
                                 parent_->Background() != nullptr ? parent_->Background()->Canvas() : Canvas,
                                 ObjectRect);
        bool on = Active || Down;
        if (IsSeparator()) {
            if (picture_ != nullptr)
                CreateHSkinImage(itemDescription_->DividerLeftOffset, itemDescription_->DividerRightOffset, &b,
                                 picture_, itemDescription_->DividerRect, w, h, itemDescription_->DividerStretchEffect);
        } else if (CanAnimate() && FrameIndex >= 1 && FrameIndex <= itemDescription_->FrameCount) {
            TRect frame = AnimationFrameRect();
            DrawSkinned(&b, on, &frame);
        } else if (!CanMorph() || (on && morphKf_ == 1) || (!on && morphKf_ == 0)) {
            DrawSkinned(&b, on, nullptr);
        } else {
            DrawMorphed(&b);
        }
    }
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

TRect TbsSkinMenuItem::AnimationFrameRect() const
{
    const TRect& ar = itemDescription_->AnimateSkinRect;
    int n = itemDescription_->FrameCount;
    int fi = FrameIndex;
    if (RectHeight(ar) <= RectHeight(itemDescription_->SkinRect)) {
        int fw = RectWidth(ar) / n;
        return TRect{ar.Left + (fi - 1) * fw, ar.Top, ar.Left + fi * fw, ar.Bottom};
    }
    int fh = RectHeight(ar) / n;
    return TRect{ar.Left, ar.Top + (fi - 1) * fh, ar.Right, ar.Top + fi * fh};
}

void TbsSkinMenuItem::DrawMorphed(TBitmap* B)
{
    TBitmap active;
    active.SetPixelFormat(pf24bit);
    active.SetSize(B->Width(), B->Height());
    DrawSkinned(B, false, nullptr);
    DrawSkinned(&active, true, nullptr);
    std::unique_ptr<TbsEffectBmp> from = TbsEffectBmp::CreateFromHandle(B->Handle());
    std::unique_ptr<TbsEffectBmp> to = TbsEffectBmp::CreateFromHandle(active.Handle());
    switch (itemDescription_->MorphKind) {
    case mkgradient: from->MorphGrad(to.get(), morphKf_); break;
    case mkleftgradient: from->MorphLeftGrad(to.get(), morphKf_); break;
    case mkrightgradient: from->MorphRightGrad(to.get(), morphKf_); break;
    case mkleftslide: from->MorphLeftSlide(to.get(), morphKf_); break;
    case mkrightslide: from->MorphRightSlide(to.get(), morphKf_); break;
    case mkpush: from->MorphPush(to.get(), morphKf_); break;
    default: from->Morph(to.get(), morphKf_); break;
    }
    from->Draw(B->Canvas()->Handle(), 0, 0);
}

void TbsSkinMenuItem::SetRowFont(TCanvas* Canvas, bool Skinned) const
{
    TbsSkinMenu* menu = parent_->Menu();
    TFont* font = Canvas->Font();
    Canvas->Brush()->SetStyle(bsClear);
    if (Skinned && menu->UseSkinFont) {
        font->SetName(itemDescription_->FontName);
        font->SetStyle(itemDescription_->FontStyle);
        font->SetHeight(itemDescription_->FontHeight);
    } else {
        font->Assign(menu->DefaultMenuItemFont());
    }
    SetCharsetFrom(font, menu->SkinData(), menu->DefaultMenuItemFont());
}

void TbsSkinMenuItem::DrawSkinnedBackground(TBitmap* B, bool On, const TRect* FrameRect)
{
    const TbsDataSkinMenuItem& d = *itemDescription_;
    TRect sr = On ? d.ActiveSkinRect : d.SkinRect;
    bool stretch = On ? d.StretchEffect : (d.InActiveStretchEffect || (FrameRect != nullptr && d.StretchEffect));
    if (FrameRect != nullptr)
        sr = *FrameRect;
    int w = B->Width();
    int h = B->Height();
    if (!On && d.InActiveTransparent && parent_->Background() != nullptr) {
        B->Canvas()->CopyRect(TRect{0, 0, w, h}, parent_->Background()->Canvas(), ObjectRect);
    } else if (picture_ == nullptr) {
        return;
    } else if (parent_->Menu()->UseSkinSize) {
        CreateHSkinImage(d.ItemLeftOffset, d.ItemRightOffset, B, picture_, sr, w, h, stretch);
        if (B->Height() != h)
            B->SetSize(w, h);
    } else {
        int q = RectHeight(sr) / 4;
        CreateSkinImageByOffsets(B, picture_, sr,
                                 TRect{d.ItemLeftOffset, q, RectWidth(sr) - d.ItemRightOffset, RectHeight(sr) - q},
                                 true);
    }
}

void TbsSkinMenuItem::DrawSkinned(TBitmap* B, bool On, const TRect* FrameRect)
{
    DrawSkinnedBackground(B, On, FrameRect);
    DrawSkinnedContent(B, On);
}

void TbsSkinMenuItem::DrawSkinnedContent(TBitmap* B, bool On)
{
    const TbsDataSkinMenuItem& d = *itemDescription_;
    TCanvas* c = B->Canvas();
    bool stretched = !parent_->Menu()->UseSkinSize;
    TRect tr = d.TextRect;
    tr.Right = B->Width() - (RectWidth(d.SkinRect) - d.TextRect.Right);
    TRect ir = d.ImageRect;
    if (stretched) {
        tr.Bottom = B->Height() - (RectHeight(d.SkinRect) - d.TextRect.Bottom);
        ir.Bottom = B->Height() - (RectHeight(d.SkinRect) - d.ImageRect.Bottom);
    }
    bool noImageRect = IsNullRect(d.ImageRect);
    int ic = !noImageRect ? 0 : parent_->Images() != nullptr ? parent_->ImageColumnWidth() : 16;

    SetRowFont(c, true);
    TColor colour = On ? d.ActiveFontColor : menuItem_->Enabled() ? d.FontColor : d.UnEnabledFontColor;
    c->Font()->SetColor(colour);

    if (menuItem_->OnDrawItem) {
        menuItem_->OnDrawItem(menuItem_, c, tr, On);
        return;
    }
    if (IsHeader()) {
        DrawSkinnedHeader(B, c);
        return;
    }
    const AnsiString& caption = menuItem_->Caption();
    TRect r = CaptionRect(c, caption, tr.Left + ic, tr.Right - 16, tr);
    if (OddFont(c))
        r.Top -= 1;
    c->TextRect(r, caption, kCaptionFlags);
    if (menuItem_->ShortCut() != 0) {
        AnsiString text = ShortCutToText(menuItem_->ShortCut());
        int width = TextWidthOf(c, text);
        TRect sr{tr.Right - width - 16, r.Top, tr.Right - 16, r.Bottom};
        c->TextRect(sr, text, kCaptionFlags);
    }
    if (HasSubItems()) {
        if (IsNullRect(d.ArrowImageRect))
            DrawMenuArrowMark(c, tr.Right - 7, RectHeight(tr) / 2 + tr.Top - 4, colour);
        else
            DrawSkinMark(c, On ? d.ActiveArrowImageRect : d.ArrowImageRect,
                         TRect{tr.Right - RectWidth(d.ArrowImageRect) - 5, tr.Top, tr.Right, tr.Bottom});
    }
    if (d.UseImageColor)
        colour = On ? d.ActiveImageColor : d.ImageColor;
    if (HasImage()) {
        TSize size = ImageSize();
        int x = tr.Left + 2;
        int y = RectHeight(tr) / 2 + tr.Top - size.cy / 2;
        if (!noImageRect) {
            x = ir.Left + RectWidth(ir) / 2 - size.cx / 2;
            y = ir.Top + RectHeight(ir) / 2 - size.cy / 2;
        }
        DrawImage(c, x, y, colour);
        return;
    }
    int x = noImageRect ? tr.Left + 2 : ir.Left + RectWidth(ir) / 2 - 4;
    int y = noImageRect ? RectHeight(tr) / 2 + tr.Top - 4 : ir.Top + RectHeight(ir) / 2 - 4;
    bool drawn = false;
    DrawGlyphByName(c, x, y, colour, drawn);
    if (drawn || !menuItem_->Checked())
        return;
    TRect place = noImageRect ? TRect{tr.Left + 2, tr.Top, tr.Left + 16, d.TextRect.Bottom} : ir;
    if (menuItem_->RadioItem()) {
        if (IsNullRect(d.RadioImageRect))
            DrawMenuRadioMark(c, x, y + 1, colour);
        else
            DrawSkinMark(c, On ? d.ActiveRadioImageRect : d.RadioImageRect, place);
    } else if (IsNullRect(d.CheckImageRect)) {
        DrawMenuCheckMark(c, x, y, colour);
    } else {
        DrawSkinMark(c, On ? d.ActiveCheckImageRect : d.CheckImageRect, place);
    }
}

void TbsSkinMenuItem::DrawSkinnedHeader(TBitmap* B, TCanvas* Canvas)
{
    TbsSkinData* data = parent_->SkinData();
    if (data == nullptr)
        return;
    int index = data->FindControlDescription("menuheader");
    if (index < 0)
        index = data->FindControlDescription("label");
    if (index < 0)
        return;
    auto* label = dynamic_cast<TbsDataSkinLabelControl*>(data->ControlList[static_cast<size_t>(index)].get());
    if (label == nullptr || label->PictureIndex < 0 ||
        label->PictureIndex >= static_cast<int>(data->ActivePictures.size()))
        return;
    TBitmap* picture = data->ActivePictures[static_cast<size_t>(label->PictureIndex)].get();
    const TRect& sr = label->SkinRect;
    const TRect& cr = label->ClientRect;
    AnsiString text = HeaderText(menuItem_->Caption());
    TBitmap hb;
    hb.SetPixelFormat(pf24bit);
    TCanvas* hc = hb.Canvas();
    hc->Brush()->SetStyle(bsClear);
    if (parent_->Menu()->UseSkinSize) {
        CreateHSkinImage(label->LeftTopPoint.X, RectWidth(sr) - label->RightTopPoint.X, &hb, picture, sr,
                         B->Width(), RectHeight(sr), label->StretchEffect);
        hc->Font()->SetName(label->FontName);
        hc->Font()->SetHeight(label->FontHeight);
        hc->Font()->SetStyle(label->FontStyle);
        hc->Font()->SetColor(label->FontColor);
        hc->Font()->SetCharset(Canvas->Font()->Charset());
        hc->Brush()->SetStyle(bsClear);
        TRect r{cr.Left, cr.Top, hb.Width() - (RectWidth(sr) - cr.Right), hb.Height()};
        if (OddFont(hc))
            r.Top -= 1;
        hc->TextRect(r, text, kCaptionFlags);
        Canvas->Draw(0, (B->Height() - hb.Height()) / 2, &hb);
        return;
    }
    hb.SetSize(B->Width(), B->Height());
    int q = RectHeight(sr) / 4;
    CreateSkinImageByOffsets(&hb, picture, sr,
                             TRect{label->LeftTopPoint.X, q, label->RightTopPoint.X, RectHeight(sr) - q}, true);
    hc->Font()->Assign(parent_->Menu()->DefaultMenuItemFont());
    hc->Font()->SetColor(label->FontColor);
    hc->Brush()->SetStyle(bsClear);
    TRect area{cr.Left, cr.Top, hb.Width() - (RectWidth(sr) - cr.Right), hb.Height() - (RectHeight(sr) - cr.Bottom)};
    TRect r = CaptionRect(hc, text, area.Left, area.Right, area);
    r.Right = area.Right;
    if (OddFont(hc))
        r.Top -= 1;
    hc->TextRect(r, text, kCaptionFlags);
    Canvas->Draw(0, 0, &hb);
}

void TbsSkinMenuItem::DrawPlain(TBitmap* B)
{
    TCanvas* c = B->Canvas();
    int w = B->Width();
    int h = B->Height();
    int iw = parent_->Images() != nullptr ? parent_->ImageColumnWidth() : 19;
    SetRowFont(c, false);
    TColor colour = menuItem_->Enabled() ? clWindowText : clBtnShadow;
    c->Brush()->SetStyle(bsSolid);
    if ((Active || Down) && !IsSeparator()) {
        c->Brush()->SetColor(kPlainHotFill);
        c->FillRect(TRect{0, 0, w, h});
        c->Brush()->SetColor(kPlainHotFrame);
        c->FrameRect(TRect{0, 0, w, h});
        colour = clWindowText;
    } else {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(TRect{0, 0, iw, h});
        c->Brush()->SetColor(clWindow);
        c->FillRect(TRect{iw, 0, w, h});
    }
    c->Brush()->SetStyle(bsClear);
    if (IsSeparator()) {
        c->Pen()->SetColor(clBtnShadow);
        c->MoveTo(iw, h / 2);
        c->LineTo(w, h / 2);
        return;
    }
    TRect r1{2, 2, w - 2, h - 2};
    if (IsHeader()) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnShadow);
        c->FillRect(TRect{0, 0, w, h});
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(clBtnHighlight);
        c->TextRect(r1, HeaderText(menuItem_->Caption()), kCaptionFlags);
        return;
    }
    c->Font()->SetColor(colour);
    const AnsiString& caption = menuItem_->Caption();
    TRect r = CaptionRect(c, caption, r1.Left + iw, r1.Right - 19, r1);
    c->TextRect(r, caption, kCaptionFlags);
    if (menuItem_->ShortCut() != 0) {
        AnsiString text = ShortCutToText(menuItem_->ShortCut());
        int width = TextWidthOf(c, text);
        TRect sr{r1.Right - width - 19, r.Top, r1.Right - 19, r.Bottom};
        c->TextRect(sr, text, kCaptionFlags);
    }
    if (HasSubItems())
        DrawMenuArrowMark(c, r1.Right - 7, RectHeight(r1) / 2 + r1.Top - 4, colour);
    if (HasImage()) {
        TSize size = ImageSize();
        DrawImage(c, r1.Left + 2, RectHeight(r1) / 2 + r1.Top - size.cy / 2, colour);
        return;
    }
    int y = RectHeight(r1) / 2 + r1.Top - 4;
    bool drawn = false;
    DrawGlyphByName(c, r1.Left + 2, y, colour, drawn);
    if (drawn || !menuItem_->Checked())
        return;
    if (menuItem_->RadioItem())
        DrawMenuRadioMark(c, r1.Left + 3, y, colour);
    else
        DrawMenuCheckMark(c, r1.Left + 3, y, colour);
}

bool TbsSkinMenuItem::HasImage() const
{
    TCustomImageList* images = parent_->Images();
    if (images != nullptr && menuItem_->ImageIndex() >= 0 && menuItem_->ImageIndex() < images->Count())
        return true;
    return !const_cast<TMenuItem*>(menuItem_)->Bitmap()->Empty();
}

TSize TbsSkinMenuItem::ImageSize()
{
    TCustomImageList* images = parent_->Images();
    if (images != nullptr && menuItem_->ImageIndex() >= 0 && menuItem_->ImageIndex() < images->Count())
        return TSize{images->Width(), images->Height()};
    return TSize{menuItem_->Bitmap()->Width(), menuItem_->Bitmap()->Height()};
}

void TbsSkinMenuItem::DrawImage(TCanvas* Canvas, int X, int Y, TColor FrameColour)
{
    TSize size = ImageSize();
    if (menuItem_->Checked()) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetColor(FrameColour);
        Canvas->Rectangle(X - 1, Y - 1, X + size.cx + 1, Y + size.cy + 1);
    }
    TCustomImageList* images = parent_->Images();
    if (images != nullptr && menuItem_->ImageIndex() >= 0 && menuItem_->ImageIndex() < images->Count())
        images->Draw(Canvas, X, Y, menuItem_->ImageIndex(), menuItem_->Enabled());
    else
        Canvas->Draw(X, Y, menuItem_->Bitmap());
}

void TbsSkinMenuItem::DrawGlyphByName(TCanvas* Canvas, int X, int Y, TColor Colour, bool& Drawn) const
{
    const AnsiString& name = menuItem_->Name();
    Drawn = true;
    if (name == "BSF_CLOSE" || name == "TRAY_BSF_CLOSE")
        DrawCloseImage(Canvas, X, Y, Colour);
    else if (name == "BSF_MINITEM")
        DrawMinimizeImage(Canvas, X, Y, Colour);
    else if (name == "BSF_MAXITEM")
        DrawMaximizeImage(Canvas, X, Y, Colour);
    else if (name == "BSF_RESTORE" || name == "TRAY_BSF_RESTORE")
        DrawRestoreImage(Canvas, X, Y, Colour);
    else if (name == "BSF_ROLLUP")
        DrawRollUpImage(Canvas, X, Y, Colour);
    else if (name == "BSF_MINTOTRAY")
        DrawMinimizeToTrayImage(Canvas, X, Y, Colour);
    else
        Drawn = false;
}

void TbsSkinMenuItem::DrawSkinMark(TCanvas* Canvas, const TRect& Source, const TRect& Place)
{
    if (picture_ == nullptr || IsNullRect(Source))
        return;
    TBitmap mark;
    mark.SetPixelFormat(pf24bit);
    mark.SetSize(RectWidth(Source), RectHeight(Source));
    mark.Canvas()->CopyRect(TRect{0, 0, mark.Width(), mark.Height()}, picture_->Canvas(), Source);
    mark.SetTransparent(true);
    int x = IntMax(Place.Left, Place.Left + RectWidth(Place) / 2 - mark.Width() / 2);
    int y = IntMax(Place.Top, Place.Top + RectHeight(Place) / 2 - mark.Height() / 2);
    Canvas->Draw(x, y, &mark);
}

// How an item of the main-menu bar finds its place and draws itself: from
// the skin's item description (normal, hot, pressed, cross-faded and
// animated images) or in the plain look, with its glyph and caption or the
// menu item's owner drawing.
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_main_menu.h"

namespace {

// The space between a glyph and the caption.
constexpr int kGlyphSpacing = 5;

}  // namespace

void TbsSkinMainMenuBarItem::SetItemFont(TCanvas* Canvas) const
{
    TFont* font = Canvas->Font();
    font->Assign(Parent->DefItemFont());
    if (HasSkinData && Parent->UseSkinFont()) {
        font->SetName(FontName);
        font->SetStyle(FontStyle);
        font->SetHeight(FontHeight);
    }
    TbsSkinData* data = Parent->SkinData();
    if (data != nullptr && data->ResourceStrData() != nullptr)
        font->SetCharset(data->ResourceStrData()->CharSet);
}

int TbsSkinMainMenuBarItem::TextWidth(TCanvas* Canvas) const
{
    TRect r{0, 0, 0, 0};
    Canvas->TextRect(r, MenuItem->Caption(), DT_CALCRECT | DT_CENTER);
    return r.Width();
}

int TbsSkinMainMenuBarItem::GlyphWidth() const
{
    TCustomImageList* images = MenuItem->GetImageList();
    if (images != nullptr && MenuItem->ImageIndex() >= 0 && MenuItem->ImageIndex() < images->Count())
        return images->Width() + kGlyphSpacing;
    TBitmap* bitmap = MenuItem->Bitmap();
    return bitmap->Empty() ? 0 : bitmap->Width() + kGlyphSpacing;
}

bool TbsSkinMainMenuBarItem::Place(TCanvas* Canvas, const TbsSkinMainMenuBarItem* Previous)
{
    const TRect& area = Parent->ItemsArea;
    SetItemFont(Canvas);
    int left = Previous != nullptr && Previous->ObjectRect.Right != 0 ? Previous->ObjectRect.Right : area.Left;
    int width = HasSkinData ? SkinRect.Width() - TextRect.Width() + TextWidth(Canvas) + 2 : TextWidth(Canvas) + 12;
    int bottom = HasSkinData && Parent->UseSkinSize() ? area.Top + SkinRect.Height() : area.Bottom;
    ObjectRect = TRect{left, area.Top, left + width + GlyphWidth(), bottom};

    int markWidth = Parent->ScrollMenu() ? TbsSkinMainMenuBar::TrackMarkWidth : 0;
    if (ObjectRect.Right > area.Right - markWidth) {
        Parent->HiddenItems = true;
        if (InView) {
            SavedEnabled = Enabled;
            Enabled = false;
            InView = false;
        }
        return false;
    }
    if (!InView) {
        InView = true;
        Enabled = SavedEnabled;
    }
    return true;
}

void TbsSkinMainMenuBarItem::Draw(TCanvas* Canvas, const TbsSkinMainMenuBarItem* Previous)
{
    // A description without an image or a text place shows nothing, where
    // it was.
    if (HasSkinData && (IsRectEmpty(SkinRect) || IsRectEmpty(TextRect)))
        return;
    if (!Place(Canvas, Previous))
        return;
    if (HasSkinData)
        DrawSkinned(Canvas);
    else
        DrawPlain(Canvas);
}

void TbsSkinMainMenuBarItem::DrawGlyph(TCanvas* Canvas, TRect& T, int CentreY) const
{
    TCustomImageList* images = MenuItem->GetImageList();
    if (images != nullptr && MenuItem->ImageIndex() >= 0 && MenuItem->ImageIndex() < images->Count()) {
        images->Draw(Canvas, T.Left + 2, CentreY - images->Height() / 2, MenuItem->ImageIndex(),
                     MenuItem->Enabled());
        T.Left += images->Width() + kGlyphSpacing;
        return;
    }
    TBitmap* bitmap = MenuItem->Bitmap();
    if (bitmap->Empty())
        return;
    Canvas->Draw(T.Left + 2, CentreY - bitmap->Height() / 2, bitmap);
    T.Left += bitmap->Width() + kGlyphSpacing;
}

void TbsSkinMainMenuBarItem::DrawCaption(TCanvas* Canvas, const TRect& T)
{
    if (MenuItem->OnDrawItem) {
        // The handler gets the bar's item, which knows its state and place.
        MenuItem->OnDrawItem(this, Canvas, T, Active);
        return;
    }
    unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!Parent->ShowAccelChar)
        format |= DT_HIDEPREFIX;
    TRect r = T;
    Canvas->TextRect(r, MenuItem->Caption(), format);
}

void TbsSkinMainMenuBarItem::DrawPlain(TCanvas* Canvas)
{
    TBitmap b;
    b.SetSize(ObjectRect.Width(), ObjectRect.Height());
    TCanvas* c = b.Canvas();
    TRect whole{0, 0, b.Width(), b.Height()};
    DrawPlainButton(c, whole, Down ? TbsPlainLook::Pressed : MouseIn ? TbsPlainLook::Hot : TbsPlainLook::Normal,
                    false);
    SetItemFont(c);
    c->Brush()->SetStyle(bsClear);
    TRect band = whole;
    c->TextRect(band, MenuItem->Caption(), DT_CALCRECT);
    int h = band.Height();
    band = TRect{0, (whole.Height() - h) / 2, whole.Width(), (whole.Height() - h) / 2 + h};
    DrawGlyph(c, band, (band.Top + band.Bottom) / 2);
    DrawCaption(c, band);
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

TRect TbsSkinMainMenuBarItem::AnimationFrameRect(int Frame) const
{
    const TRect& a = AnimateSkinRect;
    if (a.Height() <= SkinRect.Height()) {
        int f = a.Width() / FrameCount;
        return TRect{a.Left + (Frame - 1) * f, a.Top, a.Left + Frame * f, a.Bottom};
    }
    int f = a.Height() / FrameCount;
    return TRect{a.Left, a.Top + (Frame - 1) * f, a.Right, a.Top + Frame * f};
}

void TbsSkinMainMenuBarItem::DrawSkinned(TCanvas* Canvas)
{
    TBitmap b;
    b.SetSize(ObjectRect.Width(), ObjectRect.Height());
    if (Down) {
        CreateImage(&b, Canvas, DownRect, true, true);
    } else if (CanAnimate() && FrameIndex >= 1 && FrameIndex <= FrameCount) {
        CreateItemImage(&b, Canvas, AnimationFrameRect(FrameIndex), true);
    } else if (CanMorph() && (Active ? MorphKf() < 1 : MorphKf() > 0)) {
        TBitmap normal, active, result;
        for (TBitmap* m : {&normal, &active, &result}) {
            m->SetPixelFormat(pf24bit);
            m->SetSize(b.Width(), b.Height());
        }
        CreateImage(&normal, Canvas, SkinRect, false, false);
        CreateImage(&active, Canvas, ActiveSkinRect, true, false);
        DrawMorphedImages(result.Canvas(), &normal, &active, MorphKind, MorphKf());
        Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &result);
        return;
    } else if (Active) {
        CreateImage(&b, Canvas, IsRectEmpty(ActiveSkinRect) ? SkinRect : ActiveSkinRect, true, false);
    } else {
        CreateImage(&b, Canvas, SkinRect, false, false);
    }
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TbsSkinMainMenuBarItem::CreateImage(TBitmap* Bitmap, TCanvas* Target, const TRect& SourceRect, bool IsActive,
                                         bool IsDown)
{
    if (Parent->ToolBarMode())
        CreateToolBarImage(Bitmap, Target, IsActive, IsDown);
    else
        CreateItemImage(Bitmap, Target, SourceRect, IsActive);
}

void TbsSkinMainMenuBarItem::CreateItemImage(TBitmap* Bitmap, TCanvas* Target, const TRect& SourceRect,
                                             bool IsActive)
{
    if (Picture == nullptr)
        return;
    int w = ObjectRect.Width();
    int h = ObjectRect.Height();
    Bitmap->SetSize(w, h);
    TCanvas* c = Bitmap->Canvas();
    bool useSkinSize = Parent->UseSkinSize();
    if (Parent->ItemTransparent && (SourceRect == SkinRect || (!useSkinSize && !IsActive))) {
        // The bar's background, already painted under the item.
        c->CopyRect(TRect{0, 0, w, h}, Target, ObjectRect);
    } else if (useSkinSize) {
        CreateHSkinImage(ItemLeftOffset, ItemRightOffset, Bitmap, Picture, SourceRect, w, h,
                         IsActive && StretchEffect);
    } else {
        int sh = SourceRect.Height();
        TRect client{ItemLeftOffset, sh / 4, SourceRect.Width() - ItemRightOffset, sh - sh / 4};
        CreateSkinImageByOffsets(Bitmap, Picture, SourceRect, client, true);
    }

    SetItemFont(c);
    TColor colour = Down              ? DownFontColor
                    : IsActive        ? ActiveFontColor
                    : MenuItem->Enabled() ? FontColor
                                      : UnEnabledFontColor;
    c->Font()->SetColor(colour);
    DrawItemText(c, h);
}

void TbsSkinMainMenuBarItem::CreateToolBarImage(TBitmap* Bitmap, TCanvas* Target, bool IsActive, bool IsDown)
{
    int w = ObjectRect.Width();
    int h = ObjectRect.Height();
    Bitmap->SetSize(w, h);
    TbsSkinData* data = Parent->SkinData();
    int index = data->FindControlDescription("resizetoolbutton");
    auto* button =
        index < 0 ? nullptr : dynamic_cast<TbsDataSkinButtonControl*>(data->ControlList[static_cast<size_t>(index)].get());
    if (button == nullptr)
        return;
    TbsSkinCustomImage image;
    image.TakeDescription(button, *data);
    TRect normal = button->SkinRect;
    TRect active = IsRectEmpty(button->ActiveSkinRect) ? normal : button->ActiveSkinRect;
    TRect down = IsRectEmpty(button->DownSkinRect) ? active : button->DownSkinRect;
    TCanvas* c = Bitmap->Canvas();
    int lw = w;
    int lh = h;
    image.LayOut(lw, lh, true);
    if (IsDown)
        image.DrawImage(Bitmap, image.Picture, down, lw, lh, false);
    else if (IsActive)
        image.DrawImage(Bitmap, image.Picture, active, lw, lh, false);
    else if (Parent->ToolBarModeItemTransparent())
        c->CopyRect(TRect{0, 0, w, h}, Target, ObjectRect);
    else
        image.DrawImage(Bitmap, image.Picture, normal, lw, lh, false);

    TFont* font = c->Font();
    font->Assign(Parent->DefItemFont());
    if (Parent->UseSkinFont()) {
        font->SetName(button->FontName);
        font->SetStyle(button->FontStyle);
        font->SetHeight(button->FontHeight);
    }
    if (data->ResourceStrData() != nullptr)
        font->SetCharset(data->ResourceStrData()->CharSet);
    font->SetColor(!MenuItem->Enabled() ? UnEnabledFontColor
                   : IsDown            ? button->DownFontColor
                   : IsActive          ? button->ActiveFontColor
                                       : button->FontColor);
    DrawItemText(c, h);
}

void TbsSkinMainMenuBarItem::DrawItemText(TCanvas* Canvas, int Height)
{
    Canvas->Brush()->SetStyle(bsClear);
    TRect t = TextRect;
    DrawGlyph(Canvas, t, Parent->ToolBarMode() ? (TextRect.Top + TextRect.Bottom) / 2 : Height / 2);
    TRect measured{t.Left, t.Top, t.Left, t.Top};
    Canvas->TextRect(measured, MenuItem->Caption(), DT_CALCRECT);
    t = TRect{t.Left, t.Top, measured.Right + 2, measured.Bottom};
    if (!Parent->UseSkinSize()) {
        int th = t.Height();
        t.Top = (Height - th) / 2;
        t.Bottom = t.Top + th;
    }
    DrawCaption(Canvas, t);
}

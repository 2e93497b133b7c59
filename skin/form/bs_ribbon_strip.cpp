// The ribbon's strip: its layout, painting, and the plain look of the
// tabs, the quick-access buttons and the child-window buttons.
#include "skin/form/bs_ribbon.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/win_messages.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_ribbon_page_background.h"

void TbsRibbon::LayOut(TCanvas* Canvas)
{
    TbsRibbonLayoutInput in;
    in.BarWidth = Width();
    in.TabStripLeft = tabStripLeft_;
    in.StripHeight = StripHeight();
    in.TabHeight = TabHeight();
    in.ImageWidth = buttonsImageList_ ? buttonsImageList_->Width() : 0;
    for (int i = 0; i < buttons_->Count(); ++i)
        in.QuickVisible.push_back(buttons_->Items(i)->Visible());
    in.ChildButtons = childButtons_->Count() == 3;
    if (TbsDataSkinTabControl* d = SkinDescription(); d && in.ChildButtons)
        in.ChildButtonSize = TPoint{d->MDICloseRect.Width(), d->MDICloseRect.Height()};
    for (int i = 0; i < tabs_->Count(); ++i) {
        TbsRibbonTab* tab = tabs_->Items(i);
        // A tab without a page reads as an empty caption.
        in.TabWidths.push_back(!tab->Visible() ? -1
                               : tab->Page()   ? Canvas->TextWidth(tab->Page()->Caption()) + 30
                                               : 30);
    }
    layout_ = LayOutRibbon(in);
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->Items(i)->ItemRect = layout_.QuickRects[i];
    for (int i = 0; i < childButtons_->Count() && i < static_cast<int>(layout_.ChildRects.size()); ++i)
        childButtons_->Items(i)->ItemRect = layout_.ChildRects[i];
    for (int i = 0; i < tabs_->Count(); ++i)
        tabs_->Items(i)->TabRect = layout_.TabRects[i];
}

void TbsRibbon::Paint()
{
    // A maximized child closed or freed tells nobody: its buttons go here.
    MDIChildRestore();
    TbsSkinControl::Paint();
}

void TbsRibbon::PaintDefaultImage(TBitmap* Bitmap) { DrawPlain(Bitmap->Canvas()); }

// A description whose picture is missing leaves the plain look.
void TbsRibbon::PaintSkinImage(TBitmap* Bitmap)
{
    if (SkinDescription())
        DrawSkinned(Bitmap->Canvas());
    else
        DrawPlain(Bitmap->Canvas());
}

// The plain look: a shadow-coloured bar whose selected tab, in the face
// colour, reaches down into the page.
void TbsRibbon::DrawPlain(TCanvas* Canvas)
{
    Canvas->Font()->Assign(Font());
    LayOut(Canvas);
    Canvas->Brush()->SetColor(clBtnShadow);
    Canvas->FillRect(Rect(0, 0, Width(), Height()));
    if (!AnyVisibleTab())
        DrawRibbonPageBackground(Canvas, GetPageBounds(), nullptr, nullptr);
    Canvas->Brush()->SetStyle(bsClear);
    for (int i = 0; i < tabs_->Count(); ++i) {
        TbsRibbonTab* tab = tabs_->Items(i);
        if (!tab->Visible())
            continue;
        TRect r = tab->TabRect;
        AnsiString caption = tab->Page() ? tab->Page()->Caption() : AnsiString();
        if (i == tabIndex_) {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(clBtnFace);
            Canvas->FillRect(TRect{r.Left, r.Top, r.Right, r.Bottom + 2});
            Canvas->Brush()->SetStyle(bsClear);
            Canvas->Font()->SetColor(clBtnText);
            DrawTabCaption(Canvas, caption, TRect{r.Left + 3, r.Top, r.Right - 3, r.Bottom + 1}, r.Width());
            continue;
        }
        Canvas->Font()->SetColor(clBtnHighlight);
        DrawTabCaption(Canvas, caption, TRect{r.Left + 3, r.Top, r.Right - 3, r.Bottom}, r.Width());
        if (layout_.Squeezed) {
            Canvas->Pen()->SetColor(cl3DDkShadow);
            Canvas->MoveTo(r.Right, r.Top);
            Canvas->LineTo(r.Right, r.Bottom + 1);
        }
    }
    Canvas->Brush()->SetStyle(bsSolid);
    if (buttonsImageList_)
        DrawQuickButtons(Canvas);
    DrawChildButtons(Canvas);
}

void TbsRibbon::DrawTabCaption(TCanvas* Canvas, const AnsiString& Caption, const TRect& Text, int TabWidth)
{
    if (Canvas->TextWidth(Caption) <= TabWidth - 6)
        DrawCaptionCentered(Canvas, Caption, Text);
    else
        DrawCaptionLeftPlain(Canvas, Caption, Text);
}

void TbsRibbon::DrawQuickImage(TCanvas* Canvas, TbsRibbonButtonItem* Item)
{
    const TRect r = Item->ItemRect;
    if (Item->ImageIndex() >= 0 && Item->ImageIndex() < buttonsImageList_->Count())
        buttonsImageList_->Draw(Canvas, r.Left + r.Width() / 2 - buttonsImageList_->Width() / 2,
                                r.Top + r.Height() / 2 - buttonsImageList_->Height() / 2 + 1, Item->ImageIndex(),
                                Item->Enabled());
}

void TbsRibbon::DrawQuickButtons(TCanvas* Canvas)
{
    for (int i = 0; i < buttons_->Count(); ++i) {
        TbsRibbonButtonItem* item = buttons_->Items(i);
        if (!item->Visible())
            continue;
        TRect r = item->ItemRect;
        if (item->MouseIn) {
            Canvas->Brush()->SetColor(item->Down ? cl3DDkShadow : clBtnFace);
            Canvas->FillRect(Bounds(r.Left, r.Top, r.Width(), r.Width()));
        }
        DrawQuickImage(Canvas, item);
    }
}

void TbsRibbon::DrawChildButtons(TCanvas* Canvas)
{
    for (int i = 0; i < childButtons_->Count(); ++i) {
        TbsRibbonButtonItem* item = childButtons_->Items(i);
        TRect r = item->ItemRect;
        TColor colour = item->MouseIn || item->Down ? clBtnHighlight : clBtnText;
        int x = r.Left + r.Width() / 2 - 5;
        int y = r.Top + r.Height() / 2 - 4;
        if (item->Kind == 1)
            DrawCloseImage(Canvas, x, y, colour);
        else if (item->Kind == 2)
            DrawRestoreImage(Canvas, x, y, colour);
        else
            DrawMinimizeImage(Canvas, x, y, colour);
    }
}

// The ribbon's skinned look: the page frame's strips from the tab-control
// description, tabs from its tab images, quick-access buttons from the
// skin's ribbon (or resizable tool) button and the child-window buttons
// from the description's own pieces.
#include "skin/form/bs_ribbon.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/pen.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_frame_strips.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_ribbon_page_background.h"

namespace {

// Piece R of Picture copied into a bitmap of its own.
void CopyPiece(TBitmap& Piece, TBitmap* Picture, const TRect& R)
{
    Piece.SetSize(R.Width(), R.Height());
    Piece.Canvas()->CopyRect(Rect(0, 0, R.Width(), R.Height()), Picture->Canvas(), R);
}

}  // namespace

void TbsRibbon::DrawSkinned(TCanvas* Canvas)
{
    TbsDataSkinTabControl* d = SkinDescription();
    TBitmap* picture = SkinPicture();
    const int strip = StripHeight();
    const TRect page = GetPageBounds();
    TbsFrameStrips frame;
    BuildFrameStrips(frame, *d, picture, page);
    TBitmap strips;
    strips.SetSize(Width(), strip + frame.Top.Height());
    TCanvas* c = strips.Canvas();
    if (IsNullRect(d->TabsBgRect)) {
        c->Brush()->SetColor(SkinData()->SkinColors.BtnShadow);
        c->FillRect(Rect(0, 0, Width(), strip));
    } else {
        c->CopyRect(Rect(0, 0, Width(), strip), picture->Canvas(), d->TabsBgRect);
    }
    c->Draw(frame.Frame.Left, strip, &frame.Top);
    if (UseSkinFont) {
        c->Font()->SetName(d->FontName);
        c->Font()->SetStyle(d->FontStyle);
        c->Font()->SetHeight(d->FontHeight);
    } else {
        c->Font()->Assign(Font());
    }
    LayOut(c);
    for (int i = 0; i < tabs_->Count(); ++i)
        if (tabs_->Items(i)->Visible())
            DrawSkinTab(c, i);
    if (buttonsImageList_)
        DrawSkinQuickButtons(c);
    DrawSkinChildButtons(c);
    const TRect f = frame.Frame;
    Canvas->Draw(f.Left, f.Top + frame.Top.Height(), &frame.Left);
    Canvas->Draw(f.Right - frame.Right.Width(), f.Top + frame.Top.Height(), &frame.Right);
    Canvas->Draw(f.Left, f.Bottom - frame.Bottom.Height(), &frame.Bottom);
    Canvas->Draw(0, 0, &strips);
    if (!AnyVisibleTab())
        DrawRibbonPageBackground(Canvas, page, d, SkinData());
}

void TbsRibbon::DrawSkinTab(TCanvas* Canvas, int Index)
{
    TbsDataSkinTabControl* d = SkinDescription();
    TbsRibbonTab* tab = tabs_->Items(Index);
    const TRect r = tab->TabRect;
    if (r.Width() < 1)
        return;
    const AnsiString caption = tab->Page() ? tab->Page()->Caption() : AnsiString();
    // While the application menu is open no tab looks selected.
    const bool selected = Index == tabIndex_ && !(appMenu_ && appMenu_->Visible());
    const bool hot = Index == hotTab_;
    TRect source;
    TColor colour = hot ? d->MouseInFontColor : d->FontColor;
    bool joined = false;  // the selected images reach into the page
    if (selected && Focused() && !IsNullRect(d->FocusTabRect)) {
        source = d->FocusTabRect;
        colour = d->FocusFontColor;
        joined = true;
    } else if (selected && !IsNullRect(d->ActiveTabRect)) {
        source = d->ActiveTabRect;
        colour = d->ActiveFontColor;
        joined = true;
    } else if (hot && !IsNullRect(d->MouseInTabRect)) {
        source = d->MouseInTabRect;
        colour = d->MouseInFontColor;
    }
    Canvas->Font()->SetColor(colour);
    Canvas->Brush()->SetStyle(bsClear);
    if (IsNullRect(source)) {
        DrawTabCaption(Canvas, caption, TRect{r.Left + 3, r.Top, r.Right - 3, r.Bottom}, r.Width());
    } else {
        TBitmap image;
        CreateHSkinImage(d->TabLeftOffset, d->TabRightOffset, &image, SkinPicture(), source, r.Width(), r.Height(),
                         d->TabStretchEffect);
        TCanvas* ic = image.Canvas();
        ic->Font()->Assign(Canvas->Font());
        ic->Brush()->SetStyle(bsClear);
        DrawTabCaption(ic, caption, TRect{0, 0, image.Width(), image.Height() - (joined ? 1 : 0)}, r.Width());
        Canvas->Draw(r.Left, r.Top, &image);
    }
    Canvas->Brush()->SetStyle(bsSolid);
    if (!layout_.Squeezed)
        return;
    if (IsNullRect(d->DividerRect)) {
        Canvas->Pen()->SetColor(SkinData()->SkinColors.BtnShadow);
        Canvas->MoveTo(r.Right, r.Top);
        Canvas->LineTo(r.Right, r.Bottom);
        return;
    }
    TBitmap divider;
    CopyPiece(divider, SkinPicture(), d->DividerRect);
    if (d->DividerTransparent) {
        divider.SetTransparent(true);
        divider.SetTransparentColor(d->DividerTransparentColor);
    }
    Canvas->Draw(r.Right - divider.Width(), r.Top, &divider);
}

void TbsRibbon::DrawSkinQuickButtons(TCanvas* Canvas)
{
    TbsSkinData* data = SkinData();
    int index = data->FindControlDescription("officeribbonbutton");
    if (index < 0)
        index = data->FindControlDescription("resizetoolbutton");
    const auto* button =
        index < 0 ? nullptr
                  : dynamic_cast<const TbsDataSkinButtonControl*>(data->ControlList[static_cast<size_t>(index)].get());
    TBitmap* picture = button ? data->PictureAt(button->PictureIndex) : nullptr;
    for (int i = 0; i < buttons_->Count(); ++i) {
        TbsRibbonButtonItem* item = buttons_->Items(i);
        if (!item->Visible())
            continue;
        const TRect r = item->ItemRect;
        const bool down = (item->MouseIn && item->Down) || i == menuQuick_;
        const TRect source = !picture                     ? TRect{}
                             : down                       ? button->DownSkinRect
                             : item->MouseIn              ? button->ActiveSkinRect
                                                          : TRect{};
        if (!IsNullRect(source) && r.Width() > 0) {
            TBitmap face;
            face.SetSize(r.Width(), r.Width());
            CreateSkinImageByOffsets(&face, picture, source, button->ClientRect, true);
            Canvas->Draw(r.Left, r.Top, &face);
        }
        DrawQuickImage(Canvas, item);
    }
}

void TbsRibbon::DrawSkinChildButtons(TCanvas* Canvas)
{
    TbsDataSkinTabControl* d = SkinDescription();
    for (int i = 0; i < childButtons_->Count(); ++i) {
        TbsRibbonButtonItem* item = childButtons_->Items(i);
        const TRect* rects[3] = {&d->MDICloseRect, &d->MDICloseActiveRect, &d->MDICloseDownRect};
        if (item->Kind == 2)
            rects[0] = &d->MDIRestoreRect, rects[1] = &d->MDIRestoreActiveRect, rects[2] = &d->MDIRestoreDownRect;
        else if (item->Kind == 3)
            rects[0] = &d->MDIMinRect, rects[1] = &d->MDIMinActiveRect, rects[2] = &d->MDIMinDownRect;
        const TRect normal = *rects[0];
        const TRect active = IsNullRect(*rects[1]) ? normal : *rects[1];
        const TRect down = IsNullRect(*rects[2]) ? active : *rects[2];
        const TRect source = item->MouseIn && item->Down ? down : item->MouseIn ? active : normal;
        if (IsNullRect(source))
            continue;
        TBitmap piece;
        CopyPiece(piece, SkinPicture(), source);
        if (d->MDIButtonsTransparent) {
            piece.SetTransparent(true);
            piece.SetTransparentColor(d->MDIButtonsTransparentColor);
        }
        Canvas->Draw(item->ItemRect.Left, item->ItemRect.Top, &piece);
    }
}

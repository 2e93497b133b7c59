// The application menu's skinned look from its "appmenu" description: the
// background picture, a frame around the active page, items from the
// description's item strips, the top line and the size grip.
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_app_menu_page.h"
#include "skin/form/bs_ribbon_frame_strips.h"
#include "skin/form/bs_ribbon_page_background.h"

namespace {

constexpr int kPlainItemHeight = 28;
constexpr int kPageItemHeight = 35;
// Page items that scrolled into this band at the top keep the plain look.
constexpr int kPageItemBand = 30;

}  // namespace

TbsDataSkinAppMenu* TbsAppMenu::SkinDescription()
{
    // A picture is found only through a description of this kind.
    return SkinPicture() ? static_cast<TbsDataSkinAppMenu*>(Description()) : nullptr;
}

TBitmap* TbsAppMenu::SkinPicture()
{
    auto* description = dynamic_cast<TbsDataSkinAppMenu*>(Description());
    if (!description)
        return nullptr;
    return SkinData()->PictureAt(description->PictureIndex);
}

int TbsAppMenu::PlainItemHeight()
{
    TbsDataSkinAppMenu* d = SkinDescription();
    return d ? d->ItemRect.Height() : kPlainItemHeight;
}

int TbsAppMenu::PageItemHeight()
{
    TbsDataSkinAppMenu* d = SkinDescription();
    return d ? d->PageItemRect.Height() : kPageItemHeight;
}

void TbsAppMenu::DrawSkinned(TCanvas* Canvas)
{
    TbsDataSkinAppMenu* d = SkinDescription();
    TBitmap* picture = SkinPicture();
    const TRect whole = Rect(0, 0, Width(), Height());
    // Without a background picture the client piece covers the menu, so
    // that nothing of an earlier paint shows through.
    if (!CoverWithPicture(Canvas, whole, SkinData(), d->BgPictureIndex, nullptr, d->BgStretchEffect, stfull))
        CoverWithClientPiece(Canvas, whole, SkinData(), *d);
    if (activePage_ && activePage_->Visible()) {
        TbsFrameStrips frame;
        BuildFrameStrips(frame, *d, picture, activePage_->BoundsRect());
        const TRect f = frame.Frame;
        Canvas->Draw(f.Left, f.Top, &frame.Top);
        Canvas->Draw(f.Left, f.Top + frame.Top.Height(), &frame.Left);
        Canvas->Draw(f.Right - frame.Right.Width(), f.Top + frame.Top.Height(), &frame.Right);
        Canvas->Draw(f.Left, f.Bottom - frame.Bottom.Height(), &frame.Bottom);
    }
    LayOutItems();
    for (int i = 0; i < items_->Count(); ++i)
        if (items_->Items(i)->Visible())
            DrawSkinItem(Canvas, i);
    if (!IsNullRect(d->TopLineRect)) {
        TBitmap line;
        CreateHSkinImage(d->TopLineOffset1, d->TopLineOffset2, &line, picture, d->TopLineRect, Width(),
                         d->TopLineRect.Height(), d->StretchEffect);
        Canvas->Draw(0, 0, &line);
    }
    if (SizeGripActive() && !IsNullRect(d->GripperRect)) {
        TBitmap grip;
        grip.SetSize(d->GripperRect.Width(), d->GripperRect.Height());
        grip.Canvas()->CopyRect(Rect(0, 0, grip.Width(), grip.Height()), picture->Canvas(), d->GripperRect);
        grip.SetTransparent(true);
        grip.SetTransparentColor(d->GripperTransparentColor);
        Canvas->Draw(Width() - grip.Width(), Height() - grip.Height(), &grip);
    }
}

void TbsAppMenu::DrawSkinItem(TCanvas* Canvas, int Index)
{
    TbsDataSkinAppMenu* d = SkinDescription();
    TbsAppMenuItem* item = items_->Items(Index);
    const TRect r = item->ItemRect;
    if (r.Width() < 1 || r.Height() < 1)
        return;
    const bool paged = item->Page() != nullptr;
    const bool active = paged && item->Page() == activePage_;
    bool highlighted = item->Hot || active || (Index == itemIndex_ && item->Enabled());
    // A page item under the top band or below the active page's end would
    // stick out of the page's frame.
    if (paged && (r.Top < kPageItemBand || (activePage_ && r.Bottom > activePage_->BoundsRect().Bottom - 5)))
        highlighted = false;
    Canvas->Font()->SetName(UseSkinFont ? d->FontName : Font()->Name());
    Canvas->Font()->SetStyle(UseSkinFont ? d->FontStyle : Font()->Style());
    Canvas->Font()->SetHeight(paged ? d->FontPageHeight : d->FontHeight);
    if (!highlighted) {
        DrawItemText(Canvas, item, r,
                     !item->Enabled() ? d->DisabledFontColor : paged ? d->FontPageColor : d->FontColor);
        return;
    }
    const TRect source = !paged ? d->ItemRect : active ? d->PageItemActiveRect : d->PageItemRect;
    TBitmap face;
    CreateHSkinImage(paged ? d->PageItemOffset1 : d->ItemOffset1, paged ? d->PageItemOffset2 : d->ItemOffset2, &face,
                     SkinPicture(), source, r.Width(), r.Height(), d->StretchEffect);
    face.Canvas()->Font()->Assign(Canvas->Font());
    DrawItemText(face.Canvas(), item, Rect(0, 0, face.Width(), face.Height()),
                 paged ? d->ActiveFontPageColor : d->ActiveFontColor);
    Canvas->Draw(r.Left, r.Top, &face);
}

// How a skinned popup window paints: its frame from the skin or plainly,
// its shown rows, and the two arrow areas of a scrolling window.
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/control_canvas.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"

TRect TbsSkinPopupWindow::UpArrowRect() const
{
    if (windowDescription_ == nullptr)
        return TRect{3, 3, Width() - 3, 13};
    return TRect{itemsRect_.Left, itemsRect_.Top, itemsRect_.Right, itemsRect_.Top + kPopupScrollArea};
}

TRect TbsSkinPopupWindow::DownArrowRect() const
{
    if (windowDescription_ == nullptr)
        return TRect{3, Height() - 10, Width() - 3, Height() - 3};
    return TRect{itemsRect_.Left, itemsRect_.Bottom - kPopupScrollArea, itemsRect_.Right, itemsRect_.Bottom};
}

void TbsSkinPopupWindow::DrawWindowImage(TBitmap* B, bool DrawClient)
{
    const TbsDataSkinPopupWindow& d = *windowDescription_;
    CreateSkinImageForWindow(d.LeftTopPoint, d.RightTopPoint, d.LeftBottomPoint, d.RightBottomPoint, d.ItemsRect,
                             newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, itemsRect_, B, windowPicture_,
                             TRect{0, 0, windowPicture_->Width(), windowPicture_->Height()}, Width(), Height(),
                             DrawClient, d.LeftStretch, d.TopStretch, d.RightStretch, d.BottomStretch,
                             d.StretchEffect, d.StretchType);
}

void TbsSkinPopupWindow::PaintWindow(HDC DC)
{
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(Width(), Height());
    TCanvas* c = b.Canvas();
    if (windowDescription_ != nullptr) {
        // Rows without their picture show the window's client through.
        bool rowsBare = itemDescription_ != nullptr && ItemCount() > 0 && Item(0)->Picture() == nullptr;
        DrawWindowImage(&b, scrollable_ || rowsBare);
        if (itemDescription_ != nullptr && (itemDescription_->InActiveTransparent || rowsBare)) {
            background_ = std::make_unique<TBitmap>();
            background_->SetPixelFormat(pf24bit);
            DrawWindowImage(background_.get(), true);
        }
    } else {
        int column = images_ != nullptr ? imageColumnWidth_ + 2 : 21;
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(TRect{0, 0, column, Height()});
        c->Brush()->SetColor(clWindow);
        c->FillRect(TRect{column, 0, Width(), Height()});
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect(TRect{0, 0, Width(), Height()});
        c->Brush()->SetColor(clWindow);
        c->FrameRect(TRect{1, 1, Width() - 1, Height() - 1});
    }
    for (int i = topIndex_; i < topIndex_ + visibleCount_ && i < ItemCount(); ++i)
        Item(i)->Draw(c);
    if (scrollable_) {
        DrawArrowArea(c, true);
        DrawArrowArea(c, false);
        if (windowDescription_ != nullptr && visibleCount_ > 0) {
            int last = Item(topIndex_ + visibleCount_ - 1)->ObjectRect.Bottom;
            int arrows = DownArrowRect().Top;
            if (last < arrows)
                DrawScrollAreaBackground(c, TRect{itemsRect_.Left, last, itemsRect_.Right, arrows});
        }
    }
    TCanvas target;
    target.SetHandle(DC);
    target.Draw(0, 0, &b);
    target.SetHandle(nullptr);
}

void TbsSkinPopupWindow::PresentCanvas() { static_cast<TControlCanvas*>(Canvas())->FreeHandle(); }

void TbsSkinPopupWindow::DrawItem(TbsSkinMenuItem* Row)
{
    Row->Draw(Canvas());
    PresentCanvas();
}

void TbsSkinPopupWindow::DrawArrowArea(TCanvas* Canvas, bool Up)
{
    TRect r = Up ? UpArrowRect() : DownArrowRect();
    bool active = scrollCode_ == (Up ? 1 : 2);
    TColor colour = 0;
    if (windowDescription_ != nullptr) {
        DrawScrollAreaBackground(Canvas, r);
        colour = active ? windowDescription_->ScrollMarkerActiveColor : windowDescription_->ScrollMarkerColor;
    } else {
        Canvas->Brush()->SetColor(clWindow);
        Canvas->FillRect(r);
        colour = active ? clBtnText : clBtnShadow;
    }
    DrawArrowImage(Canvas, r, colour, Up ? 3 : 4);
}

void TbsSkinPopupWindow::DrawScrollAreaBackground(TCanvas* Canvas, const TRect& R)
{
    TbsSkinData* data = skinData_;
    int index = data->FindObjectDescription("menuitem");
    if (index < 0)
        index = data->FindObjectDescription("MENUITEM");
    if (index < 0)
        return;
    auto* item = dynamic_cast<TbsDataSkinMenuItem*>(data->ObjectList[static_cast<size_t>(index)].get());
    if (item == nullptr)
        return;
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    if (itemDescription_ != nullptr && itemDescription_->InActiveTransparent && background_ != nullptr) {
        b.SetSize(RectWidth(R), RectHeight(R));
        b.Canvas()->CopyRect(TRect{0, 0, b.Width(), b.Height()}, background_->Canvas(), R);
    } else {
        int picture = item->ActivePictureIndex;
        // A picture the skin lacks leaves the area as the window drew it.
        if (picture < 0 || picture >= static_cast<int>(data->ActivePictures.size()) || IsNullRect(item->SkinRect))
            return;
        CreateHSkinImage(item->ItemLeftOffset, item->ItemRightOffset, &b,
                         data->ActivePictures[static_cast<size_t>(picture)].get(), item->SkinRect, RectWidth(R),
                         RectHeight(R), item->InActiveStretchEffect);
        // Cut or extended to the area's height: the last row repeats.
        int h = b.Height();
        if (h < 1)
            return;
        if (h != RectHeight(R)) {
            TBitmap full;
            full.SetPixelFormat(pf24bit);
            full.SetSize(RectWidth(R), RectHeight(R));
            for (int y = 0; y < RectHeight(R); ++y)
                full.Canvas()->CopyRect(TRect{0, y, RectWidth(R), y + 1}, b.Canvas(),
                                        TRect{0, std::min(y, h - 1), RectWidth(R), std::min(y, h - 1) + 1});
            Canvas->Draw(R.Left, R.Top, &full);
            return;
        }
    }
    Canvas->Draw(R.Left, R.Top, &b);
}

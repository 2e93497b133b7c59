// A skinned popup window's life: creation, building its rows, its size,
// region and place on the work area, and showing it with its fade-in.
#include "skin/controls/bs_skin_popup_window.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_region.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_fade_in.h"
#include "skin/controls/bs_skin_popup_params.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_masks.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"

namespace {

TBitmap* PictureAt(TbsSkinData* Data, int Index)
{
    if (Index < 0 || Index >= static_cast<int>(Data->ActivePictures.size()))
        return nullptr;
    return Data->ActivePictures[static_cast<size_t>(Index)].get();
}

}  // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu* AMenu, TbsDataSkinPopupWindow* AWindowDescription)
    : TCustomControl(nullptr), menu_(AMenu)
{
    SetVisible(false);
    TbsSkinData* data = menu_->SkinData();
    if (AWindowDescription != nullptr && AWindowDescription->WindowPictureIndex != -1 && data != nullptr) {
        windowDescription_ = AWindowDescription;
        skinData_ = data;
        windowPicture_ = PictureAt(data, AWindowDescription->WindowPictureIndex);
        maskPicture_ = PictureAt(data, AWindowDescription->MaskPictureIndex);
        if (windowPicture_ == nullptr) {
            // A window picture the skin does not hold: the plain look.
            windowDescription_ = nullptr;
            skinData_ = nullptr;
            maskPicture_ = nullptr;
        }
    }
    mouseTimer_ = std::make_unique<TTimer>(nullptr);
    mouseTimer_->SetEnabled(false);
    mouseTimer_->SetInterval(50);
    mouseTimer_->SetOnTimer(TNotifyEvent(this, &TbsSkinPopupWindow::MouseTimerTick));
    animationTimer_ = std::make_unique<TTimer>(nullptr);
    animationTimer_->SetEnabled(false);
    animationTimer_->SetInterval(20);
    animationTimer_->SetOnTimer(TNotifyEvent(this, &TbsSkinPopupWindow::AnimationTimerTick));
}

TbsSkinPopupWindow::~TbsSkinPopupWindow()
{
    itemList_.clear();
    mouseTimer_.reset();
    animationTimer_.reset();
    background_.reset();
}

void TbsSkinPopupWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    SetSkinPopupParams(Params);
}

int TbsSkinPopupWindow::IndexOfItem(const TbsSkinMenuItem* Row) const
{
    for (size_t i = 0; i < itemList_.size(); ++i)
        if (itemList_[i].get() == Row)
            return static_cast<int>(i);
    return -1;
}

int TbsSkinPopupWindow::RowHeight(const TMenuItem* MenuItem) const
{
    bool separator = MenuItem->IsLine();
    if (itemDescription_ == nullptr)
        return separator ? 4 : menu_->DefaultMenuItemHeight;
    if (separator)
        return RectHeight(itemDescription_->DividerRect);
    return menu_->UseSkinSize ? RectHeight(itemDescription_->SkinRect) : menu_->DefaultMenuItemHeight;
}

void TbsSkinPopupWindow::SetWindowFont()
{
    TFont* font = Canvas()->Font();
    if (skinData_ != nullptr && itemDescription_ != nullptr && menu_->UseSkinFont) {
        font->SetHeight(itemDescription_->FontHeight);
        font->SetStyle(itemDescription_->FontStyle);
        font->SetName(itemDescription_->FontName);
    } else {
        font->Assign(menu_->DefaultMenuItemFont());
    }
    TbsSkinData* data = menu_->SkinData();
    font->SetCharset(data != nullptr && data->ResourceStrData() != nullptr ? data->ResourceStrData()->CharSet
                                                                          : menu_->DefaultMenuItemFont()->Charset());
}

void TbsSkinPopupWindow::BuildRows(TMenuItem* MenuItem, TMenuItem* ExtraItem, int StartIndex)
{
    itemDescription_ = nullptr;
    TbsSkinData* data = menu_->SkinData();
    if (data != nullptr && !data->Empty)
        for (const auto& object : data->ObjectList)
            if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get())) {
                itemDescription_ = item;
                break;
            }
    SetWindowFont();
    TMenu* owner = MenuItem->GetParentMenu();
    if (owner != nullptr && owner->AutoLineReduction() == maAutomatic)
        MenuItem->RethinkLines();
    images_ = owner != nullptr ? owner->Images() : nullptr;
    auto add = [&](TMenuItem* Parent, int From) {
        for (int i = std::max(0, From); i < Parent->Count(); ++i) {
            TMenuItem* item = Parent->Items(i);
            if (!item->Visible())
                continue;
            if (item->Action() != nullptr)
                item->Action()->Update();
            itemList_.push_back(std::make_unique<TbsSkinMenuItem>(this, itemDescription_, item));
        }
    };
    add(MenuItem, StartIndex);
    if (ExtraItem != nullptr)
        add(ExtraItem, StartIndex - MenuItem->Count());
}

int TbsSkinPopupWindow::MeasureWidth()
{
    int widest = 0;
    for (const auto& row : itemList_) {
        TMenuItem* item = row->MenuItem();
        AnsiString text = item->Caption();
        if (item->ShortCut() != 0)
            text = ShortCutToText(item->ShortCut()) + "  " + text;
        TRect r{0, 0, 0, 0};
        Canvas()->TextRect(r, text, DT_CALCRECT);
        widest = std::max(widest, r.Right + 2);
    }
    return widest;
}

void TbsSkinPopupWindow::CalcSize(bool Extra)
{
    topIndex_ = 0;
    visibleCount_ = ItemCount();
    scrollable_ = false;
    limitScroll_ = false;
    imageColumnWidth_ = images_ != nullptr ? images_->Width() + 5 : 19;
    int width = MeasureWidth() + 19 + imageColumnWidth_;
    int pw = 0, ph = 0;
    TRect ir;
    if (windowDescription_ != nullptr) {
        pw = windowPicture_->Width();
        ph = windowPicture_->Height();
        ir = windowDescription_->ItemsRect;
        width += (pw - ir.Right) + ir.Left;
        if (itemDescription_ != nullptr)
            width += itemDescription_->TextRect.Left +
                     (RectWidth(itemDescription_->SkinRect) - itemDescription_->TextRect.Right);
    } else {
        width += 10;
    }
    int plainFrame = Extra ? 6 : 4;
    int sum = 0;
    for (const auto& row : itemList_)
        sum += RowHeight(row->MenuItem());
    int height = 0;
    int max = menu_->MaxMenuItemsInWindow;
    if (max != 0 && max < ItemCount()) {
        TMenuItem probe(nullptr);
        int h = max * RowHeight(&probe);
        height = windowDescription_ == nullptr ? h + plainFrame + 2 * kPopupScrollArea
                                               : (ph - ir.Bottom) + ir.Top + h + 2 * kPopupScrollArea;
        scrollable_ = true;
        limitScroll_ = true;
    } else {
        height = windowDescription_ == nullptr ? sum + plainFrame : (ph - ir.Bottom) + ir.Top + sum;
    }
    int workHeight = RectHeight(menu_->WorkArea);
    if (height > workHeight) {
        height = workHeight;
        scrollable_ = true;
    }
    SetBounds(Left(), Top(), width, height);
    CalcSkinGeometry();
}

void TbsSkinPopupWindow::CalcSkinGeometry()
{
    int w = Width();
    int h = Height();
    if (windowDescription_ == nullptr) {
        itemsRect_ = TRect{2, 2, w - 2, h - 2};
        return;
    }
    const TbsDataSkinPopupWindow& d = *windowDescription_;
    int pw = windowPicture_->Width();
    int ph = windowPicture_->Height();
    newLTPoint_ = d.LeftTopPoint;
    newRTPoint_ = TPoint{w - (pw - d.RightTopPoint.X), d.RightTopPoint.Y};
    newLBPoint_ = TPoint{d.LeftBottomPoint.X, h - (ph - d.LeftBottomPoint.Y)};
    newRBPoint_ = TPoint{w - (pw - d.RightBottomPoint.X), h - (ph - d.RightBottomPoint.Y)};
    itemsRect_ = TRect{d.ItemsRect.Left, d.ItemsRect.Top, w - (pw - d.ItemsRect.Right), h - (ph - d.ItemsRect.Bottom)};
}

void TbsSkinPopupWindow::PositionRows()
{
    int y = itemsRect_.Top;
    int limit = itemsRect_.Bottom;
    if (scrollable_) {
        y += kPopupScrollArea;
        limit -= kPopupScrollArea;
    }
    visibleCount_ = 0;
    int i = topIndex_;
    for (; i < ItemCount(); ++i) {
        TbsSkinMenuItem* row = Item(i);
        int h = RowHeight(row->MenuItem());
        row->ObjectRect = TRect{itemsRect_.Left, y, itemsRect_.Right, y + h};
        if (y + h > limit)
            break;
        row->Visible = true;
        ++visibleCount_;
        y += h;
    }
    if (scrollable_)
        for (int j = 0; j < ItemCount(); ++j)
            if (j < topIndex_ || j >= topIndex_ + visibleCount_)
                Item(j)->Visible = false;
}

void TbsSkinPopupWindow::SetSkinRegion()
{
    if (windowDescription_ == nullptr || maskPicture_ == nullptr)
        return;
    const TbsDataSkinPopupWindow& d = *windowDescription_;
    HRGN region = CreateSkinRegion(d.LeftTopPoint, d.RightTopPoint, d.LeftBottomPoint, d.RightBottomPoint,
                                   d.ItemsRect, newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, itemsRect_,
                                   maskPicture_, Width(), Height());
    // The window owns the region from here on and deletes the one before.
    if (SetWindowRgn(Handle(), region, true))
        region_ = region;
    else if (region != nullptr)
        DeleteObject(region);
}

TPoint TbsSkinPopupWindow::Placement(const TRect& R, bool AsSubmenu, bool PreferAbove) const
{
    const TRect& wa = menu_->WorkArea;
    int w = Width();
    int h = Height();
    bool upperHalf = R.Top < wa.Top + RectHeight(wa) / 2;
    bool beside = false;
    int y = 0;
    if (scrollable_ && !limitScroll_) {
        y = wa.Top;
    } else if (AsSubmenu) {
        y = R.Top - itemsRect_.Top;
        if (y + h > wa.Bottom)
            y = upperHalf ? wa.Bottom - h : std::max(wa.Top, R.Bottom - h + itemsRect_.Top);
    } else if (PreferAbove) {
        if (R.Top - h >= wa.Top) {
            y = R.Top - h;
        } else if (upperHalf) {
            if (R.Bottom + h <= wa.Bottom) {
                y = R.Bottom;
            } else {
                y = wa.Bottom - h;
                beside = true;
            }
        } else {
            y = wa.Top;
            beside = true;
        }
    } else if (R.Bottom + h <= wa.Bottom) {
        y = R.Bottom;
    } else if (upperHalf) {
        y = wa.Bottom - h;
        beside = true;
    } else if (R.Top - h >= wa.Top) {
        y = R.Top - h;
    } else {
        y = wa.Top;
        beside = true;
    }
    int x = 0;
    if (AsSubmenu || (scrollable_ && !limitScroll_) || beside) {
        x = R.Right + w + 1 > wa.Right ? R.Left - w - 1 : R.Right + 1;
    } else {
        x = R.Left;
        if (x + w > wa.Right)
            x = wa.Right - w;
        else if (x < wa.Left)
            x = wa.Left;
    }
    return TPoint{x, y};
}

void TbsSkinPopupWindow::Show(const TRect& Rect, TMenuItem* MenuItem, int StartIndex, bool AsSubmenu,
                              bool PreferAbove)
{
    ShowWindow(Rect, MenuItem, nullptr, StartIndex, AsSubmenu, PreferAbove);
}

void TbsSkinPopupWindow::ShowEx(const TRect& Rect, TMenuItem* MenuItem, TMenuItem* ExtraItem, int StartIndex,
                                bool AsSubmenu, bool PreferAbove)
{
    ShowWindow(Rect, MenuItem, ExtraItem, StartIndex, AsSubmenu, PreferAbove);
}

void TbsSkinPopupWindow::ShowWindow(const TRect& Rect, TMenuItem* MenuItem, TMenuItem* ExtraItem, int StartIndex,
                                    bool AsSubmenu, bool PreferAbove)
{
    bool layered = IsWindows2000() && menu_->AlphaBlend;
    bool fade = layered && menu_->AlphaBlendAnimation && menu_->FirstPopup;
    if (fade && Application != nullptr) {
        Application->ProcessMessages();
        // A message handled there may have closed the chain this window
        // was opening in; the manager keeps the window alive until its own
        // call returns, but it must not show.
        if (menu_->IndexOfPopup(this) == menu_->PopupCount())
            return;
    }
    BuildRows(MenuItem, ExtraItem, StartIndex);
    CalcSize(ExtraItem != nullptr);
    PositionRows();
    SetSkinRegion();
    TPoint at = Placement(Rect, AsSubmenu, PreferAbove);
    if (layered) {
        SetWindowLong(Handle(), GWL_EXSTYLE, GetWindowLong(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
        SetWindowAlpha(Handle(), fade ? 0 : menu_->AlphaBlendValue);
    }
    SetBounds(at.X, at.Y, Width(), Height());
    SetWindowPos(Handle(), HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    if (fade)
        FadeInWindow(Handle(), std::max(1, menu_->AlphaBlendValue / 15), menu_->AlphaBlendValue, 6);
    // The pointer counts once it moves: one that merely rests where the
    // window opened (a menu opened by the keyboard) takes no row.
    TPoint cursor;
    GetCursorPos(&cursor);
    lastMousePos_ = ScreenToClient(cursor);
    mouseTimer_->SetEnabled(true);
    ActivateFirstRow();
}

void TbsSkinPopupWindow::ActivateFirstRow()
{
    ActiveItem = -1;
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i)->Selectable()) {
            Item(i)->WaitCommand = true;
            ActiveItem = i;
            Item(i)->MouseEnter(true);
            return;
        }
}

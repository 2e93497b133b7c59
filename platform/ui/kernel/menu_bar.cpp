// The menu bar: layout in the form's frame, painting, hit testing, and the
// ways into the menu loop.
#include "platform/ui/kernel/menu_bar.h"

#include <algorithm>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_pos.h"

void TMenuBar::CalcSize(const TRect& WindowRect, TRect& Client)
{
    TRect bar = Client;
    OffsetRect(bar, -WindowRect.Left, -WindowRect.Top);
    TMenuMeasure measure;
    items_ = LayoutMenuBar(measure.Canvas(), menu_->Items(), bar, height_);
    area_ = Rect(bar.Left, bar.Top, bar.Right, bar.Top + height_);
    Client.Top = std::min(Client.Top + height_, Client.Bottom);
}

void TMenuBar::Paint()
{
    if (height_ == 0 || !form_->HandleAllocated())
        return;
    HWND window = form_->Handle();
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        FlatFill(&canvas, area_, clMenuBar);
        TMenuItem* root = menu_->Items();
        for (int i = 0; i < root->Count() && i < static_cast<int>(items_.size()); ++i) {
            if (IsRectEmpty(items_[size_t(i)]))
                continue;
            TBarItemLook look = i != hot_ ? TBarItemLook::Normal : open_ ? TBarItemLook::Open : TBarItemLook::Hot;
            DrawMenuBarItem(&canvas, root->Items(i), items_[size_t(i)], look);
        }
        canvas.SetHandle(nullptr);
    }
    ReleaseDC(window, dc);
}

void TMenuBar::Invalidate()
{
    if (height_ == 0 || !form_->HandleAllocated())
        return;
    // RedrawWindow takes client coordinates; the bar lies above the client
    // area, in the frame.
    HWND window = form_->Handle();
    TRect frame;
    GetWindowRect(window, &frame);
    TPoint client = Point(0, 0);
    ClientToScreen(window, &client);
    TRect bar = area_;
    OffsetRect(bar, frame.Left - client.X, frame.Top - client.Y);
    RedrawWindow(window, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

bool TMenuBar::Contains(TPoint Screen) const
{
    if (!form_->HandleAllocated())
        return false;
    TRect frame;
    GetWindowRect(form_->Handle(), &frame);
    return PtInRect(area_, Point(Screen.X - frame.Left, Screen.Y - frame.Top));
}

int TMenuBar::ItemAt(TPoint Screen) const
{
    if (!form_->HandleAllocated())
        return -1;
    TRect frame;
    GetWindowRect(form_->Handle(), &frame);
    TPoint p = Point(Screen.X - frame.Left, Screen.Y - frame.Top);
    for (size_t i = 0; i < items_.size(); ++i)
        if (PtInRect(items_[i], p))
            return static_cast<int>(i);
    return -1;
}

TRect TMenuBar::ItemRect(int Index) const
{
    TRect frame;
    GetWindowRect(form_->Handle(), &frame);
    TRect r = items_[size_t(Index)];
    OffsetRect(r, frame.Left, frame.Top);
    return r;
}

void TMenuBar::SetLook(int Hot, bool Open)
{
    if (hot_ == Hot && open_ == Open)
        return;
    hot_ = Hot;
    open_ = Open;
    Paint();
}

void TMenuBar::MouseDown(TPoint Screen)
{
    int index = ItemAt(Screen);
    if (index >= 0)
        TrackMenuBar(form_, index, true, false);
}

bool TMenuBar::KeyMenu(char Key)
{
    TMenuItem* root = menu_->Items();
    if (height_ == 0)
        return false;
    if (Key == 0) {
        for (int i = 0; i < root->Count(); ++i)
            if (root->Items(i)->Visible()) {
                TrackMenuBar(form_, i, false, true);
                return true;
            }
        return false;
    }
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        if (item->Visible() && item->Enabled() && IsAccel(static_cast<unsigned char>(Key), item->Caption())) {
            TrackMenuBar(form_, i, true, true);
            return true;
        }
    }
    return false;
}

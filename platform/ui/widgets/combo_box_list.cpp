// The combo box's dropped list and where it goes.
#include "platform/ui/widgets/combo_box_list.h"

#include <algorithm>

#include "platform/ui/widgets/combo_box.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"

TComboListBox::TComboListBox(TCustomComboBox* Combo) : TCustomListBox(nullptr), combo_(Combo)
{
    SetVisible(false);
    SetTabStop(false);
}

void TComboListBox::CreateParams(TCreateParams& Params)
{
    TCustomListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER | WS_VSCROLL;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
}

void TComboListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomListBox::Dispatch(Message);
}

void TComboListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    combo_->DrawItem(Canvas(), Index, Rect, State);
}

TRect DropDownBounds(const TRect& Box, int Width, int Height, const TRect& WorkArea)
{
    const int below = WorkArea.Bottom - Box.Bottom;
    const int above = Box.Top - WorkArea.Top;
    int top = Box.Bottom;
    if (Height > below && (Height <= above || above > below)) {
        Height = std::min(Height, above);
        top = Box.Top - Height;
    } else {
        Height = std::min(Height, std::max(below, 0));
    }
    int left = std::min(Box.Left, WorkArea.Right - Width);
    left = std::max(left, WorkArea.Left);
    return Rect(left, top, left + Width, top + Height);
}

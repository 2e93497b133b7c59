// Following a press of the mouse on a button, and the control messages
// that change a window-less button's look.
#include "platform/ui/kernel/mouse_press.h"

#include "platform/ui/kernel/controls_messages.h"

bool TMousePress::Move(const TRect& Client, TPoint Pos)
{
    if (!held_)
        return false;
    const bool inside = PtInRect(Client, Pos);
    if (inside == inside_)
        return false;
    inside_ = inside;
    return true;
}

bool TMousePress::End(const TRect& Client, TPoint Pos)
{
    const bool over = held_ && PtInRect(Client, Pos);
    held_ = false;
    return over;
}

bool TMousePress::Cancel()
{
    const bool was = held_;
    held_ = false;
    return was;
}

bool FollowPressMessage(UINT Msg, bool& Hot, TMousePress& Press)
{
    switch (Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        Hot = Msg == CM_MOUSEENTER;
        return true;
    case CM_ENABLEDCHANGED:
        Press.Cancel();
        return true;
    case CM_CANCELMODE:
        return Press.Cancel();
    default:
        return false;
    }
}

// Following a press of the mouse on a button.
#include "platform/ui/mouse_press.h"

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

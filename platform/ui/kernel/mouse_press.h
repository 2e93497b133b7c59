// TMousePress: a press of the left button on a button, followed until it
// is let go. The button shows held down while the mouse stays over it, and
// the press counts only when it is let go over it.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

class TMousePress {
public:
    bool Held() const { return held_; }
    // Held, with the mouse over the button: it shows held down.
    bool Shown() const { return held_ && inside_; }

    void Begin()
    {
        held_ = true;
        inside_ = true;
    }
    // The mouse is at Pos of the button's Client area; true when Shown
    // changed.
    bool Move(const TRect& Client, TPoint Pos);
    // Let go at Pos; answers whether a held press ended over the button.
    bool End(const TRect& Client, TPoint Pos);
    // Forgets the press without counting it; answers whether one was held.
    bool Cancel();

private:
    bool held_ = false;    // the left button went down on the button and is still held
    bool inside_ = false;  // the mouse is over the button; kept while held_
};

// What a window-less button's look follows of the control message Msg: the
// mouse entering or leaving sets Hot, and a change of Enabled or a cancelled
// mode forgets the press. True when the button must be drawn again.
bool FollowPressMessage(UINT Msg, bool& Hot, TMousePress& Press);

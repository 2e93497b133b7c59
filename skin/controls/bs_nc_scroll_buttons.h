// TbsNCScrollButtons: the two 12-pixel arrow buttons a scrolling control
// keeps in its non-client area at the two ends of one axis (left and
// right, or top and bottom). They take their room from the client area,
// answer hit tests with private codes, light up under the mouse, step the
// content on a click, repeat the step on a timer (1) while held, or while
// merely rested on with HotScroll, and watch on a second timer (2) for the
// mouse leaving the window. They look like a skin's button description in
// the state the mouse gives them, or like the plain small button.
#pragma once

#include <functional>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"

class TCanvas;
class TWinControl;
class TbsSkinData;
struct TMessage;

class TbsNCScrollButtons {
public:
    // Step moves Owner's content one step: 1 towards the start, 2 towards
    // the end. HotScroll and Interval (milliseconds between repeated
    // steps) are Owner's settings, read at each use.
    TbsNCScrollButtons(TWinControl* Owner, bool Vertical, const bool& HotScroll, const int& Interval,
                       std::function<void(int)> Step);

    bool Visible() const { return first_.Visible; }
    // Shows or hides both buttons, forgetting their places, hover, press
    // and timers; the owner then makes its window again, whose non-client
    // area changes.
    void SetVisible(bool Value);
    // 0 no repeat, 1 stepping towards the start, 2 towards the end.
    int Direction() const { return direction_; }
    void StopRepeat();

    // The client rectangle of WM_NCCALCSIZE gives up the buttons' room.
    void TakeRoom(TRect& Client) const;
    // After a size change: the buttons at the window's two ends, repainted.
    void Place();
    // Both buttons on DC, in window coordinates, drawn with the button
    // description DescriptionName of Data when there is one.
    void Paint(HDC DC, TbsSkinData* Data, const char* DescriptionName) const;
    void PaintOnWindow(TbsSkinData* Data, const char* DescriptionName) const;
    void RepaintFrame();

    // The buttons' hit test, cursor, mouse, timer and destroy messages;
    // true when one was taken, false when the owner handles it as before.
    bool Message(TMessage& Message);

private:
    // One button; Rect is in window coordinates.
    struct TButton {
        TRect Rect{};
        bool MouseIn = false;
        bool Down = false;
        bool Visible = false;
    };

    int HitCode(TPoint Screen) const;
    void StartRepeat(int Direction);
    void StopHoverWatch();
    void HoverTick();
    void DrawButton(TCanvas* Canvas, const TButton& Button, bool First, TbsSkinData* Data,
                    const char* DescriptionName) const;

    TWinControl* const owner_;
    const bool vertical_;
    const bool& hotScroll_;
    const int& interval_;
    const std::function<void(int)> step_;
    TButton first_;   // left or top
    TButton second_;  // right or bottom; Visible always equals first_'s
    int direction_ = 0;
    bool watching_ = false;  // the hover watch (timer 2) runs
};

// Makes Control's window again, as a change of its non-client area needs;
// the control inside it that had the focus keeps it.
void RecreateKeepingFocus(TWinControl* Control);

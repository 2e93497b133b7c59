// TScrollBar: the class library's scroll bar control, a windowed control
// that draws itself (arrow buttons at both ends, the track between them and
// a thumb on the track) and scrolls from the keyboard and the mouse.
//
// Every scroll, whatever caused it, goes the same way: the new position is
// worked out from the scroll code, kept within the range, offered to
// OnScroll (which may change it) and then set, which fires OnChange when
// the position moved. A press on an arrow or on the track scrolls at once
// and repeats from a timer while the mouse stays on that part; dragging
// the thumb scrolls with scTrack as it moves and ends with scPosition;
// every press and every scrolling key ends with scEndScroll.
#pragma once

#include <algorithm>
#include <memory>

#include "platform/ui/kernel/custom_control.h"
#include "platform/win/scroll_bar_layout.h"

class TTimer;

// In the order of the platform's scroll codes (SB_LINEUP .. SB_ENDSCROLL).
// The fixed type lets a header declare it without this one.
enum TScrollCode : int { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// The class library calls this type TScrollEvent; the editor's own scroll
// event already has that name.
using TScrollCodeEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return kind_; }
    // Turning the bar swaps its width and height.
    void SetKind(TScrollBarKind Value);
    int Min() const { return min_; }
    void SetMin(int Value) { SetParams(position_, Value, max_); }
    int Max() const { return max_; }
    void SetMax(int Value) { SetParams(position_, min_, Value); }
    int Position() const { return position_; }
    void SetPosition(int Value) { SetParams(Value, min_, max_); }
    // The share of the range one view shows; the thumb is that long, and
    // the position stops at Max - PageSize + 1. EInvalidOperation outside
    // 0 .. Max - Min + 1.
    int PageSize() const { return pageSize_; }
    void SetPageSize(int Value);
    // Sets the range and then the position, kept within it; OnChange when
    // the position moved. EInvalidOperation when AMax is below AMin or the
    // range is shorter than the page.
    void SetParams(int APosition, int AMin, int AMax);

    int SmallChange = 1;  // an arrow or an arrow key
    int LargeChange = 1;  // a click on the track, Page Up or Page Down

    TNotifyEvent OnChange;
    TScrollCodeEvent OnScroll;

protected:
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    TScrollBarState State() const;
    TScrollBarLayout Layout() const;
    // The last position the thumb can reach.
    int MaxPos() const { return max_ - std::max(pageSize_ - 1, 0); }
    bool CanScroll() const { return Enabled() && MaxPos() > min_; }
    bool Vertical() const { return kind_ == sbVertical; }
    // Scrolls from Position by the code; TrackPos is the target of
    // scPosition and scTrack.
    void DoScroll(TScrollCode Code, int TrackPos = 0);
    // Ends the press of the left button: scPosition after a drag of the
    // thumb, then scEndScroll.
    void EndPress();
    void RepeatTimer(TObject* Sender);
    // The part held down, shown pressed while the mouse is on it.
    TScrollBarPart ShownPressed() const;

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int pageSize_ = 0;  // 0 .. max_ - min_ + 1
    int position_ = 0;  // min_ .. MaxPos()
    std::unique_ptr<TTimer> repeat_;
    TScrollBarPart pressed_ = TScrollBarPart::None;  // the part a left press holds
    TPoint mouse_;        // the last mouse point while a press lasts
    int grab_ = 0;        // where the dragged thumb was taken, from its leading edge
    int trackPos_ = 0;    // the position the dragged thumb stands for
};

#include "platform/ui/widgets/scroll_bar.h"

#include <cstdint>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/scroll_bar_paint.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/system_metrics.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

// A held arrow or track waits this long before it repeats, then repeats
// this often, like the window's own scroll bars.
constexpr UINT FirstRepeatDelay = 200;
constexpr UINT RepeatDelay = 50;

TScrollCode LineOrPageCode(TScrollBarPart Part)
{
    switch (Part) {
    case TScrollBarPart::LineUp:
        return scLineUp;
    case TScrollBarPart::LineDown:
        return scLineDown;
    case TScrollBarPart::PageUp:
        return scPageUp;
    default:
        return scPageDown;
    }
}

}  // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner), repeat_(std::make_unique<TTimer>(nullptr))
{
    // Without csDoubleClicks a quick second click is one more press, and
    // scrolls once more.
    SetControlStyle(TControlStyle(ControlStyle()).Include(csCaptureMouse).Include(csOpaque));
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
    repeat_->SetEnabled(false);
    repeat_->SetOnTimer(TNotifyEvent(this, &TScrollBar::RepeatTimer));
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (kind_ == Value)
        return;
    kind_ = Value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TScrollBar::SetPageSize(int Value)
{
    if (Value == pageSize_)
        return;
    if (Value < 0 || int64_t(Value) > int64_t(max_) - min_ + 1)
        throw EInvalidOperation("Scrollbar property out of range");
    pageSize_ = Value;
    Invalidate();
    SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    if (AMax < AMin || int64_t(AMax) - AMin + 1 < pageSize_)
        throw EInvalidOperation("Scrollbar property out of range");
    if (AMin != min_ || AMax != max_) {
        min_ = AMin;
        max_ = AMax;
        Invalidate();
    }
    const int pos = std::clamp(APosition, min_, MaxPos());
    if (pos == position_)
        return;
    position_ = pos;
    Invalidate();
    Change();
}

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos)
{
    if (OnScroll)
        OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::DoScroll(TScrollCode Code, int TrackPos)
{
    int64_t pos = position_;
    switch (Code) {
    case scLineUp: pos -= SmallChange; break;
    case scLineDown: pos += SmallChange; break;
    case scPageUp: pos -= LargeChange; break;
    case scPageDown: pos += LargeChange; break;
    case scPosition:
    case scTrack: pos = TrackPos; break;
    case scTop: pos = min_; break;
    case scBottom: pos = MaxPos(); break;
    case scEndScroll: break;
    }
    int scrollPos = static_cast<int>(std::clamp<int64_t>(pos, min_, MaxPos()));
    TAlive alive(this);
    Scroll(Code, scrollPos);
    if (alive)
        SetPosition(scrollPos);
}

TScrollBarState TScrollBar::State() const
{
    TScrollBarState state;
    state.Min = min_;
    state.Max = max_;
    state.Page = pageSize_;
    state.Pos = position_;
    state.Tracking = pressed_ == TScrollBarPart::Thumb;
    state.TrackPos = trackPos_;
    return state;
}

TScrollBarLayout TScrollBar::Layout() const
{
    return LayoutScrollBar(Rect(0, 0, Width(), Height()), Vertical(), State());
}

TScrollBarPart TScrollBar::ShownPressed() const
{
    if (pressed_ == TScrollBarPart::None || pressed_ == TScrollBarPart::Thumb)
        return TScrollBarPart::None;
    return ScrollBarPartAt(Layout(), mouse_) == pressed_ ? pressed_ : TScrollBarPart::None;
}

void TScrollBar::Paint()
{
    TScrollBarState state = State();
    if (!Enabled())
        state.Disabled = ESB_DISABLE_BOTH;
    DrawScrollBar(Canvas()->Handle(), Rect(0, 0, Width(), Height()), Vertical(), state, true, ShownPressed());
}

void TScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_CAPTURECHANGED:
        // The button went up, or someone took the mouse away: the press ends.
        if (pressed_ != TScrollBarPart::None) {
            TAlive alive(this);
            EndPress();
            if (!alive)
                return;
        }
        TCustomControl::Dispatch(Message);
        return;
    case CM_ENABLEDCHANGED:
        TCustomControl::Dispatch(Message);
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}

void TScrollBar::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!alive)
        return;
    switch (Key) {
    case VK_UP:
    case VK_LEFT: DoScroll(scLineUp); break;
    case VK_DOWN:
    case VK_RIGHT: DoScroll(scLineDown); break;
    case VK_PRIOR: DoScroll(scPageUp); break;
    case VK_NEXT: DoScroll(scPageDown); break;
    case VK_HOME: DoScroll(scTop); break;
    case VK_END: DoScroll(scBottom); break;
    default: return;
    }
    Key = 0;
}

void TScrollBar::KeyUp(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyUp(Key, Shift);
    if (!alive)
        return;
    switch (Key) {
    case VK_UP:
    case VK_LEFT:
    case VK_DOWN:
    case VK_RIGHT:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        DoScroll(scEndScroll);
        Key = 0;
        break;
    default:
        break;
    }
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft || pressed_ != TScrollBarPart::None)
        return;
    if (TabStop() && CanFocus() && !Focused()) {
        SetFocus();
        if (!alive)
            return;
    }
    if (!CanScroll())
        return;
    mouse_ = Point(X, Y);
    const TScrollBarLayout layout = Layout();
    const TScrollBarPart part = ScrollBarPartAt(layout, mouse_);
    if (part == TScrollBarPart::None)
        return;
    pressed_ = part;
    Invalidate();
    if (part == TScrollBarPart::Thumb) {
        grab_ = Vertical() ? Y - layout.Thumb.Top : X - layout.Thumb.Left;
        trackPos_ = position_;
        return;
    }
    DoScroll(LineOrPageCode(part));
    if (!alive || pressed_ == TScrollBarPart::None)
        return;
    repeat_->SetInterval(FirstRepeatDelay);
    repeat_->SetEnabled(true);
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TCustomControl::MouseMove(Shift, X, Y);
    if (!alive || pressed_ == TScrollBarPart::None)
        return;
    const TScrollBarPart shown = ShownPressed();
    mouse_ = Point(X, Y);
    if (pressed_ != TScrollBarPart::Thumb) {
        // The pressed look follows the mouse on and off the part.
        if (ShownPressed() != shown)
            Invalidate();
        return;
    }
    const TScrollBarLayout layout = Layout();
    const int offset = Vertical() ? Y - grab_ - layout.Track.Top : X - grab_ - layout.Track.Left;
    const int pos = ThumbOffsetToPos(layout, State(), offset);
    if (pos == trackPos_)
        return;
    trackPos_ = pos;
    Invalidate();
    DoScroll(scTrack, pos);
}

void TScrollBar::EndPress()
{
    const TScrollBarPart part = pressed_;
    pressed_ = TScrollBarPart::None;
    repeat_->SetEnabled(false);
    Invalidate();
    TAlive alive(this);
    if (part == TScrollBarPart::Thumb)
        DoScroll(scPosition, trackPos_);
    if (alive)
        DoScroll(scEndScroll);
}

void TScrollBar::RepeatTimer(TObject*)
{
    TAlive alive(this);
    if (CanScroll() && ScrollBarPartAt(Layout(), mouse_) == pressed_)
        DoScroll(LineOrPageCode(pressed_));
    if (alive)
        repeat_->SetInterval(RepeatDelay);
}

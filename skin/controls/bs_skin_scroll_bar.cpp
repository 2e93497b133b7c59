// TbsSkinScrollBar: range properties, mouse, keys, wheel and the repeat
// timer. The geometry is bs_scroll_bar_layout's; it is worked out afresh
// wherever it is needed, so it always matches the size, the range and the
// skin of the moment.
#include "skin/controls/bs_skin_scroll_bar.h"

#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/timers.h"
#include "platform/win/virtual_keys.h"

namespace {

// Timer 1 repeats a held button or page: 500 ms before the first tick, which
// only switches to 50 ms.
constexpr UINT_PTR RepeatTimer = 1;
constexpr unsigned FirstRepeatDelay = 500;
constexpr unsigned RepeatInterval = 50;

void Fire(const TNotifyEvent& Event, TObject* Sender)
{
    if (Event)
        Event(Sender);
}

}  // namespace

TbsSkinScrollBar::TbsSkinScrollBar(TComponent* AOwner) : TbsSkinCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 200, 19);
    SetDefaultHeight(19);
    SetSkinDataName("hscrollbar");
    SetTabStop(false);
}

TbsSkinScrollBar::~TbsSkinScrollBar()
{
    if (timerRunning_ && HandleAllocated())
        KillTimer(Handle(), RepeatTimer);
}

void TbsSkinScrollBar::SetKind(TScrollBarKind Value)
{
    if (kind_ == Value)
        return;
    kind_ = Value;
    if (Designing() && !ComponentState().Contains(csLoading)) {
        const bool swap = Vertical() ? Width() > Height() : Height() > Width();
        if (swap)
            SetBounds(Left(), Top(), Height(), Width());
        if (Vertical()) {
            SetSkinDataName("vscrollbar");
            SetDefaultWidth(DefaultHeight());
            SetDefaultHeight(0);
        } else {
            SetSkinDataName("hscrollbar");
            SetDefaultHeight(DefaultWidth());
            SetDefaultWidth(0);
        }
    }
    Repaint();
}

void TbsSkinScrollBar::SetBoth(bool Value)
{
    // Switching on twice would save the corner name as the bar's own.
    if (both_ == Value)
        return;
    both_ = Value;
    if (Designing())
        return;
    if (both_) {
        savedSkinDataName_ = SkinDataName();
        SetSkinDataName(BothSkinDataName);
    } else if (!savedSkinDataName_.empty()) {
        SetSkinDataName(savedSkinDataName_);
    }
    GetSkinData();
    if (Skinned())
        ChangeSkinData();
    else
        Repaint();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int Value)
{
    if (Value < 0)
        return;
    bothMarkerWidth_ = Value;
    if (!Skinned())
        Repaint();
}

void TbsSkinScrollBar::SetCanFocused(bool Value)
{
    canFocused_ = Value;
    SetTabStop(Value);
}

void TbsSkinScrollBar::SetMin(int Value)
{
    range_.Min = Value;
    if (range_.Position < Value)
        range_.Position = Value;
    Repaint();
}

void TbsSkinScrollBar::SetMax(int Value)
{
    range_.Max = Value;
    range_.Position = PositionAfterMaxChange(range_);
    Repaint();
}

void TbsSkinScrollBar::SetPageSize(int Value)
{
    if (PageSizeFits(range_, Value))
        range_.PageSize = Value;
    Repaint();
}

void TbsSkinScrollBar::SetPosition(int Value)
{
    const int clamped = ClampScrollPosition(range_, Value);
    if (clamped == range_.Position)
        return;
    range_.Position = clamped;
    Repaint();
    Fire(OnChange, this);
}

void TbsSkinScrollBar::SetSmallChange(int Value)
{
    smallChange_ = Value;
    Repaint();
}

void TbsSkinScrollBar::SetLargeChange(int Value)
{
    largeChange_ = Value;
    Repaint();
}

void TbsSkinScrollBar::SetRange(int AMin, int AMax, int APosition, int APageSize)
{
    range_.Min = AMin;
    range_.Max = AMax;
    range_.PageSize = APageSize;
    range_.Position = ClampScrollPosition(range_, APosition);
    Repaint();
}

void TbsSkinScrollBar::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    if (!Skinned())
        return;
    const auto* bar = dynamic_cast<const TbsDataSkinScrollBarControl*>(Description());
    barSkin_ = bar != nullptr;
    skin_ = bar ? static_cast<const TbsScrollBarControlFields&>(*bar) : TbsScrollBarControlFields{};
    if (IsRectEmpty(skin_.DownUpButtonRect))
        skin_.DownUpButtonRect = skin_.ActiveUpButtonRect;
    if (IsRectEmpty(skin_.DownDownButtonRect))
        skin_.DownDownButtonRect = skin_.ActiveDownButtonRect;
    if (IsRectEmpty(skin_.ActiveThumbRect))
        skin_.ActiveThumbRect = skin_.ThumbRect;
    if (IsRectEmpty(skin_.DownThumbRect))
        skin_.DownThumbRect = skin_.ActiveThumbRect;
    if (IsRectEmpty(skin_.ActiveGlyphRect))
        skin_.ActiveGlyphRect = skin_.GlyphRect;
    if (IsRectEmpty(skin_.DownGlyphRect))
        skin_.DownGlyphRect = skin_.ActiveGlyphRect;
}

TbsScrollBarLayout TbsSkinScrollBar::Layout() const
{
    TbsScrollBarLayoutInput in;
    in.Vertical = Vertical();
    in.Width = Width();
    in.Height = Height();
    in.Both = both_;
    in.BothMarkerWidth = bothMarkerWidth_;
    in.Range = range_;
    TbsScrollBarSkinPlaces places;
    if (Skinned()) {
        places.SkinRect = SkinRect;
        places.RightTopPoint = RightTopPoint;
        places.LeftBottomPoint = LeftBottomPoint;
        places.TrackArea = skin_.TrackArea;
        places.UpButtonRect = skin_.UpButtonRect;
        places.DownButtonRect = skin_.DownButtonRect;
        places.ThumbRect = skin_.ThumbRect;
        places.ThumbMinSize = skin_.ThumbMinSize;
        places.ThumbMinPageSize = skin_.ThumbMinPageSize;
        in.Skin = &places;
    }
    return LayoutScrollBar(in);
}

bool TbsSkinScrollBar::ThumbPressedLook() const { return parts_[sbpThumb].Down || (canFocused_ && Focused()); }

void TbsSkinScrollBar::StepUp()
{
    if (OnUpButtonClick)
        OnUpButtonClick(this);
    else
        SetPosition(range_.Position + smallChange_);
}

void TbsSkinScrollBar::StepDown()
{
    if (OnDownButtonClick)
        OnDownButtonClick(this);
    else
        SetPosition(range_.Position - smallChange_);
}

// A page down moves towards Max.
void TbsSkinScrollBar::PageStep(bool Down)
{
    SetPosition(range_.Position + (Down ? largeChange_ : -largeChange_));
    Fire(Down ? OnPageDown : OnPageUp, this);
}

void TbsSkinScrollBar::StartTimer(unsigned Interval)
{
    SetTimer(Handle(), RepeatTimer, Interval);
    timerRunning_ = true;
}

// The repeat mode stays, so the held button goes on when the mouse is back.
void TbsSkinScrollBar::PauseTimer()
{
    if (timerRunning_)
        KillTimer(Handle(), RepeatTimer);
    timerRunning_ = false;
}

void TbsSkinScrollBar::StopTimer()
{
    PauseTimer();
    repeatMode_ = rmNone;
}

void TbsSkinScrollBar::TrackHot(TPoint P)
{
    int part = HitTestScrollBar(Layout(), P);
    // While a part is held, no other one lights up.
    if (pressedPart_ != sbpNone && part != pressedPart_)
        part = sbpNone;
    if (part == hotPart_)
        return;
    const int old = hotPart_;
    hotPart_ = part;
    const bool arrowHeld = repeatMode_ == rmUpButton || repeatMode_ == rmDownButton;
    if (old != sbpNone) {
        parts_[old].MouseIn = false;
        Repaint();
        if (old == pressedPart_ && arrowHeld)
            PauseTimer();
    }
    if (part != sbpNone) {
        parts_[part].MouseIn = true;
        Repaint();
        if (part == pressedPart_ && arrowHeld)
            StartTimer(RepeatInterval);
    }
}

void TbsSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    leftDown_ = true;
    lastPoint_ = Point(X, Y);
    const TbsScrollBarLayout L = Layout();
    repeatMode_ = rmNone;
    firstTick_ = true;
    bool onTrack = false;
    const int part = HitTestScrollBar(L, lastPoint_, &onTrack);
    if (part != sbpNone) {
        pressedPart_ = part;
        parts_[part].Down = true;
    }
    // A press with no move before it still finds the part under the mouse.
    TrackHot(lastPoint_);
    switch (part) {
    case sbpThumb:
        dragStart_ = Vertical() ? Y : X;
        dragStartOffset_ = L.ThumbOffset;
        dragging_ = true;
        Repaint();
        return;
    case sbpUpButton:
        Repaint();
        StepUp();
        repeatMode_ = rmUpButton;
        StartTimer(FirstRepeatDelay);
        return;
    case sbpDownButton:
        Repaint();
        StepDown();
        repeatMode_ = rmDownButton;
        StartTimer(FirstRepeatDelay);
        return;
    default:
        break;
    }
    if (!onTrack)
        return;
    const bool pageDown = Vertical() ? Y >= L.Thumb().Top : X >= L.Thumb().Left;
    SetPosition(range_.Position + (pageDown ? largeChange_ : -largeChange_));
    repeatMode_ = pageDown ? rmPageDown : rmPageUp;
    StartTimer(FirstRepeatDelay);
    Fire(pageDown ? OnPageDown : OnPageUp, this);
}

void TbsSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y)
{
    lastPoint_ = Point(X, Y);
    TrackHot(lastPoint_);
    if (dragging_) {
        const int moved = (Vertical() ? Y : X) - dragStart_;
        SetPosition(DraggedPosition(range_, Layout(), dragStartOffset_, moved));
    }
    TbsSkinCustomControl::MouseMove(Shift, X, Y);
}

void TbsSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
    leftDown_ = false;
    if (repeatMode_ == rmPageUp || repeatMode_ == rmPageDown)
        StopTimer();
    const int pressed = pressedPart_;
    if (pressed != sbpNone) {
        parts_[pressed].Down = false;
        if (pressed != hotPart_)
            parts_[pressed].MouseIn = false;
        Repaint();
        if (pressed == sbpThumb)
            dragging_ = false;
        else
            StopTimer();
    }
    pressedPart_ = sbpNone;
    if (Button == mbLeft && pressed == sbpThumb)
        Fire(OnLastChange, this);
}

void TbsSkinScrollBar::Tick()
{
    if (firstTick_) {
        firstTick_ = false;
        StartTimer(RepeatInterval);
        return;
    }
    switch (repeatMode_) {
    case rmDownButton:
        StepDown();
        return;
    case rmUpButton:
        StepUp();
        return;
    case rmPageUp:
    case rmPageDown: {
        // The thumb moved towards the mouse: page on while the mouse is
        // still on the track beyond it.
        TrackHot(lastPoint_);
        const TRect thumb = Layout().Thumb();
        const int at = Vertical() ? lastPoint_.Y : lastPoint_.X;
        const bool beyond = repeatMode_ == rmPageUp ? at < (Vertical() ? thumb.Top : thumb.Left)
                                                    : at >= (Vertical() ? thumb.Bottom : thumb.Right);
        if (beyond)
            PageStep(repeatMode_ == rmPageDown);
        else
            StopTimer();
        return;
    }
    case rmNone:
        StopTimer();
        return;
    }
}

void TbsSkinScrollBar::MouseLeft()
{
    if (Designing())
        return;
    if (pressedPart_ == sbpNone && !dragging_ && hotPart_ != sbpNone) {
        parts_[hotPart_].MouseIn = false;
        hotPart_ = sbpNone;
        Repaint();
    }
    if (repeatMode_ == rmPageDown && leftDown_)
        StopTimer();
}

void TbsSkinScrollBar::KeyDown(WORD& Key, TShiftState Shift)
{
    TbsSkinCustomControl::KeyDown(Key, Shift);
    if (!canFocused_)
        return;
    if (Key == VK_LEFT || Key == VK_UP)
        SetPosition(range_.Position - smallChange_);
    else if (Key == VK_RIGHT || Key == VK_DOWN)
        SetPosition(range_.Position + smallChange_);
}

void TbsSkinScrollBar::WndProc(TMessage& Message)
{
    if (canFocused_ && !Designing() && (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK)) {
        if (!Focused()) {
            focusing_ = true;
            SetFocus();
            focusing_ = false;
        }
        // A bar that could not take the focus takes no click either.
        if (!Focused())
            return;
    }
    if (focusing_ && Message.Msg == CN_COMMAND)
        return;
    TbsSkinCustomControl::WndProc(Message);
}

void TbsSkinScrollBar::EraseBackground(TMessage& Message)
{
    if (!InPaintMessage()) {
        TCanvas canvas;
        canvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
        PaintOffScreen(&canvas);
        canvas.SetHandle(nullptr);
    }
    Message.Result = 1;
}

void TbsSkinScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        EraseBackground(Message);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TbsSkinCustomControl::Dispatch(Message);
        if (canFocused_)
            Repaint();
        return;
    case CM_ENABLEDCHANGED:
        TbsSkinCustomControl::Dispatch(Message);
        Repaint();
        return;
    case CM_WANTSPECIALKEY: {
        const WORD key = LOWORD(Message.WParam);
        if (canFocused_ && key >= VK_LEFT && key <= VK_DOWN)
            Message.Result = 1;
        else
            TbsSkinCustomControl::Dispatch(Message);
        return;
    }
    case WM_MOUSEWHEEL:
        if (canFocused_ && Focused()) {
            // One step per message, whatever the wheel's delta; turned away
            // from the user it goes towards Min.
            const int delta = static_cast<short>(HIWORD(Message.WParam));
            SetPosition(range_.Position + (delta > 0 ? -smallChange_ : smallChange_));
            Message.Result = 0;
            return;
        }
        TbsSkinCustomControl::Dispatch(Message);
        return;
    case WM_TIMER:
        TbsSkinCustomControl::Dispatch(Message);
        if (Message.WParam == RepeatTimer)
            Tick();
        return;
    case CM_MOUSELEAVE:
        TbsSkinCustomControl::Dispatch(Message);
        MouseLeft();
        return;
    default:
        TbsSkinCustomControl::Dispatch(Message);
        return;
    }
}

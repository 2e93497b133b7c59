// The input queue: user input, and the desktop's moves of the keyboard,
// wait here in arrival order until the message loop takes them; only then
// does input become a message, for the window that has the focus or the
// capture, or lies under the cursor, at that moment. This file also wires
// the input, focus, caret, clipboard and drop areas into the window
// manager and the back end.
#include <deque>

#include "platform/win/clock.h"
#include "platform/win/input_internal.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_hooks.h"

namespace {

struct TInputQueue {
    std::deque<TInputEvent> Events;
    uint64_t NextSeq = 1;
};

TInputQueue& Queue()
{
    static TInputQueue queue;
    return queue;
}

void Push(TInputEvent event)
{
    TInputQueue& queue = Queue();
    event.Time = GetTickCount();
    event.Seq = queue.NextSeq++;
    queue.Events.push_back(std::move(event));
}

// Where the event is now (handlers may take events while one is routed),
// or -1 when it is gone.
ptrdiff_t IndexOf(uint64_t seq)
{
    auto& events = Queue().Events;
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i].Seq == seq)
            return static_cast<ptrdiff_t>(i);
    return -1;
}

void Erase(size_t index)
{
    auto& events = Queue().Events;
    events.erase(events.begin() + static_cast<ptrdiff_t>(index));
}

bool TakeInput(MSG& Msg, HWND Filter, UINT Min, UINT Max, bool Remove)
{
    auto& events = Queue().Events;
    size_t i = 0;
    while (i < events.size()) {
        TInputEvent event = events[i];
        if (event.Kind == TInputEvent::HeldKeys) {
            Erase(i);
            SyncKeys().Reset(event.Held);
            ForgetLastKeyDown();
            continue;
        }
        if (event.Kind == TInputEvent::Focus) {
            Erase(i);
            SurfaceFocusChanged(event.FocusSurface, event.FocusGained);
            // Activation posts messages, which come before any input.
            return PeekMessage(&Msg, Filter, Min, Max, Remove ? PM_REMOVE : PM_NOREMOVE);
        }
        if (event.Kind == TInputEvent::Key) {
            MSG msg;
            TKeyStates after;
            if (!RouteKeyEvent(event, msg, after)) {
                SyncKeys() = after;
                Erase(i);
                continue;
            }
            if (!MessageMatches(msg.hwnd, msg.message, Filter, Min, Max)) {
                ++i;
                continue;
            }
            if (Remove) {
                Erase(i);
                KeyMessageTaken(event, msg, after);
            }
            Msg = msg;
            return true;
        }
        TMouseRoute route;
        RouteMouseEvent(event, route);
        ptrdiff_t now = IndexOf(event.Seq);
        if (now < 0) {
            i = 0;
            continue;
        }
        i = static_cast<size_t>(now);
        bool deliverable = route.Msg.hwnd && route.Deliver;
        if (deliverable && !MessageMatches(route.Msg.hwnd, route.Msg.message, Filter, Min, Max)) {
            ++i;
            continue;
        }
        if (deliverable && !Remove) {
            Msg = route.Msg;
            return true;
        }
        // Taken now, or making no message at all.
        Erase(i);
        if (MouseMessageTaken(event, route)) {
            Msg = route.Msg;
            return true;
        }
        // What went before the message (a leave, an activation) may have
        // posted messages, which come before any input.
        return PeekMessage(&Msg, Filter, Min, Max, Remove ? PM_REMOVE : PM_NOREMOVE);
    }
    return false;
}

}  // namespace

void InstallInput()
{
    TBackendEvents& events = BackendEvents();
    events.Key = QueueKeyEvent;
    events.Mouse = QueueMouseEvent;
    events.Focus = QueueSurfaceFocus;
    events.HeldKeys = QueueHeldKeys;
    events.ClipboardLost = ClipboardLost;
    events.ClipboardText = ClipboardText;
    BackendDropEvents().Drop = DeliverDrop;
    SetMessageSource(TMessageSourceKind::Input, TakeInput);
    SetMessageTranslator(TranslateKeyMessage);
    AddWindowObserver(&InputObserver());
    InstallFocusHandlers();
    InstallCaptureHandlers();
    InstallCursorHandlers();
    InstallMouseHandlers();
    InstallSysCommandHandlers();
    InstallSysKeyHandlers();
    InstallContextMenuHandlers();
    InstallCaptionButtonHandlers();
}

TKeyStates& SyncKeys()
{
    static TKeyStates keys;
    return keys;
}

TKeyStates& AsyncKeys()
{
    static TKeyStates keys;
    return keys;
}

void QueueKeyEvent(const TBackendKeyEvent& Event)
{
    AsyncKeys().Apply(Event.VirtualKey, Event.Down);
    TInputEvent event;
    event.Kind = TInputEvent::Key;
    event.KeyEvent = Event;
    event.Cursor = InputState().Cursor;
    Push(std::move(event));
}

void QueueHeldKeys(const std::vector<UINT>& Held)
{
    AsyncKeys().Reset(Held);
    TInputEvent event;
    event.Kind = TInputEvent::HeldKeys;
    event.Held = Held;
    event.Cursor = InputState().Cursor;
    Push(std::move(event));
}

void QueueSurfaceFocus(HWND Surface, bool Gained)
{
    if (!Gained)
        QueueHeldKeys({});
    TInputEvent event;
    event.Kind = TInputEvent::Focus;
    event.FocusSurface = Surface;
    event.FocusGained = Gained;
    event.Cursor = InputState().Cursor;
    Push(std::move(event));
}

void QueueMouseEvent(const TBackendMouseEvent& Event)
{
    if (Event.Kind != TBackendMouseEvent::Leave)
        InputState().Cursor = Event.Screen;
    bool button = Event.Kind == TBackendMouseEvent::ButtonDown || Event.Kind == TBackendMouseEvent::ButtonUp;
    if (button && ButtonKey(Event.Button))
        AsyncKeys().Apply(ButtonKey(Event.Button), Event.Kind == TBackendMouseEvent::ButtonDown);
    auto& events = Queue().Events;
    // Moves not yet taken merge: only where the mouse is now matters.
    if (Event.Kind == TBackendMouseEvent::Move && !events.empty() && events.back().Kind == TInputEvent::Mouse &&
        events.back().MouseEvent.Kind == TBackendMouseEvent::Move) {
        events.back().MouseEvent = Event;
        events.back().Cursor = Event.Screen;
        events.back().Time = GetTickCount();
        return;
    }
    TInputEvent event;
    event.Kind = TInputEvent::Mouse;
    event.MouseEvent = Event;
    event.Cursor = Event.Kind == TBackendMouseEvent::Leave ? InputState().Cursor : Event.Screen;
    Push(std::move(event));
}

#include "platform/win/message_queue.h"

#include <algorithm>
#include <deque>

#include "platform/base/exceptions.h"
#include "platform/win/backend.h"
#include "platform/win/clock.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_tree.h"

namespace {

struct TPostedQueue {
    std::deque<MSG> Posted;
    bool QuitPosted = false;
    int ExitCode = 0;
    TMessageTranslator Translator = nullptr;
    TMessageSource Sources[2] = {};  // by TMessageSourceKind, asked in that order
};

TPostedQueue& TheQueue()
{
    static TPostedQueue queue;
    return queue;
}

const HWND OnlyThreadMessages = reinterpret_cast<HWND>(intptr_t{-1});

}  // namespace

bool MessageMatches(HWND Window, UINT Message, HWND Filter, UINT Min, UINT Max)
{
    if (Filter == OnlyThreadMessages) {
        if (Window)
            return false;
    } else if (Filter && Window != Filter && !IsChild(Filter, Window)) {
        return false;
    }
    return (Min == 0 && Max == 0) || (Message >= Min && Message <= Max);
}

bool PostMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Window && !WindowOf(Window))
        return false;
    TheQueue().Posted.push_back({Window, Message, WParam, LParam, GetTickCount(), InputState().Cursor});
    return true;
}

void PostQuitMessage(int ExitCode)
{
    TPostedQueue& queue = TheQueue();
    queue.QuitPosted = true;
    queue.ExitCode = ExitCode;
}

void RemoveWindowMessages(HWND Window)
{
    std::erase_if(TheQueue().Posted, [&](const MSG& m) { return m.hwnd == Window; });
}

void RemovePostedMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    auto& posted = TheQueue().Posted;
    auto it = std::find_if(posted.begin(), posted.end(), [&](const MSG& m) {
        return m.hwnd == Window && m.message == Message && m.wParam == WParam && m.lParam == LParam;
    });
    if (it != posted.end())
        posted.erase(it);
}

namespace {

// Where the cursor was and when, for the message taken last.
TPoint lastMessagePos;
DWORD lastMessageTime = 0;

bool Peek(MSG* Msg, HWND Filter, UINT Min, UINT Max, UINT Remove)
{
    TPostedQueue& queue = TheQueue();
    bool remove = Remove & PM_REMOVE;
    for (auto it = queue.Posted.begin(); it != queue.Posted.end(); ++it) {
        if (!MessageMatches(it->hwnd, it->message, Filter, Min, Max))
            continue;
        *Msg = *it;
        if (remove)
            queue.Posted.erase(it);
        return true;
    }
    if (queue.QuitPosted) {
        *Msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.ExitCode), 0, GetTickCount(), InputState().Cursor};
        if (remove)
            queue.QuitPosted = false;
        return true;
    }
    for (TMessageSource source : queue.Sources)
        if (source && source(*Msg, Filter, Min, Max, remove))
            return true;
    return TakeDueTimer(*Msg, Filter, Min, Max, remove);
}

}  // namespace

bool PeekMessage(MSG* Msg, HWND Filter, UINT Min, UINT Max, UINT Remove)
{
    if (!Peek(Msg, Filter, Min, Max, Remove))
        return false;
    if (Remove & PM_REMOVE) {
        lastMessagePos = Msg->pt;
        lastMessageTime = Msg->time;
    }
    return true;
}

DWORD GetMessagePos()
{
    return static_cast<DWORD>(PointToLParam(lastMessagePos.X, lastMessagePos.Y));
}

LONG GetMessageTime()
{
    return static_cast<LONG>(lastMessageTime);
}

namespace {

// Waits until a message passing the filter is there. Only the back end
// and timers can bring one while the loop waits, since every window lives
// on this thread.
void WaitFor(HWND filter, UINT min, UINT max)
{
    MSG msg;
    while (!PeekMessage(&msg, filter, min, max, PM_NOREMOVE)) {
        uint64_t due = 0;
        bool timer = NextTimerDue(filter, min, max, &due);
        uint64_t now = GetTickCount64();
        if (timer && ManualClock()) {
            AdvanceClock(static_cast<uint32_t>(due > now ? due - now : 0));
            continue;
        }
        int timeout = timer ? static_cast<int>(due > now ? due - now : 0) : -1;
        if (!Backend().WaitForEvents(timeout) && !timer)
            throw Exception(AnsiString("The message loop waits for a message that can never come: the ") +
                            Backend().Name() +
                            " back end has no display to bring input from (DISPLAY names the X display; "
                            "TANDRIL_HEADLESS or TANDRIL_BACKEND=headless keep a program off it)");
    }
}

}  // namespace

bool GetMessage(MSG* Msg, HWND Filter, UINT Min, UINT Max)
{
    while (!PeekMessage(Msg, Filter, Min, Max, PM_REMOVE))
        WaitFor(Filter, Min, Max);
    return Msg->message != WM_QUIT;
}

void WaitMessage()
{
    WaitFor(nullptr, 0, 0);
}

bool TranslateMessage(const MSG& Msg)
{
    TMessageTranslator translator = TheQueue().Translator;
    return translator && translator(Msg);
}

LRESULT DispatchMessage(const MSG& Msg)
{
    if (Msg.message == WM_TIMER && Msg.lParam && DispatchTimerCallback(Msg))
        return 0;
    if (!Msg.hwnd)
        return 0;
    return SendMessage(Msg.hwnd, Msg.message, Msg.wParam, Msg.lParam);
}

void SetMessageTranslator(TMessageTranslator Translator)
{
    TheQueue().Translator = Translator;
}

void SetMessageSource(TMessageSourceKind Kind, TMessageSource Source)
{
    TheQueue().Sources[static_cast<int>(Kind)] = Source;
}

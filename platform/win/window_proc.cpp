#include "platform/win/window_proc.h"

#include <array>

#include "platform/win/win_messages.h"
#include "platform/win/window.h"

// One procedure of a window's subclass chain. Next points down the chain
// (toward the window's own procedure). A removed node is unlinked from the
// live chain but keeps its Next, so a dispatch that stands on it can still
// walk on; it is freed once no call into the window is running.
struct TSubclassNode {
    WNDPROC Proc;
    UINT_PTR Id = 0;
    TSubclassNode* Next = nullptr;
    bool Removed = false;
    TSubclassNode* NextRetired = nullptr;
};

void FreeSubclassNodes(TSubclassNode* First, bool Retired)
{
    while (First) {
        TSubclassNode* next = Retired ? First->NextRetired : First->Next;
        delete First;
        First = next;
    }
}

// Fills in the default handling this area owns (def_window_proc.cpp),
// before any other area registers its own.
void InstallCoreDefaultHandlers(TDefWindowProcHandler* Table);

namespace {

// One call into a window's chain that has not returned. Node is the
// subclass procedure running, nullptr once the window's own procedure runs.
struct TDispatchFrame {
    TWindow* Window;
    TSubclassNode* Node;
    TDispatchFrame* Outer;
};

TDispatchFrame* innermost = nullptr;

// Pushes the frame and pins the window for the length of a call.
class TFrameScope {
public:
    explicit TFrameScope(TWindow* window) : frame_{window, nullptr, innermost}, pin_(window) { innermost = &frame_; }
    ~TFrameScope() { innermost = frame_.Outer; }
    TDispatchFrame& Frame() { return frame_; }

private:
    TDispatchFrame frame_;
    TWindowPin pin_;
};

LRESULT CallOwnProc(TWindow* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window->Proc)
        return window->Proc(window->Handle, message, wParam, lParam);
    return DefWindowProc(window->Handle, message, wParam, lParam);
}

using THandlerTable = std::array<TDefWindowProcHandler, WM_USER>;

THandlerTable& Handlers()
{
    static THandlerTable table = [] {
        THandlerTable t{};
        InstallCoreDefaultHandlers(t.data());
        return t;
    }();
    return table;
}

}  // namespace

LRESULT SendMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return 0;
    TFrameScope scope(window);
    TSubclassNode* top = window->Subclasses;
    if (!top)
        return CallOwnProc(window, Message, WParam, LParam);
    scope.Frame().Node = top;
    return top->Proc(Window, Message, WParam, LParam);
}

bool InSendMessage()
{
    return false;
}

LRESULT CallWindowProc(const WNDPROC& Proc, HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Proc)
        return Proc(Window, Message, WParam, LParam);
    return DefWindowProc(Window, Message, WParam, LParam);
}

WNDPROC GetWindowProc(HWND Window)
{
    TWindow* window = WindowOf(Window);
    return window ? window->Proc : WNDPROC();
}

WNDPROC SetWindowProc(HWND Window, const WNDPROC& Proc)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return {};
    WNDPROC old = window->Proc;
    window->Proc = Proc;
    return old;
}

bool SetWindowSubclass(HWND Window, const WNDPROC& Proc, UINT_PTR Id)
{
    TWindow* window = WindowOf(Window);
    if (!window || !Proc)
        return false;
    for (TSubclassNode* node = window->Subclasses; node; node = node->Next)
        if (node->Id == Id && node->Proc == Proc)
            return true;
    window->Subclasses = new TSubclassNode{Proc, Id, window->Subclasses};
    return true;
}

bool RemoveWindowSubclass(HWND Window, const WNDPROC& Proc, UINT_PTR Id)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return false;
    for (TSubclassNode** link = &window->Subclasses; *link; link = &(*link)->Next) {
        TSubclassNode* node = *link;
        if (node->Id != Id || !(node->Proc == Proc))
            continue;
        *link = node->Next;
        node->Removed = true;
        if (window->Pins == 0) {
            delete node;
        } else {
            node->NextRetired = window->Retired;
            window->Retired = node;
        }
        return true;
    }
    return false;
}

LRESULT DefSubclassProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return 0;
    TDispatchFrame* frame = innermost;
    while (frame && frame->Window != window)
        frame = frame->Outer;
    if (!frame)
        return 0;
    TSubclassNode* current = frame->Node;
    if (!current)
        return DefWindowProc(Window, Message, WParam, LParam);
    TSubclassNode* next = current->Next;
    while (next && next->Removed)
        next = next->Next;
    struct TRestore {
        TDispatchFrame* Frame;
        TSubclassNode* Node;
        ~TRestore() { Frame->Node = Node; }
    } restore{frame, current};
    frame->Node = next;
    if (next)
        return next->Proc(Window, Message, WParam, LParam);
    return CallOwnProc(window, Message, WParam, LParam);
}

LRESULT DefWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message >= WM_USER)
        return 0;
    TDefWindowProcHandler handler = Handlers()[Message];
    return handler ? handler(Window, Message, WParam, LParam) : 0;
}

TDefWindowProcHandler SetDefWindowProcHandler(UINT Message, TDefWindowProcHandler Handler)
{
    if (Message >= WM_USER)
        return nullptr;
    TDefWindowProcHandler old = Handlers()[Message];
    Handlers()[Message] = Handler;
    return old;
}

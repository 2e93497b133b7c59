#include "platform/win/backend.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/win/headless_backend.h"
#include "platform/win/message_queue.h"
#include "platform/win/system_info.h"
#include "platform/win/window.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_manager_start.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

struct TRegistered {
    const char* Name;
    TBackendFactory Factory;
};

std::vector<TRegistered>& Registered()
{
    static std::vector<TRegistered> backends;
    return backends;
}

std::unique_ptr<TBackend> Make(const char* name)
{
    for (const TRegistered& b : Registered())
        if (std::strcmp(b.Name, name) == 0)
            return b.Factory();
    if (std::strcmp(name, "headless") != 0)
        OutputDebugString((AnsiString("The ") + name + " back end is not built in; running headless").c_str());
    return std::make_unique<THeadlessBackend>();
}

// The desktop's close box asks the window to close as its own close box
// would.
void PostClose(HWND Surface)
{
    PostMessage(Surface, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// A window the desktop brought back restores as its own restore command
// would restore it.
void PostRestore(HWND Surface)
{
    PostMessage(Surface, WM_SYSCOMMAND, SC_RESTORE, 0);
}

// The window takes the bounds the desktop gave its surface, with the size
// and position messages a move of its own would send.
void TakeBounds(HWND Surface, const TRect& Bounds)
{
    SetWindowPos(Surface, nullptr, Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

TBackendEvents& BackendEvents()
{
    static TBackendEvents events = [] {
        TBackendEvents e;
        e.CloseRequested = PostClose;
        e.Configured = TakeBounds;
        e.Restored = PostRestore;
        return e;
    }();
    return events;
}

void RegisterBackend(const char* Name, TBackendFactory Factory)
{
    Registered().push_back({Name, Factory});
}

const char* ChooseBackendName(const char* Forced, const char* Headless, const char* Display)
{
    if (Forced && (std::strcmp(Forced, "headless") == 0 || std::strcmp(Forced, "x11") == 0))
        return std::strcmp(Forced, "x11") == 0 ? "x11" : "headless";
    if ((Headless && *Headless) || !Display || !*Display)
        return "headless";
    return "x11";
}

namespace {

std::unique_ptr<TBackend>& InUse()
{
    static std::unique_ptr<TBackend> backend;
    return backend;
}

// A back end coming into use says where its pointer is, until its first
// mouse event says more.
void TakePointer(const TBackend& Backend)
{
    TPoint pointer;
    if (Backend.PointerPosition(pointer))
        InputState().Cursor = pointer;
}

}  // namespace

TBackend& Backend()
{
    std::unique_ptr<TBackend>& backend = InUse();
    if (!backend) {
        // The back ends must be there to choose from, and the areas wired
        // before a back end can report anything.
        StartWindowManager();
        backend = Make(ChooseBackendName(std::getenv("TANDRIL_BACKEND"), std::getenv("TANDRIL_HEADLESS"),
                                         std::getenv("DISPLAY")));
        TakePointer(*backend);
    }
    return *backend;
}

std::unique_ptr<TBackend> SwapBackend(std::unique_ptr<TBackend> Replacement)
{
    Backend();
    InUse().swap(Replacement);
    TakePointer(*InUse());
    return Replacement;
}

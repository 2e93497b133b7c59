#include <algorithm>

#include "platform/base/handle_table.h"
#include "platform/win/backend.h"
#include "platform/win/window_class.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_styles.h"

// Nodes of a subclass chain; see window_proc.cpp.
void FreeSubclassNodes(TSubclassNode* First, bool Retired);

namespace {

struct Table {
    THandleTable<TWindow> Records;
    // Destroyed windows still pinned by calls that have not returned.
    std::vector<std::unique_ptr<TWindow>> Zombies;
};

Table& TheTable()
{
    static Table table;
    return table;
}

TWindow& MakeDesktop()
{
    static TWindow* desktop = [] {
        auto window = std::make_unique<TWindow>();
        window->Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
        TWindow* record = window.get();
        AddWindowRecord(std::move(window));
        return record;
    }();
    return *desktop;
}

}  // namespace

TWindow::~TWindow()
{
    FreeSubclassNodes(Subclasses, false);
    FreeSubclassNodes(Retired, true);
}

TWindow* WindowOf(HWND Window)
{
    return TheTable().Records.Find(reinterpret_cast<uintptr_t>(Window));
}

TWindow& DesktopRecord()
{
    TWindow& desktop = MakeDesktop();
    // The screen can change size under the desktop.
    TRect screen = Backend().ScreenRect();
    desktop.Rect = screen;
    desktop.Client = Rect(0, 0, screen.Width(), screen.Height());
    return desktop;
}

HWND AddWindowRecord(std::unique_ptr<TWindow> Window)
{
    TWindow* record = Window.get();
    record->Handle = reinterpret_cast<HWND>(TheTable().Records.Add(std::move(Window)));
    return record->Handle;
}

void RetireWindowRecord(TWindow* Window)
{
    Table& table = TheTable();
    std::unique_ptr<TWindow> record = table.Records.Remove(reinterpret_cast<uintptr_t>(Window->Handle));
    record->Destroyed = true;
    if (record->Pins > 0)
        table.Zombies.push_back(std::move(record));
}

void WindowUnpinned(TWindow* Window)
{
    FreeSubclassNodes(Window->Retired, true);
    Window->Retired = nullptr;
    if (!Window->Destroyed)
        return;
    auto& zombies = TheTable().Zombies;
    auto it = std::find_if(zombies.begin(), zombies.end(), [&](const auto& z) { return z.get() == Window; });
    zombies.erase(it);
}

bool TWindow::Visible() const
{
    for (const TWindow* w = this; w; w = w->Parent)
        if (!(w->Style & WS_VISIBLE))
            return false;
    return true;
}

TWindow* TWindow::Root()
{
    TWindow* w = this;
    while (w->Parent && w->Parent->Parent)
        w = w->Parent;
    return w;
}

TPoint TWindow::ScreenOrigin() const
{
    if (!Parent)
        return {};
    TPoint origin = Parent->ClientScreenOrigin();
    return {origin.X + Rect.Left, origin.Y + Rect.Top};
}

TPoint TWindow::ClientScreenOrigin() const
{
    TPoint origin = ScreenOrigin();
    return {origin.X + Client.Left, origin.Y + Client.Top};
}

TInputState& InputState()
{
    static TInputState state;
    return state;
}

int NewWindowExtensionSlot()
{
    static int next = 0;
    return next++;
}

#include <algorithm>

#include "platform/win/backend.h"
#include "platform/win/window_class.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_styles.h"

// Nodes of a subclass chain; see window_proc.cpp.
void FreeSubclassNodes(TSubclassNode* First, bool Retired);

namespace {

// A handle is (generation << 32) | (slot + 1); a slot's generation grows
// each time its window is retired, which makes every old handle stale.
struct Slot {
    std::unique_ptr<TWindow> Window;
    uint32_t Generation = 1;
};

struct Table {
    std::vector<Slot> Slots;
    std::vector<uint32_t> Free;
    // Destroyed windows still pinned by calls that have not returned.
    std::vector<std::unique_ptr<TWindow>> Zombies;
};

static_assert(sizeof(uintptr_t) == 8, "handles pack a slot and a generation into 64 bits");

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
    uintptr_t value = reinterpret_cast<uintptr_t>(Window);
    uint32_t low = static_cast<uint32_t>(value);
    Table& table = TheTable();
    if (low == 0 || low - 1 >= table.Slots.size())
        return nullptr;
    Slot& slot = table.Slots[low - 1];
    if (!slot.Window || slot.Generation != static_cast<uint32_t>(value >> 32))
        return nullptr;
    return slot.Window.get();
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
    Table& table = TheTable();
    uint32_t index;
    if (!table.Free.empty()) {
        index = table.Free.back();
        table.Free.pop_back();
    } else {
        index = static_cast<uint32_t>(table.Slots.size());
        table.Slots.emplace_back();
    }
    Slot& slot = table.Slots[index];
    HWND handle = reinterpret_cast<HWND>((static_cast<uintptr_t>(slot.Generation) << 32) | (index + 1u));
    Window->Handle = handle;
    slot.Window = std::move(Window);
    return handle;
}

void RetireWindowRecord(TWindow* Window)
{
    Table& table = TheTable();
    uint32_t index = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(Window->Handle)) - 1;
    Slot& slot = table.Slots[index];
    std::unique_ptr<TWindow> record = std::move(slot.Window);
    ++slot.Generation;
    table.Free.push_back(index);
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

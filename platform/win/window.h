// The window record: everything the window manager keeps about one window.
// Records are reached from handles through WindowOf; the areas of the
// window manager (painting, input, scroll bars) read and change the fields
// they own directly.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/raster_image.h"
#include "platform/gdi/region.h"
#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

struct TWindowClass;
struct TSubclassNode;

// State that another area of the window manager keeps per window, made on
// first use (WindowExtension) and freed with the window record.
class TWindowExtension {
public:
    virtual ~TWindowExtension() = default;
};

// What SetLayeredWindowAttributes and UpdateLayeredWindow leave behind.
struct TLayeredAttributes {
    DWORD Flags = 0;        // LWA_ flags given to SetLayeredWindowAttributes; 0 when never set
    BYTE Alpha = 255;       // constant opacity
    COLORREF Key = 0;       // pixels of this colour are not shown
    HBITMAP Image = nullptr;  // per-pixel premultiplied image of UpdateLayeredWindow, owned by the window
};

struct TWindow {
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    ~TWindow();  // frees the subclass chain

    HWND Handle = nullptr;
    TWindowClass* Class = nullptr;
    // The window's own procedure, below every subclass; empty means
    // DefWindowProc.
    WNDPROC Proc;
    TSubclassNode* Subclasses = nullptr;  // top of the subclass chain
    TSubclassNode* Retired = nullptr;     // removed while a dispatch could still reach them

    DWORD Style = 0;
    DWORD ExStyle = 0;
    intptr_t Id = 0;
    LONG_PTR UserData = 0;
    AnsiString Text;  // what DefWindowProc keeps for WM_SETTEXT / WM_GETTEXT
    // A top-level window's pictures for the desktop (window_icon.h); the
    // back end has them whenever the window has a surface.
    std::vector<TRasterImage> Icon;

    // The desktop has no parent; a top-level window's parent is the desktop.
    TWindow* Parent = nullptr;
    TWindow* Owner = nullptr;  // top-level windows only
    // Children in z-order, the topmost first. Among top-level windows every
    // WS_EX_TOPMOST one comes before every other.
    std::vector<TWindow*> Children;

    TRect Rect;        // window rectangle in the parent's client coordinates
    TRect Client;      // client rectangle in window coordinates (origin = Rect's top-left)
    TRect NormalRect;  // the restored window rectangle while minimized or maximized
    bool HiddenByOwner = false;  // hidden when its owner was minimized; shown again on restore
    bool RestoreToMaximized = false;  // minimized from the maximized state

    // The top-level window's pixels at the window's size (capped by
    // MaxBackingSize); child windows draw into their top-level window's.
    HBITMAP Backing = nullptr;

    // Painting state, kept by the painting code (update_region.h).
    TRegion UpdateRegion;
    bool EraseBackground = false;  // WM_ERASEBKGND is due with the next BeginPaint
    bool FramePending = false;     // WM_NCPAINT is due
    bool InternalPaint = false;    // WM_PAINT is due even without an update region
    bool RedrawEnabled = true;     // WM_SETREDRAW
    HRGN WindowRgn = nullptr;      // set by SetWindowRgn and owned by the window
    TLayeredAttributes Layered;

    std::vector<std::unique_ptr<TWindowExtension>> Extensions;

    // Calls into the window that have not returned yet, plus operations
    // that hold the record across messages. The record of a destroyed
    // window, and removed subclass procedures, are freed only when this
    // drops to 0.
    int Pins = 0;
    bool Destroying = false;  // DestroyWindow has begun
    bool Destroyed = false;   // the handle is stale; only pins keep the record

    bool IsDesktop() const { return Parent == nullptr; }
    bool IsTopLevel() const { return Parent && Parent->Parent == nullptr; }
    bool Visible() const;  // WS_VISIBLE on the window and all its ancestors
    TWindow* Root();       // the top-level window holding this one (itself when top-level)
    TPoint ScreenOrigin() const;        // the window's top-left on the screen
    TPoint ClientScreenOrigin() const;  // the client area's top-left on the screen
};

// Backing bitmaps are never larger than this in either direction: no
// screen we drive shows more of a window.
constexpr int MaxBackingSize = 8192;

// The live window behind a handle, or nullptr for 0, a stale handle or a
// made-up one.
TWindow* WindowOf(HWND Window);
TWindow& DesktopRecord();

// Keeps a record alive across calls that may destroy the window; check
// Destroyed after each message before touching more than the record.
class TWindowPin {
public:
    explicit TWindowPin(TWindow* Window) : window_(Window) { ++window_->Pins; }
    ~TWindowPin();
    TWindowPin(const TWindowPin&) = delete;
    TWindowPin& operator=(const TWindowPin&) = delete;

private:
    TWindow* window_;
};

// The last pin went away: frees removed subclass procedures and, for a
// destroyed window, the record.
void WindowUnpinned(TWindow* Window);

inline TWindowPin::~TWindowPin()
{
    if (--window_->Pins == 0 && (window_->Destroyed || window_->Retired))
        WindowUnpinned(window_);
}

// Which windows hold activation, the keyboard focus and the mouse capture,
// and where the cursor is. The focus and input code keeps them;
// DestroyWindow clears any that name a window it destroys.
struct TInputState {
    HWND Active = nullptr;
    HWND Focus = nullptr;
    HWND Capture = nullptr;
    TPoint Cursor;  // screen coordinates
};
TInputState& InputState();

int NewWindowExtensionSlot();

template <typename T>
T& WindowExtension(TWindow& Window)
{
    static const size_t slot = static_cast<size_t>(NewWindowExtensionSlot());
    if (Window.Extensions.size() <= slot)
        Window.Extensions.resize(slot + 1);
    if (!Window.Extensions[slot])
        Window.Extensions[slot] = std::make_unique<T>();
    return static_cast<T&>(*Window.Extensions[slot]);
}

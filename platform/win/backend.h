// The seam below the window manager. A back end shows top-level windows on
// a display (or keeps them in memory) and brings the user's input back;
// nothing above this interface knows which back end runs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/raster_image.h"
#include "platform/gdi/region.h"
#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

// A display monitor on the screen, and the part of it windows may cover
// (the monitor less task bars and docks).
struct TBackendMonitor {
    TRect Area;
    TRect Work;
    bool Primary = false;
};

// Leaves exactly one monitor primary: the first one marked, else the one
// whose area starts at (0, 0), else the first.
void SettlePrimaryMonitor(std::vector<TBackendMonitor>& Monitors);
// Each monitor's work area becomes its area clipped to the desktop's one
// work area, or its whole area where the two do not meet.
void ClipWorkAreas(std::vector<TBackendMonitor>& Monitors, const TRect& DesktopWork);

// An icon in the desktop's notification area, named by its window and id.
// Pointer input on it reaches Window as CallbackMessage (see tray_icons.h).
struct TBackendTrayIcon {
    HWND Window = nullptr;
    UINT Id = 0;
    UINT CallbackMessage = 0;  // 0: the icon's input is not reported
    TRasterImage Picture;
    AnsiString Tip;  // GBK
};

// What reading another program's clipboard text came to.
enum class TClipboardFetch { NoText, Text, Broken };

// Every top-level window has one surface, named by the window's handle.
class TBackend {
public:
    TBackend() = default;
    virtual ~TBackend() = default;
    // A back end holds its display connection and the surfaces' resources.
    TBackend(const TBackend&) = delete;
    TBackend& operator=(const TBackend&) = delete;
    virtual const char* Name() const = 0;

    // The whole screen: every monitor lies in it.
    virtual TRect ScreenRect() const = 0;
    // The display monitors, at least one, exactly one of them primary.
    virtual std::vector<TBackendMonitor> Monitors() const = 0;
    // The primary monitor's work area.
    TRect WorkArea() const;
    // Where the display's pointer is now, when the back end can tell: the
    // cursor starts there as the back end comes into use, rather than
    // where another back end's pointer was or at the origin.
    virtual bool PointerPosition(TPoint&) const { return false; }

    // Bounds are in screen coordinates. A popup surface (WS_POPUP) is not
    // decorated or placed by the desktop.
    virtual void CreateSurface(HWND Window, const TRect& Bounds, DWORD Style, DWORD ExStyle) = 0;
    virtual void DestroySurface(HWND Window) = 0;
    virtual void ShowSurface(HWND Window, bool Activate) = 0;
    virtual void HideSurface(HWND Window) = 0;
    virtual void MoveSurface(HWND Window, const TRect& Bounds) = 0;
    // A minimized surface keeps its bounds and shows as the desktop's icon
    // (its task-bar entry) until restored: by the program through
    // RestoreSurface, or by the desktop's user, which arrives through
    // BackendEvents().Restored. Restoring one not minimized does nothing.
    virtual void MinimizeSurface(HWND Window) = 0;
    virtual void RestoreSurface(HWND Window) = 0;
    // Puts the surface right below Above (0: on top of all).
    virtual void RestackSurface(HWND Window, HWND Above) = 0;
    // The window's owner changed: the desktop keeps an owned surface above
    // its owner's as the owner's dialog.
    virtual void SetSurfaceOwner(HWND) {}
    // Only the pixels inside Shape (window coordinates) are shown;
    // nullptr shows the whole rectangle.
    virtual void SetSurfaceShape(HWND Window, const TRegion* Shape) = 0;
    virtual void SetSurfaceTitle(HWND Window, const AnsiString& Title) = 0;
    // The pictures the desktop shows for the surface (its task-bar entry,
    // its switcher tile), each at its own size; none clears them.
    virtual void SetSurfaceIcon(HWND, const std::vector<TRasterImage>&) {}
    // The window's backing bitmap changed inside Damage (window coordinates).
    virtual void PresentSurface(HWND Window, HBITMAP Pixels, const TRegion& Damage) = 0;

    virtual void Beep() = 0;

    // Delivers the events that have come in through BackendEvents(),
    // waiting up to TimeoutMs (-1: no limit) for the first. Answers false,
    // without waiting, when no event can ever come.
    virtual bool WaitForEvents(int TimeoutMs) = 0;

    // This program's clipboard changed: the back end offers it to other
    // programs, asking BackendEvents().ClipboardText when one wants it.
    virtual void OfferClipboard() = 0;
    // Another program's clipboard text: none (no other owner, or it offers
    // no text), all of it, or Broken: the owner did not answer within a
    // bounded time, or stopped before the end.
    virtual TClipboardFetch FetchClipboardText(AnsiString& Text) = 0;
    // Whether another program holds the clipboard with text on it, without
    // taking the text and without waiting for that program: one that has
    // not said yet what it offers counts as offering text.
    virtual bool ClipboardOffersText() = 0;

    // Layered windows are composed over what lies below them. Without a
    // compositor a layered window would show as an opaque box.
    virtual bool LayeredWindowsComposited() = 0;

    // The desktop's notification area. Adding an icon that is there, or
    // changing or removing one that is not, fails; so does every call
    // while the desktop has no notification area (the default here).
    virtual bool AddTrayIcon(const TBackendTrayIcon&) { return false; }
    virtual bool ModifyTrayIcon(const TBackendTrayIcon&) { return false; }
    virtual bool DeleteTrayIcon(HWND, UINT) { return false; }
};

// What a back end delivers. Coordinates are on the screen.
struct TBackendKeyEvent {
    HWND Surface = nullptr;
    bool Down = true;
    UINT VirtualKey = 0;  // VK_ code
    UINT ScanCode = 0;
    bool Extended = false;
    AnsiString Text;  // GBK characters the key produced, if any
    std::u32string Untypable;  // characters it produced that GBK has no form for
};

struct TBackendMouseEvent {
    // HorizontalWheel: the wheel tilted or a sideways wheel turned.
    enum TKind { Move, ButtonDown, ButtonUp, Wheel, Leave, HorizontalWheel };
    TKind Kind = Move;
    HWND Surface = nullptr;
    TPoint Screen;
    int Button = 0;      // 1 left, 2 right, 3 middle
    int WheelDelta = 0;  // 120 per notch, positive away from the user (HorizontalWheel: to the right)
};

// The window manager's side of the seam: each area sets the entries it
// handles, and a back end calls only the entries that are set.
struct TBackendEvents {
    void (*Key)(const TBackendKeyEvent&) = nullptr;
    void (*Mouse)(const TBackendMouseEvent&) = nullptr;
    void (*Focus)(HWND Surface, bool Gained) = nullptr;
    // Another program had the keyboard or the pointer for a while (the
    // focus was elsewhere, the desktop grabbed them): keys may have come
    // up unseen. Held names those of VK_LSHIFT, VK_RSHIFT, VK_LCONTROL,
    // VK_RCONTROL, VK_LMENU and VK_RMENU that are down now.
    void (*HeldKeys)(const std::vector<UINT>& Held) = nullptr;
    // The user asked to close the window (its close box on the desktop).
    void (*CloseRequested)(HWND Surface) = nullptr;
    // The desktop (its window manager, another program) moved or resized
    // the surface; Bounds on the screen. The back end takes Bounds as its
    // own first, so the window taking them asks it for nothing.
    void (*Configured)(HWND Surface, const TRect& Bounds) = nullptr;
    // The desktop's user brought a minimized surface back (a click on its
    // task-bar entry); the surface already counts as restored.
    void (*Restored)(HWND Surface) = nullptr;
    // Another program took the clipboard.
    void (*ClipboardLost)() = nullptr;
    // Another program wants this program's clipboard text.
    bool (*ClipboardText)(AnsiString& Text) = nullptr;
};
TBackendEvents& BackendEvents();

// The back end in use, chosen on first use.
TBackend& Backend();
// Puts Replacement in use and answers the back end it replaces (choosing
// that one first if none was in use yet). For tests that run on a real
// display; no top-level window may exist across the swap.
std::unique_ptr<TBackend> SwapBackend(std::unique_ptr<TBackend> Replacement);

using TBackendFactory = std::unique_ptr<TBackend> (*)();
// Makes a back end available under a name ("x11"); headless is built in.
void RegisterBackend(const char* Name, TBackendFactory Factory);
// The back end to use: TANDRIL_BACKEND ("headless" or "x11") when set,
// else headless when TANDRIL_HEADLESS is set or DISPLAY is not, else x11.
// Each argument is the variable's value or nullptr.
const char* ChooseBackendName(const char* Forced, const char* Headless, const char* Display);

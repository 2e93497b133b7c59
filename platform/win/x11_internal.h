// What the x11_*.cpp files of the X11 back end share. Xlib's own headers
// stay in those .cpp files: here X resources are plain numbers (XIDs and
// atoms are unsigned long) and Xlib's structures are only named.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/backend.h"
#include "platform/win/cursor.h"

struct _XDisplay;
union _XEvent;
struct _XIM;
struct _XIC;
struct _XkbDesc;

using TXId = unsigned long;

// Pixels waiting to be put on a window: a shared-memory image when the
// display is local, else a plain client-side image (x11_present.cpp).
struct TX11Pixels;
struct TX11PixelsDeleter {
    void operator()(TX11Pixels* Pixels) const;
};

// The icons docked in the freedesktop system tray (x11_tray.cpp).
struct TX11Tray;
struct TX11TrayDeleter {
    void operator()(TX11Tray* Tray) const;
};

struct TX11Surface {
    HWND Window = nullptr;
    TXId XWindow = 0;
    TRect Bounds;  // screen coordinates, as the window manager last set them
    // The request that last moved or sized the X window: the display's
    // reports made before the server saw it are out of date.
    unsigned long ConfigureSerial = 0;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    bool OverrideRedirect = false;
    bool Argb = false;          // 32-bit visual, pixels premultiplied
    bool Mapped = false;        // MapNotify seen
    bool FocusOnMap = false;    // ShowSurface asked for activation before the map
    bool Visible = false;       // shown by the window manager
    bool Minimized = false;     // the window manager minimized it
    bool Iconic = false;        // minimized and unmapped by the desktop: its next map is the user's restore
    _XIC* InputContext = nullptr;
    TPoint Spot{-1, -1};        // where the input method was last told the composition goes
    std::unique_ptr<TX11Pixels, TX11PixelsDeleter> Pixels;
    uint64_t LookSignature = 0;  // layered look last presented, for ARGB surfaces
};

class TX11Backend : public TBackend {
public:
    TX11Backend(_XDisplay* Connection, int Screen);
    ~TX11Backend() override;

    const char* Name() const override { return "x11"; }
    TRect ScreenRect() const override;
    bool PointerPosition(TPoint& Screen) const override;
    // x11_monitors.cpp: RandR's monitors, each with _NET_WORKAREA clipped to it.
    std::vector<TBackendMonitor> Monitors() const override;
    void CreateSurface(HWND Window, const TRect& Bounds, DWORD Style, DWORD ExStyle) override;
    void DestroySurface(HWND Window) override;
    void ShowSurface(HWND Window, bool Activate) override;
    void HideSurface(HWND Window) override;
    void MoveSurface(HWND Window, const TRect& Bounds) override;
    void MinimizeSurface(HWND Window) override;
    void RestoreSurface(HWND Window) override;
    void RestackSurface(HWND Window, HWND Upper) override;
    void SetSurfaceOwner(HWND Window) override;
    void SetSurfaceShape(HWND Window, const TRegion* Shape) override;
    void SetSurfaceTitle(HWND Window, const AnsiString& Title) override;
    void SetSurfaceIcon(HWND Window, const std::vector<TRasterImage>& Images) override;
    void PresentSurface(HWND Window, HBITMAP Pixels, const TRegion& Damage) override;
    void Beep() override;
    bool WaitForEvents(int TimeoutMs) override;
    void OfferClipboard() override;
    TClipboardFetch FetchClipboardText(AnsiString& Text) override;
    bool ClipboardOffersText() override;
    // x11_tray.cpp: icons docked over XEmbed with the owner of
    // _NET_SYSTEM_TRAY_S<screen>; false while nobody owns it.
    bool AddTrayIcon(const TBackendTrayIcon& Icon) override;
    bool ModifyTrayIcon(const TBackendTrayIcon& Icon) override;
    bool DeleteTrayIcon(HWND Window, UINT Id) override;
    // A compositing manager owns _NET_WM_CM_S<screen>.
    bool LayeredWindowsComposited() override;

    _XDisplay* XDisplay() const { return display_; }
    TX11Surface* FindSurface(HWND Window);
    TX11Surface* FindSurface(TXId XWindow);
    TXId Intern(const char* Name);
    // The latest server time an event brought, for selections and focus.
    unsigned long LastTime() const { return time_; }

private:
    // x11_events.cpp
    void Dispatch(_XEvent& Event);
    void DispatchPending();
    void HandleClientMessage(_XEvent& Event);
    // Brings what the window manager keeps (cursor, capture, activation,
    // layered looks, the composition spot) onto the display.
    void SyncState();
    // Whether an activation the program made itself may take the keyboard:
    // not while another program holds it, unless the user came back to us
    // since that program took it. Decided on the focus changes the server
    // has sent, those still queued included.
    bool MayTakeKeyboard();
    // What an event tells of the keyboard: another program has it (true),
    // the program or nobody has it, or the user came back (false), or
    // nothing (nullopt).
    std::optional<bool> KeyboardElsewhereAfter(const _XEvent& Event);
    // Gives the surface the keyboard when it may take it; else it waits
    // for the user to come back.
    void TakeKeyboard(TX11Surface& Surface);
    // Asks the display to give the surface the keyboard.
    void AskForKeyboard(const TX11Surface& Surface);
    // Whether the display may give the surface the keyboard: mapped, and
    // neither a popup nor a window that never activates.
    static bool CanHaveKeyboard(const TX11Surface& Surface);
    // Whether the keyboard is with nobody (the root window, the window
    // under the pointer, or none) as the server answers now.
    bool KeyboardWithNobody();
    // The keyboard fell to nobody and the program has no active window to
    // give it: the program's window under the pointer takes it, as the
    // display hands that window the keys for the root window anyway, and
    // they would be lost for want of an active window.
    void TakeFallenKeyboardUnderPointer();

    // x11_keys.cpp
    void HandleKey(_XEvent& Event);
    // Tells which of Shift, Ctrl and Alt the server held when the keyboard
    // came to us, from the key vector (32 bytes) of the KeymapNotify that
    // follows the FocusIn: in order with the keys typed before and after.
    void ReportHeldKeys(const char* KeyVector);
    // Another program takes the keyboard or the pointer: the keys held
    // stay as the input so far left them, but none counts as pressed alone.
    void ReportKeysHeldSoFar();
    // A key event carries the modifiers held when it was typed: where
    // Shift, Ctrl or Alt stand otherwise in the input so far (they went
    // down or up while another window had the keyboard), the keys held
    // are told again before the key.
    void MatchHeldModifiers(unsigned State);
    // Which modifier bits the Alt keys (Alt, Meta, AltGr) set.
    void ReadAltMask();
    // Keeps a copy of the keyboard's mapping of our own, read again at
    // each change the server tells, in order with the keys. Xlib's own
    // copy is brought up to date as soon as a change is read from the
    // display, so a key typed before it but looked up after would take
    // the mapping as it is after the change.
    void WatchKeyboardMapping();
    // Handle the event when it tells such a change.
    void HandleKeyboardMapping(const _XEvent& Event);
    // The symbol of key Code with the modifiers and group of State, in our
    // copy of the mapping, and the modifiers that chose it (Consumed); 0
    // when there is none (no keyboard extension).
    unsigned long MappedKeySym(unsigned Code, unsigned State, unsigned* Consumed) const;
    // x11_mouse.cpp
    void HandleButton(_XEvent& Event);
    void HandleMotion(_XEvent& Event);
    void HandleCrossing(_XEvent& Event);
    void SyncCursor();
    void SyncCapture();

    // x11_present.cpp
    void Present(TX11Surface& Surface, HBITMAP Pixels, const TRegion& Damage);
    void SyncLayeredLooks();

    // x11_input_method.cpp
    void OpenInputMethod();
    void CloseInputMethod();
    void CreateInputContext(TX11Surface& Surface);
    void DestroyInputContext(TX11Surface& Surface);
    void SyncCompositionSpot();

    // x11_selection.cpp
    void HandleSelectionRequest(_XEvent& Event);
    void HandleSelectionClear(_XEvent& Event);
    // The clipboard's owner as the server tells each change of it: another
    // program's offer is asked for once per change and its answer taken
    // whenever it comes, so that knowing it never waits for that program.
    void WatchClipboardOwner();
    void AskClipboardOffer(TXId Owner, unsigned long Time);
    // Handle the event when it is a change of the clipboard's owner, or
    // the answer to asking an owner for its offer.
    void HandleClipboardOwnerChange(const _XEvent& Event);
    void HandleClipboardOffer(const _XEvent& Event);
    // Asks the owner of Selection for Target and waits (boundedly) for the
    // data, taking it in pieces when the owner hands it over by INCR; None
    // when the owner refused, Broken when it did not answer in time or
    // stopped before the end. Type and Format are the data's.
    TClipboardFetch ConvertSelection(TXId Selection, TXId Target, unsigned long Time, std::string& Data, TXId& Type,
                                     int& Format);
    // Handles events until one answers Wanted, or the deadline passes
    // (false then).
    bool WaitForEvent(const std::function<bool(const _XEvent&)>& Wanted, long long DeadlineMs, _XEvent& Found);
    // Reads and deletes a property of the helper window; false when it is
    // not there.
    bool TakeProperty(TXId Property, std::string& Data, TXId& Type, int& Format);
    // Hands the next piece of an INCR transfer of ours when the event says
    // the requestor deleted the last one.
    void ContinueIncrTransfer(const _XEvent& Event);
    void StartIncrTransfer(TXId Requestor, TXId Property, TXId Type, std::string Data);

    // x11_drop.cpp
    void HandleDndMessage(_XEvent& Event);

    // x11_tray.cpp: whether the event was the tray's (its icons' windows,
    // the tray manager going or a new one coming).
    bool HandleTrayEvent(_XEvent& Event);

    // x11_surfaces.cpp
    void SetHints(TX11Surface& Surface);
    // A surface holding the keyboard is going: the keyboard goes to the
    // window taking over first, or the server would give it to the root
    // window until we ask, and keys typed meanwhile would be lost.
    void PassKeyboardOn(const TX11Surface& Leaving);
    // WM_TRANSIENT_FOR and the window type, which follow the owner.
    void SetOwnerHints(TX11Surface& Surface);
    void HandleConfigure(_XEvent& Event);
    void SetNetState(TX11Surface& Surface);
    // x11_minimize.cpp
    // WM_HINTS: input, and the state to map in (iconic while minimized).
    void SetWmHints(TX11Surface& Surface);
    // Whether a window manager holds the root window's redirect: without
    // one nobody answers an iconify request.
    bool DesktopManagesWindows();
    void HandleMap(_XEvent& Event);
    void HandleUnmap(_XEvent& Event);

    _XDisplay* display_;
    int screen_;
    TXId root_;
    TXId helper_ = 0;  // unmapped window that owns selections and receives converted data
    TXId argbVisualColormap_ = 0;
    void* argbVisual_ = nullptr;  // Visual*, when a 32-bit TrueColor visual exists
    bool shm_ = false;
    bool shape_ = false;
    bool randrMonitors_ = false;  // RandR 1.5, which lists monitors
    unsigned long time_ = 0;
    // Our clipboard text going to another program in pieces (INCR): the
    // requestor's property holds the last piece until it deletes it.
    struct TIncrTransfer {
        TXId Requestor = 0;
        TXId Property = 0;
        TXId Type = 0;
        std::string Data;
        size_t Sent = 0;  // bytes of Data handed over so far
        bool Ended = false;  // the empty piece that ends the transfer is written
        long long LastMs = 0;  // when the requestor last took a piece
    };
    std::vector<TIncrTransfer> incrTransfers_;
    // Another program's clipboard: what it offers, as far as it has said.
    // Until it answers, a paste may try (and waits a bounded time).
    enum class TClipboardOffer { Unknown, Text, NoText };
    TClipboardOffer clipboardOffer_ = TClipboardOffer::Unknown;
    unsigned long offerAskedTime_ = 0;  // the owner's time, which its answer repeats
    int fixesEventBase_ = -1;           // XFixes' first event number; -1 without it
    std::vector<std::unique_ptr<TX11Surface>> surfaces_;
    std::map<std::string, TXId> atoms_;

    // Pointer
    std::map<int, TXId> cursors_;  // by TCursorShape, made on first use
    TXId blankCursor_ = 0;
    std::optional<HCURSOR> shownCursor_;
    HWND grabbed_ = nullptr;  // the surface our pointer grab is on
    int buttonsDown_ = 0;     // X holds an implicit grab while any is down
    bool leavePending_ = false;

    // Keyboard focus as X reported it, and activation handed to X.
    HWND xFocus_ = nullptr;
    HWND focusAsked_ = nullptr;
    // Another program took the keyboard, and the user has not come back
    // since (the desktop's focus, or a click on one of our windows), nor
    // has the keyboard fallen to nobody.
    bool keyboardElsewhere_ = false;
    HWND keptBack_ = nullptr;  // the activation kept from the display meanwhile
    // The keyboard fell to nobody (another program's window went), and
    // no window of ours has taken it since.
    bool keyboardFallen_ = false;
    bool keymapDue_ = false;  // a FocusIn came: the KeymapNotify after it tells the keys held
    unsigned altMask_ = 0;    // the modifier bits the Alt keys set
    int xkbEventBase_ = -1;   // the keyboard extension's event number; -1 without it
    _XkbDesc* keymap_ = nullptr;  // our copy of the mapping
    // The change read last: the server tells one change once for each
    // keyboard device.
    unsigned long keymapChangeSerial_ = 0;
    unsigned long keymapChangeTime_ = 0;

    _XIM* inputMethod_ = nullptr;
    unsigned long inputStyle_ = 0;

    // XDND: the drag going on over one of our surfaces.
    TXId dndSource_ = 0;
    HWND dndTarget_ = nullptr;
    TPoint dndPoint_;
    int dndVersion_ = 0;
    bool dndFiles_ = false;  // the source offers text/uri-list

    std::unique_ptr<TX11Tray, TX11TrayDeleter> tray_;  // made by the first icon added
};

// Whether the display's RandR lists monitors (version 1.5 or later).
bool X11HasRandrMonitors(_XDisplay* Display);

// The running back end when it is the X11 one, else nullptr.
TX11Backend* X11Backend();

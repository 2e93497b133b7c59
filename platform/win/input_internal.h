// What the input, focus, caret, clipboard and move/size files of the
// window manager share with one another.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/backend.h"
#include "platform/win/drop_files.h"
#include "platform/win/window.h"
#include "platform/win/window_hooks.h"

// One piece of user input waiting in the input queue. Messages are made
// from it only when the message loop takes it, so that they go where the
// focus and the capture are at that moment.
struct TInputEvent {
    // HeldKeys: the keys held are known again (see TBackendEvents).
    // Focus: the desktop gave a surface the keyboard or took it away.
    enum TKind { Key, Mouse, HeldKeys, Focus };
    TKind Kind = Key;
    TBackendKeyEvent KeyEvent;
    TBackendMouseEvent MouseEvent;
    std::vector<UINT> Held;
    HWND FocusSurface = nullptr;
    bool FocusGained = false;
    DWORD Time = 0;    // GetTickCount when it came in
    TPoint Cursor;     // the cursor then
    uint64_t Seq = 0;  // unique, in arrival order
};

// The back end's key and mouse entries: queue the event, and keep the
// asynchronous key state and the cursor position.
void QueueKeyEvent(const TBackendKeyEvent& Event);
void QueueMouseEvent(const TBackendMouseEvent& Event);
// The keys held are known again: the asynchronous state at once, the
// state of the messages taken once the loop reaches this point of the
// input, so that keys that came in before still count as they went.
void QueueHeldKeys(const std::vector<UINT>& Held);
// The desktop moved the keyboard: it takes effect once the loop reaches
// this point of the input, so that keys typed before still go where the
// keyboard was when they were typed. Keys held come up at once when it
// leaves, as they do in the program it goes to.
void QueueSurfaceFocus(HWND Surface, bool Gained);

// Key states by virtual key: 0x80 down, 0x01 toggled on.
struct TKeyStates {
    BYTE Keys[256] = {};
    bool Down(UINT VirtualKey) const { return Keys[VirtualKey & 0xFF] & 0x80; }
    // Also keeps the generic and the left/right keys of Shift, Ctrl and Alt
    // together, and flips a toggle key on each press.
    void Apply(UINT VirtualKey, bool IsDown);
    // Every key comes up but those in Held and the mouse buttons, whose
    // releases always come back; toggle keys stay on or off.
    void Reset(const std::vector<UINT>& Held);
};
// As the messages taken so far left the keys (GetKeyState), and as the
// input that came in left them (GetAsyncKeyState).
TKeyStates& SyncKeys();
TKeyStates& AsyncKeys();
// The VK_ code of mouse button 1, 2 or 3 (0 for others).
UINT ButtonKey(int Button);
// The MK_ flags of the buttons and modifiers down.
WPARAM MouseKeyFlags(const TKeyStates& Keys);

// Key events: the message a key event makes for the window with the focus
// (else the active window) and the key states after it; false when no
// window takes keys. KeyMessageTaken commits what the message loop took.
bool RouteKeyEvent(const TInputEvent& Event, MSG& Msg, TKeyStates& After);
void KeyMessageTaken(const TInputEvent& Event, const MSG& Msg, const TKeyStates& After);
// The last key that went down, for DefWindowProc's Alt and F10 alone; 0
// once a mouse button went down, the active window changed or another
// program had the keyboard or the pointer since, as each means Alt was
// not pressed alone, and 0 for F10 pressed with Shift (the context menu's
// key, whichever of the two comes up first).
UINT LastKeyDown();
void ForgetLastKeyDown();
// The text of a key down, until TranslateMessage turns it into characters:
// WM_CHAR (or WM_SYSCHAR) per byte of Text, then WM_UNICHAR per character
// of Untypable, which no window of the code page can take as text but the
// program may tell the user of.
void RememberKeyText(const MSG& Msg, const AnsiString& Text, std::u32string_view Untypable);
bool TranslateKeyMessage(const MSG& Msg);

// Mouse events: where one goes and as what. Msg.hwnd is 0 when no window
// takes it; Deliver is false when only WM_SETCURSOR is due (a disabled
// window, nowhere).
struct TMouseRoute {
    MSG Msg;
    UINT RawMessage = 0;  // the client message, whatever the area, for WM_SETCURSOR and WM_MOUSEACTIVATE
    LRESULT Hit = 0;
    bool Captured = false;
    bool NonClient = false;
    bool Deliver = true;
    bool Press = false;
    bool DoubleClick = false;
    int Button = 0;
    TKeyStates After;
};
void RouteMouseEvent(const TInputEvent& Event, TMouseRoute& Route);
// Sends what goes before the message (WM_MOUSEACTIVATE and activation,
// WM_SETCURSOR) and commits the states; false when the message is eaten.
bool MouseMessageTaken(const TInputEvent& Event, TMouseRoute& Route);
// A mouse message is going to Window's client area or frame (Window 0:
// the mouse is over none of the program's windows).
void MouseMessageGoing(HWND Window, bool NonClient);
// The window a mouse message at the point would go to without capture,
// and its hit code (HTERROR for a disabled window); nullptr over none.
TWindow* WindowUnderMouse(TPoint Screen, LRESULT* Hit);

// Whether a press at Screen and Time pairs with the one at FirstScreen and
// FirstTime into a double click: soon enough and near enough after it.
bool PressesPair(TPoint FirstScreen, DWORD FirstTime, TPoint Screen, DWORD Time);
// Double clicks: whether a press makes one, and the presses to compare with.
bool IsDoubleClick(HWND Window, int Button, bool NonClient, TPoint Screen, DWORD Time);
void RememberPress(HWND Window, int Button, bool NonClient, TPoint Screen, DWORD Time, bool WasDoubleClick);

// Activation by a click: WA_CLICKACTIVE, and the window comes to the top.
bool MouseActivate(HWND TopLevel);
// The desktop's focus change, as the loop takes it from the input.
void SurfaceFocusChanged(HWND Surface, bool Gained);

// How the areas follow windows (one observer calls them all).
void FocusWindowPosChanged(TWindow& Window, const TWindowPosChange& Change);
void FocusActivationRequested(TWindow& Window);
void FocusWindowDisabled(TWindow& Window);
void FocusWindowDestroying(TWindow& Window);
void CaptureWindowGone(TWindow& Window);
void CaretWindowDestroying(TWindow& Window);
TWindowObserver& InputObserver();

// Painting calls this around drawing over Window's pixels.
void CaretPaintHook(HWND Window, bool Hide);

// The move/size loop of WM_SYSCOMMAND SC_MOVE and SC_SIZE: Command is the
// wParam (the low four bits: HTCAPTION for a move by mouse, the WMSZ_ edge
// for sizing by mouse, 0 for the keyboard), Start the press in screen
// coordinates.
void RunSizeMoveLoop(HWND Window, WPARAM Command, TPoint Start);

// Another program took the clipboard, or wants its text.
void ClipboardLost();
bool ClipboardText(AnsiString& Text);

bool DeliverDrop(const TBackendDropEvent& Event);

// Wires the input, focus, caret, clipboard and drop areas into the window
// manager and the back end (StartWindowManager calls it once).
void InstallInput();

// DefWindowProc's handling from each file, installed once with the rest.
void InstallFocusHandlers();
void InstallCaptureHandlers();
void InstallCursorHandlers();
void InstallMouseHandlers();
void InstallSysCommandHandlers();
void InstallSysKeyHandlers();
// These two come last: they pass on to the handlers installed before them
// what they leave alone (key messages, other presses on the frame).
void InstallContextMenuHandlers();
void InstallCaptionButtonHandlers();

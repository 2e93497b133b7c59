// The X11 back end: top-level windows become X11 windows on the display
// named by DISPLAY.
//
// Every surface is an X11 window without the desktop's decorations: the
// frame and caption are ours, painted by the window manager like any other
// non-client area. Moving and sizing run through our own move/size loop
// rather than handing over to the desktop with _NET_WM_MOVERESIZE: the
// loop sends WM_MOVING / WM_SIZING / WM_GETMINMAXINFO, which windows use to
// snap, keep aspect and refuse sizes, and none of that would happen while
// the desktop dragged the window. The pointer stays ours during the drag
// because X grabs it for the window that took the press.
//
// Popups that never take activation (WS_POPUP without a caption that are
// tool windows or WS_EX_NOACTIVATE: menus, hints, drop-downs) are
// override-redirect windows; the others are managed by the desktop, with
// their kind, "stay on top" and "no task-bar entry" told through the
// EWMH hints. Layered windows get a 32-bit ARGB visual while a compositing
// manager runs; without one they show opaque, inside their region.
//
// Keys become key events with VK_ codes and GBK text; text an input
// method commits arrives as one VK_PROCESSKEY key event carrying the
// result string, which TranslateMessage turns into one WM_CHAR per byte,
// and a character whose key has no VK_ code (a layout's é, what a typing
// tool puts on a spare key) as one VK_PACKET key event; a character GBK
// has no form for is left out. Each key is read with the keyboard mapping
// as the changes the server told before it left it (typing tools put
// each character on a spare key for a moment); a change read only after
// the tool changed the same key again shows the later mapping, as the
// server keeps no earlier one. Whenever the keyboard comes back from
// another program or from a grab, the Shift, Ctrl and Alt keys held are
// taken as the display held them at that point, in order with the keys
// typed before and after; and a key whose own modifier state differs
// from the keys held so far takes its own. The desktop's focus changes
// reach the window manager in that same order with the keys. A top-level
// window going away with the keyboard hands it on first, so that no key
// falls to the desktop meanwhile. While another program has the keyboard,
// a window the program shows or activates on its own leaves it there (and
// asks the desktop not to hand it over either) until the user comes back,
// through the desktop's focus or a click on one of the program's windows
// (a wheel notch is no coming back), or the keyboard falls to nobody; this
// is decided on the focus changes the server has sent, those the program
// has not read yet included. A keyboard fallen to nobody (another
// program's window went, and the root window, the window under the
// pointer or none has it) goes to the program's active window, else to its
// window under the pointer, which the display hands the keys anyway.
// Moves and resizes the desktop makes reach the window manager as the
// window's own SetWindowPos. The input method's composition window follows
// the focus window's composition form, else its caret. The CLIPBOARD
// selection carries CF_TEXT (UTF8_STRING and STRING), and XDND drops of
// text/uri-list arrive as dropped files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/backend.h"
#include "platform/base/ansi_string.h"

// Makes the back end available as "x11" (StartWindowManager calls it).
void RegisterX11Backend();

// Opens the display (nullptr: DISPLAY). On failure answers nullptr and
// says why in Error.
std::unique_ptr<TBackend> OpenX11Backend(const char* DisplayName, AnsiString& Error);

// The X11 window showing a top-level window's surface, 0 when the running
// back end is not X11 or the window has no surface. For tests and tools.
unsigned long X11WindowOf(HWND Window);

// The files a text/uri-list names (GBK): local file: URIs only, with
// their %-escapes decoded; comments and other schemes are left out.
std::vector<AnsiString> FilesOfUriList(const std::string& UriList);

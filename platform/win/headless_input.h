// Input for tests: keys, mouse and dropped files delivered through the
// back end's event entries, exactly the way a user's input arrives. The
// events wait in the input queue until the message loop takes them; run
// the loop (PeekMessage, TranslateMessage, DispatchMessage) to have them
// delivered. Points are in screen coordinates.
#pragma once

#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

// The text a key types on a US layout with Shift and Ctrl as given: the
// letter, digit or symbol, "\r", "\b", "\t", "\x1B", " ", a control
// character for Ctrl with a letter; empty for keys that type nothing.
AnsiString KeyText(UINT VirtualKey, bool Shift, bool Ctrl);

// A single key going down (again while held: an auto-repeat) or up. Text
// is what the key typed (GBK).
void InjectKeyDown(UINT VirtualKey, const AnsiString& Text = {});
void InjectKeyUp(UINT VirtualKey);

// Modifier keys held around a key stroke.
enum : UINT { InjectShift = 1, InjectCtrl = 2, InjectAlt = 4 };
// Presses the modifiers, presses and releases the key (typing KeyText for
// it) and releases the modifiers.
void InjectKeyStroke(UINT VirtualKey, UINT Modifiers = 0);
// Types the text: letters, digits and space as their keys (Shift for
// capitals), other single-byte characters as VK_PACKET, double-byte
// characters as an input method delivers them (VK_PROCESSKEY).
void InjectText(const AnsiString& Text);
// Text as an input method commits it, in one key: the characters GBK
// holds as its text, those it has no form for apart, as the X11 back end
// delivers them.
void InjectCommittedText(std::u32string_view Text);

void InjectMouseMove(TPoint Screen);
// Button 1 left, 2 right, 3 middle; the cursor first moves to the point.
void InjectMouseDown(TPoint Screen, int Button = 1);
void InjectMouseUp(TPoint Screen, int Button = 1);
void InjectClick(TPoint Screen, int Button = 1);
void InjectWheel(TPoint Screen, int Delta);
// The sideways wheel: Delta is positive to the right.
void InjectHorizontalWheel(TPoint Screen, int Delta);
// The mouse left every window of the program.
void InjectMouseLeave();
// Answers whether a window took the files.
bool InjectDrop(TPoint Screen, const std::vector<AnsiString>& Files);
// The desktop gave the surface of a top-level window the focus, or took
// it away to another program; it takes effect, in order with the input
// injected around it, when the message loop gets there.
void InjectSurfaceFocus(HWND Window, bool Gained);

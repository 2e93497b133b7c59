// The message queue and the message loop.
//
// GetMessage and PeekMessage look, in this order, at posted messages, at a
// WM_QUIT asked for by PostQuitMessage, at the message sources that other
// areas register (input, then painting), and last at due timers. A modal
// loop is just another GetMessage loop; when it sees WM_QUIT it posts it
// again and returns, so the outer loop ends too.
#pragma once

#include "platform/win/win_types.h"

// Queues a message for the window (0: a message for the thread, with no
// window). False for a stale handle.
bool PostMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
void PostQuitMessage(int ExitCode);

// Filter: a window takes its own messages and its descendants'; 0 takes
// every message; HWND(-1) takes only messages without a window. Min and
// Max (both 0: all) bound the message numbers; WM_QUIT passes any range.
// GetMessage waits until a message passing the filter comes (as
// WaitMessage does) and answers false for WM_QUIT.
bool GetMessage(MSG* Msg, HWND Filter, UINT Min, UINT Max);
// PM_REMOVE or PM_NOREMOVE; answers false at once when nothing is there.
bool PeekMessage(MSG* Msg, HWND Filter, UINT Min, UINT Max, UINT Remove);
// The cursor position (screen coordinates, x in the low word and y in the
// high word, each signed: GET_X_LPARAM, GET_Y_LPARAM) and the
// GetTickCount time of the message GetMessage or PeekMessage took last.
DWORD GetMessagePos();
LONG GetMessageTime();
// Waits until a message is there. With the hand-driven clock and a timer
// pending, the clock jumps to the first due timer. Raises Exception when
// nothing is queued, no timer runs and the back end can deliver nothing,
// since the wait would never end.
void WaitMessage();

// Turns key messages into character messages; answers whether it did.
bool TranslateMessage(const MSG& Msg);
// Takes back the characters TranslateMessage queued for the key message
// last translated, when that was Window's with KeyData as its lParam: a
// key the program used otherwise (to move the focus, for a shortcut) must
// type nothing. The characters still waiting in the queue go.
void DiscardKeyCharacters(HWND Window, LPARAM KeyData);
// Sends the message to its window (a WM_TIMER with a callback goes to the
// callback) and answers the result; 0 for a message without a window.
LRESULT DispatchMessage(const MSG& Msg);

// The keyboard code sets the translation of TranslateMessage.
using TMessageTranslator = bool (*)(const MSG&);
void SetMessageTranslator(TMessageTranslator Translator);

// A source of messages that are made when asked for rather than queued
// (input events, WM_PAINT). It answers whether it has a message matching
// the filter and, if so, fills Msg; with Remove it also takes it.
using TMessageSource = bool (*)(MSG& Msg, HWND Filter, UINT Min, UINT Max, bool Remove);
enum class TMessageSourceKind { Input, Paint };
void SetMessageSource(TMessageSourceKind Kind, TMessageSource Source);

// Whether a message passes a filter of GetMessage or PeekMessage.
bool MessageMatches(HWND Window, UINT Message, HWND Filter, UINT Min, UINT Max);

// A finished composition, played by tests. No input method runs inside this
// program; InjectImeResult stands for one whose user has just accepted a
// composition: it leaves the text in the focused window's input context,
// where ImmGetCompositionString(GCS_RESULTSTR) reads it, and posts
// WM_IME_COMPOSITION with GCS_RESULTSTR. The default handling then types
// the text: WM_IME_COMPOSITION sends one WM_IME_CHAR per character (a
// double-byte character as lead byte * 256 + trail byte), and WM_IME_CHAR
// posts one WM_CHAR per byte, lead byte first.
#pragma once

#include <string>

#include "platform/win/ime.h"
#include "platform/base/ansi_string.h"

void InjectImeResult(const AnsiString& Text);

// ImmGetCompositionString's answer for GCS_RESULTSTR: the result's length in
// bytes when Bytes is 0, else the bytes copied (at most Bytes) to Buffer.
long CompositionResult(HIMC Context, void* Buffer, DWORD Bytes);

// The default frame of a window, from its styles and the system metrics:
// pure geometry, shared by the default WM_NCCALCSIZE, the limits of
// WM_GETMINMAXINFO and whoever paints or hit-tests the default frame.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

// The outer border: a sizing frame (WS_THICKFRAME), a dialog frame
// (WS_DLGFRAME without WS_THICKFRAME, or WS_EX_DLGMODALFRAME), a thin
// border (WS_BORDER, or any overlapped window) or none, in pixels.
int FrameBorderWidth(DWORD Style, DWORD ExStyle);
// A caption is there when both WS_BORDER and WS_DLGFRAME are.
bool HasCaption(DWORD Style);
// The caption's height: SM_CYCAPTION, SM_CYSMCAPTION for tool windows, 0 for none.
int CaptionHeight(DWORD Style, DWORD ExStyle);
// The client rectangle the default frame leaves of a window rectangle:
// border, caption, client edge (WS_EX_CLIENTEDGE) and the scroll bars
// (WS_VSCROLL at the right, WS_HSCROLL at the bottom). Never inside out.
TRect DefaultClientRect(const TRect& WindowRect, DWORD Style, DWORD ExStyle);

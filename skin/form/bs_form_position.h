// Where a skinned form is placed when it is centred on its monitor: on its
// first show in the normal state, and when the restore command puts it
// back.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

// The form's published choice: where it is centred, if anywhere.
enum TbsPositionInMonitor { bspDefault, bspScreenCenter, bspDesktopCenter };

// The top-left corner of a Width x Height form centred on the monitor
// holding Window: on its whole rectangle (bspScreenCenter) or on its work
// area (bspDesktopCenter), at M.left + M.width div 2 - Width div 2 (and so
// down), each division truncated toward zero. bspDefault answers Position.
TPoint CalcPositionInMonitor(TbsPositionInMonitor Kind, HWND Window, TPoint Position, int Width, int Height);

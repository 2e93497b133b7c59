// The simple attributes of a DC. Each setter answers the previous value,
// or the failure value named beside it for a bad DC or argument.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"

inline constexpr unsigned GDI_ERROR = 0xFFFFFFFF;

COLORREF SetTextColor(HDC DC, COLORREF Color);  // CLR_INVALID
COLORREF GetTextColor(HDC DC);
COLORREF SetBkColor(HDC DC, COLORREF Color);  // CLR_INVALID
COLORREF GetBkColor(HDC DC);
int SetBkMode(HDC DC, int Mode);  // 0
int GetBkMode(HDC DC);
unsigned SetTextAlign(HDC DC, unsigned Align);  // GDI_ERROR
unsigned GetTextAlign(HDC DC);
int SetTextCharacterExtra(HDC DC, int Extra);  // 0x80000000
int GetTextCharacterExtra(HDC DC);
int SetROP2(HDC DC, int Rop2);  // 0
int GetROP2(HDC DC);
int SetStretchBltMode(HDC DC, int Mode);  // 0
int GetStretchBltMode(HDC DC);
int SetPolyFillMode(HDC DC, int Mode);  // 0
int GetPolyFillMode(HDC DC);
// The brush origin is in device units.
bool SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool GetBrushOrgEx(HDC DC, TPoint* Origin);
bool GetCurrentPositionEx(HDC DC, TPoint* Position);

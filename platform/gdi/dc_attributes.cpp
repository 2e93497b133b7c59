#include "platform/gdi/dc_attributes.h"

#include <climits>

#include "platform/gdi/device_context.h"

namespace {

// Swaps a new value into a state field and answers the old one.
template <typename T, typename V>
T Exchange(HDC DC, T TDCState::*Field, V Value, T Failure, bool Valid = true)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Valid)
        return Failure;
    T old = dc->State().*Field;
    dc->State().*Field = static_cast<T>(Value);
    return old;
}

template <typename T>
T Read(HDC DC, T TDCState::*Field, T Failure)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    return dc ? dc->State().*Field : Failure;
}

}  // namespace

COLORREF SetTextColor(HDC DC, COLORREF Color)
{
    return Exchange(DC, &TDCState::TextColor, Color & 0x00FFFFFF, CLR_INVALID);
}

COLORREF GetTextColor(HDC DC)
{
    return Read(DC, &TDCState::TextColor, CLR_INVALID);
}

COLORREF SetBkColor(HDC DC, COLORREF Color)
{
    return Exchange(DC, &TDCState::BkColor, Color & 0x00FFFFFF, CLR_INVALID);
}

COLORREF GetBkColor(HDC DC)
{
    return Read(DC, &TDCState::BkColor, CLR_INVALID);
}

int SetBkMode(HDC DC, int Mode)
{
    return Exchange(DC, &TDCState::BkMode, Mode, 0, Mode == OPAQUE || Mode == TRANSPARENT);
}

int GetBkMode(HDC DC)
{
    return Read(DC, &TDCState::BkMode, 0);
}

unsigned SetTextAlign(HDC DC, unsigned Align)
{
    return Exchange(DC, &TDCState::TextAlign, Align, GDI_ERROR);
}

unsigned GetTextAlign(HDC DC)
{
    return Read(DC, &TDCState::TextAlign, GDI_ERROR);
}

int SetTextCharacterExtra(HDC DC, int Extra)
{
    return Exchange(DC, &TDCState::CharExtra, Extra, INT_MIN);
}

int GetTextCharacterExtra(HDC DC)
{
    return Read(DC, &TDCState::CharExtra, INT_MIN);
}

int SetROP2(HDC DC, int Rop2)
{
    return Exchange(DC, &TDCState::Rop2, Rop2, 0, Rop2 >= R2_BLACK && Rop2 <= R2_WHITE);
}

int GetROP2(HDC DC)
{
    return Read(DC, &TDCState::Rop2, 0);
}

int SetStretchBltMode(HDC DC, int Mode)
{
    return Exchange(DC, &TDCState::StretchMode, Mode, 0, Mode >= BLACKONWHITE && Mode <= HALFTONE);
}

int GetStretchBltMode(HDC DC)
{
    return Read(DC, &TDCState::StretchMode, 0);
}

int SetPolyFillMode(HDC DC, int Mode)
{
    return Exchange(DC, &TDCState::PolyFillMode, Mode, 0, Mode == ALTERNATE || Mode == WINDING);
}

int GetPolyFillMode(HDC DC)
{
    return Read(DC, &TDCState::PolyFillMode, 0);
}

bool SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return false;
    if (Old)
        *Old = dc->State().BrushOrg;
    dc->State().BrushOrg = {X, Y};
    return true;
}

bool GetBrushOrgEx(HDC DC, TPoint* Origin)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Origin)
        return false;
    *Origin = dc->State().BrushOrg;
    return true;
}

bool GetCurrentPositionEx(HDC DC, TPoint* Position)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !Position)
        return false;
    *Position = dc->State().CurrentPos;
    return true;
}

#include "platform/ui/kernel/control_types.h"

#include "platform/win/cursor.h"
#include "platform/win/keyboard.h"

TAnchors AnchorAlign(TAlign Align)
{
    switch (Align) {
    case alTop:
        return {akLeft, akTop, akRight};
    case alBottom:
        return {akLeft, akRight, akBottom};
    case alLeft:
        return {akLeft, akTop, akBottom};
    case alRight:
        return {akRight, akTop, akBottom};
    case alClient:
        return {akLeft, akTop, akRight, akBottom};
    default:
        return {akLeft, akTop};
    }
}

TShiftState KeysToShiftState(WPARAM Keys)
{
    TShiftState shift;
    if (Keys & MK_SHIFT)
        shift.Include(ssShift);
    if (Keys & MK_CONTROL)
        shift.Include(ssCtrl);
    if (Keys & MK_LBUTTON)
        shift.Include(ssLeft);
    if (Keys & MK_RBUTTON)
        shift.Include(ssRight);
    if (Keys & MK_MBUTTON)
        shift.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

TShiftState KeyDataToShiftState(LPARAM KeyData)
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0)
        shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        shift.Include(ssCtrl);
    if (KeyDataOf(KeyData).AltDown)
        shift.Include(ssAlt);
    return shift;
}

TShiftState ShiftStateFromBits(WORD Bits)
{
    TShiftState shift;
    for (int flag = ssShift; flag <= ssDouble; ++flag)
        if (Bits & (1u << flag))
            shift.Include(static_cast<TShiftStateFlag>(flag));
    return shift;
}

HCURSOR CursorHandle(TCursor Cursor)
{
    const char* name = nullptr;
    switch (Cursor) {
    case crDefault:
    case crArrow:
        name = IDC_ARROW;
        break;
    case crCross:
        name = IDC_CROSS;
        break;
    case crIBeam:
        name = IDC_IBEAM;
        break;
    case crSizeNESW:
        name = IDC_SIZENESW;
        break;
    case crSizeNS:
        name = IDC_SIZENS;
        break;
    case crSizeNWSE:
        name = IDC_SIZENWSE;
        break;
    case crSizeWE:
        name = IDC_SIZEWE;
        break;
    case crUpArrow:
        name = IDC_ARROW;
        break;
    case crHourGlass:
    case crSQLWait:
        name = IDC_WAIT;
        break;
    case crDrag:
        name = IDC_DRAG;
        break;
    case crNoDrop:
        name = IDC_NODROP;
        break;
    case crHSplit:
        name = IDC_HSPLIT;
        break;
    case crVSplit:
        name = IDC_VSPLIT;
        break;
    case crMultiDrag:
        name = IDC_MULTIDRAG;
        break;
    case crNo:
        name = IDC_NO;
        break;
    case crAppStart:
        name = IDC_APPSTARTING;
        break;
    case crHelp:
        name = IDC_HELP;
        break;
    case crHandPoint:
        name = IDC_HAND;
        break;
    case crSizeAll:
        name = IDC_SIZEALL;
        break;
    default:
        return nullptr;
    }
    return LoadCursor(nullptr, name);
}

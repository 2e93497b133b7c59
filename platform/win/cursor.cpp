// Mouse cursors.
#include "platform/win/cursor.h"

#include "platform/win/input_internal.h"
#include "platform/win/system_info.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

struct TStandardCursor {
    const char* const* Name;
    TCursorShape Shape;
};

const TStandardCursor StandardCursors[] = {
    {&IDC_ARROW, TCursorShape::Arrow},         {&IDC_IBEAM, TCursorShape::IBeam},
    {&IDC_WAIT, TCursorShape::Wait},           {&IDC_CROSS, TCursorShape::Cross},
    {&IDC_SIZENWSE, TCursorShape::SizeNWSE},   {&IDC_SIZENESW, TCursorShape::SizeNESW},
    {&IDC_SIZEWE, TCursorShape::SizeWE},       {&IDC_SIZENS, TCursorShape::SizeNS},
    {&IDC_SIZEALL, TCursorShape::SizeAll},     {&IDC_NO, TCursorShape::No},
    {&IDC_HAND, TCursorShape::Hand},           {&IDC_APPSTARTING, TCursorShape::AppStarting},
    {&IDC_HELP, TCursorShape::Help},           {&IDC_HSPLIT, TCursorShape::HSplit},
    {&IDC_VSPLIT, TCursorShape::VSplit},       {&IDC_DRAG, TCursorShape::Drag},
    {&IDC_MULTIDRAG, TCursorShape::MultiDrag}, {&IDC_NODROP, TCursorShape::NoDrop},
};
constexpr size_t StandardCount = sizeof StandardCursors / sizeof StandardCursors[0];

// The handles of the standard shapes are the addresses of these, in the
// order of StandardCursors.
HICON__ standardHandles[StandardCount];

HCURSOR& CurrentCursor()
{
    static HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW);
    return cursor;
}

bool IsButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

LRESULT DefSetCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWindow* record = WindowOf(window);
    if (!record)
        return 0;
    auto hit = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam)));
    bool sizingBorder = hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
    if ((record->Style & WS_CHILD) && !record->IsTopLevel() && !sizingBorder) {
        if (SendMessage(record->Parent->Handle, message, wParam, lParam))
            return 1;
        record = WindowOf(window);
        if (!record)
            return 0;
    }
    const char* shape = IDC_ARROW;
    switch (hit) {
    case HTERROR:
        if (IsButtonDown(HIWORD(static_cast<uintptr_t>(lParam))))
            MessageBeep(0);
        break;
    case HTCLIENT: {
        HCURSOR classCursor = record->Class ? record->Class->Cursor : nullptr;
        if (!classCursor)
            return 0;
        SetCursor(classCursor);
        return 1;
    }
    case HTLEFT:
    case HTRIGHT:
        shape = IDC_SIZEWE;
        break;
    case HTTOP:
    case HTBOTTOM:
        shape = IDC_SIZENS;
        break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        shape = IDC_SIZENWSE;
        break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        shape = IDC_SIZENESW;
        break;
    default:
        break;
    }
    SetCursor(LoadCursor(nullptr, shape));
    return 1;
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE Instance, const char* Name)
{
    if (Instance || !IS_INTRESOURCE(Name))
        return nullptr;
    for (size_t i = 0; i < StandardCount; ++i)
        if (*StandardCursors[i].Name == Name)
            return &standardHandles[i];
    return nullptr;
}

HCURSOR SetCursor(HCURSOR Cursor)
{
    HCURSOR previous = CurrentCursor();
    CurrentCursor() = Cursor;
    return previous;
}

HCURSOR GetCursor()
{
    return CurrentCursor();
}

bool CursorShapeOf(HCURSOR Cursor, TCursorShape* Shape)
{
    for (size_t i = 0; i < StandardCount; ++i) {
        if (Cursor != &standardHandles[i])
            continue;
        if (Shape)
            *Shape = StandardCursors[i].Shape;
        return true;
    }
    return false;
}

bool GetCursorPos(TPoint* Point)
{
    if (!Point)
        return false;
    *Point = InputState().Cursor;
    return true;
}

bool SetCursorPos(int X, int Y)
{
    TBackendMouseEvent move;
    move.Kind = TBackendMouseEvent::Move;
    move.Screen = {X, Y};
    QueueMouseEvent(move);
    return true;
}

void InstallCursorHandlers()
{
    SetDefWindowProcHandler(WM_SETCURSOR, DefSetCursor);
}

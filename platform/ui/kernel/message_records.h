// Messages as controls handle them: TMessage holds the number, both
// parameters and the result; the typed records are views over a TMessage
// that read and write its parameters under the names each message gives
// them, so a handler changes the very message it was passed.
#pragma once

#include "platform/base/event.h"
#include "platform/gdi/gdi_object.h"
#include "platform/win/mouse_input.h"
#include "platform/win/win_types.h"

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A control's replaceable message entry (TControl::WindowProc).
using TWndMethod = TEvent<void(TMessage& Message)>;

// The header of a WM_NOTIFY record: which child control sends what.
struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

struct TMessageView {
    explicit TMessageView(TMessage& M) : Message(M) {}
    LRESULT& Result() const { return Message.Result; }

    TMessage& Message;
};

// WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYS*, CN_ twins, CM_DIALOGKEY,
// CM_DIALOGCHAR, CM_WANTSPECIALKEY, CM_CHILDKEY.
struct TWMKey : TMessageView {
    using TMessageView::TMessageView;
    WORD CharCode() const { return LOWORD(Message.WParam); }
    void SetCharCode(WORD Value) const { Message.WParam = Value; }
    LPARAM KeyData() const { return Message.LParam; }
};

// Client-area mouse messages: the MK_ keys and the point in client
// coordinates.
struct TWMMouse : TMessageView {
    using TMessageView::TMessageView;
    WPARAM Keys() const { return Message.WParam; }
    int XPos() const { return GET_X_LPARAM(Message.LParam); }
    int YPos() const { return GET_Y_LPARAM(Message.LParam); }
    TPoint Pos() const { return {XPos(), YPos()}; }
};

// WM_MOUSEWHEEL: the point is on the screen.
struct TWMMouseWheel : TMessageView {
    using TMessageView::TMessageView;
    WORD Keys() const { return GET_KEYSTATE_WPARAM(Message.WParam); }
    int WheelDelta() const { return GET_WHEEL_DELTA_WPARAM(Message.WParam); }
    TPoint Pos() const { return {GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}; }
};

struct TWMSize : TMessageView {
    using TMessageView::TMessageView;
    WPARAM SizeType() const { return Message.WParam; }
    int Width() const { return LOWORD(static_cast<uintptr_t>(Message.LParam)); }
    int Height() const { return HIWORD(static_cast<uintptr_t>(Message.LParam)); }
};

struct TWMMove : TMessageView {
    using TMessageView::TMessageView;
    int XPos() const { return GET_X_LPARAM(Message.LParam); }
    int YPos() const { return GET_Y_LPARAM(Message.LParam); }
};

// WM_PAINT: a DC in wParam asks for painting into it instead of BeginPaint.
struct TWMPaint : TMessageView {
    using TMessageView::TMessageView;
    HDC DC() const { return reinterpret_cast<HDC>(Message.WParam); }
};

struct TWMEraseBkgnd : TMessageView {
    using TMessageView::TMessageView;
    HDC DC() const { return reinterpret_cast<HDC>(Message.WParam); }
};

// WM_SETFOCUS (the window losing the focus) and WM_KILLFOCUS (the one
// getting it).
struct TWMSetFocus : TMessageView {
    using TMessageView::TMessageView;
    HWND FocusedWnd() const { return reinterpret_cast<HWND>(Message.WParam); }
};
using TWMKillFocus = TWMSetFocus;

// WM_HSCROLL and WM_VSCROLL: the SB_ code, the thumb position and the
// scroll-bar control that sent it (0 for a window's own bar).
struct TWMScroll : TMessageView {
    using TMessageView::TMessageView;
    int ScrollCode() const { return static_cast<int16_t>(LOWORD(Message.WParam)); }
    int Pos() const { return static_cast<int16_t>(HIWORD(Message.WParam)); }
    HWND ScrollBar() const { return reinterpret_cast<HWND>(Message.LParam); }
};

// WM_NCHITTEST: the point is on the screen.
struct TWMNCHitTest : TMessageView {
    using TMessageView::TMessageView;
    TPoint Pos() const { return {GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}; }
};

struct TWMSetCursor : TMessageView {
    using TMessageView::TMessageView;
    HWND CursorWnd() const { return reinterpret_cast<HWND>(Message.WParam); }
    int HitTest() const { return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(Message.LParam))); }
    UINT MouseMsg() const { return HIWORD(static_cast<uintptr_t>(Message.LParam)); }
};

// WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED.
struct TWMWindowPosMsg : TMessageView {
    using TMessageView::TMessageView;
    WINDOWPOS* WindowPos() const { return reinterpret_cast<WINDOWPOS*>(Message.LParam); }
};

// WM_CONTEXTMENU: the window clicked and the screen point, (-1, -1) when
// the menu was asked for from the keyboard.
struct TWMContextMenu : TMessageView {
    using TMessageView::TMessageView;
    HWND hWnd() const { return reinterpret_cast<HWND>(Message.WParam); }
    TPoint Pos() const { return {GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}; }
};

// WM_COMMAND: the notification code, the id and the control that sent it.
struct TWMCommand : TMessageView {
    using TMessageView::TMessageView;
    WORD NotifyCode() const { return HIWORD(Message.WParam); }
    WORD ItemID() const { return LOWORD(Message.WParam); }
    HWND Ctl() const { return reinterpret_cast<HWND>(Message.LParam); }
};

struct TWMNotify : TMessageView {
    using TMessageView::TMessageView;
    NMHDR* NMHdr() const { return reinterpret_cast<NMHDR*>(Message.LParam); }
};

// WM_CTLCOLOR*: the DC the child is about to draw with, and the child.
struct TWMCtlColor : TMessageView {
    using TMessageView::TMessageView;
    HDC ChildDC() const { return reinterpret_cast<HDC>(Message.WParam); }
    HWND ChildWnd() const { return reinterpret_cast<HWND>(Message.LParam); }
};

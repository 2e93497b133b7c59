// TWinControl's message handling: routing mouse messages to window-less
// children, the key pipeline, focus, bounds kept in step with the window,
// cursors and the notifications passed on to children.
#include "platform/gdi/dc_attributes.h"
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/message_queue.h"
#include "platform/win/update_region.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

bool IsClientMouseMessage(UINT Msg)
{
    return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK;
}

}  // namespace

void TWinControl::WndProc(TMessage& Message)
{
    if (DragMessage(this, Message))
        return;
    TAlive alive(this);
    switch (Message.Msg) {
    case WM_SETFOCUS: {
        TWinControl* root = GetParentRoot(this);
        if (root && !root->SetFocusedControl(this))
            return;
        if (!alive)
            return;
        break;
    }
    case WM_KILLFOCUS:
        if (controlState_.Contains(csFocusing))
            return;
        break;
    case WM_NCHITTEST:
        TControl::WndProc(Message);
        if (alive && Message.Result == HTTRANSPARENT &&
            ControlAtPos(ScreenToClient(TWMNCHitTest(Message).Pos()), false))
            Message.Result = HTCLIENT;
        return;
    case WM_MOUSELEAVE:
        MouseLeftWindow(this);
        if (!alive)
            return;
        break;
    case WM_CANCELMODE:
        if (GetCapture() == handle_) {
            TControl* capture = GetCaptureControl();
            if (capture && capture->Parent() == this) {
                capture->Perform(WM_CANCELMODE, 0, 0);
                if (!alive)
                    return;
            }
        }
        break;
    default:
        if (IsClientMouseMessage(Message.Msg)) {
            if (Message.Msg == WM_MOUSEMOVE) {
                TPoint screen = TWMMouse(Message).Pos();
                ::ClientToScreen(handle_, &screen);
                MouseMovedOver(this, screen);
                if (!alive)
                    return;
            }
            if (IsControlMouseMsg(Message)) {
                if (alive && Message.Result == 0 && handle_)
                    DefWindowProc(handle_, Message.Msg, Message.WParam, Message.LParam);
                return;
            }
        }
        break;
    }
    TControl::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message)
{
    TControl* control = nullptr;
    if (handle_ && GetCapture() == handle_) {
        TControl* capture = GetCaptureControl();
        if (capture && capture->Parent() == this)
            control = capture;
    } else {
        control = ControlAtPos(TWMMouse(Message).Pos(), false);
    }
    if (!control)
        return false;
    TWMMouse mouse(Message);
    Message.Result = control->Perform(Message.Msg, Message.WParam,
                                      PointToLParam(mouse.XPos() - control->left_, mouse.YPos() - control->top_));
    return true;
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        WMPaint(Message);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        return;
    case WM_SIZE:
        WMSize(Message);
        return;
    case WM_MOVE:
        WMMove(Message);
        return;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(Message);
        return;
    case WM_WINDOWPOSCHANGING:
        WMWindowPosChanging(Message);
        return;
    case WM_SETCURSOR:
        WMSetCursor(Message);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        WMKeyDown(Message);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        WMKeyUp(Message);
        return;
    case WM_CHAR:
    case WM_SYSCHAR:
        WMChar(Message);
        return;
    case WM_MOUSEWHEEL:
        WMMouseWheel(Message);
        return;
    case WM_NCDESTROY:
        WMNCDestroy(Message);
        return;
    case WM_COMMAND:
        if (!DoControlMsg(TWMCommand(Message).Ctl(), Message))
            DefaultHandler(Message);
        return;
    case WM_NOTIFY: {
        NMHDR* header = TWMNotify(Message).NMHdr();
        if (!header || !DoControlMsg(header->hwndFrom, Message))
            DefaultHandler(Message);
        return;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!DoControlMsg(TWMScroll(Message).ScrollBar(), Message))
            DefaultHandler(Message);
        return;
    case CN_KEYDOWN:
        CNKeyDown(Message);
        return;
    case CN_CHAR:
    case CN_SYSCHAR:
        CNChar(Message);
        return;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(Message);
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(Message);
        return;
    case CM_SHOWINGCHANGED:
        CMShowingChanged(Message);
        return;
    case CM_COLORCHANGED:
        CMColorChanged(Message);
        return;
    case CM_FONTCHANGED:
        CMFontChanged(Message);
        return;
    case CM_CURSORCHANGED:
        CMCursorChanged(Message);
        return;
    case CM_CTL3DCHANGED:
        NotifyControls(CM_PARENTCTL3DCHANGED);
        return;
    case CM_PARENTCTL3DCHANGED:
        CMParentCtl3DChanged(Message);
        return;
    case CM_SHOWHINTCHANGED:
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(Message);
        return;
    case CM_CHILDKEY:
        if (Parent())
            Message.Result = Parent()->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
        return;
    case CM_RECREATEWND:
        CMRecreateWnd(Message);
        return;
    case CM_INVALIDATE:
        if (handle_)
            InvalidateRect(handle_, nullptr, !ControlStyle().Contains(csOpaque));
        return;
    default:
        TControl::Dispatch(Message);
        return;
    }
}

void TWinControl::DefaultHandler(TMessage& Message)
{
    if (!handle_) {
        TControl::DefaultHandler(Message);
        return;
    }
    UINT msg = Message.Msg;
    if (msg == WM_CONTEXTMENU && Parent()) {
        Message.Result = Parent()->Perform(msg, Message.WParam, Message.LParam);
        if (Message.Result != 0)
            return;
    }
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) {
        // The child draws with the colours it answers to its CN_ twin.
        Message.Result = SendMessage(TWMCtlColor(Message).ChildWnd(), CN_BASE + msg, Message.WParam, Message.LParam);
        return;
    }
    if (msg >= CN_CTLCOLORMSGBOX && msg <= CN_CTLCOLORSTATIC) {
        HDC dc = TWMCtlColor(Message).ChildDC();
        SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
        SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(brush_->Color())));
        Message.Result = reinterpret_cast<LRESULT>(brush_->Handle());
        return;
    }
    Message.Result = CallWindowProc(defWndProc_, handle_, msg, Message.WParam, Message.LParam);
}

bool TWinControl::DoControlMsg(HWND ControlHandle, TMessage& Message)
{
    TWinControl* control = FindControl(ControlHandle);
    if (!control || control == this)
        return false;
    Message.Result = control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
    return true;
}

void TWinControl::WMSize(TMessage& Message)
{
    TAlive alive(this);
    UpdateBounds();
    DefaultHandler(Message);
    if (!alive)
        return;
    Realign();
    if (alive && !ComponentState().Contains(csLoading))
        Resize();
}

void TWinControl::WMMove(TMessage& Message)
{
    TAlive alive(this);
    DefaultHandler(Message);
    if (alive)
        UpdateBounds();
}

void TWinControl::WMWindowPosChanged(TMessage& Message)
{
    if (!controlState_.Contains(csDestroyingHandle))
        UpdateBounds();
    DefaultHandler(Message);
}

void TWinControl::WMWindowPosChanging(TMessage& Message)
{
    WINDOWPOS* pos = TWMWindowPosMsg(Message).WindowPos();
    bool busy = ComponentState().Contains(csReading) || ComponentState().Contains(csDestroying);
    // Sizes that SetBounds has checked already are not checked twice.
    if (pos && !busy && !sizingFromBounds_ && !(pos->flags & SWP_NOSIZE)) {
        TAlive alive(this);
        int width = pos->cx;
        int height = pos->cy;
        bool allowed = CheckNewSize(width, height);
        if (!alive)
            return;
        if (allowed) {
            pos->cx = width;
            pos->cy = height;
        } else {
            pos->flags |= SWP_NOSIZE;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMSetCursor(TMessage& Message)
{
    TWMSetCursor cursor(Message);
    if (cursor.CursorWnd() == handle_ && cursor.HitTest() == HTCLIENT) {
        TCursor shape = ControlHooks().ScreenCursor;
        if (shape == crDefault) {
            TPoint point;
            GetCursorPos(&point);
            if (TControl* control = ControlAtPos(ScreenToClient(point), false))
                shape = control->Cursor();
            if (shape == crDefault)
                shape = Cursor();
        }
        if (shape != crDefault) {
            ::SetCursor(CursorHandle(shape));
            Message.Result = 1;
            return;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMMouseWheel(TMessage& Message)
{
    TWMMouseWheel wheel(Message);
    TAlive alive(this);
    auto bits = static_cast<WORD>(KeysToShiftState(wheel.Keys()).Bits());
    Message.Result = Perform(CM_MOUSEWHEEL, MAKEWPARAM(bits, static_cast<WORD>(wheel.WheelDelta())), Message.LParam);
    // CM_MOUSEWHEEL has been up the parents already; only a control without
    // one leaves the wheel to the window below.
    if (alive && Message.Result == 0 && !Parent())
        DefaultHandler(Message);
}

void TWinControl::WMNCDestroy(TMessage& Message)
{
    HWND window = handle_;
    DefaultHandler(Message);
    FreeDeviceContext(window);
    BindControlWindow(window, nullptr);
    handle_ = nullptr;
    showing_ = false;
}

void TWinControl::WMKeyDown(TMessage& Message)
{
    TAlive alive(this);
    // A key the form or a parent took (Tab moving the focus, Ctrl+Tab the
    // page, a shortcut) types nothing into any control, though its
    // character was queued when the key was translated. Taking the key may
    // have freed this control, which the copied handle copes with.
    HWND typedTo = handle_;
    if (Message.Msg == WM_KEYDOWN && Perform(CN_KEYDOWN, Message.WParam, Message.LParam) != 0) {
        DiscardKeyCharacters(typedTo, Message.LParam);
        return;
    }
    if (alive && !DoKeyDown(Message) && alive)
        DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message)
{
    TAlive alive(this);
    if (!DoKeyUp(Message) && alive)
        DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message)
{
    TAlive alive(this);
    UINT twin = Message.Msg == WM_CHAR ? CN_CHAR : CN_SYSCHAR;
    if (Perform(twin, Message.WParam, Message.LParam) != 0 || !alive)
        return;
    if (Message.Msg == WM_SYSCHAR || !DoKeyPress(Message)) {
        if (alive)
            DefaultHandler(Message);
    }
}

void TWinControl::CNKeyDown(TMessage& Message)
{
    TAlive alive(this);
    TWMKey key(Message);
    Message.Result = 1;
    if (Perform(CM_CHILDKEY, key.CharCode(), reinterpret_cast<LPARAM>(this)) != 0 || !alive)
        return;
    LRESULT mask = 0;
    switch (key.CharCode()) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (mask) {
        TWinControl* root = GetParentRoot(this);
        if (Perform(CM_WANTSPECIALKEY, key.CharCode(), key.KeyData()) == 0 && alive &&
            (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 && alive && root &&
            root->Perform(CM_DIALOGKEY, key.CharCode(), key.KeyData()) != 0)
            return;
        if (!alive)
            return;
    }
    Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message)
{
    TAlive alive(this);
    TWMKey key(Message);
    TWinControl* root = GetParentRoot(this);
    Message.Result = 0;
    if (!root)
        return;
    // Alt with a letter is an accelerator; a character a control does not
    // type may be one too.
    if (Message.Msg == CN_SYSCHAR) {
        if (key.CharCode() != VK_SPACE)
            Message.Result = root->Perform(CM_DIALOGCHAR, key.CharCode(), key.KeyData());
        return;
    }
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && alive &&
        root->Perform(CM_DIALOGCHAR, key.CharCode(), key.KeyData()) != 0)
        Message.Result = 1;
}

bool TWinControl::DoKeyUpOrDown(TMessage& Message, bool (TWinControl::*Step)(TMessage&),
                                void (TWinControl::*Handler)(WORD&, TShiftState))
{
    TAlive alive(this);
    TWinControl* root = GetParentRoot(this);
    if (root && root != this && root->KeyPreviewActive() && (root->*Step)(Message))
        return true;
    if (!alive)
        return true;
    if (ControlStyle().Contains(csNoStdEvents))
        return false;
    TWMKey key(Message);
    WORD code = key.CharCode();
    (this->*Handler)(code, KeyDataToShiftState(key.KeyData()));
    key.SetCharCode(code);
    return !alive || code == 0;
}

bool TWinControl::DoKeyDown(TMessage& Message)
{
    return DoKeyUpOrDown(Message, &TWinControl::DoKeyDown, &TWinControl::KeyDown);
}

bool TWinControl::DoKeyUp(TMessage& Message)
{
    return DoKeyUpOrDown(Message, &TWinControl::DoKeyUp, &TWinControl::KeyUp);
}

bool TWinControl::DoKeyPress(TMessage& Message)
{
    TAlive alive(this);
    TWinControl* root = GetParentRoot(this);
    if (root && root != this && root->KeyPreviewActive() && root->DoKeyPress(Message))
        return true;
    if (!alive)
        return true;
    if (ControlStyle().Contains(csNoStdEvents))
        return false;
    TWMKey key(Message);
    auto ch = static_cast<char>(key.CharCode());
    KeyPress(ch);
    key.SetCharCode(static_cast<BYTE>(ch));
    return !alive || ch == 0;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::CMEnabledChanged(TMessage&)
{
    TAlive alive(this);
    if (!Enabled() && Parent())
        RemoveFocus(false);
    if (alive && handle_)
        EnableWindow(handle_, Enabled());
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    TAlive alive(this);
    if (!Visible() && Parent())
        RemoveFocus(false);
    if (alive)
        UpdateControlState();
}

void TWinControl::CMColorChanged(TMessage& Message)
{
    TAlive alive(this);
    TControl::Dispatch(Message);
    if (!alive)
        return;
    brush_->SetColor(Color());
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message)
{
    TAlive alive(this);
    TControl::Dispatch(Message);
    if (alive)
        NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMCursorChanged(TMessage&)
{
    if (!handle_)
        return;
    TPoint point;
    GetCursorPos(&point);
    if (FindDragTarget(point, false) == this)
        Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(handle_), HTCLIENT);
}

void TWinControl::CMParentCtl3DChanged(TMessage& Message)
{
    if (!parentCtl3D_)
        return;
    if (Message.WParam != 0)
        SetCtl3D(Message.LParam != 0);
    else if (Parent())
        SetCtl3D(Parent()->Ctl3D());
    parentCtl3D_ = true;
}

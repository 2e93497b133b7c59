// TControl's message handling: the preprocessing in WndProc, the handlers
// its Dispatch calls, and the drag notifications.
#include "platform/ui/kernel/control.h"

#include "platform/gdi/clipping.h"
#include "platform/gdi/mapping.h"
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/focus.h"

namespace {

bool IsButtonDown(UINT Msg)
{
    return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN;
}

bool IsDoubleClick(UINT Msg)
{
    return Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
}

TMouseButton ButtonOf(UINT Msg)
{
    switch (Msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

}  // namespace

void TControl::WndProc(TMessage& Message)
{
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        if (!controlStyle_.Contains(csDoubleClicks) && IsDoubleClick(Message.Msg))
            Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        switch (Message.Msg) {
        case WM_MOUSEMOVE:
            if (ControlHooks().HintMouseMessage) {
                TAlive alive(this);
                ControlHooks().HintMouseMessage(this, Message);
                if (!alive)
                    return;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (dragMode_ == dmAutomatic) {
                BeginDrag(true);
                return;
            }
            controlState_.Include(csLButtonDown);
            break;
        case WM_LBUTTONUP:
            controlState_.Exclude(csLButtonDown);
            break;
        default:
            break;
        }
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        WMMouseButton(Message);
        return;
    case WM_MOUSEMOVE:
        WMMouseMove(Message);
        return;
    case WM_CANCELMODE:
        WMCancelMode(Message);
        return;
    case WM_CONTEXTMENU:
        WMContextMenu(Message);
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(Message);
        return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        return;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(Message);
        return;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(Message);
        return;
    case CM_PARENTSHOWHINTCHANGED:
        CMParentShowHintChanged(Message);
        return;
    case CM_HINTSHOW:
        CMHintShow(Message);
        return;
    case CM_HITTEST:
        Message.Result = HTCLIENT;
        return;
    case CM_MOUSEWHEEL:
        CMMouseWheel(Message);
        return;
    case CM_DRAG:
        CMDrag(Message);
        return;
    default:
        DefaultHandler(Message);
        return;
    }
}

void TControl::WMMouseButton(TMessage& Message)
{
    TAlive alive(this);
    UINT msg = Message.Msg;
    TMouseButton button = ButtonOf(msg);
    bool up = !IsButtonDown(msg) && !IsDoubleClick(msg);
    if (!up) {
        SendCancelMode();
        if (!alive)
            return;
    }
    DefaultHandler(Message);
    if (!alive)
        return;
    TWMMouse mouse(Message);
    if (!up) {
        bool dbl = IsDoubleClick(msg);
        if (button == mbLeft) {
            if (controlStyle_.Contains(csCaptureMouse))
                SetMouseCapture(true);
            if (dbl && controlStyle_.Contains(csClickEvents))
                DblClick();
            else if (controlStyle_.Contains(csClickEvents))
                controlState_.Include(csClicked);
            if (!alive)
                return;
        }
        if (!controlStyle_.Contains(csNoStdEvents)) {
            TShiftState shift = KeysToShiftState(mouse.Keys());
            if (dbl)
                shift.Include(ssDouble);
            MouseDown(button, shift, mouse.XPos(), mouse.YPos());
        }
        return;
    }
    if (button == mbLeft) {
        if (controlStyle_.Contains(csCaptureMouse))
            SetMouseCapture(false);
        if (controlState_.Contains(csClicked)) {
            controlState_.Exclude(csClicked);
            if (PtInRect(ClientRect(), mouse.Pos()))
                Click();
            if (!alive)
                return;
        }
    }
    if (!controlStyle_.Contains(csNoStdEvents))
        MouseUp(button, KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseMove(TMessage& Message)
{
    TAlive alive(this);
    DefaultHandler(Message);
    if (!alive || controlStyle_.Contains(csNoStdEvents))
        return;
    TWMMouse mouse(Message);
    MouseMove(KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMCancelMode(TMessage& Message)
{
    TAlive alive(this);
    DefaultHandler(Message);
    if (!alive)
        return;
    if (MouseCapture()) {
        SetMouseCapture(false);
        // The press that the capture was tracking ends off the control.
        if (controlState_.Contains(csLButtonDown))
            Perform(WM_LBUTTONUP, 0, PointToLParam(-1, -1));
    } else {
        controlState_.Exclude(csLButtonDown);
    }
}

void TControl::WMContextMenu(TMessage& Message)
{
    if (Message.Result != 0)
        return;
    TAlive alive(this);
    TWMContextMenu menu(Message);
    TPoint screen = menu.Pos();
    bool fromKeyboard = screen.X == -1 && screen.Y == -1;
    TPoint local = screen;
    if (!fromKeyboard) {
        local = ScreenToClient(screen);
        if (!PtInRect(ClientRect(), local)) {
            DefaultHandler(Message);
            return;
        }
    }
    bool handled = false;
    DoContextPopup(local, handled);
    if (!alive)
        return;
    Message.Result = handled;
    if (handled)
        return;
    if (popupMenu_ && ControlHooks().PopupContextMenu) {
        SendCancelMode();
        if (!alive)
            return;
        if (fromKeyboard)
            screen = ClientToScreen(Point(0, 0));
        if (ControlHooks().PopupContextMenu(this, popupMenu_, screen))
            Message.Result = 1;
        if (!alive)
            return;
    }
    if (Message.Result == 0)
        DefaultHandler(Message);
}

void TControl::CMVisibleChanged(TMessage&)
{
    InvalidateControl(true, visible_ && controlStyle_.Contains(csOpaque));
}

void TControl::CMParentFontChanged(TMessage& Message)
{
    if (!parentFont_)
        return;
    if (Message.WParam != 0)
        SetFont(reinterpret_cast<TFont*>(Message.LParam));
    else if (parent_)
        SetFont(parent_->Font());
    parentFont_ = true;
}

void TControl::CMParentColorChanged(TMessage& Message)
{
    if (!parentColor_)
        return;
    if (Message.WParam != 0)
        SetColor(static_cast<TColor>(Message.LParam));
    else if (parent_)
        SetColor(parent_->Color());
    parentColor_ = true;
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (!parentShowHint_ || !parent_)
        return;
    SetShowHint(parent_->ShowHint());
    parentShowHint_ = true;
}

void TControl::CMMouseWheel(TMessage& Message)
{
    TCMMouseWheel wheel(Message);
    TAlive alive(this);
    Message.Result = 0;
    if (DoMouseWheel(wheel.ShiftState(), wheel.WheelDelta(), wheel.Pos()))
        Message.Result = 1;
    else if (alive && parent_)
        Message.Result = parent_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TControl::CMDrag(TMessage& Message)
{
    auto* drag = reinterpret_cast<TDragRec*>(Message.LParam);
    if (!drag)
        return;
    TPoint local = ScreenToClient(drag->Pos);
    switch (static_cast<TDragMessage>(Message.WParam)) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
        static constexpr TDragState states[] = {dsDragEnter, dsDragLeave, dsDragMove};
        bool accept = false;
        DragOver(drag->Source, local.X, local.Y, states[Message.WParam], accept);
        Message.Result = accept;
        return;
    }
    case dmDragDrop:
        DragDrop(drag->Source, local.X, local.Y);
        return;
    default:
        return;
    }
}

void TControl::SendCancelMode()
{
    TWinControl* focused = FindControl(GetFocus());
    if (focused && focused != this)
        focused->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
}

void TControl::DoStartDrag()
{
    if (OnStartDrag)
        OnStartDrag(this);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y)
{
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = false;
    if (OnDragOver) {
        Accept = true;
        OnDragOver(this, Source, X, Y, State, Accept);
    }
}

void TControl::DragDrop(TObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

HDC TControl::GetDeviceContext(HWND& WindowHandle)
{
    if (!parent_)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    HDC dc = parent_->GetDeviceContext(WindowHandle);
    SetViewportOrgEx(dc, left_, top_, nullptr);
    IntersectClipRect(dc, 0, 0, width_, height_);
    return dc;
}

#include "skin/form/bs_form_layer_window.h"

#include <algorithm>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/keyboard.h"
#include "platform/win/mouse_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_skin_colors.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_skin_form.h"

namespace {

void RegisterLayerWindowClass(WNDPROC Proc)
{
    static const bool registered = [Proc] {
        WNDCLASSEX c;
        c.style = CS_DBLCLKS;
        c.lpfnWndProc = Proc;
        c.lpszClassName = TbsFormLayerWindow::ClassName;
        return RegisterClassEx(c) != 0;
    }();
    (void)registered;
}

const char* ZoneCursor(TbsLayerZone Zone)
{
    switch (Zone) {
    case lzLeft:
    case lzRight:
        return IDC_SIZEWE;
    case lzTop:
    case lzBottom:
        return IDC_SIZENS;
    case lzTopLeft:
    case lzBottomRight:
        return IDC_SIZENWSE;
    case lzTopRight:
    case lzBottomLeft:
        return IDC_SIZENESW;
    default:
        return IDC_ARROW;
    }
}

bool SizesLeft(TbsLayerZone Z) { return Z == lzLeft || Z == lzTopLeft || Z == lzBottomLeft; }
bool SizesRight(TbsLayerZone Z) { return Z == lzRight || Z == lzTopRight || Z == lzBottomRight; }
bool SizesTop(TbsLayerZone Z) { return Z == lzTop || Z == lzTopLeft || Z == lzTopRight; }
bool SizesBottom(TbsLayerZone Z) { return Z == lzBottom || Z == lzBottomLeft || Z == lzBottomRight; }

// The form's size limits as its frame answers them.
MINMAXINFO FormLimits(HWND Form)
{
    MINMAXINFO info{};
    SendMessage(Form, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

}  // namespace

TbsFormLayerWindow::TbsFormLayerWindow(TbsFormLayerBorder* Border, TbsLayerSide Side, const TRect& Bounds,
                                       bool ClickThrough)
    : border_(Border), side_(Side)
{
    RegisterLayerWindowClass(&TbsFormLayerWindow::WindowProc);
    DWORD exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (ClickThrough ? WS_EX_TRANSPARENT : 0);
    handle_ = CreateWindowEx(exStyle, ClassName, "", WS_POPUP, Bounds.Left, Bounds.Top, std::max(1, Bounds.Width()),
                             std::max(1, Bounds.Height()), nullptr, 0, nullptr);
    SetWindowLongPtr(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TbsFormLayerWindow::~TbsFormLayerWindow()
{
    if (GetCapture() == handle_)
        ReleaseCapture();
    SetWindowLongPtr(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

LRESULT TbsFormLayerWindow::WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    auto* self = reinterpret_cast<TbsFormLayerWindow*>(GetWindowLongPtr(Window, GWLP_USERDATA));
    if (!self)
        return DefWindowProc(Window, Message, WParam, LParam);
    return self->Dispatch(Message, WParam, LParam);
}

TPoint TbsFormLayerWindow::ScreenPoint(LPARAM LParam) const
{
    TRect r;
    GetWindowRect(handle_, &r);
    return {r.Left + GET_X_LPARAM(LParam), r.Top + GET_Y_LPARAM(LParam)};
}

LRESULT TbsFormLayerWindow::Dispatch(UINT Message, WPARAM WParam, LPARAM LParam)
{
    switch (Message) {
    case WM_MOUSEACTIVATE:
        // The form is activated instead; the border never is.
        if (border_->LayerFrame()->HitTestEnable && !border_->Form()->Active())
            SetForegroundWindow(border_->Form()->Handle());
        return MA_NOACTIVATE;
    case WM_SETFOCUS:
        if (!border_->Form()->Active())
            SetForegroundWindow(border_->Form()->Handle());
        return 0;
    case WM_SETCURSOR:
        if (SetZoneCursor())
            return 1;
        break;
    case WM_LBUTTONDOWN:
        MouseDown(ScreenPoint(LParam), false);
        return 0;
    case WM_LBUTTONDBLCLK:
        MouseDown(ScreenPoint(LParam), true);
        return 0;
    case WM_MOUSEMOVE:
        MouseMove(ScreenPoint(LParam));
        return 0;
    case WM_LBUTTONUP:
        EndDrag();
        ReleaseObject(ScreenPoint(LParam));
        return 0;
    case WM_MOUSELEAVE:
        if (CarriesCaption())
            border_->LeaveObjects();
        return 0;
    case WM_CANCELMODE:
        EndDrag();
        return 0;
    default:
        break;
    }
    return DefWindowProc(handle_, Message, WParam, LParam);
}

bool TbsFormLayerWindow::SetZoneCursor()
{
    TPoint p;
    GetCursorPos(&p);
    TbsLayerZone zone = dragging_ ? zone_ : border_->HitZone(side_, p);
    SetCursor(LoadCursor(nullptr, ZoneCursor(zone)));
    return true;
}

void TbsFormLayerWindow::MouseDown(TPoint P, bool Double)
{
    TbsSkinForm* frame = border_->Frame();
    if (frame->SkinMenu()->ChainOpen())
        frame->SkinMenu()->CloseMenu();
    // As a press on the form's own frame does, a press here takes a
    // button's hint away, also one still waiting for its delay.
    border_->HideObjectHint();
    TCustomForm* form = border_->Form();
    if (TWinControl* active = form->ActiveControl())
        active->Perform(CM_CANCELMODE, 0, 0);
    if (!border_->LayerFrame()->HitTestEnable)
        return;
    zone_ = border_->HitZone(side_, P);
    if (Double) {
        DoubleClick();
        return;
    }
    if (CarriesCaption() && border_->PointedObject() != -1) {
        bool taken = border_->PressObject(border_->StripPoint(P));
        if (taken) {
            // The release must come back here wherever the cursor goes.
            SetCapture(handle_);
            return;
        }
    }
    bool sizing = zone_ >= lzLeft && zone_ <= lzBottomRight;
    if ((sizing || zone_ == lzCaption) && frame->FormState != wsMaximized) {
        dragging_ = true;
        cursor_ = P;
        pressCursor_ = P;
        GetWindowRect(form->Handle(), &pressBounds_);
        SetCapture(handle_);
        // The frame treats the drag as its own move or size loop (a move
        // starts with no magnetic edge stuck).
        SendMessage(form->Handle(), WM_ENTERSIZEMOVE, 0, 0);
    }
}

void TbsFormLayerWindow::MouseMove(TPoint P)
{
    if (CarriesCaption() && !dragging_) {
        border_->TrackObjects(border_->StripPoint(P));
        border_->WatchLeave();
        // The leave message lets the objects go at once; the timer is
        // there for a cursor that left without it.
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = handle_;
        TrackMouseEvent(&track);
    }
    if (!dragging_ || inDrag_)
        return;
    if (!(GetKeyState(VK_LBUTTON) & 0x8000)) {
        EndDrag();
        return;
    }
    inDrag_ = true;
    DragTo(P);
    inDrag_ = false;
}

// One step of a drag: the form's edges under the press follow the cursor's
// move since the last step, within the frame's size limits; an edge whose
// limit is reached stays, and grows again only once the cursor is back
// beyond it.
void TbsFormLayerWindow::DragTo(TPoint P)
{
    TCustomForm* form = border_->Form();
    TRect r;
    GetWindowRect(form->Handle(), &r);
    int dx = P.X - cursor_.X;
    int dy = P.Y - cursor_.Y;
    cursor_ = P;
    if (dx == 0 && dy == 0)
        return;
    if (zone_ == lzCaption) {
        // The form goes where the press would take it; a magnetic frame
        // may hold it at a work-area edge for a while.
        int x = pressBounds_.Left + P.X - pressCursor_.X;
        int y = pressBounds_.Top + P.Y - pressCursor_.Y;
        TbsSkinForm* frame = border_->Frame();
        if (frame->Magnetic)
            frame->MagneticMove(x, y, r.Width(), r.Height());
        form->SetBounds(x, y, r.Width(), r.Height());
        return;
    }
    const TbsLayerMetrics& m = border_->Metrics();
    int s = border_->LayerFrame()->HitTestSize;
    MINMAXINFO limits = FormLimits(form->Handle());
    TRect n = r;
    if (SizesLeft(zone_) && !(dx < 0 && P.X > r.Left - m.LeftMargin + s)) {
        int w = DraggedSize(r.Width(), -dx, limits.ptMinTrackSize.X, limits.ptMaxTrackSize.X);
        n.Left = r.Right - w;
    }
    if (SizesRight(zone_) && !(dx > 0 && P.X < r.Right + m.RightMargin - s))
        n.Right = r.Left + DraggedSize(r.Width(), dx, limits.ptMinTrackSize.X, limits.ptMaxTrackSize.X);
    if (SizesTop(zone_) && !(dy < 0 && P.Y > r.Top - m.TopMargin + s)) {
        int h = DraggedSize(r.Height(), -dy, limits.ptMinTrackSize.Y, limits.ptMaxTrackSize.Y);
        n.Top = r.Bottom - h;
    }
    if (SizesBottom(zone_) && !(dy > 0 && P.Y < r.Bottom + m.BottomMargin - s))
        n.Bottom = r.Top + DraggedSize(r.Height(), dy, limits.ptMinTrackSize.Y, limits.ptMaxTrackSize.Y);
    if (n == r)
        return;
    form->SetBounds(n.Left, n.Top, n.Width(), n.Height());
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Application->ProcessMessages();
}

bool TbsFormLayerWindow::CarriesCaption() const
{
    return side_ == TbsLayerSide::Top && border_->CarriesCaption();
}

void TbsFormLayerWindow::ReleaseObject(TPoint P)
{
    if (!CarriesCaption() || border_->PressedObject() == -1)
        return;
    if (GetCapture() == handle_)
        ReleaseCapture();
    TPoint strip = border_->StripPoint(P);
    // The object's command may close the form and free this window.
    border_->ReleaseObject(strip);
}

void TbsFormLayerWindow::EndDrag()
{
    if (GetCapture() == handle_)
        ReleaseCapture();
    if (!dragging_)
        return;
    dragging_ = false;
    SendMessage(border_->Form()->Handle(), WM_EXITSIZEMOVE, 0, 0);
}

// A double click on the caption maximizes or restores a sizable frame and
// rolls any other up or down, as the frame's own caption does.
void TbsFormLayerWindow::DoubleClick()
{
    if (zone_ == lzCaptionObject) {
        border_->DoubleClickObject();
        return;
    }
    if (zone_ != lzCaption)
        return;
    TbsSkinForm* frame = border_->Frame();
    if (frame->CanSize() && frame->FormState == wsMinimized)
        frame->SetWindowState(wsNormal);
    else if (frame->CanSize() && frame->FormState != wsMaximized && !frame->RollUpState() &&
             frame->BorderIcons().Contains(TbsBorderIcon::biMaximize))
        frame->SetWindowState(wsMaximized);
    else if (frame->CanSize() && frame->FormState == wsMaximized && !frame->RollUpState())
        frame->SetWindowState(wsNormal);
    else
        frame->SetRollUpState(!frame->RollUpState());
}

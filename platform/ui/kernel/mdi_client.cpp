// TMDIClient: the client window of a multiple-document form and the
// activation among its child forms.
#include "platform/ui/kernel/mdi_client.h"

#include <algorithm>

#include "platform/gdi/clipping.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/regions.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/cursor.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

constexpr const char* ClientClassName = "TandrilMDIClient";

LRESULT ClientWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message != WM_ERASEBKGND)
        return DefWindowProc(Window, Message, WParam, LParam);
    HDC dc = reinterpret_cast<HDC>(WParam);
    TRect box;
    if (GetClipBox(dc, &box) == ERROR)
        return 0;
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clAppWorkSpace)));
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    return 1;
}

void RegisterClientClass()
{
    if (FindWindowClass(ClientClassName))
        return;
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = WNDPROC(&ClientWndProc);
    windowClass.lpszClassName = ClientClassName;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(windowClass);
}

}  // namespace

TRect AlignedClientArea(TWinControl& Parent)
{
    TRect client = Parent.ClientRect();
    TRect area = Rect(0, 0, client.Width(), client.Height());
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        TControl* control = Parent.Controls(i);
        if (!control->Visible())
            continue;
        TRect bounds = control->BoundsRect();
        switch (control->Align()) {
        case alTop:
            area.Top = std::max(area.Top, bounds.Bottom);
            break;
        case alBottom:
            area.Bottom = std::min(area.Bottom, bounds.Top);
            break;
        case alLeft:
            area.Left = std::max(area.Left, bounds.Right);
            break;
        case alRight:
            area.Right = std::min(area.Right, bounds.Left);
            break;
        default:
            break;
        }
    }
    return area;
}

TMDIClient::TMDIClient(TCustomForm& Form) : form_(Form)
{
    RegisterClientClass();
    TRect area = AlignedClientArea(Form);
    handle_ = CreateWindowEx(WS_EX_CLIENTEDGE, ClientClassName, "",
                             WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, area.Left, area.Top,
                             area.Width(), area.Height(), Form.Handle(), 0, nullptr);
}

TMDIClient::~TMDIClient()
{
    if (handle_ && IsWindow(handle_))
        DestroyWindow(handle_);
}

void TMDIClient::Place()
{
    TRect area = AlignedClientArea(form_);
    SetWindowPos(handle_, HWND_BOTTOM, area.Left, area.Top, std::max(area.Width(), 0), std::max(area.Height(), 0),
                 SWP_NOACTIVATE);
}

std::vector<TCustomForm*> TMDIClient::Children() const
{
    std::vector<TCustomForm*> children;
    for (HWND w = GetWindow(handle_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(w)); form && form->FormStyle() == fsMDIChild)
            children.push_back(form);
    return children;
}

void TMDIClient::Activate(TCustomForm* Child)
{
    if (Child == active_)
        return;
    TCustomForm* old = active_;
    active_ = Child;
    if (old)
        old->MDIActivated(false);
    // The handlers of the old child may have picked another one already.
    if (Child && active_ == Child) {
        SetWindowPos(Child->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Child->MDIActivated(true);
    }
}

void TMDIClient::Next()
{
    std::vector<TCustomForm*> children = Children();
    auto shown = [](TCustomForm* f) { return IsWindowVisible(f->Handle()); };
    auto next = std::find_if(children.begin(), children.end(), [&](TCustomForm* f) { return f != active_ && shown(f); });
    if (next == children.end())
        return;
    TCustomForm* old = active_;
    Activate(*next);
    if (old && IsWindow(old->Handle()))
        SetWindowPos(old->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMDIClient::ChildHidden(TCustomForm* Child)
{
    if (Child != active_)
        return;
    for (TCustomForm* other : Children())
        if (other != Child && IsWindowVisible(other->Handle())) {
            Activate(other);
            return;
        }
    Activate(nullptr);
}

#include "platform/ui/kernel/hint_window.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

constexpr unsigned HintTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

THintWindow* NewHintWindow(TComponent* AOwner)
{
    return new THintWindow(AOwner);
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
    SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
    Params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const AnsiString& Hint, void*)
{
    TRect rect = Rect(0, 0, MaxWidth, 0);
    Canvas()->Font()->Assign(Font());
    DrawText(Canvas()->Handle(), Hint.c_str(), static_cast<int>(Hint.size()), &rect, DT_CALCRECT | HintTextFormat);
    // Room for the border and the text's margins.
    rect.Right += 6;
    rect.Bottom += 2;
    return rect;
}

void THintWindow::ActivateHint(const TRect& Rect, const AnsiString& Hint)
{
    SetCaption(Hint);
    SetBoundsRect(Rect);
    SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ActivateHintData(const TRect& Rect, const AnsiString& Hint, void*)
{
    ActivateHint(Rect, Hint);
}

void THintWindow::ReleaseHandle()
{
    DestroyHandle();
}

bool THintWindow::IsHintMsg(const MSG& Msg)
{
    switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_CANCELMODE:
        return HandleAllocated() && IsWindowVisible(Handle());
    default:
        return false;
    }
}

void THintWindow::Paint()
{
    TRect rect = ClientRect();
    InflateRect(rect, -2, 0);
    rect.Top += 1;
    Canvas()->Font()->Assign(Font());
    Canvas()->Brush()->SetStyle(bsClear);
    AnsiString text = Caption();
    DrawText(Canvas()->Handle(), text.c_str(), static_cast<int>(text.size()), &rect, HintTextFormat);
}

void THintWindow::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_NCHITTEST) {
        // The mouse passes through to what lies below.
        Message.Result = HTTRANSPARENT;
        return;
    }
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(Message);
}

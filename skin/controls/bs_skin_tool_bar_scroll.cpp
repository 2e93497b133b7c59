// The tool bar's scroll buttons: their place in the non-client area, hit
// codes, mouse handling, the scroll and hover timers and their looks.
#include "platform/gdi/device_context.h"
#include "platform/win/cursor.h"
#include "platform/win/timers.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/data/bs_draw_utils.h"

namespace {

constexpr int kButtonWidth = 12;
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT_PTR kHoverTimer = 2;
constexpr UINT kHoverInterval = 100;
// The private hit codes of the left and right scroll buttons.
constexpr LRESULT kLeftButtonHit = 119;
constexpr LRESULT kRightButtonHit = 120;

}  // namespace

TbsDataSkinButtonControl* TbsSkinToolBar::ResizeButtonDescription() const
{
    TbsSkinData* data = SkinData();
    if (!data || data->Empty)
        return nullptr;
    int index = data->FindControlDescription("resizebutton");
    return index == -1 ? nullptr : dynamic_cast<TbsDataSkinButtonControl*>(data->ControlList[index].get());
}

void TbsSkinToolBar::StartScrollTimer(int Direction)
{
    timerDirection_ = Direction;
    KillTimer(Handle(), kScrollTimer);
    SetTimer(Handle(), kScrollTimer, static_cast<UINT>(scrollTimerInterval_));
}

void TbsSkinToolBar::StopScrollTimer()
{
    if (timerDirection_ != 0 && HandleAllocated())
        KillTimer(Handle(), kScrollTimer);
    timerDirection_ = 0;
}

void TbsSkinToolBar::RepaintFrame()
{
    if (HandleAllocated())
        SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TbsSkinToolBar::StopHoverCheck()
{
    if (hover_ && HandleAllocated())
        KillTimer(Handle(), kHoverTimer);
    hover_ = false;
}

void TbsSkinToolBar::HoverTick()
{
    TPoint cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == Handle())
        return;
    StopHoverCheck();
    if (left_.Visible && left_.MouseIn)
        left_.MouseIn = false;
    else if (right_.Visible && right_.MouseIn)
        right_.MouseIn = false;
    StopScrollTimer();
    RepaintFrame();
}

// A button's look: the "resizebutton" description in the state the mouse
// gives it, or the plain small-button look, with the arrow centred.
void TbsSkinToolBar::DrawScrollButton(TCanvas* Canvas, const TScrollButton& Button, bool Left)
{
    int w = Button.Rect.Width();
    int h = Button.Rect.Height();
    if (w < 1 || h < 1)
        return;
    TBitmap image;
    image.SetSize(w, h);
    TCanvas* c = image.Canvas();
    bool pressedLook = Button.MouseIn && (Button.Down || HotScroll);
    TColor arrow = clBtnText;
    if (TbsDataSkinButtonControl* description = ResizeButtonDescription()) {
        TRect source = description->SkinRect;
        arrow = description->FontColor;
        if (pressedLook && !IsNullRect(description->DownSkinRect)) {
            source = description->DownSkinRect;
            arrow = description->DownFontColor;
        } else if (Button.MouseIn && !IsNullRect(description->ActiveSkinRect)) {
            source = description->ActiveSkinRect;
            arrow = description->ActiveFontColor;
        }
        TbsSkinCustomImage skin;
        skin.TakeDescription(description, *SkinData());
        int iw = w;
        int ih = h;
        skin.LayOut(iw, ih, true);
        skin.DrawImage(&image, skin.Picture, source, w, h, false);
    } else {
        DrawPlainButton(c, Rect(0, 0, w, h),
                        pressedLook      ? TbsPlainLook::Pressed
                        : Button.MouseIn ? TbsPlainLook::Hot
                                         : TbsPlainLook::Normal,
                        true);
    }
    DrawArrowImage(c, Rect(0, 0, w, h), arrow, Left ? 1 : 2);
    Canvas->Draw(Button.Rect.Left, Button.Rect.Top, &image);
}

void TbsSkinToolBar::PaintScrollButtons()
{
    HWND window = Handle();
    HDC dc = GetWindowDC(window);
    TCanvas canvas;
    canvas.SetHandle(dc);
    if (left_.Visible)
        DrawScrollButton(&canvas, left_, true);
    if (right_.Visible)
        DrawScrollButton(&canvas, right_, false);
    canvas.SetHandle(nullptr);
    ReleaseDC(window, dc);
}

// The body while the buttons show over a skin of kept left and right parts:
// only the right part stays fixed, the rest is the middle, so the left part
// never sits under the left button.
void TbsSkinToolBar::PaintSkinImage(TBitmap* Bitmap)
{
    if (!left_.Visible || ResizeMode != rmHorizontal || !Picture) {
        TbsSkinPanel::PaintSkinImage(Bitmap);
        return;
    }
    int leftOffset = LeftTopPoint.X;
    int rightOffset = SkinRect.Width() - RightTopPoint.X;
    TRect source = SkinRect;
    source.Left += leftOffset;
    CreateHSkinImage(0, rightOffset, Bitmap, Picture, source, Width(), Height(), StretchEffect);
}

// The scroll buttons' messages; true when one was taken.
bool TbsSkinToolBar::NonClientMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        TAlive alive(this);
        TbsSkinPanel::Dispatch(Message);
        if (!alive)
            return true;
        GetSkinData();
        TRect* client = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                       : reinterpret_cast<TRect*>(Message.LParam);
        if (left_.Visible)
            client->Left += kButtonWidth;
        if (right_.Visible)
            client->Right -= kButtonWidth;
        return true;
    }
    case WM_SIZE: {
        TAlive alive(this);
        TbsSkinPanel::Dispatch(Message);
        if (!alive || !left_.Visible)
            return true;
        left_.Rect = Rect(0, 0, kButtonWidth, Height());
        right_.Rect = Rect(Width() - kButtonWidth, 0, Width(), Height());
        RepaintFrame();
        return true;
    }
    case WM_NCPAINT:
        TbsSkinPanel::Dispatch(Message);
        if (left_.Visible || right_.Visible)
            PaintScrollButtons();
        return true;
    case WM_NCHITTEST: {
        if (Designing())
            return false;
        if (!hover_ && left_.Visible) {
            hover_ = true;
            SetTimer(Handle(), kHoverTimer, kHoverInterval);
        }
        TPoint p = ScreenToClient(Point(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
        if (p.X < 0 && left_.Visible)
            Message.Result = kLeftButtonHit;
        else if (p.X >= ClientWidth() && right_.Visible)
            Message.Result = kRightButtonHit;
        else
            TbsSkinPanel::Dispatch(Message);
        return true;
    }
    case WM_SETCURSOR: {
        auto hit = static_cast<LRESULT>(static_cast<short>(LOWORD(Message.LParam)));
        if (hit == kLeftButtonHit || hit == kRightButtonHit)
            Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
        TbsSkinPanel::Dispatch(Message);
        return true;
    }
    case WM_NCMOUSEMOVE: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        TScrollButton& button = hit == kLeftButtonHit ? left_ : right_;
        TScrollButton& other = hit == kLeftButtonHit ? right_ : left_;
        if ((hit != kLeftButtonHit && hit != kRightButtonHit) || button.MouseIn)
            return false;
        button.MouseIn = true;
        other.MouseIn = false;
        RepaintFrame();
        if (HotScroll)
            StartScrollTimer(hit == kLeftButtonHit ? 1 : 2);
        return true;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        if (hit != kLeftButtonHit && hit != kRightButtonHit)
            return false;
        (hit == kLeftButtonHit ? left_ : right_).Down = true;
        RepaintFrame();
        StartScrollTimer(hit == kLeftButtonHit ? 1 : 2);
        return true;
    }
    case WM_NCLBUTTONUP: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        if (hit != kLeftButtonHit && hit != kRightButtonHit)
            return false;
        (hit == kLeftButtonHit ? left_ : right_).Down = false;
        RepaintFrame();
        StopScrollTimer();
        ScrollStep(hit == kLeftButtonHit ? 1 : 2);
        return true;
    }
    case WM_MOUSEMOVE:
        if (left_.MouseIn || right_.MouseIn) {
            (left_.MouseIn ? left_ : right_).MouseIn = false;
            StopScrollTimer();
            RepaintFrame();
        }
        return false;
    case WM_TIMER:
        if (Message.WParam == kScrollTimer) {
            if (timerDirection_ != 0)
                ScrollStep(timerDirection_);
            return true;
        }
        if (Message.WParam == kHoverTimer) {
            HoverTick();
            return true;
        }
        return false;
    case WM_DESTROY:
        KillTimer(Handle(), kScrollTimer);
        KillTimer(Handle(), kHoverTimer);
        timerDirection_ = 0;
        hover_ = false;
        return false;
    default:
        return false;
    }
}

void TbsSkinToolBar::Dispatch(TMessage& Message)
{
    if (canScroll_ && NonClientMessage(Message))
        return;
    TbsSkinPanel::Dispatch(Message);
}

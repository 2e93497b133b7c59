#include "skin/controls/bs_nc_scroll_buttons.h"

#include "platform/gdi/device_context.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/cursor.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_data.h"

namespace {

constexpr int kButtonSize = 12;
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT_PTR kHoverTimer = 2;
constexpr UINT kHoverInterval = 100;
// The private hit codes of the first (left, top) and the second button.
constexpr LRESULT kFirstHit = 119;
constexpr LRESULT kSecondHit = 120;

bool IsButtonHit(LRESULT Hit) { return Hit == kFirstHit || Hit == kSecondHit; }

int DirectionOf(LRESULT Hit) { return Hit == kFirstHit ? 1 : 2; }

}  // namespace

TbsNCScrollButtons::TbsNCScrollButtons(TWinControl* Owner, bool Vertical, const bool& HotScroll, const int& Interval,
                                       std::function<void(int)> Step)
    : owner_(Owner), vertical_(Vertical), hotScroll_(HotScroll), interval_(Interval), step_(std::move(Step))
{
}

void TbsNCScrollButtons::SetVisible(bool Value)
{
    first_ = second_ = TButton{};
    first_.Visible = second_.Visible = Value;
    StopHoverWatch();
    StopRepeat();
}

void TbsNCScrollButtons::StartRepeat(int Direction)
{
    direction_ = Direction;
    KillTimer(owner_->Handle(), kRepeatTimer);
    SetTimer(owner_->Handle(), kRepeatTimer, static_cast<UINT>(interval_));
}

void TbsNCScrollButtons::StopRepeat()
{
    if (direction_ != 0 && owner_->HandleAllocated())
        KillTimer(owner_->Handle(), kRepeatTimer);
    direction_ = 0;
}

void TbsNCScrollButtons::StopHoverWatch()
{
    if (watching_ && owner_->HandleAllocated())
        KillTimer(owner_->Handle(), kHoverTimer);
    watching_ = false;
}

// The mouse left the window without a move over it that said so.
void TbsNCScrollButtons::HoverTick()
{
    TPoint cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == owner_->Handle())
        return;
    StopHoverWatch();
    bool hot = first_.MouseIn || second_.MouseIn;
    first_.MouseIn = second_.MouseIn = false;
    StopRepeat();
    if (hot)
        RepaintFrame();
}

void TbsNCScrollButtons::RepaintFrame()
{
    if (owner_->HandleAllocated())
        SendMessage(owner_->Handle(), WM_NCPAINT, 1, 0);
}

void TbsNCScrollButtons::TakeRoom(TRect& Client) const
{
    if (!first_.Visible)
        return;
    (vertical_ ? Client.Top : Client.Left) += kButtonSize;
    (vertical_ ? Client.Bottom : Client.Right) -= kButtonSize;
}

void TbsNCScrollButtons::Place()
{
    if (!first_.Visible)
        return;
    int w = owner_->Width();
    int h = owner_->Height();
    if (vertical_) {
        first_.Rect = Rect(0, 0, w, kButtonSize);
        second_.Rect = Rect(0, h - kButtonSize, w, h);
    } else {
        first_.Rect = Rect(0, 0, kButtonSize, h);
        second_.Rect = Rect(w - kButtonSize, 0, w, h);
    }
    RepaintFrame();
}

void TbsNCScrollButtons::DrawButton(TCanvas* Canvas, const TButton& Button, bool First, TbsSkinData* Data,
                                    const char* DescriptionName) const
{
    int w = Button.Rect.Width();
    int h = Button.Rect.Height();
    if (w < 1 || h < 1)
        return;
    TBitmap image;
    image.SetSize(w, h);
    TCanvas* c = image.Canvas();
    bool pressedLook = Button.MouseIn && (Button.Down || hotScroll_);
    TColor arrow = clBtnText;
    int index = Data && !Data->Empty ? Data->FindControlDescription(DescriptionName) : -1;
    auto* description =
        index == -1 ? nullptr : dynamic_cast<TbsDataSkinButtonControl*>(Data->ControlList[index].get());
    if (description) {
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
        skin.TakeDescription(description, *Data);
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
    int kind = vertical_ ? (First ? 3 : 4) : (First ? 1 : 2);
    DrawArrowImage(c, Rect(0, 0, w, h), arrow, kind);
    Canvas->Draw(Button.Rect.Left, Button.Rect.Top, &image);
}

void TbsNCScrollButtons::Paint(HDC DC, TbsSkinData* Data, const char* DescriptionName) const
{
    if (!first_.Visible)
        return;
    TCanvas canvas;
    canvas.SetHandle(DC);
    DrawButton(&canvas, first_, true, Data, DescriptionName);
    DrawButton(&canvas, second_, false, Data, DescriptionName);
    canvas.SetHandle(nullptr);
}

void TbsNCScrollButtons::PaintOnWindow(TbsSkinData* Data, const char* DescriptionName) const
{
    if (!first_.Visible)
        return;
    HWND window = owner_->Handle();
    HDC dc = GetWindowDC(window);
    Paint(dc, Data, DescriptionName);
    ReleaseDC(window, dc);
}

int TbsNCScrollButtons::HitCode(TPoint Screen) const
{
    TPoint p = owner_->ScreenToClient(Screen);
    int along = vertical_ ? p.Y : p.X;
    if (along < 0 && first_.Visible)
        return kFirstHit;
    if (along >= (vertical_ ? owner_->ClientHeight() : owner_->ClientWidth()) && second_.Visible)
        return kSecondHit;
    return 0;
}

bool TbsNCScrollButtons::Message(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCHITTEST: {
        if (owner_->ComponentState().Contains(csDesigning))
            return false;
        if (!watching_ && first_.Visible) {
            watching_ = true;
            SetTimer(owner_->Handle(), kHoverTimer, kHoverInterval);
        }
        int code = HitCode(Point(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
        if (code == 0)
            return false;
        Message.Result = code;
        return true;
    }
    case WM_SETCURSOR:
        // The owner sets its own cursor over the buttons.
        if (IsButtonHit(static_cast<short>(LOWORD(Message.LParam))))
            Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
        return false;
    case WM_NCMOUSEMOVE: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        if (!IsButtonHit(hit))
            return false;
        TButton& button = hit == kFirstHit ? first_ : second_;
        if (button.MouseIn)
            return true;
        button.MouseIn = true;
        (hit == kFirstHit ? second_ : first_).MouseIn = false;
        RepaintFrame();
        if (hotScroll_)
            StartRepeat(DirectionOf(hit));
        return true;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        if (!IsButtonHit(hit))
            return false;
        bool press = Message.Msg != WM_NCLBUTTONUP;
        (hit == kFirstHit ? first_ : second_).Down = press;
        RepaintFrame();
        // A press repeats on the timer; the release steps once more.
        if (press) {
            StartRepeat(DirectionOf(hit));
        } else {
            StopRepeat();
            step_(DirectionOf(hit));
        }
        return true;
    }
    case WM_MOUSEMOVE:
        if (first_.MouseIn || second_.MouseIn) {
            first_.MouseIn = second_.MouseIn = false;
            StopRepeat();
            RepaintFrame();
        }
        return false;
    case WM_TIMER:
        if (Message.WParam == kRepeatTimer) {
            if (direction_ != 0)
                step_(direction_);
            return true;
        }
        if (Message.WParam == kHoverTimer) {
            HoverTick();
            return true;
        }
        return false;
    case WM_DESTROY:
        KillTimer(owner_->Handle(), kRepeatTimer);
        KillTimer(owner_->Handle(), kHoverTimer);
        direction_ = 0;
        watching_ = false;
        return false;
    default:
        return false;
    }
}

void RecreateKeepingFocus(TWinControl* Control)
{
    TWinControl* focused = nullptr;
    if (TCustomForm* form = GetParentForm(Control)) {
        TWinControl* active = form->ActiveControl();
        if (active && active->Focused() && active->Parent() &&
            (active->Parent() == Control || active->Parent()->Parent() == Control))
            focused = active;
    }
    TControl::TAlive alive(Control);
    Control->RecreateWnd();
    if (!alive || !Control->Parent())
        return;
    Control->HandleNeeded();
    if (focused && focused->Visible() && !focused->Focused() && focused->CanFocus())
        focused->SetFocus();
}

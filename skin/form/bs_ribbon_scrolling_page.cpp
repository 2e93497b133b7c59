// The scrolling page's state, steps, timers, non-client buttons and their
// looks; one axis chosen at construction.
#include "skin/form/bs_ribbon_scrolling_page.h"

#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/cursor.h"
#include "platform/win/win_messages.h"
#include "platform/win/timers.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"

namespace {

constexpr int kButtonSize = 12;
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT_PTR kHoverTimer = 2;
constexpr UINT kHoverInterval = 100;
// The private hit codes of the first (left, top) and second button.
constexpr LRESULT kFirstHit = 119;
constexpr LRESULT kSecondHit = 120;

}  // namespace

TbsRibbonScrollingPage::TbsRibbonScrollingPage(TComponent* AOwner, bool Vertical)
    : TCustomControl(AOwner), vertical_(Vertical)
{
    SetBounds(Left(), Top(), 150, 30);
}

TbsRibbonScrollingPage::~TbsRibbonScrollingPage() = default;

void TbsRibbonScrollingPage::SetScrollOffset(int Value)
{
    if (Value >= 0)
        scrollOffset_ = Value;
}

void TbsRibbonScrollingPage::SetScrollTimerInterval(int Value)
{
    if (Value > 0)
        scrollTimerInterval_ = Value;
}

int TbsRibbonScrollingPage::Along(const TControl* Child) const
{
    return vertical_ ? Child->Top() + Child->Height() : Child->Left() + Child->Width();
}

int TbsRibbonScrollingPage::ClientExtent() { return vertical_ ? ClientHeight() : ClientWidth(); }

void TbsRibbonScrollingPage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    int oldExtent = vertical_ ? Height() : Width();
    TAlive alive(this);
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!alive || !canScroll_)
        return;
    int extent = vertical_ ? Height() : Width();
    growth_ = extent > oldExtent && oldExtent != 0 ? extent - oldExtent : 0;
    UpdateScroll();
}

void TbsRibbonScrollingPage::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    if (!canScroll_)
        return;
    if (vertical_)
        Rect = TRect{0, -position_, ClientWidth(), -position_ + std::max(max_, ClientHeight())};
    else
        Rect = TRect{-position_, 0, -position_ + std::max(max_, ClientWidth()), ClientHeight()};
}

void TbsRibbonScrollingPage::MoveChildren(int Delta)
{
    if (Delta == 0)
        return;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (vertical_)
            child->SetBounds(child->Left(), child->Top() + Delta, child->Width(), child->Height());
        else
            child->SetBounds(child->Left() + Delta, child->Top(), child->Width(), child->Height());
    }
    EnableAlign();
}

void TbsRibbonScrollingPage::UpdateScroll()
{
    if (ScrollSuspended())
        return;
    int content = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Visible())
            content = std::max(content, Along(Controls(i)));
    if (content == 0) {
        ShowButtons(false);
        return;
    }
    int client = ClientExtent();
    if (client >= position_ + content) {
        MoveChildren(position_);
        growth_ = max_ = position_ = page_ = oldPosition_ = 0;
        ShowButtons(false);
        return;
    }
    if (!first_.Visible) {
        ShowButtons(true);
        // The buttons took their room from the client area.
        client = ClientExtent();
    }
    int newMax = position_ + content - 1;
    if (position_ >= 1 && client > content && growth_ >= 1) {
        growth_ = std::min(growth_, position_);
        position_ -= growth_;
        MoveChildren(growth_);
    } else if (growth_ == 0 && newMax < max_ && position_ >= 1 && client > content) {
        // The content shrank and ends inside the page: follow its end.
        int back = std::min(client - content, position_);
        position_ -= back;
        MoveChildren(back);
    }
    max_ = newMax;
    page_ = client;
    growth_ = 0;
    oldPosition_ = position_;
}

// The non-client area changes with the buttons, so the window is made again;
// the control inside that had the focus keeps it.
void TbsRibbonScrollingPage::ShowButtons(bool Value)
{
    if (first_.Visible == Value)
        return;
    first_ = second_ = TScrollButton{};
    first_.Visible = second_.Visible = Value;
    TWinControl* focused = nullptr;
    if (TCustomForm* form = GetParentForm(this)) {
        TWinControl* active = form->ActiveControl();
        if (active && active->Focused() && active->Parent() &&
            (active->Parent() == this || active->Parent()->Parent() == this))
            focused = active;
    }
    StopHoverWatch();
    StopRepeat();
    if (!HandleAllocated())
        return;
    TAlive alive(this);
    RecreateWnd();
    if (!alive || !Parent())
        return;
    HandleNeeded();
    if (focused && focused->Visible() && !focused->Focused() && focused->CanFocus())
        focused->SetFocus();
}

void TbsRibbonScrollingPage::Step(int Kind)
{
    int step = scrollOffset_ > 0 ? scrollOffset_ : ClientExtent();
    if (Kind == 1)
        position_ = std::max(position_ - step, 0);
    else
        position_ = std::max(0, std::min(position_ + step, max_ - page_ + 1));
    int delta = position_ - oldPosition_;
    if (delta == 0) {
        StopRepeat();
        return;
    }
    oldPosition_ = position_;
    MoveChildren(-delta);
    Scrolled();
    UpdateScroll();
}

void TbsRibbonScrollingPage::StartRepeat(int Kind)
{
    timerKind_ = Kind;
    KillTimer(Handle(), kRepeatTimer);
    SetTimer(Handle(), kRepeatTimer, static_cast<UINT>(scrollTimerInterval_));
}

void TbsRibbonScrollingPage::StopRepeat()
{
    if (timerKind_ != 0 && HandleAllocated())
        KillTimer(Handle(), kRepeatTimer);
    timerKind_ = 0;
}

void TbsRibbonScrollingPage::StopHoverWatch()
{
    if (tracking_ && HandleAllocated())
        KillTimer(Handle(), kHoverTimer);
    tracking_ = false;
}

void TbsRibbonScrollingPage::HoverTick()
{
    TPoint cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == Handle())
        return;
    StopHoverWatch();
    if (first_.MouseIn || second_.MouseIn) {
        first_.MouseIn = second_.MouseIn = false;
        StopRepeat();
        RepaintFrame();
    }
}

void TbsRibbonScrollingPage::RepaintFrame()
{
    if (HandleAllocated())
        SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

// A button's look: the skin's "resizetoolbutton" in the state the mouse
// gives it, or the plain small-button look, with the arrow centred.
void TbsRibbonScrollingPage::DrawButton(TCanvas* Canvas, const TScrollButton& Button, bool First)
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
    TbsSkinData* data = ButtonSkinData();
    int index = data && !data->Empty ? data->FindControlDescription("resizetoolbutton") : -1;
    auto* description =
        index == -1 ? nullptr : dynamic_cast<TbsDataSkinButtonControl*>(data->ControlList[index].get());
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
        skin.TakeDescription(description, *data);
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

void TbsRibbonScrollingPage::PaintButtons(HDC DC)
{
    TCanvas canvas;
    canvas.SetHandle(DC);
    if (first_.Visible)
        DrawButton(&canvas, first_, true);
    if (second_.Visible)
        DrawButton(&canvas, second_, false);
    canvas.SetHandle(nullptr);
}

int TbsRibbonScrollingPage::HitCode(TPoint Screen)
{
    TPoint p = ScreenToClient(Screen);
    int along = vertical_ ? p.Y : p.X;
    if (along < 0 && first_.Visible)
        return kFirstHit;
    if (along >= ClientExtent() && second_.Visible)
        return kSecondHit;
    return 0;
}

// The buttons' messages; true when one was taken.
bool TbsRibbonScrollingPage::ScrollMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        TCustomControl::Dispatch(Message);
        TRect* client = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                       : reinterpret_cast<TRect*>(Message.LParam);
        (vertical_ ? client->Top : client->Left) += first_.Visible ? kButtonSize : 0;
        (vertical_ ? client->Bottom : client->Right) -= second_.Visible ? kButtonSize : 0;
        return true;
    }
    case WM_SIZE: {
        TAlive alive(this);
        TCustomControl::Dispatch(Message);
        if (!alive || !first_.Visible)
            return true;
        if (vertical_) {
            first_.Rect = Rect(0, 0, Width(), kButtonSize);
            second_.Rect = Rect(0, Height() - kButtonSize, Width(), Height());
        } else {
            first_.Rect = Rect(0, 0, kButtonSize, Height());
            second_.Rect = Rect(Width() - kButtonSize, 0, Width(), Height());
        }
        RepaintFrame();
        return true;
    }
    case WM_NCPAINT:
        TCustomControl::Dispatch(Message);
        if (first_.Visible) {
            HDC dc = GetWindowDC(Handle());
            PaintButtons(dc);
            ReleaseDC(Handle(), dc);
        }
        return true;
    case WM_SKINPAINTFRAME:
        Message.Result = 0;
        if (Message.WParam && first_.Visible) {
            PaintButtons(reinterpret_cast<HDC>(Message.WParam));
            Message.Result = SkinFramePaintAnswer;
        }
        return true;
    case WM_SKINPAINTFRAMEEX:
        if (Message.LParam != SkinFramePaintExKey)
            return false;
        if (Message.WParam && first_.Visible)
            PaintButtons(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = SkinFramePaintExKey;
        return true;
    case WM_NCHITTEST: {
        if (ComponentState().Contains(csDesigning))
            return false;
        if (!tracking_ && first_.Visible) {
            tracking_ = true;
            SetTimer(Handle(), kHoverTimer, kHoverInterval);
        }
        int code = HitCode(Point(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
        if (code == 0)
            return false;
        Message.Result = code;
        return true;
    }
    case WM_SETCURSOR: {
        auto hit = static_cast<LRESULT>(static_cast<short>(LOWORD(Message.LParam)));
        if (hit == kFirstHit || hit == kSecondHit)
            Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
        return false;
    }
    case WM_NCMOUSEMOVE: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        if (hit != kFirstHit && hit != kSecondHit)
            return false;
        TScrollButton& button = hit == kFirstHit ? first_ : second_;
        if (button.MouseIn)
            return true;
        button.MouseIn = true;
        (hit == kFirstHit ? second_ : first_).MouseIn = false;
        RepaintFrame();
        if (HotScroll)
            StartRepeat(hit == kFirstHit ? 1 : 2);
        return true;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        if (hit != kFirstHit && hit != kSecondHit)
            return false;
        (hit == kFirstHit ? first_ : second_).Down = true;
        RepaintFrame();
        StartRepeat(hit == kFirstHit ? 1 : 2);
        return true;
    }
    case WM_NCLBUTTONUP: {
        auto hit = static_cast<LRESULT>(Message.WParam);
        if (hit != kFirstHit && hit != kSecondHit)
            return false;
        (hit == kFirstHit ? first_ : second_).Down = false;
        RepaintFrame();
        StopRepeat();
        Step(hit == kFirstHit ? 1 : 2);
        return true;
    }
    case WM_MOUSEMOVE:
        if (first_.MouseIn || second_.MouseIn) {
            first_.MouseIn = second_.MouseIn = false;
            StopRepeat();
            RepaintFrame();
        }
        return false;
    case WM_WINDOWPOSCHANGING:
        if (Align() == alNone)
            UpdateScroll();
        return false;
    case WM_TIMER:
        if (Message.WParam == kRepeatTimer) {
            if (timerKind_ != 0)
                Step(timerKind_);
            return true;
        }
        if (Message.WParam == kHoverTimer) {
            HoverTick();
            return true;
        }
        return false;
    case WM_DESTROY:
        KillTimer(Handle(), kRepeatTimer);
        KillTimer(Handle(), kHoverTimer);
        timerKind_ = 0;
        tracking_ = false;
        return false;
    default:
        return false;
    }
}

void TbsRibbonScrollingPage::Dispatch(TMessage& Message)
{
    if (canScroll_ && ScrollMessage(Message))
        return;
    TCustomControl::Dispatch(Message);
}

// The scrolling page's state and steps, and the messages its non-client
// buttons take; one axis chosen at construction.
#include "skin/form/bs_ribbon_scrolling_page.h"

#include <algorithm>

#include "platform/win/win_messages.h"
#include "skin/data/bs_skin_data_messages.h"

namespace {

// The skin's look of the scroll buttons.
constexpr const char* kButtonDescription = "resizetoolbutton";

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
    if (!buttons_.Visible()) {
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

void TbsRibbonScrollingPage::ShowButtons(bool Value)
{
    if (buttons_.Visible() == Value)
        return;
    buttons_.SetVisible(Value);
    if (HandleAllocated())
        RecreateKeepingFocus(this);
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
        buttons_.StopRepeat();
        return;
    }
    oldPosition_ = position_;
    MoveChildren(-delta);
    Scrolled();
    UpdateScroll();
}

// The buttons' messages; true when one was taken.
bool TbsRibbonScrollingPage::ScrollMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE:
        TCustomControl::Dispatch(Message);
        buttons_.TakeRoom(Message.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                         : *reinterpret_cast<TRect*>(Message.LParam));
        return true;
    case WM_SIZE: {
        TAlive alive(this);
        TCustomControl::Dispatch(Message);
        if (alive)
            buttons_.Place();
        return true;
    }
    case WM_NCPAINT:
        TCustomControl::Dispatch(Message);
        buttons_.PaintOnWindow(ButtonSkinData(), kButtonDescription);
        return true;
    case WM_SKINPAINTFRAME:
        Message.Result = 0;
        if (Message.WParam && buttons_.Visible()) {
            buttons_.Paint(reinterpret_cast<HDC>(Message.WParam), ButtonSkinData(), kButtonDescription);
            Message.Result = SkinFramePaintAnswer;
        }
        return true;
    case WM_SKINPAINTFRAMEEX:
        if (Message.LParam != SkinFramePaintExKey)
            return false;
        if (Message.WParam)
            buttons_.Paint(reinterpret_cast<HDC>(Message.WParam), ButtonSkinData(), kButtonDescription);
        Message.Result = SkinFramePaintExKey;
        return true;
    case WM_WINDOWPOSCHANGING:
        if (Align() == alNone)
            UpdateScroll();
        return false;
    default:
        return buttons_.Message(Message);
    }
}

void TbsRibbonScrollingPage::Dispatch(TMessage& Message)
{
    if (canScroll_ && ScrollMessage(Message))
        return;
    TCustomControl::Dispatch(Message);
}

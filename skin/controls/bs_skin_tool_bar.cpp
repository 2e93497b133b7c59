#include "skin/controls/bs_skin_tool_bar.h"

#include <algorithm>

#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_bevel.h"
#include "skin/controls/bs_skin_menu_speed_button.h"
#include "skin/controls/bs_skin_speed_button.h"

TbsSkinToolBar::TbsSkinToolBar(TComponent* AOwner) : TbsSkinPanel(AOwner)
{
    SetSkinDataName("toolpanel");
    SetBorderStyle(TbsSkinBorderStyle::bvNone);
    DrawFrameStrips = false;
    SetHeight(25);
    SetDefaultHeight(0);
}

TbsSkinToolBar::~TbsSkinToolBar() = default;

namespace {

template <typename T>
void Track(TComponent* Owner, T*& Field, T* Value)
{
    if (Field && Field != Value)
        Field->RemoveFreeNotification(Owner);
    Field = Value;
    if (Value)
        Value->FreeNotification(Owner);
}

// The speed buttons among Bar's children.
template <typename F>
void ForEachSpeedButton(TWinControl* Bar, F Action)
{
    for (int i = 0; i < Bar->ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Bar->Controls(i)))
            Action(button);
}

// The description a child button takes on a bar named BarName. A menu
// button is asked first: it keeps its track strip when it has one.
AnsiString ButtonNameFor(const AnsiString& BarName, TbsSkinSpeedButton* Button)
{
    if (BarName == "resizetoolpanel")
        return "resizetoolbutton";
    if (BarName == "panel")
        return "resizebutton";
    bool big = BarName == "bigtoolpanel";
    if (auto* menuButton = dynamic_cast<TbsSkinMenuSpeedButton*>(Button)) {
        if (menuButton->TrackButtonMode())
            return big ? "bigtoolmenutrackbutton" : "toolmenutrackbutton";
        return big ? "bigtoolmenubutton" : "toolmenubutton";
    }
    return big ? "bigtoolbutton" : "toolbutton";
}

}  // namespace

void TbsSkinToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinPanel::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == images_)
        images_ = nullptr;
    if (AComponent == hotImages_)
        hotImages_ = nullptr;
    if (AComponent == disabledImages_)
        disabledImages_ = nullptr;
}

void TbsSkinToolBar::SetImages(TCustomImageList* Value)
{
    Track(this, images_, Value);
    ForEachSpeedButton(this, [](TbsSkinSpeedButton* button) { button->Repaint(); });
}

void TbsSkinToolBar::SetHotImages(TCustomImageList* Value) { Track(this, hotImages_, Value); }

void TbsSkinToolBar::SetDisabledImages(TCustomImageList* Value) { Track(this, disabledImages_, Value); }

void TbsSkinToolBar::SetFlat(bool Value)
{
    flat_ = Value;
    ForEachSpeedButton(this, [Value](TbsSkinSpeedButton* button) { button->SetFlat(Value); });
}

void TbsSkinToolBar::SetShowCaptions(bool Value)
{
    if (Value == showCaptions_)
        return;
    showCaptions_ = Value;
    if (AutoShowHideCaptions)
        ForEachSpeedButton(this, [Value](TbsSkinSpeedButton* button) { button->SetShowCaption(Value); });
    if (WidthWithCaptions != 0 && WidthWithoutCaptions != 0)
        SetWidth(Value ? WidthWithCaptions : WidthWithoutCaptions);
}

void TbsSkinToolBar::SetCanScroll(bool Value)
{
    canScroll_ = Value;
    if (!Value) {
        buttons_.StopRepeat();
        if (buttons_.Visible()) {
            MoveChildren(scrollPos_);
            scrollPos_ = scrollLimit_ = pageWidth_ = appliedPos_ = growth_ = 0;
            ShowScrollButtons(false);
        }
        return;
    }
    UpdateScroll();
}

void TbsSkinToolBar::SetScrollOffset(int Value)
{
    if (Value >= 0)
        scrollOffset_ = Value;
}

void TbsSkinToolBar::SetScrollTimerInterval(int Value)
{
    if (Value > 0)
        scrollTimerInterval_ = Value;
}

// Only at design time: the buttons take the descriptions that match the
// bar's own, so a designer's "bigtoolpanel" gets big buttons.
void TbsSkinToolBar::SetSkinDataName(const AnsiString& Value)
{
    TbsSkinPanel::SetSkinDataName(Value);
    if (!Designing() || ComponentState().Contains(csLoading))
        return;
    ForEachSpeedButton(this, [&Value](TbsSkinSpeedButton* button) {
        button->SetSkinDataName(ButtonNameFor(Value, button));
    });
}

void TbsSkinToolBar::SetSkinData(TbsSkinData* Value)
{
    TAlive alive(this);
    TbsSkinPanel::SetSkinData(Value);
    if (!alive)
        return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(child))
            button->SetSkinData(Value);
        else if (auto* bevel = dynamic_cast<TbsSkinBevel*>(child))
            bevel->SetSkinData(Value);
    }
}

// Children that do not centre themselves (neither skinned control base) sit
// in the middle of the client rectangle.
void TbsSkinToolBar::CentreChildren()
{
    TRect r = GetSkinClientRect();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (dynamic_cast<TbsSkinControl*>(child) || dynamic_cast<TbsGraphicSkinControl*>(child) ||
            child->Align() != alNone)
            continue;
        int top = r.Top + r.Height() / 2 - child->Height() / 2;
        if (child->Top() != top)
            child->SetTop(top);
    }
}

void TbsSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    int oldWidth = Width();
    TAlive alive(this);
    TbsSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!alive)
        return;
    if (adjustControls_)
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* child = Controls(i);
            child->SetBounds(child->Left(), child->Top(), child->Width(), child->Height());
        }
    if (canScroll_) {
        growth_ = Width() > oldWidth && oldWidth != 0 ? Width() - oldWidth : 0;
        UpdateScroll();
    }
    if (adjustControls_ || canScroll_)
        CentreChildren();
}

void TbsSkinToolBar::AdjustClientRect(TRect& Rect)
{
    TbsSkinPanel::AdjustClientRect(Rect);
    if (!(canScroll_ && buttons_.Visible()))
        return;
    int clientWidth = ClientWidth();
    int clientHeight = ClientHeight();
    Rect = TRect{-scrollPos_, 0, -scrollPos_ + std::max(scrollLimit_, clientWidth), clientHeight};
    if (Skinned()) {
        if (BorderStyle() == TbsSkinBorderStyle::bvNone && ResizeMode == rmNinePart)
            return;
        TRect client = ScaledClientRect();
        Rect.Top = client.Top;
        Rect.Bottom = client.Bottom;
    } else {
        Rect.Top = 1;
        Rect.Bottom -= 1;
    }
}

void TbsSkinToolBar::MoveChildren(int DX)
{
    if (DX == 0)
        return;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left() + DX, child->Top(), child->Width(), child->Height());
    }
    EnableAlign();
    Invalidate();
}

void TbsSkinToolBar::UpdateScroll()
{
    if (Width() == 0)
        return;
    int contentRight = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (child->Visible())
            contentRight = std::max(contentRight, child->Left() + child->Width());
    }
    if (contentRight == 0) {
        if (buttons_.Visible())
            ShowScrollButtons(false);
        return;
    }
    int extent = scrollPos_ + contentRight;
    int clientWidth = ClientWidth();
    if (clientWidth >= extent) {
        if (scrollPos_ > 0)
            MoveChildren(scrollPos_);
        growth_ = scrollLimit_ = scrollPos_ = pageWidth_ = appliedPos_ = 0;
        if (buttons_.Visible())
            ShowScrollButtons(false);
        return;
    }
    if (!buttons_.Visible()) {
        ShowScrollButtons(true);
        // The buttons took their room from the client area.
        clientWidth = ClientWidth();
    }
    if (scrollPos_ >= 1 && clientWidth > contentRight && growth_ >= 1) {
        growth_ = std::min(growth_, scrollPos_);
        scrollLimit_ = extent - 1;
        scrollPos_ -= growth_;
        pageWidth_ = clientWidth;
        MoveChildren(growth_);
        appliedPos_ = scrollPos_;
        return;
    }
    if (extent - 1 < scrollLimit_ && scrollPos_ >= 1 && clientWidth > contentRight) {
        int back = std::min(clientWidth - contentRight, scrollPos_);
        scrollPos_ -= back;
        MoveChildren(back);
    }
    scrollLimit_ = extent - 1;
    pageWidth_ = clientWidth;
    growth_ = 0;
    appliedPos_ = scrollPos_;
}

// The non-client area changes with the buttons, so the window is made
// again; the control inside that had the focus keeps it.
void TbsSkinToolBar::ShowScrollButtons(bool Value)
{
    if (buttons_.Visible() == Value)
        return;
    buttons_.SetVisible(Value);
    RecreateKeepingFocus(this);
}

void TbsSkinToolBar::ScrollStep(int Direction)
{
    int step = scrollOffset_ > 0 ? scrollOffset_ : ClientWidth();
    if (Direction == 1)
        scrollPos_ = std::max(0, scrollPos_ - step);
    else
        scrollPos_ = std::max(0, std::min(scrollPos_ + step, scrollLimit_ - pageWidth_ + 1));
    if (scrollPos_ == appliedPos_) {
        buttons_.StopRepeat();
        return;
    }
    int difference = scrollPos_ - appliedPos_;
    appliedPos_ = scrollPos_;
    MoveChildren(-difference);
    UpdateScroll();
}

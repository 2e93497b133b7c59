// TbsRibbonScrollingPage: a container that scrolls its children along one
// axis with the non-client scroll buttons, by click, by holding a button or
// by resting on it (HotScroll). The ribbon's pages scroll sideways, the
// application menu's pages up and down.
#pragma once

#include "platform/ui/kernel/custom_control.h"
#include "skin/controls/bs_nc_scroll_buttons.h"

class TbsSkinData;

class TbsRibbonScrollingPage : public TCustomControl {
public:
    ~TbsRibbonScrollingPage() override;

    bool CanScroll() const { return canScroll_; }
    void SetCanScroll(bool Value) { canScroll_ = Value; }
    // Steps run while the mouse merely rests on a scroll button.
    bool HotScroll = false;
    // Pixels per step, 0 for one client width (height); negative values
    // are ignored.
    int ScrollOffset() const { return scrollOffset_; }
    void SetScrollOffset(int Value);
    // Milliseconds between repeated steps; values below 1 are ignored.
    int ScrollTimerInterval() const { return scrollTimerInterval_; }
    void SetScrollTimerInterval(int Value);

    // How far the content is scrolled, in pixels (0 = not scrolled).
    int ScrollPosition() const { return position_; }
    // The content's extent minus 1 at the last computation.
    int ScrollMax() const { return max_; }
    bool ScrollButtonsVisible() const { return buttons_.Visible(); }
    // 0 no repeat, 1 stepping towards the start, 2 towards the end.
    int ScrollDirection() const { return buttons_.Direction(); }

    // Recomputes the scroll state from the children.
    void UpdateScroll();
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    TbsRibbonScrollingPage(TComponent* AOwner, bool Vertical);

    // The skin whose "resizetoolbutton" draws the buttons; nullptr for the
    // plain look.
    virtual TbsSkinData* ButtonSkinData() const = 0;
    // The state is left alone while this answers true.
    virtual bool ScrollSuspended() const { return false; }
    // After the children moved by one step.
    virtual void Scrolled() {}

    void AdjustClientRect(TRect& Rect) override;
    void Paint() override {}
    void Dispatch(TMessage& Message) override;

private:
    int Along(const TControl* Child) const;
    int ClientExtent();
    void MoveChildren(int Delta);
    void ShowButtons(bool Value);
    void Step(int Kind);
    bool ScrollMessage(TMessage& Message);

    const bool vertical_;
    bool canScroll_ = true;
    int scrollOffset_ = 0;
    int scrollTimerInterval_ = 50;

    // Invariant: 0 <= position_ <= max(0, max_ - page_ + 1); all four are 0
    // while the buttons are hidden.
    int max_ = 0;
    int position_ = 0;
    int page_ = 0;
    int oldPosition_ = 0;  // where the children were last moved to
    int growth_ = 0;       // how much the last SetBounds grew the page
    TbsNCScrollButtons buttons_{this, vertical_, HotScroll, scrollTimerInterval_, [this](int Kind) { Step(Kind); }};
};

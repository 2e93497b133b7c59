// TToolButton: a window-less button of a tool bar, showing an image of the
// bar's image lists and, when the bar says so, its caption below it. It is
// a push button, a check button (alone or grouped with its neighbours), a
// button with a drop-down arrow that shows its DropdownMenu below it, or a
// gap or divider between the others.
#pragma once

#include "platform/ui/kernel/graphic_control.h"
#include "platform/ui/kernel/mouse_press.h"

class TPopupMenu;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// The width of a drop-down button's arrow part, on top of the button's.
inline constexpr int kToolButtonArrowWidth = 12;

class TToolButton : public TGraphicControl {
public:
    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle Value);
    // -1 shows no image.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    // Check buttons next to each other with Grouped set work as a set:
    // pressing one latches it down and lets the others up.
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool Value);
    // Only a check button stays down.
    bool Down() const { return down_; }
    void SetDown(bool Value);
    // Lets a press raise the grouped button that is down.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value);
    // Shown on a highlighted face.
    bool Marked() const { return marked_; }
    void SetMarked(bool Value);
    // Neither up nor down: drawn greyed while it still answers presses.
    bool Indeterminate() const { return indeterminate_; }
    void SetIndeterminate(bool Value);
    // Shown below the button by a press on its arrow; cleared when freed.
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* Value);

    // Shown held down: pressed under the mouse, or its menu is open.
    bool Pressed() const { return mousePress_.Shown() || dropping_; }
    bool Hot() const { return hot_; }
    TToolBar* ToolBar() const;
    // The part of a drop-down button that drops its menu; empty otherwise.
    TRect ArrowRect();

    using TGraphicControl::Click;

protected:
    void ActionChange(TObject* Sender) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The grouped check buttons next to this one, this one left out.
    template <typename TStep>
    void ForEachInGroup(TStep Step);
    // Shows the menu below the button and holds the button down until the
    // menu closes.
    void DropDown();
    void PaintImageAndCaption(const TRect& Content);
    // The bar lays its buttons out again after a change of size.
    void SizeChanged();

    TToolButtonStyle style_ = tbsButton;
    int imageIndex_ = -1;
    bool grouped_ = false;
    bool down_ = false;  // only ever set on a check button
    bool allowAllUp_ = false;
    bool marked_ = false;
    bool indeterminate_ = false;
    TPopupMenu* dropdownMenu_ = nullptr;  // free-notified
    bool hot_ = false;          // between CM_MOUSEENTER and CM_MOUSELEAVE
    TMousePress mousePress_;    // begun on the main part only
    bool dropping_ = false;     // the drop-down menu is open
};

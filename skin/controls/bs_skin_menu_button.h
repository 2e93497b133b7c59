// TbsSkinMenuButton: the focusable twin of TbsSkinMenuSpeedButton, a
// skinned push button that drops a skinned popup menu below itself from
// the whole button or (TrackButtonMode) from the 15-pixel strip at its
// right or its skin's track rectangle, by mouse, Space or its accelerator.
// While the menu is open (MenuTracked) it looks pressed; the menu's
// closing (1228) releases it.
#pragma once

#include "skin/controls/bs_menu_button_control.h"

extern template class TbsMenuButtonControl<TbsSkinButton>;

class TbsSkinMenuButton : public TbsMenuButtonControl<TbsSkinButton> {
public:
    explicit TbsSkinMenuButton(TComponent* AOwner);

    // A menu this button dropped is open.
    bool MenuTracked() const { return MenuOpen; }
    // Drops the menu as a press on the track area does.
    void ShowDropDown();

protected:
    // MenuTracked ends, the button comes up and stays hot while the cursor
    // is over it, then OnHideTrackMenu.
    void MenuClosed() override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

private:
    bool HasFocusLook() { return HandleAllocated() && Focused() && CanFocused(); }
    TbsMenuLook Look();
    // Opens the menu from the keyboard or an accelerator.
    void TrackFromKey();
    // Space and Enter as the menu button takes them; false for what goes on
    // to the button.
    bool MenuKey(TMessage& Message);
};

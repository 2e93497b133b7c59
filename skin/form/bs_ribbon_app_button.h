// TbsAppButton: the ribbon's application button. With the ribbon's
// application menu set, any press opens that menu (or, while it is open,
// only closes it); without one it drops its popup menu as a menu button.
#pragma once

#include "skin/controls/bs_skin_menu_button.h"

class TbsRibbon;

class TbsAppButton : public TbsSkinMenuButton {
public:
    explicit TbsAppButton(TComponent* AOwner);

    // The ribbon that made the button; nullptr until then.
    TbsRibbon* Ribbon = nullptr;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    bool HasAppMenu() const;
};

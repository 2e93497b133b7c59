// TMenuBar: a form's main menu shown as a bar in its non-client area,
// between the caption and the client area, wrapping to more rows when the
// items don't fit. The form hands it the non-client messages: it makes
// room in WM_NCCALCSIZE, paints in WM_NCPAINT, answers HTMENU and starts
// the menu loop on a press or on SC_KEYMENU.
#pragma once

#include <vector>

#include "platform/base/geometry.h"
#include "platform/ui/kernel/menu_painter.h"
#include "platform/win/win_types.h"

class TCustomForm;
class TMainMenu;

class TMenuBar {
public:
    TMenuBar(TCustomForm* Form, TMainMenu* Menu) : form_(Form), menu_(Menu) {}
    TMenuBar(const TMenuBar&) = delete;
    TMenuBar& operator=(const TMenuBar&) = delete;

    TCustomForm* Form() const { return form_; }
    TMainMenu* Menu() const { return menu_; }

    // Lays the bar out at the top of Client (the client rectangle the
    // frame leaves of WindowRect, both in the same coordinates) and moves
    // Client's top below it.
    void CalcSize(const TRect& WindowRect, TRect& Client);
    // Draws the bar on the form's window.
    void Paint();
    // Has the bar drawn with the form's next frame paint, so that a batch
    // of changes (an idle update of actions) paints it once.
    void Invalidate();
    // Whether a screen point lies on the bar, on an item or beside them.
    bool Contains(TPoint Screen) const;
    // The bar item at a screen point, or -1.
    int ItemAt(TPoint Screen) const;
    // A bar item's rectangle on the screen.
    TRect ItemRect(int Index) const;
    int Height() const { return height_; }

    // The item shown hot or open (-1: none), as the menu loop sets it.
    int Hot() const { return hot_; }
    bool Open() const { return open_; }
    void SetLook(int Hot, bool Open);

    // A press on the bar: the loop starts with that item's menu open.
    void MouseDown(TPoint Screen);
    // SC_KEYMENU: Key 0 (Alt or F10 alone) starts the loop with the first
    // item hot; a character opens the item it is the accelerator of.
    // False when there is nothing for it to do.
    bool KeyMenu(char Key);

private:
    TCustomForm* form_;
    TMainMenu* menu_;
    std::vector<TRect> items_;  // window coordinates, one per item of the menu's root (empty: hidden)
    TRect area_;                // the whole bar, window coordinates; empty when no item is visible
    int height_ = 0;            // area_'s height
    int hot_ = -1;
    bool open_ = false;
};

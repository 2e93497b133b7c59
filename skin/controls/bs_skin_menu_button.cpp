// TbsSkinMenuButton: the mouse, Space and the accelerator
// dropping the menu, the menu's closing, and the looks with the strip.
#include "skin/controls/bs_skin_menu_button.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/cursor.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_coords.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_layer_manager.h"

TbsSkinMenuButton::TbsSkinMenuButton(TComponent* AOwner) : TbsMenuButtonControl(AOwner)
{
    // Space and Enter are this class's own (MenuKey).
    BaseKeyHandling = false;
}

void TbsSkinMenuButton::ShowDropDown()
{
    StopAnimation();
    TAlive alive(this);
    if (!Down())
        SetDown(true);
    if (!alive)
        return;
    MenuOpen = true;
    DropMenu();
}

void TbsSkinMenuButton::TrackFromKey()
{
    TAlive alive(this);
    MenuOpen = true;
    SetDown(true);
    if (alive)
        DropMenu();
}

void TbsSkinMenuButton::MenuClosed()
{
    TAlive alive(this);
    MenuOpen = false;
    SetDown(false);
    if (!alive)
        return;
    TPoint cursor;
    GetCursorPos(&cursor);
    bool over = HandleAllocated() && WindowFromPoint(cursor) == Handle();
    machine_.MouseIn = over;
    if (OnHideTrackMenu)
        OnHideTrackMenu(this);
    if (!alive)
        return;
    if (!over && LayerManager()->Showing())
        LayerManager()->Hide();
    Repaint();
}

void TbsSkinMenuButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button != mbLeft) {
        TbsMenuButtonControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    MenuOpen = PointInTrackButton(X, Y);
    machine_.MouseIn = true;
    StopAnimation();
    if (!MenuOpen) {
        TbsMenuButtonControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    TAlive alive(this);
    if (!Down())
        SetDown(true);
    if (alive)
        DropMenu();
}

void TbsSkinMenuButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // The open menu holds the button down until it closes.
    if (!MenuOpen)
        TbsMenuButtonControl::MouseUp(Button, Shift, X, Y);
}

bool TbsSkinMenuButton::MenuKey(TMessage& Message)
{
    auto key = static_cast<WORD>(Message.WParam);
    if (Message.Msg == WM_KEYDOWN && key == VK_SPACE && !TrackButtonMode() && PointInTrackButton(0, 0)) {
        TrackFromKey();
        return true;
    }
    if (Message.Msg == WM_KEYUP && key == VK_SPACE) {
        // The key-up of the Space that opened the menu clicks nothing.
        if (!MenuOpen) {
            TAlive alive(this);
            SetDown(false);
            if (alive && OnClick)
                OnClick(this);
        }
        return true;
    }
    if (Message.Msg == WM_KEYUP && key == VK_RETURN && !MenuOpen && OnClick) {
        TAlive alive(this);
        OnClick(this);
        return !alive;
    }
    return false;
}

void TbsSkinMenuButton::WndProc(TMessage& Message)
{
    if (CanFocused() && SkinPopupMenu() && (Message.Msg == WM_KEYDOWN || Message.Msg == WM_KEYUP) && MenuKey(Message))
        return;
    TbsMenuButtonControl::WndProc(Message);
}

void TbsSkinMenuButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (MenuOpen && !Designing()) {
            machine_.MouseIn = Message.Msg == CM_MOUSEENTER;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (!TrackButtonMode() && SkinPopupMenu() && PointInTrackButton(0, 0) &&
            IsAccel(static_cast<WORD>(Message.WParam), Caption()) && CanFocus() && CanFocused()) {
            TAlive alive(this);
            SetFocus();
            if (alive)
                TrackFromKey();
            Message.Result = 1;
            return;
        }
        break;
    case WM_SKINMENUCLOSED:
        MenuClosed();
        return;
    default:
        break;
    }
    TbsMenuButtonControl::Dispatch(Message);
}

// ---- Looks ----

TbsMenuLook TbsSkinMenuButton::Look()
{
    if (MenuOpen)
        return TbsMenuLook::MenuOpen;
    if (Down() && MouseIn())
        return TbsMenuLook::Pressed;
    return MouseIn() || HasFocusLook() ? TbsMenuLook::Hot : TbsMenuLook::Normal;
}

void TbsSkinMenuButton::Paint()
{
    int w = Width();
    int h = Height();
    if (w < 1 || h < 1)
        return;
    GetSkinData();
    CalcSize(w, h);
    TbsMenuLook look = Look();
    if (DescriptionIndex() != -1 && ToolButtonSkin()) {
        const TRect marker =
            MenuMarkerFor(look, skin_.MenuMarkerRect, skin_.MenuMarkerActiveRect, skin_.MenuMarkerDownRect);
        PaintToolVariant(look, false, marker, 0);
    } else if (ShowsOpenTrack(MenuOpen)) {
        PaintOwnSkinWithOpenTrack();
    } else {
        TbsMenuButtonControl::Paint();
    }
}

void TbsSkinMenuButton::PaintDefaultImage(TBitmap* Bitmap)
{
    int w = Width();
    int h = Height();
    TCanvas* canvas = Bitmap->Canvas();
    TbsMenuLook look = Look();
    DrawPlainMenuButton(canvas, w, h, false, TrackButtonMode(), look, true);
    canvas->Font()->Assign(DefaultFont());
    if (!Enabled())
        canvas->Font()->SetColor(clBtnShadow);
    DrawFace(canvas, TrackMain(w, h, false), look == TbsMenuLook::Pressed, MouseIn());
    TRect strip = TrackStrip(w, h, false);
    if (look == TbsMenuLook::Pressed || look == TbsMenuLook::MenuOpen)
        OffsetRect(strip, 2, 2);
    DrawSmallDownArrow(canvas, strip, clBtnText);
}

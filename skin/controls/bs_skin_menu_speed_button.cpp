// TbsSkinMenuSpeedButton: the press that drops the menu, the menu's
// closing, and the looks with the track strip.
#include "skin/controls/bs_skin_menu_speed_button.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_draw_utils.h"

TbsSkinMenuSpeedButton::TbsSkinMenuSpeedButton(TComponent* AOwner) : TbsMenuButtonControl(AOwner) {}

void TbsSkinMenuSpeedButton::SetNewStyle(bool Value)
{
    newStyle_ = Value;
    if (Value)
        SetSkinDataName("resizetoolbutton");
}

void TbsSkinMenuSpeedButton::SetTrackPosition(TbsTrackPosition Value)
{
    trackPosition_ = Value;
    Repaint();
}

void TbsSkinMenuSpeedButton::BeforeDrop()
{
    if (Flat() && !Transparent())
        InternalSetTransparent(true);
}

void TbsSkinMenuSpeedButton::MenuClosed()
{
    ForceDownLook = false;
    TAlive alive(this);
    SetDown(false);
    if (!alive)
        return;
    machine_.MouseIn = false;
    if (OnHideTrackMenu)
        OnHideTrackMenu(this);
    if (alive)
        Repaint();
}

void TbsSkinMenuSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button != mbLeft) {
        TbsMenuButtonControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    ForceDownLook = PointInTrackButton(X, Y);
    machine_.MouseIn = true;
    if (!ForceDownLook) {
        TbsMenuButtonControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    TAlive alive(this);
    if (!Down())
        SetDown(true);
    if (alive)
        DropMenu();
}

void TbsSkinMenuSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // The open menu holds the button down until it closes.
    if (!ForceDownLook)
        TbsMenuButtonControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinMenuSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (ForceDownLook && !Designing()) {
            machine_.MouseIn = Message.Msg == CM_MOUSEENTER;
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

TbsMenuLook TbsSkinMenuSpeedButton::Look()
{
    if (ForceDownLook)
        return TbsMenuLook::MenuOpen;
    if (Down() && MouseIn())
        return TbsMenuLook::Pressed;
    return MouseIn() ? TbsMenuLook::Hot : TbsMenuLook::Normal;
}

void TbsSkinMenuSpeedButton::Paint()
{
    int w = Width();
    int h = Height();
    if (w < 1 || h < 1)
        return;
    GetSkinData();
    CalcSize(w, h);
    TbsMenuLook look = Look();
    if (!(MouseIn() && Down()) && !ForceDownLook && Transparent()) {
        PaintTransparent();
    } else if (DescriptionIndex() != -1 && ToolButtonSkin()) {
        const TRect marker =
            MenuMarkerFor(look, skin_.MenuMarkerFlatRect, skin_.MenuMarkerRect, skin_.MenuMarkerActiveRect);
        PaintToolVariant(look, Flat(), marker, UseArrowImage ? ArrowKind : 0);
    } else if (ShowsOpenTrack(ForceDownLook)) {
        PaintOwnSkinWithOpenTrack();
    } else {
        TbsMenuButtonControl::Paint();
    }
}

void TbsSkinMenuSpeedButton::PaintTransparent()
{
    TCanvas* canvas = Canvas();
    bool skinned = DescriptionIndex() != -1;
    bool strip = !skinned || ToolButtonSkin();
    TRect caption = strip ? TrackMain(Width(), Height(), StripAtBottom()) : NewClientRect;
    TRect marker = strip ? TrackStrip(Width(), Height(), StripAtBottom()) : Rect(NewClientRect.Right, 0, Width(), Height());
    TColor colour = clBtnText;
    if (skinned) {
        SetButtonFont(canvas, UseSkinFont, skin_, DefaultFont(), SkinData());
        colour = SkinData()->SkinColors.BtnText;
        canvas->Font()->SetColor(Enabled() ? colour : SkinData()->SkinColors.BtnShadow);
        if (ResizeMode != rmNinePart)
            marker.Left -= 2;
    } else {
        canvas->Font()->Assign(DefaultFont());
        if (!Enabled())
            canvas->Font()->SetColor(clBtnShadow);
    }
    DrawFace(canvas, caption, false, false);
    DrawMenuMarker(canvas, marker, skinned ? Picture : nullptr, skin_.MenuMarkerDownRect,
                   skin_.MenuMarkerTransparentColor, colour);
}

void TbsSkinMenuSpeedButton::PaintDefaultImage(TBitmap* Bitmap)
{
    int w = Width();
    int h = Height();
    TCanvas* canvas = Bitmap->Canvas();
    TbsMenuLook look = Look();
    if (!Transparent() || look != TbsMenuLook::Normal)
        DrawPlainMenuButton(canvas, w, h, StripAtBottom(), TrackButtonMode(), look, Designing() || !Flat());
    canvas->Font()->Assign(DefaultFont());
    if (!Enabled())
        canvas->Font()->SetColor(clBtnShadow);
    DrawFace(canvas, TrackMain(w, h, StripAtBottom()), look == TbsMenuLook::Pressed, look == TbsMenuLook::Hot);
    DrawSmallDownArrow(canvas, TrackStrip(w, h, StripAtBottom()), clBtnText);
}

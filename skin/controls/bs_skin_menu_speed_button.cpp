// TbsSkinMenuSpeedButton: the press that drops the menu, the menu's
// closing, and the looks with the track strip.
#include "skin/controls/bs_skin_menu_speed_button.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "skin/controls/bs_button_description.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_data.h"

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

void TbsSkinMenuSpeedButton::DrawToolImage(TBitmap* B, TbsMenuLook Look, bool Flat)
{
    if (!newStyle_ || SkinDataName() != "resizetoolbutton") {
        TbsMenuButtonControl::DrawToolImage(B, Look, Flat);
        return;
    }
    bool split = TrackButtonMode() && (Look == TbsMenuLook::Hot || Look == TbsMenuLook::MenuOpen);
    const TbsDataSkinButtonControl* track =
        split ? ButtonDescription(SkinData(), trackPosition_ == bstpBottom ? "htracktoolbutton" : "vtracktoolbutton")
              : nullptr;
    if (!track) {
        // One piece; or, split without a strip description, the strip is
        // a piece of the button's own.
        DrawToolMenuButton(B, *this, skin_, StripAtBottom(), split, Look, Flat, true);
        return;
    }
    DrawToolMenuButton(B, *this, skin_, StripAtBottom(), false, TbsMenuLook::Hot, Flat, true);
    TRect place = TrackStrip(B->Width(), B->Height(), StripAtBottom());
    TBitmap strip;
    strip.SetSize(place.Width(), place.Height());
    TColor fontColour = 0;
    DrawButtonFace(&strip, *track, SkinData()->PictureAt(track->PictureIndex),
                   ButtonStateRect(*track, Look == TbsMenuLook::MenuOpen, true, &fontColour));
    B->Canvas()->Draw(place.Left, place.Top, &strip);
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

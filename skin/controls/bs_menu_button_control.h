// What the two menu buttons share over their two bases (TbsSkinSpeedButton
// for the window-less one, TbsSkinButton for the focusable one): the menu
// they drop and its events, the track area, dropping the menu below the
// button, and the skinned images with the track strip or track area.
#pragma once

#include "skin/controls/bs_menu_button_look.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/controls/bs_skin_speed_button.h"

class TbsSkinPopupMenu;

template <typename Base>
class TbsMenuButtonControl : public Base {
public:
    explicit TbsMenuButtonControl(TComponent* AOwner);
    ~TbsMenuButtonControl() override;

    TNotifyEvent OnShowTrackMenu;
    TNotifyEvent OnHideTrackMenu;
    // Only the track area drops the menu; the rest is a plain button.
    bool TrackButtonMode() const { return trackButtonMode_; }
    void SetTrackButtonMode(bool Value);
    // Not owned; cleared when the menu is freed.
    TbsSkinPopupMenu* SkinPopupMenu() const { return skinPopupMenu_; }
    void SetSkinPopupMenu(TbsSkinPopupMenu* Value);
    // The skin's "trackbuttonrect" on a menu button description.
    TRect TrackButtonRect;

    bool PointInTrackButton(int X, int Y);
    // OnShowTrackMenu, then the menu below the button, the button its
    // opener (which hears 1228 when it closes).
    void DropMenu();

    // The inherited look-up; then the track rectangle of a menu button
    // description.
    void GetSkinData() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Whether the strip runs along the bottom edge.
    virtual bool StripAtBottom() const { return false; }
    // Just before OnShowTrackMenu.
    virtual void BeforeDrop() {}
    bool ToolButtonSkin() { return IsToolButtonSkin(this->SkinDataName()); }
    // The menu is open in TrackButtonMode on the button's own skin with a
    // track and a down rectangle: the hot image with the track area from
    // the down one.
    bool ShowsOpenTrack(bool MenuOpen);
    void PaintOwnSkinWithOpenTrack();
    // A tool-button skin in two pieces (TrackButtonMode) or one, the face
    // beside the strip and in the strip an arrow of ArrowKind (above 0),
    // the marker image Marker, or the small down arrow.
    void PaintToolVariant(TbsMenuLook Look, bool Flat, const TRect& Marker, int ArrowKind);

private:
    bool trackButtonMode_ = false;
    TbsSkinPopupMenu* skinPopupMenu_ = nullptr;  // free-notified
};

extern template class TbsMenuButtonControl<TbsSkinSpeedButton>;
extern template class TbsMenuButtonControl<TbsSkinButton>;

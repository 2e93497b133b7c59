// What the two menu buttons share over their two bases (TbsSkinSpeedButton
// for the window-less one, TbsSkinButton for the focusable one): the menus
// they drop (a skinned popup menu, an images menu or both) and their
// events, the track area, dropping the menus below the button, the face
// taken from the images menu's choice, and the skinned images with the
// track strip or track area.
#pragma once

#include "skin/controls/bs_menu_button_look.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/controls/bs_skin_speed_button.h"

class TbsSkinImagesMenu;
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
    // Not owned; cleared when the menu is freed. The button repaints when
    // the menu's choice changes, and comes up when its grid closes.
    TbsSkinImagesMenu* SkinImagesMenu() const { return skinImagesMenu_; }
    void SetSkinImagesMenu(TbsSkinImagesMenu* Value);
    // The face shows the images menu's chosen image, resp. its caption.
    bool UseImagesMenuImage = false;
    bool UseImagesMenuCaption = false;
    // The skin's "trackbuttonrect" on a menu button description.
    TRect TrackButtonRect;

    bool PointInTrackButton(int X, int Y);
    // OnShowTrackMenu, then the popup menu below the button, the button its
    // opener (which hears 1228 when it closes); then, when set, the same for
    // the images menu, whose closing calls MenuClosed. An images menu with
    // nothing to show opens nothing: the button comes up again at once.
    void DropMenu();

    // The inherited look-up; then the track rectangle of a menu button
    // description.
    void GetSkinData() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The images menu's choice in the face when asked for.
    void DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn) override;
    // A menu the button dropped closed: the button comes up.
    virtual void MenuClosed() = 0;
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
    // The tool-button variant's image without face and marker, into B.
    virtual void DrawToolImage(TBitmap* B, TbsMenuLook Look, bool Flat);

private:
    void ImagesMenuChange(TObject* Sender);
    void ImagesMenuClose(TObject* Sender);
    // Takes this button's callbacks off the images menu.
    void UnbindImagesMenu();

    bool trackButtonMode_ = false;
    TbsSkinPopupMenu* skinPopupMenu_ = nullptr;    // free-notified
    TbsSkinImagesMenu* skinImagesMenu_ = nullptr;  // free-notified; its callbacks may name this button
};

extern template class TbsMenuButtonControl<TbsSkinSpeedButton>;
extern template class TbsMenuButtonControl<TbsSkinButton>;

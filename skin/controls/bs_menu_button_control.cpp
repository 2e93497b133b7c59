// The menu buttons' shared part.
#include "skin/controls/bs_menu_button_control.h"

#include "platform/ui/graphics/canvas.h"
#include "skin/controls/bs_images_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls.h"

template <typename Base>
TbsMenuButtonControl<Base>::TbsMenuButtonControl(TComponent* AOwner) : Base(AOwner)
{
    this->SetSkinDataName("toolmenubutton");
}

// A grid still open must not call back into a freed button.
template <typename Base>
TbsMenuButtonControl<Base>::~TbsMenuButtonControl()
{
    UnbindImagesMenu();
}

template <typename Base>
void TbsMenuButtonControl<Base>::UnbindImagesMenu()
{
    if (!skinImagesMenu_)
        return;
    if (skinImagesMenu_->OnInternalChange == TNotifyEvent(this, &TbsMenuButtonControl::ImagesMenuChange))
        skinImagesMenu_->OnInternalChange = TNotifyEvent();
    if (skinImagesMenu_->OnInternalMenuClose == TNotifyEvent(this, &TbsMenuButtonControl::ImagesMenuClose))
        skinImagesMenu_->OnInternalMenuClose = TNotifyEvent();
    skinImagesMenu_->RemoveFreeNotification(this);
}

template <typename Base>
void TbsMenuButtonControl<Base>::SetSkinImagesMenu(TbsSkinImagesMenu* Value)
{
    if (skinImagesMenu_ != Value)
        UnbindImagesMenu();
    skinImagesMenu_ = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->OnInternalChange = TNotifyEvent(this, &TbsMenuButtonControl::ImagesMenuChange);
    }
    this->Repaint();
}

template <typename Base>
void TbsMenuButtonControl<Base>::ImagesMenuChange(TObject* /*Sender*/)
{
    this->Repaint();
}

template <typename Base>
void TbsMenuButtonControl<Base>::ImagesMenuClose(TObject* /*Sender*/)
{
    MenuClosed();
}

template <typename Base>
void TbsMenuButtonControl<Base>::SetTrackButtonMode(bool Value)
{
    trackButtonMode_ = Value;
    if (this->DescriptionIndex() == -1)
        this->Repaint();
}

template <typename Base>
void TbsMenuButtonControl<Base>::SetSkinPopupMenu(TbsSkinPopupMenu* Value)
{
    if (skinPopupMenu_ && skinPopupMenu_ != Value)
        skinPopupMenu_->RemoveFreeNotification(this);
    skinPopupMenu_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

template <typename Base>
void TbsMenuButtonControl<Base>::Notification(TComponent* AComponent, TOperation Operation)
{
    Base::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == skinPopupMenu_)
        skinPopupMenu_ = nullptr;
    if (Operation == opRemove && AComponent == skinImagesMenu_)
        skinImagesMenu_ = nullptr;
}

template <typename Base>
void TbsMenuButtonControl<Base>::GetSkinData()
{
    Base::GetSkinData();
    if (auto* d = dynamic_cast<TbsDataSkinMenuButtonControl*>(this->Description()))
        TrackButtonRect = d->TrackButtonRect;
}

template <typename Base>
bool TbsMenuButtonControl<Base>::PointInTrackButton(int X, int Y)
{
    GetSkinData();
    bool ownSkin = this->DescriptionIndex() != -1 && !ToolButtonSkin();
    bool hasMenu = skinPopupMenu_ != nullptr || skinImagesMenu_ != nullptr;
    TbsTrackArea area = MenuTrackArea(hasMenu, trackButtonMode_, ownSkin, *this, TrackButtonRect,
                                      this->Width(), this->Height(), StripAtBottom());
    return PointInTrackArea(area, Point(X, Y));
}

template <typename Base>
void TbsMenuButtonControl<Base>::DropMenu()
{
    typename Base::TAlive alive(this);
    TPoint origin = this->ClientToScreen(Point(0, 0));
    TRect r = Bounds(origin.X, origin.Y, this->Width(), this->Height());
    if (skinPopupMenu_) {
        BeforeDrop();
        if (OnShowTrackMenu)
            OnShowTrackMenu(this);
        if (!alive)
            return;
        if (skinPopupMenu_)
            skinPopupMenu_->PopupFromRect(this, r, false);
    }
    if (!alive || !skinImagesMenu_)
        return;
    BeforeDrop();
    if (OnShowTrackMenu)
        OnShowTrackMenu(this);
    if (!alive || !skinImagesMenu_)
        return;
    skinImagesMenu_->OnInternalMenuClose = TNotifyEvent(this, &TbsMenuButtonControl::ImagesMenuClose);
    skinImagesMenu_->PopupFromRect(r);
    // Nothing to show opened nothing, and no close will come: unless a popup
    // menu holds the button down, it comes up now.
    if (alive && skinImagesMenu_ && !skinImagesMenu_->PopupWindow() && !skinPopupMenu_)
        MenuClosed();
}

template <typename Base>
void TbsMenuButtonControl<Base>::DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn)
{
    TbsImagesMenuItem* item = skinImagesMenu_ ? skinImagesMenu_->GetSelectedItem() : nullptr;
    if (!item || (!UseImagesMenuImage && !UseImagesMenuCaption)) {
        Base::DrawFace(Canvas, CaptionRect, ADown, AMouseIn);
        return;
    }
    if (!this->RunOnPaint(Canvas, CaptionRect))
        return;
    TbsButtonFace face = this->Face(CaptionRect, UseImagesMenuCaption ? item->Caption : this->Caption(), ADown, AMouseIn);
    if (UseImagesMenuImage) {
        face.Images = skinImagesMenu_->Images();
        face.ImageIndex = item->ImageIndex;
    }
    DrawButtonFace(Canvas, face);
}

template <typename Base>
bool TbsMenuButtonControl<Base>::ShowsOpenTrack(bool MenuOpen)
{
    return MenuOpen && trackButtonMode_ && this->DescriptionIndex() != -1 && !ToolButtonSkin() &&
           !IsNullRect(TrackButtonRect) && !IsNullRect(this->skin_.DownSkinRect);
}

template <typename Base>
void TbsMenuButtonControl<Base>::PaintOwnSkinWithOpenTrack()
{
    TBitmap image;
    image.SetSize(this->Width(), this->Height());
    this->CreateButtonImage(&image, this->skin_.ActiveSkinRect, false, true);
    TbsTrackArea area = MenuTrackArea(true, true, true, *this, TrackButtonRect, this->Width(), this->Height(), false);
    TRect source = TrackButtonRect;
    OffsetRect(source, this->skin_.DownSkinRect.Left, this->skin_.DownSkinRect.Top);
    if (this->Picture)
        image.Canvas()->CopyRect(area.Rect, this->Picture->Canvas(), source);
    this->Canvas()->Draw(0, 0, &image);
}

template <typename Base>
void TbsMenuButtonControl<Base>::DrawToolImage(TBitmap* B, TbsMenuLook Look, bool Flat)
{
    bool ninePart = this->SkinDataName() == "resizebutton" || this->SkinDataName() == "resizetoolbutton";
    DrawToolMenuButton(B, *this, this->skin_, StripAtBottom(), trackButtonMode_, Look, Flat, ninePart);
}

template <typename Base>
void TbsMenuButtonControl<Base>::PaintToolVariant(TbsMenuLook Look, bool Flat, const TRect& Marker, int ArrowKind)
{
    int w = this->Width();
    int h = this->Height();
    const TbsButtonSkinValues& skin = this->skin_;
    TBitmap image;
    image.SetSize(w, h);
    bool open = Look == TbsMenuLook::MenuOpen;
    bool pressed = Look == TbsMenuLook::Pressed;
    bool hot = Look == TbsMenuLook::Hot;
    DrawToolImage(&image, Look, Flat);
    TCanvas* canvas = image.Canvas();
    SetButtonFont(canvas, this->UseSkinFont, skin, this->DefaultFont(), this->SkinData());
    TColor colour =
        ButtonFontColor(skin, this->Enabled(), this->UseSkinFontColor, hot || open, pressed, this->DefaultFont()->Color());
    canvas->Font()->SetColor(colour);
    TRect caption = TrackMain(w, h, StripAtBottom());
    this->Decorate(canvas, caption);
    this->DrawFace(canvas, caption, pressed, hot);
    TRect strip = TrackStrip(w, h, StripAtBottom());
    if (ArrowKind > 0)
        DrawArrowImage(canvas, strip, colour, ArrowKind);
    else if (!IsNullRect(Marker))
        DrawMenuMarker(canvas, strip, this->Picture, Marker, skin.MenuMarkerTransparentColor, colour);
    else
        DrawSmallDownArrow(canvas, strip, open ? skin.DownFontColor : colour);
    this->Canvas()->Draw(0, 0, &image);
}

template class TbsMenuButtonControl<TbsSkinSpeedButton>;
template class TbsMenuButtonControl<TbsSkinButton>;

#include "skin/form/bs_skin_button_object.h"

#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_skin_objects.h"
#include "skin/form/bs_skin_form.h"

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm* AParent, TbsDataSkinObject* AData)
    : TbsActiveSkinObject(AParent, AData)
{
    if (auto* data = dynamic_cast<TbsDataSkinButton*>(AData)) {
        DownRect = data->DownRect;
        DisableSkinRect = data->DisableSkinRect;
    }
}

TbsLayerManager* TbsSkinButtonObject::GlowManager() const
{
    // The menu's layer goes when the menu closes.
    return MenuItem ? Parent->MenuLayerManager() : Parent->LayerManager();
}

void TbsSkinButtonObject::SetDown(bool Value)
{
    Down = Value;
    if (CanMorph() && Active)
        SetMorphKf(true);
    Parent->DrawSkinObject(this);
    if (CanMorph() && !Down)
        StartMorph();
}

bool TbsSkinButtonObject::NeedMorphStep()
{
    // An open menu holds the button pressed: no fade under it.
    return TbsActiveSkinObject::NeedMorphStep() && !(MenuItem && Down);
}

void TbsSkinButtonObject::Draw(TCanvas* Canvas, bool UpDate)
{
    if (!SkinReady())
        return;
    if (!Enabled && !IsRectEmpty(DisableSkinRect) && ActivePicture)
        DrawImage(Canvas, ActivePicture, DisableSkinRect);
    else if (Down && !IsRectEmpty(DownRect) && MouseIn && ActivePicture)
        DrawImage(Canvas, ActivePicture, DownRect);
    else
        TbsActiveSkinObject::Draw(Canvas, UpDate);
}

void TbsSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button)
{
    if (!Enabled)
        return;
    if (Button == mbLeft && !Down) {
        SetDown(true);
        TrackMenu();
    }
    TbsActiveSkinObject::MouseDown(X, Y, Button);
}

void TbsSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button)
{
    if (!Enabled)
        return;
    if (Button == mbLeft && !MenuItem && Down)
        SetDown(false);
    TbsActiveSkinObject::MouseUp(X, Y, Button);
}

void TbsSkinButtonObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    if (IsRectEmpty(DownRect) || !Down) {
        if (!IsRectEmpty(ActiveSkinRect))
            StartMorph();
        if (MenuItem)
            ShowLayer();
    } else {
        if (CanMorph())
            SetMorphKf(true);
        Parent->DrawSkinObject(this);
    }
    if (Parent->OnMouseEnterEvent)
        Parent->OnMouseEnterEvent(IDName);
    if (!MenuItem)
        ShowLayer();
}

void TbsSkinButtonObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    if (!(MenuItem && Down)) {
        if (MenuItem)
            HideLayer();
        Parent->DrawSkinObject(this);
        StartMorph();
    }
    if (Parent->OnMouseLeaveEvent)
        Parent->OnMouseLeaveEvent(IDName);
    if (!MenuItem)
        HideLayer();
}

void TbsSkinButtonObject::TrackMenu() { OpenMenu(MenuItem); }

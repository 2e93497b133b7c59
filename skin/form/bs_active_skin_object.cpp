#include "skin/form/bs_active_skin_object.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/menus.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_skin_form.h"

namespace {

// A picture of the skin's list, or null for an index that names none.
TBitmap* ListPicture(TbsSkinData* Data, int Index)
{
    return Data ? Data->PictureAt(Index) : nullptr;
}

}  // namespace

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm* AParent, TbsDataSkinObject* AData)
    : Parent(AParent), SkinData(AParent->SkinData())
{
    if (!AData)
        return;
    IDName = AData->IDName;
    Hint = AData->Hint;
    SkinRect = AData->SkinRect;
    ObjectRect = SkinRect;
    InActiveSkinRect = AData->InActiveSkinRect;
    Picture = SkinData ? SkinData->Picture.get() : nullptr;
    ActivePicture = ListPicture(SkinData, AData->ActivePictureIndex);
    ActiveMaskPicture = ListPicture(SkinData, AData->ActiveMaskPictureIndex);
    // Without its picture an object has no active image to fade to.
    if (!ActivePicture)
        AData->ActiveSkinRect = {};
    ActiveSkinRect = AData->ActiveSkinRect;
    SkinRectInAPicture = AData->SkinRectInAPicture;
    Morphing = AData->Morphing && !IsRectEmpty(ActiveSkinRect);
    MorphKind = AData->MorphKind;
    GlowLayerPictureIndex = AData->GlowLayerPictureIndex;
    GlowLayerMaskPictureIndex = AData->GlowLayerMaskPictureIndex;
    GlowLayerOffsetX = AData->GlowLayerOffsetX;
    GlowLayerOffsetY = AData->GlowLayerOffsetY;
    GlowLayerAlphaBlendValue = AData->GlowLayerAlphaBlendValue;
}

bool TbsActiveSkinObject::SkinReady() const { return SkinData && !SkinData->Empty; }

bool TbsActiveSkinObject::FormActive() const { return Parent->GetFormActive(); }

bool TbsActiveSkinObject::CanMorph() const
{
    // The layered border's strip shows an object's new look at once.
    return Morphing && SkinReady() && SkinData->EnableSkinEffects && !Parent->LayerBorder()->CarriesCaption();
}

void TbsActiveSkinObject::StartMorph()
{
    if (CanMorph())
        Parent->EnableObjectFade();
    else
        Parent->DrawSkinObject(this);
}

bool TbsActiveSkinObject::NeedMorphStep() { return Active ? morphFifths_ < 5 : morphFifths_ > 0; }

void TbsActiveSkinObject::MorphStep()
{
    morphFifths_ = std::clamp(morphFifths_ + (Active ? 1 : -1), 0, 5);
    Parent->DrawSkinObject(this);
}

bool TbsActiveSkinObject::FadeUnderWay() const { return Active ? morphFifths_ < 5 : morphFifths_ > 0; }

void TbsActiveSkinObject::ResetState()
{
    Active = false;
    MouseIn = false;
    morphFifths_ = 0;
}

bool TbsActiveSkinObject::PointInMask(int X, int Y)
{
    if (!SkinReady() || !ActiveMaskPicture)
        return true;
    if (X < 0 || Y < 0 || X >= ActiveMaskPicture->Width() || Y >= ActiveMaskPicture->Height())
        return false;
    return (ActiveMaskPicture->Canvas()->Pixels(X, Y) & 0x00FFFFFF) == 0;
}

TbsLayerManager* TbsActiveSkinObject::GlowManager() const { return Parent->LayerManager(); }

void TbsActiveSkinObject::ShowLayer()
{
    if (!SkinReady() || !IsWindows2000OrLater() || !SkinData->ShowCaptionButtonGlowFrames)
        return;
    // Both pictures must be in the list: the layer manager reads them.
    TBitmap* glow = ListPicture(SkinData, GlowLayerPictureIndex);
    TBitmap* mask = ListPicture(SkinData, GlowLayerMaskPictureIndex);
    if (!glow || !mask)
        return;
    TRect r = Parent->ObjectScreenRect(ObjectRect);
    GlowManager()->Show(r.Left - GlowLayerOffsetX, r.Top - GlowLayerOffsetY, glow, mask, GlowLayerAlphaBlendValue);
}

void TbsActiveSkinObject::HideLayer() { GlowManager()->Hide(); }

void TbsActiveSkinObject::DrawImage(TCanvas* Canvas, TBitmap* Bitmap, const TRect& Source) const
{
    if (!Bitmap || Bitmap->Empty() || IsRectEmpty(Source))
        return;
    Canvas->CopyRect(ObjectRect, Bitmap->Canvas(), Source);
}

void TbsActiveSkinObject::DrawMorph(TCanvas* Canvas, TBitmap* NormalFrom, const TRect& Normal,
                                    const TRect& ActiveImage) const
{
    if (!NormalFrom || !ActivePicture)
        return;
    TRect size{0, 0, ObjectRect.Width(), ObjectRect.Height()};
    TBitmap normal, active, result;
    for (TBitmap* b : {&normal, &active, &result}) {
        b->SetPixelFormat(pf24bit);
        b->SetSize(size.Right, size.Bottom);
    }
    normal.Canvas()->CopyRect(size, NormalFrom->Canvas(), Normal);
    active.Canvas()->CopyRect(size, ActivePicture->Canvas(), ActiveImage);
    DrawMorphedImages(result.Canvas(), &normal, &active, MorphKind, MorphKf());
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &result);
}

void TbsActiveSkinObject::Draw(TCanvas* Canvas, bool UpDate)
{
    if (!SkinReady())
        return;
    // An image whose picture is missing is no image: the object falls back
    // to its normal image.
    if (Enabled && !FormActive() && !IsRectEmpty(InActiveSkinRect) && ActivePicture) {
        DrawImage(Canvas, ActivePicture, InActiveSkinRect);
        return;
    }
    if (CanMorph() && FadeUnderWay()) {
        DrawMorph(Canvas, NormalPicture(), SkinRect, ActiveSkinRect);
        return;
    }
    if (Active && !IsRectEmpty(ActiveSkinRect)) {
        DrawImage(Canvas, ActivePicture, ActiveSkinRect);
        return;
    }
    // The frame picture the frame has just painted holds the normal image.
    if (!UpDate && !SkinRectInAPicture)
        return;
    DrawImage(Canvas, NormalPicture(), SkinRect);
}

void TbsActiveSkinObject::MouseDown(int X, int Y, TMouseButton Button)
{
    if (Parent->OnMouseDownEvent)
        Parent->OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TbsActiveSkinObject::MouseUp(int X, int Y, TMouseButton Button)
{
    if (MouseIn && Parent->OnMouseUpEvent)
        Parent->OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TbsActiveSkinObject::MouseMove(int X, int Y)
{
    if (Parent->OnMouseMoveEvent)
        Parent->OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TbsActiveSkinObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    if (!IsRectEmpty(ActiveSkinRect))
        StartMorph();
    if (Parent->OnMouseEnterEvent)
        Parent->OnMouseEnterEvent(IDName);
    ShowLayer();
}

void TbsActiveSkinObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    if (!IsRectEmpty(ActiveSkinRect))
        StartMorph();
    if (Parent->OnMouseLeaveEvent)
        Parent->OnMouseLeaveEvent(IDName);
    HideLayer();
}

bool TbsActiveSkinObject::OpenMenu(TMenuItem* Item)
{
    if (!Item || Item->Count() == 0)
        return false;
    for (TbsLayerManager* layer : {Parent->LayerManager(), Parent->MenuLayerManager()})
        if (layer->Showing())
            layer->Hide();
    if (MouseIn)
        ShowLayer();
    TRect r = Parent->ObjectScreenRect(ObjectRect);
    if (auto* popup = dynamic_cast<TbsSkinPopupMenu*>(Item->GetParentMenu())) {
        popup->PopupAt(r, false);
        return true;
    }
    Parent->SkinMenuOpen();
    TbsSkinData* data = Parent->MenusSkinData() ? Parent->MenusSkinData() : Parent->SkinData();
    Parent->SkinMenu()->PopupRect(nullptr, data, false, Item, r, 0);
    return true;
}

void TbsUserObject::Draw(TCanvas* Canvas, bool)
{
    if (Parent->OnPaintEvent)
        Parent->OnPaintEvent(IDName, Canvas, ObjectRect);
}

#include "skin/data/bs_skin_data.h"

#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/data/bs_skin_list.h"
#include "skin/data/bs_stored_skin.h"

namespace {

template <typename List>
int FindDescription(const List& Descriptions, const AnsiString& Name)
{
    for (size_t i = 0; i < Descriptions.size(); ++i)
        if (Descriptions[i]->IDName == Name)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

TbsSkinData::TbsSkinData(TComponent* AOwner) : TComponent(AOwner) {}

TbsSkinData::~TbsSkinData()
{
    // Components still holding this skin data hear of its going through
    // the component notification, not through a message.
    Empty = true;
}

template <typename T>
T* TbsSkinData::Track(T* Old, T* Value)
{
    if (Old && Old != Value)
        RemoveFreeNotification(Old);
    if (Value)
        Value->FreeNotification(this);
    return Value;
}

void TbsSkinData::SetSkinnableForm(bool Value)
{
    if (Value == skinnableForm_)
        return;
    skinnableForm_ = Value;
    if (!DesigningOrLoading())
        SendSkinDataChange(WM_SKINDATA_SKINNABLEFORMCHANGED);
}

void TbsSkinData::SetShowLayeredBorders(bool Value)
{
    if (Value == showLayeredBorders_)
        return;
    showLayeredBorders_ = Value;
    if (!DesigningOrLoading())
        SendSkinDataChange(WM_SKINDATA_LAYEREDBORDERSCHANGED);
}

void TbsSkinData::SetAeroBlurEnabled(bool Value)
{
    if (Value == aeroBlurEnabled_)
        return;
    aeroBlurEnabled_ = Value;
    if (!DesigningOrLoading())
        SendSkinDataChange(WM_SKINDATA_AEROBLURCHANGED);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* Value)
{
    compressedStoredSkin_ = Track(compressedStoredSkin_, Value);
    if (!Designing() && Value)
        LoadStoredSkin(Value);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* Value)
{
    resourceStrData_ = Track(resourceStrData_, Value);
    if (!Designing())
        SendSkinDataChange(WM_SKINDATA_RESSTRCHANGED);
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* Value)
{
    skinList_ = Track(skinList_, Value);
    if (!Designing() && Value)
        LoadListItem(skinIndex_);
}

void TbsSkinData::SetSkinIndex(int Value)
{
    if (Value == skinIndex_)
        return;
    if (!skinList_) {
        skinIndex_ = Value;
        return;
    }
    if (Value < 0 || Value >= skinList_->Skins()->Count())
        return;
    skinIndex_ = Value;
    if (!Designing())
        LoadListItem(Value);
}

void TbsSkinData::LoadListItem(int Index)
{
    if (Index >= 0 && Index < skinList_->Skins()->Count())
        LoadStoredSkin(skinList_->Skins()->Items(Index)->StoredSkin());
}

void TbsSkinData::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == compressedStoredSkin_)
        compressedStoredSkin_ = nullptr;
    if (AComponent == resourceStrData_)
        resourceStrData_ = nullptr;
    if (AComponent == skinList_)
        skinList_ = nullptr;
}

int TbsSkinData::FindObjectDescription(const AnsiString& Name) const { return FindDescription(ObjectList, Name); }

int TbsSkinData::FindControlDescription(const AnsiString& Name) const { return FindDescription(ControlList, Name); }

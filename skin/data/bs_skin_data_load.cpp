#include "platform/base/string_list.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/data/bs_stored_skin.h"

void TbsSkinData::LoadStoredSkin(TbsCompressedStoredSkin* StoredSkin)
{
    if (!StoredSkin || StoredSkin->IsEmpty())
        return;
    // All reading, and so every error a damaged skin can raise, happens
    // here, while the skin in use and the forms are untouched.
    TbsSkinContent staged;
    staged.LoadFrom(*StoredSkin->Unpack());

    bool wasEmpty = Empty;
    bool replaced = false;
    Empty = true;
    SkinLoading = true;
    try {
        SendSkinDataChange(WM_SKINDATA_BEFORECHANGE);
        static_cast<TbsSkinContent&>(*this) = std::move(staged);
        replaced = true;
        Empty = false;
        if (OnLoadData)
            OnLoadData(this);
    } catch (...) {
        // The forms have dropped what they took from the skin: whatever
        // went wrong, they hear the end of the change and draw again.
        Empty = replaced ? false : wasEmpty;
        SendSkinDataChange(WM_SKINDATA_CHANGED);
        SkinLoading = false;
        SendSkinDataChange(WM_SKINDATA_AFTERCHANGE);
        throw;
    }
    SendSkinDataChange(WM_SKINDATA_CHANGED);
    SkinLoading = false;
    SendSkinDataChange(WM_SKINDATA_AFTERCHANGE);
}

void TbsSkinData::LoadFromFile(const AnsiString& FileName)
{
    TbsCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinIni(FileName);
    LoadStoredSkin(&stored);
}

void TbsSkinData::LoadFromCompressedFile(const AnsiString& FileName)
{
    TbsCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(FileName);
    LoadStoredSkin(&stored);
}

// Loading a skin: reading it whole, then telling the forms while it replaces
// the one in use.
#include <new>
#include <stdexcept>

#include "platform/base/string_list.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/data/bs_stored_skin.h"

namespace {

// Runs Load, raising a failed allocation as ESkinOutOfMemory: callers handle
// a skin that can't be loaded by its Exception, whatever the cause.
template <typename TLoad>
void ReportingMemory(TLoad&& Load)
{
    try {
        Load();
    } catch (const std::bad_alloc&) {
        throw ESkinOutOfMemory("Not enough memory to load the skin");
    } catch (const std::length_error&) {
        throw ESkinOutOfMemory("Not enough memory to load the skin");
    }
}

}  // namespace

void TbsSkinData::LoadStoredSkin(TbsCompressedStoredSkin* StoredSkin)
{
    ReportingMemory([&] { TakeStoredSkin(StoredSkin); });
}

void TbsSkinData::TakeStoredSkin(TbsCompressedStoredSkin* StoredSkin)
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
        ++LoadCount;
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
    ReportingMemory([&] {
        TbsCompressedStoredSkin stored(nullptr);
        stored.LoadFromSkinIni(FileName);
        TakeStoredSkin(&stored);
    });
}

void TbsSkinData::LoadFromCompressedFile(const AnsiString& FileName)
{
    ReportingMemory([&] {
        TbsCompressedStoredSkin stored(nullptr);
        stored.LoadFromSkinFile(FileName);
        TakeStoredSkin(&stored);
    });
}

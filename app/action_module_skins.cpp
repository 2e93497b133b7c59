// The action module's skin: the skin data every skinned window draws from,
// its Chinese captions, the four stored skins built into the program and
// the four actions that switch among them.
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "app/action_making.h"
#include "app/action_module.h"
#include "editor_services/dialogs/message_dlg.h"
#include "platform/base/streams.h"
#include "platform/gdi/font.h"
#include "platform/gdi/resources.h"
#include "platform/ui/kernel/action_list.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_stored_skin.h"
#include "skins/program_strings.h"

namespace {

// The skin actions form one radio group, so exactly one is checked.
constexpr int kSkinGroupIndex = 3398;

// A stored skin filled from the skin file compiled in under FileName. One
// with a damaged header stays empty, which loading then reports.
TbsCompressedStoredSkin* MakeStoredSkin(TComponent* Owner, const char* Name, const char* FileName)
{
    auto* skin = new TbsCompressedStoredSkin(Owner);
    skin->SetName(Name);
    skin->SetFileName(FileName);
    skin->Description = AnsiString(FileName, std::string_view(FileName).find('.'));
    const std::span<const uint8_t> data = FindResourceData(FileName);
    TStringStream stream(AnsiString(reinterpret_cast<const char*>(data.data()), data.size()));
    try {
        skin->LoadFromSkinStream(&stream);
    } catch (const std::exception&) {
        // Left empty; the load of it says that it could not be loaded.
    }
    return skin;
}

}  // namespace

void TActionModule::CreateSkinComponents()
{
    ResourceStrData = new TbsResourceStrData(this);
    ResourceStrData->SetName("ResourceStrData");
    ResourceStrData->CharSet = GB2312_CHARSET;
    FillProgramStrings(*ResourceStrData);
    Office2007Skin = MakeStoredSkin(this, "Office2007Skin", "Office2007.skn");
    VistaLightSkin = MakeStoredSkin(this, "VistaLightSkin", "VistaLight.skn");
    ColorExpertSkin = MakeStoredSkin(this, "ColorExpertSkin", "ColorExpert.skn");
    GradicSkin = MakeStoredSkin(this, "GradicSkin", "Gradic.skn");

    SkinData = new TbsSkinData(this);
    SkinData->SetName("SkinData");
    SkinData->SetSkinnableForm(true);
    SkinData->EnableSkinEffects = true;
    SkinData->ShowButtonGlowFrames = true;
    SkinData->ShowCaptionButtonGlowFrames = true;
    SkinData->SetShowLayeredBorders(true);
    SkinData->SetAeroBlurEnabled(true);
    SkinData->DlgTreeViewDrawSkin = true;
    SkinData->DlgTreeViewItemSkinDataName = "listbox";
    SkinData->DlgListViewDrawSkin = true;
    SkinData->DlgListViewItemSkinDataName = "listbox";
    SkinData->SetResourceStrData(ResourceStrData);
    // Every window comes up skinned, or, when the skin is damaged or
    // missing, in the plain look: a skin never keeps the program from
    // starting.
    LoadSkin(Office2007Skin);
}

void TActionModule::CreateSkinActions()
{
    TCustomAction** actions[] = {&aSkin1, &aSkin2, &aSkin3, &aSkin4};
    const char* captions[] = {"Office2007", "VistaLight", "ColorExpert", "Gradic"};
    for (int i = 0; i < 4; ++i) {
        const std::string name = "aSkin" + std::to_string(i + 1);
        auto* action = MakeAction<TAction>(this, ActionList, name.c_str(), captions[i]);
        action->SetGroupIndex(kSkinGroupIndex);
        action->SetAutoCheck(true);
        action->SetOnExecute(TNotifyEvent(this, &TActionModule::aSkin1Execute));
        *actions[i] = action;
    }
    aSkin1->SetChecked(true);
    skinAction_ = aSkin1;
}

bool TActionModule::LoadSkin(TbsCompressedStoredSkin* Skin)
{
    const AnsiString name = Skin->Description;
    try {
        if (Skin->IsEmpty())
            throw Exception("这个程序里没有它的数据");
        SkinData->SetCompressedStoredSkin(Skin);
        return true;
    } catch (const std::exception& e) {
        MessageDlg.ShowAppMessage("无法载入界面外观“" + name + "”：" + e.what() +
                                  (SkinData->Empty ? "\r\n程序以普通外观运行。" : ""));
        return false;
    }
}

void TActionModule::aSkin1Execute(TObject* /*Sender*/)
{
    // The action checks itself before this runs; the check moves back to
    // the skin still in use when the new one does not load.
    const std::pair<TCustomAction*, TbsCompressedStoredSkin*> skins[] = {
        {aSkin1, Office2007Skin}, {aSkin2, VistaLightSkin}, {aSkin3, ColorExpertSkin}, {aSkin4, GradicSkin}};
    for (const auto& [action, skin] : skins) {
        if (!action->Checked())
            continue;
        TbsCompressedStoredSkin* inUse = SkinData->CompressedStoredSkin();
        if (LoadSkin(skin)) {
            skinAction_ = action;
            return;
        }
        skinAction_->SetChecked(true);
        // The skin data names the skin that failed; naming the one in use
        // again loads it once more, which keeps the look it already has.
        if (SkinData->CompressedStoredSkin() != inUse && inUse && !inUse->IsEmpty())
            LoadSkin(inUse);
        return;
    }
}

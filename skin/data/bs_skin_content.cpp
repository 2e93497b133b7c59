#include "skin/data/bs_skin_content.h"

#include "platform/base/sys_utils.h"
#include "skin/data/bs_ini_codecs.h"
#include "skin/data/bs_skin_control_factory.h"
#include "skin/data/bs_skin_object_factory.h"
#include "skin/data/bs_stored_skin.h"

namespace {

// The entries of a description list section. The count is bounded by the
// keys the section holds, so a damaged count can't run on.
template <typename Description, typename Factory>
void LoadDescriptions(const TCustomIniFile* IniFile, const AnsiString& Section, Factory Create,
                      std::vector<std::unique_ptr<Description>>& List)
{
    int count = ReadNumberedCount(IniFile, Section, "count");
    for (int i = 0; i < count; ++i) {
        TbsDescriptionEntry entry = SplitDescriptionEntry(IniFile->ReadString(Section, IntToStr(i), ""));
        std::unique_ptr<Description> description = Create(entry.TypeWord, entry.IDName);
        if (!description)
            continue;
        description->LoadFromFile(IniFile);
        List.push_back(std::move(description));
    }
}

}  // namespace

TbsSkinContent::TbsSkinContent()
    : Picture(std::make_unique<TBitmap>()),
      InactivePicture(std::make_unique<TBitmap>()),
      Mask(std::make_unique<TBitmap>()),
      ActivePictureNames(std::make_unique<TStringList>())
{
    SkinColors.SetDefaults();
}

void TbsSkinContent::LoadFrom(TbsUnpackedSkin& Skin)
{
    Picture = std::move(Skin.Picture);
    InactivePicture = std::move(Skin.InactivePicture);
    Mask = std::move(Skin.Mask);
    ActivePictures = std::move(Skin.ActivePictures);

    const TCustomIniFile* ini = &Skin.Ini;
    SkinName = ini->ReadString("VERSION", "skinname", "");
    SkinAuthor = ini->ReadString("VERSION", "skinauthor", "");
    AuthorEmail = ini->ReadString("VERSION", "authoremail", "");
    AuthorURL = ini->ReadString("VERSION", "authorurl", "");
    SkinComments = ini->ReadString("VERSION", "skincomments", "");

    PictureFileName = ini->ReadString("PICTURES", "picture", "");
    InactivePictureFileName = ini->ReadString("PICTURES", "inactivepicture", "");
    MaskFileName = ini->ReadString("PICTURES", "mask", "");
    ReadStrings(ini, "PICTURES", "activepictures", ActivePictureNames.get());

    TbsFormInfo::LoadFromFile(ini, !MaskFileName.empty());
    PopupWindow.LoadFromFile(ini);
    LayerFrame.LoadFromFile(ini);
    HintWindow.LoadFromFile(ini);
    SkinColors.LoadFromFile(ini);

    LoadDescriptions(ini, "SKINOBJECTS", &CreateSkinObject, ObjectList);
    LoadDescriptions(ini, "SKINCONTROLS", &CreateSkinControl, ControlList);

    // Indexes past the pictures the skin holds would read past the list in
    // every drawing routine; they mean "no picture".
    int pictureCount = static_cast<int>(ActivePictures.size());
    TbsFormInfo::ClearMissingPictures(pictureCount);
    PopupWindow.ClearMissingPictures(pictureCount);
    LayerFrame.ClearMissingPictures(pictureCount);
    HintWindow.ClearMissingPictures(pictureCount);
    for (auto& object : ObjectList)
        object->ClearMissingPictures(pictureCount);
    for (auto& control : ControlList)
        control->ClearMissingPictures(pictureCount);
}

#include "tests/skins/skin_test_support.h"

#include <span>

#include "platform/base/ini_files.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "platform/gdi/raster_image.h"
#include "platform/gdi/resources.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_stored_skin.h"
#include "skins/generator/gen_skin_model.h"
#include "skins/program_resources.h"
#include "tests/support/test_data.h"

namespace {

std::string IniText(const TMemIniFile& Ini)
{
    TStringList lines;
    Ini.GetStrings(&lines);
    return lines.Text();
}

}  // namespace

const std::vector<std::string>& ProgramSkinNames()
{
    static const std::vector<std::string> names{"Office2007", "VistaLight", "ColorExpert", "Gradic"};
    return names;
}

std::unique_ptr<TbsCompressedStoredSkin> EmbeddedStoredSkin(const std::string& Name)
{
    EnsureProgramResources();
    std::span<const uint8_t> bytes = FindResourceData(Name + ".skn");
    if (bytes.empty())
        throw Exception("No embedded skin " + Name);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
    auto stored = std::make_unique<TbsCompressedStoredSkin>(nullptr);
    stored->LoadFromSkinStream(&stream);
    return stored;
}

std::unique_ptr<TbsSkinData> LoadEmbeddedSkin(const std::string& Name)
{
    auto data = std::make_unique<TbsSkinData>(nullptr);
    data->LoadStoredSkin(EmbeddedStoredSkin(Name).get());
    return data;
}

std::unique_ptr<TbsSkinData> LoadSkinFolder(const std::string& Name)
{
    auto data = std::make_unique<TbsSkinData>(nullptr);
    data->LoadFromFile(FindTestFolder("skins") + "/" + Name + "/skin.ini");
    return data;
}

std::string DescriptionsText(const TbsSkinContent& Content)
{
    TMemIniFile ini("");
    for (const auto& object : Content.ObjectList)
        object->SaveToFile(&ini);
    for (const auto& control : Content.ControlList)
        control->SaveToFile(&ini);
    return IniText(ini);
}

std::string FixedSectionsText(const TbsSkinContent& Content)
{
    TMemIniFile ini("");
    WriteFixedSections(&ini, Content, Content.SkinColors, Content.PopupWindow, Content.LayerFrame, Content.HintWindow);
    return IniText(ini);
}

std::vector<uint32_t> PixelsOf(const TBitmap& Bitmap)
{
    return ImageFromBitmap(Bitmap.Handle()).Pixels;
}

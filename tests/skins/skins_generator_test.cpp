// The generator's output: it rewrites the committed skins and pictures
// byte for byte, and what a skin folder loads is exactly what the
// generator built, down to every field of every description.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/ui/graphics/bitmap.h"
#include "skins/generator/gen_generate.h"
#include "skins/generator/gen_skin_model.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/test_data.h"

namespace fs = std::filesystem;

namespace {

std::string FileBytes(const fs::path& Path)
{
    std::ifstream file(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The model's descriptions written as a load would write them back.
TbsSkinContent ModelAsContent(const TSkinModel& Model)
{
    TbsSkinContent content;
    static_cast<TbsFormInfo&>(content) = Model.FormInfo;
    content.SkinColors = Model.Colors;
    content.PopupWindow = Model.PopupWindow;
    content.LayerFrame = Model.LayerFrame;
    content.HintWindow = Model.HintWindow;
    return content;
}

std::vector<uint32_t> RasterPixels(const TRaster& Raster, bool WithAlpha)
{
    std::vector<uint32_t> pixels = Raster.Pixels();
    if (!WithAlpha)
        for (uint32_t& p : pixels)
            p |= 0xFF000000u;
    return pixels;
}

}  // namespace

TEST(SkinGenerator, RewritesTheCommittedSkinsAndPicturesByteForByte)
{
    fs::path out = fs::temp_directory_path() / ("tandril-skins-" + std::to_string(getpid()));
    fs::remove_all(out);
    GenerateAll(out.string());
    const fs::path committed = FindTestFolder("skins");
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(out)) {
        if (!entry.is_regular_file())
            continue;
        fs::path relative = fs::relative(entry.path(), out);
        ASSERT_TRUE(fs::exists(committed / relative)) << "not committed: skins/" << relative.string();
        ASSERT_TRUE(FileBytes(entry.path()) == FileBytes(committed / relative))
            << "differs from the generator's output: skins/" << relative.string();
        ++files;
    }
    // Nothing committed in a generated folder that the generator no longer writes.
    for (const char* folder : {"Office2007", "VistaLight", "ColorExpert", "Gradic", "pictures"})
        for (const fs::directory_entry& entry : fs::directory_iterator(committed / folder))
            EXPECT_TRUE(fs::exists(out / folder / entry.path().filename()))
                << "left over: skins/" << folder << "/" << entry.path().filename().string();
    fs::remove_all(out);
    EXPECT_EQ(files, 4 * 9 + 7);
}

TEST(SkinGenerator, EachFolderLoadsAsTheGeneratorBuiltIt)
{
    for (const TSkinLook& look : SkinLooks()) {
        SCOPED_TRACE(look.Name);
        TSkinModel model = BuildSkin(look);
        std::unique_ptr<TbsSkinData> data = LoadSkinFolder(look.Name);
        EXPECT_EQ(data->SkinName, look.Name);

        // Every key spelt as the loader reads it: a misspelt one would load
        // its default and write back differently.
        EXPECT_EQ(FixedSectionsText(*data), FixedSectionsText(ModelAsContent(model)));
        TbsSkinContent built = ModelAsContent(model);
        for (auto& object : model.Objects)
            built.ObjectList.push_back(std::move(object));
        for (auto& control : model.Controls)
            built.ControlList.push_back(std::move(control));
        EXPECT_EQ(DescriptionsText(*data), DescriptionsText(built));

        ASSERT_EQ(data->ActivePictures.size(), model.ActivePictures.size());
        for (size_t i = 0; i < model.ActivePictures.size(); ++i) {
            const TSkinPicture& picture = model.ActivePictures[i];
            EXPECT_EQ(PixelsOf(*data->ActivePictures[i]), RasterPixels(picture.Raster, picture.WithAlpha))
                << picture.FileName;
        }
        EXPECT_EQ(PixelsOf(*data->Picture), RasterPixels(model.Frame.Raster, false));
        EXPECT_EQ(PixelsOf(*data->InactivePicture), RasterPixels(model.InactiveFrame.Raster, false));
        EXPECT_EQ(PixelsOf(*data->Mask), RasterPixels(model.Mask.Raster, false));
    }
}

TEST(SkinGenerator, TheEmbeddedSkinIsTheFolderLoadedDirectly)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> embedded = LoadEmbeddedSkin(name);
        std::unique_ptr<TbsSkinData> folder = LoadSkinFolder(name);
        EXPECT_EQ(DescriptionsText(*embedded), DescriptionsText(*folder));
        EXPECT_EQ(FixedSectionsText(*embedded), FixedSectionsText(*folder));
        ASSERT_EQ(embedded->ActivePictures.size(), folder->ActivePictures.size());
        for (size_t i = 0; i < folder->ActivePictures.size(); ++i)
            EXPECT_EQ(PixelsOf(*embedded->ActivePictures[i]), PixelsOf(*folder->ActivePictures[i])) << i;
        EXPECT_EQ(PixelsOf(*embedded->Picture), PixelsOf(*folder->Picture));
        EXPECT_EQ(PixelsOf(*embedded->InactivePicture), PixelsOf(*folder->InactivePicture));
        EXPECT_EQ(PixelsOf(*embedded->Mask), PixelsOf(*folder->Mask));
    }
}

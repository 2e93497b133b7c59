// The program's embedded pictures and its Chinese captions, as the action
// module and the main window take them.
#include <gtest/gtest.h>

#include "platform/base/streams.h"
#include "platform/gdi/raster_image.h"
#include "platform/gdi/resources.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/data/bs_resource_str_data.h"
#include "skins/program_resources.h"
#include "skins/program_strings.h"

namespace {

TRasterImage Picture(const char* Name)
{
    EnsureProgramResources();
    HBITMAP bitmap = LoadBitmapResource(Name);
    TRasterImage image = ImageFromBitmap(bitmap);
    DeleteObject(bitmap);
    return image;
}

// Whether the cell of Size x Height at Index draws something and leaves
// its corners clear.
bool CellDrawn(const TRasterImage& Image, int Index, int Size)
{
    int opaque = 0;
    for (int y = 0; y < Image.Height; ++y)
        for (int x = Index * Size; x < (Index + 1) * Size; ++x)
            opaque += (Image.Row(y)[x] >> 24) > 48;
    return opaque > Size;
}

}  // namespace

TEST(ProgramPictures, ImageListsHoldOneImageEachWithAlpha)
{
    struct TStrip {
        const char* Name;
        int Count;
        int Width;
        std::vector<int> Drawn;
    };
    const TStrip strips[] = {
        {"toolbar.bmp", 27, 16, {}},
        {"toolbar_disabled.bmp", 27, 16, {}},
        {"tree.bmp", 2, 16, {0, 1}},
        {"tabs.bmp", 3, 16, {0, 1, 2}},
        {"list.bmp", 9, 16, {1, 2, 3, 8}},
        {"bookmarks.bmp", 10, 12, {}},
    };
    for (const TStrip& strip : strips) {
        SCOPED_TRACE(strip.Name);
        TRasterImage image = Picture(strip.Name);
        ASSERT_TRUE(image.HasAlpha);
        EXPECT_EQ(image.Width, strip.Count * strip.Width);
        EXPECT_EQ(image.Height, 16);
        std::vector<int> drawn = strip.Drawn;
        for (int i = 0; drawn.empty() && i < strip.Count; ++i)
            EXPECT_TRUE(CellDrawn(image, i, strip.Width)) << i;
        for (int i : drawn)
            EXPECT_TRUE(CellDrawn(image, i, strip.Width)) << i;
        EXPECT_EQ(image.Row(0)[0] >> 24, 0u);
    }
    // Loaded as the main window's image list takes them: 27 images.
    TCustomImageList list(nullptr);
    TBitmap bitmap;
    bitmap.LoadFromResourceName("toolbar.bmp");
    EXPECT_EQ(list.Add(&bitmap, nullptr), 0);
    EXPECT_EQ(list.Count(), 27);
    // The disabled strip is a lighter, fainter copy.
    TRasterImage normal = Picture("toolbar.bmp"), disabled = Picture("toolbar_disabled.bmp");
    for (size_t i = 0; i < normal.Pixels.size(); ++i)
        ASSERT_LE(disabled.Pixels[i] >> 24, normal.Pixels[i] >> 24);
}

TEST(ProgramPictures, TheIconHoldsThreeSizes)
{
    EnsureProgramResources();
    std::span<const uint8_t> bytes = FindResourceData("tandril.ico");
    for (int size : {16, 32, 48}) {
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        stream.SetPosition(0);
        TIcon icon;
        icon.SetWidth(size);
        icon.SetHeight(size);
        icon.LoadFromStream(&stream);
        EXPECT_EQ(icon.Width(), size);
        EXPECT_EQ(icon.Height(), size);
        // Clear corners, an opaque middle.
        EXPECT_EQ(icon.Image().Row(0)[0] >> 24, 0u);
        EXPECT_EQ(icon.Image().Row(size / 2)[size / 2] >> 24, 255u);
    }
}

TEST(ProgramStrings, ChineseCaptionsReplaceOnlyTheirOwnLines)
{
    TbsResourceStrData data(nullptr);
    const int lines = data.ResStrings()->Count();
    AnsiString yes = data.GetResStr("MSG_BTN_YES");
    FillProgramStrings(data);
    EXPECT_EQ(data.ResStrings()->Count(), lines);
    EXPECT_EQ(data.GetResStr("MSG_BTN_YES"), yes);
    // GBK bytes: 关闭(&C), 最小化(&I), 全选.
    EXPECT_EQ(data.GetResStr("MI_CLOSECAPTION"), "\xB9\xD8\xB1\xD5(&C)");
    EXPECT_EQ(data.GetResStr("MI_MINCAPTION"), "\xD7\xEE\xD0\xA1\xBB\xAF(&I)");
    EXPECT_EQ(data.GetResStr("EDIT_SELECTALL"), "\xC8\xAB\xD1\xA1");
    const char* const names[] = {"MI_MINCAPTION",     "MI_MAXCAPTION",       "MI_CLOSECAPTION",  "MI_RESTORECAPTION",
                                 "MI_MINTOTRAYCAPTION", "MI_ROLLUPCAPTION",  "MINBUTTON_HINT",   "MAXBUTTON_HINT",
                                 "CLOSEBUTTON_HINT",  "TRAYBUTTON_HINT",     "ROLLUPBUTTON_HINT", "MENUBUTTON_HINT",
                                 "RESTORE_HINT",      "EDIT_UNDO",           "EDIT_COPY",        "EDIT_CUT",
                                 "EDIT_PASTE",        "EDIT_DELETE",         "EDIT_SELECTALL"};
    for (const char* name : names) {
        AnsiString text = data.GetResStr(name);
        // Every one is Chinese: it starts with a GBK lead byte.
        ASSERT_FALSE(text.empty()) << name;
        EXPECT_GE(uint8_t(text[0]), 0x81) << name;
    }
}

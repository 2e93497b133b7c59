// The program's embedded skins as the program uses them: each loads whole,
// its frame geometry fits its pictures, every name the program's components
// look up is there, and its texts stand out from what they are drawn on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_skin_controls_bars.h"
#include "skin/data/bs_skin_controls_edits.h"
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/data/bs_skin_text_objects.h"
#include "skins/generator/gen_skin_model.h"
#include "tests/skins/skin_test_support.h"

namespace {

// The descriptions the program's windows and the frame look up: the
// controls' defaults, the names the main window and the article frame set,
// and the frame's objects.
const char* const kControlNames[] = {
    "mainmenubar", "panel",    "expanel",   "toolpanel", "toolbutton", "resizetoolbutton", "resizebutton",
    "button",      "statusbar", "statuspanel", "label",   "stdlabel",   "hsplitter",        "vsplitter",
    "vscrollbar",  "hscrollbar", "bothhscrollbar", "tab", "treeview",   "listview",         "listbox",
    "edit",        "hupdown",  "vupdown",   "checkbox",
};
const char* const kObjectNames[] = {
    "caption", "closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton", "traybutton", "menuitem",
    "mainmenubaritem",
};

double Channel(int C)
{
    double c = C / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// WCAG relative luminance of a 0xAARRGGBB pixel or (with Colour) a
// 0x00BBGGRR colour.
double Luminance(int R, int G, int B) { return 0.2126 * Channel(R) + 0.7152 * Channel(G) + 0.0722 * Channel(B); }
double PixelLuminance(uint32_t P) { return Luminance(P >> 16 & 0xFF, P >> 8 & 0xFF, P & 0xFF); }
double ColourLuminance(TColor C) { return Luminance(C & 0xFF, C >> 8 & 0xFF, C >> 16 & 0xFF); }

double Contrast(double A, double B) { return (std::max(A, B) + 0.05) / (std::min(A, B) + 0.05); }

// The lowest contrast of Text against the pixels of the middle row of Area
// in Picture.
double LowestContrast(const TBitmap& Picture, const TRect& Area, TColor Text)
{
    std::vector<uint32_t> pixels = PixelsOf(Picture);
    double lowest = 100;
    int y = (Area.Top + Area.Bottom) / 2;
    for (int x = Area.Left; x < Area.Right; ++x)
        lowest = std::min(lowest, Contrast(ColourLuminance(Text), PixelLuminance(pixels[size_t(y) * Picture.Width() + x])));
    return lowest;
}

template <typename T>
T* Control(TbsSkinData& Data, const char* Name)
{
    int index = Data.FindControlDescription(Name);
    return index < 0 ? nullptr : dynamic_cast<T*>(Data.ControlList[size_t(index)].get());
}

template <typename T>
T* Object(TbsSkinData& Data, const char* Name)
{
    int index = Data.FindObjectDescription(Name);
    return index < 0 ? nullptr : dynamic_cast<T*>(Data.ObjectList[size_t(index)].get());
}

// Every picture index of a description, read back from its own section.
std::vector<int> PictureIndexes(const std::string& SectionText)
{
    std::vector<int> indexes;
    size_t at = 0;
    while ((at = SectionText.find("pictureindex=", at)) != std::string::npos) {
        at += 13;
        indexes.push_back(std::stoi(SectionText.substr(at)));
    }
    return indexes;
}

}  // namespace

TEST(ProgramSkins, EachLoadsWholeWithEveryPictureIndexInsideItsList)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data;
        ASSERT_NO_THROW(data = LoadEmbeddedSkin(name));
        EXPECT_FALSE(data->Empty);
        EXPECT_EQ(data->SkinName, name);
        EXPECT_FALSE(data->Picture->Empty());
        EXPECT_FALSE(data->InactivePicture->Empty());
        EXPECT_FALSE(data->Mask->Empty());
        // The loader turns an index past the list into -1 (which the
        // generator's own test would see); here every index is in the list.
        const int count = int(data->ActivePictures.size());
        std::vector<int> indexes = PictureIndexes(DescriptionsText(*data) + FixedSectionsText(*data));
        ASSERT_GT(indexes.size(), 20u);
        for (int index : indexes)
            EXPECT_LT(index, count);
        EXPECT_NE(data->LayerFrame.PictureIndex, -1);
        EXPECT_NE(data->PopupWindow.WindowPictureIndex, -1);
        EXPECT_NE(data->HintWindow.WindowPictureIndex, -1);
    }
}

TEST(ProgramSkins, TheClientLiesInsideTheFrameAndTheMaskKeepsIt)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        const TRect c = data->ClientRect;
        const int w = data->Picture->Width(), h = data->Picture->Height();
        ASSERT_TRUE(c.Left >= 0 && c.Top >= 0 && c.Right <= w && c.Bottom <= h && c.Left < c.Right && c.Top < c.Bottom);
        EXPECT_TRUE(data->CaptionRect.Bottom <= c.Top);
        ASSERT_EQ(data->Mask->Width(), w);
        ASSERT_EQ(data->Mask->Height(), h);
        std::vector<uint32_t> mask = PixelsOf(*data->Mask);
        for (int y = c.Top; y < c.Bottom; ++y)
            for (int x = c.Left; x < c.Right; ++x)
                ASSERT_EQ(mask[size_t(y) * w + x] & 0xFFFFFF, 0u) << x << "," << y;
        // The rounded top corners are cut away, the bottom ones kept.
        EXPECT_NE(mask[0] & 0xFFFFFF, 0u);
        EXPECT_NE(mask[size_t(w) - 1] & 0xFFFFFF, 0u);
        EXPECT_EQ(mask[size_t(h - 1) * w] & 0xFFFFFF, 0u);
        // The layered shadow fades: opaque nowhere, clear at its outer edge.
        std::vector<uint32_t> shadow = PixelsOf(*data->ActivePictures[size_t(data->LayerFrame.PictureIndex)]);
        const int sw = data->ActivePictures[size_t(data->LayerFrame.PictureIndex)]->Width();
        const TRect lc = data->LayerFrame.ClientRect;
        EXPECT_EQ(shadow[0] >> 24, 0u);
        uint32_t near = shadow[size_t((lc.Top + lc.Bottom) / 2) * sw + size_t(lc.Left - 1)] >> 24;
        uint32_t far = shadow[size_t((lc.Top + lc.Bottom) / 2) * sw + size_t(lc.Left - 6)] >> 24;
        EXPECT_GT(near, far);
        EXPECT_GT(far, 0u);
        EXPECT_LT(near, 255u);
    }
}

TEST(ProgramSkins, EveryNameTheProgramLooksUpIsFound)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        for (const char* control : kControlNames)
            EXPECT_GE(data->FindControlDescription(control), 0) << control;
        for (const char* object : kObjectNames)
            EXPECT_GE(data->FindObjectDescription(object), 0) << object;
        auto* bar = Control<TbsDataSkinMainMenuBar>(*data, "mainmenubar");
        ASSERT_TRUE(bar);
        EXPECT_GE(data->FindObjectDescription(bar->MenuBarItem), 0);
        auto* tab = Control<TbsDataSkinTabControl>(*data, "tab");
        ASSERT_TRUE(tab);
        EXPECT_GE(data->FindControlDescription(tab->UpDown), 0);
        auto* list = Control<TbsDataSkinListBox>(*data, "listbox");
        ASSERT_TRUE(list);
        for (const AnsiString& bar : {list->VScrollBarName, list->HScrollBarName, list->BothHScrollBarName})
            EXPECT_GE(data->FindControlDescription(bar), 0) << bar;
    }
}

TEST(ProgramSkins, TextsStandOutFromWhatTheyAreDrawnOn)
{
    constexpr double kReadable = 4.5;
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        auto* caption = Object<TbsDataSkinCaption>(*data, "caption");
        ASSERT_TRUE(caption);
        TRect text = caption->TextRect;
        OffsetRect(text, caption->SkinRect.Left, caption->SkinRect.Top);
        EXPECT_GE(LowestContrast(*data->Picture, text, caption->ActiveFontColor), kReadable) << "active caption";
        EXPECT_GE(LowestContrast(*data->InactivePicture, text, caption->FontColor), kReadable) << "inactive caption";

        auto* item = Object<TbsDataSkinMenuItem>(*data, "menuitem");
        ASSERT_TRUE(item);
        const TBitmap& items = *data->ActivePictures[size_t(item->ActivePictureIndex)];
        TRect plain = item->SkinRect, selected = item->ActiveSkinRect;
        plain.Left += item->TextRect.Left;
        selected.Left += item->ItemLeftOffset;
        selected.Right -= item->ItemRightOffset;
        EXPECT_GE(LowestContrast(items, plain, item->FontColor), kReadable) << "menu";
        EXPECT_GE(LowestContrast(items, selected, item->ActiveFontColor), kReadable) << "selected menu item";

        auto* barItem = Object<TbsDataSkinMainMenuBarItem>(*data, "mainmenubaritem");
        ASSERT_TRUE(barItem);
        EXPECT_GE(LowestContrast(items, barItem->SkinRect, barItem->FontColor), kReadable) << "menu bar";

        const TBitmap& controls = *data->ActivePictures[kControlsPicture];
        auto* status = Control<TbsDataSkinLabelControl>(*data, "statuspanel");
        ASSERT_TRUE(status);
        TRect inside = status->SkinRect;
        InflateRect(inside, -2, -2);
        EXPECT_GE(LowestContrast(controls, inside, status->FontColor), kReadable) << "status text";

        auto* tab = Control<TbsDataSkinTabControl>(*data, "tab");
        ASSERT_TRUE(tab);
        for (auto [rect, colour] : {std::pair{tab->TabRect, tab->FontColor}, std::pair{tab->ActiveTabRect, tab->ActiveFontColor},
                                    std::pair{tab->MouseInTabRect, tab->MouseInFontColor}}) {
            TRect face = rect;
            InflateRect(face, -tab->TabLeftOffset, 0);
            EXPECT_GE(LowestContrast(controls, face, colour), kReadable) << "tab text";
        }
    }
}

namespace {

// The dark pixels (the arrow's strokes) inside a cell's outline, as a
// pattern.
std::vector<bool> Strokes(const TBitmap& Picture, const TRect& Cell)
{
    std::vector<uint32_t> pixels = PixelsOf(Picture);
    std::vector<bool> dark;
    for (int y = Cell.Top + 2; y < Cell.Bottom - 2; ++y)
        for (int x = Cell.Left + 2; x < Cell.Right - 2; ++x)
            dark.push_back(PixelLuminance(pixels[size_t(y) * Picture.Width() + x]) < 0.04);
    return dark;
}

}  // namespace

// A bar's "up" button moves forward, as its owner scrolls a line down for
// it: it must sit at the bar's far end and show the same arrow under the
// mouse as at rest, or the top arrow would scroll the text down.
TEST(ProgramSkins, ScrollBarButtonsPointTheWayTheyScroll)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        for (const char* barName : {"vscrollbar", "hscrollbar", "bothhscrollbar"}) {
            SCOPED_TRACE(barName);
            auto* bar = Control<TbsDataSkinScrollBarControl>(*data, barName);
            ASSERT_TRUE(bar);
            const bool vertical = std::string(barName) == "vscrollbar";
            if (vertical) {
                EXPECT_EQ(bar->DownButtonRect.Top, 0);
                EXPECT_EQ(bar->UpButtonRect.Top, bar->TrackArea.Bottom);
            } else {
                EXPECT_EQ(bar->DownButtonRect.Left, 0);
                EXPECT_EQ(bar->UpButtonRect.Left, bar->TrackArea.Right);
            }
            const TBitmap& picture = *data->ActivePictures[size_t(bar->PictureIndex)];
            TRect up = bar->UpButtonRect, down = bar->DownButtonRect;
            OffsetRect(up, bar->SkinRect.Left, bar->SkinRect.Top);
            OffsetRect(down, bar->SkinRect.Left, bar->SkinRect.Top);
            for (const TRect& hot : {bar->ActiveUpButtonRect, bar->DownUpButtonRect})
                EXPECT_EQ(Strokes(picture, hot), Strokes(picture, up));
            for (const TRect& hot : {bar->ActiveDownButtonRect, bar->DownDownButtonRect})
                EXPECT_EQ(Strokes(picture, hot), Strokes(picture, down));
        }
    }
}

namespace {

// Whether a button's glyph is a "+": its strokes (the pixels nearer the
// darkest than the lightest inside the button's border) reach over three
// rows or more, where a "-" keeps to one or two.
bool ShowsAPlus(const TBitmap& Picture, const TRect& Button)
{
    std::vector<uint32_t> pixels = PixelsOf(Picture);
    auto at = [&](int x, int y) { return PixelLuminance(pixels[size_t(y) * Picture.Width() + x]); };
    double darkest = 1, lightest = 0;
    for (int y = Button.Top + 1; y < Button.Bottom - 1; ++y)
        for (int x = Button.Left + 1; x < Button.Right - 1; ++x) {
            darkest = std::min(darkest, at(x, y));
            lightest = std::max(lightest, at(x, y));
        }
    int rows = 0;
    for (int y = Button.Top + 1; y < Button.Bottom - 1; ++y) {
        bool stroke = false;
        for (int x = Button.Left + 1; x < Button.Right - 1; ++x)
            stroke = stroke || at(x, y) < (darkest + lightest) / 2;
        rows += stroke;
    }
    return rows >= 3;
}

}  // namespace

// A tree button shows what a click will do: "+" on a collapsed node, "-"
// on an expanded one, whose picture the tree takes from "expandimagerect".
TEST(ProgramSkins, TreeButtonsShowPlusWhenCollapsedAndMinusWhenExpanded)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        auto* tree = Control<TbsDataSkinTreeView>(*data, "treeview");
        ASSERT_TRUE(tree);
        const TBitmap& picture = *data->ActivePictures[size_t(tree->PictureIndex)];
        EXPECT_FALSE(ShowsAPlus(picture, tree->ExpandImageRect));
        EXPECT_TRUE(ShowsAPlus(picture, tree->NoExpandImageRect));
    }
}

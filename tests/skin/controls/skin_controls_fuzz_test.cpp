// Degenerate skins through every skinned control: the fuzz corpus replayed,
// and the cases named in words.
#include "tests/skin/controls/skin_controls_fuzz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/ui/kernel/control_canvas.h"
#include "skin/controls/bs_skin_control.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/support/test_data.h"

namespace {

class DegenerateSkins : public SkinControlsTest {};

// The corpus is replayed in shards, so that the shards run side by side and
// each stays well within a test's time under the sanitizers.
constexpr int kCorpusShards = 4;

class DegenerateSkinCorpus : public SkinControlsTest, public ::testing::WithParamInterface<int> {};

TEST_P(DegenerateSkinCorpus, PaintsEveryControl)
{
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(TestData("/degenerate_skin_corpus")))
        paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    ASSERT_GE(paths.size(), 10u);
    int loaded = 0;
    for (size_t i = GetParam(); i < paths.size(); i += kCorpusShards) {
        std::ifstream file(paths[i], std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(paths[i].filename().string());
        loaded += FuzzSkinControlsEveryFamily(bytes.data(), bytes.size());
    }
    EXPECT_GT(loaded, 0);
}

INSTANTIATE_TEST_SUITE_P(Shards, DegenerateSkinCorpus, ::testing::Range(0, kCorpusShards));

// The fuzzer's input names one family in its first byte: each one paints
// on its own, the byte wrapping round past the last.
TEST_F(DegenerateSkins, EachFamilyPaintsByItself)
{
    const int families = SkinControlsFuzzFamilies();
    ASSERT_GT(families, 1);
    for (int family = 0; family <= families; ++family) {
        SCOPED_TRACE(family);
        // The skin's first number changed: a load that succeeds.
        const uint8_t input[] = {static_cast<uint8_t>(family), 0, 0, 0, 0};
        EXPECT_EQ(FuzzSkinControls(input, sizeof input), 1);
    }
    EXPECT_EQ(FuzzSkinControls(nullptr, 0), 1);
}

// A nine-part description whose every number degenerates one way keeps
// painting, and the controls stay within the sizes their rules give.
TEST_F(DegenerateSkins, NinePartNumbersThatMakeNoPicture)
{
    struct TCase {
        const char* Key;
        const char* Value;
    } cases[] = {
        {"skinrect", "10,10,10,30"},          {"skinrect", "40,30,10,10"},     {"skinrect", "900,900,960,950"},
        {"lefttoppoint", "0,0"},              {"rightbottompoint", "0,0"},     {"clientrect", "3,3,3,3"},
        {"clientrect", "27,17,3,3"},          {"righttoppoint", "999,-999"},   {"framecount", "2147483647"},
        {"maskpictureindex", "2147483647"},   {"pictureindex", "-2147483648"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Key) + "=" + c.Value);
        TTestSkin skin;
        skin.Set("button", c.Key, c.Value);
        skin.Set("resizebutton", c.Key, c.Value);
        skin.LoadInto(*data_);
        for (const char* name : {"button", "resizebutton"}) {
            auto* control = new TbsSkinCustomControl(form_.get());
            control->SetSkinDataName(name);
            control->SetParent(form_.get());
            control->DrawFrameStrips = std::string(name) == "resizebutton";
            control->SetBounds(10, 10, 70, 40);
            control->SetSkinData(data_.get());
            PixelOf(control, 1, 1);
            EXPECT_LE(control->Width(), 70);
            delete control;
        }
    }
}

}  // namespace

// Font family enumeration over the fonts tests/fonts.conf lets the tests
// see (DejaVu and WenQuanYi Micro Hei): every family with its outline flag,
// pitch and character set, one family by name, and a callback that stops.
#include "platform/gdi/font_families.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/base/code_page.h"

namespace {

struct TSeen {
    uint32_t FontType;
    uint8_t MetricsPitch;
    uint8_t LogPitch;
    uint8_t CharSet;
};

// By name, and the names in the order they came.
struct TSeenMap : std::multimap<std::string, TSeen> {
    std::vector<std::string> Order;
};

int Collect(const LOGFONT* Font, const TEXTMETRIC* Metrics, uint32_t FontType, intptr_t Data)
{
    auto* seen = reinterpret_cast<TSeenMap*>(Data);
    seen->Order.push_back(Font->lfFaceName);
    seen->emplace(Font->lfFaceName, TSeen{FontType, Metrics->tmPitchAndFamily, Font->lfPitchAndFamily, Font->lfCharSet});
    return 1;
}

TSeenMap Enumerate(const char* Face, uint8_t CharSet)
{
    LOGFONT log;
    std::strncpy(log.lfFaceName, Face, LF_FACESIZE - 1);
    log.lfCharSet = CharSet;
    TSeenMap seen;
    EXPECT_EQ(EnumFontFamiliesEx(nullptr, &log, Collect, reinterpret_cast<intptr_t>(&seen), 0), 1);
    return seen;
}

TEST(EnumFontFamiliesExTest, ListsTheInstalledFamiliesAsOutlineFacesWithTheirPitch)
{
    const TSeenMap all = Enumerate("", DEFAULT_CHARSET);
    for (const char* name : {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif", "WenQuanYi Micro Hei",
                             "WenQuanYi Micro Hei Mono", "Courier New", "宋体"}) {
        ASSERT_EQ(all.count(name), 1u) << name;
        const TSeen& f = all.find(name)->second;
        EXPECT_EQ(f.FontType, TRUETYPE_FONTTYPE) << name;
        EXPECT_EQ(f.MetricsPitch & TMPF_TRUETYPE, TMPF_TRUETYPE) << name;
    }
    // The pitch bit of the metrics is set for a proportional face; the
    // logical font says FIXED_PITCH or VARIABLE_PITCH.
    for (const char* name : {"DejaVu Sans Mono", "WenQuanYi Micro Hei Mono", "Courier New"}) {
        EXPECT_EQ(all.find(name)->second.MetricsPitch & TMPF_FIXED_PITCH, 0) << name;
        EXPECT_EQ(all.find(name)->second.LogPitch & PITCH_MASK, FIXED_PITCH) << name;
    }
    for (const char* name : {"DejaVu Sans", "WenQuanYi Micro Hei"}) {
        EXPECT_EQ(all.find(name)->second.MetricsPitch & TMPF_FIXED_PITCH, TMPF_FIXED_PITCH) << name;
        EXPECT_EQ(all.find(name)->second.LogPitch & PITCH_MASK, VARIABLE_PITCH) << name;
    }
    EXPECT_EQ(all.find("WenQuanYi Micro Hei")->second.CharSet, GB2312_CHARSET);
    EXPECT_EQ(all.count("Tandril Test"), 0u);
    for (size_t i = 1; i < all.Order.size(); ++i)
        EXPECT_LT(CompareText(all.Order[i - 1], all.Order[i]), 0) << all.Order[i];
}

TEST(EnumFontFamiliesExTest, ANameOrACharacterSetNarrowsTheList)
{
    const TSeenMap one = Enumerate("dejavu sans mono", DEFAULT_CHARSET);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one.begin()->first, "DejaVu Sans Mono");
    EXPECT_TRUE(Enumerate("No Such Family", DEFAULT_CHARSET).empty());

    const TSeenMap chinese = Enumerate("", GB2312_CHARSET);
    EXPECT_EQ(chinese.count("WenQuanYi Micro Hei"), 1u);
    EXPECT_EQ(chinese.count("DejaVu Sans"), 0u);
    for (const auto& [name, f] : chinese)
        EXPECT_EQ(f.CharSet, GB2312_CHARSET) << name;
}

int StopAtSecond(const LOGFONT*, const TEXTMETRIC*, uint32_t, intptr_t Data)
{
    return ++*reinterpret_cast<int*>(Data) < 2 ? 1 : 0;
}

TEST(EnumFontFamiliesExTest, ACallbackReturningZeroStopsIt)
{
    LOGFONT log;
    log.lfCharSet = DEFAULT_CHARSET;
    int calls = 0;
    EXPECT_EQ(EnumFontFamiliesEx(nullptr, &log, StopAtSecond, reinterpret_cast<intptr_t>(&calls), 0), 0);
    EXPECT_EQ(calls, 2);
}

}  // namespace

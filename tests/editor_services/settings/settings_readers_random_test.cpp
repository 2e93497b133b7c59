// Randomized inputs for the readers of settings text a user can edit by
// hand: template files and font texts. Fixed seeds; every draw comes from
// the project's own generator.
#include <gtest/gtest.h>

#include "editor_services/settings/syn_template_file.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"
#include "tests/support/test_random.h"

namespace {

const char* const kLinePool[] = {
    "", "", "for", "|description", "=x", "[CodeTemplate]", "[CodeInsightItems]", "[CodeInsightInserts]",
    "\tTab", "[x]", " ", "\xD5\x66\xE9\x54", "\xD6\xD0\xE9\x54\\", "a=b", ";c", "|"};

void FillRandom(TRandom& Random, TStringList& List, bool HeadersAllowed)
{
    List.Clear();
    const int count = Random.Below(8);
    while (List.Count() < count) {
        const std::string line = Random.Pick(kLinePool);
        if (!HeadersAllowed && line.starts_with("[Code"))
            continue;
        List.Add(line);
    }
}

std::string Written(TStringList& Template, TStringList& Items, TStringList& Inserts)
{
    return TemplateFileText(&Template, &Items, &Inserts);
}

}  // namespace

TEST(SettingsReadersRandom, TemplateFilesReadBackWhatWasWritten)
{
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        TRandom random(seed);
        TStringList templ, items, inserts;
        FillRandom(random, templ, true);
        FillRandom(random, items, false);
        FillRandom(random, inserts, false);
        const bool withTemplate = random.Chance(80);
        const bool withInsight = random.Chance(80);
        const std::string text = TemplateFileText(withTemplate ? &templ : nullptr, withInsight ? &items : nullptr,
                                                  withInsight ? &inserts : nullptr);
        TStringList t2, i2, n2;
        ReadTemplateFileText(text, &t2, &i2, &n2);
        EXPECT_EQ(TemplateFileText(withTemplate ? &t2 : nullptr, withInsight ? &i2 : nullptr,
                                   withInsight ? &n2 : nullptr),
                  text)
            << "seed " << seed;
    }
}

TEST(SettingsReadersRandom, AnyTextReadsAsATemplateFileThatThenStaysTheSame)
{
    const char alphabet[] = {'\r', '\n', '[', ']', 'C', 'o', 'd', 'e', '=', '|', '\t', 'x', '\xD5', '\x66'};
    const char* const headers[] = {"[CodeTemplate]", "[CodeInsightItems]", "[CodeInsightInserts]"};
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        TRandom random(seed);
        std::string text;
        const int parts = random.Below(30);
        for (int i = 0; i < parts; ++i)
            text += random.Chance(20) ? std::string(random.Pick(headers)) + "\r\n" : std::string(1, random.Pick(alphabet));
        TStringList templ, items, inserts;
        ReadTemplateFileText(text, &templ, &items, &inserts);
        const std::string once = Written(templ, items, inserts);
        ReadTemplateFileText(once, &templ, &items, &inserts);
        EXPECT_EQ(Written(templ, items, inserts), once) << "seed " << seed;
    }
}

TEST(SettingsReadersRandom, FontTextsEitherFailOrReadBackTheSame)
{
    const char* const fields[] = {"Courier New", "-13", "", "BI", "bus", "0", "2", "9", "clRed",
                                  "$00FF00FF", "1", "255", "256", "x", "\xCB\xCE\xCC\xE5"};
    for (uint32_t seed = 1; seed <= 500; ++seed) {
        TRandom random(seed);
        std::string text;
        const int count = random.Below(8);
        for (int i = 0; i < count; ++i)
            text += (i ? "," : "") + std::string(random.Pick(fields));
        TFont font;
        try {
            TSynTextSource::StringToFont(text, &font);
        } catch (const EConvertError&) {
            continue;
        }
        const std::string written = TSynTextSource::FontToString(&font);
        TFont again;
        TSynTextSource::StringToFont(written, &again);
        EXPECT_EQ(TSynTextSource::FontToString(&again), written) << "seed " << seed << ": " << text;
    }
}

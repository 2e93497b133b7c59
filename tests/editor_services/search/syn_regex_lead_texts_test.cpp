// The texts every match of an expression starts with: which expressions
// have them (none where pcre2 could read the expression otherwise), and where a line holds the first of them, near and far from
// its end and on both sides of the sixteen bytes tested at once.

#include "editor_services/search/syn_regex_lead_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TSynLeadTextsTest, TextsAreThoseEveryMatchStartsWith)
{
    using TTexts = std::vector<std::string>;
    static const struct {
        const char* Pattern;
        bool Caseless;
        TTexts Texts;  // none: no texts
    } Cases[] = {
        {"[說門]文|編.", false, {"編", "說文", "門文"}},
        {"[Tt]ed|fi", false, {"Ted", "fi", "ted"}},
        {"ted", true, {"TED", "TEd", "TeD", "Ted", "tED", "tEd", "teD", "ted"}},
        {"teds", true, {"TED", "TEd", "TeD", "Ted", "tED", "tEd", "teD", "ted"}},
        {"a+b", false, {"a"}},
        {"ab?c", false, {"a"}},
        {"ab*", false, {"a"}},
        {"ab{2}", false, {"a"}},
        {"abcde", false, {"abcd"}},
        {"說文字", false, {"說文"}},
        {"a說文", false, {"a說"}},
        {"a(b|c)|d", false, {"ab", "ac", "d"}},
        {"[Tt]ed|(se|fi)[a-z]+", false, {"Ted", "fi", "se", "ted"}},
        {"(?:a|bc)d|(?>e)+f", false, {"a", "bc", "e"}},
        {"(ab|c)?d", false, {}},
        {"(?=a)a", false, {}},
        {"(a|)b", false, {}},
        {"[a#]b|c", false, {"#b", "ab", "c"}},
        {"x[\\]|]|y", false, {"x", "y"}},
        {"ab|[abcdefghi]", false, {}},
        {"a?b", false, {}},
        {"ab|", false, {}},
        {"", false, {}},
        {"^ab", false, {}},
        {"a|.b", false, {}},
        {"(ab)c", false, {"ab"}},
        {"\\.a", false, {}},
        {"[a-c]x", false, {}},
        {"[^a]x", false, {}},
        // Whatever could make pcre2 read the expression otherwise than the
        // texts are read gives none.
        {"說文", true, {"說文"}},
        {"\xA3\xE1" "b", true, {}},  // a fullwidth letter folds
        {"ab(?i)|c", false, {}},
        {"ab(?x)|c d", false, {}},
        {"a\\Q|b\\E", false, {}},
        {"(*COMMIT)ab", false, {}},
        {"[]a]b", false, {}},
        {"x\\c)|y", false, {}},
    };
    for (const auto& c : Cases) {
        const std::optional<TSynLeadTexts> leads = TSynLeadTexts::For(c.Pattern, c.Caseless);
        EXPECT_EQ(leads ? leads->Texts() : TTexts{}, c.Texts) << c.Pattern << " caseless " << c.Caseless;
    }
}

TEST(TSynLeadTextsTest, FindAnswersTheFirstPlaceATextStartsFromWhereAsked)
{
    const std::optional<TSynLeadTexts> leads = TSynLeadTexts::For("[說門]文|編.|xy", false);
    ASSERT_TRUE(leads);
    const std::string filler(40, '.');
    constexpr size_t None = std::string::npos;
    static const struct {
        size_t At;  // where Text stands among 40 dots
        const char* Text;
        size_t From;
        size_t Found;
    } Cases[] = {
        {0, "xy", 0, 0},       {15, "xy", 0, 15},   {16, "xy", 0, 16},     {17, "說文", 3, 17},
        {38, "xy", 0, 38},     {39, "編", 39, 39},  {20, "門文", 21, None}, {38, "x", 0, None},
        {39, "說", 0, None},   {10, "門", 0, None},
    };
    for (const auto& c : Cases) {
        std::string line(40, '.');
        line.insert(c.At, c.Text);
        EXPECT_EQ(leads->Find(line, c.From), c.Found) << c.Text << " at " << c.At << " from " << c.From;
    }
}

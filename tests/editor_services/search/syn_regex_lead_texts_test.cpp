// The texts every match of an expression starts with: which expressions
// have them (none where pcre2 could read the expression otherwise), and where a line holds the first of them, near and far from
// its end and on both sides of the sixteen bytes tested at once.

#include "editor_services/search/syn_regex_lead_texts.h"
#include "editor_services/search/syn_regex_subject.h"

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
        size_t At;  // where Text stands among Dots dots
        const char* Text;
        size_t From;
        size_t Found;
        size_t Dots = 40;
    } Cases[] = {
        {0, "xy", 0, 0},       {15, "xy", 0, 15},   {16, "xy", 0, 16},     {17, "說文", 3, 17},
        {38, "xy", 0, 38},     {39, "編", 39, 39},  {20, "門文", 21, None}, {38, "x", 0, None},
        {39, "說", 0, None},   {10, "門", 0, None},
        // In the line's last three bytes, and in lines too short for
        // sixteen starts to be tested at once.
        {40, "xy", 39, 40},    {40, "編", 0, 40},   {40, "x", 0, None},
        {16, "xy", 16, 16, 16}, {16, "xy", 17, None, 16}, {0, "說文", 0, 0, 0}, {3, "編", 1, 3, 3},
        {1, "xy", 2, None, 1},
    };
    for (const auto& c : Cases) {
        std::string line(c.Dots, '.');
        line.insert(c.At, c.Text);
        EXPECT_EQ(leads->Find(line, c.From), c.Found) << c.Text << " at " << c.At << " from " << c.From;
    }
}

TEST(TSynLeadTextsTest, TextsInUtf8AreFoundOnlyWhereACharacterStarts)
{
    const std::optional<TSynLeadTexts> leads = TSynLeadTexts::For("[說門]文|編.|xy", false);
    ASSERT_TRUE(leads);
    const TSynLeadTexts utf8 = leads->InUtf8();
    // 說文 and 門文 cut to four bytes.
    EXPECT_EQ(utf8.Texts(), (std::vector<std::string>{"xy", "\xE7\xB7\xA8", "\xE8\xAA\xAA\xE6", "\xE9\x96\x80\xE6"}));
    // 編 is BE 8E; after B0 (熬 is B0 BE) those bytes stand across a
    // character and a lone byte, and the characters hold no 編.
    static const struct {
        const char* Line;
        size_t Found;  // in the line as UTF-8
    } Cases[] = {{"線編", 3}, {"\xB0\xBE\x8E", std::string::npos}, {"a門文", 1}, {"門x文xy", 7}};
    for (const auto& c : Cases)
        EXPECT_EQ(utf8.Find(GbkToRegexUtf8(c.Line), 0), c.Found) << c.Line;
}

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

// The subject finds the texts' GBK bytes as it converts a line, and says
// where they stand in the converted text: only where a character starts,
// never from a trail byte, across the blocks a line is converted in; texts
// of Chinese characters alone and with ASCII ones.
TEST(TSynLeadTextsTest, TextsInUtf8AreFoundOnlyWhereACharacterStarts)
{
    const std::optional<TSynLeadTexts> withAscii = TSynLeadTexts::For("[說門]文|編.|xy", false);
    const std::optional<TSynLeadTexts> chinese = TSynLeadTexts::For("[說門]文|編.", false);
    ASSERT_TRUE(withAscii && chinese);
    constexpr size_t None = std::string::npos;
    const std::string dots(61, '.');
    // 編 is BE 8E: after B0 (熬 is B0 BE) those bytes stand from a trail
    // byte. Offsets are in the line's bytes.
    static const struct {
        std::string Line;
        size_t From;
        size_t Found;         // with xy
        size_t FoundChinese;  // without
    } Cases[] = {
        {"線編", 0, 2, 2},
        {"\xB0\xBE\x8E", 0, None, None},
        {"\xB0\xBE\x8E" "編", 0, None, None},
        {"\xB0\xBE\x8E\x80" "編", 0, 4, 4},
        {"a門文", 0, 1, 1},
        {"a門文", 3, None, None},
        {"門x文xy", 0, 5, None},
        {"xy門文xy", 1, 2, 2},
        {"xy門文xy", 4, 6, None},
        {"\x81xy", 0, None, None},  // x the trail byte of a character
        {"\x81xxy", 0, 2, None},
        // ASCII alone, read where it stands.
        {"..xy..", 0, 2, None},
        {"..x", 0, None, None},
        // In the last bytes of a line, and cut by its end.
        {"中中編", 0, 4, 4},
        {"中中門", 0, None, None},
        {"中中x", 0, None, None},
        {"中中\xBE", 0, None, None},
        // Across the edge of the blocks a line is converted in, and after
        // bytes that are no character.
        {"中" + dots + "編", 0, 63, 63},
        {"中" + dots + "xy", 0, 63, None},
        {"中" + dots + "門文", 0, 63, 63},
        {"中" + dots + "門文" + dots, 0, 63, 63},
        {"中" + dots + ".門文", 0, 64, 64},
        {"中" + dots + ".\xB0\xBE\x8E\x80門文", 0, 68, 68},
        {"中" + dots + "\xB0\xBE\x8E\x80" + dots + ".編", 0, 129, 129},
        {"\x81\x30編\x80xy\xFF", 0, 2, 2},
        {"\x81\x30編\x80xy\xFF", 4, 5, None},
    };
    for (const auto& c : Cases)
        for (const TSynLeadTexts* leads : {&*withAscii, &*chinese}) {
            TSynRegexSubject subject;
            subject.Assign(c.Line, AsciiPrefixLength(c.Line), leads);
            EXPECT_EQ(subject.Text(), GbkToRegexUtf8(c.Line));
            const size_t expected = leads == &*chinese ? c.FoundChinese : c.Found;
            const size_t found = subject.LeadFrom(GbkToRegexUtf8(c.Line.substr(0, c.From)).size());
            EXPECT_EQ(found, expected == None ? None : GbkToRegexUtf8(c.Line.substr(0, expected)).size())
                << testing::PrintToString(c.Line) << " from " << c.From << (leads == &*chinese ? " without xy" : "");
        }
}

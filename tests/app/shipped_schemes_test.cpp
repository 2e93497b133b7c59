// The highlighting schemes the program ships, as the scheme dialog shows
// them: each comes with a sample in which every kind of token it colours
// occurs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "app/startup.h"
#include "editor/highlighting/syn_highlighter_attributes.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/string_list.h"
#include "tests/app/main_window_test_support.h"

namespace {

// The names of the rules a scheme file declares: its ranges, key lists
// and sets.
std::set<std::string> RuleNames(const std::string& Path)
{
    std::ifstream file(Path, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(file), {});
    std::set<std::string> names;
    const std::regex rule("<(Range|KeyList|Set) Name=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), rule); it != std::sregex_iterator(); ++it)
        names.insert((*it)[2]);
    return names;
}

// The attribute names of every token of Text, line by line with the range
// carried over, as the editor colours it.
std::set<std::string> TokenKinds(TSynLexSyn& Syn, const AnsiString& Text)
{
    TStringList lines;
    lines.SetText(Text);
    std::set<std::string> kinds;
    Syn.ResetRange();
    for (int i = 0; i < lines.Count(); ++i) {
        Syn.SetLine(lines.Strings(i), i);
        for (; !Syn.GetEol(); Syn.Next())
            if (TSynHighlighterAttributes* attribute = Syn.GetTokenAttribute())
                kinds.insert(attribute->Name());
    }
    return kinds;
}

}  // namespace

TEST(ShippedSchemes, EachSampleShowsEveryKindOfTokenItsSchemeColours)
{
    const std::string folder = MakeTempFolder("tandril-schemes");
    int schemes = 0;
    for (const AnsiString& name : InstallShippedSchemes(folder)) {
        if (!name.ends_with(".xml"))
            continue;
        SCOPED_TRACE(name);
        ++schemes;
        TSynLexSyn syn(nullptr);
        ASSERT_TRUE(syn.LoadFromFile(folder + name));
        const AnsiString sample = syn.Info()->General.Sample;
        ASSERT_FALSE(sample.empty());
        const std::set<std::string> kinds = TokenKinds(syn, sample);
        for (const std::string& rule : RuleNames(folder + name))
            EXPECT_TRUE(kinds.count(rule)) << rule << " does not occur in the sample";
    }
    EXPECT_EQ(schemes, 6);
    std::filesystem::remove_all(folder);
}

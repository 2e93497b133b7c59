// Template files as plain text: whatever the lists hold, reading gives back
// exactly what was written, and hand-written files with LF breaks read too.
#include "editor_services/settings/syn_template_file.h"

#include <gtest/gtest.h>

#include "platform/base/string_list.h"

namespace {

void SetLines(TStringList& List, const std::vector<std::string>& Lines)
{
    List.Clear();
    for (const std::string& line : Lines)
        List.Add(line);
}

std::vector<std::string> LinesOf(const TStringList& List)
{
    std::vector<std::string> lines;
    for (int i = 0; i < List.Count(); ++i)
        lines.push_back(List.Strings(i));
    return lines;
}

// Lines that an INI reader would have eaten or changed.
const std::vector<std::string> kAwkwardLines = {
    "=starts with equals",
    "|a description line",
    "[bracketed]",
    "\tindented by a tab",
    "key = value",
    ";not a comment",
    "",
    "[CodeTemplate]",
    "",
    "[CodeInsightItems]",
    "  blanks around  ",
    "\xD5\x66\xE9\x54\xDF\x40\x81\x5C\xD6\xD0",  // 說門這乗中
    "",
};

}  // namespace

TEST(TemplateFileText, EveryKindOfLineReadsBackExactly)
{
    TStringList templ, items, inserts;
    SetLines(templ, kAwkwardLines);
    SetLines(items, {"\\style{+B}if\\style{-B}", "[CodeInsightInserts]", "", "last"});
    SetLines(inserts, {"", "if", "=x", ""});
    const std::string text = TemplateFileText(&templ, &items, &inserts);

    TStringList t2, i2, n2;
    ReadTemplateFileText(text, &t2, &i2, &n2);
    EXPECT_EQ(LinesOf(t2), LinesOf(templ));
    EXPECT_EQ(LinesOf(i2), LinesOf(items));
    EXPECT_EQ(LinesOf(n2), LinesOf(inserts));
    EXPECT_EQ(TemplateFileText(&t2, &i2, &n2), text);

    // Reading again replaces rather than appends.
    ReadTemplateFileText(text, &t2, &i2, &n2);
    EXPECT_EQ(LinesOf(t2), LinesOf(templ));
}

TEST(TemplateFileText, SectionsComeOnlyForTheListsGiven)
{
    TStringList templ, items, inserts;
    SetLines(templ, {"a", "[CodeInsightItems]"});
    EXPECT_EQ(TemplateFileText(&templ, nullptr, nullptr), "[CodeTemplate]\na\n[CodeInsightItems]\n\n");
    EXPECT_EQ(TemplateFileText(nullptr, nullptr, nullptr), "");
    EXPECT_EQ(TemplateFileText(nullptr, &items, &inserts),
              "[CodeInsightItems]\n\n[CodeInsightInserts]\n\n");

    // Without completion sections a template may end in any header line.
    TStringList t2, i2, n2;
    SetLines(i2, {"kept"});
    ReadTemplateFileText(TemplateFileText(&templ, nullptr, nullptr), &t2, &i2, &n2);
    EXPECT_EQ(LinesOf(t2), LinesOf(templ));
    EXPECT_EQ(LinesOf(i2), std::vector<std::string>{"kept"});

    // Completion lists alone, with an empty template list untouched.
    SetLines(items, {"x"});
    SetLines(inserts, {"y"});
    SetLines(t2, {"kept"});
    ReadTemplateFileText(TemplateFileText(nullptr, &items, &inserts), &t2, &i2, &n2);
    EXPECT_EQ(LinesOf(t2), std::vector<std::string>{"kept"});
    EXPECT_EQ(LinesOf(i2), std::vector<std::string>{"x"});
    EXPECT_EQ(LinesOf(n2), std::vector<std::string>{"y"});
}

TEST(TemplateFileText, HandWrittenFilesWithLineFeeds)
{
    TStringList templ, items, inserts;
    ReadTemplateFileText("[CodeTemplate]\nfor\n|loop\n\n[CodeInsightItems]\none\n\n[CodeInsightInserts]\nuno", &templ,
                         &items, &inserts);
    EXPECT_EQ(LinesOf(templ), (std::vector<std::string>{"for", "|loop"}));
    EXPECT_EQ(LinesOf(items), std::vector<std::string>{"one"});
    EXPECT_EQ(LinesOf(inserts), std::vector<std::string>{"uno"});

    TStringList empty;
    ReadTemplateFileText("", &empty, nullptr, nullptr);
    EXPECT_EQ(empty.Count(), 0);
    ReadTemplateFileText("[CodeTemplate]\r\n\r\n", &templ, nullptr, nullptr);
    EXPECT_EQ(templ.Count(), 0);
}

// The edit layout's rows: line breaks and wrapping, and rows updated change
// by change always equal to the rows of the whole text laid out afresh.
#include "platform/ui/textedit/edit_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/code_page.h"

namespace {

// Eight pixels a byte, so a double-byte character takes sixteen.
void Measure(int, std::string_view Text, std::vector<int>& Ends)
{
    Ends.resize(Text.size());
    for (size_t i = 0; i < Text.size();) {
        size_t length = CharLengthAt(Text, i);
        for (size_t k = 0; k < length; ++k)
            Ends[i + k] = static_cast<int>(8 * (i + length));
        i += length;
    }
}

std::string Rows(const TEditLayout& Layout)
{
    std::string rows;
    for (int i = 0; i < Layout.RowCount(); ++i) {
        const TEditRow& row = Layout.Row(i);
        rows += "[" + std::to_string(row.Start) + "," + std::to_string(row.Length) + "," + std::to_string(row.Break) +
                "," + std::to_string(row.Width) + "]";
    }
    return rows;
}

std::string Laid(const std::string& Text, int Wrap)
{
    TEditLayout layout;
    layout.Reset(Text, Wrap, Measure);
    return Rows(layout);
}

}  // namespace

TEST(EditLayoutTest, RowsFollowLineBreaksAndWrapAtBlanks)
{
    EXPECT_EQ(Laid("", 0), "[0,0,0,0]");
    EXPECT_EQ(Laid("ab\r\ncd\nx", 0), "[0,2,2,16][4,2,1,16][7,1,0,8]");
    EXPECT_EQ(Laid("ab\r\n", 0), "[0,2,2,16][4,0,0,0]");
    // 40 pixels: five bytes a row; blanks past the edge hang.
    EXPECT_EQ(Laid("aa bb cc", 40), "[0,3,0,24][3,5,0,40]");
    EXPECT_EQ(Laid("aaaa   bb", 40), "[0,7,0,56][7,2,0,16]");
    // A word longer than the row breaks between characters, never inside one.
    EXPECT_EQ(Laid("\xD5\x66\xD5\x66\xD5\x66", 40), "[0,4,0,32][4,2,0,16]");
    EXPECT_EQ(Laid("abcdefg", 40), "[0,5,0,40][5,2,0,16]");
    // The last row of a wrapped line carries its break.
    EXPECT_EQ(Laid("aaa bbb\r\nc", 40), "[0,4,0,32][4,3,2,24][9,1,0,8]");
}

TEST(EditLayoutTest, UpdatedRowsEqualAFreshLayoutAfterAnyChange)
{
    const std::vector<std::string> pieces = {"", "a", " ", "\r\n", "\n", "\xD5\x66", "bb cc", "\\\r\n"};
    std::vector<std::string> texts;
    for (const auto& a : pieces)
        for (const auto& b : pieces)
            for (const auto& c : pieces)
                texts.push_back(a + b + c);
    for (int wrap : {0, 24}) {
        for (const std::string& text : texts) {
            for (size_t pos = 0; pos <= text.size(); ++pos) {
                for (size_t removed = 0; pos + removed <= text.size(); ++removed) {
                    for (const std::string& inserted : {std::string(), std::string("x"), std::string("\r\n"),
                                                        std::string("d \r\ne")}) {
                        TEditLayout layout;
                        layout.Reset(text, wrap, Measure);
                        std::string changed = text;
                        changed.replace(pos, removed, inserted);
                        layout.Update(changed,
                                      TEditChange{static_cast<int>(pos), static_cast<int>(removed),
                                                  static_cast<int>(inserted.size())},
                                      Measure);
                        ASSERT_EQ(Rows(layout), Laid(changed, wrap))
                            << testing::PrintToString(text) << " at " << pos << " less " << removed << " plus "
                            << testing::PrintToString(inserted) << " wrap " << wrap;
                    }
                }
            }
        }
    }
}

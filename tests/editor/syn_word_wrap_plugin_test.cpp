#include "editor/syn_word_wrap_plugin.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editor/highlighting/syn_highlighter.h"
#include "editor/document/syn_text_string_list.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "tests/support/test_random.h"

namespace {

// The editor as the plug-in sees it.
struct TWrapHost : ISynWordWrapHost {
    TSynTextStringList* Lines() const override { return lines.get(); }
    TSynCustomHighlighter* Highlighter() const override { return highlighter; }
    int GetWrapAreaWidth() const override { return width; }

    std::unique_ptr<TSynTextStringList> lines = std::make_unique<TSynTextStringList>();
    TSynCustomHighlighter* highlighter = nullptr;
    int width = 40;
};

// Identifiers are letters and double-byte characters, so '-' and '@' break rows.
class TLettersSyn : public TSynCustomHighlighter {
public:
    TLettersSyn() : TSynCustomHighlighter(nullptr) {}
    TSysCharSet GetIdentChars() const override
    {
        TSysCharSet chars = CharSetOf("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        for (size_t c = 0x80; c <= 0xFF; ++c)
            chars.set(c);
        return chars;
    }
    TSynHighlighterAttributes* GetDefaultAttribute(int) const override { return nullptr; }
    bool GetEol() const override { return true; }
    AnsiString GetToken() const override { return {}; }
    TSynHighlighterAttributes* GetTokenAttribute() const override { return nullptr; }
    int GetTokenKind() const override { return 0; }
    int GetTokenPos() const override { return 0; }
    void Next() override {}
    void SetLine(const AnsiString&, int) override {}
};

std::vector<int> RowsOf(const TSynWordWrapPlugin& Plugin)
{
    std::vector<int> rows;
    for (int row = 1; row <= Plugin.RowCount(); ++row)
        rows.push_back(Plugin.GetRowLength(row));
    return rows;
}

std::vector<int> WrapOne(TWrapHost& Host, const AnsiString& Line, int Width)
{
    Host.lines->Clear();
    Host.lines->Add(Line);
    Host.width = Width;
    return RowsOf(TSynWordWrapPlugin(&Host));
}

// The first row of every line, which together with the row lengths is the
// whole mapping.
std::vector<int> FirstRows(const TSynWordWrapPlugin& Plugin)
{
    std::vector<int> rows;
    for (int line = 1; line <= Plugin.LineCount(); ++line)
        rows.push_back(Plugin.BufferToDisplayPos({1, line}).Row);
    return rows;
}

AnsiString RandomLine(TRandom& Random, int MaxLength)
{
    static const char* const pieces[] = {"說", "門", "這", "乗", "中", " ", "\t", "a", "b", "x", "-", "@", "\\"};
    AnsiString line;
    const int length = Random.Between(0, MaxLength);
    while (static_cast<int>(line.size()) < length)
        line += Random.Pick(pieces);
    return line;
}

}  // namespace

TEST(SynWordWrapPlugin, CutsRowsAtTheWidthPreferringBreakCharacters)
{
    TWrapHost host;
    EXPECT_EQ(WrapOne(host, AnsiString(100, 'a'), 40), (std::vector<int>{40, 40, 20}));
    // The space opens the second row; one closer to the row start than the
    // minimum length (9 - 9 / 3 = 6) is passed over for a hard cut.
    EXPECT_EQ(WrapOne(host, "abcdefg hijk", 9), (std::vector<int>{7, 5}));
    EXPECT_EQ(WrapOne(host, "abcdef ghijk", 9), (std::vector<int>{9, 3}));
    EXPECT_EQ(WrapOne(host, "abcdefg-hijk", 9), (std::vector<int>{9, 3}));
    // Rows count expanded characters: the tab fills eight cells.
    host.lines->SetTabWidth(8);
    EXPECT_EQ(WrapOne(host, "\tabcdefghij", 10), (std::vector<int>{10, 8}));
    // A line whose bytes fit but whose expansion does not, the tab among
    // the last bytes or in a second eight.
    EXPECT_EQ(WrapOne(host, "abcdefgh\tx", 10), WrapOne(host, "abcdefgh" + AnsiString(8, ' ') + "x", 10));
    EXPECT_EQ(WrapOne(host, "abcdefghijklm\tzz", 17), WrapOne(host, "abcdefghijklm   zz", 17));
    EXPECT_EQ(WrapOne(host, "abcdefghijklm\tzz", 17).size(), 2u);
    EXPECT_EQ(WrapOne(host, "", 10), (std::vector<int>{0}));

    // Identifier characters come from the highlighter.
    TLettersSyn highlighter;
    host.highlighter = &highlighter;
    EXPECT_EQ(WrapOne(host, "abcdefg-hijk", 9), (std::vector<int>{7, 5}));
    host.highlighter = nullptr;
    // Another highlighter re-wraps at the next display change.
    TSynWordWrapPlugin rewrapped(&host);
    EXPECT_EQ(RowsOf(rewrapped), (std::vector<int>{9, 3}));
    host.highlighter = &highlighter;
    rewrapped.DisplayChanged();
    EXPECT_EQ(RowsOf(rewrapped), (std::vector<int>{7, 5}));
    host.highlighter = nullptr;

    host.lines->Clear();
    TSynWordWrapPlugin empty(&host);
    EXPECT_EQ(empty.RowCount(), 0);
    EXPECT_EQ(empty.BufferToDisplayPos({3, 2}), DisplayCoord(3, 2));
    EXPECT_THROW(empty.GetRowLength(1), EListError);
    host.lines->Add("abc");
    empty.Reset();
    EXPECT_THROW(empty.GetRowLength(0), EListError);
    EXPECT_THROW(empty.GetRowLength(2), EListError);
    EXPECT_THROW(empty.BufferToDisplayPos({0, 1}), EAssertionFailed);
    EXPECT_THROW(empty.LinesInserted(0, 0), EAssertionFailed);

    try {
        TSynWordWrapPlugin orphan(nullptr);
        ADD_FAILURE() << "a plug-in without an editor";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSynWordWrapPlugin must be owned by TCustomSynText");
    }
}

TEST(SynWordWrapPlugin, DoubleByteCharactersMoveWholeAndNarrowWidthsEnd)
{
    TWrapHost host;
    // 說 would straddle the wrap point at 40; its trail byte is 'f'.
    EXPECT_EQ(WrapOne(host, AnsiString(39, 'a') + "說" + AnsiString(10, 'b'), 40), (std::vector<int>{39, 12}));
    // 中's trail byte D0 is itself a lead byte value.
    EXPECT_EQ(WrapOne(host, "中中", 3), (std::vector<int>{2, 2}));
    EXPECT_EQ(WrapOne(host, "a說", 2), (std::vector<int>{1, 2}));
    // A row too narrow for a double-byte character still takes it whole.
    EXPECT_EQ(WrapOne(host, "說門中a", 1), (std::vector<int>{2, 2, 2, 1}));
    // Width 0 leaves every line in one row, whatever its length.
    EXPECT_EQ(WrapOne(host, AnsiString(300, 'a'), 0), (std::vector<int>{300}));

    // A break byte that is the trail of 這 (DF 40 '@') breaks nothing.
    TLettersSyn highlighter;
    host.highlighter = &highlighter;
    EXPECT_EQ(WrapOne(host, "abcdefg這abcd", 9), (std::vector<int>{9, 4}));
    EXPECT_EQ(WrapOne(host, "abcdefg@abcd", 9), (std::vector<int>{7, 5}));
}

TEST(SynWordWrapPlugin, PositionsRoundTripAndClampAtRowEnds)
{
    TWrapHost host;
    host.lines->SetTabWidth(4);
    TRandom random(7);
    for (int i = 0; i < 60; ++i)
        host.lines->Add(RandomLine(random, 200));
    for (int width : {1, 2, 3, 7, 40, 0}) {
        host.width = width;
        TSynWordWrapPlugin plugin(&host);
        int lastRow = 0;  // the last row of the lines so far
        for (int line = 1; line <= host.lines->Count(); ++line) {
            const AnsiString text = host.lines->GetExpandedString(line - 1);
            const int length = static_cast<int>(text.size());
            // The line's rows cover its text, each starting a character.
            const int firstRow = lastRow + 1;
            int covered = 0;
            do {
                ASSERT_LT(lastRow, plugin.RowCount()) << width;
                ++lastRow;
                EXPECT_NE(ByteTypeAt(text, covered), mbTrailByte) << width << " " << line;
                const int rowLength = plugin.GetRowLength(lastRow);
                if (width > 0 && rowLength > width) {
                    EXPECT_EQ(CharLengthAt(text, covered), static_cast<size_t>(rowLength));
                }
                covered += rowLength;
            } while (covered < length);
            ASSERT_EQ(covered, length) << width << " " << line;
            for (int column = 1; column <= length + 1; ++column) {
                const TDisplayCoord display = plugin.BufferToDisplayPos({column, line});
                EXPECT_GE(display.Column, 1);
                EXPECT_TRUE(display.Row >= firstRow && display.Row <= lastRow) << width << " " << line;
                EXPECT_EQ(plugin.DisplayToBufferPos(display), BufferCoord(column, line)) << width;
            }
        }
        EXPECT_EQ(lastRow, plugin.RowCount());
        EXPECT_EQ(plugin.BufferToDisplayPos({5, 62}), DisplayCoord(5, lastRow + 2));
        EXPECT_EQ(plugin.DisplayToBufferPos({5, lastRow + 2}), BufferCoord(5, 62));
    }

    host.lines->Clear();
    host.lines->Add(AnsiString(100, 'a'));
    host.lines->Add("");
    host.width = 40;
    TSynWordWrapPlugin plugin(&host);
    // Past a row that continues, the position is the next row's start;
    // past the line's last row it may go as far as the wrap width.
    EXPECT_EQ(plugin.DisplayToBufferPos({60, 1}), BufferCoord(41, 1));
    EXPECT_EQ(plugin.DisplayToBufferPos({60, 3}), BufferCoord(121, 1));
    EXPECT_EQ(plugin.DisplayToBufferPos({60, 4}), BufferCoord(41, 2));
    EXPECT_EQ(plugin.BufferToDisplayPos({110, 1}), DisplayCoord(30, 3));
    EXPECT_EQ(plugin.BufferToDisplayPos({1, 2}), DisplayCoord(1, 4));
}

TEST(SynWordWrapPlugin, LineChangesGiveTheRowsOfAFullReset)
{
    TWrapHost host;
    TRandom random(11);
    for (int i = 0; i < 30; ++i)
        host.lines->Add(RandomLine(random, 120));
    host.width = 13;
    TSynWordWrapPlugin plugin(&host);
    for (int step = 0; step < 400; ++step) {
        const int count = host.lines->Count();
        const int rowsBefore = plugin.RowCount();
        const int span = random.Between(1, 4);
        int change = 0;
        switch (count == 0 ? 0 : random.Below(4)) {
        case 0: {
            const int index = random.Between(0, count);
            host.lines->InsertLines(index, span);
            for (int i = index; i < index + span; ++i)
                host.lines->SetStrings(i, RandomLine(random, 120));
            change = plugin.LinesInserted(index, span);
            break;
        }
        case 1: {
            const int index = random.Below(count);
            const int deleted = std::min(span, count - index);
            host.lines->DeleteLines(index, deleted);
            change = -plugin.LinesDeleted(index, deleted);
            break;
        }
        case 2:
            host.width = random.Between(0, 30);
            plugin.DisplayChanged();
            change = plugin.RowCount() - rowsBefore;
            break;
        default: {
            const int index = random.Below(count);
            const int put = std::min(span, count - index);
            for (int i = index; i < index + put; ++i)
                host.lines->SetStrings(i, RandomLine(random, 120));
            change = plugin.LinesPutted(index, put);
            break;
        }
        }
        EXPECT_EQ(plugin.RowCount(), rowsBefore + change) << step;
        const TSynWordWrapPlugin fresh(&host);
        ASSERT_EQ(RowsOf(plugin), RowsOf(fresh)) << step;
        ASSERT_EQ(FirstRows(plugin), FirstRows(fresh)) << step;
    }
}

#include "editor/document/text_routines.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/base/files.h"

namespace {

AnsiString Tabs(int n) { return AnsiString(static_cast<size_t>(n), '\t'); }

TEST(TextRoutines, ExpandTabsFillsCellsWithTabs)
{
    bool hasTabs = false;
    EXPECT_EQ(ExpandTabs("a\tb", 4, hasTabs), "a" + Tabs(3) + "b");
    EXPECT_TRUE(hasTabs);
    EXPECT_EQ(ExpandTabs("a\tb", 3), "a" + Tabs(2) + "b");
    EXPECT_EQ(ExpandTabs("a\tb", 1, hasTabs), "a b");
    EXPECT_TRUE(hasTabs);
    EXPECT_EQ(ExpandTabs("a\tb\t", 0), "a b ");
    EXPECT_EQ(ExpandTabs("\t\xD5\x66\tx\ty", 8), Tabs(8) + "\xD5\x66" + Tabs(6) + "x" + Tabs(7) + "y");
    EXPECT_EQ(ExpandTabs("abc\t\t", 3), "abc" + Tabs(6));
    EXPECT_EQ(ExpandTabs("abcd\t", 4), "abcd" + Tabs(4));

    // Lines without tabs come back as they are, whatever the variant.
    for (int width : {1, 3, 4, 8}) {
        hasTabs = true;
        EXPECT_EQ(GetTabExpandProcEx(width)("\xE9\x54 x ", width, hasTabs), "\xE9\x54 x ");
        EXPECT_FALSE(hasTabs);
        EXPECT_EQ(GetTabExpandProc(width)("", width), "");
    }

    // Every variant agrees with the length rule and puts the text after each
    // tab at a tab stop.
    const AnsiString line = "\tab\t\t\xD6\xD0x\tyz\t";
    for (int width : {0, -3, 1, 2, 3, 4, 5, 8, 16}) {
        AnsiString expanded = ExpandTabs(line, width);
        EXPECT_EQ(static_cast<int>(expanded.size()), ExpandedLength(line, width)) << width;
        if (width >= 2) {
            EXPECT_EQ(expanded.find("yz") % static_cast<size_t>(width), 0u) << width;
        }
    }

    EXPECT_TRUE(IsTabWidthPowerOfTwo(2) && IsTabWidthPowerOfTwo(65536));
    EXPECT_FALSE(IsTabWidthPowerOfTwo(1) || IsTabWidthPowerOfTwo(6) || IsTabWidthPowerOfTwo(131072));

    int before = -1;
    EXPECT_FALSE(FindFirstTab("", before));
    EXPECT_EQ(before, 0);
    EXPECT_FALSE(FindFirstTab("abc", before));
    EXPECT_EQ(before, 3);
    EXPECT_TRUE(FindFirstTab("ab\tc\t", before));
    EXPECT_EQ(before, 2);
}

TEST(TextRoutines, CharIndexToColumn)
{
    EXPECT_EQ(CharIndexToColumn(3, 8, "\tx"), 10);
    EXPECT_EQ(CharIndexToColumn(0, 8, "\tx"), 1);
    EXPECT_EQ(CharIndexToColumn(2, 8, "\tx"), 9);
    EXPECT_EQ(CharIndexToColumn(5, 8, "\tx"), 12);  // past the end
    EXPECT_EQ(CharIndexToColumn(3, 4, "ab\tc"), 3);  // at the first tab
    EXPECT_EQ(CharIndexToColumn(4, 4, "ab\tc"), 5);
    EXPECT_EQ(CharIndexToColumn(6, 3, "ab\t\tc"), 8);
    EXPECT_EQ(CharIndexToColumn(7, 1, "\t\t\t"), 7);
    EXPECT_EQ(CharIndexToColumn(9, 4, "no tabs"), 9);
    // The column of each character matches its place in the expanded line.
    const AnsiString line = "\xD5\x66\t\xE9\x54x\t\ty";
    AnsiString expanded = ExpandTabs(line, 4);
    EXPECT_EQ(CharIndexToColumn(6, 4, line), static_cast<int>(expanded.find('x')) + 1);
    EXPECT_EQ(CharIndexToColumn(9, 4, line), static_cast<int>(expanded.find('y')) + 1);
}

TEST(TextRoutines, ScansKeepDoubleByteCharactersWhole)
{
    const TSysCharSet brackets = CharSetOf("]\\@");
    // 乗 ends in '\\', 這 in '@': their trail bytes never match.
    const AnsiString s = "\x81\x5C\xDF\x40]a\\";
    EXPECT_EQ(StrScanForCharInSet(s, 1, brackets), 5);
    EXPECT_EQ(StrScanForCharInSet(s, 2, brackets), 5);
    EXPECT_EQ(StrScanForCharInSet(s, 6, brackets), 7);
    EXPECT_EQ(StrScanForCharInSet(s, 0, brackets), 0);
    EXPECT_EQ(StrScanForCharInSet(s, 8, brackets), 0);
    EXPECT_EQ(StrRScanForCharInSet(s, 4, brackets), 0);
    EXPECT_EQ(StrRScanForCharInSet(s, 100, brackets), 7);
    // In 中a the trail byte D0 is no lead byte.
    const AnsiString middle = "\xD6\xD0" "a";
    EXPECT_EQ(FindLeadByte(middle, 1), 1);
    EXPECT_EQ(FindLeadByte(middle, 2), 0);
    EXPECT_EQ(FindLastLeadByte(middle, 3), 1);
    EXPECT_EQ(StrScanForCharInSet(middle, 2, CharSetOf("\xD0" "a")), 3);

    SysLocale.FarEast = false;
    EXPECT_EQ(FindLeadByte(middle, 1), 0);
    EXPECT_EQ(FindLastLeadByte(middle, 3), 0);
    EXPECT_EQ(StrRScanForCharInSet(s, 4, brackets), 4);
    SysLocale.FarEast = true;

    EXPECT_EQ(TrimBlanksRight("a b \t \t"), "a b");
    EXPECT_EQ(TrimBlanksRight(" \t"), "");
    EXPECT_EQ(TrimBlanksRight("x\n "), "x\n");
    const char text[] = "ab\xD5\x66\rcd";
    EXPECT_EQ(FindLineEnd(text), text + 4);
    EXPECT_EQ(FindLineEnd(text + 5), text + 7);
    EXPECT_EQ(FindLineEnd(nullptr), nullptr);
}

// Random GBK lines whose trail bytes include the ASCII symbols of the set; the
// generator knows where each character starts, which is the model the scans
// must agree with.
// However far past the end the start lies, the reverse scans look at the
// string's bytes only. The buffer past the end still holds an old text of
// brackets and double-byte characters, which a scan that ran on would find.
TEST(TextRoutines, ReverseScansFromFarPastTheEnd)
{
    AnsiString s = "a\xD5\x66";
    for (int i = 0; i < 40; ++i)
        s += "]\xD6\xD0";
    s.resize(3);
    for (int start : {4, 60, 120, 100000}) {
        EXPECT_EQ(StrRScanForCharInSet(s, start, CharSetOf("]")), 0) << start;
        EXPECT_EQ(StrRScanForCharInSet(s, start, CharSetOf("a")), 1) << start;
        EXPECT_EQ(FindLastLeadByte(s, start), 2) << start;
    }
    SysLocale.FarEast = false;
    EXPECT_EQ(StrRScanForCharInSet(s, 120, CharSetOf("]")), 0);
    SysLocale.FarEast = true;
}

TEST(TextRoutines, ScansAgreeWithCharacterModel)
{
    const std::vector<AnsiString> pieces = {"\xD5\x66", "\xE9\x54", "\xDF\x40", "\x81\x5C", "\xD6\xD0",
                                            "]",        "\\",       "@",        "f",        "T"};
    const TSysCharSet chars = CharSetOf("]\\@T\xD0");
    std::mt19937 random(936);
    for (int round = 0; round < 2000; ++round) {
        AnsiString s;
        std::vector<bool> startsChar, lead;
        int count = static_cast<int>(random() % 12);
        for (int k = 0; k < count; ++k) {
            const AnsiString& piece = pieces[random() % pieces.size()];
            for (size_t b = 0; b < piece.size(); ++b) {
                startsChar.push_back(b == 0);
                lead.push_back(b == 0 && piece.size() == 2);
            }
            s += piece;
        }
        if (random() % 4 == 0) {  // a lead byte cut off at the end is a byte of its own
            s += '\xD6';
            startsChar.push_back(true);
            lead.push_back(false);
        }
        const int n = static_cast<int>(s.size());
        auto matches = [&](int p) { return startsChar[p - 1] && !lead[p - 1] && CharInSet(s[p - 1], chars); };
        for (int start = 0; start <= n + 1; ++start) {
            int scan = 0, rscan = 0, leadAfter = 0, lastLead = 0;
            if (start >= 1 && start <= n) {
                for (int p = startsChar[start - 1] ? start : start + 1; p <= n; ++p) {
                    if (!scan && matches(p))
                        scan = p;
                    if (!leadAfter && lead[p - 1])
                        leadAfter = p;
                }
            }
            for (int p = 1; p <= std::min(start, n); ++p) {
                if (matches(p))
                    rscan = p;
                if (lead[p - 1])
                    lastLead = p;
            }
            EXPECT_EQ(StrScanForCharInSet(s, start, chars), scan) << round << ' ' << start;
            EXPECT_EQ(StrRScanForCharInSet(s, start, chars), rscan) << round << ' ' << start;
            EXPECT_EQ(FindLeadByte(s, start), leadAfter) << round << ' ' << start;
            EXPECT_EQ(FindLastLeadByte(s, start), lastLead) << round << ' ' << start;
        }
    }
}

TEST(TextRoutines, AppRelativeNames)
{
    const AnsiString folder = ProgramFolder();
    ASSERT_EQ(folder.back(), '/');
    EXPECT_EQ(ExpandAppRelativeDir("Syntaxs"), folder + "Syntaxs/");
    EXPECT_EQ(ExpandAppRelativeDir("\\Syntaxs"), folder + "Syntaxs/");
    EXPECT_EQ(ExpandAppRelativeDir("x/"), folder + "x/");
    EXPECT_EQ(ExpandAppRelativeDir("\x81\x5C"), folder + "\x81\x5C/");
    EXPECT_EQ(ExpandAppRelativeDir("C:\\Syntaxs"), "C:\\Syntaxs/");
    EXPECT_EQ(ExpandAppRelativeDir(""), "");
    EXPECT_EQ(ExpandAppRelativeDir("/usr/share/x"), "/usr/share/x/");
    EXPECT_EQ(ExpandAppRelativeDir("/usr/share/x/"), "/usr/share/x/");
    EXPECT_EQ(ExpandAppRelativeDir("\\\\server\\share"), "\\\\server\\share/");
    EXPECT_EQ(ExpandAppRelativeFileName("EditorOptions.ini"), folder + "EditorOptions.ini");
    EXPECT_EQ(ExpandAppRelativeFileName("a"), folder + "a");
    EXPECT_EQ(ExpandAppRelativeFileName("\\a.ini"), folder + "a.ini");
    EXPECT_EQ(ExpandAppRelativeFileName("/tmp/a.ini"), "/tmp/a.ini");
    EXPECT_EQ(ExpandAppRelativeFileName("D:a.ini"), "D:a.ini");
    EXPECT_EQ(ExpandAppRelativeFileName(""), "");
}

TEST(TextRoutines, SmallHelpers)
{
    EXPECT_EQ(ShortHighlighterName("TSynLexSyn"), "Lex");
    EXPECT_EQ(ShortHighlighterName("tsynPas"), "Pas");
    EXPECT_EQ(ShortHighlighterName("TLexer"), "Lexer");
    EXPECT_EQ(ShortHighlighterName("LexSYN"), "Lex");
    EXPECT_EQ(ShortHighlighterName("TSyn"), "");

    EXPECT_EQ(ClampInt(2, 5, 3), 5);  // lo wins when the bounds cross
    EXPECT_EQ(EarlierCoord(BufferCoord(9, 1), BufferCoord(1, 2)), BufferCoord(9, 1));
    EXPECT_EQ(EarlierCoord(BufferCoord(4, 2), BufferCoord(3, 2)), BufferCoord(3, 2));
    // Buffer positions order by line before character, although the
    // character is the first member.
    EXPECT_LT(BufferCoord(9, 1), BufferCoord(1, 2));
    EXPECT_GT(BufferCoord(4, 2), BufferCoord(3, 2));
    EXPECT_LE(BufferCoord(3, 2), BufferCoord(3, 2));
    EXPECT_FALSE(BufferCoord(3, 2) < BufferCoord(3, 2));
}

}  // namespace

#include "platform/base/code_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/test_random.h"

namespace {

// Reference model: walks the string from the start, a lead byte with a
// following byte forming one character.
std::vector<TMbcsByteType> Classify(const std::string& s)
{
    std::vector<TMbcsByteType> kinds(s.size(), mbSingleByte);
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b >= 0x81 && b <= 0xFE && i + 1 < s.size()) {
            kinds[i] = mbLeadByte;
            kinds[++i] = mbTrailByte;
        }
    }
    return kinds;
}

std::string RandomGbk(TRandom& rng, size_t chars)
{
    static const char* pieces[] = {"說", "門", "這", "乗", "中", "a", "]", "\\", "@", "\t", " ", "Z"};
    std::string s;
    for (size_t i = 0; i < chars; ++i)
        s += rng.Pick(pieces);
    return s;
}

// Plain literals are GBK in this build; u8 literals stay UTF-8.
std::string Utf8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

}  // namespace

TEST(CodePage, LiteralsAreGbkBytes)
{
    EXPECT_EQ(std::string("說"), "\xD5\x66");
    EXPECT_EQ(std::string("中"), "\xD6\xD0");
    EXPECT_EQ(std::string("乗"), "\x81\x5C");
}

TEST(CodePage, ByteTypeScansFromTheStart)
{
    std::string s = "中a";  // D6 D0 61: D0 is a lead-byte value but a trail byte here
    EXPECT_EQ(ByteType(s, 1), mbLeadByte);
    EXPECT_EQ(ByteType(s, 2), mbTrailByte);
    EXPECT_EQ(ByteType(s, 3), mbSingleByte);
    EXPECT_EQ(ByteType(s, 0), mbSingleByte);
    EXPECT_EQ(ByteType(s, 4), mbSingleByte);
    EXPECT_EQ(ByteType("a\xD6", 2), mbSingleByte);  // lone lead byte at the end

    TRandom rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string text = RandomGbk(rng, 20);
        auto expected = Classify(text);
        for (size_t i = 0; i < text.size(); ++i)
            ASSERT_EQ(ByteTypeAt(text, i), expected[i]) << "offset " << i;
    }
}

TEST(CodePage, CaseChangesLeaveDoubleByteCharactersAlone)
{
    EXPECT_EQ(UpperCase("ab說門z"), "AB說門Z");  // 說 ends in 'f', 門 in 'T'
    EXPECT_EQ(LowerCase("AB說門Z"), "ab說門z");
    EXPECT_EQ(CompareText("ABC說", "abc說"), 0);
    EXPECT_NE(CompareText("說", "\xD5\x46"), 0);  // trail byte case matters
    EXPECT_LT(CompareText("a", "B"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_GT(CompareText("\x80", "a"), 0);
}

TEST(CodePage, UnicodeConversionRoundTripsEveryByteStringAndWritesOnlyValidUtf8)
{
    EXPECT_EQ(GbkToUtf8("中文 abc"), Utf8(u8"中文 abc"));
    EXPECT_EQ(Utf8ToGbk(Utf8(u8"中文 abc")), "中文 abc");
    EXPECT_EQ(GbkToUtf32("說門"), U"\u8aaa\u9580");
    EXPECT_EQ(Utf32ToGbk(U"\u8aaa\u9580"), "說門");
    EXPECT_EQ(Utf32ToGbk(U"\U0001F600"), "?");
    // ASCII goes across in runs, longer than a word too, between characters
    // whose trail bytes are ASCII letters and bytes that are no character.
    for (const std::string& text : {std::string("abcdefghijklmnop說門qrstuvwxyz0123456789中"),
                                   "\xFF" + std::string(17, 'x') + "說" + std::string(9, 'y') + "\x80"}) {
        EXPECT_EQ(GbkToUtf8(text), Utf32ToUtf8(GbkToUtf32(text)));
        EXPECT_EQ(Utf8ToGbk(GbkToUtf8(text)), Utf32ToGbk(Utf8ToUtf32(GbkToUtf8(text))));
    }

    TRandom rng(11);
    for (int round = 0; round < 200; ++round) {
        std::string raw;
        for (int i = 0; i < 30; ++i)
            raw += static_cast<char>(rng.Below(256));
        EXPECT_EQ(Utf32ToGbk(GbkToUtf32(raw)), raw);
        // UTF-8 goes to other programs: a byte that is no GBK becomes
        // U+FFFD there, never a surrogate, and comes back as '?'.
        const std::u32string written = Utf8ToUtf32(GbkToUtf8(raw));
        EXPECT_EQ(std::count_if(written.begin(), written.end(), [](char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }), 0);
        const std::u32string read = GbkToUtf32(raw);
        EXPECT_EQ(written.size(), read.size());
        for (size_t i = 0; i < read.size() && i < written.size(); ++i)
            ASSERT_EQ(written[i], IsEscapedByte(read[i]) ? U'\xFFFD' : read[i]) << "at " << i;
        // UTF-8 read back decodes as the decoder takes each character, also
        // three-byte forms that are overlong, surrogates or cut short.
        std::string utf8;
        static constexpr unsigned char Bytes[] = {'a', 0x80, 0x9F, 0xA0, 0xBF, 0xE0, 0xE8, 0xED, 0xEF, 0xC3, 0xF0};
        for (int i = 0; i < 30; ++i)
            utf8 += static_cast<char>(Bytes[rng.Below(sizeof Bytes)]);
        ASSERT_EQ(Utf8ToGbk(utf8), Utf32ToGbk(Utf8ToUtf32(utf8))) << "of " << ::testing::PrintToString(utf8);
    }
    EXPECT_EQ(GbkToUtf32("\xFF"), U"\xDCFF");
    EXPECT_EQ(GbkToUtf8("bad \xFF\xFE\x80\xC3 tail"), Utf8(u8"bad \uFFFD\uFFFD\uFFFD\uFFFD tail"));
    EXPECT_EQ(Utf8ToGbk(GbkToUtf8("a\xFF說\xD6")), "a?說?");
    EXPECT_EQ(Utf8ToGbk("\xC3"), "\xC3");  // truncated UTF-8 keeps its byte
    EXPECT_EQ(Utf8ToGbk("\xED\xB3\xBF"), "\xFF");  // as earlier versions wrote 0xFF
}

// Pieces cut anywhere, inside a character too, convert as the whole text:
// two-, three- and four-byte characters, a lead byte cut short by another,
// stray continuation bytes, a surrogate form and a lead byte at the end.
TEST(CodePage, Utf8InPiecesConvertsAsTheWholeText)
{
    const std::string utf8 = Utf8(u8"a\u00B7說\U0001F600門") + "\xE8\xAA" + "b\x80\xBF" + "\xED\xB3\xBF" + Utf8(u8"中") + "\xF0";
    const AnsiString whole = Utf8ToGbk(utf8);
    for (size_t first = 0; first <= utf8.size(); ++first)
        for (size_t second = first; second <= utf8.size(); ++second) {
            AnsiString gbk;
            std::string rest;
            for (const auto& [from, to] : {std::pair{size_t(0), first}, {first, second}, {second, utf8.size()}}) {
                rest += utf8.substr(from, to - from);
                rest.erase(0, AppendUtf8AsGbk(rest, to == utf8.size(), gbk));
            }
            ASSERT_EQ(gbk, whole) << "cut at " << first << " and " << second;
            ASSERT_EQ(rest, "");
        }
}

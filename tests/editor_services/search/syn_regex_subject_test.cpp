// The text the regular-expression matcher reads: lines of GBK as UTF-8,
// each character as the C library's converter reads it or a private-use
// code point of its own, and every character's offset mapped back to the
// line, asked in any order; lines of every kind of byte, over every
// two-byte code and across the blocks lines are converted in.

#include "editor_services/search/syn_regex_subject.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/base/code_page.h"

#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

std::string Utf8(const char8_t* Text) { return reinterpret_cast<const char*>(Text); }

// Text converted by the C library's Converter (opened once for the whole
// run); empty where it does not convert whole.
std::string Iconv(iconv_t Converter, std::string_view Text)
{
    std::string in(Text), out(16, '\0');
    char* inAt = in.data();
    char* outAt = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    iconv(Converter, nullptr, nullptr, nullptr, nullptr);
    const bool whole = iconv(Converter, &inAt, &inLeft, &outAt, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    out.resize(whole ? out.size() - outLeft : 0);
    return out;
}

std::string GbkCharUtf8(std::string_view Pair)
{
    static const iconv_t converter = iconv_open("UTF-8", "GBK");
    return Iconv(converter, Pair);
}

std::string CodePointUtf8(char32_t C)
{
    static const iconv_t converter = iconv_open("UTF-8", "UTF-32LE");
    const unsigned char bytes[4] = {static_cast<unsigned char>(C), static_cast<unsigned char>(C >> 8),
                                    static_cast<unsigned char>(C >> 16), 0};
    return Iconv(converter, std::string_view(reinterpret_cast<const char*>(bytes), 4));
}

// Line as the matcher should read it, walked as the editor walks it.
std::string ExpectedUtf8(std::string_view Line)
{
    std::string utf8;
    for (size_t at = 0; at < Line.size(); at += CharLengthAt(Line, at)) {
        const auto byte = static_cast<unsigned char>(Line[at]);
        if (CharLengthAt(Line, at) == 2) {
            const std::string character = GbkCharUtf8(Line.substr(at, 2));
            utf8 += !character.empty() ? character
                                       : CodePointUtf8(0xF0000 + (byte << 8 | static_cast<unsigned char>(Line[at + 1])));
        } else {
            utf8 += byte < 0x80 ? std::string(1, Line[at]) : CodePointUtf8(0x10FF00 + byte);
        }
    }
    return utf8;
}

// Line converts to Utf8, and each character's offset (and the end's) maps
// back to the line, asked forwards, backwards and in strides.
void ExpectConverted(const std::string& Line, const std::string& Utf8)
{
    TSynRegexSubject subject;
    subject.Assign(Line);
    ASSERT_EQ(subject.Text(), Utf8) << testing::PrintToString(Line);
    std::vector<size_t> lineStarts, textStarts;
    for (size_t at = 0; at <= Line.size(); at += at < Line.size() ? CharLengthAt(Line, at) : 1)
        lineStarts.push_back(at);
    for (size_t at = 0; at <= Utf8.size(); ++at)
        if (at == Utf8.size() || (static_cast<unsigned char>(Utf8[at]) & 0xC0) != 0x80)
            textStarts.push_back(at);
    ASSERT_EQ(textStarts.size(), lineStarts.size());
    std::vector<size_t> order;
    for (size_t i = 0; i < lineStarts.size(); ++i)
        order.push_back(i);
    for (size_t i = lineStarts.size(); i-- > 0;)
        order.push_back(i);
    for (size_t i = 0; i < lineStarts.size(); i += 3)
        order.insert(order.end(), {i, i / 2});
    for (size_t i : order) {
        EXPECT_EQ(subject.LineOffset(textStarts[i]), lineStarts[i]) << testing::PrintToString(Line) << " at " << i;
    }
}

TEST(TSynRegexSubjectTest, LinesReadAsTheirCharactersAndMapBack)
{
    const std::string longAscii(200, 'a');
    const struct {
        std::string Line;
        std::string Utf8;
    } cases[] = {
        {"", ""},
        {"int x = 1; // Ted", "int x = 1; // Ted"},
        {"說門 Ted 中文這乗", Utf8(u8"說門 Ted 中文這乗")},
        // Two bytes that pair up but are no character, and lone bytes
        // that start none.
        {"\x81\x30" "a\xA1\x7F" "b", Utf8(u8"\U000F8130a\U000FA17Fb")},
        {"\x80" "a\xFF" "說\x80", Utf8(u8"\U0010FF80a\U0010FFFF說\U0010FF80")},
        // A lead byte that ends the line, short and after a long line.
        {"ab\xD6", Utf8(u8"ab\U0010FFD6")},
        {"中\xD6", Utf8(u8"中\U0010FFD6")},
        {longAscii + "\xD6", longAscii + Utf8(u8"\U0010FFD6")},
        // Trail bytes that are lead bytes too, and characters across the
        // edges of the blocks a line is converted in.
        {"說" + std::string(61, 'a') + "中中中中說", Utf8(u8"說") + std::string(61, 'a') + Utf8(u8"中中中中說")},
        {"說" + std::string(60, 'a') + "中中中中說", Utf8(u8"說") + std::string(60, 'a') + Utf8(u8"中中中中說")},
        {"中" + longAscii + "乗門" + longAscii + "這", Utf8(u8"中") + longAscii + Utf8(u8"乗門") + longAscii + Utf8(u8"這")},
    };
    for (const auto& c : cases) {
        ExpectConverted(c.Line, c.Utf8);
        TSynRegexSubject subject;
        subject.Assign(c.Line);
        // A line of ASCII alone is read where it stands.
        if (c.Line == c.Utf8) {
            EXPECT_EQ(subject.Text().data(), c.Line.data());
        }
    }
}

// The table the lines are converted by holds what the C library's GBK
// holds, and nothing else, for every lead byte and every byte after it.
TEST(TSynRegexSubjectTest, EveryTwoByteCodeReadsAsTheCLibrarysGbk)
{
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        std::string line(lead % 3, 'x');  // the pairs start at each place in a block
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
            ASSERT_EQ(GbkToRegexUtf8(pair), ExpectedUtf8(pair)) << std::hex << lead << " " << trail;
            line += pair;
        }
        ExpectConverted(line, ExpectedUtf8(line));
    }
}

TEST(TSynRegexSubjectTest, RandomLinesReadAsTheirCharactersAndMapBack)
{
    static const char* const Pieces[] = {"a", "Ted ", "int x = 1; ", "說", "門", "這", "乗", "中", "中文", "\xD6",
                                         "\x81", "\x80", "\xFF", "\x81\x30", "\xA1\x7F", "\xA1\xFF"};
    for (const uint32_t seed : SessionSeeds(SeedRange(1, 400), 60)) {
        TRandom random(seed);
        std::string line;
        for (int pieces = random.Between(0, 160); pieces > 0; --pieces)
            line += random.Chance(5) ? std::string(random.Between(1, 90), 'z') : random.Pick(Pieces);
        ExpectConverted(line, ExpectedUtf8(line));
    }
}

}  // namespace

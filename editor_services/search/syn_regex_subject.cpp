#include "editor_services/search/syn_regex_subject.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/base/code_page.h"

namespace {

constexpr char32_t PairedBytesBase = 0xF0000;     // plane 15, private use
constexpr char32_t LoneByteBase = 0x10FF00;       // plane 16, private use
constexpr unsigned char LoneByteUtf8Lead = 0xF4;  // the first UTF-8 byte of U+100000 and above

// Writes C as UTF-8 at Out; answers its length.
size_t EncodeUtf8(char32_t C, char* Out)
{
    if (C < 0x80) {
        Out[0] = static_cast<char>(C);
        return 1;
    }
    if (C < 0x800) {
        Out[0] = static_cast<char>(0xC0 | (C >> 6));
        Out[1] = static_cast<char>(0x80 | (C & 0x3F));
        return 2;
    }
    if (C < 0x10000) {
        Out[0] = static_cast<char>(0xE0 | (C >> 12));
        Out[1] = static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out[2] = static_cast<char>(0x80 | (C & 0x3F));
        return 3;
    }
    Out[0] = static_cast<char>(0xF0 | (C >> 18));
    Out[1] = static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out[2] = static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out[3] = static_cast<char>(0x80 | (C & 0x3F));
    return 4;
}

constexpr uint64_t HighBits = 0x8080808080808080u;
constexpr uint64_t LowBits = 0x7F7F7F7F7F7F7F7Fu;

// The eight bytes at P as one word.
uint64_t LoadEight(const void* P)
{
    uint64_t word = 0;
    std::memcpy(&word, P, sizeof word);
    return word;
}

// How many of the bytes of Mask, each 0x80 or 0, are 0x80: the multiply
// adds them all up into the top byte.
size_t CountHighBits(uint64_t Mask) { return static_cast<size_t>(((Mask >> 7) * (HighBits >> 7)) >> 56); }

// How many more bytes the first Count bytes of Word (as loaded; Count up
// to 8) take in UTF-8 than they stood for in the line. A character of two
// UTF-8 bytes was two bytes in the line, of three two, of four two as well
// but for the lone bytes (lead F4), which were one: so each continuation
// byte counts one, each lead byte minus one and each F4 one more. Summed
// over bytes, so a count that ends inside a character adds up with the
// rest of it (such a part may count below zero and wrap around: the sums
// come out right at character starts). In the word, the high bit of a
// continuation byte has a clear bit below it, of a lead byte a set one.
size_t ExtraBytesIn(uint64_t Word, size_t Count)
{
    if (Count < 8) {
        const uint64_t kept = Count == 0 ? 0 : ~uint64_t{0} >> (64 - 8 * Count);
        Word &= std::endian::native == std::endian::little ? kept : ~(~uint64_t{0} >> (8 * Count));
    }
    const uint64_t below = Word << 1;
    const uint64_t notF4 = Word ^ (LoneByteUtf8Lead * (HighBits >> 7));
    const uint64_t isF4 = ~(((notF4 & LowBits) + LowBits) | notF4 | LowBits);
    return CountHighBits(Word & ~below & HighBits) + CountHighBits(isF4) - CountHighBits(Word & below & HighBits);
}

// How many bytes of Word (as loaded) come before its first one from 0x80,
// which Word must hold.
size_t AsciiBytesIn(uint64_t Word)
{
    const uint64_t high = Word & HighBits;
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<size_t>(std::countr_zero(high)) / 8;
    else
        return static_cast<size_t>(std::countl_zero(high)) / 8;
}

// The offset of the first byte from 0x80 in Bytes[From, Size), or Size:
// eight bytes at a time, as lines are mostly ASCII runs.
size_t FirstHighByte(const unsigned char* Bytes, size_t From, size_t Size)
{
    for (; From + 8 <= Size; From += 8)
        if (const uint64_t word = LoadEight(Bytes + From); word & HighBits)
            return From + AsciiBytesIn(word);
    while (From < Size && Bytes[From] < 0x80)
        ++From;
    return From;
}

// The UTF-8 form of every two bytes that start with a lead byte, indexed
// by (lead - 0x80) * 256 + the byte after it, and its length: lines are
// converted a table look-up per Chinese character.
struct TUtf8Char {
    char Bytes[4];
};
using TPairTable = std::array<TUtf8Char, 0x8000>;

// The length of a UTF-8 sequence from its first byte.
size_t Utf8Length(unsigned char Lead) { return Lead < 0x80 ? 1 : Lead < 0xE0 ? 2 : Lead < 0xF0 ? 3 : 4; }

const TPairTable& PairTable()
{
    static const std::unique_ptr<TPairTable> table = [] {
        auto made = std::make_unique<TPairTable>();
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
            for (unsigned trail = 0; trail <= 0xFF; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                size_t decoded = 0;
                char32_t c = DecodeGbkChar(std::string_view(pair, 2), 0, decoded);
                if (decoded != 2)
                    c = PairedBytesBase + (lead << 8 | trail);
                EncodeUtf8(c, (*made)[(lead - 0x80) << 8 | trail].Bytes);
            }
        return made;
    }();
    return *table;
}

}  // namespace

std::string GbkToRegexUtf8(std::string_view Text)
{
    TSynRegexSubject subject;
    subject.Assign(Text);
    return std::string(subject.Text());
}

void TSynRegexSubject::Assign(std::string_view Line)
{
    line_ = Line;
    blockExtra_.clear();
    const auto* bytes = reinterpret_cast<const unsigned char*>(Line.data());
    const size_t size = Line.size();
    const size_t ascii = FirstHighByte(bytes, 0, size);
    ascii_ = ascii == size;
    if (ascii_)
        return;
    // Four bytes at most for each byte of the line (a lone byte), and room
    // for eight bytes copied at once or a whole table entry at the end.
    const size_t room = size * 4 + 8;
    if (utf8_.size() < room)
        utf8_.resize(room);
    const TPairTable& pairs = PairTable();
    std::memcpy(utf8_.data(), Line.data(), ascii);
    char* out = utf8_.data() + ascii;
    // Each step copies the ASCII run at i, eight bytes at once with the
    // bytes past its end (overwritten next), then converts the character
    // after it: no branch on the kind of each character, which text that
    // mixes Chinese and ASCII would mispredict at every change.
    size_t i = ascii;
    const auto convertCharAt = [&](size_t At) {
        const unsigned char b = bytes[At];
        if (IsDBCSLeadByte(b) && At + 1 < size) {
            const TUtf8Char& c = pairs[(b - 0x80u) << 8 | bytes[At + 1]];
            std::memcpy(out, c.Bytes, sizeof c.Bytes);
            out += Utf8Length(static_cast<unsigned char>(c.Bytes[0]));
            return At + 2;
        }
        // 0x80, 0xFF, or a lead byte with no byte after it.
        out += EncodeUtf8(LoneByteBase + b, out);
        return At + 1;
    };
    while (i + 8 <= size) {
        const uint64_t word = LoadEight(bytes + i);
        std::memcpy(out, bytes + i, 8);
        const size_t run = word & HighBits ? AsciiBytesIn(word) : 8;
        out += run;
        i += run;
        if (run < 8)
            i = convertCharAt(i);
    }
    while (i < size) {
        if (bytes[i] < 0x80)
            *out++ = static_cast<char>(bytes[i++]);
        else
            i = convertCharAt(i);
    }
    size_ = static_cast<size_t>(out - utf8_.data());
}

size_t TSynRegexSubject::LineOffset(size_t Offset)
{
    if (ascii_)
        return Offset;
    Offset = std::min(Offset, size_);
    if (blockExtra_.empty()) {
        // Made for the first offset asked: one pass over the line, eight
        // bytes at a time. The last block reads past size_ into the room
        // Assign keeps, and its sum is never used.
        blockExtra_.resize(size_ / 8 + 1);
        size_t extra = 0;
        for (size_t block = 0; block < blockExtra_.size(); ++block) {
            blockExtra_[block] = extra;
            extra += ExtraBytesIn(LoadEight(utf8_.data() + block * 8), 8);
        }
    }
    const size_t block = Offset / 8;
    return Offset - blockExtra_[block] - ExtraBytesIn(LoadEight(utf8_.data() + block * 8), Offset % 8);
}

size_t TSynRegexSubject::TextOffset(size_t Offset) const
{
    if (ascii_)
        return Offset;
    const auto* bytes = reinterpret_cast<const unsigned char*>(line_.data());
    const TPairTable& pairs = PairTable();
    size_t text = 0;
    for (size_t i = 0; i < Offset;) {
        const size_t highByte = FirstHighByte(bytes, i, Offset);
        text += highByte - i;
        i = highByte;
        if (i == Offset)
            break;
        // As Assign converts the character.
        if (IsDBCSLeadByte(bytes[i]) && i + 1 < line_.size()) {
            text += Utf8Length(static_cast<unsigned char>(pairs[(bytes[i] - 0x80u) << 8 | bytes[i + 1]].Bytes[0]));
            i += 2;
        } else {
            text += Utf8Length(LoneByteUtf8Lead);
            ++i;
        }
    }
    return text;
}

#include "editor_services/syn_regex_subject.h"

#include <algorithm>
#include <array>
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

// How many more bytes whole characters take in UTF-8 than in the line. A
// character of two UTF-8 bytes was two bytes in the line, of three two, of
// four two as well but for the lone bytes (lead F4), which were one: so
// its continuation bytes less one, and one more for a lone byte. Counted
// byte by byte without branches, which the compiler runs many at a time.
size_t ExtraBytes(std::string_view Utf8)
{
    size_t extra = 0;
    for (const char c : Utf8) {
        const auto b = static_cast<unsigned char>(c);
        extra += (b & 0xC0) == 0x80;
        extra -= b >= 0xC0;
        extra += b == LoneByteUtf8Lead;
    }
    return extra;
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
    textCursor_ = lineCursor_ = 0;
    const auto high = std::find_if(Line.begin(), Line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    ascii_ = high == Line.end();
    if (ascii_)
        return;
    // Four bytes at most for each byte of the line (a lone byte), and room
    // for a whole table entry written at the end.
    const size_t room = Line.size() * 4 + 4;
    if (utf8_.size() < room)
        utf8_.resize(room);
    const TPairTable& pairs = PairTable();
    const auto ascii = static_cast<size_t>(high - Line.begin());
    std::memcpy(utf8_.data(), Line.data(), ascii);
    char* out = utf8_.data() + ascii;
    const size_t size = Line.size();
    const auto* bytes = reinterpret_cast<const unsigned char*>(Line.data());
    for (size_t i = ascii; i < size;) {
        const unsigned char b = bytes[i];
        if (b < 0x80) {
            *out++ = static_cast<char>(b);
            ++i;
        } else if (IsDBCSLeadByte(b) && i + 1 < size) {
            const TUtf8Char& c = pairs[(b - 0x80u) << 8 | bytes[i + 1]];
            std::memcpy(out, c.Bytes, sizeof c.Bytes);
            out += Utf8Length(static_cast<unsigned char>(c.Bytes[0]));
            i += 2;
        } else {
            // 0x80, 0xFF, or a lead byte with no byte after it.
            out += EncodeUtf8(LoneByteBase + b, out);
            ++i;
        }
    }
    size_ = static_cast<size_t>(out - utf8_.data());
}

size_t TSynRegexSubject::LineOffset(size_t Offset)
{
    if (ascii_)
        return Offset;
    Offset = std::min(Offset, size_);
    const size_t from = std::min(Offset, textCursor_);
    const size_t to = std::max(Offset, textCursor_);
    const size_t extra = ExtraBytes(std::string_view(utf8_.data() + from, to - from));
    lineCursor_ = Offset >= textCursor_ ? lineCursor_ + (to - from) - extra : lineCursor_ - (to - from) + extra;
    textCursor_ = Offset;
    return lineCursor_;
}

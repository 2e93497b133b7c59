// Recognising and converting a text file's encoding (see the header).
#include "platform/base/text_file_encoding.h"

#include <algorithm>
#include <string>

#include "platform/base/code_page.h"

namespace {

bool StartsWith(std::string_view Bytes, std::string_view Mark)
{
    return Bytes.substr(0, Mark.size()) == Mark;
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view Bytes, bool& HasNonAscii)
{
    HasNonAscii = false;
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data());
    const size_t n = Bytes.size();
    for (size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        HasNonAscii = true;
        size_t length = 0;
        char32_t c = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            c = b & 0x07;
        } else {
            return false;
        }
        if (i + length > n)
            return false;
        for (size_t k = 1; k < length; ++k) {
            if (!IsContinuation(p[i + k]))
                return false;
            c = (c << 6) | (p[i + k] & 0x3F);
        }
        if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
            (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// UTF-16 after its mark; a lone surrogate or an odd last byte becomes the
// replacement character, which GBK cannot express either.
std::u32string Utf16ToUtf32(std::string_view Bytes, bool BigEndian)
{
    auto unit = [&](size_t i) {
        const auto hi = static_cast<unsigned char>(Bytes[BigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(Bytes[BigEndian ? i + 1 : i]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    std::u32string text;
    text.reserve(Bytes.size() / 2);
    const size_t units = Bytes.size() / 2;
    for (size_t u = 0; u < units; ++u) {
        char32_t c = unit(2 * u);
        if (c >= 0xD800 && c < 0xDC00 && u + 1 < units && unit(2 * u + 2) >= 0xDC00 && unit(2 * u + 2) < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(2 * ++u) - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = ReplacementCharacter;
        text += c;
    }
    if (Bytes.size() % 2)
        text += ReplacementCharacter;
    return text;
}

// Every character GBK has no form for comes out as '?'; those are the
// question marks of the result that were not question marks before.
TDecodedTextFile FromUnicode(const std::u32string& Text, TTextFileEncoding Encoding)
{
    TDecodedTextFile decoded;
    decoded.Encoding = Encoding;
    decoded.Text = Utf32ToGbk(Text);
    const auto marks = [](auto begin, auto end, auto mark) { return static_cast<size_t>(std::count(begin, end, mark)); };
    decoded.Unrepresentable =
        marks(decoded.Text.begin(), decoded.Text.end(), '?') - marks(Text.begin(), Text.end(), U'?');
    return decoded;
}

// A byte that starts no GBK character is no text in any of the three
// encodings either: it becomes '?' as well, and counts with the others.
TDecodedTextFile FromGbk(std::string_view Bytes)
{
    TDecodedTextFile decoded;
    decoded.Text.reserve(Bytes.size());
    for (size_t i = 0, length = 0; i < Bytes.size(); i += length) {
        if (IsEscapedByte(DecodeGbkChar(Bytes, i, length))) {
            decoded.Text += '?';
            ++decoded.Unrepresentable;
        } else {
            decoded.Text.append(Bytes.substr(i, length));
        }
    }
    return decoded;
}

}  // namespace

TDecodedTextFile DecodeTextFile(std::string_view Bytes)
{
    if (StartsWith(Bytes, "\xEF\xBB\xBF"))
        return FromUnicode(Utf8ToUtf32(Bytes.substr(3)), tfeUtf8);
    if (StartsWith(Bytes, "\xFF\xFE") || StartsWith(Bytes, "\xFE\xFF"))
        return FromUnicode(Utf16ToUtf32(Bytes.substr(2), Bytes[0] == '\xFE'), tfeUtf16);
    // Without a mark, UTF-8 is what holds characters beyond ASCII and
    // keeps to UTF-8's rules throughout; real GBK text almost never does.
    bool nonAscii = false;
    if (IsValidUtf8(Bytes, nonAscii) && nonAscii)
        return FromUnicode(Utf8ToUtf32(Bytes), tfeUtf8);
    return FromGbk(Bytes);
}

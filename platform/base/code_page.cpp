#include "platform/base/code_page.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

TSysLocale SysLocale;

TMbcsByteType ByteTypeAt(std::string_view text, size_t offset)
{
    if (offset >= text.size())
        return mbSingleByte;
    // A byte that is no lead byte ends a character, so a character starts
    // right after it; from there the lead bytes up to offset pair up. Only
    // that run is read, not the text from its start.
    size_t start = offset;
    while (start > 0 && IsDBCSLeadByte(text[start - 1]))
        --start;
    if ((offset - start) % 2 != 0)
        return mbTrailByte;
    return CharLengthAt(text, offset) == 2 ? mbLeadByte : mbSingleByte;
}

TMbcsByteType ByteType(const AnsiString& s, int index)
{
    if (index < 1 || static_cast<size_t>(index) > s.size())
        return mbSingleByte;
    return ByteTypeAt(s, static_cast<size_t>(index) - 1);
}

size_t CharStartOf(std::string_view text, size_t offset)
{
    return ByteTypeAt(text, offset) == mbTrailByte ? offset - 1 : offset;
}

namespace {

template <typename Change>
AnsiString MapSingleBytes(std::string_view s, Change change)
{
    AnsiString result(s);
    for (size_t i = 0; i < result.size();) {
        size_t len = CharLengthAt(result, i);
        if (len == 1)
            result[i] = change(result[i]);
        i += len;
    }
    return result;
}

}  // namespace

char UpCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char LoCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

AnsiString UpperCase(std::string_view s) { return MapSingleBytes(s, UpCase); }
AnsiString LowerCase(std::string_view s) { return MapSingleBytes(s, LoCase); }

int CompareText(std::string_view a, std::string_view b)
{
    // Both strings are walked by characters so that a trail byte that looks
    // like a letter is compared as it is.
    size_t i = 0;
    for (; i < a.size() && i < b.size();) {
        bool aDouble = CharLengthAt(a, i) == 2;
        bool bDouble = CharLengthAt(b, i) == 2;
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (!aDouble && !bDouble) {
            ca = static_cast<unsigned char>(LoCase(static_cast<char>(ca)));
            cb = static_cast<unsigned char>(LoCase(static_cast<char>(cb)));
        }
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (aDouble && bDouble) {
            unsigned char ta = static_cast<unsigned char>(a[i + 1]);
            unsigned char tb = static_cast<unsigned char>(b[i + 1]);
            if (ta != tb)
                return ta < tb ? -1 : 1;
            i += 2;
        } else {
            i += 1;
            if (aDouble != bDouble) {
                // Equal lead bytes, but one is a lone final byte: the shorter
                // string runs out next.
                return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
            }
        }
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareStr(std::string_view a, std::string_view b)
{
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

namespace {

// GBK <-> UCS-2 tables, built once from the C library's converter.
struct GbkTables {
    std::array<char16_t, 65536> toUnicode{};  // index lead * 256 + byte; 0 = invalid
    std::array<uint16_t, 65536> fromUnicode{};  // code point -> GBK bytes; 0 = none

    GbkTables()
    {
        for (unsigned c = 0; c < 0x80; ++c) {
            toUnicode[c] = static_cast<char16_t>(c);
            fromUnicode[c] = static_cast<uint16_t>(c);
        }
        iconv_t cd = iconv_open("UTF-16LE", "GBK");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return;
        auto convert = [&](const unsigned char* in, size_t inLen) -> char16_t {
            char inBuf[2] = {static_cast<char>(in[0]), static_cast<char>(inLen > 1 ? in[1] : 0)};
            char outBuf[8];
            char* inPtr = inBuf;
            char* outPtr = outBuf;
            size_t inLeft = inLen, outLeft = sizeof outBuf;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
                sizeof outBuf - outLeft != 2)
                return 0;
            return static_cast<char16_t>(static_cast<unsigned char>(outBuf[0]) |
                                         (static_cast<unsigned char>(outBuf[1]) << 8));
        };
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                unsigned char bytes[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
                char16_t u = convert(bytes, 2);
                if (u == 0 || (u >= 0xD800 && u <= 0xDFFF))
                    continue;
                uint16_t code = static_cast<uint16_t>(lead << 8 | trail);
                toUnicode[code] = u;
                if (fromUnicode[u] == 0)
                    fromUnicode[u] = code;
            }
        }
        iconv_close(cd);
    }
};

const GbkTables& Tables()
{
    static const std::unique_ptr<GbkTables> tables = std::make_unique<GbkTables>();
    return *tables;
}

// Other programs read what leaves the program (the database's text, file
// names, window titles, the terminal's lines), and a surrogate or a code
// point beyond Unicode is no character to them.
void AppendReadableUtf8(std::string& out, char32_t c)
{
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        c = ReplacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The continuation bytes a UTF-8 lead byte announces; 0 for ASCII and for
// a byte that starts no character.
int Utf8TrailCount(unsigned char b0)
{
    if ((b0 & 0xE0) == 0xC0)
        return 1;
    if ((b0 & 0xF0) == 0xE0)
        return 2;
    if ((b0 & 0xF8) == 0xF0)
        return 3;
    return 0;
}

// Decodes one UTF-8 sequence (surrogate code points included, as files
// written by earlier versions carry escaped bytes that way); an invalid
// byte decodes to its escape.
char32_t DecodeUtf8Char(std::string_view s, size_t i, size_t& length)
{
    unsigned char b0 = static_cast<unsigned char>(s[i]);
    length = 1;
    if (b0 < 0x80)
        return b0;
    const int extra = Utf8TrailCount(b0);
    if (extra == 0)
        return 0xDC00 + b0;
    char32_t c = b0 & (0x7F >> (extra + 1));
    if (i + static_cast<size_t>(extra) >= s.size())
        return 0xDC00 + b0;
    for (int k = 1; k <= extra; ++k) {
        unsigned char b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0xDC00 + b0;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (c < minimum[extra] || c > 0x10FFFF)
        return 0xDC00 + b0;
    length = static_cast<size_t>(extra) + 1;
    return c;
}

bool Holds(char32_t c, const GbkTables& t)
{
    return c < 0x80 || IsEscapedByte(c) || (c < 0x10000 && t.fromUnicode[c] != 0);
}

// How many bytes from Offset on are ASCII, read eight at a time: such bytes
// are the same in GBK and UTF-8, and most of a program's text is made of
// them, so whole runs go across at once.
size_t AsciiRun(std::string_view text, size_t Offset)
{
    size_t end = Offset;
    for (uint64_t word = 0; end + sizeof word <= text.size(); end += sizeof word) {
        std::memcpy(&word, text.data() + end, sizeof word);
        if ((word & 0x8080808080808080ull) != 0)
            break;
    }
    while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80)
        ++end;
    return end - Offset;
}

// Writes c's GBK bytes (at most two) at Out and answers the end of them.
char* PutGbk(char* Out, char32_t c, const GbkTables& t)
{
    if (c < 0x80) {
        *Out++ = static_cast<char>(c);
    } else if (IsEscapedByte(c)) {
        *Out++ = static_cast<char>(c - 0xDC00);
    } else if (c < 0x10000 && t.fromUnicode[c] != 0) {
        uint16_t code = t.fromUnicode[c];
        *Out++ = static_cast<char>(code >> 8);
        *Out++ = static_cast<char>(code & 0xFF);
    } else {
        *Out++ = '?';
    }
    return Out;
}

void AppendGbk(AnsiString& out, char32_t c, const GbkTables& t)
{
    char bytes[2];
    out.append(bytes, static_cast<size_t>(PutGbk(bytes, c, t) - bytes));
}

}  // namespace

char32_t DecodeGbkChar(std::string_view text, size_t offset, size_t& length)
{
    unsigned char b = static_cast<unsigned char>(text[offset]);
    length = 1;
    if (b < 0x80)
        return b;
    if (IsDBCSLeadByte(b) && offset + 1 < text.size()) {
        unsigned code = b << 8 | static_cast<unsigned char>(text[offset + 1]);
        char16_t u = Tables().toUnicode[code];
        if (u != 0) {
            length = 2;
            return u;
        }
    }
    return 0xDC00 + b;
}

std::u32string GbkToUtf32(std::string_view gbk)
{
    std::u32string out;
    out.reserve(gbk.size());
    for (size_t i = 0, len = 0; i < gbk.size(); i += len)
        out += DecodeGbkChar(gbk, i, len);
    return out;
}

AnsiString Utf32ToGbk(std::u32string_view text)
{
    const GbkTables& t = Tables();
    AnsiString out;
    out.reserve(text.size() * 2);
    for (char32_t c : text)
        AppendGbk(out, c, t);
    return out;
}

AnsiString Utf32ToGbkApart(std::u32string_view text, std::u32string& Unheld)
{
    const GbkTables& t = Tables();
    AnsiString out;
    for (char32_t c : text) {
        if (Holds(c, t))
            AppendGbk(out, c, t);
        else
            Unheld += c;
    }
    return out;
}

std::string GbkToUtf8(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    for (size_t i = 0, len = 0; i < gbk.size(); i += len) {
        if ((len = AsciiRun(gbk, i)) > 0)
            out.append(gbk.substr(i, len));
        else
            AppendReadableUtf8(out, DecodeGbkChar(gbk, i, len));
    }
    return out;
}

std::string Utf32ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        AppendReadableUtf8(out, c);
    return out;
}

std::u32string Utf8ToUtf32(std::string_view utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0, len = 0; i < utf8.size(); i += len)
        out += DecodeUtf8Char(utf8, i, len);
    return out;
}

bool Utf8ToGbkWhole(std::string_view utf8, AnsiString& gbk)
{
    const std::u32string text = Utf8ToUtf32(utf8);
    if (std::any_of(text.begin(), text.end(), IsEscapedByte))
        return false;
    std::u32string unheld;
    gbk = Utf32ToGbkApart(text, unheld);
    return unheld.empty();
}

AnsiString Utf8ToGbk(std::string_view utf8)
{
    AnsiString out;
    out.reserve(utf8.size());
    AppendUtf8AsGbk(utf8, true, out);
    return out;
}

size_t AppendUtf8AsGbk(std::string_view Piece, bool Last, AnsiString& Gbk)
{
    const GbkTables& t = Tables();
    // No character takes more bytes in GBK than in UTF-8: the bytes are
    // written in place, without a test of room for each, and the string cut
    // to them at the end.
    const size_t start = Gbk.size();
    Gbk.resize(start + Piece.size());
    char* const begin = Gbk.data() + start;
    char* out = begin;
    size_t i = 0;
    for (size_t len = 0; i < Piece.size(); i += len) {
        if ((len = AsciiRun(Piece, i)) > 0) {
            std::memcpy(out, Piece.data() + i, len);
            out += len;
            continue;
        }
        // A Chinese character, three bytes whole within the piece, as most
        // are: decoded as DecodeUtf8Char decodes it, without its loop.
        const auto b0 = static_cast<unsigned char>(Piece[i]);
        if ((b0 & 0xF0) == 0xE0 && i + 2 < Piece.size()) {
            const auto b1 = static_cast<unsigned char>(Piece[i + 1]);
            const auto b2 = static_cast<unsigned char>(Piece[i + 2]);
            const char32_t c = char32_t{b0 & 0x0Fu} << 12 | char32_t{b1 & 0x3Fu} << 6 | (b2 & 0x3Fu);
            if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80 && c >= 0x800) {
                out = PutGbk(out, c, t);
                len = 3;
                continue;
            }
        }
        // Decoding reads only the bytes the lead byte announces: stopping
        // before a character cut by the piece's end, and going on with it
        // at the next piece's front, reads what the whole text would.
        if (!Last && i + static_cast<size_t>(Utf8TrailCount(b0)) >= Piece.size())
            break;
        out = PutGbk(out, DecodeUtf8Char(Piece, i, len), t);
    }
    Gbk.resize(start + static_cast<size_t>(out - begin));
    return i;
}

#include "editor_services/syn_regex_subject.h"

#include <algorithm>

#include "platform/base/code_page.h"

namespace {

constexpr char32_t PairedBytesBase = 0xF0000;    // plane 15, private use
constexpr char32_t LoneByteBase = 0x10FF00;      // plane 16, private use
constexpr unsigned char LoneByteUtf8Lead = 0xF4;  // the first UTF-8 byte of U+100000 and above

void AppendUtf8(std::string& Out, char32_t C)
{
    if (C < 0x80) {
        Out += static_cast<char>(C);
    } else if (C < 0x800) {
        Out += static_cast<char>(0xC0 | (C >> 6));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
        Out += static_cast<char>(0xE0 | (C >> 12));
        Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
        Out += static_cast<char>(0xF0 | (C >> 18));
        Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
        Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (C & 0x3F));
    }
}

// The code point of the character at Text[I], which is Length bytes long.
char32_t CodePointAt(std::string_view Text, size_t I, size_t Length)
{
    const auto lead = static_cast<unsigned char>(Text[I]);
    if (Length == 1)
        return lead < 0x80 ? lead : LoneByteBase + lead;
    size_t decoded = 0;
    const char32_t c = DecodeGbkChar(Text, I, decoded);
    if (decoded == 2)
        return c;
    return PairedBytesBase + (static_cast<char32_t>(lead) << 8 | static_cast<unsigned char>(Text[I + 1]));
}

// The lengths of one character in UTF-8 and in the line, from its first
// UTF-8 byte.
size_t Utf8Length(unsigned char Lead) { return Lead < 0x80 ? 1 : Lead < 0xE0 ? 2 : Lead < 0xF0 ? 3 : 4; }
size_t LineLength(unsigned char Lead) { return Lead < 0x80 || Lead == LoneByteUtf8Lead ? 1 : 2; }

}  // namespace

std::string GbkToRegexUtf8(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size() + Text.size() / 2);
    for (size_t i = 0; i < Text.size();) {
        const size_t length = CharLengthAt(Text, i);
        AppendUtf8(out, CodePointAt(Text, i, length));
        i += length;
    }
    return out;
}

void TSynRegexSubject::Assign(std::string_view Line)
{
    line_ = Line;
    ascii_ = std::all_of(Line.begin(), Line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii_)
        utf8_ = GbkToRegexUtf8(Line);
    textCursor_ = lineCursor_ = 0;
}

size_t TSynRegexSubject::LineOffset(size_t Offset)
{
    if (ascii_)
        return Offset;
    while (textCursor_ < Offset && textCursor_ < utf8_.size()) {
        const auto lead = static_cast<unsigned char>(utf8_[textCursor_]);
        textCursor_ += Utf8Length(lead);
        lineCursor_ += LineLength(lead);
    }
    // Groups may lie before the match that was asked for last.
    while (textCursor_ > Offset) {
        do
            --textCursor_;
        while ((static_cast<unsigned char>(utf8_[textCursor_]) & 0xC0) == 0x80);
        lineCursor_ -= LineLength(static_cast<unsigned char>(utf8_[textCursor_]));
    }
    return lineCursor_;
}

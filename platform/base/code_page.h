// The system code page: 936 (GBK). Text is held as 8-bit strings whose
// double-byte characters start with a lead byte (0x81-0xFE) followed by one
// trail byte (0x40-0xFE). Trail bytes include ASCII letters and symbols such
// as '@', '[', '\\' and ']', so whether a byte starts a character can only be
// decided by walking the string from its start.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/base/ansi_string.h"

constexpr unsigned SystemCodePage = 936;

// What the class library knows about the user's locale.
struct TSysLocale {
    bool FarEast = true;   // the code page has double-byte characters
    bool MiddleEast = false;
};
extern TSysLocale SysLocale;

inline bool IsDBCSLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool IsDBCSLeadByte(char c) { return IsDBCSLeadByte(static_cast<unsigned char>(c)); }

enum TMbcsByteType { mbSingleByte, mbLeadByte, mbTrailByte };

// The kind of the byte at the 0-based offset of text, found by walking from
// the start. A lead byte at the very end (no trail byte follows) counts as a
// single byte: it does not start a complete character.
TMbcsByteType ByteTypeAt(std::string_view text, size_t offset);

// The same with a 1-based index, as the class library's routine takes it;
// an index outside 1..length gives mbSingleByte.
TMbcsByteType ByteType(const AnsiString& s, int index);

// The number of bytes of the character that starts at the 0-based offset
// (which must be a character start): 2 for a complete double-byte character,
// else 1.
inline size_t CharLengthAt(std::string_view text, size_t offset)
{
    return (offset + 1 < text.size() && IsDBCSLeadByte(text[offset])) ? 2 : 1;
}

// The 0-based offset of the start of the character that holds the byte at
// offset (offset itself or the lead byte before it).
size_t CharStartOf(std::string_view text, size_t offset);

// Case changes touch single-byte ASCII letters only; double-byte characters
// (including trail bytes that look like letters) stay as they are.
AnsiString UpperCase(std::string_view s);
AnsiString LowerCase(std::string_view s);
inline AnsiString AnsiUpperCase(std::string_view s) { return UpperCase(s); }
inline AnsiString AnsiLowerCase(std::string_view s) { return LowerCase(s); }
char UpCase(char c);
char LoCase(char c);

// Comparison ignoring the case of single-byte ASCII letters, ordered by
// unsigned bytes; negative, zero or positive.
int CompareText(std::string_view a, std::string_view b);
inline bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }
// Comparison with case, ordered by unsigned bytes.
int CompareStr(std::string_view a, std::string_view b);
inline int AnsiCompareText(std::string_view a, std::string_view b) { return CompareText(a, b); }
inline int AnsiCompareStr(std::string_view a, std::string_view b) { return CompareStr(a, b); }
inline bool AnsiSameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

// Conversion to and from Unicode, used only at the edges (glyphs, file
// names, the X11 clipboard, SQLite text).
//
// Bytes that are not valid GBK never vanish inside the program: each such
// byte b decodes to the code point U+DC00 + b (a lone low surrogate), and
// encoding turns those code points back into the original byte, so any
// byte string survives a round trip through UTF-32. UTF-8 leaves the
// program, so it is always valid: such a byte is written as U+FFFD.
// Code points that GBK cannot express encode as '?'; invalid UTF-8 input,
// and the surrogate forms earlier versions wrote (ED B2 80 to ED B3 BF),
// decode byte by byte to the escapes.
std::u32string GbkToUtf32(std::string_view gbk);
AnsiString Utf32ToGbk(std::u32string_view text);
// The same, but the code points GBK cannot express are left out of the
// result and appended to Unheld instead of standing there as '?'.
AnsiString Utf32ToGbkApart(std::u32string_view text, std::u32string& Unheld);
std::string GbkToUtf8(std::string_view gbk);
// UTF-8 that is always valid: a surrogate (an escaped byte among them) or
// a code point beyond Unicode is written as U+FFFD.
std::string Utf32ToUtf8(std::u32string_view text);
AnsiString Utf8ToGbk(std::string_view utf8);
// Utf8ToGbk of a text read in pieces: converts Piece onto the end of Gbk
// and answers how many of its bytes it took. Unless Piece is the text's
// last, a character whose bytes run past its end is left for the caller to
// put at the front of the next piece, so the pieces give what the whole
// text gives.
size_t AppendUtf8AsGbk(std::string_view Piece, bool Last, AnsiString& Gbk);
// Utf8ToGbk for a name that must come through whole (a file name on the
// command line): false when a character has no GBK form or the bytes are
// no UTF-8, where the name the program would use is another one.
bool Utf8ToGbkWhole(std::string_view utf8, AnsiString& gbk);
std::u32string Utf8ToUtf32(std::string_view utf8);

// The code point of one GBK character (one or two bytes at text[offset]),
// with the escape above for an invalid byte; sets length to the bytes used.
char32_t DecodeGbkChar(std::string_view text, size_t offset, size_t& length);
// Whether a code point is an escaped invalid byte.
inline bool IsEscapedByte(char32_t c) { return c >= 0xDC80 && c <= 0xDCFF; }
// What stands for a character that has no form of its own.
constexpr char32_t ReplacementCharacter = 0xFFFD;

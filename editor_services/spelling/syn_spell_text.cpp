// Finding words character by character.
#include "editor_services/spelling/syn_spell_text.h"

#include "platform/base/code_page.h"

namespace {

// Whether the character starting at I is a single byte of the set.
bool IsWordCharAt(std::string_view Line, size_t I, const TSysCharSet& WordChars)
{
    return CharLengthAt(Line, I) == 1 && CharInSet(Line[I], WordChars);
}

size_t WordEndFrom(std::string_view Line, size_t I, const TSysCharSet& WordChars)
{
    while (I < Line.size() && IsWordCharAt(Line, I, WordChars))
        ++I;
    return I;
}

}  // namespace

TSysCharSet SpellWordChars(std::string_view Apostrophes)
{
    TSysCharSet chars = CharSetOf(Apostrophes);
    chars.set('-');
    for (unsigned char c = '0'; c <= '9'; ++c)
        chars.set(c);
    for (unsigned char c = 'A'; c <= 'Z'; ++c) {
        chars.set(c);
        chars.set(c + ('a' - 'A'));
    }
    return chars;
}

TSpellWordSpan NextSpellWord(std::string_view Line, size_t From, const TSysCharSet& WordChars)
{
    size_t i = From;
    while (i < Line.size() && !IsWordCharAt(Line, i, WordChars))
        i += CharLengthAt(Line, i);
    i = std::min(i, Line.size());
    return {i, WordEndFrom(Line, i, WordChars)};
}

TSpellWordSpan SpellWordAround(std::string_view Line, size_t At, const TSysCharSet& WordChars)
{
    At = std::min(At, Line.size());
    if (At < Line.size() && CharStartOf(Line, At) != At)
        return {At, At};  // a trail byte: neither it nor its lead byte is a word character
    size_t start = At;
    // A byte before a character start is a whole single-byte character
    // only when no double-byte character ends there.
    while (start > 0 && CharStartOf(Line, start - 1) == start - 1 && IsWordCharAt(Line, start - 1, WordChars))
        --start;
    return {start, WordEndFrom(Line, At, WordChars)};
}

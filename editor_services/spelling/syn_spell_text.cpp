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

TSysCharSet SpellNonWordChars(const TSysCharSet& WordChars)
{
    TSysCharSet chars = ~WordChars;
    chars.reset(0);
    return chars;
}

const std::array<char, 128>& SpellAccentTable()
{
    // First byte, last byte, base letter.
    struct TRun {
        unsigned char First, Last;
        char Base;
    };
    static constexpr TRun Runs[] = {
        {138, 138, 'S'}, {140, 140, 'S'}, {141, 141, 'T'}, {142, 143, 'Z'}, {154, 154, 's'}, {156, 156, 's'},
        {157, 157, 't'}, {158, 159, 'z'}, {160, 160, ' '}, {163, 163, 'L'}, {165, 165, 'A'}, {170, 170, 'S'},
        {175, 175, 'Z'}, {185, 185, 'a'}, {186, 186, 's'}, {188, 188, 'L'}, {190, 190, 'l'}, {191, 191, 'z'},
        {192, 192, 'R'}, {193, 196, 'A'}, {197, 197, 'L'}, {198, 200, 'C'}, {201, 204, 'E'}, {205, 206, 'I'},
        {207, 208, 'D'}, {209, 210, 'N'}, {211, 214, 'O'}, {216, 216, 'R'}, {217, 220, 'U'}, {221, 221, 'Y'},
        {222, 222, 'T'}, {224, 224, 'r'}, {225, 228, 'a'}, {229, 229, 'l'}, {230, 232, 'c'}, {233, 236, 'e'},
        {237, 238, 'i'}, {239, 240, 'd'}, {241, 242, 'n'}, {243, 246, 'o'}, {248, 248, 'r'}, {249, 252, 'u'},
        {253, 253, 'y'}, {254, 254, 't'},
    };
    static const std::array<char, 128> table = [] {
        std::array<char, 128> t{};
        for (int c = 128; c < 256; ++c)
            t[static_cast<size_t>(c - 128)] = static_cast<char>(c);
        for (const TRun& run : Runs)
            for (int c = run.First; c <= run.Last; ++c)
                t[static_cast<size_t>(c - 128)] = run.Base;
        return t;
    }();
    return table;
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

// Where words are in a line for the spell checker. Lines are GBK and are
// walked by characters: a word is a run of single-byte characters of the
// word-character set, so a double-byte character always ends a word and its
// trail byte is never read as a letter.
#pragma once

#include <array>
#include <string_view>

#include "editor/document/text_routines.h"

// Hyphen, digits, the ASCII letters and the bytes of Apostrophes. Code page
// 936 has no letters among its single bytes above 127 (those are lead bytes
// or no character), and a lead byte in Apostrophes never stands alone.
TSysCharSet SpellWordChars(std::string_view Apostrophes);

// The bytes 1 to 255 outside WordChars.
TSysCharSet SpellNonWordChars(const TSysCharSet& WordChars);

// For each byte 128 to 255 (at index byte - 128) the byte it reads as
// without its accent: the accented letters of the Central European code
// page become their base letters and the no-break space a space; every
// other byte stays itself.
const std::array<char, 128>& SpellAccentTable();

struct TSpellWordSpan {
    size_t Start = 0;
    size_t End = 0;  // one past the last byte; End == Start for no word
    bool Empty() const { return End == Start; }
};

// The first word starting at or after the character start From; empty at
// the line's end when there is none.
TSpellWordSpan NextSpellWord(std::string_view Line, size_t From, const TSysCharSet& WordChars);

// The word through the byte offset At: it reaches right from At and left
// from the character before At. Nothing reaches into or across a
// double-byte character; At on a trail byte finds no word.
TSpellWordSpan SpellWordAround(std::string_view Line, size_t At, const TSysCharSet& WordChars);

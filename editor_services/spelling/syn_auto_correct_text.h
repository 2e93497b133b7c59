// The text rules of auto-correct: which characters make up a word, the word
// before the caret, splitting an item into original and correction,
// whole-word matching and keeping the case of the corrected text. Lines are
// GBK; a double-byte character is never split, and its trail byte is never
// taken for a letter, a separator or the end of a word.
#pragma once

#include "platform/base/ansi_string.h"

// A character that continues a word when typed: the alphanumerics of the
// code page, which for code page 936 are the ASCII letters and digits (its
// bytes above 127 are lead bytes, or no character on their own).
bool IsAutoCorrectWordChar(char C);

// The run of characters with codes 33 and above that ends just before the
// caret column (from 1); empty when the caret lies past the line's end.
AnsiString AutoCorrectWordBefore(const AnsiString& Line, int CaretX);

// An item's original is the text before its last separator, its correction
// the text after; without a separator the whole item is the original. Only
// a single-byte character counts as a separator, never a trail byte.
void SplitAutoCorrectItem(const AnsiString& Item, char Separator, AnsiString& Original, AnsiString& Correction);

// Word equals Original, ignoring the case of single-byte letters when
// IgnoreCase is set.
bool AutoCorrectWordMatches(const AnsiString& Word, const AnsiString& Original, bool IgnoreCase);

// Correction in the case form of Matched: upper case when Matched is all
// upper case (or has no letters), lower case when it is all lower case,
// capitalised when it is capitalised, else as it is.
AnsiString KeepAutoCorrectCase(const AnsiString& Matched, const AnsiString& Correction);

// Replaces every whole-word occurrence of Original in Line (it starts at the
// line's start or after a character with code 0 to 32 and ends at the line's
// end or before one) by Correction, case-kept per occurrence when KeepCase
// is set; the search goes on after each inserted correction. Answers
// whether anything was replaced; an empty Original replaces nothing.
bool CorrectWholeWords(const AnsiString& Line, const AnsiString& Original, const AnsiString& Correction,
                       bool IgnoreCase, bool KeepCase, AnsiString& Result);

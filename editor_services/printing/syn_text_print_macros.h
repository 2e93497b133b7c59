// The texts of running heads: macros such as "$PAGENUM$" filled in, and
// page numbers as Roman numerals.
#pragma once

#include "platform/base/ansi_string.h"

// Subtractive Roman notation ("XIV"); empty for 0 and below, and M
// repeated for every thousand from 4000 on.
AnsiString RomanNumeral(int Number);

// Text with "$PAGENUM$", "$PAGECOUNT$", "$TITLE$", "$DATE$", "$TIME$",
// "$DATETIME$" and "$TIMEDATE$" replaced, in any letter case; any other
// text, lone dollar signs included, stays as it is. Text of nothing but
// blanks gives the empty string.
AnsiString ExpandPrintMacros(const AnsiString& Text, int PageCount, int PageNum, bool Roman, const AnsiString& Title,
                             const AnsiString& TimeText, const AnsiString& DateText);

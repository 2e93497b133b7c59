// The texts the scheme formats store for font styles, character sets and the
// placement settings of tokens. Every comparison is exact and case-sensitive.
#pragma once

#include <cstdint>
#include <string>

#include "editor/document/text_routines.h"
#include "platform/ui/graphics/font.h"
#include "platform/base/ansi_string.h"

// "B", "I", "U", "S" for bold, italic, underline and strike-out, in that order.
AnsiString FontStyleToStr(TFontStyles Style);
// Each of the capitals B, I, U, S anywhere in the text sets its style.
TFontStyles StrToFontStyle(const AnsiString& Text);

// The members 1 to 255 in ascending order, leaving out tab, line feed,
// carriage return and space (the range adds those itself).
AnsiString CharSetToStr(const TSysCharSet& Chars);
TSysCharSet StrToCharSet(const AnsiString& Text);

// 1 is "True", 2 is "NonSpace", anything else the empty text.
AnsiString StartLineToStr(uint8_t StartLine);
// "True" or "First" give 1, "NonSpace" 2, any other text 0.
uint8_t StrToStartLine(const AnsiString& Text);

// The breaks a PartOfTerm text stands for: "True" or empty both free,
// "Left" a free left side, "Right" a free right side, "False" neither; any
// other text leaves both unset, so the range derives them.
void StrToPartOfTerm(const AnsiString& Text, uint8_t& LeftBreak, uint8_t& RightBreak);

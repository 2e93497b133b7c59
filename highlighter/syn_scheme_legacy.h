// What the two old scheme formats (1.5 and 1.8) share: files without an XML
// declaration whose root is "LexHighlighter", and multi-line texts kept as
// one child element per line.
#pragma once

#include <cstdint>
#include <string>

#include "highlighter/syn_scheme_format.h"

// The bytes from the stream's position to its end.
AnsiString ReadRestOfStream(TStream* Stream);

// Reads Text, which lacks the declaration the document reader expects,
// through the base class's import (bypassing Format's own stream import).
bool ImportLegacyText(const TSynLexFormatNativeXml& Format, TObject* Object, const AnsiString& Text);

// The lines of Element: the text of each child element and text node, each
// followed by CR LF. Comments and processing instructions are no lines.
AnsiString ReadLegacyLines(const TXmlNode& Element);
// One child element Tag per line of Lines (split at CR, LF or CR LF); an
// element without lines gets Filler as its text, which the reader drops as
// white space.
void WriteLegacyLines(TXmlNode& Element, const char* Tag, const AnsiString& Lines, const char* Filler);

// "False" for both breaks delimited, "Left" for a free left side only,
// "Right" for a free right side only, else the empty text.
AnsiString PartOfTermToStr(uint8_t LeftBreak, uint8_t RightBreak);

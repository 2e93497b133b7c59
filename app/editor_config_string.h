// The per-article editor-options string kept in CONTENTS.配置: option bits,
// twelve single digits, then numbers, the font text and colours, all
// separated by "#". Writing and reading work on any editor of the family.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/ui/graphics/font.h"

class TCustomSynText;

AnsiString EditorConfigToString(TCustomSynText* Editor);
// An empty text changes nothing. A malformed text (shorter than its fixed
// head, a non-digit where a digit belongs, a field missing or no number)
// changes nothing either and raises EConvertError saying, in the user's
// words, which field holds what. Ordinals and numbers outside what the
// editor takes, and colours in no colour's form, keep the current value.
void StringToEditorConfig(TCustomSynText* Editor, const AnsiString& Text);
// What StringToEditorConfig would raise for Text, applying nothing; "" for
// a text it reads (an empty one too).
AnsiString EditorConfigFault(const AnsiString& Text);

// "name,size,[styles],colour,pitch,charset", e.g.
// "Courier New,10,[fsBold],clWindowText,0,1".
AnsiString FontToConfigString(TFont* Font);
// Each value only when its separator is there; a size, colour, pitch or
// character set that is none (or out of range) keeps the current value.
void ConfigStringToFont(const AnsiString& Text, TFont* Font);
AnsiString FontStylesToString(TFontStyles Styles);
TFontStyles StringToFontStyles(const AnsiString& Text);

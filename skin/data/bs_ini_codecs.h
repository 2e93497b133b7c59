// The skin INI's conventions: the test that tells a skin INI from any other
// text, the codecs through which every section of a skin is read and
// written, numbered string lists, and the description entries ("name:type")
// of SKINOBJECTS and SKINCONTROLS.
//
// No reader reports a missing key: each returns its fixed default. Values
// are compared with case; section and key names follow the INI store (no
// case).
#pragma once

#include <string_view>

#include "platform/base/alignment.h"
#include "platform/base/geometry.h"
#include "platform/base/ini_files.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_nine_part.h"

class TStrings;

// The values are those the skin stores, in the order of their INI words.
enum TbsImageEffect { iebrightness, iedarkness, iegrayscale, ienoise, iesplitblur, ieinvert };
enum TbsMorphKind { mkdefault, mkgradient, mkleftgradient, mkrightgradient, mkleftslide, mkrightslide, mkpush };

// Comma-separated items of which only the decimal digits count: signs,
// blanks and letters are dropped, so "-3,-4,10,20" is (3, 4, 10, 20) and
// "1a2,3" is (12, 3). Items past the fourth (second) are ignored. An item
// left without digits (an empty or short value, two commas in a row) raises
// EConvertError, as does a number too large for an int.
TRect StrToRect(std::string_view S);
TPoint StrToPoint(std::string_view S);

// Missing keys read as "0,0,0,0" and "0,0". Writing keeps the signs, so only
// rectangles and points without negative parts survive a round trip.
TRect ReadRect(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
TPoint ReadPoint(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
void WriteRect(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, const TRect& Value);
void WritePoint(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, const TPoint& Value);

// Only the integer 1 is true; written as 1 or 0.
bool ReadBoolean(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
void WriteBoolean(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, bool Value);

// A style is set when its word ("fsbold", "fsitalic", "fsunderline",
// "fsstrikeout") starts at a character of the value, whatever surrounds it.
// Written as the words joined by commas, in that order.
TFontStyles ReadFontStyles(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
void WriteFontStyles(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, TFontStyles Value);

// "taleftjustify", "tarightjustify", "tacenter". Missing: centred; any other
// word: right-justified.
TAlignment ReadAlignment(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
void WriteAlignment(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, TAlignment Value);

// The "ie" words. Missing: iebrightness; any other word: iegrayscale. Only
// read, never written.
TbsImageEffect ReadImageEffect(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);

// The "mk" words. Missing or any other word: mkdefault.
TbsMorphKind ReadMorphKind(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
void WriteMorphKind(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, TbsMorphKind Value);

// "stfull" and "stvert" are recognised; every other word present, "sthorz"
// among them, is sthorz. Missing: stfull.
TbsStretchType ReadStretchType(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
void WriteStretchType(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident,
                      TbsStretchType Value);

// A picture of the skin's list by index; -1 (also when missing) is none.
// Every negative index reads as -1, so no caller meets another "none". An
// index past the list is still none, but only the list's owner knows that.
int ReadPictureIndex(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);

// The count of a numbered list ("0", "1" ... in Section) stored under
// CountIdent: 0 when missing or negative, and never more than the keys
// Section holds, so a damaged count can't drive a loop past the data.
int ReadNumberedCount(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& CountIdent);

// Appends the numbered list ListName (count under ListName + "count") to
// Strings without clearing it; a listed key that is missing adds "". As the
// items' keys are bare numbers, a section holds one such list at most.
void ReadStrings(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& ListName,
                 TStrings* Strings);

// Whether VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS each
// hold at least one key.
bool IsSkinIni(const TCustomIniFile* IniFile);

// One entry of SKINOBJECTS or SKINCONTROLS: the description's name and the
// word of its class, split at the first colon (the type word may hold more
// colons). Both are empty when there is no colon.
struct TbsDescriptionEntry {
    AnsiString IDName;
    AnsiString TypeWord;
};
TbsDescriptionEntry SplitDescriptionEntry(std::string_view Entry);

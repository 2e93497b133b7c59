#include "skin/data/bs_ini_codecs.h"

#include <algorithm>
#include <array>

#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

// The first Count comma-separated items of S with everything but the digits
// dropped; items the text does not reach are empty. Digits and commas are
// single-byte characters, and no trail byte of a double-byte character is one,
// so a double-byte character is skipped whole.
std::array<AnsiString, 4> DigitItems(std::string_view S, size_t Count)
{
    std::array<AnsiString, 4> items;
    size_t item = 0;
    for (size_t i = 0; i < S.size() && item < Count; i += CharLengthAt(S, i)) {
        char c = S[i];
        if (c == ',')
            ++item;
        else if (c >= '0' && c <= '9')
            items[item] += c;
    }
    return items;
}

// Whether Word starts at a character of S (never at a trail byte).
bool HasWordAtCharacter(std::string_view S, std::string_view Word)
{
    for (size_t i = 0; i + Word.size() <= S.size(); i += CharLengthAt(S, i))
        if (S.compare(i, Word.size(), Word) == 0)
            return true;
    return false;
}

constexpr std::array<const char*, 4> kFontStyleWords = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};
constexpr std::array<const char*, 6> kImageEffectWords = {"iebrightness", "iedarkness", "iegrayscale",
                                                          "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kMorphKindWords = {"mkdefault",   "mkgradient",   "mkleftgradient",
                                                        "mkrightgradient", "mkleftslide", "mkrightslide",
                                                        "mkpush"};

// The index of Word in Words, or -1.
template <size_t N>
int WordIndex(const std::array<const char*, N>& Words, const AnsiString& Word)
{
    for (size_t i = 0; i < N; ++i)
        if (Word == Words[i])
            return static_cast<int>(i);
    return -1;
}

}  // namespace

TRect StrToRect(std::string_view S)
{
    std::array<AnsiString, 4> items = DigitItems(S, 4);
    return {StrToInt(items[0]), StrToInt(items[1]), StrToInt(items[2]), StrToInt(items[3])};
}

TPoint StrToPoint(std::string_view S)
{
    std::array<AnsiString, 4> items = DigitItems(S, 2);
    return {StrToInt(items[0]), StrToInt(items[1])};
}

TRect ReadRect(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    return StrToRect(IniFile->ReadString(Section, Ident, "0,0,0,0"));
}

TPoint ReadPoint(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    return StrToPoint(IniFile->ReadString(Section, Ident, "0,0"));
}

void WriteRect(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, const TRect& Value)
{
    IniFile->WriteString(Section, Ident,
                         IntToStr(Value.Left) + ',' + IntToStr(Value.Top) + ',' + IntToStr(Value.Right) + ',' +
                             IntToStr(Value.Bottom));
}

void WritePoint(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, const TPoint& Value)
{
    IniFile->WriteString(Section, Ident, IntToStr(Value.X) + ',' + IntToStr(Value.Y));
}

bool ReadBoolean(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    return IniFile->ReadInteger(Section, Ident, 0) == 1;
}

void WriteBoolean(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, bool Value)
{
    IniFile->WriteInteger(Section, Ident, Value ? 1 : 0);
}

TFontStyles ReadFontStyles(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    AnsiString text = IniFile->ReadString(Section, Ident, "");
    TFontStyles styles;
    for (size_t i = 0; i < kFontStyleWords.size(); ++i)
        if (HasWordAtCharacter(text, kFontStyleWords[i]))
            styles.Include(static_cast<TFontStyle>(i));
    return styles;
}

void WriteFontStyles(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, TFontStyles Value)
{
    AnsiString text;
    for (size_t i = 0; i < kFontStyleWords.size(); ++i) {
        if (!Value.Contains(static_cast<TFontStyle>(i)))
            continue;
        if (!text.empty())
            text += ',';
        text += kFontStyleWords[i];
    }
    IniFile->WriteString(Section, Ident, text);
}

TAlignment ReadAlignment(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    AnsiString word = IniFile->ReadString(Section, Ident, "tacenter");
    if (word == "tacenter")
        return taCenter;
    if (word == "taleftjustify")
        return taLeftJustify;
    return taRightJustify;
}

void WriteAlignment(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, TAlignment Value)
{
    const char* word = Value == taCenter ? "tacenter" : Value == taLeftJustify ? "taleftjustify" : "tarightjustify";
    IniFile->WriteString(Section, Ident, word);
}

TbsImageEffect ReadImageEffect(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    int index = WordIndex(kImageEffectWords, IniFile->ReadString(Section, Ident, "iebrightness"));
    return index < 0 ? iegrayscale : static_cast<TbsImageEffect>(index);
}

TbsMorphKind ReadMorphKind(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    int index = WordIndex(kMorphKindWords, IniFile->ReadString(Section, Ident, "mkdefault"));
    return index < 0 ? mkdefault : static_cast<TbsMorphKind>(index);
}

void WriteMorphKind(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident, TbsMorphKind Value)
{
    size_t index = static_cast<size_t>(Value) < kMorphKindWords.size() ? static_cast<size_t>(Value) : 0;
    IniFile->WriteString(Section, Ident, kMorphKindWords[index]);
}

TbsStretchType ReadStretchType(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    AnsiString word = IniFile->ReadString(Section, Ident, "stfull");
    if (word == "stfull")
        return stfull;
    if (word == "stvert")
        return stvert;
    return sthorz;
}

void WriteStretchType(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident,
                      TbsStretchType Value)
{
    const char* word = Value == sthorz ? "sthorz" : Value == stvert ? "stvert" : "stfull";
    IniFile->WriteString(Section, Ident, word);
}

int ReadPictureIndex(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    return std::max(IniFile->ReadInteger(Section, Ident, -1), -1);
}

int ReadNumberedCount(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& CountIdent)
{
    int count = IniFile->ReadInteger(Section, CountIdent, 0);
    if (count <= 0)
        return 0;
    TStringList keys;
    IniFile->ReadSection(Section, &keys);
    return std::min(count, keys.Count());
}

void ReadStrings(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& ListName,
                 TStrings* Strings)
{
    int count = ReadNumberedCount(IniFile, Section, ListName + "count");
    for (int i = 0; i < count; ++i)
        Strings->Add(IniFile->ReadString(Section, IntToStr(i), ""));
}

bool IsSkinIni(const TCustomIniFile* IniFile)
{
    TStringList keys;
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        IniFile->ReadSection(section, &keys);
        if (keys.Count() == 0)
            return false;
    }
    return true;
}

TbsDescriptionEntry SplitDescriptionEntry(std::string_view Entry)
{
    // A colon is never a trail byte, so the first ':' byte is the first colon.
    size_t colon = Entry.find(':');
    if (colon == std::string_view::npos)
        return {};
    return {AnsiString(Entry.substr(0, colon)), AnsiString(Entry.substr(colon + 1))};
}

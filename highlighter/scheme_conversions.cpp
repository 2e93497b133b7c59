#include "highlighter/scheme_conversions.h"

#include "highlighter/syn_tokens.h"

AnsiString FontStyleToStr(TFontStyles Style)
{
    AnsiString text;
    if (Style.Contains(fsBold))
        text += 'B';
    if (Style.Contains(fsItalic))
        text += 'I';
    if (Style.Contains(fsUnderline))
        text += 'U';
    if (Style.Contains(fsStrikeOut))
        text += 'S';
    return text;
}

TFontStyles StrToFontStyle(const AnsiString& Text)
{
    TFontStyles style;
    if (Text.find('B') != AnsiString::npos)
        style.Include(fsBold);
    if (Text.find('I') != AnsiString::npos)
        style.Include(fsItalic);
    if (Text.find('U') != AnsiString::npos)
        style.Include(fsUnderline);
    if (Text.find('S') != AnsiString::npos)
        style.Include(fsStrikeOut);
    return style;
}

AnsiString CharSetToStr(const TSysCharSet& Chars)
{
    AnsiString text;
    for (size_t c = 1; c < 256; ++c)
        if (Chars.test(c) && c != '\t' && c != '\n' && c != '\r' && c != ' ')
            text += static_cast<char>(c);
    return text;
}

TSysCharSet StrToCharSet(const AnsiString& Text) { return CharSetOf(Text); }

AnsiString StartLineToStr(uint8_t StartLine)
{
    switch (StartLine) {
    case kStartLineFirstColumn:
        return "True";
    case kStartLineAfterBlanks:
        return "NonSpace";
    default:
        return {};
    }
}

uint8_t StrToStartLine(const AnsiString& Text)
{
    if (Text == "True" || Text == "First")
        return kStartLineFirstColumn;
    if (Text == "NonSpace")
        return kStartLineAfterBlanks;
    return kStartLineAnywhere;
}

void StrToPartOfTerm(const AnsiString& Text, uint8_t& LeftBreak, uint8_t& RightBreak)
{
    if (Text == "True" || Text.empty()) {
        LeftBreak = kBreakFree;
        RightBreak = kBreakFree;
    } else if (Text == "Left") {
        LeftBreak = kBreakFree;
        RightBreak = kBreakDelimited;
    } else if (Text == "Right") {
        LeftBreak = kBreakDelimited;
        RightBreak = kBreakFree;
    } else if (Text == "False") {
        LeftBreak = kBreakDelimited;
        RightBreak = kBreakDelimited;
    } else {
        LeftBreak = kBreakUnset;
        RightBreak = kBreakUnset;
    }
}

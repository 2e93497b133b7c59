// Macro expansion and Roman numerals of the running heads.
#include "editor_services/printing/syn_text_print_macros.h"

#include <algorithm>
#include <string>

#include "platform/base/code_page.h"

AnsiString RomanNumeral(int Number)
{
    static const struct {
        int Value;
        const char* Digits;
    } kSteps[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
                  {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    AnsiString result;
    for (const auto& step : kSteps)
        for (; Number >= step.Value; Number -= step.Value)
            result += step.Digits;
    return result;
}

AnsiString ExpandPrintMacros(const AnsiString& Text, int PageCount, int PageNum, bool Roman, const AnsiString& Title,
                             const AnsiString& TimeText, const AnsiString& DateText)
{
    // Blanks are the control characters and the space, as Trim drops them.
    if (std::all_of(Text.begin(), Text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
        return AnsiString();
    auto number = [Roman](int Value) { return Roman ? RomanNumeral(Value) : std::to_string(Value); };
    auto macro = [&](const AnsiString& Name, AnsiString& Value) {
        if (SameText(Name, "$PAGENUM$"))
            Value = number(PageNum);
        else if (SameText(Name, "$PAGECOUNT$"))
            Value = number(PageCount);
        else if (SameText(Name, "$TITLE$"))
            Value = Title;
        else if (SameText(Name, "$DATE$"))
            Value = DateText;
        else if (SameText(Name, "$TIME$"))
            Value = TimeText;
        else if (SameText(Name, "$DATETIME$"))
            Value = DateText + " " + TimeText;
        else if (SameText(Name, "$TIMEDATE$"))
            Value = TimeText + " " + DateText;
        else
            return false;
        return true;
    };
    // '$' is never a trail byte of a double-byte character, so a byte scan
    // finds only real dollar signs.
    AnsiString result;
    size_t at = 0;
    for (;;) {
        const size_t open = Text.find('$', at);
        const size_t close = open == AnsiString::npos ? open : Text.find('$', open + 1);
        if (close == AnsiString::npos) {
            result.append(Text, at, AnsiString::npos);
            return result;
        }
        result.append(Text, at, open - at);
        AnsiString value;
        if (macro(Text.substr(open, close - open + 1), value)) {
            result += value;
            at = close + 1;
        } else {
            // Not a macro: the closing sign may open the next one.
            result.append(Text, open, close - open);
            at = close;
        }
    }
}

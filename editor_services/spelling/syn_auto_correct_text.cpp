#include "editor_services/spelling/syn_auto_correct_text.h"

#include "platform/base/code_page.h"

namespace {

// Words are separated by the characters with codes 0 to 32; none of them is
// a lead or trail byte.
bool IsSeparator(char C) { return static_cast<unsigned char>(C) <= 32; }

AnsiString Capitalised(const AnsiString& S)
{
    AnsiString result = LowerCase(S);
    if (!result.empty() && CharLengthAt(result, 0) == 1)
        result[0] = UpCase(result[0]);
    return result;
}

// Whether a whole-word occurrence of Original starts at the character start
// Start of Line; LastIsSeparator tells whether it ends in a separator.
bool OccursAt(const AnsiString& Line, size_t Start, const AnsiString& Original, bool IgnoreCase,
              bool& LastIsSeparator)
{
    const size_t end = Start + Original.size();
    if (end > Line.size() || (end < Line.size() && !IsSeparator(Line[end])))
        return false;
    // The occurrence must end on a character boundary of the line.
    size_t last = Start;
    size_t at = Start;
    while (at < end) {
        last = at;
        at += CharLengthAt(Line, at);
    }
    if (at != end)
        return false;
    LastIsSeparator = last + 1 == end && IsSeparator(Line[last]);
    return AutoCorrectWordMatches(Line.substr(Start, Original.size()), Original, IgnoreCase);
}

}  // namespace

bool IsAutoCorrectWordChar(char C)
{
    return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
}

AnsiString AutoCorrectWordBefore(const AnsiString& Line, int CaretX)
{
    if (CaretX < 1 || static_cast<size_t>(CaretX - 1) > Line.size())
        return {};
    const size_t caret = static_cast<size_t>(CaretX - 1);
    size_t start = caret;
    while (start > 0 && !IsSeparator(Line[start - 1]))
        --start;
    return Line.substr(start, caret - start);
}

void SplitAutoCorrectItem(const AnsiString& Item, char Separator, AnsiString& Original, AnsiString& Correction)
{
    size_t separator = AnsiString::npos;
    for (size_t at = 0; at < Item.size(); at += CharLengthAt(Item, at))
        if (Item[at] == Separator && CharLengthAt(Item, at) == 1)
            separator = at;
    if (separator == AnsiString::npos) {
        Original = Item;
        Correction.clear();
    } else {
        Original = Item.substr(0, separator);
        Correction = Item.substr(separator + 1);
    }
}

bool AutoCorrectWordMatches(const AnsiString& Word, const AnsiString& Original, bool IgnoreCase)
{
    return IgnoreCase ? SameText(Word, Original) : Word == Original;
}

AnsiString KeepAutoCorrectCase(const AnsiString& Matched, const AnsiString& Correction)
{
    if (Matched == UpperCase(Matched))
        return UpperCase(Correction);
    if (Matched == LowerCase(Matched))
        return LowerCase(Correction);
    if (Matched == Capitalised(Matched))
        return Capitalised(Correction);
    return Correction;
}

bool CorrectWholeWords(const AnsiString& Line, const AnsiString& Original, const AnsiString& Correction,
                       bool IgnoreCase, bool KeepCase, AnsiString& Result)
{
    Result.clear();
    bool replaced = false;
    bool wordStart = true;
    for (size_t at = 0; at < Line.size();) {
        bool lastIsSeparator = false;
        if (wordStart && !Original.empty() && OccursAt(Line, at, Original, IgnoreCase, lastIsSeparator)) {
            Result += KeepCase ? KeepAutoCorrectCase(Line.substr(at, Original.size()), Correction) : Correction;
            at += Original.size();
            wordStart = lastIsSeparator;
            replaced = true;
            continue;
        }
        const size_t length = CharLengthAt(Line, at);
        wordStart = length == 1 && IsSeparator(Line[at]);
        Result.append(Line, at, length);
        at += length;
    }
    return replaced;
}

#include "editor_services/syn_text_search.h"

#include "editor_services/syn_search_char_starts.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"

namespace {

unsigned char Byte(const AnsiString& S, size_t I) { return static_cast<unsigned char>(S[I]); }

}  // namespace

TSynTextSearch::TSynTextSearch(TComponent* AOwner) : TSynTextSearchCustom(AOwner)
{
    for (int b = 0; b < 256; ++b) {
        const bool word = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
        delimiter_[static_cast<size_t>(b)] = !word;
    }
    MakeTranslationTable();
}

void TSynTextSearch::MakeTranslationTable()
{
    for (int b = 0; b < 256; ++b)
        trans_[static_cast<size_t>(b)] =
            static_cast<unsigned char>(caseSensitive_ ? b : static_cast<unsigned char>(LoCase(static_cast<char>(b))));
}

void TSynTextSearch::SetPattern(const AnsiString& Value)
{
    if (Value == pattern_)
        return;
    pattern_ = Value;
    shiftBuilt_ = false;
}

void TSynTextSearch::SetOptions(TSynSearchOptions Value)
{
    wholeWord_ = Value.Contains(soWholeWord);
    const bool caseSensitive = Value.Contains(soMatchCase);
    if (caseSensitive == caseSensitive_)
        return;
    caseSensitive_ = caseSensitive;
    MakeTranslationTable();
    shiftBuilt_ = false;
}

int TSynTextSearch::GetLength(int) const { return static_cast<int>(pattern_.size()); }

int TSynTextSearch::GetResult(int Index) const
{
    return Index >= 0 && Index < GetResultCount() ? results_[static_cast<size_t>(Index)] : 0;
}

AnsiString TSynTextSearch::Replace(int, const AnsiString& Replacement) { return Replacement; }

void TSynTextSearch::InitShiftTable()
{
    if (pattern_.empty())
        throw Exception("Pattern is empty");
    const size_t m = pattern_.size();
    shift_.fill(static_cast<uint32_t>(m + 1));
    for (size_t i = 0; i < m; ++i)
        shift_[trans_[Byte(pattern_, i)]] = static_cast<uint32_t>(m - i);
    const unsigned char last = trans_[Byte(pattern_, m - 1)];
    lookAt_ = 1;
    while (lookAt_ < m && trans_[Byte(pattern_, m - 1 - lookAt_)] != last)
        ++lookAt_;
    shiftBuilt_ = true;
}

bool TSynTextSearch::MatchesAt(const AnsiString& Line, size_t Start, TSynCharStarts& Starts) const
{
    if (!Starts.IsCharStart(Start))
        return false;
    const size_t m = pattern_.size();
    // Walks the window by the text's characters: a double-byte character is
    // compared byte for byte, and one the window would cut is no match.
    for (size_t j = 0; j < m;) {
        const size_t at = Start + j;
        if (CharLengthAt(Line, at) == 2) {
            if (j + 1 >= m || Line[at] != pattern_[j] || Line[at + 1] != pattern_[j + 1])
                return false;
            j += 2;
        } else {
            if (trans_[Byte(Line, at)] != trans_[Byte(pattern_, j)])
                return false;
            ++j;
        }
    }
    return !wholeWord_ || (IsDelimiterBefore(Line, Start, Starts) && IsDelimiterAt(Line, Start + m));
}

// A double-byte character counts as a delimiter: Chinese text puts no
// blanks around the words it holds, and its trail bytes are no letters.
bool TSynTextSearch::IsDelimiterBefore(const AnsiString& Line, size_t Start, TSynCharStarts& Starts) const
{
    if (Start == 0)
        return true;
    if (Start >= 2 && IsDBCSLeadByte(Line[Start - 2]) && Starts.IsCharStart(Start - 2))
        return true;
    return delimiter_[Byte(Line, Start - 1)];
}

bool TSynTextSearch::IsDelimiterAt(const AnsiString& Line, size_t Offset) const
{
    return Offset >= Line.size() || CharLengthAt(Line, Offset) == 2 || delimiter_[Byte(Line, Offset)];
}

int TSynTextSearch::FindAll(const AnsiString& Line)
{
    results_.clear();
    if (!shiftBuilt_)
        InitShiftTable();
    const size_t m = pattern_.size();
    const size_t n = Line.size();
    if (n < m)
        return 0;
    TSynCharStarts starts(Line);
    const unsigned char last = trans_[Byte(pattern_, m - 1)];
    size_t pos = m - 1;  // the byte under the pattern's last byte
    while (pos < n) {
        if (trans_[Byte(Line, pos)] == last) {
            const size_t start = pos + 1 - m;
            if (MatchesAt(Line, start, starts)) {
                results_.push_back(static_cast<int>(start) + 1);
                pos += m;
                continue;
            }
            pos += lookAt_;
            if (pos >= n)
                break;
            pos += shift_[trans_[Byte(Line, pos)]] - 1;
        } else {
            if (pos + 1 >= n)
                break;
            pos += shift_[trans_[Byte(Line, pos + 1)]];
        }
    }
    return static_cast<int>(results_.size());
}

#include "editor_services/search/syn_text_search.h"

#include <cstdint>
#include <cstring>

#include "editor_services/search/syn_gbk_case_fold.h"
#include "editor_services/search/syn_search_char_starts.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"

namespace {

unsigned char Byte(std::string_view S, size_t I) { return static_cast<unsigned char>(S[I]); }

uint16_t FoldedPairAt(std::string_view S, size_t I) { return GbkFoldedPair(Byte(S, I), Byte(S, I + 1)); }

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
}

void TSynTextSearch::SetOptions(TSynSearchOptions Value)
{
    wholeWord_ = Value.Contains(soWholeWord);
    const bool caseSensitive = Value.Contains(soMatchCase);
    if (caseSensitive == caseSensitive_)
        return;
    caseSensitive_ = caseSensitive;
    MakeTranslationTable();
}

int TSynTextSearch::GetLength(int) const { return static_cast<int>(pattern_.size()); }

int TSynTextSearch::GetResult(int Index) const
{
    return Index >= 0 && Index < GetResultCount() ? results_[static_cast<size_t>(Index)] : 0;
}

AnsiString TSynTextSearch::Replace(int, const AnsiString& Replacement) { return Replacement; }

bool TSynTextSearch::MatchesAt(std::string_view Line, size_t Start, TSynCharStarts& Starts) const
{
    if (!Starts.IsCharStart(Start))
        return false;
    const size_t m = pattern_.size();
    // Walks the window by the text's characters: a double-byte character is
    // compared byte for byte or by its folded form, and one the window would
    // cut is no match.
    for (size_t j = 0; j < m;) {
        const size_t at = Start + j;
        if (CharLengthAt(Line, at) == 2) {
            if (j + 1 >= m)
                return false;
            if ((Line[at] != pattern_[j] || Line[at + 1] != pattern_[j + 1]) &&
                (caseSensitive_ || FoldedPairAt(Line, at) != FoldedPairAt(pattern_, j)))
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
bool TSynTextSearch::IsDelimiterBefore(std::string_view Line, size_t Start, TSynCharStarts& Starts) const
{
    if (Start == 0)
        return true;
    if (Start >= 2 && IsDBCSLeadByte(Line[Start - 2]) && Starts.IsCharStart(Start - 2))
        return true;
    return delimiter_[Byte(Line, Start - 1)];
}

bool TSynTextSearch::IsDelimiterAt(std::string_view Line, size_t Offset) const
{
    return Offset >= Line.size() || CharLengthAt(Line, Offset) == 2 || delimiter_[Byte(Line, Offset)];
}

size_t TSynTextSearch::NextCandidate(std::string_view Line, size_t From, size_t Last) const
{
    if (From > Last)
        return AnsiString::npos;
    // Both cases of a double-byte letter share its lead byte: the first
    // byte finds them all.
    const char first = pattern_[0];
    const char other = caseSensitive_ ? first : (first >= 'a' && first <= 'z' ? UpCase(first) : LoCase(first));
    const void* found = std::memchr(Line.data() + From, first, Last + 1 - From);
    size_t at = found ? static_cast<size_t>(static_cast<const char*>(found) - Line.data()) : AnsiString::npos;
    if (other != first) {
        // The other case only as far as the first one's candidate.
        const size_t end = at == AnsiString::npos ? Last + 1 : at;
        if (const void* o = std::memchr(Line.data() + From, other, end - From))
            at = static_cast<size_t>(static_cast<const char*>(o) - Line.data());
    }
    return at;
}

int TSynTextSearch::FindAll(std::string_view Line)
{
    results_.clear();
    if (pattern_.empty())
        throw Exception("Pattern is empty");
    const size_t m = pattern_.size();
    if (Line.size() < m)
        return 0;
    const size_t last = Line.size() - m;  // the last offset a match can start at
    TSynCharStarts starts(Line);
    for (size_t at = NextCandidate(Line, 0, last); at != AnsiString::npos;) {
        if (MatchesAt(Line, at, starts)) {
            results_.push_back(static_cast<int>(at) + 1);
            at = NextCandidate(Line, at + m, last);
        } else {
            at = NextCandidate(Line, at + 1, last);
        }
    }
    return static_cast<int>(results_.size());
}

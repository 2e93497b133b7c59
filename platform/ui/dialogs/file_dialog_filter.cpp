#include "platform/ui/dialogs/file_dialog_filter.h"

#include "platform/base/code_page.h"
#include "platform/base/sys_utils.h"

namespace {

// The pieces of Text between Separator characters, walking whole
// characters so that a trail byte equal to Separator does not split.
std::vector<std::string_view> SplitCharacters(std::string_view Text, char Separator)
{
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (size_t i = 0; i < Text.size(); i += CharLengthAt(Text, i)) {
        if (Text[i] == Separator) {
            pieces.push_back(Text.substr(start, i - start));
            start = i + 1;
        }
    }
    pieces.push_back(Text.substr(start));
    return pieces;
}

bool SameCharacter(std::string_view Name, size_t N, size_t NameLength, std::string_view Mask, size_t M,
                   size_t MaskLength)
{
    if (NameLength != MaskLength)
        return false;
    if (NameLength == 1)
        return UpCase(Name[N]) == UpCase(Mask[M]);
    return Name.compare(N, NameLength, Mask, M, MaskLength) == 0;
}

// One pattern against one name. On a mismatch after a '*', the '*' takes
// one more character of the name and the rest is tried again; going back
// to the last '*' alone is enough, since a later '*' can take whatever an
// earlier one would have.
bool MatchesPattern(std::string_view Name, std::string_view Mask)
{
    constexpr size_t NoStar = std::string_view::npos;
    size_t n = 0, m = 0;
    size_t afterStar = NoStar;  // the mask offset after the last '*' met
    size_t starTook = 0;        // where the name part that '*' took ends
    while (n < Name.size()) {
        if (m < Mask.size() && Mask[m] == '*') {
            afterStar = ++m;
            starTook = n;
            continue;
        }
        const size_t nameLength = CharLengthAt(Name, n);
        if (m < Mask.size()) {
            const size_t maskLength = CharLengthAt(Mask, m);
            if ((Mask[m] == '?' && maskLength == 1) ||
                SameCharacter(Name, n, nameLength, Mask, m, maskLength)) {
                n += nameLength;
                m += maskLength;
                continue;
            }
        }
        if (afterStar == NoStar)
            return false;
        starTook += CharLengthAt(Name, starTook);
        n = starTook;
        m = afterStar;
    }
    while (m < Mask.size() && Mask[m] == '*')
        ++m;
    return m == Mask.size();
}

}  // namespace

std::vector<TFileFilter> ParseFileFilter(std::string_view Filter)
{
    std::vector<TFileFilter> filters;
    if (Filter.empty())
        return filters;
    const std::vector<std::string_view> pieces = SplitCharacters(Filter, '|');
    for (size_t i = 0; i < pieces.size(); i += 2)
        filters.push_back({AnsiString(pieces[i]), i + 1 < pieces.size() ? AnsiString(pieces[i + 1]) : AnsiString()});
    return filters;
}

bool MatchesFilePatterns(std::string_view Name, std::string_view Patterns)
{
    if (Trim(Patterns).empty())
        return true;
    for (std::string_view piece : SplitCharacters(Patterns, ';')) {
        const AnsiString pattern = Trim(piece);
        if (pattern == "*.*" || (!pattern.empty() && MatchesPattern(Name, pattern)))
            return true;
    }
    return false;
}

bool HasWildcards(std::string_view Text)
{
    // Neither byte is a GBK trail byte, so a plain search is safe.
    return Text.find_first_of("*?") != std::string_view::npos;
}

#include "editor_services/search/syn_regex_groups.h"

#include "platform/base/code_page.h"

namespace {

bool At(std::string_view S, size_t I, char C) { return I < S.size() && S[I] == C; }

}  // namespace

AnsiString SubstituteGroups(std::string_view Replacement, std::string_view Line, std::span<const size_t> Groups)
{
    AnsiString out;
    const size_t groupCount = Groups.size() / 2;
    auto appendGroup = [&](size_t Number) {
        if (Number >= groupCount)
            return;
        const size_t first = Groups[2 * Number];
        const size_t last = Groups[2 * Number + 1];
        if (first != SynUnsetGroup && first <= last && last <= Line.size())
            out.append(Line.substr(first, last - first));
    };
    auto isDigit = [&](size_t I) { return I < Replacement.size() && Replacement[I] >= '0' && Replacement[I] <= '9'; };
    for (size_t i = 0; i < Replacement.size();) {
        const size_t length = CharLengthAt(Replacement, i);
        if (length == 2 || Replacement[i] != '$') {
            out.append(Replacement.substr(i, length));
            i += length;
            continue;
        }
        size_t j = i + 1;
        const bool braced = At(Replacement, j, '{');
        if (braced)
            ++j;
        // Every digit belongs to the number, as in the pattern's own
        // references; once past the groups it stays past them.
        size_t number = 0;
        const size_t digits = j;
        for (; isDigit(j); ++j)
            if (number < groupCount)
                number = number * 10 + static_cast<size_t>(Replacement[j] - '0');
        if (j > digits && (!braced || At(Replacement, j, '}'))) {
            appendGroup(number);
            i = braced ? j + 1 : j;
        } else if (At(Replacement, i + 1, '$')) {
            out += '$';
            i += 2;
        } else {
            out += '$';
            ++i;
        }
    }
    return out;
}

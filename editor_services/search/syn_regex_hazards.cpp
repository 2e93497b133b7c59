#include "editor_services/search/syn_regex_hazards.h"

#include <algorithm>
#include <utility>
#include <vector>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace {

// A group open at the item being read.
struct TOpenGroup {
    bool Atomic = false;  // "(?>", an assertion, or a group written as a verb ("(*atomic:", "(*pla:" ...)
    bool HoldsCapture = false;
};

// The items of a pattern in order, as pcre2's automatic callouts stand
// before them.
class TScan {
public:
    void Item(size_t Position, std::string_view Item)
    {
        if (Item.starts_with("\\K")) {
            found_.Keeps.push_back(Position);
        } else if (Item.starts_with("\\G")) {
            found_.SearchStart = true;
        } else if (Item.starts_with(")")) {
            Close(Item);
        } else if (Item.starts_with("(*") && Item.find(')') != std::string_view::npos) {
            found_.JitMayAnswerOtherwise = found_.Verb = true;  // "(*COMMIT)", "(*SKIP:x)" ...
        } else if (Item.starts_with("(") && (Item.find(')') == std::string_view::npos || Item.starts_with("(?("))) {
            Open(Item);
        }
        // Anything else, "(?i)", "(?1)" and "(?R)" too, opens no group.
    }

    TSynRegexHazards Found() const
    {
        TSynRegexHazards found = found_;
        if (!open_.empty())
            NotRead(found);
        return found;
    }

private:
    // The groups were not read as pcre2 reads them: each hazard of groups
    // may be there.
    static void NotRead(TSynRegexHazards& Found)
    {
        Found.JitMayAnswerOtherwise = Found.AtomicGroup = Found.Verb = true;
    }

    void Open(std::string_view Item)
    {
        const bool named = (Item.starts_with("(?<") && !Item.starts_with("(?<=") && !Item.starts_with("(?<!")) ||
                           Item.starts_with("(?'") || Item.starts_with("(?P<");
        const bool capture = named || !(Item.starts_with("(?") || Item.starts_with("(*"));
        const bool atomic = Item.starts_with("(?>") || Item.starts_with("(?=") || Item.starts_with("(?!") ||
                            Item.starts_with("(?<=") || Item.starts_with("(?<!") || Item.starts_with("(*");
        open_.push_back({atomic, false});
        if (capture)
            for (TOpenGroup& group : open_)
                group.HoldsCapture = true;
    }

    // The end of a group with its quantifier, and any comment or space
    // between: possessive where a '+' follows the quantifier.
    void Close(std::string_view Item)
    {
        if (open_.empty()) {
            NotRead(found_);
            return;
        }
        const TOpenGroup group = open_.back();
        open_.pop_back();
        const size_t quantifier = Item.find_first_of("*+?}", 1);
        const bool possessive =
            quantifier != std::string_view::npos && Item.find('+', quantifier + 1) != std::string_view::npos;
        if (group.Atomic || possessive) {
            found_.AtomicGroup = true;
            found_.JitMayAnswerOtherwise = found_.JitMayAnswerOtherwise || group.HoldsCapture;
        }
    }

    std::vector<TOpenGroup> open_;
    TSynRegexHazards found_;
};

// Each item's place in the pattern and length.
using TItems = std::vector<std::pair<size_t, size_t>>;

int Collect(pcre2_callout_enumerate_block* Block, void* Data)
{
    static_cast<TItems*>(Data)->emplace_back(Block->pattern_position, Block->next_item_length);
    return 0;
}

}  // namespace

TSynRegexHazards FindRegexHazards(std::string_view Pattern, uint32_t Options)
{
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    // Each item gets a callout that tells where it stands in the pattern,
    // as pcre2 itself read it.
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(Pattern.data()), Pattern.size(),
                                     Options | PCRE2_AUTO_CALLOUT, &error, &errorOffset, nullptr);
    if (!code)
        return {};
    TItems items;
    pcre2_callout_enumerate(code, Collect, &items);
    pcre2_code_free(code);
    // A group repeated a number of times is compiled as that many copies
    // ("(a){1,2}"), each item once in the pattern.
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    TScan scan;
    for (const auto& [position, length] : items)
        if (position < Pattern.size())
            scan.Item(position, Pattern.substr(position, length));
    return scan.Found();
}

#include "editor_services/search/syn_regex_jit_hazard.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace {

// Whether the item of the pattern an automatic callout stands before is
// one of those: "(?>", "(*...", or the end of a group with its quantifier
// (and any comment or space between) where a '+' follows the quantifier.
bool IsHazard(std::string_view Item)
{
    if (Item.starts_with("(?>") || Item.starts_with("(*"))
        return true;
    if (!Item.starts_with(")"))
        return false;
    const size_t quantifier = Item.find_first_of("*+?}", 1);
    return quantifier != std::string_view::npos && Item.find('+', quantifier + 1) != std::string_view::npos;
}

struct TScan {
    std::string_view Pattern;
    bool Found = false;
};

int Visit(pcre2_callout_enumerate_block* Block, void* Data)
{
    auto& scan = *static_cast<TScan*>(Data);
    if (Block->pattern_position < scan.Pattern.size() &&
        IsHazard(scan.Pattern.substr(Block->pattern_position, Block->next_item_length)))
        scan.Found = true;
    return 0;
}

}  // namespace

bool JitMayKeepGroupsOfFailedStarts(std::string_view Pattern, uint32_t Options)
{
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    // Each item gets a callout that tells where it stands in the pattern,
    // as pcre2 itself read it.
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(Pattern.data()), Pattern.size(),
                                     Options | PCRE2_AUTO_CALLOUT, &error, &errorOffset, nullptr);
    if (!code)
        return false;
    TScan scan{Pattern};
    pcre2_callout_enumerate(code, Visit, &scan);
    pcre2_code_free(code);
    return scan.Found;
}

#include "editor_services/syn_text_regex_search.h"

#include <algorithm>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "editor_services/syn_search_char_starts.h"
#include "platform/base/code_page.h"

namespace {

AnsiString ErrorText(int Code)
{
    PCRE2_UCHAR buffer[256];
    if (pcre2_get_error_message(Code, buffer, sizeof buffer) < 0)
        return "error " + std::to_string(Code);
    return reinterpret_cast<const char*>(buffer);
}

// Called where the whole pattern has matched: a match that ends inside a
// double-byte character is refused, and the matcher backtracks to a shorter
// or longer one. Starts are checked on the match found: the JIT skips
// starts inside a run that a leading repeat already covered, which is
// sound for a check of ends alone.
int EndsBetweenCharacters(pcre2_callout_block* Block, void* Data)
{
    return static_cast<TSynCharStarts*>(Data)->IsCharStart(Block->current_position) ? 0 : 1;
}

}  // namespace

struct TSynTextRegexSearch::TCompiled {
    pcre2_code* Code = nullptr;
    pcre2_match_data* MatchData = nullptr;
    pcre2_match_context* Context = nullptr;
    bool Jit = false;

    TCompiled() = default;
    TCompiled(const TCompiled&) = delete;
    TCompiled& operator=(const TCompiled&) = delete;
    ~TCompiled()
    {
        pcre2_match_context_free(Context);
        pcre2_match_data_free(MatchData);
        pcre2_code_free(Code);
    }
};

TSynTextRegexSearch::TSynTextRegexSearch(TComponent* AOwner) : TSynTextSearchCustom(AOwner) {}

TSynTextRegexSearch::~TSynTextRegexSearch() = default;

void TSynTextRegexSearch::SetPattern(const AnsiString& Value)
{
    if (Value == pattern_)
        return;
    pattern_ = Value;
    compiled_.reset();
}

void TSynTextRegexSearch::SetOptions(TSynSearchOptions Value)
{
    const bool caseless = !Value.Contains(soMatchCase);
    if (caseless == caseless_)
        return;
    caseless_ = caseless;
    compiled_.reset();
}

std::span<const size_t> TSynTextRegexSearch::Groups(int Index) const
{
    return std::span<const size_t>(groups_).subspan(static_cast<size_t>(Index) * groupSize_, groupSize_);
}

int TSynTextRegexSearch::GetResult(int Index) const { return static_cast<int>(Groups(Index)[0]) + 1; }

int TSynTextRegexSearch::GetLength(int Index) const
{
    const std::span<const size_t> groups = Groups(Index);
    return static_cast<int>(groups[1] - groups[0]);
}

AnsiString TSynTextRegexSearch::Replace(int Index, const AnsiString& Replacement)
{
    return SubstituteGroups(Replacement, line_, Groups(Index));
}

void TSynTextRegexSearch::Compile()
{
    // The callout after the whole pattern checks where the match lies; a
    // repeat at the pattern's end must stay able to give back, so that a
    // refused end can move, and is not made possessive.
    const AnsiString wrapped = "(?:" + WrapDoubleByteCharacters(pattern_) + ")(?C1)";
    const uint32_t options = PCRE2_NO_AUTO_POSSESS | (caseless_ ? PCRE2_CASELESS : 0);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    auto compiled = std::make_unique<TCompiled>();
    compiled->Code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(wrapped.data()), wrapped.size(), options, &error,
                                   &errorOffset, nullptr);
    if (!compiled->Code) {
        // Say it of the pattern as the user wrote it.
        if (pcre2_code* plain = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern_.data()), pattern_.size(),
                                              options, &error, &errorOffset, nullptr))
            pcre2_code_free(plain);
        else
            errorOffset = std::min<PCRE2_SIZE>(errorOffset, pattern_.size());
        throw ESynRegexError(ErrorText(error) + " (" + std::to_string(errorOffset + 1) + ")");
    }
    compiled->Jit = pcre2_jit_compile(compiled->Code, PCRE2_JIT_COMPLETE) == 0;  // else the interpreter matches
    compiled->MatchData = pcre2_match_data_create_from_pattern(compiled->Code, nullptr);
    compiled->Context = pcre2_match_context_create(nullptr);
    if (!compiled->MatchData || !compiled->Context)
        throw std::bad_alloc();
    compiled_ = std::move(compiled);
}

int TSynTextRegexSearch::FindAll(const AnsiString& Line)
{
    groups_.clear();
    line_ = Line;
    if (!compiled_)
        Compile();
    groupSize_ = 2 * pcre2_get_ovector_count(compiled_->MatchData);
    TSynCharStarts starts(line_);
    pcre2_set_callout(compiled_->Context, EndsBetweenCharacters, &starts);
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(line_.data());
    const size_t size = line_.size();
    size_t offset = 0;
    uint32_t flags = 0;
    while (true) {
        // The JIT's own entry skips pcre2_match's checks, but takes no
        // anchoring at match time.
        const int rc = compiled_->Jit && flags == 0
                           ? pcre2_jit_match(compiled_->Code, subject, size, offset, 0, compiled_->MatchData,
                                             compiled_->Context)
                           : pcre2_match(compiled_->Code, subject, size, offset, flags, compiled_->MatchData,
                                         compiled_->Context);
        if (rc == PCRE2_ERROR_NOMATCH) {
            // No non-empty match where the last empty one was: step over
            // one whole character and search on.
            if (flags == 0 || offset >= size)
                break;
            offset += CharLengthAt(line_, offset);
            flags = 0;
            continue;
        }
        if (rc < 0)
            throw ESynRegexError(ErrorText(rc));
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(compiled_->MatchData);
        const size_t first = ovector[0];
        const size_t last = ovector[1];
        // A match found from a trail byte: no match starts before it, so the
        // search goes on from the next character. ("\K" can move the
        // reported start anywhere before the end.)
        if (first > last || !starts.IsCharStart(first)) {
            offset = std::max(offset, std::min(first, last)) + 1;
            flags = 0;
            if (offset > size)
                break;
            continue;
        }
        for (size_t i = 0; i < groupSize_; ++i)
            groups_.push_back(ovector[i] == PCRE2_UNSET ? SynUnsetGroup : ovector[i]);
        offset = last;
        flags = first == last ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
    pcre2_set_callout(compiled_->Context, nullptr, nullptr);
    return GetResultCount();
}

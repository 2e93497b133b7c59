#include "editor_services/search/syn_text_regex_search.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "editor_services/search/syn_regex_hazards.h"
#include "editor_services/search/syn_regex_lead_texts.h"
#include "editor_services/search/syn_regex_subject.h"
#include "editor_services/search/syn_search_char_starts.h"
#include "platform/base/code_page.h"

namespace {

AnsiString ErrorText(int Code)
{
    PCRE2_UCHAR buffer[256];
    if (pcre2_get_error_message(Code, buffer, sizeof buffer) < 0)
        return "error " + std::to_string(Code);
    return reinterpret_cast<const char*>(buffer);
}

// Whether pcre2 stopped a match for what it cost rather than answering.
bool IsLimit(int Code)
{
    return Code == PCRE2_ERROR_MATCHLIMIT || Code == PCRE2_ERROR_DEPTHLIMIT || Code == PCRE2_ERROR_HEAPLIMIT ||
           Code == PCRE2_ERROR_JIT_STACKLIMIT;
}

// How far the JIT's stack may grow: a repeated group takes some 24 to 56
// bytes of it per character it repeats over, so lines of a million
// characters and more fit. Only what a match uses is ever touched.
constexpr PCRE2_SIZE JitStackLimit = 64u << 20;
// The interpreter's own limit, in KiB, for a match the JIT ran out of stack
// on: it keeps some ten times as much per character.
constexpr uint32_t InterpreterHeapLimit = 256u << 10;

// The code unit pcre2 found every match to start with (Where is
// PCRE2_INFO_FIRSTCODETYPE) or to hold (PCRE2_INFO_LASTCODETYPE), when it
// is ASCII, or -1.
int RequiredAscii(const pcre2_code* Code, uint32_t Where, uint32_t Unit)
{
    uint32_t type = 0;
    uint32_t value = 0;
    if (pcre2_pattern_info(Code, Where, &type) != 0 || type != 1 || pcre2_pattern_info(Code, Unit, &value) != 0)
        return -1;
    return value < 0x80 ? static_cast<int>(value) : -1;
}

// The offset of the character after the one at At in UTF-8 Text.
size_t NextCharacter(std::string_view Text, size_t At)
{
    do
        ++At;
    while (At < Text.size() && (static_cast<unsigned char>(Text[At]) & 0xC0) == 0x80);
    return At;
}

}  // namespace

struct TSynTextRegexSearch::TCompiled {
    pcre2_code* Code = nullptr;  // for the line as UTF-8
    pcre2_match_data* MatchData = nullptr;
    pcre2_match_context* Context = nullptr;
    pcre2_jit_stack* JitStack = nullptr;
    bool Jit = false;  // compiled for the JIT
    // Who finds the matches. The JIT, the interpreter taking over only
    // where the JIT runs out of stack; or the interpreter, on expressions
    // where the JIT answers otherwise. Where it answers otherwise only in
    // the groups it gives, and none is referred back to, the JIT first
    // says whether the line holds a match from where the search stands,
    // cheaply. Where the interpreter reaches its limits, the JIT answers.
    enum class TRoute { Jit, InterpreterWhereJitFinds, Interpreter };
    TRoute Route = TRoute::Interpreter;
    // For InterpreterWhereJitFinds, the expression with each \K made an
    // empty group, JIT-compiled, so that its match starts where the
    // interpreter's attempt that matches does; null where it has none,
    // and Code serves.
    pcre2_code* Screen = nullptr;
    // Whether \G makes what matches depend on where the search started,
    // so that the interpreter cannot start at the JIT's match.
    bool SearchStartCounts = false;

    // An ASCII byte every match holds (possibly in the other case: pcre2
    // finds a class such as [Tt], or a part under (?i), caseless without
    // saying so). It is a character of its own in the line, never the trail
    // byte of a Chinese one: a line without it standing alone cannot match.
    struct TRequired {
        int Byte = -1;
        int OtherCase = -1;

        bool In(std::string_view Line, TSynCharStarts& Starts) const
        {
            return Byte < 0 || StandsAlone(Byte, Line, Starts) || (OtherCase >= 0 && StandsAlone(OtherCase, Line, Starts));
        }
        static bool StandsAlone(int Byte, std::string_view Line, TSynCharStarts& Starts)
        {
            for (size_t at = Line.find(static_cast<char>(Byte)); at != std::string_view::npos;
                 at = Line.find(static_cast<char>(Byte), at + 1))
                if (Starts.IsCharStart(at))
                    return true;
            return false;
        }
        static TRequired From(int Unit)
        {
            TRequired found;
            found.Byte = Unit;
            // An ASCII letter folds only to its other case in text that came
            // from GBK, which holds no other letter folding to it.
            if (Unit >= 0 && std::isalpha(Unit))
                found.OtherCase = std::islower(Unit) ? std::toupper(Unit) : std::tolower(Unit);
            return found;
        }
    };
    // The byte every match starts with, and the last one it must hold.
    TRequired First, Last;
    // The texts every match starts with, where known. In the converted
    // line no match starts before a place one of them stands as
    // characters, so that pcre2 is asked to search from there, where
    // LeadsStartSearch: not where the expression holds \G, whose matches
    // depend on where the search started.
    std::optional<TSynLeadTexts> Leads;
    bool LeadsStartSearch = false;
    // Whether the line's text before the first place a lead text stands
    // may be left unconverted, pcre2 reading the line from that
    // character on: nothing in the expression looks behind where a match
    // starts (no look-behind, \b, \B or \A, as pcre2 counts them).
    bool SkipsToLead = false;

    // Where in Line the search begins: npos where the line cannot match (a
    // wrong "may" costs a search, never a wrong "cannot"), else 0 or, where
    // SkipsToLead, the start of the character the first lead text's bytes
    // stand in (they may begin with a trail byte: the start stays before
    // every match).
    size_t SearchFrom(std::string_view Line) const
    {
        size_t from = 0;
        if (Leads) {
            const size_t lead = Leads->Find(Line, 0);
            if (lead == std::string_view::npos)
                return lead;
            if (SkipsToLead)
                from = CharStartOf(Line, lead);
        }
        if (First.Byte < 0 && Last.Byte < 0)
            return from;
        TSynCharStarts starts(Line);
        return First.In(Line, starts) && Last.In(Line, starts) ? from : std::string_view::npos;
    }

    TCompiled() = default;
    TCompiled(const TCompiled&) = delete;
    TCompiled& operator=(const TCompiled&) = delete;
    ~TCompiled()
    {
        pcre2_match_data_free(MatchData);
        pcre2_code_free(Screen);
        pcre2_code_free(Code);
        pcre2_match_context_free(Context);
        pcre2_jit_stack_free(JitStack);
    }

    // Sets Route (and Screen) for the expression Utf8, compiled as Code
    // with Options.
    void ChooseRoute(const std::string& Utf8, const TSynRegexHazards& Hazards, uint32_t Options);

    // The next match in Text from Offset, as pcre2_match answers.
    int Match(std::string_view Text, size_t Offset, uint32_t Flags) const
    {
        // The JIT takes no anchoring at match time.
        if (Route != TRoute::Interpreter && !(Flags & PCRE2_ANCHORED)) {
            if (Route == TRoute::Jit) {
                const int rc = JitMatch(Code, Text, Offset, Flags);
                return rc == PCRE2_ERROR_JIT_STACKLIMIT ? Interpret(Text, Offset, Flags) : rc;
            }
            const int rc = JitMatch(Screen ? Screen : Code, Text, Offset, Flags);
            if (rc == PCRE2_ERROR_NOMATCH)
                return rc;
            if (rc > 0 && !SearchStartCounts)
                Offset = pcre2_get_ovector_pointer(MatchData)[0];
        }
        const int rc = Interpret(Text, Offset, Flags);
        if (!Jit || !IsLimit(rc))
            return rc;
        // The interpreter may take millions of steps where the JIT, cutting
        // its ways short, answers at once: that answer stands. Anchored, a
        // match the JIT finds at a later start is none.
        const int jit = JitMatch(Code, Text, Offset, Flags & ~PCRE2_ANCHORED);
        if (IsLimit(jit))
            return rc;
        if (jit > 0 && (Flags & PCRE2_ANCHORED) && pcre2_get_ovector_pointer(MatchData)[0] != Offset)
            return PCRE2_ERROR_NOMATCH;
        return jit;
    }

private:
    // The JIT's own entry skips pcre2_match's checks; the text is the
    // program's own conversion, valid UTF-8.
    int JitMatch(const pcre2_code* Jitted, std::string_view Text, size_t Offset, uint32_t Flags) const
    {
        return pcre2_jit_match(Jitted, reinterpret_cast<PCRE2_SPTR>(Text.data()), Text.size(), Offset, Flags,
                               MatchData, Context);
    }
    int Interpret(std::string_view Text, size_t Offset, uint32_t Flags) const
    {
        return pcre2_match(Code, reinterpret_cast<PCRE2_SPTR>(Text.data()), Text.size(), Offset,
                           Flags | PCRE2_NO_UTF_CHECK | PCRE2_NO_JIT, MatchData, Context);
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
    const std::span<const size_t> groups = Groups(Index);
    replaced_.assign(groups.begin(), groups.end());
    for (size_t& offset : replaced_)
        if (offset != SynUnsetGroup)
            offset -= matchedFrom_;
    return SubstituteGroups(Replacement, matched_, replaced_);
}

void TSynTextRegexSearch::Compile()
{
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    auto compiled = std::make_unique<TCompiled>();
    compiled->Context = pcre2_match_context_create(nullptr);
    if (!compiled->Context)
        throw std::bad_alloc();
    pcre2_set_heap_limit(compiled->Context, InterpreterHeapLimit);
    // The pattern is read in the same UTF-8 as the lines, so that a Chinese
    // character is one atom, also inside a class. "\\C" (one code unit)
    // could end a match inside a character.
    uint32_t options = PCRE2_UTF | PCRE2_NEVER_BACKSLASH_C | (caseless_ ? PCRE2_CASELESS : 0);
    const std::string utf8 = GbkToRegexUtf8(pattern_);
    const TSynRegexHazards hazards = FindRegexHazards(utf8, options);
    // pcre2's possessification of repeats may misread an atomic group
    // after one; it only saves steps.
    if (hazards.AtomicGroup)
        options |= PCRE2_NO_AUTO_POSSESS;
    compiled->Code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(),
                                   options | PCRE2_NO_UTF_CHECK, &error, &errorOffset, nullptr);
    if (!compiled->Code) {
        // Say where, in the pattern as the user wrote it.
        TSynRegexSubject pattern;
        pattern.Assign(pattern_);
        errorOffset = pattern.LineOffset(std::min<PCRE2_SIZE>(errorOffset, utf8.size()));
        throw ESynRegexError(ErrorText(error) + " (" + std::to_string(errorOffset + 1) + ")");
    }
    // "(*NO_JIT)" leaves the JIT nothing to compile.
    size_t jitSize = 0;
    compiled->Jit = pcre2_jit_compile(compiled->Code, PCRE2_JIT_COMPLETE) == 0 &&
                    pcre2_pattern_info(compiled->Code, PCRE2_INFO_JITSIZE, &jitSize) == 0 && jitSize > 0;
    compiled->ChooseRoute(utf8, hazards, options);
    compiled->MatchData = pcre2_match_data_create_from_pattern(compiled->Code, nullptr);
    if (compiled->Jit) {
        compiled->JitStack = pcre2_jit_stack_create(32u << 10, JitStackLimit, nullptr);
        pcre2_jit_stack_assign(compiled->Context, nullptr, compiled->JitStack);
    }
    if (!compiled->MatchData || (compiled->Jit && !compiled->JitStack))
        throw std::bad_alloc();
    compiled->First = TCompiled::TRequired::From(
        RequiredAscii(compiled->Code, PCRE2_INFO_FIRSTCODETYPE, PCRE2_INFO_FIRSTCODEUNIT));
    compiled->Last =
        TCompiled::TRequired::From(RequiredAscii(compiled->Code, PCRE2_INFO_LASTCODETYPE, PCRE2_INFO_LASTCODEUNIT));
    compiled->Leads = TSynLeadTexts::For(pattern_, caseless_);
    if (compiled->Leads && !hazards.SearchStart) {
        compiled->LeadsStartSearch = true;
        uint32_t lookBehind = 0;
        compiled->SkipsToLead =
            pcre2_pattern_info(compiled->Code, PCRE2_INFO_MAXLOOKBEHIND, &lookBehind) == 0 && lookBehind == 0;
    }
    compiled_ = std::move(compiled);
}

void TSynTextRegexSearch::TCompiled::ChooseRoute(const std::string& Utf8, const TSynRegexHazards& Hazards,
                                                 uint32_t Options)
{
    uint32_t backReferences = 0;
    pcre2_pattern_info(Code, PCRE2_INFO_BACKREFMAX, &backReferences);
    if (!Jit || Hazards.Verb || (Hazards.JitMayAnswerOtherwise && backReferences > 0))
        return;  // the interpreter's
    if (!Hazards.JitMayAnswerOtherwise) {
        Route = TRoute::Jit;
        return;
    }
    Route = TRoute::InterpreterWhereJitFinds;
    SearchStartCounts = Hazards.SearchStart;
    if (Hazards.Keeps.empty())
        return;
    // An empty group keeps whatever quantifier follows the \K valid.
    std::string screen = Utf8;
    for (auto keep = Hazards.Keeps.rbegin(); keep != Hazards.Keeps.rend(); ++keep)
        screen.replace(*keep, 2, "(?:)");
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    Screen = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(screen.data()), screen.size(), Options | PCRE2_NO_UTF_CHECK,
                           &error, &errorOffset, nullptr);
    if (!Screen || pcre2_jit_compile(Screen, PCRE2_JIT_COMPLETE) != 0)
        Route = TRoute::Interpreter;
}

// Every match in the subject, left to right, its groups appended to
// groups_ as offsets into the line; an empty match is followed by a
// non-empty one at the same place or by a step to the next character.
void TSynTextRegexSearch::CollectMatches(const TCompiled& Compiled, size_t LineFrom)
{
    const std::string_view text = subject_.Text();
    const bool fromLeads = lineFilter_ && Compiled.LeadsStartSearch;
    size_t offset = 0;
    uint32_t flags = 0;
    while (true) {
        // pcre2 searches on from where a match may start: one of the texts
        // every match starts with, found while the line was converted,
        // where pcre2 would try every character that starts one of them.
        if (fromLeads && flags == 0) {
            offset = subject_.LeadFrom(offset);
            if (offset == std::string_view::npos)
                break;
        }
        const int rc = Compiled.Match(text, offset, flags);
        if (rc == PCRE2_ERROR_NOMATCH) {
            // No non-empty match where the last empty one was: step over
            // one character and search on.
            if (flags == 0 || offset >= text.size())
                break;
            offset = NextCharacter(text, offset);
            flags = 0;
            continue;
        }
        if (IsLimit(rc))
            throw ESynSearchTooCostly(ErrorText(rc));
        if (rc < 0)
            throw ESynRegexError(ErrorText(rc));
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(Compiled.MatchData);
        for (size_t i = 0; i < groupSize_; ++i) {
            if (ovector[i] == PCRE2_UNSET) {
                groups_.push_back(SynUnsetGroup);
                continue;
            }
            const size_t at = LineFrom + subject_.LineOffset(ovector[i]);
            groups_.push_back(at);
            matchedFrom_ = std::min(matchedFrom_, at);
            matchedTo_ = std::max(matchedTo_, at);
        }
        offset = ovector[1];
        flags = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
}

int TSynTextRegexSearch::FindAll(std::string_view Line)
{
    groups_.clear();
    matched_.clear();
    matchedFrom_ = Line.size();
    matchedTo_ = 0;
    if (!compiled_)
        Compile();
    const TCompiled& compiled = *compiled_;
    groupSize_ = 2 * pcre2_get_ovector_count(compiled.MatchData);
    // The filter spares converting a line that cannot match, or the text
    // before where a match can start; a line of ASCII alone costs no
    // conversion, and pcre2 passes over it as fast.
    const size_t asciiPrefix = AsciiPrefixLength(Line);
    size_t from = 0;
    if (lineFilter_ && asciiPrefix < Line.size()) {
        from = compiled.SearchFrom(Line);
        if (from == std::string_view::npos)
            return 0;
    }
    const std::string_view searched = Line.substr(from);
    subject_.Assign(searched, from <= asciiPrefix ? asciiPrefix - from : AsciiPrefixLength(searched),
                    lineFilter_ && compiled.LeadsStartSearch ? &*compiled.Leads : nullptr);
    CollectMatches(compiled, from);
    if (!groups_.empty())
        matched_.assign(Line.substr(matchedFrom_, matchedTo_ - matchedFrom_));
    return GetResultCount();
}

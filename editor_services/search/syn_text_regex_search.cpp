#include "editor_services/search/syn_text_regex_search.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "editor_services/search/syn_regex_byte_pattern.h"
#include "editor_services/search/syn_regex_byte_starts.h"
#include "editor_services/search/syn_regex_jit_hazard.h"
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

// How far the JIT's stack may grow: a repeated group takes some 24 to 56
// bytes of it per character it repeats over, so lines of a million
// characters and more fit. Only what a match uses is ever touched.
constexpr PCRE2_SIZE JitStackLimit = 64u << 20;
// The interpreter's own limit, in KiB, for a match the JIT ran out of stack
// on: it keeps some ten times as much per character.
constexpr uint32_t InterpreterHeapLimit = 256u << 10;
// The longest line an expression that repeats a group standing for one
// character (see TSynBytesRegex) is matched on in bytes: a repeat that
// fails from every start costs at most some hundred steps a byte there,
// and on the usual lines of text the bytes are two to three times as
// quick as converting them.
constexpr size_t ShortLine = 256;
// The steps pcre2 may take at one start of a match on a line's own bytes:
// far more than a match that is not hunting through ways of taking the
// same characters takes (its steps are about its repeats' turns), and
// then the characters go on. pcre2's own limit stays the ceiling.
uint32_t BytesSteps(size_t LineLength)
{
    constexpr size_t Base = 1000;
    constexpr size_t PerByte = 32;
    constexpr size_t Ceiling = 10000000;
    return static_cast<uint32_t>(std::min(Ceiling, Base + PerByte * LineLength));
}

// The callout at the start of the form for bytes: whether a match may
// start where pcre2 tries one.
int AtByteStart(pcre2_callout_block* Block, void* Data)
{
    switch (static_cast<TSynByteStarts*>(Data)->At(Block->start_match)) {
    case TSynByteStarts::Try:
        return 0;
    case TSynByteStarts::Skip:
        return 1;
    case TSynByteStarts::NoMore:
        break;
    }
    return PCRE2_ERROR_NOMATCH;
}

}  // namespace

std::function<void(size_t)> SynRegexBytesGaveUp;

struct TSynTextRegexSearch::TCompiled {
    // One form of the expression, compiled with what matching it takes.
    struct TCode {
        pcre2_code* Code = nullptr;
        pcre2_match_data* MatchData = nullptr;
        pcre2_match_context* Context = nullptr;  // one of the TCompiled's
        bool Jit = false;
        // Whether each match the JIT finds is taken again by the
        // interpreter from its start (see JitMayKeepGroupsOfFailedStarts).
        bool Retake = false;
        // Where set, the code is anchored, and tried only where one of
        // these texts starts.
        std::optional<TSynLeadTexts> Leads;

        TCode() = default;
        TCode(const TCode&) = delete;
        TCode& operator=(const TCode&) = delete;
        ~TCode()
        {
            pcre2_match_data_free(MatchData);
            pcre2_code_free(Code);
        }

        // The next match in Text from Offset, as pcre2_match answers.
        // Where the JIT runs out of stack, the interpreter tries again.
        int Match(std::string_view Text, size_t Offset, uint32_t Flags) const
        {
            const auto* units = reinterpret_cast<PCRE2_SPTR>(Text.data());
            // The JIT's own entry skips pcre2_match's checks, but takes no
            // anchoring at match time.
            if (Jit && Flags == 0) {
                const int rc = pcre2_jit_match(Code, units, Text.size(), Offset, 0, MatchData, Context);
                if (rc != PCRE2_ERROR_JIT_STACKLIMIT)
                    return rc;
            }
            return pcre2_match(Code, units, Text.size(), Offset, Flags | PCRE2_NO_UTF_CHECK | PCRE2_NO_JIT,
                               MatchData, Context);
        }

        // The match the interpreter finds at Start alone (Flags as the
        // search there had them), in place of the one the JIT found.
        int Again(std::string_view Text, size_t Start, uint32_t Flags) const
        {
            return pcre2_match(Code, reinterpret_cast<PCRE2_SPTR>(Text.data()), Text.size(), Start,
                               Flags | PCRE2_ANCHORED | PCRE2_NO_UTF_CHECK | PCRE2_NO_JIT, MatchData, Context);
        }
    };

    pcre2_match_context* Context = nullptr;
    // The form for bytes matches with its own: a limit in proportion to
    // the line, and the callout that keeps its starts to those of the
    // characters.
    pcre2_match_context* BytesContext = nullptr;
    pcre2_jit_stack* JitStack = nullptr;
    // For the line converted to UTF-8: every line goes to it when there is
    // no form for bytes, and the rest of a line from where the form for
    // bytes found a match starting inside a character or gave up.
    TCode Characters;
    // For the line's own bytes (see RegexForBytes), on lines up to
    // BytesUpTo bytes long; no Code when the expression has no such form.
    TCode Bytes;
    size_t BytesUpTo = SIZE_MAX;
    // Whether the form for bytes starts with the callout (see
    // TSynByteStarts), and the byte it needs.
    bool BytesCallout = false;
    TSynRequiredByte BytesRequired;
    // ASCII bytes every match holds (each possibly in the other case: pcre2
    // finds a class such as [Tt], or a part under (?i), caseless without
    // saying so):
    // the one it starts with and the last one it must hold, where known.
    // Such a byte is a character of its own in the line, never the trail
    // byte of a Chinese one: a line without it standing alone is passed
    // over without a search, also on the bytes, where pcre2's own check
    // for such a byte takes a trail byte for it and tries every start.
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
    };
    TRequired First, Last;

    bool MayMatch(std::string_view Line, TSynCharStarts& Starts) const
    {
        return First.In(Line, Starts) && Last.In(Line, Starts);
    }

    TCompiled() = default;
    TCompiled(const TCompiled&) = delete;
    TCompiled& operator=(const TCompiled&) = delete;
    ~TCompiled()
    {
        pcre2_match_context_free(Context);
        pcre2_match_context_free(BytesContext);
        pcre2_jit_stack_free(JitStack);
    }

    // Readies Code, compiled, for matching in MatchContext.
    void Prepare(TCode& Code, pcre2_match_context* MatchContext)
    {
        Code.Jit = pcre2_jit_compile(Code.Code, PCRE2_JIT_COMPLETE) == 0;  // else the interpreter matches
        Code.MatchData = pcre2_match_data_create_from_pattern(Code.Code, nullptr);
        Code.Context = MatchContext;
        if (Code.Jit && !JitStack) {
            JitStack = pcre2_jit_stack_create(32u << 10, JitStackLimit, nullptr);
            pcre2_jit_stack_assign(Context, nullptr, JitStack);
            if (BytesContext)
                pcre2_jit_stack_assign(BytesContext, nullptr, JitStack);
        }
        if (!Code.MatchData || (Code.Jit && !JitStack))
            throw std::bad_alloc();
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

namespace {

// The code unit pcre2 found every match to start with (Where is
// PCRE2_INFO_FIRSTCODETYPE) or to hold (PCRE2_INFO_LASTCODETYPE), or -1.
int RequiredUnit(const pcre2_code* Code, uint32_t Where, uint32_t Unit)
{
    uint32_t type = 0;
    uint32_t value = 0;
    if (pcre2_pattern_info(Code, Where, &type) != 0 || type != 1 || pcre2_pattern_info(Code, Unit, &value) != 0)
        return -1;
    return static_cast<int>(value);
}

// The same, when it is ASCII.
int RequiredAscii(const pcre2_code* Code, uint32_t Where, uint32_t Unit)
{
    const int unit = RequiredUnit(Code, Where, Unit);
    return unit < 0x80 ? unit : -1;
}

// The last code unit pcre2 found every match of Code to hold, or -1.
int LastCodeUnit(const pcre2_code* Code)
{
    return RequiredUnit(Code, PCRE2_INFO_LASTCODETYPE, PCRE2_INFO_LASTCODEUNIT);
}

}  // namespace

void TSynTextRegexSearch::FindRequiredBytes(TCompiled& Compiled) const
{
    const auto required = [](int Unit) {
        TCompiled::TRequired found;
        found.Byte = Unit;
        // An ASCII letter folds only to its other case in text that came
        // from GBK, which holds no other letter folding to it.
        if (Unit >= 0 && std::isalpha(Unit))
            found.OtherCase = std::islower(Unit) ? std::toupper(Unit) : std::tolower(Unit);
        return found;
    };
    const pcre2_code* code = Compiled.Characters.Code;
    Compiled.First = required(RequiredAscii(code, PCRE2_INFO_FIRSTCODETYPE, PCRE2_INFO_FIRSTCODEUNIT));
    Compiled.Last = required(RequiredAscii(code, PCRE2_INFO_LASTCODETYPE, PCRE2_INFO_LASTCODEUNIT));
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
    const uint32_t caseless = caseless_ ? PCRE2_CASELESS : 0;
    // The character matcher reads the pattern in the same UTF-8 as the
    // lines, so that a Chinese character is one atom, also inside a class.
    // "\\C" (one code unit) could end a match inside a character.
    const std::string utf8 = GbkToRegexUtf8(pattern_);
    compiled->Characters.Code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(),
                                              PCRE2_UTF | PCRE2_NO_UTF_CHECK | PCRE2_NEVER_BACKSLASH_C | caseless,
                                              &error, &errorOffset, nullptr);
    if (!compiled->Characters.Code) {
        // Say where, in the pattern as the user wrote it.
        TSynRegexSubject pattern;
        pattern.Assign(pattern_);
        errorOffset = pattern.LineOffset(std::min<PCRE2_SIZE>(errorOffset, utf8.size()));
        throw ESynRegexError(ErrorText(error) + " (" + std::to_string(errorOffset + 1) + ")");
    }
    compiled->Prepare(compiled->Characters, compiled->Context);
    // Where pcre2's JIT may keep groups from a start that failed, the
    // interpreter takes each match again from its start, on the characters
    // alone.
    compiled->Characters.Retake =
        compiled->Characters.Jit && JitMayKeepGroupsOfFailedStarts(utf8, PCRE2_UTF | caseless);
    // Bytes matched on the line need no conversion to pass over.
    FindRequiredBytes(*compiled);
    // Most expressions can also be matched on the line as it stands; one
    // that cannot be, or does not compile so, has the character matcher
    // alone.
    if (const std::optional<TSynBytesRegex> bytes =
            compiled->Characters.Retake ? std::nullopt : RegexForBytes(pattern_, caseless_))
        CompileForBytes(*compiled, *bytes);
    compiled_ = std::move(compiled);
}

void TSynTextRegexSearch::CompileForBytes(TCompiled& Compiled, const TSynBytesRegex& Bytes) const
{
    const uint32_t caseless = caseless_ ? PCRE2_CASELESS : 0;
    // Where every match starts with one of a few texts, the line is
    // searched for them and the code tried only there.
    Compiled.Bytes.Leads = TSynLeadTexts::For(pattern_, caseless_);
    const uint32_t options = caseless | (Compiled.Bytes.Leads ? PCRE2_ANCHORED : 0);
    const auto compile = [&](const std::string& Pattern) {
        int error = 0;
        PCRE2_SIZE errorOffset = 0;
        return pcre2_compile(reinterpret_cast<PCRE2_SPTR>(Pattern.data()), Pattern.size(), options, &error,
                             &errorOffset, nullptr);
    };
    Compiled.Bytes.Code = compile(Bytes.Pattern);
    if (!Compiled.Bytes.Code)
        return;
    // Where pcre2 finds a byte every match needs, or a repeat may take the
    // same characters many ways, each start it tries is asked first
    // whether the character matcher would try it.
    const int last = LastCodeUnit(Compiled.Bytes.Code);
    if (last >= 0)
        Compiled.BytesRequired = TSynRequiredByte(last, LastCodeUnit(Compiled.Characters.Code), pattern_);
    if (Compiled.BytesRequired.Known() || Bytes.RepeatsGroups) {
        pcre2_code_free(Compiled.Bytes.Code);
        Compiled.Bytes.Code = compile("(?C1)(?:" + Bytes.Pattern + ")");
        if (!Compiled.Bytes.Code)
            return;
        Compiled.BytesCallout = true;
    }
    Compiled.BytesContext = pcre2_match_context_copy(Compiled.Context);
    if (!Compiled.BytesContext)
        throw std::bad_alloc();
    Compiled.Prepare(Compiled.Bytes, Compiled.BytesContext);
    if (Bytes.RepeatsGroups)
        Compiled.BytesUpTo = ShortLine;
}

namespace {

// Where a search of a line goes on: an offset at a character start and
// pcre2's flags there (after an empty match, only a non-empty one may
// start at it).
struct TResume {
    size_t Offset = 0;
    uint32_t Flags = 0;
};

// Every match of Code in Text from From, left to right, its groups
// appended to Groups as offsets into the line (ToLine); an empty match is
// followed by a non-empty one at the same place or by a step to the next
// character (Next). With Bytes, the matching is on the line's own bytes,
// which may stop short of the line's end: it answers where a matcher of
// characters goes on. A code with lead texts is tried only where one
// stands at a character start. A match that IsStart says starts inside a
// character stops it at the next character, as no match starts between;
// trying again a byte further could run over the rest of the line once for
// every such byte. A match past pcre2's limits stops it where that match was
// tried: the bytes may hold letters, the trail bytes, that the
// characters lack, so the character matcher may answer at once there.
template <typename TCode, typename TNext, typename TIsStart, typename TToLine>
std::optional<TResume> CollectMatches(const TCode& Code, std::string_view Text, TResume From, bool Bytes,
                                      size_t GroupSize, std::vector<size_t>& Groups, TNext Next, TIsStart IsStart,
                                      TToLine ToLine)
{
    size_t offset = From.Offset;
    uint32_t flags = From.Flags;
    while (true) {
        if (Code.Leads) {
            offset = Code.Leads->Find(Text, offset);
            while (offset != std::string_view::npos && !IsStart(offset))
                offset = Code.Leads->Find(Text, offset + 1);
            if (offset == std::string_view::npos)
                break;
        }
        int rc = Code.Match(Text, offset, flags);
        if (rc > 0 && Code.Retake) {
            const size_t start = pcre2_get_ovector_pointer(Code.MatchData)[0];
            rc = Code.Again(Text, start, start == offset ? flags : 0);
            if (rc == PCRE2_ERROR_NOMATCH) {
                if (start >= Text.size())
                    break;
                offset = Next(start);
                flags = 0;
                continue;
            }
        }
        if (rc == PCRE2_ERROR_NOMATCH) {
            // No non-empty match where the last empty one was, or none
            // where an anchored code was tried: step over one character
            // and search on.
            if ((flags == 0 && !Code.Leads) || offset >= Text.size())
                break;
            offset = Next(offset);
            flags = 0;
            continue;
        }
        if (rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT || rc == PCRE2_ERROR_HEAPLIMIT ||
            rc == PCRE2_ERROR_JIT_STACKLIMIT) {
            if (Bytes) {
                if (SynRegexBytesGaveUp)
                    SynRegexBytesGaveUp(BytesSteps(Text.size()));
                return TResume{offset, flags};
            }
            throw ESynSearchTooCostly(ErrorText(rc));
        }
        if (rc < 0)
            throw ESynRegexError(ErrorText(rc));
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(Code.MatchData);
        if (!IsStart(ovector[0]))
            return TResume{ToLine(ovector[0]) + 1, 0};  // a trail byte: the character ends after it
        for (size_t i = 0; i < GroupSize; ++i)
            Groups.push_back(ovector[i] == PCRE2_UNSET ? SynUnsetGroup : ToLine(ovector[i]));
        offset = ovector[1];
        flags = ovector[0] == ovector[1] ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
    return std::nullopt;
}

}  // namespace

int TSynTextRegexSearch::FindAll(const AnsiString& Line)
{
    groups_.clear();
    line_.clear();
    if (!compiled_)
        Compile();
    const TCompiled& compiled = *compiled_;
    groupSize_ = 2 * pcre2_get_ovector_count(compiled.Characters.MatchData);
    // Where in the line the character matcher starts, if it does.
    std::optional<TResume> characters;
    TSynCharStarts starts(Line);
    if (compiled.MayMatch(Line, starts)) {
        characters = TResume{};
        if (compiled.Bytes.Code && Line.size() <= compiled.BytesUpTo) {
            TSynByteStarts byteStarts(compiled.BytesRequired, Line, starts);
            if (compiled.BytesCallout)
                pcre2_set_callout(compiled.BytesContext, AtByteStart, &byteStarts);
            pcre2_set_match_limit(compiled.BytesContext, BytesSteps(Line.size()));
            characters = CollectMatches(
                compiled.Bytes, Line, TResume{}, true, groupSize_, groups_,
                [&](size_t At) { return At + CharLengthAt(Line, At); },
                [&](size_t At) { return starts.IsCharStart(At); }, [](size_t At) { return At; });
        }
    }
    if (characters) {
        subject_.Assign(Line);
        const std::string_view text = subject_.Text();
        CollectMatches(
            compiled.Characters, text, TResume{subject_.TextOffset(characters->Offset), characters->Flags}, false,
            groupSize_, groups_,
            [&](size_t At) {
                do
                    ++At;
                while (At < text.size() && (static_cast<unsigned char>(text[At]) & 0xC0) == 0x80);
                return At;
            },
            [](size_t) { return true; }, [&](size_t At) { return subject_.LineOffset(At); });
    }
    // Replace takes the groups' text from the line, after the caller's
    // own copy may have changed.
    if (!groups_.empty())
        line_ = Line;
    return GetResultCount();
}

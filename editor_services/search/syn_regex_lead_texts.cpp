#include "editor_services/search/syn_regex_lead_texts.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "platform/base/code_page.h"

namespace {

// ASCII characters that stand for themselves outside a class.
bool IsPlainAscii(char C)
{
    constexpr std::string_view Punctuation = " !\"#%&',-/:;<=>@_`~}]";
    return std::isalnum(static_cast<unsigned char>(C)) || Punctuation.find(C) != std::string_view::npos;
}

std::optional<std::vector<std::string>> AlternativesTexts(std::string_view Pattern, size_t& At, bool Caseless);

// The characters one character or class at At may take, each as its bytes,
// or the texts a group there starts with (Whole false), with At moved past
// it; nothing where it is something else.
std::optional<std::vector<std::string>> Choices(std::string_view Pattern, size_t& At, bool Caseless, bool& Whole)
{
    Whole = Pattern[At] != '(';
    if (!Whole) {
        // A plain, capturing or atomic group.
        size_t at = At + 1;
        if (at < Pattern.size() && Pattern[at] == '?') {
            if (at + 1 >= Pattern.size() || (Pattern[at + 1] != ':' && Pattern[at + 1] != '>'))
                return std::nullopt;
            at += 2;
        }
        std::optional<std::vector<std::string>> texts = AlternativesTexts(Pattern, at, Caseless);
        if (!texts || at >= Pattern.size())
            return std::nullopt;
        At = at + 1;
        return texts;
    }
    std::vector<std::string> choices;
    const auto add = [&](std::string_view Character) {
        choices.emplace_back(Character);
        const auto c = static_cast<unsigned char>(Character[0]);
        if (Caseless && Character.size() == 1 && std::isalpha(c))
            choices.emplace_back(1, static_cast<char>(std::islower(c) ? std::toupper(c) : std::tolower(c)));
    };
    const auto character = [&](size_t From) -> std::string_view {
        // Never a zero byte: Find takes the bytes after a line's end for
        // zeros.
        const size_t length = CharLengthAt(Pattern, From);
        if ((length == 2 && Pattern[From + 1] != '\0') || IsPlainAscii(Pattern[From]))
            return Pattern.substr(From, length);
        return {};
    };
    if (Pattern[At] != '[') {
        const std::string_view c = character(At);
        if (c.empty())
            return std::nullopt;
        add(c);
        At += c.size();
        return choices;
    }
    // A class of plain members: no ranges, escapes or negation.
    size_t at = At + 1;
    while (at < Pattern.size() && Pattern[at] != ']') {
        const std::string_view c = character(at);
        if (c.empty() || c == "-")
            return std::nullopt;
        add(c);
        at += c.size();
    }
    if (at >= Pattern.size() || choices.empty())
        return std::nullopt;
    At = at + 1;
    return choices;
}

// The texts the alternative at At starts with, At moved to the '|' or ')'
// after it or the end; nothing where it may start with anything else.
std::optional<std::vector<std::string>> AlternativeTexts(std::string_view Pattern, size_t& At, bool Caseless)
{
    std::vector<std::string> texts{""};
    bool extending = true;
    while (extending && At < Pattern.size() && Pattern[At] != '|') {
        size_t next = At;
        bool whole = true;
        const std::optional<std::vector<std::string>> choices = Choices(Pattern, next, Caseless, whole);
        // A quantifier that allows none ends the texts before the
        // character; "+" after it.
        const char quantifier = next < Pattern.size() ? Pattern[next] : '\0';
        if (!choices || quantifier == '?' || quantifier == '*' || quantifier == '{' ||
            texts.size() * choices->size() > TSynLeadTexts::MaxTexts)
            break;
        std::vector<std::string> longer;
        for (const std::string& text : texts)
            for (const std::string& choice : *choices)
                if (text.size() + choice.size() <= TSynLeadTexts::MaxLength)
                    longer.push_back(text + choice);
        if (longer.size() < texts.size() * choices->size())
            break;
        texts = std::move(longer);
        At = next;
        // A group's texts may stop short of what it matches.
        extending = whole && quantifier != '+';
    }
    if (texts.front().empty())
        return std::nullopt;
    // Skip the rest of the alternative: groups, classes and escapes may
    // hold a '|' or ')' of their own.
    int depth = 0;
    while (At < Pattern.size() && (depth > 0 || (Pattern[At] != '|' && Pattern[At] != ')'))) {
        const char c = Pattern[At];
        if (c == '\\') {
            At += 2;
            continue;
        }
        if (c == '[') {
            for (++At; At < Pattern.size() && Pattern[At] != ']';)
                At += Pattern[At] == '\\' ? 2 : CharLengthAt(Pattern, At);
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        }
        At += CharLengthAt(Pattern, At);
    }
    return texts;
}

// The texts the alternatives from At start with, At moved to the end or
// the ')' that closes them.
std::optional<std::vector<std::string>> AlternativesTexts(std::string_view Pattern, size_t& At, bool Caseless)
{
    std::vector<std::string> texts;
    while (true) {
        std::optional<std::vector<std::string>> alternative = AlternativeTexts(Pattern, At, Caseless);
        if (!alternative)
            return std::nullopt;
        texts.insert(texts.end(), alternative->begin(), alternative->end());
        if (At >= Pattern.size() || Pattern[At] == ')')
            break;
        ++At;
    }
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    if (texts.size() > TSynLeadTexts::MaxTexts)
        return std::nullopt;
    return texts;
}

// Whether the texts read from Pattern say what pcre2 reads: nothing that
// changes how the rest of it is read (option settings such as "(?i)" and
// "(?x)", comments, quoting, verbs and start options), no "\\c", which
// takes the character after it whatever it is, no class whose first member
// is "]"; caseless, no double-byte character but Chinese ones, which fold
// to nothing (a fullwidth, Greek or Cyrillic letter folds to another).
bool ReadsAsPcre2Does(std::string_view Pattern, bool Caseless)
{
    constexpr std::string_view GroupsRead = ":>=!<";  // after "(?"
    for (size_t at = 0; at < Pattern.size(); at += CharLengthAt(Pattern, at)) {
        const std::string_view rest = Pattern.substr(at);
        if (CharLengthAt(Pattern, at) == 2) {
            size_t length = 0;
            const char32_t c = DecodeGbkChar(rest, 0, length);
            if (Caseless && !(length == 2 && ((c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF))))
                return false;
        } else if (rest[0] == '\\') {
            if (rest.size() < 2 || rest[1] == 'Q' || rest[1] == 'E' || rest[1] == 'c')
                return false;
            ++at;  // the escaped character
        } else if (rest.starts_with("(*") || rest.starts_with("[]") || rest.starts_with("[^]") ||
                   (rest.starts_with("(?") && (rest.size() < 3 || GroupsRead.find(rest[2]) == std::string_view::npos))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<TSynLeadTexts> TSynLeadTexts::For(std::string_view Pattern, bool Caseless)
{
    if (!ReadsAsPcre2Does(Pattern, Caseless))
        return std::nullopt;
    size_t at = 0;
    std::optional<std::vector<std::string>> texts = AlternativesTexts(Pattern, at, Caseless);
    if (!texts || at < Pattern.size())
        return std::nullopt;
    return TSynLeadTexts(std::move(*texts));
}

TSynLeadTexts::TSynLeadTexts(std::vector<std::string> Texts) : texts_(std::move(Texts))
{
    for (size_t t = 0; t < texts_.size(); ++t) {
        firsts_[t] = TByteChunk{} + static_cast<unsigned char>(texts_[t].front());
        lasts_[t] = TByteChunk{} + static_cast<unsigned char>(texts_[t].back());
        lastAt_[t] = static_cast<uint8_t>(texts_[t].size() - 1);
        unsigned char mask[MaxLength] = {};
        std::memset(mask, 0xFF, texts_[t].size());
        std::memcpy(&words_[t], texts_[t].data(), texts_[t].size());
        std::memcpy(&masks_[t], mask, sizeof mask);
    }
}

uint64_t TSynLeadTexts::MarksAt(const unsigned char* At) const
{
    const TByteChunk head = LoadByteChunk(At);
    TByteMarks marks{};
    for (size_t t = 0; t < texts_.size(); ++t)
        marks |= (head == firsts_[t]) & (LoadByteChunk(At + texts_[t].size() - 1) == lasts_[t]);
    return BitsOf(marks);
}

// Four tests of sixteen starts, then the whole texts where both their
// first and last bytes stand.
uint64_t TSynLeadTexts::StartsAmong(const unsigned char* At, uint64_t Places) const
{
    if (Places == 0)
        return 0;
    // Text by text, its bytes compared with each of the four chunks.
    constexpr size_t Chunks = 64 / sizeof(TByteChunk);
    TByteMarks found[Chunks] = {};
    for (size_t t = 0; t < texts_.size(); ++t) {
        const TByteChunk first = firsts_[t];
        const TByteChunk last = lasts_[t];
        const unsigned char* lastAt = At + lastAt_[t];
        for (size_t c = 0; c < Chunks; ++c)
            found[c] |= (LoadByteChunk(At + c * sizeof(TByteChunk)) == first) &
                        (LoadByteChunk(lastAt + c * sizeof(TByteChunk)) == last);
    }
    uint64_t marks = 0;
    for (size_t c = 0; c < Chunks; ++c)
        marks |= BitsOf(found[c]) << (c * sizeof(TByteChunk));
    uint64_t starts = 0;
    for (marks &= Places; marks != 0; marks &= marks - 1) {
        const auto at = static_cast<unsigned>(std::countr_zero(marks));
        if (StartsWith(WordAt(At + at)))
            starts |= uint64_t{1} << at;
    }
    return starts;
}

// Sixteen starts a test, where four bytes fit after each: where they no
// longer do, the last sixteen such starts are tested, those before From
// left out, and the last three from the line's last four bytes. A line
// shorter than one test is read start by start from a copy with zeros
// after it, which no text holds.
size_t TSynLeadTexts::Find(std::string_view Line, size_t From) const
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(Line.data());
    const size_t size = Line.size();
    constexpr size_t Window = sizeof(TByteChunk) + MaxLength - 1;
    if (From >= size)
        return std::string_view::npos;
    if (size < Window) {
        unsigned char copy[Window + MaxLength - 1] = {};
        std::memcpy(copy, bytes, size);
        for (size_t at = From; at < size; ++at)
            if (StartsWith(WordAt(copy + at)))
                return at;
        return std::string_view::npos;
    }
    const auto firstIn = [this](const unsigned char* At, uint64_t Candidates) {
        for (; Candidates != 0; Candidates &= Candidates - 1) {
            const auto candidate = static_cast<size_t>(std::countr_zero(Candidates));
            if (StartsWith(WordAt(At + candidate)))
                return candidate;
        }
        return std::string_view::npos;
    };
    for (; From + Window <= size; From += sizeof(TByteChunk))
        if (const size_t found = firstIn(bytes + From, MarksAt(bytes + From)); found != std::string_view::npos)
            return From + found;
    if (From >= size)
        return std::string_view::npos;
    const size_t last = size - Window;
    if (const size_t found = firstIn(bytes + last, MarksAt(bytes + last) & (~uint64_t{0} << (From - last)));
        found != std::string_view::npos)
        return last + found;
    const uint32_t tail = WordAt(bytes + size - MaxLength);
    for (size_t at = std::max(From, size - (MaxLength - 1)); at < size; ++at) {
        // The bytes from at, zeros after the line's end.
        const auto shift = static_cast<unsigned>(8 * (at - (size - MaxLength)));
        if (StartsWith(std::endian::native == std::endian::little ? tail >> shift : tail << shift))
            return at;
    }
    return std::string_view::npos;
}

uint32_t TSynLeadTexts::WordAt(const unsigned char* At)
{
    uint32_t word = 0;
    std::memcpy(&word, At, sizeof word);
    return word;
}

bool TSynLeadTexts::StartsWith(uint32_t Word) const
{
    for (size_t t = 0; t < texts_.size(); ++t)
        if ((Word & masks_[t]) == words_[t])
            return true;
    return false;
}

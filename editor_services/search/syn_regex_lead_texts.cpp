#include "editor_services/search/syn_regex_lead_texts.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "editor_services/search/syn_regex_subject.h"
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

TSynLeadTexts TSynLeadTexts::InUtf8() const
{
    std::vector<std::string> texts;
    for (const std::string& text : texts_)
        texts.push_back(GbkToRegexUtf8(text).substr(0, MaxLength));
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    return TSynLeadTexts(std::move(texts));
}

TSynLeadTexts::TSynLeadTexts(std::vector<std::string> Texts) : texts_(std::move(Texts))
{
    for (size_t t = 0; t < texts_.size(); ++t) {
        firsts_[t] = TByteChunk{} + static_cast<unsigned char>(texts_[t].front());
        lasts_[t] = TByteChunk{} + static_cast<unsigned char>(texts_[t].back());
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

// Sixteen starts a test. Where four bytes no longer fit after them, the
// rest of the line is tested in a copy with zeros after it, which no text
// holds.
size_t TSynLeadTexts::Find(std::string_view Line, size_t From) const
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(Line.data());
    const size_t size = Line.size();
    unsigned char rest[sizeof(TByteChunk) + MaxLength] = {};
    for (; From < size; From += sizeof(TByteChunk)) {
        const unsigned char* at = bytes + From;
        if (size - From < sizeof(TByteChunk) + MaxLength - 1) {
            std::memset(rest, 0, sizeof rest);
            std::memcpy(rest, at, size - From);
            at = rest;
        }
        for (uint64_t candidates = MarksAt(at); candidates != 0; candidates &= candidates - 1) {
            const auto candidate = static_cast<size_t>(std::countr_zero(candidates));
            if (StartsAt(Line, From + candidate))
                return From + candidate;
        }
    }
    return std::string_view::npos;
}

bool TSynLeadTexts::StartsAt(std::string_view Text, size_t At) const
{
    uint32_t word = 0;
    std::memcpy(&word, Text.data() + At, std::min(sizeof word, Text.size() - At));
    for (size_t t = 0; t < texts_.size(); ++t)
        if ((word & masks_[t]) == words_[t])
            return true;
    return false;
}

#include "editor_services/search/syn_regex_byte_pattern.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "platform/base/code_page.h"

namespace {

// One character in bytes: a lead byte and whatever follows it, a lead byte
// ending the line, or any other byte but a line feed; as the line's
// conversion pairs bytes.
constexpr std::string_view AnyCharacter = "(?:[\\x81-\\xfe][\\x00-\\xff]|[\\x81-\\xfe]$|[^\\n\\x81-\\xfe])";

// A double-byte character as one atom of its two bytes, escaped: a trail
// byte may be '\\', '[' or a letter, which must not fold either.
std::string PairAtom(std::string_view Pair, bool Caseless)
{
    char atom[20];
    std::snprintf(atom, sizeof atom, "(?%s:\\x%02x\\x%02x)", Caseless ? "-i" : "", static_cast<unsigned char>(Pair[0]),
                  static_cast<unsigned char>(Pair[1]));
    return atom;
}

// Whether a double-byte character can stand for its bytes: caseless, only
// when nothing else folds to it (Chinese characters and their punctuation).
bool PairIsCaseFree(std::string_view Pair, bool Caseless)
{
    if (!Caseless)
        return true;
    size_t length = 0;
    const char32_t c = DecodeGbkChar(Pair, 0, length);
    return length == 2 && ((c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF));
}

// An escape whose meaning is the same in bytes: punctuation standing for
// itself, or a class of ASCII characters alone.
bool IsByteEscape(char C)
{
    const auto c = static_cast<unsigned char>(C);
    return c < 0x80 && (!std::isalnum(c) || C == 'd' || C == 'w' || C == 's');
}

class TRewriter {
public:
    TRewriter(std::string_view Pattern, bool Caseless) : pattern_(Pattern), caseless_(Caseless) {}

    std::optional<TSynBytesRegex> Run()
    {
        while (at_ < pattern_.size())
            if (!Step())
                return std::nullopt;
        return std::move(out_);
    }

private:
    // The double-byte character at the cursor, or an empty view.
    std::string_view PairAt(size_t At) const
    {
        return CharLengthAt(pattern_, At) == 2 ? pattern_.substr(At, 2) : std::string_view();
    }

    bool Step()
    {
        const char c = pattern_[at_];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const std::string_view pair = PairAt(at_);
            if (pair.empty() || !PairIsCaseFree(pair, caseless_))
                return false;
            NoteCharacterAt(at_ + 2);
            out_.Pattern += PairAtom(pair, caseless_);
            at_ += 2;
            return true;
        }
        switch (c) {
        case '\\':
            if (at_ + 1 >= pattern_.size() || !IsByteEscape(pattern_[at_ + 1]))
                return false;
            out_.Pattern.append(pattern_.substr(at_, 2));
            at_ += 2;
            return true;
        case '.':
            if (RunsToLineEnd(at_ + 1)) {
                out_.Pattern += '.';
            } else {
                NoteCharacterAt(at_ + 1);
                out_.Pattern += AnyCharacter;
            }
            ++at_;
            return true;
        case '[':
            return Class();
        case '(':
            // (*VERB) may switch the whole pattern to characters.
            if (at_ + 1 < pattern_.size() && pattern_[at_ + 1] == '*')
                return false;
            groupsHoldCharacters_.push_back(false);
            if (at_ + 1 < pattern_.size() && pattern_[at_ + 1] == '?') {
                constexpr std::string_view groupKinds = ":=!>";
                if (at_ + 2 >= pattern_.size() || groupKinds.find(pattern_[at_ + 2]) == std::string_view::npos)
                    return false;
                out_.Pattern.append(pattern_.substr(at_, 3));
                at_ += 3;
                return true;
            }
            break;
        case ')':
            if (!groupsHoldCharacters_.empty()) {
                const bool holds = groupsHoldCharacters_.back();
                groupsHoldCharacters_.pop_back();
                if (holds)
                    NoteCharacterAt(at_ + 1);
            }
            break;
        default:
            break;
        }
        out_.Pattern += c;
        ++at_;
        return true;
    }

    // A class: its ASCII members stay a class, its double-byte characters
    // become alternatives beside it.
    bool Class()
    {
        size_t at = at_ + 1;
        if (at < pattern_.size() && (pattern_[at] == '^' || pattern_[at] == ']'))
            return false;
        std::string ascii;
        std::vector<std::string_view> pairs;
        while (at < pattern_.size() && pattern_[at] != ']') {
            const char c = pattern_[at];
            if (static_cast<unsigned char>(c) >= 0x80) {
                const std::string_view pair = PairAt(at);
                // A range needs characters; their bytes do not order alike.
                if (pair.empty() || !PairIsCaseFree(pair, caseless_) || (!ascii.empty() && ascii.back() == '-') ||
                    (at + 2 < pattern_.size() && pattern_[at + 2] == '-'))
                    return false;
                pairs.push_back(pair);
                at += 2;
            } else if (c == '\\') {
                if (at + 1 >= pattern_.size() || !IsByteEscape(pattern_[at + 1]))
                    return false;
                ascii.append(pattern_.substr(at, 2));
                at += 2;
            } else if (c == '[') {
                return false;  // a POSIX class, or what pcre2 may read as one
            } else {
                ascii += c;
                ++at;
            }
        }
        if (at >= pattern_.size())
            return false;  // not closed: the character matcher reports it
        at_ = at + 1;
        if (pairs.empty()) {
            out_.Pattern += "[" + ascii + "]";
            return true;
        }
        NoteCharacterAt(at_);
        out_.Pattern += "(?:";
        // Without its first members a '^' that stood for itself would
        // negate the class.
        if (!ascii.empty())
            out_.Pattern += (ascii[0] == '^' ? "[\\" : "[") + ascii + "]|";
        for (size_t i = 0; i < pairs.size(); ++i)
            out_.Pattern += (i ? "|" : "") + PairAtom(pairs[i], caseless_);
        out_.Pattern += ")";
        return true;
    }

    // Notes an atom standing for one character of more than one byte
    // ('.', a double-byte character, a class holding one, or a group
    // holding any of these) just written, with what follows it at At: the
    // groups around it hold it, and a quantifier at At repeats it ("?"
    // does not repeat).
    void NoteCharacterAt(size_t At)
    {
        if (!groupsHoldCharacters_.empty())
            groupsHoldCharacters_.back() = true;
        if (At < pattern_.size() && std::string_view("*+{").find(pattern_[At]) != std::string_view::npos)
            out_.RepeatsGroups = true;
    }

    // Whether the '.' before At, with the quantifier at At, runs to the
    // line end whatever the bytes: a "*" or "+" followed by nothing but
    // ends of groups and "$", up to the end of the pattern or of an
    // alternative at the top (so no group around it repeats). Starting at
    // a character start, it then takes whole characters, so it can stay
    // pcre2's plain repeat of any byte. Lazy, it takes as little as it
    // may: all to the line end only before a "$", else one byte where it
    // must take some (a "+", or a "*" where the empty match was found
    // already).
    bool RunsToLineEnd(size_t At) const
    {
        if (At >= pattern_.size() || (pattern_[At] != '*' && pattern_[At] != '+'))
            return false;
        ++At;
        const bool lazy = At < pattern_.size() && pattern_[At] == '?';
        if (At < pattern_.size() && (pattern_[At] == '?' || pattern_[At] == '+'))
            ++At;
        size_t depth = groupsHoldCharacters_.size();
        bool lineEnd = false;
        for (; At < pattern_.size(); ++At) {
            if (pattern_[At] == '$')
                lineEnd = true;
            else if (pattern_[At] == ')' && depth > 0)
                --depth;
            else
                break;
        }
        const bool ends = At == pattern_.size() || (pattern_[At] == '|' && depth == 0);
        return ends && (!lazy || lineEnd);
    }

    std::string_view pattern_;
    bool caseless_;
    size_t at_ = 0;
    // For each group open at at_, innermost last: whether it holds such an
    // atom so far (see NoteCharacterAt).
    std::vector<bool> groupsHoldCharacters_;
    TSynBytesRegex out_;
};

}  // namespace

std::optional<TSynBytesRegex> RegexForBytes(std::string_view Pattern, bool Caseless)
{
    return TRewriter(Pattern, Caseless).Run();
}

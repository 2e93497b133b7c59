// SoundEx and the Metaphone variant with its rule table.
#include "editor_services/spelling/syn_spell_hash.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/base/code_page.h"

namespace {

// A SoundEx digit of one single-byte character; -1 for H and W, which are
// skipped without parting a run of equal digits.
int SoundExDigit(char C)
{
    switch (UpCase(C)) {
    case 'B': case 'F': case 'P': case 'V':
        return 1;
    case 'C': case 'G': case 'J': case 'K': case 'Q': case 'S': case 'X': case 'Z':
        return 2;
    case 'D': case 'T':
        return 3;
    case 'L':
        return 4;
    case 'M': case 'N':
        return 5;
    case 'R':
        return 6;
    case 'H': case 'W':
        return -1;
    default:
        return 0;
    }
}

struct TMetaphoneRule {
    std::string_view Pattern;
    const char* Replacement;
    int Condition;
    std::string_view Context;
};

// Rules of one pattern stand together; within a pattern the first rule
// that matches anywhere in the word is the only one used for it.
constexpr TMetaphoneRule kRules[] = {
    {"AE", "E", 0, ""},   {"GN", "N", 0, ""},   {"KN", "N", 0, ""},   {"PN", "N", 0, ""},   {"WR", "R", 0, ""},
    {"PS", "S", 0, ""},   {"WH", "W", 0, ""},   {"B", "B", 6, "M"},   {"B", "B", 11, ""},   {"C", "X", 5, "CA"},
    {"C", "X", 2, "H"},   {"C", "S", 2, "I"},   {"C", "S", 2, "E"},   {"C", "S", 2, "Y"},   {"C", "", 5, "SE"},
    {"C", "", 5, "SI"},   {"C", "K", 11, ""},   {"D", "J", 2, "GE"},  {"D", "J", 2, "GY"},  {"D", "J", 2, "GI"},
    {"D", "T", 11, ""},   {"F", "F", 11, ""},   {"G", "G", 2, "G"},   {"G", "", 1, "G"},    {"G", "", 8, "H"},
    {"G", "", 10, "N"},   {"G", "", 10, "NED"}, {"G", "", 5, "DE"},   {"G", "J", 2, "I"},   {"G", "J", 2, "E"},
    {"G", "J", 2, "Y"},   {"G", "K", 11, ""},   {"H", "", 9, ""},     {"H", "", 1, "C"},    {"H", "", 1, "S"},
    {"H", "", 1, "P"},    {"H", "", 1, "T"},    {"H", "", 1, "G"},    {"H", "", 11, ""},    {"J", "J", 11, ""},
    {"K", "", 1, "C"},    {"K", "K", 11, ""},   {"L", "L", 11, ""},   {"M", "M", 11, ""},   {"N", "N", 11, ""},
    {"P", "F", 2, "H"},   {"P", "P", 11, ""},   {"Q", "K", 11, ""},   {"R", "R", 11, ""},   {"S", "X", 2, "H"},
    {"S", "X", 5, "SO"},  {"S", "X", 5, "SA"},  {"S", "S", 11, ""},   {"T", "X", 2, "IA"},  {"T", "X", 2, "IO"},
    {"T", "", 2, "CH"},   {"T", "0", 2, "H"},   {"T", "T", 11, ""},   {"V", "F", 11, ""},   {"W", "W", 4, ""},
    {"W", "", 11, ""},    {"X", "S", 0, ""},    {"X", "KS", 11, ""},  {"Y", "Y", 4, ""},    {"Y", "", 11, ""},
    {"Z", "S", 11, ""},
};
static_assert(std::size(kRules) == 66);

bool IsVowel(char C) { return C == 'A' || C == 'E' || C == 'I' || C == 'O' || C == 'U'; }

// Whether Rule codes the pattern found at offset At of Word. Every
// condition checks that the letters it reads lie inside the word.
bool RuleApplies(const TMetaphoneRule& Rule, std::string_view Word, size_t At)
{
    const size_t patternLength = Rule.Pattern.size();
    if (Word.compare(At, patternLength, Rule.Pattern) != 0)
        return false;
    const std::string_view context = Rule.Context;
    const size_t contextLength = context.size();
    const size_t next = At + patternLength;  // the first letter after the pattern
    const size_t following = Word.size() - next;
    const auto contextBefore = [&] { return At >= contextLength && Word.substr(At - contextLength, contextLength) == context; };
    const auto contextAfter = [&] { return following >= contextLength && Word.substr(next, contextLength) == context; };
    switch (Rule.Condition) {
    case 0:
        return At == 0;
    case 1:
        return contextBefore();
    case 2:
        return contextAfter();
    case 4:
        return At >= 1 && following >= 1 && IsVowel(Word[next]);
    case 5:
        return At >= 1 && following >= 1 && contextLength == 2 && Word[At - 1] == context[0] && Word[next] == context[1];
    case 6:
        return following >= 1 && contextBefore();
    case 8:
        return following >= contextLength + 1 && contextAfter() && IsVowel(Word[next + contextLength]);
    case 9:
        return At >= 1 && following >= 1 && IsVowel(Word[At - 1]) && !IsVowel(Word[next]);
    case 10:
        return following == contextLength && contextAfter();
    default:
        return true;
    }
}

// The letters the rules work on: A to Z upper-cased, double-byte
// characters left out whole, a letter equal to the one before dropped
// unless it is G.
AnsiString MetaphoneLetters(std::string_view Word)
{
    AnsiString letters;
    for (size_t i = 0; i < Word.size(); i += CharLengthAt(Word, i)) {
        if (CharLengthAt(Word, i) != 1)
            continue;
        const char c = UpCase(Word[i]);
        if (c < 'A' || c > 'Z' || (!letters.empty() && letters.back() == c && c != 'G'))
            continue;
        letters += c;
    }
    return letters;
}

}  // namespace

AnsiString SoundEx(std::string_view Word, int Length)
{
    if (Word.empty() || Length < 1)
        return "";
    const size_t firstLength = CharLengthAt(Word, 0);
    AnsiString code = firstLength == 1 ? AnsiString(1, UpCase(Word[0])) : AnsiString(Word.substr(0, firstLength));
    int written = 1;  // characters of the code, a double-byte one counting once
    int previous = firstLength == 1 ? SoundExDigit(Word[0]) : 0;
    for (size_t i = firstLength; i < Word.size() && written < Length; i += CharLengthAt(Word, i)) {
        const int digit = CharLengthAt(Word, i) == 1 ? SoundExDigit(Word[i]) : 0;
        if (digit < 0)
            continue;
        if (digit > 0 && digit != previous) {
            code += static_cast<char>('0' + digit);
            ++written;
        }
        previous = digit;
    }
    code.append(static_cast<size_t>(Length - written), '0');
    return code;
}

AnsiString Metaphone(std::string_view Word)
{
    const AnsiString letters = MetaphoneLetters(Word);
    if (letters.empty())
        return "";
    uint32_t present = 0;  // bit n: the letter 'A' + n is in the word
    for (char c : letters)
        present |= 1u << (c - 'A');
    std::vector<std::pair<const char*, size_t>> matches;  // replacement, offset in letters
    std::string_view matchedPattern;  // of the last rule that matched, while its group lasts
    for (const TMetaphoneRule& rule : kRules) {
        if (rule.Pattern == matchedPattern)
            continue;
        matchedPattern = {};
        if (!(present & (1u << (rule.Pattern[0] - 'A'))))
            continue;
        for (size_t at = 0; at < letters.size(); ++at) {
            if (letters[at] == rule.Pattern[0] && RuleApplies(rule, letters, at)) {
                matches.emplace_back(rule.Replacement, at);
                matchedPattern = rule.Pattern;
            }
        }
    }
    // A selection sort by place: the order equal places come out in is part
    // of the code, so no other sort may take its place.
    for (size_t i = 0; i < matches.size(); ++i) {
        size_t smallest = i;
        for (size_t j = i + 1; j < matches.size(); ++j)
            if (matches[j].second < matches[smallest].second)
                smallest = j;
        std::swap(matches[i], matches[smallest]);
    }
    AnsiString code;
    bool codedFirst = false;
    for (const auto& [replacement, at] : matches) {
        code += replacement;
        codedFirst = codedFirst || at == 0;
    }
    return codedFirst ? code : letters[0] + code;
}

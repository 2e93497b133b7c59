#include "editor_services/syn_regex_pattern.h"

#include "platform/base/code_page.h"

namespace {

void AppendHexByte(AnsiString& Out, char Byte)
{
    static const char Digits[] = "0123456789ABCDEF";
    const auto b = static_cast<unsigned char>(Byte);
    Out += "\\x";
    Out += Digits[b >> 4];
    Out += Digits[b & 15];
}

// The double-byte character at Pattern[I], as the matcher should read it.
void AppendDoubleByte(AnsiString& Out, std::string_view Pattern, size_t I, bool InClass)
{
    if (!InClass)
        Out += "(?-i:";
    AppendHexByte(Out, Pattern[I]);
    AppendHexByte(Out, Pattern[I + 1]);
    if (!InClass)
        Out += ')';
}

bool At(std::string_view S, size_t I, char C) { return I < S.size() && S[I] == C; }

}  // namespace

AnsiString WrapDoubleByteCharacters(std::string_view Pattern)
{
    AnsiString out;
    bool inClass = false;    // between '[' and its closing ']'
    bool inQuote = false;    // between "\Q" and "\E"
    bool inComment = false;  // inside "(?#...)"
    for (size_t i = 0; i < Pattern.size();) {
        const char c = Pattern[i];
        if (CharLengthAt(Pattern, i) == 2) {
            // Quoted text cannot hold the group: the quote pauses around it.
            if (inQuote)
                out += "\\E";
            if (inComment)
                out.append(Pattern.substr(i, 2));
            else
                AppendDoubleByte(out, Pattern, i, inClass);
            if (inQuote)
                out += "\\Q";
            i += 2;
            continue;
        }
        if (inComment) {
            inComment = c != ')';
            out += c;
            ++i;
            continue;
        }
        if (inQuote) {
            if (c == '\\' && At(Pattern, i + 1, 'E')) {
                inQuote = false;
                out += "\\E";
                i += 2;
            } else {
                out += c;
                ++i;
            }
            continue;
        }
        if (c == '\\') {
            if (At(Pattern, i + 1, 'Q')) {
                inQuote = true;
                out += "\\Q";
                i += 2;
            } else if (i + 1 < Pattern.size() && CharLengthAt(Pattern, i + 1) == 2) {
                // An escaped character that is no letter or digit is itself.
                AppendDoubleByte(out, Pattern, i + 1, inClass);
                i += 3;
            } else {
                out.append(Pattern.substr(i, 2));
                i += 2;
            }
            continue;
        }
        if (inClass) {
            if (c == '[' && At(Pattern, i + 1, ':')) {
                const size_t end = Pattern.find(":]", i + 2);
                const size_t stop = end == std::string_view::npos ? Pattern.size() : end + 2;
                out.append(Pattern.substr(i, stop - i));
                i = stop;
                continue;
            }
            inClass = c != ']';
            out += c;
            ++i;
            continue;
        }
        if (c == '[') {
            inClass = true;
            out += c;
            ++i;
            // A ']' right after the opening (or after '^') is a member.
            if (At(Pattern, i, '^'))
                out += Pattern[i++];
            if (At(Pattern, i, ']'))
                out += Pattern[i++];
            continue;
        }
        if (c == '(' && At(Pattern, i + 1, '?') && At(Pattern, i + 2, '#'))
            inComment = true;
        out += c;
        ++i;
    }
    return out;
}

AnsiString SubstituteGroups(std::string_view Replacement, std::string_view Line, std::span<const size_t> Groups)
{
    AnsiString out;
    auto appendGroup = [&](size_t Number) {
        if (2 * Number + 1 >= Groups.size())
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
        size_t number = 0;
        const size_t digits = j;
        while (isDigit(j) && number < 100000)
            number = number * 10 + static_cast<size_t>(Replacement[j++] - '0');
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

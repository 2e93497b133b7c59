// Accelerators in captions: the character after a single '&'.
#include "platform/ui/kernel/menus.h"

#include "platform/base/code_page.h"

namespace {

// The offset of the accelerator character, or npos when there is none. A
// '&' is never a trail byte, so walking by whole characters finds every
// real one.
size_t HotkeyOffset(const AnsiString& Text)
{
    size_t i = 0;
    while (i < Text.size()) {
        if (Text[i] == '&') {
            if (i + 1 >= Text.size())
                return AnsiString::npos;
            if (Text[i + 1] != '&')
                return i + 1;
            i += 2;
            continue;
        }
        i += CharLengthAt(Text, i);
    }
    return AnsiString::npos;
}

}  // namespace

bool IsAccel(WORD VK, const AnsiString& Str)
{
    size_t at = HotkeyOffset(Str);
    if (at == AnsiString::npos || CharLengthAt(Str, at) != 1 || VK > 0xFF)
        return false;
    return UpCase(Str[at]) == UpCase(static_cast<char>(VK));
}

AnsiString StripHotkey(const AnsiString& Text)
{
    AnsiString result;
    result.reserve(Text.size());
    size_t i = 0;
    while (i < Text.size()) {
        if (Text[i] == '&') {
            if (i + 1 < Text.size() && Text[i + 1] == '&')
                result += '&';
            ++i;
            if (i < Text.size() && Text[i] == '&')
                ++i;
            continue;
        }
        size_t n = CharLengthAt(Text, i);
        result.append(Text, i, n);
        i += n;
    }
    return result;
}

// A 100 MB brace-structured C-like text in GBK, Chinese in its comments and
// strings, the same on every run, for the benchmarks that type in it.
#pragma once

#include <cstddef>

#include "platform/base/ansi_string.h"

namespace {

AnsiString LargeCText()
{
    constexpr size_t Size = 100 * 1000 * 1000;
    static const char* const lines[] = {
        "void f() {\r\n",
        "    if (ready) { // \xD5\x66\xE9\x54\r\n",
        "        call(i, \"\xD6\xD0\");\r\n",
        "    }\r\n",
        "}\r\n",
    };
    AnsiString text;
    text.reserve(Size + 64);
    for (size_t i = 0; text.size() < Size; ++i)
        text += lines[i % 5];
    return text;
}

}  // namespace

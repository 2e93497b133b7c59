// Reading a text file that may not be in the system code page: UTF-8 with
// or without a byte-order mark and UTF-16 with one are recognised and
// converted to GBK; anything else is taken as GBK, byte for byte.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/base/ansi_string.h"

enum TTextFileEncoding { tfeGbk, tfeUtf8, tfeUtf16 };

struct TDecodedTextFile {
    AnsiString Text;  // the file's text in GBK
    TTextFileEncoding Encoding = tfeGbk;
    // Characters of the file that GBK cannot express; each stands in Text
    // as '?'. Always 0 for a file taken as GBK.
    size_t Unrepresentable = 0;
};

TDecodedTextFile DecodeTextFile(std::string_view Bytes);

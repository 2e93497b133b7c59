// Reading a text file that may not be in the system code page: UTF-8 with
// or without a byte-order mark and UTF-16 with one are recognised and
// converted to GBK; anything else is taken as GBK, byte for byte but for
// bytes that start no GBK character.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/base/ansi_string.h"

enum TTextFileEncoding { tfeGbk, tfeUtf8, tfeUtf16 };

struct TDecodedTextFile {
    AnsiString Text;  // the file's text in GBK
    TTextFileEncoding Encoding = tfeGbk;
    // Characters of the file that GBK cannot express, and in a file taken
    // as GBK its bytes that start no GBK character; each stands in Text as
    // '?'.
    size_t Unrepresentable = 0;
};

TDecodedTextFile DecodeTextFile(std::string_view Bytes);

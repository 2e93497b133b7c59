// The caption's title as the wide-text drawing takes it: GBK turned into
// UTF-16 and the size it takes in a canvas's font.
#pragma once

#include <string>

#include "platform/base/geometry.h"
#include "platform/base/strings.h"

class TCanvas;

// Bytes that are no GBK character keep their place as U+FFFD.
std::u16string GbkToUtf16(const AnsiString& Text);
// Width and height of Text on one line in Canvas's font.
TSize CaptionTextSize(TCanvas* Canvas, const AnsiString& Text);

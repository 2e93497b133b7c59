// What the text calls share: text decoded to characters, and the font a DC
// draws with, realized for the DC's mapping and measured in its logical
// units.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_instance.h"

// One character of the text being measured or drawn.
struct TTextChar {
    char32_t Code = 0;
    int Units = 1;       // the bytes (8-bit text) or UTF-16 units it came from
    bool Wide = false;   // a double-byte or ideographic character: lines may break on either side
    bool Accel = false;  // underlined as a menu accelerator
};

// 8-bit text in the system code page: a double-byte character is one
// character of two units; a byte that does not decode is a character of
// its own.
std::vector<TTextChar> DecodeAnsiText(std::string_view Text);
std::vector<TTextChar> DecodeWideText(std::u16string_view Text);

// The DC's selected font. Logical lengths along the baseline scale with
// the mapping of that axis (x for level text, y for text turned upright).
class TDCFont {
public:
    explicit TDCFont(const TDeviceContext& DC);

    TFontInstance& Instance() const { return *instance_; }
    const TFontMetrics& Device() const { return instance_->Metrics(); }
    const LOGFONT& Log() const { return log_; }

    // The character's advance in logical units, without character extra.
    int CharWidth(char32_t Code) { return AlongToLogical(instance_->Glyph(Code).Advance()); }
    // The advance text output gives it: with the DC's character extra.
    int Advance(char32_t Code) { return CharWidth(Code) + extra_; }

    int AlongToLogical(int Device) const { return Scale(Device, alongDen_, alongNum_); }
    int AcrossToLogical(int Device) const { return Scale(Device, acrossDen_, acrossNum_); }

private:
    static int Scale(int Value, int64_t Num, int64_t Den);

    std::shared_ptr<TFontInstance> instance_;
    LOGFONT log_;
    // device = logical * Num / Den on each axis of the text
    int64_t alongNum_ = 1;
    int64_t alongDen_ = 1;
    int64_t acrossNum_ = 1;
    int64_t acrossDen_ = 1;
    int extra_ = 0;
};

#include "platform/gdi/text_font.h"

#include <cstdlib>

#include "platform/gdi/mapping.h"

std::vector<TTextChar> DecodeAnsiText(std::string_view Text)
{
    std::vector<TTextChar> chars;
    chars.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        size_t length = 1;
        TTextChar c;
        c.Code = DecodeGbkChar(Text, i, length);
        c.Units = static_cast<int>(length);
        c.Wide = length == 2;
        chars.push_back(c);
        i += length;
    }
    return chars;
}

std::vector<TTextChar> DecodeWideText(std::u16string_view Text)
{
    std::vector<TTextChar> chars;
    chars.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        TTextChar c;
        char16_t u = Text[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < Text.size() && Text[i + 1] >= 0xDC00 && Text[i + 1] < 0xE000) {
            c.Code = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (Text[i + 1] - 0xDC00);
            c.Units = 2;
        } else {
            c.Code = u;
        }
        c.Wide = c.Code >= 0x2E80;
        chars.push_back(c);
        i += static_cast<size_t>(c.Units);
    }
    return chars;
}

TDCFont::TDCFont(const TDeviceContext& DC)
{
    const TDCState& s = DC.State();
    const LOGFONT* log = SelectedFontLog(s.Font);
    if (!log)
        log = SelectedFontLog(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    log_ = log ? *log : LOGFONT{};
    extra_ = s.CharExtra;

    int64_t xNum = 1;
    int64_t xDen = 1;
    int64_t yNum = 1;
    int64_t yDen = 1;
    if (s.MapMode != MM_TEXT) {
        xNum = std::abs(s.ViewportExt.cx);
        xDen = std::abs(s.WindowExt.cx);
        yNum = std::abs(s.ViewportExt.cy);
        yDen = std::abs(s.WindowExt.cy);
    }
    TFontRequest request;
    request.Log = log_;
    // The default height is a logical one too, so that it scales with the view.
    const int32_t height = log_.lfHeight == 0 ? 16 : log_.lfHeight;
    request.Height = ScaleRound(height, yNum, yDen);
    if (request.Height == 0)
        request.Height = height < 0 ? -1 : 1;
    request.Width = std::abs(ScaleRound(log_.lfWidth, xNum, xDen));
    instance_ = FindFontInstance(request);

    const bool upright = instance_->Quadrant() % 2 != 0;
    alongNum_ = upright ? yNum : xNum;
    alongDen_ = upright ? yDen : xDen;
    acrossNum_ = upright ? xNum : yNum;
    acrossDen_ = upright ? xDen : yDen;
}

int TDCFont::Scale(int Value, int64_t Num, int64_t Den)
{
    return Num == Den ? Value : ScaleRound(Value, Num, Den);
}

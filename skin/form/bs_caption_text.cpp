#include "skin/form/bs_caption_text.h"

#include "platform/base/code_page.h"
#include "platform/gdi/draw_text.h"
#include "skin/data/bs_draw_utils.h"

std::u16string GbkToUtf16(const AnsiString& Text)
{
    std::u16string wide;
    wide.reserve(Text.size());
    for (char32_t c : GbkToUtf32(Text)) {
        if (IsEscapedByte(c) || c > 0x10FFFF) {
            wide.push_back(u'\uFFFD');
        } else if (c >= 0x10000) {
            c -= 0x10000;
            wide.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            wide.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            wide.push_back(static_cast<char16_t>(c));
        }
    }
    return wide;
}

TSize CaptionTextSize(TCanvas* Canvas, const AnsiString& Text)
{
    TRect r{0, 0, 0, 0};
    DrawTextUnicode(Canvas, GbkToUtf16(Text), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return TSize{r.Width(), r.Height()};
}

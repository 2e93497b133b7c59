#include "editor_services/search/syn_gbk_case_fold.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/code_page.h"

namespace {

// The small letter of capital C among the scripts GBK has letters of both
// cases in; C itself for any other code point.
char32_t SmallLetterOf(char32_t C)
{
    const bool fullwidthLatin = C >= 0xFF21 && C <= 0xFF3A;
    const bool greek = C >= 0x391 && C <= 0x3A9 && C != 0x3A2;  // no capital final sigma
    const bool cyrillic = C >= 0x410 && C <= 0x42F;
    if (fullwidthLatin || greek || cyrillic)
        return C + 0x20;
    if (C >= 0x400 && C <= 0x40F)  // Ё and the other Cyrillic capitals with marks
        return C + 0x50;
    if (C >= 0x2160 && C <= 0x216F)  // Roman numerals
        return C + 0x10;
    return C;
}

// Indexed by (lead - 0x80) * 256 + trail, made once from the code page's
// own conversion.
using TFoldTable = std::array<uint16_t, 0x8000>;

const TFoldTable& FoldTable()
{
    static const std::unique_ptr<TFoldTable> table = [] {
        auto made = std::make_unique<TFoldTable>();
        for (unsigned lead = 0x80; lead <= 0xFF; ++lead)
            for (unsigned trail = 0; trail <= 0xFF; ++trail) {
                const auto code = static_cast<uint16_t>(lead << 8 | trail);
                uint16_t folded = code;
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                size_t length = 0;
                const char32_t c = DecodeGbkChar(std::string_view(pair, 2), 0, length);
                const char32_t small = length == 2 ? SmallLetterOf(c) : c;
                if (small != c) {
                    const AnsiString encoded = Utf32ToGbk(std::u32string_view(&small, 1));
                    if (encoded.size() == 2)
                        folded = static_cast<uint16_t>(static_cast<unsigned char>(encoded[0]) << 8 |
                                                       static_cast<unsigned char>(encoded[1]));
                }
                (*made)[(lead - 0x80) << 8 | trail] = folded;
            }
        return made;
    }();
    return *table;
}

}  // namespace

uint16_t GbkFoldedPair(unsigned char Lead, unsigned char Trail)
{
    if (Lead < 0x80)
        return static_cast<uint16_t>(Lead << 8 | Trail);
    return FoldTable()[static_cast<size_t>((Lead - 0x80) << 8 | Trail)];
}

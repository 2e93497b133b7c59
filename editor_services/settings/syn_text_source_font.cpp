// The font text of the settings file: name, height, style letters, pitch,
// colour and character set, joined by commas.
#include "editor_services/settings/syn_text_source.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "highlighter/scheme_conversions.h"

#include "platform/base/exceptions.h"
#include "platform/base/format.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/graphics/font.h"

namespace {

// A decimal field that must lie in Low..High; a font given a pitch or a
// character set outside its range would be one no reader can write back.
int FieldInRange(const AnsiString& Field, int Low, int High)
{
    const int value = StrToInt(Field);
    if (value < Low || value > High)
        throw EConvertError("'" + Field + "' is not a valid integer value");
    return value;
}

// A height whose point size is one a user can choose; any other is as
// malformed as a pitch out of range.
int HeightInRange(const AnsiString& Field, int PixelsPerInch)
{
    const int height = StrToInt(Field);
    const int64_t points = (std::abs(int64_t{height}) * 72 + PixelsPerInch / 2) / std::max(PixelsPerInch, 1);
    if (points < kMinFontSize || points > kMaxFontSize)
        throw EConvertError("'" + Field + "' is not a valid font height");
    return height;
}

}  // namespace

AnsiString TSynTextSource::FontStyleToString(TFontStyles Style)
{
    // The same letters the scheme files write.
    return FontStyleToStr(Style);
}

TFontStyles TSynTextSource::StringToFontStyle(const AnsiString& Text)
{
    TFontStyles style;
    for (char c : Text) {
        switch (c) {
        case 'B': case 'b': style.Include(fsBold); break;
        case 'I': case 'i': style.Include(fsItalic); break;
        case 'U': case 'u': style.Include(fsUnderline); break;
        case 'S': case 's': style.Include(fsStrikeOut); break;
        default: break;
        }
    }
    return style;
}

AnsiString TSynTextSource::FontToString(const TFont* Font)
{
    return Format("%s,%d,%s,%d,%s,%d", {Font->Name(), Font->Height(), FontStyleToString(Font->Style()),
                                         static_cast<int>(Font->Pitch()), ColorToString(Font->Color()),
                                         static_cast<int>(Font->Charset())});
}

void TSynTextSource::StringToFont(const AnsiString& Text, TFont* Font)
{
    size_t pos = 0;
    for (int field = 1; pos < Text.size(); ++field) {
        const size_t comma = Text.find(',', pos);
        const AnsiString value = Text.substr(pos, comma == AnsiString::npos ? AnsiString::npos : comma - pos);
        pos = comma == AnsiString::npos ? Text.size() : comma + 1;
        switch (field) {
        case 1: Font->SetName(value); break;
        case 2: Font->SetHeight(HeightInRange(value, Font->PixelsPerInch())); break;
        case 3: Font->SetStyle(StringToFontStyle(value)); break;
        case 4: Font->SetPitch(static_cast<TFontPitch>(FieldInRange(value, fpDefault, fpFixed))); break;
        case 5: Font->SetColor(StringToColor(value)); break;
        case 6: Font->SetCharset(static_cast<TFontCharset>(FieldInRange(value, 0, 255))); break;
        default: break;
        }
    }
}

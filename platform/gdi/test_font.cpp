#include "platform/gdi/test_font.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

class TTestFont : public TFontInstance {
public:
    TTestFont(const TFontRequest& request, int quadrant) : TFontInstance(quadrant)
    {
        const int h = request.Height == 0 ? kTestFontCellHeight : std::max(1, std::abs(request.Height));
        cellWidth_ = request.Width > 0 ? request.Width : std::max(1, h / 2);
        bold_ = request.Log.lfWeight >= FW_SEMIBOLD;
        italic_ = request.Log.lfItalic != 0;

        TFontMetrics& m = metrics_;
        m.Height = h;
        m.Descent = h * 3 / 16;
        m.Ascent = h - m.Descent;
        m.AveCharWidth = cellWidth_;
        m.MaxCharWidth = cellWidth_;
        m.Weight = request.Log.lfWeight == FW_DONTCARE ? FW_NORMAL : request.Log.lfWeight;
        m.Italic = italic_;
        m.Underline = request.Log.lfUnderline != 0;
        m.StrikeOut = request.Log.lfStrikeOut != 0;
        m.FixedPitch = true;
        m.Family = FF_MODERN;
        m.CharSet = request.Log.lfCharSet == DEFAULT_CHARSET ? GB2312_CHARSET : request.Log.lfCharSet;
        m.UnderlineOffset = 0;
        m.StrikeOutOffset = -(m.Ascent / 2);
        m.FaceName = kTestFontName;
    }

protected:
    void Render(char32_t code, TGlyph& g) override
    {
        const bool wide = code >= 0x80 && !IsEscapedByte(code);
        const int advance = wide ? 2 * cellWidth_ : cellWidth_;
        if (code <= 0x20 || code == 0x7F || code == 0x3000) {
            g.C = advance;
            return;
        }
        const int ascent = metrics_.Ascent;
        const int margin = advance >= 3 ? 1 : 0;
        const int boxTop = ascent > 2 ? 2 : 0;  // cell row
        const int boxWidth = advance - 2 * margin + (bold_ ? 1 : 0);
        const int middle = (boxTop + ascent) / 2;
        g.A = margin;
        g.B = boxWidth + (italic_ ? 1 : 0);
        g.C = advance - g.A - g.B;
        g.Left = margin;
        g.Top = boxTop - ascent;
        g.Width = g.B;
        g.Height = ascent - boxTop;
        g.Coverage.assign(static_cast<size_t>(g.Width) * g.Height, 0);
        for (int row = 0; row < g.Height; ++row) {
            const int shift = italic_ && boxTop + row < middle ? 1 : 0;
            std::fill_n(g.Coverage.begin() + row * g.Width + shift, boxWidth, uint8_t{255});
        }
    }

private:
    int cellWidth_ = kTestFontCellWidth;
    bool bold_ = false;
    bool italic_ = false;
};

}  // namespace

bool IsTestFontName(const char* FaceName)
{
    return CompareText(std::string_view(FaceName, strnlen(FaceName, LF_FACESIZE)), kTestFontName) == 0;
}

bool EveryFontIsTestFont()
{
    static const bool every = [] {
        const char* value = std::getenv("TANDRIL_TEST_FONT");
        return value && std::string_view(value) == "1";
    }();
    return every;
}

std::unique_ptr<TFontInstance> CreateTestFontInstance(const TFontRequest& Request, int Quadrant)
{
    return std::make_unique<TTestFont>(Request, Quadrant);
}

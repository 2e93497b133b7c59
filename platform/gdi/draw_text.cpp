#include "platform/gdi/draw_text.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi/text_out.h"

namespace {

using TChars = std::vector<TTextChar>;

bool IsSpace(const TTextChar& c) { return c.Code == ' '; }
bool IsBreak(const TTextChar& c) { return c.Code == '\r' || c.Code == '\n'; }

TChars ApplyPrefixes(TChars chars, unsigned format)
{
    if (format & DT_NOPREFIX)
        return chars;
    TChars out;
    out.reserve(chars.size());
    for (size_t i = 0; i < chars.size(); ++i) {
        if (chars[i].Code != '&') {
            out.push_back(chars[i]);
            continue;
        }
        if (++i == chars.size())
            break;  // a lone '&' at the end shows nothing
        TTextChar c = chars[i];
        c.Accel = chars[i].Code != '&' && !(format & DT_HIDEPREFIX);
        out.push_back(c);
    }
    return out;
}

// Measures lines: tabs reach the next stop from the line's start.
class TLineMeasure {
public:
    TLineMeasure(TDCFont& font, unsigned format)
        : font_(font), expandTabs_((format & DT_EXPANDTABS) != 0),
          tabWidth_(8 * font.AlongToLogical(font.Device().AveCharWidth))
    {
    }

    int Advance(const TTextChar& c, int x)
    {
        if (c.Code == '\t' && expandTabs_ && tabWidth_ > 0)
            return (x / tabWidth_ + 1) * tabWidth_ - x;
        return font_.Advance(c.Code);
    }

    // The pen after Chars drawn from X.
    int End(int x, const TChars& chars)
    {
        for (const TTextChar& c : chars)
            x += Advance(c, x);
        return x;
    }

    int Width(const TChars& chars) { return End(0, chars); }

    // Whether Chars drawn from 0 end within Width; measures no further
    // than the first character past it.
    bool Fits(const TChars& chars, int width)
    {
        int x = 0;
        for (const TTextChar& c : chars) {
            x += Advance(c, x);
            if (x > width)
                return false;
        }
        return true;
    }

private:
    TDCFont& font_;
    bool expandTabs_;
    int tabWidth_;
};

// Cuts paragraphs at line breaks.
std::vector<TChars> SplitParagraphs(TChars chars, unsigned format)
{
    std::vector<TChars> paragraphs(1);
    if (format & DT_SINGLELINE) {
        paragraphs[0] = std::move(chars);
        return paragraphs;
    }
    for (size_t i = 0; i < chars.size(); ++i) {
        if (!IsBreak(chars[i])) {
            paragraphs.back().push_back(chars[i]);
            continue;
        }
        // CR LF and LF CR are one break.
        if (i + 1 < chars.size() && IsBreak(chars[i + 1]) && chars[i + 1].Code != chars[i].Code)
            ++i;
        if (i + 1 < chars.size())
            paragraphs.emplace_back();
    }
    if (chars.empty())
        paragraphs.clear();
    return paragraphs;
}

// Greedy word wrap of one paragraph at Width; with BreakWords a word wider
// than the line is broken between characters instead of running past it.
void WrapParagraph(const TChars& p, int width, bool breakWords, TLineMeasure& measure, std::vector<TChars>& lines)
{
    size_t start = 0;
    do {
        int x = 0;
        size_t i = start;
        size_t breakEnd = 0;   // the line may end here (exclusive) ...
        size_t breakNext = 0;  // ... and the next one start here
        bool canBreak = false;
        for (; i < p.size(); ++i) {
            if (i > start && !IsSpace(p[i]) && (p[i].Wide || p[i - 1].Wide) && !IsSpace(p[i - 1])) {
                canBreak = true;
                breakEnd = breakNext = i;
            }
            if (IsSpace(p[i])) {
                size_t end = i;
                while (i < p.size() && IsSpace(p[i]))
                    x += measure.Advance(p[i++], x);
                if (i == p.size())
                    break;
                canBreak = true;
                breakEnd = end;
                breakNext = i;
            }
            const int advance = measure.Advance(p[i], x);
            if (x + advance > width && !canBreak && breakWords && i > start) {
                canBreak = true;
                breakEnd = breakNext = i;
            }
            if (x + advance > width && canBreak)
                break;
            x += advance;
        }
        if (i >= p.size()) {
            lines.emplace_back(p.begin() + static_cast<ptrdiff_t>(start), p.end());
            return;
        }
        lines.emplace_back(p.begin() + static_cast<ptrdiff_t>(start), p.begin() + static_cast<ptrdiff_t>(breakEnd));
        start = breakNext;
    } while (start < p.size());
}

std::vector<TChars> WrapParagraphs(const std::vector<TChars>& paragraphs, int width, bool breakWords,
                                   TLineMeasure& measure)
{
    std::vector<TChars> lines;
    for (const TChars& p : paragraphs) {
        if (p.empty())
            lines.emplace_back();
        else
            WrapParagraph(p, width, breakWords, measure, lines);
    }
    return lines;
}

TChars Dots()
{
    TChars dots(3);
    for (TTextChar& c : dots)
        c.Code = '.';
    return dots;
}

// The longest start of Line, at most Keep characters, that fits in Width
// with Tail after it (none fits: Tail alone). The width only grows with
// the start (a tab stop moves right with the pen), so the pen positions
// are measured only up to the first past Width and the cut found among
// them by binary search: a caption of megabytes costs what fits of it.
TChars CutToFit(const TChars& line, size_t keep, const TChars& tail, int width, TLineMeasure& measure)
{
    std::vector<int> pen(1, 0);  // pen[n]: the pen after the first n characters
    for (size_t i = 0; i < keep && pen[i] <= width; ++i)
        pen.push_back(pen[i] + measure.Advance(line[i], pen[i]));
    size_t fits = 0, tooWide = pen.size();  // fits is 0 or fits; every start from tooWide on is too wide
    while (tooWide - fits > 1) {
        const size_t n = fits + (tooWide - fits) / 2;
        if (measure.End(pen[n], tail) <= width)
            fits = n;
        else
            tooWide = n;
    }
    TChars cut(line.begin(), line.begin() + static_cast<ptrdiff_t>(fits));
    cut.insert(cut.end(), tail.begin(), tail.end());
    return cut;
}

TChars Ellipsize(const TChars& line, unsigned format, int width, TLineMeasure& measure)
{
    if (!(format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) || line.empty() || measure.Fits(line, width))
        return line;
    if (format & DT_PATH_ELLIPSIS) {
        size_t sep = line.size();
        for (size_t i = line.size(); i-- > 0;)
            if (line[i].Code == '/' || line[i].Code == '\\') {
                sep = i;
                break;
            }
        if (sep < line.size()) {
            TChars tail = Dots();
            tail.insert(tail.end(), line.begin() + static_cast<ptrdiff_t>(sep), line.end());
            if (measure.Fits(tail, width))
                return CutToFit(line, sep, tail, width, measure);
        }
    }
    return CutToFit(line, line.size() - 1, Dots(), width, measure);
}

int DrawChars(TDeviceContext& dc, TChars text, TRect* R, unsigned format)
{
    TDCFont font(dc);
    TLineMeasure measure(font, format);
    const TFontMetrics& m = font.Device();
    const int lineHeight =
        font.AcrossToLogical(m.Height + ((format & DT_EXTERNALLEADING) ? m.ExternalLeading : 0));
    const std::vector<TChars> paragraphs = SplitParagraphs(ApplyPrefixes(std::move(text), format), format);

    auto layOut = [&](int width, int& widest) {
        // Unwrapped paragraphs are the lines: each is cut straight from its
        // paragraph, so a huge caption is not copied whole to be cut.
        const bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
        const std::vector<TChars> wrapped = wrap ? WrapParagraphs(paragraphs, width, (format & DT_EDITCONTROL) != 0, measure)
                                                  : std::vector<TChars>{};
        std::vector<TChars> lines;
        widest = 0;
        for (const TChars& line : wrap ? wrapped : paragraphs) {
            lines.push_back(Ellipsize(line, format, width, measure));
            widest = std::max(widest, measure.Width(lines.back()));
        }
        return lines;
    };
    int width = R->Width();
    int widest = 0;
    std::vector<TChars> lines = layOut(width, widest);
    const int height = static_cast<int>(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        if ((format & DT_WORDBREAK) && widest > width)
            lines = layOut(widest, widest);
        R->Right = R->Left + widest;
        R->Bottom = R->Top + static_cast<int>(lines.size()) * lineHeight;
        return R->Bottom - R->Top;
    }

    int y = R->Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = R->Top + (R->Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = R->Bottom - lineHeight;
    }
    const int result = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) ? y - R->Top + lineHeight
                                                                                        : height;
    const unsigned savedAlign = dc.State().TextAlign;
    dc.State().TextAlign = TA_LEFT | TA_TOP;
    const unsigned options = (format & DT_NOCLIP) ? 0 : ETO_CLIPPED;
    std::vector<int> dx;
    for (const TChars& line : lines) {
        if (y >= R->Bottom && !(format & DT_NOCLIP))
            break;
        dx.resize(line.size());
        int lineWidth = 0;
        for (size_t i = 0; i < line.size(); ++i) {
            dx[i] = measure.Advance(line[i], lineWidth);
            lineWidth += dx[i];
        }
        int x = R->Left;
        if (format & DT_CENTER)
            x = R->Left + (width - lineWidth) / 2;
        else if (format & DT_RIGHT)
            x = R->Right - lineWidth;
        PaintText(dc, x, y, options, R, line, dx.data());
        y += lineHeight;
    }
    dc.State().TextAlign = savedAlign;
    return result;
}

}  // namespace

int DrawText(HDC DC, const char* Text, int Count, TRect* R, unsigned Format)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R || (!Text && Count != 0))
        return 0;
    const size_t length = Count < 0 ? std::strlen(Text) : static_cast<size_t>(Count);
    return DrawChars(*dc, DecodeAnsiText(std::string_view(Text ? Text : "", length)), R, Format);
}

int DrawTextW(HDC DC, const char16_t* Text, int Count, TRect* R, unsigned Format)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc || !R || (!Text && Count != 0))
        return 0;
    const size_t length = Count < 0 ? std::char_traits<char16_t>::length(Text) : static_cast<size_t>(Count);
    return DrawChars(*dc, DecodeWideText(std::u16string_view(Text ? Text : u"", length)), R, Format);
}

// TRichEdit: measuring and drawing rows run by run, each run in its own
// font and colour on the row's common baseline.
#include <algorithm>

#include "platform/gdi/colors.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text_measure.h"
#include "platform/gdi/text_out.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/ui/textedit/tabbed_text.h"
#include "platform/win/window_attributes.h"

template <typename TStep>
void TRichEdit::ForEachRun(int From, int To, TStep Step) const
{
    auto formatAt = [this](int Offset) {
        return Offset < static_cast<int>(runs_.size()) ? runs_[static_cast<size_t>(Offset)] : 0;
    };
    for (int at = From; at < To;) {
        int format = formatAt(at);
        int end = at + 1;
        while (end < To && formatAt(end) == format)
            ++end;
        Step(at, end, format);
        at = end;
    }
}

const TRichEdit::TMetrics& TRichEdit::MetricsOf(int Format)
{
    TMetrics& metrics = metrics_[static_cast<size_t>(Format)];
    if (metrics.Height == 0) {
        SelectObject(measureDC_, formats_[static_cast<size_t>(Format)]->Handle());
        TEXTMETRIC text;
        GetTextMetrics(measureDC_, &text);
        metrics.Height = std::max(1, static_cast<int>(text.tmHeight));
        metrics.Ascent = static_cast<int>(text.tmAscent);
        metrics.AverageWidth = std::max(1, static_cast<int>(text.tmAveCharWidth));
    }
    return metrics;
}

TRichEdit::TMetrics TRichEdit::RowMetrics(int Row)
{
    const TEditRow& row = Layout().Row(Row);
    TMetrics tallest;
    auto take = [&](int Format) {
        const TMetrics& metrics = MetricsOf(Format);
        tallest.Height = std::max(tallest.Height, metrics.Height);
        tallest.Ascent = std::max(tallest.Ascent, metrics.Ascent);
    };
    if (row.Length == 0) {
        // An empty line is as tall as its line break, or the text before.
        int length = static_cast<int>(runs_.size());
        take(row.Start < length ? runs_[static_cast<size_t>(row.Start)]
                                : (length > 0 ? runs_[static_cast<size_t>(length) - 1] : 0));
        return tallest;
    }
    ForEachRun(row.Start, row.End(), [&](int, int, int Format) { take(Format); });
    return tallest;
}

int TRichEdit::RowHeightOf(int Row)
{
    return RowMetrics(Row).Height;
}

void TRichEdit::MeasureText(int Offset, std::string_view Text, std::vector<int>& Ends)
{
    Ends.assign(Text.size(), 0);
    // Tab stops every eight average characters of the default format.
    const int tabWidth = 8 * MetricsOf(0).AverageWidth;
    int x = 0;
    ForEachRun(Offset, Offset + static_cast<int>(Text.size()), [&](int From, int To, int Format) {
        SelectObject(measureDC_, formats_[static_cast<size_t>(Format)]->Handle());
        const size_t at = static_cast<size_t>(From - Offset);
        x = MeasureTabbedText(measureDC_, Text.substr(at, static_cast<size_t>(To - From)), x, tabWidth, Ends.data() + at);
    });
}

void TRichEdit::DrawTextPiece(HDC DC, int Row, int Offset, std::string_view Text, int X, int Y, bool Selected)
{
    const TMetrics row = RowMetrics(Row);
    const bool enabled = IsWindowEnabled(Handle());
    SetBkMode(DC, TRANSPARENT);
    std::vector<int> ends;
    int x = X;
    ForEachRun(Offset, Offset + static_cast<int>(Text.size()), [&](int From, int To, int Format) {
        TFont& font = *formats_[static_cast<size_t>(Format)];
        SelectObject(DC, font.Handle());
        // Selected text keeps the highlight text colour; disabled text its grey.
        if (!Selected && enabled)
            SetTextColor(DC, ColorToRGB(font.Color()));
        std::string_view run = Text.substr(static_cast<size_t>(From - Offset), static_cast<size_t>(To - From));
        TextOut(DC, x, Y + row.Ascent - MetricsOf(Format).Ascent, run.data(), static_cast<int>(run.size()));
        MeasureText(From, run, ends);
        x += ends.back();
    });
}

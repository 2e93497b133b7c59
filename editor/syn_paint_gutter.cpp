// The gutter: line numbers or ruler ticks, the offset colours, the fold bar,
// the wrap and active-line indicators, the border, the marks and the
// modified-line bars, drawn into the off-screen bitmap and copied at once.
#include <algorithm>
#include <vector>

#include "editor/view/fill_gradient.h"
#include "editor/view/syn_active_line.h"
#include "editor/document/syn_bookmark_opt.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/syn_custom_text.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_internal_images.h"
#include "editor/view/syn_paint_scopes.h"
#include "editor/view/syn_text_drawer.h"
#include "editor/document/syn_text_mark.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/text_out.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"

namespace {

// The width of the fold bar at the gutter's right edge.
constexpr int kFoldAreaWidth = 12;

// The line numbers, or with Intens the ruler ticks between every tenth
// number and the caret line's, for the lines FirstLine..LastLine.
void PaintLineNumbers(TCustomSynText* Editor, TCanvas* Canvas, const TRect& Clip, int FirstLine, int LastLine)
{
    TSynGutter* gutter = Editor->Gutter();
    TheTextDrawer* drawer = Editor->TextDrawer();
    const bool ownFont = gutter->UseFontStyle();
    const TColor textColor = ownFont ? gutter->Font()->Color() : Editor->Font()->Color();
    if (ownFont)
        drawer->SetBaseFont(gutter->Font());
    else
        drawer->SelectStyle(TFontStyles());

    const HDC dc = Canvas->Handle();
    const bool gradient = gutter->Gradient();
    const int rowHeight = Editor->LineHeight();
    const int charWidth = drawer->BaseCharWidth();
    const int textTop = (rowHeight - drawer->BaseCharHeight()) / 2;
    const int cellRight = Editor->GutterWidth() - gutter->RightOffset() - 2;
    {
        TSynDrawingScope drawing(drawer, dc);
        drawer->SetForeground(textColor);
        drawer->SetBackground(gutter->Color());
        const int mode = gradient ? SetBkMode(dc, TRANSPARENT) : 0;
        // Over a gradient nothing is filled: the numbers are drawn on it.
        auto fill = [&](int Top, int Bottom, TColor Color) {
            if (gradient || Top >= Bottom)
                return;
            drawer->SetBackground(Color);
            drawer->GridTextOut(Clip.Left, Top, ETO_OPAQUE, Rect(Clip.Left, Top, Clip.Right, Bottom), "", 0);
            drawer->SetBackground(gutter->Color());
        };

        int bandTop = (Editor->LineToRow(FirstLine) - Editor->TopLine()) * rowHeight;
        for (int line = FirstLine; line <= LastLine; ++line) {
            const int top = (Editor->LineToRow(line) - Editor->TopLine()) * rowHeight;
            // The rows a wrapped line above continues on.
            fill(bandTop, top, gutter->Color());
            bandTop = top + rowHeight;
            AnsiString text = gutter->FormatLineNumber(
                Editor->CodeFolding()->Enabled() ? Editor->GetRealLineNumber(line) : line);
            if (Editor->OnGutterGetText)
                Editor->OnGutterGetText(Editor, line, text);
            const TRect row = Rect(Clip.Left, top, Clip.Right, top + rowHeight);
            // A strip right of the numbers (the fold marks) gets their
            // background alone.
            if (cellRight <= Clip.Left) {
                fill(top, top + rowHeight, gutter->Color());
                continue;
            }
            if (!gutter->Intens() || line == Editor->CaretY() || (!text.empty() && text.back() == '0')) {
                const int length = static_cast<int>(text.size());
                drawer->GridTextOut(cellRight - length * charWidth, top + textTop,
                                    gradient ? ETO_CLIPPED : ETO_OPAQUE | ETO_CLIPPED, row, text.data(), length);
                continue;
            }
            fill(top, top + rowHeight, gutter->Color());
            const int cellLeft = cellRight - charWidth;
            // A dash marks every fifth line, a dot the others.
            const TRect tick = !text.empty() && text.back() == '5'
                                   ? Bounds(cellLeft + 2, top + (rowHeight - 1) / 2, charWidth - 4, 1)
                                   : Bounds(cellLeft + (charWidth - 2) / 2, top + (rowHeight - 2) / 2, 2, 2);
            drawer->SetBackground(textColor);
            drawer->GridTextOut(tick.Left, tick.Top, ETO_OPAQUE, tick, "", 0);
            drawer->SetBackground(gutter->Color());
        }
        fill(bandTop, Clip.Bottom, gutter->Color());
        if (gradient)
            SetBkMode(dc, mode);
    }
    if (ownFont)
        drawer->SetBaseFont(Editor->Font());
}

}  // namespace

void TCustomSynText::PaintGutter(const TRect& AClip, int FirstRow, int LastRow)
{
    TSynCanvasSwap swap(Canvas(), gutterBitmap_.get(), ClientWidth(), ClientHeight());
    TCanvas* canvas = Canvas();
    const int rowHeight = LineHeight();
    const int rightOffset = gutter_->RightOffset();
    // No rows (an empty text, or scrolled past its end): an empty line range.
    const int firstLine = FirstRow <= LastRow ? RowToLine(FirstRow) : 1;
    const int lastLine = FirstRow <= LastRow ? RowToLine(LastRow) : 0;

    if (gutter_->Gradient())
        FillGradient(canvas, gutter_->GradientStartColor(), gutter_->GradientEndColor(), true,
                     Rect(0, 0, gutterWidth_, ClientHeight()), gutter_->GradientSteps());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(gutter_->Color());
    if (gutter_->ShowLineNumbers())
        PaintLineNumbers(this, canvas, AClip, firstLine, lastLine);
    else if (!gutter_->Gradient())
        canvas->FillRect(AClip);

    if (gutter_->LeftOffsetColor() != clNone) {
        canvas->Brush()->SetColor(gutter_->LeftOffsetColor());
        canvas->FillRect(Rect(0, 0, gutter_->LeftOffset(), ClientHeight()));
    }
    if (gutter_->RightOffsetColor() != clNone) {
        canvas->Brush()->SetColor(gutter_->RightOffsetColor());
        canvas->FillRect(Rect(gutterWidth_ - rightOffset, 0, gutterWidth_, ClientHeight()));
    }
    if (codeFolding_->Enabled()) {
        canvas->Brush()->SetColor(codeFolding_->FolderBarColor());
        canvas->FillRect(Rect(gutterWidth_ - kFoldAreaWidth, AClip.Top, gutterWidth_, AClip.Bottom));
    }

    canvas->Brush()->SetStyle(bsClear);
    TSynGlyph* wrapGlyph = wordWrap_->Indicator();
    if (GetWordWrap() && wrapGlyph->Visible()) {
        const int x = gutterWidth_ - rightOffset - wrapGlyph->Width() - 2;
        for (int row = std::max(FirstRow, 2); row <= LastRow; ++row)
            if (RowToLine(row) == RowToLine(row - 1))
                wrapGlyph->Draw(canvas, x, (row - topLine_) * rowHeight, rowHeight);
    }

    if (gutter_->BorderStyle() != gbsNone && AClip.Right >= gutterWidth_ - 2) {
        canvas->Pen()->SetWidth(1);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(gutter_->BorderColor());
        if (gutter_->BorderStyle() == gbsMiddle) {
            canvas->MoveTo(gutterWidth_ - 2, AClip.Top);
            canvas->LineTo(gutterWidth_ - 2, AClip.Bottom);
            canvas->Pen()->SetColor(gutter_->Color());
        }
        canvas->MoveTo(gutterWidth_ - 1, AClip.Top);
        canvas->LineTo(gutterWidth_ - 1, AClip.Bottom);
    }

    PaintGutterMarks(firstLine, lastLine);

    TSynGlyph* activeGlyph = activeLine_->Indicator();
    if (activeLine_->Visible() && activeGlyph->Visible())
        activeGlyph->Draw(canvas, gutter_->LeftOffset() + 2, (DisplayY() - topLine_) * rowHeight, rowHeight);

    if (gutter_->ShowLineModified()) {
        canvas->Brush()->SetStyle(bsSolid);
        for (int row = FirstRow; row <= LastRow; ++row) {
            const TSynLineState* state = lines_->GetLineState(RowToLine(row) - 1);
            if (!state || state->Modified == lmUnchanged)
                continue;
            canvas->Brush()->SetColor(state->Modified == lmSaved ? gutter_->LineNormalColor()
                                                                 : gutter_->LineModifiedColor());
            const int top = (row - topLine_) * rowHeight;
            canvas->FillRect(Rect(gutterWidth_ - rightOffset, top, gutterWidth_ - rightOffset + 5, top + rowHeight));
        }
    }

    swap.CopyToWindow(AClip);
}

void TCustomSynText::PaintGutterMarks(int FirstLine, int LastLine)
{
    if (LastLine < FirstLine)
        return;
    TCanvas* canvas = Canvas();
    const int rowHeight = LineHeight();
    const int leftMargin = bookMarkOpt_->LeftMargin();
    const int step = bookMarkOpt_->Xoffset();
    const bool firstKind = bookMarkOpt_->DrawBookmarksFirst();
    // How far right the next mark of each line goes.
    std::vector<int> offsets(static_cast<size_t>(LastLine - FirstLine + 1), 0);
    auto rowTop = [&](int Line) { return (LineToRow(Line) - topLine_) * rowHeight; };

    auto drawMark = [&](TSynTextMark* Mark) {
        int& offset = offsets[static_cast<size_t>(Mark->Line() - FirstLine)];
        const int index = Mark->ImageIndex();
        TCustomImageList* images = bookMarkOpt_->BookmarkImages();
        if (images && !Mark->InternalImage()) {
            if (index < 0 || index >= images->Count())
                return;
            if (Mark->IsBookmark() == firstKind)
                offset = 0;
            else if (offset == 0)
                offset = step;
            images->Draw(canvas, leftMargin + offset, rowTop(Mark->Line()), index);
            offset += step;
        } else if (index >= 0 && index <= 9) {
            if (!internalBookmarkImage_)
                internalBookmarkImage_ = std::make_unique<TSynInternalImage>("SynTextInternalImages", 10);
            // The built-in pictures don't stack: only the first one of a line shows.
            if (offset == 0)
                internalBookmarkImage_->DrawMark(canvas, index, leftMargin, rowTop(Mark->Line()), rowHeight);
            offset += step;
        }
    };

    if (bookMarkOpt_->GlyphsVisible() && marks_->Count() > 0) {
        auto shown = [&](TSynTextMark* Mark) {
            return Mark->Visible() && Mark->Line() >= FirstLine && Mark->Line() <= LastLine;
        };
        bool others = false;
        for (int i = 0; i < marks_->Count(); ++i) {
            TSynTextMark* mark = marks_->Items(i);
            if (!shown(mark))
                continue;
            if (mark->IsBookmark() == firstKind)
                drawMark(mark);
            else
                others = true;
        }
        for (int i = 0; others && i < marks_->Count(); ++i) {
            TSynTextMark* mark = marks_->Items(i);
            if (shown(mark) && mark->IsBookmark() != firstKind)
                drawMark(mark);
        }
    }
    if (OnGutterPaint)
        for (int line = FirstLine; line <= LastLine; ++line)
            OnGutterPaint(this, line, offsets[static_cast<size_t>(line - FirstLine)], rowTop(line));
}

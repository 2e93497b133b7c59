// The text rows: highlighter tokens in runs, the selection, the row colours,
// the fold decorations, the right edge and the line divider. Each row is
// drawn into the off-screen bitmap and copied to the window when finished.
#include <algorithm>
#include <string_view>
#include <vector>

#include "editor/view/syn_active_line.h"
#include "editor/syn_buffer_plugin.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_paint_row.h"
#include "editor/view/syn_paint_scopes.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_text_background.h"
#include "editor/view/syn_text_drawer.h"
#include "platform/base/code_page.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

namespace {

// One highlighter token of a line, in expanded columns of the line.
struct TLineToken {
    int StartCol;
    int EndCol;  // the column after the token
    TSynHighlighterAttributes* Attr;
};

// A column on the second byte of a double-byte character moves onto the
// next character, so that a column block never splits one.
int WholeCharColumn(std::string_view Text, int Col)
{
    if (Col >= 2 && Col <= static_cast<int>(Text.size()) && IsDBCSLeadByte(Text[static_cast<size_t>(Col - 2)]) &&
        ByteTypeAt(Text, static_cast<size_t>(Col - 1)) == mbTrailByte)
        return Col + 1;
    return Col;
}

}  // namespace

struct TCustomSynText::TTextPaint {
    TTextPaint(const TSynPaintRowSetup& Setup, TSynCanvasSwap& CanvasSwap) : Row(Setup), Swap(CanvasSwap) {}

    TSynPaintRow Row;
    TSynCanvasSwap& Swap;
    TRect Clip;  // right of the text's left margin
    int FirstRow = 1;
    int LastRow = 0;
    int FirstCol = 1;
    int LastCol = 1;
    int RowHeight = 1;
    int CharWidth = 1;
    TColor Foreground = clWindowText;  // the editor's own colours
    TColor Background = clWindow;
    bool Picture = false;
    bool Highlighting = false;
    bool RightEdge = false;  // the right edge lies in the clip
    int RightEdgeX = 0;
    // The selection in display positions, start before end; in column mode
    // the columns are ordered too.
    bool Selection = false;
    TDisplayCoord SelStart;
    TDisplayCoord SelEnd;
    int SelFirstLine = 0;
    int SelLastLine = 0;
    int ActiveFoldLevel = 0;  // level of the innermost fold range holding the caret line
    std::vector<TLineToken> Tokens;
};

int TCustomSynText::RowStartColumn(int Row) const
{
    return wordWrapPlugin_ ? wordWrapPlugin_->DisplayToBufferPos(DisplayCoord(1, Row)).Char : 1;
}

void TCustomSynText::PaintTextLines(const TRect& AClip, int FirstRow, int LastRow, int FirstCol, int LastCol)
{
    // A program may have the window painted while it holds the lines in an
    // update; the rows are tokenized from the line states.
    ScanPendingRanges();
    TSynCanvasSwap swap(Canvas(), gutterBitmap_.get(), ClientWidth(), ClientHeight());
    TCanvas* canvas = Canvas();
    const int textLeft = gutterWidth_ + 2;
    const int rowHeight = LineHeight();
    const int charWidth = std::max(charWidth_, 1);
    // x of display column 1, left of the text when scrolled horizontally.
    const int columnOneX = textLeft - (leftChar_ - 1) * charWidth;

    // The editor's colours: the font's and the control's, unless the
    // highlighter's whitespace says otherwise (a clWindow foreground would
    // make the text vanish, so it doesn't count). The whitespace is asked
    // for in the highlighter's start state: a rule-based highlighter answers
    // from the range it was left in, which depends on whatever line was
    // tokenized last.
    TColor foreground = Font()->Color();
    TColor background = Color();
    const bool highlighting = highlighter_ && highlighter_->Enabled();
    if (highlighting)
        highlighter_->ResetRange();
    if (TSynHighlighterAttributes* blank =
            highlighting ? highlighter_->GetDefaultAttribute(kDefaultAttrWhitespace) : nullptr) {
        if (blank->Foreground() != clNone && blank->Foreground() != clWindow)
            foreground = blank->Foreground();
        if (blank->Background() != clNone)
            background = blank->Background();
    }

    TRect clip = AClip;
    if (clip.Left < textLeft) {
        const TRect margin = Rect(std::max(clip.Left, gutterWidth_), clip.Top, textLeft, clip.Bottom);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(background);
        canvas->FillRect(margin);
        swap.CopyToWindow(margin);
        clip.Left = textLeft;
    }

    TSynPaintRowSetup setup;
    setup.DC = swap.BitmapDC();
    setup.Drawer = textDrawer_.get();
    setup.CharWidth = charWidth;
    setup.RowHeight = rowHeight;
    setup.TextTop = (rowHeight - textDrawer_->BaseCharHeight()) / 2;
    setup.ColumnOneX = columnOneX;
    setup.Right = clip.Right;
    setup.FirstCol = FirstCol;
    setup.LastCol = LastCol;
    setup.DefaultForeground = foreground;
    setup.DefaultBackground = background;
    setup.FontStyle = Font()->Style();
    setup.SelectedForeground = selectedColor_->Foreground();
    setup.SelectedBackground = selectedColor_->Background();
    setup.EditorColor = Color();
    setup.PictureShows = background_->Visible() && !background_->Background()->Empty();
    setup.ShowSpecialChars = options_.Contains(eoShowSpecialChars);
    setup.SpecialLineDefaultFg = options_.Contains(eoSpecialLineDefaultFg);

    if (clip.Left <= gutterWidth_ + 2 && clip.Right >= ClientWidth() && clip.Top <= 0 && clip.Bottom >= ClientHeight())
        guideIndentsShown_.clear();
    TTextPaint paint(setup, swap);
    paint.Clip = clip;
    paint.FirstRow = FirstRow;
    paint.LastRow = LastRow;
    paint.FirstCol = FirstCol;
    paint.LastCol = LastCol;
    paint.RowHeight = rowHeight;
    paint.CharWidth = charWidth;
    paint.Foreground = foreground;
    paint.Background = background;
    paint.Picture = setup.PictureShows;
    paint.Highlighting = highlighting;
    paint.RightEdgeX = rightEdge_->Position() * charWidth + columnOneX;
    paint.RightEdge = rightEdge_->Visible() && rightEdge_->Position() > 0 && paint.RightEdgeX >= clip.Left &&
                      paint.RightEdgeX < clip.Right;

    // The picture goes under all rows at once, before the drawer takes the
    // context: drawing it selects the canvas's own font and colours.
    if (paint.Picture) {
        TRect source = clip;
        OffsetRect(source, (leftChar_ - 1) * charWidth - textLeft, (topLine_ - 1) * rowHeight);
        background_->PaintBackground(canvas, source, background, clip);
    }

    TSynDrawingScope drawing(textDrawer_.get(), swap.BitmapDC());
    // Every piece of text fills its rectangle first; a text background of
    // its own would only paint the same pixels again.
    SetBkMode(swap.BitmapDC(), TRANSPARENT);
    if (FirstRow <= LastRow && clip.Left < clip.Right) {
        const int firstLine = RowToLine(FirstRow);
        const int lastLine = RowToLine(LastRow);
        const TBufferCoord start = BlockBegin();
        const TBufferCoord end = BlockEnd();
        if ((!hideSelection_ || Focused()) && start != end && start.Line <= lastLine && end.Line >= firstLine) {
            paint.Selection = true;
            paint.SelStart = BufferToDisplayPos(start);
            paint.SelEnd = BufferToDisplayPos(end);
            paint.SelFirstLine = start.Line;
            paint.SelLastLine = end.Line;
            if (selectionMode_ == smColumn && paint.SelStart.Column > paint.SelEnd.Column)
                std::swap(paint.SelStart.Column, paint.SelEnd.Column);
        }
        if (codeFolding_->Enabled() && codeFolding_->IndentGuides())
            paint.ActiveFoldLevel = CaretFoldLevel();
        textDrawer_->SelectStyle(Font()->Style());
        for (int line = firstLine; line <= lastLine; ++line)
            PaintLineRows(paint, line);
    }

    const TRect below = Rect(clip.Left, std::max((LastRow - topLine_ + 1) * rowHeight, clip.Top), clip.Right,
                             clip.Bottom);
    if (!IsRectEmpty(below)) {
        if (!paint.Picture)
            paint.Row.FillRect(below, background);
        if (paint.RightEdge)
            paint.Row.Line(paint.RightEdgeX, below.Top, paint.RightEdgeX, below.Bottom, rightEdge_->Color(),
                           rightEdge_->Style());
        swap.CopyToWindow(below);
    }
}

void TCustomSynText::PaintLineRows(TTextPaint& P, int Line)
{
    const AnsiString text = lines_->GetExpandedString(Line - 1);
    const int lineLastRow = LineToRow(Line + 1) - 1;
    const int firstRow = std::max(LineToRow(Line), P.FirstRow);
    const int lastRow = std::min(lineLastRow, P.LastRow);
    if (firstRow > lastRow)
        return;

    // Row colours: the active line, then the line's own colours, then
    // whatever the special-line handler gives.
    TColor foreground = P.Foreground;
    TColor background = P.Background;
    if (activeLine_->Visible() && Line == caretY_) {
        if (activeLine_->Foreground() != clNone)
            foreground = activeLine_->Foreground();
        if (activeLine_->Background() != clNone)
            background = activeLine_->Background();
    }
    if (const TSynLineState* state = lines_->GetLineState(Line - 1)) {
        if ((state->ColorFlags & lcForeground) && state->Foreground != clNone)
            foreground = state->Foreground;
        if ((state->ColorFlags & lcBackground) && state->Background != clNone)
            background = state->Background;
    }
    TColor specialForeground = clNone;
    TColor specialBackground = clNone;
    const bool special = DoOnSpecialLineColors(Line, specialForeground, specialBackground);
    if (specialForeground != clNone)
        foreground = specialForeground;
    if (specialBackground != clNone)
        background = specialBackground;

    // The tokens that reach into the painted columns, read once for all
    // rows of the line; the highlighter goes on from the range the line
    // above ended with.
    P.Tokens.clear();
    if (P.Highlighting) {
        const int firstCol = RowStartColumn(firstRow) + P.FirstCol - 1;
        const int lastCol = RowStartColumn(lastRow) + P.LastCol - 1;
        if (Line == 1)
            highlighter_->ResetRange();
        else
            highlighter_->SetRange(reinterpret_cast<void*>(LineRange(Line - 2)));
        highlighter_->SetLine(text, Line - 1);
        while (!highlighter_->GetEol()) {
            const int start = highlighter_->GetTokenPos() + 1;
            if (start > lastCol)
                break;
            const int end = start + static_cast<int>(highlighter_->GetToken().size());
            if (end > firstCol)
                P.Tokens.push_back(TLineToken{start, end, highlighter_->GetTokenAttribute()});
            highlighter_->Next();
        }
    }

    const int textLeft = gutterWidth_ + 2;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int rowStart = RowStartColumn(row);
        const int textLength = static_cast<int>(text.size());
        const int rowEnd = wordWrapPlugin_ ? std::min(rowStart - 1 + wordWrapPlugin_->GetRowLength(row), textLength)
                                           : textLength;
        const std::string_view rowText = rowStart <= textLength
                                             ? std::string_view(text).substr(static_cast<size_t>(rowStart - 1),
                                                                             static_cast<size_t>(rowEnd - rowStart + 1))
                                             : std::string_view();
        const int rowLength = static_cast<int>(rowText.size());
        const bool mark = options_.Contains(eoShowSpecialChars) && row == lineLastRow && rowLength + 1 <= P.LastCol;

        TSynRowSelection selection;
        if (P.Selection && Line >= P.SelFirstLine && Line <= P.SelLastLine) {
            int first = 1;
            int last = kSynRowEnd;
            if (selectionMode_ == smColumn) {
                first = WholeCharColumn(rowText, P.SelStart.Column);
                last = WholeCharColumn(rowText, P.SelEnd.Column);
            } else if (selectionMode_ == smNormal) {
                if (row < P.SelStart.Row || row > P.SelEnd.Row)
                    last = first;
                if (row == P.SelStart.Row)
                    first = P.SelStart.Column;
                if (row == P.SelEnd.Row)
                    last = P.SelEnd.Column;
            }
            first = std::max(first, P.FirstCol);
            if (last > P.LastCol)
                last = kSynRowEnd;
            if (first < last && first == P.FirstCol && last == kSynRowEnd)
                selection.Kind = TSynRowSelection::Whole;
            else if (first < last)
                selection = TSynRowSelection{TSynRowSelection::Part, first, last};
        }

        const int top = (row - topLine_) * P.RowHeight;
        const TRect rowRect = Rect(textLeft, top, ClientWidth(), top + P.RowHeight);
        P.Row.Begin(top, rowText, mark, foreground, background, special, selection);
        if (P.Highlighting) {
            for (const TLineToken& token : P.Tokens) {
                const int first = std::max(token.StartCol - rowStart + 1, 1);
                const int last = std::min(token.EndCol - rowStart + 1, rowLength + 1);
                if (first > P.LastCol)
                    break;
                if (last > P.FirstCol)
                    P.Row.AddToken(first, last, token.Attr);
            }
        } else {
            P.Row.AddToken(1, rowLength + 1, nullptr);
        }
        P.Row.Finish();

        if (codeFolding_->Enabled())
            PaintFoldDecorations(P, Line, row, rowRect);
        if (P.RightEdge)
            P.Row.Line(P.RightEdgeX, top, P.RightEdgeX, rowRect.Bottom + 1, rightEdge_->Color(), rightEdge_->Style());
        if (lineDivider_->Visible())
            P.Row.Line(textLeft, rowRect.Bottom - 1, rowRect.Right, rowRect.Bottom - 1, lineDivider_->Color(),
                       lineDivider_->Style());
        P.Swap.CopyToWindow(Rect(P.Clip.Left, top, P.Clip.Right, rowRect.Bottom));
    }
}

void TCustomSynText::PaintFoldDecorations(TTextPaint& P, int Line, int Row, const TRect& RowRect)
{
    TSynTextFoldRange* range = GetFoldRangeStartingAt(Line);
    const bool collapsedHead = range && range->Collapsed && !range->ParentCollapsed;
    const bool lastRowOfLine = Row == LineToRow(Line + 1) - 1;
    const int scroll = (leftChar_ - 1) * P.CharWidth;

    if (collapsedHead && lastRowOfLine && codeFolding_->CollapsedCodeHint()) {
        // The box sits over the five blanks that collapsing appended to the
        // line; the mouse finds it through the same rectangle.
        const int rowEnd = lines_->GetExpandedLength(Line - 1) - RowStartColumn(Row) + 1;
        range->MakeCollapsedData().HintMarkLeft = (rowEnd - 5) * P.CharWidth + gutterWidth_ + 2;
        TRect box = GetCollapseMarkRect(range, Row);
        OffsetRect(box, -scroll, 0);
        if (box.Right > gutterWidth_ + 2) {
            P.Row.FillRect(Rect(box.Left, box.Top, box.Right, box.Top + 1), clBlack);
            P.Row.FillRect(Rect(box.Left, box.Bottom - 1, box.Right, box.Bottom), clBlack);
            P.Row.FillRect(Rect(box.Left, box.Top, box.Left + 1, box.Bottom), clBlack);
            P.Row.FillRect(Rect(box.Right - 1, box.Top, box.Right, box.Bottom), clBlack);
            const int y = box.Top + (box.Height() / 5) * 3;
            for (const int x :
                 {box.Left + P.CharWidth - 2, box.Left + (3 * P.CharWidth) / 2 - 1, box.Right - P.CharWidth})
                P.Row.FillRect(Rect(x, y, x + 2, y + 2), clBlack);
        }
    }

    if (codeFolding_->IndentGuides() && Row == LineToRow(Line)) {
        for (const auto& [columns, active] : GuidesDrawn(FoldRangesAround(Line), P.ActiveFoldLevel)) {
            if (std::find(guideIndentsShown_.begin(), guideIndentsShown_.end(), columns) == guideIndentsShown_.end())
                guideIndentsShown_.push_back(columns);
            const int x = gutterWidth_ + columns * P.CharWidth - scroll;
            P.Row.Line(x, RowRect.Top, x, RowRect.Bottom, active ? static_cast<TColor>(RGB(160, 160, 255)) : clWindow);
            // With an odd row height the dots of odd lines start one lower,
            // so that the pattern runs on from row to row.
            const int first = RowRect.Top + (P.RowHeight % 2 == 1 && Line % 2 == 1 ? 1 : 0);
            const TColor dots = active ? clBlack : clGray;
            for (int y = first; y < RowRect.Bottom; y += 2)
                P.Row.Dot(x, y, dots);
        }
    }

    if (collapsedHead && lastRowOfLine && codeFolding_->ShowCollapsedLine()) {
        // Left at its default, the rule takes the colour of the fold bar's lines.
        const TColor color = codeFolding_->CollapsedLineColor() == clDefault ? codeFolding_->FolderBarLinesColor()
                                                                             : codeFolding_->CollapsedLineColor();
        P.Row.Line(RowRect.Left, RowRect.Bottom - 1, RowRect.Right, RowRect.Bottom - 1, color);
    }
}

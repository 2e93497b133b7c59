// Painting: the paint handler, the fold marks, the invalidation the rest of
// the editor uses, and the repaints the option objects ask for.
#include <algorithm>
#include <climits>
#include <optional>

#include "editor/view/syn_active_line.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_line_map.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_text_drawer.h"
#include "editor/syn_text_plugin.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/regions.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/win/update_region.h"

namespace {

// The side of the box of a fold mark, and its distance from the gutter's
// right edge.
constexpr int kFoldMarkSize = 9;
constexpr int kFoldMarkRightGap = 1;

}  // namespace

void TCustomSynText::Paint()
{
    const int charWidth = std::max(charWidth_, 1);
    const int rowHeight = std::max(LineHeight(), 1);
    const TRect clip = Canvas()->ClipRect();
    const int textLeft = gutterWidth_ + 2;

    const int firstCol = clip.Left > textLeft ? leftChar_ + (clip.Left - textLeft) / charWidth : leftChar_;
    const int lastCol = leftChar_ + (clip.Right - textLeft + charWidth - 1) / charWidth;
    const int firstRow = std::max(topLine_ + clip.Top / rowHeight, std::max(topLine_, 1));
    const int lastRow = std::min(topLine_ + (clip.Bottom + rowHeight - 1) / rowHeight, DisplayLineCount());

    HideEditorCaret();
    // The fold marks are drawn for every row in the window, whatever rows
    // the clip holds, when it reaches into the gutter.
    std::optional<TSynFoldLineMapScope> foldMap;
    if (codeFolding_->Enabled() && lines_->Count() > 0) {
        const int lastLine = RowToLine(std::max(lastRow, topLine_ + linesInWindow_));
        // Inside an update the scan waits: the update's end has it reach
        // the view then.
        if (paintLock_ != 0 && FoldScanPending())
            paintedBeforeFoldScan_ = true;
        ReachFoldScan(lastLine, TFoldReach::StartsIfNear);
        foldMap.emplace(*allFoldRanges_, RowToLine(std::min(firstRow, topLine_)), lastLine, caretY_);
    }
    TRect box;
    if (GetClipBox(Canvas()->Handle(), &box) != COMPLEXREGION) {
        if (clip.Left < gutterWidth_)
            PaintGutter(Rect(clip.Left, clip.Top, std::min(clip.Right, gutterWidth_), clip.Bottom), firstRow, lastRow);
        if (clip.Left < gutterWidth_ && codeFolding_->Enabled() && gutter_->Visible() && lines_->Count() > 0)
            PaintFoldMarks();
        if (clip.Right > gutterWidth_)
            PaintTextLines(Rect(std::max(clip.Left, gutterWidth_), clip.Top, clip.Right, clip.Bottom), firstRow,
                           lastRow, firstCol, lastCol);
    } else {
        PaintPieces(clip);
    }

    // A plug-in may remove itself while it paints.
    const std::vector<TSynTextPlugin*> plugins = plugins_;
    for (TSynTextPlugin* plugin : plugins)
        plugin->AfterPaint(Canvas(), clip, firstRow, lastRow);
    DoOnPaint();
    DoOnPaintTransient(ttAfter);
    UpdateCaret();
}

TRect TCustomSynText::PaintedPart(const TRect& Area)
{
    HDC dc = Canvas()->Handle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, Area.Left, Area.Top, Area.Right, Area.Bottom);
    TRect box;
    if (GetClipBox(dc, &box) == NULLREGION)
        box = TRect{};
    RestoreDC(dc, saved);
    return box;
}

void TCustomSynText::PaintPieces(const TRect& Clip)
{
    // A few rows and a strip of the gutter (a keystroke's line and the
    // fold marks below it) are painted as such, not as the box around them.
    const int rowHeight = std::max(LineHeight(), 1);
    const TRect gutter = PaintedPart(Rect(0, Clip.Top, gutterWidth_, Clip.Bottom));
    if (!IsRectEmpty(gutter))
        PaintGutter(gutter, std::max(topLine_ + gutter.Top / rowHeight, std::max(topLine_, 1)),
                    std::min(topLine_ + (gutter.Bottom + rowHeight - 1) / rowHeight, DisplayLineCount()));
    if (!IsRectEmpty(gutter) && codeFolding_->Enabled() && gutter_->Visible() && lines_->Count() > 0)
        PaintFoldMarks();
    // The text row by row, rows painted alike in one go.
    const int charWidth = std::max(charWidth_, 1);
    const int textLeft = gutterWidth_ + 2;
    TRect run{};
    auto paintRun = [&] {
        if (IsRectEmpty(run))
            return;
        const int firstCol = run.Left > textLeft ? leftChar_ + (run.Left - textLeft) / charWidth : leftChar_;
        const int lastCol = leftChar_ + (run.Right - textLeft + charWidth - 1) / charWidth;
        const int first = std::max(topLine_ + run.Top / rowHeight, std::max(topLine_, 1));
        const int last = std::min(topLine_ + (run.Bottom + rowHeight - 1) / rowHeight - 1, DisplayLineCount());
        PaintTextLines(run, first, last, firstCol, lastCol);
        run = TRect{};
    };
    for (int top = Clip.Top / rowHeight * rowHeight; top < Clip.Bottom; top += rowHeight) {
        const TRect part = PaintedPart(Rect(gutterWidth_, std::max(top, Clip.Top), Clip.Right,
                                            std::min(top + rowHeight, Clip.Bottom)));
        if (!IsRectEmpty(run) && (IsRectEmpty(part) || part.Left != run.Left || part.Right != run.Right))
            paintRun();
        if (IsRectEmpty(part))
            continue;
        if (IsRectEmpty(run))
            run = part;
        else
            run.Bottom = part.Bottom;
    }
    paintRun();
}

void TCustomSynText::PaintFoldMarks()
{
    TCanvas* canvas = Canvas();
    const int rowHeight = LineHeight();
    const int right = gutterWidth_ - kFoldMarkRightGap;
    const int left = right - kFoldMarkSize;
    const int midX = left + kFoldMarkSize / 2;
    const TColor lines = codeFolding_->FolderBarLinesColor();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(lines);

    const int lastRow = std::min(topLine_ + linesInWindow_, DisplayLineCount());
    int previousLine = topLine_ > 1 ? RowToLine(topLine_ - 1) : 0;
    for (int row = topLine_; row <= lastRow; ++row) {
        const int line = RowToLine(row);
        const int top = (row - topLine_) * rowHeight;
        const int bottom = top + rowHeight;
        const int midY = top + rowHeight / 2;
        const bool continuation = line == previousLine;
        previousLine = line;

        if (IsInsideFold(line)) {
            canvas->MoveTo(midX, top);
            canvas->LineTo(midX, bottom);
        }
        if (IsFoldEnd(line)) {
            canvas->MoveTo(midX, top);
            canvas->LineTo(midX, midY);
            canvas->LineTo(right - 2, midY);
        }
        if (continuation)
            continue;
        TSynTextFoldRange* range = GetFoldRangeStartingAt(line);
        // A range that never closed is one line long and has nothing to fold.
        if (!range || (!range->Collapsed && range->ToLine() <= range->FromLine()))
            continue;
        if (!range->Collapsed) {
            canvas->MoveTo(midX, midY);
            canvas->LineTo(midX, bottom);
        }
        const int boxTop = top + (rowHeight - kFoldMarkSize) / 2;
        const TRect box = Rect(left, boxTop, right, boxTop + kFoldMarkSize);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(clWindow);
        if (codeFolding_->CollapsingMarkStyle() == msSquare) {
            canvas->FillRect(box);
            canvas->Brush()->SetColor(lines);
            canvas->FrameRect(box);
        } else {
            canvas->Ellipse(box);
        }
        const int boxMidY = boxTop + kFoldMarkSize / 2;
        canvas->MoveTo(box.Left + 2, boxMidY);
        canvas->LineTo(box.Right - 2, boxMidY);
        if (range->Collapsed) {
            canvas->MoveTo(midX, box.Top + 2);
            canvas->LineTo(midX, box.Bottom - 2);
        }
    }
}

// --- Invalidation ---

void TCustomSynText::InvalidateRect(const TRect& ARect, bool AErase)
{
    if (HandleAllocated() && (paintLock_ == 0 || CountLockedInvalidation()))
        ::InvalidateRect(Handle(), &ARect, AErase);
}

void TCustomSynText::InvalidateArea(const TRect& R)
{
    if (!Visible() || !HandleAllocated() || IsRectEmpty(R))
        return;
    if (stateFlags_.Contains(sfLinesChanging)) {
        // RecalcLayout invalidates the collected areas once the lines have
        // settled.
        invalidAreas_.Add(R);
        return;
    }
    InvalidateRect(R, false);
}

void TCustomSynText::FlushCollectedAreas()
{
    for (const TRect& area : invalidAreas_.Areas())
        InvalidateRect(area, false);
    invalidAreas_.Clear();
}

bool TCustomSynText::CountLockedInvalidation()
{
    if (lockedInvalidations_ > MaxLockedInvalidations)
        return false;
    if (++lockedInvalidations_ <= MaxLockedInvalidations)
        return true;
    ::InvalidateRect(Handle(), nullptr, false);
    return false;
}

TRect TCustomSynText::FoldMarkColumn(int FirstRow, int LastRow) const
{
    const int rowHeight = LineHeight();
    return Rect(gutterWidth_ - kFoldMarkRightGap - kFoldMarkSize, (FirstRow - topLine_) * rowHeight, gutterWidth_,
                (LastRow - topLine_ + 1) * rowHeight);
}

void TCustomSynText::RepaintGutter() { InvalidateArea(Rect(0, 0, gutterWidth_, ClientHeight())); }

void TCustomSynText::RepaintGutterLines(int FirstLine, int LastLine)
{
    if (FirstLine == -1 && LastLine == -1) {
        RepaintGutter();
        return;
    }
    if (LastLine < FirstLine)
        std::swap(FirstLine, LastLine);
    const int firstRow = std::max(LineToRow(std::max(FirstLine, 1)), topLine_);
    const int lastRow = LastLine > lines_->Count() ? topLine_ + linesInWindow_
                                                   : std::min(LineToRow(LastLine + 1) - 1, topLine_ + linesInWindow_);
    if (lastRow < firstRow)
        return;
    const int rowHeight = LineHeight();
    InvalidateArea(
        Rect(0, (firstRow - topLine_) * rowHeight, gutterWidth_, (lastRow - topLine_ + 1) * rowHeight));
}

void TCustomSynText::RepaintLines(int FirstLine, int LastLine)
{
    if (FirstLine == -1 && LastLine == -1) {
        InvalidateArea(Rect(gutterWidth_, 0, ClientWidth(), ClientHeight()));
        return;
    }
    FirstLine = std::max(FirstLine, 1);
    LastLine = std::max(LastLine, 1);
    if (LastLine < FirstLine)
        std::swap(FirstLine, LastLine);
    const int firstRow = std::max(LineToRow(FirstLine), topLine_);
    // The next line's row is asked for, so that every row of a wrapped
    // last line is counted.
    const int lastRow = LastLine >= lines_->Count() ? topLine_ + linesInWindow_
                                                    : std::min(LineToRow(LastLine + 1) - 1, topLine_ + linesInWindow_);
    if (lastRow < firstRow)
        return;
    const int rowHeight = LineHeight();
    InvalidateArea(
        Rect(gutterWidth_, (firstRow - topLine_) * rowHeight, ClientWidth(), (lastRow - topLine_ + 1) * rowHeight));
}

void TCustomSynText::InvalidateLine(int Line) { RepaintLines(Line, Line); }

void TCustomSynText::RepaintSelection() { RepaintLines(BlockBegin().Line, BlockEnd().Line); }

// --- Option changes ---

int TCustomSynText::GutterCharWidth()
{
    if (!gutter_->UseFontStyle())
        return charWidth_;
    // Measured the way the gutter paints its digits: on the drawer's grid.
    // Measuring swaps the drawer's font twice, too slow for every new line.
    if (gutterCharWidth_ == 0) {
        textDrawer_->SetBaseFont(gutter_->Font());
        gutterCharWidth_ = textDrawer_->BaseCharWidth();
        textDrawer_->SetBaseFont(Font());
    }
    return gutterCharWidth_;
}

void TCustomSynText::GutterChanged(TObject*)
{
    gutterCharWidth_ = 0;  // the gutter's font may have changed
    if (ComponentState().Contains(csLoading))
        return;
    MakeRoomRightOfNumbers();
    if (gutter_->ShowLineNumbers() && gutter_->AutoSize())
        gutter_->AutoSizeDigitCount(lines_->Count());
    const int width = gutter_->GetPixelWidth(GutterCharWidth());
    if (width == gutterWidth_)
        RepaintGutter();
    else
        SetGutterWidth(width);
}

// The fold marks take the 12 pixels at the gutter's right and the modified
// bar the 5 pixels left of the right offset: the numbers end before both.
void TCustomSynText::MakeRoomRightOfNumbers()
{
    const int needed = codeFolding_->Enabled() ? 18 : gutter_->ShowLineModified() ? 7 : 0;
    if (gutter_->RightOffset() < needed)
        gutter_->SetRightOffset(needed);  // reports a change again, which then finds room
}

void TCustomSynText::ActiveLineChanged(TObject* Sender)
{
    if (ComponentState().Contains(csLoading))
        return;
    if (Sender == activeLine_->Indicator())
        RepaintGutter();
    else
        InvalidateLine(caretY_);
}

void TCustomSynText::LineDividerChanged(TObject*)
{
    if (!ComponentState().Contains(csLoading))
        Invalidate();
}

void TCustomSynText::BackgroundChanged(TObject*) { Invalidate(); }
void TCustomSynText::SelectedColorChanged(TObject*) { RepaintSelection(); }
void TCustomSynText::BookMarkOptionsChanged(TObject*) { RepaintGutter(); }
void TCustomSynText::MarkListChanged(TObject*) { RepaintGutter(); }

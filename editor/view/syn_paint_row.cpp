#include "editor/view/syn_paint_row.h"

#include <algorithm>

#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor/view/syn_text_drawer.h"
#include "platform/base/code_page.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/text_measure.h"
#include "platform/gdi/text_out.h"

void TSynPaintRow::Begin(int Top, std::string_view Text, bool EndOfLineMark, TColor Foreground, TColor Background,
                         bool Special, const TSynRowSelection& Selection)
{
    top_ = Top;
    text_.assign(Text);
    markCol_ = 0;
    if (EndOfLineMark) {
        text_.push_back(' ');
        markCol_ = static_cast<int>(text_.size());
    }
    foreground_ = Foreground;
    background_ = Background;
    special_ = Special;
    // On a special line the selection shows the line's own colours swapped.
    selForeground_ = Special ? Background : s_.SelectedForeground;
    selBackground_ = Special ? Foreground : s_.SelectedBackground;
    selection_ = Selection;
    run_ = TRun();
    drawnEndCol_ = s_.FirstCol;
    drawnStyle_ = TFontStyles();
}

bool TSynPaintRow::OnlySpaces(int StartCol, int EndCol) const
{
    // Spaces shown as dots are as visible as any other character.
    if (s_.ShowSpecialChars)
        return false;
    for (int col = StartCol; col < EndCol; ++col)
        if (text_[static_cast<size_t>(col - 1)] != ' ' || col == markCol_)
            return false;
    return true;
}

void TSynPaintRow::AddToken(int StartCol, int EndCol, TSynHighlighterAttributes* Attr)
{
    if (EndCol <= StartCol)
        return;
    TColor foreground = foreground_;
    TColor background = background_;
    TFontStyles style = s_.FontStyle;
    if (Attr) {
        foreground = Attr->Foreground();
        background = Attr->Background();
        style = Attr->Style();
    }
    if (background == clNone || background == s_.DefaultBackground)
        background = background_;
    if (foreground == clNone || foreground == s_.DefaultForeground)
        foreground = foreground_;

    if (run_.EndCol > run_.StartCol) {
        const bool spaces = OnlySpaces(StartCol, EndCol);
        const bool styleFits = style == run_.Style || (spaces && !style.Contains(fsUnderline) &&
                                                       !run_.Style.Contains(fsUnderline));
        const bool colorsFit = (special_ && !s_.SpecialLineDefaultFg) || selection_.Kind == TSynRowSelection::Whole ||
                               (background == run_.Background && (foreground == run_.Foreground || spaces));
        if (StartCol == run_.EndCol && styleFits && colorsFit) {
            run_.EndCol = EndCol;
            return;
        }
        DrawRun();
    }
    run_ = TRun{StartCol, EndCol, foreground, background, style};
}

void TSynPaintRow::DrawRun()
{
    if (run_.EndCol <= run_.StartCol)
        return;
    const TRun run = run_;
    run_ = TRun();
    drawnEndCol_ = run.EndCol;
    drawnStyle_ = run.Style;

    TColor foreground = run.Foreground;
    TColor background = run.Background;
    if (special_) {
        foreground = s_.SpecialLineDefaultFg ? run.Foreground : foreground_;
        background = background_;
    }
    const int first = std::max(s_.FirstCol, run.StartCol);
    const int last = std::min(s_.LastCol + 1, run.EndCol);
    if (first >= last)
        return;
    s_.Drawer->SelectStyle(run.Style);
    switch (selection_.Kind) {
    case TSynRowSelection::None:
        DrawPiece(first, last, foreground, background);
        break;
    case TSynRowSelection::Whole:
        DrawPiece(first, last, selForeground_, selBackground_);
        break;
    case TSynRowSelection::Part: {
        const int selFirst = std::max(first, selection_.StartCol);
        const int selLast = std::min(last, selection_.EndCol);
        if (first < std::min(last, selection_.StartCol))
            DrawPiece(first, std::min(last, selection_.StartCol), foreground, background);
        if (selFirst < selLast)
            DrawPiece(selFirst, selLast, selForeground_, selBackground_);
        if (std::max(first, selection_.EndCol) < last)
            DrawPiece(std::max(first, selection_.EndCol), last, foreground, background);
        break;
    }
    }
}

void TSynPaintRow::DrawPiece(int Col1, int Col2, TColor Foreground, TColor Background)
{
    const int length = static_cast<int>(text_.size());
    // A piece that begins on the second byte of a double-byte character
    // draws the whole character from its first byte, and one that ends
    // inside one draws it whole; the clip keeps each half on its own side.
    int first = Col1;
    if (first > 1 && first <= length && IsDBCSLeadByte(text_[static_cast<size_t>(first - 2)]) &&
        ByteTypeAt(text_, static_cast<size_t>(first - 1)) == mbTrailByte)
        --first;
    int last = std::min(Col2, length + 1);
    if (last > first && last <= length && IsDBCSLeadByte(text_[static_cast<size_t>(last - 2)]) &&
        ByteTypeAt(text_, static_cast<size_t>(last - 2)) == mbLeadByte)
        ++last;
    piece_.assign(text_, static_cast<size_t>(first - 1), static_cast<size_t>(std::max(last - first, 0)));
    for (char& c : piece_)
        if (c == '\0' || (c == '\t' && !s_.ShowSpecialChars))
            c = ' ';

    const TRect clip = Rect(X(Col1), top_, X(Col2), top_ + s_.RowHeight);
    s_.Drawer->SetForeground(Foreground);
    s_.Drawer->SetBackground(Background);
    // Where the background picture shows, the text goes on it unfilled.
    const bool seeThrough = s_.PictureShows && Background == s_.EditorColor;
    const unsigned options = seeThrough ? ETO_CLIPPED : ETO_CLIPPED | ETO_OPAQUE;
    const int y = top_ + s_.TextTop;
    s_.Drawer->GridTextOut(X(first), y, options, clip, piece_.data(), static_cast<int>(piece_.size()));
    if (s_.ShowSpecialChars)
        DrawSpecialMarks(X(first), y, clip, first, piece_);
}

void TSynPaintRow::DrawSpecialMarks(int X, int Y, const TRect& Clip, int FirstCol, std::string_view Text)
{
    if (Text.find(' ') == std::string_view::npos)
        return;
    TDeviceContext* dc = DeviceContextOf(s_.DC);
    if (!dc)
        return;
    // One character per character of the piece, blank except over the
    // spaces, so that every mark lands in its own cell.
    marks_.clear();
    markAdvances_.clear();
    int col = FirstCol;
    for (size_t i = 0; i < Text.size();) {
        const size_t length = CharLengthAt(Text, i);
        TTextChar mark;
        mark.Units = static_cast<int>(length);
        mark.Code = Text[i] != ' ' ? U' ' : col == markCol_ ? U'\u00B6' : U'\u00B7';
        marks_.push_back(mark);
        markAdvances_.push_back(static_cast<int>(length) * s_.CharWidth);
        i += length;
        col += static_cast<int>(length);
    }
    PaintText(*dc, X, Y, ETO_CLIPPED, &Clip, marks_, markAdvances_.data());
}

void TSynPaintRow::FillRect(const TRect& R, TColor Color)
{
    if (IsRectEmpty(R))
        return;
    s_.Drawer->SetBackground(Color);
    s_.Drawer->GridTextOut(R.Left, R.Top, ETO_OPAQUE, R, "", 0);
}

void TSynPaintRow::Line(int X1, int Y1, int X2, int Y2, TColor Color, TPenStyle Style)
{
    pen_.SetColor(Color);
    pen_.SetStyle(Style);
    const HGDIOBJ old = SelectObject(s_.DC, pen_.Handle());
    MoveToEx(s_.DC, X1, Y1, nullptr);
    LineTo(s_.DC, X2, Y2);
    SelectObject(s_.DC, old);
}

void TSynPaintRow::Dot(int X, int Y, TColor Color) { SetPixelV(s_.DC, X, Y, static_cast<COLORREF>(ColorToRGB(Color))); }

void TSynPaintRow::Fill(int Left, int Right, TColor Color)
{
    if (!s_.PictureShows || Color != s_.EditorColor)
        FillRect(Rect(Left, top_, Right, top_ + s_.RowHeight), Color);
}

int TSynPaintRow::Overhang() const
{
    if (drawnStyle_.Empty() || drawnEndCol_ < 2 || drawnEndCol_ - 1 > static_cast<int>(text_.size()))
        return 0;
    const size_t start = CharStartOf(text_, static_cast<size_t>(drawnEndCol_ - 2));
    const size_t length = CharLengthAt(text_, start);
    const auto byte = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(text_[i])); };
    const unsigned code = length == 2 ? byte(start) * 256 + byte(start + 1) : byte(start);
    int extent = 0;
    ABC abc;
    if (GetCharABCWidths(s_.DC, code, code, &abc))
        extent = abc.abcA + static_cast<int>(abc.abcB) + std::max(abc.abcC, 0);
    else
        GetCharWidth(s_.DC, code, code, &extent);
    return std::max(extent - static_cast<int>(length) * s_.CharWidth, 0);
}

void TSynPaintRow::Finish()
{
    if (markCol_ > 0)
        AddToken(markCol_, markCol_ + 1, nullptr);
    DrawRun();
    int left = X(std::max(drawnEndCol_, s_.FirstCol));
    if (drawnEndCol_ > s_.FirstCol)
        left += Overhang();
    const int right = s_.Right;
    const auto xUpTo = [&](int col) { return col >= kSynRowEnd ? right : std::min(X(col), right); };
    switch (selection_.Kind) {
    case TSynRowSelection::None:
        Fill(left, right, background_);
        break;
    case TSynRowSelection::Whole:
        Fill(left, right, selBackground_);
        break;
    case TSynRowSelection::Part: {
        const int selLeft = xUpTo(selection_.StartCol);
        const int selRight = xUpTo(selection_.EndCol);
        Fill(left, selLeft, background_);
        Fill(std::max(left, selLeft), selRight, selBackground_);
        Fill(std::max(left, selRight), right, background_);
        break;
    }
    }
}

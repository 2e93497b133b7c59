// TSynTextPrint: drawing one page: the text area, the running heads, line
// numbers and the lines, plain or highlighted, cut into rows when wrapped.
#include <algorithm>
#include <string>

#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/printing/syn_text_print.h"
#include "editor_services/printing/syn_text_print_fonts.h"
#include "editor_services/printing/syn_text_print_rows.h"
#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/text_measure.h"
#include "platform/gdi/text_out.h"
#include "platform/ui/graphics/canvas.h"

void TSynTextPrint::PrintToCanvas(TCanvas* ACanvas, int PageNumber)
{
    abort_ = false;
    printing_ = false;
    canvas_ = ACanvas;
    PrintPage(PageNumber);
}

void TSynTextPrint::PrintPage(int Num)
{
    DoPrintStatus(psNewPage, Num, abort_);
    if (abort_)
        return;
    margins_->ComputePage(canvas_, Num, printerInfo_, LineNumbers, LineNumbersInMargin,
                          lines_->Count() - 1 + LineOffset);
    canvas_->Brush()->SetColor(Color);
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->FillRect(TRect{margins_->PLeft, margins_->PTop, margins_->PRight, margins_->PBottom});
    header_->Draw(canvas_, Num + PageOffset);
    const int pageCount = static_cast<int>(pages_.size());
    if (Num >= 1 && Num <= pageCount) {
        yPos_ = margins_->PTop;
        const int first = pages_[static_cast<size_t>(Num - 1)];
        const int last = Num < pageCount ? pages_[static_cast<size_t>(Num)] - 1 : lines_->Count() - 1;
        for (int i = first; i <= last; ++i) {
            lineNumber_ = i + 1;
            if (!LineSelected(i))
                continue;
            PrintLine(i);
            DoPrintLine(i + 1, Num);
        }
    }
    footer_->Draw(canvas_, Num + PageOffset);
}

void TSynTextPrint::PrintLineNumber()
{
    const AnsiString text = std::to_string(lineNumber_ + LineOffset) + ": ";
    TFont* font = canvas_->Font();
    const TFontStyles style = font->Style();
    const TColor color = font->Color();
    font->SetStyle({});
    font->SetColor(clBlack);
    canvas_->Brush()->SetColor(Color);
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->TextOut(margins_->PLeft - canvas_->TextWidth(text), yPos_, text);
    font->SetStyle(style);
    font->SetColor(color);
}

void TSynTextPrint::PrintLine(int Index)
{
    if (LineNumbers)
        PrintLineNumber();
    const TLinePart part = PrintedPart(Index);
    const AnsiString text = lines_->Strings(Index).substr(static_cast<size_t>(part.Start),
                                                          static_cast<size_t>(part.End - part.Start));
    std::vector<int> rowEnds;
    const int rows = RowsOf(text, rowEnds);
    if (highlighting_)
        PrintHighlightedRows(Index, part, rowEnds);
    else
        PrintPlainRows(text, rowEnds);
    yPos_ += rows * lineHeight_;
}

void TSynTextPrint::PrintPlainRows(const AnsiString& Text, const std::vector<int>& RowEnds)
{
    canvas_->Brush()->SetColor(Color);
    canvas_->Brush()->SetStyle(bsSolid);
    int start = 0;
    for (size_t row = 0; row < RowEnds.size(); ++row) {
        TextOutPiece(margins_->PLeft, yPos_ + static_cast<int>(row) * lineHeight_, Text.data() + start,
                     RowEnds[row] - start);
        start = RowEnds[row];
    }
}

void TSynTextPrint::PrintHighlightedRows(int Index, TLinePart Part, const std::vector<int>& RowEnds)
{
    CopyPrintFont(oldFont_.get(), canvas_->Font());
    const AnsiString line = lines_->Strings(Index);
    const TCharStarts starts(line);
    highlighter_->SetRange(ranges_[static_cast<size_t>(Index)]);
    highlighter_->SetLine(line, lineNumber_);
    // Tokens of one look that follow each other in a row go out as one
    // piece: every text output is a call into the page's drawing, and a
    // line holds far more tokens than looks.
    struct TPiece {
        size_t Row;
        int Start, End;  // in the printed part
        TPrintLook Look;
    };
    std::vector<TPiece> pieces;
    int drawnTo = Part.Start;  // tokens never draw a byte twice
    while (!highlighter_->GetEol()) {
        int start = highlighter_->GetTokenPos();
        int end = start + static_cast<int>(highlighter_->GetToken().size());
        TSynHighlighterAttributes* attribute = highlighter_->GetTokenAttribute();
        highlighter_->Next();
        // A token ending on a lead byte takes the whole character; the next
        // token then starts after it.
        starts.Snap(start, end);
        start = std::max(start, drawnTo);
        end = std::min(end, Part.End);
        if (end <= start)
            continue;
        drawnTo = end;
        const TPrintLook look = LookOf(attribute);
        // Cut at the rows' ends; each part starts its row's column grid.
        for (int at = start - Part.Start; at < end - Part.Start;) {
            const auto row = static_cast<size_t>(std::upper_bound(RowEnds.begin(), RowEnds.end(), at) - RowEnds.begin());
            const int upTo = std::min(end - Part.Start, RowEnds[row]);
            if (!pieces.empty() && pieces.back().Row == row && pieces.back().End == at && pieces.back().Look == look)
                pieces.back().End = upTo;
            else
                pieces.push_back({row, at, upTo, look});
            at = upTo;
        }
    }
    for (const TPiece& piece : pieces) {
        SetLook(piece.Look);
        const int rowStart = piece.Row == 0 ? 0 : RowEnds[piece.Row - 1];
        TextOutPiece(margins_->PLeft + (piece.Start - rowStart) * charWidth_,
                     yPos_ + static_cast<int>(piece.Row) * lineHeight_, line.data() + Part.Start + piece.Start,
                     piece.End - piece.Start);
    }
    CopyPrintFont(canvas_->Font(), oldFont_.get());
}

TSynTextPrint::TPrintLook TSynTextPrint::LookOf(TSynHighlighterAttributes* Attribute) const
{
    TPrintLook look{Attribute ? Attribute->Style() : font_->Style(), fontColor_, Color};
    if (Colors && Attribute) {
        if (Attribute->Foreground() != clNone)
            look.Foreground = Attribute->Foreground();
        if (Attribute->Background() != clNone)
            look.Background = Attribute->Background();
    }
    return look;
}

void TSynTextPrint::SetLook(const TPrintLook& Look)
{
    canvas_->Font()->SetStyle(Look.Style);
    canvas_->Font()->SetColor(Look.Foreground);
    canvas_->Brush()->SetColor(Look.Background);
    // The text area was filled with the page's colour: only another
    // background needs filling behind the text.
    canvas_->Brush()->SetStyle(ColorToRGB(Look.Background) == ColorToRGB(Color) ? bsClear : bsSolid);
}

void TSynTextPrint::TextOutPiece(int X, int Y, const char* Text, int Count)
{
    canvas_->RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC dc = canvas_->Handle();
    // Whole characters are dropped from the end while the piece is wider
    // than the text area, down to one: a text area narrower than a
    // character still shows every character, one a row.
    int fit = Count;
    TSize size;
    GetTextExtentExPoint(dc, Text, Count, maxWidth_, &fit, nullptr, &size);
    if (size.cx > maxWidth_)
        Count = std::max(fit, static_cast<int>(CharLengthAt(std::string_view(Text, static_cast<size_t>(Count)), 0)));
    // Every character on the grid, a double-byte one over two cells; sized
    // to the piece, however long the line.
    const std::vector<int> advances(static_cast<size_t>(Count), charWidth_);
    ExtTextOut(dc, X, Y, 0, nullptr, Text, Count, advances.data());
}

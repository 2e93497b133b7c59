// TSynTextPrint: taking over an editor, preparing a canvas, counting the
// pages, and printing a range of them as one printer document.
#include "editor_services/printing/syn_text_print.h"

#include <algorithm>

#include "editor/document/text_routines.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/syn_custom_text.h"
#include "editor_services/printing/syn_text_print_fonts.h"
#include "editor_services/printing/syn_text_print_rows.h"
#include "platform/base/string_list.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text_measure.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/printing/printer.h"

TSynTextPrint::TSynTextPrint(TComponent* AOwner)
    : TComponent(AOwner), header_(std::make_unique<THeader>()), footer_(std::make_unique<TFooter>()),
      margins_(std::make_unique<TSynTextPrintMargins>()), lines_(std::make_unique<TStringList>()),
      font_(std::make_unique<TFont>()), oldFont_(std::make_unique<TFont>())
{
}

TSynTextPrint::~TSynTextPrint() = default;

TStrings* TSynTextPrint::Lines() const
{
    return lines_.get();
}

void TSynTextPrint::SetLines(TStrings* Value)
{
    const TExpandTabsProc expand = GetTabExpandProc(TabWidth);
    lines_->BeginUpdate();
    lines_->Clear();
    for (int i = 0; i < Value->Count(); ++i) {
        AnsiString line = expand(Value->Strings(i), TabWidth);
        // The expansion fills a tab's cells with tab characters; the page
        // shows them as spaces. A tab is never a trail byte.
        std::replace(line.begin(), line.end(), '\t', ' ');
        lines_->Add(line);
    }
    lines_->EndUpdate();
    rangesOK_ = false;
    pagesCounted_ = false;
}

void TSynTextPrint::SetFont(TFont* Value)
{
    font_->Assign(Value);
    pagesCounted_ = false;
}

void TSynTextPrint::SetHighlighter(TSynCustomHighlighter* Value)
{
    if (highlighter_ == Value)
        return;
    if (highlighter_)
        highlighter_->RemoveFreeNotification(this);
    highlighter_ = Value;
    if (highlighter_)
        highlighter_->FreeNotification(this);
    rangesOK_ = false;
    pagesCounted_ = false;
}

void TSynTextPrint::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == highlighter_) {
        highlighter_ = nullptr;
        rangesOK_ = false;
        pagesCounted_ = false;
    }
}

void TSynTextPrint::AssignFromEditor(TCustomSynText* Value)
{
    SetHighlighter(Value->Highlighter());
    SetFont(Value->Font());
    TabWidth = Value->TabWidth();
    // The text itself: a collapsed block's lines are printed too.
    const TSynRealText text = Value->RealText();
    SetLines(text.Lines);
    selAvail_ = Value->SelAvail();
    selMode_ = Value->SelectionMode();
    // The selection as columns of the lines with tabs expanded, which are
    // what is cut and printed.
    auto column = [&](TBufferCoord Coord) {
        if (Coord.Line >= 1 && Coord.Line <= text.Lines->Count())
            Coord.Char = CharIndexToColumn(Coord.Char, TabWidth, text.Lines->Strings(Coord.Line - 1));
        return Coord;
    };
    blockBegin_ = column(text.BlockBegin);
    blockEnd_ = column(text.BlockEnd);
}

void TSynTextPrint::DoPrintStatus(TSynPrintStatus Status, int PageNumber, bool& Abort)
{
    Abort = false;
    if (OnPrintStatus)
        OnPrintStatus(this, Status, PageNumber, Abort);
    if (Abort && printing_)
        Printer().Abort();
}

void TSynTextPrint::DoPrintLine(int LineNumber, int PageNumber)
{
    if (OnPrintLine)
        OnPrintLine(this, LineNumber, PageNumber);
}

void TSynTextPrint::PrepareOnCanvas(TCanvas* ACanvas)
{
    canvas_ = ACanvas;
    printerInfo_.Refresh();
    InitPrint();
}

void TSynTextPrint::InitPrint()
{
    fontColor_ = font_->Color();
    // Every font is made at the printer's resolution, so that text keeps its
    // point size on the printer and a screen canvas measures as the
    // printer does. The platform printer's canvas does not do this itself.
    const int resolution = printerInfo_.YPixPrInch();
    KeepPointSizeAt(font_.get(), resolution);
    header_->SetPixelsPerInch(resolution);
    footer_->SetPixelsPerInch(resolution);
    canvas_->Font()->SetPixelsPerInch(resolution);
    CopyPrintFont(canvas_->Font(), font_.get());

    // The cell size holds every style a token may print in.
    canvas_->Font()->SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    TEXTMETRIC metrics;
    GetTextMetrics(canvas_->Handle(), &metrics);
    charWidth_ = metrics.tmAveCharWidth;
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    canvas_->Font()->SetStyle(font_->Style());

    margins_->ComputePage(canvas_, 1, printerInfo_, LineNumbers, LineNumbersInMargin,
                          lines_->Count() - 1 + LineOffset);
    ComputeRanges();
    CountPages();
    header_->Prepare(canvas_, static_cast<int>(pages_.size()), Title, margins_.get());
    footer_->Prepare(canvas_, static_cast<int>(pages_.size()), Title, margins_.get());
    highlighting_ = Highlight && highlighter_ && lines_->Count() > 0;
}

void TSynTextPrint::ComputeRanges()
{
    if (rangesOK_ || !highlighter_)
        return;
    const int count = lines_->Count();
    ranges_.assign(static_cast<size_t>(std::max(count, 1)), nullptr);
    highlighter_->ResetRange();
    ranges_[0] = highlighter_->GetRange();
    for (int i = 1; i < count; ++i) {
        highlighter_->SetLine(lines_->Strings(i - 1), i - 1);
        highlighter_->NextToEol();
        ranges_[static_cast<size_t>(i)] = highlighter_->GetRange();
    }
    rangesOK_ = true;
}

bool TSynTextPrint::LineSelected(int Index) const
{
    return !selectedOnly_ || (Index >= blockBegin_.Line - 1 && Index <= blockEnd_.Line - 1);
}

TSynTextPrint::TLinePart TSynTextPrint::PrintedPart(int Index) const
{
    const AnsiString line = lines_->Strings(Index);
    TLinePart part{0, static_cast<int>(line.size())};
    if (!selectedOnly_ || selMode_ == smLine)
        return part;
    if (selMode_ == smColumn) {
        part.Start = std::min(blockBegin_.Char, blockEnd_.Char) - 1;
        part.End = std::max(blockBegin_.Char, blockEnd_.Char) - 1;
    } else {
        if (Index == blockBegin_.Line - 1)
            part.Start = blockBegin_.Char - 1;
        if (Index == blockEnd_.Line - 1)
            part.End = blockEnd_.Char - 1;
    }
    TCharStarts(line).Snap(part.Start, part.End);
    return part;
}

int TSynTextPrint::RowsOf(const AnsiString& Text, std::vector<int>& RowEnds)
{
    if (Wrap && canvas_->TextWidth(Text) > maxWidth_)
        RowEnds = PrintRowEnds(Text, maxCol_);
    else
        RowEnds.assign(1, static_cast<int>(Text.size()));
    return static_cast<int>(RowEnds.size());
}

void TSynTextPrint::CountPages()
{
    // The wrap column: as many "W" as stay narrower than the text area,
    // which is then cut to their width.
    maxWidth_ = margins_->PRight - margins_->PLeft;
    const int widthOfW = canvas_->TextWidth("W");
    maxCol_ = 0;
    if (maxWidth_ > 0 && widthOfW > 0) {
        const AnsiString ws(static_cast<size_t>(maxWidth_ / widthOfW + 1), 'W');
        TSize size;
        GetTextExtentExPoint(canvas_->Handle(), ws.data(), static_cast<int>(ws.size()), maxWidth_ - 1, &maxCol_,
                             nullptr, &size);
    }
    maxWidth_ = canvas_->TextWidth(AnsiString(static_cast<size_t>(maxCol_), 'W'));

    pages_.assign(1, 0);
    yPos_ = margins_->PTop;
    int first = 0, last = lines_->Count() - 1;
    if (selectedOnly_) {
        first = std::max(blockBegin_.Line - 1, 0);
        last = std::min(blockEnd_.Line - 1, last);
    }
    bool pageHasLines = false;
    std::vector<int> rowEnds;
    for (int i = first; i <= last; ++i) {
        // A page holds at least one line, however little room the margins
        // leave, so that no page comes out empty.
        if (yPos_ + lineHeight_ > margins_->PBottom && pageHasLines) {
            pages_.push_back(i);
            yPos_ = margins_->PTop;
        }
        const TLinePart part = PrintedPart(i);
        yPos_ += lineHeight_ * RowsOf(lines_->Strings(i).substr(static_cast<size_t>(part.Start),
                                                                static_cast<size_t>(part.End - part.Start)),
                                      rowEnds);
        pageHasLines = true;
    }
    pagesCounted_ = true;
}

int TSynTextPrint::PageCount()
{
    if (!pagesCounted_) {
        // Counting needs only measures: a memory DC of the screen serves.
        struct TScreenCanvas {
            HDC DC = CreateCompatibleDC(nullptr);
            TCanvas Canvas;
            TScreenCanvas() { Canvas.SetHandle(DC); }
            ~TScreenCanvas()
            {
                Canvas.SetHandle(nullptr);
                DeleteDC(DC);
            }
        } screen;
        PrepareOnCanvas(&screen.Canvas);
        canvas_ = nullptr;
    }
    return static_cast<int>(pages_.size());
}

void TSynTextPrint::PrintRange(int StartPage, int EndPage)
{
    if (selectedOnly_ && !selAvail_)
        return;
    TPrinter& printer = Printer();
    printing_ = true;
    abort_ = false;
    printer.Title = DocTitle.empty() ? Title : DocTitle;
    try {
        printer.BeginDoc();
        // Asked for the PDF printer's file, the user may have declined.
        if (!printer.Printing()) {
            printing_ = false;
            return;
        }
        DoPrintStatus(psBegin, StartPage, abort_);
        PrepareOnCanvas(printer.Canvas());
        const int first = std::max(StartPage, 1);
        const int last = EndPage < 0 ? static_cast<int>(pages_.size())
                                     : std::min(EndPage, static_cast<int>(pages_.size()));
        for (int copy = 1; copy <= copies_ && !abort_; ++copy)
            for (int page = first; page <= last && !abort_; ++page) {
                PrintPage(page);
                if (!abort_ && !(page == last && copy == copies_))
                    printer.NewPage();
            }
        if (!abort_)
            DoPrintStatus(psEnd, last, abort_);
        canvas_ = nullptr;
        printing_ = false;
        printer.EndDoc();
    } catch (...) {
        // A failed job must not leave the printer in a document that no
        // one will end.
        if (printer.Printing())
            printer.Abort();
        canvas_ = nullptr;
        printing_ = false;
        throw;
    }
}

// TSynTextPrint: the print engine. It keeps a copy of an editor's lines
// (tabs expanded), counts the pages they take with the margins, running
// heads, line numbers and wrapping, and draws a page on any canvas: the
// printer's (PrintRange) or another one prepared for it, such as a
// preview's (PrepareOnCanvas, then PrintToCanvas). Drawing is in printer
// pixels; a screen canvas maps them to its own size.
#pragma once

#include <memory>
#include <vector>

#include "editor/document/editor_types.h"
#include "editor_services/printing/syn_text_print_header_footer.h"
#include "editor_services/printing/syn_text_print_margins.h"
#include "editor_services/printing/syn_text_printer_info.h"
#include "platform/base/component.h"
#include "platform/base/event.h"

class TCanvas;
class TCustomSynText;
class TStringList;
class TStrings;
class TSynCustomHighlighter;
class TSynHighlighterAttributes;

enum TSynPrintStatus { psBegin, psNewPage, psEnd };
using TPrintStatusEvent = TEvent<void(TObject* Sender, TSynPrintStatus Status, int PageNumber, bool& Abort)>;
using TPrintLineEvent = TEvent<void(TObject* Sender, int LineNumber, int PageNumber)>;

class TSynTextPrint : public TComponent {
public:
    explicit TSynTextPrint(TComponent* AOwner = nullptr);
    ~TSynTextPrint() override;

    // What the document editor asks of the engine (virtual, so that its
    // tests can stand in for the engine).
    // Takes the editor's highlighter, font, tab width, lines and selection.
    virtual void AssignFromEditor(TCustomSynText* Value);
    virtual void SetHighlighter(TSynCustomHighlighter* Value);
    // Counts the pages on a screen canvas when they are not counted yet.
    virtual int PageCount();
    virtual void SetCopies(int Value) { copies_ = Value; }
    virtual void SetSelectedOnly(bool Value) { selectedOnly_ = Value; }
    // All pages.
    virtual void Print() { PrintRange(1, -1); }
    // Pages StartPage to EndPage (a negative EndPage: the last) on the
    // platform printer, Copies() times, as one document.
    virtual void PrintRange(int StartPage, int EndPage);

    // For a preview: makes the pages on ACanvas (which must draw in printer
    // pixels), then draws any of them there.
    void PrepareOnCanvas(TCanvas* ACanvas);
    void PrintToCanvas(TCanvas* ACanvas, int PageNumber);

    int Copies() const { return copies_; }
    bool SelectedOnly() const { return selectedOnly_; }
    TSynCustomHighlighter* Highlighter() const { return highlighter_; }
    THeader* Header() const { return header_.get(); }
    void SetHeader(THeader* Value) { header_->Assign(Value); }
    TFooter* Footer() const { return footer_.get(); }
    void SetFooter(TFooter* Value) { footer_->Assign(Value); }
    TSynTextPrintMargins* Margins() const { return margins_.get(); }
    void SetMargins(TSynTextPrintMargins* Value) { margins_->Assign(Value); }
    TStrings* Lines() const;
    // Copies Value's lines with their tabs expanded at TabWidth to spaces.
    void SetLines(TStrings* Value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* Value);
    // The chosen printer's page geometry, as the pages were last made.
    TSynTextPrinterInfo* PrinterInfo() { return &printerInfo_; }

    AnsiString Title;     // the "$TITLE$" macro, and the job's name without DocTitle
    AnsiString DocTitle;  // the print job's name
    bool Wrap = true;
    bool Highlight = true;  // the highlighter's font styles
    bool Colors = false;    // and its colours
    bool LineNumbers = false;
    bool LineNumbersInMargin = false;  // else the text area narrows for them
    int LineOffset = 0;  // added to printed line numbers
    int PageOffset = 0;  // added to the page numbers of the running heads
    int TabWidth = 8;    // applies when the lines are set
    TColor Color = clWhite;  // the page's and the tokens' background
    TPrintStatusEvent OnPrintStatus;
    TPrintLineEvent OnPrintLine;

protected:
    virtual void DoPrintStatus(TSynPrintStatus Status, int PageNumber, bool& Abort);
    virtual void DoPrintLine(int LineNumber, int PageNumber);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The part of a line that is printed: all of it, or its selected part.
    struct TLinePart {
        int Start = 0, End = 0;  // 0-based bytes [Start, End)
    };

    void InitPrint();
    void ComputeRanges();
    void CountPages();
    bool LineSelected(int Index) const;
    TLinePart PrintedPart(int Index) const;
    int RowsOf(const AnsiString& Text, std::vector<int>& RowEnds);
    void PrintPage(int Num);
    void PrintLineNumber();
    void PrintLine(int Index);
    void PrintPlainRows(const AnsiString& Text, const std::vector<int>& RowEnds);
    void PrintHighlightedRows(int Index, TLinePart Part, const std::vector<int>& RowEnds);
    // How a token prints: its face's style and its colours.
    struct TPrintLook {
        TFontStyles Style;
        TColor Foreground, Background;
        bool operator==(const TPrintLook&) const = default;
    };
    TPrintLook LookOf(TSynHighlighterAttributes* Attribute) const;
    void SetLook(const TPrintLook& Look);
    void TextOutPiece(int X, int Y, const char* Text, int Count);

    int copies_ = 1;
    bool selectedOnly_ = false;
    TSynCustomHighlighter* highlighter_ = nullptr;  // cleared when it is freed
    std::unique_ptr<THeader> header_;
    std::unique_ptr<TFooter> footer_;
    std::unique_ptr<TSynTextPrintMargins> margins_;
    std::unique_ptr<TStringList> lines_;  // tabs expanded to spaces
    std::unique_ptr<TFont> font_;
    TSynTextPrinterInfo printerInfo_;

    // The pages, while pagesCounted_: the 0-based index of each page's first
    // line, ascending; never empty once counted.
    std::vector<int> pages_;
    bool pagesCounted_ = false;
    // The highlighter's state before each line, while rangesOK_.
    std::vector<void*> ranges_;
    bool rangesOK_ = false;
    TCanvas* canvas_ = nullptr;  // the canvas being drawn on
    std::unique_ptr<TFont> oldFont_;
    int charWidth_ = 0;   // every character's advance, a double-byte one two of them
    int lineHeight_ = 0;
    int maxWidth_ = 0;    // the text area's width, cut to whole columns
    int maxCol_ = 0;      // the wrap column: how many characters a row holds
    int yPos_ = 0;
    int lineNumber_ = 0;  // of the line being printed, from 1
    bool abort_ = false;
    bool printing_ = false;  // on the printer, inside PrintRange
    bool highlighting_ = false;
    TColor fontColor_ = clBlack;
    // From the editor, in columns of the expanded lines.
    bool selAvail_ = false;
    TBufferCoord blockBegin_, blockEnd_;
    TSynSelectionMode selMode_ = smNormal;
};

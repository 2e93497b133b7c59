// TSynTextPrint: what the document editor asks of the print component:
// take over an editor, count the pages, and print all, the selection or a
// range of pages.
#pragma once

class TCustomSynText;
class TSynCustomHighlighter;

class TSynTextPrint {
public:
    virtual ~TSynTextPrint() = default;
    // Takes the editor's lines, font and wrapping.
    virtual void AssignFromEditor(TCustomSynText* Value) = 0;
    virtual void SetHighlighter(TSynCustomHighlighter* Value) = 0;
    virtual int PageCount() = 0;
    virtual void SetCopies(int Value) = 0;
    virtual void SetSelectedOnly(bool Value) = 0;
    virtual void Print() = 0;
    virtual void PrintRange(int StartPage, int EndPage) = 0;
};

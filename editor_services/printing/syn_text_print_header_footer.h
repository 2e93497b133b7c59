// THeaderFooter (THeader, TFooter): the running heads of printed pages, made
// of text items on numbered lines, each left, centred or right in its own
// font, with macros filled in per page, an optional rule, box or shading.
#pragma once

#include <memory>
#include <vector>

#include "editor_services/printing/syn_text_print_types.h"
#include "platform/base/alignment.h"
#include "platform/base/ansi_string.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/font.h"

class TBrush;
class TCanvas;
class TPen;
class TSynTextPrintMargins;

class THeaderFooterItem {
public:
    THeaderFooterItem();
    ~THeaderFooterItem();
    THeaderFooterItem(const THeaderFooterItem&) = delete;
    THeaderFooterItem& operator=(const THeaderFooterItem&) = delete;

    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* Value) { font_->Assign(Value); }

    AnsiString Text;  // may hold macros
    int LineNumber = 1;  // from 1; Prepare renumbers the lines without gaps
    TAlignment Alignment = taLeftJustify;
    int Index = 0;  // the order it was added in; keeps a line's items in one order

private:
    std::unique_ptr<TFont> font_;
};

// One line of a running head, in pixels.
struct TLineInfo {
    int LineHeight = 0;
    int MaxBaseDist = 0;  // the largest ascent of the line's fonts
};

enum THeaderFooterType { hftHeader, hftFooter };

class THeaderFooter : public TPersistent {
public:
    ~THeaderFooter() override;
    THeaderFooter(const THeaderFooter&) = delete;
    THeaderFooter& operator=(const THeaderFooter&) = delete;

    // A copy of AFont, or of DefaultFont when AFont is null. Answers the
    // new item's index.
    int Add(const AnsiString& Text, TFont* AFont, TAlignment Alignment, int LineNumber);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    THeaderFooterItem* Get(int Index) const { return items_[static_cast<size_t>(Index)].get(); }
    void Assign(TPersistent* Source) override;

    // Sorts the items and gives their lines numbers 1, 2, ... without gaps,
    // in the order the lines come.
    void FixLines();
    // Takes the date, the time, the page count and the title for this print
    // job and measures the lines on ACanvas, leaving its tools as they were.
    void Prepare(TCanvas* ACanvas, int NumPages, const AnsiString& Title, TSynTextPrintMargins* Margins);
    // Draws the frame and the lines for page PageNum (page offset already
    // added) at the margins' last computed page; nothing without items.
    void Draw(TCanvas* ACanvas, int PageNum);
    AnsiString ExpandMacros(THeaderFooterItem* Item, int PageNum) const;
    // The item fonts at another resolution, keeping their point sizes.
    void SetPixelsPerInch(int Value);

    THeaderFooterType Type() const { return type_; }
    // -1 without items; else the lines' height and twice the internal margin.
    int FrameHeight() const { return frameHeight_; }
    int LineCount() const { return lineCount_; }
    const AnsiString& DateText() const { return date_; }
    const AnsiString& TimeText() const { return time_; }

    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value) { defaultFont_->Assign(Value); }
    TFrameTypes FrameTypes{ftLine};
    TColor ShadedColor = clSilver;
    TColor LineColor = clBlack;
    bool RomanNumbers = false;
    // Even pages swap left and right items.
    bool MirrorPosition = false;

protected:
    explicit THeaderFooter(THeaderFooterType Type);

private:
    void SaveFontPenBrush(TCanvas* ACanvas);
    void RestoreFontPenBrush(TCanvas* ACanvas);
    void DrawFrame(TCanvas* ACanvas);

    THeaderFooterType type_;
    std::vector<std::unique_ptr<THeaderFooterItem>> items_;  // sorted by line, then index, after FixLines
    std::unique_ptr<TFont> defaultFont_;
    AnsiString date_, time_;
    int numPages_ = 0;
    AnsiString title_;
    TSynTextPrintMargins* margins_ = nullptr;  // the engine's, set by Prepare
    int frameHeight_ = -1;
    std::unique_ptr<TFont> oldFont_;
    std::unique_ptr<TPen> oldPen_;
    std::unique_ptr<TBrush> oldBrush_;
    std::vector<TLineInfo> lineInfo_;  // one per line after Prepare
    int lineCount_ = 0;
};

class THeader : public THeaderFooter {
public:
    THeader() : THeaderFooter(hftHeader) {}
};

class TFooter : public THeaderFooter {
public:
    TFooter() : THeaderFooter(hftFooter) {}
};

// THeaderFooter: items, measuring their lines, and drawing them per page.
#include "editor_services/printing/syn_text_print_header_footer.h"

#include <algorithm>

#include "editor_services/printing/syn_text_print_fonts.h"
#include "editor_services/printing/syn_text_print_macros.h"
#include "editor_services/printing/syn_text_print_margins.h"
#include "platform/base/date_time.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text_measure.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/pen.h"

THeaderFooterItem::THeaderFooterItem() : font_(std::make_unique<TFont>()) {}

THeaderFooterItem::~THeaderFooterItem() = default;

THeaderFooter::THeaderFooter(THeaderFooterType Type)
    : type_(Type), defaultFont_(std::make_unique<TFont>()), oldFont_(std::make_unique<TFont>()),
      oldPen_(std::make_unique<TPen>()), oldBrush_(std::make_unique<TBrush>())
{
    defaultFont_->SetName("Arial");
    defaultFont_->SetSize(10);
    defaultFont_->SetColor(clBlack);
}

THeaderFooter::~THeaderFooter() = default;

int THeaderFooter::Add(const AnsiString& Text, TFont* AFont, TAlignment Alignment, int LineNumber)
{
    auto item = std::make_unique<THeaderFooterItem>();
    CopyPrintFont(item->Font(), AFont ? AFont : defaultFont_.get());
    item->Text = Text;
    item->Alignment = Alignment;
    item->LineNumber = LineNumber;
    item->Index = Count();
    items_.push_back(std::move(item));
    return Count() - 1;
}

void THeaderFooter::Clear()
{
    items_.clear();
}

void THeaderFooter::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<THeaderFooter*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    Clear();
    type_ = source->type_;
    FrameTypes = source->FrameTypes;
    ShadedColor = source->ShadedColor;
    LineColor = source->LineColor;
    for (const auto& item : source->items_)
        Add(item->Text, item->Font(), item->Alignment, item->LineNumber);
    CopyPrintFont(defaultFont_.get(), source->defaultFont_.get());
    RomanNumbers = source->RomanNumbers;
    MirrorPosition = source->MirrorPosition;
}

void THeaderFooter::SetPixelsPerInch(int Value)
{
    for (const auto& item : items_)
        KeepPointSizeAt(item->Font(), Value);
}

void THeaderFooter::FixLines()
{
    std::stable_sort(items_.begin(), items_.end(), [](const auto& a, const auto& b) {
        return a->LineNumber != b->LineNumber ? a->LineNumber < b->LineNumber : a->Index < b->Index;
    });
    lineInfo_.clear();
    int current = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (i == 0 || items_[i]->LineNumber != current) {
            current = items_[i]->LineNumber;
            lineInfo_.emplace_back();
        }
        items_[i]->LineNumber = static_cast<int>(lineInfo_.size());
    }
    lineCount_ = static_cast<int>(lineInfo_.size());
}

void THeaderFooter::SaveFontPenBrush(TCanvas* ACanvas)
{
    CopyPrintFont(oldFont_.get(), ACanvas->Font());
    oldPen_->Assign(ACanvas->Pen());
    oldBrush_->Assign(ACanvas->Brush());
}

void THeaderFooter::RestoreFontPenBrush(TCanvas* ACanvas)
{
    CopyPrintFont(ACanvas->Font(), oldFont_.get());
    ACanvas->SetPen(oldPen_.get());
    ACanvas->SetBrush(oldBrush_.get());
}

void THeaderFooter::Prepare(TCanvas* ACanvas, int NumPages, const AnsiString& Title, TSynTextPrintMargins* Margins)
{
    SaveFontPenBrush(ACanvas);
    const TDateTime now = Now();
    date_ = DateToStr(now);
    time_ = TimeToStr(now);
    numPages_ = NumPages;
    title_ = Title;
    margins_ = Margins;
    FixLines();
    frameHeight_ = -1;
    if (!items_.empty()) {
        int linesAbove = 0;  // the height of the lines before the current item's
        for (size_t i = 0; i < items_.size(); ++i) {
            THeaderFooterItem& item = *items_[i];
            if (i > 0 && item.LineNumber != items_[i - 1]->LineNumber)
                linesAbove += lineInfo_[static_cast<size_t>(items_[i - 1]->LineNumber - 1)].LineHeight;
            CopyPrintFont(ACanvas->Font(), item.Font());
            TEXTMETRIC metrics;
            GetTextMetrics(ACanvas->Handle(), &metrics);
            const int height = ACanvas->TextHeight("W");
            TLineInfo& line = lineInfo_[static_cast<size_t>(item.LineNumber - 1)];
            line.LineHeight = std::max(line.LineHeight, height);
            line.MaxBaseDist = std::max(line.MaxBaseDist, metrics.tmHeight - metrics.tmDescent);
            frameHeight_ = std::max(frameHeight_, linesAbove + height);
        }
        frameHeight_ += 2 * margins_->PHFInternalMargin;
    }
    RestoreFontPenBrush(ACanvas);
}

void THeaderFooter::DrawFrame(TCanvas* ACanvas)
{
    if (FrameTypes.Empty())
        return;
    ACanvas->Pen()->SetColor(LineColor);
    ACanvas->Brush()->SetColor(ShadedColor);
    ACanvas->Brush()->SetStyle(FrameTypes.Contains(ftShaded) ? bsSolid : bsClear);
    ACanvas->Pen()->SetStyle(FrameTypes.Contains(ftBox) ? psSolid : psClear);
    const int line = type_ == hftHeader ? margins_->PHeader : margins_->PFooter;
    if (FrameTypes.Contains(ftBox) || FrameTypes.Contains(ftShaded)) {
        if (type_ == hftHeader)
            ACanvas->Rectangle(margins_->PLeft, line - frameHeight_, margins_->PRight, line);
        else
            ACanvas->Rectangle(margins_->PLeft, line, margins_->PRight, line + frameHeight_);
    }
    if (FrameTypes.Contains(ftLine)) {
        ACanvas->Pen()->SetStyle(psSolid);
        ACanvas->MoveTo(margins_->PLeft, line);
        ACanvas->LineTo(margins_->PRight, line);
    }
}

void THeaderFooter::Draw(TCanvas* ACanvas, int PageNum)
{
    if (frameHeight_ <= 0)
        return;
    SaveFontPenBrush(ACanvas);
    DrawFrame(ACanvas);
    ACanvas->Brush()->SetStyle(bsClear);
    int y = (type_ == hftHeader ? margins_->PHeader - frameHeight_ : margins_->PFooter) + margins_->PHFInternalMargin;
    HDC dc = ACanvas->Handle();
    const unsigned oldAlign = SetTextAlign(dc, TA_BASELINE);
    for (size_t i = 0; i < items_.size(); ++i) {
        THeaderFooterItem& item = *items_[i];
        CopyPrintFont(ACanvas->Font(), item.Font());
        if (i > 0 && item.LineNumber != items_[i - 1]->LineNumber)
            y += lineInfo_[static_cast<size_t>(items_[i - 1]->LineNumber - 1)].LineHeight;
        const AnsiString text = ExpandMacros(&item, PageNum);
        TAlignment alignment = item.Alignment;
        if (MirrorPosition && PageNum % 2 == 0 && alignment != taCenter)
            alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
        const int width = ACanvas->TextWidth(text);
        int x = margins_->PLeftHFTextIndent;
        if (alignment == taRightJustify)
            x = margins_->PRightHFTextIndent - width;
        else if (alignment == taCenter)
            x = (margins_->PLeftHFTextIndent + margins_->PRightHFTextIndent - width) / 2;
        ACanvas->TextOut(x, y + lineInfo_[static_cast<size_t>(item.LineNumber - 1)].MaxBaseDist, text);
    }
    SetTextAlign(ACanvas->Handle(), oldAlign);
    RestoreFontPenBrush(ACanvas);
}

AnsiString THeaderFooter::ExpandMacros(THeaderFooterItem* Item, int PageNum) const
{
    return ExpandPrintMacros(Item->Text, numPages_, PageNum, RomanNumbers, title_, time_, date_);
}

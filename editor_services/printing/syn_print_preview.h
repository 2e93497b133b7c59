// TSynTextPrintPreview: one page of a print engine on screen, as a sheet of
// paper with a shadow on the work-space background, scaled to the whole
// page, to the page width or to a percentage, with scroll bars, a page hint
// while the thumb is dragged, and the mouse wheel.
#pragma once

#include "platform/base/event.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/form_types.h"

class TSynTextPrint;

enum TSynPreviewScale { pscWholePage, pscPageWidth, pscUserScaled };
using TPreviewPageEvent = TEvent<void(TObject* Sender, int PageNumber)>;

class TSynTextPrintPreview : public TCustomControl {
public:
    explicit TSynTextPrintPreview(TComponent* AOwner);

    // Lets the engine make its pages on this control's canvas, then lays
    // the page out again with the scale it had.
    void RebuildPreview();
    void ShowFirstPage();
    void ShowLastPage();
    void ShowNextPage();
    void ShowPreviousPage();
    // Prints all pages on the platform printer.
    void PrintDocument();
    void ScrollByX(int Delta) { ScrollToX(scrollX_ + Delta); }
    void ScrollByY(int Delta) { ScrollToY(scrollY_ + Delta); }

    virtual void ScrollToX(int Value);
    virtual void ScrollToY(int Value);
    virtual void RefreshScrollBars();
    virtual void LayoutPage();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    TColor PageBGColor() const { return pageBGColor_; }
    void SetPageBGColor(TColor Value);
    TSynTextPrint* SynTextPrint() const { return synTextPrint_; }
    void SetSynTextPrint(TSynTextPrint* Value);
    TSynPreviewScale ScaleMode() const { return scaleMode_; }
    void SetScaleMode(TSynPreviewScale Value);
    int ScalePercent() const { return scalePercent_; }
    void SetScalePercent(int Value);
    int PageNumber() const { return pageNumber_; }
    // The paper in client coordinates, as Paint draws it.
    TRect PaperRect() const;
    TPoint ScrollPosition() const { return TPoint{scrollX_, scrollY_}; }

    bool ShowScrollHint = true;
    TPreviewPageEvent OnPreviewPage;
    TNotifyEvent OnScaleChange;

protected:
    void Paint() override;
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;

private:
    int PageCount() const;
    int HeightFromWidth(int Width) const;
    int WidthFromHeight(int Height) const;
    int PageWidth100() const;
    int PageHeight100() const;
    void PaintPaper();
    void PaintPage();
    void ChangePage(int Value);
    void HScroll(int Code, int Pos);
    void VScroll(int Code, int Pos);
    void PageScroll(int Code, int Pos);
    void ShowPageHint(int Page);
    void MouseWheel(int Delta);
    void SetBar(int Bar, int Max, int Page, int Pos);

    TFormBorderStyle borderStyle_ = bsSingle;
    TColor pageBGColor_ = clWhite;
    TSynTextPrint* synTextPrint_ = nullptr;  // cleared when the engine is freed
    TSynPreviewScale scaleMode_ = pscUserScaled;
    int scalePercent_ = 100;
    TSize pageSize_{};     // the paper, in screen pixels
    TSize virtualSize_{};  // the paper with its 13-pixel surround on each side
    TPoint virtualOffset_{};  // the paper's corner when not scrolled
    // Always between the client size minus the virtual size and 0.
    int scrollX_ = 0, scrollY_ = 0;
    int pageNumber_ = 1;
    int wheelAccumulator_ = 0;  // the part of the wheel's turn not yet scrolled, under 120
};

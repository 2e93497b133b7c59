// The preview control: page layout for the three scale modes, scrolling by
// bars and wheel, and the paper with the engine's page mapped onto it.
#include "editor_services/printing/syn_print_preview.h"

#include <algorithm>

#include "editor_services/printing/syn_text_print.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/regions.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/mapping.h"
#include "platform/base/format.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/control_border.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/win_messages.h"
#include "platform/win/scroll_window.h"
#include "platform/win/window_styles.h"

namespace {

constexpr int Surround = 26;  // the work space around the paper, both sides together
constexpr int WheelStep = 120;

int MulDivInt(int Value, int Numerator, int Denominator)
{
    return Denominator == 0 ? 0 : static_cast<int>(ScaleRound(Value, Numerator, Denominator));
}

// Shared by every preview; the application owns it, so it goes with the
// other windows when the program ends.
THintWindow* PageHintWindow()
{
    static THintWindow* window = nullptr;
    if (!window) {
        window = NewHintWindow(Application);
        window->FreeNotification(Application);
    }
    return window;
}

}  // namespace

TSynTextPrintPreview::TSynTextPrintPreview(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clAppWorkSpace);
    SetBounds(0, 0, 200, 120);
    SetAlign(alClient);
}

int TSynTextPrintPreview::PageCount() const
{
    return synTextPrint_ ? synTextPrint_->PageCount() : 1;
}

int TSynTextPrintPreview::HeightFromWidth(int Width) const
{
    if (!synTextPrint_)
        return MulDivInt(Width, 141, 100);
    TSynTextPrinterInfo* info = synTextPrint_->PrinterInfo();
    return MulDivInt(Width, info->PhysicalHeight(), info->PhysicalWidth());
}

int TSynTextPrintPreview::WidthFromHeight(int Height) const
{
    if (!synTextPrint_)
        return MulDivInt(Height, 100, 141);
    TSynTextPrinterInfo* info = synTextPrint_->PrinterInfo();
    return MulDivInt(Height, info->PhysicalWidth(), info->PhysicalHeight());
}

int TSynTextPrintPreview::PageWidth100() const
{
    if (!synTextPrint_)
        return 0;
    TSynTextPrinterInfo* info = synTextPrint_->PrinterInfo();
    return MulDivInt(info->PhysicalWidth(), Screen->PixelsPerInch(), info->XPixPrInch());
}

int TSynTextPrintPreview::PageHeight100() const
{
    if (!synTextPrint_)
        return 0;
    TSynTextPrinterInfo* info = synTextPrint_->PrinterInfo();
    return MulDivInt(info->PhysicalHeight(), Screen->PixelsPerInch(), info->YPixPrInch());
}

void TSynTextPrintPreview::RebuildPreview()
{
    const int percent = scalePercent_;
    const TSynPreviewScale mode = scaleMode_;
    scalePercent_ = 100;
    if (synTextPrint_) {
        // The canvas draws through the window: made here, its first size
        // would lay the page out (counting the pages on a canvas of the
        // engine's own) in the middle of the preparation on this one.
        HandleNeeded();
        synTextPrint_->PrepareOnCanvas(Canvas());
    }
    LayoutPage();
    Invalidate();
    scaleMode_ = mode;
    if (mode == pscUserScaled)
        scalePercent_ = percent;
    // The page may have been laid out at 100 %: lay it out at the scale
    // that is shown.
    LayoutPage();
    if (OnPreviewPage)
        OnPreviewPage(this, pageNumber_);
}

void TSynTextPrintPreview::ChangePage(int Value)
{
    pageNumber_ = Value;
    if (OnPreviewPage)
        OnPreviewPage(this, pageNumber_);
    Invalidate();
}

void TSynTextPrintPreview::ShowFirstPage()
{
    ChangePage(1);
}

void TSynTextPrintPreview::ShowLastPage()
{
    ChangePage(synTextPrint_ ? synTextPrint_->PageCount() : pageNumber_);
}

void TSynTextPrintPreview::ShowNextPage()
{
    ChangePage(synTextPrint_ ? std::min(pageNumber_ + 1, synTextPrint_->PageCount()) : pageNumber_ + 1);
}

void TSynTextPrintPreview::ShowPreviousPage()
{
    ChangePage(synTextPrint_ ? std::max(pageNumber_ - 1, 1) : pageNumber_ - 1);
}

void TSynTextPrintPreview::PrintDocument()
{
    if (!synTextPrint_)
        return;
    synTextPrint_->Print();
    RebuildPreview();
}

void TSynTextPrintPreview::LayoutPage()
{
    if (!HandleAllocated())
        return;
    if (!synTextPrint_) {
        // Only the placeholder sheet shows: nothing to scroll.
        pageSize_ = virtualSize_ = TSize{};
        scrollX_ = scrollY_ = 0;
        RefreshScrollBars();
        return;
    }
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    switch (scaleMode_) {
    case pscWholePage: {
        pageSize_.cx = clientWidth - Surround;
        pageSize_.cy = clientHeight - Surround;
        const int fitting = WidthFromHeight(pageSize_.cy);
        if (fitting >= pageSize_.cx)
            pageSize_.cy = HeightFromWidth(pageSize_.cx);
        else
            pageSize_.cx = fitting;
        break;
    }
    case pscPageWidth:
        pageSize_.cx = clientWidth - Surround;
        pageSize_.cy = HeightFromWidth(pageSize_.cx);
        break;
    case pscUserScaled:
        pageSize_.cx = MulDivInt(PageWidth100(), scalePercent_, 100);
        pageSize_.cy = MulDivInt(PageHeight100(), scalePercent_, 100);
        break;
    }
    virtualSize_ = TSize{pageSize_.cx + Surround, pageSize_.cy + Surround};
    virtualOffset_ = TPoint{Surround / 2, Surround / 2};
    if (clientWidth > virtualSize_.cx)
        virtualOffset_.X += (clientWidth - virtualSize_.cx) / 2;
    if (clientHeight > virtualSize_.cy)
        virtualOffset_.Y += (clientHeight - virtualSize_.cy) / 2;
    RefreshScrollBars();
    scrollX_ = scrollY_ = 0;
}

void TSynTextPrintPreview::ScrollToX(int Value)
{
    const int x = std::min(std::max(Value, ClientWidth() - virtualSize_.cx), 0);
    if (x == scrollX_)
        return;
    const int delta = x - scrollX_;
    scrollX_ = x;
    RefreshScrollBars();
    if (std::abs(delta) <= ClientWidth() / 2) {
        ScrollWindow(Handle(), delta, 0, nullptr, nullptr);
        Update();
    } else {
        Invalidate();
    }
}

void TSynTextPrintPreview::ScrollToY(int Value)
{
    const int y = std::min(std::max(Value, ClientHeight() - virtualSize_.cy), 0);
    if (y == scrollY_)
        return;
    const int delta = y - scrollY_;
    scrollY_ = y;
    RefreshScrollBars();
    if (std::abs(delta) <= ClientHeight() / 2) {
        ScrollWindow(Handle(), 0, delta, nullptr, nullptr);
        Update();
    } else {
        Invalidate();
    }
}

void TSynTextPrintPreview::SetBar(int Bar, int Max, int Page, int Pos)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    // A bar that cannot scroll stays shown, disabled.
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = Bar == SB_VERT && scaleMode_ == pscWholePage ? 1 : 0;
    info.nMax = Max;
    info.nPage = static_cast<UINT>(Page);
    info.nPos = Pos;
    ShowScrollBar(Handle(), Bar, true);
    SetScrollInfo(Handle(), Bar, &info, true);
}

void TSynTextPrintPreview::RefreshScrollBars()
{
    if (!HandleAllocated())
        return;
    switch (scaleMode_) {
    case pscWholePage:
        ShowScrollBar(Handle(), SB_HORZ, false);
        SetBar(SB_VERT, PageCount(), 1, synTextPrint_ ? pageNumber_ : 1);
        break;
    case pscPageWidth:
        ShowScrollBar(Handle(), SB_HORZ, false);
        SetBar(SB_VERT, virtualSize_.cy, ClientHeight(), -scrollY_);
        break;
    case pscUserScaled:
        SetBar(SB_HORZ, virtualSize_.cx, ClientWidth(), -scrollX_);
        SetBar(SB_VERT, virtualSize_.cy, ClientHeight(), -scrollY_);
        break;
    }
}

TRect TSynTextPrintPreview::PaperRect() const
{
    const int left = virtualOffset_.X + scrollX_;
    const int top = virtualOffset_.Y + (scaleMode_ == pscWholePage ? 0 : scrollY_);
    return TRect{left, top, left + pageSize_.cx, top + pageSize_.cy};
}

void TSynTextPrintPreview::Paint()
{
    TRect clip;
    if (GetClipBox(Canvas()->Handle(), &clip) == NULLREGION)
        return;
    PaintPaper();
    if (synTextPrint_ && !ComponentState().Contains(csDesigning))
        PaintPage();
}

void TSynTextPrintPreview::PaintPaper()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
    const TRect client = ClientRect();
    if (!synTextPrint_ || ComponentState().Contains(csDesigning)) {
        canvas->FillRect(client);
        canvas->Brush()->SetColor(pageBGColor_);
        canvas->Rectangle(12, 12, 55, 42);
        return;
    }
    const TRect paper = PaperRect();
    // The background around the paper, in four bands, so the paper itself
    // is painted once and does not flicker.
    canvas->FillRect(TRect{client.Left, client.Top, client.Right, paper.Top});
    canvas->FillRect(TRect{client.Left, paper.Bottom, client.Right, client.Bottom});
    canvas->FillRect(TRect{client.Left, paper.Top, paper.Left, paper.Bottom});
    canvas->FillRect(TRect{paper.Right, paper.Top, client.Right, paper.Bottom});
    for (int offset = 1; offset <= 2; ++offset) {
        canvas->MoveTo(paper.Left + offset, paper.Bottom + offset - 1);
        canvas->LineTo(paper.Right + offset - 1, paper.Bottom + offset - 1);
        canvas->LineTo(paper.Right + offset - 1, paper.Top + offset - 1);
    }
    canvas->Brush()->SetColor(pageBGColor_);
    canvas->Rectangle(paper.Left, paper.Top, paper.Right, paper.Bottom);
}

void TSynTextPrintPreview::PaintPage()
{
    TSynTextPrinterInfo* info = synTextPrint_->PrinterInfo();
    const TRect paper = PaperRect();
    HDC dc = Canvas()->Handle();
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, info->PhysicalWidth(), info->PhysicalHeight(), nullptr);
    SetViewportExtEx(dc, pageSize_.cx, pageSize_.cy, nullptr);
    SetViewportOrgEx(dc, paper.Left + MulDivInt(info->LeftGutter(), pageSize_.cx, info->PhysicalWidth()),
                     paper.Top + MulDivInt(info->TopGutter(), pageSize_.cy, info->PhysicalHeight()), nullptr);
    IntersectClipRect(dc, 0, 0, info->PrintableWidth(), info->PrintableHeight());
    synTextPrint_->PrintToCanvas(Canvas(), pageNumber_);
    RestoreDC(dc, saved);
}

void TSynTextPrintPreview::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN;
    AddControlBorder(Params, borderStyle_, Ctl3D());
}

void TSynTextPrintPreview::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == synTextPrint_)
        synTextPrint_ = nullptr;
}

void TSynTextPrintPreview::HScroll(int Code, int Pos)
{
    const int width = ClientWidth();
    switch (Code) {
    case SB_LINELEFT: ScrollByX(width / 10); break;
    case SB_LINERIGHT: ScrollByX(-width / 10); break;
    case SB_PAGELEFT: ScrollByX(width / 2); break;
    case SB_PAGERIGHT: ScrollByX(-width / 2); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: ScrollToX(-Pos); break;
    case SB_LEFT: ScrollToX(0); break;
    case SB_RIGHT: ScrollToX(-virtualSize_.cx); break;
    default: break;
    }
}

void TSynTextPrintPreview::VScroll(int Code, int Pos)
{
    const int height = ClientHeight();
    switch (Code) {
    case SB_LINEUP: ScrollByY(height / 10); break;
    case SB_LINEDOWN: ScrollByY(-height / 10); break;
    case SB_PAGEUP: ScrollByY(height / 2); break;
    case SB_PAGEDOWN: ScrollByY(-height / 2); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: ScrollToY(-Pos); break;
    case SB_TOP: ScrollToY(0); break;
    case SB_BOTTOM: ScrollToY(-virtualSize_.cy); break;
    default: break;
    }
}

// In whole-page mode the vertical bar moves between pages.
void TSynTextPrintPreview::PageScroll(int Code, int Pos)
{
    const int count = PageCount();
    switch (Code) {
    case SB_LINEUP:
    case SB_PAGEUP: pageNumber_ = std::max(pageNumber_ - 1, 1); break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN: pageNumber_ = std::min(pageNumber_ + 1, count); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        pageNumber_ = std::clamp(Pos, 1, count);
        if (ShowScrollHint)
            ShowPageHint(pageNumber_);
        break;
    case SB_TOP: pageNumber_ = 1; break;
    case SB_BOTTOM: pageNumber_ = count; break;
    case SB_ENDSCROLL:
        PageHintWindow()->ReleaseHandle();
        break;
    default: break;
    }
    scrollY_ = -(pageNumber_ - 1);
    RefreshScrollBars();
    if (OnPreviewPage)
        OnPreviewPage(this, pageNumber_);
    Invalidate();
}

void TSynTextPrintPreview::ShowPageHint(int Page)
{
    THintWindow* hint = PageHintWindow();
    const AnsiString text = Format("Page: %d", {Page});
    TRect rect = hint->CalcHintRect(200, text, nullptr);
    const TPoint corner = ClientToScreen(TPoint{Width() - rect.Right - 4, 10});
    rect = TRect{corner.X, corner.Y, corner.X + rect.Right, corner.Y + rect.Bottom};
    hint->ActivateHint(rect, text);
}

void TSynTextPrintPreview::MouseWheel(int Delta)
{
    wheelAccumulator_ += Delta;
    while (std::abs(wheelAccumulator_) >= WheelStep) {
        const bool up = wheelAccumulator_ > 0;
        wheelAccumulator_ += up ? -WheelStep : WheelStep;
        if (scaleMode_ != pscWholePage)
            ScrollByY(up ? WheelStep : -WheelStep);
    }
}

void TSynTextPrintPreview::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        // Paint covers every pixel.
        Message.Result = 1;
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        if (!ComponentState().Contains(csDesigning))
            LayoutPage();
        return;
    case WM_HSCROLL:
        if (scaleMode_ != pscWholePage)
            HScroll(TWMScroll(Message).ScrollCode(), TWMScroll(Message).Pos());
        Message.Result = 0;
        return;
    case WM_VSCROLL:
        if (scaleMode_ == pscWholePage)
            PageScroll(TWMScroll(Message).ScrollCode(), TWMScroll(Message).Pos());
        else
            VScroll(TWMScroll(Message).ScrollCode(), TWMScroll(Message).Pos());
        Message.Result = 0;
        return;
    case WM_MOUSEWHEEL:
        MouseWheel(TWMMouseWheel(Message).WheelDelta());
        Message.Result = 1;
        return;
    default:
        TCustomControl::Dispatch(Message);
    }
}

void TSynTextPrintPreview::SetBorderStyle(TFormBorderStyle Value)
{
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    RecreateWnd();
}

void TSynTextPrintPreview::SetPageBGColor(TColor Value)
{
    if (pageBGColor_ == Value)
        return;
    pageBGColor_ = Value;
    Invalidate();
}

void TSynTextPrintPreview::SetSynTextPrint(TSynTextPrint* Value)
{
    if (synTextPrint_ == Value)
        return;
    if (synTextPrint_)
        synTextPrint_->RemoveFreeNotification(this);
    synTextPrint_ = Value;
    if (synTextPrint_)
        synTextPrint_->FreeNotification(this);
}

void TSynTextPrintPreview::SetScaleMode(TSynPreviewScale Value)
{
    if (scaleMode_ != Value) {
        scaleMode_ = Value;
        scrollX_ = scrollY_ = 0;
        LayoutPage();
        if (OnScaleChange)
            OnScaleChange(this);
        Invalidate();
    }
}

void TSynTextPrintPreview::SetScalePercent(int Value)
{
    if (scalePercent_ != Value) {
        scaleMode_ = pscUserScaled;
        scrollX_ = scrollY_ = 0;
        scalePercent_ = Value;
        LayoutPage();
        Invalidate();
    } else {
        SetScaleMode(pscUserScaled);
    }
    if (OnScaleChange)
        OnScaleChange(this);
}

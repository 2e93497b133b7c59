// The print preview control on a shown window: the page size in each scale
// mode, scrolling by the bars and the wheel within the paper's bounds, the
// whole-page bar paging with its hint, and the page image, which must be
// what the engine draws on a bitmap of the same size.
#include "editor_services/printing/syn_print_preview.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "tests/editor/syn_view_test_support.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/base/string_list.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/win/headless_screen.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

// A colour as the pixels of a window image hold it: 0xRRGGBB.
uint32_t Rgb(TColor Color)
{
    const uint32_t c = static_cast<uint32_t>(ColorToRGB(Color));
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

class PrintPreviewTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
        TEditorViewTest::SetUp();
        print_.Font()->SetName(kTestFontName);
        print_.Font()->SetSize(10);
        TStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines.Add("說門中 line " + std::to_string(i) + " 這乗");
        print_.SetLines(&lines);
        preview_ = new TSynTextPrintPreview(host_.get());
        preview_->SetAlign(alNone);
        preview_->SetBorderStyle(bsNone);
        preview_->SetBounds(0, 0, 300, 500);
        preview_->SetParent(host_.get());
        preview_->SetSynTextPrint(&print_);
        preview_->RebuildPreview();
        Pump();
    }
    // The sheet's size at 100 %: the printer's sheet at the screen's 96
    // pixels per inch.
    TSize Size100()
    {
        TSynTextPrinterInfo* info = print_.PrinterInfo();
        return TSize{info->PhysicalWidth() * 96 / info->XPixPrInch(), info->PhysicalHeight() * 96 / info->YPixPrInch()};
    }
    void Scroll(UINT Message, int Code, int Pos = 0)
    {
        SendMessage(preview_->Handle(), Message, MAKEWPARAM(Code, Pos), 0);
    }
    int BarPos(int Bar)
    {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(preview_->Handle(), Bar, &info);
        return info.nPos;
    }

    TSynTextPrint print_;
    TSynTextPrintPreview* preview_ = nullptr;
};

TEST_F(PrintPreviewTest, ScaleModesSizeAndPlaceThePaper)
{
    ASSERT_GE(print_.PageCount(), 3);
    const TSize size100 = Size100();
    TRect paper = preview_->PaperRect();
    EXPECT_NEAR(paper.Width(), size100.cx, 1);
    EXPECT_NEAR(paper.Height(), size100.cy, 1);
    EXPECT_EQ(paper.TopLeft(), (TPoint{13, 13}));  // bigger than the window: no centring

    preview_->SetScalePercent(50);
    paper = preview_->PaperRect();
    EXPECT_NEAR(paper.Width(), size100.cx / 2, 1);
    EXPECT_NEAR(paper.Height(), size100.cy / 2, 1);

    // A tall window: the whole page keeps the sheet's proportions and sits
    // in the middle both ways.
    int changes = 0;
    preview_->OnScaleChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    preview_->SetScaleMode(pscWholePage);
    EXPECT_EQ(changes, 1);
    paper = preview_->PaperRect();
    const int width = preview_->ClientWidth() - 26;
    EXPECT_EQ(paper.Width(), width);
    EXPECT_NEAR(paper.Height(), width * print_.PrinterInfo()->PhysicalHeight() / print_.PrinterInfo()->PhysicalWidth(), 1);
    EXPECT_EQ(paper.Left, 13);
    EXPECT_NEAR(paper.Top + paper.Height() / 2, preview_->ClientHeight() / 2, 1);

    preview_->SetScaleMode(pscPageWidth);
    EXPECT_EQ(preview_->PaperRect().Width(), width);

    // The same percentage again still means user scaling, and says so
    // (once for the mode, once for the percentage).
    preview_->SetScalePercent(50);
    EXPECT_EQ(preview_->ScaleMode(), pscUserScaled);
    EXPECT_EQ(changes, 4);
    EXPECT_NEAR(preview_->PaperRect().Width(), size100.cx / 2, 1);
}

TEST_F(PrintPreviewTest, BarsAndWheelScrollWithinThePaper)
{
    preview_->SetScalePercent(200);
    const int clientW = preview_->ClientWidth(), clientH = preview_->ClientHeight();
    const TSize size = Size100();
    const int virtualW = size.cx * 2 + 26, virtualH = size.cy * 2 + 26;

    Scroll(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(preview_->ScrollPosition().X, -(clientW / 2));
    EXPECT_EQ(BarPos(SB_HORZ), clientW / 2);
    Scroll(WM_HSCROLL, SB_RIGHT);
    EXPECT_NEAR(preview_->ScrollPosition().X, clientW - virtualW, 2);
    Scroll(WM_HSCROLL, SB_LINERIGHT);  // never beyond the paper's far edge
    EXPECT_NEAR(preview_->ScrollPosition().X, clientW - virtualW, 2);
    EXPECT_EQ(preview_->PaperRect().Right + 13, clientW);
    Scroll(WM_HSCROLL, SB_LINELEFT);
    EXPECT_NEAR(preview_->ScrollPosition().X, clientW - virtualW + clientW / 10, 2);
    Scroll(WM_HSCROLL, SB_LEFT);
    EXPECT_EQ(preview_->ScrollPosition().X, 0);

    Scroll(WM_VSCROLL, SB_THUMBTRACK, 400);
    EXPECT_EQ(preview_->ScrollPosition().Y, -400);
    EXPECT_EQ(preview_->PaperRect().Top, 13 - 400);
    Scroll(WM_VSCROLL, SB_BOTTOM);
    EXPECT_NEAR(preview_->ScrollPosition().Y, clientH - virtualH, 2);

    // Three notches of 40 make one step of 120 pixels toward the top.
    Scroll(WM_VSCROLL, SB_TOP);
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 500);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(preview_->ScrollPosition().Y, -500);
        SendMessage(preview_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 40), 0);
    }
    EXPECT_EQ(preview_->ScrollPosition().Y, -380);
    SendMessage(preview_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(preview_->ScrollPosition().Y, -620);

    // A new scale starts at the top left.
    preview_->SetScalePercent(100);
    EXPECT_EQ(preview_->ScrollPosition(), (TPoint{0, 0}));
}

TEST_F(PrintPreviewTest, WholePageBarTurnsPagesAndHintsThePage)
{
    std::vector<int> shown;
    preview_->OnPreviewPage = TPreviewPageEvent::FromCallable([&](TObject*, int Page) { shown.push_back(Page); });
    preview_->SetScaleMode(pscWholePage);
    const int count = print_.PageCount();
    Scroll(WM_VSCROLL, SB_LINEUP);
    Scroll(WM_VSCROLL, SB_PAGEDOWN);
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 3);
    EXPECT_EQ(BarPos(SB_VERT), 3);
    THintWindow* hint = nullptr;
    for (int i = 0; i < Application->ComponentCount(); ++i)
        if (auto* window = dynamic_cast<THintWindow*>(Application->Components(i)))
            if (window->HandleAllocated() && window->Caption() == "Page: 3")
                hint = window;
    ASSERT_NE(hint, nullptr) << "no hint shows the page being dragged over";
    const TPoint corner = preview_->ClientToScreen(TPoint{0, 10});
    EXPECT_EQ(hint->BoundsRect().Top, corner.Y);
    EXPECT_EQ(hint->BoundsRect().Right, corner.X + preview_->Width() - 4);
    Scroll(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_FALSE(hint->HandleAllocated());
    Scroll(WM_VSCROLL, SB_BOTTOM);
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 3, count, count}));
    // The page always fits: the wheel leaves it where it is.
    SendMessage(preview_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    EXPECT_EQ(preview_->PageNumber(), count);

    preview_->ShowFirstPage();
    preview_->ShowPreviousPage();
    preview_->ShowLastPage();
    preview_->ShowNextPage();
    EXPECT_EQ(preview_->PageNumber(), count);
}

// The paper on screen is the engine's page drawn at the paper's size.
TEST_F(PrintPreviewTest, ThePaperShowsTheEnginePageAtItsScale)
{
    preview_->SetScaleMode(pscWholePage);
    preview_->ShowNextPage();
    Pump();
    const TRect paper = preview_->PaperRect();
    const TRasterImage shown = WindowImage(preview_->Handle());

    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(paper.Width(), paper.Height());
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, paper.Width(), paper.Height()});
    TSynTextPrinterInfo* info = print_.PrinterInfo();
    print_.PrepareOnCanvas(canvas);
    SetMapMode(canvas->Handle(), MM_ANISOTROPIC);
    SetWindowExtEx(canvas->Handle(), info->PhysicalWidth(), info->PhysicalHeight(), nullptr);
    SetViewportExtEx(canvas->Handle(), paper.Width(), paper.Height(), nullptr);
    SetViewportOrgEx(canvas->Handle(), info->LeftGutter() * paper.Width() / info->PhysicalWidth(),
                     info->TopGutter() * paper.Height() / info->PhysicalHeight(), nullptr);
    print_.PrintToCanvas(canvas, 2);

    int inked = 0, differ = 0;
    // Inside the paper's black outline.
    for (int y = 1; y < paper.Height() - 1; ++y) {
        const auto* row = static_cast<const uint32_t*>(bitmap.ScanLine(y));
        for (int x = 1; x < paper.Width() - 1; ++x) {
            const uint32_t drawn = row[x] & 0xFFFFFF;
            const uint32_t onScreen = shown.Row(paper.Top + y)[paper.Left + x] & 0xFFFFFF;
            inked += drawn != 0xFFFFFF;
            differ += drawn != onScreen;
        }
    }
    EXPECT_GT(inked, 500);
    EXPECT_EQ(differ, 0);
    // The work space around the paper, and its shadow.
    EXPECT_EQ(shown.Row(5)[5] & 0xFFFFFF, Rgb(clAppWorkSpace));
    EXPECT_EQ(shown.Row(paper.Bottom)[paper.Left + 20] & 0xFFFFFF, 0u);
}

TEST_F(PrintPreviewTest, WithoutAnEngineASmallPlaceholderSheet)
{
    auto* engine = new TSynTextPrint(nullptr);
    preview_->SetSynTextPrint(engine);
    delete engine;
    EXPECT_EQ(preview_->SynTextPrint(), nullptr);
    preview_->SetScaleMode(pscWholePage);
    Pump();
    const TRasterImage shown = WindowImage(preview_->Handle());
    EXPECT_EQ(shown.Row(12)[12] & 0xFFFFFF, 0u);
    EXPECT_EQ(shown.Row(25)[30] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.Row(100)[100] & 0xFFFFFF, Rgb(clAppWorkSpace));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(preview_->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMin, 1);
    EXPECT_EQ(info.nMax, 1);
}

}  // namespace

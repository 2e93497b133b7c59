// The print preview dialog on a real X display (the suite's own Xvfb) in
// the fonts a user gets: a highlighted C sample shows on the paper in its
// colours, a click on the next-page button turns the page, and the close
// button ends it. With TANDRIL_PREVIEW_DIALOG_SCREENSHOT set, the dialog as
// shown goes to that file, for a person to look at.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tests/platform/ui/printer_test_support.h"
#include "editor_services/printing/syn_preview_dlg.h"
#include "editor_services/printing/syn_print_preview.h"
#include "editor_services/printing/syn_text_print.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/string_list.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/status_bar.h"
#include "platform/ui/widgets/tool_bar.h"
#include "tests/highlighter/c_like_rules.h"
#include "tests/platform/ui/form_x11_test_support.h"

namespace {

class TSynPreviewDlgX11Test : public TFormX11Test {
protected:
    void TearDown() override
    {
        TModalAnswers::Clear();
        TFormX11Test::TearDown();
    }

    static void Screenshot(const TRasterImage& Image)
    {
        const char* file = std::getenv("TANDRIL_PREVIEW_DIALOG_SCREENSHOT");
        if (!file)
            return;
        std::vector<uint8_t> png = WritePng(Image);
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }
    static TPoint Middle(TControl* Control)
    {
        return Control->ClientToScreen(Point(Control->Width() / 2, Control->Height() / 2));
    }
};

TEST_F(TSynPreviewDlgX11Test, AHighlightedPageShowsInItsColoursAndTheButtonsWork)
{
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    Printer().Refresh();
    TSynLexSyn syn(nullptr);
    BuildCLikeRules(syn);
    syn.PrepareRules();
    TSynTextPrint print;
    TStringList lines;
    for (int i = 0; i < 40; ++i) {
        lines.Add("int count" + std::to_string(i) + " = " + std::to_string(i * 7) + "; /* 中文注释 說門 */");
        lines.Add("static const char *name = \"打印\"; // 這乗");
        lines.Add("\tif (count > 0) return count * 2;");
    }
    print.SetLines(&lines);
    print.SetHighlighter(&syn);
    print.Colors = true;
    print.LineNumbers = true;
    print.Title = "sample.c";
    print.Header()->Add("$TITLE$", nullptr, taLeftJustify, 1);
    print.Header()->Add("$PAGENUM$/$PAGECOUNT$", nullptr, taRightJustify, 1);

    int navy = 0, purple = 0;
    bool turned = false;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* dialog = static_cast<TSynPreviewDlg*>(Request.Form);
        EXPECT_TRUE(BecomesViewable(dialog->Handle()));
        // Maximised, the frame lies off the screen, so the display is read
        // through the screen rather than compared with the whole backing.
        EXPECT_TRUE(HasXFocus(dialog->Handle()));
        TRect paper = dialog->SynTextPrintPreview->PaperRect();
        const TPoint corner = dialog->SynTextPrintPreview->ClientToScreen(Point(paper.Left, paper.Top));
        OffsetRect(paper, corner.X - paper.Left, corner.Y - paper.Top);
        const TRasterImage image = ScreenImage();
        Screenshot(image);
        // Keywords in navy and numbers in purple, as the scheme colours them
        // (smoothed edges blend them with the paper: their hue counts).
        for (int y = std::max(paper.Top, 0); y < std::min(paper.Bottom, image.Height); ++y)
            for (int x = std::max(paper.Left, 0); x < std::min(paper.Right, image.Width); ++x) {
                const uint32_t pixel = image.Row(y)[x];
                const int r = pixel >> 16 & 0xFF, g = pixel >> 8 & 0xFF, b = pixel & 0xFF;
                navy += b > r + 60 && b > g + 60;
                purple += r > g + 60 && b > g + 60 && std::abs(r - b) < 40;
            }
        Click(Middle(dialog->ToolBar->Buttons(2)));  // 下页
        turned = PumpUntil([&] { return dialog->SynTextPrintPreview->PageNumber() == 2; }) &&
                 dialog->StatusBar->Panels()->Items(1)->Text() == " 页: 2";
        Click(Middle(dialog->ToolBar->Buttons(dialog->ToolBar->ButtonCount() - 1)));  // 关闭
        PumpUntil([&] { return dialog->ModalResult() != mrNone; });
        return mrNone;
    });
    TSynPreviewDlg dialog(nullptr);
    dialog.ExecutePreview(&print);
    EXPECT_EQ(TModalAnswers::Count(), 0);
    EXPECT_GT(navy, 20);
    EXPECT_GT(purple, 20);
    EXPECT_TRUE(turned);
    EXPECT_EQ(dialog.ModalResult(), mrCancel);
    print.SetHighlighter(nullptr);
}

}  // namespace

// The page setup dialog on a real X display in the fonts a user gets: its
// header and footer page shows the whole note and both groups, and is
// worked with the keyboard (tab accelerators, Tab through the colour
// swatches, Escape from a text box). With TANDRIL_PAGE_SETUP_SCREENSHOT
// set, that page as shown goes to the file it names, for a person to look at.
#include <X11/keysym.h>

#include "editor_services/printing/syn_page_setup_dlg.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/page_control.h"
#include "editor_services/printing/syn_color_swatch.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "tests/platform/ui/form_x11_test_support.h"

namespace {

class TSynPageSetupX11Test : public TFormX11Test {
protected:
    void TearDown() override
    {
        TModalAnswers::Clear();
        TFormX11Test::TearDown();
    }
    static TPageControl* TabsOf(TRichEdit* Box)
    {
        return static_cast<TTabSheet*>(Box->Parent())->PageControl();
    }
    // The dark pixels the display shows inside Control.
    static int InkIn(TControl* Control)
    {
        const TPoint origin = Control->ClientToScreen(Point(0, 0));
        const TRasterImage image = ScreenImage();
        int ink = 0;
        for (int y = origin.Y; y < origin.Y + Control->Height() && y < image.Height; ++y)
            for (int x = origin.X; x < origin.X + Control->Width() && x < image.Width; ++x)
                ink += (image.Row(y)[x] & 0xFF) < 0x60;
        return ink;
    }
};

TEST_F(TSynPageSetupX11Test, TheHeadsPageShowsWholeAndWorksByKeyboard)
{
    TSynTextPrint print;
    bool closedByEscape = false;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* d = static_cast<TSynPageSetupDlg*>(Request.Form);
        EXPECT_TRUE(BecomesViewable(d->Handle()));
        d->PageControl->SetActivePageIndex(1);
        TWinControl* sheet = d->PageControl->ActivePage();
        PumpUntil([] { return false; });
        SaveScreenshot("TANDRIL_PAGE_SETUP_SCREENSHOT");

        // Both groups lie whole inside the page.
        for (int which = 0; which < 2; ++which) {
            TControl* group = TabsOf(d->Heads[which].Text[0])->Parent();
            EXPECT_LE(group->Top() + group->Height(), sheet->ClientHeight()) << which;
            EXPECT_LE(group->Left() + group->Width(), sheet->ClientWidth()) << which;
            for (TControl* box : {static_cast<TControl*>(d->Heads[which].ShadowFrame),
                                  static_cast<TControl*>(TabsOf(d->Heads[which].Text[0]))})
                EXPECT_LE(box->Top() + box->Height(), group->ClientHeight()) << which;
        }
        // The note is text on the page, its lines whole above the groups.
        TLabel* note = nullptr;
        for (int i = 0; i < sheet->ControlCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(sheet->Controls(i)))
                note = label;
        EXPECT_NE(note, nullptr);
        if (note) {
            EXPECT_GT(InkIn(note), 400);
            EXPECT_LE(note->Top() + note->Height(), TabsOf(d->Heads[0].Text[0])->Parent()->Top());
        }

        // Alt+R and Alt+G bring up the right-hand boxes of the header and the footer.
        Key(XK_r, {XK_Alt_L});
        EXPECT_TRUE(AppPumpUntil([&] { return TabsOf(d->Heads[0].Text[2])->ActivePageIndex() == 2; }));
        Key(XK_g, {XK_Alt_L});
        EXPECT_TRUE(AppPumpUntil([&] { return TabsOf(d->Heads[1].Text[2])->ActivePageIndex() == 2; }));

        // Shift+Tab from the header's first check box goes back through its
        // colour swatches; Space on one opens the colour dialog.
        d->Heads[0].Mirror->SetFocus();
        AppPumpUntil([] { return false; });
        Key(XK_Tab, {XK_Shift_L});
        EXPECT_TRUE(AppPumpUntil([&] { return d->ActiveControl() == d->Heads[0].Shadow; }));
        Key(XK_Tab, {XK_Shift_L});
        EXPECT_TRUE(AppPumpUntil([&] { return d->ActiveControl() == d->Heads[0].Line; }));
        bool colourDialog = false;
        TModalAnswers::Push([&](const TModalRequest&) {
            colourDialog = true;
            return mrCancel;
        });
        Key(XK_space);
        EXPECT_TRUE(AppPumpUntil([&] { return colourDialog; }));

        // Escape in a text box ends the dialog as Cancel.
        d->Heads[1].Text[2]->SetFocus();
        AppPumpUntil([] { return false; });
        Key(XK_Escape);
        closedByEscape = AppPumpUntil([&] { return d->ModalResult() == mrCancel; });
        if (!closedByEscape)
            d->SetModalResult(mrCancel);
        return mrNone;
    });
    TSynPageSetupDlg dialog(nullptr);
    EXPECT_FALSE(dialog.ExecutePageSetup(&print));
    EXPECT_TRUE(closedByEscape);
    EXPECT_EQ(TModalAnswers::Count(), 0);
}

}  // namespace

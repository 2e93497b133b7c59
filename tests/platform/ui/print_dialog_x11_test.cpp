// The print dialog on a real X display, in the fonts a user gets: its
// accelerators and edits worked with the display's keys give the range,
// copies and collation back, and the display shows what the form painted.
// With TANDRIL_PRINT_DIALOG_SCREENSHOT set, the dialog as shown goes to
// that file, for a person to look at.
#include <cups/cups.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/dialogs/print_dialog.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/group_box.h"

#include <X11/keysym.h>

namespace {

class TPrintDialogX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        // The PDF printer alone, whatever CUPS this machine has.
        cupsSetServer("/nonexistent/tandril-no-cups.sock");
        Printer().Refresh();
    }
    void TearDown() override
    {
        TModalAnswers::Clear();
        cupsSetServer(nullptr);
        TFormX11Test::TearDown();
    }

    // Replaces the text of the edit whose label has Letter by Digits.
    static void Retype(unsigned long Letter, std::initializer_list<unsigned long> Digits)
    {
        Key(Letter, {XK_Alt_L});
        Key(XK_End);
        Key(XK_Home, {XK_Shift_L});
        for (unsigned long digit : Digits)
            Key(digit);
    }

    // The check box with Caption in one of Form's group boxes.
    static TCheckBox* CheckBoxOf(TCustomForm* Form, const AnsiString& Caption)
    {
        for (int i = 0; i < Form->ControlCount(); ++i)
            if (auto* group = dynamic_cast<TGroupBox*>(Form->Controls(i)))
                for (int j = 0; j < group->ControlCount(); ++j)
                    if (auto* box = dynamic_cast<TCheckBox*>(group->Controls(j)); box && box->Caption() == Caption)
                        return box;
        return nullptr;
    }

    static void Screenshot(TCustomForm* Form)
    {
        const char* file = std::getenv("TANDRIL_PRINT_DIALOG_SCREENSHOT");
        if (!file)
            return;
        TRect bounds = Form->BoundsRect();
        std::vector<uint8_t> png = WritePng(ScreenImage(bounds));
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }
};

TEST_F(TPrintDialogX11Test, TheDisplaysKeysChooseTheRangeAndCopies)
{
    TPrintDialog dialog(nullptr);
    dialog.Options = {poPageNums, poSelection, poPrintToFile, poWarning};
    dialog.MinPage = 1;
    dialog.MaxPage = 12;
    dialog.FromPage = 1;
    dialog.ToPage = 12;
    bool viewable = false, shown = false;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        TCustomForm* form = Request.Form;
        viewable = BecomesViewable(form->Handle());
        Key(XK_g, {XK_Alt_L});
        Retype(XK_f, {XK_3});
        Retype(XK_t, {XK_1, XK_0});
        Retype(XK_c, {XK_2});
        Key(XK_o, {XK_Alt_L});
        // The last key taken, the display shows the form as painted.
        PumpUntil([&] { return CheckBoxOf(form, "逐份打印(&O)")->Checked(); });
        shown = ShowsBacking(form->Handle());
        Screenshot(form);
        Key(XK_Return);
        PumpUntil([&] { return form->ModalResult() == mrOk; });
        return mrNone;
    });
    TModalAnswers::Push([](const TModalRequest&) {
        ADD_FAILURE() << "OK did not close the dialog";
        return mrCancel;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(viewable);
    EXPECT_TRUE(shown);
    EXPECT_EQ(dialog.PrintRange, prPageNums);
    EXPECT_EQ(dialog.FromPage, 3);
    EXPECT_EQ(dialog.ToPage, 10);
    EXPECT_EQ(dialog.Copies, 2);
    EXPECT_TRUE(dialog.Collate);
    EXPECT_TRUE(Printer().IsPdfPrinter());
}

}  // namespace

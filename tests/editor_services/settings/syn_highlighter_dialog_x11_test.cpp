// The language list and the customising dialog on a real X display (the
// suite's own Xvfb) in the fonts a user gets: the display's keys find a
// language and open the customising dialog, whose sample's caret chooses
// the element that its mouse makes bold, and
// the display shows what the forms painted, row 0 of the list striped
// grey. With TANDRIL_HIGHLIGHTER_DIALOG_SCREENSHOT set, each dialog as
// shown goes to that name with "-toggle.png" or "-custom.png" added, for a
// person to look at.

#include <cstdio>
#include <cstdlib>

#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor/syn_memo.h"
#include "editor_services/settings/syn_highlighter_dialog_custom.h"
#include "editor_services/settings/syn_highlighter_dialog_toggle.h"
#include "editor_services/settings/syn_manager.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/strings.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "tests/highlighter/c_like_rules.h"
#include "tests/platform/ui/form_x11_test_support.h"
#include "tests/support/pixel_colour.h"

#include <X11/keysym.h>

namespace {

class THighlighterDialogX11Test : public TFormX11Test {
protected:
    void TearDown() override
    {
        TModalAnswers::Clear();
        TFormX11Test::TearDown();
    }

    static void Screenshot(TCustomForm* Form, const char* Suffix)
    {
        const char* file = std::getenv("TANDRIL_HIGHLIGHTER_DIALOG_SCREENSHOT");
        if (!file)
            return;
        std::vector<uint8_t> png = WritePng(ScreenImage(Form->BoundsRect()));
        if (FILE* out = std::fopen((AnsiString(file) + Suffix).c_str(), "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }
};

TEST_F(THighlighterDialogX11Test, TheDisplaysKeysFindALanguageAndTickBoldInTheCustomisingDialog)
{
    TSynManager manager(nullptr);
    auto* c = new TSynLexSyn(&manager);
    BuildCLikeRules(*c);
    c->Info()->General.Name = "C";
    c->SetSampleSource("#include <stdio.h>\r\n/* 說門 中文 */\r\nint main(void)\r\n{\r\n    return 42;\r\n}");
    auto* item = static_cast<TSynHighlighterItem*>(manager.Highlighters()->Add());
    item->SetHighlighter(c);
    item->IsLoaded = true;

    TColor stripe = clNone;
    bool boldTicked = false;
    TSynHighlighterAttributes* chosen = nullptr;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* dialog = static_cast<TToggleHighlighterDlg*>(Request.Form);
        EXPECT_TRUE(BecomesViewable(dialog->Handle()) && HasXFocus(dialog->Handle()));
        for (unsigned long key : {XK_p, XK_a})
            Key(key);
        EXPECT_TRUE(PumpUntil([&] { return dialog->ListBox1->ItemIndex() == 3; }));
        EXPECT_TRUE(ShowsBacking(dialog->Handle()));
        const TRect row0 = dialog->ListBox1->ItemRect(0);
        const TPoint inRow0 = dialog->ListBox1->ClientToScreen(Point(row0.Right - 4, row0.Top + 2));
        stripe = PixelAt(ScreenImage(Rect(inRow0.X, inRow0.Y, inRow0.X + 1, inRow0.Y + 1)), 0, 0);
        Screenshot(dialog, "-toggle.png");
        Key(XK_u, {XK_Alt_L});
        PumpUntil([&] { return dialog->ModalResult() != mrNone; });
        return mrNone;
    });
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* dialog = static_cast<TCustomHLDlg*>(Request.Form);
        EXPECT_TRUE(BecomesViewable(dialog->Handle()));
        // The sample's caret to its start: the element of the preprocessor
        // line comes up; then the bold box is clicked.
        TControl* sample = dialog->SynText1;
        Click(sample->ClientToScreen(Point(sample->Width() / 2, sample->Height() / 2)));
        Key(XK_Home, {XK_Control_L});
        TComboBox* elements = dialog->ComboBox2;
        PumpUntil([&] { return elements->Text() == "Preprocessor"; });
        chosen = static_cast<TSynHighlighterAttributes*>(elements->Items()->Objects(elements->ItemIndex()));
        TControl* bold = dialog->CheckBox1;
        Click(bold->ClientToScreen(Point(bold->Width() / 2, bold->Height() / 2)));
        boldTicked = PumpUntil([&] { return dialog->CheckBox1->Checked(); });
        EXPECT_TRUE(ShowsBacking(dialog->Handle()));
        Screenshot(dialog, "-custom.png");
        Key(XK_s, {XK_Alt_L});
        Key(XK_Escape);  // from the bold box: the sample would take it
        PumpUntil([&] { return dialog->ModalResult() != mrNone; });
        return mrNone;
    });
    TModalAnswers::Push(mrCancel);  // the language list after the customising dialog
    TToggleHighlighterDlg dialog(nullptr);
    for (const char* row : {"(无)", "說明文字", "C", "Pascal", "Object Pascal"})
        dialog.ListBox1->Items()->Add(row);
    dialog.ListBox1->SetItemIndex(2);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(stripe, TToggleHighlighterDlg::EvenRowColor);
    EXPECT_TRUE(boldTicked);
    // Kept: the element of the token at the sample's caret, the
    // preprocessor line, stays bold.
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->Name(), "Preprocessor");
    EXPECT_TRUE(chosen->Style().Contains(fsBold));
}

}  // namespace

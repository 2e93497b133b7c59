// The find and replace dialogs on a real X display (the suite's own Xvfb)
// in the fonts a user gets, over an editor: keys from the display's XTest
// fill them, Enter finds and Alt+A replaces everything, and the display
// shows what the forms painted. With TANDRIL_SEARCH_DIALOG_SCREENSHOT set,
// each dialog as shown goes to that name with "-find.png" or
// "-replace.png" added, for a person to look at.

#include <cstdio>
#include <cstdlib>

#include "editor/syn_memo.h"
#include "editor_services/search/syn_find_dialog.h"
#include "editor_services/search/syn_replace_dialog.h"
#include "editor_services/search/syn_text_searcher.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "tests/platform/ui/form_x11_test_support.h"

#include <X11/keysym.h>

namespace {

class TSynSearchDialogsX11Test : public TFormX11Test {
protected:
    void TearDown() override
    {
        TModalAnswers::Clear();
        TFormX11Test::TearDown();
    }

    TSynMemo* ShowEditor(const AnsiString& Text)
    {
        form_ = new TForm(nullptr);
        form_->SetBounds(40, 40, 520, 300);
        auto* memo = new TSynMemo(form_);
        memo->SetBounds(8, 8, 480, 240);
        memo->SetParent(form_);
        memo->SetText(Text);
        form_->SetActiveControl(memo);
        form_->Show();
        Pump();
        return memo;
    }

    static void Screenshot(TCustomForm* Form, const char* Suffix)
    {
        const char* file = std::getenv("TANDRIL_SEARCH_DIALOG_SCREENSHOT");
        if (!file)
            return;
        std::vector<uint8_t> png = WritePng(ScreenImage(Form->BoundsRect()));
        if (FILE* out = std::fopen((AnsiString(file) + Suffix).c_str(), "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }

    // Works the next dialog with Steps once the display shows it, waiting
    // until the display holds what it painted after them; then presses
    // Finish (with Alt when WithAlt) and waits for the dialog to close.
    void Work(const std::function<void(TCustomForm*)>& Steps, const std::function<bool(TCustomForm*)>& Ready,
              const char* Suffix, unsigned long Finish, bool WithAlt = false)
    {
        TModalAnswers::Push([=, this](const TModalRequest& Request) {
            TCustomForm* dialog = Request.Form;
            EXPECT_TRUE(BecomesViewable(dialog->Handle()) && HasXFocus(dialog->Handle()));
            Steps(dialog);
            EXPECT_TRUE(PumpUntil([&] { return Ready(dialog); }));
            EXPECT_TRUE(ShowsBacking(dialog->Handle()));
            Screenshot(dialog, Suffix);
            WithAlt ? Key(Finish, {XK_Alt_L}) : Key(Finish);
            PumpUntil([&] { return dialog->ModalResult() != mrNone; });
            return mrNone;
        });
    }

    TSynTextSearcher searcher_;
};

TEST_F(TSynSearchDialogsX11Test, TheDisplaysKeysFindAndReplaceInTheEditor)
{
    TSynMemo* memo = ShowEditor("中文 beta 說門\r\nbeta alpha");
    searcher_.UseRegex = false;
    Work(
        [](TCustomForm*) {
            for (unsigned long key : {XK_b, XK_e, XK_t, XK_a})
                Key(key);
            Key(XK_e, {XK_Alt_L});  // the whole text
        },
        [](TCustomForm* Dialog) {
            auto* find = static_cast<TSynFindDlg*>(Dialog);
            return find->cbSearchText->Text() == "beta" && !find->cbSearchFromCursor->Checked();
        },
        "-find.png", XK_Return);
    searcher_.Find(memo);
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(6, 1));
    EXPECT_EQ(memo->SelText(), "beta");

    Work(
        [](TCustomForm*) {
            Key(XK_t, {XK_Alt_L});
            for (unsigned long key : {XK_g, XK_a, XK_m, XK_m, XK_a})
                Key(key);
        },
        [](TCustomForm* Dialog) {
            return static_cast<TSynReplaceDlg*>(Dialog)->cbReplaceText->Text() == "gamma";
        },
        "-replace.png", XK_a, true);
    searcher_.Replace(memo);
    EXPECT_EQ(memo->Lines()->Text(), "中文 gamma 說門\r\ngamma alpha");
}

}  // namespace

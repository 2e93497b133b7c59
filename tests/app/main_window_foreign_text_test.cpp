// Text from outside the code page in the main window: characters typed
// that GBK has no form for leave the text as it was and the status bar
// says so, and a file valid in no encoding, inserted into an article, is
// shown and stored with '?' for its stray bytes (the file keeps UTF-8).
#include <fstream>

#include "editor_services/syn_text_editor.h"
#include "platform/ui/dialogs/file_dialog_form.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "tests/app/main_window_test_support.h"

namespace {

using TMainWindowForeignTextTest = TMainWindowTest;

TEST_F(TMainWindowForeignTextTest, CharactersGbkCannotHoldTypeNothingAndTheStatusBarSaysSo)
{
    CreateDataBase();
    NewNode(true, "說門");
    TCustomSynTextEditor* editor = form_->GetActiveEditor();
    ASSERT_TRUE(editor && editor->Focused());
    Type("ab");
    form_->ShowHint("");

    // An input method commits text with an emoji, Hangul and the euro sign
    // among characters GBK holds: those go in, the others nowhere.
    InjectCommittedText(U"說\U0001F600門\uD55C€c");
    Process();
    EXPECT_EQ(editor->Text(), "ab說門c");
    EXPECT_EQ(form_->StatusPanels[5]->Caption(), "输入的字符 U+20AC 无法用 GBK 表示，没有输入。");

    // The same in a text box, the search page's.
    form_->LeftPages->SetActivePageIndex(1);
    form_->SearchText->SetFocus();
    Process();
    ASSERT_TRUE(form_->SearchText->Focused());
    form_->ShowHint("");
    Type("x");
    InjectCommittedText(U"\U0001F600");
    Process();
    EXPECT_EQ(form_->SearchText->Text(), "x");
    EXPECT_EQ(form_->StatusPanels[5]->Caption(), "输入的字符 U+1F600 无法用 GBK 表示，没有输入。");
    EXPECT_EQ(editor->Text(), "ab說門c");
}

TEST_F(TMainWindowForeignTextTest, AFileValidInNoEncodingIsInsertedAndStoredWithQuestionMarks)
{
    CreateDataBase();
    const int id = NewNode(true, "說門");
    TCustomSynTextEditor* editor = form_->GetActiveEditor();
    ASSERT_TRUE(editor && editor->Focused());
    const std::string file = Path("bad.txt");
    std::ofstream(file, std::ios::binary) << "bad \xFF\xFE\x80\xC3 tail";

    // The article's context menu by key: its first row inserts a file.
    AnswerForm<TFileDialogForm>([file](TFileDialogForm*) {
        Process();
        Key('N', InjectAlt);
        Type(file);
        Key(VK_RETURN);
        return mrNone;
    });
    AnswerBoxes({1});
    Key(VK_APPS);
    Key(VK_RETURN);
    EXPECT_EQ(editor->Text(), "bad ???? tail");
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_TRUE(Boxes[0].ends_with(": " + file + " 中有 4 个字符无法用 GBK 表示，已用“?”代替。")) << Boxes[0];

    // Stored as UTF-8 that any reader of the file takes.
    Key('S', InjectCtrl);
    EXPECT_EQ(Column("select hex(内容) from Contents where 标识 = " + std::to_string(id)),
              "626164203F3F3F3F207461696C");
}

}  // namespace

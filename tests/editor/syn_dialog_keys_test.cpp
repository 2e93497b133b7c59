// Tab, Shift+Tab, Ctrl+Tab and Ctrl+Shift+Tab from an editor that does not
// want tabs, holding a selection, headless and on a real X display: the
// keys move the focus or the page and never type into the editor.
#include <memory>
#include <string>
#include <vector>

#include "editor/syn_memo.h"
#include "syn_view_test_support.h"
#include "syn_x11_fixture.h"
#include "tests/platform/ui/dialog_keys_test_support.h"

namespace {

// An editor on the pages of Form, part of its text ("門 one", the line
// break and "tw") to be selected once the form is up.
std::unique_ptr<TDialogKeyPages> PagesWith(TForm* Form, TSynMemo*& Editor)
{
    Form->SetBounds(40, 40, 420, 300);
    Editor = new TSynMemo(Form);
    Editor->SetText("說門 one\r\ntwo\tthree");
    return std::make_unique<TDialogKeyPages>(Form, Editor);
}

void Select(TSynMemo* Editor)
{
    Editor->SetSelStart(2);
    Editor->SetSelEnd(12);
    EXPECT_EQ(Editor->SelText(), "門 one\r\ntw");
}

class TSynDialogKeysTest : public TEditorViewTest {};

TEST_F(TSynDialogKeysTest, TheFocusAndPageKeysTypeNothingIntoTheEditor)
{
    auto form = std::make_unique<TForm>(nullptr);
    TSynMemo* editor = nullptr;
    auto pages = PagesWith(form.get(), editor);
    Pump();
    Select(editor);
    EXPECT_EQ(pages->Faults([editor] { return editor->Text(); },
                            [](UINT Modifiers, const std::function<bool()>& Done) {
                                InjectTab(Modifiers);
                                Pump();
                                return Done();
                            }),
              std::vector<std::string>{});
}

class TSynDialogKeysX11Test : public TSynX11Test {};

TEST_F(TSynDialogKeysX11Test, TheFocusAndPageKeysTypeNothingIntoTheEditor)
{
    form_ = std::make_unique<TForm>(nullptr);
    TSynMemo* editor = nullptr;
    auto pages = PagesWith(form_.get(), editor);
    Pump();
    ASSERT_TRUE(FormHasXFocus());
    Select(editor);
    EXPECT_EQ(pages->Faults([editor] { return editor->Text(); },
                            [this](UINT Modifiers, const std::function<bool()>& Done) {
                                PressTabOnDisplay(Modifiers, &TX11Test::Key);
                                return PumpUntil(Done);
                            }),
              std::vector<std::string>{});
}

}  // namespace

// Tab, Shift+Tab, Ctrl+Tab and Ctrl+Shift+Tab from a memo and a rich edit
// holding a selection, headless and on a real X display: the keys move the
// focus or the page and type nothing, so the selected text survives any
// number of round trips.
#include <memory>
#include <string>
#include <vector>

#include "dialog_keys_test_support.h"
#include "form_test_support.h"
#include "form_x11_test_support.h"
#include "platform/ui/textedit/memo.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/win/headless_input.h"

namespace {

// A memo or rich edit on the pages of a new form, its text set; the
// selection (part of "門 one", the line break and "tw") is made once the
// form is up.
template <class TSubject>
std::unique_ptr<TDialogKeyPages> PagesWith(TForm* Form, TSubject*& Subject)
{
    Form->SetBounds(40, 40, 420, 300);
    Subject = new TSubject(Form);
    Subject->SetText("說門 one\r\ntwo\tthree");
    return std::make_unique<TDialogKeyPages>(Form, Subject);
}

void Select(TCustomEdit* Subject)
{
    Subject->SetSelStart(2);
    Subject->SetSelLength(10);
    EXPECT_EQ(Subject->SelText(), "門 one\r\ntw");
}

class TDialogKeysTest : public TFormTest {
protected:
    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    template <class TSubject>
    std::vector<std::string> Faults()
    {
        form_ = new TForm(nullptr);
        TSubject* subject = nullptr;
        auto pages = PagesWith(form_, subject);
        Process();
        Select(subject);
        return pages->Faults([subject] { return subject->Text(); },
                             [](UINT Modifiers, const std::function<bool()>& Done) {
                                 InjectTab(Modifiers);
                                 Process();
                                 return Done();
                             });
    }

    TForm* form_ = nullptr;
};

TEST_F(TDialogKeysTest, TheFocusAndPageKeysTypeNothingIntoAMemo)
{
    EXPECT_EQ(Faults<TMemo>(), std::vector<std::string>{});
}

TEST_F(TDialogKeysTest, TheFocusAndPageKeysTypeNothingIntoARichEdit)
{
    EXPECT_EQ(Faults<TRichEdit>(), std::vector<std::string>{});
}

class TDialogKeysX11Test : public TFormX11Test {
protected:
    template <class TSubject>
    std::vector<std::string> Faults()
    {
        form_ = new TForm(nullptr);
        TSubject* subject = nullptr;
        auto pages = PagesWith(form_, subject);
        Pump();
        if (!FormHasXFocus())
            return {"the form never had the X focus"};
        Select(subject);
        return pages->Faults([subject] { return subject->Text(); },
                             [this](UINT Modifiers, const std::function<bool()>& Done) {
                                 PressTabOnDisplay(Modifiers, &TX11Test::Key);
                                 return PumpUntil(Done);
                             });
    }
};

TEST_F(TDialogKeysX11Test, TheFocusAndPageKeysTypeNothingIntoAMemo)
{
    EXPECT_EQ(Faults<TMemo>(), std::vector<std::string>{});
}

TEST_F(TDialogKeysX11Test, TheFocusAndPageKeysTypeNothingIntoARichEdit)
{
    EXPECT_EQ(Faults<TRichEdit>(), std::vector<std::string>{});
}

}  // namespace

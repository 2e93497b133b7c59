// Push buttons as a dialog's user meets them: Enter and Escape reaching the
// default and cancel buttons from the controls that don't want them, the
// modal result ending a modal form, Space, the mouse and accelerators.

#include "platform/ui/widgets/button.h"

#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/win/capture.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TLines = std::vector<std::string>;

// A dialog built in code: a one-line edit, then OK (default, mrOk), Cancel
// (cancel, mrCancel) and Apply (no modal result), each click logged.
class TAskForm : public TForm {
public:
    TAskForm(TLines& Log) : TForm(nullptr)
    {
        SetBounds(60, 60, 320, 140);
        Edit = new TEdit(this);
        Edit->SetBounds(10, 10, 200, 22);
        Edit->SetParent(this);
        Ok = AddButton("&OK", 10, Log);
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel = AddButton("Cancel", 95, Log);
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
        Apply = AddButton("&Apply", 180, Log);
    }

    TEdit* Edit;
    TButton* Ok;
    TButton* Cancel;
    TButton* Apply;

private:
    TButton* AddButton(const AnsiString& Caption, int Left, TLines& Log)
    {
        auto* button = new TButton(this);
        button->SetCaption(Caption);
        button->SetBounds(Left, 60, 75, 25);
        button->SetParent(this);
        button->OnClick = TNotifyEvent::FromCallable([&Log, Caption](TObject*) { Log.push_back(Caption); });
        return button;
    }
};

class TButtonTest : public TFormTest {};

TEST_F(TButtonTest, EnterAndEscapeInAnEditPressTheDefaultAndCancelButtons)
{
    TLines log;
    TAskForm form(log);
    form.Show();
    form.Edit->SetFocus();
    Process();
    EXPECT_TRUE(form.Ok->Active());
    EXPECT_FALSE(form.Cancel->Active());

    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log, TLines{"&OK"});
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_TRUE(form.Edit->Focused());  // Enter does not move the focus
    form.SetModalResult(mrNone);

    InjectKeyStroke(VK_ESCAPE);
    Process();
    EXPECT_EQ(log, (TLines{"&OK", "Cancel"}));
    EXPECT_EQ(form.ModalResult(), mrCancel);
    form.SetModalResult(mrNone);

    // A focused button takes Enter itself, and the default stops looking
    // like it.
    form.Apply->SetFocus();
    Process();
    EXPECT_TRUE(form.Apply->Active());
    EXPECT_FALSE(form.Ok->Active());
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log, (TLines{"&OK", "Cancel", "&Apply"}));
    EXPECT_EQ(form.ModalResult(), mrNone);
    // Back in the edit, the default button is active again.
    form.Edit->SetFocus();
    Process();
    EXPECT_TRUE(form.Ok->Active());

    // A disabled or hidden default button lets Enter go.
    log.clear();
    form.Ok->SetEnabled(false);
    InjectKeyStroke(VK_RETURN);
    form.Ok->SetEnabled(true);
    form.Ok->SetVisible(false);
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_TRUE(log.empty());
}

TEST_F(TButtonTest, ModalResultEndsTheModalFormThroughItsOwnLoop)
{
    TLines log;
    TAskForm form(log);
    // The real modal loop, driven by keys typed once it shows.
    form.OnShow = TNotifyEvent::FromCallable([&](TObject*) {
        form.Edit->SetFocus();
        InjectText("\xD5\x66\xE9\x54");  // 說門
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.Edit->Text(), "\xD5\x66\xE9\x54");
    EXPECT_FALSE(form.Visible());

    form.OnShow = TNotifyEvent::FromCallable([&](TObject*) { InjectKeyStroke(VK_ESCAPE); });
    EXPECT_EQ(form.ShowModal(), mrCancel);

    // A click on a button with a modal result ends it too; Apply, without
    // one, leaves the form up.
    log.clear();
    form.OnShow = TNotifyEvent::FromCallable([&](TObject*) {
        InjectClick(ScreenPoint(form.Apply, 10, 10));
        InjectClick(ScreenPoint(form.Cancel, 10, 10));
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(log, (TLines{"&Apply", "Cancel"}));
}

TEST_F(TButtonTest, SpaceMouseAndAcceleratorsPressAButton)
{
    TLines log;
    TAskForm form(log);
    form.Show();
    form.Apply->SetFocus();
    Process();

    // Space presses on the way up; the button shows pressed meanwhile.
    InjectKeyDown(VK_SPACE, " ");
    Process();
    EXPECT_TRUE(form.Apply->Pressed());
    EXPECT_TRUE(log.empty());
    InjectKeyUp(VK_SPACE);
    Process();
    EXPECT_FALSE(form.Apply->Pressed());
    EXPECT_EQ(log, TLines{"&Apply"});

    // The mouse: pressed while held over the button, no click when let go
    // outside it, one click when let go over it; the press focuses it.
    log.clear();
    InjectMouseMove(ScreenPoint(form.Cancel, 5, 5));
    Process();
    EXPECT_TRUE(form.Cancel->Hot());
    InjectMouseDown(ScreenPoint(form.Cancel, 5, 5));
    Process();
    EXPECT_TRUE(form.Cancel->Pressed());
    EXPECT_TRUE(form.Cancel->Focused());
    InjectMouseMove(ScreenPoint(form.Cancel, 100, 5));
    Process();
    EXPECT_FALSE(form.Cancel->Pressed());
    InjectMouseUp(ScreenPoint(form.Cancel, 100, 5));
    Process();
    EXPECT_TRUE(log.empty());
    InjectMouseDown(ScreenPoint(form.Cancel, 5, 5));
    InjectMouseUp(ScreenPoint(form.Cancel, 6, 6));
    Process();
    EXPECT_EQ(log, TLines{"Cancel"});
    // A quick second click is a second press, not a double click.
    InjectClick(ScreenPoint(form.Cancel, 6, 6));
    Process();
    EXPECT_EQ(log, (TLines{"Cancel", "Cancel"}));

    // Alt+A presses Apply from anywhere; a plain 'a' typed into the edit
    // stays text there, while from a button it is the accelerator too.
    log.clear();
    form.Edit->SetFocus();
    InjectKeyStroke('A', InjectAlt);
    Process();
    EXPECT_EQ(log, TLines{"&Apply"});
    EXPECT_TRUE(form.Apply->Focused());
    form.Edit->SetFocus();
    InjectText("a");
    Process();
    EXPECT_EQ(log, TLines{"&Apply"});
    EXPECT_EQ(form.Edit->Text(), "a");
    form.Cancel->SetFocus();
    InjectText("o");
    Process();
    EXPECT_EQ(log, (TLines{"&Apply", "&OK"}));
}

TEST_F(TButtonTest, AClickMayRunAModalFormOrFreeTheButtonsForm)
{
    TLines log;
    auto* form = new TAskForm(log);
    form->Show();
    Process();
    // The modal form opened by a click finds the button up and the mouse
    // free, whether the click came from the mouse or from Space.
    int asked = 0;
    form->Apply->OnClick = TNotifyEvent::FromCallable([&](TObject*) {
        TAskForm dialog(log);
        TModalAnswers::Push([&](const TModalRequest&) {
            ++asked;
            EXPECT_FALSE(form->Apply->Pressed());
            EXPECT_EQ(GetCapture(), nullptr);
            return mrOk;
        });
        dialog.ShowModal();
    });
    InjectClick(ScreenPoint(form->Apply, 5, 5));
    Process();
    InjectKeyDown(VK_SPACE, " ");
    InjectKeyUp(VK_SPACE);
    Process();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(form->Apply->Pressed());

    // A click that frees the form touches nothing afterwards.
    form->Apply->OnClick = TNotifyEvent::FromCallable([&](TObject*) { delete form; });
    InjectClick(ScreenPoint(form->Apply, 5, 5));
    Process();
    form = new TAskForm(log);
    form->Show();
    form->Apply->SetFocus();
    Process();
    form->Apply->OnClick = TNotifyEvent::FromCallable([&](TObject*) { delete form; });
    InjectKeyDown(VK_SPACE, " ");
    InjectKeyUp(VK_SPACE);
    Process();
}

}  // namespace

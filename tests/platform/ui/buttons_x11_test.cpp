// A dialog's buttons worked from a real X display (the suite's own Xvfb),
// with the keys and the mouse of the display's XTest extension, in the
// fonts a user gets: Enter reaching the default button from an edit,
// clicks, Space on the focused button, Alt with an accelerator, and the
// display showing what the form painted.

#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/textedit/edit.h"

#include <X11/keysym.h>

namespace {

using TLines = std::vector<std::string>;

class TButtonsX11Test : public TFormX11Test {
protected:
    TButton* AddButton(const char* Caption, int Left)
    {
        auto* button = new TButton(form_);
        button->SetCaption(Caption);
        button->SetBounds(Left, 80, 80, 26);
        button->SetParent(form_);
        button->OnClick = TNotifyEvent::FromCallable([this, Caption](TObject*) { log_.push_back(Caption); });
        return button;
    }

    bool Logged(const TLines& Expected)
    {
        return PumpUntil([&] { return log_ == Expected; });
    }

    TLines log_;
};

TEST_F(TButtonsX11Test, KeysAndClicksOnTheDisplayPressTheButtons)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 320, 160);
    form_->SetCaption("Find");
    auto* field = new TEdit(form_);
    field->SetBounds(10, 10, 200, 22);
    field->SetParent(form_);
    auto* wrap = new TCheckBox(form_);
    wrap->SetCaption("&Wrap around");
    wrap->SetBounds(10, 44, 150, 20);
    wrap->SetParent(form_);
    TButton* ok = AddButton("&Find", 10);
    ok->SetDefault(true);
    TButton* cancel = AddButton("Cancel", 100);
    cancel->SetCancel(true);
    form_->SetActiveControl(field);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(field->Focused());

    Key(XK_a);
    Key(XK_b);
    Key(XK_Return);
    EXPECT_TRUE(Logged({"&Find"}));
    EXPECT_EQ(field->Text(), "ab");
    Key(XK_Escape);
    EXPECT_TRUE(Logged({"&Find", "Cancel"}));
    // A click focuses the button and presses it; Space presses it again.
    Click(cancel->ClientToScreen(Point(20, 10)));
    EXPECT_TRUE(Logged({"&Find", "Cancel", "Cancel"}));
    EXPECT_TRUE(cancel->Focused());
    Key(XK_space);
    EXPECT_TRUE(Logged({"&Find", "Cancel", "Cancel", "Cancel"}));
    // Alt with the check box's letter toggles it.
    Key(XK_w, {XK_Alt_L});
    EXPECT_TRUE(PumpUntil([&] { return wrap->Checked(); }));
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace

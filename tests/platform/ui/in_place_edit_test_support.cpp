// The fixture of the tree and list renaming tests.
#include "in_place_edit_test_support.h"

#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

void TInPlaceEditTest::SetUp()
{
    TFormTest::SetUp();
    // A real form, which tells the controls the focus leaves and enters
    // along their parents.
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBounds(0, 0, 320, 240);
    view_ = AddView(*form_);
    other_ = new TProbe(form_.get(), form_.get(), Rect(260, 10, 300, 50));
    other_->SetTabStop(true);
    form_->Show();
    Process();
    view_->SetFocus();
    SelectEntry();
    Process();
    log_.clear();
}

void TInPlaceEditTest::TearDown()
{
    form_.reset();
    TFormTest::TearDown();
}

TCustomEdit* TInPlaceEditTest::EditBox()
{
    for (int i = 0; i < view_->ControlCount(); ++i)
        if (auto* box = dynamic_cast<TCustomEdit*>(view_->Controls(i)))
            return box->Visible() ? box : nullptr;
    return nullptr;
}

void TInPlaceEditTest::Rename(const AnsiString& Text)
{
    InjectKeyStroke(VK_F2);
    Process();
    ASSERT_NE(EditBox(), nullptr);
    ASSERT_TRUE(EditBox()->Focused());
    InjectText(Text);
    Process();
}

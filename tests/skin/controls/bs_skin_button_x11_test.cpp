// Skinned push buttons worked from a real X display (the suite's own Xvfb)
// with the keys and the mouse of XTest: Enter in an edit reaching the
// default button and Escape the cancel button, and the glow layer window
// appearing on the display while the pointer is over a button and going
// when it leaves.

#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/ui/textedit/edit.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/data/bs_layer_manager.h"
#include "tests/skin/controls/test_skin.h"

#include <X11/keysym.h>

namespace {

using TLog = std::vector<std::string>;

class TSkinButtonX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        skin_.Set("button", "glowlayerpictureindex", std::to_string(skin_.AddMask("glow.bmp", 40, 30)));
        skin_.Set("button", "glowlayermaskpictureindex", std::to_string(skin_.AddMask("glow_mask.bmp", 40, 30)));
        skin_.Set("button", "glowlayeroffsetleft", "8");
        skin_.Set("button", "glowlayeroffsettop", "8");
        skin_.Set("button", "glowlayeroffsetright", "8");
        skin_.Set("button", "glowlayeroffsetbottom", "8");
        skin_.LoadInto(data_);
    }

    TbsSkinButton* AddButton(const char* Caption, int Left)
    {
        auto* button = new TbsSkinButton(form_);
        button->SetCaption(Caption);
        button->SetBounds(Left, 60, 80, 26);
        button->SetParent(form_);
        button->SetSkinData(&data_);
        button->OnClick = TNotifyEvent::FromCallable([this, Caption](TObject*) { log_.push_back(Caption); });
        return button;
    }

    bool Logged(const TLog& Expected)
    {
        return PumpUntil([&] { return log_ == Expected; });
    }

    TTestSkin skin_;
    TbsSkinData data_{nullptr};
    TLog log_;
};

TEST_F(TSkinButtonX11Test, KeysReachTheDefaultAndCancelButtonsAndTheGlowFollowsThePointer)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 320, 160);
    auto* field = new TEdit(form_);
    field->SetBounds(10, 10, 200, 22);
    field->SetParent(form_);
    TbsSkinButton* ok = AddButton("OK", 10);
    ok->SetDefault(true);
    TbsSkinButton* cancel = AddButton("Cancel", 100);
    cancel->Cancel = true;
    form_->SetActiveControl(field);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());

    Key(XK_a);
    Key(XK_Return);
    EXPECT_TRUE(Logged({"OK"}));
    EXPECT_EQ(field->Text(), "a");
    Key(XK_Escape);
    EXPECT_TRUE(Logged({"OK", "Cancel"}));

    // Clicked, the pointer stays over the button: its glow shows around it
    // (on a composing display; without one a glow would be an opaque box).
    PlayCompositor(true);
    Click(cancel->ClientToScreen(Point(20, 10)));
    EXPECT_TRUE(Logged({"OK", "Cancel", "Cancel"}));
    TbsLayerManager* glow = cancel->LayerManager();
    ASSERT_TRUE(PumpUntil([&] { return glow->LayerWindow() != nullptr; }));
    EXPECT_TRUE(BecomesViewable(glow->LayerWindow()->Handle()));
    // The pointer goes to the edit: the glow goes.
    Click(field->ClientToScreen(Point(50, 10)));
    EXPECT_TRUE(PumpUntil([&] { return !glow->Showing(); }));
    EXPECT_EQ(glow->LayerWindow(), nullptr);
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace

// Skinned push buttons on a dialog through the form's key pipeline: Enter
// and Escape reaching the default and cancel buttons, the default button's
// hot look following the focus, Space repeating, the modal result ending a
// modal form, the glow layer coming and going, a click with no form, and
// buttons freed while their timers or glow run.

#include "skin/controls/bs_skin_button.h"

#include <string>
#include <utility>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_attributes.h"
#include "skin/data/bs_layer_manager.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/support/pixel_colour.h"

namespace {

using TLog = std::vector<std::string>;

// An edit, then OK (default, mrOk) and Cancel (cancel, mrCancel), each
// click logged.
class TAskForm : public TForm {
public:
    explicit TAskForm(TLog& Log) : TForm(nullptr)
    {
        SetBounds(60, 60, 320, 140);
        Edit = new TEdit(this);
        Edit->SetBounds(10, 10, 200, 22);
        Edit->SetParent(this);
        Ok = Add("OK", 10, Log);
        Ok->SetDefault(true);
        Ok->ModalResult = mrOk;
        Cancel = Add("Cancel", 95, Log);
        Cancel->Cancel = true;
        Cancel->ModalResult = mrCancel;
    }

    TbsSkinButton* Add(const AnsiString& Caption, int Left, TLog& Log)
    {
        auto* button = new TbsSkinButton(this);
        button->SetCaption(Caption);
        button->SetParent(this);
        button->SetBounds(Left, 60, 75, 25);
        button->OnClick = TNotifyEvent::FromCallable([&Log, Caption](TObject*) { Log.push_back(Caption); });
        return button;
    }

    TEdit* Edit;
    TbsSkinButton* Ok;
    TbsSkinButton* Cancel;
};

class TSkinButtonTest : public TFormTest {
protected:
    void Run(unsigned Milliseconds)
    {
        for (unsigned t = 0; t < Milliseconds; t += 10) {
            AdvanceClock(10);
            Process();
        }
    }
    static TColor Shown(TControl* C, int X, int Y)
    {
        TWinControl* top = GetParentForm(C);
        Process();
        TPoint p = C->ClientToScreen(Point(X, Y));
        TRect window;
        GetWindowRect(top->Handle(), &window);
        return PixelAt(WindowImage(top->Handle()), p.X - window.Left, p.Y - window.Top);
    }

    TLog log_;
};

TEST_F(TSkinButtonTest, EnterInAnEditClicksTheDefaultButtonAndEscapeTheCancelButton)
{
    TAskForm form(log_);
    form.Show();
    form.Edit->SetFocus();
    Process();
    EXPECT_TRUE(form.Ok->Active());
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log_, TLog{"OK"});
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_TRUE(form.Edit->Focused());
    form.SetModalResult(mrNone);

    InjectKeyStroke(VK_ESCAPE);
    Process();
    EXPECT_EQ(log_, (TLog{"OK", "Cancel"}));
    EXPECT_EQ(form.ModalResult(), mrCancel);
    form.SetModalResult(mrNone);

    // A focused button takes Enter itself, once.
    form.Cancel->SetFocus();
    Process();
    EXPECT_FALSE(form.Ok->Active());
    InjectKeyStroke(VK_RETURN);
    Process();
    EXPECT_EQ(log_, (TLog{"OK", "Cancel", "Cancel"}));

    // A cancel button that takes no focus lets Escape go.
    form.Edit->SetFocus();
    form.Cancel->SetCanFocused(false);
    InjectKeyStroke(VK_ESCAPE);
    Process();
    EXPECT_EQ(log_.size(), 3u);
}

TEST_F(TSkinButtonTest, TheDefaultButtonLooksHotWhileTheFocusIsOnANonButton)
{
    TAskForm form(log_);
    form.Show();
    form.Edit->SetFocus();
    Process();
    EXPECT_TRUE(form.Ok->MouseIn());
    EXPECT_EQ(Shown(form.Ok, 4, 4), TColor(0x00D2BDB6));
    EXPECT_EQ(Shown(form.Ok, 0, 0), clNavy);
    EXPECT_EQ(Shown(form.Cancel, 4, 4), ColorToRGB(clBtnFace));

    form.Cancel->SetFocus();
    Process();
    EXPECT_FALSE(form.Ok->MouseIn());
    EXPECT_EQ(Shown(form.Ok, 4, 4), ColorToRGB(clBtnFace));
    EXPECT_EQ(Shown(form.Cancel, 4, 4), TColor(0x00D2BDB6));  // focused

    form.Edit->SetFocus();
    Process();
    EXPECT_EQ(Shown(form.Ok, 4, 4), TColor(0x00D2BDB6));
    // The mouse passing over the default button leaves it hot.
    InjectMouseMove(ScreenPoint(form.Ok, 5, 5));
    InjectMouseMove(ScreenPoint(&form, 250, 20));
    Process();
    EXPECT_TRUE(form.Ok->MouseIn());
}

TEST_F(TSkinButtonTest, SpaceHeldOnARepeatingButtonClicksPerKeyRepeatAndOnRelease)
{
    TAskForm form(log_);
    TbsSkinButton* more = form.Add("More", 180, log_);
    more->RepeatMode = true;
    form.Show();
    more->SetFocus();
    Process();
    InjectKeyDown(VK_SPACE, " ");
    Process();
    EXPECT_TRUE(more->Down());
    EXPECT_EQ(Shown(more, 4, 4), TColor(0x00B59385));
    InjectKeyDown(VK_SPACE, " ");
    InjectKeyDown(VK_SPACE, " ");
    Process();
    EXPECT_EQ(log_, (TLog{"More", "More", "More"}));
    InjectKeyUp(VK_SPACE);
    Process();
    EXPECT_EQ(log_.size(), 4u);
    EXPECT_FALSE(more->Down());
    EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST_F(TSkinButtonTest, AModalResultEndsTheModalForm)
{
    TAskForm form(log_);
    form.OnShow = TNotifyEvent::FromCallable([&](TObject*) {
        form.Edit->SetFocus();
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());

    form.OnShow = TNotifyEvent::FromCallable([&](TObject*) {
        InjectMouseMove(ScreenPoint(form.Cancel, 10, 10));
        InjectClick(ScreenPoint(form.Cancel, 10, 10));
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(log_, (TLog{"OK", "Cancel"}));
}

TEST_F(TSkinButtonTest, AClickWithoutAFormOnlyClicks)
{
    TbsSkinButton button(nullptr);
    button.ModalResult = mrOk;
    button.OnClick = TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("click"); });
    button.ButtonClick();
    EXPECT_EQ(log_, TLog{"click"});
}

// The test skin's "button" with a glow picture and mask of its own size
// (mode 1 grows them with the button) and a cross-fade.
class TSkinnedButtonTest : public TSkinButtonTest {
protected:
    void SetUp() override
    {
        TSkinButtonTest::SetUp();
        int glow = skin_.AddMask("glow.bmp", 40, 30);
        int mask = skin_.AddMask("glow_mask.bmp", 40, 30);
        skin_.Set("button", "glowlayerpictureindex", std::to_string(glow));
        skin_.Set("button", "glowlayermaskpictureindex", std::to_string(mask));
        skin_.Set("button", "glowlayeroffsetleft", "8");
        skin_.Set("button", "glowlayeroffsettop", "8");
        skin_.Set("button", "glowlayeroffsetright", "8");
        skin_.Set("button", "glowlayeroffsetbottom", "8");
        skin_.Set("button", "glowlayershowoffsetx", "5");
        skin_.Set("button", "glowlayershowoffsety", "5");
        skin_.Set("button", "morphing", "1");
        skin_.LoadInto(data_);
        form_ = new TForm(nullptr);
        form_->SetBounds(50, 50, 300, 150);
        edit_ = new TEdit(form_);  // takes the focus first
        edit_->SetBounds(100, 100, 100, 22);
        edit_->SetParent(form_);
        button_ = new TbsSkinButton(form_);
        button_->SetParent(form_);
        button_->SetBounds(20, 20, 60, 30);
        button_->SetSkinData(&data_);
        button_->OnClick = TNotifyEvent::FromCallable([this](TObject*) { log_.push_back("click"); });
        form_->Show();
        Process();
    }
    void TearDown() override
    {
        delete form_;
        TSkinButtonTest::TearDown();
    }

    std::string Piece(int X, int Y) { return skin_.PieceOf(Shown(button_, X, Y)); }
    TPoint Over() { return ScreenPoint(button_, 30, 15); }
    TPoint Away() { return ScreenPoint(form_, 250, 100); }

    TTestSkin skin_;
    TbsSkinData data_{nullptr};
    TForm* form_ = nullptr;
    TEdit* edit_ = nullptr;
    TbsSkinButton* button_ = nullptr;
};

TEST_F(TSkinnedButtonTest, EachStateShowsItsPieceOfTheSkin)
{
    EXPECT_EQ(Piece(30, 15), "button.normal.client");
    EXPECT_EQ(Piece(2, 2), "button.normal.lt");
    EXPECT_EQ(Shown(button_, 1, 1), ColorToRGB(form_->Color()));  // cut away by the mask
    EXPECT_EQ(Piece(58, 28), "button.normal.rb");
    EXPECT_EQ(Piece(30, 1), "button.normal.t");

    InjectMouseMove(Over());
    Run(200);  // the fade's end
    EXPECT_EQ(Piece(30, 15), "button.active.client");
    InjectMouseDown(Over());
    Process();
    EXPECT_EQ(Piece(30, 15), "button.down.client");
    InjectMouseUp(Over());
    Process();
    EXPECT_EQ(log_, TLog{"click"});
    InjectMouseMove(Away());
    Run(200);
    EXPECT_EQ(Piece(30, 15), "button.focused.client");  // the press focused it

    button_->SetCheckedMode(false);
    button_->SetGroupIndex(1);  // grouped: no focus, latched down
    button_->SetDown(true);
    EXPECT_EQ(Piece(30, 15), "button.down.client");
    button_->SetDown(false);
    button_->SetEnabled(false);
    EXPECT_EQ(Piece(30, 15), "button.disabled.client");
}

TEST_F(TSkinnedButtonTest, TheCrossFadeMixesTheNormalAndHotImagesOverFiveTicks)
{
    TColor normal = skin_.Colour("button.normal.client");
    TColor hot = skin_.Colour("button.active.client");
    InjectMouseMove(Over());
    Process();
    Run(40);
    TColor between = Shown(button_, 30, 15);
    EXPECT_NE(between, normal);
    EXPECT_NE(between, hot);
    Run(80);
    EXPECT_EQ(Shown(button_, 30, 15), hot);
    EXPECT_FALSE(button_->Machine().MorphRunning());
}

TEST_F(TSkinnedButtonTest, TheCutCornerLetsTheClickThroughToTheForm)
{
    std::vector<std::string> downs;
    form_->OnMouseDown = TMouseEvent::FromCallable(
        [&](TObject*, TMouseButton, TShiftState, int X, int Y) { downs.push_back(std::to_string(X) + "," + std::to_string(Y)); });
    InjectClick(ScreenPoint(button_, 0, 0));
    Process();
    EXPECT_EQ(downs, TLog{"20,20"});
    EXPECT_TRUE(log_.empty());
    InjectClick(ScreenPoint(button_, 3, 3));
    Process();
    EXPECT_EQ(downs.size(), 1u);
    EXPECT_EQ(log_, TLog{"click"});
}

TEST_F(TSkinnedButtonTest, TheGlowLayerComesWithTheMouseAndGoes)
{
    // Only AlwaysShowLayeredFrame asks for it: it must still go.
    data_.ShowButtonGlowFrames = false;
    button_->AlwaysShowLayeredFrame = true;
    InjectMouseMove(Over());
    Process();
    TbsLayerManager* layer = button_->LayerManager();
    ASSERT_TRUE(layer->Showing());
    HWND window = layer->LayerWindow()->Handle();
    EXPECT_TRUE(IsWindowVisible(window));
    TRect bounds;
    GetWindowRect(window, &bounds);
    TPoint origin = ScreenPoint(button_, 0, 0);
    EXPECT_EQ(bounds, (TRect{origin.X - 5, origin.Y - 5, origin.X - 5 + 70, origin.Y - 5 + 40}));
    InjectMouseMove(Away());
    Process();
    EXPECT_FALSE(layer->Showing());
    EXPECT_EQ(layer->LayerWindow(), nullptr);

    // Without either switch there is none.
    button_->AlwaysShowLayeredFrame = false;
    InjectMouseMove(Over());
    Process();
    EXPECT_FALSE(layer->Showing());
}

TEST_F(TSkinnedButtonTest, AButtonFreedMidFadeMidRepeatOrWithItsGlowUp)
{
    InjectMouseMove(Over());
    Process();
    Run(40);
    ASSERT_TRUE(button_->Machine().MorphRunning());
    ASSERT_TRUE(button_->LayerManager()->Showing());
    delete std::exchange(button_, nullptr);
    Run(200);

    button_ = new TbsSkinButton(form_);
    button_->SetParent(form_);
    button_->SetBounds(20, 20, 60, 30);
    button_->SetSkinData(&data_);
    button_->RepeatMode = true;
    Process();
    InjectMouseMove(Over());
    InjectMouseDown(Over());
    Process();
    Run(600);
    ASSERT_TRUE(button_->Machine().Repeating());
    delete std::exchange(button_, nullptr);
    Run(300);
    InjectMouseUp(Away());
    Process();
}

}  // namespace

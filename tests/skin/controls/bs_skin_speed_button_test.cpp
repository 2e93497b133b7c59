// Skinned speed buttons as a user meets them on a form, through injected
// mouse input and the hand-driven clock: one click for a press dragged out
// and back, repeat timing, checked mode, groups, glyphs by state, an
// action link, the plain look without a skin, and buttons freed while
// their timers run.

#include "skin/controls/bs_skin_speed_button.h"

#include <string>
#include <utility>
#include <vector>

#include "tests/platform/ui/form_test_support.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/widgets/button.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_pos.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/support/pixel_colour.h"

namespace {

class TSpeedButtonForm : public TForm {
public:
    TSpeedButtonForm() : TForm(nullptr) { SetBounds(40, 40, 300, 120); }

    TbsSkinSpeedButton* Add(int Left, std::vector<std::string>* Log, const std::string& Name)
    {
        auto* button = new TbsSkinSpeedButton(this);
        button->SetParent(this);
        button->SetBounds(Left, 10, 25, 25);
        if (Log)
            button->OnClick = TNotifyEvent::FromCallable([Log, Name, this](TObject*) {
                Log->push_back(Name + "@" + std::to_string(Now));
            });
        return button;
    }

    unsigned Now = 0;  // ms since the test began, for the click log
};

class TSkinSpeedButtonTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TSpeedButtonForm;
        button_ = form_->Add(10, &log_, "b");
        form_->Show();
        Process();
    }
    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    TPoint Over(TControl* C, int X = 12, int Y = 12) { return ScreenPoint(C, X, Y); }
    TPoint Away() { return ScreenPoint(form_, 200, 90); }
    void Move(TPoint P)
    {
        InjectMouseMove(P);
        Process();
    }
    void Down(TPoint P)
    {
        InjectMouseDown(P);
        Process();
    }
    void Up(TPoint P)
    {
        InjectMouseUp(P);
        Process();
    }
    void Run(unsigned Milliseconds)
    {
        for (unsigned t = 0; t < Milliseconds; t += 10) {
            AdvanceClock(10);
            form_->Now += 10;
            Process();
        }
    }
    // The colour the form shows at a point of a control.
    TColor Shown(TControl* C, int X, int Y)
    {
        TPoint p = C->ClientToScreen(Point(X, Y));
        TRect window;
        GetWindowRect(form_->Handle(), &window);
        return PixelAt(WindowImage(form_->Handle()), p.X - window.Left, p.Y - window.Top);
    }

    TSpeedButtonForm* form_ = nullptr;
    TbsSkinSpeedButton* button_ = nullptr;
    std::vector<std::string> log_;
};

using TLog = std::vector<std::string>;

TEST_F(TSkinSpeedButtonTest, APressDraggedOutAndBackClicksOnceOnRelease)
{
    Move(Over(button_));
    Down(Over(button_));
    EXPECT_TRUE(button_->Down());
    EXPECT_EQ(Shown(button_, 12, 12), TColor(0x00B59385));
    Move(Away());
    EXPECT_EQ(Shown(button_, 12, 12), ColorToRGB(clBtnFace));  // the normal look as soon as it leaves
    Move(Over(button_));
    EXPECT_EQ(Shown(button_, 12, 12), TColor(0x00B59385));
    EXPECT_TRUE(log_.empty());
    Up(Over(button_));
    EXPECT_EQ(log_, TLog{"b@0"});
    EXPECT_FALSE(button_->Down());

    // Released away from the button: no click, and the button is up.
    Down(Over(button_));
    Move(Away());
    Up(Away());
    EXPECT_EQ(log_.size(), 1u);
    EXPECT_FALSE(button_->Down());
}

TEST_F(TSkinSpeedButtonTest, ARepeatingButtonClicksFrom600msEvery100msAndOnRelease)
{
    button_->RepeatMode = true;
    button_->RepeatInterval = 100;
    Move(Over(button_));
    Down(Over(button_));
    Run(950);
    EXPECT_EQ(log_, (TLog{"b@600", "b@700", "b@800", "b@900"}));
    Up(Over(button_));
    EXPECT_EQ(log_.back(), "b@950");
    EXPECT_EQ(log_.size(), 5u);
    Run(300);
    EXPECT_EQ(log_.size(), 5u);

    // Dragged out the repeat pauses, dragged back it starts over.
    log_.clear();
    Down(Over(button_));
    Move(Away());
    Run(1000);
    EXPECT_TRUE(log_.empty());
    Move(Over(button_));
    Run(600);
    EXPECT_EQ(log_, TLog{"b@2850"});
    Up(Away());
    EXPECT_EQ(log_.size(), 1u);
}

TEST_F(TSkinSpeedButtonTest, CheckedModeClicksOnThePressThatChecksAndTheReleaseThatUnchecks)
{
    button_->SetCheckedMode(true);
    EXPECT_EQ(button_->GroupIndex(), -1);
    Move(Over(button_));
    Down(Over(button_));
    EXPECT_EQ(log_, TLog{"b@0"});
    Up(Over(button_));
    EXPECT_TRUE(button_->Down());
    EXPECT_EQ(log_.size(), 1u);
    Move(Away());
    EXPECT_EQ(Shown(button_, 12, 12), TColor(0x00B59385));  // checked shows down away from the mouse

    Move(Over(button_));
    Down(Over(button_));
    EXPECT_EQ(log_.size(), 1u);
    Up(Over(button_));
    EXPECT_EQ(log_.size(), 2u);
    EXPECT_FALSE(button_->Down());
    button_->SetCheckedMode(false);
    EXPECT_EQ(button_->GroupIndex(), 0);
}

TEST_F(TSkinSpeedButtonTest, AGroupLetsTheOthersUpUnlessAllUpIsAllowed)
{
    TbsSkinSpeedButton* second = form_->Add(40, &log_, "s");
    button_->SetGroupIndex(1);
    second->SetGroupIndex(1);
    Down(Over(button_));
    Up(Over(button_));
    EXPECT_EQ(log_, TLog{"b@0"});  // a group clicks on the press
    Down(Over(second));
    Up(Over(second));
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(button_->Down());
    // Without AllowAllUp a down button stays down when pressed again.
    Down(Over(second));
    Up(Over(second));
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(log_, (TLog{"b@0", "s@0"}));

    button_->AllowAllUp = true;
    second->AllowAllUp = true;
    Down(Over(button_));
    Up(Over(button_));
    EXPECT_TRUE(button_->Down());
    EXPECT_TRUE(second->Down());  // AllowAllUp leaves the others down
    Down(Over(button_));
    Up(Over(button_));
    EXPECT_FALSE(button_->Down());  // a click on a down button toggles it up
    EXPECT_EQ(log_, (TLog{"b@0", "s@0", "b@0", "b@0"}));
}

TEST_F(TSkinSpeedButtonTest, TheGlyphFollowsTheState)
{
    // Four 5 x 5 glyphs in their own colours on a strip whose bottom-left
    // pixel (white) is the transparent colour.
    TBitmap strip;
    strip.SetSize(20, 6);
    const TColor colours[4] = {clRed, clLime, clBlue, clYellow};
    for (int g = 0; g < 4; ++g) {
        strip.Canvas()->Brush()->SetColor(colours[g]);
        strip.Canvas()->FillRect(TRect{g * 5, 0, g * 5 + 5, 5});
    }
    strip.Canvas()->Brush()->SetColor(clWhite);
    strip.Canvas()->FillRect(TRect{0, 5, 20, 6});
    button_->SetGlyph(&strip);
    button_->SetNumGlyphs(4);
    button_->SetCaption("");
    auto glyph = [&] { return Shown(button_, 12, 11); };
    EXPECT_EQ(glyph(), clRed);
    Move(Over(button_, 3, 3));
    EXPECT_EQ(glyph(), clYellow);  // hot
    Down(Over(button_, 3, 3));
    EXPECT_EQ(Shown(button_, 13, 12), clBlue);  // pressed with the cursor, one pixel down
    Up(Over(button_, 3, 3));
    Move(Away());
    button_->SetEnabled(false);
    EXPECT_EQ(glyph(), clLime);
}

TEST_F(TSkinSpeedButtonTest, AnActionRunsOnTheClickAndLendsItsImages)
{
    TActionList actions(form_);
    TCustomImageList images(form_);
    images.SetWidth(16);
    images.SetHeight(16);
    TBitmap picture;
    picture.SetSize(32, 16);
    images.Add(&picture, nullptr);
    actions.SetImages(&images);
    TAction action(form_);
    action.SetActionList(&actions);
    action.SetCaption("Run");
    action.SetImageIndex(1);
    int executed = 0;
    action.SetOnExecute(TNotifyEvent::FromCallable([&](TObject*) { ++executed; }));

    button_->OnClick = nullptr;
    button_->SetAction(&action);
    EXPECT_EQ(button_->Caption(), "Run");
    EXPECT_EQ(button_->ImageList(), &images);
    EXPECT_EQ(button_->ImageIndex(), 1);
    Move(Over(button_));
    Down(Over(button_));
    Up(Over(button_));
    EXPECT_EQ(executed, 1);
    button_->SetAction(nullptr);
}

TEST_F(TSkinSpeedButtonTest, ATypedLetterClicksOnlyAButtonWhoseCaptionShowsIt)
{
    // The focus sits on a control that types nothing, so letters are
    // offered to the form's buttons as accelerators.
    auto* focus = new TButton(form_);
    focus->SetParent(form_);
    focus->SetBounds(200, 10, 60, 25);
    focus->SetFocus();
    button_->SetCaption("&Close");
    TbsSkinSpeedButton* glyphOnly = form_->Add(40, &log_, "g");
    glyphOnly->SetCaption("&Open");
    glyphOnly->SetShowCaption(false);
    Process();

    for (UINT key : {UINT('O'), UINT('C')})
        InjectKeyStroke(key);
    InjectKeyStroke('O', InjectAlt);
    Process();
    EXPECT_EQ(log_, TLog{"b@0"});

    glyphOnly->SetShowCaption(true);
    InjectKeyStroke('O');
    Process();
    EXPECT_EQ(log_, (TLog{"b@0", "g@0"}));
}

TEST_F(TSkinSpeedButtonTest, ThePlainLookWithoutASkin)
{
    TbsSkinSpeedButton* flat = form_->Add(40, nullptr, "");
    flat->SetFlat(true);
    form_->SetColor(clWhite);
    Process();
    EXPECT_EQ(Shown(button_, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Shown(button_, 12, 12), ColorToRGB(clBtnFace));
    EXPECT_EQ(Shown(flat, 12, 12), clWhite);  // a flat button shows its parent
    Move(Over(flat));
    EXPECT_EQ(Shown(flat, 0, 0), clNavy);
    EXPECT_EQ(Shown(flat, 12, 12), TColor(0x00D2BDB6));
    Down(Over(flat));
    EXPECT_EQ(Shown(flat, 24, 24), clNavy);
    EXPECT_EQ(Shown(flat, 12, 12), TColor(0x00B59385));
    Up(Over(flat));
    Move(Away());
    EXPECT_EQ(Shown(flat, 12, 12), clWhite);
}

TEST_F(TSkinSpeedButtonTest, AButtonFreedByItsOwnRepeatedClick)
{
    button_->RepeatMode = true;
    // The handler goes with the button: it touches nothing of its own after.
    button_->OnClick = TNotifyEvent::FromCallable([this](TObject*) { delete std::exchange(button_, nullptr); });
    Move(Over(button_));
    Down(Over(button_));
    Run(700);
    EXPECT_EQ(button_, nullptr);
    Up(Over(form_, 20, 20));
}

}  // namespace

namespace {

// The test skin's fixed 23 x 22 "toolbutton", with a strip of three hover
// frames stacked below each other.
class TSkinnedSpeedButtonTest : public TSkinSpeedButtonTest {
protected:
    void SetUp() override
    {
        TSkinSpeedButtonTest::SetUp();
        skin_.NewRow();
        frames_ = skin_.AddCell("toolbutton.frame", 23, 66, {}, {22, 44}, {"1", "2", "3"});
    }

    void Load()
    {
        skin_.LoadInto(data_);
        button_->SetSkinData(&data_);
        Process();
    }
    std::string Piece() { return skin_.PieceOf(Shown(button_, 12, 11)); }

    TTestSkin skin_;
    TbsSkinData data_{nullptr};
    TRect frames_;
};

TEST_F(TSkinnedSpeedButtonTest, EachStateShowsItsPieceOfTheSkin)
{
    Load();
    EXPECT_EQ(button_->Width(), 23);  // a skin image without corners pins the size
    EXPECT_EQ(button_->Height(), 22);
    EXPECT_EQ(Piece(), "toolbutton.normal.face");
    Move(Over(button_));
    EXPECT_EQ(Piece(), "toolbutton.active.face");
    Down(Over(button_));
    EXPECT_EQ(Piece(), "toolbutton.down.face");
    Move(Away());
    EXPECT_EQ(Piece(), "toolbutton.normal.face");
    Up(Away());

    button_->SetCheckedMode(true);
    Down(Over(button_));
    Up(Over(button_));
    Move(Away());
    EXPECT_EQ(Piece(), "toolbutton.down.face");  // checked
    button_->SetDown(false);
    button_->SetEnabled(false);
    EXPECT_EQ(Piece(), "toolbutton.disabled.face");
}

TEST_F(TSkinnedSpeedButtonTest, HoverFramesRunInAndOut)
{
    skin_.Set("toolbutton", "animateskinrect", TTestSkin::RectText(frames_));
    skin_.Set("toolbutton", "framecount", "3");
    skin_.Set("toolbutton", "animateinterval", "30");
    Load();
    Move(Over(button_));
    EXPECT_EQ(Piece(), "toolbutton.frame.1");
    Run(30);
    EXPECT_EQ(Piece(), "toolbutton.frame.2");
    Run(30);
    EXPECT_EQ(Piece(), "toolbutton.frame.3");
    Run(30);
    EXPECT_EQ(Piece(), "toolbutton.active.face");
    EXPECT_FALSE(button_->Machine().Animating());

    Move(Away());
    EXPECT_EQ(Piece(), "toolbutton.frame.3");
    Run(60);
    EXPECT_EQ(Piece(), "toolbutton.frame.1");
    Run(30);
    EXPECT_EQ(Piece(), "toolbutton.normal.face");
}

TEST_F(TSkinnedSpeedButtonTest, AStripThatSplitsIntoNoWholeFramesPlaysNone)
{
    // A strip wider than the button lies side by side: 30 columns cannot
    // hold 40 frames, though the skin data lets 40 pass for its 66 rows.
    TRect wide{frames_.Left, frames_.Top, frames_.Left + 30, frames_.Bottom};
    skin_.Set("toolbutton", "animateinterval", "30");
    for (const auto& [strip, count] : {std::pair{frames_, "0"}, std::pair{frames_, "-3"}, std::pair{wide, "40"}}) {
        skin_.Set("toolbutton", "animateskinrect", TTestSkin::RectText(strip));
        skin_.Set("toolbutton", "framecount", count);
        Load();
        Move(Over(button_));
        EXPECT_EQ(Piece(), "toolbutton.active.face") << count;
        EXPECT_FALSE(button_->Machine().Animating()) << count;
        Move(Away());
    }
}

TEST_F(TSkinnedSpeedButtonTest, AnOpaqueButtonCrossFadesAFlatOneDoesNot)
{
    skin_.Set("toolbutton", "morphing", "1");
    Load();
    TColor normal = skin_.Colour("toolbutton.normal.face");
    TColor hot = skin_.Colour("toolbutton.active.face");
    Move(Over(button_));
    EXPECT_EQ(Shown(button_, 12, 11), normal);
    Run(40);
    TColor between = Shown(button_, 12, 11);
    EXPECT_NE(between, normal);
    EXPECT_NE(between, hot);
    Run(100);
    EXPECT_EQ(Shown(button_, 12, 11), hot);
    Move(Away());
    Run(120);
    EXPECT_EQ(Shown(button_, 12, 11), normal);

    button_->SetFlat(true);
    Move(Over(button_));
    EXPECT_EQ(Shown(button_, 12, 11), hot);
    EXPECT_FALSE(button_->Machine().MorphRunning());
}

TEST_F(TSkinnedSpeedButtonTest, FreedMidFadeAndMidFrames)
{
    skin_.Set("toolbutton", "morphing", "1");
    skin_.Set("toolbutton", "animateskinrect", TTestSkin::RectText(frames_));
    skin_.Set("toolbutton", "framecount", "3");
    skin_.Set("toolbutton", "animateinterval", "30");
    Load();
    Move(Over(button_));
    Run(20);
    ASSERT_TRUE(button_->Machine().MorphRunning());
    ASSERT_TRUE(button_->Machine().Animating());
    delete std::exchange(button_, nullptr);
    Run(200);
}

}  // namespace

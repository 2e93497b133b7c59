// Speed buttons clicked by the mouse: plain presses, groups that latch one
// button down, AllowAllUp, and presses that end away from the button.

#include "platform/ui/widgets/speed_button.h"

#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/win/headless_input.h"

namespace {

using TLines = std::vector<std::string>;

class TSpeedButtonTest : public TFormTest {
protected:
    TSpeedButton* Add(TForm& Form, int Left, const char* Name, TLines& Log)
    {
        auto* button = new TSpeedButton(&Form);
        button->SetBounds(Left, 10, 23, 22);
        button->SetName(Name);
        button->SetParent(&Form);
        button->OnClick = TNotifyEvent::FromCallable([&Log, button](TObject*) {
            Log.push_back(button->Name() + (button->Down() ? " down" : " up"));
        });
        return button;
    }
};

TEST_F(TSpeedButtonTest, GroupsLatchOneButtonDownAndPressesEndOverTheButton)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 200);
    TLines log;
    TSpeedButton* bold = Add(form, 10, "Bold", log);
    TSpeedButton* left = Add(form, 40, "Left", log);
    TSpeedButton* right = Add(form, 70, "Right", log);
    TSpeedButton* other = Add(form, 100, "Other", log);
    left->SetGroupIndex(1);
    right->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    form.Show();
    Process();

    // Without a group a button never stays down.
    bold->SetDown(true);
    EXPECT_FALSE(bold->Down());
    InjectClick(ScreenPoint(bold, 5, 5));
    Process();
    EXPECT_EQ(log, TLines{"Bold up"});

    // In a group, a press latches the button and lets the other up; another
    // group keeps its own.
    InjectClick(ScreenPoint(left, 5, 5));
    InjectClick(ScreenPoint(right, 5, 5));
    Process();
    EXPECT_FALSE(left->Down());
    EXPECT_TRUE(right->Down());
    EXPECT_TRUE(other->Down());
    // Pressing the down one again leaves it down (and still clicks).
    InjectClick(ScreenPoint(right, 5, 5));
    Process();
    EXPECT_TRUE(right->Down());
    EXPECT_EQ(log, (TLines{"Bold up", "Left down", "Right down", "Right down"}));

    // AllowAllUp, set on one, holds for the group: the press raises it.
    left->SetAllowAllUp(true);
    EXPECT_TRUE(right->AllowAllUp());
    InjectClick(ScreenPoint(right, 5, 5));
    Process();
    EXPECT_FALSE(right->Down());
    EXPECT_FALSE(left->Down());

    // Held down it shows pressed until the mouse leaves it; let go away
    // from it, nothing happens.
    log.clear();
    InjectMouseDown(ScreenPoint(left, 5, 5));
    Process();
    EXPECT_TRUE(left->Pressed());
    InjectMouseMove(ScreenPoint(left, 60, 5));
    Process();
    EXPECT_FALSE(left->Pressed());
    InjectMouseUp(ScreenPoint(left, 60, 5));
    Process();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(left->Down());
    // The program lets a button up only with AllowAllUp.
    left->SetAllowAllUp(false);
    left->SetDown(true);
    left->SetDown(false);
    EXPECT_TRUE(left->Down());
    // A disabled button takes no press.
    right->SetEnabled(false);
    InjectClick(ScreenPoint(right, 5, 5));
    Process();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(left->Down());
}

}  // namespace

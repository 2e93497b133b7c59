// Randomized sessions over a bar of check buttons in two groups and one
// alone: clicks by the mouse, Down set by the program, buttons enabled and
// disabled and AllowAllUp changed, each step checked against a model of
// what a user expects (one button down at most per group, the down one of
// a group staying down unless it allows all up, disabled buttons deaf).

#include <array>

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/tool_bar.h"
#include "platform/win/headless_input.h"
#include "tests/support/test_random.h"

namespace {

class TToolBarSessionTest : public TFormTest {};

constexpr int ButtonCount = 6;
// Which group each button is in: 0 and 1 for the two grouped runs (apart
// because of the separator between them), -1 for the one alone.
constexpr std::array<int, ButtonCount> GroupOf{0, 0, 0, 1, 1, -1};

struct TModel {
    std::array<bool, ButtonCount> Down{};
    std::array<bool, ButtonCount> Enabled{true, true, true, true, true, true};
    std::array<bool, ButtonCount> AllowAllUp{};
    int Clicks = 0;

    void LatchDown(int Button)
    {
        for (int i = 0; i < ButtonCount; ++i)
            if (i != Button && GroupOf[i] >= 0 && GroupOf[i] == GroupOf[Button])
                Down[i] = false;
        Down[Button] = true;
    }

    void Click(int Button)
    {
        if (!Enabled[Button])
            return;
        ++Clicks;
        if (!Down[Button])
            LatchDown(Button);
        else if (GroupOf[Button] < 0 || AllowAllUp[Button])
            Down[Button] = false;
    }
};

TEST_F(TToolBarSessionTest, GroupedCheckButtonsFollowTheModel)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        TForm form(nullptr);
        form.SetBounds(20, 20, 400, 120);
        form.Font()->SetName(kTestFontName);
        auto* bar = new TToolBar(&form);
        bar->SetParent(&form);
        std::array<TToolButton*, ButtonCount> buttons{};
        int clicks = 0;
        for (int i = 0; i < ButtonCount; ++i) {
            buttons[i] = new TToolButton(&form);
            buttons[i]->SetStyle(tbsCheck);
            buttons[i]->SetGrouped(GroupOf[i] >= 0);
            buttons[i]->OnClick = TNotifyEvent::FromCallable([&clicks](TObject*) { ++clicks; });
        }
        for (int i = 0; i < ButtonCount; ++i) {
            if (i == 3) {
                auto* gap = new TToolButton(&form);
                gap->SetStyle(tbsSeparator);
                gap->SetParent(bar);
            }
            buttons[i]->SetParent(bar);
        }
        form.Show();
        Process();

        TModel model;
        TRandom random(seed);
        for (int step = 0; step < 200; ++step) {
            int b = random.Below(ButtonCount);
            switch (random.Below(10)) {
            case 0:
                buttons[b]->SetEnabled(model.Enabled[b] = !model.Enabled[b]);
                break;
            case 1:
                buttons[b]->SetAllowAllUp(model.AllowAllUp[b] = random.Chance(50));
                break;
            case 2: {
                bool down = random.Chance(50);
                buttons[b]->SetDown(down);
                if (down)
                    model.LatchDown(b);
                else
                    model.Down[b] = false;
                break;
            }
            default:
                InjectClick(ScreenPoint(buttons[b], 4, 4));
                Process();
                model.Click(b);
                break;
            }
            for (int i = 0; i < ButtonCount; ++i)
                ASSERT_EQ(buttons[i]->Down(), model.Down[i]) << "seed " << seed << " step " << step << " button " << i;
            ASSERT_EQ(clicks, model.Clicks) << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace

// Randomized menu sessions: keys, letters, mouse moves and presses and the
// menu delay thrown at a popup menu with nested sub-menus, separators,
// disabled and hidden items, the state of the open levels checked after
// every step, and every command checked as it runs.
#include <gtest/gtest.h>

#include "menu_test_support.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "tests/support/test_random.h"

namespace {

class TMenuSessionTest : public TFormPopupMenuTest {
protected:
    // Items named by their path ("2.1"), with accelerators that repeat
    // among siblings, a separator, a disabled and a hidden item per level.
    void Build(TRandom& Random, TMenuItem* Parent, const std::string& Path, int Depth)
    {
        int count = Random.Between(3, 7);
        for (int i = 0; i < count; ++i) {
            std::string name = Path + std::to_string(i);
            if (i > 0 && Random.Chance(15)) {
                Add(Parent, "-");
                continue;
            }
            char accel = static_cast<char>('A' + Random.Below(4));
            TMenuItem* item = new TMenuItem(form);
            item->SetCaption(std::string("&") + accel + " " + name);
            item->SetEnabled(!Random.Chance(15));
            item->SetVisible(!Random.Chance(10));
            item->OnClick = TNotifyEvent::FromCallable([this, item, name](TObject*) {
                // A command runs from an enabled leaf, after the menu closed;
                // a parent's OnClick runs as its sub-menu opens.
                if (item->Count() == 0) {
                    EXPECT_TRUE(item->Enabled()) << name;
                    EXPECT_FALSE(MenuLoopRunning()) << name;
                    EXPECT_FALSE(AnyMenuWindowShown()) << name;
                    ++commands;
                }
            });
            Parent->Add(item);
            if (Depth < 2 && Random.Chance(35))
                Build(Random, item, name + ".", Depth + 1);
        }
    }

    // What must hold of the open levels at any time.
    static void CheckLevels(uint32_t Seed, int Step, int MinLevels = 1)
    {
        SCOPED_TRACE("seed " + std::to_string(Seed) + " step " + std::to_string(Step));
        int count = MenuLoopLevelCount();
        ASSERT_GE(count, MinLevels);
        TRect work = Screen->WorkAreaRect();
        if (MinLevels > 0) {
            EXPECT_EQ(GetCapture(), MenuLoopLevel(0)->Handle());
        }
        for (int i = 0; i < count; ++i) {
            TPopupMenuWindow* level = MenuLoopLevel(i);
            EXPECT_TRUE(IsWindowVisible(level->Handle()));
            TRect bounds = level->BoundsRect();
            EXPECT_TRUE(bounds.Left >= work.Left && bounds.Top >= work.Top && bounds.Right <= work.Right &&
                        bounds.Bottom <= work.Bottom);
            TMenuItem* parent = level->ParentItem();
            int visible = 0;
            for (int j = 0; j < parent->Count(); ++j)
                visible += parent->Items(j)->Visible();
            EXPECT_EQ(level->RowCount(), visible);
            int selected = level->Selected();
            EXPECT_TRUE(selected == TPopupMenuWindow::NoRow || (selected >= 0 && selected < level->RowCount()));
            if (selected >= 0) {
                EXPECT_FALSE(level->Row(selected)->IsLine());
            }
            if (i > 0) {
                // A sub-menu belongs to an enabled row of the level before it.
                EXPECT_EQ(parent->Parent(), MenuLoopLevel(i - 1)->ParentItem());
                EXPECT_TRUE(parent->Enabled());
                EXPECT_GE(MenuLoopLevel(i - 1)->RowOf(parent), 0);
            }
        }
    }

    void Step(TRandom& Random)
    {
        static const UINT keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_RETURN, VK_ESCAPE, 'A', 'B', 'C', 'D'};
        int count = MenuLoopLevelCount();
        if (count == 0) {
            InjectKeyStroke(Random.Pick(keys));
            return;
        }
        TPopupMenuWindow* level = MenuLoopLevel(Random.Below(count));
        switch (Random.Below(5)) {
        case 0:
        case 1:
            InjectKeyStroke(Random.Pick(keys));
            break;
        case 2:
            if (level->RowCount() > 0)
                InjectMouseMove(RowPoint(level, Random.Below(level->RowCount())));
            break;
        case 3:
            if (level->RowCount() > 0 && Random.Chance(50))
                InjectClick(RowPoint(level, Random.Below(level->RowCount())));
            else
                AdvanceClock(Random.Chance(50) ? 400 : 150);
            break;
        default:
            AdvanceClock(Random.Between(1, 500));
            break;
        }
    }

    int commands = 0;
};

TEST_F(TMenuSessionTest, RandomSessionsKeepTheLevelsConsistent)
{
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        popup->Items()->Clear();
        TRandom random(seed);
        Build(random, popup->Items(), "", 0);
        int steps = 0;
        int opened = 0;
        SetMenuIdleHook([&] {
            CheckLevels(seed, steps);
            if (++steps > 150 || HasFatalFailure())
                return false;
            Step(random);
            return true;
        });
        while (steps <= 150 && !HasFatalFailure()) {
            ++opened;
            popup->Popup(random.Between(0, 700), random.Between(0, 500));
        }
        SetMenuIdleHook(nullptr);
        EXPECT_FALSE(MenuLoopRunning());
        EXPECT_GT(opened, 1) << seed;
    }
    EXPECT_GT(commands, 0);
}

TEST_F(TMenuSessionTest, RandomSessionsOnTheBarKeepItsLookAndTheLevelsConsistent)
{
    auto* menu = new TMainMenu(form);
    form->SetMenu(menu);
    for (uint32_t seed = 11; seed <= 16; ++seed) {
        menu->Items()->Clear();
        TRandom random(seed);
        Build(random, menu->Items(), "", 0);
        TMenuBar* bar = form->MenuBar();
        int steps = 0;
        SetMenuIdleHook([&] {
            CheckLevels(seed, steps, 0);
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(steps));
            // The hot item is a visible one; its menu is the first level.
            EXPECT_GE(bar->Hot(), 0);
            if (bar->Hot() >= 0) {
                TMenuItem* hot = menu->Items()->Items(bar->Hot());
                EXPECT_TRUE(hot->Visible());
                EXPECT_EQ(bar->Open(), MenuLoopLevelCount() > 0);
                if (MenuLoopLevelCount() > 0) {
                    EXPECT_EQ(MenuLoopLevel(0)->ParentItem(), hot);
                }
            }
            EXPECT_EQ(GetCapture(), form->Handle());
            if (++steps > 150 || HasFatalFailure())
                return false;
            if (random.Chance(15)) {
                int index = random.Below(menu->Items()->Count());
                if (menu->Items()->Items(index)->Visible())
                    InjectMouseMove(TPoint{bar->ItemRect(index).Left + 2, bar->ItemRect(index).Top + 2});
                return true;
            }
            Step(random);
            return true;
        });
        menu->Items()->Items(0)->SetVisible(true);  // Alt has an item to start from
        for (int runs = 0; steps <= 150 && !HasFatalFailure() && runs < 500; ++runs) {
            InjectKeyStroke(VK_MENU);
            Process();
            EXPECT_EQ(bar->Hot(), -1);
        }
        SetMenuIdleHook(nullptr);
    }
}

}  // namespace

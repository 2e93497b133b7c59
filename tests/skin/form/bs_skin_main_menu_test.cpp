// The skinned main-menu bar on a framed form, headless: items that do not
// fit hide behind the overflow mark and come back with their own Enabled,
// the open submenu follows the mouse between items (unnamed ones too), a
// merged child menu keeps the menu order within a group and gives
// ScrollMenu back afterwards, an item's owner drawing gets the bar item,
// the mouse timer lights the item under a cursor that does not move and
// puts the light out when the cursor leaves unheard, and DefaultWidth and
// DefaultHeight size only a bar without a skin.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/headless_input.h"
#include "platform/win/window.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_main_menu_bar_skin.h"
#include "tests/support/message_pump.h"

namespace {

class BsSkinMainMenuBar : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        menu_ = new TbsSkinMainMenu(form_);
        bar_ = new TbsSkinMainMenuBar(form_);
        bar_->SetParent(form_);
        bar_->SetSkinForm(frame_);
    }

    TMenuItem* Add(TMenu* Menu, const AnsiString& Caption, uint8_t Group = 0)
    {
        auto* item = new TMenuItem(Menu);
        item->SetCaption(Caption);
        item->SetGroupIndex(Group);
        Menu->Items()->Add(item);
        auto* sub = new TMenuItem(Menu);
        sub->SetCaption(Caption + " sub");
        item->Add(sub);
        return item;
    }

    void Paint()
    {
        bar_->Invalidate();
        PumpMessages();
    }
    TPoint Centre(int Index)
    {
        const TRect& r = bar_->Items(Index)->ObjectRect;
        return bar_->ClientToScreen(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    std::vector<std::string> Captions()
    {
        std::vector<std::string> captions;
        for (int i = 0; i < bar_->ItemCount(); ++i)
            captions.emplace_back(bar_->Items(i)->MenuItem->Caption().c_str());
        return captions;
    }
    // The menu items of the rows of the open chain's first window.
    std::vector<TMenuItem*> OpenRows()
    {
        std::vector<TMenuItem*> rows;
        TbsSkinMenu* menu = frame_->SkinMenu();
        if (!menu->ChainOpen() || menu->PopupCount() == 0)
            return rows;
        for (int i = 0; i < menu->Popup(0)->ItemCount(); ++i)
            rows.push_back(menu->Popup(0)->Item(i)->MenuItem());
        return rows;
    }

    TbsSkinMainMenu* menu_ = nullptr;
    TbsSkinMainMenuBar* bar_ = nullptr;
};

TEST_F(BsSkinMainMenuBar, ANarrowBarHidesTrailingItemsBehindTheMarkAndWideningRestoresThem)
{
    TMenuItem* file = Add(menu_, "&File");
    Add(menu_, "&Edit");
    TMenuItem* view = Add(menu_, "&View");
    TMenuItem* help = Add(menu_, "&Help");
    help->SetEnabled(false);
    bar_->SetMainMenu(menu_);
    Paint();
    ASSERT_EQ(bar_->ItemCount(), 4);
    EXPECT_FALSE(bar_->HiddenItems);
    int twoItems = bar_->Items(1)->ObjectRect.Right;

    // Room for two items and the mark (the bar no longer spans the form).
    bar_->SetAlign(alNone);
    bar_->SetWidth(twoItems + TbsSkinMainMenuBar::TrackMarkWidth + 2);
    Paint();
    EXPECT_TRUE(bar_->HiddenItems);
    EXPECT_TRUE(bar_->Items(1)->InView);
    for (int i : {2, 3}) {
        EXPECT_FALSE(bar_->Items(i)->InView) << i;
        EXPECT_FALSE(bar_->Items(i)->Enabled) << i;
    }
    TRect mark = bar_->TrackMarkRect();
    EXPECT_EQ(mark.Width(), 5);
    EXPECT_EQ(mark.Right, bar_->Width() - 2);

    // The mark opens the hidden items, downwards.
    bar_->PopupToUp = true;
    InjectClick(bar_->ClientToScreen(Point(mark.Left + 2, mark.Top + 2)));
    PumpMessages();
    EXPECT_EQ(OpenRows(), (std::vector<TMenuItem*>{view, help}));
    TRect popup = frame_->SkinMenu()->Popup(0)->BoundsRect();
    EXPECT_GE(popup.Top, bar_->ClientToScreen(Point(0, mark.Top)).Y);
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();

    // Widening gives each item its own Enabled back.
    bar_->SetWidth(600);
    Paint();
    EXPECT_FALSE(bar_->HiddenItems);
    EXPECT_TRUE(IsRectEmpty(bar_->TrackMarkRect()));
    EXPECT_TRUE(bar_->Items(2)->Enabled);
    EXPECT_FALSE(bar_->Items(3)->Enabled);
    EXPECT_TRUE(bar_->Items(3)->InView);

    // Without ScrollMenu the items run to the area's end, with no mark.
    bar_->SetScrollMenu(false);
    bar_->SetWidth(twoItems + 3);
    Paint();
    EXPECT_TRUE(bar_->Items(1)->InView);
    EXPECT_TRUE(IsRectEmpty(bar_->TrackMarkRect()));
    EXPECT_EQ(file, bar_->Items(0)->MenuItem);
}

TEST_F(BsSkinMainMenuBar, TheOpenSubmenuFollowsTheMouseBetweenUnnamedItems)
{
    TMenuItem* first = Add(menu_, "One");
    TMenuItem* second = Add(menu_, "Two");
    ASSERT_EQ(first->Name(), second->Name());
    bar_->SetWidth(300);
    bar_->SetMainMenu(menu_);
    Paint();

    InjectMouseMove(Centre(0));
    InjectClick(Centre(0));
    PumpMessages();
    EXPECT_TRUE(bar_->Items(0)->Down);
    EXPECT_EQ(OpenRows(), (std::vector<TMenuItem*>{first->Items(0)}));

    InjectMouseMove(Centre(1));
    PumpMessages();
    Tick(50);
    EXPECT_FALSE(bar_->Items(0)->Down);
    EXPECT_TRUE(bar_->Items(1)->Down);
    EXPECT_EQ(OpenRows(), (std::vector<TMenuItem*>{second->Items(0)}));

    // A click elsewhere closes the chain: the bar leaves the menu mode.
    InjectClick(ScreenPoint(150, 180));
    PumpMessages();
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    EXPECT_FALSE(bar_->Items(1)->Down);
    EXPECT_FALSE(bar_->ShowAccelChar);

    // Without the frame an item highlights but opens nothing.
    EXPECT_EQ(frame_->MainMenuBar, bar_);
    bar_->SetSkinForm(nullptr);
    EXPECT_EQ(frame_->MainMenuBar, nullptr);
    InjectClick(Centre(0));
    PumpMessages();
    EXPECT_TRUE(bar_->Items(0)->Active);
    EXPECT_FALSE(bar_->Items(0)->Down);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
}

TEST_F(BsSkinMainMenuBar, AMergedChildMenuKeepsTheMenuOrderInAGroupAndGivesScrollMenuBack)
{
    Add(menu_, "File", 0);
    Add(menu_, "Window", 5);
    Add(menu_, "Help", 9);
    Add(menu_, "Tools", 5);
    TMainMenu child(nullptr);
    Add(&child, "Edit", 1);
    Add(&child, "Format", 1);
    Add(&child, "Table", 1);
    Add(&child, "Close", 9);
    bool merged = true;
    bar_->ChildMenuFinder = TbsSkinMainMenuBar::TChildMenuFinder::FromCallable(
        [&]() -> TMenu* { return merged ? &child : nullptr; });
    bar_->SetMainMenu(menu_);
    EXPECT_TRUE(bar_->MergeMenu);
    EXPECT_FALSE(bar_->ScrollMenu());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"File", "Edit", "Format", "Table", "Window", "Tools", "Close"}));

    // Many items of a few groups, as a sort that swaps equal keys would
    // show them out of order.
    TMainMenu big(nullptr), bigChild(nullptr);
    std::vector<std::string> expected[3];
    for (int i = 0; i < 40; ++i) {
        uint8_t group = static_cast<uint8_t>((i * 7) % 3);
        std::string caption = "m" + std::to_string(i);
        Add(&big, caption.c_str(), group == 1 ? 2 : group);
        expected[group == 1 ? 2 : group].push_back(caption);
    }
    for (int i = 0; i < 20; ++i) {
        std::string caption = "c" + std::to_string(i);
        Add(&bigChild, caption.c_str(), 1);
        expected[1].push_back(caption);
    }
    std::vector<std::string> order;
    for (TMenuItem* item : MergedMenuItems(&big, &bigChild))
        order.emplace_back(item->Caption().c_str());
    std::vector<std::string> all;
    for (auto& group : expected)
        all.insert(all.end(), group.begin(), group.end());
    EXPECT_EQ(order, all);

    merged = false;
    bar_->UpdateItems();
    EXPECT_FALSE(bar_->MergeMenu);
    EXPECT_TRUE(bar_->ScrollMenu());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"File", "Window", "Help", "Tools"}));
}

TEST_F(BsSkinMainMenuBar, HoveringReportsTheItemsAndTheBarAndTakesTheItemsHint)
{
    TMenuItem* file = Add(menu_, "\xD5\x66\xE9\x54");  // GBK 說門
    file->SetHint("Files");
    TMenuItem* edit = Add(menu_, "Edit");
    std::vector<std::string> log;
    auto name = [](TMenuItem* Item) { return std::string(Item->Caption().c_str()); };
    bar_->OnItemMouseEnter = TbsItemEnterEvent::FromCallable([&](TMenuItem* I) { log.push_back("enter " + name(I)); });
    bar_->OnItemMouseLeave = TbsItemLeaveEvent::FromCallable([&](TMenuItem* I) { log.push_back("leave " + name(I)); });
    bar_->OnMouseEnter = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("bar enter"); });
    bar_->OnMouseLeave = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("bar leave"); });
    bar_->SetMainMenu(menu_);
    Paint();
    // Two double-byte characters measure as such, not as four bytes' worth.
    TRect gbk = bar_->Items(0)->ObjectRect;
    bar_->Canvas()->Font()->Assign(bar_->DefItemFont());
    EXPECT_EQ(gbk.Width(), bar_->Canvas()->TextWidth("\xD5\x66\xE9\x54") + 12);

    InjectMouseMove(Centre(0));
    PumpMessages();
    Tick(50);
    EXPECT_EQ(bar_->Hint, "Files");
    InjectMouseMove(Centre(1));
    PumpMessages();
    Tick(50);
    InjectMouseMove(ScreenPoint(150, 180));
    PumpMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"bar enter", "enter " + name(file), "leave " + name(file),
                                             "enter " + name(edit), "bar leave", "leave " + name(edit)}));
    EXPECT_EQ(bar_->ActiveIndex, -1);
}

// The cursor put at Screen with no message to any window, as when it
// moves over a window of another program.
void MoveCursorUnheard(TPoint Screen)
{
    InputState().Cursor = Screen;
}

TEST_F(BsSkinMainMenuBar, TheMouseTimerLightsTheItemUnderAStillCursorAndStopsOffTheBar)
{
    Add(menu_, "&File");
    Add(menu_, "&Edit");
    bar_->SetMainMenu(menu_);
    Paint();
    EXPECT_FALSE(bar_->MouseTimer()->Enabled());
    EXPECT_EQ(bar_->MouseTimer()->Interval(), 50u);
    InjectMouseMove(Centre(1));
    PumpMessages();
    EXPECT_TRUE(bar_->MouseTimer()->Enabled());
    Tick(50);
    EXPECT_TRUE(bar_->Items(1)->Active);

    // A menu opened and closed from the keys with the cursor still: the
    // item under it lights again at the next tick.
    bar_->MenuEnter();
    ASSERT_TRUE(bar_->CheckReturnKey());
    ASSERT_TRUE(frame_->SkinMenu()->ChainOpen());
    EXPECT_FALSE(bar_->Items(1)->Active);
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();
    EXPECT_FALSE(bar_->Items(1)->Active);
    Tick(50);
    EXPECT_TRUE(bar_->Items(1)->Active);
    EXPECT_FALSE(bar_->Items(0)->Active);

    // Off the bar unheard: the light goes out and the timer stops. The
    // bar's right and bottom edges still count as over it, though no item
    // reaches them.
    MoveCursorUnheard(bar_->ClientToScreen(Point(bar_->Width(), bar_->Height())));
    Tick(50);
    EXPECT_FALSE(bar_->Items(1)->Active);
    EXPECT_TRUE(bar_->MouseTimer()->Enabled());
    MoveCursorUnheard(bar_->ClientToScreen(Point(bar_->Width(), bar_->Height() + 1)));
    Tick(50);
    EXPECT_FALSE(bar_->MouseTimer()->Enabled());
    EXPECT_EQ(bar_->ActiveIndex, -1);

    // Items rebuilt (a child activated) under a cursor that came unheard:
    // the timer starts again and lights the new item there.
    MoveCursorUnheard(Centre(0));
    Tick(50);
    EXPECT_FALSE(bar_->Items(0)->Active);
    bar_->UpdateItems();
    EXPECT_TRUE(bar_->MouseTimer()->Enabled());
    Tick(50);
    EXPECT_TRUE(bar_->Items(0)->Active);

    // The mouse leaving the bar puts the light out and stops the timer at
    // once.
    InjectMouseMove(ScreenPoint(150, 180));
    PumpMessages();
    EXPECT_FALSE(bar_->Items(0)->Active);
    EXPECT_FALSE(bar_->MouseTimer()->Enabled());
}

TEST_F(BsSkinMainMenuBar, DefaultSizesSizeOnlyABarWithoutASkin)
{
    bar_->SetAlign(alNone);
    bar_->SetWidth(120);
    bar_->SetDefaultWidth(0);
    EXPECT_EQ(bar_->Width(), 120);
    bar_->SetDefaultWidth(250);
    EXPECT_EQ(bar_->DefaultWidth(), 250);
    EXPECT_EQ(bar_->Width(), 250);
    bar_->SetDefaultHeight(0);
    EXPECT_EQ(bar_->Height(), 22);
    bar_->SetDefaultHeight(30);
    EXPECT_EQ(bar_->Height(), 30);

    test_main_menu_bar_skin::AddTo(skin_);
    auto barData = std::make_unique<TbsSkinData>(nullptr);
    frameSkin_.LoadInto(*barData);
    bar_->SetSkinData(barData.get());
    ASSERT_TRUE(bar_->SkinUsed);
    bar_->SetDefaultWidth(180);
    EXPECT_EQ(bar_->DefaultWidth(), 180);
    EXPECT_EQ(bar_->Width(), 250);
    const int skinHeight = bar_->Height();
    bar_->SetDefaultHeight(40);
    EXPECT_EQ(bar_->DefaultHeight(), 40);
    EXPECT_EQ(bar_->Height(), skinHeight);
    // Only the setter applies it: the skin going keeps the width.
    barData.reset();
    EXPECT_FALSE(bar_->SkinUsed);
    EXPECT_EQ(bar_->Width(), 250);
}

TEST_F(BsSkinMainMenuBar, OwnerDrawingGetsTheBarItem)
{
    TMenuItem* file = Add(menu_, "File");
    std::vector<TObject*> senders;
    std::vector<bool> selected;
    file->OnDrawItem = TMenuDrawItemEvent::FromCallable([&](TObject* Sender, TCanvas*, TRect, bool Selected) {
        senders.push_back(Sender);
        selected.push_back(Selected);
    });
    bar_->SetMainMenu(menu_);
    Paint();
    ASSERT_FALSE(senders.empty());
    EXPECT_EQ(senders.back(), bar_->Items(0));
    EXPECT_FALSE(selected.back());

    InjectMouseMove(Centre(0));
    PumpMessages();
    Tick(50);
    EXPECT_EQ(senders.back(), bar_->Items(0));
    EXPECT_TRUE(selected.back());

    // A freed bar leaves the frame without one.
    delete bar_;
    EXPECT_EQ(frame_->MainMenuBar, nullptr);
}

}  // namespace

namespace {

class BsSkinMainMenuBarKeys : public BsSkinMainMenuBar {
protected:
    void SetUp() override
    {
        BsSkinMainMenuBar::SetUp();
        file_ = Add(menu_, "&File");
        edit_ = Add(menu_, "&Edit");
        Add(menu_, "&Tools")->SetEnabled(false);
        help_ = Add(menu_, "&Help");
        bar_->SetMainMenu(menu_);
        Paint();
    }
    // The positions of the highlighted and the pressed items.
    std::vector<int> Lit()
    {
        std::vector<int> lit;
        for (int i = 0; i < bar_->ItemCount(); ++i)
            if (bar_->Items(i)->Active || bar_->Items(i)->Down)
                lit.push_back(i);
        return lit;
    }

    TMenuItem* file_ = nullptr;
    TMenuItem* edit_ = nullptr;
    TMenuItem* help_ = nullptr;
};

TEST_F(BsSkinMainMenuBarKeys, RightAndLeftWrapAndSkipDisabledItems)
{
    bar_->MenuEnter();
    EXPECT_TRUE(bar_->ShowAccelChar);
    EXPECT_EQ(Lit(), std::vector<int>{0});
    bar_->PriorMainMenuItem();
    EXPECT_EQ(Lit(), std::vector<int>{3});
    bar_->NextMainMenuItem();
    EXPECT_EQ(Lit(), std::vector<int>{0});
    bar_->NextMainMenuItem();
    bar_->NextMainMenuItem();
    EXPECT_EQ(Lit(), std::vector<int>{3});  // past the disabled Tools
    bar_->PriorMainMenuItem();
    EXPECT_EQ(Lit(), std::vector<int>{1});

    bar_->MenuExit();
    EXPECT_FALSE(bar_->ShowAccelChar);
    EXPECT_TRUE(Lit().empty());
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
}

TEST_F(BsSkinMainMenuBarKeys, AnOpenSubmenuMovesWithTheHighlightAndEscapeKeepsIt)
{
    bar_->MenuEnter();
    EXPECT_TRUE(bar_->CheckReturnKey());
    EXPECT_TRUE(bar_->Items(0)->Down);
    EXPECT_EQ(OpenRows(), std::vector<TMenuItem*>{file_->Items(0)});

    bar_->PriorMainMenuItem();
    EXPECT_TRUE(bar_->Items(3)->Down);
    EXPECT_FALSE(bar_->Items(0)->Down);
    EXPECT_EQ(OpenRows(), std::vector<TMenuItem*>{help_->Items(0)});

    // Escape on the last level: the item stays highlighted.
    bar_->RestoreActiveItem();
    EXPECT_FALSE(bar_->Items(3)->Down);
    EXPECT_TRUE(bar_->Items(3)->Active);

    // The chain's full close ends the menu mode.
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();
    EXPECT_TRUE(Lit().empty());
    EXPECT_FALSE(bar_->ShowAccelChar);
}

TEST_F(BsSkinMainMenuBarKeys, AnAcceleratorOpensItsItem)
{
    EXPECT_FALSE(bar_->FindHotKeyItem('X'));
    EXPECT_FALSE(bar_->FindHotKeyItem('T'));  // Tools is disabled
    EXPECT_TRUE(bar_->FindHotKeyItem('E'));
    EXPECT_TRUE(bar_->Items(1)->Down);
    EXPECT_EQ(OpenRows(), std::vector<TMenuItem*>{edit_->Items(0)});
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();

    // An item without a submenu runs its command.
    int clicks = 0;
    TMenuItem* run = new TMenuItem(menu_);
    run->SetCaption("&Run");
    run->OnClick = TNotifyEvent::FromCallable([&](TObject*) { ++clicks; });
    menu_->Items()->Add(run);
    bar_->SetMainMenu(menu_);
    Paint();
    EXPECT_TRUE(bar_->FindHotKeyItem('R'));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
}

}  // namespace

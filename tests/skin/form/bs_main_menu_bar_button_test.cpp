// The buttons of a maximized child on the main form's menu bar, with real
// children: their order and kinds, enabling by the child's icons, the
// system-menu button held down while its menu is open, and closing the
// child from the close button or a double click on the system-menu button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/mouse_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_main_menu_bar_button.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/mdi_test_support.h"
#include "tests/skin/form/test_main_menu_bar_skin.h"
#include "platform/win/headless_screen.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"
#include "tests/support/test_data.h"

namespace {

using B = TbsSkinMainMenuBarButton;

class MenuBarButtonsTest : public FrameTest {
protected:
    void SetUp() override
    {
        test_main_menu_bar_skin::AddTo(skin_);
        FrameTest::SetUp();
        scene_ = std::make_unique<TMDIScene>(data_.get());
        menu_ = new TbsSkinMainMenu(scene_->Parent);
        auto* file = new TMenuItem(menu_);
        file->SetCaption("File");
        menu_->Items()->Add(file);
        bar_ = new TbsSkinMainMenuBar(scene_->Parent);
        bar_->SetParent(scene_->Parent);
        bar_->SetSkinForm(scene_->ParentFrame);
        bar_->SetMainMenu(menu_);
        bar_->SetSkinData(data_.get());
        PumpMessages();
    }
    void TearDown() override
    {
        scene_.reset();
        FrameTest::TearDown();
    }

    // Describes the bar's button Index (system menu, close, maximize,
    // minimize) as a "mainmenubarbutton" object of its command drawn from
    // picture 0, and answers its name; the caller adds its rectangles.
    std::string DescribeButton(int Index)
    {
        static const char* const names[] = {"mdisys", "mdiclose", "mdimax", "mdimin"};
        static const char* const commands[] = {"cmsysmenu", "cmclose", "cmmaximize", "cmminimize"};
        static const char* const keys[] = {"sysmenubutton", "closebutton", "maxbutton", "minbutton"};
        const std::string name = names[Index];
        test_main_menu_bar_skin::AddObject(skin_, name, "mainmenubarbutton");
        skin_.Set(name, "activepictureindex", "0");
        skin_.Set(name, "command", commands[Index]);
        skin_.Set("mainmenubar", keys[Index], name);
        return name;
    }
    TbsMainMenuBarButtons* Buttons() const { return bar_->ChildButtons(); }
    TCustomForm* MaximizedChild(TbsBorderIcons Icons)
    {
        TCustomForm* child = scene_->AddChild("Child", Bounds(10, 10, 200, 150));
        TMDIScene::FrameOf(child)->SetBorderIcons(Icons);
        TMDIScene::FrameOf(child)->SetFrameWindowState(wsMaximized);
        PumpMessages();
        bar_->Repaint();
        return child;
    }
    void Send(UINT Msg, const TbsSkinMainMenuBarButton* Button)
    {
        const TRect& r = Button->ObjectRect;
        const WPARAM keys = Msg == WM_LBUTTONUP ? WPARAM(0) : WPARAM(MK_LBUTTON);
        SendMessage(bar_->Handle(), Msg, keys, PointToLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }

    std::unique_ptr<TMDIScene> scene_;
    TbsSkinMainMenu* menu_ = nullptr;
    TbsSkinMainMenuBar* bar_ = nullptr;
};

const TbsBorderIcons AllIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize};

TEST_F(MenuBarButtonsTest, AMaximizedChildBringsFourButtonsThatGoOnRestore)
{
    EXPECT_EQ(Buttons()->Count(), 0);
    TCustomForm* child = MaximizedChild(AllIcons);
    ASSERT_EQ(Buttons()->Count(), 4);
    // The bar's skin names no button descriptions: each kind comes from
    // the button's place.
    std::vector<int> kinds;
    for (int i = 0; i < 4; ++i) {
        kinds.push_back(Buttons()->Buttons(i)->Kind);
        EXPECT_FALSE(Buttons()->Buttons(i)->HasSkinData);
        EXPECT_TRUE(Buttons()->Buttons(i)->Enabled);
    }
    EXPECT_EQ(kinds, (std::vector<int>{B::bkSysMenu, B::bkClose, B::bkRestore, B::bkMinimize}));
    // The system menu at the left of the items, close rightmost.
    const TRect sys = Buttons()->Buttons(0)->ObjectRect;
    const TRect close = Buttons()->Buttons(1)->ObjectRect;
    const TRect restore = Buttons()->Buttons(2)->ObjectRect;
    const TRect minimize = Buttons()->Buttons(3)->ObjectRect;
    EXPECT_LT(sys.Right, bar_->Items(0)->ObjectRect.Left + 1);
    EXPECT_GT(close.Left, restore.Right);
    EXPECT_GT(restore.Left, minimize.Right);
    EXPECT_GE(minimize.Left, bar_->Items(0)->ObjectRect.Right);

    // A rebuild of the bar (a skin change) keeps them.
    bar_->ChangeSkinData();
    EXPECT_EQ(Buttons()->Count(), 4);

    // Restoring goes through 1232: the buttons go.
    TMDIScene::FrameOf(child)->SetFrameWindowState(wsNormal);
    PumpMessages();
    EXPECT_EQ(Buttons()->Count(), 0);
    EXPECT_FALSE(Buttons()->MDIChildMaximized());
}

// A maximized child freed on closing takes its buttons along at once, not
// at the bar's next layout.
TEST_F(MenuBarButtonsTest, AFreedMaximizedChildsButtonsGoAtOnce)
{
    TCustomForm* child = MaximizedChild(AllIcons);
    ASSERT_EQ(Buttons()->Count(), 4);
    child->OnClose = TCloseEvent::FromCallable([](TObject*, TCloseAction& Action) { Action = caFree; });
    child->Close();
    PumpMessages();
    scene_->Forget(child);
    EXPECT_EQ(scene_->Parent->MDIChildCount(), 0);
    EXPECT_EQ(Buttons()->Count(), 0);
    EXPECT_FALSE(Buttons()->MDIChildMaximized());
}

TEST_F(MenuBarButtonsTest, MinimizeAndSystemMenuFollowTheChildsIcons)
{
    MaximizedChild(TbsBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMaximize});
    ASSERT_EQ(Buttons()->Count(), 4);
    EXPECT_TRUE(Buttons()->Buttons(0)->Enabled);
    EXPECT_TRUE(Buttons()->Buttons(1)->Enabled);
    EXPECT_TRUE(Buttons()->Buttons(2)->Enabled);
    EXPECT_FALSE(Buttons()->Buttons(3)->Enabled);
    // A press on the disabled minimize button does nothing.
    Send(WM_LBUTTONDOWN, Buttons()->Buttons(3));
    Send(WM_LBUTTONUP, Buttons()->Buttons(3));
    PumpMessages();
    EXPECT_EQ(Buttons()->Count(), 4);
}

TEST_F(MenuBarButtonsTest, RestoreAndMinimizeButtonsActOnTheChild)
{
    TCustomForm* child = MaximizedChild(AllIcons);
    Send(WM_MOUSEMOVE, Buttons()->Buttons(2));
    Send(WM_LBUTTONDOWN, Buttons()->Buttons(2));
    Send(WM_LBUTTONUP, Buttons()->Buttons(2));
    PumpMessages();
    EXPECT_EQ(TMDIScene::FrameOf(child)->WindowState(), wsNormal);
    EXPECT_EQ(Buttons()->Count(), 0);
}

TEST_F(MenuBarButtonsTest, TheSystemMenuButtonStaysDownUntilItsMenuCloses)
{
    MaximizedChild(AllIcons);
    TbsSkinMainMenuBarButton* sys = Buttons()->Buttons(0);
    Send(WM_MOUSEMOVE, sys);
    Send(WM_LBUTTONDOWN, sys);
    // The menu opens on the press.
    EXPECT_TRUE(scene_->ParentFrame->SkinMenu()->ChainOpen());
    Send(WM_LBUTTONUP, sys);
    EXPECT_TRUE(sys->Down);
    scene_->ParentFrame->SkinMenu()->CloseMenu();
    PumpMessages();
    EXPECT_FALSE(sys->Down);
}

// The close button and a double click on the system-menu button close the
// child, hidden or freed, while the buttons go inside the bar's handler.
TEST_F(MenuBarButtonsTest, CloseButtonAndSystemMenuDoubleClickCloseTheChild)
{
    for (int way = 0; way < 2; ++way)
        for (TCloseAction action : {caHide, caFree}) {
            TCustomForm* child = MaximizedChild(AllIcons);
            child->OnClose = TCloseEvent::FromCallable([action](TObject*, TCloseAction& Action) { Action = action; });
            ASSERT_EQ(Buttons()->Count(), 4);
            if (way == 0) {
                const TbsSkinMainMenuBarButton place = *Buttons()->Buttons(1);
                Send(WM_MOUSEMOVE, &place);
                Send(WM_LBUTTONDOWN, &place);
                Send(WM_LBUTTONUP, &place);
            } else {
                TbsSkinMainMenuBarButton* sys = Buttons()->Buttons(0);
                Send(WM_MOUSEMOVE, sys);
                Send(WM_LBUTTONDOWN, sys);
                scene_->ParentFrame->SkinMenu()->CloseMenu();
                PumpMessages();
                ASSERT_EQ(Buttons()->Count(), 4);
                const TbsSkinMainMenuBarButton place = *Buttons()->Buttons(0);
                Send(WM_LBUTTONDBLCLK, &place);
                Send(WM_LBUTTONUP, &place);
            }
            PumpMessages();
            bar_->Repaint();
            EXPECT_EQ(Buttons()->Count(), 0) << way << action;
            EXPECT_FALSE(scene_->ParentFrame->SkinMenu()->ChainOpen());
            if (action == caFree) {
                EXPECT_EQ(scene_->Parent->MDIChildCount(), 0);
                scene_->Forget(child);
            } else {
                EXPECT_FALSE(child->Visible());
                scene_->Forget(child);
                delete child;
                PumpMessages();
            }
        }
}

// A skin whose bar names button descriptions: each button takes its kind
// from its description's command and draws from its picture.
class SkinnedMenuBarButtonsTest : public MenuBarButtonsTest {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i) {
            const std::string name = DescribeButton(i);
            skin_.Set(name, "skinrect", TTestSkin::RectText(skin_.AddCell(name, 16, 14, {}, {}, {"face"})));
        }
        MenuBarButtonsTest::SetUp();
    }
};

TEST_F(SkinnedMenuBarButtonsTest, ButtonsTakeKindAndSizeFromTheirDescriptions)
{
    MaximizedChild(AllIcons);
    ASSERT_EQ(Buttons()->Count(), 4);
    std::vector<int> kinds;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Buttons()->Buttons(i)->HasSkinData);
        EXPECT_NE(Buttons()->Buttons(i)->Picture, nullptr);
        EXPECT_EQ(Buttons()->Buttons(i)->ObjectRect.Width(), 16);
        EXPECT_EQ(Buttons()->Buttons(i)->ObjectRect.Height(), 14);
        kinds.push_back(Buttons()->Buttons(i)->Kind);
    }
    EXPECT_EQ(kinds, (std::vector<int>{B::bkSysMenu, B::bkClose, B::bkRestore, B::bkMinimize}));
}

// Button descriptions with normal, hot and pressed images that cross-fade.
class FadingMenuBarButtonsTest : public MenuBarButtonsTest {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i) {
            const std::string name = DescribeButton(i);
            for (const char* state : {"normal", "active", "down"}) {
                const TRect cell = skin_.AddCell(name + "." + state, 16, 14, {}, {}, {"face"});
                const std::string key = std::string(state) == "normal" ? "skinrect"
                                        : std::string(state) == "active" ? "activeskinrect"
                                                                         : "downrect";
                skin_.Set(name, key, TTestSkin::RectText(cell));
            }
            skin_.Set(name, "morphing", "1");
        }
        MenuBarButtonsTest::SetUp();
    }

    // The piece a button shows at its centre on the bar.
    std::string Look(int Index) const
    {
        const TRect& r = Buttons()->Buttons(Index)->ObjectRect;
        return skin_.PieceOf(PixelAt(WindowImage(bar_->Handle()), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // Count steps of the bar's 25 ms fade timer on the hand-driven clock.
    void Steps(int Count)
    {
        for (int i = 0; i < Count; ++i) {
            AdvanceClock(25);
            PumpMessages();
        }
    }
    TPoint Centre(const B* Button) const
    {
        const TRect& r = Button->ObjectRect;
        return bar_->ClientToScreen(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // The pointer over a button, lit at the bar's mouse timer's tick, or
    // over the client when Button is nullptr, which puts the light out at
    // once.
    void Hover(const B* Button)
    {
        InjectMouseMove(Button ? Centre(Button) : TPoint{300, 300});
        PumpMessages();
        if (Button) {
            AdvanceClock(50);
            PumpMessages();
        }
    }
};

// Hovering fades a child button in and out in five steps of the bar's
// timer; a press shows the pressed image at once, and the system-menu
// button, let go by its menu's close, fades out from the hot image.
TEST_F(FadingMenuBarButtonsTest, ButtonsFadeOnTheBarsTimer)
{
    TPoint pointer{};
    GetCursorPos(&pointer);
    MaximizedChild(AllIcons);
    ASSERT_EQ(Buttons()->Count(), 4);
    B* close = Buttons()->Buttons(1);
    ASSERT_TRUE(close->CanMorph());
    EXPECT_EQ(Look(1), "mdiclose.normal.face");

    Hover(close);
    ASSERT_TRUE(close->Active);
    EXPECT_TRUE(bar_->MorphTimer()->Enabled());
    Steps(1);
    EXPECT_EQ(Look(1), "") << "one fifth of the way shows neither image";
    Steps(4);
    EXPECT_EQ(close->MorphKf(), 1.0);
    EXPECT_EQ(Look(1), "mdiclose.active.face");
    Steps(1);
    EXPECT_FALSE(bar_->MorphTimer()->Enabled());

    Hover(nullptr);
    EXPECT_FALSE(close->Active);
    Steps(5);
    EXPECT_EQ(close->MorphKf(), 0.0);
    EXPECT_EQ(Look(1), "mdiclose.normal.face");
    Steps(1);
    EXPECT_FALSE(bar_->MorphTimer()->Enabled());

    B* sys = Buttons()->Buttons(0);
    Hover(sys);
    InjectMouseDown(Centre(sys));
    InjectMouseUp(Centre(sys));
    PumpMessages();
    EXPECT_EQ(Look(0), "mdisys.down.face");
    EXPECT_EQ(sys->MorphKf(), 1.0);
    Hover(nullptr);
    scene_->ParentFrame->SkinMenu()->CloseMenu();
    PumpMessages();
    EXPECT_FALSE(sys->Down);
    EXPECT_FALSE(sys->Active);
    Steps(1);
    EXPECT_EQ(Look(0), "");
    Steps(4);
    EXPECT_EQ(sys->MorphKf(), 0.0);
    EXPECT_EQ(Look(0), "mdisys.normal.face");
    InjectMouseMove(pointer);
    PumpMessages();
}

// Holding the button pressed on a child button and moving onto an item
// lights nothing; after the release the item lights again.
TEST_F(FadingMenuBarButtonsTest, AHeldChildButtonKeepsTheItemsDark)
{
    TPoint pointer{};
    GetCursorPos(&pointer);
    MaximizedChild(AllIcons);
    ASSERT_EQ(Buttons()->Count(), 4);
    B* minimize = Buttons()->Buttons(3);
    const TRect& file = bar_->Items(0)->ObjectRect;
    const TPoint onFile = bar_->ClientToScreen(Point((file.Left + file.Right) / 2, (file.Top + file.Bottom) / 2));
    Hover(minimize);
    InjectMouseDown(Centre(minimize));
    PumpMessages();
    InjectMouseMove(onFile);
    PumpMessages();
    AdvanceClock(50);
    PumpMessages();
    EXPECT_FALSE(bar_->Items(0)->Active);
    EXPECT_EQ(bar_->ActiveIndex, -1);
    InjectMouseUp(onFile);
    PumpMessages();
    EXPECT_EQ(Buttons()->Count(), 4) << "released off the button: the child stays maximized";
    AdvanceClock(50);
    PumpMessages();
    EXPECT_TRUE(bar_->Items(0)->Active);
    InjectMouseMove(pointer);
    PumpMessages();
}

}  // namespace

namespace {

// The bar of a parent with a maximized child, its system-menu button hot:
// plain (the bar's skin names no buttons) and from button descriptions.
TRasterImage BarWithChildButtons(TbsSkinMainMenuBar* Bar, TbsMainMenuBarButtons* Buttons)
{
    SendMessage(Bar->Handle(), WM_MOUSEMOVE, 0,
                PointToLParam(Buttons->Buttons(0)->ObjectRect.Left + 2, Buttons->Buttons(0)->ObjectRect.Top + 2));
    Bar->Repaint();
    PumpMessages();
    return WindowImage(Bar->Handle());
}

TEST_F(MenuBarButtonsTest, GoldenPlainChildButtons)
{
    MaximizedChild(TbsBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMaximize});
    ExpectGolden(BarWithChildButtons(bar_, Buttons()), TestFolder() + "/golden/menu_bar_child_buttons.png");
}

TEST_F(SkinnedMenuBarButtonsTest, GoldenSkinnedChildButtons)
{
    MaximizedChild(AllIcons);
    ExpectGolden(BarWithChildButtons(bar_, Buttons()), TestFolder() + "/golden/menu_bar_child_buttons_skinned.png");
}

}  // namespace

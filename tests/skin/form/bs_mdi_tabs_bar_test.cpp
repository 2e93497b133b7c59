// The tabs bar of a multiple-document parent with real children: the
// layout with and without a smallest tab width, the hidden children's menu,
// dragging tabs, the active tab's colour and closing a child from its tab.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/cursor.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/mouse_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_menu_speed_button.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/form/bs_mdi_tabs_bar.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/controls/test_skin_tabs.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/mdi_test_support.h"
#include "tests/skin/form/test_main_menu_bar_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_data.h"

namespace {

constexpr TColor FocusColour = static_cast<TColor>(0x0000C000);
constexpr TColor HotColour = static_cast<TColor>(0x000000C0);

// A parent with a tabs bar at its top-left corner, plain (Data nullptr) or
// on the test skin; not aligned, so that the tests set its width.
class TTabsScene {
public:
    explicit TTabsScene(TbsSkinData* Data) : scene(Data)
    {
        bar = new TbsSkinMDITabsBar(scene.Parent);
        bar->SetBounds(0, 0, 400, 21);
        bar->SetParent(scene.Parent);
        bar->SetSkinForm(scene.ParentFrame);
        if (Data)
            bar->SetSkinData(Data);
        scene.ParentFrame->MDITabsBar = bar;
    }

    TCustomForm* Add(const std::string& Name)
    {
        const int n = static_cast<int>(scene.Children.size());
        return scene.AddChild(Name, Bounds(10 + 20 * n, 10 + 10 * n, 200, 120));
    }
    std::vector<std::string> Order() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < bar->TabCount(); ++i)
            names.emplace_back(bar->Tabs(i)->Child->Name());
        return names;
    }
    void Send(UINT Msg, int X, int Y) { SendMessage(bar->Handle(), Msg, Msg == WM_LBUTTONUP ? WPARAM(0) : WPARAM(MK_LBUTTON), PointToLParam(X, Y)); }

    TMDIScene scene;
    TbsSkinMDITabsBar* bar = nullptr;
};

class MDITabsBarTest : public FrameTest {
protected:
    void SetUp() override
    {
        test_skin_tabs::AddTo(skin_);
        if (withoutClosePictures_)
            for (const char* key : {"closebuttonrect", "closebuttonactiverect", "closebuttondownrect"})
                skin_.Erase("tab", key);
        // Distinct colours for the focused and the hot tab, so that the
        // active tab's colour tells which one was taken.
        skin_.Set("tab", "focusfontcolor", std::to_string(static_cast<unsigned>(FocusColour)));
        skin_.Set("tab", "activefontcolor", std::to_string(static_cast<unsigned>(HotColour)));
        FrameTest::SetUp();
    }

    bool withoutClosePictures_ = false;
};

TEST_F(MDITabsBarTest, WithoutASmallestWidthTabsShrinkAndAllStayVisible)
{
    TTabsScene s(nullptr);
    for (int i = 0; i < 20; ++i)
        s.Add("C" + std::to_string(i));
    ASSERT_EQ(s.bar->TabCount(), 20);
    s.bar->SetWidth(300);
    s.bar->CalcTabRects();
    // (300 - 15) div 20 = 14 pixels a tab after the menu button's place;
    // the last one reaches the bar's end.
    for (int i = 0; i < 19; ++i) {
        EXPECT_TRUE(s.bar->Tabs(i)->Visible);
        EXPECT_EQ(s.bar->Tabs(i)->ObjectRect, (TRect{15 + 14 * i, 0, 29 + 14 * i, s.bar->Height()})) << i;
    }
    EXPECT_EQ(s.bar->Tabs(19)->ObjectRect, (TRect{15 + 14 * 19, 0, 300, s.bar->Height()}));
    EXPECT_EQ(s.bar->HiddenCount(), 0);
    s.bar->Repaint();
    EXPECT_NE(s.bar->AllChildrenButton(), nullptr);
    EXPECT_EQ(s.bar->HiddenChildrenButton(), nullptr);

    // Wide enough, a tab keeps its largest width and the rest stays free.
    s.bar->SetWidth(3000);
    s.bar->CalcTabRects();
    EXPECT_EQ(s.bar->Tabs(19)->ObjectRect, (TRect{15 + 100 * 19, 0, 15 + 100 * 20, s.bar->Height()}));
}

TEST_F(MDITabsBarTest, TabsThatDoNotFitAreEmptyAndListedInTheHiddenMenu)
{
    TTabsScene s(nullptr);
    std::vector<TCustomForm*> children;
    for (const char* name : {"A", "B", "C", "D", "E", "F"})
        children.push_back(s.Add(name));
    s.bar->MinTabWidth = 60;
    s.bar->SetWidth(300);
    s.bar->Repaint();
    PumpMessages();
    // (300 - 30) div 60 = 4 tabs fit.
    EXPECT_EQ(s.bar->HiddenCount(), 2);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.bar->Tabs(i)->ObjectRect, (TRect{15 + 60 * i, 0, 75 + 60 * i, s.bar->Height()}));
    for (int i = 4; i < 6; ++i) {
        EXPECT_FALSE(s.bar->Tabs(i)->Visible);
        EXPECT_EQ(s.bar->Tabs(i)->ObjectRect, TRect());
    }
    ASSERT_NE(s.bar->HiddenChildrenButton(), nullptr);

    TbsSkinPopupMenu* hidden = s.bar->HiddenChildrenButton()->SkinPopupMenu();
    s.bar->HiddenChildrenButton()->OnShowTrackMenu(s.bar->HiddenChildrenButton());
    ASSERT_EQ(hidden->Items()->Count(), 2);
    EXPECT_EQ(hidden->Items()->Items(0)->Name(), "E_BSFCHILDITEMBARHIDE");
    EXPECT_EQ(hidden->Items()->Items(1)->Name(), "F_BSFCHILDITEMBARHIDE");
    EXPECT_EQ(hidden->Items()->Items(1)->Caption(), "F");

    TbsSkinPopupMenu* all = s.bar->AllChildrenButton()->SkinPopupMenu();
    s.bar->AllChildrenButton()->OnShowTrackMenu(s.bar->AllChildrenButton());
    ASSERT_EQ(all->Items()->Count(), 6);
    EXPECT_EQ(all->Items()->Items(0)->Name(), "A_BSFCHILDITEMBAR");
    EXPECT_TRUE(all->Items()->Items(5)->Checked());  // F, shown last, is active
    EXPECT_FALSE(all->Items()->Items(0)->Checked());

    // Choosing E brings the minimized E back and to the front.
    TMDIScene::FrameOf(children[4])->SetFrameWindowState(wsMinimized);
    PumpMessages();
    hidden->Items()->Items(0)->Click();
    PumpMessages();
    EXPECT_EQ(TMDIScene::FrameOf(children[4])->WindowState(), wsNormal);
    EXPECT_EQ(s.scene.Parent->ActiveMDIChild(), children[4]);

    // Wider, every tab fits again and the hidden children's button goes.
    s.bar->SetWidth(600);
    s.bar->Repaint();
    EXPECT_EQ(s.bar->HiddenCount(), 0);
    EXPECT_EQ(s.bar->HiddenChildrenButton(), nullptr);
}

TEST_F(MDITabsBarTest, DraggingReordersOnlyPastAMiddleAndStaysWithinTheBar)
{
    TTabsScene s(nullptr);
    for (const char* name : {"A", "B", "C"})
        s.Add(name);
    s.bar->SetWidth(400);
    s.bar->CalcTabRects();
    // Tabs of 100 pixels from x = 15.
    const int y = s.bar->Height() / 2;
    s.Send(WM_LBUTTONDOWN, 60, y);
    s.Send(WM_MOUSEMOVE, 63, y);
    EXPECT_TRUE(s.bar->Dragging());
    EXPECT_EQ(s.bar->DropIndex(), -1);
    s.Send(WM_LBUTTONUP, 63, y);
    EXPECT_FALSE(s.bar->Dragging());
    EXPECT_EQ(s.Order(), (std::vector<std::string>{"A", "B", "C"}));

    // Far to the left and far to the right, the dragged tab stays inside
    // [0, the bar's width].
    s.Send(WM_LBUTTONDOWN, 160, y);
    s.Send(WM_MOUSEMOVE, -900, y);
    s.bar->CalcTabRects();
    EXPECT_EQ(s.bar->Tabs(1)->ObjectRect.Left, 0);
    s.Send(WM_MOUSEMOVE, 2000, y);
    s.bar->CalcTabRects();
    EXPECT_EQ(s.bar->Tabs(1)->ObjectRect.Right, 400);
    // Dropped past C's middle, B goes after C.
    s.Send(WM_MOUSEMOVE, 160 + 60, y);
    EXPECT_EQ(s.bar->DropIndex(), 2);
    s.Send(WM_LBUTTONUP, 160 + 60, y);
    EXPECT_EQ(s.Order(), (std::vector<std::string>{"A", "C", "B"}));

    // And back, past A's middle to the left.
    s.Send(WM_LBUTTONDOWN, 260, y);
    s.Send(WM_MOUSEMOVE, 260 - 160, y);
    s.Send(WM_LBUTTONUP, 260 - 160, y);
    EXPECT_EQ(s.Order(), (std::vector<std::string>{"B", "A", "C"}));
}

int PixelsOf(TBitmap& B, TColor C)
{
    int n = 0;
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x)
            n += B.Canvas()->Pixels(x, y) == C;
    return n;
}

TEST_F(MDITabsBarTest, TheActiveSkinnedTabUsesTheFocusColour)
{
    TTabsScene s(data_.get());
    TCustomForm* a = s.Add("AAAA");
    s.Add("BBBB");
    a->Show();
    PumpMessages();
    s.bar->UpdateTabs();
    ASSERT_TRUE(s.bar->Tabs(0)->Active);
    ASSERT_FALSE(s.bar->Tabs(1)->Active);
    s.bar->CalcTabRects();
    for (int i = 0; i < 2; ++i) {
        TbsMDITab* tab = s.bar->Tabs(i);
        TBitmap b;
        b.SetSize(tab->ObjectRect.Right, tab->ObjectRect.Bottom);
        s.bar->DrawTab(tab, b.Canvas());
        if (tab->Active)
            EXPECT_GT(PixelsOf(b, FocusColour), 0);
        else
            EXPECT_EQ(PixelsOf(b, FocusColour), 0);
        EXPECT_EQ(PixelsOf(b, HotColour), 0);
    }
}

TEST_F(MDITabsBarTest, ClickingATabActivatesItsChild)
{
    TTabsScene s(nullptr);
    TCustomForm* a = s.Add("A");
    TCustomForm* b = s.Add("B");
    EXPECT_EQ(s.scene.Parent->ActiveMDIChild(), b);
    s.bar->SetWidth(400);
    s.bar->CalcTabRects();
    s.Send(WM_LBUTTONDOWN, 60, 10);
    s.Send(WM_LBUTTONUP, 60, 10);
    PumpMessages();
    EXPECT_EQ(s.scene.Parent->ActiveMDIChild(), a);
    EXPECT_TRUE(s.bar->Tabs(0)->Active);
    EXPECT_FALSE(s.bar->Tabs(1)->Active);
}

// A right click on a tab opens that child's system menu under the pointer,
// from the parent's menu; without child menus it opens nothing.
TEST_F(MDITabsBarTest, ARightClickOpensTheChildsSystemMenu)
{
    TTabsScene s(data_.get());
    TCustomForm* a = s.Add("A");
    s.Add("B");
    s.bar->SetWidth(400);
    s.bar->Repaint();
    const TRect& r = s.bar->Tabs(0)->ObjectRect;
    const TPoint at = s.bar->ClientToScreen(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    TbsSkinMenu* menu = s.scene.ParentFrame->SkinMenu();
    TPoint pointer{};
    GetCursorPos(&pointer);

    s.bar->SupportChildMenus = false;
    InjectClick(at, 2);
    PumpMessages();
    EXPECT_FALSE(menu->ChainOpen());

    s.bar->SupportChildMenus = true;
    InjectClick(at, 2);
    PumpMessages();
    ASSERT_TRUE(menu->ChainOpen());
    ASSERT_EQ(menu->PopupCount(), 1);
    std::vector<std::string> shown;
    for (int i = 0; i < menu->Popup(0)->ItemCount(); ++i)
        shown.emplace_back(menu->Popup(0)->Item(i)->MenuItem()->Caption());
    EXPECT_EQ(menu->PopupCtrl(), s.scene.Parent);
    const TRect popup = menu->Popup(0)->BoundsRect();
    EXPECT_EQ(popup.Left, at.X);
    EXPECT_EQ(popup.Top, at.Y);
    menu->CloseMenu();
    InjectMouseMove(pointer);
    PumpMessages();
    // The rows are the child's own system menu ("&Close" among them).
    std::vector<std::string> own;
    TMenuItem* items = TMDIScene::FrameOf(a)->GetSystemMenuItems();
    for (int i = 0; i < items->Count(); ++i)
        if (items->Items(i)->Visible())
            own.emplace_back(items->Items(i)->Caption());
    EXPECT_EQ(shown, own);
    EXPECT_NE(std::find(own.begin(), own.end(), "&Close"), own.end());
}

// The close button of a tab closes its child, hidden or freed; the tab goes
// while the bar's own handler is still running.
TEST_F(MDITabsBarTest, TheCloseButtonClosesTheChild)
{
    for (TCloseAction action : {caHide, caFree}) {
        TTabsScene s(data_.get());
        s.bar->ShowCloseButtons = true;
        TCustomForm* a = s.Add("A");
        s.Add("B");
        a->OnClose = TCloseEvent::FromCallable([action](TObject*, TCloseAction& Action) { Action = action; });
        s.bar->SetWidth(400);
        s.bar->Repaint();
        TbsMDITab* tab = s.bar->Tabs(0);
        TRect close = tab->CloseButtonRect;
        ASSERT_GT(close.Width(), 0);
        const int x = tab->ObjectRect.Left + close.Left + close.Width() / 2;
        const int y = tab->ObjectRect.Top + close.Top + close.Height() / 2;
        s.Send(WM_MOUSEMOVE, x, y);
        s.Send(WM_LBUTTONDOWN, x, y);
        EXPECT_TRUE(tab->CloseDown);
        s.Send(WM_LBUTTONUP, x, y);
        PumpMessages();
        ASSERT_EQ(s.bar->TabCount(), 1);
        EXPECT_EQ(s.bar->Tabs(0)->Child->Name(), "B");
        if (action == caFree) {
            EXPECT_EQ(s.scene.Parent->MDIChildCount(), 1);
            s.scene.Forget(a);
        } else {
            EXPECT_FALSE(a->Visible());
        }
    }
}

// The bar plain and skinned, each with four children, the second active,
// the third hot with its close button, and a fifth tab that did not fit.
TEST_F(MDITabsBarTest, GoldenTabsBar)
{
    std::vector<TRasterImage> images;
    for (TbsSkinData* data : {static_cast<TbsSkinData*>(nullptr), data_.get()}) {
        TTabsScene s(data);
        s.bar->ShowCloseButtons = true;
        s.bar->SetShowAddButton(true);
        s.bar->MinTabWidth = 90;
        for (const char* name : {"One", "Two", "Three", "Four", "Five"})
            s.Add(name);
        s.bar->Tabs(1)->Child->Show();
        PumpMessages();
        s.bar->UpdateTabs();
        s.bar->SetWidth(420);
        s.bar->Repaint();
        s.Send(WM_MOUSEMOVE, 200, 8);
        s.bar->Repaint();
        PumpMessages();
        images.push_back(WindowImage(s.bar->Handle()));
    }
    ExpectGolden(ComposeImages(images, false), TestFolder() + "/golden/mdi_tabs_bar.png");
}

}  // namespace

namespace {

// A skin with tool buttons and a tab description without close-button
// pictures: the add and close buttons take the tool button's look, and
// without the skin's size the tabs are nine-part images, the active one
// reaching into the strip.
class MDITabsBarToolButtonsTest : public MDITabsBarTest {
protected:
    void SetUp() override
    {
        test_main_menu_bar_skin::AddTo(skin_);
        withoutClosePictures_ = true;
        MDITabsBarTest::SetUp();
    }
};

TEST_F(MDITabsBarToolButtonsTest, GoldenToolButtonsAndNinePartTabs)
{
    TTabsScene s(data_.get());
    s.bar->ShowCloseButtons = true;
    s.bar->SetShowAddButton(true);
    s.bar->UseSkinSize = false;
    s.bar->SetDefaultHeight(26);
    s.bar->ChangeSkinData();
    for (const char* name : {"One", "Two", "Three"})
        s.Add(name);
    s.bar->Tabs(0)->Child->Show();
    PumpMessages();
    s.bar->Repaint();
    const TRect add = s.bar->AddButtonRect();
    s.Send(WM_MOUSEMOVE, add.Left + 3, add.Top + 3);
    s.bar->Repaint();
    PumpMessages();
    EXPECT_EQ(s.bar->CloseButtonSize(), 14);
    ExpectGolden(WindowImage(s.bar->Handle()), TestFolder() + "/golden/mdi_tabs_bar_tool_buttons.png");
}

}  // namespace

// The frame of a multiple-document parent and its children on the test
// skin: the skinned client, the scroll bars that move the children, the
// maximize protocol between children and parent, and the Window menu.
#include <gtest/gtest.h>

#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/cursor.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/ui/kernel/menu_bar.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/mdi_test_support.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_data.h"

namespace {

class MDIFrameTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        scene_ = std::make_unique<TMDIScene>(data_.get());
    }
    void TearDown() override
    {
        scene_.reset();
        FrameTest::TearDown();
    }

    TbsSkinForm* Parent() const { return scene_->ParentFrame; }
    std::unique_ptr<TMDIScene> scene_;
};

TEST_F(MDIFrameTest, ClientHasNoBorderAndIsSubclassedOnce)
{
    HWND client = scene_->Parent->ClientHandle();
    TRect window, inside;
    GetWindowRect(client, &window);
    GetClientRect(client, &inside);
    EXPECT_EQ(window.Width(), inside.Width());
    EXPECT_EQ(window.Height(), inside.Height());
    EXPECT_EQ(TRect(scene_->Parent->ClientRect()), Parent()->MDIClientRect());

    // Turning the skinning off and on while the parent has no children
    // switches its frame, and switching on hooks the client again.
    data_->SetSkinnableForm(false);
    EXPECT_FALSE(Parent()->Skinnable);
    data_->SetSkinnableForm(true);
    EXPECT_TRUE(Parent()->Skinnable);
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    // With a child the switch reaches neither: the parent would re-frame
    // the children under it, and a child follows its parent's frame.
    data_->SetSkinnableForm(false);
    EXPECT_TRUE(Parent()->Skinnable);
    EXPECT_TRUE(TMDIScene::FrameOf(a)->Skinnable);
    data_->SetSkinnableForm(true);
    // Showing the parent again hooks the client again, once.
    scene_->Parent->Hide();
    scene_->Parent->Show();
    PumpMessages();
    int fits = 0;
    auto counter = WNDPROC::FromCallable([&fits](HWND w, UINT m, WPARAM wp, LPARAM lp) {
        fits += m == WM_SKINMDICHILDFIT;
        return DefSubclassProc(w, m, wp, lp);
    });
    SetWindowSubclass(a->Handle(), counter, 1);
    scene_->Parent->SetWidth(scene_->Parent->Width() - 20);
    EXPECT_EQ(fits, 1);
    RemoveWindowSubclass(a->Handle(), counter, 1);
}

TEST_F(MDIFrameTest, ChildAboveTheClientShowsTheVerticalBarAndArrowsMoveEveryChild)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    TCustomForm* b = scene_->AddChild("B", Bounds(100, 60, 200, 150));
    TbsSkinScrollBar* v = Parent()->VScrollBar();
    TbsSkinScrollBar* h = Parent()->HScrollBar();
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->Visible());
    EXPECT_FALSE(h->Visible());

    a->SetTop(-30);
    TRect r = Parent()->MDIClientRect();
    ASSERT_TRUE(v->Visible());
    EXPECT_FALSE(h->Visible());
    EXPECT_EQ(TRect(v->BoundsRect()), Rect(r.Right - v->Width(), r.Top, r.Right, r.Bottom));
    EXPECT_EQ(v->Min(), 0);
    EXPECT_EQ(v->Position(), 30);
    EXPECT_EQ(v->Max(), r.Height() + 30 - 1);
    EXPECT_EQ(v->PageSize(), r.Height());
    EXPECT_EQ(v->LargeChange(), v->PageSize());

    // One click on the top arrow brings every visible child down by 10.
    v->OnDownButtonClick(v);
    EXPECT_EQ(a->Top(), -20);
    EXPECT_EQ(b->Top(), 70);
    EXPECT_EQ(v->Position(), 20);

    // The thumb dragged moves nothing until it is let go.
    v->SetPosition(0);
    EXPECT_EQ(a->Top(), -20);
    v->OnLastChange(v);
    EXPECT_EQ(a->Top(), 0);
    EXPECT_FALSE(v->Visible());
}

// The same done with the mouse on the bar: a click on the down arrow moves
// every child by 10, and the thumb dragged moves them only when let go.
TEST_F(MDIFrameTest, ArrowClickAndThumbDragWithTheMouse)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(10, -30, 200, 150));
    TCustomForm* b = scene_->AddChild("B", Bounds(100, 60, 200, 150));
    TbsSkinScrollBar* v = Parent()->VScrollBar();
    ASSERT_TRUE(v->Visible());
    ASSERT_EQ(v->Position(), 30);
    const int x = v->Width() / 2;
    TPoint pointer{};
    GetCursorPos(&pointer);

    // The test skin's down button (towards the range's start) is the
    // bottom arrow.
    const TPoint arrow = v->ClientToScreen(Point(x, v->Height() - 3));
    InjectMouseDown(arrow);
    InjectMouseUp(arrow);
    PumpMessages();
    EXPECT_EQ(v->Position(), 20);
    EXPECT_EQ(a->Top(), -20);
    EXPECT_EQ(b->Top(), 70);

    // The page is most of the range: the thumb fills the middle of the bar.
    const TPoint grip = v->ClientToScreen(Point(x, v->Height() / 2));
    InjectMouseDown(grip);
    PumpMessages();
    InjectMouseMove({grip.X, grip.Y - 60});
    PumpMessages();
    EXPECT_EQ(v->Position(), 0);
    EXPECT_EQ(a->Top(), -20);
    EXPECT_EQ(b->Top(), 70);
    InjectMouseUp({grip.X, grip.Y - 60});
    PumpMessages();
    EXPECT_EQ(a->Top(), 0);
    EXPECT_EQ(b->Top(), 90);
    EXPECT_FALSE(v->Visible());
    InjectMouseMove(pointer);
    PumpMessages();
}

TEST_F(MDIFrameTest, ClosingChildLeavesTheRangeAndBarsStayOffWhenNotWanted)
{
    scene_->AddChild("A", Bounds(10, 10, 200, 150));
    TCustomForm* far = scene_->AddChild("Far", Bounds(500, 10, 200, 150));
    TbsSkinScrollBar* h = Parent()->HScrollBar();
    TbsSkinScrollBar* v = Parent()->VScrollBar();
    ASSERT_TRUE(h->Visible());
    // The height left above the horizontal bar still holds the children.
    EXPECT_FALSE(v->Visible());
    EXPECT_FALSE(h->Both());
    far->Close();
    PumpMessages();
    EXPECT_FALSE(h->Visible());

    Parent()->ShowMDIScrollBars = false;
    far->Show();
    PumpMessages();
    EXPECT_FALSE(h->Visible());
    EXPECT_FALSE(v->Visible());
}

TEST_F(MDIFrameTest, BothBarsMeetInTheCorner)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(-40, -40, 200, 150));
    TbsSkinScrollBar* h = Parent()->HScrollBar();
    TbsSkinScrollBar* v = Parent()->VScrollBar();
    ASSERT_TRUE(h->Visible());
    ASSERT_TRUE(v->Visible());
    EXPECT_TRUE(h->Both());
    TRect r = Parent()->MDIClientRect();
    EXPECT_EQ(v->Height(), r.Height() - h->Height());
    EXPECT_EQ(h->PageSize(), r.Width() - v->Width());
    EXPECT_EQ(h->Position(), 40);
    a->SetBounds(0, 0, 200, 150);
    EXPECT_FALSE(h->Visible());
    EXPECT_FALSE(v->Visible());

    // Too tall only, but too wide once the vertical bar takes its width.
    a->SetBounds(r.Width() - 210, 0, 200, r.Height() + 20);
    EXPECT_TRUE(v->Visible());
    EXPECT_TRUE(h->Visible());
    EXPECT_TRUE(h->Both());
    EXPECT_EQ(v->Height(), r.Height() - h->Height());
}

TEST_F(MDIFrameTest, MaximizingOneMaximizesAllAndRestoringOneRestoresAll)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    TCustomForm* b = scene_->AddChild("B", Bounds(60, 40, 200, 150));
    TCustomForm* fixed = scene_->AddChild("Fixed", Bounds(90, 70, 200, 150));
    TMDIScene::FrameOf(fixed)->SetBorderIcons({TbsBorderIcon::biSystemMenu});
    TMDIScene::FrameOf(a)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    TRect r = Parent()->MDIClientRect();
    EXPECT_TRUE(Parent()->MDIChildMaximized);
    EXPECT_EQ(TMDIScene::FrameOf(a)->FormState, wsMaximized);
    EXPECT_EQ(TMDIScene::FrameOf(b)->FormState, wsMaximized);
    EXPECT_EQ(TMDIScene::FrameOf(fixed)->FormState, wsNormal);
    EXPECT_EQ(TRect(b->BoundsRect()), Rect(0, 0, r.Width(), r.Height()));
    EXPECT_FALSE(Parent()->VScrollBar()->Visible());

    // The parent growing takes the maximized children along (1230).
    scene_->Parent->SetWidth(scene_->Parent->Width() + 40);
    EXPECT_EQ(a->Width(), Parent()->MDIClientRect().Width());

    TMDIScene::FrameOf(b)->SetFrameWindowState(wsNormal);
    PumpMessages();
    EXPECT_FALSE(Parent()->MDIChildMaximized);
    EXPECT_EQ(TMDIScene::FrameOf(a)->FormState, wsNormal);
    EXPECT_EQ(TRect(a->BoundsRect()), Bounds(10, 10, 200, 150));
    EXPECT_EQ(TRect(b->BoundsRect()), Bounds(60, 40, 200, 150));
}

TEST_F(MDIFrameTest, NewChildMaximizesWhileOthersAreAndMinimizingRestoresTheOthers)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    TMDIScene::FrameOf(a)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    EXPECT_EQ(SendMessage(scene_->Parent->Handle(), WM_SKINMDIQUERYMAXIMIZED, 0, 0), 1);
    TCustomForm* b = scene_->AddChild("B", Bounds(60, 40, 200, 150));
    EXPECT_EQ(TMDIScene::FrameOf(b)->FormState, wsMaximized);
    EXPECT_EQ(scene_->Parent->ActiveMDIChild(), b);

    TMDIScene::FrameOf(b)->SetFrameWindowState(wsMinimized);
    PumpMessages();
    EXPECT_FALSE(Parent()->MDIChildMaximized);
    EXPECT_EQ(TMDIScene::FrameOf(a)->FormState, wsNormal);
    EXPECT_EQ(TMDIScene::FrameOf(b)->FormState, wsMinimized);
    EXPECT_EQ(scene_->Parent->ActiveMDIChild(), a);
    // Minimized children line up at the client's bottom left.
    EXPECT_EQ(b->Left(), 0);
    EXPECT_EQ(b->Top() + b->Height(), Parent()->MDIClientRect().Height());
}

// A maximized child freed on closing says so on its way out: the parent is
// maximized while another child still is, and no more after the last one,
// when the scroll bars come back for the children left.
TEST_F(MDIFrameTest, FreedMaximizedChildrenLeaveTheParentRestored)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    TCustomForm* b = scene_->AddChild("B", Bounds(60, 40, 200, 150));
    TCustomForm* fixed = scene_->AddChild("Fixed", Bounds(-30, 70, 200, 150));
    TMDIScene::FrameOf(fixed)->SetBorderIcons({TbsBorderIcon::biSystemMenu});
    auto free = TCloseEvent::FromCallable([](TObject*, TCloseAction& Action) { Action = caFree; });
    a->OnClose = free;
    b->OnClose = free;
    TMDIScene::FrameOf(a)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    ASSERT_TRUE(Parent()->MDIChildMaximized);
    ASSERT_FALSE(Parent()->HScrollBar()->Visible());

    a->Close();
    PumpMessages();
    scene_->Forget(a);
    EXPECT_EQ(scene_->Parent->MDIChildCount(), 2);
    EXPECT_TRUE(Parent()->MDIChildMaximized);
    EXPECT_EQ(Parent()->MaximizedMDIChildFrame(), TMDIScene::FrameOf(b));

    b->Close();
    PumpMessages();
    scene_->Forget(b);
    EXPECT_EQ(scene_->Parent->MDIChildCount(), 1);
    EXPECT_FALSE(Parent()->MDIChildMaximized);
    EXPECT_EQ(Parent()->MaximizedMDIChildFrame(), nullptr);
    EXPECT_EQ(SendMessage(scene_->Parent->Handle(), WM_SKINMDIQUERYMAXIMIZED, 0, 0), 0);
    EXPECT_TRUE(Parent()->HScrollBar()->Visible());
    EXPECT_EQ(Parent()->HScrollBar()->Position(), 30);
}

// The parent's title names its maximized child, in the child's caption of
// the moment, and only while a child is maximized.
TEST_F(MDIFrameTest, ParentTitleNamesTheMaximizedChild)
{
    auto captionOf = [](TbsSkinForm* Frame) {
        TbsSkinCaptionObject* caption = nullptr;
        for (int i = 0; i < Frame->ObjectCount() && !caption; ++i)
            caption = dynamic_cast<TbsSkinCaptionObject*>(Frame->Objects(i));
        return caption;
    };
    TbsSkinCaptionObject* caption = captionOf(Parent());
    ASSERT_NE(caption, nullptr);
    scene_->Parent->SetCaption("Notes");
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    a->SetCaption("說門");
    EXPECT_EQ(caption->CaptionText(), "Notes");
    TMDIScene::FrameOf(a)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    EXPECT_EQ(caption->CaptionText(), "Notes - [說門]");
    a->SetCaption("中");
    EXPECT_EQ(caption->CaptionText(), "Notes - [中]");
    TMDIScene::FrameOf(a)->SetFrameWindowState(wsNormal);
    PumpMessages();
    EXPECT_EQ(caption->CaptionText(), "Notes");
    // A child's own title stays its caption.
    ASSERT_NE(captionOf(TMDIScene::FrameOf(a)), nullptr);
    EXPECT_EQ(captionOf(TMDIScene::FrameOf(a))->CaptionText(), "中");
}

// Minimized children line up along the client's bottom, a row above when
// the bottom one is full; a maximized child restoring while another is
// maximized brings every child back to normal, the minimized ones too.
TEST_F(MDIFrameTest, MinimizedChildrenFillRowsAndComeBackWhenTheMaximizedOneRestores)
{
    std::vector<TCustomForm*> children;
    for (int i = 0; i < 4; ++i) {
        children.push_back(scene_->AddChild("C" + std::to_string(i), Bounds(10 + 20 * i, 10, 200, 150)));
        TMDIScene::FrameOf(children.back())->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize});
    }
    TbsSkinForm* first = TMDIScene::FrameOf(children[0]);
    first->SetFrameWindowState(wsMinimized);
    PumpMessages();
    const int w = children[0]->Width();
    const int h = children[0]->Height();
    const TRect r = Parent()->MDIClientRect();
    const int perRow = r.Width() / w;
    ASSERT_GE(perRow, 2);
    ASSERT_LT(perRow, 4);
    for (int i = 1; i < 4; ++i) {
        TMDIScene::FrameOf(children[i])->SetFrameWindowState(wsMinimized);
        PumpMessages();
    }
    std::vector<TPoint> places;
    for (TCustomForm* child : children)
        places.push_back({child->Left(), child->Top()});
    std::vector<TPoint> expected;
    for (int i = 0; i < 4; ++i)
        expected.push_back({(i % perRow) * w, r.Height() - h * (1 + i / perRow)});
    EXPECT_EQ(places, expected);

    TCustomForm* big = scene_->AddChild("Big", Bounds(30, 30, 200, 150));
    TCustomForm* other = scene_->AddChild("Other", Bounds(50, 50, 200, 150));
    TMDIScene::FrameOf(big)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    EXPECT_EQ(TMDIScene::FrameOf(other)->FormState, wsMaximized);
    EXPECT_EQ(first->FormState, wsMinimized);
    TMDIScene::FrameOf(big)->SetFrameWindowState(wsNormal);
    PumpMessages();
    EXPECT_EQ(TMDIScene::FrameOf(other)->FormState, wsNormal);
    for (TCustomForm* child : children)
        EXPECT_EQ(TMDIScene::FrameOf(child)->FormState, wsNormal) << child->Name();
    EXPECT_EQ(TRect(children[0]->BoundsRect()), Bounds(10, 10, 200, 150));
}

class MDIWindowMenuTest : public MDIFrameTest {
protected:
    void SetUp() override
    {
        MDIFrameTest::SetUp();
        menu_ = new TMainMenu(scene_->Parent);
        window_ = new TMenuItem(menu_);
        window_->SetCaption("&Window");
        menu_->Items()->Add(window_);
        scene_->Parent->SetWindowMenu(window_);
    }

    std::vector<std::string> Items() const
    {
        std::vector<std::string> items;
        for (int i = 0; i < window_->Count(); ++i) {
            TMenuItem* item = window_->Items(i);
            items.push_back(std::string(item->Name().c_str()) + "=" + item->Caption().c_str() +
                            (item->Checked() ? "*" : ""));
        }
        return items;
    }

    TMainMenu* menu_ = nullptr;
    TMenuItem* window_ = nullptr;
};

TEST_F(MDIWindowMenuTest, ItemsFollowTheChildren)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    TCustomForm* b = scene_->AddChild("B", Bounds(60, 40, 200, 150));
    EXPECT_EQ(Items(), (std::vector<std::string>{"A_BSFCHILDITEM=A", "B_BSFCHILDITEM=B*"}));
    a->SetCaption("Letter");
    scene_->Parent->Next();
    EXPECT_EQ(Items(), (std::vector<std::string>{"A_BSFCHILDITEM=Letter*", "B_BSFCHILDITEM=B"}));
    b->Close();
    PumpMessages();
    EXPECT_EQ(Items(), (std::vector<std::string>{"A_BSFCHILDITEM=Letter*"}));
}

TEST_F(MDIWindowMenuTest, ClickRestoresAMinimizedChildAndBringsItForward)
{
    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    scene_->AddChild("B", Bounds(60, 40, 200, 150));
    TMDIScene::FrameOf(a)->SetFrameWindowState(wsMinimized);
    PumpMessages();
    window_->Items(0)->Click();
    PumpMessages();
    EXPECT_EQ(TMDIScene::FrameOf(a)->FormState, wsNormal);
    EXPECT_EQ(TRect(a->BoundsRect()), Bounds(10, 10, 200, 150));
    EXPECT_EQ(scene_->Parent->MDIChildren(0), a);
    EXPECT_EQ(scene_->Parent->ActiveMDIChild(), a);
}

TEST_F(MDIWindowMenuTest, ChildrenOfOneNameAllComeForward)
{
    // Forms of different owners may share a name.
    TCustomForm* a1 = scene_->AddChild("Doc", Bounds(10, 10, 200, 150));
    TCustomForm* a2 = scene_->AddChild("Doc", Bounds(30, 30, 200, 150));
    TCustomForm* other = scene_->AddChild("Other", Bounds(50, 50, 200, 150));
    EXPECT_EQ(scene_->Parent->MDIChildren(0), other);
    window_->Items(0)->Click();
    PumpMessages();
    EXPECT_NE(scene_->Parent->MDIChildren(2), a1);
    EXPECT_NE(scene_->Parent->MDIChildren(2), a2);
    EXPECT_EQ(scene_->Parent->MDIChildren(2), other);
}

TEST_F(MDIFrameTest, ActiveChildsMenuMergesIntoTheParentsBarUntilTheChildCloses)
{
    auto add = [](TMenu* Menu, const char* Caption, uint8_t Group) {
        auto* item = new TMenuItem(Menu);
        item->SetCaption(Caption);
        item->SetGroupIndex(Group);
        Menu->Items()->Add(item);
    };
    auto* menu = new TbsSkinMainMenu(scene_->Parent);
    add(menu, "File", 0);
    add(menu, "Window", 5);
    add(menu, "Help", 9);
    auto* bar = new TbsSkinMainMenuBar(scene_->Parent);
    bar->SetParent(scene_->Parent);
    bar->SetSkinForm(Parent());
    bar->SetMainMenu(menu);
    ASSERT_TRUE(bar->ScrollMenu());

    TCustomForm* a = scene_->AddChild("A", Bounds(10, 10, 200, 150));
    auto* childMenu = new TMainMenu(a);
    add(childMenu, "Edit", 1);
    add(childMenu, "Format", 1);
    add(childMenu, "Close", 9);
    a->SetMenu(childMenu);
    // The child shows no bar of its own.
    EXPECT_EQ(a->MenuBar(), nullptr);
    const auto captions = [bar] {
        std::vector<std::string> result;
        for (int i = 0; i < bar->ItemCount(); ++i)
            result.emplace_back(bar->Items(i)->MenuItem->Caption().c_str());
        return result;
    };
    const std::vector<std::string> merged{"File", "Edit", "Format", "Window", "Close"};
    const std::vector<std::string> alone{"File", "Window", "Help"};

    // Activating a child rebuilds the bar with its menu, or without one.
    TCustomForm* b = scene_->AddChild("B", Bounds(60, 40, 200, 150));
    PumpMessages();
    EXPECT_EQ(captions(), alone);
    a->Show();
    PumpMessages();
    ASSERT_EQ(scene_->Parent->ActiveMDIChild(), a);
    EXPECT_EQ(captions(), merged);
    EXPECT_FALSE(bar->ScrollMenu());
    b->Show();
    PumpMessages();
    EXPECT_EQ(captions(), alone);
    a->Show();
    PumpMessages();
    EXPECT_EQ(captions(), merged);

    a->Close();
    PumpMessages();
    EXPECT_EQ(captions(), alone);
    EXPECT_TRUE(bar->ScrollMenu());

    // The last child closing takes its menu along too.
    a->Show();
    PumpMessages();
    b->Close();
    PumpMessages();
    EXPECT_EQ(captions(), merged);
    a->Close();
    PumpMessages();
    EXPECT_EQ(captions(), alone);
}

// Three children over the client, then all maximized, as the window shows
// them: with the skin and with the plain frames.
TRasterImage ParentWithThreeChildren(TbsSkinData* Data, bool Maximized)
{
    TMDIScene scene(Data);
    scene.AddChild("One", Bounds(10, 10, 220, 150));
    scene.AddChild("Two", Bounds(120, 60, 220, 150));
    TCustomForm* three = scene.AddChild("Three", Bounds(230, 110, 220, 150));
    if (Maximized)
        TMDIScene::FrameOf(three)->SetFrameWindowState(wsMaximized);
    scene.Parent->Repaint();
    for (TCustomForm* child : scene.Children)
        child->Repaint();
    PumpMessages();
    return WindowImage(scene.Parent->Handle());
}

TEST_F(FrameTest, GoldenParentWithThreeChildren)
{
    ExpectGolden(ComposeImages({ComposeImages({ParentWithThreeChildren(data_.get(), false),
                                               ParentWithThreeChildren(data_.get(), true)},
                                              true),
                                ComposeImages({ParentWithThreeChildren(nullptr, false),
                                               ParentWithThreeChildren(nullptr, true)},
                                              true)},
                               false),
                 TestFolder() + "/golden/mdi_parent.png");
}

}  // namespace

// The ribbon on a multiple-document parent: a maximized child's close,
// restore and minimize buttons appear at the right of the tab strip, and
// its close button closes that child. The frame holds its ribbon beside the
// menu bar.
#include <gtest/gtest.h>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_input.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/mdi_test_support.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/support/message_pump.h"

namespace {

TEST_F(FrameTest, RibbonShowsAMaximizedChildsButtonsAndItsCloseClosesIt)
{
    TMDIScene scene(nullptr);
    auto* ribbon = new TbsRibbon(scene.Parent);
    ribbon->SetParent(scene.Parent);
    scene.ParentFrame->MDIChildButtons = ribbon;
    auto* page = new TbsRibbonPage(scene.Parent);
    page->SetCaption("說");
    ribbon->Tabs()->Add()->SetPage(page);
    TCustomForm* child = scene.AddChild("A", Bounds(10, 10, 200, 150));
    PumpMessages();
    EXPECT_EQ(ribbon->ChildButtons()->Count(), 0);

    TMDIScene::FrameOf(child)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    ASSERT_EQ(ribbon->ChildButtons()->Count(), 3);
    ribbon->Repaint();
    // From the right edge, with no quick buttons: close, restore, minimize.
    int right = ribbon->Width() - 5;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ribbon->ChildButtons()->Items(i)->Kind, i + 1);
        EXPECT_EQ(ribbon->ChildButtons()->Items(i)->ItemRect, (TRect{right - 22 * (i + 1), 1, right - 22 * i, 23}));
    }

    // The child frees itself when closed, after the click has unwound.
    child->OnClose = TCloseEvent::FromCallable([](TObject*, TCloseAction& Action) { Action = caFree; });
    TPoint close = ribbon->ClientToScreen(TPoint{right - 11, 12});
    InjectMouseMove(close);
    InjectClick(close);
    PumpMessages();
    Application->ProcessMessages();
    EXPECT_EQ(scene.Parent->MDIChildCount(), 0);
    if (scene.Parent->MDIChildCount() == 0)
        scene.Forget(child);
    ribbon->Repaint();
    EXPECT_EQ(ribbon->ChildButtons()->Count(), 0);
}

TEST_F(FrameTest, TheFramesRibbonHearsOfMaximizedChildrenBesideTheMenuBarsButtons)
{
    TMDIScene scene(nullptr);
    auto* other = new TbsRibbon(scene.Parent);  // stands for the menu bar's buttons
    auto* ribbon = new TbsRibbon(scene.Parent);
    ribbon->SetParent(scene.Parent);
    scene.ParentFrame->MDIChildButtons = other;
    scene.ParentFrame->SetSkinRibbon(ribbon);
    EXPECT_EQ(ribbon->SkinForm, scene.ParentFrame);
    TCustomForm* child = scene.AddChild("A", Bounds(10, 10, 200, 150));
    TMDIScene::FrameOf(child)->SetFrameWindowState(wsMaximized);
    PumpMessages();
    EXPECT_EQ(ribbon->ChildButtons()->Count(), 3);
    EXPECT_EQ(other->ChildButtons()->Count(), 3);
    TMDIScene::FrameOf(child)->SetFrameWindowState(wsNormal);
    PumpMessages();
    EXPECT_EQ(ribbon->ChildButtons()->Count(), 0);
    scene.ParentFrame->MDIChildButtons = nullptr;

    // A freed ribbon is forgotten.
    delete ribbon;
    EXPECT_EQ(scene.ParentFrame->SkinRibbon(), nullptr);
}

TEST_F(SkinFormTest, AltClosesTheRibbonsOpenApplicationMenu)
{
    auto* ribbon = new TbsRibbon(form_);
    ribbon->SetParent(form_);
    auto* menu = new TbsAppMenu(form_);
    menu->SetParent(form_);
    ribbon->SetAppMenu(menu);
    frame_->SetSkinRibbon(ribbon);
    ribbon->ShowAppMenu();
    PumpMessages();
    ASSERT_TRUE(menu->Visible());
    SendMessage(form_->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    PumpMessages();
    EXPECT_FALSE(menu->Visible());
    EXPECT_FALSE(frame_->MainMenuActive);
    // The frame goes first: the ribbon keeps no reference to it.
    delete frame_;
    frame_ = nullptr;
    EXPECT_EQ(ribbon->SkinForm, nullptr);
}

}  // namespace

// The ribbon on a multiple-document parent: a maximized child's close,
// restore and minimize buttons appear at the right of the tab strip, and
// its close button closes that child.
#include <gtest/gtest.h>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_input.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/mdi_test_support.h"
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

}  // namespace

// A multiple-document parent on a real X display (the suite's own Xvfb):
// the children are areas of the parent's one X window, so a click picks
// the active child and a caption drag moves a child inside the client,
// where a drag past the client's top brings the skinned scroll bar.
#include <memory>

#include "form_x11_test_support.h"
#include "platform/win/window_coords.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/mdi_test_support.h"
#include "tests/skin/form/test_frame_skin.h"

namespace {

class SkinFormMDIX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        frameSkin_.LoadInto(data_);
    }
    void TearDown() override
    {
        scene_.reset();
        TFormX11Test::TearDown();
    }

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    std::unique_ptr<TMDIScene> scene_;
};

TEST_F(SkinFormMDIX11Test, ClickActivatesAChildAndACaptionDragAboveTheClientBringsTheBar)
{
    scene_ = std::make_unique<TMDIScene>(&data_);
    ASSERT_TRUE(BecomesViewable(scene_->Parent->Handle()));
    TCustomForm* a = scene_->AddChild("A", Bounds(20, 40, 220, 150));
    TCustomForm* b = scene_->AddChild("B", Bounds(200, 120, 220, 150));
    ASSERT_EQ(scene_->Parent->ActiveMDIChild(), b);

    Click(a->ClientToScreen({20, 40}));
    EXPECT_TRUE(PumpUntil([&] { return scene_->Parent->ActiveMDIChild() == a; }));

    TPoint caption = a->ClientToScreen({60, 0});
    caption.Y -= 8;
    Drag(caption, Point(caption.X + 10, caption.Y - 70));
    EXPECT_TRUE(PumpUntil([&] { return a->Top() == -30; }));
    EXPECT_EQ(a->Left(), 30);
    TbsSkinScrollBar* v = scene_->ParentFrame->VScrollBar();
    EXPECT_TRUE(v->Visible());
    EXPECT_EQ(v->Position(), 30);
    EXPECT_TRUE(ShowsBacking(scene_->Parent->Handle()));
    SaveScreenshot("TANDRIL_MDI_SCREENSHOT");
}

}  // namespace

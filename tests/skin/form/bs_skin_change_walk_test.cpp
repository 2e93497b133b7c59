// The skin-change walks over a form's controls and skin components, and
// the skinned frame component that hands its controls a skin of its own.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/frame.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_change_walk.h"
#include "skin/form/bs_skin_frame.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/skin_change_test_controls.h"

namespace {

class SkinChangeWalk : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        other_ = std::make_unique<TbsSkinData>(nullptr);
        frameSkin_.LoadInto(*other_);
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override
    {
        form_.reset();
        other_.reset();
        FrameTest::TearDown();
    }

    template <typename T>
    T* Add(TWinControl* Parent, const std::string& Name, TbsSkinData* Data, TComponent* Owner = nullptr)
    {
        auto* control = new T(Owner ? Owner : form_.get(), Parent, Name, log_);
        control->SetSkinData(Data);
        return control;
    }

    TChangeLog Take()
    {
        TChangeLog taken;
        taken.swap(log_);
        return taken;
    }

    std::unique_ptr<TbsSkinData> other_;
    std::unique_ptr<TForm> form_;
    TChangeLog log_;
};

TEST_F(SkinChangeWalk, WindowedFirstDepthFirstOnlyThoseOfTheSkin)
{
    TbsSkinData* data = data_.get();
    // panel [graphic g1, windowed w1 [graphic g2]], graphic g3 on the
    // form, a control on another skin data, and two skin components.
    auto* panel = Add<TRecordingControl>(form_.get(), "panel", data);
    Add<TRecordingGraphic>(panel, "g1", data);
    auto* w1 = Add<TRecordingControl>(panel, "w1", data);
    Add<TRecordingGraphic>(w1, "g2", data);
    Add<TRecordingGraphic>(form_.get(), "g3", data);
    Add<TRecordingControl>(form_.get(), "foreign", other_.get());
    auto* c1 = new TRecordingComponent(form_.get(), "c1", log_);
    c1->SetSkinData(other_.get());
    new TRecordingComponent(form_.get(), "c2", log_);
    Take();

    BeforeChangeControls(data, form_.get());
    BeforeChangeSkinComponents(form_.get());
    // Window-less controls are never told before; components whatever
    // their skin data.
    EXPECT_EQ(Take(), (TChangeLog{"panel:before", "w1:before", "c1:before", "c2:before"}));

    ChangeControls(data, form_.get());
    ChangeSkinComponents(form_.get());
    // A parent's window-less children come before its windowed ones.
    EXPECT_EQ(Take(), (TChangeLog{"g3:change", "panel:change", "g1:change", "w1:change", "g2:change", "c1:change",
                                  "c2:change"}));

    // The other skin's walk reaches only its control; nil reaches all.
    ChangeControls(other_.get(), form_.get());
    EXPECT_EQ(Take(), (TChangeLog{"foreign:change"}));
    BeforeChangeControls(nullptr, form_.get());
    EXPECT_EQ(Take(), (TChangeLog{"panel:before", "w1:before", "foreign:before"}));
}

TEST_F(SkinChangeWalk, AControlOnAnotherSkinKeepsItsLook)
{
    TbsSkinData* data = data_.get();
    auto* mine = Add<TRecordingControl>(form_.get(), "mine", data);
    auto* foreign = Add<TRecordingControl>(form_.get(), "foreign", other_.get());
    ASSERT_GE(foreign->DescriptionIndex(), 0);
    BeforeChangeControls(data, form_.get());
    EXPECT_EQ(mine->DescriptionIndex(), -1);
    EXPECT_GE(foreign->DescriptionIndex(), 0);
    ChangeControls(data, form_.get());
    EXPECT_GE(mine->DescriptionIndex(), 0);
    EXPECT_TRUE(mine->FoundInCurrentSkin);
}

TEST_F(SkinChangeWalk, SkinnedEditsAreReachedAfterTheChangeOnly)
{
    // panel [edit e1], edit e2 on the form, an edit on another skin data.
    TbsSkinData* data = data_.get();
    auto* panel = Add<TRecordingControl>(form_.get(), "panel", data);
    Add<TRecordingEdit>(panel, "e1", data);
    Add<TRecordingEdit>(form_.get(), "e2", data);
    Add<TRecordingEdit>(form_.get(), "foreign", other_.get());
    Take();
    BeforeChangeControls(data, form_.get());
    EXPECT_EQ(Take(), (TChangeLog{"panel:before"}));
    ChangeControls(data, form_.get());
    EXPECT_EQ(Take(), (TChangeLog{"panel:change", "e1:change", "e2:change"}));
    ChangeControls(nullptr, form_.get());
    EXPECT_EQ(Take(), (TChangeLog{"panel:change", "e1:change", "e2:change", "foreign:change"}));
}

TEST_F(SkinChangeWalk, FramesAreReachedThroughTheirSkinnedFrame)
{
    // form [panel [frame [inner panel [tree view]]]]: the frame's own skin
    // component is told (once, whatever its skin data), and the walk goes
    // on into the frame's controls.
    TbsSkinData* data = data_.get();
    auto* panel = Add<TRecordingControl>(form_.get(), "panel", data);
    auto* frame = new TFrame(form_.get());
    frame->SetBoundsRect(TRect{0, 0, 200, 150});
    frame->SetParent(panel);
    auto* skinFrame = new TbsSkinFrame(frame);
    auto* inner = Add<TRecordingControl>(frame, "inner", data, frame);
    Add<TRecordingTreeView>(inner, "tree", data, frame);
    Take();
    ChangeControls(data, form_.get());
    EXPECT_EQ(Take(), (TChangeLog{"panel:change", "inner:change", "tree:change"}));
    EXPECT_EQ(skinFrame->Frame(), frame);
}

}  // namespace

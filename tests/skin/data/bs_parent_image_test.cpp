#include "skin/data/bs_parent_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/gdi/mapping.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/graphic_control.h"
#include "platform/win/clock.h"
#include "tests/skin/data/skin_pictures.h"

namespace {

// A panel erased in its colour that paints a red block at (20, 10, 60, 40).
class TPatternPanel : public TCustomControl {
public:
    TPatternPanel(TComponent* Owner, TWinControl* Parent, TRect Bounds) : TCustomControl(Owner)
    {
        SetBoundsRect(Bounds);
        SetColor(clBlue);
        SetParent(Parent);
    }
    bool SawPaintCopy = false;

protected:
    void Paint() override
    {
        SawPaintCopy = ControlState().Contains(csPaintCopy);
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(TRect{20, 10, 60, 40});
    }
};

// A window-less control filling itself with one colour.
class TBlock : public TGraphicControl {
public:
    TBlock(TComponent* Owner, TWinControl* Parent, TRect Bounds, TColor AFill) : TGraphicControl(Owner), Fill(AFill)
    {
        SetBoundsRect(Bounds);
        SetParent(Parent);
    }
    TColor Fill;
    bool SawPaintCopy = false;

protected:
    void Paint() override
    {
        SawPaintCopy = ControlState().Contains(csPaintCopy);
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(TRect{0, 0, Width(), Height()});
    }
};

class BsParentImage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        SetManualClock(true);
        form_ = std::make_unique<TCustomForm>(nullptr);
        form_->SetColor(clLime);
        form_->OnPaint = TNotifyEvent::FromCallable([this](TObject*) {
            form_->Canvas()->Brush()->SetColor(clBlack);
            form_->Canvas()->FillRect(TRect{0, 0, 1000, 1000});
        });
        form_->Show();
    }
    void TearDown() override
    {
        form_.reset();
        FreeDeviceContexts();
        SetManualClock(false);
    }

    std::unique_ptr<TCustomForm> form_;
};

// Pixels as the bitmap holds them: 0xRRGGBB.
constexpr uint32_t White = 0xFFFFFF, Blue = 0x0000FF, Red = 0xFF0000, Yellow = 0xFFFF00, Lime = 0x00FF00;

TEST_F(BsParentImage, ParentBackgroundAndTheSiblingsBelowShowThrough)
{
    auto* panel = new TPatternPanel(form_.get(), form_.get(), Bounds(10, 10, 200, 100));
    auto* below = new TBlock(form_.get(), panel, Bounds(40, 20, 30, 30), clYellow);
    auto* hidden = new TBlock(form_.get(), panel, Bounds(15, 5, 40, 30), clGreen);
    hidden->SetVisible(false);
    auto* control = new TBlock(form_.get(), panel, Bounds(15, 5, 40, 30), clNone);
    auto* above = new TBlock(form_.get(), panel, Bounds(15, 5, 10, 10), clBlack);

    // The control's top-left is the panel's (15, 5): blue, the red block
    // from (5, 5), the yellow sibling from (25, 15); neither the hidden
    // sibling nor the one above the control shows.
    auto image = NewPicture(40, 30);
    GetParentImage(control, image->Canvas());
    EXPECT_EQ(ColorAt(*image, 4, 4), Blue);
    EXPECT_EQ(ColorAt(*image, 5, 5), Red);
    EXPECT_EQ(ColorAt(*image, 24, 14), Red);
    EXPECT_EQ(ColorAt(*image, 25, 15), Yellow);
    EXPECT_TRUE(panel->SawPaintCopy && below->SawPaintCopy);
    EXPECT_FALSE(panel->ControlState().Contains(csPaintCopy) || below->ControlState().Contains(csPaintCopy));
    EXPECT_FALSE(above->SawPaintCopy || hidden->SawPaintCopy);

    // A part of the control: its (-20, -10) at the canvas's origin, which is
    // outside the panel and left alone.
    auto part = NewPicture(30, 30);
    GetParentImageRect(control, TRect{-20, -10, 10, 20}, part->Canvas());
    EXPECT_EQ(ColorAt(*part, 4, 4), White);
    EXPECT_EQ(ColorAt(*part, 5, 5), Blue);
    EXPECT_EQ(ColorAt(*part, 25, 15), Red);

    // A canvas that is already offset keeps its offset.
    auto shifted = NewPicture(50, 40);
    OffsetViewportOrgEx(shifted->Canvas()->Handle(), 10, 10, nullptr);
    GetParentImage(control, shifted->Canvas());
    EXPECT_EQ(ColorAt(*shifted, 14, 14), Blue);
    EXPECT_EQ(ColorAt(*shifted, 15, 15), Red);
}

TEST_F(BsParentImage, AFormOnlyErasesAndAControlWithoutParentDrawsNothing)
{
    auto* control = new TBlock(form_.get(), form_.get(), Bounds(5, 5, 20, 20), clNone);
    auto image = NewPicture(20, 20);
    GetParentImage(control, image->Canvas());
    EXPECT_EQ(ColorAt(*image, 10, 10), Lime);

    control->SetParent(nullptr);
    auto blank = NewPicture(20, 20);
    GetParentImage(control, blank->Canvas());
    GetParentImage(nullptr, blank->Canvas());
    EXPECT_EQ(ColorAt(*blank, 10, 10), White);
}

}  // namespace

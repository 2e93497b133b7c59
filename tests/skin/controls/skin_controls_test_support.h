// A fixture for the skinned controls: the headless back end and the
// hand-driven clock, a shown form to put controls on, and the test skin
// loaded into a skin data component.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_adjusting_parent.h"
#include "skin/data/bs_skin_data.h"
#include "tests/skin/controls/test_skin.h"

// A parent lining its skinned children up as the skinned tool bar does,
// within Adjusted while Adjust is set.
class TTestAdjustingParent : public TCustomControl, public IbsAdjustingParent {
public:
    TTestAdjustingParent(TWinControl* Parent, TRect Bounds, TRect AAdjusted);
    bool Adjust = true;
    TRect Adjusted;
    bool AdjustControls() const override { return Adjust; }
    TRect AdjustedClientRect() override { return Adjusted; }
};

class SkinControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Paints whatever waits to be painted and answers the pixel at (X, Y)
    // of Control's client area as the screen shows it.
    TColor PixelOf(TControl* Control, int X, int Y);
    // The test skin's piece shown at (X, Y) of Control; "" for none.
    std::string PieceAt(TControl* Control, int X, int Y);

    std::unique_ptr<TCustomForm> form_;
    std::unique_ptr<TbsSkinData> data_;
    TTestSkin skin_;
};

// A fixture for the skinned frame: the headless back end, the hand-driven
// clock and the test skin with its frame part loaded into a skin data
// component.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_frame_layout.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/form/test_frame_skin.h"

class FrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    std::unique_ptr<TbsSkinData> data_;
};

// The placement entries of the skin's object descriptions, in list order.
std::vector<TbsPlacedObject> SkinObjects(const TbsSkinData& Data);

// A fixture for the skinned frame: the headless back end, the hand-driven
// clock and the test skin with its frame part loaded into a skin data
// component.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
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

class TCustomForm;
class TbsSkinForm;
class TbsActiveSkinObject;

// A shown, active 300 x 200 form at (100, 80) with a frame component on
// the test skin. The form is freed by the fixture unless a test lets it go.
class SkinFormTest : public FrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The object of the frame named IDName; fails the test when missing.
    TbsActiveSkinObject* Object(const std::string& IDName);
    // A point of the window on the screen.
    TPoint ScreenPoint(int X, int Y);
    // The hand-driven clock moved by Milliseconds, then the timers' messages.
    void Tick(unsigned Milliseconds);

    TCustomForm* form_ = nullptr;
    TbsSkinForm* frame_ = nullptr;
};

// The placement entries of the skin's object descriptions, in list order.
std::vector<TbsPlacedObject> SkinObjects(const TbsSkinData& Data);

// A fixture for the skinned frame: the headless back end, the hand-driven
// clock and the test skin with its frame part loaded into a skin data
// component.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/raster_image.h"
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

// Form's whole window painted by its frame into a memory picture, which
// draws the same on any back end, over lime; Answer, when given, gets the
// frame's answer to the request.
TRasterImage FramePaintedIntoMemory(TCustomForm* Form, LRESULT* Answer = nullptr);
// Pixels of the frame (outside Client, inside the test skin's mask when
// Masked) that differ between A and B, which are of one size.
int FrameDifferences(const TRasterImage& A, const TRasterImage& B, const TRect& Client, bool Masked);

// Area of the headless screen as it is composed now.
TRasterImage ScreenArea(const TRect& Area);

// The placement entries of the skin's object descriptions, in list order.
std::vector<TbsPlacedObject> SkinObjects(const TbsSkinData& Data);

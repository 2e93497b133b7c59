// Skinned bevels and splitters on the test skin and without one: the
// bevel's colours, shapes and divider, its skin data going away, its
// centring in a parent that lines controls up; the splitter's skinned bar
// and gripper, its thickness by skin, default size and transparency, and a
// drag that resizes its neighbour.
#include <gtest/gtest.h>

#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/headless_input.h"
#include "skin/controls/bs_skin_bevel.h"
#include "skin/controls/bs_skin_splitter.h"
#include "tests/platform/ui/control_test_support.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_expanel.h"
#include "tests/support/message_pump.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_bevel_splitter_test {

using namespace test_skin_expanel;

class BsSkinBevelSplitter : public SkinControlsTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        SkinControlsTest::SetUp();
    }

    TbsSkinBevel* AddBevel(TBevelShape Shape, TRect Bounds)
    {
        auto* bevel = new TbsSkinBevel(form_.get());
        bevel->SetParent(form_.get());
        bevel->SetShape(Shape);
        bevel->SetBoundsRect(Bounds);
        return bevel;
    }

    // A probe aligned to Align beside a splitter of the same alignment.
    TbsSkinSplitter* AddSplitter(TAlign Align)
    {
        neighbour_ = new TProbe(form_.get(), form_.get(), TRect{0, 0, 100, 100});
        neighbour_->SetAlign(Align);
        auto* splitter = new TbsSkinSplitter(form_.get());
        splitter->SetAlign(Align);
        if (Align == alTop)
            splitter->SetSkinDataName("hsplitter");
        splitter->SetBounds(200, 200, 5, 5);
        splitter->SetParent(form_.get());
        return splitter;
    }

    TProbe* neighbour_ = nullptr;
};

TEST_F(BsSkinBevelSplitter, BevelLinesTakeTheSkinsColoursAndTheSystemsWithout)
{
    TbsSkinBevel* line = AddBevel(bsTopLine, TRect{10, 10, 50, 20});
    TbsSkinBevel* box = AddBevel(bsBox, TRect{60, 10, 80, 30});
    box->SetStyle(bsRaised);
    // Lowered: the dark line first.
    EXPECT_EQ(PixelOf(line, 5, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(line, 5, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(box, 0, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelOf(box, 19, 5), ColorToRGB(clBtnShadow));

    line->SetSkinData(data_.get());
    box->SetSkinData(data_.get());
    EXPECT_EQ(PixelOf(line, 5, 0), kBevelDark);
    EXPECT_EQ(PixelOf(line, 5, 1), kBevelLight);
    EXPECT_EQ(PixelOf(box, 0, 5), kBevelLight);
    EXPECT_EQ(PixelOf(box, 5, 0), kBevelLight);
    EXPECT_EQ(PixelOf(box, 19, 5), kBevelDark);
    EXPECT_EQ(PixelOf(box, 5, 19), kBevelDark);

    // A new name counts from the next skin change only.
    line->SetSkinDataName("nosuchbevel");
    line->Invalidate();
    EXPECT_EQ(PixelOf(line, 5, 0), kBevelDark);
    line->ChangeSkinData();
    EXPECT_EQ(PixelOf(line, 5, 0), ColorToRGB(clBtnShadow));
}

TEST_F(BsSkinBevelSplitter, ATenPixelDividerDrawsRowsFourAndFive)
{
    TbsSkinBevel* divider = AddBevel(bsTopLine, TRect{10, 10, 50, 20});
    divider->SetDividerMode(true);
    divider->SetSkinData(data_.get());
    EXPECT_EQ(PixelOf(divider, 10, 3), TColor(clLime));
    EXPECT_EQ(PixelOf(divider, 10, 4), kBevelDark);
    EXPECT_EQ(PixelOf(divider, 10, 5), kBevelLight);
    EXPECT_EQ(PixelOf(divider, 10, 6), TColor(clLime));
    EXPECT_EQ(PixelOf(divider, 0, 4), TColor(clLime));  // 2 pixels short of each end

    // A box divides vertically, through columns Width div 2 - 1 and Width div 2.
    TbsSkinBevel* upright = AddBevel(bsBox, TRect{60, 10, 70, 40});
    upright->SetDividerMode(true);
    upright->SetSkinData(data_.get());
    EXPECT_EQ(PixelOf(upright, 4, 15), kBevelDark);
    EXPECT_EQ(PixelOf(upright, 5, 15), kBevelLight);
    EXPECT_EQ(PixelOf(upright, 6, 15), TColor(clLime));
}

TEST_F(BsSkinBevelSplitter, ABevelForgetsItsSkinDataWhenItIsFreedAndCentresInAnAdjustingParent)
{
    TbsSkinBevel* bevel = AddBevel(bsTopLine, TRect{10, 10, 50, 20});
    bevel->SetSkinData(data_.get());
    data_.reset();
    EXPECT_EQ(bevel->SkinData(), nullptr);
    bevel->ChangeSkinData();
    EXPECT_EQ(PixelOf(bevel, 5, 0), ColorToRGB(clBtnShadow));

    auto* bar = new TTestAdjustingParent(form_.get(), TRect{0, 100, 200, 140}, TRect{0, 4, 200, 36});
    auto* centred = new TbsSkinBevel(form_.get());
    centred->SetParent(bar);
    centred->SetBounds(5, 0, 2, 10);
    EXPECT_EQ(centred->Top(), 15);
}

TEST_F(BsSkinBevelSplitter, ASkinnedSplitterShowsItsBarAndGripperAtTheSkinsThickness)
{
    TbsSkinSplitter* vertical = AddSplitter(alLeft);
    vertical->SetSkinData(data_.get());
    EXPECT_EQ(vertical->Width(), kSplitter);
    EXPECT_EQ(vertical->Left(), 100);
    int h = vertical->Height();
    EXPECT_EQ(PieceAt(vertical, 4, 1), "vsplitter.normal.t");
    EXPECT_EQ(PieceAt(vertical, 4, 20), "vsplitter.normal.m");
    EXPECT_EQ(PieceAt(vertical, 4, h - 1), "vsplitter.normal.b");
    EXPECT_EQ(PieceAt(vertical, 3, h / 2), "vsplitter.gripper.face");
    EXPECT_EQ(PieceAt(vertical, 1, h / 2), "vsplitter.normal.m");

    TbsSkinSplitter* horizontal = AddSplitter(alTop);
    horizontal->SetSkinData(data_.get());
    EXPECT_EQ(horizontal->Height(), kSplitter);
    EXPECT_EQ(PieceAt(horizontal, 40, 4), "hsplitter.normal.m");
    EXPECT_EQ(PieceAt(horizontal, horizontal->Width() / 2, 3), "hsplitter.gripper.face");

    // No skin data: the default size and the platform look.
    vertical->SetSkinData(nullptr);
    EXPECT_EQ(vertical->Width(), 10);
    EXPECT_EQ(PieceAt(vertical, 4, 20), "");
}

TEST_F(BsSkinBevelSplitter, ATransparentSplitterPaintsNothingAndKeepsItsDefaultSize)
{
    TbsSkinSplitter* splitter = AddSplitter(alLeft);
    splitter->SetTransparent(true);
    splitter->SetDefaultSize(6);
    splitter->SetSkinData(data_.get());
    EXPECT_EQ(splitter->Width(), 6);
    EXPECT_EQ(PixelOf(splitter, 3, 20), TColor(clLime));
    EXPECT_FALSE(splitter->ControlStyle().Contains(csOpaque));

    // Freed skin data is forgotten.
    splitter->SetTransparent(false);
    data_.reset();
    EXPECT_EQ(splitter->SkinData(), nullptr);
    splitter->Invalidate();
    EXPECT_EQ(PieceAt(splitter, 3, 20), "");
}

TEST_F(BsSkinBevelSplitter, DraggingASkinnedSplitterResizesItsNeighbour)
{
    TbsSkinSplitter* splitter = AddSplitter(alLeft);
    splitter->SetSkinData(data_.get());
    TPoint from = splitter->ClientToScreen(Point(4, 50));
    InjectMouseDown(from);
    InjectMouseMove(Point(from.X + 30, from.Y));
    InjectMouseUp(Point(from.X + 30, from.Y));
    PumpMessages();
    EXPECT_EQ(neighbour_->Width(), 130);
    EXPECT_EQ(splitter->Left(), 130);
    EXPECT_EQ(PieceAt(splitter, 4, 20), "vsplitter.normal.m");
}

}  // namespace bs_skin_bevel_splitter_test

// The window-less skinned control base on the test skin: sizes, painting
// from the skin and in the plain look, and the skin data going away.
#include "skin/controls/bs_graphic_skin_control.h"

#include <gtest/gtest.h>

#include "tests/skin/controls/skin_controls_test_support.h"

namespace {

class TTestGraphic : public TbsGraphicSkinCustomControl {
public:
    TTestGraphic(TWinControl* Parent, const std::string& Name, TRect Bounds) : TbsGraphicSkinCustomControl(Parent)
    {
        SetSkinDataName(Name);
        SetParent(Parent);
        SetBoundsRect(Bounds);
    }
    int LookUps = 0;
    void GetSkinData() override
    {
        ++LookUps;
        TbsGraphicSkinCustomControl::GetSkinData();
    }
};

class BsGraphicSkinControl : public SkinControlsTest {
protected:
    TTestGraphic* Add(const std::string& Name, TRect Bounds, TWinControl* Parent = nullptr)
    {
        auto* control = new TTestGraphic(Parent ? Parent : form_.get(), Name, Bounds);
        control->SetSkinData(data_.get());
        return control;
    }
};

TEST_F(BsGraphicSkinControl, SizesFollowTheResizeMode)
{
    TTestGraphic* tool = Add("toolbutton", TRect{10, 10, 110, 60});
    EXPECT_EQ((TRect{10, 10, 33, 32}), tool->BoundsRect());
    tool->SetBounds(12, 10, 5, 5);
    EXPECT_EQ((TRect{12, 10, 35, 32}), tool->BoundsRect());
    EXPECT_EQ("toolbutton.normal.face", PieceAt(tool, 0, 0));
    EXPECT_EQ("toolbutton.normal.face", PieceAt(tool, 22, 21));

    // Only the left and right parts kept: any height becomes SkinRect's.
    TTestGraphic* bar = Add("hscrollbar", TRect{10, 40, 130, 90});
    EXPECT_EQ((TRect{10, 40, 130, 56}), bar->BoundsRect());
    EXPECT_EQ("hscrollbar.normal.upbutton", PieceAt(bar, 3, 8));
    EXPECT_EQ("hscrollbar.normal.track", PieceAt(bar, 60, 8));
    EXPECT_EQ("hscrollbar.normal.downbutton", PieceAt(bar, 118, 8));

    TTestGraphic* button = Add("resizebutton", TRect{150, 10, 230, 50});
    EXPECT_EQ((TRect{150, 10, 230, 50}), button->BoundsRect());
    EXPECT_EQ("resizebutton.normal.lt", PieceAt(button, 0, 0));
    EXPECT_EQ("resizebutton.normal.client", PieceAt(button, 40, 20));
    EXPECT_EQ("resizebutton.normal.rb", PieceAt(button, 79, 39));
}

TEST_F(BsGraphicSkinControl, ThePlainLookTakesTheDefaultSize)
{
    TTestGraphic* button = Add("nosuchbutton", TRect{10, 10, 50, 30});
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(button, 5, 5));
    button->SetDefaultWidth(0);
    EXPECT_EQ(40, button->Width());
    button->SetDefaultWidth(30);
    EXPECT_EQ(30, button->Width());
    button->SetDefaultHeight(12);
    EXPECT_EQ(12, button->Height());

    TTestGraphic* skinned = Add("toolbutton", TRect{60, 10, 100, 30});
    skinned->SetDefaultWidth(50);
    EXPECT_EQ(23, skinned->Width());
    EXPECT_EQ(50, skinned->DefaultWidth());
}

TEST_F(BsGraphicSkinControl, AControlOfNoSizePaintsNothing)
{
    TTestGraphic* button = Add("toolbutton", TRect{10, 10, 33, 32});
    TTestGraphic* empty = Add("nosuchbutton", TRect{50, 10, 50, 30});
    PixelOf(button, 1, 1);
    int lookUps = empty->LookUps;
    empty->Repaint();
    PixelOf(button, 1, 1);
    EXPECT_EQ(lookUps, empty->LookUps);
    EXPECT_EQ(clLime, PixelOf(form_.get(), 50, 20));
}

TEST_F(BsGraphicSkinControl, TheSkinDataGoingLeavesThePlainLook)
{
    TTestGraphic* button = Add("resizebutton", TRect{10, 10, 60, 40});
    EXPECT_EQ("resizebutton.normal.client", PieceAt(button, 25, 15));
    data_.reset();
    EXPECT_EQ(nullptr, button->SkinData());
    button->Repaint();
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(button, 25, 15));
}

TEST_F(BsGraphicSkinControl, AnAdjustingParentCentresItsChildrenVertically)
{
    auto* bar = new TTestAdjustingParent(form_.get(), TRect{0, 100, 300, 140}, TRect{0, 2, 300, 40});
    TTestGraphic* tool = Add("toolbutton", TRect{4, 0, 27, 22}, bar);
    // 2 + 38 div 2 - 22 div 2.
    EXPECT_EQ(10, tool->Top());
    tool->SetBounds(30, 0, 80, 80);
    EXPECT_EQ((TRect{30, 10, 53, 32}), tool->BoundsRect());
}

}  // namespace

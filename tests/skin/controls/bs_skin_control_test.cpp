// The windowed skinned control base on the test skin: size rules, region,
// painting from the skin and in the plain look, and skin changes.
#include "skin/controls/bs_skin_control.h"

#include <gtest/gtest.h>

#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "skin/data/bs_skin_data_messages.h"
#include "tests/skin/controls/skin_controls_test_support.h"

namespace {

class TTestControl : public TbsSkinCustomControl {
public:
    TTestControl(TWinControl* Parent, const std::string& Name, TRect Bounds) : TbsSkinCustomControl(Parent)
    {
        SetSkinDataName(Name);
        SetBoundsRect(Bounds);
        SetParent(Parent);
    }
    int Paints = 0;
    bool PaintedInPaintMessage = false;
    HRGN WindowRegion() const { return Region; }

protected:
    void PaintSkinImage(TBitmap* Bitmap) override
    {
        ++Paints;
        PaintedInPaintMessage = InPaintMessage();
        TbsSkinCustomControl::PaintSkinImage(Bitmap);
    }
};

// Counts the parent-image notes it hears.
class TListeningChild : public TCustomControl {
public:
    explicit TListeningChild(TWinControl* Parent) : TCustomControl(Parent)
    {
        SetBoundsRect(TRect{10, 6, 20, 12});
        SetParent(Parent);
    }
    int Notes = 0;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_PARENTIMAGECHANGED)
            ++Notes;
        TCustomControl::Dispatch(Message);
    }
};

class BsSkinControl : public SkinControlsTest {
protected:
    TTestControl* Add(const std::string& Name, TRect Bounds)
    {
        auto* control = new TTestControl(form_.get(), Name, Bounds);
        control->SetSkinData(data_.get());
        return control;
    }
    void Reload()
    {
        skin_.LoadInto(*data_);
        for (int i = 0; i < form_->ControlCount(); ++i)
            if (auto* control = dynamic_cast<TbsSkinControl*>(form_->Controls(i)))
                control->ChangeSkinData();
    }
};

TEST_F(BsSkinControl, ANinePartButtonShowsEachPieceCutByItsMask)
{
    TTestControl* button = Add("button", TRect{10, 10, 70, 50});
    EXPECT_EQ(60, button->Width());
    EXPECT_EQ(rmNinePart, button->ResizeMode);
    EXPECT_EQ("button.normal.lt", PieceAt(button, 2, 1));
    EXPECT_EQ("button.normal.t", PieceAt(button, 30, 1));
    EXPECT_EQ("button.normal.rt", PieceAt(button, 58, 1));
    EXPECT_EQ("button.normal.l", PieceAt(button, 1, 20));
    EXPECT_EQ("button.normal.client", PieceAt(button, 30, 20));
    EXPECT_EQ("button.normal.r", PieceAt(button, 58, 20));
    EXPECT_EQ("button.normal.lb", PieceAt(button, 1, 38));
    EXPECT_EQ("button.normal.b", PieceAt(button, 30, 38));
    EXPECT_EQ("button.normal.rb", PieceAt(button, 59, 39));
    // The mask's cut corner shows the form.
    EXPECT_EQ(clLime, PixelOf(button, 0, 0));
    EXPECT_EQ(clLime, PixelOf(button, 1, 1));
}

TEST_F(BsSkinControl, TheResizeModeDecidesWhichSizeACallerGets)
{
    struct TCase {
        const char* Name;
        int Mode;
        int Width, Height;
    } cases[] = {
        {"button", rmNinePart, 100, 50},
        {"hscrollbar", rmHorizontal, 100, 16},
        {"vscrollbar", rmVertical, 16, 50},
        {"toolbutton", rmFixed, 23, 22},
        {"hupdown", rmFixed, 32, 16},
    };
    for (const TCase& c : cases) {
        TTestControl* control = Add(c.Name, TRect{0, 0, 40, 30});
        control->SetBounds(5, 5, 100, 50);
        EXPECT_EQ(c.Mode, control->ResizeMode) << c.Name;
        EXPECT_EQ(c.Width, control->Width()) << c.Name;
        EXPECT_EQ(c.Height, control->Height()) << c.Name;
        control->SetBounds(5, 5, 7, 9);
        if (c.Mode == rmFixed) {
            EXPECT_EQ((TRect{5, 5, 5 + c.Width, 5 + c.Height}), control->BoundsRect()) << c.Name;
        }
    }

    // Mode 1 needs both coordinates of the right-bottom point.
    skin_.Set("resizebutton", "rightbottompoint", "5,0");
    skin_.Set("resizebutton", "righttoppoint", "7,0");
    TTestControl* control = Add("resizebutton", TRect{0, 0, 40, 30});
    Reload();
    EXPECT_EQ(rmHorizontal, control->ResizeMode);
    EXPECT_EQ(20, control->Height());
}

TEST_F(BsSkinControl, AnUnchangedSizeKeepsRegionAndImageButTellsChildrenOfAStretchedImage)
{
    skin_.Set("button", "stretcheffect", "1");
    skin_.LoadInto(*data_);
    TTestControl* button = Add("button", TRect{10, 10, 70, 50});
    auto* child = new TListeningChild(button);
    PixelOf(button, 30, 20);
    HRGN region = button->WindowRegion();
    ASSERT_NE(nullptr, region);
    int paints = button->Paints;
    int notes = child->Notes;

    button->SetBounds(10, 10, 60, 40);
    PixelOf(button, 30, 20);
    EXPECT_EQ(region, button->WindowRegion());
    EXPECT_EQ(paints, button->Paints);
    EXPECT_EQ(notes + 1, child->Notes);

    button->SetBounds(10, 10, 80, 40);
    PixelOf(button, 30, 20);
    EXPECT_NE(region, button->WindowRegion());
    EXPECT_GT(button->Paints, paints);
    EXPECT_GT(child->Notes, notes + 1);

    // Without the stretch effect the children hear nothing.
    skin_.Set("button", "stretcheffect", "0");
    Reload();
    notes = child->Notes;
    button->SetBounds(10, 10, 80, 40);
    EXPECT_EQ(notes, child->Notes);
}

TEST_F(BsSkinControl, FromSkinToNoneAndBack)
{
    TTestControl* button = Add("button", TRect{10, 10, 70, 50});
    button->SetDefaultWidth(44);
    button->SetDefaultHeight(26);
    EXPECT_EQ(60, button->Width());  // a description in use keeps the size
    EXPECT_EQ("button.normal.client", PieceAt(button, 30, 20));

    button->SetSkinData(nullptr);
    button->Repaint();
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(button, 30, 20));
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(button, 3, 3));
    EXPECT_EQ(clLime, PixelOf(button, 1, 1)) << "the region stays until the skin changes";
    button->ChangeSkinData();
    EXPECT_EQ((TRect{10, 10, 54, 36}), button->BoundsRect());
    EXPECT_EQ(clLime, PixelOf(button, 50, 30));
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(button, 0, 0)) << "the region went with the skin";

    button->SetSkinData(data_.get());
    EXPECT_EQ((TRect{10, 10, 54, 36}), button->BoundsRect());
    EXPECT_EQ("button.normal.client", PieceAt(button, 22, 13));
    EXPECT_EQ(clLime, PixelOf(button, 0, 0));

    // A skin without the description is the plain look too.
    skin_.Set("SKINCONTROLS", "0", "nobutton:button");
    Reload();
    EXPECT_EQ(-1, button->DescriptionIndex());
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(button, 22, 13));
    EXPECT_EQ((TRect{10, 10, 54, 36}), button->BoundsRect());
}

// A form whose skin-change walk reaches only its first control, and notes
// what the second one held meanwhile.
class TWalkForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    TbsSkinControl* Reached = nullptr;
    TbsSkinControl* NotReached = nullptr;
    int ReachedIndex = -2;
    int NotReachedIndex = -2;
    bool Loading = false;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_SKINDATA_CHANGED && Reached) {
            Reached->ChangeSkinData();
            ReachedIndex = Reached->DescriptionIndex();
            NotReachedIndex = NotReached->DescriptionIndex();
            Loading = reinterpret_cast<TbsSkinData*>(Message.WParam)->SkinLoading;
        }
        TCustomForm::Dispatch(Message);
    }
};

TEST_F(BsSkinControl, AnIndexFoundUnderAnEarlierSkinCountsAsNone)
{
    auto* walk = new TWalkForm(form_.get());
    auto* first = new TTestControl(form_.get(), "button", TRect{0, 0, 30, 20});
    auto* second = new TTestControl(form_.get(), "button", TRect{40, 0, 70, 20});
    first->SetSkinData(data_.get());
    second->SetSkinData(data_.get());
    ASSERT_EQ(0, second->DescriptionIndex());
    walk->Reached = first;
    walk->NotReached = second;

    // The next skin lists "resizebutton" first.
    skin_.Set("SKINCONTROLS", "0", "resizebutton:button");
    skin_.Set("SKINCONTROLS", "1", "button:button");
    skin_.LoadInto(*data_);
    EXPECT_TRUE(walk->Loading);
    EXPECT_EQ(1, walk->ReachedIndex);
    EXPECT_EQ(-1, walk->NotReachedIndex);
    EXPECT_EQ(-1, second->DescriptionIndex());
    second->GetSkinData();
    EXPECT_EQ(1, second->DescriptionIndex());
    second->BeforeChangeSkinData();
    EXPECT_EQ(-1, second->DescriptionIndex());
}

TEST_F(BsSkinControl, ADescriptionWithoutAPictureOfItsOwnDrawsNothingFromTheSkin)
{
    skin_.Set("SKINCONTROLS", "0", "button:bevel");
    skin_.Set("toolbutton", "pictureindex", "9");
    skin_.LoadInto(*data_);
    TTestControl* bevel = Add("button", TRect{10, 10, 70, 50});
    TTestControl* tool = Add("toolbutton", TRect{80, 10, 120, 50});
    ASSERT_NE(-1, bevel->DescriptionIndex());
    ASSERT_NE(-1, tool->DescriptionIndex());
    EXPECT_EQ(nullptr, bevel->Picture);
    EXPECT_EQ(nullptr, tool->Picture);
    for (TControl* control : {static_cast<TControl*>(bevel), static_cast<TControl*>(tool)})
        for (TPoint p : {TPoint{1, 1}, TPoint{10, 10}, TPoint{20, 20}})
            EXPECT_EQ("", PieceAt(control, p.X, p.Y));
    EXPECT_GT(tool->Paints, 0);
}

TEST_F(BsSkinControl, TheFrameInStripsTilesTheClientPartAndSkipsOneOfNoSize)
{
    TTestControl* panel = Add("resizebutton", TRect{10, 10, 110, 70});
    panel->DrawFrameStrips = true;
    panel->Repaint();
    EXPECT_EQ("resizebutton.normal.lt", PieceAt(panel, 1, 1));
    EXPECT_EQ("resizebutton.normal.t", PieceAt(panel, 50, 1));
    EXPECT_EQ("resizebutton.normal.rb", PieceAt(panel, 98, 58));
    EXPECT_EQ("resizebutton.normal.r", PieceAt(panel, 98, 30));
    EXPECT_EQ("resizebutton.normal.client", PieceAt(panel, 50, 30));
    EXPECT_EQ("resizebutton.normal.client", PieceAt(panel, 95, 55));

    skin_.Set("resizebutton", "clientrect", "4,4,4,16");
    Reload();
    panel->Repaint();
    EXPECT_EQ("resizebutton.normal.lt", PieceAt(panel, 1, 1));
    EXPECT_EQ("resizebutton.normal.rb", PieceAt(panel, 98, 58));
}

TEST_F(BsSkinControl, TheHintImageListIsForgottenWhenItGoes)
{
    TTestControl* button = Add("button", TRect{10, 10, 70, 50});
    auto* list = new TImageList(nullptr);
    button->SetHintImageList(list);
    EXPECT_EQ(list, button->HintImageList());
    delete list;
    EXPECT_EQ(nullptr, button->HintImageList());

    data_.reset();
    EXPECT_EQ(nullptr, button->SkinData());
    button->Repaint();
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelOf(button, 30, 20));
}

TEST_F(BsSkinControl, AnAdjustingParentCentresItsChildrenVertically)
{
    auto* bar = new TTestAdjustingParent(form_.get(), TRect{0, 100, 300, 140}, TRect{0, 5, 300, 38});
    auto* button = new TTestControl(bar, "hscrollbar", TRect{4, 0, 64, 16});
    button->SetTop(0);
    // Client 5..38: 5 + 33 div 2 - 16 div 2.
    EXPECT_EQ(13, button->Top());
    button->SetSkinData(data_.get());
    button->SetBounds(8, 30, 70, 50);
    EXPECT_EQ((TRect{8, 13, 78, 29}), button->BoundsRect());
    bar->Adjust = false;
    button->SetTop(2);
    EXPECT_EQ(2, button->Top());
}

TEST_F(BsSkinControl, MouseEnterAndLeaveAndThePaintFlag)
{
    TTestControl* button = Add("button", TRect{10, 10, 70, 50});
    std::vector<std::string> log;
    button->OnMouseEnter = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("enter"); });
    button->OnMouseLeave = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("leave"); });
    button->Perform(CM_MOUSEENTER, 0, 0);
    button->Perform(CM_MOUSELEAVE, 0, 0);
    button->SetDesigning(true);
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"enter", "leave"}), log);

    PixelOf(button, 1, 1);
    EXPECT_TRUE(button->PaintedInPaintMessage);
    EXPECT_FALSE(button->InPaintMessage());
    int paints = button->Paints;
    EXPECT_EQ(1, button->Perform(WM_ERASEBKGND, 0, 0));
    EXPECT_EQ(paints, button->Paints);
}

}  // namespace

// The layered border around a skinned form: where its four windows go,
// what they show, which zone a point is in, and dragging them to size and
// move the form, on the headless screen.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/timers.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_form_layer_window.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_layer_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_data.h"

namespace {

using TL = TTestLayerSkin;

// The layer frame of the test skin as the skin data reads it.
class LayerGeometry : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        TL::AddTo(skin_);
        frameSkin_.LoadInto(*data_);
    }
    TbsDataSkinLayerFrame& Layer() { return data_->LayerFrame; }
};

TEST_F(LayerGeometry, MarginsAndCornersFollowTheBorderRectangle)
{
    TbsLayerMetrics m = CalcLayerMetrics(Layer());
    EXPECT_EQ(m.LeftMargin, 8);
    EXPECT_EQ(m.TopMargin, 8);
    EXPECT_EQ(m.RightMargin, 8);
    EXPECT_EQ(m.BottomMargin, 8);
    EXPECT_EQ(m.LeftTop, (TSize{16, 16}));
    EXPECT_EQ(m.RightTop, (TSize{16, 16}));
    EXPECT_EQ(m.LeftBottom, (TSize{16, 16}));
    EXPECT_EQ(m.RightBottom, (TSize{16, 16}));

    // Different sides, so a swapped pair shows.
    Layer().BorderRect = Rect(6, 5, 60, 57);
    Layer().HitTestRightTopPoint = Point(41, 20);
    m = CalcLayerMetrics(Layer());
    EXPECT_EQ(m.LeftMargin, 10);
    EXPECT_EQ(m.TopMargin, 11);
    EXPECT_EQ(m.RightMargin, 12);
    EXPECT_EQ(m.BottomMargin, 9);
    EXPECT_EQ(m.RightTop, (TSize{19, 15}));

    // An empty border rectangle: a shadow the mouse does not see.
    Layer().BorderRect = TRect{};
    m = CalcLayerMetrics(Layer());
    EXPECT_EQ(m.LeftMargin + m.TopMargin + m.RightMargin + m.BottomMargin, 0);
    EXPECT_EQ(m.LeftTop, (TSize{}));
}

TEST_F(LayerGeometry, TheWindowsSurroundTheFormAndTheRolledUpCaption)
{
    TRect form = Bounds(100, 80, 300, 200);
    TbsLayerPlacement p = PlaceLayerBorder(Layer(), {TL::Size, TL::Size}, LayerFormRect(Layer(), form, false));
    EXPECT_EQ(p.Outer, Bounds(84, 64, 332, 232));
    EXPECT_EQ(p.Top, Bounds(84, 64, 332, 16));
    EXPECT_EQ(p.Bottom, Bounds(84, 280, 332, 16));
    EXPECT_EQ(p.Left, Bounds(84, 80, 16, 200));
    EXPECT_EQ(p.Right, Bounds(400, 80, 16, 200));

    // The skin's offsets move and size the rectangle the border goes around.
    Layer().LeftOffset = 3;
    Layer().TopOffset = -2;
    Layer().WidthOffset = -6;
    Layer().HeightOffset = 4;
    EXPECT_EQ(LayerFormRect(Layer(), form, false), Bounds(103, 78, 294, 204));
    // Rolled up, only "rollupformheight" of the form is bordered.
    Layer().RollUpFormHeight = 30;
    TRect rolled = LayerFormRect(Layer(), form, true);
    EXPECT_EQ(rolled, Bounds(103, 78, 294, 30));
    p = PlaceLayerBorder(Layer(), {TL::Size, TL::Size}, rolled);
    EXPECT_EQ(p.Outer.Height(), 62);
    EXPECT_EQ(p.Left.Height(), 30);
}

TEST_F(LayerGeometry, ATinyFormGetsNoNegativeStrip)
{
    for (int height : {5, 0}) {
        // An offset that takes more than the form has leaves the top strip
        // taller than the whole border.
        Layer().HeightOffset = -40 + height;
        TbsLayerPlacement p = PlaceLayerBorder(Layer(), {TL::Size, TL::Size},
                                               LayerFormRect(Layer(), Bounds(100, 80, 300, height), false));
        for (const TRect& r : {p.Outer, p.Top, p.Bottom, p.Left, p.Right}) {
            EXPECT_GE(r.Width(), 0);
            EXPECT_GE(r.Height(), 0);
        }
        EXPECT_LE(p.Top.Height() + p.Bottom.Height(), p.Outer.Height());
        auto picture = LayerPicture(*data_, Layer().PictureIndex, Layer().MaskPictureIndex);
        ASSERT_NE(picture, nullptr);
        TbsLayerImages images = BuildLayerImages(Layer(), *picture, p);
        EXPECT_EQ(images.Left, nullptr);
        EXPECT_EQ(images.Right, nullptr);
        EXPECT_EQ(images.Bottom != nullptr, p.Bottom.Height() > 0);
    }
}

TEST_F(LayerGeometry, NoLayerFrameWithoutItsPictureAndAMaskOfItsSize)
{
    EXPECT_NE(LayerPicture(*data_, Layer().PictureIndex, Layer().MaskPictureIndex), nullptr);
    int count = static_cast<int>(data_->ActivePictures.size());
    EXPECT_EQ(LayerPicture(*data_, count, Layer().MaskPictureIndex), nullptr);
    EXPECT_EQ(LayerPicture(*data_, Layer().PictureIndex, count), nullptr);
    EXPECT_EQ(LayerPicture(*data_, Layer().PictureIndex, -1), nullptr);
    // The controls picture (index 0) is of another size than the layer's.
    EXPECT_EQ(LayerPicture(*data_, Layer().PictureIndex, 0), nullptr);
}

TEST_F(LayerGeometry, StripsKeepTheirCornersAndStretchOrRepeatTheRest)
{
    auto picture = LayerPicture(*data_, Layer().PictureIndex, Layer().MaskPictureIndex);
    ASSERT_NE(picture, nullptr);
    auto source = [&](int X, int Y) { return *picture->PixelPtr(X, Y); };
    TbsLayerPlacement p =
        PlaceLayerBorder(Layer(), {TL::Size, TL::Size}, LayerFormRect(Layer(), Bounds(0, 0, 300, 200), false));
    TbsLayerImages images = BuildLayerImages(Layer(), *picture, p);
    ASSERT_NE(images.Top, nullptr);
    EXPECT_EQ(images.Top->Width(), 332);
    EXPECT_EQ(images.Top->Height(), 16);
    // The corners unchanged, the middle stretched from the picture's.
    EXPECT_EQ(*images.Top->PixelPtr(19, 5), source(19, 5));
    EXPECT_EQ(*images.Top->PixelPtr(331, 15), source(63, 15));
    EXPECT_EQ(*images.Top->PixelPtr(332 - 20, 3), source(44, 3));
    EXPECT_EQ(*images.Top->PixelPtr(150, 7), source(30, 7));
    EXPECT_EQ(*images.Bottom->PixelPtr(0, 0), source(0, 48));
    EXPECT_EQ(*images.Bottom->PixelPtr(331, 15), source(63, 63));
    // The sides repeat the picture's 32 rows between the strips ...
    ASSERT_NE(images.Left, nullptr);
    EXPECT_EQ(images.Left->Width(), 16);
    EXPECT_EQ(images.Left->Height(), 200);
    EXPECT_EQ(*images.Left->PixelPtr(3, 0), source(3, 16));
    EXPECT_EQ(*images.Left->PixelPtr(3, 33), source(3, 17));
    EXPECT_EQ(*images.Right->PixelPtr(15, 199), source(63, 16 + 199 % 32));
    // ... or stretch them with "fullstretch".
    Layer().FullStretch = true;
    images = BuildLayerImages(Layer(), *picture, p);
    EXPECT_EQ(*images.Left->PixelPtr(3, 199), source(3, 47));
    EXPECT_EQ(*images.Left->PixelPtr(3, 100), source(3, 32));
}

// The zones of each window around a 300 x 200 form at (100, 80): the
// border reaches 8 pixels outside it, corners are 16 x 16, the top edge's
// zone 6 deep.
TEST_F(LayerGeometry, HitZonesOfEachWindow)
{
    TbsLayerHitInput in;
    in.Form = Bounds(100, 80, 300, 200);
    in.Metrics = CalcLayerMetrics(Layer());
    in.HitTestSize = 6;
    in.CanSize = true;
    struct TCase {
        TbsLayerSide Side;
        TPoint P;
        TbsLayerZone Zone;
    };
    TRect top = Bounds(84, 64, 332, 16), bottom = Bounds(84, 280, 332, 16);
    TRect left = Bounds(84, 80, 16, 200), right = Bounds(400, 80, 16, 200);
    const TCase cases[] = {
        {TbsLayerSide::Top, {95, 75}, lzTopLeft},      {TbsLayerSide::Top, {200, 74}, lzTop},
        {TbsLayerSide::Top, {200, 78}, lzNone},        {TbsLayerSide::Top, {405, 75}, lzTopRight},
        {TbsLayerSide::Top, {88, 75}, lzNone},         {TbsLayerSide::Top, {200, 70}, lzNone},
        {TbsLayerSide::Bottom, {95, 285}, lzBottomLeft}, {TbsLayerSide::Bottom, {200, 285}, lzBottom},
        {TbsLayerSide::Bottom, {200, 290}, lzNone},    {TbsLayerSide::Bottom, {405, 285}, lzBottomRight},
        {TbsLayerSide::Left, {95, 150}, lzLeft},       {TbsLayerSide::Left, {88, 150}, lzNone},
        {TbsLayerSide::Right, {405, 150}, lzRight},    {TbsLayerSide::Right, {410, 150}, lzNone},
    };
    for (const TCase& c : cases) {
        in.Window = OfSide(c.Side, left, right, top, bottom);
        EXPECT_EQ(LayerSizingZone(c.Side, c.P, in), c.Zone)
            << "side " << static_cast<int>(c.Side) << " at " << c.P.X << ", " << c.P.Y;
    }
    // A caption over a corner keeps that corner from sizing.
    in.Caption = Rect(90, 70, 110, 80);
    in.Window = top;
    EXPECT_EQ(LayerSizingZone(TbsLayerSide::Top, {95, 75}, in), lzNone);
    // Taller corners: the side strips below them reach down the top window.
    in.Caption = TRect{};
    in.Metrics.LeftTop = {10, 4};
    in.Metrics.RightTop = {10, 4};
    EXPECT_EQ(LayerSizingZone(TbsLayerSide::Top, {94, 78}, in), lzLeft);
    EXPECT_EQ(LayerSizingZone(TbsLayerSide::Top, {405, 78}, in), lzRight);
    // A frame that may not be sized has no sizing zones.
    in.CanSize = false;
    EXPECT_EQ(LayerSizingZone(TbsLayerSide::Left, {95, 150}, in), lzNone);
    EXPECT_EQ(LayerSizingZone(TbsLayerSide::Top, {200, 74}, in), lzNone);
}

// A shown form with its border on the headless screen.
class LayerBorderForm : public LayerGeometry {
protected:
    void SetUp() override
    {
        LayerGeometry::SetUp();
        form_ = new TCustomForm(nullptr);
        form_->SetBounds(100, 80, 300, 200);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(data_.get());
    }
    void TearDown() override
    {
        delete form_;
        Application->ProcessMessages();
        HeadlessBackend()->SetLayeredWindowsComposited(true);
        LayerGeometry::TearDown();
    }
    // Shows the form and lets its first show's fade run to the end.
    void ShowForm()
    {
        form_->Show();
        SetActiveWindow(form_->Handle());
        PumpMessages();
        AdvanceClock(USER_TIMER_MINIMUM);
        PumpMessages();
    }
    TbsFormLayerBorder* Border() { return frame_->LayerBorder(); }
    HWND WindowOf(TbsLayerSide Side) { return Border()->Window(Side)->Handle(); }
    TRect BoundsOf(HWND Window)
    {
        TRect r;
        GetWindowRect(Window, &r);
        return r;
    }
    // Windows of the border's class on the screen.
    int LayerWindowsShown()
    {
        int n = 0;
        for (auto& s : HeadlessBackend()->Surfaces())
            n += s.Visible && GetClassName(s.Window) == TbsFormLayerWindow::ClassName;
        return n;
    }
    void Drag(TPoint From, std::vector<TPoint> Steps)
    {
        InjectMouseMove(From);
        InjectMouseDown(From);
        PumpMessages();
        for (TPoint p : Steps) {
            InjectMouseMove(p);
            PumpMessages();
        }
        InjectMouseUp(Steps.back());
        PumpMessages();
    }

    TCustomForm* form_ = nullptr;
    TbsSkinForm* frame_ = nullptr;
};

TEST_F(LayerBorderForm, FourLayeredWindowsFollowTheForm)
{
    ShowForm();
    ASSERT_TRUE(Border()->Showing());
    EXPECT_EQ(LayerWindowsShown(), 4);
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Top)), Bounds(84, 64, 332, 16));
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Right)), Bounds(400, 80, 16, 200));
    for (TbsLayerSide side : {TbsLayerSide::Left, TbsLayerSide::Right, TbsLayerSide::Top, TbsLayerSide::Bottom}) {
        LONG ex = GetWindowLong(WindowOf(side), GWL_EXSTYLE);
        EXPECT_TRUE(ex & WS_EX_LAYERED);
        EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
        EXPECT_FALSE(ex & WS_EX_TRANSPARENT);
    }

    form_->SetBounds(150, 100, 400, 250);
    PumpMessages();
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Top)), Bounds(134, 84, 432, 16));
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Bottom)), Bounds(134, 350, 432, 16));
    EXPECT_EQ(Border()->Image(TbsLayerSide::Left)->Height(), 250);

    // Minimized, the form is the desktop's icon: no border floats alone.
    frame_->SetWindowState(wsMinimized);
    PumpMessages();
    EXPECT_EQ(LayerWindowsShown(), 0);
    frame_->SetWindowState(wsNormal);
    PumpMessages();
    EXPECT_EQ(LayerWindowsShown(), 4);
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Top)), Bounds(134, 84, 432, 16));

    form_->Hide();
    PumpMessages();
    EXPECT_FALSE(Border()->Showing());
    EXPECT_EQ(LayerWindowsShown(), 0);
}

TEST_F(LayerBorderForm, NoWindowsWithoutAPictureACompositorOrTheSetting)
{
    // No composition: a translucent strip would be an opaque box.
    HeadlessBackend()->SetLayeredWindowsComposited(false);
    ShowForm();
    EXPECT_FALSE(Border()->Showing());
    EXPECT_EQ(LayerWindowsShown(), 0);
    HeadlessBackend()->SetLayeredWindowsComposited(true);
    SendMessage(form_->Handle(), WM_SKINDATA_LAYEREDBORDERSCHANGED, 0, 0);
    EXPECT_EQ(LayerWindowsShown(), 4);

    // Switched off in the skin data.
    data_->SetShowLayeredBorders(false);
    PumpMessages();
    EXPECT_EQ(LayerWindowsShown(), 0);
    data_->SetShowLayeredBorders(true);
    PumpMessages();
    EXPECT_EQ(LayerWindowsShown(), 4);

    // Suspended and resumed by the form's own messages.
    SendMessage(form_->Handle(), WM_SKINSUSPENDLAYERBORDER, 0, 0);
    EXPECT_EQ(LayerWindowsShown(), 0);
    SendMessage(form_->Handle(), WM_SKINRESUMELAYERBORDER, 0, 0);
    EXPECT_EQ(LayerWindowsShown(), 4);

    // A skin whose layer picture has no mask has no layer frame.
    skin_.Erase("LAYERFRAME", "maskpictureindex");
    frameSkin_.LoadInto(*data_);
    PumpMessages();
    EXPECT_EQ(Border()->LayerFrame(), nullptr);
    EXPECT_EQ(LayerWindowsShown(), 0);
}

TEST_F(LayerBorderForm, GlowLayersNeedACompositorToo)
{
    TbsLayerManager glow(nullptr);
    TBitmap* picture = data_->ActivePictures[static_cast<size_t>(Layer().PictureIndex)].get();
    HeadlessBackend()->SetLayeredWindowsComposited(false);
    glow.Show(10, 10, picture, picture, 255);
    EXPECT_FALSE(glow.Showing());
    EXPECT_EQ(glow.LayerWindow(), nullptr);
    HeadlessBackend()->SetLayeredWindowsComposited(true);
    glow.Show(10, 10, picture, picture, 255);
    EXPECT_TRUE(glow.Showing());
}

TEST_F(LayerBorderForm, AnEmptyBorderRectangleLetsTheMouseThrough)
{
    skin_.Erase("LAYERFRAME", "borderrect");
    frameSkin_.LoadInto(*data_);
    ShowForm();
    ASSERT_TRUE(Border()->Showing());
    EXPECT_TRUE(GetWindowLong(WindowOf(TbsLayerSide::Left), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_EQ(WindowFromPoint({92, 150}), nullptr);
}

TEST_F(LayerBorderForm, InactiveTheBorderTakesItsInactiveAlpha)
{
    ShowForm();
    EXPECT_TRUE(Border()->Active());
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    EXPECT_FALSE(Border()->Active());
    SendMessage(form_->Handle(), WM_NCACTIVATE, 1, 0);
    EXPECT_TRUE(Border()->Active());
}

TEST_F(LayerBorderForm, DraggingTheRightWindowStopsAtTheMinimumWidth)
{
    ShowForm();
    // "formminwidth" of the frame skin is 150.
    Drag({405, 150}, {{380, 150}, {300, 150}, {200, 150}, {100, 150}});
    EXPECT_EQ(form_->Width(), 150);
    EXPECT_EQ(form_->Left(), 100);
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Right)).Left, 250);
    // The cursor must come back beyond the edge before it grows again.
    Drag({255, 150}, {{240, 150}, {245, 150}, {300, 150}});
    EXPECT_EQ(form_->Width(), 205);
}

TEST_F(LayerBorderForm, DraggingTheTopLeftCornerSizesBothWays)
{
    ShowForm();
    Drag({95, 75}, {{85, 70}, {75, 60}});
    EXPECT_EQ(form_->BoundsRect(), Rect(80, 65, 400, 280));
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Top)).Top, 49);
}

TEST_F(LayerBorderForm, AFullBorderCaptionDragMovesTheForm)
{
    skin_.Set("LAYERFRAME", "fullborder", "1");
    skin_.Set("LAYERFRAME", "captionrect", TTestSkin::RectText({24, 2, 40, 14}));
    frameSkin_.LoadInto(*data_);
    ShowForm();
    // The caption rectangle's right edge moves with the form's width.
    Drag({300, 72}, {{310, 80}, {330, 100}});
    EXPECT_EQ(form_->BoundsRect(), Bounds(130, 108, 300, 200));
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Top)).TopLeft(), (TPoint{114, 92}));
}

TEST_F(LayerBorderForm, AMagneticFrameSnapsACaptionDragToTheWorkArea)
{
    skin_.Set("LAYERFRAME", "fullborder", "1");
    skin_.Set("LAYERFRAME", "captionrect", TTestSkin::RectText({24, 2, 40, 14}));
    frameSkin_.LoadInto(*data_);
    frame_->Magnetic = true;
    ShowForm();
    // 3 pixels from the work area's left edge: within the frame's 5.
    Drag({300, 72}, {{250, 72}, {203, 72}});
    EXPECT_EQ(form_->Left(), 0);
    EXPECT_EQ(BoundsOf(WindowOf(TbsLayerSide::Left)).Left, -16);
    // Without it the form goes where the cursor takes it.
    frame_->Magnetic = false;
    Drag({210, 72}, {{200, 72}, {193, 72}});
    EXPECT_EQ(form_->Left(), -17);
}

TEST_F(LayerBorderForm, GoldenScreenWithTheBorderActiveAndInactive)
{
    ShowForm();
    auto cut = [] { return ScreenArea(Bounds(76, 56, 348, 248)); };
    TRasterImage active = cut();
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    PumpMessages();
    TRasterImage inactive = cut();
    ExpectGolden(ComposeImages({active, inactive}, true), TestFolder() + "/golden/layer_border.png");
}

}  // namespace

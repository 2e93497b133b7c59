// The frame's own window commands on a 1280 x 800 screen with a second
// monitor: maximize to the form's monitor, restore to the kept bounds,
// minimized frames in rows along the bottom of the work area, the main
// form iconified with its frame state kept, roll-up, and magnetic moves.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_magnetic.h"
#include "skin/form/bs_minimized_pos.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_layer_skin.h"
#include "tests/support/message_pump.h"

namespace {

// The test skin's frame: "formminwidth" 150, "formminheight" 60.
constexpr int kMinW = 150;
constexpr int kMinH = 60;

TRect Bounds(const TCustomForm* Form)
{
    return Rect(Form->Left(), Form->Top(), Form->Left() + Form->Width(), Form->Top() + Form->Height());
}

class WindowCommandsTest : public SkinFormTest {
protected:
    void SetUp() override
    {
        // The primary 1280 x 800 with a 40-pixel task bar, and a second
        // monitor to its right with its task bar on the left.
        HeadlessBackend()->SetMonitors({{Rect(0, 0, 1280, 800), Rect(0, 0, 1280, 760), true},
                                        {Rect(1280, 0, 2304, 768), Rect(1320, 0, 2304, 768), false}});
        SkinFormTest::SetUp();
    }

    void TearDown() override
    {
        others_.clear();
        SkinFormTest::TearDown();
        HeadlessBackend()->SetScreenSize(1280, 800);
    }

    // Another shown form with a frame on the test skin.
    TbsSkinForm* OtherFrame()
    {
        auto form = std::make_unique<TCustomForm>(nullptr);
        form->SetBounds(200, 20, 200, 100);
        auto* frame = new TbsSkinForm(form.get());
        frame->SetSkinData(data_.get());
        form->Show();
        others_.push_back(std::move(form));
        return frame;
    }

    std::vector<std::unique_ptr<TCustomForm>> others_;
};

TEST_F(WindowCommandsTest, MaximizeFillsTheWorkAreaAndRestoreBringsTheBoundsBack)
{
    int maximized = 0;
    int restored = 0;
    frame_->OnMaximize = TNotifyEvent::FromCallable([&](TObject*) { ++maximized; });
    frame_->OnRestore = TNotifyEvent::FromCallable([&](TObject*) { ++restored; });
    frame_->SetWindowState(wsMaximized);
    EXPECT_EQ(frame_->WindowState(), wsMaximized);
    EXPECT_EQ(Bounds(form_), Rect(0, 0, 1280, 760));
    EXPECT_EQ(frame_->RestoreRect(), Rect(100, 80, 400, 280));
    // The platform never maximized it: it would bring its own frame.
    EXPECT_EQ(form_->WindowState(), wsNormal);
    // The frame is laid out for the new size.
    EXPECT_EQ(frame_->FrameWidth(), 1280);
    EXPECT_EQ(form_->ClientWidth(), 1280 - 8);

    frame_->SetWindowState(wsNormal);
    EXPECT_EQ(frame_->WindowState(), wsNormal);
    EXPECT_EQ(Bounds(form_), Rect(100, 80, 400, 280));
    EXPECT_TRUE(IsRectEmpty(frame_->RestoreRect()));
    EXPECT_EQ(maximized, 1);
    EXPECT_EQ(restored, 1);
    // A second request of the same state changes nothing.
    frame_->SetWindowState(wsNormal);
    EXPECT_EQ(restored, 1);
}

TEST_F(WindowCommandsTest, TheFirstRestoreCentresByPositionInMonitorThenTheKeptBoundsHold)
{
    frame_->PositionInMonitor = bspScreenCenter;
    form_->SetBounds(30, 40, 300, 200);
    frame_->SetWindowState(wsMaximized);
    frame_->SetWindowState(wsNormal);
    EXPECT_EQ(Bounds(form_), Rect(640 - 150, 400 - 100, 640 + 150, 400 + 100));

    form_->SetBounds(30, 40, 320, 210);
    frame_->SetWindowState(wsMaximized);
    frame_->SetWindowState(wsNormal);
    EXPECT_EQ(Bounds(form_), Rect(30, 40, 350, 250));
}

TEST_F(WindowCommandsTest, AHiddenTaskBarLeavesAPixelAndFullScreenTakesTheMonitor)
{
    frame_->MaximizeOnFullScreen = true;
    frame_->SetWindowState(wsMaximized);
    EXPECT_EQ(Bounds(form_), Rect(0, 0, 1280, 800));
    frame_->SetWindowState(wsNormal);

    // The task bar hides itself: the work area is the whole screen.
    HeadlessBackend()->SetMonitors({{Rect(0, 0, 1280, 800), Rect(0, 0, 1280, 800), true}});
    frame_->MaximizeOnFullScreen = false;
    frame_->SetWindowState(wsMaximized);
    EXPECT_EQ(Bounds(form_), Rect(1, 1, 1279, 799));
    frame_->SetWindowState(wsNormal);
    EXPECT_EQ(Bounds(form_), Rect(100, 80, 400, 280));
}

TEST_F(WindowCommandsTest, AFormOnTheSecondMonitorMaximizesThere)
{
    form_->SetBounds(1500, 100, 300, 200);
    frame_->SetWindowState(wsMaximized);
    EXPECT_EQ(Bounds(form_), Rect(1320, 0, 2304, 768));
    EXPECT_EQ(frame_->GetMaxWidth(), 2304 - 1320);
    frame_->SetWindowState(wsNormal);
    EXPECT_EQ(Bounds(form_), Rect(1500, 100, 1800, 300));
}

TEST_F(WindowCommandsTest, MaximizingHidesTheStatusBarsSizeGrip)
{
    auto* bar = new TbsSkinStatusBar(form_);
    bar->SetParent(form_);
    bar->SetSizeGrip(true);
    frame_->StatusBar = bar;
    frame_->SetWindowState(wsMaximized);
    EXPECT_FALSE(bar->GripVisible());
    frame_->SetWindowState(wsNormal);
    EXPECT_TRUE(bar->GripVisible());
    // Freed first, the bar is forgotten.
    delete bar;
    EXPECT_EQ(frame_->StatusBar, nullptr);
    frame_->SetWindowState(wsMaximized);
}

TEST_F(WindowCommandsTest, MinimizedFramesFillTheBottomRowThenTheRowAboveThenWrap)
{
    // A work area three minimized frames wide and two rows high.
    HeadlessBackend()->SetMonitors({{Rect(0, 0, 480, 200), Rect(0, 0, 480, 130), true}});
    std::vector<TbsSkinForm*> frames{frame_};
    for (int i = 0; i < 6; ++i)
        frames.push_back(OtherFrame());
    int minimized = 0;
    for (TbsSkinForm* frame : frames) {
        frame->OnMinimize = TNotifyEvent::FromCallable([&](TObject*) { ++minimized; });
        frame->SetWindowState(wsMinimized);
    }
    std::vector<TRect> places;
    for (TbsSkinForm* frame : frames)
        places.push_back(Bounds(frame->Form()));
    std::vector<TRect> expected{Rect(0, 70, 150, 130),  Rect(150, 70, 300, 130), Rect(300, 70, 450, 130),
                                Rect(0, 10, 150, 70),   Rect(150, 10, 300, 70),  Rect(300, 10, 450, 70),
                                Rect(0, 70, 150, 130)};
    EXPECT_EQ(places, expected);
    EXPECT_EQ(minimized, 7);
    EXPECT_EQ(frames[1]->WindowState(), wsMinimized);

    // Restored, a frame gives its place to the next one minimized.
    frames[1]->SetWindowState(wsNormal);
    EXPECT_EQ(Bounds(frames[1]->Form()), Rect(200, 20, 400, 120));
    frames[1]->SetWindowState(wsMinimized);
    EXPECT_EQ(Bounds(frames[1]->Form()), Rect(150, 70, 300, 130));
}

TEST_F(WindowCommandsTest, MinimizedPlacesEndWhateverTheFrameSize)
{
    TRect area = Rect(0, 0, 300, 100);
    // A full bottom row and a height of 0: the rows never climbed.
    std::vector<TPoint> row{{0, 100}, {150, 100}};
    EXPECT_EQ(MinimizedPlace(area, 150, 0, row), (TPoint{0, 99}));
    // A width of 0: every place of the row is the same one.
    EXPECT_EQ(MinimizedPlace(area, 0, 60, {{0, 40}}), (TPoint{1, 40}));
    // Every place taken: the bottom-left one.
    std::vector<TPoint> all{{0, 50}, {150, 50}, {0, 0}, {150, 0}};
    EXPECT_EQ(MinimizedPlace(area, 150, 50, all), (TPoint{0, 50}));
    // Wider than the area.
    EXPECT_EQ(MinimizedPlace(area, 400, 50, {{0, 50}}), (TPoint{0, 0}));
}

TEST_F(WindowCommandsTest, MinimizingTheMainFormIconifiesItAndKeepsTheFrameState)
{
    TCustomForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    std::unique_ptr<TCustomForm> owner(mainForm);
    ASSERT_EQ(Application->MainForm(), mainForm);
    mainForm->SetBounds(50, 60, 400, 300);
    auto* frame = new TbsSkinForm(mainForm);
    frame->SetSkinData(data_.get());
    mainForm->Show();
    frame->SetWindowState(wsMaximized);
    int minimized = 0;
    int restored = 0;
    frame->OnMinimize = TNotifyEvent::FromCallable([&](TObject*) { ++minimized; });
    frame->OnRestore = TNotifyEvent::FromCallable([&](TObject*) { ++restored; });

    frame->SetWindowState(wsMinimized);
    EXPECT_TRUE(IsIconic(mainForm->Handle()));
    EXPECT_TRUE(HeadlessBackend()->FindSurface(mainForm->Handle())->Minimized);
    EXPECT_EQ(frame->WindowState(), wsMaximized);
    EXPECT_EQ(minimized, 1);
    // Other forms' minimized places leave the main form out.
    TbsSkinForm* other = OtherFrame();
    other->SetWindowState(wsMinimized);
    EXPECT_EQ(Bounds(other->Form()), Rect(0, 760 - kMinH, kMinW, 760));

    // The desktop's user brings it back, as it left.
    EXPECT_TRUE(HeadlessBackend()->RestoreFromDesktop(mainForm->Handle()));
    PumpMessages();
    EXPECT_FALSE(IsIconic(mainForm->Handle()));
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(frame->WindowState(), wsMaximized);
    EXPECT_EQ(Bounds(mainForm), Rect(0, 0, 1280, 760));
}

TEST_F(WindowCommandsTest, RollUpGoesToTheCaptionAndBack)
{
    int changes = 0;
    frame_->OnChangeRollUpState = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    frame_->RollUp(true);
    EXPECT_TRUE(frame_->RollUpState());
    EXPECT_EQ(form_->Height(), kMinH);
    // Asked twice, the height to come back to stays the form's.
    frame_->RollUp(true);
    frame_->RollUp(false);
    EXPECT_FALSE(frame_->RollUpState());
    EXPECT_EQ(form_->Height(), 200);
    EXPECT_EQ(changes, 2);

    // With a ClientHeight of its own, the form unrolls to that client.
    frame_->ClientHeight = 100;
    frame_->SetRollUpState(true);
    frame_->SetRollUpState(false);
    EXPECT_EQ(form_->ClientHeight(), 100);
    frame_->ClientHeight = 0;

    // Without biRollUp nothing rolls.
    frame_->SetBorderIcons({TbsBorderIcon::biSystemMenu});
    frame_->RollUp(true);
    EXPECT_FALSE(frame_->RollUpState());
}

TEST_F(WindowCommandsTest, RolledUpWhileMaximizedTheRestoreItemUnrolls)
{
    frame_->SetWindowState(wsMaximized);
    frame_->RollUp(true);
    EXPECT_EQ(Bounds(form_), Rect(0, 0, 1280, kMinH));
    TMenuItem* items = frame_->GetSystemMenuItems();
    TMenuItem* restore = nullptr;
    for (int i = 0; i < items->Count(); ++i)
        if (items->Items(i)->Name() == "BSF_RESTORE")
            restore = items->Items(i);
    ASSERT_NE(restore, nullptr);
    restore->Click();
    EXPECT_FALSE(frame_->RollUpState());
    EXPECT_EQ(frame_->WindowState(), wsMaximized);
    EXPECT_EQ(Bounds(form_), Rect(0, 0, 1280, 760));

    // Rolled up while maximized and then restored: unrolled and back.
    frame_->RollUp(true);
    frame_->SetWindowState(wsNormal);
    EXPECT_FALSE(frame_->RollUpState());
    EXPECT_EQ(Bounds(form_), Rect(100, 80, 400, 280));

    // Rolled up before maximizing, it comes back rolled up.
    frame_->RollUp(true);
    frame_->SetWindowState(wsMaximized);
    frame_->SetWindowState(wsNormal);
    EXPECT_TRUE(frame_->RollUpState());
    EXPECT_EQ(Bounds(form_), Rect(100, 80, 400, 80 + kMinH));
}

TEST_F(WindowCommandsTest, DoubleClickOnTheCaptionMaximizesAndRestores)
{
    TPoint caption = ScreenPoint(60, 12);
    SendMessage(form_->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.X, caption.Y));
    EXPECT_EQ(frame_->WindowState(), wsMaximized);
    caption = ScreenPoint(60, 12);
    SendMessage(form_->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.X, caption.Y));
    EXPECT_EQ(frame_->WindowState(), wsNormal);
    EXPECT_EQ(Bounds(form_), Rect(100, 80, 400, 280));
}

// A form with the test skin's layered border, whose margins are 8.
class LayeredWindowCommandsTest : public WindowCommandsTest {
protected:
    void SetUp() override
    {
        WindowCommandsTest::SetUp();
        HeadlessBackend()->SetLayeredWindowsComposited(true);
    }

    // The skin again with its layer frame, carrying the frame or not.
    void LoadLayerFrame(bool FullBorder)
    {
        TTestLayerSkin::AddTo(skin_);
        skin_.Set("LAYERFRAME", "fullborder", FullBorder ? "1" : "0");
        frameSkin_.LoadInto(*data_);
        PumpMessages();
        ASSERT_TRUE(frame_->LayerBorder()->Showing());
    }
};

TEST_F(LayeredWindowCommandsTest, AMaximizedFormHidesItsGlowButKeepsABorderThatCarriesTheFrame)
{
    LoadLayerFrame(false);
    frame_->SetWindowState(wsMaximized);
    EXPECT_EQ(Bounds(form_), Rect(0, 0, 1280, 760));
    EXPECT_FALSE(frame_->LayerBorder()->Showing());
    frame_->SetWindowState(wsNormal);
    EXPECT_TRUE(frame_->LayerBorder()->Showing());

    LoadLayerFrame(true);
    frame_->SetWindowState(wsMaximized);
    EXPECT_EQ(Bounds(form_), Rect(8, 8, 1280 - 8, 760 - 8));
    EXPECT_TRUE(frame_->LayerBorder()->Showing());
    frame_->SetWindowState(wsNormal);
    EXPECT_EQ(Bounds(form_), Rect(100, 80, 400, 280));
}

// The magnetic edge on its own: snapping within the size, letting go only
// past it.
TEST(MagneticMove, SnapsWithinTheSizeAndLetsGoOnlyPastIt)
{
    TRect area = Rect(0, 0, 1280, 760);
    TbsMagnetic magnetic;
    int x = 10, y = 300;
    magnetic.Move(x, y, 300, 200, area, 5, {100, 310});
    EXPECT_EQ(x, 10);  // 10 is not within 5
    x = 4;
    magnetic.Move(x, y, 300, 200, area, 5, {94, 310});
    EXPECT_EQ(x, 0);
    EXPECT_TRUE(magnetic.Snapped(TbsMagnetic::meLeft));
    // The cursor moves 5 further: the form stays on the edge.
    x = -1;
    magnetic.Move(x, y, 300, 200, area, 5, {89, 310});
    EXPECT_EQ(x, 0);
    // 6: it follows the cursor from the edge.
    x = -2;
    magnetic.Move(x, y, 300, 200, area, 5, {88, 310});
    EXPECT_EQ(x, -6);
    // Out of reach, it is where the move puts it.
    x = -20;
    magnetic.Move(x, y, 300, 200, area, 5, {74, 310});
    EXPECT_EQ(x, -20);
    EXPECT_FALSE(magnetic.Snapped(TbsMagnetic::meLeft));

    // The right and bottom edges snap with the form's size.
    x = 978;
    y = 557;
    magnetic.Move(x, y, 300, 200, area, 5, {1000, 600});
    EXPECT_EQ(x, 980);
    EXPECT_EQ(y, 560);

    // Size 0 never snaps.
    TbsMagnetic none;
    x = 0;
    y = 1;
    none.Move(x, y, 300, 200, area, 0, {5, 5});
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 1);
    EXPECT_FALSE(none.Snapped(TbsMagnetic::meLeft));
}

TEST_F(WindowCommandsTest, AMagneticFormSnapsWhileMovedAndANewMoveStartsFree)
{
    frame_->Magnetic = true;
    auto moving = [&](int X, int Y) {
        InjectMouseMove({X + 60, Y + 12});
        TRect proposed = Rect(X, Y, X + 300, Y + 200);
        SendMessage(form_->Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
        return proposed;
    };
    SendMessage(form_->Handle(), WM_ENTERSIZEMOVE, 0, 0);
    EXPECT_EQ(moving(3, 100), Rect(0, 100, 300, 300));
    EXPECT_EQ(moving(2, 100), Rect(0, 100, 300, 300));
    SendMessage(form_->Handle(), WM_EXITSIZEMOVE, 0, 0);

    // The next move grabs the caption elsewhere, near the same edge: the
    // old snap's cursor does not throw the form off it.
    SendMessage(form_->Handle(), WM_ENTERSIZEMOVE, 0, 0);
    InjectMouseMove({400, 400});
    TRect proposed = Rect(1, 100, 301, 300);
    SendMessage(form_->Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(proposed, Rect(0, 100, 300, 300));
    SendMessage(form_->Handle(), WM_EXITSIZEMOVE, 0, 0);

    // Without Magnetic the proposal stands.
    frame_->Magnetic = false;
    EXPECT_EQ(moving(3, 100), Rect(3, 100, 303, 300));
}

}  // namespace

// The frame component on a real form through the message loop: the
// client area and region it gives the window, hover fades on the
// hand-driven clock, the road of a click on the close button, the glow
// layer and animation guards, and the Skinnable switch.
#include "skin/form/bs_skin_form.h"

#include <gtest/gtest.h>

#include "platform/gdi/regions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/capture.h"
#include "platform/win/headless_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_region.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/data/bs_skin_objects.h"
#include "skin/form/bs_skin_animate_object.h"
#include "skin/form/bs_skin_std_button_object.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

using SkinFormComponentTest = SkinFormTest;

// The close button of the 300-pixel frame lies at (279, 4, 296, 19).
constexpr TPoint kOnClose{287, 10};
constexpr TPoint kOnCaption{60, 12};

TEST_F(SkinFormComponentTest, ClientAreaComesFromTheFrame)
{
    EXPECT_EQ(form_->ClientWidth(), 300 - 4 - 4);  // the skin's "clientrect" insets
    EXPECT_EQ(form_->ClientHeight(), 200 - 26 - 4);
    frame_->SetSkinData(nullptr);
    EXPECT_EQ(form_->ClientWidth(), 300 - 3 - 3);
    EXPECT_EQ(form_->ClientHeight(), 200 - 22 - 3);
    form_->SetBorderStyle(bsToolWindow);
    EXPECT_EQ(form_->ClientHeight(), 200 - 18 - 3);
    EXPECT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(ScreenPoint(100, 10).X, ScreenPoint(100, 10).Y)),
              HTCAPTION);
}

TEST_F(SkinFormComponentTest, WindowRegionIsTheStretchedMask)
{
    form_->SetBounds(100, 80, 500, 300);
    PumpMessages();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form_->Handle(), region), 0);
    int wrong = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x)
            wrong += PtInRegion(region, x, y) != TTestFrameSkin::MaskKeeps(x, y, 500);
    EXPECT_EQ(wrong, 0);
    // Hit tests read the same mask.
    TPoint corner = ScreenPoint(0, 0);
    EXPECT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.X, corner.Y)), HTTOPLEFT);
    DeleteObject(region);
}

TEST_F(SkinFormComponentTest, HoverFadesInFifthsAndTheTimerStops)
{
    auto* close = Object("closebutton");
    InjectMouseMove(ScreenPoint(kOnClose.X, kOnClose.Y));
    PumpMessages();
    ASSERT_TRUE(close->MouseIn);
    EXPECT_TRUE(frame_->FadeTimer()->Enabled());
    for (int i = 1; i <= 5; ++i) {
        Tick(25);
        EXPECT_EQ(close->MorphKf(), i / 5.0);
    }
    Tick(25);
    EXPECT_FALSE(frame_->FadeTimer()->Enabled());

    // The mouse timer notices the cursor left the window and clears the
    // hot look; the fade runs back in five ticks.
    InjectMouseMove({5, 5});
    PumpMessages();
    Tick(50);
    EXPECT_FALSE(close->MouseIn);
    EXPECT_FALSE(close->Active);
    for (int i = 4; i >= 0; --i) {
        Tick(25);
        EXPECT_EQ(close->MorphKf(), i / 5.0);
    }
    Tick(25);
    EXPECT_EQ(close->MorphKf(), 0.0);
    EXPECT_FALSE(frame_->FadeTimer()->Enabled());
    EXPECT_FALSE(frame_->MouseTimer()->Enabled());
}

TEST_F(SkinFormComponentTest, LeavingWithinAFadeTurnsItBack)
{
    auto* close = Object("closebutton");
    InjectMouseMove(ScreenPoint(kOnClose.X, kOnClose.Y));
    PumpMessages();
    Tick(25);
    InjectMouseMove({5, 5});
    PumpMessages();
    Tick(25);  // the mouse timer's first tick: the button is left
    ASSERT_FALSE(close->Active);
    double kf = close->MorphKf();
    EXPECT_GT(kf, 0.0);
    EXPECT_LT(kf, 1.0);
    while (kf > 0.0) {
        Tick(25);
        EXPECT_EQ(close->MorphKf(), std::max(0.0, kf - 0.2));
        kf = close->MorphKf();
    }
    Tick(25);
    EXPECT_EQ(close->MorphKf(), 0.0);
    EXPECT_FALSE(frame_->FadeTimer()->Enabled());

    // In and out before any tick: nothing to fade.
    InjectMouseMove(ScreenPoint(kOnClose.X, kOnClose.Y));
    PumpMessages();
    frame_->ResetTracking();
    Tick(25);
    EXPECT_EQ(close->MorphKf(), 0.0);
    EXPECT_FALSE(frame_->FadeTimer()->Enabled());
}

// Logs around the frame's own procedure, to see what runs inside it.
struct TAroundLog {
    TWndMethod Inner;
    std::vector<std::string>* Log;
    void Proc(TMessage& Message)
    {
        Inner(Message);
        if (Message.Msg == WM_LBUTTONUP)
            Log->push_back("left WM_LBUTTONUP");
    }
};

TEST_F(SkinFormComponentTest, CloseButtonFiresItsEventThenClosesAndTheFreeWaits)
{
    std::vector<std::string> log;
    frame_->OnMouseUpEvent = TbsMouseUpEvent::FromCallable(
        [&](const AnsiString& IDName, int, int, const TRect&, TMouseButton) { log.push_back("up " + IDName); });
    form_->OnClose = TCloseEvent::FromCallable([&](TObject*, TCloseAction& Action) {
        log.push_back("close");
        Action = caFree;
    });
    form_->OnDestroy = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("destroy"); });
    TAroundLog around{form_->WindowProc, &log};
    form_->WindowProc = TWndMethod(&around, &TAroundLog::Proc);

    TPoint p = ScreenPoint(kOnClose.X, kOnClose.Y);
    InjectMouseMove(p);
    PumpMessages();
    InjectMouseDown(p);
    PumpMessages();
    EXPECT_EQ(GetCapture(), form_->Handle());
    EXPECT_TRUE(static_cast<TbsSkinStdButtonObject*>(Object("closebutton"))->Down);
    InjectMouseUp(p);
    PumpMessages();
    Application->ProcessMessages();
    form_ = nullptr;  // freed by its close
    EXPECT_EQ(log, (std::vector<std::string>{"up closebutton", "close", "left WM_LBUTTONUP", "destroy"}));
}

TEST_F(SkinFormComponentTest, ReleasingOutsideTheCloseButtonDoesNotClose)
{
    bool closed = false;
    form_->OnClose = TCloseEvent::FromCallable([&](TObject*, TCloseAction&) { closed = true; });
    TPoint p = ScreenPoint(kOnClose.X, kOnClose.Y);
    InjectMouseMove(p);
    PumpMessages();
    InjectMouseDown(p);
    PumpMessages();
    TPoint away = ScreenPoint(kOnCaption.X, kOnCaption.Y);
    InjectMouseMove(away);
    PumpMessages();
    Tick(50);
    InjectMouseUp(away);
    PumpMessages();
    EXPECT_FALSE(closed);
    EXPECT_NE(GetCapture(), form_->Handle());
    EXPECT_FALSE(static_cast<TbsSkinStdButtonObject*>(Object("closebutton"))->Down);
}

TEST_F(SkinFormComponentTest, GlowNeedsBothPicturesInTheList)
{
    auto& close = *data_->ObjectList[1];
    auto hover = [&](int Glow, int Mask) {
        close.GlowLayerPictureIndex = Glow;
        close.GlowLayerMaskPictureIndex = Mask;
        frame_->SetSkinData(data_.get());  // the objects are made anew
        InjectMouseMove({5, 5});
        PumpMessages();
        Tick(50);  // the mouse timer the skin started finds the mouse away
        InjectMouseMove(ScreenPoint(kOnClose.X, kOnClose.Y));
        PumpMessages();
        bool shown = frame_->LayerManager()->Showing();
        frame_->ResetTracking();
        return shown;
    };
    int past = static_cast<int>(data_->ActivePictures.size());
    EXPECT_FALSE(hover(0, -1));
    EXPECT_FALSE(hover(0, past));
    EXPECT_FALSE(hover(past, 0));
    EXPECT_TRUE(hover(0, 0));
}

TEST_F(SkinFormComponentTest, AnEmptySkinShowsNoGlow)
{
    auto& close = *data_->ObjectList[1];
    close.GlowLayerPictureIndex = 0;
    close.GlowLayerMaskPictureIndex = 0;
    frame_->SetSkinData(data_.get());
    Tick(50);  // the mouse timer the skin started finds the mouse away
    // The skin data empties before the forms hear of the change, one after
    // the other: a form not yet told still has its objects, whose glow
    // indexes name nothing while the lists are rebuilt.
    data_->Empty = true;
    InjectMouseMove(ScreenPoint(kOnClose.X, kOnClose.Y));
    PumpMessages();
    ASSERT_TRUE(Object("closebutton")->MouseIn);
    EXPECT_FALSE(frame_->LayerManager()->Showing());
    frame_->ResetTracking();
    data_->Empty = false;
}

TEST_F(SkinFormComponentTest, AnimationWithoutFramesNeverRuns)
{
    auto animate = std::make_unique<TbsDataSkinAnimate>("ornament");
    animate->ActivePictureIndex = 0;
    animate->SkinRect = {10, 8, 20, 18};  // in the top-left corner, left of the caption
    animate->ActiveSkinRect = {0, 0, 30, 10};
    animate->ButtonStyle = true;
    animate->Command = cmdefault;
    animate->CountFrames = 0;
    data_->ObjectList.push_back(std::move(animate));
    // A custom object shows only when the program asks for it.
    frame_->OnActivateCustomObject = TbsActivateCustomObjectEvent::FromCallable(
        [](TObject*, const AnsiString& IDName, bool& Active) { Active = IDName == "ornament"; });
    frame_->SetSkinData(data_.get());
    Tick(50);  // the mouse timer the skin started finds the mouse away
    auto* object = static_cast<TbsSkinAnimateObject*>(Object("ornament"));
    TRect r = object->ObjectRect;
    InjectMouseMove(ScreenPoint(r.Left + 2, r.Top + 2));
    PumpMessages();
    ASSERT_TRUE(object->MouseIn);
    EXPECT_FALSE(frame_->AnimationTimer()->Enabled());
    frame_->EnableFrameAnimation();
    for (int i = 0; i < 4; ++i)
        Tick(25);
    EXPECT_EQ(object->Frame, 1);
    EXPECT_FALSE(frame_->AnimationTimer()->Enabled());
}

// Logs what reaches the procedure below the frame's.
struct TRecordingProc {
    TWndMethod Inner;
    std::vector<TMessage> Seen;
    void Proc(TMessage& Message)
    {
        Seen.push_back(Message);
        Inner(Message);
    }
};

TEST_F(SkinFormComponentTest, NotSkinnableEveryMessagePassesUnchanged)
{
    auto* form = new TCustomForm(nullptr);
    form->SetBounds(10, 10, 300, 200);
    TRecordingProc below{form->WindowProc, {}};
    form->WindowProc = TWndMethod(&below, &TRecordingProc::Proc);
    auto* frame = new TbsSkinForm(form);
    frame->SetSkinData(data_.get());
    frame->UseFormCursorInNCArea = true;
    form->Show();
    data_->SetSkinnableForm(false);
    EXPECT_FALSE(frame->Skinnable);

    const TMessage sent[] = {{WM_NCHITTEST, 0, MAKELPARAM(20, 15), 0},
                             {WM_SETCURSOR, 0, MAKELPARAM(HTCAPTION, WM_MOUSEMOVE), 0},
                             {WM_NCPAINT, 1, 0, 0},
                             {0xB1C9, 0, 0, 0},
                             {0xBC4B, 0, 0x41A2, 0},
                             {WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(20, 15), 0},
                             {WM_SYSCOMMAND, SC_KEYMENU, 0, 0},
                             {1236, 0, 0, 0}};
    for (const TMessage& m : sent) {
        below.Seen.clear();
        form->Perform(m.Msg, m.WParam, m.LParam);
        ASSERT_FALSE(below.Seen.empty()) << m.Msg;
        EXPECT_EQ(below.Seen[0].Msg, m.Msg);
        EXPECT_EQ(below.Seen[0].WParam, m.WParam) << m.Msg;
        EXPECT_EQ(below.Seen[0].LParam, m.LParam) << m.Msg;
    }
    delete form;
}

TEST_F(SkinFormComponentTest, InstallingTwiceKeepsThePreviousProcedure)
{
    TWndMethod previous = frame_->OldWindowProc();
    frame_->InstallWindowProc();
    data_->SetSkinnableForm(false);
    data_->SetSkinnableForm(true);  // the switch installs the procedure again
    EXPECT_EQ(frame_->OldWindowProc(), previous);
    EXPECT_TRUE(frame_->Skinnable);
    // A message passed on reaches the form once, not the frame again.
    form_->SetCaption("說門中文");
    EXPECT_EQ(form_->Caption(), "說門中文");
}

TEST_F(SkinFormComponentTest, CaptionButtonsShowTheirHintsAfterTheDelayUntilLeavePressOrDeactivation)
{
    auto* hint = new TbsSkinHint(form_);
    frame_->SetSkinHint(hint);
    frame_->ShowObjectHint = true;
    auto shown = [&] { return hint->HintWindow()->Visible(); };
    // The first move onto the frame is seen at once; later ones by the
    // frame's 50 ms poll.
    InjectMouseMove(ScreenPoint(kOnClose.X, kOnClose.Y));
    PumpMessages();
    Tick(Application->HintPause - 1);
    EXPECT_FALSE(shown());
    Tick(1);
    ASSERT_TRUE(shown());
    EXPECT_EQ(hint->HintWindow()->Caption(), "Close");
    auto moveTo = [&](TPoint P) {
        InjectMouseMove(ScreenPoint(P.X, P.Y));
        PumpMessages();
        Tick(50);
    };
    // On to the caption, which has no hint: the button's goes and stays
    // gone.
    moveTo(kOnCaption);
    EXPECT_FALSE(shown());
    Tick(Application->HintPause);
    EXPECT_FALSE(shown());

    // A press takes the shown hint away.
    moveTo(kOnClose);
    Tick(Application->HintPause);
    ASSERT_TRUE(shown());
    InjectMouseDown(ScreenPoint(kOnClose.X, kOnClose.Y));
    PumpMessages();
    EXPECT_FALSE(shown());
    moveTo(kOnCaption);
    InjectMouseUp(ScreenPoint(kOnCaption.X, kOnCaption.Y));
    PumpMessages();
    ASSERT_TRUE(IsWindowVisible(form_->Handle()));

    // Off the window, the poll sees the button left and its hint goes.
    moveTo(kOnClose);
    Tick(Application->HintPause);
    ASSERT_TRUE(shown());
    InjectMouseMove({5, 5});
    PumpMessages();
    Tick(50);
    EXPECT_FALSE(shown());

    // A hint still waiting when the form deactivates never shows.
    moveTo(kOnClose);
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    Tick(Application->HintPause);
    EXPECT_FALSE(shown());
    SendMessage(form_->Handle(), WM_NCACTIVATE, 1, 0);
    moveTo(kOnCaption);

    // Without the switch no button shows its hint.
    frame_->ShowObjectHint = false;
    moveTo(kOnClose);
    Tick(Application->HintPause);
    EXPECT_FALSE(shown());
}

// Counts the parent-image messages a windowed child gets.
class TParentImageChild : public TWinControl {
public:
    using TWinControl::TWinControl;
    int Changes = 0;

protected:
    void Dispatch(TMessage& Message) override
    {
        Changes += Message.Msg == WM_PARENTIMAGECHANGED;
        TWinControl::Dispatch(Message);
    }
};

TEST_F(SkinFormComponentTest, AStretchedBackgroundTellsTheWindowedChildrenAtEachResize)
{
    auto* a = new TParentImageChild(form_);
    a->SetParent(form_);
    a->SetBounds(10, 10, 50, 30);
    auto* b = new TParentImageChild(form_);
    b->SetParent(form_);
    b->SetBounds(70, 10, 50, 30);
    a->HandleNeeded();
    b->HandleNeeded();
    // A tiled background does not change under the children.
    data_->StretchEffect = false;
    form_->SetWidth(320);
    PumpMessages();
    EXPECT_EQ(a->Changes, 0);
    data_->StretchEffect = true;
    form_->SetWidth(340);
    PumpMessages();
    EXPECT_GE(a->Changes, 1);
    EXPECT_EQ(b->Changes, a->Changes);
}

}  // namespace

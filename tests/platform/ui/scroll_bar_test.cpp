#include "platform/ui/widgets/scroll_bar.h"

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/system_metrics.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

using TLines = std::vector<std::string>;

// Logs "scroll <code> <pos>" and "change <pos>" as the bar reports them.
void LogEvents(TScrollBar* Bar, TLines& Log)
{
    Bar->OnScroll = TScrollCodeEvent::FromCallable([&Log](TObject*, TScrollCode Code, int& Pos) {
        Log.push_back("scroll " + std::to_string(Code) + " " + std::to_string(Pos));
    });
    Bar->OnChange = TNotifyEvent::FromCallable(
        [&Log, Bar](TObject*) { Log.push_back("change " + std::to_string(Bar->Position())); });
}

// A vertical bar 16 wide and 232 high at (10, 10) of the form: arrows of
// 16, a track of 200 and, with range 0 .. 99 and a page of 10, a thumb of
// 20 that moves 2 pixels per position (top at 16 + 2 * Position).
TScrollBar* AddVerticalBar(TTestForm& Form)
{
    auto* bar = new TScrollBar(&Form);
    bar->SetKind(sbVertical);
    bar->SetBounds(10, 10, 16, 232);
    bar->SetParent(&Form);
    bar->SetParams(0, 0, 99);
    bar->SetPageSize(10);
    bar->LargeChange = 10;
    return bar;
}

TEST_F(TControlTest, ScrollBarKeepsItsPositionWithinTheRangeAndThePage)
{
    TScrollBar bar(nullptr);
    EXPECT_EQ(bar.Kind(), sbHorizontal);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.PageSize(), 0);
    EXPECT_EQ(bar.Width(), 121);
    EXPECT_EQ(bar.Height(), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_TRUE(bar.TabStop());
    bar.SetKind(sbVertical);
    EXPECT_EQ(bar.Width(), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(bar.Height(), 121);

    TLines log;
    LogEvents(&bar, log);
    bar.SetPosition(150);
    bar.SetPosition(150);
    bar.SetPosition(-5);
    EXPECT_EQ(log, (TLines{"change 100", "change 0"}));

    // With a page the position stops where the page reaches Max.
    log.clear();
    bar.SetPageSize(10);
    bar.SetPosition(100);
    EXPECT_EQ(bar.Position(), 91);
    // A page growing over the position pulls it back.
    bar.SetPageSize(21);
    EXPECT_EQ(bar.Position(), 80);
    // A range set below the position moves it; raising Min raises it.
    bar.SetParams(50, 0, 40);
    EXPECT_EQ(bar.Position(), 20);
    bar.SetMin(19);
    EXPECT_EQ(bar.Position(), 20);
    bar.SetMin(20);
    EXPECT_EQ(bar.Position(), 20);
    EXPECT_EQ(log, (TLines{"change 91", "change 80", "change 20"}));

    // A range shorter than the page, or upside down, is refused as a whole.
    EXPECT_THROW(bar.SetParams(0, 0, 10), EInvalidOperation);
    EXPECT_THROW(bar.SetMax(19), EInvalidOperation);
    EXPECT_THROW(bar.SetPageSize(22), EInvalidOperation);
    EXPECT_THROW(bar.SetPageSize(-1), EInvalidOperation);
    EXPECT_EQ(bar.Min(), 20);
    EXPECT_EQ(bar.Max(), 40);
    EXPECT_EQ(bar.PageSize(), 21);
    bar.SetPageSize(0);
    bar.SetParams(7, 7, 7);
    EXPECT_EQ(bar.Position(), 7);
}

TEST_F(TControlTest, ScrollBarKeysScrollThroughOnScrollThenOnChange)
{
    TTestForm form;
    TScrollBar* bar = AddVerticalBar(form);
    bar->SmallChange = 3;
    TLines log;
    LogEvents(bar, log);
    ShowActive(&form);
    bar->SetFocus();
    Pump();

    InjectKeyStroke(VK_DOWN);
    InjectKeyStroke(VK_RIGHT);
    InjectKeyStroke(VK_UP);
    Pump();
    EXPECT_EQ(log, (TLines{"scroll 1 3", "change 3", "scroll 8 3", "scroll 1 6", "change 6", "scroll 8 6",
                           "scroll 0 3", "change 3", "scroll 8 3"}));

    log.clear();
    InjectKeyStroke(VK_NEXT);
    InjectKeyStroke(VK_END);
    InjectKeyStroke(VK_PRIOR);
    InjectKeyStroke(VK_HOME);
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(log, (TLines{"scroll 3 13", "change 13", "scroll 8 13", "scroll 7 90", "change 90", "scroll 8 90",
                           "scroll 2 80", "change 80", "scroll 8 80", "scroll 6 0", "change 0", "scroll 8 0",
                           "scroll 6 0", "scroll 8 0"}));

    // OnScroll has the last word on where the bar goes.
    bar->OnScroll = TScrollCodeEvent::FromCallable([](TObject*, TScrollCode, int& Pos) { Pos = std::min(Pos, 50); });
    InjectKeyStroke(VK_END);
    Pump();
    EXPECT_EQ(bar->Position(), 50);
}

TEST_F(TControlTest, ScrollBarArrowsAndTrackScrollAndRepeatWhileHeld)
{
    TTestForm form;
    TScrollBar* bar = AddVerticalBar(form);
    TLines log;
    LogEvents(bar, log);
    ShowActive(&form);

    // A click on the lower arrow moves by SmallChange and focuses the bar.
    InjectClick(ScreenPoint(bar, 8, 224));
    Pump();
    EXPECT_EQ(log, (TLines{"scroll 1 1", "change 1", "scroll 8 1"}));
    EXPECT_TRUE(bar->Focused());

    // A click on the track below the thumb (18 .. 38 now) moves by LargeChange.
    log.clear();
    InjectClick(ScreenPoint(bar, 8, 150));
    Pump();
    EXPECT_EQ(log, (TLines{"scroll 3 11", "change 11", "scroll 8 11"}));
    // A quick second click is one more page.
    InjectClick(ScreenPoint(bar, 8, 150));
    Pump();
    EXPECT_EQ(bar->Position(), 21);

    // Held on the track, it repeats after 200 ms, then every 50 ms, until
    // the thumb reaches the mouse.
    InjectMouseDown(ScreenPoint(bar, 8, 150));
    Pump();
    EXPECT_EQ(bar->Position(), 31);
    AdvanceClock(199);
    Pump();
    EXPECT_EQ(bar->Position(), 31);
    AdvanceClock(1);
    Pump();
    EXPECT_EQ(bar->Position(), 41);
    for (int i = 0; i < 5; ++i) {
        AdvanceClock(50);
        Pump();
    }
    EXPECT_EQ(bar->Position(), 61);  // the thumb lies at 138 .. 158, under the mouse
    log.clear();
    InjectMouseUp(ScreenPoint(bar, 8, 150));
    Pump();
    EXPECT_EQ(log, (TLines{"scroll 8 61"}));

    // A held arrow repeats only while the mouse is on it.
    InjectMouseDown(ScreenPoint(bar, 8, 5));
    Pump();
    AdvanceClock(200);
    Pump();
    EXPECT_EQ(bar->Position(), 59);
    InjectMouseMove(ScreenPoint(bar, 30, 5));
    AdvanceClock(50);
    Pump();
    EXPECT_EQ(bar->Position(), 59);
    InjectMouseMove(ScreenPoint(bar, 8, 5));
    AdvanceClock(50);
    Pump();
    EXPECT_EQ(bar->Position(), 58);
    InjectMouseUp(ScreenPoint(bar, 8, 5));
    AdvanceClock(500);
    Pump();
    EXPECT_EQ(bar->Position(), 58);

    // Disabled, or with nothing to scroll, the bar takes no presses.
    bar->SetEnabled(false);
    InjectClick(ScreenPoint(bar, 8, 224));
    Pump();
    bar->SetEnabled(true);
    bar->SetPageSize(100);
    InjectClick(ScreenPoint(bar, 8, 224));
    Pump();
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(TControlTest, DraggingTheThumbTracksTheMouse)
{
    TTestForm form;
    TScrollBar* bar = AddVerticalBar(form);
    bar->SetPosition(10);  // thumb at 36 .. 56
    TLines log;
    LogEvents(bar, log);
    ShowActive(&form);

    // Moves are taken one at a time, as a user makes them.
    auto move = [&](int X, int Y) {
        InjectMouseMove(ScreenPoint(bar, X, Y));
        Pump();
    };
    InjectMouseDown(ScreenPoint(bar, 8, 40));
    move(8, 39);  // half a position up: rounds to the same
    move(8, 60);
    move(40, 80);  // beside the bar the drag goes on
    EXPECT_EQ(log, (TLines{"scroll 5 20", "change 20", "scroll 5 30", "change 30"}));
    move(8, 400);
    InjectMouseUp(ScreenPoint(bar, 8, 400));
    Pump();
    EXPECT_EQ(log, (TLines{"scroll 5 20", "change 20", "scroll 5 30", "change 30", "scroll 5 90", "change 90",
                           "scroll 4 90", "scroll 8 90"}));

    // Losing the capture ends the drag where it stands.
    log.clear();
    InjectMouseDown(ScreenPoint(bar, 8, 200));
    InjectMouseMove(ScreenPoint(bar, 8, 100));
    Pump();
    bar->Perform(WM_CANCELMODE, 0, 0);
    Pump();
    EXPECT_EQ(log, (TLines{"scroll 5 40", "change 40", "scroll 4 40", "scroll 8 40"}));
    InjectMouseUp(ScreenPoint(bar, 8, 100));
    Pump();
}

TEST_F(TControlTest, ScrollBarDrawsArrowsTrackAndThumbAndLooksDisabledWithNothingToScroll)
{
    TTestForm form;
    TScrollBar* bar = AddVerticalBar(form);
    bar->SetPosition(50);  // thumb at 116 .. 136
    ShowActive(&form);
    auto pixel = [&](int X, int Y) {
        TPoint p = ScreenPoint(bar, X, Y);
        return ScreenPixel(p.X, p.Y);
    };
    const COLORREF face = ColorToRGB(clBtnFace);
    const COLORREF track = ColorToRGB(clScrollBar);
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    ASSERT_NE(face, track);

    // Arrows: a flat button with a dark glyph in the middle.
    EXPECT_EQ(pixel(0, 0), shadow);
    EXPECT_EQ(pixel(3, 3), face);
    EXPECT_EQ(pixel(8, 8), ColorToRGB(clBtnText));
    EXPECT_EQ(pixel(8, 224), ColorToRGB(clBtnText));
    // Track and thumb.
    EXPECT_EQ(pixel(8, 100), track);
    EXPECT_EQ(pixel(0, 116), shadow);
    EXPECT_EQ(pixel(8, 126), face);
    EXPECT_EQ(pixel(8, 140), track);

    // The held track shows darker from its end up to the thumb.
    InjectMouseDown(ScreenPoint(bar, 8, 200));
    Pump();
    EXPECT_EQ(pixel(8, 215), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(pixel(8, 100), track);
    InjectMouseUp(ScreenPoint(bar, 8, 200));
    Pump();
    EXPECT_EQ(pixel(8, 215), track);

    // Nothing to scroll: grey glyphs and no thumb.
    bar->SetPageSize(100);
    Pump();
    EXPECT_EQ(pixel(8, 8), ColorToRGB(clGrayText));
    EXPECT_EQ(pixel(8, 20), track);
    bar->SetPageSize(10);
    bar->SetEnabled(false);
    Pump();
    EXPECT_EQ(pixel(8, 224), ColorToRGB(clGrayText));
    EXPECT_EQ(pixel(8, 26), track);

    // Turned horizontal, the arrows are at the ends of its width.
    bar->SetEnabled(true);
    bar->SetKind(sbHorizontal);
    Pump();
    EXPECT_EQ(bar->Width(), 232);
    EXPECT_EQ(pixel(8, 8), ColorToRGB(clBtnText));
    EXPECT_EQ(pixel(224, 8), ColorToRGB(clBtnText));
}

}  // namespace

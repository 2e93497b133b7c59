#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "editor/completion/syn_completion_form.h"
#include "platform/base/string_list.h"
#include "platform/ui/widgets/scroll_bar.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/message_queue.h"
#include "platform/win/system_metrics.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/support/message_pump.h"

namespace {

// A code-completion popup of 20 items showing 8 rows, opened and active.
class TCompletionScrollTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

    void SetUp() override
    {
        SetManualClock(true);
        AdvanceClock(10000);  // no double click with an earlier test's press
        form = std::make_unique<TSynBaseCompletionProposalForm>(nullptr);
        for (int i = 0; i < 20; ++i)
            form->ItemList()->Add("item" + std::string(i < 10 ? "0" : "") + std::to_string(i));
        form->OnChange = TCompletionChange::FromCallable([this](TObject*, int Index) { changes.push_back(Index); });
        form->SetCurrentString("");
        form->PlaceAt(100, 100, 260);
        form->Show();
        Pump();
        bar = dynamic_cast<TScrollBar*>(form->Controls(0));
        ASSERT_NE(bar, nullptr);
        changes.clear();
    }

    void TearDown() override
    {
        form.reset();
        Pump();
        SetManualClock(false);
    }

    static void Pump() { PumpMessages(); }

    void Click(int X, int Y)
    {
        InjectClick(bar->ClientToScreen(Point(X, Y)));
        Pump();
    }

    static void Stroke(UINT Key)
    {
        InjectKeyStroke(Key);
        Pump();
    }

    std::unique_ptr<TSynBaseCompletionProposalForm> form;
    TScrollBar* bar = nullptr;
    std::vector<int> changes;
};

TEST_F(TCompletionScrollTest, ScrollingTheBarMovesTheSelectionAndMovingTheSelectionMovesTheBar)
{
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Kind(), sbVertical);
    EXPECT_EQ(bar->Align(), alRight);
    EXPECT_FALSE(bar->ParentCtl3D());
    EXPECT_EQ(bar->Left() + bar->Width(), form->ClientWidth());
    EXPECT_EQ(bar->Height(), form->ClientHeight());
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 19);
    EXPECT_EQ(bar->PageSize(), 8);
    EXPECT_EQ(bar->Position(), 0);

    // The selection leaving the rows scrolls the list, and the bar follows.
    for (int i = 0; i < 9; ++i)
        Stroke(VK_DOWN);
    EXPECT_EQ(form->Position(), 9);
    EXPECT_EQ(bar->Position(), 2);
    Stroke(VK_END);
    EXPECT_EQ(bar->Position(), 12);
    Stroke(VK_HOME);
    EXPECT_EQ(bar->Position(), 0);
    changes.clear();

    // The bar scrolls the list and drags the selection into the rows: a
    // line down, then a page down on the track.
    const int w = bar->Width();
    Click(w / 2, bar->Height() - w / 2);
    EXPECT_EQ(form->ScrollPos(), 1);
    EXPECT_EQ(form->Position(), 1);
    Click(w / 2, bar->Height() - w - 2);
    EXPECT_EQ(form->ScrollPos(), 9);
    EXPECT_EQ(form->Position(), 9);
    // Within the rows the selection stays.
    Click(w / 2, w / 2);
    EXPECT_EQ(form->ScrollPos(), 8);
    EXPECT_EQ(form->Position(), 9);
    EXPECT_EQ(changes, (std::vector<int>{1, 9}));

    // Clicking the bar leaves the keys with the list.
    EXPECT_EQ(GetFocus(), form->Handle());
    EXPECT_EQ(form->ActiveControl(), nullptr);
    Stroke(VK_DOWN);
    EXPECT_EQ(form->Position(), 10);

    // Dragging the thumb to the top pulls the selection up to the last row.
    // The thumb has the page's share of the track and stands for row 8 of
    // the 12 the list can scroll.
    const int track = bar->Height() - 2 * w;
    const int length = track * 8 / 20;
    const TPoint thumb = Point(w / 2, w + (8 * (track - length) + 6) / 12 + length / 2);
    InjectMouseDown(bar->ClientToScreen(thumb));
    InjectMouseMove(bar->ClientToScreen(Point(thumb.X, 0)));
    InjectMouseUp(bar->ClientToScreen(Point(thumb.X, 0)));
    Pump();
    EXPECT_EQ(form->ScrollPos(), 0);
    EXPECT_EQ(form->Position(), 7);
    // The bar set from outside scrolls the list too.
    bar->SetPosition(100);
    EXPECT_EQ(form->ScrollPos(), 12);
    EXPECT_EQ(form->Position(), 12);

    // The range follows the shown items: with fewer than the rows there is
    // nothing to scroll.
    form->SetCompletionOptions(TSynCompletionOptions{scoLimitToMatchedText});
    form->SetCurrentString("item1");
    EXPECT_EQ(bar->Max(), 9);
    EXPECT_EQ(bar->Position(), 0);
    form->SetCurrentString("item19");
    EXPECT_EQ(bar->Max(), 7);
    Click(w / 2, bar->Height() - w / 2);
    EXPECT_EQ(form->ScrollPos(), 0);
    EXPECT_EQ(form->Position(), 0);

    // More rows than before take the page along.
    form->SetCurrentString("");
    form->SetPosition(19);
    form->SetNbLinesInWindow(15);
    EXPECT_EQ(bar->PageSize(), 15);
    EXPECT_EQ(form->ScrollPos(), 5);
    EXPECT_EQ(bar->Position(), 5);

    // Hints have no scroll bar.
    form->SetDisplayType(ctHint);
    EXPECT_FALSE(bar->Visible());
}

TEST_F(TCompletionScrollTest, ResizingSnapsToWholeRowsAndKeepsRoomForTheScrollBar)
{
    form->SetResizeable(true);
    form->SetItemHeight(6);  // less than the two frames together
    const int frames = 2 * GetSystemMetrics(SM_CYFRAME);
    auto sizing = [&](WPARAM Edge, TRect R) {
        SendMessage(form->Handle(), WM_SIZING, Edge, reinterpret_cast<LPARAM>(&R));
        return R;
    };

    TRect r = sizing(WMSZ_BOTTOM, Rect(100, 100, 300, 100 + 5 * 6 + frames + 4));
    EXPECT_EQ(r, Rect(100, 100, 300, 100 + 5 * 6 + frames));
    EXPECT_EQ(form->NbLinesInWindow(), 5);
    EXPECT_EQ(bar->PageSize(), 5);
    // A snapped height stays as it is on the next step.
    EXPECT_EQ(sizing(WMSZ_BOTTOM, r), r);
    EXPECT_EQ(form->NbLinesInWindow(), 5);

    // Dragged by the top, the bottom stays; never less than one row.
    EXPECT_EQ(sizing(WMSZ_TOPLEFT, Rect(100, 195, 300, 200)), Rect(100, 200 - 6 - frames, 300, 200));
    EXPECT_EQ(form->NbLinesInWindow(), 1);

    // The width holds the bar and the two frames, from whichever side.
    const int narrowest = bar->Width() + 2 * GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(sizing(WMSZ_LEFT, Rect(290, 100, 300, 100 + 6 + frames)),
              Rect(300 - narrowest, 100, 300, 100 + 6 + frames));
    EXPECT_EQ(sizing(WMSZ_BOTTOMRIGHT, Rect(100, 100, 101, 100 + 6 + frames)),
              Rect(100, 100, 100 + narrowest, 100 + 6 + frames));
}

TEST_F(TCompletionScrollTest, TheListIsDrawnBesideTheBar)
{
    form->SetPosition(0);
    form->Invalidate();
    Pump();
    const int y = form->ItemHeight() / 2;
    const TPoint list = form->ClientToScreen(Point(bar->Left() - 1, y));
    const TPoint onBar = form->ClientToScreen(Point(bar->Left() + bar->Width() / 2, y + bar->Width()));
    EXPECT_EQ(ScreenPixel(list.X, list.Y), ColorToRGB(form->ClSelect));
    EXPECT_EQ(ScreenPixel(onBar.X, onBar.Y), ColorToRGB(clBtnFace));  // the thumb at the top
}

}  // namespace

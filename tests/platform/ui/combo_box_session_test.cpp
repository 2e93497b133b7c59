// Randomized sessions with a combo box: the keys that open, move, take and
// cancel, typing, clicks on the box, on rows and outside, the wheel, and
// the program changing the rows. After every step the list shows exactly
// while the box holds the capture, the form stays active, the selection
// lies on a row and matches the text, a cancelled list leaves the
// selection as it was, and OnChange fires once for each pick that changed
// the selection and never for the program's changes.
#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/win/capture.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

const char* const Pieces[] = {"a", "b", "T", "\xD5\x66", "\xE9\x54", "\xD6\xD0", "f"};

class TComboSession {
public:
    TComboSession(TTestForm& Form, uint32_t Seed) : form_(Form), random_(Seed)
    {
        combo_ = new TComboBox(&Form);
        combo_->SetStyle(random_.Chance(50) ? csDropDownList : csDropDown);
        combo_->Font()->SetName(kTestFontName);
        combo_->Font()->SetHeight(-kTestFontCellHeight);
        combo_->SetBounds(10, 10, 150, 0);
        combo_->SetParent(&Form);
        combo_->SetDropDownCount(random_.Between(3, 10));
        combo_->SetSorted(random_.Chance(30));
        combo_->OnChange = TNotifyEvent::FromCallable([this](TObject*) { ++changes_; });
        outside_ = new TProbe(&Form, &Form, Rect(10, 250, 100, 290));
        for (int i = random_.Between(0, 15); i > 0; --i)
            combo_->Items()->Add(RandomText());
    }

    void Focus() { combo_->SetFocus(); }

    void Step()
    {
        const int before = combo_->ItemIndex();
        const bool wasDropped = combo_->DroppedDown();
        highlightBefore_ = wasDropped ? combo_->DropDownList()->ItemIndex() : -2;
        if (!wasDropped)
            droppedFrom_ = before;
        changes_ = 0;
        std::string did;
        bool picks = true;  // the step may pick a row
        const int action = random_.Below(100);
        if (action < 12) {
            InjectKeyStroke(VK_F4);
            did = "F4";
        } else if (action < 18) {
            InjectKeyStroke(random_.Chance(50) ? VK_DOWN : VK_UP, InjectAlt);
            did = "alt arrow";
        } else if (action < 40) {
            static const UINT keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END};
            InjectKeyStroke(random_.Pick(keys));
            did = "move key";
        } else if (action < 48) {
            InjectKeyStroke(VK_RETURN);
            did = "return";
        } else if (action < 56) {
            InjectKeyStroke(VK_ESCAPE);
            did = "escape";
            picks = false;
        } else if (action < 62) {
            if (random_.Chance(50))
                AdvanceClock(TTypeAhead::Delay + 1);
            InjectText(random_.Pick(Pieces));
            did = "type";
        } else if (action < 70) {
            AdvanceClock(1000);
            InjectClick(combo_->ClientToScreen(Point(10, 5)));
            did = "click box";
            picks = false;
        } else if (action < 80 && wasDropped) {
            TCustomListBox* list = combo_->DropDownList();
            const TPoint at = Point(random_.Below(list->ClientWidth()), random_.Below(list->ClientHeight()));
            AdvanceClock(1000);
            if (random_.Chance(30))
                InjectMouseMove(list->ClientToScreen(at));
            else
                InjectClick(list->ClientToScreen(at));
            did = "list mouse";
        } else if (action < 85) {
            AdvanceClock(1000);
            InjectClick(outside_->ClientToScreen(Point(5, 5)));
            did = "click outside";
            picks = false;
        } else if (action < 88) {
            InjectWheel(combo_->ClientToScreen(Point(5, 5)), random_.Chance(50) ? 120 : -120);
            did = "wheel";
            picks = false;
        } else {
            did = ProgramStep();
            picks = false;
        }
        PumpMessages();
        // Text typed into the edit part while the list is down selects what
        // it spells; that is the selection a cancel goes back to.
        if (combo_->Style() == csDropDown && did == "type")
            droppedFrom_ = combo_->ItemIndex();
        Check(before, wasDropped, picks, did);
    }

private:
    AnsiString RandomText()
    {
        AnsiString text;
        for (int n = random_.Between(1, 3); n > 0; --n)
            text += random_.Pick(Pieces);
        return text;
    }

    std::string ProgramStep()
    {
        TStrings* items = combo_->Items();
        const int action = random_.Below(10);
        // Rows change only while the list is closed, as the dialogs do it.
        if (combo_->DroppedDown())
            return "program idle";
        if (action < 5) {
            items->Add(RandomText());
            return "add";
        }
        if (action < 8 && items->Count() > 0) {
            items->Delete(random_.Below(items->Count()));
            return "delete";
        }
        combo_->SetItemIndex(random_.Between(-1, items->Count()));
        return "itemindex";
    }

    void Check(int Before, bool WasDropped, bool Picks, const std::string& Did)
    {
        SCOPED_TRACE(Did);
        TCustomListBox* list = combo_->DropDownList();
        const bool shown = list->HandleAllocated() && IsWindowVisible(list->Handle());
        ASSERT_EQ(combo_->DroppedDown(), shown);
        ASSERT_EQ(GetCapture() == combo_->Handle(), shown);
        ASSERT_EQ(GetActiveWindow(), form_.Handle());
        const int index = combo_->ItemIndex();
        ASSERT_GE(index, -1);
        ASSERT_LT(index, combo_->Items()->Count());
        if (combo_->Style() == csDropDownList) {
            ASSERT_EQ(combo_->Text(), index >= 0 ? combo_->Items()->Strings(index) : AnsiString());
        } else if (index >= 0) {
            ASSERT_TRUE(SameText(combo_->Text(), combo_->Items()->Strings(index)));
        }
        // A list that opened, or a highlight that moved, shows the row.
        if (shown && Did != "wheel") {
            const int highlight = list->ItemIndex();
            if (highlight >= 0 && highlight != highlightBefore_) {
                ASSERT_GE(highlight, list->TopIndex());
                ASSERT_LE(list->ItemRect(highlight).Bottom, list->ClientHeight());
            }
        }
        // A list closed without a pick leaves the selection it opened with.
        if (WasDropped && !shown && !Picks) {
            ASSERT_EQ(index, droppedFrom_);
        }
        if (Picks && combo_->Style() == csDropDownList) {
            ASSERT_EQ(changes_, index != Before ? 1 : 0);
        }
        if (!Picks && !(combo_->Style() == csDropDown && Did == "type")) {
            ASSERT_EQ(changes_, 0);
        }
    }

    TTestForm& form_;
    TRandom random_;
    TComboBox* combo_ = nullptr;
    TProbe* outside_ = nullptr;
    int droppedFrom_ = -1;      // the selection when the list last opened
    int highlightBefore_ = -2;  // the list's highlight before the step, -2 when closed
    int changes_ = 0;
};

TEST_F(TControlTest, ComboBoxRandomSessionsKeepListCaptureAndSelectionInStep)
{
    for (uint32_t seed : SessionSeeds(SeedRange(1, 12), 3)) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TTestForm form;
        TComboSession session(form, seed);
        ShowActive(&form);
        session.Focus();
        for (int step = 0; step < 200 && !HasFatalFailure(); ++step)
            session.Step();
        Pump();
        if (HasFatalFailure())
            return;
    }
}

}  // namespace

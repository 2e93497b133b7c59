// Randomized sessions with a list box: keys, typed GBK and ASCII text,
// clicks, the wheel and the program's own changes of the rows, in every
// selection style and with fixed and variable row heights. After every
// step the rows match a plain model, the selection lies on rows, the top
// row leaves no gap below the last one, the scroll bar follows, and a
// gesture that moved the selection shows its row and reported it once.
#include <algorithm>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/base/code_page.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

const char* const Pieces[] = {"a", "B", "t", "\xD5\x66", "\xE9\x54", "\xDF\x40", "\x81\x5C", "\xD6\xD0", "f", "T", "@"};

AnsiString RandomText(TRandom& Random)
{
    AnsiString text;
    for (int n = Random.Between(1, 4); n > 0; --n)
        text += Random.Pick(Pieces);
    return text;
}

// Row heights of the variable style: fixed by the text, so that a row
// keeps its height wherever it moves.
int HeightOf(const AnsiString& Text)
{
    return 10 + static_cast<int>(Text.size() % 4) * 6;
}

class TListBoxSession {
public:
    TListBoxSession(TTestForm& Form, uint32_t Seed) : random_(Seed)
    {
        list_ = new TListBox(&Form);
        list_->Font()->SetName(kTestFontName);
        list_->Font()->SetHeight(-kTestFontCellHeight);
        list_->SetBounds(10, 10, 140, 4 + random_.Between(40, 130));
        list_->SetParent(&Form);
        list_->SetMultiSelect(random_.Chance(40));
        list_->SetExtendedSelect(random_.Chance(70));
        list_->SetIntegralHeight(random_.Chance(30));
        if (random_.Chance(40)) {
            list_->OnMeasureItem = TMeasureItemEvent::FromCallable([this](TWinControl*, int Index, int& Height) {
                Height = HeightOf(list_->Items()->Strings(Index));
            });
            list_->SetStyle(lbOwnerDrawVariable);
        }
        list_->OnClick = TNotifyEvent::FromCallable([this](TObject*) { ++clicks_; });
        for (int i = random_.Between(0, 30); i > 0; --i)
            ProgramAdd();
    }

    // One random step; answers what it did, for failure messages.
    std::string Step()
    {
        const int action = random_.Below(100);
        const Selection before = Snapshot();
        clicks_ = 0;
        bool gesture = true;
        std::string did;
        if (action < 30) {
            static const UINT keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_SPACE};
            const UINT key = random_.Pick(keys);
            const UINT modifiers = list_->MultiSelect() ? static_cast<UINT>(random_.Below(4)) : 0;
            InjectKeyStroke(key, modifiers);
            did = "key " + std::to_string(key) + " " + std::to_string(modifiers);
        } else if (action < 45) {
            if (random_.Chance(50))
                AdvanceClock(TTypeAhead::Delay + 1);
            const AnsiString typed = random_.Pick(Pieces);
            InjectText(typed);
            did = "type " + typed;
        } else if (action < 60) {
            const TPoint at = Point(random_.Below(list_->ClientWidth()), random_.Below(list_->ClientHeight()));
            AdvanceClock(1000);
            InjectClick(list_->ClientToScreen(at));
            did = "click " + std::to_string(at.Y);
        } else if (action < 66) {
            InjectWheel(list_->ClientToScreen(Point(5, 5)), random_.Chance(50) ? 120 : -120);
            did = "wheel";
            gesture = false;
        } else {
            gesture = false;
            did = ProgramStep(action);
        }
        PumpMessages();
        Check(before, gesture, did);
        return did;
    }

private:
    struct Selection {
        int Index = -1;
        std::vector<bool> Flags;
        bool operator==(const Selection&) const = default;
    };

    Selection Snapshot() const
    {
        Selection s;
        s.Index = list_->ItemIndex();
        for (int i = 0; i < list_->Count(); ++i)
            s.Flags.push_back(list_->Selected(i));
        return s;
    }

    void ProgramAdd()
    {
        const AnsiString text = RandomText(random_);
        const int index = list_->Items()->Add(text);
        model_.insert(model_.begin() + index, text);
    }

    std::string ProgramStep(int Action)
    {
        TStrings* items = list_->Items();
        if (Action < 76) {
            const bool bracket = random_.Chance(30);
            if (bracket)
                items->BeginUpdate();
            for (int i = random_.Between(1, bracket ? 20 : 2); i > 0; --i)
                ProgramAdd();
            if (bracket)
                items->EndUpdate();
            return "add";
        }
        if (Action < 82 && !model_.empty()) {
            const int index = random_.Below(static_cast<int>(model_.size()));
            items->Delete(index);
            model_.erase(model_.begin() + index);
            return "delete " + std::to_string(index);
        }
        if (Action < 86 && !list_->Sorted()) {
            const int index = random_.Below(static_cast<int>(model_.size()) + 1);
            const AnsiString text = RandomText(random_);
            items->Insert(index, text);
            model_.insert(model_.begin() + index, text);
            return "insert " + std::to_string(index);
        }
        if (Action < 89 && !model_.empty()) {
            const int index = random_.Below(static_cast<int>(model_.size()));
            const AnsiString text = RandomText(random_);
            items->SetStrings(index, text);
            model_[index] = text;
            return "put " + std::to_string(index);
        }
        if (Action < 92) {
            const bool sorted = !list_->Sorted();
            list_->SetSorted(sorted);
            if (sorted)
                std::stable_sort(model_.begin(), model_.end(),
                                 [](const AnsiString& A, const AnsiString& B) { return CompareText(A, B) < 0; });
            return sorted ? "sort" : "unsort";
        }
        if (Action < 98) {
            const int index = random_.Between(-1, static_cast<int>(model_.size()));
            list_->SetItemIndex(index);
            return "itemindex " + std::to_string(index);
        }
        if (random_.Chance(30)) {
            items->Clear();
            model_.clear();
            return "clear";
        }
        list_->SetTopIndex(random_.Between(-2, static_cast<int>(model_.size()) + 2));
        return "top";
    }

    void Check(const Selection& Before, bool Gesture, const std::string& Did)
    {
        SCOPED_TRACE(Did);
        const int count = list_->Count();
        ASSERT_EQ(count, static_cast<int>(model_.size()));
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(list_->Items()->Strings(i), model_[i]) << "row " << i;
        const int index = list_->ItemIndex();
        ASSERT_GE(index, -1);
        ASSERT_LT(index, count);
        if (!list_->MultiSelect()) {
            for (int i = 0; i < count; ++i)
                ASSERT_EQ(list_->Selected(i), i == index);
        }
        // The top row leaves no gap: one row more above would not fit.
        const int top = list_->TopIndex();
        ASSERT_GE(top, 0);
        if (top > 0) {
            int height = 0;
            for (int i = top - 1; i < count; ++i)
                height += list_->ItemRect(i).Height();
            ASSERT_GT(height, list_->ClientHeight()) << "top " << top;
        }
        // The scroll bar shows exactly while rows are hidden, at the top row.
        const bool bar = GetWindowLong(list_->Handle(), GWL_STYLE) & WS_VSCROLL;
        int all = 0;
        for (int i = 0; i < count; ++i)
            all += list_->ItemRect(i).Height();
        ASSERT_EQ(bar, all > list_->ClientHeight()) << "rows " << all << " client " << list_->ClientHeight();
        if (bar) {
            ASSERT_EQ(GetScrollPos(list_->Handle(), SB_VERT), top);
        }
        // A gesture that moved the selection shows its row and reported it.
        const Selection after = Snapshot();
        if (Gesture) {
            const bool changed = after.Flags != Before.Flags || (!list_->MultiSelect() && after.Index != Before.Index);
            ASSERT_EQ(clicks_ > 0, changed);
            ASSERT_LE(clicks_, 1);
            if (index >= 0 && after.Index != Before.Index) {
                const TRect row = list_->ItemRect(index);
                ASSERT_GE(row.Top, 0);
                ASSERT_TRUE(row.Bottom <= list_->ClientHeight() || row.Top == 0);
            }
        } else {
            ASSERT_EQ(clicks_, 0);
        }
    }

    TRandom random_;
    TListBox* list_ = nullptr;
    std::vector<AnsiString> model_;
    int clicks_ = 0;
};

TEST_F(TControlTest, ListBoxRandomSessionsKeepRowsSelectionAndScrollingInStep)
{
    for (uint32_t seed : SessionSeeds(SeedRange(1, 12), 3)) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TTestForm form;
        TListBoxSession session(form, seed);
        ShowActive(&form);
        for (int step = 0; step < 250 && !HasFatalFailure(); ++step)
            session.Step();
        Pump();
        if (HasFatalFailure())
            return;
    }
}

}  // namespace

// A randomized session on a multi-select report: keys, clicks with Ctrl
// and Shift, inserts, deletes, sorting and scrolling in a fixed-seed mix,
// checking after every step that the selection, focus and top row agree
// with a model of what a user expects and that every index is right.
#include <algorithm>
#include <set>
#include <string>

#include "list_view_test_support.h"
#include "platform/ui/itemviews/list_view_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "tests/support/test_random.h"

namespace {

class TListSessionTest : public TControlTest {
protected:
    void SetUp() override
    {
        TControlTest::SetUp();
        form_ = std::make_unique<TTestForm>();
        form_->SetBounds(0, 0, 400, 300);
        list_ = AddList(form_.get(), vsReport, 240, 160);
        list_->SetMultiSelect(true);
        ShowActive(form_.get());
        list_->SetFocus();
        FillReport(list_, 30);
        Pump();
    }
    void TearDown() override
    {
        form_.reset();
        TControlTest::TearDown();
    }
    // What every step must leave true.
    void Check(const std::string& Step)
    {
        SCOPED_TRACE(Step);
        TListItems* items = list_->Items();
        const int count = items->Count();
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(items->Item(i)->Index(), i);
        const int focus = list_->ItemIndex();
        ASSERT_GE(focus, -1);
        ASSERT_LT(focus, count);
        // The focused item is in view after a user's move; the top row
        // never leaves a gap below the last item.
        const int top = static_cast<int>(SendMessage(list_->Handle(), LVM_GETTOPINDEX, 0, 0));
        const int page = list_->VisibleRowCount();
        ASSERT_LE(top, std::max(count - page, 0));
        if (userMoved_ && focus >= 0) {
            ASSERT_GE(focus, top);
            ASSERT_LT(focus, top + page);
        }
        int selected = 0;
        TListItem* first = nullptr;
        for (int i = 0; i < count; ++i)
            if (items->Item(i)->Selected()) {
                ++selected;
                first = first ? first : items->Item(i);
            }
        ASSERT_EQ(selected, list_->SelCount());
        ASSERT_EQ(list_->Selected(), first);
        if (!list_->MultiSelect()) {
            ASSERT_LE(selected, 1);
        }
    }

    std::unique_ptr<TTestForm> form_;
    TListView* list_ = nullptr;
    bool userMoved_ = false;
};

TEST_F(TListSessionTest, SelectionFocusAndTopRowStayRightThroughARandomSession)
{
    TRandom random(1907);
    int added = 0;
    for (int step = 0; step < 400; ++step) {
        const int count = list_->Items()->Count();
        const int action = random.Below(8);
        std::string name = std::to_string(step) + ":";
        userMoved_ = false;
        if (action == 0) {
            static const UINT keys[] = {VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT};
            const UINT key = random.Pick(keys);
            const UINT held = random.Chance(30) ? UINT(InjectShift) : 0u;
            const int before = list_->ItemIndex();
            InjectKeyStroke(key, held);
            Pump();
            name += "key " + std::to_string(key);
            userMoved_ = count > 0;
            // A plain key leaves one item selected: the focused one.
            if (!held && count > 0) {
                ASSERT_EQ(list_->SelCount(), 1) << name;
                ASSERT_TRUE(list_->ItemFocused()->Selected()) << name;
            }
            if (key == VK_DOWN && before >= 0) {
                ASSERT_EQ(list_->ItemIndex(), std::min(before + 1, count - 1)) << name;
            }
        } else if (action == 1 && count > 0) {
            const int top = list_->TopItem()->Index();
            const int row = random.Below(std::min(list_->VisibleRowCount(), count - top));
            const UINT held = random.Pick({0u, 0u, unsigned(InjectCtrl), unsigned(InjectShift)});
            const bool wasSelected = list_->Items()->Item(top + row)->Selected();
            if (held & InjectCtrl)
                InjectKeyDown(VK_CONTROL);
            if (held & InjectShift)
                InjectKeyDown(VK_SHIFT);
            InjectClick(CaptionPoint(list_, top + row));
            if (held & InjectShift)
                InjectKeyUp(VK_SHIFT);
            if (held & InjectCtrl)
                InjectKeyUp(VK_CONTROL);
            Pump();
            if (list_->IsEditing())
                list_->EndEditing(true);
            name += "click " + std::to_string(top + row) + " held " + std::to_string(held);
            ASSERT_EQ(list_->ItemIndex(), top + row) << name;
            if (held & InjectCtrl)
                ASSERT_EQ(list_->Items()->Item(top + row)->Selected(), !wasSelected) << name;
            else
                ASSERT_TRUE(list_->Items()->Item(top + row)->Selected()) << name;
        } else if (action == 2) {
            const int at = random.Below(count + 1);
            list_->Items()->Insert(at)->SetCaption("N" + std::to_string(added++));
            name += "insert " + std::to_string(at);
        } else if (action == 3 && count > 0) {
            const int at = random.Below(count);
            const bool wasSelected = list_->Items()->Item(at)->Selected();
            const int selectedBefore = list_->SelCount();
            list_->Items()->Delete(at);
            name += "delete " + std::to_string(at);
            // The last selected item gives its selection to a neighbour.
            if (wasSelected && selectedBefore == 1 && count > 1) {
                ASSERT_EQ(list_->SelCount(), 1) << name;
            }
        } else if (action == 4) {
            const int by = random.Between(-5, 5);
            list_->Scroll(0, by * list_->RowHeight());
            name += "scroll " + std::to_string(by);
        } else if (action == 5 && random.Chance(20)) {
            TListItem* focused = list_->ItemFocused();
            list_->SetSortType(stNone);
            list_->SetSortType(stText);
            name += "sort";
            ASSERT_EQ(list_->ItemFocused(), focused) << name;
        } else if (action == 6 && count > 0) {
            list_->SetItemIndex(random.Below(count));
            name += "item index";
            ASSERT_EQ(list_->SelCount(), 1) << name;
        } else if (action == 7 && count < 10) {
            FillReport(list_, 0);
            list_->Columns()->Clear();
            list_->Columns()->Add()->SetWidth(100);
            for (int i = 0; i < 20; ++i)
                list_->Items()->Add()->SetCaption("R" + std::to_string(i));
            name += "refill";
        }
        Check(name);
        if (HasFatalFailure())
            return;
    }
}

// A single selection kept by its count alone must stay right as items are
// renamed into sorted places, come, go, and the view turns multi-select
// and back.
TEST_F(TListSessionTest, ASingleSelectionStaysRightThroughRenamesInsertsAndModeChanges)
{
    list_->SetMultiSelect(false);
    list_->SetSortType(stText);
    TRandom random(4211);
    int named = 0;
    for (int step = 0; step < 400; ++step) {
        const int count = list_->Items()->Count();
        const int action = random.Below(7);
        std::string name = std::to_string(step) + ":";
        if (action == 0 && count > 0) {
            static const UINT keys[] = {VK_UP, VK_DOWN, VK_HOME, VK_END, VK_NEXT};
            const UINT held = random.Chance(30) ? UINT(InjectShift) : 0u;
            InjectKeyStroke(random.Pick(keys), held);
            Pump();
            name += "key";
            // Shift widens only a multiple selection.
            if (!held || !list_->MultiSelect()) {
                ASSERT_EQ(list_->SelCount(), 1) << name;
                ASSERT_EQ(list_->Selected(), list_->ItemFocused()) << name;
            }
        } else if (action == 1 && count > 0) {
            TListItem* item = list_->Items()->Item(random.Below(count));
            item->SetCaption("M" + std::to_string(random.Below(1000)));
            name += "rename";
        } else if (action == 2) {
            list_->Items()->Insert(random.Below(count + 1))->SetCaption("I" + std::to_string(named++));
            name += "insert";
        } else if (action == 3 && count > 1) {
            list_->Items()->Delete(random.Below(count));
            name += "delete";
        } else if (action == 4 && count > 0) {
            const int at = random.Below(count);
            list_->Items()->Item(at)->SetSelected(random.Chance(70));
            name += "select " + std::to_string(at);
        } else if (action == 5) {
            list_->SetMultiSelect(!list_->MultiSelect());
            if (list_->MultiSelect() && count > 2) {
                list_->Items()->Item(0)->SetSelected(true);
                list_->Items()->Item(count - 1)->SetSelected(true);
            }
            name += "multi " + std::to_string(list_->MultiSelect());
        } else if (action == 6 && random.Chance(30)) {
            list_->ClearSelection();
            name += "clear";
            ASSERT_EQ(list_->Selected(), nullptr) << name;
        }
        Check(name);
        if (HasFatalFailure())
            return;
    }
}

}  // namespace

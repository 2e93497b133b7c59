// The list view's items and selection as a program and a user see them:
// deleting the selected item, sorting, check boxes, owner data with a
// million items, and the list messages and scroll information other code
// reads through the window.
#include <algorithm>
#include <string>
#include <vector>

#include "list_view_test_support.h"
#include "platform/gdi/colors.h"
#include "platform/ui/itemviews/header_control.h"
#include "platform/ui/itemviews/list_view_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

WNDPROC previousProc;
int countsSeen = 0;

// A procedure put in front of the list window, as a skinned view does.
LRESULT FrontProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == LVM_GETITEMCOUNT) {
        ++countsSeen;
        return CallWindowProc(previousProc, Window, Msg, WParam, LParam) + 1000;
    }
    return CallWindowProc(previousProc, Window, Msg, WParam, LParam);
}

class TListViewTest : public TControlTest {
protected:
    void SetUp() override
    {
        TControlTest::SetUp();
        form_ = std::make_unique<TTestForm>();
        form_->SetBounds(0, 0, 400, 300);
        list_ = AddList(form_.get(), vsReport);
        ShowActive(form_.get());
        list_->SetFocus();
        Pump();
    }
    void TearDown() override
    {
        form_.reset();
        TControlTest::TearDown();
    }
    LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0)
    {
        return SendMessage(list_->Handle(), Msg, WParam, LParam);
    }

    std::unique_ptr<TTestForm> form_;
    TListView* list_ = nullptr;
    TListLog log_;
};

TEST_F(TListViewTest, DeletingTheSelectedItemSelectsANeighbourAfterOnDeletion)
{
    FillReport(list_, 4);
    list_->SetItemIndex(1);
    LogListEvents(list_, log_);
    list_->Items()->Item(1)->Delete();
    // OnDeletion while it is there; OnChange only for the neighbour that
    // took its place.
    EXPECT_EQ(log_, (TListLog{"deletion I1", "changing I2", "change I2", "select I2"}));
    EXPECT_EQ(list_->ItemIndex(), 1);
    EXPECT_EQ(SelectedCaptions(list_), (TListLog{"I2"}));
    // The last one gives way to the one before it.
    log_.clear();
    list_->SetItemIndex(2);
    log_.clear();
    list_->Items()->Delete(2);
    EXPECT_EQ(log_, (TListLog{"deletion I3", "changing I2", "change I2", "select I2"}));
    EXPECT_EQ(list_->Selected()->Caption(), "I2");
    EXPECT_EQ(list_->Items()->Item(0)->Index(), 0);
    EXPECT_EQ(list_->Items()->Item(1)->Index(), 1);
    // Clearing tells each and selects nothing.
    log_.clear();
    list_->Items()->Clear();
    EXPECT_EQ(log_, (TListLog{"deletion I2", "deletion I0"}));
    EXPECT_EQ(list_->Selected(), nullptr);
    EXPECT_EQ(list_->ItemIndex(), -1);
}

TEST_F(TListViewTest, OnDeletionThatFreesTheItemItselfLeavesTheListRight)
{
    FillReport(list_, 3);
    list_->SetItemIndex(0);
    list_->OnDeletion = TLVDeletedEvent::FromCallable([this](TObject*, TListItem* Item) {
        log_.push_back("deletion " + Item->Caption());
        // Freeing the other items from the handler reaches this one again.
        if (Item->Caption() == "I0")
            list_->Items()->Delete(1);
    });
    list_->Items()->Delete(0);
    EXPECT_EQ(log_, (TListLog{"deletion I0", "deletion I1"}));
    ASSERT_EQ(list_->Items()->Count(), 1);
    EXPECT_EQ(list_->Items()->Item(0)->Caption(), "I2");
    EXPECT_EQ(list_->Selected(), list_->Items()->Item(0));
}

TEST_F(TListViewTest, ClicksWithCtrlAndShiftSelectAsInAMultiSelectList)
{
    FillReport(list_, 6);
    list_->SetMultiSelect(true);
    InjectClick(CaptionPoint(list_, 1));
    Pump();
    InjectKeyDown(VK_SHIFT);
    InjectClick(CaptionPoint(list_, 3));
    InjectKeyUp(VK_SHIFT);
    Pump();
    EXPECT_EQ(SelectedCaptions(list_), (TListLog{"I1", "I2", "I3"}));
    InjectKeyDown(VK_CONTROL);
    InjectClick(CaptionPoint(list_, 2));
    InjectClick(CaptionPoint(list_, 5));
    InjectKeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(SelectedCaptions(list_), (TListLog{"I1", "I3", "I5"}));
    EXPECT_EQ(list_->ItemIndex(), 5);
    // Shift+Up extends from the last Ctrl click, a plain key selects one.
    InjectKeyStroke(VK_UP, InjectShift);
    Pump();
    EXPECT_EQ(SelectedCaptions(list_), (TListLog{"I4", "I5"}));
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(SelectedCaptions(list_), (TListLog{"I0"}));
    // A click below the items drops the selection.
    InjectClick(ScreenPoint(list_, 20, 140));
    Pump();
    EXPECT_EQ(list_->SelCount(), 0);
}

TEST_F(TListViewTest, CheckBoxesToggleBySpaceAndByAClickOnTheBox)
{
    FillReport(list_, 3);
    list_->SetCheckboxes(true);
    list_->SetItemIndex(1);
    InjectKeyStroke(VK_SPACE);
    Pump();
    EXPECT_TRUE(list_->Items()->Item(1)->Checked());
    InjectKeyStroke(VK_SPACE);
    Pump();
    EXPECT_FALSE(list_->Items()->Item(1)->Checked());
    // The box sits left of the caption; clicking it leaves the selection.
    const TRect icon = list_->Items()->Item(2)->DisplayRect(drIcon);
    InjectClick(ScreenPoint(list_, icon.Left - 6, (icon.Top + icon.Bottom) / 2));
    Pump();
    EXPECT_TRUE(list_->Items()->Item(2)->Checked());
    EXPECT_EQ(list_->ItemIndex(), 1);
}

TEST_F(TListViewTest, SortingByCaptionKeepsTheFocusedItemAndPlacesNewCaptions)
{
    list_->Columns()->Add()->SetWidth(100);
    for (const char* caption : {"pear", "Apple", "fig"})
        list_->Items()->Add()->SetCaption(caption);
    list_->SetItemIndex(0);
    list_->SetSortType(stText);
    auto captions = [this] {
        TListLog result;
        for (int i = 0; i < list_->Items()->Count(); ++i)
            result.push_back(list_->Items()->Item(i)->Caption());
        return result;
    };
    EXPECT_EQ(captions(), (TListLog{"Apple", "fig", "pear"}));
    EXPECT_EQ(list_->ItemFocused()->Caption(), "pear");
    list_->Items()->Add()->SetCaption("banana");
    EXPECT_EQ(captions(), (TListLog{"Apple", "banana", "fig", "pear"}));
    EXPECT_EQ(list_->ItemIndex(), 3);
    list_->CustomSort([](TListItem* A, TListItem* B, long) { return B->Caption().size() < A->Caption().size() ? -1 : 0; }, 0);
    EXPECT_EQ(captions(), (TListLog{"banana", "Apple", "pear", "fig"}));
    EXPECT_EQ(list_->ItemFocused()->Caption(), "pear");
}

TEST_F(TListViewTest, OwnerDataShowsAMillionItemsAskingOnlyForThoseShown)
{
    int asked = 0;
    list_->SetOwnerData(true);
    list_->OnData = TLVDeletedEvent::FromCallable([&asked](TObject*, TListItem* Item) {
        ++asked;
        Item->SetCaption("Row " + std::to_string(Item->Index()));
        Item->SubItems()->Add(std::to_string(Item->Index() * 2));
    });
    FillReport(list_, 0);
    list_->Items()->SetCount(1000000);
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 1000000);
    list_->Repaint();
    EXPECT_LT(asked, 40);
    // The end is reached by a key, and the scroll range has every row.
    InjectKeyStroke(VK_END);
    Pump();
    EXPECT_EQ(list_->ItemIndex(), 999999);
    EXPECT_EQ(list_->Selected()->Caption(), "Row 999999");
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list_->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 999999);
    EXPECT_EQ(info.nPos + static_cast<int>(info.nPage), 1000000);
    EXPECT_EQ(Send(LVM_GETTOPINDEX), info.nPos);
    EXPECT_EQ(list_->TopItem()->Caption(), "Row " + std::to_string(info.nPos));
    asked = 0;
    list_->Repaint();
    EXPECT_LT(asked, 40);
}

TEST_F(TListViewTest, OwnerDataSelectionFollowsTheKeysAndGoesWithANewCount)
{
    list_->SetOwnerData(true);
    FillReport(list_, 0);
    list_->Items()->SetCount(1000);
    list_->SetItemIndex(500);
    for (int i = 0; i < 3; ++i)
        InjectKeyStroke(VK_DOWN);
    Pump();
    EXPECT_EQ(list_->SelCount(), 1);
    EXPECT_EQ(list_->Selected()->Index(), 503);
    EXPECT_FALSE(list_->Items()->Item(500)->Selected());
    list_->SetMultiSelect(true);
    InjectKeyStroke(VK_DOWN, InjectShift);
    Pump();
    EXPECT_EQ(list_->SelCount(), 2);
    EXPECT_EQ(list_->Selected()->Index(), 503);
    list_->Items()->SetCount(10);
    EXPECT_EQ(list_->SelCount(), 0);
    EXPECT_EQ(list_->Selected(), nullptr);
    list_->SetItemIndex(9);
    EXPECT_EQ(list_->SelCount(), 1);
    EXPECT_EQ(list_->Selected()->Index(), 9);
}

TEST_F(TListViewTest, CountPerPageCountsWholeRowsBelowTheHeader)
{
    FillReport(list_, 50);
    // 160 high with its frame and the horizontal bar gone: the rows of 18
    // below the header that fit whole.
    const int rowSpace = list_->ClientHeight() - list_->Header()->Height();
    EXPECT_EQ(Send(LVM_GETCOUNTPERPAGE), rowSpace / 18);
    EXPECT_EQ(list_->VisibleRowCount(), rowSpace / 18);
    list_->SetHeight(list_->Height() + 17 - (rowSpace % 18));
    EXPECT_EQ(Send(LVM_GETCOUNTPERPAGE), rowSpace / 18);
    list_->SetHeight(list_->Height() + 1);
    EXPECT_EQ(Send(LVM_GETCOUNTPERPAGE), rowSpace / 18 + 1);
    TRect rect = Rect(LVIR_LABEL, 0, 0, 0);
    ASSERT_TRUE(Send(LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect.Top, list_->Header()->Height() + 2 * 18);
    EXPECT_EQ(rect.Bottom - rect.Top, 18);
    EXPECT_EQ(rect.Right, 80);
    EXPECT_EQ(list_->GetItemAt(rect.Left + 3, rect.Top + 3), list_->Items()->Item(2));
}

TEST_F(TListViewTest, ScrollMessagesFromOutsideMoveTheViewAndTheInformationFollows)
{
    FillReport(list_, 100);
    list_->Columns()->Item(0)->SetWidth(200);
    SendMessage(list_->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessage(list_->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    const int page = list_->VisibleRowCount();
    EXPECT_EQ(Send(LVM_GETTOPINDEX), 1 + page);
    SendMessage(list_->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), 0);
    EXPECT_EQ(list_->TopItem()->Caption(), "I40");
    SCROLLINFO info;
    info.fMask = SIF_POS;
    GetScrollInfo(list_->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, 40);
    list_->Scroll(30, -18 * 5);
    EXPECT_EQ(Send(LVM_GETTOPINDEX), 35);
    info.fMask = SIF_POS;
    GetScrollInfo(list_->Handle(), SB_HORZ, &info);
    EXPECT_EQ(info.nPos, 30);
    EXPECT_EQ(list_->Header()->Left(), -30);
}

TEST_F(TListViewTest, ListStyleMovesByWholeColumnsAcross)
{
    list_->SetViewStyle(vsList);
    for (int i = 0; i < 60; ++i)
        list_->Items()->Add()->SetCaption("Item" + std::to_string(i));
    const int perColumn = list_->VisibleRowCount();
    ASSERT_GT(perColumn, 1);
    SendMessage(list_->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(Send(LVM_GETTOPINDEX), perColumn);
    SendMessage(list_->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
    SendMessage(list_->Handle(), WM_HSCROLL, SB_LINELEFT, 0);
    EXPECT_EQ(list_->TopItem()->Caption(), "Item" + std::to_string(perColumn));
    // Right moves to the next column, Down to the next row.
    list_->SetItemIndex(perColumn);
    InjectKeyStroke(VK_RIGHT);
    InjectKeyStroke(VK_DOWN);
    Pump();
    EXPECT_EQ(list_->ItemIndex(), 2 * perColumn + 1);
}

// In the icon styles an item wider than the view brings the window's
// horizontal bar, and the bar's messages move the items across by pixels.
TEST_F(TListViewTest, IconStylesScrollAnItemWiderThanTheViewAcross)
{
    for (TViewStyle style : {vsIcon, vsSmallIcon}) {
        SCOPED_TRACE(style);
        TListView* list = AddList(form_.get(), style, 60, 120);
        list->Items()->Add()->SetCaption(ListShuo + ListMen + std::string(12, 'w'));
        Pump();
        const int wide = list->Items()->Item(0)->DisplayRect(drBounds).Width();
        ASSERT_GT(wide, list->ClientWidth());
        EXPECT_NE(GetWindowLong(list->Handle(), GWL_STYLE) & WS_HSCROLL, 0u);
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_HORZ, &info));
        EXPECT_EQ(info.nMax, wide - 1);
        EXPECT_EQ(static_cast<int>(info.nPage), list->ClientWidth());
        SendMessage(list->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
        EXPECT_EQ(list->Items()->Item(0)->DisplayRect(drBounds).Left, -list->RowHeight());
        SendMessage(list->Handle(), WM_HSCROLL, SB_BOTTOM, 0);
        EXPECT_EQ(list->Items()->Item(0)->DisplayRect(drBounds).Right, list->ClientWidth());
        delete list;
    }
}

TEST_F(TListViewTest, CustomAndOwnerDrawingAreAskedForTheItemsInView)
{
    FillReport(list_, 40);
    list_->SetItemIndex(1);
    list_->Update();
    list_->OnCustomDrawItem =
        TLVCustomDrawItemEvent::FromCallable([this](TObject*, TListItem* Item, TCustomDrawState State, bool& Default) {
            log_.push_back("item " + Item->Caption() + (State.Contains(cdsSelected) ? " selected" : ""));
            // The second item draws itself: no sub-items are asked for.
            Default = Item->Index() != 2;
        });
    list_->OnCustomDrawSubItem = TLVCustomDrawSubItemEvent::FromCallable(
        [this](TObject*, TListItem* Item, int SubItem, TCustomDrawState, bool&) {
            log_.push_back("sub " + Item->Caption() + "." + std::to_string(SubItem));
        });
    list_->SetHeight(list_->Height() - list_->ClientHeight() + list_->Header()->Height() + 3 * 18);
    list_->Invalidate();
    list_->Update();
    EXPECT_EQ(log_, (TListLog{"item I0", "sub I0.1", "sub I0.2", "item I1 selected", "sub I1.1", "sub I1.2",
                              "item I2"}));
    // Owner drawing gets each row's rectangle and nothing else is drawn.
    log_.clear();
    list_->OwnerDraw = true;
    list_->OnDrawItem =
        TLVDrawItemEvent::FromCallable([this](TObject*, TListItem* Item, const TRect& R, TOwnerDrawState State) {
            log_.push_back(Item->Caption() + " " + std::to_string(R.Top) + (State.Contains(odSelected) ? " selected" : ""));
        });
    list_->Invalidate();
    list_->Update();
    const int top = list_->Header()->Height();
    EXPECT_EQ(log_, (TListLog{"I0 " + std::to_string(top), "I1 " + std::to_string(top + 18) + " selected",
                              "I2 " + std::to_string(top + 36)}));
}

TEST_F(TListViewTest, AProcedureInFrontOfTheWindowReachesTheListThroughTheOneItReplaced)
{
    FillReport(list_, 7);
    previousProc = SetWindowProc(list_->Handle(), WNDPROC(&FrontProc));
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 1007);
    EXPECT_EQ(countsSeen, 1);
    SetWindowProc(list_->Handle(), previousProc);
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 7);
    EXPECT_EQ(countsSeen, 1);
}

// A view that draws its own bars, as a skinned one does.
class TBarlessListView : public TListView {
public:
    using TListView::TListView;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TListView::CreateParams(Params);
        Params.Style &= ~(WS_VSCROLL | WS_HSCROLL);
    }
};

TEST_F(TListViewTest, RemovedBarsStayAwayWhileTheirInformationIsKept)
{
    auto* list = new TBarlessListView(form_.get());
    list->SetBounds(10, 180, 150, 100);
    list->SetViewStyle(vsReport);
    list->SetParent(form_.get());
    FillReport(list, 50);
    SendMessage(list->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    const DWORD style = GetWindowLong(list->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL), 0u);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 49);
    EXPECT_EQ(info.nPos, list->VisibleRowCount());
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_HORZ, &info));
    EXPECT_EQ(info.nMax, 199);
    EXPECT_EQ(static_cast<int>(info.nPage), list->ClientWidth());
}

// With HotTrack the caption under the mouse is drawn in the hot colour; it
// goes back when the mouse moves to another row or leaves the view.
TEST_F(TListViewTest, HotTrackDrawsTheCaptionUnderTheMouseInTheHotColour)
{
    FillReport(list_, 4);
    list_->Update();
    // The rows with pixels of the hot colour.
    auto hotRows = [this] {
        const TRasterImage image = WindowImage(list_->Handle());
        const COLORREF hot = static_cast<COLORREF>(ColorToRGB(clHotLight));
        const uint32_t pixel = 0xFF000000u | ((hot & 0xFF) << 16) | (hot & 0xFF00) | ((hot >> 16) & 0xFF);
        std::vector<int> rows;
        for (int i = 0; i < list_->Items()->Count(); ++i) {
            const TRect r = list_->Items()->Item(i)->DisplayRect(drBounds);
            bool found = false;
            for (int y = r.Top; y < r.Bottom && !found; ++y)
                for (int x = std::max(r.Left, 0); x < std::min(r.Right, list_->ClientWidth()) && !found; ++x)
                    found = image.Row(y)[x] == pixel;
            if (found)
                rows.push_back(i);
        }
        return rows;
    };
    InjectMouseMove(CaptionPoint(list_, 1));
    Pump();
    EXPECT_EQ(hotRows(), std::vector<int>{});  // off by default
    list_->SetHotTrack(true);
    InjectMouseMove(CaptionPoint(list_, 2));
    Pump();
    EXPECT_EQ(hotRows(), std::vector<int>{2});
    InjectMouseMove(CaptionPoint(list_, 1));
    Pump();
    EXPECT_EQ(hotRows(), std::vector<int>{1});
    InjectMouseMove(form_->ClientToScreen(Point(390, 290)));
    Pump();
    EXPECT_EQ(hotRows(), std::vector<int>{});
}

// Home or End on the row already selected, scrolled out of view, brings it
// back without firing a change.
TEST_F(TListViewTest, ChoosingTheSelectedRowAgainScrollsItIntoView)
{
    FillReport(list_, 40);
    list_->SetItemIndex(0);
    LogListEvents(list_, log_);
    Send(WM_VSCROLL, SB_PAGEDOWN);
    Send(WM_VSCROLL, SB_PAGEDOWN);
    ASSERT_GT(Send(LVM_GETTOPINDEX), 0);
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(Send(LVM_GETTOPINDEX), 0);
    list_->SetItemIndex(39);
    Send(WM_VSCROLL, SB_TOP);
    log_.clear();
    InjectKeyStroke(VK_END);
    Pump();
    EXPECT_EQ(Send(LVM_GETTOPINDEX), 40 - list_->VisibleRowCount());
    EXPECT_EQ(SelectedCaptions(list_), TListLog{"I39"});
    EXPECT_EQ(log_, TListLog{});
}

}  // namespace

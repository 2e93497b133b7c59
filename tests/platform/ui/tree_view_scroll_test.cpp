// The tree view's scrolling and window class: a tree of 100,000 nodes
// reached by a thumb drag and by SB_THUMBPOSITION past 65,535, views whose
// bars were taken out of the style, the tree messages, and subclasses of
// the window that see them first.
#include <string>

#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/tree_view_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/scroll_bar_info.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/window_class.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "tree_view_test_support.h"

namespace {

// 500 folders of 199 articles each: 100,000 nodes.
void BuildBigTree(TCustomTreeView* Tree)
{
    TTreeNodes* items = Tree->Items();
    items->BeginUpdate();
    for (int f = 0; f < 500; ++f) {
        TTreeNode* folder = items->Add(nullptr, "folder " + std::to_string(f));
        for (int a = 0; a < 199; ++a)
            items->AddChild(folder, "article " + std::to_string(f) + "." + std::to_string(a));
    }
    items->EndUpdate();
}

int ScrollPos(TWinControl* Control, int Bar)
{
    SCROLLINFO info;
    info.fMask = SIF_POS;
    EXPECT_TRUE(GetScrollInfo(Control->Handle(), Bar, &info));
    return info.nPos;
}

// A view that takes its bars out of the style, as one with bars of its
// own beside it does.
class TBarlessTree : public TTreeView {
public:
    using TTreeView::TTreeView;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TTreeView::CreateParams(Params);
        Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
    }
};

// A derived view that answers TVM_GETCOUNT itself for odd counts only.
class TCountingTree : public TTreeView {
public:
    using TTreeView::TTreeView;
    int Asked = 0;

protected:
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == TVM_GETCOUNT)
            ++Asked;
        TTreeView::WndProc(Message);
    }
};

// What the procedure in front of a tree saw and replaced.
WNDPROC previousProc;
int countsSeen = 0;

// Adds 1000 to the count the tree answers.
LRESULT FrontProc(HWND W, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg != TVM_GETCOUNT)
        return CallWindowProc(previousProc, W, Msg, WParam, LParam);
    ++countsSeen;
    return CallWindowProc(previousProc, W, Msg, WParam, LParam) + 1000;
}

// Keeps the scroll messages from the tree.
LRESULT KeepScrolls(HWND W, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    return Msg == WM_VSCROLL ? 0 : DefSubclassProc(W, Msg, WParam, LParam);
}

TEST_F(TControlTest, TreeOfAHundredThousandNodesIsReachedPast65535)
{
    TTestForm form;
    TTreeView* tree = AddTree(form);
    BuildBigTree(tree);
    ShowActive(&form);
    tree->FullExpand();
    Pump();
    ASSERT_EQ(tree->Items()->Count(), 100000);
    EXPECT_EQ(SendMessage(tree->Handle(), TVM_GETCOUNT, 0, 0), 100000);
    const int page = tree->VisibleCount();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 99999);
    EXPECT_EQ(info.nPage, static_cast<UINT>(page));

    // A bar of its own writes the full position first, then sends its 16 bits.
    info.fMask = SIF_POS;
    info.nPos = 70000;
    SetScrollInfo(tree->Handle(), SB_VERT, &info, true);
    SendMessage(tree->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 70000 & 0xFFFF), 0);
    EXPECT_EQ(tree->TopItem(), tree->Items()->Item(70000));
    EXPECT_EQ(tree->TopItem()->Text(), "folder 350");
    // A position that disagrees with the stored one is the message's own.
    SendMessage(tree->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1000), 0);
    EXPECT_EQ(tree->TopItem(), tree->Items()->Item(1000));
    EXPECT_EQ(ScrollPos(tree, SB_VERT), 1000);

    // The thumb of the window's own bar dragged to the bottom lands on the last page.
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(tree->Handle(), OBJID_VSCROLL, &bar));
    const int x = (bar.rcScrollBar.Left + bar.rcScrollBar.Right) / 2;
    const int thumb = bar.rcScrollBar.Top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    InjectMouseDown(Point(x, thumb));
    InjectMouseMove(Point(x, bar.rcScrollBar.Bottom + 40));
    InjectMouseUp(Point(x, bar.rcScrollBar.Bottom + 40));
    Pump();
    EXPECT_EQ(ScrollPos(tree, SB_VERT), 100000 - page);
    EXPECT_EQ(tree->TopItem()->Text(), "article 499." + std::to_string(199 - page));
    // Dragged to the middle of the track: a position past 65,535 that the
    // end of the drag keeps.
    ASSERT_TRUE(GetScrollBarInfo(tree->Handle(), OBJID_VSCROLL, &bar));
    const int top = bar.rcScrollBar.Top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    InjectMouseDown(Point(x, top));
    InjectMouseMove(Point(x, top - (bar.rcScrollBar.Bottom - bar.rcScrollBar.Top) / 4));
    InjectMouseUp(Point(x, top - (bar.rcScrollBar.Bottom - bar.rcScrollBar.Top) / 4));
    Pump();
    const int pos = ScrollPos(tree, SB_VERT);
    EXPECT_GT(pos, 65535);
    EXPECT_LT(pos, 100000 - page);
    EXPECT_EQ(tree->TopItem(), tree->Items()->Item(pos));
    // The keys still walk from there.
    tree->SetSelected(tree->TopItem());
    EXPECT_EQ(tree->Selected()->AbsoluteIndex(), pos);
}

TEST_F(TControlTest, TreeBarsTakenOutOfTheStyleStayOutWhileTheScrollInformationIsKept)
{
    TTestForm form;
    auto* tree = new TBarlessTree(&form);
    tree->SetBounds(10, 10, 120, 100);
    tree->SetParent(&form);
    tree->Font()->Assign(AddTree(form)->Font());
    for (int i = 0; i < 30; ++i)
        tree->Items()->Add(nullptr, "a rather long title number " + std::to_string(i));
    ShowActive(&form);
    Pump();
    EXPECT_FALSE(GetWindowLong(tree->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
    // The whole client area is the view's.
    EXPECT_EQ(tree->ClientWidth(), 116);
    EXPECT_EQ(tree->ClientHeight(), 96);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 29);
    EXPECT_EQ(info.nPage, 5u);
    EXPECT_EQ(SendMessage(tree->Handle(), TVM_GETVISIBLECOUNT, 0, 0), 5);
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_HORZ, &info));
    EXPECT_GT(info.nMax, 116);
    EXPECT_EQ(info.nPage, 116u);

    // Scroll messages from outside move the view and the information.
    SendMessage(tree->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(tree->TopItem()->Text(), "a rather long title number 5");
    EXPECT_EQ(ScrollPos(tree, SB_VERT), 5);
    SendMessage(tree->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(ScrollPos(tree, SB_VERT), 25);
    SendMessage(tree->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
    EXPECT_EQ(ScrollPos(tree, SB_HORZ), 30);
    EXPECT_EQ(tree->Items()->GetFirstNode()->DisplayRect(true).Left, 19 - 30);
    SendMessage(tree->Handle(), WM_HSCROLL, SB_LINELEFT, 0);
    EXPECT_EQ(ScrollPos(tree, SB_HORZ), 11);
    // A shorter title narrows the range, once no other row is as wide.
    const int wide = info.nMax;
    for (TTreeNode* node = tree->Items()->GetFirstNode(); node; node = node->getNextSibling())
        node->SetText(node->Text().substr(0, 10));
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_HORZ, &info));
    EXPECT_LT(info.nMax, wide);
    // A resize keeps them current and still shows no bar.
    tree->SetBounds(10, 10, 120, 300);
    Pump();
    EXPECT_FALSE(GetWindowLong(tree->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nPage, 16u);
    EXPECT_EQ(info.nPos, 14);
    // An empty tree has nothing to scroll.
    tree->Items()->Clear();
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 0);
    EXPECT_EQ(SendMessage(tree->Handle(), TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(TControlTest, TreeWindowClassAnswersItsMessagesBelowEverySubclass)
{
    TTestForm form;
    auto* tree = new TCountingTree(&form);
    tree->SetBounds(10, 10, 120, 100);
    tree->SetParent(&form);
    TImageList images(nullptr);
    TImageList states(nullptr);
    tree->SetImages(&images);
    tree->SetStateImages(&states);
    BuildThreeLevels(tree);
    ShowActive(&form);
    HWND window = tree->Handle();
    // The control's window class wraps the standard one.
    WNDCLASSEX wrapped;
    ASSERT_TRUE(GetClassInfoEx(WC_TREEVIEW, &wrapped));
    EXPECT_TRUE(static_cast<bool>(wrapped.lpfnWndProc));
    EXPECT_EQ(SendMessage(window, TVM_GETCOUNT, 0, 0), 8);
    EXPECT_EQ(tree->Asked, 1);
    EXPECT_EQ(SendMessage(window, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), reinterpret_cast<LRESULT>(&images));
    EXPECT_EQ(SendMessage(window, TVM_GETIMAGELIST, TVSIL_STATE, 0), reinterpret_cast<LRESULT>(&states));

    // A procedure put in front of the window's sees the message first and
    // reaches the tree through the one it replaced.
    countsSeen = 0;
    previousProc = SetWindowProc(window, WNDPROC(&FrontProc));
    EXPECT_EQ(SendMessage(window, TVM_GETCOUNT, 0, 0), 1008);
    EXPECT_EQ(countsSeen, 1);
    EXPECT_EQ(tree->Asked, 2);
    SetWindowProc(window, previousProc);
    // A subclass on top that keeps the scroll messages for itself stops them.
    for (int i = 0; i < 5; ++i)
        tree->Items()->Add(nullptr, "more");
    tree->SetBounds(10, 10, 120, 60);
    ASSERT_TRUE(SetWindowSubclass(window, WNDPROC(&KeepScrolls), 1));
    SendMessage(window, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(tree->TopItem()->Text(), "A");
    RemoveWindowSubclass(window, WNDPROC(&KeepScrolls), 1);
    SendMessage(window, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_NE(tree->TopItem()->Text(), "A");
    tree->SetImages(nullptr);
    tree->SetStateImages(nullptr);
}

}  // namespace

// The tree view's keyboard, mouse and type-ahead.
#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/win/clock.h"
#include "platform/win/cursor.h"
#include "platform/win/virtual_keys.h"

namespace {

// Rows a notch of the wheel scrolls.
constexpr int WheelRows = 3;

}  // namespace

void TCustomTreeView::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_F2:
        UserKey(Key);
        Key = 0;
        break;
    default:
        break;
    }
}

void TCustomTreeView::UserKey(WORD Key)
{
    const int count = RowCount();
    if (count == 0)
        return;
    TTreeNode* node = selected_;
    const int row = RowOf(node);
    const int page = std::max(VisibleCount() - 1, 1);
    switch (Key) {
    case VK_UP: UserSelect(NodeAtRow(row < 0 ? 0 : std::max(row - 1, 0))); break;
    case VK_DOWN: UserSelect(NodeAtRow(row < 0 ? 0 : std::min(row + 1, count - 1))); break;
    case VK_HOME: UserSelect(NodeAtRow(0)); break;
    case VK_END: UserSelect(NodeAtRow(count - 1)); break;
    case VK_PRIOR: UserSelect(NodeAtRow(std::max(row - page, 0))); break;
    case VK_NEXT: UserSelect(NodeAtRow(std::min(std::max(row, 0) + page, count - 1))); break;
    case VK_RIGHT:
        // Opens a closed node, then goes in.
        if (!node)
            UserSelect(NodeAtRow(0));
        else if (node->HasChildren() && !node->Expanded())
            node->SetExpanded(true);
        else if (node->getFirstChild() && node->Expanded())
            UserSelect(node->getFirstChild());
        break;
    case VK_LEFT:
        // Closes an open node, then goes up.
        if (!node)
            UserSelect(NodeAtRow(0));
        else if (node->HasChildren() && node->Expanded())
            node->SetExpanded(false);
        else if (node->Parent())
            UserSelect(node->Parent());
        break;
    case VK_F2:
        if (node)
            node->EditText();
        break;
    default:
        break;
    }
}

void TCustomTreeView::KeyPress(char& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == 0)
        return;
    // The three keys open, close and open all below the selected node.
    if (Key == '+' || Key == '-' || Key == '*') {
        if (TTreeNode* node = selected_) {
            if (Key == '+')
                node->SetExpanded(true);
            else if (Key == '-')
                node->SetExpanded(false);
            else
                node->Expand(true);
        }
        Key = 0;
        return;
    }
    if (!typeAhead_.Type(Key, GetTickCount()))
        return;
    if (TTreeNode* found = FindTyped())
        UserSelect(found);
    Key = 0;
}

TTreeNode* TCustomTreeView::FindTyped()
{
    const int count = RowCount();
    if (count == 0)
        return nullptr;
    const AnsiString& prefix = typeAhead_.Prefix();
    // One character goes on to the next match; a longer prefix may stay on
    // the selected node.
    const int current = std::max(RowOf(selected_), typeAhead_.FirstCharacter() ? -1 : 0);
    const int start = typeAhead_.FirstCharacter() ? current + 1 : current;
    for (int k = 0; k < count; ++k) {
        TTreeNode* node = rows_[(start + k) % count];
        const AnsiString& text = node->Text();
        // Both are compared from their first byte, so whole characters
        // line up; a trail byte never matches a typed letter.
        if (text.size() >= prefix.size() && CompareText(std::string_view(text).substr(0, prefix.size()), prefix) == 0)
            return node;
    }
    return nullptr;
}

void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    HideTip();
    if (editNode_)
        EndEdit(false);
    if (CanFocus() && !Focused())
        SetFocus();
    TTreeNode* node = GetNodeAt(X, Y);
    if (node) {
        const THitTests hit = GetHitTestInfoAt(X, Y);
        if (Button == mbLeft && hit.Contains(htOnButton))
            node->SetExpanded(!node->Expanded());
        else if ((Button == mbLeft || (Button == mbRight && RightClickSelect)) &&
                 (rowSelect_ || hit.Contains(htOnItem)))
            UserSelect(node);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::MouseMove(TShiftState Shift, int X, int Y)
{
    if (hotTrack_) {
        TTreeNode* node = GetHitTestInfoAt(X, Y).Contains(htOnItem) ? GetNodeAt(X, Y) : nullptr;
        if (node != hotNode_) {
            InvalidateNode(hotNode_);
            hotNode_ = node;
            InvalidateNode(hotNode_);
        }
    }
    TrackTip(X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomTreeView::DblClick()
{
    // A double click on a node opens or closes it, after the view's handler.
    TCustomControl::DblClick();
    TPoint point;
    GetCursorPos(&point);
    point = ScreenToClient(point);
    if (TTreeNode* node = GetNodeAt(point.X, point.Y))
        if (GetHitTestInfoAt(point.X, point.Y).Contains(htOnItem) && node == selected_)
            node->SetExpanded(!node->Expanded());
}

bool TCustomTreeView::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelDown(Shift, MousePos))
        SetTopRow(topRow_ + WheelRows);
    return true;
}

bool TCustomTreeView::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelUp(Shift, MousePos))
        SetTopRow(topRow_ - WheelRows);
    return true;
}

// TCustomTreeView's tips: a node whose text the view cuts off (at its right
// edge, or scrolled off at its left) shows the whole text in a tip laid
// exactly over the node's text while the mouse is on it.
#include "platform/ui/graphics/font.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/ui/kernel/screen.h"

void TCustomTreeView::SetToolTips(bool Value)
{
    toolTips_ = Value;
    if (!Value)
        HideTip();
}

void TCustomTreeView::TrackTip(int X, int Y)
{
    TTreeNode* node = nullptr;
    if (toolTips_ && !editNode_ && GetHitTestInfoAt(X, Y).Contains(htOnItem))
        node = GetNodeAt(X, Y);
    if (node == tipNode_)
        return;
    HideTip();
    if (!node)
        return;
    const TRect text = NodeRect(node, true);
    if (text.Left >= 0 && text.Right <= ClientWidth())
        return;  // seen whole
    if (!tip_)
        tip_ = std::make_unique<THintWindow>(nullptr);
    tip_->Font()->Assign(Font());
    TRect place = tip_->CalcHintRect(Screen->Width(), node->Text(), nullptr);
    const TPoint at = ClientToScreen(Point(text.Left, text.Top));
    OffsetRect(place, at.X, at.Y);
    tip_->ActivateHint(place, node->Text());
    tipNode_ = node;
}

void TCustomTreeView::HideTip()
{
    if (!tipNode_)
        return;
    tipNode_ = nullptr;
    if (tip_->HandleAllocated())
        tip_->ReleaseHandle();
}

void TCustomTreeView::HideTipOf(TTreeNode* Node)
{
    if (tipNode_ && (tipNode_ == Node || tipNode_->HasAsParent(Node)))
        HideTip();
}

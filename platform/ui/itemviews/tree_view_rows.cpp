// The tree view's visible rows: the flat index of shown nodes, rebuilt
// only when asked for after a change, the row geometry and scrolling.
#include <algorithm>
#include <optional>

#include "platform/gdi/device_context.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/graphics/text_metrics.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/itemviews/view_scrolling.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/scroll_window.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"

namespace {

// Space between the image and the text, and around the text in its box.
constexpr int ImageGap = 1;
constexpr int TextMargin = 2;

void AddRows(TTreeNode* Parent, std::vector<TTreeNode*>& Rows)
{
    for (int i = 0; i < Parent->Count(); ++i) {
        TTreeNode* node = Parent->Item(i);
        Rows.push_back(node);
        if (node->Expanded())
            AddRows(node, Rows);
    }
}

}  // namespace

void TCustomTreeView::RowsChanged()
{
    rowsDirty_ = true;
    if (items_->Updating())
        return;
    UpdateScrollBars();
    Invalidate();
}

void TCustomTreeView::UpdateRows()
{
    if (!rowsDirty_)
        return;
    rowsDirty_ = false;
    widthsDirty_ = true;
    rows_.clear();
    AddRows(items_->Root(), rows_);
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
        rows_[i]->row_ = i;
    topRow_ = std::clamp(topRow_, 0, MaxTopRow());
}

void TCustomTreeView::UpdateContentWidth()
{
    UpdateRows();
    if (!widthsDirty_)
        return;
    widthsDirty_ = false;
    // The DC is made only when some width is not known yet.
    std::optional<TMeasuringDC> measure;
    contentWidth_ = 0;
    for (TTreeNode* node : rows_) {
        if (node->textWidth_ < 0) {
            if (!measure)
                measure.emplace(Font());
            node->textWidth_ = measure->TextWidth(node->text_);
        }
        contentWidth_ = std::max(contentWidth_, TextLeft(node) + node->textWidth_ + 2 * TextMargin);
    }
}

void TCustomTreeView::ForgetTextWidths()
{
    for (TTreeNode* node = items_->GetFirstNode(); node; node = node->GetNext())
        node->textWidth_ = -1;
}

int TCustomTreeView::RowOf(const TTreeNode* Node)
{
    if (!Node)
        return -1;
    UpdateRows();
    const int row = Node->row_;
    if (row < 0 || row >= static_cast<int>(rows_.size()) || rows_[row] != Node)
        return -1;
    return row;
}

TTreeNode* TCustomTreeView::NodeAtRow(int Row)
{
    UpdateRows();
    if (Row < 0 || Row >= static_cast<int>(rows_.size()))
        return nullptr;
    return rows_[Row];
}

int TCustomTreeView::RowCount()
{
    UpdateRows();
    return static_cast<int>(rows_.size());
}

int TCustomTreeView::RowHeight()
{
    if (rowHeight_ == 0) {
        rowHeight_ = FontHeight(Font()) + 2;
        if (images_)
            rowHeight_ = std::max(rowHeight_, images_->Height());
        if (stateImages_)
            rowHeight_ = std::max(rowHeight_, stateImages_->Height());
    }
    return rowHeight_;
}

int TCustomTreeView::VisibleCount()
{
    return std::max(ClientHeight(), 0) / RowHeight();
}

int TCustomTreeView::MaxTopRow()
{
    return std::max(RowCount() - std::max(VisibleCount(), 1), 0);
}

void TCustomTreeView::SetTopRow(int Row)
{
    Row = std::clamp(Row, 0, MaxTopRow());
    if (Row == topRow_)
        return;
    const int by = topRow_ - Row;
    topRow_ = Row;
    HideTip();
    UpdateScrollBars();
    if (HandleAllocated() && std::abs(by) < VisibleCount())
        ScrollWindow(Handle(), 0, by * RowHeight(), nullptr, nullptr);
    else
        Invalidate();
}

void TCustomTreeView::SetScrollX(int X)
{
    UpdateContentWidth();
    X = std::clamp(X, 0, std::max(contentWidth_ - ClientWidth(), 0));
    if (X == scrollX_)
        return;
    scrollX_ = X;
    HideTip();
    UpdateScrollBars();
    Invalidate();
}

void TCustomTreeView::MakeRowVisible(int Row)
{
    if (Row < 0)
        return;
    if (Row < topRow_)
        SetTopRow(Row);
    else if (Row >= topRow_ + std::max(VisibleCount(), 1))
        SetTopRow(Row - std::max(VisibleCount(), 1) + 1);
}

TTreeNode* TCustomTreeView::TopItem()
{
    UpdateRows();
    return NodeAtRow(topRow_);
}

void TCustomTreeView::SetTopItem(TTreeNode* Value)
{
    const int row = RowOf(Value);
    if (row >= 0)
        SetTopRow(row);
}

int TCustomTreeView::TextLeft(const TTreeNode* Node)
{
    int columns = Node->Level() + ((showRoot_ && (showLines_ || showButtons_)) ? 1 : 0);
    int left = columns * indent_;
    if (stateImages_ && Node->stateIndex_ > 0)
        left += stateImages_->Width();
    if (images_)
        left += images_->Width() + ImageGap;
    return left;
}

int TCustomTreeView::TextWidth(TTreeNode* Node)
{
    if (Node->textWidth_ < 0)
        Node->textWidth_ = TMeasuringDC(Font()).TextWidth(Node->text_);
    return Node->textWidth_ + 2 * TextMargin;
}

TRect TCustomTreeView::NodeRect(TTreeNode* Node, bool TextOnly)
{
    const int row = RowOf(Node);
    if (row < 0)
        return TRect();
    const int top = (row - topRow_) * RowHeight();
    if (!TextOnly)
        return Rect(0, top, ClientWidth(), top + RowHeight());
    const int left = TextLeft(Node) - scrollX_;
    return Rect(left, top, left + TextWidth(Node), top + RowHeight());
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y)
{
    if (Y < 0 || X < 0 || X >= ClientWidth())
        return nullptr;
    return NodeAtRow(topRow_ + Y / RowHeight());
}

THitTests TCustomTreeView::GetHitTestInfoAt(int X, int Y)
{
    THitTests result;
    if (Y < 0)
        return result.Include(htAbove);
    if (Y >= ClientHeight())
        return result.Include(htBelow);
    if (X < 0)
        return result.Include(htToLeft);
    if (X >= ClientWidth())
        return result.Include(htToRight);
    TTreeNode* node = GetNodeAt(X, Y);
    if (!node)
        return result.Include(htNowhere);
    const int x = X + scrollX_;
    const int textLeft = TextLeft(node);
    const int level = node->Level() + ((showRoot_ && (showLines_ || showButtons_)) ? 1 : 0);
    const int lineColumn = level * indent_;
    if (x >= textLeft + TextWidth(node))
        return result.Include(htOnRight);
    if (x >= textLeft)
        return result.Include(htOnItem).Include(htOnLabel);
    if (x >= lineColumn) {
        const int stateWidth = stateImages_ && node->stateIndex_ > 0 ? stateImages_->Width() : 0;
        return result.Include(htOnItem).Include(x < lineColumn + stateWidth ? htOnStateIcon : htOnIcon);
    }
    // The button sits in the last indent column, when the node has one.
    if (level > 0 && x >= lineColumn - indent_ && showButtons_ && node->HasChildren())
        return result.Include(htOnButton);
    return result.Include(htOnIndent);
}

void TCustomTreeView::InvalidateNode(TTreeNode* Node)
{
    if (!HandleAllocated() || !Node || items_->Updating())
        return;
    TRect rect = NodeRect(Node, false);
    if (!IsRectEmpty(rect))
        InvalidateRect(Handle(), &rect, false);
}

void TCustomTreeView::UpdateScrollBars()
{
    if (!HandleAllocated() || items_->Updating() || settingBars_)
        return;
    UpdateContentWidth();
    settingBars_ = true;
    // A bar that comes or goes changes the client area, and with it the
    // page; the second round sets the page of the new area.
    for (int round = 0; round < 2; ++round) {
        const int rows = VisibleCount();
        const int width = ClientWidth();
        topRow_ = std::clamp(topRow_, 0, MaxTopRow());
        scrollX_ = std::clamp(scrollX_, 0, std::max(contentWidth_ - width, 0));
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = std::max(RowCount() - 1, 0);
        info.nPage = static_cast<UINT>(std::max(rows, 0));
        info.nPos = topRow_;
        SetScrollInfo(Handle(), SB_VERT, &info, true);
        info.nMax = std::max(contentWidth_ - 1, 0);
        info.nPage = static_cast<UINT>(std::max(width, 0));
        info.nPos = scrollX_;
        SetScrollInfo(Handle(), SB_HORZ, &info, true);
        wantedBars_.HideUnwanted(Handle());
        if (rows == VisibleCount() && width == ClientWidth())
            break;
        Invalidate();
    }
    settingBars_ = false;
}

void TCustomTreeView::ScrollMessage(int Bar, WORD Code, WORD Position)
{
    const bool vertical = Bar == SB_VERT;
    const TScrollSteps steps{vertical ? topRow_ : scrollX_, vertical ? 1 : std::max(indent_, 1),
                             vertical ? std::max(VisibleCount(), 1) : std::max(ClientWidth(), 1)};
    const std::optional<int> target = ScrollTarget(Handle(), Bar, Code, Position, steps, [&] {
        UpdateContentWidth();
        return vertical ? MaxTopRow() : contentWidth_;
    });
    if (!target)
        return;
    if (vertical)
        SetTopRow(*target);
    else
        SetScrollX(*target);
}

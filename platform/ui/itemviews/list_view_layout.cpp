// Where the list view's items go in each style, what lies under a point,
// the header's place and scrolling through the window's own bars.
#include <algorithm>

#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/itemviews/header_control.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/graphics/text_metrics.h"
#include "platform/ui/itemviews/view_scrolling.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/update_region.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"

namespace {

constexpr int TextMargin = 2;
constexpr int ImageGap = 2;
// The icon style's cell around an icon of 32 pixels.
constexpr int IconSide = 32;
constexpr int IconCellSpace = 43;

// What stands before a caption in the small styles: check box, state image
// and small image.
int LeadWidth(bool Checkboxes, TCustomImageList* State, TCustomImageList* Small)
{
    int lead = 0;
    if (Checkboxes)
        lead += FlatGlyphSize + ImageGap;
    if (State)
        lead += State->Width();
    if (Small)
        lead += Small->Width() + ImageGap;
    return lead;
}

}  // namespace

int TCustomListView::RowHeight()
{
    if (rowHeight_ == 0) {
        fontHeight_ = FontHeight(Font());
        rowHeight_ = fontHeight_ + 2;
        if (smallImages_)
            rowHeight_ = std::max(rowHeight_, smallImages_->Height());
        if (stateImages_)
            rowHeight_ = std::max(rowHeight_, stateImages_->Height());
        if (checkboxes_)
            rowHeight_ = std::max(rowHeight_, FlatGlyphSize + 2);
    }
    return rowHeight_;
}

int TCustomListView::HeaderHeight()
{
    RowHeight();
    return viewStyle_ == vsReport && showColumnHeaders_ ? fontHeight_ + 6 : 0;
}

int TCustomListView::ListColumnWidth()
{
    if (listColumnWidth_ == 0) {
        int widest = 0;
        // The program's items are not asked for just to measure them.
        if (!ownerData_) {
            TMeasuringDC measure(Font());
            for (int i = 0; i < items_->Count(); ++i)
                widest = std::max(widest, measure.TextWidth(items_->Item(i)->caption_));
        } else {
            widest = 100;
        }
        listColumnWidth_ = LeadWidth(checkboxes_, stateImages_, smallImages_) + widest + 4 * TextMargin;
    }
    return listColumnWidth_;
}

void TCustomListView::WidenListColumn(TListItem* Item)
{
    if (listColumnWidth_ == 0 || (viewStyle_ != vsList && viewStyle_ != vsSmallIcon))
        return;
    TMeasuringDC measure(Font());
    const int width =
        LeadWidth(checkboxes_, stateImages_, smallImages_) + measure.TextWidth(Item->caption_) + 4 * TextMargin;
    if (width > listColumnWidth_) {
        listColumnWidth_ = width;
        LayoutChanged();
    }
}

TCustomListView::TGrid TCustomListView::Grid()
{
    TGrid grid{};
    const int count = items_->Count();
    const int width = std::max(ClientWidth(), 0);
    const int height = std::max(ClientHeight(), 0);
    grid.CellHeight = RowHeight();
    switch (viewStyle_) {
    case vsReport:
        grid.Top = HeaderHeight();
        grid.CellWidth = columns_->TotalWidth();
        grid.PerLine = 1;
        grid.Lines = count;
        grid.Page = std::max(height - grid.Top, 0) / grid.CellHeight;
        break;
    case vsList:
        grid.CellWidth = ListColumnWidth();
        grid.PerLine = std::max(height / grid.CellHeight, 1);
        grid.Lines = (count + grid.PerLine - 1) / grid.PerLine;
        grid.Page = width / grid.CellWidth;
        break;
    case vsSmallIcon:
        grid.CellWidth = ListColumnWidth();
        grid.PerLine = std::max(width / grid.CellWidth, 1);
        grid.Lines = (count + grid.PerLine - 1) / grid.PerLine;
        grid.Page = height / grid.CellHeight;
        break;
    case vsIcon: {
        const int side = largeImages_ ? largeImages_->Width() : IconSide;
        grid.CellWidth = side + IconCellSpace;
        grid.CellHeight = (largeImages_ ? largeImages_->Height() : IconSide) + 2 * ImageGap + RowHeight() + 2;
        grid.PerLine = std::max(width / grid.CellWidth, 1);
        grid.Lines = (count + grid.PerLine - 1) / grid.PerLine;
        grid.Page = height / grid.CellHeight;
        break;
    }
    }
    return grid;
}

int TCustomListView::ContentWidth(const TGrid& Grid)
{
    switch (viewStyle_) {
    case vsReport: return columns_->TotalWidth();
    case vsList: return 0;
    default:
        // A line of icons fits the view unless a single cell is wider
        // than the view: that one reaches past it.
        return std::min(items_->Count(), Grid.PerLine) * Grid.CellWidth;
    }
}

TRect TCustomListView::ItemRect(int Index, TDisplayCode Code)
{
    if (Index < 0 || Index >= items_->Count())
        return TRect();
    const TGrid grid = Grid();
    int x = 0;
    int y = 0;
    if (viewStyle_ == vsReport) {
        x = -scrollX_;
        y = grid.Top + (Index - topLine_) * grid.CellHeight;
    } else if (viewStyle_ == vsList) {
        x = (Index / grid.PerLine - topLine_) * grid.CellWidth;
        y = (Index % grid.PerLine) * grid.CellHeight;
    } else {
        x = (Index % grid.PerLine) * grid.CellWidth - scrollX_;
        y = grid.Top + (Index / grid.PerLine - topLine_) * grid.CellHeight;
    }
    if (viewStyle_ == vsIcon) {
        const int imageWidth = largeImages_ ? largeImages_->Width() : IconSide;
        const int imageHeight = largeImages_ ? largeImages_->Height() : IconSide;
        const TRect icon = Rect(x + (grid.CellWidth - imageWidth) / 2, y + ImageGap,
                                x + (grid.CellWidth + imageWidth) / 2, y + ImageGap + imageHeight);
        const TRect label = Rect(x, icon.Bottom + ImageGap, x + grid.CellWidth, y + grid.CellHeight);
        switch (Code) {
        case drIcon: return icon;
        case drLabel: return label;
        default: return Rect(x, y, x + grid.CellWidth, y + grid.CellHeight);
        }
    }
    const int cellWidth = viewStyle_ == vsReport
                              ? (columns_->Count() > 0 ? columns_->Item(0)->WidthShown() : 0)
                              : grid.CellWidth;
    const TRect bounds = Rect(x, y, x + (viewStyle_ == vsReport ? grid.CellWidth : cellWidth), y + grid.CellHeight);
    // The caption's column need not be the first one shown.
    const int lead = x + (viewStyle_ == vsReport && columns_->Count() > 0 ? columns_->LeftOf(0) : 0);
    const int checkWidth = checkboxes_ ? FlatGlyphSize + ImageGap : 0;
    const int iconLeft = lead + checkWidth;
    const int textLeft = lead + LeadWidth(checkboxes_, stateImages_, smallImages_);
    const TRect icon = Rect(iconLeft, y, textLeft, y + grid.CellHeight);
    TRect label = Rect(textLeft, y, lead + cellWidth, y + grid.CellHeight);
    if (viewStyle_ != vsReport) {
        TMeasuringDC measure(Font());
        label.Right = std::min(label.Right, textLeft + measure.TextWidth(ItemAt(Index)->caption_) + 2 * TextMargin);
    }
    switch (Code) {
    case drIcon: return icon;
    case drLabel: return label;
    case drSelectBounds:
        return rowSelect_ && viewStyle_ == vsReport ? bounds : Rect(iconLeft, y, label.Right, y + grid.CellHeight);
    default: return bounds;
    }
}

int TCustomListView::IndexAt(int X, int Y)
{
    const TGrid grid = Grid();
    if (X < 0 || Y < grid.Top || X >= ClientWidth() || Y >= ClientHeight())
        return -1;
    int index = -1;
    if (viewStyle_ == vsReport) {
        if (X + scrollX_ >= grid.CellWidth)
            return -1;
        index = topLine_ + (Y - grid.Top) / grid.CellHeight;
    } else if (viewStyle_ == vsList) {
        const int row = Y / grid.CellHeight;
        if (row >= grid.PerLine)
            return -1;
        index = (topLine_ + X / grid.CellWidth) * grid.PerLine + row;
    } else {
        const int column = (X + scrollX_) / grid.CellWidth;
        if (column >= grid.PerLine)
            return -1;
        index = (topLine_ + (Y - grid.Top) / grid.CellHeight) * grid.PerLine + column;
    }
    return index < items_->Count() ? index : -1;
}

TListItem* TCustomListView::GetItemAt(int X, int Y)
{
    const int index = IndexAt(X, Y);
    if (index < 0)
        return nullptr;
    // Outside the report, only the icon and caption are the item.
    if (viewStyle_ != vsReport || !rowSelect_) {
        TRect r = ItemRect(index, drSelectBounds);
        if (viewStyle_ == vsIcon)
            r = ItemRect(index, drBounds);
        if (X < r.Left || X >= r.Right)
            return nullptr;
    }
    return ItemAt(index);
}

int TCustomListView::VisibleRowCount()
{
    const TGrid grid = Grid();
    return viewStyle_ == vsList ? grid.PerLine : grid.Page;
}

int TCustomListView::TopIndex()
{
    const TGrid grid = Grid();
    return std::min(topLine_ * grid.PerLine, std::max(items_->Count() - 1, 0));
}

TListItem* TCustomListView::TopItem()
{
    return ItemAt(items_->Count() > 0 ? TopIndex() : -1);
}

int TCustomListView::MaxTopLine()
{
    const TGrid grid = Grid();
    return std::max(grid.Lines - std::max(grid.Page, 1), 0);
}

void TCustomListView::SetTopLine(int Line)
{
    Line = std::clamp(Line, 0, MaxTopLine());
    if (Line == topLine_)
        return;
    topLine_ = Line;
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::SetScrollX(int X)
{
    X = std::clamp(X, 0, std::max(ContentWidth(Grid()) - ClientWidth(), 0));
    if (X == scrollX_)
        return;
    scrollX_ = X;
    UpdateScrollBars();
    PlaceHeader();
    Invalidate();
}

void TCustomListView::Scroll(int DX, int DY)
{
    const TGrid grid = Grid();
    if (viewStyle_ == vsList) {
        SetTopLine(topLine_ + DX / grid.CellWidth);
    } else {
        SetScrollX(scrollX_ + DX);
        SetTopLine(topLine_ + DY / grid.CellHeight);
    }
}

void TCustomListView::MakeIndexVisible(int Index)
{
    if (Index < 0 || Index >= items_->Count())
        return;
    const TGrid grid = Grid();
    const int line = Index / grid.PerLine;
    const int page = std::max(grid.Page, 1);
    if (line < topLine_)
        SetTopLine(line);
    else if (line >= topLine_ + page)
        SetTopLine(line - page + 1);
}

void TCustomListView::PlaceHeader()
{
    if (!HandleAllocated())
        return;
    const bool shown = viewStyle_ == vsReport && showColumnHeaders_;
    if (shown)
        header_->SetBounds(-scrollX_, 0, std::max(columns_->TotalWidth(), ClientWidth() + scrollX_), HeaderHeight());
    header_->SetVisible(shown);
    if (shown)
        header_->Invalidate();
}

void TCustomListView::LayoutChanged()
{
    if (items_->Updating())
        return;
    UpdateScrollBars();
    PlaceHeader();
    Invalidate();
}

void TCustomListView::InvalidateIndex(int Index)
{
    if (!HandleAllocated() || Index < 0 || items_->Updating())
        return;
    TRect rect = ItemRect(Index, drBounds);
    if (viewStyle_ == vsReport)
        rect.Left = 0, rect.Right = ClientWidth();
    // Items out of view have nothing to repaint.
    if (rect.Bottom > 0 && rect.Top < ClientHeight() && rect.Right > 0 && rect.Left < ClientWidth())
        InvalidateRect(Handle(), &rect, false);
}

void TCustomListView::CountChanged(int From)
{
    if (!HandleAllocated() || items_->Updating())
        return;
    UpdateScrollBars();
    // The items from From on moved; only those in view are drawn again.
    const TGrid grid = Grid();
    if (From <= (topLine_ + grid.Page + 1) * grid.PerLine)
        Invalidate();
}

void TCustomListView::UpdateScrollBars()
{
    if (!HandleAllocated() || items_->Updating() || settingBars_)
        return;
    settingBars_ = true;
    // A bar that comes or goes changes the client area, and with it the
    // page; the second round sets the page of the new area.
    for (int round = 0; round < 2; ++round) {
        const int width = ClientWidth();
        const int height = ClientHeight();
        const TGrid grid = Grid();
        topLine_ = std::clamp(topLine_, 0, MaxTopLine());
        SCROLLINFO lines;
        lines.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        lines.nMax = std::max(grid.Lines - 1, 0);
        lines.nPage = static_cast<UINT>(std::max(grid.Page, 0));
        lines.nPos = topLine_;
        SCROLLINFO none;
        none.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        none.nPage = 1;
        SCROLLINFO pixels = none;
        const bool across = viewStyle_ == vsList;
        if (!across) {
            const int content = ContentWidth(grid);
            scrollX_ = std::clamp(scrollX_, 0, std::max(content - width, 0));
            pixels.nMax = std::max(content - 1, 0);
            pixels.nPage = static_cast<UINT>(std::max(width, 0));
            pixels.nPos = scrollX_;
        }
        // The bars are drawn with the next paint, not once for each item
        // a program adds.
        SetScrollInfo(Handle(), SB_VERT, across ? &none : &lines, false);
        SetScrollInfo(Handle(), SB_HORZ, across ? &lines : &pixels, false);
        if (!framePending_)
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        framePending_ = true;
        wantedBars_.HideUnwanted(Handle());
        if (width == ClientWidth() && height == ClientHeight())
            break;
        Invalidate();
    }
    settingBars_ = false;
}

void TCustomListView::ScrollMessage(int Bar, WORD Code, WORD Position)
{
    // The list style moves by columns across; the others by lines down and
    // by pixels across.
    const bool byLines = Bar == SB_VERT || viewStyle_ == vsList;
    if (Bar == SB_VERT && viewStyle_ == vsList)
        return;
    const TGrid grid = Grid();
    const TScrollSteps steps{byLines ? topLine_ : scrollX_, byLines ? 1 : RowHeight(),
                             byLines ? std::max(grid.Page, 1) : std::max(ClientWidth(), 1)};
    const std::optional<int> target = ScrollTarget(Handle(), Bar, Code, Position, steps,
                                                   [&] { return byLines ? MaxTopLine() : ContentWidth(grid); });
    if (!target)
        return;
    if (byLines)
        SetTopLine(*target);
    else
        SetScrollX(*target);
}

// Painting the list view: the items shown in the view's style, with check
// boxes, images, captions cut with "..." and the report's further columns
// and grid, through the owner and custom drawing events.
#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/textedit/in_place_edit_box.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/view_item_drawing.h"

namespace {

constexpr int PaintTextMargin = 2;
constexpr int PaintImageGap = 2;
constexpr unsigned TextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

unsigned AlignFormat(TAlignment Alignment)
{
    return Alignment == taRightJustify ? DT_RIGHT : Alignment == taCenter ? DT_CENTER : DT_LEFT;
}

}  // namespace

TCustomDrawState TCustomListView::StateOf(int Index)
{
    TViewItemLook look;
    look.Selected = IndexSelected(Index);
    // With no focused item the focus shows on the first one, where the
    // arrow keys start.
    look.FocusItem = Index == (focusIndex_ < 0 ? 0 : focusIndex_);
    look.Hot = hotTrack_ && Index == hotIndex_;
    look.ViewFocused = Focused() || (editBox_ && editBox_->Focused());
    look.HideSelection = hideSelection_;
    look.Enabled = Enabled();
    return ItemDrawState(look);
}

void TCustomListView::Paint()
{
    framePending_ = false;
    TCanvas* canvas = Canvas();
    const TGrid grid = Grid();
    FlatFill(canvas, Rect(0, grid.Top, ClientWidth(), ClientHeight()), Color());
    // The lines (list columns) shown, the last perhaps in part.
    const int across = viewStyle_ == vsList ? ClientWidth() : ClientHeight() - grid.Top;
    const int step = viewStyle_ == vsList ? grid.CellWidth : grid.CellHeight;
    const int shown = std::max((across + step - 1) / step, 0);
    const int first = topLine_ * grid.PerLine;
    const int last = std::min((topLine_ + shown) * grid.PerLine, items_->Count());
    for (int i = first; i < last; ++i)
        PaintItem(i);
    // An empty view shows that it has the focus where its first item
    // would be.
    if (items_->Count() == 0 && Focused())
        DrawFlatFocusRect(canvas, Rect(0, grid.Top, viewStyle_ == vsReport ? ClientWidth() : grid.CellWidth,
                                       grid.Top + grid.CellHeight));
    if (viewStyle_ != vsReport || !gridLines_)
        return;
    // The grid: a line under every row and at the right of every column.
    const int bottom = grid.Top + (last - first) * grid.CellHeight;
    for (int y = grid.Top + grid.CellHeight - 1; y < bottom; y += grid.CellHeight)
        FlatFill(canvas, Rect(0, y, ClientWidth(), y + 1), clBtnFace);
    for (int i = 0; i < columns_->Count(); ++i) {
        const int x = columns_->RightOf(i) - scrollX_ - 1;
        FlatFill(canvas, Rect(x, grid.Top, x + 1, ClientHeight()), clBtnFace);
    }
}

void TCustomListView::PaintItem(int Index)
{
    TListItem* item = ItemAt(Index);
    const TCustomDrawState state = StateOf(Index);
    TCanvas* canvas = Canvas();
    // The handlers start from the colours the item is drawn with, and the
    // default drawing uses what they leave.
    PrepareItemCanvas(canvas, Font(), Color(), state, Focused() || (editBox_ && editBox_->Focused()));
    if (viewStyle_ == vsReport && OwnerDraw) {
        if (OnDrawItem) {
            TOwnerDrawState drawState;
            if (state.Contains(cdsSelected))
                drawState.Include(odSelected);
            if (state.Contains(cdsFocused))
                drawState.Include(odFocused);
            OnDrawItem(this, item, ItemRect(Index, drBounds), drawState);
        }
        return;
    }
    bool defaultDraw = true;
    if (OnCustomDrawItem)
        OnCustomDrawItem(this, item, state, defaultDraw);
    // The handler may have asked for other items; this one is filled again.
    item = ItemAt(Index);
    if (!defaultDraw || !item)
        return;
    if (viewStyle_ == vsReport)
        PaintReportItem(item, Index, ItemRect(Index, drBounds), state);
    else
        PaintIconItem(item, Index);
    if (state.Contains(cdsFocused) && editIndex_ != Index)
        DrawFlatFocusRect(canvas, viewStyle_ == vsIcon ? ItemRect(Index, drLabel) : ItemRect(Index, drSelectBounds));
}

void TCustomListView::PaintIconItem(TListItem* Item, int Index)
{
    TCanvas* canvas = Canvas();
    const TColor textBrush = canvas->Brush()->Color();
    const TRect icon = ItemRect(Index, drIcon);
    TRect label = ItemRect(Index, drLabel);
    if (viewStyle_ == vsIcon) {
        if (largeImages_)
            largeImages_->Draw(canvas, icon.Left, icon.Top, Item->imageIndex_, Enabled());
    } else {
        PaintItemLead(Item, icon.Left, icon.Top + icon.Height() / 2);
    }
    if (textBrush != Color())
        FlatFill(canvas, label, textBrush);
    canvas->Brush()->SetStyle(bsClear);
    label.Left += PaintTextMargin;
    label.Right -= PaintTextMargin;
    canvas->TextRect(label, Item->caption_, TextFormat | (viewStyle_ == vsIcon ? DT_CENTER : DT_LEFT));
    canvas->Brush()->SetStyle(bsSolid);
}

void TCustomListView::PaintItemLead(TListItem* Item, int Left, int Middle)
{
    TCanvas* canvas = Canvas();
    int x = Left;
    if (checkboxes_) {
        x -= FlatGlyphSize + PaintImageGap;
        const TRect box =
            Rect(x, Middle - FlatGlyphSize / 2, x + FlatGlyphSize, Middle - FlatGlyphSize / 2 + FlatGlyphSize);
        TFlatState look;
        look.Disabled = !Enabled();
        DrawFlatCheckGlyph(canvas, box, Item->checked_ ? cbChecked : cbUnchecked, look);
        x += FlatGlyphSize + PaintImageGap;
    }
    if (stateImages_) {
        if (Item->stateIndex_ >= 0)
            stateImages_->Draw(canvas, x, Middle - stateImages_->Height() / 2, Item->stateIndex_, Enabled());
        x += stateImages_->Width();
    }
    if (smallImages_)
        smallImages_->Draw(canvas, x, Middle - smallImages_->Height() / 2, Item->imageIndex_, Enabled());
}

void TCustomListView::PaintReportItem(TListItem* Item, int Index, const TRect& Row, TCustomDrawState State)
{
    TCanvas* canvas = Canvas();
    const TColor itemBrush = canvas->Brush()->Color();
    const TColor itemFont = canvas->Font()->Color();
    if (rowSelect_ && itemBrush != Color())
        FlatFill(canvas, Row, itemBrush);
    // The caption's column: check box, images and the caption.
    const TRect icon = ItemRect(Index, drIcon);
    PaintItemLead(Item, icon.Left, Row.Top + Row.Height() / 2);
    if (columns_->Count() == 0)
        return;
    TRect label = ItemRect(Index, drLabel);
    if (!rowSelect_ && itemBrush != Color())
        FlatFill(canvas, label, itemBrush);
    canvas->Brush()->SetStyle(bsClear);
    TRect text = Rect(label.Left + PaintTextMargin, Row.Top, label.Right - PaintTextMargin, Row.Bottom);
    canvas->TextRect(text, Item->caption_, TextFormat | AlignFormat(columns_->Item(0)->Alignment()));
    // The further columns: the sub-items, each where its column is now.
    for (int column = 1; column < columns_->Count(); ++column) {
        const int left = columns_->LeftOf(column) - scrollX_;
        const int right = left + columns_->Item(column)->WidthShown();
        if (right <= 0 || left >= ClientWidth())
            continue;
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(rowSelect_ ? itemBrush : Color());
        canvas->Font()->SetColor(rowSelect_ ? itemFont : (Enabled() ? clWindowText : clGrayText));
        bool defaultDraw = true;
        if (OnCustomDrawSubItem)
            OnCustomDrawSubItem(this, Item, column, State, defaultDraw);
        Item = ItemAt(Index);
        if (!Item)
            return;
        if (!defaultDraw)
            continue;
        if (canvas->Brush()->Color() != (rowSelect_ ? itemBrush : Color()))
            FlatFill(canvas, Rect(left, Row.Top, right, Row.Bottom), canvas->Brush()->Color());
        if (column - 1 >= Item->subItems_->Count())
            continue;
        canvas->Brush()->SetStyle(bsClear);
        TRect sub = Rect(left + 2 * PaintTextMargin, Row.Top, right - 2 * PaintTextMargin, Row.Bottom);
        canvas->TextRect(sub, Item->subItems_->Strings(column - 1),
                         TextFormat | AlignFormat(columns_->Item(column)->Alignment()));
    }
    canvas->Brush()->SetStyle(bsSolid);
}

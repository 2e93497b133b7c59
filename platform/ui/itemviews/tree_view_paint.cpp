// Painting the tree view: each shown row with its lines, button, images
// and text, through the custom drawing events.
#include "platform/gdi/colors.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/drawing.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/textedit/in_place_edit_box.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/itemviews/view_item_drawing.h"

namespace {

// The side of an expand button; odd, so that its sign has a middle.
constexpr int ButtonSize = 9;
constexpr int TreeTextMargin = 2;

// Every other pixel from (X1, Y1) to (X2, Y2), a horizontal or vertical
// line; the dots keep their places on the grid whatever the scrolling.
void DottedLine(HDC DC, int X1, int Y1, int X2, int Y2, COLORREF Color)
{
    if (Y1 == Y2) {
        for (int x = X1 + ((X1 + Y1) & 1); x < X2; x += 2)
            SetPixel(DC, x, Y1, Color);
    } else {
        for (int y = Y1 + ((X1 + Y1) & 1); y < Y2; y += 2)
            SetPixel(DC, X1, y, Color);
    }
}

}  // namespace

void TCustomTreeView::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    UpdateRows();
    const int height = RowHeight();
    int y = 0;
    for (int row = topRow_; row < static_cast<int>(rows_.size()) && y < client.Bottom; ++row, y += height)
        PaintRow(rows_[row], Rect(0, y, client.Right, y + height));
    if (y < client.Bottom)
        FlatFill(canvas, Rect(0, y, client.Right, client.Bottom), Color());
}

void TCustomTreeView::PaintRow(TTreeNode* Node, const TRect& Row)
{
    TCanvas* canvas = Canvas();
    TViewItemLook look;
    look.Selected = Node == selected_;
    // With nothing selected the focus shows on the first row, where the
    // arrow keys start.
    look.FocusItem = Node == (selected_ ? selected_ : items_->GetFirstNode());
    look.Hot = hotTrack_ && Node == hotNode_;
    look.ViewFocused = Focused() || (editBox_ && editBox_->Focused());
    look.HideSelection = hideSelection_;
    look.Enabled = Enabled();
    const TCustomDrawState state = ItemDrawState(look);
    const bool selected = state.Contains(cdsSelected);

    FlatFill(canvas, Row, Color());
    // The handlers start from the colours the node is drawn with, and the
    // default drawing uses what they leave.
    PrepareItemCanvas(canvas, Font(), Color(), state, look.ViewFocused);
    // A hot node is underlined as well.
    if (!selected && Enabled() && state.Contains(cdsHot))
        canvas->Font()->SetStyle(TFontStyles(canvas->Font()->Style()).Include(fsUnderline));
    bool defaultDraw = true;
    bool paintImages = true;
    if (OnCustomDrawItem)
        OnCustomDrawItem(this, Node, state, defaultDraw);
    if (defaultDraw && OnAdvancedCustomDrawItem)
        OnAdvancedCustomDrawItem(this, Node, state, cdPrePaint, paintImages, defaultDraw);
    if (!defaultDraw)
        return;

    const int left = TextLeft(Node) - scrollX_;
    PaintLinesAndButton(Node, Row);
    if (paintImages) {
        int x = (Node->Level() + ((showRoot_ && (showLines_ || showButtons_)) ? 1 : 0)) * indent_ - scrollX_;
        if (stateImages_ && Node->stateIndex_ > 0) {
            stateImages_->Draw(canvas, x, Row.Top + (Row.Height() - stateImages_->Height()) / 2, Node->stateIndex_);
            x += stateImages_->Width();
        }
        if (images_) {
            if (OnGetImageIndex)
                OnGetImageIndex(this, Node);
            if (OnGetSelectedIndex)
                OnGetSelectedIndex(this, Node);
            const int image = Node == selected_ ? Node->selectedIndex_ : Node->imageIndex_;
            images_->Draw(canvas, x, Row.Top + (Row.Height() - images_->Height()) / 2, image, Enabled());
        }
    }
    TRect text = Rect(left, Row.Top, left + TextWidth(Node), Row.Bottom);
    if (rowSelect_)
        text = Rect(Row.Left, Row.Top, Row.Right, Row.Bottom);
    // A view without a horizontal bar cuts long text with "...".
    const bool cut = !wantedBars_.Horizontal && text.Right > Row.Right;
    if (cut)
        text.Right = Row.Right;
    if (canvas->Brush()->Color() != Color())
        canvas->FillRect(text);
    canvas->Brush()->SetStyle(bsClear);
    TRect inner = Rect(left + TreeTextMargin, Row.Top, text.Right - (rowSelect_ ? 0 : TreeTextMargin), Row.Bottom);
    canvas->TextRect(inner, Node->text_,
                     DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (cut ? DT_END_ELLIPSIS : 0u));
    if (state.Contains(cdsFocused) && !(editBox_ && editNode_ == Node))
        DrawFlatFocusRect(canvas, text);
    if (OnAdvancedCustomDrawItem) {
        bool ignored = true;
        OnAdvancedCustomDrawItem(this, Node, state, cdPostPaint, paintImages, ignored);
    }
}

void TCustomTreeView::PaintLinesAndButton(TTreeNode* Node, const TRect& Row)
{
    const int rootColumns = (showRoot_ && (showLines_ || showButtons_)) ? 1 : 0;
    const int column = Node->Level() + rootColumns - 1;
    if (column < 0)
        return;
    HDC dc = Canvas()->Handle();
    const int middle = Row.Top + Row.Height() / 2;
    auto lineX = [&](int Column) { return Column * indent_ + indent_ / 2 - scrollX_; };
    const int x = lineX(column);
    if (showLines_) {
        const COLORREF gray = ColorToRGB(clGray);
        DottedLine(dc, x, middle, (column + 1) * indent_ - scrollX_, middle, gray);
        const bool first = !Node->Parent() && Node->Index() == 0;
        if (!first)
            DottedLine(dc, x, Row.Top, x, middle, gray);
        if (Node->getNextSibling())
            DottedLine(dc, x, middle, x, Row.Bottom, gray);
        int ancestorColumn = column - 1;
        for (TTreeNode* p = Node->Parent(); p && ancestorColumn >= 0; p = p->Parent(), --ancestorColumn)
            if (p->getNextSibling())
                DottedLine(dc, lineX(ancestorColumn), Row.Top, lineX(ancestorColumn), Row.Bottom, gray);
    }
    if (showButtons_ && Node->HasChildren()) {
        // The button has colours of its own; the text after it keeps the
        // brush the handlers left.
        TCanvas* canvas = Canvas();
        const TColor brush = canvas->Brush()->Color();
        const TRect box = Rect(x - ButtonSize / 2, middle - ButtonSize / 2, x + ButtonSize / 2 + 1,
                               middle + ButtonSize / 2 + 1);
        FlatFill(canvas, box, clWindow);
        TRect frame = box;
        canvas->Brush()->SetColor(clGray);
        canvas->FrameRect(frame);
        FlatFill(canvas, Rect(box.Left + 2, middle, box.Right - 2, middle + 1), clWindowText);
        if (!Node->expanded_)
            FlatFill(canvas, Rect(x, box.Top + 2, x + 1, box.Bottom - 2), clWindowText);
        canvas->Brush()->SetColor(brush);
        canvas->Brush()->SetStyle(bsSolid);
    }
}

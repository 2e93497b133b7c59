// The skinned tree view's own item drawing (DrawSkin): the row in the skin's
// colours, fading lines and skinned expand buttons, the node image, and the
// selected node on the item description's image.
#include <algorithm>

#include "platform/gdi/colors.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/drawing.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_controls_edits.h"
#include "skin/data/bs_skin_data.h"

int FadingLineAlpha(int Length, int Pixel)
{
    const int half = Length / 2;
    if (half < 1 || Pixel < half)
        return 255;
    // round(255 / half), halves to the even neighbour.
    int step = 255 / half;
    const int rest = 255 % half;
    if (2 * rest > half || (2 * rest == half && step % 2 == 1))
        ++step;
    return std::max(255 - step * (Pixel - half + 1), 0);
}

namespace {

// Channel-wise Alpha / 255 of Over on Under.
COLORREF Blend(COLORREF Under, COLORREF Over, int Alpha)
{
    auto channel = [&](int Shift) {
        const int u = (Under >> Shift) & 0xFF;
        const int o = (Over >> Shift) & 0xFF;
        return static_cast<COLORREF>((o * Alpha + u * (255 - Alpha)) / 255) << Shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void FadingLine(HDC DC, int X, int Y, int Length, TColor Color)
{
    const COLORREF colour = ColorToRGB(Color);
    for (int i = 0; i < Length; ++i) {
        const int alpha = FadingLineAlpha(Length, i);
        SetPixel(DC, X + i, Y, alpha == 255 ? colour : Blend(GetPixel(DC, X + i, Y), colour, alpha));
    }
}

void VerticalLine(TCanvas* Canvas, int X, int Top, int Bottom, TColor Color)
{
    if (Bottom <= Top)
        return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect(X, Top, X + 1, Bottom));
}

// The selected node's item description, when the skin has one of its class
// with a picture to draw from.
TbsDataSkinListBox* ItemDescription(TbsSkinData* Data, const AnsiString& Name)
{
    if (!Data || Data->Empty)
        return nullptr;
    const int index = Data->FindControlDescription(Name);
    if (index < 0 || index >= static_cast<int>(Data->ControlList.size()))
        return nullptr;
    return dynamic_cast<TbsDataSkinListBox*>(Data->ControlList[index].get());
}

}  // namespace

void TbsSkinCustomTreeView::AdvancedDrawItem(TObject* /*Sender*/, TTreeNode* Node, TCustomDrawState State,
                                             TCustomDrawStage Stage, bool& /*PaintImages*/, bool& DefaultDraw)
{
    if (Stage != cdPrePaint || !ItemDescription(skinData_, ItemSkinDataName))
        return;
    DefaultDraw = false;
    TCanvas* canvas = Canvas();
    const int scrollX = ViewScrollInfo(Handle(), SB_HORZ).nPos;
    const TRect row = Node->DisplayRect(false);
    const TRect text = Node->DisplayRect(true);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(row);
    canvas->FillRect(text);
    canvas->Brush()->SetStyle(bsClear);

    const int level = Node->Level() - (ShowRoot() ? 0 : 1);
    int x = row.Left - scrollX + level * Indent();
    DrawLinesAndButton(canvas, Node, x, row);
    // The image stands in the column before the text.
    x += Indent();
    if (Images()) {
        const int image = Node->Selected() ? Node->SelectedIndex() : Node->ImageIndex();
        Images()->Draw(canvas, x, row.Top + (row.Height() - Images()->Height()) / 2, image, Enabled());
    }
    canvas->Font()->Assign(Font());
    if (State.Contains(cdsSelected)) {
        DrawSelectedText(canvas, Node, text);
    } else {
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(text.Left + 2, text.Top + 1, Node->Text());
        if (State.Contains(cdsFocused))
            DrawFlatFocusRect(canvas, text);
    }
    canvas->Brush()->SetStyle(bsSolid);
}

void TbsSkinCustomTreeView::DrawSelectedText(TCanvas* Canvas, TTreeNode* Node, const TRect& Text)
{
    TbsDataSkinListBox* item = ItemDescription(skinData_, ItemSkinDataName);
    const bool focused = Focused();
    const TRect source = focused ? item->FocusItemRect : item->ActiveItemRect;
    const int pictures = static_cast<int>(skinData_->ActivePictures.size());
    if (Text.Width() < 1 || Text.Height() < 1)
        return;
    TBitmap image;
    image.SetSize(Text.Width(), Text.Height());
    image.Canvas()->Brush()->SetColor(Color());
    image.Canvas()->FillRect(Rect(0, 0, Text.Width(), Text.Height()));
    if (!IsNullRect(source) && item->PictureIndex >= 0 && item->PictureIndex < pictures)
        CreateSkinImageByOffsets(&image, skinData_->ActivePictures[item->PictureIndex].get(), source,
                                 item->ItemTextRect, true);
    TCanvas* canvas = image.Canvas();
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(focused ? item->FocusFontColor : item->ActiveFontColor);
    canvas->Brush()->SetStyle(bsClear);
    TRect r = Rect(2, 0, Text.Width(), Text.Height());
    canvas->TextRect(r, Node->Text(), DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    Canvas->Draw(Text.Left, Text.Top, &image);
}

void TbsSkinCustomTreeView::DrawLinesAndButton(TCanvas* Canvas, TTreeNode* Node, int X, const TRect& Row)
{
    const int centreY = Row.Top + Row.Height() / 2;
    const int lineX = X + Indent() / 2 - 1;
    const bool hasButton = ShowButtons() && Node->HasChildren();
    if (ShowLines()) {
        const int start = Node->HasChildren() ? lineX + ButtonHalfSize() + 1 : lineX;
        const int length = X + Indent() - start;
        if (length > 0)
            FadingLine(Canvas->Handle(), start, centreY, length, lineColor_);
        if (Node != Items()->GetFirstNode())
            VerticalLine(Canvas, lineX, Row.Top, centreY, lineColor_);
        const TTreeNode* next = Node->GetNextVisible();
        if (Node->getNextSibling() || (next && next->Level() == Node->Level()))
            VerticalLine(Canvas, lineX, centreY, Row.Bottom, lineColor_);
        int ancestorX = lineX - Indent();
        for (TTreeNode* p = Node->Parent(); p; p = p->Parent(), ancestorX -= Indent())
            if (p->getNextSibling())
                VerticalLine(Canvas, ancestorX, Row.Top, Row.Bottom, lineColor_);
    }
    if (hasButton)
        DrawButton(Canvas, Node, lineX, centreY);
}

void TbsSkinCustomTreeView::DrawButton(TCanvas* Canvas, TTreeNode* Node, int LineX, int CentreY)
{
    if (buttonImageList_) {
        const int index = Node->Expanded() ? ButtonExpandImageIndex : ButtonNoExpandImageIndex;
        if (index >= 0 && index < buttonImageList_->Count())
            buttonImageList_->Draw(Canvas, LineX - buttonImageList_->Width() / 2,
                                   CentreY - buttonImageList_->Height() / 2, index);
        return;
    }
    if (!expandImage_.Empty() && !noExpandImage_.Empty()) {
        TBitmap* image = Node->Expanded() ? &expandImage_ : &noExpandImage_;
        const int left = LineX - image->Width() / 2;
        const int top = CentreY - image->Height() / 2;
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color());
        Canvas->FillRect(Rect(left, top, left + image->Width(), top + image->Height()));
        Canvas->Draw(left, top, image);
        return;
    }
    const int half = ButtonHalfSize() - 1;
    const TRect box = Rect(LineX - half, CentreY - half, LineX + half + 1, CentreY + half + 1);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(box);
    Canvas->Brush()->SetColor(buttonColor_);
    Canvas->FrameRect(box);
    Canvas->Brush()->SetColor(Font()->Color());
    Canvas->FillRect(Rect(box.Left + 2, CentreY, box.Right - 2, CentreY + 1));
    if (!Node->Expanded())
        Canvas->FillRect(Rect(LineX, box.Top + 2, LineX + 1, box.Bottom - 2));
}

// The skinned list view's own item drawing (DrawSkin): captions cut with
// "...", the selected item on the item description's image, images, check
// boxes from the skin, and the report's grid in the skin line colour.
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_controls_edits.h"
#include "skin/data/bs_skin_data.h"

namespace {

// Padding of a report caption on each side, and of other captions.
constexpr int ReportPadding = 3;
constexpr int Padding = 2;

template <typename T>
T* FindDescription(TbsSkinData* Data, const AnsiString& Name)
{
    if (!Data || Data->Empty)
        return nullptr;
    const int index = Data->FindControlDescription(Name);
    return index < 0 ? nullptr : dynamic_cast<T*>(Data->ControlList[index].get());
}

// The picture a description names, nullptr for none.
TBitmap* PictureOf(TbsSkinData* Data, int Index)
{
    return Index >= 0 && Index < static_cast<int>(Data->ActivePictures.size()) ? Data->ActivePictures[Index].get()
                                                                               : nullptr;
}

unsigned AlignFormat(TAlignment Alignment)
{
    return Alignment == taRightJustify ? DT_RIGHT : Alignment == taCenter ? DT_CENTER : DT_LEFT;
}

// Caption cut with "..." to fit R less Pad on each side, aligned in it.
void DrawCaption(TCanvas* Canvas, AnsiString Caption, TRect R, int Pad, TAlignment Alignment)
{
    R.Left += Pad;
    R.Right -= Pad;
    if (R.Right <= R.Left)
        return;
    TruncateText(Canvas, Caption, R.Width());
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextRect(R, Caption, AlignFormat(Alignment) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void TbsSkinCustomListView::CustomDrawItem(TObject* /*Sender*/, TListItem* Item, TCustomDrawState State,
                                           bool& DefaultDraw)
{
    if (Designing())
        return;
    TbsDataSkinListBox* skin = FindDescription<TbsDataSkinListBox>(skinData_, ItemSkinDataName);
    if (!skin)
        return;
    DefaultDraw = false;
    TCanvas* canvas = Canvas();
    const TRect bounds = Item->DisplayRect(drBounds);
    TRect label = Item->DisplayRect(drLabel);
    const bool selected = State.Contains(cdsSelected) && !Item->Caption().empty();
    if (selected) {
        DrawSelectedItem(canvas, Item, skin, State);
    } else {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(Rect(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom - 1));
        canvas->Font()->Assign(Font());
        DrawItemText(canvas, Item, bounds, label, 0, State, false);
        if (State.Contains(cdsFocused))
            DrawFlatFocusRect(canvas, ViewStyle() == vsReport && RowSelect() ? bounds : label);
    }
    DrawItemImages(canvas, Item);
    if (drawSkinLines_ && ViewStyle() == vsReport)
        DrawSkinLines(canvas, Item);
    canvas->Brush()->SetStyle(bsSolid);
}

void TbsSkinCustomListView::DrawItemText(TCanvas* Canvas, TListItem* Item, const TRect& Bounds, const TRect& Label,
                                         int DX, TCustomDrawState State, bool Selected)
{
    const bool report = ViewStyle() == vsReport;
    TRect label = Label;
    label.Left -= DX;
    label.Right -= DX;
    const TAlignment first = report && Columns()->Count() > 0 ? Columns()->Item(0)->Alignment() : taLeftJustify;
    DrawCaption(Canvas, Item->Caption(), label, report ? ReportPadding : Padding,
                ViewStyle() == vsIcon ? taCenter : first);
    if (!report)
        return;
    for (int column = 1; column < Columns()->Count() && column - 1 < Item->SubItems()->Count(); ++column) {
        const int left = Bounds.Left - DX + Columns()->LeftOf(column);
        const TRect r = Rect(left, label.Top, left + Columns()->Item(column)->WidthShown(), label.Bottom);
        if (Selected && OnDrawSkinSubItem)
            OnDrawSkinSubItem(this, Item, column - 1, State, Canvas, r);
        else
            DrawCaption(Canvas, Item->SubItems()->Strings(column - 1), r, ReportPadding,
                        Columns()->Item(column)->Alignment());
    }
}

void TbsSkinCustomListView::DrawSelectedItem(TCanvas* Canvas, TListItem* Item, TbsDataSkinListBox* Skin,
                                             TCustomDrawState State)
{
    const TRect bounds = Item->DisplayRect(drBounds);
    const TRect label = Item->DisplayRect(drLabel);
    const TRect area = ViewStyle() == vsReport && RowSelect() ? bounds : label;
    if (IsNullRect(area))
        return;
    const bool focused = Focused();
    TBitmap image;
    image.SetSize(area.Width(), area.Height());
    TCanvas* canvas = image.Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(Rect(0, 0, area.Width(), area.Height()));
    const TRect source = focused ? Skin->FocusItemRect : Skin->ActiveItemRect;
    if (TBitmap* picture = PictureOf(skinData_, Skin->PictureIndex); picture && !IsNullRect(source))
        CreateSkinImageByOffsets(&image, picture, source, Skin->ItemTextRect, true);
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(focused ? Skin->FocusFontColor : Skin->ActiveFontColor);
    // The text goes on the image at its place in the view.
    const TRect shifted = Rect(bounds.Left - area.Left, 0, bounds.Right - area.Left, area.Height());
    const TRect labelOnImage = Rect(label.Left - area.Left, 0, label.Right - area.Left, area.Height());
    DrawItemText(canvas, Item, shifted, labelOnImage, 0, State, true);
    Canvas->Draw(area.Left, area.Top, &image);
}

void TbsSkinCustomListView::DrawItemImages(TCanvas* Canvas, TListItem* Item)
{
    const TRect bounds = Item->DisplayRect(drBounds);
    const TRect icon = Item->DisplayRect(drIcon);
    const int middle = icon.Top + icon.Height() / 2;
    if (ViewStyle() == vsIcon) {
        if (LargeImages())
            LargeImages()->Draw(Canvas, icon.Left + (icon.Width() - LargeImages()->Width()) / 2,
                                icon.Top + (icon.Height() - LargeImages()->Height()) / 2, Item->ImageIndex(),
                                Enabled());
    } else if (SmallImages()) {
        SmallImages()->Draw(Canvas, icon.Left, middle - SmallImages()->Height() / 2, Item->ImageIndex(), Enabled());
    }
    if (!Checkboxes())
        return;
    auto* check = FindDescription<TbsDataSkinCheckRadioControl>(skinData_, CheckSkinDataName);
    TBitmap* picture = check ? PictureOf(skinData_, check->PictureIndex) : nullptr;
    if (!picture)
        return;
    const TRect source = Item->Checked() ? check->CheckImageRect : check->UnCheckImageRect;
    if (IsNullRect(source))
        return;
    // The box stands before the image, where the platform keeps its place.
    const int top = middle - source.Height() / 2;
    Canvas->CopyRect(Rect(bounds.Left, top, bounds.Left + source.Width(), top + source.Height()), picture->Canvas(),
                     source);
}

void TbsSkinCustomListView::DrawSkinLines(TCanvas* Canvas, TListItem* Item)
{
    const TRect bounds = Item->DisplayRect(drBounds);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(skinLineColor_);
    for (int column = 0; column < Columns()->Count(); ++column) {
        const int x = bounds.Left + Columns()->RightOf(column);
        Canvas->FillRect(Rect(x, bounds.Top, x + 1, bounds.Bottom));
    }
    Canvas->FillRect(Rect(bounds.Left, bounds.Bottom - 1, Width(), bounds.Bottom));
    if (Item->Index() == 0)
        Canvas->FillRect(Rect(bounds.Left, bounds.Top - 1, Width(), bounds.Top));
}

// The tabs bar's look: plain from system colours, or from the skin's tab
// description as three-part tab images over a tiled background and strip.
#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_parent_image.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_mdi_tabs_bar.h"

namespace {

constexpr TColor PlainActiveColor = static_cast<TColor>(0x00B59385);
constexpr TColor PlainHotColor = static_cast<TColor>(0x00D2BDB6);
constexpr int PlainCloseButtonSize = 14;

// The nine-part image of the button description Name at B's size, pressed,
// hot or at rest (empty rectangles falling back as for tool buttons); nil,
// with nothing drawn, when the skin has no such description.
const TbsDataSkinButtonControl* DrawButtonPiece(TbsSkinData* Data, const char* Name, TBitmap* B, bool Down, bool Hot)
{
    const int index = Data->FindControlDescription(Name);
    const auto* button =
        index < 0 ? nullptr : dynamic_cast<const TbsDataSkinButtonControl*>(Data->ControlList[static_cast<size_t>(index)].get());
    if (!button)
        return nullptr;
    TbsSkinCustomImage image;
    image.TakeDescription(button, *Data);
    const TRect normal = button->SkinRect;
    const TRect active = IsNullRect(button->ActiveSkinRect) ? normal : button->ActiveSkinRect;
    const TRect down = IsNullRect(button->DownSkinRect) ? active : button->DownSkinRect;
    int w = B->Width();
    int h = B->Height();
    image.LayOut(w, h, true);
    image.DrawImage(B, image.Picture, Down ? down : Hot ? active : normal, w, h, false);
    return button;
}

TColor StateFontColor(const TbsDataSkinButtonControl* Button, bool Down, bool Hot)
{
    return Down ? Button->DownFontColor : Hot ? Button->ActiveFontColor : Button->FontColor;
}

// A skinned tab's font: the description's name, height and style, or the
// bar's default font.
void SetTabFont(TFont* Font, bool UseSkinFont, const TbsMDITabsSkin& Skin, TFont* Default)
{
    if (!UseSkinFont) {
        Font->Assign(Default);
        return;
    }
    Font->SetName(Skin.FontName);
    Font->SetHeight(Skin.FontHeight);
    Font->SetStyle(Skin.FontStyle);
}

}  // namespace

void TbsSkinMDITabsBar::GetSkinData()
{
    TbsSkinControl::GetSkinData();
    closeButtonSize_ = PlainCloseButtonSize;
    auto* d = dynamic_cast<TbsDataSkinTabControl*>(Description());
    if (!d)
        return;
    static_cast<TbsTabControlFields&>(skin_) = *d;
    skin_.SkinRect = d->SkinRect;
    skin_.Picture = SkinData()->PictureAt(d->PictureIndex);
    if (IsNullRect(skin_.ActiveTabRect))
        skin_.ActiveTabRect = skin_.TabRect;
    if (IsNullRect(skin_.MouseInTabRect))
        skin_.MouseInTabRect = skin_.TabRect;
    if (IsNullRect(skin_.CloseButtonActiveRect))
        skin_.CloseButtonActiveRect = skin_.CloseButtonRect;
    if (IsNullRect(skin_.CloseButtonDownRect))
        skin_.CloseButtonDownRect = skin_.CloseButtonActiveRect;
    skin_.StripHeight = skin_.ClientRect.Top;
    skin_.ActiveExtra = RectHeight(skin_.ActiveTabRect) - RectHeight(skin_.TabRect);
    if (skin_.Picture && !IsNullRect(skin_.CloseButtonRect))
        closeButtonSize_ = RectWidth(skin_.CloseButtonRect);
}

void TbsSkinMDITabsBar::ChangeSkinData()
{
    TbsSkinControl::ChangeSkinData();
    if (!Skinned() || !UseSkinSize) {
        if (defaultHeight_ > 0)
            SetHeight(defaultHeight_);
    } else {
        SetHeight(RectHeight(skin_.TabRect) + (TabMode() ? skin_.StripHeight : 0));
    }
    UpdateMenuButtons();
    if (ShowCloseButtons)
        Invalidate();
    Realign();
}

void TbsSkinMDITabsBar::Paint()
{
    TAlive alive(this);
    TbsSkinControl::Paint();
    if (alive)
        UpdateMenuButtons();
}

void TbsSkinMDITabsBar::PaintDefaultImage(TBitmap* Bitmap)
{
    TCanvas* c = Bitmap->Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, Bitmap->Width(), Bitmap->Height()));
    CalcTabRects();
    DrawAddButton(c);
    PaintTabsAndMarker(c);
}

void TbsSkinMDITabsBar::PaintSkinImage(TBitmap* Bitmap)
{
    TCanvas* c = Bitmap->Canvas();
    const int w = Bitmap->Width();
    const int h = Bitmap->Height() - (TabMode() ? skin_.StripHeight : 0);
    if (SkinData()->MDITabsTransparent) {
        GetParentImage(this, c);
    } else if (skin_.Picture && !IsNullRect(skin_.TabsBgRect)) {
        const int cell = RectWidth(skin_.TabsBgRect);
        for (int x = 0; x < w; x += cell)
            c->CopyRect(Rect(x, 0, x + cell, h), skin_.Picture->Canvas(), skin_.TabsBgRect);
    } else {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(Rect(0, 0, w, Bitmap->Height()));
    }
    if (TabMode() && skin_.Picture && !IsNullRect(skin_.SkinRect) && skin_.StripHeight > 0) {
        const TRect& s = skin_.SkinRect;
        const int lx = skin_.LeftTopPoint.X;
        const int rx = skin_.RightTopPoint.X;
        const int rightWidth = RectWidth(s) - rx;
        const TRect source{s.Left, s.Top, s.Right, s.Top + skin_.StripHeight};
        TBitmap strip;
        CreateHSkinImage(lx, rightWidth, &strip, skin_.Picture, source, w, skin_.StripHeight, skin_.TopStretch);
        c->Draw(0, Bitmap->Height() - skin_.StripHeight, &strip);
    }
    CalcTabRects();
    DrawAddButton(c);
    PaintTabsAndMarker(c);
}

void TbsSkinMDITabsBar::PaintTabsAndMarker(TCanvas* Canvas)
{
    for (int i = 0; i < TabCount(); ++i)
        if (Tabs(i)->Visible && !(dragging_ && i == dragTabIndex_))
            DrawTab(Tabs(i), Canvas);
    if (dragging_ && dragTabIndex_ >= 0 && dragTabIndex_ < TabCount()) {
        DrawTab(Tabs(dragTabIndex_), Canvas);
        DrawDropMarker(Canvas);
    }
}

void TbsSkinMDITabsBar::DrawDropMarker(TCanvas* Canvas)
{
    const int target = DropIndex();
    if (target == -1)
        return;
    const TRect& r = Tabs(target)->ObjectRect;
    const int x = dragOffset_ > 0 ? r.Right : r.Left;
    const int h = Height();
    const int mid = h / 2;
    TPen* pen = Canvas->Pen();
    const TPenMode oldMode = pen->Mode();
    pen->SetMode(pmNot);
    for (int dx = -1; dx <= 1; ++dx) {
        Canvas->MoveTo(x + dx, 0);
        Canvas->LineTo(x + dx, h);
    }
    for (int i = 0; i < 3; ++i) {
        Canvas->MoveTo(x - 5 + i, mid - i);
        Canvas->LineTo(x - 5 + i, mid + i + 1);
        Canvas->MoveTo(x + 5 - i, mid - i);
        Canvas->LineTo(x + 5 - i, mid + i + 1);
    }
    pen->SetMode(oldMode);
}

void TbsSkinMDITabsBar::DrawAddButton(TCanvas* Canvas)
{
    if (!showAddButton_)
        return;
    if (Skinned()) {
        const bool down = addButtonDown_ && addButtonMouseIn_;
        TBitmap b;
        b.SetSize(RectWidth(addButtonRect_), RectHeight(addButtonRect_));
        // Hot, the plus takes the hot colour that goes with the hot image.
        if (const auto* button = DrawButtonPiece(SkinData(), "resizetoolbutton", &b, down, addButtonMouseIn_)) {
            DrawArrowImage(b.Canvas(), Rect(0, 0, b.Width(), b.Height()), StateFontColor(button, down, addButtonMouseIn_), 5);
            Canvas->Draw(addButtonRect_.Left, addButtonRect_.Top, &b);
            return;
        }
    }
    Canvas->Brush()->SetColor(addButtonMouseIn_ ? PlainHotColor : clBtnFace);
    Canvas->FillRect(addButtonRect_);
    DrawArrowImage(Canvas, addButtonRect_, clBtnText, 5);
}

void TbsSkinMDITabsBar::DrawTab(TbsMDITab* Tab, TCanvas* Canvas)
{
    const int w = RectWidth(Tab->ObjectRect);
    if (w < 1 || RectHeight(Tab->ObjectRect) < 1)
        return;
    TBitmap b;
    // Without the skin's size the active tab reaches down into the strip.
    const bool taller = Skinned() && skin_.Picture && !UseSkinSize && Tab->Active && TabMode();
    b.SetSize(w, RectHeight(Tab->ObjectRect) + (taller ? skin_.ActiveExtra : 0));
    if (Skinned() && tabKind_ == bstkButton)
        DrawButtonTab(Tab, &b);
    else if (Skinned() && skin_.Picture)
        DrawSkinTab(Tab, &b);
    else
        DrawPlainTab(Tab, &b);
    Canvas->Draw(Tab->ObjectRect.Left, Tab->ObjectRect.Top, &b);
}

void TbsSkinMDITabsBar::DrawPlainTab(TbsMDITab* Tab, TBitmap* B)
{
    TCanvas* c = B->Canvas();
    c->Brush()->SetColor(Tab->Active ? PlainActiveColor : Tab->MouseIn ? PlainHotColor : clBtnFace);
    c->FillRect(Rect(0, 0, B->Width(), B->Height()));
    c->Font()->Assign(defaultFont_.get());
    if (SkinData() && SkinData()->ResourceStrData())
        c->Font()->SetCharset(SkinData()->ResourceStrData()->CharSet);
    const int right = ShowCloseButtons ? B->Width() - closeButtonSize_ - 5 : B->Width() - 2;
    DrawTabCaption(Tab, c, Rect(2, 0, right, B->Height()), true);
}

void TbsSkinMDITabsBar::DrawSkinTab(TbsMDITab* Tab, TBitmap* B)
{
    const TRect& source = Tab->Active    ? skin_.ActiveTabRect
                          : Tab->MouseIn ? skin_.MouseInTabRect
                                         : skin_.TabRect;
    if (UseSkinSize) {
        CreateHSkinImage(skin_.TabLeftOffset, skin_.TabRightOffset, B, skin_.Picture, source, B->Width(), B->Height(),
                         skin_.TabStretchEffect);
    } else {
        const int h = RectHeight(skin_.TabRect);
        const TRect client{skin_.TabLeftOffset, h / 4, RectWidth(source) - skin_.TabRightOffset, h - h / 4};
        CreateSkinImageByOffsets(B, skin_.Picture, source, client, true);
    }
    TCanvas* c = B->Canvas();
    SetTabFont(c->Font(), UseSkinFont, skin_, defaultFont_.get());
    // The active tab takes the focused colour: the description's active
    // colour belongs to the page control's hot tab.
    c->Font()->SetColor(Tab->Active ? skin_.FocusFontColor : Tab->MouseIn ? skin_.MouseInFontColor : skin_.FontColor);
    const int right = ShowCloseButtons ? B->Width() - closeButtonSize_ - 5 : B->Width() - skin_.TabRightOffset;
    // The handler may change the font in the nine-part look only.
    DrawTabCaption(Tab, c, Rect(ShowCloseButtons ? 2 : skin_.TabLeftOffset, 1, right, B->Height()), !UseSkinSize);
}

void TbsSkinMDITabsBar::DrawButtonTab(TbsMDITab* Tab, TBitmap* B)
{
    const TbsDataSkinButtonControl* button = DrawButtonPiece(SkinData(), "resizebutton", B, Tab->Active, Tab->MouseIn);
    if (!button)
        return;
    TCanvas* c = B->Canvas();
    SetTabFont(c->Font(), UseSkinFont, skin_, defaultFont_.get());
    c->Font()->SetColor(StateFontColor(button, Tab->Active, Tab->MouseIn));
    // The description's client rectangle, placed in the tab.
    const TRect& s = button->SkinRect;
    const TRect& m = button->ClientRect;
    TRect r{m.Left, m.Top, B->Width() - (RectWidth(s) - m.Right), B->Height() - (RectHeight(s) - m.Bottom)};
    if (ShowCloseButtons)
        r.Right -= closeButtonSize_ + 3;
    const int textHeight = c->TextHeight(Tab->Child->Caption());
    if (textHeight > RectHeight(r)) {
        r.Top = (B->Height() - textHeight) / 2;
        r.Bottom = r.Top + textHeight;
    }
    DrawTabCaption(Tab, c, r, true);
}

void TbsSkinMDITabsBar::DrawTabCaption(TbsMDITab* Tab, TCanvas* Canvas, TRect R, bool FireEvent)
{
    AnsiString caption = Tab->Child->Caption();
    if (FireEvent && OnTabGetDrawParamsEvent)
        OnTabGetDrawParamsEvent(Tab, Canvas);
    TruncateText(Canvas, caption, RectWidth(R));
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextRect(R, caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (ShowCloseButtons)
        DrawCloseButton(Tab, Canvas, R.Right + 3, 0);
}

void TbsSkinMDITabsBar::DrawCloseButton(TbsMDITab* Tab, TCanvas* Canvas, int X, int Y)
{
    const int height = RectHeight(Tab->ObjectRect);
    const int size = closeButtonSize_;
    const int top = Y + (height - size) / 2;
    Tab->CloseButtonRect = TRect{X, top, X + size, top + size};
    if (Skinned() && skin_.Picture && !IsNullRect(skin_.CloseButtonRect)) {
        const TRect& s = Tab->CloseDown && Tab->CloseMouseIn ? skin_.CloseButtonDownRect
                         : Tab->CloseMouseIn                ? skin_.CloseButtonActiveRect
                                                            : skin_.CloseButtonRect;
        TBitmap piece;
        piece.SetSize(RectWidth(s), RectHeight(s));
        piece.Canvas()->CopyRect(Rect(0, 0, RectWidth(s), RectHeight(s)), skin_.Picture->Canvas(), s);
        if (skin_.ButtonTransparent) {
            piece.SetTransparent(true);
            piece.SetTransparentColor(skin_.ButtonTransparentColor);
        }
        Canvas->Draw(X, top, &piece);
        return;
    }
    if (Skinned()) {
        TBitmap piece;
        piece.SetSize(size, size);
        const bool down = Tab->CloseDown && Tab->CloseMouseIn;
        if (const auto* button = DrawButtonPiece(SkinData(), "resizetoolbutton", &piece, down, Tab->CloseMouseIn)) {
            DrawCloseImage(piece.Canvas(), 2, 2, StateFontColor(button, down, Tab->CloseMouseIn));
            Canvas->Draw(X, top, &piece);
            return;
        }
    }
    DrawCloseImage(Canvas, X + 2, top + 2, Tab->CloseMouseIn ? static_cast<TColor>(0x00FFFFFF) : clBlack);
}

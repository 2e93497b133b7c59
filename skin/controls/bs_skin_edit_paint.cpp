// The skinned edit's painting: its frame (A: the nine-part image stretched
// to any height, for a box that does not take the skin's font; B: the
// three-part image at the skin's height, or the plain frame), the client
// background under the text, the image buttons and the disabled look.
#include "platform/gdi/clipping.h"
#include "platform/gdi/device_context.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/win/paint.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls.h"

namespace {

constexpr TColor kPlainButtonHot = 0xD2BDB6;
constexpr TColor kPlainButtonDown = 0xB59385;

bool InList(const TCustomImageList* Images, int Index) { return Images && Index >= 0 && Index < Images->Count(); }

}  // namespace

void TbsSkinCustomEdit::PaintNonClient(HDC DC, bool ExcludeText)
{
    CalcRects();
    // The DC may be a caller's: its clipping is given back as it was.
    const int saved = SaveDC(DC);
    TCanvas canvas;
    canvas.SetHandle(DC);
    if (ExcludeText)
        ExcludeClipRect(DC, textRect_.Left, textRect_.Top, textRect_.Right, textRect_.Bottom);
    if (Skinned() && !UseSkinFont)
        PaintFrameSkin(&canvas);
    else
        PaintFrameUseSkinFont(&canvas);
    canvas.SetHandle(nullptr);
    RestoreDC(DC, saved);
}

void TbsSkinCustomEdit::PaintFrameUseSkinFont(TCanvas* Canvas)
{
    const int w = Width();
    const int h = Height();
    if (w < 1 || h < 1)
        return;
    TBitmap frame;
    frame.SetSize(w, h);
    TCanvas* c = frame.Canvas();
    if (!Skinned()) {
        const int buttonWidth = buttonMode_ ? w - buttonRect_.Left : 0;
        TRect r{0, 0, w - buttonWidth, h};
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect(r);
        InflateRect(r, -1, -1);
        c->Brush()->SetColor(clBtnFace);
        c->FrameRect(r);
        InflateRect(r, -1, -1);
        c->Brush()->SetColor(defaultColor_);
        c->FillRect(r);
        if (buttonMode_) {
            const bool hot = buttonHot_;
            c->Brush()->SetColor(buttonDown_ && hot ? kPlainButtonDown : hot ? kPlainButtonHot : clBtnFace);
            c->FillRect(buttonRect_);
            c->Brush()->SetColor(hot ? clNavy : clBtnShadow);
            c->FrameRect(buttonRect_);
        }
    } else if (skin_.Picture) {
        const TRect& source = ActiveLook() ? skin_.ActiveSkinRect : skin_.SkinRect;
        CreateHSkinImage(skin_.LOffset, skin_.ROffset, &frame, skin_.Picture, source, w, RectHeight(source),
                         skin_.StretchEffect);
        if (buttonMode_) {
            TRect button;
            if (!Enabled() && !IsNullRect(skin_.UnEnabledButtonRect))
                button = skin_.UnEnabledButtonRect;
            else if (buttonDown_ && buttonHot_)
                button = skin_.DownButtonRect;
            else if (buttonHot_)
                button = skin_.ActiveButtonRect;
            if (!IsNullRect(button))
                frame.Canvas()->CopyRect(buttonRect_, skin_.Picture->Canvas(), button);
        }
    }
    PaintButtonImage(frame.Canvas());
    Canvas->Draw(0, 0, &frame);
}

void TbsSkinCustomEdit::PaintFrameSkin(TCanvas* Canvas)
{
    const int w = Width();
    const int h = Height();
    if (w < 1 || h < 1 || !skin_.Picture)
        return;
    TBitmap frame;
    frame.SetSize(w, h);
    CreateSkinImageByOffsets(&frame, skin_.Picture, ActiveLook() ? skin_.ActiveSkinRect : skin_.SkinRect,
                             skin_.ClientRect, true);
    if (buttonMode_)
        PaintSkinButton(&frame);
    Canvas->Draw(0, 0, &frame);
}

// The edit button from its own button description, at the button
// rectangle's size.
void TbsSkinCustomEdit::PaintSkinButton(TBitmap* Frame)
{
    TbsSkinData* data = SkinData();
    TbsDataSkinButtonControl* button = nullptr;
    for (const char* name : {"editbutton", "combobutton", "resizebutton"}) {
        const int index = data->FindControlDescription(name);
        if (index >= 0) {
            button = dynamic_cast<TbsDataSkinButtonControl*>(data->ControlList[static_cast<size_t>(index)].get());
            break;
        }
    }
    TBitmap* picture = button ? data->PictureAt(button->PictureIndex) : nullptr;
    if (!picture)
        return;
    const TRect active = IsNullRect(button->ActiveSkinRect) ? button->SkinRect : button->ActiveSkinRect;
    const TRect down = IsNullRect(button->DownSkinRect) ? active : button->DownSkinRect;
    const TRect source = buttonDown_ && buttonHot_ ? down : buttonHot_ ? active : button->SkinRect;
    const int bw = RectWidth(buttonRect_);
    const int bh = RectHeight(buttonRect_);
    if (bw < 1 || bh < 1)
        return;
    const int dx = bw - RectWidth(button->SkinRect);
    const int dy = bh - RectHeight(button->SkinRect);
    TRect client = button->ClientRect;
    client.Right += dx;
    client.Bottom += dy;
    TBitmap image;
    CreateSkinImage(button->LeftTopPoint, button->RightTopPoint, button->LeftBottomPoint, button->RightBottomPoint,
                    button->ClientRect, button->LeftTopPoint, TPoint{button->RightTopPoint.X + dx, button->RightTopPoint.Y},
                    TPoint{button->LeftBottomPoint.X, button->LeftBottomPoint.Y + dy},
                    TPoint{button->RightBottomPoint.X + dx, button->RightBottomPoint.Y + dy}, client, &image, picture,
                    source, bw, bh, true, button->LeftStretch, button->TopStretch, button->RightStretch,
                    button->BottomStretch, button->StretchEffect, button->StretchType);
    if (InList(images_, buttonImageIndex_))
        images_->Draw(image.Canvas(), bw / 2 - images_->Width() / 2, bh / 2 - images_->Height() / 2,
                      buttonImageIndex_, Enabled());
    Frame->Canvas()->Draw(buttonRect_.Left, buttonRect_.Top, &image);
}

void TbsSkinCustomEdit::PaintButtonImage(TCanvas* Canvas)
{
    if (!buttonMode_ || !InList(images_, buttonImageIndex_))
        return;
    const TRect& r = buttonRect_;
    images_->Draw(Canvas, r.Left + RectWidth(r) / 2 - images_->Width() / 2,
                  r.Top + RectHeight(r) / 2 - images_->Height() / 2, buttonImageIndex_, Enabled());
}

void TbsSkinCustomEdit::PaintClientBackground(TCanvas* Canvas)
{
    CalcRects();
    const int w = RectWidth(textRect_);
    const int h = RectHeight(textRect_);
    if (w < 1 || h < 1)
        return;
    TBitmap image;
    image.SetSize(w, h);
    if (!Skinned() || !skin_.Picture) {
        image.Canvas()->Brush()->SetColor(Skinned() ? clWindow : defaultColor_);
        image.Canvas()->FillRect(TRect{0, 0, w, h});
        Canvas->Draw(0, 0, &image);
        return;
    }
    const TRect& frame = ActiveLook() ? skin_.ActiveSkinRect : skin_.SkinRect;
    const TRect& cl = skin_.ClientRect;
    const TRect source{frame.Left + cl.Left, frame.Top + cl.Top, frame.Left + cl.Right, frame.Top + cl.Bottom};
    CreateHSkinImage(std::max(0, skin_.LeftTopX - cl.Left), std::max(0, cl.Right - skin_.RightTopX), &image,
                     skin_.Picture, source, w, RectHeight(cl), skin_.StretchEffect);
    if (UseSkinFont)
        Canvas->Draw(0, 0, &image);
    else
        Canvas->StretchDraw(TRect{0, 0, w, h}, &image);
}

void TbsSkinCustomEdit::PaintImageButtons(TCanvas* Canvas)
{
    if (!images_)
        return;
    CalcImageRects(false);
    auto paint = [&](const TRect& R, int Index, int HotIndex, int DownIndex, bool Hot, bool Down) {
        if (!InList(images_, Index))
            return;
        const int y = std::max(R.Top, R.Top + RectHeight(R) / 2 - images_->Height() / 2);
        const int shown = Down && Hot && InList(images_, DownIndex) ? DownIndex
                          : Hot && InList(images_, HotIndex)        ? HotIndex
                                                                    : Index;
        images_->Draw(Canvas, R.Left, y, shown, Enabled());
    };
    paint(leftImageRect_, leftImageIndex_, LeftImageHotIndex, LeftImageDownIndex, leftHot_, leftDown_);
    paint(rightImageRect_, rightImageIndex_, RightImageHotIndex, RightImageDownIndex, rightHot_, rightDown_);
}

void TbsSkinCustomEdit::PaintDisabled(HDC DC)
{
    PAINTSTRUCT paint;
    HDC dc = DC ? DC : BeginPaint(Handle(), &paint);
    TCanvas canvas;
    canvas.SetHandle(dc);
    PaintClientBackground(&canvas);
    TFont* font = canvas.Font();
    if (Skinned() && UseSkinFont) {
        font->SetName(skin_.FontName);
        font->SetHeight(skin_.FontHeight);
        font->SetStyle(skin_.FontStyle);
        font->SetColor(skin_.DisabledFontColor);
    } else {
        font->Assign(defaultFont_.get());
        font->SetColor(Skinned() ? skin_.DisabledFontColor : clGrayText);
    }
    TbsSkinData* data = SkinData();
    font->SetCharset(data && data->ResourceStrData() ? data->ResourceStrData()->CharSet : defaultFont_->Charset());
    const TRect r{0, 0, RectWidth(textRect_), RectHeight(textRect_)};
    const AnsiString text = Text();
    const int width = canvas.TextWidth(text);
    int x = r.Left + 2;
    if (Alignment() == taRightJustify)
        x = r.Right - 1 - width;
    else if (Alignment() == taCenter)
        x = RectWidth(r) / 2 + r.Left + 2 - width / 2 - 1;
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect(r, x, r.Top, text);
    canvas.SetHandle(nullptr);
    if (!DC)
        EndPaint(Handle(), &paint);
}

// The skinned hint window: its size from the text (with a title and an
// image in the extended layout), its place on the work area, its skin
// region and fade, and its painting.
#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/system_metrics.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_region.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_fade_in.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_masks.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"

namespace {

TBitmap* PictureAt(TbsSkinData* Data, int Index)
{
    if (Index < 0 || Index >= static_cast<int>(Data->ActivePictures.size()))
        return nullptr;
    return Data->ActivePictures[static_cast<size_t>(Index)].get();
}

TSize TextSize(TCanvas* Canvas, const AnsiString& Text)
{
    TRect r{0, 0, 0, 0};
    Canvas->TextRect(r, Text, DT_CALCRECT);
    return TSize{r.Right, r.Bottom};
}

bool ImageValid(const TbsSkinHint* Hint)
{
    return Hint->HintImageList() != nullptr && Hint->HintImageIndex >= 0 &&
           Hint->HintImageIndex < Hint->HintImageList()->Count();
}

}  // namespace

TbsSkinHintWindow::TbsSkinHintWindow(TComponent* AOwner, TbsSkinHint* AHint) : THintWindow(AOwner), hint_(AHint) {}

void TbsSkinHintWindow::CreateParams(TCreateParams& Params)
{
    THintWindow::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
    if (IsWindowsXP())
        Params.WindowClass.style |= CS_DROPSHADOW;
}

void TbsSkinHintWindow::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_NCPAINT)
        return;
    if (Message.Msg == WM_ERASEBKGND) {
        Message.Result = 1;
        return;
    }
    THintWindow::Dispatch(Message);
}

TbsSkinHint* TbsSkinHintWindow::Component() const { return hint_ != nullptr ? hint_ : ActiveSkinHint(); }

bool TbsSkinHintWindow::UseSkin(const TbsSkinHint* Hint) const
{
    TbsSkinData* data = Hint->SkinData();
    return data != nullptr && !data->Empty && PictureAt(data, data->HintWindow.WindowPictureIndex) != nullptr;
}

void TbsSkinHintWindow::SetHintFont(TCanvas* Canvas, bool Skinned) const
{
    TFont* font = Canvas->Font();
    if (Skinned && inUse_->UseSkinFont) {
        const TbsDataSkinHintWindow& d = skinData_->HintWindow;
        font->SetHeight(d.FontHeight);
        font->SetName(d.FontName);
        font->SetStyle(d.FontStyle);
    } else {
        font->Assign(inUse_->DefaultFont());
    }
    TbsSkinData* data = inUse_->SkinData();
    font->SetCharset(data != nullptr && data->ResourceStrData() != nullptr ? data->ResourceStrData()->CharSet
                                                                          : inUse_->DefaultFont()->Charset());
}

// Grows the skinned window until its fixed corners fit and lays the skin
// geometry out at that size.
TSize TbsSkinHintWindow::FitSkin(int W, int H)
{
    const TbsDataSkinHintWindow& d = skinData_->HintWindow;
    TBitmap* picture = PictureAt(skinData_, d.WindowPictureIndex);
    int pw = picture->Width();
    int ph = picture->Height();
    int dw = W - pw;
    int dh = H - ph;
    if (d.RightTopPoint.X + dw < d.LeftTopPoint.X) {
        W += d.LeftTopPoint.X - (d.RightTopPoint.X + dw);
        dw = W - pw;
    }
    if (d.RightBottomPoint.X + dw < d.LeftBottomPoint.X) {
        W += d.LeftBottomPoint.X - (d.RightBottomPoint.X + dw);
        dw = W - pw;
    }
    if (d.LeftBottomPoint.Y + dh < d.LeftTopPoint.Y) {
        H += d.LeftTopPoint.Y - (d.LeftBottomPoint.Y + dh);
        dh = H - ph;
    }
    if (d.RightBottomPoint.Y + dh < d.RightTopPoint.Y) {
        H += d.RightTopPoint.Y - (d.RightBottomPoint.Y + dh);
        dh = H - ph;
    }
    clientRect_ = TRect{d.ClientRect.Left, d.ClientRect.Top, d.ClientRect.Right + dw, d.ClientRect.Bottom + dh};
    lt_ = d.LeftTopPoint;
    rt_ = TPoint{d.RightTopPoint.X + dw, d.RightTopPoint.Y};
    lb_ = TPoint{d.LeftBottomPoint.X, d.LeftBottomPoint.Y + dh};
    rb_ = TPoint{d.RightBottomPoint.X + dw, d.RightBottomPoint.Y + dh};
    return TSize{W, H};
}

TSize TbsSkinHintWindow::Measure(bool Skinned)
{
    TCanvas* c = Canvas();
    TSize text = TextSize(c, Caption());
    int extra = 5;
    int w = text.cx;
    int h = text.cy;
    if (extended_) {
        extra = 0;
        TSize title = inUse_->HintTitle.empty() ? TSize{0, 0} : TextSize(c, inUse_->HintTitle);
        if (!inUse_->HintTitle.empty()) {
            h = text.cy + title.cy + 10;
            w = std::max(text.cx, title.cx);
        }
        if (ImageValid(inUse_)) {
            w += inUse_->HintImageList()->Width() + 10;
            h = std::max(h, inUse_->HintImageList()->Height() + title.cy + 5);
        }
        if (Skinned)
            w += 10;
    }
    if (!Skinned)
        return TSize{w + 4, h + 4};
    const TbsDataSkinHintWindow& d = skinData_->HintWindow;
    TBitmap* picture = PictureAt(skinData_, d.WindowPictureIndex);
    return FitSkin(w + d.ClientRect.Left + (picture->Width() - d.ClientRect.Right) + extra,
                   h + d.ClientRect.Top + (picture->Height() - d.ClientRect.Bottom));
}

void TbsSkinHintWindow::ActivateHint(const TRect& Rect, const AnsiString& Hint)
{
    inUse_ = Component();
    if (inUse_ == nullptr)
        return;
    extended_ = !inUse_->HintTitle.empty() || inUse_->HintImageList() != nullptr;
    bool skinned = UseSkin(inUse_);
    skinData_ = skinned ? inUse_->SkinData() : nullptr;
    SetHintFont(Canvas(), skinned);
    SetCaption(SplitHintLines(Hint, inUse_->LineSeparator));
    TSize size = Measure(skinned);
    TRect r{Rect.Left, Rect.Top, Rect.Left + size.cx, Rect.Top + size.cy};

    TCustomForm* form = Screen != nullptr ? Screen->ActiveCustomForm() : nullptr;
    if (form == nullptr && Application != nullptr && Application->MainForm() != nullptr &&
        Application->MainForm()->Visible())
        form = Application->MainForm();
    TRect limit{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (form != nullptr && form->HandleAllocated())
        GetMonitorWorkArea(form->Handle(), true, limit);
    if (r.Right > limit.Right)
        OffsetRect(r, -(size.cx + 2), 0);
    if (r.Bottom > limit.Bottom)
        OffsetRect(r, 0, -(size.cy + 2));

    bool fade = inUse_->AlphaBlend && inUse_->AlphaBlendAnimation && IsWindows2000();
    if (IsWindows2000()) {
        bool added = false;
        if (inUse_->AlphaBlend && !layered_) {
            SetWindowLong(Handle(), GWL_EXSTYLE, GetWindowLong(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
            layered_ = true;
            added = true;
        } else if (!inUse_->AlphaBlend && layered_) {
            SetWindowLong(Handle(), GWL_EXSTYLE, GetWindowLong(Handle(), GWL_EXSTYLE) & ~WS_EX_LAYERED);
            layered_ = false;
            alpha_ = -1;
        }
        if (fade) {
            SetWindowAlpha(Handle(), 0);
        } else if (inUse_->AlphaBlend && (added || inUse_->AlphaBlendValue != alpha_)) {
            // A layered window shows nothing until it has an alpha, so a
            // newly layered one gets it even when the value is the same.
            SetWindowAlpha(Handle(), inUse_->AlphaBlendValue);
        }
        if (inUse_->AlphaBlend)
            alpha_ = inUse_->AlphaBlendValue;
    }

    SetBounds(r.Left, r.Top, size.cx, size.cy);
    HRGN region = nullptr;
    if (skinned) {
        const TbsDataSkinHintWindow& d = skinData_->HintWindow;
        if (TBitmap* mask = PictureAt(skinData_, d.MaskPictureIndex))
            region = CreateSkinRegion(d.LeftTopPoint, d.RightTopPoint, d.LeftBottomPoint, d.RightBottomPoint,
                                      d.ClientRect, lt_, rt_, lb_, rb_, clientRect_, mask, size.cx, size.cy);
    }
    if (!SetWindowRgn(Handle(), region, false) && region != nullptr)
        DeleteObject(region);
    SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    Repaint();
    if (fade)
        FadeInWindow(Handle(), std::max(1, inUse_->AlphaBlendValue / 10), inUse_->AlphaBlendValue, 4, true);
}

void TbsSkinHintWindow::PaintBackground(TCanvas* Canvas, bool Skinned)
{
    if (Skinned) {
        const TbsDataSkinHintWindow& d = skinData_->HintWindow;
        TBitmap* picture = PictureAt(skinData_, d.WindowPictureIndex);
        TBitmap b;
        b.SetPixelFormat(pf24bit);
        CreateSkinImageForWindow(d.LeftTopPoint, d.RightTopPoint, d.LeftBottomPoint, d.RightBottomPoint,
                                 d.ClientRect, lt_, rt_, lb_, rb_, clientRect_, &b, picture,
                                 TRect{0, 0, picture->Width(), picture->Height()}, Width(), Height(), true,
                                 d.LeftStretch, d.TopStretch, d.RightStretch, d.BottomStretch, d.StretchEffect,
                                 d.StretchType);
        Canvas->Draw(0, 0, &b);
        return;
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->FillRect(TRect{0, 0, Width(), Height()});
    TRect frame{0, 0, Width(), Height()};
    Frame3D(Canvas, frame, clBtnShadow, clBtnShadow, 1);
}

void TbsSkinHintWindow::Paint()
{
    if (inUse_ == nullptr)
        return;
    bool skinned = skinData_ != nullptr && UseSkin(inUse_);
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(Width(), Height());
    TCanvas* c = b.Canvas();
    PaintBackground(c, skinned);
    SetHintFont(c, skinned);
    c->Font()->SetColor(skinned ? skinData_->HintWindow.FontColor : clInfoText);
    c->Brush()->SetStyle(bsClear);
    if (extended_) {
        PaintExtended(c, skinned);
    } else if (skinned) {
        TSize text = TextSize(c, Caption());
        int x = clientRect_.Left + RectWidth(clientRect_) / 2 - text.cx / 2;
        int y = clientRect_.Top + RectHeight(clientRect_) / 2 - text.cy / 2;
        TRect r{x, y, x + text.cx, y + text.cy};
        c->TextRect(r, Caption(), 0);
    } else {
        TRect r{2, 2, Width() - 2, Height() - 2};
        c->TextRect(r, Caption(), 0);
    }
    Canvas()->Draw(0, 0, &b);
}

void TbsSkinHintWindow::PaintExtended(TCanvas* Canvas, bool Skinned)
{
    const AnsiString& title = inUse_->HintTitle;
    bool image = ImageValid(inUse_);
    TCustomImageList* images = inUse_->HintImageList();
    int offset = 0;
    TRect area = Skinned ? clientRect_ : TRect{2, 2, Width() - 2, Height() - 2};
    if (!title.empty()) {
        TFontStyles plain = Canvas->Font()->Style();
        Canvas->Font()->SetStyle(TFontStyles(plain).Include(fsBold));
        TSize size = TextSize(Canvas, title);
        TRect r{area.Left + (Skinned ? 5 : 0), area.Top, area.Left + (Skinned ? 5 : 0) + size.cx, area.Top + size.cy};
        Canvas->TextRect(r, title, 0);
        Canvas->Font()->SetStyle(plain);
        offset = size.cy + 5;
    }
    TSize text = TextSize(Canvas, Caption());
    int imageX = Skinned ? area.Left + 5 : 2;
    int textX = Skinned ? area.Left + 5 : area.Left;
    if (image) {
        int y = title.empty() ? area.Top + RectHeight(area) / 2 - images->Height() / 2
                                : (Skinned ? area.Top + offset : offset);
        images->Draw(Canvas, imageX, y, inUse_->HintImageIndex);
        textX = Skinned ? imageX + images->Width() + 5 : area.Left + images->Width() + 7;
    }
    int textY = title.empty() && Skinned ? area.Top + RectHeight(area) / 2 - text.cy / 2 : area.Top + offset;
    TRect r{textX, textY, Skinned ? textX + text.cx : area.Right, Skinned ? textY + text.cy : area.Bottom};
    Canvas->TextRect(r, Caption(), 0);
}

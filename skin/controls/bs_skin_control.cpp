#include "skin/controls/bs_skin_control.h"

#include "platform/gdi/clipping.h"
#include "platform/gdi/device_context.h"
#include "platform/ui/kernel/graphic_control.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_region.h"
#include "skin/controls/bs_piece_fill.h"
#include "skin/data/bs_draw_utils.h"

TbsSkinControl::TbsSkinControl(TComponent* AOwner) : TbsSkinControlProtocol(AOwner)
{
}

void TbsSkinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT: {
        TAlive alive(this);
        inPaintMessage_ = true;
        TbsSkinControlProtocol::Dispatch(Message);
        if (alive)
            inPaintMessage_ = false;
        return;
    }
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_PARENTIMAGECHANGED:
        ParentImageChanged();
        return;
    default:
        TbsSkinControlProtocol::Dispatch(Message);
        return;
    }
}

TbsSkinCustomControl::TbsSkinCustomControl(TComponent* AOwner) : TbsSkinCustomControlProtocol(AOwner)
{
}

// The window owns its region and deletes it with itself.
TbsSkinCustomControl::~TbsSkinCustomControl() = default;

void TbsSkinCustomControl::NotifyChildren()
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            SendMessage(windowed->Handle(), WM_PARENTIMAGECHANGED, 0, 0);
        else if (dynamic_cast<TGraphicControl*>(child))
            child->Perform(WM_PARENTIMAGECHANGED, 0, 0);
    }
}

void TbsSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TAlive alive(this);
    TbsSkinCustomControlProtocol::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (alive && DescriptionIndex() != -1 && StretchEffect)
        NotifyChildren();
}

void TbsSkinCustomControl::SetControlRegion()
{
    if (!Parent())
        return;
    HRGN region = nullptr;
    if (MaskPicture && DescriptionIndex() != -1) {
        int w = Width();
        int h = Height();
        CalcSize(w, h);
        region = CreateRegion(Width(), Height());
    }
    if (!region && !Region)
        return;
    // The window takes the new region and deletes the one it had.
    if (SetWindowRgn(Handle(), region, true))
        Region = region;
    else if (region)
        DeleteObject(region);
}

void TbsSkinCustomControl::Paint()
{
    if (!PrepareForPaint())
        return;
    if (DescriptionIndex() == -1 || !DrawFrameStrips || ResizeMode != rmNinePart)
        TbsSkinControl::Paint();
    else if (Picture)
        PaintStrips();
}

void TbsSkinCustomControl::PaintStrips()
{
    int w = Width();
    int h = Height();
    TBitmap left, top, right, bottom;
    CreateSkinBorderImages(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint, SkinClientRect,
                           NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint, NewClientRect,
                           &left, &top, &right, &bottom, Picture, SkinRect, w, h, LeftStretch, TopStretch,
                           RightStretch, BottomStretch);
    TAlive alive(this);
    PaintSkinImage(&top);
    if (!alive)
        return;

    TCanvas* canvas = Canvas();
    int cw = SkinClientRect.Width();
    int ch = SkinClientRect.Height();
    // A client part of no size has nothing to lay: tiling it would never
    // advance.
    if (cw > 0 && ch > 0 && !IsNullRect(NewClientRect)) {
        TBitmap piece;
        piece.SetSize(cw, ch);
        TRect source = SkinClientRect;
        source.Left += SkinRect.Left;
        source.Right += SkinRect.Left;
        source.Top += SkinRect.Top;
        source.Bottom += SkinRect.Top;
        piece.Canvas()->CopyRect(Rect(0, 0, cw, ch), Picture->Canvas(), source);
        HDC dc = canvas->Handle();
        int saved = SaveDC(dc);
        IntersectClipRect(dc, NewClientRect.Left, NewClientRect.Top, NewClientRect.Right, NewClientRect.Bottom);
        FillWithPiece(canvas, piece, NewClientRect, StretchEffect, StretchType);
        RestoreDC(dc, saved);
    }

    canvas->Draw(0, 0, &top);
    canvas->Draw(0, top.Height(), &left);
    canvas->Draw(w - right.Width(), top.Height(), &right);
    canvas->Draw(0, h - bottom.Height(), &bottom);
}

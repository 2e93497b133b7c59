#include "platform/ui/graphics/canvas.h"

#include "platform/gdi/blit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_measure.h"
#include "platform/gdi/text_out.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/graphic.h"
#include "platform/ui/graphics/graphics_exceptions.h"

namespace {

COLORREF RGBOf(TColor Color) { return static_cast<COLORREF>(ColorToRGB(Color)) & kColorBits; }

}  // namespace

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>())
{
    font_->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
    pen_->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
    brush_->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle()
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
    return handle_;
}

void TCanvas::SetHandle(HDC Value)
{
    if (Value == handle_)
        return;
    if (handle_) {
        DeselectHandles();
        GetCurrentPositionEx(handle_, &penPos_);
    }
    handle_ = Value;
    if (handle_)
        MoveToEx(handle_, penPos_.X, penPos_.Y, nullptr);
}

void TCanvas::RequiredState(TCanvasState ReqState)
{
    if (!handle_) {
        CreateHandle();
        if (!handle_)
            throw EInvalidGraphicOperation("Canvas does not allow drawing");
    }
    if (ReqState.Contains(csFontValid) && (!selectedFont_ || GetCurrentObject(handle_, OBJ_FONT) != selectedFont_))
        SelectFont();
    if (ReqState.Contains(csPenValid) && (!selectedPen_ || GetCurrentObject(handle_, OBJ_PEN) != selectedPen_))
        SelectPen();
    if (ReqState.Contains(csBrushValid) &&
        (!selectedBrush_ || GetCurrentObject(handle_, OBJ_BRUSH) != selectedBrush_))
        SelectBrush();
}

void TCanvas::SelectFont()
{
    selectedFont_ = font_->Handle();
    SelectObject(handle_, selectedFont_);
    SetTextColor(handle_, RGBOf(font_->Color()));
}

void TCanvas::SelectPen()
{
    selectedPen_ = pen_->Handle();
    SelectObject(handle_, selectedPen_);
    SetROP2(handle_, PenModeToRop2(pen_->Mode()));
}

// A solid brush also gives the background of text and dashed lines; a clear
// one makes that background transparent.
void TCanvas::SelectBrush()
{
    selectedBrush_ = brush_->Handle();
    SelectObject(handle_, selectedBrush_);
    if (brush_->Style() == bsSolid) {
        SetBkColor(handle_, RGBOf(brush_->Color()));
        SetBkMode(handle_, OPAQUE);
    } else {
        SetBkColor(handle_, ~RGBOf(brush_->Color()) & kColorBits);
        SetBkMode(handle_, TRANSPARENT);
    }
}

void TCanvas::DeselectHandles()
{
    if (selectedFont_ && GetCurrentObject(handle_, OBJ_FONT) == selectedFont_)
        SelectObject(handle_, GetStockObject(SYSTEM_FONT));
    if (selectedPen_ && GetCurrentObject(handle_, OBJ_PEN) == selectedPen_)
        SelectObject(handle_, GetStockObject(BLACK_PEN));
    if (selectedBrush_ && GetCurrentObject(handle_, OBJ_BRUSH) == selectedBrush_)
        SelectObject(handle_, GetStockObject(HOLLOW_BRUSH));
    selectedFont_ = nullptr;
    selectedPen_ = nullptr;
    selectedBrush_ = nullptr;
}

// A tool that changed has deleted its old platform object; taking it out of
// the context lets it go now, and the next drawing call selects the new one.
void TCanvas::FontChanged(TObject*)
{
    if (selectedFont_ && handle_ && GetCurrentObject(handle_, OBJ_FONT) == selectedFont_)
        SelectObject(handle_, GetStockObject(SYSTEM_FONT));
    selectedFont_ = nullptr;
}

void TCanvas::PenChanged(TObject*)
{
    if (selectedPen_ && handle_ && GetCurrentObject(handle_, OBJ_PEN) == selectedPen_)
        SelectObject(handle_, GetStockObject(BLACK_PEN));
    selectedPen_ = nullptr;
}

void TCanvas::BrushChanged(TObject*)
{
    if (selectedBrush_ && handle_ && GetCurrentObject(handle_, OBJ_BRUSH) == selectedBrush_)
        SelectObject(handle_, GetStockObject(HOLLOW_BRUSH));
    selectedBrush_ = nullptr;
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

TRect TCanvas::ClipRect()
{
    RequiredState({csHandleValid});
    TRect r;
    GetClipBox(handle_, &r);
    return r;
}

TColor TCanvas::Pixels(int X, int Y)
{
    RequiredState({csHandleValid});
    return static_cast<TColor>(GetPixel(handle_, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Value)
{
    Changing();
    RequiredState({csHandleValid, csPenValid});
    SetPixelV(handle_, X, Y, RGBOf(Value));
    Changed();
}

TPoint TCanvas::PenPos()
{
    RequiredState({csHandleValid});
    TPoint p;
    GetCurrentPositionEx(handle_, &p);
    return p;
}

void TCanvas::MoveTo(int X, int Y)
{
    RequiredState({csHandleValid});
    MoveToEx(handle_, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::LineTo(handle_, X, Y);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> Points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polyline(handle_, Points.data(), static_cast<int>(Points.size()));
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> Points)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polygon(handle_, Points.data(), static_cast<int>(Points.size()));
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Rectangle(handle_, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Ellipse(handle_, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::RoundRect(handle_, X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::FillRect(const TRect& R)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FillRect(handle_, &R, brush_->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& R)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FrameRect(handle_, &R, brush_->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R)
{
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::DrawFocusRect(handle_, &R);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    Canvas->RequiredState({csHandleValid, csBrushValid});
    StretchBlt(handle_, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->handle_, Source.Left, Source.Top,
               Source.Width(), Source.Height(), copyMode_);
    Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color)
{
    if (!Bitmap || Bitmap->Empty() || IsRectEmpty(Dest))
        return;
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    int w = Dest.Width();
    int h = Dest.Height();
    // The piece at the destination's size, where its keyed pixels can be
    // told apart from the rest.
    TBitmap piece;
    piece.SetPixelFormat(pf32bit);
    piece.SetSize(w, h);
    HDC pieceDC = piece.Canvas()->Handle();
    SetStretchBltMode(pieceDC, COLORONCOLOR);
    StretchBlt(pieceDC, 0, 0, w, h, Bitmap->Canvas()->Handle(), Source.Left, Source.Top, Source.Width(),
               Source.Height(), SRCCOPY);
    COLORREF key = RGBOf(Color);
    if (brush_->Style() == bsClear && !brush_->Bitmap()) {
        TransparentBlt(handle_, Dest.Left, Dest.Top, w, h, pieceDC, 0, 0, w, h, key);
    } else {
        TBitmap fill;
        fill.SetPixelFormat(pf32bit);
        fill.SetSize(w, h);
        TRect all{0, 0, w, h};
        ::FillRect(fill.Canvas()->Handle(), &all, brush_->Handle());
        uint32_t keyPixel = ColorToPixel(key);
        for (int y = 0; y < h; ++y) {
            auto* row = static_cast<uint32_t*>(piece.ScanLine(y));
            auto* fillRow = static_cast<const uint32_t*>(fill.ScanLine(y));
            for (int x = 0; x < w; ++x) {
                if ((row[x] & kColorBits) == keyPixel)
                    row[x] = fillRow[x];
            }
        }
        BitBlt(handle_, Dest.Left, Dest.Top, w, h, piece.Canvas()->Handle(), 0, 0, SRCCOPY);
    }
    Changed();
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic)
{
    if (Graphic && !Graphic->Empty())
        StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

// Monochrome pictures take the brush colour for their white and the font
// colour for their black.
void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic)
{
    if (!Graphic || Graphic->Empty())
        return;
    Changing();
    RequiredState({csHandleValid});
    SetBkColor(handle_, RGBOf(brush_->Color()));
    SetTextColor(handle_, RGBOf(font_->Color()));
    Graphic->Draw(this, Rect);
    Changed();
}

void TCanvas::TextOut(int X, int Y, const AnsiString& Text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    ExtTextOut(handle_, X, Y, 0, nullptr, Text.data(), static_cast<int>(Text.size()), nullptr);
    TSize size;
    GetTextExtentPoint32(handle_, Text.data(), static_cast<int>(Text.size()), &size);
    MoveToEx(handle_, X + size.cx, Y, nullptr);
    Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const AnsiString& Text)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    unsigned options = ETO_CLIPPED;
    if (brush_->Style() != bsClear)
        options |= ETO_OPAQUE;
    ExtTextOut(handle_, X, Y, options, &Rect, Text.data(), static_cast<int>(Text.size()), nullptr);
    Changed();
}

void TCanvas::TextRect(TRect& Rect, const AnsiString& Text, unsigned Format)
{
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    DrawText(handle_, Text.data(), static_cast<int>(Text.size()), &Rect, Format);
    Changed();
}

TSize TCanvas::TextExtent(const AnsiString& Text)
{
    RequiredState({csHandleValid, csFontValid});
    TSize size;
    GetTextExtentPoint32(handle_, Text.data(), static_cast<int>(Text.size()), &size);
    return size;
}

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width)
{
    Canvas->Pen()->SetWidth(1);
    // Right and bottom become the last pixels inside, so the lines can run
    // along them.
    --Rect.Bottom;
    --Rect.Right;
    for (; Width > 0; --Width) {
        Canvas->Pen()->SetColor(TopColor);
        Canvas->Polyline({{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}});
        Canvas->Pen()->SetColor(BottomColor);
        Canvas->Polyline({{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}});
        InflateRect(Rect, -1, -1);
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

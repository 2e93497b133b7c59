// TCanvas: drawing on a device context with a font, a pen and a brush.
//
// The canvas selects its tools into the device context only when a drawing
// call needs them, and again whenever one of them changed. It checks that
// what it selected is still what the context holds: another canvas sharing
// the context (the editor swaps handles with its off-screen bitmap's canvas)
// or a direct SelectObject may have put other objects there, and then the
// canvas selects its own again instead of drawing with someone else's.
//
// A canvas without a handle asks CreateHandle for one; the base makes none,
// and drawing on it raises EInvalidGraphicOperation. Canvases of bitmaps and
// controls override CreateHandle.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/set.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/rop.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/pen.h"

class TBitmap;
class TGraphic;

enum TCanvasStates { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStates>;

// Copy modes: the raster operations of CopyRect and bitmap drawing.
using TCopyMode = uint32_t;
inline constexpr TCopyMode cmBlackness = BLACKNESS;
inline constexpr TCopyMode cmDstInvert = DSTINVERT;
inline constexpr TCopyMode cmMergeCopy = MERGECOPY;
inline constexpr TCopyMode cmMergePaint = MERGEPAINT;
inline constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
inline constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
inline constexpr TCopyMode cmPatCopy = PATCOPY;
inline constexpr TCopyMode cmPatInvert = PATINVERT;
inline constexpr TCopyMode cmPatPaint = PATPAINT;
inline constexpr TCopyMode cmSrcAnd = SRCAND;
inline constexpr TCopyMode cmSrcCopy = SRCCOPY;
inline constexpr TCopyMode cmSrcErase = SRCERASE;
inline constexpr TCopyMode cmSrcInvert = SRCINVERT;
inline constexpr TCopyMode cmSrcPaint = SRCPAINT;
inline constexpr TCopyMode cmWhiteness = WHITENESS;

class TCanvas : public TPersistent {
public:
    TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    // Takes its tools out of the device context; the context itself belongs
    // to whoever gave it.
    ~TCanvas() override;

    // The device context with font, pen and brush selected, made through
    // CreateHandle when there is none.
    HDC Handle();
    // Takes the tools out of the old context (those still selected there)
    // and carries the pen position over to the new one.
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return handle_ != nullptr; }

    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    TPen* Pen() const { return pen_.get(); }
    void SetPen(TPen* Value) { pen_->Assign(Value); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(TBrush* Value) { brush_->Assign(Value); }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }

    // The bounds of what can be drawn on, in logical units.
    TRect ClipRect();
    // CLR_INVALID (as a TColor, -1) outside the bitmap or the clip.
    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Value);
    TPoint PenPos();
    void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }

    void MoveTo(int X, int Y);
    // Draws up to, not including, (X, Y).
    void LineTo(int X, int Y);
    void Polyline(std::span<const TPoint> Points);
    void Polyline(std::initializer_list<TPoint> Points) { Polyline(std::span(Points.begin(), Points.size())); }
    void Polygon(std::span<const TPoint> Points);
    void Polygon(std::initializer_list<TPoint> Points) { Polygon(std::span(Points.begin(), Points.size())); }
    // Figures are outlined with the pen and filled with the brush; their
    // right and bottom edges are outside.
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    // Fills or frames with the brush, without the pen.
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void DrawFocusRect(const TRect& R);

    // Copies (stretching when the sizes differ) with CopyMode.
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
    // Copies Source of Bitmap onto Dest (stretched), the pixels of Color
    // replaced by the brush; with a clear brush they are left out.
    void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);

    // Draws in the font and, unless the brush is clear, on the brush
    // colour; the pen position moves to the end of the text.
    void TextOut(int X, int Y, const AnsiString& Text);
    // The same, clipped to Rect, which the brush fills first unless clear.
    void TextRect(const TRect& Rect, int X, int Y, const AnsiString& Text);
    // Lays the text out in Rect by DrawText flags (DT_*); with DT_CALCRECT
    // Rect becomes the bounds the text needs and nothing is drawn.
    void TextRect(TRect& Rect, const AnsiString& Text, unsigned Format);
    TSize TextExtent(const AnsiString& Text);
    int TextWidth(const AnsiString& Text) { return TextExtent(Text).cx; }
    int TextHeight(const AnsiString& Text) { return TextExtent(Text).cy; }

    // Nesting brackets around drawing that must not be interleaved with
    // other users of the canvas. Everything draws on one thread, so they
    // only count.
    void Lock() { ++lockCount_; }
    void Unlock() { --lockCount_; }
    int LockCount() const { return lockCount_; }

    // OnChanging before and OnChange after every drawing call.
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    // Makes sure the handle exists and the tools asked for are selected
    // (graphics drawing themselves on the canvas ask for what they use).
    void RequiredState(TCanvasState ReqState);

protected:
    // Called when a handle is needed and there is none; may SetHandle.
    virtual void CreateHandle() {}
    virtual void Changing();
    virtual void Changed();

private:
    friend class TGraphic;

    void SelectFont();
    void SelectPen();
    void SelectBrush();
    // Puts stock objects in place of this canvas's tools that the context
    // still holds, and forgets what was selected.
    void DeselectHandles();
    void FontChanged(TObject* Sender);
    void PenChanged(TObject* Sender);
    void BrushChanged(TObject* Sender);

    HDC handle_ = nullptr;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    // The handles this canvas last selected into handle_ (null: none). Each
    // counts as selected only while handle_ still holds it.
    HFONT selectedFont_ = nullptr;
    HPEN selectedPen_ = nullptr;
    HBRUSH selectedBrush_ = nullptr;
    TPoint penPos_;  // carried from one handle to the next
    TCopyMode copyMode_ = cmSrcCopy;
    int lockCount_ = 0;
};

// Draws Width nested one-pixel frames inside Rect, the top and left edges
// in TopColor and the bottom and right ones in BottomColor, with the
// canvas's pen (left at width 1 and BottomColor). Rect ends shrunk by Width
// on every side.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

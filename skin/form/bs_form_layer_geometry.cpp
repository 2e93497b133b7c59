#include "skin/form/bs_form_layer_geometry.h"

#include <algorithm>

#include "skin/data/bs_skin_colors.h"

namespace {

// Half-open: the right and bottom edges belong to the next rectangle.
bool Inside(const TRect& R, TPoint P) { return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom; }

}  // namespace

TbsLayerMetrics CalcLayerMetrics(const TbsDataSkinLayerFrame& Frame)
{
    TbsLayerMetrics m;
    const TRect& b = Frame.BorderRect;
    if (IsRectEmpty(b))
        return m;
    const TRect& c = Frame.ClientRect;
    m.LeftMargin = c.Left - b.Left;
    m.TopMargin = c.Top - b.Top;
    m.RightMargin = b.Right - c.Right;
    m.BottomMargin = b.Bottom - c.Bottom;
    m.LeftTop = {Frame.HitTestLeftTopPoint.X - b.Left, Frame.HitTestLeftTopPoint.Y - b.Top};
    m.RightTop = {b.Right - Frame.HitTestRightTopPoint.X, Frame.HitTestRightTopPoint.Y - b.Top};
    m.LeftBottom = {Frame.HitTestLeftBottomPoint.X - b.Left, b.Bottom - Frame.HitTestLeftBottomPoint.Y};
    m.RightBottom = {b.Right - Frame.HitTestRightBottomPoint.X, b.Bottom - Frame.HitTestRightBottomPoint.Y};
    return m;
}

TRect LayerFormRect(const TbsDataSkinLayerFrame& Frame, const TRect& FormBounds, bool RolledUp)
{
    TRect r = Bounds(FormBounds.Left + Frame.LeftOffset, FormBounds.Top + Frame.TopOffset,
                     FormBounds.Width() + Frame.WidthOffset, FormBounds.Height() + Frame.HeightOffset);
    if (RolledUp)
        r.Bottom = r.Top + Frame.RollUpFormHeight;
    return r;
}

TbsLayerPlacement PlaceLayerBorder(const TbsDataSkinLayerFrame& Frame, TSize PictureSize, const TRect& FormRect)
{
    const TRect& c = Frame.ClientRect;
    int x = FormRect.Left - c.Left;
    int y = FormRect.Top - c.Top;
    int w = std::max(0, FormRect.Width() + PictureSize.cx - c.Width());
    int h = std::max(0, FormRect.Height() + PictureSize.cy - c.Height());
    // The picture's rows and columns around "clientrect", kept inside it
    // as the strips are cut.
    int left = std::clamp(c.Left, 0, PictureSize.cx);
    int right = std::clamp(c.Right, left, PictureSize.cx);
    int topH = std::clamp(c.Top, 0, PictureSize.cy);
    int bottom = std::clamp(c.Bottom, topH, PictureSize.cy);
    // The bottom strip gives way to the top one; a top strip taller than
    // the whole border leaves it nothing rather than a negative height.
    int bottomH = std::clamp(PictureSize.cy - bottom, 0, std::max(0, h - topH));
    int sideH = std::max(0, h - topH - bottomH);
    int leftW = left;
    int rightW = PictureSize.cx - right;

    TbsLayerPlacement p;
    p.Outer = Bounds(x, y, w, h);
    p.Top = Bounds(x, y, w, std::min(topH, h));
    p.Bottom = Bounds(x, y + h - bottomH, w, bottomH);
    p.Left = Bounds(x, y + p.Top.Height(), leftW, sideH);
    p.Right = Bounds(x + w - rightW, y + p.Top.Height(), rightW, sideH);
    return p;
}

TbsLayerZone LayerSizingZone(TbsLayerSide Side, TPoint P, const TbsLayerHitInput& In)
{
    if (!In.CanSize)
        return lzNone;
    const TbsLayerMetrics& m = In.Metrics;
    int outerL = In.Form.Left - m.LeftMargin;
    int outerT = In.Form.Top - m.TopMargin;
    int outerR = In.Form.Right + m.RightMargin;
    int outerB = In.Form.Bottom + m.BottomMargin;
    int s = In.HitTestSize;
    bool onCaption = Inside(In.Caption, P);
    switch (Side) {
    case TbsLayerSide::Top: {
        TRect lt = Rect(outerL, outerT, outerL + m.LeftTop.cx, outerT + m.LeftTop.cy);
        TRect rt = Rect(outerR - m.RightTop.cx, outerT, outerR, outerT + m.RightTop.cy);
        if (Inside(lt, P))
            return onCaption ? lzNone : lzTopLeft;
        if (Inside(Rect(lt.Right, outerT, rt.Left, outerT + s), P))
            return lzTop;
        if (Inside(rt, P))
            return onCaption ? lzNone : lzTopRight;
        if (Inside(Rect(outerL, lt.Bottom, outerL + s, In.Window.Bottom), P))
            return onCaption ? lzNone : lzLeft;
        if (Inside(Rect(outerR - s, rt.Bottom, outerR, In.Window.Bottom), P))
            return onCaption ? lzNone : lzRight;
        return lzNone;
    }
    case TbsLayerSide::Bottom: {
        TRect lb = Rect(outerL, outerB - m.LeftBottom.cy, outerL + m.LeftBottom.cx, outerB);
        TRect rb = Rect(outerR - m.RightBottom.cx, outerB - m.RightBottom.cy, outerR, outerB);
        if (Inside(lb, P))
            return lzBottomLeft;
        if (Inside(Rect(lb.Right, In.Window.Top, rb.Left, outerB), P))
            return lzBottom;
        if (Inside(rb, P))
            return lzBottomRight;
        if (Inside(Rect(outerL, In.Window.Top, In.Form.Left, lb.Top), P))
            return lzLeft;
        if (Inside(Rect(In.Form.Right, In.Window.Top, outerR, rb.Top), P))
            return lzRight;
        return lzNone;
    }
    case TbsLayerSide::Left:
        return P.X < outerL ? lzNone : lzLeft;
    case TbsLayerSide::Right:
        return P.X >= outerR ? lzNone : lzRight;
    }
    return lzNone;
}

TRect LayerCaptionRect(const TbsDataSkinLayerFrame& Frame, const TRect& Outer, int PictureWidth)
{
    const TRect& c = Frame.CaptionRect;
    if (IsRectEmpty(c))
        return {};
    return Rect(Outer.Left + c.Left, Outer.Top + c.Top, Outer.Left + c.Right + Outer.Width() - PictureWidth,
                Outer.Top + c.Bottom);
}

int DraggedSize(int Size, int Delta, int Min, int Max)
{
    int size = std::max(Size + Delta, Min);
    return Max > 0 ? std::min(size, std::max(Max, Min)) : size;
}

// The four border strips of a nine-part frame drawn around a page: the
// ribbon's page area and the application menu's active page share them.
#pragma once

#include "platform/base/geometry.h"
#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_nine_part.h"

struct TbsFrameStrips {
    TRect Frame;  // the page grown by the description's client margins
    TBitmap Left, Top, Right, Bottom;
};

// Strips of Description (any description with a skin rectangle, a client
// rectangle, four corner points and four edge stretch flags) from Picture,
// built for a frame around Page; nothing is built when the frame is empty.
template <typename Description>
void BuildFrameStrips(TbsFrameStrips& Strips, const Description& D, TBitmap* Picture, const TRect& Page)
{
    Strips.Frame = TRect{Page.Left - D.ClientRect.Left, Page.Top - D.ClientRect.Top,
                         Page.Right + D.SkinRect.Width() - D.ClientRect.Right,
                         Page.Bottom + D.SkinRect.Height() - D.ClientRect.Bottom};
    const int w = Strips.Frame.Width();
    const int h = Strips.Frame.Height();
    if (w < 1 || h < 1)
        return;
    const int dx = w - D.SkinRect.Width();
    const int dy = h - D.SkinRect.Height();
    TRect client = D.ClientRect;
    client.Right += dx;
    client.Bottom += dy;
    CreateSkinBorderImages(D.LeftTopPoint, D.RightTopPoint, D.LeftBottomPoint, D.RightBottomPoint, D.ClientRect,
                           D.LeftTopPoint, TPoint{D.RightTopPoint.X + dx, D.RightTopPoint.Y},
                           TPoint{D.LeftBottomPoint.X, D.LeftBottomPoint.Y + dy},
                           TPoint{D.RightBottomPoint.X + dx, D.RightBottomPoint.Y + dy}, client, &Strips.Left,
                           &Strips.Top, &Strips.Right, &Strips.Bottom, Picture, D.SkinRect, w, h, D.LeftStretch,
                           D.TopStretch, D.RightStretch, D.BottomStretch);
}

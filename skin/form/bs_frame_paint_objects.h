// What the frame painters need of the form's frame objects (caption
// buttons, caption, ornaments): the form component answers for its list,
// tests for a list of their own.
#pragma once

#include "platform/base/event.h"
#include "platform/base/geometry.h"

class TCanvas;

class TbsFramePaintObjects {
public:
    virtual ~TbsFramePaintObjects() = default;
    // Objects are numbered 0 .. Count() - 1 in list order.
    virtual int Count() const = 0;
    virtual bool Visible(int Index) const = 0;
    // Where the object lies on the frame, window coordinates.
    virtual TRect ObjectRect(int Index) const = 0;
    // The object draws itself into Canvas as if its ObjectRect were moved by
    // Offset. UpDate false: an object whose normal image is part of the
    // frame picture just painted may leave it out.
    virtual void Draw(int Index, TCanvas* Canvas, TPoint Offset, bool UpDate) = 0;
};

// Paints a caption instead of the frame's text: the canvas, the text's
// rectangle on it and whether the frame is drawn active.
using TbsCaptionPaintEvent = TEvent<void(TCanvas* Canvas, const TRect& Rect, bool Active)>;

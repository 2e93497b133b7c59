// The skinned frame painter: the four border strips of the skin's frame
// picture stretched to the window, the frame objects drawn into them, and
// the strips put on the window around the client area; while inactive,
// optionally through the skin's inactive effect.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "skin/form/bs_frame_paint_objects.h"

struct TbsSkinContent;

struct TbsSkinFramePaint {
    int W = 0;
    int H = 0;
    // The skin in use: its frame pictures and FORMINFO.
    const TbsSkinContent* Skin = nullptr;
    // The skin's corner points and "clientrect" placed on the W x H frame.
    TPoint NewLTPoint;
    TPoint NewRTPoint;
    TPoint NewLBPoint;
    TPoint NewRBPoint;
    TRect NewClRect;
    bool Active = true;
    // The frame's minimum size: a smaller frame is not painted.
    int MinWidth = 0;
    int MinHeight = 0;
};

// Paints the frame into DC (window coordinates) in four block transfers,
// the client rectangle left untouched; the DC's clipping is as it was
// afterwards. An object whose rectangle reaches below the client's top is
// drawn into the bottom strip. Nothing without a frame picture.
void PaintSkinFrame(HDC DC, const TbsSkinFramePaint& Frame, TbsFramePaintObjects& Objects);

// The plain frame a skinnable form gets while no skin is in use: three 3-D
// rings, a caption strip with ridges broken around its text, and the
// default caption buttons drawn by their objects.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "skin/form/bs_frame_paint_objects.h"

class TFont;

struct TbsDefaultFrame {
    int W = 0;
    int H = 0;
    // 19, or 15 for tool windows.
    int CaptionHeight = 19;
    // The caption between the system-menu button and the caption buttons,
    // as the default object layout left it (window coordinates).
    TRect CaptionRect;
    bool Active = true;
    // The form's caption (an MDI parent's with its maximized child's).
    AnsiString Caption;
    // The caption font; the form's DefCaptionFont or DefInActiveCaptionFont
    // as Active says.
    TFont* Font = nullptr;
    // DrawText flags of the form's reading order.
    unsigned TextFlags = 0;
    TbsCaptionPaintEvent OnCaptionPaint;
};

// Paints the whole plain frame into DC (window coordinates), leaving the
// client rectangle (3, caption + 3, W - 3, H - 3) untouched. The DC's
// clipping is as it was afterwards.
void PaintDefaultFrame(HDC DC, const TbsDefaultFrame& Frame, TbsFramePaintObjects& Objects);

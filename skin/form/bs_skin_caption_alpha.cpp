// The caption drawn for the layered border windows: divider, quick buttons
// and title only, onto a 32-bit bitmap whose alpha is the window's shape.
// Text drawing knows nothing of alpha, so each pass of text is drawn twice:
// in its colours into a copy of the target, and in white into a grey
// picture of the target's alpha; the grey becomes the copy's alpha.
#include <algorithm>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_effects.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"

namespace {

// Runs Pass over Area of Canvas so that what it draws also sets the alpha
// of the bitmap behind Canvas. A canvas of no TbsBitmap has no alpha to
// keep and is drawn on directly.
void RunKeepingAlpha(TCanvas* Canvas, const TRect& Area,
                     const std::function<void(TCanvas*, TPoint, bool)>& Pass)
{
    TbsBitmap* target = FindBitmapByDC(Canvas->Handle());
    if (!target) {
        Pass(Canvas, TPoint{0, 0}, false);
        return;
    }
    TRect a{std::max(Area.Left, 0), std::max(Area.Top, 0), std::min(Area.Right, target->Width()),
            std::min(Area.Bottom, target->Height())};
    if (IsRectEmpty(a))
        return;
    const int w = a.Width();
    const int h = a.Height();
    TbsBitmap colours, alpha;
    colours.SetSize(w, h);
    alpha.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* from = target->PixelPtr(a.Left, a.Top + y);
        std::copy(from, from + w, colours.GetScanline(y));
        uint32_t* grey = alpha.GetScanline(y);
        for (int x = 0; x < w; ++x) {
            const uint32_t v = from[x] >> 24;
            grey[x] = 0xFF000000u | (v << 16) | (v << 8) | v;
        }
    }
    const TPoint shift{-a.Left, -a.Top};
    for (TbsBitmap* b : {&colours, &alpha})
        b->GetCanvas()->Font()->Assign(Canvas->Font());
    Pass(alpha.GetCanvas(), shift, true);
    Pass(colours.GetCanvas(), shift, false);
    MaskToAlpha(&colours, &alpha);
    for (int y = 0; y < h; ++y)
        std::copy(colours.GetScanline(y), colours.GetScanline(y) + w, target->PixelPtr(a.Left, a.Top + y));
}

}  // namespace

void TbsSkinCaptionObject::DrawAlpha(TCanvas* Canvas)
{
    if (!SkinReady())
        return;
    Active = Parent->FormActive;
    drawnOnLayer_ = true;
    TRect area{0, 0, ObjectRect.Width(), ObjectRect.Height()};
    if (HasQuickButtons()) {
        if (!IsRectEmpty(DividerRect))
            PaintDivider(Canvas, ObjectRect.Left + 3, DividerSource());
        LayoutQuickButtons();
        PaintQuickButtons(Canvas);
        area.Left += QuickButtonsStart() + QuickButtonsWidth();
    }
    const int inset = VistaGlowEffect ? 6 : GlowEffect ? 3 : 0;
    area.Left += inset;
    area.Right -= inset;
    SetCaptionFont(Canvas, Active ? ActiveFontColor : FontColor);
    OffsetRect(area, ObjectRect.Left, ObjectRect.Top);
    // Glow, halo and reflection reach beyond the text; the caption's height
    // around it holds all of them.
    TRect reach = ObjectRect;
    InflateRect(reach, std::max(16, ObjectRect.Height()), std::max(16, ObjectRect.Height()));
    PaintText(Canvas, area, ObjectRect.TopLeft(), Active, true,
              [&](TCanvas* C, const TTextPass& Pass) { RunKeepingAlpha(C, reach, Pass); });
}

#include "platform/ui/graphics/pen.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_records.h"
#include "platform/gdi/pen_brush.h"

int PenModeToRop2(TPenMode Mode)
{
    static constexpr int kRop2[] = {
        R2_BLACK,       R2_WHITE,       R2_NOP,         R2_NOT,         R2_COPYPEN,     R2_NOTCOPYPEN,
        R2_MERGEPENNOT, R2_MASKPENNOT,  R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,    R2_NOTMERGEPEN,
        R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN,
    };
    return kRop2[Mode];
}

TPen::~TPen()
{
    if (handle_)
        DeleteObject(handle_);
}

void TPen::SetColor(TColor Value)
{
    if (Value != color_) {
        color_ = Value;
        Changed();
    }
}

void TPen::SetWidth(int Value)
{
    if (Value >= 0 && Value != width_) {
        width_ = Value;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle Value)
{
    if (Value != style_) {
        style_ = Value;
        Changed();
    }
}

void TPen::SetMode(TPenMode Value)
{
    if (Value != mode_) {
        mode_ = Value;
        Changed();
    }
}

HPEN TPen::Handle()
{
    if (!handle_) {
        static constexpr int kStyles[] = {PS_SOLID, PS_DASH,       PS_DOT,         PS_DASHDOT,
                                          PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        handle_ = CreatePen(kStyles[style_], width_, static_cast<COLORREF>(ColorToRGB(color_)));
    }
    return handle_;
}

void TPen::Assign(TPersistent* Source)
{
    if (auto* pen = dynamic_cast<TPen*>(Source)) {
        color_ = pen->color_;
        width_ = pen->width_;
        style_ = pen->style_;
        mode_ = pen->mode_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

// The old platform pen goes before anyone hears of the change, so a canvas
// that re-selects on OnChange picks up the new one.
void TPen::Changed()
{
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    TGraphicsObject::Changed();
}

#include "platform/ui/graphics/brush.h"

#include "platform/gdi/pen_brush.h"
#include "platform/ui/graphics/bitmap.h"

TBrush::~TBrush()
{
    if (handle_)
        DeleteObject(handle_);
}

void TBrush::SetColor(TColor Value)
{
    if (Value != color_ || style_ == bsClear) {
        color_ = Value;
        style_ = bsSolid;
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (Value != style_) {
        style_ = Value;
        Changed();
    }
}

void TBrush::SetBitmap(TBitmap* Value)
{
    if (Value != bitmap_) {
        bitmap_ = Value;
        Changed();
    }
}

HBRUSH TBrush::Handle()
{
    if (!handle_) {
        if (bitmap_ && !bitmap_->Empty()) {
            handle_ = CreatePatternBrush(bitmap_->Handle());
        } else {
            LOGBRUSH log;
            log.lbStyle = style_ == bsClear ? BS_NULL : BS_SOLID;
            log.lbColor = static_cast<COLORREF>(ColorToRGB(color_));
            handle_ = CreateBrushIndirect(log);
        }
    }
    return handle_;
}

void TBrush::Assign(TPersistent* Source)
{
    if (auto* brush = dynamic_cast<TBrush*>(Source)) {
        color_ = brush->color_;
        style_ = brush->style_;
        bitmap_ = brush->bitmap_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::Changed()
{
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    TGraphicsObject::Changed();
}

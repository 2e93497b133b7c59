// TBrush: how figures and rectangles are filled: a solid colour, nothing
// (bsClear), or a bitmap repeated as a pattern.
#pragma once

#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/graphics_object.h"

class TBitmap;

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    TBrush() = default;
    ~TBrush() override;

    TColor Color() const { return color_; }
    // A colour is meant to be seen: a clear brush becomes solid.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle Value);
    // The pattern bitmap, not owned; while set it wins over the colour and
    // style. The platform brush copies its pixels when it is made, so later
    // changes to the bitmap show only after the brush changes again.
    TBitmap* Bitmap() const { return bitmap_; }
    void SetBitmap(TBitmap* Value);

    HBRUSH Handle();

    void Assign(TPersistent* Source) override;

protected:
    void Changed() override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TBitmap* bitmap_ = nullptr;
    HBRUSH handle_ = nullptr;  // made from the fields above; null until asked for
};

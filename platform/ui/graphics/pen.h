// TPen: the colour, width, style and mix mode that lines and outlines are
// drawn with. The platform pen is made from them when first asked for and
// made again after any change.
#pragma once

#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/graphics_object.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen combines with the pixels under it.
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor,
};

// The binary raster operation (R2_*) a mode stands for.
int PenModeToRop2(TPenMode Mode);

class TPen : public TGraphicsObject {
public:
    TPen() = default;
    ~TPen() override;

    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    int Width() const { return width_; }
    // Negative widths are ignored.
    void SetWidth(int Value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle Value);
    // The mode is not part of the platform pen: the canvas applies it when
    // it selects the pen.
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode Value);

    HPEN Handle();

    void Assign(TPersistent* Source) override;

protected:
    void Changed() override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    HPEN handle_ = nullptr;  // made from the fields above; null until asked for
};

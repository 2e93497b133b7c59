// Frame objects for the painters' tests: coloured boxes that record how
// they were asked to draw.
#pragma once

#include <vector>

#include "platform/gdi/colors.h"
#include "skin/form/bs_frame_paint_objects.h"

class TTestPaintObjects : public TbsFramePaintObjects {
public:
    struct TObject {
        TRect Rect;
        TColor Colour = clRed;
        bool Visible = true;
    };
    struct TDrawn {
        int Index = 0;
        TCanvas* Canvas = nullptr;
        TPoint Offset;
        bool UpDate = false;
    };

    std::vector<TObject> Objects;
    std::vector<TDrawn> Drawn;

    int Count() const override { return static_cast<int>(Objects.size()); }
    bool Visible(int Index) const override { return Objects[Index].Visible; }
    TRect ObjectRect(int Index) const override { return Objects[Index].Rect; }
    // Fills the rectangle, moved by Offset, in the object's colour.
    void Draw(int Index, TCanvas* Canvas, TPoint Offset, bool UpDate) override;
};

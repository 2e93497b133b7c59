// TBevel: the shapes in the flat look's frame colours.
#include "platform/ui/widgets/bevel.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value)
{
    shape_ = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value)
{
    style_ = Value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    // A lowered line is a shadow line with a light one after it, a raised
    // one the other way round.
    TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    switch (shape_) {
    case bsBox:
        DrawFlatFrame(canvas, r, style_ == bsLowered ? TFlatFrame::Sunken : TFlatFrame::Raised);
        break;
    case bsFrame:
        DrawFlatGroove(canvas, r, first, second);
        break;
    case bsTopLine:
        FlatFill(canvas, Rect(r.Left, r.Top, r.Right, r.Top + 1), first);
        FlatFill(canvas, Rect(r.Left, r.Top + 1, r.Right, r.Top + 2), second);
        break;
    case bsBottomLine:
        FlatFill(canvas, Rect(r.Left, r.Bottom - 2, r.Right, r.Bottom - 1), first);
        FlatFill(canvas, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), second);
        break;
    case bsLeftLine:
        FlatFill(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), first);
        FlatFill(canvas, Rect(r.Left + 1, r.Top, r.Left + 2, r.Bottom), second);
        break;
    case bsRightLine:
        FlatFill(canvas, Rect(r.Right - 2, r.Top, r.Right - 1, r.Bottom), first);
        FlatFill(canvas, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), second);
        break;
    case bsSpacer:
        break;
    }
}

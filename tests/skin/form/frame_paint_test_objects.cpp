#include "tests/skin/form/frame_paint_test_objects.h"

#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"

void TTestPaintObjects::Draw(int Index, TCanvas* Canvas, TPoint Offset, bool UpDate)
{
    Drawn.push_back({Index, Canvas, Offset, UpDate});
    TRect r = Objects[Index].Rect;
    OffsetRect(r, Offset.X, Offset.Y);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Objects[Index].Colour);
    Canvas->FillRect(r);
}

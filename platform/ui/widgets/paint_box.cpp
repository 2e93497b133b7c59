// TPaintBox: painting handed to OnPaint.
#include "platform/ui/widgets/paint_box.h"

#include "platform/ui/graphics/canvas.h"

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint()
{
    Canvas()->SetFont(Font());
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Color());
    if (OnPaint)
        OnPaint(this);
}

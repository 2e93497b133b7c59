// Pens and brushes resolved for a vector sink: colours and widths, no pixels.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/pen_brush.h"
#include "platform/gdi/vector_sink.h"

TVectorPaint VectorPen(const TDeviceContext& DC)
{
    TVectorPaint paint;
    const TGdiPen* pen = SelectedGdiObjectAs<TGdiPen>(DC.State().Pen);
    if (!pen || pen->Style() == PS_NULL)
        return paint;
    paint.Null = false;
    paint.Color = pen->Log.lopnColor;
    paint.Width = std::max(1, DC.LengthToDevice(pen->Log.lopnWidth.X));
    return paint;
}

TVectorPaint VectorBrush(HBRUSH Brush)
{
    TVectorPaint paint;
    uintptr_t value = reinterpret_cast<uintptr_t>(Brush);
    if (value >= 1 && value <= static_cast<uintptr_t>(SysColorCount)) {
        paint.Null = false;
        paint.Color = GetSysColor(static_cast<int>(value - 1));
        return paint;
    }
    const TGdiBrush* brush = SelectedGdiObjectAs<TGdiBrush>(Brush);
    if (!brush || brush->Style == BS_NULL)
        return paint;
    paint.Null = false;
    paint.Color = brush->Color;
    return paint;
}

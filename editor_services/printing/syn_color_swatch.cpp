// The page setup dialog's colour swatch (see the header).
#include "editor_services/printing/syn_color_swatch.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/focus_on_press.h"
#include "platform/win/virtual_keys.h"

TSynColorSwatch::TSynColorSwatch(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
}

void TSynColorSwatch::Paint()
{
    if (OnPaint)
        OnPaint(this);
    if (Focused()) {
        TRect frame = ClientRect();
        InflateRect(frame, -2, -2);
        Canvas()->DrawFocusRect(frame);
    }
}

void TSynColorSwatch::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (alive && Key == VK_SPACE && Shift.Empty()) {
        Key = 0;
        Click();
    }
}

void TSynColorSwatch::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (alive && Button == mbLeft)
        TakeFocusOnPress(this);
}

void TSynColorSwatch::DoEnter()
{
    Invalidate();
    TCustomControl::DoEnter();
}

void TSynColorSwatch::DoExit()
{
    Invalidate();
    TCustomControl::DoExit();
}

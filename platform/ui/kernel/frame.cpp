#include "platform/ui/kernel/frame.h"

TFrame::TFrame(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetParentColor(true);
    SetBounds(0, 0, 320, 240);
}

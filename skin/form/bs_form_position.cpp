#include "skin/form/bs_form_position.h"

#include "skin/data/bs_platform.h"

TPoint CalcPositionInMonitor(TbsPositionInMonitor Kind, HWND Window, TPoint Position, int Width, int Height)
{
    if (Kind == bspDefault)
        return Position;
    TRect monitor{};
    GetMonitorWorkArea(Window, Kind == bspDesktopCenter, monitor);
    return TPoint{monitor.Left + monitor.Width() / 2 - Width / 2, monitor.Top + monitor.Height() / 2 - Height / 2};
}

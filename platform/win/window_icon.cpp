// A top-level window's pictures for the desktop.
#include "platform/win/window_icon.h"

#include "platform/win/backend.h"
#include "platform/win/window.h"

bool SetWindowIconImages(HWND Window, std::vector<TRasterImage> Images)
{
    TWindow* window = WindowOf(Window);
    if (!window || !window->IsTopLevel())
        return false;
    window->Icon = std::move(Images);
    Backend().SetSurfaceIcon(Window, window->Icon);
    return true;
}

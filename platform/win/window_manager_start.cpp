// StartWindowManager: the one place that puts the window manager's areas
// and back ends in place.
#include "platform/win/window_manager_start.h"

#include "platform/win/input_internal.h"
#include "platform/win/painting_internal.h"
#include "platform/win/x11_backend.h"

void StartWindowManager()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    // Input first: the painting areas' frame handler passes on the presses
    // it leaves alone to the handlers input installs.
    InstallInput();
    InstallPainting();
    RegisterX11Backend();
}

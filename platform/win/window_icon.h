// The pictures a top-level window shows on the desktop (its task-bar entry,
// its switcher tile): kept with the window and handed to the back end
// whenever the window has a surface.
#pragma once

#include <vector>

#include "platform/gdi/raster_image.h"
#include "platform/win/win_types.h"

// Each picture at its own size; none clears them. False for a stale handle
// or a child window, which the desktop shows no picture for.
bool SetWindowIconImages(HWND Window, std::vector<TRasterImage> Images);

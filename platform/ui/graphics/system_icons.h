// Icon handles: the system's standard icons as LoadIcon(0, IDI_...) gives
// them, and drawing an icon handle on a device context.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/raster_image.h"
#include "platform/win/resource_names.h"
#include "platform/win/win_types.h"

inline const char* const IDI_APPLICATION = MAKEINTRESOURCE(32512);
inline const char* const IDI_HAND = MAKEINTRESOURCE(32513);
inline const char* const IDI_QUESTION = MAKEINTRESOURCE(32514);
inline const char* const IDI_EXCLAMATION = MAKEINTRESOURCE(32515);
inline const char* const IDI_ASTERISK = MAKEINTRESOURCE(32516);
inline const char* const IDI_ERROR = IDI_HAND;
inline const char* const IDI_WARNING = IDI_EXCLAMATION;
inline const char* const IDI_INFORMATION = IDI_ASTERISK;

inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = 0x0003;

// The shared handle of a standard icon, valid for the whole run (never
// destroyed). Instance must be 0; 0 for any other name.
HICON LoadIcon(HINSTANCE Instance, const char* Name);
// The picture behind an icon handle; nullptr for 0 or an unknown handle.
const TRasterImage* IconImage(HICON Icon);
// Standard icons are shared: destroying one does nothing. False for a
// handle that is no icon.
bool DestroyIcon(HICON Icon);
// Blends the icon at its own size with its top-left at (X, Y).
bool DrawIcon(HDC DC, int X, int Y, HICON Icon);
// Blends the icon stretched to Width x Height (0: its own size). DI_NORMAL
// and DI_IMAGE draw it; DI_MASK alone draws nothing here, since the alpha
// is the mask. The step and the brush are not used.
bool DrawIconEx(HDC DC, int X, int Y, HICON Icon, int Width, int Height, UINT Step, HBRUSH FlickerFreeDraw,
                UINT Flags);

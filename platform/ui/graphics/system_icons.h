// Icon handles: the system's standard icons as LoadIcon(0, IDI_...) gives
// them, icons of the program's own (copies and pictures made into icons),
// and drawing an icon handle on a device context.
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

inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT LR_COPYFROMRESOURCE = 0x4000;

inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = 0x0003;

// The shared handle of a standard icon, valid for the whole run (never
// destroyed). Instance must be 0; 0 for any other name.
HICON LoadIcon(HINSTANCE Instance, const char* Name);
// The picture behind an icon handle; nullptr for 0 or an unknown handle.
const TRasterImage* IconImage(HICON Icon);
// Standard icons are shared: destroying one does nothing. An icon of the
// program's own is freed. False for a handle that is no icon.
bool DestroyIcon(HICON Icon);
// A new icon of the program's own holding a copy of Image (straight
// alpha); the caller frees it with DestroyIcon. nullptr for an empty image.
HICON CreateIconFromImage(const TRasterImage& Image);
// A new icon holding Icon's picture at Width x Height (0: the picture's own
// width or height), resampled from the full picture. Only Type IMAGE_ICON
// is copied; LR_COPYFROMRESOURCE changes nothing, since every icon keeps
// its full picture. nullptr for another type or a handle that is no icon.
HICON CopyImage(HICON Icon, UINT Type, int Width, int Height, UINT Flags);
// Blends the icon at its own size with its top-left at (X, Y).
bool DrawIcon(HDC DC, int X, int Y, HICON Icon);
// Blends the icon stretched to Width x Height (0: its own size). DI_NORMAL
// and DI_IMAGE draw it; DI_MASK alone draws nothing here, since the alpha
// is the mask. The step and the brush are not used.
bool DrawIconEx(HDC DC, int X, int Y, HICON Icon, int Width, int Height, UINT Step, HBRUSH FlickerFreeDraw,
                UINT Flags);

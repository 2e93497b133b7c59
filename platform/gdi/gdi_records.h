// The records that callers exchange with the raster engine, laid out byte
// for byte as the stored and exchanged formats have them (bitmap headers
// are read from files, region data is built by hand by the skin code).
#pragma once

#include <cstdint>

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"

struct BITMAP {
    int32_t bmType = 0;
    int32_t bmWidth = 0;
    int32_t bmHeight = 0;
    int32_t bmWidthBytes = 0;  // bytes per row
    uint16_t bmPlanes = 0;
    uint16_t bmBitsPixel = 0;
    void* bmBits = nullptr;  // the pixels of a DIB section; nullptr otherwise
};

enum : uint32_t { BI_RGB = 0, BI_BITFIELDS = 3 };

struct BITMAPINFOHEADER {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;  // negative for top-down rows
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = BI_RGB;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    uint32_t dsBitfields[3] = {};
    void* dshSection = nullptr;
    uint32_t dsOffset = 0;
};

enum : unsigned { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1 };

// Pen styles.
enum : unsigned {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
    PS_STYLE_MASK = 0x0F,
};

struct LOGPEN {
    unsigned lopnStyle = PS_SOLID;
    TPoint lopnWidth;  // X holds the width
    COLORREF lopnColor = 0;
};

// Brush styles.
enum : unsigned { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_PATTERN = 3 };

struct LOGBRUSH {
    unsigned lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    uintptr_t lbHatch = 0;  // the pattern bitmap's handle for BS_PATTERN
};

// Alpha blending.
enum : uint8_t { AC_SRC_OVER = 0, AC_SRC_ALPHA = 1 };

struct BLENDFUNCTION {
    uint8_t BlendOp = AC_SRC_OVER;
    uint8_t BlendFlags = 0;
    uint8_t SourceConstantAlpha = 255;
    uint8_t AlphaFormat = 0;
};

// Region data: a 32-byte header followed by nCount rectangles of 16 bytes.
enum : uint32_t { RDH_RECTANGLES = 1 };

struct RGNDATAHEADER {
    uint32_t dwSize = sizeof(RGNDATAHEADER);
    uint32_t iType = RDH_RECTANGLES;
    uint32_t nCount = 0;
    uint32_t nRgnSize = 0;
    TRect rcBound;
};
static_assert(sizeof(RGNDATAHEADER) == 32 && sizeof(TRect) == 16);

struct RGNDATA {
    RGNDATAHEADER rdh;
    char Buffer[1];  // nCount TRect records follow the header
};

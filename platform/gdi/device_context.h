// Device contexts. A DC draws on a surface bitmap: a memory DC on the bitmap
// selected into it, a window DC (made by the window manager) on the backing
// bitmap of its top-level window, moved by a device origin and limited to a
// visible region. Logical coordinates go through the mapping mode to device
// coordinates, and device coordinates plus the device origin are surface
// coordinates, where the pixels are.
#pragma once

#include <optional>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

class TGdiBitmap;
class TVectorSink;

// Background modes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Binary raster operations of pens and filled shapes.
enum : int {
    R2_BLACK = 1,
    R2_NOTMERGEPEN = 2,
    R2_MASKNOTPEN = 3,
    R2_NOTCOPYPEN = 4,
    R2_MASKPENNOT = 5,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_NOTMASKPEN = 8,
    R2_MASKPEN = 9,
    R2_NOTXORPEN = 10,
    R2_NOP = 11,
    R2_MERGENOTPEN = 12,
    R2_COPYPEN = 13,
    R2_MERGEPENNOT = 14,
    R2_MERGEPEN = 15,
    R2_WHITE = 16,
};

// Stretch modes.
enum : int {
    BLACKONWHITE = 1,
    WHITEONBLACK = 2,
    COLORONCOLOR = 3,
    HALFTONE = 4,
    STRETCH_ANDSCANS = BLACKONWHITE,
    STRETCH_ORSCANS = WHITEONBLACK,
    STRETCH_DELETESCANS = COLORONCOLOR,
    STRETCH_HALFTONE = HALFTONE,
};

// Mapping modes.
enum : int { MM_TEXT = 1, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };

// Polygon fill modes.
enum : int { ALTERNATE = 1, WINDING = 2 };

// Text alignment.
enum : unsigned {
    TA_NOUPDATECP = 0,
    TA_UPDATECP = 1,
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

// Everything SaveDC keeps and RestoreDC brings back.
struct TDCState {
    HBITMAP Bitmap = nullptr;  // memory DCs only
    HPEN Pen = nullptr;
    HBRUSH Brush = nullptr;
    HFONT Font = nullptr;
    COLORREF TextColor = 0x000000;
    COLORREF BkColor = 0xFFFFFF;
    int BkMode = OPAQUE;
    unsigned TextAlign = TA_LEFT | TA_TOP;
    int CharExtra = 0;
    int Rop2 = R2_COPYPEN;
    int StretchMode = BLACKONWHITE;
    int PolyFillMode = ALTERNATE;
    TPoint BrushOrg;    // device units
    TPoint CurrentPos;  // logical units
    int MapMode = MM_TEXT;
    TPoint WindowOrg;
    TPoint ViewportOrg;
    TSize WindowExt{1, 1};
    TSize ViewportExt{1, 1};
    // The clip region the program set, in device units; none means the
    // whole device.
    std::optional<TRegion> Clip;
};

class TDeviceContext : public TGdiObject {
public:
    // ObjectType OBJ_MEMDC makes a memory DC holding the stock 1 x 1
    // monochrome bitmap; OBJ_DC one that draws on a surface given by
    // SetSurface.
    explicit TDeviceContext(int ObjectType);
    ~TDeviceContext() override;

    // Adds a new DC to the handle table.
    static HDC Create(std::unique_ptr<TDeviceContext> DC);

    HDC Handle() const { return handle_; }
    bool IsMemoryDC() const { return ObjectType() == OBJ_MEMDC; }
    // Read freely; change the selection only through Select and the clip
    // only through SetClip, which keep the bookkeeping right.
    TDCState& State() { return state_; }
    const TDCState& State() const { return state_; }

    // Selects a pen, brush, font or bitmap and returns the one it replaces,
    // or nullptr when the object cannot be selected.
    HGDIOBJ Select(HGDIOBJ Object);
    // SaveDC: returns the new depth of the saved-state stack, from 1.
    int Save();
    // RestoreDC: a positive level restores that saved state, a negative one
    // counts back from the most recent (-1 is the last SaveDC).
    bool Restore(int SavedDC);
    int SavedCount() const { return static_cast<int>(saved_.size()); }

    // The surface: for a memory DC the selected bitmap, else the one set by
    // the window manager. A DC without pixels has an invalid surface.
    TGdiBitmap* SurfaceBitmap() const;
    TSurface Surface() const;
    void SetSurface(HBITMAP Surface);
    TPoint DeviceOrigin() const { return deviceOrigin_; }
    void SetDeviceOrigin(TPoint Origin);
    // The part of the device a window DC may draw on (device units);
    // nullptr lifts the limit.
    void SetVisibleRegion(const TRegion* Visible);
    // The device's size, for HORZRES and VERTRES: the bitmap's size for a
    // memory DC, else what the window manager set.
    TSize DeviceSize() const;
    void SetDeviceSize(TSize Size) { deviceSize_ = Size; }
    // GetDeviceCaps; a printer DC answers more of them.
    virtual int DeviceCaps(int Index) const;

    // Mapping. Results are rounded to the nearest unit.
    TPoint LPtoDP(TPoint P) const;
    TPoint DPtoLP(TPoint P) const;
    TPoint LPtoSurface(TPoint P) const;
    // A rectangle's corners mapped and put in order (mirroring extents can
    // swap them).
    TRect LPtoDP(const TRect& R) const;
    TRect LPtoSurface(const TRect& R) const;
    // A horizontal logical length in device units (magnitude).
    int LengthToDevice(int Length) const;
    // The identity mapping: device units are logical units.
    bool IsIdentityMapping() const;
    // Makes the viewport extent of MM_ISOTROPIC give equal scales.
    void AdjustIsotropic();

    // The program's clip region in device units (nullptr: none).
    void SetClip(std::optional<TRegion> Clip);
    // Where drawing may land, in surface units: the surface, the visible
    // region and the clip region together.
    const TRegion& DrawClip() const;

    // Where the next styled (dashed or dotted) line continues its pattern.
    int PenPhase = 0;

    // A DC that draws vectors instead of pixels (the printer) has a sink;
    // the drawing calls hand their shapes to it in device units.
    TVectorSink* VectorSink() const { return vectorSink_; }

protected:
    void SetVectorSink(TVectorSink* Sink) { vectorSink_ = Sink; }

private:
    // Counts a selection of the object (and marks a bitmap as this DC's).
    void Retain(const void* Handle);
    void Release(const void* Handle);
    void RetainState(const TDCState& S);
    void ReleaseState(const TDCState& S);
    void ClipChanged() { drawClipValid_ = false; }

    HDC handle_ = nullptr;
    TDCState state_;
    std::vector<TDCState> saved_;
    HBITMAP surface_ = nullptr;  // non-memory DCs
    TPoint deviceOrigin_;
    std::optional<TRegion> visible_;
    TSize deviceSize_;
    mutable TRegion drawClip_;
    mutable bool drawClipValid_ = false;
    TVectorSink* vectorSink_ = nullptr;
};

// The live DC behind a handle, or nullptr.
TDeviceContext* DeviceContextOf(HDC DC);

// Device capability indexes.
enum : int {
    TECHNOLOGY = 2,
    HORZSIZE = 4,
    VERTSIZE = 6,
    HORZRES = 8,
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    NUMCOLORS = 24,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
    PHYSICALWIDTH = 110,
    PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112,
    PHYSICALOFFSETY = 113,
};
enum : int { DT_RASDISPLAY = 1, DT_RASPRINTER = 2 };

// A memory DC with the 1 x 1 monochrome bitmap selected. DC may be 0 (the
// screen) or any DC.
HDC CreateCompatibleDC(HDC DC);
// A window DC made by the window manager: draws on Surface (the top-level
// window's backing bitmap) at Origin, limited to Visible (device units).
HDC CreateSurfaceDC(HBITMAP Surface, TPoint Origin, const TRegion* Visible, TSize DeviceSize);
bool DeleteDC(HDC DC);
HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object);
HGDIOBJ GetCurrentObject(HDC DC, unsigned ObjectType);
int SaveDC(HDC DC);
bool RestoreDC(HDC DC, int SavedDC);
int GetDeviceCaps(HDC DC, int Index);

#include "platform/gdi/device_context.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>

#include "platform/base/sys_utils.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/mapping.h"

TDeviceContext::TDeviceContext(int ObjectType) : TGdiObject(ObjectType)
{
    if (IsMemoryDC())
        state_.Bitmap = static_cast<HBITMAP>(GetStockObject(DEFAULT_BITMAP));
    state_.Pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    state_.Brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    state_.Font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    RetainState(state_);
}

TDeviceContext::~TDeviceContext()
{
    ReleaseState(state_);
    for (const TDCState& s : saved_)
        ReleaseState(s);
    ReleaseGdiObject(surface_);
}

HDC TDeviceContext::Create(std::unique_ptr<TDeviceContext> DC)
{
    TDeviceContext* dc = DC.get();
    dc->handle_ = reinterpret_cast<HDC>(AddGdiObject(std::move(DC)));
    return dc->handle_;
}

void TDeviceContext::Retain(const void* Handle)
{
    if (TGdiBitmap* bitmap = SelectedGdiObjectAs<TGdiBitmap>(Handle))
        if (!bitmap->Stock)
            bitmap->SelectedIn = this;
    RetainGdiObject(Handle);
}

void TDeviceContext::Release(const void* Handle)
{
    if (TGdiBitmap* bitmap = SelectedGdiObjectAs<TGdiBitmap>(Handle))
        if (bitmap->SelectCount == 1)
            bitmap->SelectedIn = nullptr;
    ReleaseGdiObject(Handle);
}

void TDeviceContext::RetainState(const TDCState& S)
{
    for (const void* h : {static_cast<const void*>(S.Pen), static_cast<const void*>(S.Brush),
                          static_cast<const void*>(S.Font), static_cast<const void*>(S.Bitmap)})
        Retain(h);
}

void TDeviceContext::ReleaseState(const TDCState& S)
{
    for (const void* h : {static_cast<const void*>(S.Pen), static_cast<const void*>(S.Brush),
                          static_cast<const void*>(S.Font), static_cast<const void*>(S.Bitmap)})
        Release(h);
}

HGDIOBJ TDeviceContext::Select(HGDIOBJ Object)
{
    TGdiObject* object = FindGdiObject(Object);
    if (!object)
        return nullptr;
    HGDIOBJ old = nullptr;
    auto swap = [&](auto& field) {
        using Handle = std::remove_reference_t<decltype(field)>;
        old = field;
        // Take the new object before letting go of the old one: they may be
        // the same, and the old one may go away on release.
        Retain(Object);
        Release(field);
        field = static_cast<Handle>(Object);
    };
    switch (object->ObjectType()) {
    case OBJ_PEN:
        swap(state_.Pen);
        break;
    case OBJ_BRUSH:
        swap(state_.Brush);
        break;
    case OBJ_FONT:
        swap(state_.Font);
        break;
    case OBJ_BITMAP: {
        auto* bitmap = static_cast<TGdiBitmap*>(object);
        if (!IsMemoryDC() || (bitmap->SelectedIn && bitmap->SelectedIn != this))
            return nullptr;
        swap(state_.Bitmap);
        ClipChanged();
        break;
    }
    default:
        return nullptr;
    }
    return old;
}

int TDeviceContext::Save()
{
    saved_.push_back(state_);
    RetainState(saved_.back());
    return SavedCount();
}

bool TDeviceContext::Restore(int SavedDC)
{
    int index = SavedDC < 0 ? SavedCount() + SavedDC : SavedDC - 1;
    if (SavedDC == 0 || index < 0 || index >= SavedCount())
        return false;
    ReleaseState(state_);
    state_ = std::move(saved_[index]);
    for (size_t i = static_cast<size_t>(index) + 1; i < saved_.size(); ++i)
        ReleaseState(saved_[i]);
    saved_.resize(static_cast<size_t>(index));
    ClipChanged();
    return true;
}

TGdiBitmap* TDeviceContext::SurfaceBitmap() const
{
    return SelectedGdiObjectAs<TGdiBitmap>(IsMemoryDC() ? static_cast<const void*>(state_.Bitmap) : surface_);
}

TSurface TDeviceContext::Surface() const
{
    TGdiBitmap* bitmap = SurfaceBitmap();
    return bitmap ? bitmap->Surface() : TSurface{};
}

void TDeviceContext::SetSurface(HBITMAP Surface)
{
    RetainGdiObject(Surface);
    ReleaseGdiObject(surface_);
    surface_ = Surface;
    ClipChanged();
}

void TDeviceContext::SetDeviceOrigin(TPoint Origin)
{
    deviceOrigin_ = Origin;
    ClipChanged();
}

void TDeviceContext::SetVisibleRegion(const TRegion* Visible)
{
    visible_.reset();
    if (Visible)
        visible_ = *Visible;
    ClipChanged();
}

TSize TDeviceContext::DeviceSize() const
{
    if (!IsMemoryDC())
        return deviceSize_;
    TSurface s = Surface();
    return {s.Width, s.Height};
}

int TDeviceContext::DeviceCaps(int Index) const
{
    TSize size = DeviceSize();
    switch (Index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZSIZE:
        return MulDiv(size.cx, 254, 960);
    case VERTSIZE:
        return MulDiv(size.cy, 254, 960);
    case HORZRES:
        return size.cx;
    case VERTRES:
        return size.cy;
    case BITSPIXEL:
        return 32;  // the display's depth, whatever bitmap a memory DC holds
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    }
    return 0;
}

namespace {

// Mapped coordinates are held within +-2^29, so that sizes and offsets
// computed from them never overflow, however wild the input.
constexpr int64_t kCoordLimit = int64_t(1) << 29;

int Clamp(int64_t v)
{
    return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit));
}

// One axis of the mapping: (v - from) * num / den + to.
int MapAxis(int v, int from, int num, int den, int to, bool scaled)
{
    int64_t d = int64_t(v) - from;
    return Clamp((scaled ? ScaleRound(d, num, den) : d) + to);
}

}  // namespace

TPoint TDeviceContext::LPtoDP(TPoint P) const
{
    const TDCState& s = state_;
    bool scaled = s.MapMode != MM_TEXT;
    return {MapAxis(P.X, s.WindowOrg.X, s.ViewportExt.cx, s.WindowExt.cx, s.ViewportOrg.X, scaled),
            MapAxis(P.Y, s.WindowOrg.Y, s.ViewportExt.cy, s.WindowExt.cy, s.ViewportOrg.Y, scaled)};
}

TPoint TDeviceContext::DPtoLP(TPoint P) const
{
    const TDCState& s = state_;
    bool scaled = s.MapMode != MM_TEXT;
    return {MapAxis(P.X, s.ViewportOrg.X, s.WindowExt.cx, s.ViewportExt.cx, s.WindowOrg.X, scaled),
            MapAxis(P.Y, s.ViewportOrg.Y, s.WindowExt.cy, s.ViewportExt.cy, s.WindowOrg.Y, scaled)};
}

TPoint TDeviceContext::LPtoSurface(TPoint P) const
{
    TPoint d = LPtoDP(P);
    return {d.X + deviceOrigin_.X, d.Y + deviceOrigin_.Y};
}

TRect TDeviceContext::LPtoDP(const TRect& R) const
{
    TPoint a = LPtoDP(TPoint{R.Left, R.Top});
    TPoint b = LPtoDP(TPoint{R.Right, R.Bottom});
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

TRect TDeviceContext::LPtoSurface(const TRect& R) const
{
    TRect d = LPtoDP(R);
    OffsetRect(d, deviceOrigin_.X, deviceOrigin_.Y);
    return d;
}

int TDeviceContext::LengthToDevice(int Length) const
{
    if (state_.MapMode == MM_TEXT)
        return Clamp(std::abs(int64_t(Length)));
    return Clamp(std::abs(ScaleRound(Length, state_.ViewportExt.cx, state_.WindowExt.cx)));
}

bool TDeviceContext::IsIdentityMapping() const
{
    const TDCState& s = state_;
    bool unitScale = s.MapMode == MM_TEXT || (s.ViewportExt == s.WindowExt);
    return unitScale && s.WindowOrg == s.ViewportOrg;
}

void TDeviceContext::AdjustIsotropic()
{
    TDCState& s = state_;
    if (s.MapMode != MM_ISOTROPIC)
        return;
    // Keep the smaller of the two scales on both axes.
    int64_t sx = int64_t(std::abs(s.ViewportExt.cx)) * std::abs(s.WindowExt.cy);
    int64_t sy = int64_t(std::abs(s.ViewportExt.cy)) * std::abs(s.WindowExt.cx);
    if (sx < sy) {
        int cy = Clamp(ScaleRound(std::abs(s.WindowExt.cy), std::abs(s.ViewportExt.cx), std::abs(s.WindowExt.cx)));
        s.ViewportExt.cy = s.ViewportExt.cy < 0 ? -cy : cy;
    } else if (sy < sx) {
        int cx = Clamp(ScaleRound(std::abs(s.WindowExt.cx), std::abs(s.ViewportExt.cy), std::abs(s.WindowExt.cy)));
        s.ViewportExt.cx = s.ViewportExt.cx < 0 ? -cx : cx;
    }
}

void TDeviceContext::SetClip(std::optional<TRegion> Clip)
{
    state_.Clip = std::move(Clip);
    ClipChanged();
}

const TRegion& TDeviceContext::DrawClip() const
{
    if (drawClipValid_)
        return drawClip_;
    TSurface surface = Surface();
    drawClip_ = surface.IsValid() ? TRegion(surface.Bounds()) : TRegion();
    if (visible_) {
        TRegion v = *visible_;
        v.Offset(deviceOrigin_.X, deviceOrigin_.Y);
        drawClip_ = TRegion::Combine(drawClip_, v, TRegion::TOp::And);
    }
    if (state_.Clip) {
        TRegion c = *state_.Clip;
        c.Offset(deviceOrigin_.X, deviceOrigin_.Y);
        drawClip_ = TRegion::Combine(drawClip_, c, TRegion::TOp::And);
    }
    drawClipValid_ = true;
    return drawClip_;
}

TDeviceContext* DeviceContextOf(HDC DC)
{
    return GdiObjectAs<TDeviceContext>(DC);
}

HDC CreateCompatibleDC(HDC DC)
{
    if (DC && !DeviceContextOf(DC))
        return nullptr;
    return TDeviceContext::Create(std::make_unique<TDeviceContext>(OBJ_MEMDC));
}

HDC CreateSurfaceDC(HBITMAP Surface, TPoint Origin, const TRegion* Visible, TSize DeviceSize)
{
    auto dc = std::make_unique<TDeviceContext>(OBJ_DC);
    dc->SetSurface(Surface);
    dc->SetDeviceOrigin(Origin);
    dc->SetVisibleRegion(Visible);
    dc->SetDeviceSize(DeviceSize);
    return TDeviceContext::Create(std::move(dc));
}

bool DeleteDC(HDC DC)
{
    if (!DeviceContextOf(DC))
        return false;
    RemoveGdiObject(DC);
    return true;
}

HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return nullptr;
    // Selecting a region sets the clip region to a copy of it and answers
    // the clip's kind in place of a handle.
    if (GetObjectType(Object) == OBJ_REGION) {
        int kind = SelectClipRgn(DC, static_cast<HRGN>(Object));
        return reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(kind));
    }
    return dc->Select(Object);
}

HGDIOBJ GetCurrentObject(HDC DC, unsigned ObjectType)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    if (!dc)
        return nullptr;
    const TDCState& s = dc->State();
    switch (ObjectType) {
    case OBJ_PEN:
        return s.Pen;
    case OBJ_BRUSH:
        return s.Brush;
    case OBJ_FONT:
        return s.Font;
    case OBJ_BITMAP:
        return dc->IsMemoryDC() ? s.Bitmap : nullptr;
    }
    return nullptr;
}

int SaveDC(HDC DC)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    return dc ? dc->Save() : 0;
}

bool RestoreDC(HDC DC, int SavedDC)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    return dc && dc->Restore(SavedDC);
}

int GetDeviceCaps(HDC DC, int Index)
{
    TDeviceContext* dc = DeviceContextOf(DC);
    return dc ? dc->DeviceCaps(Index) : 0;
}

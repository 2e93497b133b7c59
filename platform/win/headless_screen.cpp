#include "platform/win/headless_screen.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/base/atomic_file.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/png_codec.h"
#include "platform/win/headless_backend.h"
#include "platform/win/layered_window.h"
#include "platform/win/painting_internal.h"
#include "platform/win/window_styles.h"

namespace {

using TOp = TRegion::TOp;

enum class TLook { Opaque, ConstantAlpha, PerPixel };

// How one surface was composed, to tell what changed since.
struct TComposed {
    HWND Window = nullptr;
    TRect Bounds;
    std::optional<TRegion> Shape;
    HBITMAP Pixels = nullptr;  // the backing, or the layered picture
    TLook Look = TLook::Opaque;
    bool Keyed = false;
    COLORREF Key = 0;
    BYTE Alpha = 255;

    // The part of the screen it covers.
    TRegion Covers() const
    {
        if (!Shape)
            return TRegion(Bounds);
        TRegion r = *Shape;
        r.Offset(Bounds.Left, Bounds.Top);
        return r.Intersected(Bounds);
    }
    bool SameLook(const TComposed& o) const
    {
        return Bounds == o.Bounds && Shape == o.Shape && Pixels == o.Pixels && Look == o.Look && Keyed == o.Keyed &&
               Key == o.Key && Alpha == o.Alpha;
    }
};

struct TScreen {
    THeadlessBackend* Backend = nullptr;
    TRasterImage Image;
    std::vector<TComposed> Shown;  // bottom first
};

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

inline uint32_t Div255(uint32_t x)
{
    return (x + 128 + ((x + 128) >> 8)) >> 8;
}

uint32_t BlendConstant(uint32_t s, uint32_t d, uint32_t a)
{
    uint32_t r = 0xFF000000;
    for (int k = 0; k < 24; k += 8)
        r |= Div255(((s >> k) & 0xFF) * a + ((d >> k) & 0xFF) * (255 - a)) << k;
    return r;
}

uint32_t BlendPremultiplied(uint32_t s, uint32_t d, uint32_t a)
{
    if (a != 255) {
        uint32_t scaled = 0;
        for (int k = 0; k < 32; k += 8)
            scaled |= Div255(((s >> k) & 0xFF) * a) << k;
        s = scaled;
    }
    uint32_t inverse = 255 - (s >> 24);
    uint32_t r = 0xFF000000;
    for (int k = 0; k < 24; k += 8)
        r |= std::min<uint32_t>(255, ((s >> k) & 0xFF) + Div255(((d >> k) & 0xFF) * inverse)) << k;
    return r;
}

// How a surface shows now; nothing for one that is hidden or a layered
// window that was never given its look.
std::optional<TComposed> Describe(const THeadlessBackend::TSurface& surface)
{
    TWindow* window = WindowOf(surface.Window);
    if (!surface.Visible || surface.Minimized || !window)
        return std::nullopt;
    TComposed c{surface.Window, surface.Bounds, surface.Shape, window->Backing};
    if (window->ExStyle & WS_EX_LAYERED) {
        TPaintState& state = PaintState(*window);
        if (window->Layered.Image) {
            c.Pixels = window->Layered.Image;
            c.Keyed = state.ImageFlags & ULW_COLORKEY;
            c.Key = state.ImageKey;
            if ((state.ImageFlags & (ULW_ALPHA | ULW_OPAQUE)) == ULW_ALPHA) {
                c.Alpha = state.ImageBlend.SourceConstantAlpha;
                c.Look = (state.ImageBlend.AlphaFormat & AC_SRC_ALPHA) ? TLook::PerPixel : TLook::ConstantAlpha;
            }
        } else if (state.LayeredAttributesSet) {
            c.Keyed = window->Layered.Flags & LWA_COLORKEY;
            c.Key = window->Layered.Key;
            if (window->Layered.Flags & LWA_ALPHA) {
                c.Alpha = window->Layered.Alpha;
                c.Look = TLook::ConstantAlpha;
            }
        } else {
            return std::nullopt;
        }
    }
    return c;
}

void Paint(TRasterImage& image, const TComposed& c, const TRegion& area)
{
    auto* bitmap = GdiObjectAs<TGdiBitmap>(c.Pixels);
    if (!bitmap)
        return;
    TSurface pixels = bitmap->Surface();
    TRect source = Bounds(c.Bounds.Left, c.Bounds.Top, pixels.Width, pixels.Height);
    TRegion part = TRegion::Combine(area, c.Covers(), TOp::And).Intersected(source);
    uint32_t key = ColorToPixel(c.Key);
    std::vector<uint32_t> row;
    for (const TRect& r : part.Rects()) {
        row.resize(static_cast<size_t>(r.Width()));
        for (int y = r.Top; y < r.Bottom; ++y) {
            uint32_t* out = image.Row(y) + r.Left;
            if (c.Look == TLook::Opaque && !c.Keyed) {
                pixels.ReadRow(r.Left - c.Bounds.Left, y - c.Bounds.Top, r.Width(), out);
                for (int x = 0; x < r.Width(); ++x)
                    out[x] |= 0xFF000000;
                continue;
            }
            pixels.ReadRow(r.Left - c.Bounds.Left, y - c.Bounds.Top, r.Width(), row.data());
            for (int x = 0; x < r.Width(); ++x) {
                uint32_t s = row[x];
                if (c.Keyed && (s & kColorBits) == key)
                    continue;
                switch (c.Look) {
                case TLook::Opaque:
                    out[x] = s | 0xFF000000;
                    break;
                case TLook::ConstantAlpha:
                    out[x] = BlendConstant(s, out[x], c.Alpha);
                    break;
                case TLook::PerPixel:
                    out[x] = BlendPremultiplied(s, out[x], c.Alpha);
                    break;
                }
            }
        }
    }
}

// What changed on the screen since the last composition.
TRegion Damage(const std::vector<TComposed>& before, const std::vector<TComposed>& now,
               std::vector<THeadlessBackend::TSurface>& surfaces)
{
    TRegion damage;
    auto add = [&](const TRegion& r) { damage = TRegion::Combine(damage, r, TOp::Or); };
    auto find = [](const std::vector<TComposed>& list, HWND window) {
        return std::find_if(list.begin(), list.end(), [&](const TComposed& c) { return c.Window == window; });
    };
    for (const TComposed& old : before) {
        auto it = find(now, old.Window);
        if (it == now.end() || !it->SameLook(old))
            add(old.Covers());
    }
    for (size_t i = 0; i < now.size(); ++i) {
        auto it = find(before, now[i].Window);
        if (it == before.end() || !it->SameLook(now[i]))
            add(now[i].Covers());
    }
    // A change of stacking order shows wherever the windows whose order
    // changed lie.
    std::vector<HWND> order, oldOrder;
    for (const TComposed& c : now)
        if (find(before, c.Window) != before.end())
            order.push_back(c.Window);
    for (const TComposed& c : before)
        if (find(now, c.Window) != now.end())
            oldOrder.push_back(c.Window);
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] != oldOrder[i])
            add(find(now, order[i])->Covers());
    for (THeadlessBackend::TSurface& surface : surfaces) {
        if (surface.Damage.IsEmpty())
            continue;
        auto it = find(now, surface.Window);
        if (it != now.end()) {
            TRegion presented = surface.Damage;
            presented.Offset(it->Bounds.Left, it->Bounds.Top);
            add(TRegion::Combine(presented, it->Covers(), TOp::And));
        }
        surface.Damage = TRegion();
    }
    return damage;
}

TRasterImage Opaque(TRasterImage image)
{
    for (uint32_t& p : image.Pixels)
        p |= 0xFF000000;
    image.HasAlpha = false;
    return image;
}

bool SavePng(const TRasterImage& image, const AnsiString& fileName)
{
    if (image.Empty())
        return false;
    std::vector<uint8_t> png = WritePng(image);
    WriteFileAtomically(fileName, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
    return true;
}

}  // namespace

const TRasterImage& ComposeScreen()
{
    TScreen& screen = Screen();
    THeadlessBackend* backend = HeadlessBackend();
    if (!backend) {
        screen = TScreen();
        return screen.Image;
    }
    TRect bounds = backend->ScreenRect();
    bool fresh = screen.Backend != backend || screen.Image.Width != bounds.Width() ||
                 screen.Image.Height != bounds.Height();
    if (fresh) {
        screen.Backend = backend;
        screen.Image = TRasterImage::Sized(bounds.Width(), bounds.Height());
        screen.Shown.clear();
    }
    std::vector<TComposed> now;
    auto& surfaces = backend->Surfaces();
    for (auto it = surfaces.rbegin(); it != surfaces.rend(); ++it)
        if (std::optional<TComposed> c = Describe(*it))
            now.push_back(std::move(*c));
    TRegion damage = fresh ? TRegion(Rect(0, 0, bounds.Width(), bounds.Height())) : Damage(screen.Shown, now, surfaces);
    if (fresh)
        for (auto& surface : surfaces)
            surface.Damage = TRegion();
    damage = damage.Intersected(Rect(0, 0, bounds.Width(), bounds.Height()));
    uint32_t desktop = ColorToPixel(GetSysColor(COLOR_DESKTOP)) | 0xFF000000;
    for (const TRect& r : damage.Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            std::fill_n(screen.Image.Row(y) + r.Left, r.Width(), desktop);
    if (!damage.IsEmpty())
        for (const TComposed& c : now)
            Paint(screen.Image, c, damage);
    screen.Shown = std::move(now);
    return screen.Image;
}

COLORREF ScreenPixel(int X, int Y)
{
    const TRasterImage& image = ComposeScreen();
    if (X < 0 || Y < 0 || X >= image.Width || Y >= image.Height)
        return CLR_INVALID;
    return PixelToColor(image.Row(Y)[X]);
}

TRasterImage WindowImage(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop() || !HeadlessBackend() || window->Rect.Width() <= 0 ||
        window->Rect.Height() <= 0)
        return {};
    TRasterImage image = TRasterImage::Sized(window->Rect.Width(), window->Rect.Height());
    if (auto* backing = GdiObjectAs<TGdiBitmap>(window->Root()->Backing)) {
        TSurface pixels = backing->Surface();
        TPoint origin = SurfaceOrigin(*window);
        TRect area = Bounds(origin.X, origin.Y, image.Width, image.Height);
        IntersectRect(area, area, pixels.Bounds());
        for (int y = area.Top; y < area.Bottom; ++y)
            pixels.ReadRow(area.Left, y, area.Width(), image.Row(y - origin.Y) + (area.Left - origin.X));
    }
    return Opaque(std::move(image));
}

bool SaveScreenPng(const AnsiString& FileName)
{
    return SavePng(ComposeScreen(), FileName);
}

bool SaveWindowPng(HWND Window, const AnsiString& FileName)
{
    return SavePng(WindowImage(Window), FileName);
}

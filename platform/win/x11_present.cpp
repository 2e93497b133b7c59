// The X11 back end's presenting: the damaged parts of a backing bitmap (or
// of a layered window's own picture) are copied into an image the size of
// the window and put on the window, through shared memory when the server
// can see ours.
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/win/layered_window.h"
#include "platform/win/painting_internal.h"
#include "platform/win/window.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_internal.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

struct TX11Pixels {
    Display* Connection = nullptr;
    XImage* Image = nullptr;
    GC Gc = nullptr;
    XShmSegmentInfo Shm{};
    bool Shared = false;
};

void TX11PixelsDeleter::operator()(TX11Pixels* Pixels) const
{
    if (Pixels->Shared) {
        XShmDetach(Pixels->Connection, &Pixels->Shm);
        XSync(Pixels->Connection, False);
        XDestroyImage(Pixels->Image);
        shmdt(Pixels->Shm.shmaddr);
    } else if (Pixels->Image) {
        XDestroyImage(Pixels->Image);
    }
    if (Pixels->Gc)
        XFreeGC(Pixels->Connection, Pixels->Gc);
    delete Pixels;
}

namespace {

bool attachFailed = false;

int NoteAttachFailure(Display*, XErrorEvent*)
{
    attachFailed = true;
    return 0;
}

XImage* SharedImage(Display* display, Visual* visual, int depth, int width, int height, XShmSegmentInfo& shm)
{
    XImage* image = XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &shm,
                                    static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (!image)
        return nullptr;
    shm.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(height),
                       IPC_CREAT | 0600);
    if (shm.shmid < 0) {
        XDestroyImage(image);
        return nullptr;
    }
    shm.shmaddr = image->data = static_cast<char*>(shmat(shm.shmid, nullptr, 0));
    shm.readOnly = False;
    // A remote server cannot attach our memory; that shows only as an error.
    XSync(display, False);
    attachFailed = false;
    auto previous = XSetErrorHandler(NoteAttachFailure);
    bool attached = shm.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(display, &shm);
    XSync(display, False);
    XSetErrorHandler(previous);
    // The segment goes away with its last user, even if we crash.
    shmctl(shm.shmid, IPC_RMID, nullptr);
    if (!attached || attachFailed) {
        if (shm.shmaddr != reinterpret_cast<char*>(-1))
            shmdt(shm.shmaddr);
        image->data = nullptr;
        XDestroyImage(image);
        return nullptr;
    }
    return image;
}

inline uint32_t Div255(uint32_t x)
{
    return (x + 128 + ((x + 128) >> 8)) >> 8;
}

uint32_t Scale(uint32_t pixel, uint32_t alpha)
{
    uint32_t r = 0;
    for (int k = 0; k < 32; k += 8)
        r |= Div255(((pixel >> k) & 0xFF) * alpha) << k;
    return r;
}

// How a layered window's pixels become premultiplied ARGB.
struct TLook {
    HBITMAP Pixels = nullptr;
    bool PerPixel = false;  // the picture carries premultiplied alpha
    uint32_t Alpha = 255;   // constant alpha on top
    bool Keyed = false;
    uint32_t Key = 0;
    uint64_t Signature = 0;
};

TLook LookOf(TWindow& window, HBITMAP backing)
{
    TLook look;
    look.Pixels = backing;
    if (!(window.ExStyle & WS_EX_LAYERED))
        return look;
    TPaintState& state = PaintState(window);
    if (window.Layered.Image) {
        look.Pixels = window.Layered.Image;
        look.Keyed = state.ImageFlags & ULW_COLORKEY;
        look.Key = ColorToPixel(state.ImageKey) & 0xFFFFFF;
        if ((state.ImageFlags & (ULW_ALPHA | ULW_OPAQUE)) == ULW_ALPHA) {
            look.Alpha = state.ImageBlend.SourceConstantAlpha;
            look.PerPixel = state.ImageBlend.AlphaFormat & AC_SRC_ALPHA;
        }
    } else if (state.LayeredAttributesSet) {
        look.Keyed = window.Layered.Flags & LWA_COLORKEY;
        look.Key = ColorToPixel(window.Layered.Key) & 0xFFFFFF;
        if (window.Layered.Flags & LWA_ALPHA)
            look.Alpha = window.Layered.Alpha;
    }
    look.Signature = reinterpret_cast<uintptr_t>(look.Pixels) * 31 + (look.PerPixel ? 1 : 0) +
                     (static_cast<uint64_t>(look.Alpha) << 8) + (static_cast<uint64_t>(look.Keyed) << 16) +
                     (static_cast<uint64_t>(look.Key) << 24);
    return look;
}

}  // namespace

void TX11Backend::Present(TX11Surface& Surface, HBITMAP Pixels, const TRegion& Damage)
{
    TWindow* window = WindowOf(Surface.Window);
    if (!window)
        return;
    TLook look = LookOf(*window, Pixels);
    auto* bitmap = GdiObjectAs<TGdiBitmap>(look.Pixels);
    if (!bitmap)
        return;
    Surface.LookSignature = look.Signature;
    int width = Surface.Bounds.Width();
    int height = Surface.Bounds.Height();
    if (width <= 0 || height <= 0)
        return;
    if (!Surface.Pixels) {
        std::unique_ptr<TX11Pixels, TX11PixelsDeleter> pixels(new TX11Pixels);
        pixels->Connection = display_;
        Visual* visual = Surface.Argb ? static_cast<Visual*>(argbVisual_) : DefaultVisual(display_, screen_);
        int depth = Surface.Argb ? 32 : DefaultDepth(display_, screen_);
        if (shm_) {
            pixels->Image = SharedImage(display_, visual, depth, width, height, pixels->Shm);
            pixels->Shared = pixels->Image != nullptr;
        }
        if (!pixels->Image) {
            pixels->Image = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                         static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
            if (!pixels->Image)
                return;
            pixels->Image->data =
                static_cast<char*>(std::calloc(static_cast<size_t>(pixels->Image->bytes_per_line), height));
        }
        pixels->Gc = XCreateGC(display_, Surface.XWindow, 0, nullptr);
        Surface.Pixels = std::move(pixels);
    }
    XImage* image = Surface.Pixels->Image;
    TSurface source = bitmap->Surface();
    TRegion area = Damage.Intersected(Rect(0, 0, std::min(width, source.Width), std::min(height, source.Height)));
    bool argb = Surface.Argb;
    for (const TRect& r : area.Rects()) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            auto* out = reinterpret_cast<uint32_t*>(image->data + static_cast<ptrdiff_t>(y) * image->bytes_per_line) +
                        r.Left;
            source.ReadRow(r.Left, y, r.Width(), out);
            if (!argb)
                continue;
            for (int x = 0; x < r.Width(); ++x) {
                uint32_t s = out[x];
                if (look.Keyed && (s & 0xFFFFFF) == look.Key)
                    s = 0;
                else if (look.PerPixel)
                    s = look.Alpha == 255 ? s : Scale(s, look.Alpha);
                else
                    s = Scale(s | 0xFF000000, look.Alpha);
                out[x] = s;
            }
        }
        if (Surface.Pixels->Shared)
            XShmPutImage(display_, Surface.XWindow, Surface.Pixels->Gc, image, r.Left, r.Top, r.Left, r.Top,
                         static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()), False);
        else
            XPutImage(display_, Surface.XWindow, Surface.Pixels->Gc, image, r.Left, r.Top, r.Left, r.Top,
                      static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()));
    }
    // The server reads shared memory when it gets to the request: it must
    // be done before the next present writes into it.
    if (Surface.Pixels->Shared)
        XSync(display_, False);
    else
        XFlush(display_);
}

void TX11Backend::PresentSurface(HWND Window, HBITMAP Pixels, const TRegion& Damage)
{
    if (TX11Surface* surface = FindSurface(Window))
        Present(*surface, Pixels, Damage);
}

// A layered window's look changes without a present: show it again whole.
void TX11Backend::SyncLayeredLooks()
{
    for (auto& surface : surfaces_) {
        TWindow* window = WindowOf(surface->Window);
        if (!window || !(window->ExStyle & WS_EX_LAYERED) || !window->Backing)
            continue;
        if (LookOf(*window, window->Backing).Signature != surface->LookSignature)
            Present(*surface, window->Backing,
                    TRegion(Rect(0, 0, surface->Bounds.Width(), surface->Bounds.Height())));
    }
}

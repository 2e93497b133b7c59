// The caret.
#include "platform/win/caret.h"

#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/win/input_internal.h"
#include "platform/win/painting_internal.h"
#include "platform/win/system_metrics.h"
#include "platform/win/timers.h"
#include "platform/win/window_tree.h"

namespace {

// A timer id no program uses; its callback keeps it out of window procedures.
constexpr UINT_PTR BlinkTimerId = ~UINT_PTR{0} - 0xCA;
HBITMAP const GreyCaret = reinterpret_cast<HBITMAP>(intptr_t{1});

struct TCaret {
    HWND Owner = nullptr;  // 0: there is no caret
    HBITMAP Bitmap = nullptr;
    TSize Size;
    TPoint Pos;           // client coordinates of the owner
    int Hides = 1;        // HideCaret nesting; shown at 0
    int PaintHides = 0;   // paintings in progress over it
    bool BlinkOn = true;  // the phase of the blink
    // Invariant: the caret's pixels on the owner are inverted exactly while Drawn.
    bool Drawn = false;
    UINT BlinkTime = 530;
    unsigned Generation = 0;  // counts carets made, so painting shows only the caret it hid
};

TCaret& Caret()
{
    static TCaret caret;
    return caret;
}

// A painting in progress, and the caret it hid (generation 0: none).
struct TPaintHide {
    HWND Window;
    unsigned Generation;
};

std::vector<TPaintHide>& PaintHides()
{
    static std::vector<TPaintHide> hides;
    return hides;
}

uint32_t CaretMask(const TCaret& caret, TGdiBitmap* pattern, int x, int y)
{
    if (caret.Bitmap == GreyCaret)
        return ((x + y) & 1) ? 0 : kColorBits;
    if (pattern)
        return pattern->Surface().GetPixel(x, y) & kColorBits;
    return kColorBits;
}

// Inverts the caret's rectangle where the owner can be seen, and shows it.
void Invert(const TCaret& caret)
{
    TWindow* window = WindowOf(caret.Owner);
    if (!window)
        return;
    TWindow* top = window->Root();
    auto* backing = GdiObjectAs<TGdiBitmap>(top->Backing);
    if (!backing)
        return;
    TPoint origin = SurfaceOrigin(*window);
    TRect rect = Bounds(origin.X + window->Client.Left + caret.Pos.X, origin.Y + window->Client.Top + caret.Pos.Y,
                        caret.Size.cx, caret.Size.cy);
    TRegion area = VisibleRegion(*window, true).Intersected(rect);
    if (area.IsEmpty())
        return;
    TGdiBitmap* pattern = caret.Bitmap && caret.Bitmap != GreyCaret ? GdiObjectAs<TGdiBitmap>(caret.Bitmap) : nullptr;
    TSurface surface = backing->Surface();
    for (const TRect& part : area.Rects())
        for (int y = part.Top; y < part.Bottom; ++y)
            for (int x = part.Left; x < part.Right; ++x) {
                uint32_t mask = CaretMask(caret, pattern, x - rect.Left, y - rect.Top);
                surface.SetPixel(x, y, surface.GetPixel(x, y) ^ mask);
            }
    PresentDamage(*top, area);
}

void Update(TCaret& caret)
{
    bool lit = caret.Owner && caret.Hides == 0 && caret.PaintHides == 0 && caret.BlinkOn;
    if (lit == caret.Drawn)
        return;
    Invert(caret);
    caret.Drawn = lit;
}

void Blink(HWND, UINT, UINT_PTR, DWORD)
{
    TCaret& caret = Caret();
    caret.BlinkOn = !caret.BlinkOn;
    Update(caret);
}

// The blink starts over in the lit phase.
void StartBlinking(TCaret& caret)
{
    caret.BlinkOn = true;
    SetTimer(caret.Owner, BlinkTimerId, caret.BlinkTime, TIMERPROC(&Blink));
}

bool Owns(const TCaret& caret, HWND window)
{
    return caret.Owner && (!window || window == caret.Owner);
}

}  // namespace

bool CreateCaret(HWND Window, HBITMAP Bitmap, int Width, int Height)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return false;
    TSize size{Width ? Width : GetSystemMetrics(SM_CXBORDER), Height ? Height : GetSystemMetrics(SM_CYBORDER)};
    if (Bitmap && Bitmap != GreyCaret) {
        auto* bitmap = GdiObjectAs<TGdiBitmap>(Bitmap);
        if (!bitmap)
            return false;
        size = {bitmap->Width(), bitmap->Height()};
    }
    DestroyCaret();
    TCaret& caret = Caret();
    caret.Owner = Window;
    caret.Bitmap = Bitmap;
    caret.Size = size;
    caret.Pos = {};
    caret.Hides = 1;
    caret.PaintHides = 0;
    caret.BlinkOn = true;
    caret.Drawn = false;
    ++caret.Generation;
    return true;
}

bool DestroyCaret()
{
    TCaret& caret = Caret();
    if (!caret.Owner)
        return false;
    caret.Hides = 1;
    Update(caret);
    KillTimer(caret.Owner, BlinkTimerId);
    caret.Owner = nullptr;
    return true;
}

bool SetCaretPos(int X, int Y)
{
    TCaret& caret = Caret();
    if (!caret.Owner)
        return false;
    if (caret.Drawn) {
        Invert(caret);
        caret.Drawn = false;
    }
    caret.Pos = {X, Y};
    if (caret.Hides == 0)
        StartBlinking(caret);
    Update(caret);
    return true;
}

bool GetCaretPos(TPoint* Point)
{
    const TCaret& caret = Caret();
    if (!caret.Owner || !Point)
        return false;
    *Point = caret.Pos;
    return true;
}

bool ShowCaret(HWND Window)
{
    TCaret& caret = Caret();
    if (!Owns(caret, Window))
        return false;
    if (caret.Hides > 0 && --caret.Hides == 0) {
        StartBlinking(caret);
        Update(caret);
    }
    return true;
}

bool HideCaret(HWND Window)
{
    TCaret& caret = Caret();
    if (!Owns(caret, Window))
        return false;
    if (caret.Hides++ == 0)
        KillTimer(caret.Owner, BlinkTimerId);
    Update(caret);
    return true;
}

bool SetCaretBlinkTime(UINT Milliseconds)
{
    TCaret& caret = Caret();
    caret.BlinkTime = Milliseconds;
    if (caret.Owner && caret.Hides == 0) {
        StartBlinking(caret);
        Update(caret);
    }
    return true;
}

UINT GetCaretBlinkTime()
{
    return Caret().BlinkTime;
}

bool GetCaretState(TCaretState* State)
{
    const TCaret& caret = Caret();
    if (!caret.Owner || !State)
        return false;
    *State = {caret.Owner, Bounds(caret.Pos.X, caret.Pos.Y, caret.Size.cx, caret.Size.cy), caret.Hides == 0,
              caret.Drawn};
    return true;
}

void CaretPaintHook(HWND Window, bool Hide)
{
    TCaret& caret = Caret();
    auto& hides = PaintHides();
    if (Hide) {
        bool over = caret.Owner && (caret.Owner == Window || IsChild(Window, caret.Owner));
        hides.push_back({Window, over ? caret.Generation : 0});
        if (over) {
            ++caret.PaintHides;
            Update(caret);
        }
        return;
    }
    for (auto it = hides.rbegin(); it != hides.rend(); ++it) {
        if (it->Window != Window)
            continue;
        unsigned generation = it->Generation;
        hides.erase(std::next(it).base());
        if (generation && generation == caret.Generation && caret.Owner && caret.PaintHides > 0) {
            --caret.PaintHides;
            Update(caret);
        }
        return;
    }
}

void CaretWindowDestroying(TWindow& Window)
{
    HWND owner = Caret().Owner;
    if (owner && (owner == Window.Handle || IsChild(Window.Handle, owner)))
        DestroyCaret();
}

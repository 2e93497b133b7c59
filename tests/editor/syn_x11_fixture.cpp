// The editor-on-a-display fixture: showing the form, reading back what the
// display and the backing hold.
#include "syn_x11_fixture.h"

#include "editor/view/syn_gutter.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/font.h"
#include "platform/win/window.h"
#include "platform/win/window_pos.h"
#include "platform/win/x11_backend.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

void TSynX11Test::TearDown()
{
    form_.reset();
    Pump();
    TX11Test::TearDown();
}

TSynMemo* TSynX11Test::ShowEditor(const AnsiString& Text, bool TestFont)
{
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBounds(60, 40, 420, 260);
    auto* memo = new TSynMemo(form_.get());
    memo->SetBounds(10, 10, 380, 180);
    memo->SetParent(form_.get());
    if (TestFont) {
        for (TFont* font : {memo->Font(), memo->Gutter()->Font()}) {
            font->SetName(kTestFontName);
            font->SetHeight(-kTestFontCellHeight);
        }
    }
    memo->Gutter()->SetShowLineNumbers(true);
    memo->SetText(Text);
    form_->SetActiveControl(memo);
    form_->Show();
    Pump();
    return memo;
}

bool TSynX11Test::FormHasXFocus()
{
    return PumpUntil([&] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(Other(), &focus, &revert);
        return focus == X11WindowOf(form_->Handle());
    });
}

TRect TSynX11Test::AreaInForm(TWinControl* Control) const
{
    TRect formRect, rect;
    GetWindowRect(form_->Handle(), &formRect);
    GetWindowRect(Control->Handle(), &rect);
    return Bounds(rect.Left - formRect.Left, rect.Top - formRect.Top, rect.Width(), rect.Height());
}

TPixels TSynX11Test::Displayed(const TRect& Area)
{
    const unsigned long surface = X11WindowOf(form_->Handle());
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(Other(), surface, &attributes) || attributes.map_state != IsViewable)
        return {};
    XImage* image = XGetImage(Other(), surface, Area.Left, Area.Top, static_cast<unsigned>(Area.Width()),
                              static_cast<unsigned>(Area.Height()), AllPlanes, ZPixmap);
    if (!image)
        return {};
    TPixels pixels;
    for (int y = 0; y < Area.Height(); ++y)
        for (int x = 0; x < Area.Width(); ++x)
            pixels.push_back(static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
}

TPixels TSynX11Test::Backing(const TRect& Area) const
{
    TSurface surface = GdiObjectAs<TGdiBitmap>(WindowOf(form_->Handle())->Backing)->Surface();
    TPixels pixels;
    for (int y = Area.Top; y < Area.Bottom; ++y)
        for (int x = Area.Left; x < Area.Right; ++x)
            pixels.push_back(surface.GetPixel(x, y) & 0xFFFFFF);
    return pixels;
}

TPixels TSynX11Test::ShownWhenPainted(const TRect& Area)
{
    TPixels shown;
    const bool same = PumpUntil([&] {
        shown = Displayed(Area);
        return shown == Backing(Area);
    });
    return same ? shown : TPixels();
}

uint32_t TSynX11Test::ClientPixel(const TPixels& Pixels, TWinControl* Control, TPoint Client)
{
    TRect window;
    GetWindowRect(Control->Handle(), &window);
    const TPoint screen = Control->ClientToScreen(Client);
    return Pixels[static_cast<size_t>((screen.Y - window.Top) * window.Width() + screen.X - window.Left)];
}

void TSynX11Test::Key(unsigned long Sym)
{
    const KeyCode code = XKeysymToKeycode(Other(), Sym);
    XTestFakeKeyEvent(Other(), code, True, 0);
    XTestFakeKeyEvent(Other(), code, False, 0);
}

uint32_t TSynX11Test::Rgb(TColor Color)
{
    const uint32_t c = static_cast<uint32_t>(ColorToRGB(Color));
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

TPoint TSynX11Test::Cell(TSynMemo* Memo, int Column, int Row)
{
    const TPoint p = Memo->RowColumnToPixels(DisplayCoord(Column, Row));
    return Memo->ClientToScreen(Point(p.X + 1, p.Y + Memo->LineHeight() / 2));
}

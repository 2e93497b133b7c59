// The X11 form fixture: the test's form is freed after each test; the
// application's own loop pumped for the display's events; what the
// display shows, read back through the test's own connection.
#include "form_x11_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/gdi/png_codec.h"
#include "platform/ui/kernel/application.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

bool TFormX11Test::AppPumpUntil(const std::function<bool()>& Done)
{
    for (int i = 0; i < 300; ++i) {
        Backend().WaitForEvents(10);
        Application->ProcessMessages();
        if (Done())
            return true;
    }
    return false;
}

void TFormX11Test::TearDown()
{
    delete form_;
    Pump();
    TX11Test::TearDown();
}

TRasterImage TFormX11Test::ScreenImage(TRect Area)
{
    Window root = DefaultRootWindow(Other());
    if (IsRectEmpty(Area)) {
        XWindowAttributes attributes;
        XGetWindowAttributes(Other(), root, &attributes);
        Area = Rect(0, 0, attributes.width, attributes.height);
    }
    XImage* shot = XGetImage(Other(), root, Area.Left, Area.Top, static_cast<unsigned>(Area.Width()),
                             static_cast<unsigned>(Area.Height()), AllPlanes, ZPixmap);
    if (!shot)
        return {};
    TRasterImage image = TRasterImage::Sized(Area.Width(), Area.Height());
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            image.Row(y)[x] = 0xFF000000u | static_cast<uint32_t>(XGetPixel(shot, x, y) & 0xFFFFFF);
    XDestroyImage(shot);
    return image;
}

void TFormX11Test::SaveScreenshot(const char* Variable)
{
    const char* file = std::getenv(Variable);
    if (!file)
        return;
    std::vector<uint8_t> png = WritePng(ScreenImage());
    if (FILE* out = std::fopen(file, "wb")) {
        std::fwrite(png.data(), 1, png.size(), out);
        std::fclose(out);
    }
}

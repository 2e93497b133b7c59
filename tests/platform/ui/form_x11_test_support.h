// A fixture for a form worked from a real X display: the X11 test
// support's own Xvfb and XTest, with the test's form freed after it.
#pragma once

#include <functional>

#include "platform/gdi/raster_image.h"
#include "platform/ui/kernel/custom_form.h"
#include "tests/platform/win/x11_test_support.h"

class TFormX11Test : public TX11Test {
protected:
    void TearDown() override;

    bool FormHasXFocus() { return HasXFocus(form_->Handle()); }
    // PumpUntil through the application's own loop, whose message hooks
    // and short-cut handling a user's keys go through: about 300 rounds of
    // the display's events.
    static bool AppPumpUntil(const std::function<bool()>& Done);
    bool DisplayShowsBacking() { return ShowsBacking(form_->Handle()); }
    // What the display shows of a rectangle of the screen (the whole
    // screen when empty), opaque.
    static TRasterImage ScreenImage(TRect Area = {});
    // With the environment variable Variable set, what the display shows
    // goes to the PNG file it names, for a person to look at.
    static void SaveScreenshot(const char* Variable);

    TForm* form_ = nullptr;  // made by the test, freed after it
};

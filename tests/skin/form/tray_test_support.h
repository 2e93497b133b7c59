// The notification-area icon's fixture: the headless area present, a main
// form made by the application, and a tray icon on it with a plain icon
// whose events the test hears as words.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/raster_image.h"
#include "tests/skin/form/frame_test_support.h"

class TCustomForm;
class TbsSkinPopupMenu;
class TbsTrayIcon;

// A 16 x 16 icon picture of one colour.
TRasterImage Solid(uint32_t Pixel);
// The colour the area shows for the icon, 0 when it has none.
uint32_t ShownPixel(const TbsTrayIcon& Tray);

class TrayIconTest : public FrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The pointer's Message on the icon, then the waiting messages.
    void Mouse(UINT Message);
    // The hand-driven clock moved, then the waiting messages.
    void Wait(unsigned Milliseconds);
    // A popup menu whose opening ("menu") and default item ("default
    // item") the test hears about.
    TbsSkinPopupMenu* NewMenu();

    TCustomForm* main_ = nullptr;
    TbsTrayIcon* tray_ = nullptr;
    std::vector<std::string> events_;
};

using Events = std::vector<std::string>;

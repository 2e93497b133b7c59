// A sample of the program's main window in each embedded skin, active and
// inactive, checked pixel for pixel against golden pictures drawn headless
// in the layer's test fonts. After a reviewed change of a skin or of the
// drawing, tests/skins/accept_goldens.sh rewrites them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_pos.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skins/sample_form.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_data.h"

namespace {

class ProgramSkinSample : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { SetManualClock(true); }
    void TearDown() override
    {
        FreeDeviceContexts();
        SetManualClock(false);
    }

    // The sample form in Data's skin, drawn active and then inactive.
    static TRasterImage Sample(TbsSkinData& Data)
    {
        auto* form = new TCustomForm(nullptr);
        FillSampleForm(form, Data);
        form->Show();
        SetActiveWindow(form->Handle());
        PumpMessages();
        AdvanceClock(50);
        PumpMessages();
        TRasterImage active = WindowImage(form->Handle());
        // Another window takes the activation, as a user's click would.
        auto* other = new TCustomForm(nullptr);
        other->SetBounds(0, 700, 100, 60);
        other->Show();
        SetActiveWindow(other->Handle());
        PumpMessages();
        TRasterImage inactive = WindowImage(form->Handle());
        delete other;
        delete form;
        Application->ProcessMessages();
        return ComposeImages({active, inactive}, false);
    }

    // The sample form in Data's skin with its first menu open and the
    // mouse on the checked item: the bar and the menu's corner of the form.
    static TRasterImage OpenMenu(TbsSkinData& Data)
    {
        auto* form = new TCustomForm(nullptr);
        TSampleForm sample = FillSampleForm(form, Data);
        form->Show();
        SetActiveWindow(form->Handle());
        PumpMessages();
        AdvanceClock(50);
        PumpMessages();
        const TRect& item = sample.MenuBar->Items(0)->ObjectRect;
        const TPoint centre{(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2};
        InjectClick(sample.MenuBar->ClientToScreen(centre));
        PumpMessages();
        InjectMouseMove(sample.MenuBar->ClientToScreen(TPoint{centre.X + 10, item.Bottom + 30}));
        PumpMessages();
        AdvanceClock(300);
        PumpMessages();
        TRect window{};
        GetWindowRect(form->Handle(), &window);
        const TRasterImage& screen = ComposeScreen();
        TRasterImage corner = TRasterImage::Sized(300, 200);
        for (int y = 0; y < corner.Height; ++y)
            for (int x = 0; x < corner.Width; ++x)
                corner.Row(y)[x] = screen.Row(window.Top + y)[window.Left + x];
        delete form;
        Application->ProcessMessages();
        return corner;
    }
};

}  // namespace

TEST_F(ProgramSkinSample, EachSkinDrawsTheMainWindowActiveAndInactive)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        ExpectGolden(Sample(*data), TestFolder() + "/golden/" + name + ".png");
    }
}

TEST_F(ProgramSkinSample, EachSkinDrawsAnOpenMenu)
{
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        ExpectGolden(OpenMenu(*data), TestFolder() + "/golden/" + name + "_menu.png");
    }
}

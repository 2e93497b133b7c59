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
#include "platform/win/headless_screen.h"
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

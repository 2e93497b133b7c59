// The caption buttons of each embedded skin take their own clicks: the
// roll-up button rolls the sample main window up to its caption, and the
// same button, now showing its roll-down look, brings it back.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/clock.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_pos.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_std_button_object.h"
#include "tests/skins/sample_form.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class ProgramSkinCaption : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { SetManualClock(true); }
    void TearDown() override { SetManualClock(false); }
};

TbsSkinStdButtonObject* RollUpButton(TbsSkinForm* Frame)
{
    for (int i = 0; i < Frame->ObjectCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(Frame->Objects(i)))
            if (button->Command == cmrollup)
                return button;
    return nullptr;
}

// A click in the middle of a frame object, long enough after the last one
// not to make a double click with it.
void ClickObject(HWND Form, const TRect& Object)
{
    AdvanceClock(1000);
    TRect window{};
    GetWindowRect(Form, &window);
    const TPoint centre{window.Left + (Object.Left + Object.Right) / 2, window.Top + (Object.Top + Object.Bottom) / 2};
    InjectMouseMove(centre);
    PumpMessages();
    InjectClick(centre);
    PumpMessages();
}

}  // namespace

TEST_F(ProgramSkinCaption, TheRollUpButtonRollsTheWindowUpAndDown)
{
    TPoint mouse{};
    GetCursorPos(&mouse);
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        std::unique_ptr<TbsSkinData> data = LoadEmbeddedSkin(name);
        auto* form = new TCustomForm(nullptr);
        TbsSkinForm* frame = FillSampleForm(form, *data).Frame;
        frame->SetBorderIcons(TbsBorderIcons(frame->BorderIcons()).Include(TbsBorderIcon::biRollUp));
        form->Show();
        SetActiveWindow(form->Handle());
        PumpMessages();
        const int height = form->Height();
        TbsSkinStdButtonObject* button = RollUpButton(frame);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->Visible);

        ClickObject(form->Handle(), button->ObjectRect);
        EXPECT_TRUE(frame->RollUpState());
        EXPECT_LT(form->Height(), height / 2);

        ClickObject(form->Handle(), button->ObjectRect);
        EXPECT_FALSE(frame->RollUpState());
        EXPECT_EQ(form->Height(), height);
        delete form;
        Application->ProcessMessages();
    }
    InjectMouseMove(mouse);
    PumpMessages();
}

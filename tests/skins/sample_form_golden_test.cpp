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
#include "skin/controls/bs_skin_button.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/skin/form/main_window_layout.h"
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

    // The main window's controls, a menu bar, a button and an edit box on a
    // framed form in Data's skin, drawn active and then inactive.
    static TRasterImage Sample(TbsSkinData& Data)
    {
        auto* form = new TCustomForm(nullptr);
        auto* frame = new TbsSkinForm(form);
        frame->SetSkinData(&Data);
        form->SetCaption("Tandril - 說門中");
        TMainWindowLayout layout(form, &Data);
        layout.PageControl->SetActivePageIndex(0);
        auto* sheet = static_cast<TbsSkinTabSheet*>(layout.PageControl->ActivePage());
        auto* button = new TbsSkinButton(form);
        button->SetParent(sheet);
        button->SetBounds(12, 12, 75, 25);
        button->SetCaption("确定");
        button->SetSkinData(&Data);
        auto* edit = new TbsSkinEdit(form);
        edit->SetParent(sheet);
        edit->SetBounds(100, 14, 160, 21);
        edit->SetText("說門 文章");
        edit->SetSkinData(&Data);

        // The article frame's pair of bars, the lower one with the corner.
        auto* vertical = new TbsSkinScrollBar(form);
        vertical->SetKind(sbVertical);
        vertical->SetParent(sheet);
        vertical->SetWidth(19);
        vertical->SetAlign(alRight);
        auto* horizontal = new TbsSkinScrollBar(form);
        horizontal->SetParent(sheet);
        horizontal->SetHeight(19);
        horizontal->SetAlign(alBottom);
        horizontal->SetBoth(true);
        horizontal->SetRange(0, 100, 20, 30);
        vertical->SetRange(0, 100, 10, 25);
        // As the stored forms name them: the vertical bars of the views too.
        for (int i = 0; i < form->ComponentCount(); ++i)
            if (auto* bar = dynamic_cast<TbsSkinScrollBar*>(form->Components(i)))
                if (bar->Kind() == sbVertical)
                    bar->SetSkinDataName("vscrollbar");
        for (TbsSkinScrollBar* bar : {vertical, horizontal})
            bar->SetSkinData(&Data);

        auto* menu = new TbsSkinMainMenu(form);
        for (const char* caption : {"文件(&F)", "编辑(&E)", "搜索(&S)", "查看(&V)", "帮助(&H)"}) {
            auto* item = new TMenuItem(menu);
            item->SetCaption(caption);
            menu->Items()->Add(item);
        }
        auto* bar = new TbsSkinMainMenuBar(form);
        bar->SetParent(form);
        bar->SetHeight(22);
        bar->SetTop(0);
        bar->SetAlign(alTop);
        bar->SetSkinData(&Data);
        bar->SetSkinForm(frame);
        bar->SetMainMenu(menu);

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

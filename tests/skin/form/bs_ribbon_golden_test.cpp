// The ribbon's plain and skinned looks against golden pictures: the bar
// with its selected tab joined to a page that scrolls, and beside it the
// open application menu with a selected command and a page item's page.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/headless_screen.h"
#include "platform/win/focus.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_button.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_app_menu_page.h"
#include "skin/form/bs_ribbon_page.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_ribbon_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_data.h"

namespace {

// A 420 x 260 form with a ribbon of three tabs, the second selected with
// a row of buttons wider than the page; OpenMenu shows its application
// menu of four items. Data, when given, skins the ribbon and the menu.
TRasterImage RibbonForm(bool OpenMenu, TbsSkinData* Data = nullptr)
{
    auto form = std::make_unique<TCustomForm>(nullptr);
    form->SetBounds(0, 0, 420, 260);
    auto* ribbon = new TbsRibbon(form.get());
    ribbon->SetParent(form.get());
    if (Data)
        ribbon->SetSkinData(Data);
    ribbon->AppButton()->SetCaption("File");
    TbsRibbonPage* pages[3];
    const char* captions[3] = {"Home 門", "Insert 說", "View"};
    for (int i = 0; i < 3; ++i) {
        pages[i] = new TbsRibbonPage(form.get());
        pages[i]->SetCaption(captions[i]);
        ribbon->Tabs()->Add()->SetPage(pages[i]);
    }
    for (int i = 0; i < 9; ++i) {
        auto* button = new TbsSkinSpeedButton(form.get());
        button->SetCaption("B" + std::to_string(i));
        button->SetParent(pages[1]);
        button->SetBounds(4 + i * 48, 4, 44, 70);
    }
    pages[1]->UpdateScroll();
    ribbon->SetTabIndex(1);
    auto* menu = new TbsAppMenu(form.get());
    if (Data)
        menu->SetSkinData(Data);
    ribbon->SetAppMenu(menu);
    menu->Items()->Add()->SetCaption("New 中");
    menu->Items()->Add()->SetCaption("Open");
    TbsAppMenuItem* recent = menu->Items()->Add();
    recent->SetCaption("Recent");
    auto* page = new TbsAppMenuPage(form.get());
    recent->SetPage(page);
    menu->Items()->Add()->SetCaption("Exit");
    menu->Items()->Items(3)->SetEnabled(false);
    form->Show();
    SetActiveWindow(form->Handle());
    if (OpenMenu) {
        ribbon->ShowAppMenu();
        menu->SelectItem(1);
    }
    PumpMessages();
    form->Repaint();
    PumpMessages();
    return WindowImage(form->Handle());
}

TEST_F(FrameTest, GoldenRibbonAndApplicationMenuPlain)
{
    ExpectGolden(ComposeImages({RibbonForm(false), RibbonForm(true)}, true),
                 TestFolder() + "/golden/ribbon_plain.png");
}

class BsRibbonSkinGolden : public FrameTest {
protected:
    void SetUp() override
    {
        test_ribbon_skin::AddTo(skin_);
        FrameTest::SetUp();
    }
};

TEST_F(BsRibbonSkinGolden, RibbonAndApplicationMenuSkinned)
{
    ExpectGolden(ComposeImages({RibbonForm(false, data_.get()), RibbonForm(true, data_.get())}, true),
                 TestFolder() + "/golden/ribbon_skinned.png");
}

}  // namespace

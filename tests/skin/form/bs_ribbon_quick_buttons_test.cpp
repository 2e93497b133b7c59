// The ribbon's quick-access buttons beyond the click: a button's menu
// opens below it and keeps it down until the menu closes, hints show after
// the delay and go with the mouse, and the application button's settings
// pass through the ribbon; freed components are forgotten.
#include <gtest/gtest.h>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/headless_input.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_button.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class BsRibbonQuickButtons : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        form_->SetBounds(100, 80, 500, 300);
        ribbon_ = new TbsRibbon(form_);
        ribbon_->SetParent(form_);
        ribbon_->SkinForm = frame_;
        auto* page = new TbsRibbonPage(form_);
        page->SetCaption("Home");
        ribbon_->Tabs()->Add()->SetPage(page);
        images_ = new TCustomImageList(form_);  // 16 x 16
        TBitmap strip;
        strip.SetSize(32, 16);
        images_->Add(&strip, nullptr);
        ribbon_->SetButtonsImageList(images_);
        for (int i = 0; i < 2; ++i) {
            TbsRibbonButtonItem* item = ribbon_->Buttons()->Add();
            item->SetImageIndex(i);
            item->OnClick = TNotifyEvent::FromCallable([this, i](TObject*) { clicks_.push_back(i); });
        }
        ribbon_->Repaint();
        PumpMessages();
    }
    void TearDown() override
    {
        InjectMouseMove({5, 5});
        PumpMessages();
        SkinFormTest::TearDown();
    }

    TbsRibbonButtonItem* Button(int Index) { return ribbon_->Buttons()->Items(Index); }
    TPoint OnButton(int Index)
    {
        TRect r = Button(Index)->ItemRect;
        return ribbon_->ClientToScreen(TPoint{r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    }
    void Mouse(void (*Inject)(TPoint, int), TPoint P)
    {
        Inject(P, 1);
        PumpMessages();
    }

    TbsRibbon* ribbon_ = nullptr;
    TCustomImageList* images_ = nullptr;
    std::vector<int> clicks_;
};

TEST_F(BsRibbonQuickButtons, PressOpensTheButtonsMenuWhichKeepsItDownUntilClosed)
{
    auto* menu = new TbsSkinPopupMenu(form_);
    auto* entry = new TMenuItem(menu);
    entry->SetCaption("First 說");
    menu->Items()->Add(entry);
    Button(1)->SetPopupMenu(menu);
    InjectMouseMove(OnButton(1));
    Mouse(InjectMouseDown, OnButton(1));
    ASSERT_TRUE(frame_->SkinMenu()->ChainOpen());
    // The menu drops from the button's bottom edge.
    TRect button = Button(1)->ItemRect;
    TPoint bottom = ribbon_->ClientToScreen(TPoint{button.Left, button.Bottom});
    TRect shown = frame_->SkinMenu()->Popup(0)->BoundsRect();
    EXPECT_GE(shown.Top, bottom.Y);
    EXPECT_LE(shown.Top, bottom.Y + 2);
    Mouse(InjectMouseUp, OnButton(1));
    EXPECT_EQ(clicks_, std::vector<int>{1});
    EXPECT_TRUE(Button(1)->Down);
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();
    EXPECT_FALSE(Button(1)->Down);

    // A button without a menu comes up on release.
    Tick(1000);
    InjectMouseMove(OnButton(0));
    Mouse(InjectMouseDown, OnButton(0));
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    Mouse(InjectMouseUp, OnButton(0));
    EXPECT_FALSE(Button(0)->Down);
    delete menu;  // forgotten by its button
    EXPECT_EQ(Button(1)->PopupMenu(), nullptr);
}

TEST_F(BsRibbonQuickButtons, HintShowsAfterTheDelayAndGoesWithTheMouse)
{
    auto* hint = new TbsSkinHint(form_);
    ribbon_->SetSkinHint(hint);
    ribbon_->ButtonsShowHint = true;
    Button(1)->Hint = "Save 門";
    InjectMouseMove(OnButton(0));  // no hint of its own
    PumpMessages();
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());
    InjectMouseMove(OnButton(1));
    PumpMessages();
    EXPECT_FALSE(hint->HintWindow()->Visible());
    Tick(Application->HintPause);
    ASSERT_TRUE(hint->HintWindow()->Visible());
    EXPECT_EQ(hint->HintWindow()->Caption(), "Save 門");
    // Off the buttons, still on the ribbon: the hint goes.
    InjectMouseMove(ribbon_->ClientToScreen(TPoint{200, 60}));
    PumpMessages();
    EXPECT_FALSE(hint->HintWindow()->Visible());
    // Without the switch no hint shows.
    ribbon_->ButtonsShowHint = false;
    InjectMouseMove(OnButton(1));
    PumpMessages();
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());
    delete hint;
    EXPECT_EQ(ribbon_->SkinHint(), nullptr);
}

TEST_F(BsRibbonQuickButtons, AppButtonSettingsPassThroughAndFreedOnesAreForgotten)
{
    ribbon_->SetAppButtonCaption("File 中");
    EXPECT_EQ(ribbon_->AppButton()->Caption(), "File 中");
    EXPECT_EQ(ribbon_->AppButtonCaption(), "File 中");
    ribbon_->SetAppButtonMargin(3);
    ribbon_->SetAppButtonSpacing(7);
    EXPECT_EQ(ribbon_->AppButton()->Margin(), 3);
    EXPECT_EQ(ribbon_->AppButtonSpacing(), 7);
    ribbon_->SetAppButtonImageIndex(-4);
    EXPECT_EQ(ribbon_->AppButtonImageIndex(), 0);
    ribbon_->SetAppButtonImageIndex(1);
    EXPECT_EQ(ribbon_->AppButton()->ImageIndex(), 1);
    auto* buttonImages = new TCustomImageList(form_);
    auto* popup = new TbsSkinPopupMenu(form_);
    ribbon_->SetAppButtonImageList(buttonImages);
    ribbon_->SetAppButtonPopupMenu(popup);
    EXPECT_EQ(ribbon_->AppButton()->ImageList(), buttonImages);
    EXPECT_EQ(ribbon_->AppButton()->SkinPopupMenu(), popup);
    delete buttonImages;
    delete popup;
    EXPECT_EQ(ribbon_->AppButtonImageList(), nullptr);
    EXPECT_EQ(ribbon_->AppButtonPopupMenu(), nullptr);

    auto* menu = new TbsAppMenu(form_);
    auto* itemImages = new TCustomImageList(form_);
    auto* pageImages = new TCustomImageList(form_);
    menu->SetItemImageList(itemImages);
    menu->SetItemPageImageList(pageImages);
    EXPECT_EQ(menu->ItemImageList(), itemImages);
    EXPECT_EQ(menu->ItemPageImageList(), pageImages);
    delete itemImages;
    delete pageImages;
    EXPECT_EQ(menu->ItemImageList(), nullptr);
    EXPECT_EQ(menu->ItemPageImageList(), nullptr);
}

}  // namespace

// The ribbon on a real X display: a click of XTest on the application
// button opens the menu over the form, and Escape, through the
// application's own loop and its message hooks, closes it again.

#include "form_x11_test_support.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_button.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_page.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/test_frame_skin.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

class RibbonX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        frameSkin_.LoadInto(data_);
        form_ = new TForm(nullptr);
        form_->SetBounds(100, 100, 420, 300);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(&data_);
        ribbon_ = new TbsRibbon(form_);
        ribbon_->SetParent(form_);
        ribbon_->SkinForm = frame_;
        auto* page = new TbsRibbonPage(form_);
        page->SetCaption("Home 門");
        ribbon_->Tabs()->Add()->SetPage(page);
        menu_ = new TbsAppMenu(form_);
        ribbon_->SetAppMenu(menu_);
        menu_->Items()->Add()->SetCaption("New 說");
        menu_->Items()->Add()->SetCaption("Exit");
        form_->Show();
        ASSERT_TRUE(BecomesViewable(form_->Handle()));
    }

    TTestSkin skin_;
    TTestFrameSkin frameSkin_{skin_};
    TbsSkinData data_{nullptr};
    TbsSkinForm* frame_ = nullptr;
    TbsRibbon* ribbon_ = nullptr;
    TbsAppMenu* menu_ = nullptr;
};

TEST_F(RibbonX11Test, TheApplicationButtonOpensTheMenuAndEscapeClosesIt)
{
    ASSERT_TRUE(FormHasXFocus());
    Click(ribbon_->AppButton()->ClientToScreen(TPoint{10, 10}));
    ASSERT_TRUE(AppPumpUntil([&] { return menu_->Visible() && menu_->Focused(); }));
    EXPECT_EQ(menu_->Width(), form_->ClientWidth());
    ASSERT_TRUE(AppPumpUntil([&] { return DisplayShowsBacking(); }));
    SaveScreenshot("TANDRIL_RIBBON_SCREENSHOT");
    Key(XK_Escape);
    EXPECT_TRUE(AppPumpUntil([&] { return !menu_->Visible(); }));
}

}  // namespace

// The skinned page control worked from a real X display (the suite's own
// Xvfb) with the mouse of XTest: a click on a tab shows its page, a click
// on a close button closes that page, and the display shows what the
// control painted.

#include "form_x11_test_support.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/data/bs_skin_data.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/controls/test_skin_tabs.h"

namespace {

class TSkinPageControlX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        test_skin_tabs::AddTo(skin_);
        skin_.LoadInto(data_);
    }

    TTestSkin skin_;
    TbsSkinData data_{nullptr};
};

TEST_F(TSkinPageControlX11Test, ATabClickShowsItsPageAndACloseButtonClosesIt)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 360, 220);
    auto* pages = new TbsSkinPageControl(form_);
    pages->SetBounds(10, 10, 330, 160);
    pages->SetParent(form_);
    pages->SetTabWidth(90);
    pages->SetShowCloseButtons(true);
    for (const char* caption : {"One", "說門", "Three"}) {
        auto* sheet = new TbsSkinTabSheet(form_);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
    }
    pages->SetSkinData(&data_);
    form_->Show();
    Pump();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));

    Click(pages->ClientToScreen(Point(100, 8)));
    EXPECT_TRUE(PumpUntil([&] { return pages->ActivePageIndex() == 1; }));
    EXPECT_TRUE(DisplayShowsBacking());

    auto* third = static_cast<TbsSkinTabSheet*>(pages->Pages(2));
    TRect button = third->CloseButtonRect;
    ASSERT_GT(button.Width(), 0);
    Click(pages->ClientToScreen(Point((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2)));
    EXPECT_TRUE(PumpUntil([&] { return !third->TabVisible(); }));
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace

// The main window's containers on a real X display (the suite's own Xvfb):
// a captioned panel, a scrolling tool bar of 27 buttons and a status bar
// with six panels and a size grip, on the test skin; a drag of the grip
// with the mouse of XTest sizes the form.
#include "form_x11_test_support.h"
#include "platform/gdi/test_font.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/controls/test_skin_panels.h"
#include "tests/support/pixel_colour.h"

namespace {

class TSkinPanelsX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        test_skin_panels::AddTo(skin_);
        skin_.LoadInto(data_);
    }

    TTestSkin skin_;
    TbsSkinData data_{nullptr};
};

TEST_F(TSkinPanelsX11Test, ContainersShowOnTheDisplayAndTheGripSizesTheForm)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(60, 40, 420, 260);
    auto* bar = new TbsSkinToolBar(form_);
    bar->SetAlign(alTop);
    bar->SetParent(form_);
    bar->SetCanScroll(true);
    for (int i = 0; i < 27; ++i) {
        auto* button = new TbsSkinSpeedButton(form_);
        button->SetParent(bar);
        button->SetBounds(i * 23, 0, 23, 22);
    }
    auto* status = new TbsSkinStatusBar(form_);
    status->SetParent(form_);
    status->SetSizeGrip(true);
    for (int i = 0; i < 6; ++i) {
        auto* section = new TbsSkinStatusPanel(form_);
        section->SetParent(status);
        section->SetBounds(i * 60, 0, 60, 20);
        section->DefaultFont()->SetName(kTestFontName);
        section->SetCaption("說" + std::to_string(i));
    }
    auto* panel = new TbsSkinPanel(form_);
    panel->SetAlign(alClient);
    panel->SetParent(form_);
    panel->SetCaption("ab");
    panel->SetCaptionMode(true);
    panel->SetCheckedMode(true);
    panel->SetRollUpMode(true);
    bar->SetSkinData(&data_);
    status->SetSkinData(&data_);
    panel->SetSkinData(&data_);
    bar->SetWidth(bar->Width());
    form_->Show();
    Pump();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));
    EXPECT_TRUE(bar->ScrollButtonsVisible());
    EXPECT_TRUE(DisplayShowsBacking());

    TPoint corner = panel->ClientToScreen(Point(0, 0));
    TRasterImage screen = ScreenImage(Rect(corner.X, corner.Y, corner.X + 1, corner.Y + 1));
    EXPECT_EQ(skin_.PieceOf(PixelAt(screen, 0, 0)), "panel.normal.lt");

    int width = form_->Width();
    int height = form_->Height();
    TPoint grip = status->ClientToScreen(Point(status->Width() - 4, status->Height() - 4));
    Drag(grip, Point(grip.X + 40, grip.Y + 30));
    EXPECT_TRUE(PumpUntil([&] { return form_->Width() == width + 40 && form_->Height() == height + 30; }));
}

}  // namespace

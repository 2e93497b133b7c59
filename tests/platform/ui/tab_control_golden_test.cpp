// The tab and page controls' looks compared pixel for pixel with the
// pictures in golden/ (see tests/support/golden_image.h for accepting
// changes), in the built-in test font: tabs on each of the four sides,
// rows, a single row overflowing into its scroller, and button styles.
#include <string>

#include "form_test_support.h"
#include "platform/base/string_list.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/widgets/panel.h"
#include "platform/ui/widgets/tab_control.h"
#include "platform/ui/widgets/up_down.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

const std::string ShuoMen = "\xD5\x66\xE9\x54";  // 說門

class TTabControlGoldenTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 420, 320);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        form_->Show();
        Process();
    }

    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    TTabControl* Tabs(int Width, int Height, int Count)
    {
        auto* tabs = new TTabControl(form_);
        tabs->SetBounds(10, 10, Width, Height);
        tabs->SetParent(form_);
        for (int i = 0; i < Count; ++i)
            tabs->Tabs()->Add(i == 1 ? ShuoMen : "Tab" + std::to_string(i));
        return tabs;
    }

    void ExpectLooks(TWinControl* Control, const std::string& Name)
    {
        Process();
        ::ExpectGolden(WindowImage(Control->Handle()), TestFolder() + "/golden/" + Name);
    }

    TForm* form_ = nullptr;
};

TEST_F(TTabControlGoldenTest, FourSides)
{
    TTabControl* tabs = Tabs(200, 150, 3);
    tabs->SetTabIndex(1);
    ExpectLooks(tabs, "tab_control_top.png");
    tabs->SetTabPosition(tpBottom);
    ExpectLooks(tabs, "tab_control_bottom.png");
    tabs->SetTabPosition(tpLeft);
    ExpectLooks(tabs, "tab_control_left.png");
    tabs->SetTabPosition(tpRight);
    ExpectLooks(tabs, "tab_control_right.png");
}

TEST_F(TTabControlGoldenTest, RowsAndOverflow)
{
    TTabControl* rows = Tabs(200, 130, 8);
    rows->SetMultiLine(true);
    rows->SetTabIndex(2);
    ExpectLooks(rows, "tab_control_rows.png");
    rows->SetMultiLine(false);
    rows->SetTabIndex(0);
    // Focused: the selected tab shows the focus rectangle.
    rows->SetFocus();
    ExpectLooks(rows, "tab_control_overflow.png");
}

TEST_F(TTabControlGoldenTest, ButtonsWithImages)
{
    auto* images = new TImageList(form_);
    images->SetWidth(10);
    images->SetHeight(10);
    for (TColor color : {clRed, clBlue}) {
        TBitmap bitmap;
        bitmap.SetSize(10, 10);
        bitmap.Canvas()->Brush()->SetColor(color);
        bitmap.Canvas()->FillRect(Rect(0, 0, 10, 10));
        images->Add(&bitmap, nullptr);
    }
    TTabControl* tabs = Tabs(260, 60, 3);
    tabs->SetImages(images);
    tabs->SetStyle(tsButtons);
    tabs->SetTabIndex(1);
    ExpectLooks(tabs, "tab_control_buttons.png");
    tabs->SetStyle(tsFlatButtons);
    ExpectLooks(tabs, "tab_control_flat_buttons.png");
}

TEST_F(TTabControlGoldenTest, UpDowns)
{
    auto* host = new TPanel(form_);
    host->SetBevelOuter(bvNone);
    host->SetBounds(10, 10, 80, 60);
    host->SetParent(form_);
    auto* vertical = new TUpDown(form_);
    vertical->SetBounds(10, 10, 17, 30);
    vertical->SetParent(host);
    auto* horizontal = new TUpDown(form_);
    horizontal->SetOrientation(udHorizontal);
    horizontal->SetBounds(40, 10, 30, 17);
    horizontal->SetParent(host);
    Process();
    // The lower arrow held down.
    InjectMouseDown(ScreenPoint(vertical, 8, 24));
    ExpectLooks(host, "tab_up_downs.png");
    InjectMouseUp(ScreenPoint(vertical, 8, 24));
}

}  // namespace

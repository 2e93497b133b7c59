// The list box, the combo box and the colour box compared pixel for pixel
// with the pictures in golden/ (see tests/support/golden_image.h for
// accepting changes), in the built-in test font: each normal, focused,
// disabled and, for the boxes, hot and dropped down with their lists.

#include <vector>

#include "form_test_support.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

class TListsGoldenTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 500, 400);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(-kTestFontCellHeight);
        form_->Show();
        Process();
    }

    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    static TRasterImage Picture(TWinControl* Control)
    {
        Control->Invalidate();
        Control->Update();
        return WindowImage(Control->Handle());
    }

    // Normal (unfocused), focused, disabled.
    std::vector<TRasterImage> Looks(TWinControl* Control)
    {
        std::vector<TRasterImage> looks;
        looks.push_back(Picture(Control));
        Control->SetFocus();
        Process();
        looks.push_back(Picture(Control));
        form_->SetActiveControl(nullptr);
        Control->SetEnabled(false);
        Process();
        looks.push_back(Picture(Control));
        Control->SetEnabled(true);
        Process();
        return looks;
    }

    TForm* form_ = nullptr;
};

TEST_F(TListsGoldenTest, ListBoxLooks)
{
    auto* list = new TListBox(form_);
    list->SetBounds(10, 10, 110, 84);
    list->SetParent(form_);
    for (const char* row : {"alpha", "\xD5\x66\xE9\x54", "gamma", "\xD6\xD0 delta", "epsilon", "zeta", "eta"})
        list->Items()->Add(row);
    list->SetItemIndex(1);
    ExpectGolden(ComposeImages(Looks(list), true), TestFolder() + "/golden/list_box.png");
}

TEST_F(TListsGoldenTest, ComboBoxLooksAndItsDroppedList)
{
    auto* combo = new TComboBox(form_);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(10, 10, 120, 0);
    combo->SetParent(form_);
    for (const char* row : {"alpha", "\xD5\x66\xE9\x54", "gamma", "delta"})
        combo->Items()->Add(row);
    combo->SetItemIndex(1);
    std::vector<TRasterImage> looks = Looks(combo);
    // Hot: the mouse over the box.
    InjectMouseMove(combo->ClientToScreen(Point(10, 5)));
    Process();
    looks.push_back(Picture(combo));
    InjectMouseMove(form_->ClientToScreen(Point(400, 300)));
    Process();
    combo->SetFocus();
    InjectKeyStroke(VK_F4);
    InjectKeyStroke(VK_DOWN);
    Process();
    looks.push_back(Picture(combo));
    looks.push_back(Picture(combo->DropDownList()));
    ExpectGolden(ComposeImages(looks, true), TestFolder() + "/golden/combo_box.png");
    InjectKeyStroke(VK_ESCAPE);
    Process();
}

TEST_F(TListsGoldenTest, ColorBoxFaceAndList)
{
    auto* box = new TColorBox(form_);
    box->SetStyle(TColorBoxStyle{cbStandardColors, cbCustomColor, cbPrettyNames});
    box->SetDropDownCount(6);
    box->SetBounds(10, 10, 130, 0);
    box->SetParent(form_);
    box->SetSelected(clOlive);
    std::vector<TRasterImage> looks = Looks(box);
    box->SetFocus();
    InjectKeyStroke(VK_F4);
    Process();
    looks.push_back(Picture(box->DropDownList()));
    ExpectGolden(ComposeImages(looks, true), TestFolder() + "/golden/color_box.png");
    InjectKeyStroke(VK_ESCAPE);
    Process();
}

}  // namespace

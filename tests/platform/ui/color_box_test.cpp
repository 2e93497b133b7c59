// The colour box as the editor's option dialogs use it: standard, extended
// and custom colours with names, the selected colour both ways, the custom
// entry asking the colour dialog's hook, and the swatches drawn.
#include "platform/ui/widgets/color_box.h"

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "tests/support/pixel_colour.h"

namespace {

using TLines = std::vector<std::string>;

// The hook answers with the colour it is given here, or cancels.
TColor hookAnswer = clNone;
TColor hookAsked = clNone;
bool AnswerHook(TColor& Color)
{
    hookAsked = Color;
    if (hookAnswer == clNone)
        return false;
    Color = hookAnswer;
    return true;
}

class TColorBoxTest : public TControlTest {
protected:
    void TearDown() override
    {
        PickCustomColorHook = nullptr;
        TControlTest::TearDown();
    }
};

TEST_F(TColorBoxTest, ListsTheColoursStyleAsksForWithTheirNames)
{
    TColorBox box(nullptr);
    EXPECT_EQ(box.Items()->Count(), 20);
    EXPECT_EQ(box.ColorNames(0), "clBlack");
    EXPECT_EQ(box.ColorNames(19), "clMedGray");
    EXPECT_EQ(box.Colors(16), clMoneyGreen);

    box.SetSelected(clTeal);
    EXPECT_EQ(box.Text(), "clTeal");
    // The editor's dialogs: descriptive names and a custom entry first.
    box.SetStyle(TColorBoxStyle{cbStandardColors, cbExtendedColors, cbCustomColor, cbPrettyNames});
    ASSERT_EQ(box.Items()->Count(), 21);
    EXPECT_EQ(box.ColorNames(0), "Custom...");
    EXPECT_EQ(box.ColorNames(1), "Black");
    EXPECT_EQ(box.ColorNames(17), "Money Green");
    EXPECT_EQ(box.ColorNames(20), "Medium Gray");
    EXPECT_EQ(box.Selected(), clTeal) << "a new list keeps the selected colour";
    EXPECT_EQ(box.Text(), "Teal");

    // A colour no row has goes into the custom entry; a listed one never.
    box.SetSelected(static_cast<TColor>(0x00123456));
    EXPECT_EQ(box.ItemIndex(), 0);
    EXPECT_EQ(box.Selected(), static_cast<TColor>(0x00123456));
    box.SetSelected(clBlack);
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(box.Colors(0), static_cast<TColor>(0x00123456)) << "the custom colour stays";

    // Without a custom entry an unlisted colour selects nothing.
    box.SetStyle(TColorBoxStyle{cbStandardColors, cbIncludeNone, cbIncludeDefault, cbPrettyNames});
    EXPECT_EQ(box.ColorNames(0), "None");
    EXPECT_EQ(box.ColorNames(1), "Default");
    box.SetSelected(static_cast<TColor>(0x00123456));
    EXPECT_EQ(box.ItemIndex(), -1);
    box.NoneColorColor = clWhite;
    box.DefaultColorColor = clRed;
    EXPECT_EQ(box.Selected(), clWhite);
    box.SetItemIndex(1);
    EXPECT_EQ(box.Selected(), clRed);
    box.SetItemIndex(0);
    EXPECT_EQ(box.Selected(), clWhite);
}

TEST_F(TColorBoxTest, PickingTheCustomEntryAsksTheHook)
{
    TTestForm form;
    auto* box = new TColorBox(&form);
    box->Font()->SetName(kTestFontName);
    box->Font()->SetHeight(-kTestFontCellHeight);
    box->SetBounds(10, 10, 150, 0);
    box->SetParent(&form);
    box->SetStyle(TColorBoxStyle{cbStandardColors, cbCustomColor, cbPrettyNames});
    box->SetSelected(clRed);
    TLines log;
    box->OnChange = TNotifyEvent::FromCallable(
        [&log, box](TObject*) { log.push_back("change " + std::to_string(box->Selected())); });
    ShowActive(&form);
    box->SetFocus();
    Pump();

    // Without a hook, or cancelled, the pick is dropped.
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(box->Selected(), clRed);
    PickCustomColorHook = AnswerHook;
    hookAnswer = clNone;
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(box->Selected(), clRed);
    EXPECT_EQ(hookAsked, clBlack) << "the custom entry starts black";
    EXPECT_EQ(log, TLines());

    // Answered, the custom entry takes the colour and the pick counts.
    hookAnswer = static_cast<TColor>(0x00336699);
    InjectKeyStroke(VK_F4);
    InjectKeyStroke(VK_HOME);
    InjectKeyStroke(VK_RETURN);
    Pump();
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->Selected(), static_cast<TColor>(0x00336699));
    EXPECT_EQ(log, (TLines{"change " + std::to_string(0x00336699)}));

    // The face shows the swatch of the selected colour, framed.
    box->Invalidate();
    box->Update();
    const TRasterImage image = WindowImage(box->Handle());
    // Inside the client edge (2) and the face's padding (1), the swatch
    // starts one pixel further in: frame at 4, colour from 5.
    EXPECT_EQ(PixelAt(image, 4, 10), clBlack);
    EXPECT_EQ(PixelAt(image, 7, 10), static_cast<TColor>(0x00336699));
}

}  // namespace

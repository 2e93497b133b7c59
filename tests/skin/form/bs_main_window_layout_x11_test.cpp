// The main window's control layout on a real X display (the suite's own
// Xvfb) in a skinned frame, switched to a skin of other sizes (showing the
// search page) and to none:
// the display shows what the windows painted each time, and the tool bar's
// corner shows the skin's piece or the plain look. The screen is written to
// the files TANDRIL_LAYOUT_SCREENSHOT names ("<name>-skinned.png",
// "<name>-plain.png"), when set, for a person to look at.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "form_x11_test_support.h"
#include "platform/gdi/png_codec.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/main_window_layout.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/support/pixel_colour.h"

namespace {

class MainWindowLayoutX11 : public TFormX11Test {
protected:
    void Shoot(const char* Suffix)
    {
        if (const char* name = std::getenv("TANDRIL_LAYOUT_SCREENSHOT")) {
            const std::vector<uint8_t> png = WritePng(ScreenImage());
            if (FILE* out = std::fopen((std::string(name) + Suffix).c_str(), "wb")) {
                std::fwrite(png.data(), 1, png.size(), out);
                std::fclose(out);
            }
        }
    }
    // The colour the display shows at a point of Control.
    TColor Shown(TControl* Control, int X, int Y)
    {
        const TPoint at = Control->ClientToScreen(Point(X, Y));
        return PixelAt(ScreenImage(Rect(at.X, at.Y, at.X + 1, at.Y + 1)), 0, 0);
    }
};

TEST_F(MainWindowLayoutX11, ShowsTheLayoutSkinnedAndPlain)
{
    TTestSkin skin;
    TTestFrameSkin frameSkin{skin};
    AddLayoutParts(skin);
    TbsSkinData data(nullptr);
    LoadLayoutSkin(0, data);
    form_ = new TForm(nullptr);
    form_->SetCaption("Tandril 說門");
    auto* frame = new TbsSkinForm(form_);
    frame->SetSkinData(&data);
    TMainWindowLayout layout(form_, &data);
    form_->Show();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));
    EXPECT_TRUE(PumpUntil([&] { return DisplayShowsBacking(); }));
    TControl* toolBar = layout.Skinned.front().Control;
    EXPECT_EQ(skin.PieceOf(Shown(toolBar, 0, 0)).rfind("toolpanel.normal.", 0), 0u);

    // The search page, with the search box, on the skin of a taller edit.
    LoadLayoutSkin(1, data);
    layout.LeftPages->SetActivePageIndex(1);
    EXPECT_TRUE(PumpUntil([&] { return DisplayShowsBacking(); }));
    EXPECT_EQ(layout.Splitter1->Width(), LayoutSplitterThickness(1));
    EXPECT_EQ(layout.SearchText->Height(), LayoutEditHeight(1));
    Shoot("-skinned.png");

    layout.LeftPages->SetActivePageIndex(0);
    AttachLayout(form_, frame, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return DisplayShowsBacking(); }));
    EXPECT_EQ(skin.PieceOf(Shown(toolBar, 0, 0)), "");
    Shoot("-plain.png");
}

}  // namespace

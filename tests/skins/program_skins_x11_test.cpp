// The program's skins on a real X display (the suite's own Xvfb): the
// sample main window switched through the four embedded skins as the skin
// menu does it, each time shown as it painted, with the frame's caption in
// the skin's colours and its rounded top corners cut from the window. With
// TANDRIL_SKINS_SCREENSHOT set, the screen goes to "<name>-<skin>.png" for
// a person to look at.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "form_x11_test_support.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/gdi/bitmap.h"
#include "platform/win/window.h"
#include "platform/win/window_pos.h"
#include "skin/data/bs_stored_skin.h"
#include "skin/data/bs_skin_data.h"
#include "tests/skins/sample_form.h"
#include "tests/skins/skin_test_support.h"
#include "tests/support/pixel_colour.h"

namespace {

// A 0x00RRGGBB pixel as a 0x00BBGGRR colour.
uint32_t SwapRedBlue(uint32_t P) { return (P >> 16 & 0xFF) | (P & 0xFF00) | (P & 0xFF) << 16; }

TColor FramePixel(const TbsSkinData& Data, int X, int Y)
{
    std::vector<uint32_t> pixels = PixelsOf(*Data.Picture);
    uint32_t p = pixels[size_t(Y) * Data.Picture->Width() + X];
    return TColor(SwapRedBlue(p & 0xFFFFFF));
}

class ProgramSkinsX11 : public TFormX11Test {
protected:
    void Shoot(const std::string& Skin)
    {
        if (const char* name = std::getenv("TANDRIL_SKINS_SCREENSHOT")) {
            const std::vector<uint8_t> png = WritePng(ScreenImage());
            if (FILE* out = std::fopen((std::string(name) + "-" + Skin + ".png").c_str(), "wb")) {
                std::fwrite(png.data(), 1, png.size(), out);
                std::fclose(out);
            }
        }
    }
    // Whether the display shows what the form painted into its backing.
    // The rounded top corners are cut from the window, so its top Rows are
    // left out.
    bool ShowsPaintedBelowCorners(int Rows)
    {
        return PumpUntil([&] {
            TRect window{};
            GetWindowRect(form_->Handle(), &window);
            TRasterImage shown = ScreenImage(window);
            TSurface backing = GdiObjectAs<TGdiBitmap>(WindowOf(form_->Handle())->Backing)->Surface();
            for (int y = Rows; y < shown.Height; ++y)
                for (int x = 0; x < shown.Width; ++x)
                    if ((uint32_t(PixelAt(shown, x, y)) & 0xFFFFFF) != SwapRedBlue(backing.GetPixel(x, y) & 0xFFFFFF))
                        return false;
            return true;
        });
    }
    // The colour the display shows at a point of the form's window.
    TColor Shown(int X, int Y)
    {
        TRect window{};
        GetWindowRect(form_->Handle(), &window);
        return PixelAt(ScreenImage(Rect(window.Left + X, window.Top + Y, window.Left + X + 1, window.Top + Y + 1)), 0, 0);
    }
};

}  // namespace

TEST_F(ProgramSkinsX11, SwitchesThroughTheFourSkinsOnTheDisplay)
{
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(EmbeddedStoredSkin(ProgramSkinNames().back()).get());
    form_ = new TForm(nullptr);
    FillSampleForm(form_, data);
    form_->Show();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));
    for (const std::string& name : ProgramSkinNames()) {
        SCOPED_TRACE(name);
        // As the skin menu switches: the stored skin loaded into the skin
        // data every window draws from.
        data.LoadStoredSkin(EmbeddedStoredSkin(name).get());
        EXPECT_EQ(data.SkinName, name);
        EXPECT_TRUE(ShowsPaintedBelowCorners(data.MaskRectArea.Top));
        // The caption band left of the icon shows the frame picture there.
        const int x = data.BorderWidth + 1, y = data.CaptionRect.Top;
        EXPECT_EQ(Shown(x, y), FramePixel(data, x, y));
        Shoot(name);
    }
}

// The colour dialog worked as a user works it, with keys and clicks through
// the message loop: a colour round-trips, basic swatches by mouse and
// arrows, red/green/blue and hue/saturation/luminance typed into their
// boxes, the spectrum and luminance bar, custom colours kept in their
// strings, Cancel, and the colour box's custom entry running the dialog;
// and once on a real X display in the fonts a user gets.
#include "platform/ui/dialogs/color_dialog.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "form_x11_test_support.h"
#include "platform/gdi/png_codec.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/dialogs/color_dialog_grid.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "tests/support/pixel_colour.h"

#include <X11/keysym.h>

namespace {

using TLines = std::vector<std::string>;

constexpr TColor Navy = static_cast<TColor>(0x00563412);  // red 0x12, green 0x34, blue 0x56

class TColorDialogTest : public TFormTest {
protected:
    void TearDown() override
    {
        PickCustomColorHook = nullptr;
        TFormTest::TearDown();
    }

    // Executes Dialog and, once its form is up, works it with Work.
    static bool Run(TColorDialog& Dialog, const std::function<void(TCustomForm* Form)>& Work)
    {
        TModalAnswers::Push([&](const TModalRequest& Request) {
            Process();
            Work(Request.Form);
            return mrNone;
        });
        return Dialog.Execute();
    }

    template <typename T>
    static T* Find(TCustomForm* Form, const char* Name)
    {
        auto* found = dynamic_cast<T*>(Form->FindComponent(Name));
        EXPECT_NE(found, nullptr) << Name;
        return found;
    }

    static TColorGrid* Grid(TCustomForm* Form, const char* Name) { return Find<TColorGrid>(Form, Name); }

    // What the three boxes of one way of writing the colour say.
    static TLines Boxes(TCustomForm* Form, std::initializer_list<const char*> Names)
    {
        TLines texts;
        for (const char* name : Names)
            texts.push_back(Find<TEdit>(Form, name)->Text());
        return texts;
    }
    static TLines Rgb(TCustomForm* Form) { return Boxes(Form, {"RedEdit", "GreenEdit", "BlueEdit"}); }
    static TLines Hls(TCustomForm* Form) { return Boxes(Form, {"HueEdit", "SatEdit", "LumEdit"}); }

    // Types the three values into the boxes whose label has Accelerator
    // for the first: its text is selected on entry, as Tab selects the
    // next ones.
    static void TypeThree(char Accelerator, const char* First, const char* Second, const char* Third)
    {
        InjectKeyStroke(static_cast<UINT>(Accelerator), InjectAlt);
        InjectText(First);
        InjectKeyStroke(VK_TAB);
        InjectText(Second);
        InjectKeyStroke(VK_TAB);
        InjectText(Third);
        Process();
    }

    static void ClickSwatch(TCustomForm* Form, const char* GridName, int Index)
    {
        TColorGrid* grid = Grid(Form, GridName);
        const TRect cell = grid->CellRect(Index);
        InjectClick(ScreenPoint(grid, cell.Left + cell.Width() / 2, cell.Top + cell.Height() / 2));
        Process();
    }
};

TEST_F(TColorDialogTest, AColourComesBackAsItWentInAndCancelKeepsIt)
{
    TColorDialog dialog(nullptr);
    // Not a basic colour: nothing is selected, and OK gives it back.
    dialog.Color = Navy;
    int basicSelected = 0;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        EXPECT_EQ(Form->Caption(), "颜色");
        basicSelected = Grid(Form, "BasicColors")->Selected();
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(basicSelected, -1);
    EXPECT_EQ(dialog.Color, Navy);

    // A basic colour starts selected in the grid (pure red is the first of
    // the second row).
    dialog.Color = clRed;
    dialog.Title = "\xD5\x66\xE9\x54";
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        EXPECT_EQ(Form->Caption(), "\xD5\x66\xE9\x54");
        basicSelected = Grid(Form, "BasicColors")->Selected();
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(basicSelected, 8);
    EXPECT_EQ(dialog.Color, clRed);

    // Cancel, after choosing another colour and adding it to the custom
    // ones, leaves both as they were.
    const AnsiString custom = dialog.CustomColors()->Text();
    EXPECT_EQ(dialog.CustomColors()->Values("ColorA"), "FFFFFF");
    dialog.Color = Navy;
    dialog.Options = TColorDialogOptions{cdFullOpen};
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        ClickSwatch(Form, "BasicColors", 0);
        InjectKeyStroke('A', InjectAlt);
        InjectKeyStroke(VK_ESCAPE);
    }));
    EXPECT_EQ(dialog.Color, Navy);
    EXPECT_EQ(dialog.CustomColors()->Text(), custom);
}

TEST_F(TColorDialogTest, BasicSwatchesAreChosenByClickAndArrows)
{
    TColorDialog dialog(nullptr);
    dialog.Options = TColorDialogOptions{cdFullOpen};
    TLines rgb, hls;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        EXPECT_EQ(Grid(Form, "BasicColors")->Selected(), 40) << "black is at the start of the last row";
        ClickSwatch(Form, "BasicColors", 8);
        rgb = Rgb(Form);
        hls = Hls(Form);
        // Right goes to yellow, Down from there to the green of the third
        // row.
        InjectKeyStroke(VK_RIGHT);
        InjectKeyStroke(VK_RIGHT);
        InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(rgb, (TLines{"255", "0", "0"}));
    EXPECT_EQ(hls, (TLines{"0", "240", "120"}));
    EXPECT_EQ(dialog.Color, static_cast<TColor>(RGB(0x00, 0xFF, 0x00)));
}

TEST_F(TColorDialogTest, TypedRedGreenBlueGiveTheColourAndItsHueSaturationLuminance)
{
    TColorDialog dialog(nullptr);
    dialog.Options = TColorDialogOptions{cdFullOpen};
    TLines hls, clamped;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        TypeThree('R', "18", "52", "86");
        hls = Hls(Form);
        // Too large counts as 255, and the box says so once left.
        TypeThree('R', "300", "52", "86");
        clamped = Rgb(Form);
        InjectKeyStroke('G', InjectAlt);
        InjectText("x");
        InjectKeyStroke(VK_RETURN);
    }));
    // 210 degrees, 65 % saturation, 20 % lightness on the 240 scale.
    EXPECT_EQ(hls, (TLines{"140", "157", "49"}));
    EXPECT_EQ(clamped, (TLines{"255", "52", "86"}));
    EXPECT_EQ(dialog.Color, static_cast<TColor>(RGB(255, 0, 86))) << "no number counts as 0";
}

TEST_F(TColorDialogTest, TypedHueSaturationLuminanceGiveTheRightRedGreenBlue)
{
    TColorDialog dialog(nullptr);
    dialog.Color = Navy;
    dialog.Options = TColorDialogOptions{cdFullOpen};
    TLines got;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        auto rgbOf = [&](const char* Hue, const char* Sat, const char* Lum) {
            TypeThree('E', Hue, Sat, Lum);
            const TLines rgb = Rgb(Form);
            got.push_back(rgb[0] + "," + rgb[1] + "," + rgb[2]);
        };
        rgbOf("0", "240", "120");    // red
        rgbOf("80", "240", "120");   // green
        rgbOf("160", "240", "120");  // blue
        rgbOf("20", "240", "120");   // orange, 30 degrees
        rgbOf("0", "240", "60");     // dark red
        rgbOf("160", "0", "120");    // middle grey
        rgbOf("160", "0", "240");    // white
        rgbOf("0", "0", "0");        // black
        rgbOf("140", "157", "49");   // the typed navy of the other test
        // The grey's numbers are what the boxes show for 128, 128, 128.
        TypeThree('R', "128", "128", "128");
        const TLines hls = Hls(Form);
        got.push_back(hls[0] + "/" + hls[1] + "/" + hls[2]);
        TypeThree('E', "20", "240", "120");
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(got, (TLines{"255,0,0", "0,255,0", "0,0,255", "255,128,0", "128,0,0", "128,128,128", "255,255,255",
                           "0,0,0", "18,52,86", "160/0/120"}));
    EXPECT_EQ(dialog.Color, static_cast<TColor>(RGB(255, 128, 0)));
}

TEST_F(TColorDialogTest, TheSpectrumAndTheLuminanceBarPickByMouse)
{
    TColorDialog dialog(nullptr);
    dialog.Color = static_cast<TColor>(RGB(128, 128, 128));
    dialog.Options = TColorDialogOptions{cdFullOpen};
    TLines afterSpectrum, afterBar;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        TControl* spectrum = Find<TControl>(Form, "Spectrum");
        TControl* bar = Find<TControl>(Form, "LuminanceBar");
        // The top left is hue 0 at full saturation; the luminance stays.
        InjectClick(ScreenPoint(spectrum, 0, 0));
        Process();
        afterSpectrum = Rgb(Form);
        // Dragging down the bar ends at luminance 0.
        InjectMouseDown(ScreenPoint(bar, 2, 0));
        InjectMouseMove(ScreenPoint(bar, 2, 50));
        InjectMouseMove(ScreenPoint(bar, 2, bar->Height() - 1));
        InjectMouseUp(ScreenPoint(bar, 2, bar->Height() - 1));
        Process();
        afterBar = Hls(Form);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(afterSpectrum, (TLines{"255", "0", "0"}));
    EXPECT_EQ(afterBar, (TLines{"0", "240", "0"}));
    EXPECT_EQ(dialog.Color, clBlack);
}

TEST_F(TColorDialogTest, AddedCustomColoursAreKeptInTheirStrings)
{
    TColorDialog dialog(nullptr);
    dialog.CustomColors()->Add("ColorC=00FF00");
    dialog.CustomColors()->Add("ColorD=oops");
    dialog.Options = TColorDialogOptions{cdFullOpen};
    TColor third = clNone, fourth = clNone;
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        third = Grid(Form, "CustomColors")->Colors(2);
        fourth = Grid(Form, "CustomColors")->Colors(3);
        // The first add fills the first slot; a chosen slot takes the next.
        TypeThree('R', "18", "52", "86");
        InjectClick(ScreenPoint(Find<TButton>(Form, "AddToCustom"), 10, 10));
        ClickSwatch(Form, "CustomColors", 5);
        TypeThree('R', "255", "0", "0");
        InjectKeyStroke('A', InjectAlt);
        InjectClick(ScreenPoint(Find<TButton>(Form, "OK"), 10, 10));
    }));
    EXPECT_EQ(third, static_cast<TColor>(RGB(0, 0xFF, 0)));
    EXPECT_EQ(fourth, clWhite) << "an unreadable slot is white";
    EXPECT_EQ(dialog.CustomColors()->Text(),
              "ColorC=00FF00\r\nColorD=FFFFFF\r\nColorA=563412\r\nColorB=FFFFFF\r\nColorE=FFFFFF\r\n"
              "ColorF=0000FF\r\nColorG=FFFFFF\r\nColorH=FFFFFF\r\nColorI=FFFFFF\r\nColorJ=FFFFFF\r\n"
              "ColorK=FFFFFF\r\nColorL=FFFFFF\r\nColorM=FFFFFF\r\nColorN=FFFFFF\r\nColorO=FFFFFF\r\n"
              "ColorP=FFFFFF\r\n");

    // The next time the navy is selected where it is kept.
    dialog.Color = Navy;
    int selected = -1;
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        selected = Grid(Form, "CustomColors")->Selected();
        InjectKeyStroke(VK_ESCAPE);
    }));
    EXPECT_EQ(selected, 0);
}

TEST_F(TColorDialogTest, TheMixerOpensOnRequestUnlessPrevented)
{
    TColorDialog dialog(nullptr);
    bool shownAtFirst = true, shownAfter = false, defineEnabled = true;
    int widthBefore = 0, widthAfter = 0;
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        TControl* mixer = Find<TControl>(Form, "Mixer");
        shownAtFirst = mixer->Visible();
        widthBefore = Form->ClientWidth();
        // Its boxes take no accelerator while hidden.
        InjectKeyStroke('R', InjectAlt);
        Process();
        EXPECT_FALSE(Find<TEdit>(Form, "RedEdit")->Focused());
        InjectKeyStroke('D', InjectAlt);
        Process();
        shownAfter = mixer->Visible();
        widthAfter = Form->ClientWidth();
        EXPECT_TRUE(Find<TEdit>(Form, "HueEdit")->Focused());
        InjectKeyStroke(VK_ESCAPE);
    }));
    EXPECT_FALSE(shownAtFirst);
    EXPECT_TRUE(shownAfter);
    EXPECT_GT(widthAfter, widthBefore + 200);

    dialog.Options = TColorDialogOptions{cdFullOpen, cdPreventFullOpen};
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        shownAtFirst = Find<TControl>(Form, "Mixer")->Visible();
        defineEnabled = Find<TControl>(Form, "DefineCustom")->Enabled();
        InjectKeyStroke(VK_ESCAPE);
    }));
    EXPECT_FALSE(shownAtFirst);
    EXPECT_FALSE(defineEnabled);
}

TEST_F(TColorDialogTest, TheColourBoxCustomEntryShowsTheColourPickedInTheDialog)
{
    PickCustomColorHook = PickColorWithDialog;
    TForm form(nullptr);
    form.SetBounds(50, 50, 300, 200);
    auto* box = new TColorBox(&form);
    box->Font()->SetName(kTestFontName);
    box->Font()->SetHeight(-kTestFontCellHeight);
    box->SetBounds(10, 10, 150, 0);
    box->SetParent(&form);
    box->SetStyle(TColorBoxStyle{cbStandardColors, cbCustomColor, cbPrettyNames});
    box->SetSelected(clRed);
    form.SetActiveControl(box);
    form.Show();
    Pump();
    ASSERT_TRUE(box->Focused());

    // Home picks the custom entry: the dialog comes up, a swatch is
    // clicked and confirmed.
    TModalAnswers::Push([&](const TModalRequest& Request) {
        Process();
        ClickSwatch(Request.Form, "BasicColors", 25);  // orange, 0xFF8000
        InjectKeyStroke(VK_RETURN);
        return mrNone;
    });
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(TModalAnswers::Count(), 0);
    const auto orange = static_cast<TColor>(RGB(0xFF, 0x80, 0x00));
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->Selected(), orange);
    box->Invalidate();
    box->Update();
    EXPECT_EQ(PixelAt(WindowImage(box->Handle()), 7, 10), orange);

    EXPECT_TRUE(box->Focused()) << "the focus comes back from the dialog";
    // Cancelled, the pick is dropped; the custom colour the dialog was
    // given is the one in the entry.
    box->SetSelected(clRed);
    TColor started = clNone;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        Process();
        started = Grid(Request.Form, "BasicColors")->Colors(Grid(Request.Form, "BasicColors")->Selected());
        InjectKeyStroke(VK_ESCAPE);
        return mrNone;
    });
    InjectKeyStroke(VK_HOME);
    Pump();
    EXPECT_EQ(started, orange);
    EXPECT_EQ(box->Selected(), clRed);
}

class TColorDialogX11Test : public TFormX11Test {
protected:
    // With TANDRIL_COLOR_DIALOG_SCREENSHOT set, what the display shows goes
    // to that file, for a person to look at.
    static void Screenshot()
    {
        const char* file = std::getenv("TANDRIL_COLOR_DIALOG_SCREENSHOT");
        if (!file)
            return;
        const std::vector<uint8_t> png = WritePng(ScreenImage());
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }
};

TEST_F(TColorDialogX11Test, TheDisplayShowsTheDialogAndItsKeysTypeTheNumbers)
{
    TColorDialog dialog(nullptr);
    dialog.Color = Navy;
    dialog.Options = TColorDialogOptions{cdFullOpen};
    TModalAnswers::Push([&](const TModalRequest& Request) {
        TCustomForm* form = Request.Form;
        EXPECT_TRUE(BecomesViewable(form->Handle()));
        EXPECT_TRUE(HasXFocus(form->Handle()));
        EXPECT_TRUE(ShowsBacking(form->Handle()));
        auto* sample = dynamic_cast<TControl*>(form->FindComponent("Sample"));
        const TPoint inside = sample->ClientToScreen(Point(20, 20));
        EXPECT_EQ(PixelAt(ScreenImage(Bounds(inside.X, inside.Y, 1, 1)), 0, 0), Navy);
        Screenshot();
        Key(XK_r, {XK_Alt_L});
        Key(XK_2);
        Key(XK_0);
        Key(XK_0);
        auto* red = dynamic_cast<TEdit*>(form->FindComponent("RedEdit"));
        EXPECT_TRUE(PumpUntil([&] { return red->Text() == "200"; }));
        EXPECT_TRUE(PumpUntil([&] { return PixelAt(ScreenImage(Bounds(inside.X, inside.Y, 1, 1)), 0, 0) ==
                                           static_cast<TColor>(RGB(200, 0x34, 0x56)); }))
            << "the sample shows the typed colour";
        Key(XK_Return);
        PumpUntil([&] { return form->ModalResult() != mrNone; });
        return mrNone;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color, static_cast<TColor>(RGB(200, 0x34, 0x56)));
}

}  // namespace

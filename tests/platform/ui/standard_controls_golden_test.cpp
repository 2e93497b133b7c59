// The standard controls' looks compared pixel for pixel with the pictures
// in golden/ (see tests/support/golden_image.h for accepting changes), in
// the built-in test font. Each pressable control is shown left to right
// normal, hot, pressed, focused and disabled, each look reached the way a
// user reaches it.

#include <functional>
#include <vector>

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/bevel.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/widgets/image.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/panel.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/widgets/radio_button.h"
#include "platform/ui/widgets/speed_button.h"
#include "platform/ui/graphics/system_icons.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

class TStandardControlsGoldenTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 420, 320);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        // A control to take the focus away from the one shown; not a push
        // button, so that a default button keeps its look.
        other_ = new TCheckBox(form_);
        other_->SetBounds(300, 260, 60, 20);
        other_->SetParent(form_);
        form_->Show();
        Process();
    }

    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    // A plain host for the controls shown, its pixels the picture.
    TPanel* Host(int Width, int Height)
    {
        auto* host = new TPanel(form_);
        host->SetBevelOuter(bvNone);
        host->SetBounds(10, 10, Width, Height);
        host->SetParent(form_);
        return host;
    }

    TRasterImage Shot(TWinControl* Host)
    {
        Process();
        return WindowImage(Host->Handle());
    }

    TPoint Away() { return ScreenPoint(form_, 400, 300); }

    // Normal, hot, pressed (held down over it), focused (or Latched for
    // window-less controls) and disabled, left to right.
    TRasterImage States(TControl* Control, TWinControl* Host, const std::function<void()>& Latched = {})
    {
        TPoint over = ScreenPoint(Control, Control->Width() / 2, Control->Height() / 2);
        std::vector<TRasterImage> shots;
        InjectMouseMove(Away());
        other_->SetFocus();
        shots.push_back(Shot(Host));
        InjectMouseMove(over);
        shots.push_back(Shot(Host));
        InjectMouseDown(over);
        shots.push_back(Shot(Host));
        // Let go away from it: no press.
        InjectMouseMove(Away());
        InjectMouseUp(Away());
        if (auto* windowed = dynamic_cast<TWinControl*>(Control))
            windowed->SetFocus();
        else if (Latched)
            Latched();
        shots.push_back(Shot(Host));
        other_->SetFocus();
        Control->SetEnabled(false);
        shots.push_back(Shot(Host));
        Control->SetEnabled(true);
        return ComposeImages(shots, true);
    }

    void ExpectGolden(const TRasterImage& Image, const std::string& Name)
    {
        ::ExpectGolden(Image, TestFolder() + "/golden/" + Name);
    }

    TForm* form_ = nullptr;
    TCheckBox* other_ = nullptr;
};

TEST_F(TStandardControlsGoldenTest, PushButton)
{
    TPanel* host = Host(100, 40);
    auto* button = new TButton(form_);
    button->SetCaption("&Open \xD5\x66\xE9\x54");  // 說門
    button->SetBounds(6, 6, 88, 28);
    button->SetParent(host);
    TRasterImage plain = States(button, host);
    button->SetDefault(true);
    TRasterImage asDefault = States(button, host);
    ExpectGolden(ComposeImages({plain, asDefault}, false), "button.png");
}

TEST_F(TStandardControlsGoldenTest, CheckBoxAndRadioButton)
{
    TPanel* host = Host(120, 24);
    auto* box = new TCheckBox(form_);
    box->SetCaption("&Wrap \xDF\x40");  // 這
    box->SetBounds(4, 2, 112, 20);
    box->SetParent(host);
    box->SetAllowGrayed(true);
    TRasterImage unchecked = States(box, host);
    box->SetState(cbChecked);
    TRasterImage checked = States(box, host);
    box->SetState(cbGrayed);
    TRasterImage grayed = States(box, host);
    delete box;
    auto* radio = new TRadioButton(form_);
    radio->SetCaption("&Line \x81\x5C");  // 乗
    radio->SetBounds(4, 2, 112, 20);
    radio->SetParent(host);
    TRasterImage off = States(radio, host);
    radio->SetChecked(true);
    TRasterImage on = States(radio, host);
    ExpectGolden(ComposeImages({unchecked, checked, grayed, off, on}, false), "check_radio.png");
}

TEST_F(TStandardControlsGoldenTest, SpeedButton)
{
    TPanel* host = Host(70, 30);
    auto* button = new TSpeedButton(form_);
    button->SetBounds(3, 3, 64, 24);
    button->SetCaption("Go");
    button->SetParent(host);
    // A 12 x 12 glyph: a dark diamond on a magenta corner colour, which
    // stays clear.
    TBitmap glyph;
    glyph.SetSize(12, 12);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 12, 12));
    glyph.Canvas()->Brush()->SetColor(clNavy);
    glyph.Canvas()->Pen()->SetColor(clNavy);
    glyph.Canvas()->Polygon({Point(6, 1), Point(11, 6), Point(6, 11), Point(1, 6)});
    button->SetGlyph(&glyph);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    auto latch = [&] { button->SetDown(true); };
    TRasterImage raised = States(button, host, latch);
    button->SetDown(false);
    button->SetFlat(true);
    TRasterImage flat = States(button, host, latch);
    ExpectGolden(ComposeImages({raised, flat}, false), "speed_button.png");
}

TEST_F(TStandardControlsGoldenTest, LabelsPanelsBevelsAndGroupBox)
{
    TPanel* host = Host(400, 240);
    host->SetColor(clBtnFace);
    auto label = [&](const char* Text, TRect Bounds) {
        auto* l = new TLabel(form_);
        l->SetCaption(Text);
        l->SetParent(host);
        l->SetAutoSize(false);
        l->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
        l->SetColor(clWindow);
        return l;
    };
    label("&Left", Bounds(4, 4, 90, 40));
    label("Centre", Bounds(98, 4, 90, 40))->SetAlignment(taCenter);
    TLabel* right = label("Bottom", Bounds(192, 4, 90, 40));
    right->SetAlignment(taRightJustify);
    right->SetLayout(tlBottom);
    TLabel* wrapped = label("\xD5\x66\xE9\x54\xDF\x40 wraps here", Bounds(286, 4, 56, 60));
    wrapped->SetWordWrap(true);
    wrapped->SetLayout(tlCenter);
    TLabel* clear = label("Clear", Bounds(4, 48, 60, 20));
    clear->SetTransparent(true);
    label("Off", Bounds(68, 48, 40, 20))->SetEnabled(false);

    auto panel = [&](TPanelBevel Outer, TPanelBevel Inner, TRect Bounds) {
        auto* p = new TPanel(form_);
        p->SetBevelOuter(Outer);
        p->SetBevelInner(Inner);
        p->SetBorderWidth(2);
        p->SetCaption("Panel");
        p->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
        p->SetParent(host);
        return p;
    };
    panel(bvRaised, bvNone, Bounds(4, 76, 90, 36));
    panel(bvRaised, bvLowered, Bounds(98, 76, 90, 36))->SetAlignment(taLeftJustify);
    panel(bvLowered, bvRaised, Bounds(192, 76, 90, 36))->SetEnabled(false);

    const TBevelShape shapes[] = {bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine};
    for (int style = 0; style < 2; ++style)
        for (int i = 0; i < 6; ++i) {
            auto* bevel = new TBevel(form_);
            bevel->SetShape(shapes[i]);
            bevel->SetStyle(style == 0 ? bsLowered : bsRaised);
            bevel->SetBounds(4 + i * 32, 120 + style * 32, 28, 28);
            bevel->SetParent(host);
        }
    auto* group = new TGroupBox(form_);
    group->SetCaption("&Group \xD6\xD0");  // 中
    group->SetBounds(200, 120, 190, 100);
    group->SetParent(host);
    ExpectGolden(Shot(host), "static_controls.png");
}

TEST_F(TStandardControlsGoldenTest, StandardIconsInImages)
{
    TPanel* host = Host(5 * 40 + 80, 44);
    host->SetColor(clWindow);
    const char* const names[] = {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK};
    for (int i = 0; i < 5; ++i) {
        auto* image = new TImage(form_);
        image->SetBounds(4 + 40 * i, 4, 36, 36);
        image->SetCenter(true);
        image->Picture()->Icon()->SetHandle(LoadIcon(nullptr, names[i]));
        image->SetParent(host);
    }
    // Stretched to half its size.
    auto* small = new TImage(form_);
    small->SetBounds(204, 4, 16, 16);
    small->SetStretch(true);
    small->Picture()->Icon()->SetHandle(LoadIcon(nullptr, IDI_HAND));
    small->SetParent(host);
    ExpectGolden(Shot(host), "standard_icons.png");
}

}  // namespace

// The skinned buttons' looks in one golden picture: speed buttons and push
// buttons normal, hot, pressed, disabled, checked and focused, in the plain
// look without a skin (top rows) and on the test skin (bottom rows).
#include <gtest/gtest.h>

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_control.h"
#include "platform/win/headless_screen.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

// A green ground to show what each button covers.
class TButtonsHost : public TCustomControl {
public:
    explicit TButtonsHost(TWinControl* Parent) : TCustomControl(Parent)
    {
        SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
        SetBoundsRect(TRect{0, 0, 300, 150});
        SetParent(Parent);
    }

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clLime);
        Canvas()->FillRect(ClientRect());
    }
};

enum TLook { Normal, Hot, Pressed, Disabled, Checked, Flat };

template <typename T>
T* Place(TWinControl* Parent, TbsSkinData* Data, int X, int Y, int W, int H, const char* Caption)
{
    auto* button = new T(Parent);
    button->SetParent(Parent);
    button->SetBounds(X, Y, W, H);
    button->SetCaption(Caption);
    button->SetSkinData(Data);
    return button;
}

// Each row latches its pressed buttons in a group of its own.
void Speed(TWinControl* Parent, TbsSkinData* Data, int X, int Y, TLook Look, int Group)
{
    auto* button = Place<TbsSkinSpeedButton>(Parent, Data, X, Y, 40, 24, "\xD5\x66");  // 說
    if (Look == Hot)
        button->Perform(CM_MOUSEENTER, 0, 0);
    if (Look == Pressed) {
        button->SetGroupIndex(Group);
        button->SetDown(true);
    }
    if (Look == Disabled)
        button->SetEnabled(false);
    if (Look == Checked) {
        button->SetCheckedMode(true);
        button->SetDown(true);
    }
    if (Look == Flat)
        button->SetFlat(true);
}

TbsSkinButton* Push(TWinControl* Parent, TbsSkinData* Data, int X, int Y, TLook Look, int Group)
{
    auto* button = Place<TbsSkinButton>(Parent, Data, X, Y, 44, 26, "\xE9\x54");  // 門
    if (Look == Hot)
        button->Perform(CM_MOUSEENTER, 0, 0);
    if (Look == Pressed) {
        button->SetGroupIndex(Group);
        button->SetDown(true);
    }
    if (Look == Disabled)
        button->SetEnabled(false);
    if (Look == Checked) {
        button->SetCheckedMode(true);
        button->SetDown(true);
    }
    return button;
}

class BsSkinButtonsGolden : public SkinControlsTest {};

TEST_F(BsSkinButtonsGolden, EveryStatePlainAndSkinned)
{
    // The caption inside the tool button's face.
    skin_.Set("toolbutton", "clientrect", "3,3,20,19");
    skin_.LoadInto(*data_);
    auto* host = new TButtonsHost(form_.get());
    const TLook looks[] = {Normal, Hot, Pressed, Disabled, Checked, Flat};
    TbsSkinData* skins[] = {nullptr, data_.get()};
    TbsSkinButton* focused[2] = {};
    for (int row = 0; row < 2; ++row) {
        int y = 5 + row * 72;
        for (int i = 0; i < 6; ++i) {
            Speed(host, skins[row], 5 + i * 48, y, looks[i], row + 1);
            if (looks[i] != Flat)
                Push(host, skins[row], 5 + i * 48, y + 30, looks[i], row + 1);
            else
                focused[row] = Push(host, skins[row], 5 + i * 48, y + 30, Normal, row + 1);
        }
    }
    // The last push button of each row shows the focused look.
    focused[0]->SetFocus();
    PixelOf(host, 0, 0);
    TRasterImage plain = WindowImage(host->Handle());
    focused[1]->SetFocus();
    PixelOf(host, 0, 0);
    TRasterImage both = WindowImage(host->Handle());
    // The plain rows with their focused button, then the skinned ones.
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < both.Width; ++x)
            both.Row(y)[x] = plain.Row(y)[x];
    ExpectGolden(both, TestFolder() + "/golden/skinned_buttons.png");
}

}  // namespace

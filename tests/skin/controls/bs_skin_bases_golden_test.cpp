// The skinned bases' looks in one golden picture: every resize mode on the
// test skin, the frame in strips, the mask's cut corner, and the plain look
// without a description, windowed and window-less.
#include <gtest/gtest.h>

#include "platform/ui/kernel/custom_control.h"
#include "platform/win/headless_screen.h"
#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_control.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

// A green ground to show what each control covers.
class THost : public TCustomControl {
public:
    explicit THost(TWinControl* Parent) : TCustomControl(Parent)
    {
        SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
        SetBoundsRect(TRect{0, 0, 250, 150});
        SetParent(Parent);
    }

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clLime);
        Canvas()->FillRect(ClientRect());
    }
};

template <typename T>
T* Place(TWinControl* Parent, TbsSkinData* Data, const char* Name, TRect Bounds)
{
    auto* control = new T(Parent);
    control->SetSkinDataName(Name);
    control->SetParent(Parent);
    control->SetBoundsRect(Bounds);
    control->SetSkinData(Data);
    return control;
}

class BsSkinBasesGolden : public SkinControlsTest {};

TEST_F(BsSkinBasesGolden, EveryResizeModeAndThePlainLook)
{
    auto* host = new THost(form_.get());
    TbsSkinData* data = data_.get();
    Place<TbsSkinCustomControl>(host, data, "button", TRect{5, 5, 75, 35});
    Place<TbsSkinCustomControl>(host, data, "resizebutton", TRect{85, 5, 175, 45})->DrawFrameStrips = true;
    Place<TbsGraphicSkinCustomControl>(host, data, "toolbutton", TRect{185, 5, 240, 40});
    Place<TbsSkinCustomControl>(host, data, "hscrollbar", TRect{5, 55, 135, 90});
    Place<TbsSkinCustomControl>(host, data, "bothhscrollbar", TRect{5, 80, 135, 96});
    Place<TbsSkinCustomControl>(host, data, "vscrollbar", TRect{145, 55, 160, 145});
    Place<TbsGraphicSkinCustomControl>(host, data, "resizebutton", TRect{170, 55, 240, 75});
    Place<TbsSkinCustomControl>(host, data, "hupdown", TRect{170, 85, 240, 140});
    Place<TbsSkinCustomControl>(host, data, "vupdown", TRect{210, 85, 240, 140});
    Place<TbsSkinCustomControl>(host, data, "plain", TRect{5, 105, 65, 135});
    Place<TbsGraphicSkinCustomControl>(host, data, "plain", TRect{75, 105, 135, 125});
    PixelOf(host, 0, 0);
    ExpectGolden(WindowImage(host->Handle()), TestFolder() + "/golden/skinned_bases.png");
}

}  // namespace

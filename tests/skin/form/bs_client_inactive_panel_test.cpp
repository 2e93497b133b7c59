// The panel over an inactive form's client area: the picture it takes of
// the client, veiled by the form's background or blurred, and the finding
// of a form's frame component.
#include "skin/form/bs_client_inactive_panel.h"

#include <gtest/gtest.h>

#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/focus.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_proc.h"
#include "skin/data/bs_bitmap.h"
#include "skin/form/bs_find_skin_form.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

using ClientInActivePanelTest = SkinFormTest;

// A blue block at (10, 10, 40, 30) on the client as painted.
void PaintClient(TCustomForm* Form)
{
    HDC dc = GetDC(Form->Handle());
    HBRUSH blue = CreateSolidBrush(0xFF0000);
    TRect block{10, 10, 40, 30};
    FillRect(dc, &block, blue);
    DeleteObject(blue);
    ReleaseDC(Form->Handle(), dc);
}

// A client pixel of the window as 0xRRGGBB.
uint32_t ClientPixel(TWinControl* Form, int X, int Y)
{
    HDC dc = GetDC(Form->Handle());
    COLORREF c = GetPixel(dc, X, Y);
    ReleaseDC(Form->Handle(), dc);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

uint32_t Rgb(const TbsBitmap& B, int X, int Y) { return *B.PixelPtr(X, Y) & 0xFFFFFF; }

TEST_F(ClientInActivePanelTest, VeilIsTheFormBackgroundAt170OverTheClient)
{
    PaintClient(form_);
    uint32_t back = ClientPixel(form_, 100, 100);
    TbsClientInActivePanel panel(form_);
    EXPECT_FALSE(panel.Visible());
    panel.ShowPanel(form_, bsieSemiTransparent);
    ASSERT_NE(panel.Snapshot(), nullptr);
    EXPECT_TRUE(panel.Visible());
    EXPECT_EQ(panel.Parent(), form_);
    EXPECT_EQ(panel.BoundsRect(), (TRect{0, 0, form_->ClientWidth(), form_->ClientHeight()}));
    const TbsBitmap& shot = *panel.Snapshot();
    // The background veiled by itself stays as it was; over the blue
    // block it takes 170 of each 255.
    EXPECT_EQ(Rgb(shot, 100, 100), back);
    uint32_t veiled = Rgb(shot, 20, 20);
    for (int shift : {16, 8, 0}) {
        int b = static_cast<int>((back >> shift) & 0xFF);
        int blue = shift == 0 ? 255 : 0;
        EXPECT_NEAR(static_cast<int>((veiled >> shift) & 0xFF), (b * 170 + blue * 85) / 255, 1) << shift;
    }
    panel.HidePanel();
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.Snapshot(), nullptr);
}

TEST_F(ClientInActivePanelTest, BlurSoftensTheClientEdges)
{
    PaintClient(form_);
    uint32_t back = ClientPixel(form_, 100, 100);
    TbsClientInActivePanel panel(form_);
    panel.ShowPanel(form_, bsieBlur);
    ASSERT_NE(panel.Snapshot(), nullptr);
    const TbsBitmap& shot = *panel.Snapshot();
    EXPECT_EQ(Rgb(shot, 25, 20), 0x0000FFu);  // inside the block, further than the radius
    EXPECT_EQ(Rgb(shot, 100, 100), back);
    uint32_t edge = Rgb(shot, 10, 20);  // on the block's left edge: a mix
    EXPECT_GT(edge & 0xFF, 0u);
    EXPECT_LT(edge & 0xFF, 0xFFu);
    EXPECT_NE(edge, back);
}

TEST_F(ClientInActivePanelTest, MissingOrHiddenFormGetsNoPanel)
{
    TbsClientInActivePanel panel(form_);
    panel.ShowPanel(nullptr, bsieBlur);
    EXPECT_EQ(panel.Snapshot(), nullptr);
    form_->Hide();
    panel.ShowPanel(form_, bsieBlur);
    EXPECT_EQ(panel.Snapshot(), nullptr);
    EXPECT_FALSE(panel.Visible());
}

TEST_F(ClientInActivePanelTest, FindsTheFormsFrameComponent)
{
    EXPECT_EQ(FindSkinFormComponent(form_), frame_);
    EXPECT_EQ(FindSkinFormComponent(nullptr), nullptr);
    TCustomForm bare(nullptr);
    TComponent other(&bare);
    EXPECT_EQ(FindSkinFormComponent(&bare), nullptr);
}

TEST_F(ClientInActivePanelTest, TheFrameVeilsTheClientWhileAnotherFormIsActive)
{
    frame_->ClientInActiveEffect = true;
    PaintClient(form_);
    uint32_t back = ClientPixel(form_, 100, 100);
    TCustomForm other(nullptr);
    other.SetBounds(600, 400, 120, 90);
    other.Show();
    SetActiveWindow(other.Handle());
    PumpMessages();
    TbsClientInActivePanel* panel = frame_->InActivePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Parent(), form_);
    EXPECT_EQ(panel->BoundsRect(), (TRect{0, 0, form_->ClientWidth(), form_->ClientHeight()}));
    // The window shows the veiled picture: the block is dimmed by the
    // background, which stays as it was.
    uint32_t veiled = ClientPixel(panel, 20, 20);
    EXPECT_NE(veiled, 0x0000FFu);
    EXPECT_NE(veiled, back);
    EXPECT_EQ(ClientPixel(panel, 100, 100), back);

    // Active again: the panel is gone.
    SetActiveWindow(form_->Handle());
    PumpMessages();
    EXPECT_EQ(frame_->InActivePanel(), nullptr);
    EXPECT_EQ(form_->ControlCount(), 0);

    // The blur: inside the block, further than the radius, the picture is
    // the block's own colour.
    frame_->ClientInActiveEffectType = bsieBlur;
    PaintClient(form_);
    SetActiveWindow(other.Handle());
    PumpMessages();
    panel = frame_->InActivePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(ClientPixel(panel, 25, 20), 0x0000FFu);
    uint32_t edge = ClientPixel(panel, 10, 20);
    EXPECT_NE(edge, 0x0000FFu);
    EXPECT_NE(edge, back);
    SetActiveWindow(form_->Handle());
    PumpMessages();

    // Switched off while the veil shows, the next activation still takes
    // it away; and deactivation then leaves the client as it is.
    SetActiveWindow(other.Handle());
    PumpMessages();
    ASSERT_NE(frame_->InActivePanel(), nullptr);
    frame_->ClientInActiveEffect = false;
    SetActiveWindow(form_->Handle());
    PumpMessages();
    EXPECT_EQ(frame_->InActivePanel(), nullptr);
    SetActiveWindow(other.Handle());
    PumpMessages();
    EXPECT_EQ(frame_->InActivePanel(), nullptr);
}

TEST_F(ClientInActivePanelTest, TheFormFreedWhileInactiveTakesItsPanelAlong)
{
    frame_->ClientInActiveEffect = true;
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    ASSERT_NE(frame_->InActivePanel(), nullptr);
    delete form_;
    form_ = nullptr;
}

}  // namespace

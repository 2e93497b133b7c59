// The skinned edit: its size with and without a skin, its hit codes and
// buttons, the hover look and the 100 ms poll that ends it, the frame
// queries, and what it shows (the test skin's pieces, or the plain frame)
// normal, hovered, focused, disabled, with image buttons and an edit button.
#include <memory>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "skin/data/bs_skin_data_messages.h"
#include "tests/skin/controls/skin_edit_test_support.h"
#include "tests/skin/controls/test_skin_edits.h"
#include "platform/win/headless_screen.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_edit_test {

using namespace test_skin_edits;

constexpr TColor kLeftImage = 0x3070B0;
constexpr TColor kLeftHotImage = 0x30B070;
constexpr TColor kRightImage = 0xB07030;
constexpr TColor kButtonImage = 0x7030B0;

class TbsSkinEditTest : public SkinEditTest {
protected:
    // A list of 10 x 12 images, each one colour: left, left hot, right,
    // the edit button's.
    void MakeImages()
    {
        images_ = std::make_unique<TImageList>(nullptr);
        images_->SetWidth(10);
        images_->SetHeight(12);
        for (TColor colour : {kLeftImage, kLeftHotImage, kRightImage, kButtonImage}) {
            TBitmap image;
            image.SetSize(10, 12);
            image.Canvas()->Brush()->SetColor(colour);
            image.Canvas()->FillRect(TRect{0, 0, 10, 12});
            images_->Add(&image, nullptr);
        }
    }
    void UseImages()
    {
        MakeImages();
        edit_->SetImages(images_.get());
        edit_->SetLeftImageIndex(0);
        edit_->LeftImageHotIndex = 1;
        edit_->SetRightImageIndex(2);
    }
    // What the form shows at a point of the edit's window (frame included)
    // or of its client area.
    TColor WindowPixel(int X, int Y)
    {
        PumpMessages();
        menuForm_->Update();
        TRect form;
        TRect box;
        GetWindowRect(menuForm_->Handle(), &form);
        GetWindowRect(edit_->Handle(), &box);
        return PixelAt(WindowImage(menuForm_->Handle()), box.Left + X - form.Left, box.Top + Y - form.Top);
    }
    std::string WindowPiece(int X, int Y) { return skin_.PieceOf(WindowPixel(X, Y)); }
    TColor ClientPixel(int X, int Y)
    {
        TPoint origin = edit_->ClientOrigin();
        TRect box;
        GetWindowRect(edit_->Handle(), &box);
        return WindowPixel(X + origin.X - box.Left, Y + origin.Y - box.Top);
    }
    std::string ClientPiece(int X, int Y) { return skin_.PieceOf(ClientPixel(X, Y)); }
    void FocusElsewhere()
    {
        other_ = new TbsSkinEdit(menuForm_.get());
        other_->SetParent(menuForm_.get());
        other_->SetBounds(10, 120, 60, 20);
        other_->SetFocus();
        PumpMessages();
    }

    std::unique_ptr<TImageList> images_;
    TbsSkinEdit* other_ = nullptr;
};

TEST_F(TbsSkinEditTest, WithoutASkinTheBoxIsItsTextHeightPlusSixAndTakesTheImagesHeight)
{
    ShowEdit(120, false);
    EXPECT_EQ(edit_->SkinIndex(), -1);
    EXPECT_EQ(edit_->Height(), kTestFontCellHeight + 6);
    EXPECT_EQ(edit_->ClientHeight(), kTestFontCellHeight + 2);
    edit_->SetHeight(50);
    EXPECT_EQ(edit_->Height(), kTestFontCellHeight + 6);
    // Aligned to a side, it keeps the height it is given.
    edit_->SetAlign(alLeft);
    EXPECT_EQ(edit_->Height(), menuForm_->ClientHeight());
    edit_->SetAlign(alNone);
    MakeImages();
    images_->SetHeight(30);
    edit_->SetImages(images_.get());
    EXPECT_EQ(edit_->Height(), 30);
}

TEST_F(TbsSkinEditTest, WithTheSkinTheBoxTakesTheSkinsHeightFontAndFrame)
{
    ShowEdit(120);
    ASSERT_NE(edit_->SkinIndex(), -1);
    EXPECT_EQ(edit_->Height(), kEditHeight);
    edit_->SetBounds(10, 40, 100, 60);
    EXPECT_EQ(edit_->Height(), kEditHeight);
    EXPECT_EQ(edit_->Width(), 100);
    EXPECT_EQ(edit_->ClientWidth(), 100 - 2 * kEditSide);
    EXPECT_EQ(edit_->ClientHeight(), kEditHeight - 2 * kEditSide);
    EXPECT_EQ(edit_->Font()->Name(), kTestFontName);
    // Without the skin's font, the height follows the font and the frame.
    edit_->UseSkinFont = false;
    edit_->SetBounds(10, 40, 100, 60);
    EXPECT_EQ(edit_->Height(), kTestFontCellHeight + 2 * kEditSide);
}

TEST_F(TbsSkinEditTest, HitCodesAndClicksOfTheImageButtonsAndTheEditButton)
{
    ShowEdit(120);
    edit_->SetSkinDataName("buttonedit");
    edit_->SetButtonMode(true);
    edit_->ChangeSkinData();
    UseImages();
    std::string clicks;
    edit_->OnButtonClick = TNotifyEvent::FromCallable([&clicks](TObject*) { clicks += "button "; });
    edit_->OnLeftButtonClick = TNotifyEvent::FromCallable([&clicks](TObject*) { clicks += "left "; });
    edit_->OnRightButtonClick = TNotifyEvent::FromCallable([&clicks](TObject*) { clicks += "right "; });
    const int cw = edit_->ClientWidth();
    EXPECT_EQ(HitAt(2, 5), 104);
    EXPECT_EQ(HitAt(cw - 3, 5), 105);
    EXPECT_EQ(HitAt(30, 5), HTCLIENT);
    // The button lies right of the client area, in the frame.
    const int buttonX = edit_->Width() - (kButtonEditWidth - kButtonLeft) + 4 - kEditSide;
    EXPECT_EQ(HitAt(buttonX, 5), 6);
    EXPECT_EQ(HitAt(cw + 1, 5), 7);
    EXPECT_EQ(HitAt(30, -2), 7);

    // The edit button clicks on any release over it; an image button only
    // after a press on it.
    SendMessage(edit_->Handle(), WM_NCLBUTTONUP, 6, 0);
    SendMessage(edit_->Handle(), WM_NCLBUTTONUP, 104, 0);
    SendMessage(edit_->Handle(), WM_NCLBUTTONUP, 105, 0);
    EXPECT_EQ(clicks, "button ");
    clicks.clear();
    for (TPoint p : {TPoint{2, 5}, TPoint{cw - 3, 5}, TPoint{buttonX, 5}}) {
        InjectClick(edit_->ClientToScreen(p));
        PumpMessages();
    }
    EXPECT_EQ(clicks, "left right button ");
    // A click on the frame reaches nothing: no button, no caret.
    clicks.clear();
    edit_->SetText("abc");
    InjectClick(edit_->ClientToScreen(TPoint{30, -2}));
    PumpMessages();
    EXPECT_EQ(Selection(), (std::pair{0, 0}));
    EXPECT_EQ(clicks, "");
}

TEST_F(TbsSkinEditTest, TheHoverLookLastsUntilThePollFindsTheMouseOverAnotherWindow)
{
    ShowEdit(120);
    FocusElsewhere();
    EXPECT_EQ(WindowPiece(1, 1), "edit.normal.lt");
    EXPECT_EQ(edit_->Font()->Color(), kEditFontColour);
    std::string log;
    edit_->OnMouseEnter = TNotifyEvent::FromCallable([&log](TObject*) { log += "enter "; });
    edit_->OnMouseLeave = TNotifyEvent::FromCallable([&log](TObject*) { log += "leave "; });
    MouseAt(20, 5);
    EXPECT_TRUE(edit_->MouseIn());
    EXPECT_EQ(WindowPiece(1, 1), "edit.active.lt");
    EXPECT_EQ(edit_->Font()->Color(), kEditActiveFontColour);
    MouseAway();
    Wait(90);
    EXPECT_TRUE(edit_->MouseIn());
    Wait(20);
    EXPECT_FALSE(edit_->MouseIn());
    EXPECT_EQ(WindowPiece(1, 1), "edit.normal.lt");
    EXPECT_EQ(edit_->Font()->Color(), kEditFontColour);
    EXPECT_EQ(log, "enter leave ");
}

TEST_F(TbsSkinEditTest, FramePaintQueries)
{
    ShowEdit(120);
    const int w = edit_->Width();
    const int h = edit_->Height();
    TBitmap image;
    image.SetSize(w, h);
    TCanvas& canvas = *image.Canvas();
    HDC dc = canvas.Handle();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(TRect{0, 0, w, h});
    EXPECT_EQ(SendMessage(edit_->Handle(), WM_SKINPAINTFRAME, reinterpret_cast<WPARAM>(dc), 0), 12851);
    EXPECT_EQ(skin_.PieceOf(canvas.Pixels(0, 0)), "edit.active.lt");
    EXPECT_EQ(skin_.PieceOf(canvas.Pixels(w / 2, h / 2)), "edit.active.client");
    EXPECT_EQ(SendMessage(edit_->Handle(), WM_SKINPAINTFRAME, 0, 0), 0);

    canvas.FillRect(TRect{0, 0, w, h});
    EXPECT_EQ(SendMessage(edit_->Handle(), WM_SKINPAINTFRAMEEX, reinterpret_cast<WPARAM>(dc), 16801), 0);
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    EXPECT_EQ(SendMessage(edit_->Handle(), WM_SKINPAINTFRAMEEX, reinterpret_cast<WPARAM>(dc), 16802), 16802);
    // The frame only: the text rectangle is left alone.
    EXPECT_EQ(skin_.PieceOf(canvas.Pixels(0, 0)), "edit.active.lt");
    EXPECT_EQ(canvas.Pixels(w / 2, h / 2), clWhite);
}

TEST_F(TbsSkinEditTest, SkinnedLooksNormalFocusedDisabledAndWithImageButtons)
{
    ShowEdit(120);
    const int w = edit_->Width();
    EXPECT_EQ(WindowPiece(1, 1), "edit.active.lt");  // focused
    EXPECT_EQ(WindowPiece(w / 2, 1), "edit.active.t");
    EXPECT_EQ(WindowPiece(w - 1, kEditHeight - 1), "edit.active.rb");
    EXPECT_EQ(ClientPiece(edit_->ClientWidth() - 2, 1), "edit.active.client");
    FocusElsewhere();
    EXPECT_EQ(WindowPiece(1, 1), "edit.normal.lt");
    EXPECT_EQ(ClientPiece(edit_->ClientWidth() - 2, 1), "edit.normal.client");

    edit_->SetText("MMMM");
    edit_->SetEnabled(false);
    PumpMessages();
    EXPECT_EQ(ClientPiece(edit_->ClientWidth() - 2, 1), "edit.normal.client");
    bool disabledText = false;
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < edit_->ClientHeight(); ++y)
            disabledText = disabledText || ClientPixel(x, y) == kEditDisabledFontColour;
    EXPECT_TRUE(disabledText);
    edit_->SetEnabled(true);

    UseImages();
    PumpMessages();
    EXPECT_EQ(ClientPixel(2, 5), kLeftImage);
    EXPECT_EQ(ClientPixel(edit_->ClientWidth() - 3, 5), kRightImage);
    MouseAt(2, 5);
    EXPECT_EQ(ClientPixel(2, 5), kLeftHotImage);
}

TEST_F(TbsSkinEditTest, TheSkinnedEditButtonNormalHotPressedAndDisabled)
{
    ShowEdit(120);
    edit_->SetSkinDataName("buttonedit");
    edit_->SetButtonMode(true);
    edit_->ChangeSkinData();
    FocusElsewhere();
    const int buttonX = edit_->Width() - (kButtonEditWidth - kButtonLeft) + 4;
    EXPECT_EQ(WindowPiece(buttonX, 8), "buttonedit.normal.m.btn");
    EXPECT_EQ(WindowPiece(3 + 10, 8), "buttonedit.normal.m.c");
    InjectMouseMove(edit_->ClientToScreen(TPoint{buttonX - kEditSide, 5}));
    PumpMessages();
    EXPECT_EQ(WindowPiece(buttonX, 8), "buttonedit.hotbutton.face");
    InjectMouseDown(edit_->ClientToScreen(TPoint{buttonX - kEditSide, 5}));
    PumpMessages();
    EXPECT_EQ(WindowPiece(buttonX, 8), "buttonedit.downbutton.face");
    InjectMouseUp(edit_->ClientToScreen(TPoint{buttonX - kEditSide, 5}));
    MouseAway();
    Wait(110);
    // The click gave the box the focus.
    EXPECT_TRUE(edit_->Focused());
    EXPECT_EQ(WindowPiece(buttonX, 8), "buttonedit.active.m.btn");
    edit_->SetEnabled(false);
    PumpMessages();
    EXPECT_EQ(WindowPiece(buttonX, 8), "buttonedit.offbutton.face");
}

TEST_F(TbsSkinEditTest, WithoutTheSkinsFontTheFrameStretchesAndTheButtonTakesItsOwnDescription)
{
    ShowEdit(120);
    edit_->UseSkinFont = false;
    edit_->SetSkinDataName("buttonedit");
    edit_->SetButtonMode(true);
    edit_->ChangeSkinData();
    FocusElsewhere();
    const int h = edit_->Height();
    const TRect button = edit_->ButtonRect();
    EXPECT_EQ(button.Bottom, h - kEditSide);
    const TPoint middle{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
    EXPECT_EQ(WindowPiece(middle.X, middle.Y), "editbutton.normal.client");
    EXPECT_EQ(WindowPiece(1, h - 1), "buttonedit.normal.b.l");
    // Without "editbutton" the combo box's button stands in.
    for (const auto& [section, key] : skin_.Keys())
        if (section == "SKINCONTROLS" && skin_.Get(section, key) == "editbutton:button")
            skin_.Set(section, key, "unused:button");
    Reload();
    edit_->ChangeSkinData();
    PumpMessages();
    EXPECT_EQ(WindowPiece(middle.X, middle.Y), "combobutton.normal.client");
}

TEST_F(TbsSkinEditTest, PlainLooksNormalHotPressedAndWithTheButtonImage)
{
    ShowEdit(120, false);
    edit_->SetDefaultColor(0x40C0F0);
    FocusElsewhere();
    EXPECT_EQ(WindowPixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(WindowPixel(1, 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(ClientPixel(edit_->ClientWidth() - 2, 2), TColor{0x40C0F0});

    edit_->SetButtonMode(true);
    MakeImages();
    edit_->SetImages(images_.get());
    edit_->SetButtonImageIndex(3);
    PumpMessages();
    const int w = edit_->Width();
    const int h = edit_->Height();
    EXPECT_EQ(edit_->ButtonRect(), (TRect{w - h, 0, w, h}));
    EXPECT_EQ(edit_->ClientWidth(), w - h - 4);
    EXPECT_EQ(WindowPixel(w - h, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(WindowPixel(w - h + 1, 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(WindowPixel(w - h / 2, h / 2), kButtonImage);
    const TPoint buttonPoint = edit_->ClientToScreen(TPoint{w - h + 1, 2});
    InjectMouseMove(buttonPoint);
    PumpMessages();
    EXPECT_EQ(WindowPixel(w - h, 0), ColorToRGB(clNavy));
    EXPECT_EQ(WindowPixel(w - h + 1, 1), TColor{0xD2BDB6});
    InjectMouseDown(buttonPoint);
    PumpMessages();
    EXPECT_EQ(WindowPixel(w - h + 1, 1), TColor{0xB59385});
    InjectMouseUp(buttonPoint);
    PumpMessages();
}

}  // namespace bs_skin_edit_test

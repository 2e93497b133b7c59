// The caption a "fullborder" layered border carries on its top window: the
// frame's buttons laid out from "buttonsrect", drawn hot and pressed on the
// strip, clicked, let go when the cursor leaves or the form deactivates,
// their hints, glows and menus placed by the top window, and the whole
// form's look, on the headless screen.
#include <gtest/gtest.h>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/system_metrics.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_form_layer_window.h"
#include "skin/form/bs_quick_buttons.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_std_button_object.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/skin/form/test_frame_skin.h"
#include "tests/skin/form/test_layer_skin.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_data.h"

namespace {

unsigned LayerManagerStep() { return TbsLayerManager::TimerInterval; }

// A 300 x 200 form at (100, 80) whose layer frame is a full border: its top
// window (84, 64) is 332 x 16, 268 wider than the 64-pixel picture, so
// "buttonsrect" (20, 1, 60, 16) ends at 328 and the 17 x 15 buttons sit
// 2 apart ("buttonsoffset") from there leftwards.
class FullBorderForm : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        TTestLayerSkin::AddTo(skin_);
        skin_.Set("LAYERFRAME", "fullborder", "1");
        skin_.Set("LAYERFRAME", "captionrect", TTestSkin::RectText({4, 0, 60, 16}));
        skin_.Set("LAYERFRAME", "buttonsrect", TTestSkin::RectText({20, 1, 60, 16}));
        frameSkin_.LoadInto(*data_);
    }
    void TearDown() override
    {
        delete form_;
        Application->ProcessMessages();
        FrameTest::TearDown();
    }
    void ShowForm()
    {
        form_ = new TCustomForm(nullptr);
        form_->SetBounds(100, 80, 300, 200);
        frame_ = new TbsSkinForm(form_);
        frame_->SetSkinData(data_.get());
        form_->Show();
        SetActiveWindow(form_->Handle());
        PumpMessages();
        AdvanceClock(USER_TIMER_MINIMUM);
        PumpMessages();
        ASSERT_TRUE(Border()->CarriesCaption());
    }
    TbsFormLayerBorder* Border() { return frame_->LayerBorder(); }
    int IndexOf(const std::string& IDName)
    {
        for (int i = 0; i < frame_->ObjectCount(); ++i)
            if (frame_->Objects(i)->IDName == IDName)
                return i;
        ADD_FAILURE() << "No frame object " << IDName;
        return -1;
    }
    TbsSkinStdButtonObject* Button(const std::string& IDName)
    {
        return dynamic_cast<TbsSkinStdButtonObject*>(frame_->Objects(IndexOf(IDName)));
    }
    // The middle of an object's place on the top strip, on the screen.
    TPoint ScreenCentre(const std::string& IDName)
    {
        TRect r = Border()->ObjectPlace(IndexOf(IDName));
        return {84 + (r.Left + r.Right) / 2, 64 + (r.Top + r.Bottom) / 2};
    }
    // The top strip's pixel at the middle of an object's place.
    uint32_t StripPixel(const std::string& IDName)
    {
        TRect r = Border()->ObjectPlace(IndexOf(IDName));
        return *Border()->Image(TbsLayerSide::Top)->PixelPtr((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    // The controls picture's pixel at the middle of Source.
    uint32_t PicturePixel(const TRect& Source)
    {
        TbsBitmap picture;
        picture.Assign(data_->ActivePictures[0].get());
        return *picture.PixelPtr((Source.Left + Source.Right) / 2, (Source.Top + Source.Bottom) / 2);
    }
    // A 25 x 23 glow picture of one colour under a mask of one grey, shown
    // 4 pixels left of and above the button, faded in to alpha 200.
    void AddGlow(const std::string& IDName)
    {
        TRect cell = skin_.AddCell(IDName + "glow", 25, 23, {}, {}, {"glow"});
        TRect mask = skin_.AddCell(IDName + "glowmask", 25, 23, {}, {}, {"grey"});
        skin_.Set(IDName, "glowlayerpictureindex", std::to_string(skin_.AddCellPicture(IDName + "_glow.bmp", cell)));
        skin_.Set(IDName, "glowlayermaskpictureindex",
                  std::to_string(skin_.AddCellPicture(IDName + "_glowmask.bmp", mask)));
        skin_.Set(IDName, "glowlayeroffsetx", "4");
        skin_.Set(IDName, "glowlayeroffsety", "4");
        skin_.Set(IDName, "glowlayeralphablendvalue", "200");
        frameSkin_.LoadInto(*data_);
    }
    void AddSystemMenuButton()
    {
        skin_.Set("SKINOBJECTS", "4", "sysmenubutton:stdbutton");
        skin_.Set("SKINOBJECTS", "count", "5");
        AddFrameButton(skin_, "sysmenubutton", "cmsysmenu");
        frameSkin_.LoadInto(*data_);
    }
    // An image list of one blank 16 x 16 image for quick buttons; the test
    // frees it.
    static TCustomImageList* QuickImages()
    {
        auto* images = new TCustomImageList(nullptr);  // 16 x 16
        TBitmap picture;
        picture.SetSize(16, 16);
        images->Add(&picture, nullptr);
        return images;
    }
    void MoveTo(TPoint P)
    {
        InjectMouseMove(P);
        PumpMessages();
    }
    void Tick(unsigned Milliseconds)
    {
        AdvanceClock(Milliseconds);
        PumpMessages();
    }
    void Click(TPoint P)
    {
        InjectMouseMove(P);
        PumpMessages();
        InjectClick(P);
        PumpMessages();
    }

    TCustomForm* form_ = nullptr;
    TbsSkinForm* frame_ = nullptr;
};

TEST_F(FullBorderForm, ButtonsAreLaidOutFromTheButtonsRectangle)
{
    ShowForm();
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("closebutton")), Rect(311, 1, 328, 16));
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("maxbutton")), Rect(292, 1, 309, 16));
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("minbutton")), Rect(273, 1, 290, 16));
    // The caption ends a gap before the gap after the last button.
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("caption")), Rect(4, 0, 269, 16));
    // The form's own frame keeps its places.
    EXPECT_NE(frame_->Objects(IndexOf("closebutton"))->ObjectRect, Rect(311, 1, 328, 16));

    // Without "buttonsrect" they end at the caption's right, at
    // "buttonstopoffset"; a wider form moves them along.
    skin_.Set("LAYERFRAME", "buttonsrect", "0,0,0,0");
    skin_.Set("LAYERFRAME", "buttonstopoffset", "2");
    frameSkin_.LoadInto(*data_);
    PumpMessages();
    form_->SetBounds(100, 80, 320, 200);
    PumpMessages();
    ASSERT_TRUE(Border()->CarriesCaption());
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("closebutton")), Rect(331, 2, 348, 17));
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("minbutton")), Rect(293, 2, 310, 17));
}

TEST_F(FullBorderForm, ButtonsAreDrawnNormalHotAndPressedOnTheStrip)
{
    ShowForm();
    TbsSkinStdButtonObject* close = Button("closebutton");
    EXPECT_EQ(StripPixel("closebutton"), PicturePixel(close->SkinRect));
    EXPECT_NE(PicturePixel(close->SkinRect), PicturePixel(close->ActiveSkinRect));

    InjectMouseMove(ScreenCentre("closebutton"));
    PumpMessages();
    EXPECT_EQ(Border()->PointedObject(), IndexOf("closebutton"));
    EXPECT_EQ(StripPixel("closebutton"), PicturePixel(close->ActiveSkinRect));
    // The neighbour stays as it was.
    EXPECT_EQ(StripPixel("maxbutton"), PicturePixel(Button("maxbutton")->SkinRect));

    InjectMouseDown(ScreenCentre("closebutton"));
    PumpMessages();
    EXPECT_EQ(StripPixel("closebutton"), PicturePixel(close->DownRect));
    // Dragged off the pressed button it shows no press; the release there
    // lets it go without closing.
    InjectMouseMove(ScreenCentre("minbutton"));
    PumpMessages();
    EXPECT_EQ(Border()->PointedObject(), -1);
    EXPECT_EQ(StripPixel("closebutton"), PicturePixel(close->SkinRect));
    InjectMouseUp(ScreenCentre("minbutton"));
    PumpMessages();
    EXPECT_FALSE(close->Down);
    EXPECT_TRUE(IsWindowVisible(form_->Handle()));

    // Inactive, every button shows its inactive look.
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    PumpMessages();
    EXPECT_EQ(StripPixel("maxbutton"), PicturePixel(Button("maxbutton")->InActiveSkinRect));
}

TEST_F(FullBorderForm, ClicksRunTheButtonsCommands)
{
    ShowForm();
    // The zones: a button is 10, the caption beside it 9.
    EXPECT_EQ(Border()->HitZone(TbsLayerSide::Top, ScreenCentre("maxbutton")), lzCaptionObject);
    EXPECT_EQ(Border()->HitZone(TbsLayerSide::Top, {84 + 100, 64 + 8}), lzCaption);

    Click(ScreenCentre("maxbutton"));
    EXPECT_EQ(frame_->WindowState(), wsMaximized);
    // The maximized form keeps its border and its buttons.
    ASSERT_TRUE(Border()->CarriesCaption());
    TRect top;
    GetWindowRect(Border()->Window(TbsLayerSide::Top)->Handle(), &top);
    TRect max = Border()->ObjectPlace(IndexOf("maxbutton"));
    Click({top.Left + (max.Left + max.Right) / 2, top.Top + (max.Top + max.Bottom) / 2});
    EXPECT_EQ(frame_->WindowState(), wsNormal);

    Click(ScreenCentre("minbutton"));
    EXPECT_EQ(frame_->WindowState(), wsMinimized);
    frame_->SetWindowState(wsNormal);
    PumpMessages();
    ASSERT_TRUE(Border()->CarriesCaption());

    Click(ScreenCentre("closebutton"));
    EXPECT_FALSE(IsWindowVisible(form_->Handle()));
    EXPECT_FALSE(Border()->Showing());
}

TEST_F(FullBorderForm, TheLeaveTimerLetsGoOnceTheCursorIsAway)
{
    ShowForm();
    InjectMouseMove(ScreenCentre("closebutton"));
    PumpMessages();
    ASSERT_EQ(Border()->PointedObject(), IndexOf("closebutton"));
    ASSERT_TRUE(Border()->LeaveTimer()->Enabled());
    // Still over the window at the first tick: nothing changes.
    AdvanceClock(500);
    PumpMessages();
    EXPECT_TRUE(Button("closebutton")->MouseIn);

    // The form, and the top window with it, moves away from under the
    // resting cursor: no mouse message tells the window so.
    form_->SetBounds(100, 300, 300, 200);
    PumpMessages();
    EXPECT_TRUE(Button("closebutton")->MouseIn);
    AdvanceClock(499);
    PumpMessages();
    EXPECT_TRUE(Button("closebutton")->MouseIn);
    AdvanceClock(1);
    PumpMessages();
    EXPECT_FALSE(Button("closebutton")->MouseIn);
    EXPECT_EQ(Border()->PointedObject(), -1);
    EXPECT_FALSE(Border()->LeaveTimer()->Enabled());
    EXPECT_EQ(StripPixel("closebutton"), PicturePixel(Button("closebutton")->SkinRect));

    // A cursor that moves off the window lets go at once.
    TPoint close{84 + 319, 284 + 8};
    InjectMouseMove(close);
    PumpMessages();
    ASSERT_TRUE(Button("closebutton")->MouseIn);
    InjectMouseMove({250, 400});
    PumpMessages();
    EXPECT_FALSE(Button("closebutton")->MouseIn);
    EXPECT_FALSE(Border()->LeaveTimer()->Enabled());
}

TEST_F(FullBorderForm, DeactivatingLetsAPressedButtonGo)
{
    ShowForm();
    InjectMouseMove(ScreenCentre("maxbutton"));
    InjectMouseDown(ScreenCentre("maxbutton"));
    PumpMessages();
    ASSERT_TRUE(Button("maxbutton")->Down);
    ASSERT_EQ(Border()->PressedObject(), IndexOf("maxbutton"));
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(Button("maxbutton")->Down);
    EXPECT_EQ(Border()->PressedObject(), -1);
    EXPECT_EQ(Border()->PointedObject(), -1);
    // The late release maximizes nothing.
    InjectMouseUp(ScreenCentre("maxbutton"));
    PumpMessages();
    EXPECT_EQ(frame_->WindowState(), wsNormal);
}

TEST_F(FullBorderForm, ADoubleClickOnTheSystemMenuButtonClosesTheForm)
{
    AddSystemMenuButton();
    ShowForm();
    // At the caption's left, centred in it; the caption starts after it.
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("sysmenubutton")), Rect(4, 0, 21, 15));
    EXPECT_EQ(Border()->ObjectPlace(IndexOf("caption")).Left, 23);

    // With the form's icon shown it takes the icon's size, opaque where the
    // icon draws.
    frame_->SetShowIcon(true);
    Border()->Rebuild();
    TRect icon = Border()->ObjectPlace(IndexOf("sysmenubutton"));
    EXPECT_EQ(icon, Bounds(4, 0, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));
    int opaque = 0;
    for (int y = icon.Top; y < icon.Bottom; ++y)
        for (int x = icon.Left; x < icon.Right; ++x)
            opaque += *Border()->Image(TbsLayerSide::Top)->PixelPtr(x, y) >> 24 == 255;
    EXPECT_GT(opaque, 0);
    frame_->SetShowIcon(false);
    Border()->Rebuild();

    TPoint p = ScreenCentre("sysmenubutton");
    InjectMouseMove(p);
    PumpMessages();
    EXPECT_EQ(Border()->HitZone(TbsLayerSide::Top, p), lzCaptionObject);
    InjectClick(p);
    PumpMessages();
    InjectClick(p);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(form_->Handle()));
}

TEST_F(FullBorderForm, TheCaptionsQuickButtonLightsUpAndClicks)
{
    TCustomImageList* images = QuickImages();
    int clicks = 0;
    ShowForm();
    frame_->SetQuickImageList(images);
    auto* item = static_cast<TbsQuickButtonItem*>(frame_->QuickButtons()->Add());
    item->SetImageIndex(0);
    item->OnClick = TNotifyEvent::FromCallable([&](TObject*) { ++clicks; });
    TRect caption = Border()->ObjectPlace(IndexOf("caption"));
    TPoint p{84 + caption.Left + 12, 64 + 8};

    InjectMouseMove(p);
    PumpMessages();
    EXPECT_EQ(Border()->PointedObject(), IndexOf("caption"));
    EXPECT_TRUE(item->Hot);
    // The strip draws the button 5 pixels in from the caption's left, and
    // it is pointed where it is drawn.
    InjectMouseMove({84 + caption.Left + 2, p.Y});
    PumpMessages();
    EXPECT_FALSE(item->Hot);
    InjectMouseMove({84 + caption.Left + 5 + 16 + 1, p.Y});
    PumpMessages();
    EXPECT_TRUE(item->Hot);
    InjectMouseMove(p);
    PumpMessages();
    // A press on it moves nothing and the release clicks it.
    TRect before = form_->BoundsRect();
    InjectMouseDown(p);
    InjectMouseMove({p.X + 1, p.Y});
    PumpMessages();
    EXPECT_EQ(form_->BoundsRect(), before);
    InjectMouseUp({p.X + 1, p.Y});
    PumpMessages();
    EXPECT_EQ(clicks, 1);
    frame_->SetQuickImageList(nullptr);
    delete images;
}

TEST_F(FullBorderForm, TheStripsButtonsShowTheirHintsAfterTheDelay)
{
    ShowForm();
    auto* hint = new TbsSkinHint(form_);
    frame_->SetSkinHint(hint);
    frame_->ShowObjectHint = true;
    MoveTo(ScreenCentre("closebutton"));
    Tick(Application->HintPause - 1);
    EXPECT_FALSE(hint->HintWindow()->Visible());
    Tick(1);
    ASSERT_TRUE(hint->HintWindow()->Visible());
    EXPECT_EQ(hint->HintWindow()->Caption(), "Close");
    // On to the caption, which has no hint: the button's goes.
    MoveTo({84 + 100, 64 + 8});
    EXPECT_FALSE(hint->HintWindow()->Visible());
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());

    // A press takes the waiting hint away (the release off the button
    // closes nothing).
    MoveTo(ScreenCentre("closebutton"));
    InjectMouseDown(ScreenCentre("closebutton"));
    PumpMessages();
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());
    MoveTo({84 + 100, 64 + 8});
    InjectMouseUp({84 + 100, 64 + 8});
    PumpMessages();
    ASSERT_TRUE(IsWindowVisible(form_->Handle()));

    // A maximized form's maximize button tells that it restores.
    Click(ScreenCentre("maxbutton"));
    ASSERT_EQ(frame_->WindowState(), wsMaximized);
    TRect top;
    GetWindowRect(Border()->Window(TbsLayerSide::Top)->Handle(), &top);
    TRect max = Border()->ObjectPlace(IndexOf("maxbutton"));
    MoveTo({top.Left + 100, top.Top + 8});
    MoveTo({top.Left + max.Left + 1, top.Top + (max.Top + max.Bottom) / 2});
    Tick(Application->HintPause);
    ASSERT_TRUE(hint->HintWindow()->Visible());
    EXPECT_EQ(hint->HintWindow()->Caption(), "Restore");
    // Off the strip the hint goes with the button's look.
    MoveTo({top.Left + 200, top.Bottom + 100});
    EXPECT_FALSE(hint->HintWindow()->Visible());
    frame_->SetWindowState(wsNormal);
    PumpMessages();

    // A hint still waiting when the form deactivates never shows.
    MoveTo(ScreenCentre("minbutton"));
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());
    SendMessage(form_->Handle(), WM_NCACTIVATE, 1, 0);
    PumpMessages();

    // Without the switch no object shows its hint.
    frame_->ShowObjectHint = false;
    MoveTo({84 + 100, 64 + 8});
    MoveTo(ScreenCentre("closebutton"));
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());
}

TEST_F(FullBorderForm, AButtonsGlowFadesInBesideItsPlaceOnTheStrip)
{
    AddGlow("closebutton");
    ShowForm();
    TbsLayerManager* glow = frame_->LayerManager();
    MoveTo(ScreenCentre("closebutton"));
    ASSERT_TRUE(glow->Showing());
    // Where the top window shows the button, less the glow's offsets.
    TRect place = Border()->ObjectPlace(IndexOf("closebutton"));
    TRect shown;
    GetWindowRect(glow->LayerWindow()->Handle(), &shown);
    EXPECT_EQ(shown, Bounds(84 + place.Left - 4, 64 + place.Top - 4, 25, 23));
    // From 0 by a tenth of 200 every 25 ms, ending at 200.
    EXPECT_EQ(glow->CurrentAlpha(), 0);
    std::vector<int> steps;
    for (int i = 0; i < 11; ++i) {
        Tick(LayerManagerStep());
        steps.push_back(glow->CurrentAlpha());
    }
    EXPECT_EQ(steps, (std::vector<int>{20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 200}));
    EXPECT_FALSE(glow->TimerEnabled());

    // The look switches at once: the strip runs no cross-fade of its own.
    EXPECT_EQ(StripPixel("closebutton"), PicturePixel(Button("closebutton")->ActiveSkinRect));
    EXPECT_DOUBLE_EQ(Button("closebutton")->MorphKf(), 0.0);

    // Off the button the glow goes, and comes back from 0.
    MoveTo({84 + 100, 64 + 8});
    EXPECT_FALSE(glow->Showing());
    MoveTo(ScreenCentre("closebutton"));
    ASSERT_TRUE(glow->Showing());
    EXPECT_EQ(glow->CurrentAlpha(), 0);
    // A button without a glow of its own shows none.
    MoveTo(ScreenCentre("maxbutton"));
    EXPECT_FALSE(glow->Showing());
    MoveTo(ScreenCentre("closebutton"));
    ASSERT_TRUE(glow->Showing());
    // Deactivating lets the button go with its glow.
    SendMessage(form_->Handle(), WM_NCACTIVATE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(glow->Showing());
}

TEST_F(FullBorderForm, MenusOpenBelowTheirButtonsOnTheStrip)
{
    AddSystemMenuButton();
    ShowForm();
    TRect place = Border()->ObjectPlace(IndexOf("sysmenubutton"));
    MoveTo(ScreenCentre("sysmenubutton"));
    InjectMouseDown(ScreenCentre("sysmenubutton"));
    PumpMessages();
    TbsSkinMenu* menu = frame_->SkinMenu();
    ASSERT_TRUE(menu->ChainOpen());
    TRect popup;
    GetWindowRect(menu->LastPopup()->Handle(), &popup);
    EXPECT_EQ(popup.Left, 84 + place.Left);
    EXPECT_EQ(popup.Top, 64 + place.Bottom);
    InjectMouseUp(ScreenCentre("sysmenubutton"));
    PumpMessages();
    menu->CloseMenu();
    PumpMessages();

    // A quick button's menu, below the button where the strip draws it.
    TCustomImageList* images = QuickImages();
    frame_->SetQuickImageList(images);
    auto* item = static_cast<TbsQuickButtonItem*>(frame_->QuickButtons()->Add());
    item->SetImageIndex(0);
    auto* quickMenu = new TbsSkinPopupMenu(form_);
    auto* entry = new TMenuItem(quickMenu);
    entry->SetCaption("First");
    quickMenu->Items()->Add(entry);
    item->SetPopupMenu(quickMenu);
    TRect caption = Border()->ObjectPlace(IndexOf("caption"));
    TPoint p{84 + caption.Left + 12, 64 + 8};
    Tick(1000);  // a new press, not a double click
    MoveTo(p);
    InjectMouseDown(p);
    PumpMessages();
    ASSERT_TRUE(menu->ChainOpen());
    GetWindowRect(menu->LastPopup()->Handle(), &popup);
    EXPECT_EQ(popup.Left, 84 + item->ItemRect.Left);
    EXPECT_EQ(popup.Top, 64 + item->ItemRect.Bottom);
    InjectMouseUp(p);
    PumpMessages();
    menu->CloseMenu();
    PumpMessages();
    frame_->SetQuickImageList(nullptr);
    delete images;
}

TEST_F(FullBorderForm, GoldenScreenOfAFullBorderForm)
{
    ShowForm();
    // The title on the strip: the form's own frame shows no caption objects.
    form_->SetCaption("說門 Notes");
    PumpMessages();
    InjectMouseMove(ScreenCentre("maxbutton"));
    PumpMessages();
    ExpectGolden(ScreenArea(Bounds(76, 56, 348, 248)), TestFolder() + "/golden/layer_full_border.png");
}

TEST_F(FullBorderForm, GoldenStripWithAGlowHalfFadedIn)
{
    AddGlow("closebutton");
    ShowForm();
    form_->SetCaption("說門 Notes");
    PumpMessages();
    MoveTo(ScreenCentre("closebutton"));
    for (int i = 0; i < 5; ++i)
        Tick(LayerManagerStep());
    ASSERT_EQ(frame_->LayerManager()->CurrentAlpha(), 100);
    ExpectGolden(ScreenArea(Bounds(300, 56, 124, 40)), TestFolder() + "/golden/layer_strip_glow.png");
}

}  // namespace

// The caption's quick buttons under the mouse: the room they take from
// the caption text, their hot and pressed looks, which releases click,
// their hints and their popup menus.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/headless_input.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class CaptionQuickButtonsTest : public SkinFormTest {
protected:
    void SetUp() override
    {
        SkinFormTest::SetUp();
        images_ = new TCustomImageList(form_);  // 16 x 16
        TBitmap strip;
        strip.SetSize(48, 16);
        images_->Add(&strip, nullptr);
        caption_ = dynamic_cast<TbsSkinCaptionObject*>(Object("caption"));
        ASSERT_NE(caption_, nullptr);
    }

    void TearDown() override
    {
        // The next test starts with the mouse away from its frame.
        InjectMouseMove({5, 5});
        PumpMessages();
        SkinFormTest::TearDown();
    }

    // Three buttons; each click is logged by its index.
    void AddButtons()
    {
        frame_->SetQuickImageList(images_);
        for (int i = 0; i < 3; ++i) {
            auto* item = static_cast<TbsQuickButtonItem*>(frame_->QuickButtons()->Add());
            item->SetImageIndex(i);
            item->OnClick = TNotifyEvent::FromCallable([this, i](TObject* Sender) {
                EXPECT_EQ(Sender, caption_);
                clicks_.push_back(i);
            });
        }
    }

    TbsQuickButtonItem* Button(int Index) { return frame_->QuickButtons()->Items(Index); }

    // The middle of button Index on the screen.
    TPoint OnButton(int Index)
    {
        caption_->LayoutQuickButtons();
        TRect r = Button(Index)->ItemRect;
        return ScreenPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }

    void Mouse(void (*Inject)(TPoint, int), TPoint P)
    {
        Inject(P, 1);
        PumpMessages();
    }
    // The frame finds the object under the mouse on its timer's tick, and
    // that object takes the moves from then on.
    void MoveTo(TPoint P)
    {
        InjectMouseMove(P);
        PumpMessages();
        Tick(25);
        InjectMouseMove(P);
        PumpMessages();
    }

    TCustomImageList* images_ = nullptr;
    TbsSkinCaptionObject* caption_ = nullptr;
    std::vector<int> clicks_;
};

TEST_F(CaptionQuickButtonsTest, ThreeButtonsTakeTheirRoomFromTheText)
{
    TRect plain = caption_->CalcTextRect();
    EXPECT_EQ(plain.Left, 4);  // the skin's "textrect"
    EXPECT_EQ(plain.Right, caption_->ObjectRect.Width() - (108 - 104));
    AddButtons();
    TRect shifted = caption_->CalcTextRect();
    EXPECT_EQ(shifted.Left, 4 + 72);  // (16 + 8) for each button
    EXPECT_EQ(shifted.Right, plain.Right);
    // The buttons lie side by side from the caption's left end, 24 apart,
    // each its image with 2 pixels around.
    caption_->LayoutQuickButtons();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Button(i)->ItemRect.Left, caption_->ObjectRect.Left + 24 * i);
        EXPECT_EQ(Button(i)->ItemRect.Width(), 20);
    }
    // A hidden button leaves its place to the next one.
    Button(0)->SetVisible(false);
    caption_->LayoutQuickButtons();
    EXPECT_EQ(Button(1)->ItemRect.Left, caption_->ObjectRect.Left);
}

TEST_F(CaptionQuickButtonsTest, ButtonsWithoutImagesAreNotThere)
{
    frame_->QuickButtons()->Add();
    EXPECT_EQ(caption_->CalcTextRect().Left, 4);
    AddButtons();
    delete images_;  // the frame lets go of the freed list
    EXPECT_EQ(frame_->QuickImageList(), nullptr);
    EXPECT_EQ(caption_->CalcTextRect().Left, 4);
}

TEST_F(CaptionQuickButtonsTest, NewButtonDefaultsAndAssign)
{
    auto* item = static_cast<TbsQuickButtonItem*>(frame_->QuickButtons()->Add());
    EXPECT_EQ(item->ImageIndex(), -1);
    EXPECT_TRUE(item->Enabled());
    EXPECT_TRUE(item->Visible());
    item->SetImageIndex(2);
    item->Hint = "Pin";
    item->SetEnabled(false);
    item->OnClick = TNotifyEvent::FromCallable([](TObject*) {});
    auto* copy = static_cast<TbsQuickButtonItem*>(frame_->QuickButtons()->Add());
    copy->Assign(item);
    EXPECT_EQ(copy->ImageIndex(), 2);
    EXPECT_EQ(copy->Hint, "Pin");
    EXPECT_FALSE(copy->Enabled());
    EXPECT_FALSE(copy->OnClick);
}

TEST_F(CaptionQuickButtonsTest, PressAndReleaseOnOneButtonClicksIt)
{
    AddButtons();
    // A button takes the press; the caption beside it still moves the form.
    TPoint onText = ScreenPoint(caption_->ObjectRect.Right - 5, caption_->ObjectRect.Top + 8);
    EXPECT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(OnButton(1).X, OnButton(1).Y)), HTOBJECT);
    EXPECT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(onText.X, onText.Y)), HTCAPTION);
    MoveTo(OnButton(1));
    EXPECT_TRUE(Button(1)->Hot);
    EXPECT_EQ(caption_->ActiveQuickButton, 1);
    Mouse(InjectMouseDown, OnButton(1));
    EXPECT_TRUE(Button(1)->Down);
    Mouse(InjectMouseUp, OnButton(1));
    EXPECT_EQ(clicks_, std::vector<int>{1});
    EXPECT_FALSE(Button(1)->Down);
    EXPECT_TRUE(Button(1)->Hot);
}

TEST_F(CaptionQuickButtonsTest, ReleaseOnAnotherButtonClicksNeither)
{
    AddButtons();
    MoveTo(OnButton(0));
    Mouse(InjectMouseDown, OnButton(0));
    MoveTo(OnButton(2));
    EXPECT_TRUE(Button(2)->Hot);
    EXPECT_FALSE(Button(0)->Hot);
    Mouse(InjectMouseUp, OnButton(2));
    EXPECT_TRUE(clicks_.empty());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Button(i)->Down) << i;
}

TEST_F(CaptionQuickButtonsTest, HintShowsAfterTheDelayAndGoesWithTheMouse)
{
    AddButtons();
    auto* hint = new TbsSkinHint(form_);
    frame_->SetSkinHint(hint);
    frame_->QuickButtonsShowHint = true;
    Button(1)->Hint = "Pin 說門";
    MoveTo(OnButton(0));  // no hint of its own
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());
    MoveTo(OnButton(1));
    EXPECT_FALSE(hint->HintWindow()->Visible());
    Tick(Application->HintPause);
    ASSERT_TRUE(hint->HintWindow()->Visible());
    EXPECT_EQ(hint->HintWindow()->Caption(), "Pin 說門");
    // Off the buttons, still on the caption: the hint goes.
    MoveTo(ScreenPoint(caption_->ObjectRect.Right - 5, caption_->ObjectRect.Top + 8));
    EXPECT_FALSE(hint->HintWindow()->Visible());
    // Without the switch no hint shows.
    frame_->QuickButtonsShowHint = false;
    MoveTo(OnButton(1));
    Tick(Application->HintPause);
    EXPECT_FALSE(hint->HintWindow()->Visible());
    delete hint;  // the frame lets go of it
    EXPECT_EQ(frame_->SkinHint(), nullptr);
}

TEST_F(CaptionQuickButtonsTest, PressOpensTheButtonsMenuWhichKeepsItDownUntilClosed)
{
    AddButtons();
    auto* menu = new TbsSkinPopupMenu(form_);
    auto* entry = new TMenuItem(menu);
    entry->SetCaption("First");
    menu->Items()->Add(entry);
    Button(2)->SetPopupMenu(menu);
    MoveTo(OnButton(2));
    Mouse(InjectMouseDown, OnButton(2));
    EXPECT_TRUE(frame_->SkinMenu()->ChainOpen());
    EXPECT_EQ(caption_->MenuQuickButton, 2);
    Mouse(InjectMouseUp, OnButton(2));
    // The release clicks as on any button and leaves the button down
    // under its open menu.
    EXPECT_EQ(clicks_, std::vector<int>{2});
    EXPECT_TRUE(Button(2)->Down);
    frame_->SkinMenu()->CloseMenu();
    PumpMessages();
    EXPECT_EQ(caption_->MenuQuickButton, -1);
    EXPECT_FALSE(Button(2)->Down);
    EXPECT_FALSE(Button(2)->Hot);
    delete menu;  // forgotten by its button
    EXPECT_EQ(Button(2)->PopupMenu(), nullptr);
    Tick(1000);  // a new click, not the second of a double click
    MoveTo(OnButton(2));
    Mouse(InjectMouseDown, OnButton(2));
    EXPECT_FALSE(frame_->SkinMenu()->ChainOpen());
    Mouse(InjectMouseUp, OnButton(2));
    EXPECT_EQ(clicks_, (std::vector<int>{2, 2}));
}

}  // namespace

// The frame's settings for its skinned menus: the menus it opens take
// their rows' height and font, their scrolling and their alpha from them,
// and the values the menus cannot use are refused.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/layered_window.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/form/bs_skin_form.h"
#include "tests/skin/form/frame_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class SkinFormMenusTest : public SkinFormTest {
protected:
    // A skinned popup menu of the form with Count commands, opened at
    // (200, 150); the first window of the chain.
    TbsSkinPopupWindow* OpenMenu(int Count)
    {
        menu_ = new TbsSkinPopupMenu(form_);
        for (int i = 0; i < Count; ++i) {
            auto* item = new TMenuItem(menu_);
            item->SetCaption("說門 " + std::to_string(i));
            menu_->Items()->Add(item);
        }
        menu_->Popup(200, 150);
        PumpMessages();
        TbsSkinMenu* manager = frame_->SkinMenu();
        return manager->PopupCount() == 1 ? manager->Popup(0) : nullptr;
    }

    TbsSkinPopupMenu* menu_ = nullptr;  // owned by the form
};

TEST_F(SkinFormMenusTest, TheMenusTakeTheFramesRowHeightFontAndWindowLimit)
{
    frame_->SetUseSkinSizeInMenu(false);
    frame_->SetUseSkinFontInMenu(false);
    frame_->SetDefMenuItemHeight(31);
    TFont font;
    font.SetName("Courier New");
    font.SetHeight(17);
    frame_->SetDefMenuItemFont(&font);
    frame_->SetMaxMenuItemsInWindow(3);
    TbsSkinPopupWindow* window = OpenMenu(8);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->ItemCount(), 8);
    EXPECT_TRUE(window->Scrollable());
    EXPECT_EQ(window->VisibleCount(), 3);
    EXPECT_EQ(window->Item(0)->ObjectRect.Height(), 31);
    EXPECT_EQ(window->Canvas()->Font()->Name(), "Courier New");
    EXPECT_EQ(window->Canvas()->Font()->Height(), 17);
    frame_->SkinMenu()->CloseMenu();

    // No limit: all rows show.
    frame_->SetMaxMenuItemsInWindow(0);
    window = OpenMenu(8);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->Scrollable());
    EXPECT_EQ(window->VisibleCount(), 8);
}

TEST_F(SkinFormMenusTest, AHeightOfZeroOrLessAndANegativeLimitAreIgnored)
{
    EXPECT_TRUE(frame_->UseSkinFontInMenu());
    EXPECT_TRUE(frame_->UseSkinSizeInMenu());
    EXPECT_EQ(frame_->DefMenuItemHeight(), 20);
    EXPECT_EQ(frame_->MaxMenuItemsInWindow(), 0);
    frame_->SetDefMenuItemHeight(24);
    frame_->SetDefMenuItemHeight(0);
    frame_->SetDefMenuItemHeight(-5);
    EXPECT_EQ(frame_->DefMenuItemHeight(), 24);
    EXPECT_EQ(frame_->SkinMenu()->DefaultMenuItemHeight, 24);
    frame_->SetMaxMenuItemsInWindow(4);
    frame_->SetMaxMenuItemsInWindow(-1);
    EXPECT_EQ(frame_->MaxMenuItemsInWindow(), 4);
    EXPECT_EQ(frame_->SkinMenu()->MaxMenuItemsInWindow, 4);
}

TEST_F(SkinFormMenusTest, TheMenusAreLayeredWithTheFramesAlpha)
{
    EXPECT_FALSE(frame_->MenusAlphaBlend());
    EXPECT_FALSE(frame_->MenusAlphaBlendAnimation());
    EXPECT_EQ(frame_->MenusAlphaBlendValue(), 200);
    TbsSkinPopupWindow* window = OpenMenu(3);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowLong(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    frame_->SkinMenu()->CloseMenu();

    frame_->SetMenusAlphaBlend(true);
    frame_->SetMenusAlphaBlendValue(120);
    frame_->SetMenusAlphaBlendAnimation(true);
    EXPECT_TRUE(frame_->SkinMenu()->AlphaBlendAnimation);
    frame_->SetMenusAlphaBlendAnimation(false);
    window = OpenMenu(3);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(GetWindowLong(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window->Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 120);
}

}  // namespace

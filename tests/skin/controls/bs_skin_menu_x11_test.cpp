// A skinned menu chain on a real X display (the suite's own Xvfb), worked
// by the display's mouse: each level is a window of its own that shows its
// skinned picture and leaves the form the focus, a click opens a sub-menu
// at once, and a click on a command runs it after the chain has gone.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/gdi/png_codec.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/clock.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "tests/platform/ui/form_x11_test_support.h"
#include "tests/skin/controls/skin_menu_test_support.h"
#include "tests/skin/controls/test_menu_skin.h"

namespace {

class TSkinMenuX11Test : public TFormX11Test {
protected:
    TMenuItem* Add(TMenuItem* Parent, const AnsiString& Caption)
    {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(Caption);
        std::string name = Caption;
        item->OnClick = TNotifyEvent::FromCallable([this, name](TObject*) { log_.push_back(name); });
        Parent->Add(item);
        return item;
    }
    // With TANDRIL_MENU_SCREENSHOT set, what the display shows goes to
    // that file, for a person to look at.
    static void Screenshot()
    {
        const char* file = std::getenv("TANDRIL_MENU_SCREENSHOT");
        if (!file)
            return;
        std::vector<uint8_t> png = WritePng(ScreenImage());
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }
    void ClickRow(TbsSkinMenu* Menu, int Level, int Row)
    {
        TbsSkinPopupWindow* window = Menu->Popup(Level);
        TRect r = window->Item(Row)->ObjectRect;
        Click(window->ClientToScreen(TPoint{r.Left + 20, (r.Top + r.Bottom) / 2}));
    }

    TEventLog log_;
};

TEST_F(TSkinMenuX11Test, AClickedChainOpensLevelByLevelAndRunsItsCommand)
{
    TTestSkin skin;
    test_menu_skin::AddTo(skin);
    TbsSkinData data(nullptr);
    skin.LoadInto(data);
    form_ = new TForm(nullptr);
    form_->SetBounds(40, 40, 460, 320);
    form_->SetCaption("Skinned menu");
    auto* frame = new TTestSkinFrame(form_, &data, &log_);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());

    TMenuItem root(nullptr);
    TMenuItem* file = Add(&root, "&File");
    Add(file, "&Open");
    Add(file, "\xD5\x66\xE9\x54 Save")->SetShortCut(TextToShortCut("Ctrl+S"));  // 說門
    Add(file, "-");
    TMenuItem* recent = Add(file, "Recent");
    Add(recent, "a.txt");
    Add(recent, "b.txt")->SetChecked(true);
    Add(&root, "Checked")->SetChecked(true);
    Add(&root, "Disabled")->SetEnabled(false);
    TbsSkinMenu* menu = frame->SkinMenu();
    menu->PopupRect(nullptr, &data, false, &root, TRect{80, 80, 140, 100}, 0);
    ASSERT_TRUE(BecomesViewable(menu->Popup(0)->Handle()));

    ClickRow(menu, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return menu->PopupCount() == 2; }));
    ClickRow(menu, 1, 3);
    ASSERT_TRUE(PumpUntil([&] { return menu->PopupCount() == 3; }));
    // The rows' fades and frames settle on the hand-driven clock; a
    // sub-menu overlaps its parent's right edge, so only the last level
    // shows its whole picture.
    EXPECT_TRUE(PumpUntil([&] {
        AdvanceClock(10);
        for (int level = 0; level < 3; ++level)
            if (menu->Popup(level)->AnimationTimer()->Enabled())
                return false;
        return true;
    }));
    EXPECT_TRUE(menu->Popup(0)->Item(0)->Down);
    EXPECT_TRUE(ShowsBacking(menu->Popup(2)->Handle()));
    EXPECT_TRUE(FormHasXFocus());
    Screenshot();

    log_.clear();
    ClickRow(menu, 2, 0);
    ASSERT_TRUE(PumpUntil([&] { return !log_.empty(); }));
    EXPECT_EQ(log_, (TEventLog{"a.txt"}));
    EXPECT_EQ(menu->PopupCount(), 0);
    EXPECT_TRUE(FormHasXFocus());
}

}  // namespace

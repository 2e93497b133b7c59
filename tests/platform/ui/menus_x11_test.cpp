// Menus worked from a real X display (the suite's own Xvfb) with the
// display's XTest keys and mouse, in the fonts a user gets: the keyboard
// path through the main menu bar, and a context menu whose rows are
// clicked, each with its own override-redirect window that leaves the
// form the focus.

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gdi/png_codec.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/backend.h"
#include "platform/win/x11_backend.h"
#include "tests/platform/ui/control_test_support.h"
#include "tests/platform/ui/form_x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

using TLines = std::vector<std::string>;

double Seconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

class TMenusX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        // The loop takes the display's events as they come; a path that
        // never ends closes the menu after three seconds instead of
        // hanging the suite.
        double deadline = Seconds() + 3;
        SetMenuIdleHook([deadline] {
            Backend().WaitForEvents(10);
            return Seconds() < deadline;
        });
    }

    void TearDown() override
    {
        SetMenuIdleHook(nullptr);
        TFormX11Test::TearDown();
    }

    TMenuItem* Add(TMenuItem* Parent, const AnsiString& Caption)
    {
        auto* item = new TMenuItem(form_);
        item->SetCaption(Caption);
        std::string name = StripHotkey(Caption);
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
        TRasterImage image = ScreenImage();
        std::vector<uint8_t> png = WritePng(image);
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }

    TLines log_;
};

TEST_F(TMenusX11Test, TheKeyboardRunsTheBarAndTheMouseAContextMenu)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(60, 50, 420, 260);
    form_->SetCaption("Menus");
    auto* menu = new TMainMenu(form_);
    for (const char* caption : {"&File", "&Edit", "&View"}) {
        TMenuItem* top = Add(menu->Items(), caption);
        Add(top, std::string("First of ") + caption);
        Add(top, "-");
        Add(top, std::string("Second of ") + caption);
    }
    form_->SetMenu(menu);
    auto* probe = new TProbe(form_, form_, Bounds(20, 20, 200, 120));
    auto* popup = new TPopupMenu(form_);
    Add(popup->Items(), "&Cut");
    Add(popup->Items(), "C&opy");
    TMenuItem* more = Add(popup->Items(), "&More");
    Add(more, "Inner");
    probe->SetPopupMenu(popup);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());

    // Alt, Right, Right, Down, Enter: the third menu's first item.
    for (unsigned long sym : {XK_Alt_L, XK_Right, XK_Right, XK_Down, XK_Return})
        Key(sym);
    ASSERT_TRUE(PumpUntil([&] { return !log_.empty(); }));
    EXPECT_EQ(log_, (TLines{"View", "First of View"}));
    EXPECT_EQ(form_->MenuBar()->Hot(), -1);
    EXPECT_TRUE(FormHasXFocus());

    // A right click pops the context menu up in a window of its own; a
    // click on its row with a sub-menu opens that at once, and a click on
    // the sub-menu's row runs it.
    log_.clear();
    bool mapped = false;
    bool formKeptFocus = false;
    int step = 0;
    SetMenuIdleHook([&, deadline = Seconds() + 3] {
        if (Seconds() > deadline)
            return false;
        if (step == 0 && MenuLoopLevelCount() == 1) {
            TPopupMenuWindow* level = MenuLoopLevel(0);
            XWindowAttributes attributes;
            mapped = XGetWindowAttributes(Other(), X11WindowOf(level->Handle()), &attributes) &&
                     attributes.map_state == IsViewable && attributes.override_redirect;
            Window focus = 0;
            int revert = 0;
            XGetInputFocus(Other(), &focus, &revert);
            formKeptFocus = focus == X11WindowOf(form_->Handle());
            TRect row = level->RowRect(2);
            Click(level->ClientToScreen(Point(20, (row.Top + row.Bottom) / 2)), 1);
            ++step;
        } else if (step == 1 && MenuLoopLevelCount() == 2) {
            Screenshot();
            TPopupMenuWindow* level = MenuLoopLevel(1);
            TRect row = level->RowRect(0);
            Click(level->ClientToScreen(Point(20, (row.Top + row.Bottom) / 2)), 1);
            ++step;
        }
        Backend().WaitForEvents(10);
        return true;
    });
    Click(probe->ClientToScreen(Point(40, 30)), 3);
    ASSERT_TRUE(PumpUntil([&] { return !log_.empty(); }));
    EXPECT_TRUE(mapped);
    EXPECT_TRUE(formKeptFocus);
    EXPECT_EQ(log_, (TLines{"More", "Inner"}));
    EXPECT_EQ(popup->PopupComponent(), probe);
}

}  // namespace

// A dialog's buttons worked from a real X display (the suite's own Xvfb),
// with the keys and the mouse of the display's XTest extension, in the
// fonts a user gets: Enter reaching the default button from an edit,
// clicks, Space on the focused button, Alt with an accelerator, and the
// display showing what the form painted.

#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/custom_form.h"
#include "platform/ui/edit.h"
#include "platform/win/window.h"
#include "platform/win/window_pos.h"
#include "platform/win/x11_backend.h"
#include "tests/platform/win/x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using TLines = std::vector<std::string>;

class TButtonsX11Test : public TX11Test {
protected:
    void TearDown() override
    {
        delete form_;
        Pump();
        TX11Test::TearDown();
    }

    TButton* AddButton(const char* Caption, int Left)
    {
        auto* button = new TButton(form_);
        button->SetCaption(Caption);
        button->SetBounds(Left, 80, 80, 26);
        button->SetParent(form_);
        button->OnClick = TNotifyEvent::FromCallable([this, Caption](TObject*) { log_.push_back(Caption); });
        return button;
    }

    static void Key(unsigned long Sym)
    {
        const KeyCode code = XKeysymToKeycode(Other(), Sym);
        XTestFakeKeyEvent(Other(), code, True, 0);
        XTestFakeKeyEvent(Other(), code, False, 0);
    }

    static void Click(TPoint Screen)
    {
        XTestFakeMotionEvent(Other(), 0, Screen.X, Screen.Y, 0);
        XTestFakeButtonEvent(Other(), 1, True, 0);
        XTestFakeButtonEvent(Other(), 1, False, 0);
        XSync(Other(), False);
    }

    bool FormHasXFocus()
    {
        return PumpUntil([&] {
            Window focus = 0;
            int revert = 0;
            XGetInputFocus(Other(), &focus, &revert);
            return focus == X11WindowOf(form_->Handle());
        });
    }

    bool Logged(const TLines& Expected)
    {
        XSync(Other(), False);
        return PumpUntil([&] { return log_ == Expected; });
    }

    // Whether the display comes to show the form's backing, pixel for pixel.
    bool DisplayShowsBacking()
    {
        TRect rect;
        GetWindowRect(form_->Handle(), &rect);
        const unsigned long surface = X11WindowOf(form_->Handle());
        return PumpUntil([&] {
            XImage* image = XGetImage(Other(), surface, 0, 0, static_cast<unsigned>(rect.Width()),
                                      static_cast<unsigned>(rect.Height()), AllPlanes, ZPixmap);
            if (!image)
                return false;
            TSurface backing = GdiObjectAs<TGdiBitmap>(WindowOf(form_->Handle())->Backing)->Surface();
            bool same = true;
            for (int y = 0; y < rect.Height() && same; ++y)
                for (int x = 0; x < rect.Width() && same; ++x)
                    same = (static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF) ==
                           (backing.GetPixel(x, y) & 0xFFFFFF);
            XDestroyImage(image);
            return same;
        });
    }

    TForm* form_ = nullptr;
    TLines log_;
};

TEST_F(TButtonsX11Test, KeysAndClicksOnTheDisplayPressTheButtons)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 320, 160);
    form_->SetCaption("Find");
    auto* field = new TEdit(form_);
    field->SetBounds(10, 10, 200, 22);
    field->SetParent(form_);
    auto* wrap = new TCheckBox(form_);
    wrap->SetCaption("&Wrap around");
    wrap->SetBounds(10, 44, 150, 20);
    wrap->SetParent(form_);
    TButton* ok = AddButton("&Find", 10);
    ok->SetDefault(true);
    TButton* cancel = AddButton("Cancel", 100);
    cancel->SetCancel(true);
    form_->SetActiveControl(field);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(field->Focused());

    Key(XK_a);
    Key(XK_b);
    Key(XK_Return);
    EXPECT_TRUE(Logged({"&Find"}));
    EXPECT_EQ(field->Text(), "ab");
    Key(XK_Escape);
    EXPECT_TRUE(Logged({"&Find", "Cancel"}));
    // A click focuses the button and presses it; Space presses it again.
    Click(cancel->ClientToScreen(Point(20, 10)));
    EXPECT_TRUE(Logged({"&Find", "Cancel", "Cancel"}));
    EXPECT_TRUE(cancel->Focused());
    Key(XK_space);
    EXPECT_TRUE(Logged({"&Find", "Cancel", "Cancel", "Cancel"}));
    // Alt with the check box's letter toggles it.
    const KeyCode alt = XKeysymToKeycode(Other(), XK_Alt_L);
    XTestFakeKeyEvent(Other(), alt, True, 0);
    Key(XK_w);
    XTestFakeKeyEvent(Other(), alt, False, 0);
    XSync(Other(), False);
    EXPECT_TRUE(PumpUntil([&] { return wrap->Checked(); }));
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace

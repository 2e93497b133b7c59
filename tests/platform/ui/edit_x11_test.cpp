// An edit box worked from a real X display (the suite's own Xvfb) with the
// keys and mouse of the display's XTest extension, in the fonts a user
// gets: typing, selecting with Shift and the mouse, cut, paste and undo,
// and the display showing what the form painted.
#include <string>

#include "platform/gdi/bitmap.h"
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

class TEditX11Test : public TX11Test {
protected:
    void TearDown() override
    {
        delete form_;
        Pump();
        TX11Test::TearDown();
    }

    // A key on the display, with the modifier keys given held around it.
    static void Key(unsigned long Sym, std::initializer_list<unsigned long> Held = {})
    {
        for (unsigned long held : Held)
            XTestFakeKeyEvent(Other(), XKeysymToKeycode(Other(), held), True, 0);
        const KeyCode code = XKeysymToKeycode(Other(), Sym);
        XTestFakeKeyEvent(Other(), code, True, 0);
        XTestFakeKeyEvent(Other(), code, False, 0);
        for (unsigned long held : Held)
            XTestFakeKeyEvent(Other(), XKeysymToKeycode(Other(), held), False, 0);
        XSync(Other(), False);
    }

    static void Drag(TPoint From, TPoint To)
    {
        XTestFakeMotionEvent(Other(), 0, From.X, From.Y, 0);
        XTestFakeButtonEvent(Other(), 1, True, 0);
        XTestFakeMotionEvent(Other(), 0, To.X, To.Y, 0);
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

    bool Shows(TEdit* Edit, const AnsiString& Text)
    {
        return PumpUntil([&] { return Edit->Text() == Text; });
    }

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
};

TEST_F(TEditX11Test, TypingSelectingCuttingPastingAndUndoOnTheDisplay)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 320, 120);
    form_->SetCaption("Find");
    auto* edit = new TEdit(form_);
    edit->SetBounds(10, 10, 200, 0);
    edit->SetParent(form_);
    auto* other = new TEdit(form_);
    other->SetBounds(10, 50, 200, 0);
    other->SetParent(form_);
    form_->SetActiveControl(edit);
    form_->Show();
    Pump();
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(edit->Focused());

    for (unsigned long sym : {XK_o, XK_n, XK_e, XK_space, XK_t, XK_w, XK_o})
        Key(sym);
    EXPECT_TRUE(Shows(edit, "one two"));
    // Shift+Home selects back to the start; Ctrl+X cuts it.
    Key(XK_Left, {XK_Control_L});
    Key(XK_Home, {XK_Shift_L});
    Key(XK_x, {XK_Control_L});
    EXPECT_TRUE(Shows(edit, "two"));
    Key(XK_End);
    Key(XK_v, {XK_Control_L});
    EXPECT_TRUE(Shows(edit, "twoone "));
    Key(XK_z, {XK_Control_L});
    EXPECT_TRUE(Shows(edit, "two"));
    Key(XK_BackSpace);
    EXPECT_TRUE(Shows(edit, "tw"));
    // Dragging over the text selects it; Tab takes the focus on, and the
    // selection is gone from sight but kept.
    const int height = edit->ClientHeight();
    Drag(edit->ClientToScreen(Point(0, height / 2)), edit->ClientToScreen(Point(150, height / 2)));
    EXPECT_TRUE(PumpUntil([&] { return edit->SelLength() == 2; }));
    Key(XK_Tab);
    EXPECT_TRUE(PumpUntil([&] { return other->Focused(); }));
    EXPECT_EQ(edit->SelLength(), 2);
    EXPECT_TRUE(DisplayShowsBacking());
}

}  // namespace

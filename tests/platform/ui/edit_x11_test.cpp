// An edit box worked from a real X display (the suite's own Xvfb) with the
// keys and mouse of the display's XTest extension, in the fonts a user
// gets: typing, selecting with Shift and the mouse, cut, paste and undo,
// and the display showing what the form painted.
#include <string>

#include "form_x11_test_support.h"
#include "platform/ui/textedit/edit.h"

#include <X11/keysym.h>

namespace {

class TEditX11Test : public TFormX11Test {
protected:
    bool Shows(TEdit* Edit, const AnsiString& Text)
    {
        return PumpUntil([&] { return Edit->Text() == Text; });
    }
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

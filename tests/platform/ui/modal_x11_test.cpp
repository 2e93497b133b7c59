// A dialog on a real X display (the suite's own Xvfb, no desktop): opened
// from a stay-on-top window it shows above that window, whole, takes the
// keyboard there, and is marked for a desktop as its opener's dialog. With
// TANDRIL_MODAL_SCREENSHOT set, what the display shows goes to that PNG
// file for a person to look at.
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/widgets/button.h"
#include "platform/win/x11_backend.h"
#include "tests/platform/ui/form_x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace {

class TModalX11Test : public TFormX11Test {};

TEST_F(TModalX11Test, ADialogOpenedFromAStayOnTopWindowShowsAboveIt)
{
    form_ = new TForm(nullptr);
    form_->SetFormStyle(fsStayOnTop);
    form_->SetBounds(80, 60, 360, 240);
    form_->SetCaption("Stay on top");
    form_->Show();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));

    TForm dialog(nullptr);
    dialog.SetBounds(160, 120, 240, 140);
    dialog.SetCaption("Dialog");
    dialog.SetColor(clYellow);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetBounds(80, 60, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    bool whole = false, focused = false;
    Window transientFor = 0;
    TModalAnswers::Push([&](const TModalRequest&) {
        whole = BecomesViewable(dialog.Handle()) && ShowsBacking(dialog.Handle());
        focused = HasXFocus(dialog.Handle());
        // What a desktop goes by to keep the dialog above its opener.
        XGetTransientForHint(Other(), X11WindowOf(dialog.Handle()), &transientFor);
        SaveScreenshot("TANDRIL_MODAL_SCREENSHOT");
        // Enter on the display reaches the dialog, not the window below.
        Key(XK_Return);
        PumpUntil([&] { return dialog.ModalResult() != mrNone; });
        return mrNone;
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(whole);
    EXPECT_TRUE(focused);
    EXPECT_EQ(transientFor, X11WindowOf(form_->Handle()));
}

}  // namespace

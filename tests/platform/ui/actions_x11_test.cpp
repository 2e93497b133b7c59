// Actions worked from a real X display (the suite's own Xvfb) with the
// keys and mouse of XTest: a shortcut typed into a focused edit runs its
// action instead of reaching the edit, and a tool button that takes no
// focus runs an action on the edit that has it.
#include <string>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/ui/action_list.h"
#include "platform/ui/custom_form.h"
#include "platform/ui/edit.h"
#include "platform/ui/speed_button.h"
#include "platform/win/x11_backend.h"
#include "tests/platform/win/x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using TLines = std::vector<std::string>;

// Upper-cases the text of the edit it is given as target.
class TUpperCaseAction : public TAction {
public:
    using TAction::TAction;
    bool HandlesTarget(TObject* Target) override { return dynamic_cast<TCustomEdit*>(Target) != nullptr; }
    void ExecuteTarget(TObject* Target) override
    {
        auto* edit = static_cast<TCustomEdit*>(Target);
        edit->SetText(AnsiUpperCase(edit->Text()));
    }
};

class TActionsX11Test : public TX11Test {
protected:
    void TearDown() override
    {
        delete form_;
        Pump();
        TX11Test::TearDown();
    }

    static void Key(unsigned long Sym, bool Control = false)
    {
        const KeyCode control = XKeysymToKeycode(Other(), XK_Control_L);
        const KeyCode code = XKeysymToKeycode(Other(), Sym);
        if (Control)
            XTestFakeKeyEvent(Other(), control, True, 0);
        XTestFakeKeyEvent(Other(), code, True, 0);
        XTestFakeKeyEvent(Other(), code, False, 0);
        if (Control)
            XTestFakeKeyEvent(Other(), control, False, 0);
        XSync(Other(), False);
    }

    TForm* form_ = nullptr;
};

TEST_F(TActionsX11Test, AShortCutTypedIntoAnEditAndAToolButtonRunTheirActions)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 320, 120);
    form_->SetCaption("Actions");
    auto* list = new TActionList(form_);
    TLines log;
    auto* mark = new TAction(form_);
    mark->SetActionList(list);
    mark->SetShortCut(ShortCut('A', {ssCtrl}));
    mark->SetOnExecute(TNotifyEvent::FromCallable([&](TObject*) { log.push_back("mark"); }));
    auto* upper = new TUpperCaseAction(form_);
    upper->SetActionList(list);
    upper->SetCaption("AB");
    auto* field = new TEdit(form_);
    field->SetBounds(10, 10, 200, 22);
    field->SetParent(form_);
    auto* tool = new TSpeedButton(form_);
    tool->SetBounds(220, 10, 40, 22);
    tool->SetParent(form_);
    tool->SetAction(upper);
    form_->SetActiveControl(field);
    form_->Show();
    Pump();
    ASSERT_TRUE(PumpUntil([&] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(Other(), &focus, &revert);
        return focus == X11WindowOf(form_->Handle()) && field->Focused();
    }));

    Key(XK_a);
    Key(XK_b);
    Key(XK_a, true);
    EXPECT_TRUE(PumpUntil([&] { return log == TLines{"mark"}; }));
    EXPECT_EQ(field->Text(), "ab");
    EXPECT_EQ(field->SelLength(), 0);

    TPoint point = tool->ClientToScreen(Point(20, 11));
    XTestFakeMotionEvent(Other(), 0, point.X, point.Y, 0);
    XTestFakeButtonEvent(Other(), 1, True, 0);
    XTestFakeButtonEvent(Other(), 1, False, 0);
    XSync(Other(), False);
    EXPECT_TRUE(PumpUntil([&] { return field->Text() == "AB"; }));
    EXPECT_TRUE(field->Focused());
}

}  // namespace

// Actions worked from a real X display (the suite's own Xvfb) with the
// keys and mouse of XTest: a shortcut typed into a focused edit runs its
// action instead of reaching the edit, and a tool button that takes no
// focus runs an action on the edit that has it.
#include <string>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/speed_button.h"
#include "tests/platform/ui/form_x11_test_support.h"

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

class TActionsX11Test : public TFormX11Test {};

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
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(PumpUntil([&] { return field->Focused(); }));

    Key(XK_a);
    Key(XK_b);
    Key(XK_a, {XK_Control_L});
    EXPECT_TRUE(PumpUntil([&] { return log == TLines{"mark"}; }));
    EXPECT_EQ(field->Text(), "ab");
    EXPECT_EQ(field->SelLength(), 0);

    Click(tool->ClientToScreen(Point(20, 11)));
    EXPECT_TRUE(PumpUntil([&] { return field->Text() == "AB"; }));
    EXPECT_TRUE(field->Focused());
}

}  // namespace

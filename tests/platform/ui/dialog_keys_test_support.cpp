// The story of the dialog keys from a text control (see the header).
#include "dialog_keys_test_support.h"

#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

#include <X11/keysym.h>

namespace {

TEdit* AddEdit(TForm* Form, TWinControl* Parent, int Top)
{
    auto* edit = new TEdit(Form);
    edit->SetBounds(10, Top, 200, 24);
    edit->SetParent(Parent);
    return edit;
}

struct TStep {
    std::string Name;
    UINT Modifiers;
    std::function<bool()> Done;
    std::function<void()> Before;  // where the focus goes first, if anywhere
};

}  // namespace

TDialogKeyPages::TDialogKeyPages(TForm* Form, TWinControl* Subject) : subject_(Subject)
{
    pages_ = new TPageControl(Form);
    pages_->SetBounds(0, 0, 400, 260);
    pages_->SetParent(Form);
    TTabSheet* sheets[2];
    for (TTabSheet*& sheet : sheets) {
        sheet = new TTabSheet(Form);
        sheet->SetPageControl(pages_);
    }
    before_ = AddEdit(Form, sheets[0], 10);
    Subject->SetBounds(10, 40, 300, 120);
    Subject->SetParent(sheets[0]);
    after_ = AddEdit(Form, sheets[0], 170);
    TEdit* second = AddEdit(Form, sheets[1], 10);
    for (TWinControl* control : {subject_, static_cast<TWinControl*>(before_), static_cast<TWinControl*>(after_),
                                 static_cast<TWinControl*>(second)})
        CountCharacters(control);
    pages_->SetActivePage(sheets[0]);
    Form->SetActiveControl(Subject);
    Form->Show();
}

void TDialogKeyPages::CountCharacters(TWinControl* Control)
{
    const TWndMethod inner = Control->WindowProc;
    // The count outlives this object, since the controls may outlive it.
    Control->WindowProc = TWndMethod::FromCallable([count = characters_, inner](TMessage& Message) {
        if (Message.Msg == WM_CHAR)
            ++*count;
        inner(Message);
    });
}

std::vector<std::string> TDialogKeyPages::Faults(const std::function<AnsiString()>& Text, const TPressTab& Press)
{
    auto onPage = [this](int Index) { return [this, Index] { return pages_->ActivePageIndex() == Index; }; };
    const std::vector<TStep> steps = {
        {"Tab", 0, [this] { return after_->Focused(); }, nullptr},
        {"Shift+Tab", InjectShift, [this] { return subject_->Focused(); }, nullptr},
        {"Shift+Tab", InjectShift, [this] { return before_->Focused(); }, nullptr},
        {"Tab", 0, [this] { return subject_->Focused(); }, nullptr},
        {"Ctrl+Tab", InjectCtrl, onPage(1), nullptr},
        {"Ctrl+Shift+Tab", InjectCtrl | InjectShift, onPage(0), nullptr},
        {"Ctrl+Shift+Tab", InjectCtrl | InjectShift, onPage(1), [this] { subject_->SetFocus(); }},
        {"Ctrl+Tab", InjectCtrl, onPage(0), nullptr},
    };
    std::vector<std::string> faults;
    for (const TStep& step : steps) {
        if (step.Before)
            step.Before();
        const AnsiString text = Text();
        *characters_ = 0;
        if (!Press(step.Modifiers, step.Done))
            faults.push_back(step.Name + ": the focus or the page did not move");
        if (Text() != text)
            faults.push_back(step.Name + ": the text changed");
        if (*characters_ > 0)
            faults.push_back(step.Name + ": a control got a character");
    }
    return faults;
}

void InjectTab(UINT Modifiers)
{
    if (Modifiers & InjectCtrl)
        InjectKeyDown(VK_CONTROL);
    if (Modifiers & InjectShift)
        InjectKeyDown(VK_SHIFT);
    InjectKeyDown(VK_TAB, KeyText(VK_TAB, Modifiers & InjectShift, false));
    InjectKeyUp(VK_TAB);
    if (Modifiers & InjectShift)
        InjectKeyUp(VK_SHIFT);
    if (Modifiers & InjectCtrl)
        InjectKeyUp(VK_CONTROL);
}

void PressTabOnDisplay(UINT Modifiers, TDisplayKey DisplayKey)
{
    switch (Modifiers) {
    case InjectShift:
        DisplayKey(XK_Tab, {XK_Shift_L});
        break;
    case InjectCtrl:
        DisplayKey(XK_Tab, {XK_Control_L});
        break;
    case InjectCtrl | InjectShift:
        DisplayKey(XK_Tab, {XK_Control_L, XK_Shift_L});
        break;
    default:
        DisplayKey(XK_Tab, {});
        break;
    }
}

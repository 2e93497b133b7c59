// A text control among other controls on the first of two pages, worked
// with the keys that move the focus (Tab, Shift+Tab) and the page
// (Ctrl+Tab, Ctrl+Shift+Tab): the form takes those keys, so none of them
// may type into the control it came from. Shared by the controls' and the
// editor's tests, headless and on a real X display.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/kernel/custom_form.h"

// Presses Tab with the modifiers (InjectShift, InjectCtrl) held and runs
// the message loop until Done holds; answers whether it came to hold.
using TPressTab = std::function<bool(UINT Modifiers, const std::function<bool()>& Done)>;

class TEdit;
class TPageControl;

class TDialogKeyPages {
public:
    // Puts a page control with two sheets on Form, Subject on the first
    // sheet between two edits in tab order and one edit on the second
    // sheet, and shows the form with Subject focused.
    TDialogKeyPages(TForm* Form, TWinControl* Subject);
    // Presses the keys above with focus round trips through Subject and
    // answers what went wrong: for each key that changed Text(), brought
    // any of the controls a character or did not move the focus or the
    // page, its name and what happened.
    std::vector<std::string> Faults(const std::function<AnsiString()>& Text, const TPressTab& Press);

private:
    // Counts the WM_CHAR messages reaching the control into characters_.
    void CountCharacters(TWinControl* Control);

    TWinControl* subject_;
    TPageControl* pages_;
    TEdit* before_;
    TEdit* after_;
    std::shared_ptr<int> characters_ = std::make_shared<int>(0);
};

// Tab as the headless back end's keyboard delivers it, with the text the
// X display types: a tab for Ctrl+Tab as for Tab.
void InjectTab(UINT Modifiers);

// Tab with the modifiers pressed on an X display, through the X11 test
// fixture's Key.
using TDisplayKey = void (*)(unsigned long Sym, std::initializer_list<unsigned long> Held);
void PressTabOnDisplay(UINT Modifiers, TDisplayKey DisplayKey);

// What the tests of renaming in place share: a tree or list view on a real
// form with a probe beside it to take the focus, the edit box while it
// shows, and renaming by F2 and typing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/textedit/edit.h"

class TInPlaceEditTest : public TFormTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Puts the view on Form, filled and logging its events into log_.
    virtual TWinControl* AddView(TForm& Form) = 0;
    // Selects what the tests rename; the view has the focus.
    virtual void SelectEntry() = 0;

    // The edit box while one is shown, else nullptr.
    TCustomEdit* EditBox();
    // F2 on the selected entry, then Text typed over its selected caption.
    void Rename(const AnsiString& Text);

    std::unique_ptr<TForm> form_;
    TWinControl* view_ = nullptr;
    TProbe* other_ = nullptr;  // right of the view, to take the focus
    std::vector<std::string> log_;
};

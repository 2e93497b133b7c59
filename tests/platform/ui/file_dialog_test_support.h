// The file dialogs' test fixture: a fresh folder tree per test (names
// written in UTF-8, as on disk), a home folder of its own, and a dialog run
// through the modal hook, worked by keys and clicks, with the message boxes
// it shows answered in order and recorded.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/dialogs/file_dialog.h"
#include "platform/ui/dialogs/file_dialog_form.h"

class TFileDialogTest : public TFormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder the tests list, GBK, no trailing delimiter.
    AnsiString Root() const;
    // A file or folder below Root(), named in UTF-8; Time (when not 0) is
    // its last change.
    void MakeFile(const std::string& Utf8Name, const std::string& Text = "x", time_t Time = 0);
    void MakeFolder(const std::string& Utf8Name);
    // The home folder of the test (UTF-8).
    const std::string& Home() const { return home_; }

    // The message boxes a run shows: answered with Answers in order, their
    // texts kept in Texts.
    struct TBoxes {
        std::vector<int> Answers;
        std::vector<AnsiString> Texts;
    };
    // Executes Dialog, calling User with its form once it shows. A message
    // box beyond Boxes, or a form left open by User, fails the test and is
    // cancelled.
    static bool Run(TOpenDialog& Dialog, const std::function<void(TFileDialogForm*)>& User, TBoxes* Boxes = nullptr);

    // Keys through the message loop, as a user types them.
    static void Key(UINT VirtualKey, UINT Modifiers = 0);
    static void Type(const AnsiString& Text);
    // Replaces the name box's text (Alt+N, then typing over it) and
    // presses Enter.
    static void EnterName(const AnsiString& Text);
    static void Click(TControl* Control, int X, int Y);
    // Gives the list the focus: Shift+Tab from the name box.
    static void FocusList(TFileDialogForm* Form);
    // The captions of the list, in order.
    static std::vector<AnsiString> Listed(TFileDialogForm* Form);

private:
    std::string base_;  // the test's own temporary folder (UTF-8)
    std::string home_;
    std::string savedHome_, savedConfig_;
    bool hadHome_ = false, hadConfig_ = false;
};

// The notes program's windows brought up as start-up makes them, on the
// headless back end: the action module on a fresh settings folder, the main
// window, the database module with the program's dialogs, linked; typing
// and answering dialogs go through the message loop and the modal hook.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/program_node_dialogs.h"
#include "tests/editor/syn_view_test_support.h"

class TNodeDialogForm;

// A fresh folder under the temporary directory, with its trailing '/'.
std::string MakeTempFolder(const std::string& Prefix);

// The program's modules in start-up's order on a settings folder: the
// action module, the main window (built, not shown), the program's node
// dialogs and the database module, linked to the window.
struct TNotesWindowModules {
    void Bring(const std::string& Folder);
    // The database module first, as shutdown frees it.
    void Drop();

    std::unique_ptr<TActionModule> Actions;
    std::unique_ptr<TMainForm> Window;
    std::unique_ptr<TProgramNodeDialogs> Dialogs;
    std::unique_ptr<TDBModule> Module;
};

class TMainWindowTest : public TEditorViewTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Puts what the test needs into the settings folder before the modules
    // read it.
    virtual void PrepareSettings() {}

    std::string Path(const std::string& Name) const { return folder_ + Name; }
    // Creates and opens notes.vek in the folder.
    void CreateDataBase();
    // A new article (or folder) through its action and the new-item dialog,
    // answered with Title; the new node's id.
    int NewNode(bool Article, const AnsiString& Title);
    // Runs the program's message loop over what is waiting.
    static void Process();
    static void Key(UINT VirtualKey, UINT Modifiers = 0);
    static void Type(const AnsiString& Text);
    // Answers the next modal dialog of class T by running Work on it;
    // Work's result is the modal result.
    template <typename T, typename F>
    void AnswerForm(F Work);
    // Answers the next message boxes with these button numbers, recording
    // each one's caption and text in Boxes.
    void AnswerBoxes(std::vector<int> Answers);
    std::string Column(const AnsiString& Sql);

    std::string folder_;
    TNotesWindowModules modules_;
    // The modules' parts, by their names in the tests.
    std::unique_ptr<TActionModule>& actions_ = modules_.Actions;
    std::unique_ptr<TMainForm>& form_ = modules_.Window;
    std::unique_ptr<TDBModule>& module_ = modules_.Module;
    std::vector<std::string> Boxes;
};

#include "platform/ui/kernel/modal_answers.h"

template <typename T, typename F>
void TMainWindowTest::AnswerForm(F Work)
{
    TModalAnswers::Push([Work](const TModalRequest& Request) {
        auto* form = dynamic_cast<T*>(Request.Form);
        EXPECT_NE(form, nullptr) << "another window than the one expected came up";
        return form ? Work(form) : mrCancel;
    });
}

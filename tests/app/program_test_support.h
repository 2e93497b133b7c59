// The whole notes program brought up and down in the test's process, as
// start-up and shutdown do it, in a fresh folder of its own each time: the
// settings folder, the temporary folder and the data folder below it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/startup.h"
#include "editor_services/dialogs/syn_document_dialogs.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/color_box.h"

class TCustomSynTextEditor;
class TbsSkinPageControl;

class TProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Brings a running program down and removes the folder.
    void TearDown() override;

    // Start-up with the test's folders and DefaultDataBase.
    void Start(const AnsiString& DefaultDataBase = "");
    // What a user's close does: WM_CLOSE through the message loop, which
    // ends when the window has closed; then shutdown.
    void CloseAndStop();
    // Handles the waiting messages as the program's loop does, and lets the
    // program be idle once (the actions update).
    static void Idle();
    // A new article through its action, answered with Title; its editor
    // ends up focused.
    static TCustomSynTextEditor* NewArticle(const AnsiString& Title);
    // One key stroke with InjectShift, InjectCtrl and InjectAlt held, the
    // program idle before and after.
    static void Stroke(UINT Key, UINT Modifiers = 0);
    // A click on tab Index of the article tabs, or of Pages.
    static void ClickTab(int Index, TbsSkinPageControl* Pages = nullptr);
    // The titles of the open articles, in the order of their tabs' making.
    static std::vector<AnsiString> OpenTitles();

    AnsiString SettingsFolder() const { return folder_ + "/settings/"; }
    AnsiString TempFolder() const { return folder_ + "/temp/"; }
    AnsiString DataFile(const char* Name = "notes.vek") const { return folder_ + "/data/" + Name; }
    // The message boxes shown since the last call, as "caption: text".
    std::vector<std::string> TakeBoxes();
    // Answers the next message boxes with Result, each recorded.
    void AnswerBoxes(int Count, int Result = 1);
    // The file dialog that comes next answered with FileName, typed into
    // its name box and taken with Enter.
    static void AnswerFileDialog(const AnsiString& FileName);

    std::string folder_;

private:
    std::vector<std::string> boxes_;
    // What start-up installs for good, put back for the tests that follow
    // in this process.
    TSynSaveDialogFactory saveDialogs_;
    TSynPrintDialogFactory printDialogs_;
    TAskPdfFileHook askPdfFile_ = nullptr;
    TPickColorHook pickColor_ = nullptr;
};

// A shortcut's keys as the user presses them, once the program has been
// idle (its actions updated) since the last key.
void TypeShortCut(TShortCut Key);

// The built program beside the test program in the build tree.
std::string ProgramFile();
// The current article's editor (the one the editor actions work on);
// nullptr without one.
TCustomSynTextEditor* ActiveArticleEditor();
// The editor of the article tab the page control shows; nullptr without one.
TCustomSynTextEditor* ShownArticleEditor();

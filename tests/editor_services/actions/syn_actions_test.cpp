// The editor actions against document editors on a shown window: which
// editor they find, how read-only and a missing selection, printer, print
// engine or exporter enable them, and what running them does to the text,
// the bookmarks, the clipboard and the highlighter.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editor/syn_clipboard.h"
#include "editor_services/actions/syn_actions_bookmarks.h"
#include "editor_services/actions/syn_actions_dialogs.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/actions/syn_actions_print.h"
#include "editor_services/actions/syn_actions_search.h"
#include "editor_services/actions/syn_actions_select.h"
#include "editor_services/dialogs/syn_document_dialogs.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/settings/syn_highlighter_dialog_toggle.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/printing/syn_preview_dlg.h"
#include "editor_services/search/syn_search_dialog.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/printing/syn_text_print.h"
#include "editor_services/search/syn_text_searcher.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/base/files.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/printing/printer.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "tests/editor/syn_view_test_support.h"

namespace {

class TSynActionsTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        manager_ = std::make_unique<TSynManager>(nullptr);
        first_ = NewEditor(0);
        second_ = NewEditor(320);
        manager_->SetSynTextEditor(first_);
        owner_ = std::make_unique<TComponent>(nullptr);
        list_ = new TActionList(owner_.get());
    }
    void TearDown() override
    {
        TModalAnswers::Clear();
        owner_.reset();
        manager_.reset();
        TEditorViewTest::TearDown();
    }

    TSynTextEditor* NewEditor(int Left)
    {
        auto* editor = new TSynTextEditor(host_.get());
        editor->SetBounds(Left, 0, 300, 300);
        editor->SetParent(host_.get());
        editor->HandleNeeded();
        manager_->AddEditor(editor);
        return editor;
    }

    template <typename T>
    T* Add()
    {
        auto* action = new T(owner_.get());
        action->SetActionList(list_);
        return action;
    }

    // The idle-time update, then the state a menu would show.
    static bool Enabled(TCustomAction* Action)
    {
        Action->Update();
        return Action->Enabled();
    }
    static bool Checked(TCustomAction* Action)
    {
        Action->Update();
        return Action->Checked();
    }

    static AnsiString ClipboardText()
    {
        AnsiString text;
        EXPECT_TRUE(GetClipboardText(nullptr, text));
        return text;
    }

    std::unique_ptr<TSynManager> manager_;
    std::unique_ptr<TComponent> owner_;
    TActionList* list_ = nullptr;
    TSynTextEditor* first_ = nullptr;
    TSynTextEditor* second_ = nullptr;
};

TEST_F(TSynActionsTest, AFixedEditorWinsOverTheManagersCurrentOne)
{
    first_->SetText("說門 first");
    second_->SetText("second");
    auto* selectAll = Add<TaSynSelectAll>();
    selectAll->SetSynText(second_);
    EXPECT_TRUE(selectAll->Execute());
    EXPECT_EQ(second_->SelText(), "second");
    EXPECT_FALSE(first_->SelAvail());

    // Without its own editor the action takes the manager's current one.
    selectAll->SetSynText(nullptr);
    selectAll->Execute();
    EXPECT_EQ(first_->SelText(), "說門 first");

    // A fixed editor that goes is forgotten, never used.
    selectAll->SetSynText(second_);
    delete second_;
    second_ = nullptr;
    EXPECT_EQ(selectAll->SynText(), nullptr);
    EXPECT_TRUE(Enabled(selectAll));
}

TEST_F(TSynActionsTest, WithoutAnyEditorEveryActionIsDisabledAndDoesNothing)
{
    manager_->SetSynTextEditor(nullptr);
    first_->SetText("text");
    auto* clearAll = Add<TaSynClearAll>();
    auto* selectAll = Add<TaSynSelectAll>();
    auto* readOnly = Add<TaSynReadOnly>();
    for (TCustomAction* action : std::vector<TCustomAction*>{clearAll, selectAll, readOnly}) {
        EXPECT_FALSE(Enabled(action)) << action->ClassName();
        EXPECT_FALSE(action->Execute()) << action->ClassName();
    }
    EXPECT_EQ(first_->Text(), "text");
    // The class library may still offer an editor as the target.
    EXPECT_TRUE(clearAll->HandlesTarget(first_));
}

TEST_F(TSynActionsTest, ReadOnlyDisablesChangingActionsButNotCopyFindOrSelectionModes)
{
    first_->SetText("one two\r\nthree");
    first_->SetCaretXY(BufferCoord(4, 1));
    first_->ExecuteCommand(ecChar, 'x', nullptr);  // something to undo
    first_->SetCaretAndSelection(BufferCoord(5, 1), BufferCoord(1, 1), BufferCoord(5, 1));
    ASSERT_TRUE(SetClipboardText(nullptr, {{CF_TEXT, "pasted"}}));

    const std::vector<TCustomAction*> changing = {
        Add<TaSynCut>(), Add<TaSynAppendCut>(), Add<TaSynPaste>(), Add<TaSynUpperCase>(),
        Add<TaSynLowerCase>(), Add<TaSynToggleCase>(), Add<TaSynTitleCase>(), Add<TaSynReplace>(),
        Add<TaSynReplaceNext>(), Add<TaSynReplaceLast>(), Add<TaSynBlockIndent>(), Add<TaSynBlockUnindent>(),
        Add<TaSynDeleteNextchar>(), Add<TaSynDeleteWordToEnd>(), Add<TaSynDeleteWordToStart>(),
        Add<TaSynDeleteWord>(), Add<TaSynDeleteLineToEnd>(), Add<TaSynDeleteLineToStart>(),
        Add<TaSynDeleteLine>(), Add<TaSynClearAll>(), Add<TaSynInsertFile>(),
    };
    const std::vector<TCustomAction*> reading = {
        Add<TaSynCopy>(), Add<TaSynAppendCopy>(), Add<TaSynFind>(), Add<TaSynFindNext>(),
        Add<TaSynFindLast>(), Add<TaSynFindNextWord>(), Add<TaSynFindLastWord>(), Add<TaSynSelectAll>(),
        Add<TaSynSelectLine>(), Add<TaSynSelectWrod>(), Add<TaSynNormalSelect>(), Add<TaSynColumnSelect>(),
        Add<TaSynLineSelect>(), Add<TaSynReadOnly>(), Add<TaSynGotoBookmark>(), Add<TaSynMatchBracket>(),
        Add<TaSynJump>(), Add<TaSynOptionsSetting>(), Add<TaSynToggleHighlighter>(), Add<TaSynGotoLastChange>(),
    };
    for (TCustomAction* action : changing)
        EXPECT_TRUE(Enabled(action)) << action->ClassName();
    for (TCustomAction* action : reading)
        EXPECT_TRUE(Enabled(action)) << action->ClassName();

    first_->SetReadOnly(true);
    for (TCustomAction* action : changing)
        EXPECT_FALSE(Enabled(action)) << action->ClassName();
    for (TCustomAction* action : reading)
        EXPECT_TRUE(Enabled(action)) << action->ClassName();
    // Undo changes the text too, but is the editor's own to refuse.
    EXPECT_EQ(Enabled(Add<TaSynUndo>()), first_->CanUndo());
}

TEST_F(TSynActionsTest, SelectionAndHistoryDecideTheClipboardAndUndoActions)
{
    first_->SetText("abc");
    first_->ClearUndo();
    auto* cut = Add<TaSynCut>();
    auto* copy = Add<TaSynCopy>();
    auto* undo = Add<TaSynUndo>();
    auto* redo = Add<TaSynRedo>();
    EXPECT_FALSE(Enabled(cut));
    EXPECT_FALSE(Enabled(copy));
    EXPECT_FALSE(Enabled(undo));
    first_->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(1, 1), BufferCoord(3, 1));
    EXPECT_TRUE(Enabled(cut));
    EXPECT_TRUE(Enabled(copy));

    cut->Execute();
    EXPECT_EQ(first_->Text(), "c");
    EXPECT_TRUE(Enabled(undo));
    EXPECT_FALSE(Enabled(redo));
    undo->Execute();
    EXPECT_EQ(first_->Text(), "abc");
    EXPECT_TRUE(Enabled(redo));
    redo->Execute();
    EXPECT_EQ(first_->Text(), "c");
}

TEST_F(TSynActionsTest, AppendCopyAndCutJoinTheClipboardAndTheSelectionDirectly)
{
    first_->SetText("cd說門ef");
    ASSERT_TRUE(SetClipboardText(nullptr, {{CF_TEXT, "ab"}}));
    first_->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(1, 1), BufferCoord(3, 1));
    Add<TaSynAppendCopy>()->Execute();
    EXPECT_EQ(ClipboardText(), "abcd");
    EXPECT_EQ(first_->Text(), "cd說門ef");

    first_->SetCaretAndSelection(BufferCoord(7, 1), BufferCoord(3, 1), BufferCoord(7, 1));
    Add<TaSynAppendCut>()->Execute();
    EXPECT_EQ(ClipboardText(), "abcd說門");
    EXPECT_EQ(first_->Text(), "cdef");
    // Pasted back, the whole joined text arrives.
    first_->SetCaretXY(BufferCoord(1, 1));
    Add<TaSynPaste>()->Execute();
    EXPECT_EQ(first_->Text(), "abcd說門cdef");
}

TEST_F(TSynActionsTest, ClearAllIsOneUndoableChangeThatModifiesTheText)
{
    first_->SetText("說門\r\nline two\r\n中");
    first_->SetModified(false);
    first_->ClearUndo();
    // A column block would leave the longer lines standing.
    first_->SetSelectionMode(smColumn);
    auto* clearAll = Add<TaSynClearAll>();
    clearAll->Execute();
    EXPECT_EQ(first_->Text(), "");
    EXPECT_TRUE(first_->Modified());
    EXPECT_EQ(first_->SelectionMode(), smColumn);
    ASSERT_TRUE(first_->CanUndo());
    first_->Undo();
    EXPECT_EQ(first_->Text(), "說門\r\nline two\r\n中");
    EXPECT_FALSE(first_->CanUndo());
}

TEST_F(TSynActionsTest, BlockIndentWithoutASelectionIndentsTheCaretLine)
{
    first_->SetText("one\r\ntwo\r\nthree");
    first_->SetCaretXY(BufferCoord(2, 2));
    Add<TaSynBlockIndent>()->Execute();
    EXPECT_EQ(first_->Text(), "one\r\n  two\r\nthree");
    Add<TaSynBlockUnindent>()->Execute();
    EXPECT_EQ(first_->Text(), "one\r\ntwo\r\nthree");
}

TEST_F(TSynActionsTest, BookmarkActionsSetGoToAndClearTheirNumber)
{
    first_->SetText("zero\r\none\r\ntwo\r\nthree\r\nfour");
    auto* set = Add<TaSynSetBookmark>();
    auto* go = Add<TaSynGotoBookmark>();
    auto* clear = Add<TaSynClearBookmark>();

    for (int n : {3, 5}) {
        first_->SetCaretXY(BufferCoord(2, n));
        set->Bookmark = n;
        set->Execute();
    }
    int x = 0, y = 0;
    ASSERT_TRUE(first_->GetBookMark(5, x, y));
    EXPECT_EQ(y, 5);
    first_->SetCaretXY(BufferCoord(1, 1));
    go->Bookmark = 5;
    go->Execute();
    EXPECT_EQ(first_->CaretXY(), BufferCoord(2, 5));

    // Setting it again on its line takes it away.
    set->Execute();
    EXPECT_FALSE(first_->IsBookmark(5));
    set->Execute();

    // A number outside 0 .. 9 would add up to another command: -50 to
    // going to bookmark 0.
    first_->SetCaretXY(BufferCoord(1, 1));
    set->Bookmark = 0;
    set->Execute();
    first_->SetCaretXY(BufferCoord(3, 4));
    set->Bookmark = -50;
    set->Execute();
    EXPECT_EQ(first_->CaretXY(), BufferCoord(3, 4));

    clear->Bookmark = 3;
    clear->Execute();
    EXPECT_FALSE(first_->IsBookmark(3));
    EXPECT_TRUE(first_->IsBookmark(5));
    EXPECT_TRUE(first_->IsBookmark(0));
    clear->Bookmark = -1;
    clear->Execute();
    for (int n = 0; n < 10; ++n)
        EXPECT_FALSE(first_->IsBookmark(n)) << n;
}

TEST_F(TSynActionsTest, ReadOnlyAndSelectionModeActionsAreCheckedOnTheEditorsState)
{
    auto* readOnly = Add<TaSynReadOnly>();
    auto* normal = Add<TaSynNormalSelect>();
    auto* column = Add<TaSynColumnSelect>();
    auto* line = Add<TaSynLineSelect>();
    EXPECT_FALSE(Checked(readOnly));
    readOnly->Execute();
    EXPECT_TRUE(first_->ReadOnly());
    EXPECT_TRUE(Checked(readOnly));
    readOnly->Execute();
    EXPECT_FALSE(first_->ReadOnly());

    EXPECT_TRUE(Checked(normal));
    column->Execute();
    EXPECT_EQ(first_->SelectionMode(), smColumn);
    EXPECT_FALSE(Checked(normal));
    EXPECT_TRUE(Checked(column));
    line->Execute();
    EXPECT_TRUE(Checked(line));
    EXPECT_FALSE(Checked(column));
    // Another editor becoming the current one brings its own state.
    manager_->SetSynTextEditor(second_);
    EXPECT_TRUE(Checked(normal));
    EXPECT_FALSE(Checked(line));
}

TEST_F(TSynActionsTest, TextActionsAskTheirEventsWithTheEditor)
{
    auto* action = Add<TSynTextAction>();
    std::vector<TCustomSynText*> seen;
    bool enable = false;
    EXPECT_TRUE(Enabled(action));
    action->OnUpdate = TSynTextUpdateEvent::FromCallable([&](TObject*, TCustomSynText* Editor) {
        seen.push_back(Editor);
        return enable;
    });
    action->OnExecute = TSynTextExecuteEvent::FromCallable([&](TObject*, TCustomSynText* Editor) {
        seen.push_back(Editor);
    });
    EXPECT_FALSE(Enabled(action));
    enable = true;
    action->SetSynText(second_);
    EXPECT_TRUE(action->Execute());
    EXPECT_EQ(seen, (std::vector<TCustomSynText*>{first_, second_, second_}));
}

TEST_F(TSynActionsTest, FindActionsRunOnlyWhileTheirDialogIsThere)
{
    first_->SetText("alpha beta alpha");
    const TSynSearchDialogFactory findDialogs = SynFindDialogFactory;
    SynFindDialogFactory = nullptr;
    SynTextSearcher().SearchText = "alpha";
    auto* findNext = Add<TaSynFindNext>();
    first_->SetCaretXY(BufferCoord(2, 1));
    findNext->Execute();
    EXPECT_FALSE(first_->SelAvail());
    SynFindDialogFactory = findDialogs;
    findNext->Execute();
    EXPECT_EQ(first_->BlockBegin(), BufferCoord(12, 1));
    EXPECT_EQ(first_->SelText(), "alpha");
}

// Records what the document editor's print command asks of the engine.
class TRecordingPrint : public TSynTextPrint {
public:
    using TSynTextPrint::TSynTextPrint;
    void AssignFromEditor(TCustomSynText*) override { log.push_back("editor"); }
    void SetHighlighter(TSynCustomHighlighter*) override {}
    void PrintRange(int, int) override { log.push_back("print"); }
    std::vector<AnsiString> log;
};

TEST_F(TSynActionsTest, PrintActionsNeedAPrinterAndPrintOnlyWithAPrintEngine)
{
    first_->SetText("page");
    auto* print = Add<TaSynPrint>();
    auto* quick = Add<TaSynQuickPrint>();
    auto* setup = Add<TaSynPageSetup>();
    auto* preview = Add<TaSynPreview>();
    ASSERT_GT(Printer().Printers()->Count(), 0);  // the PDF printer at least

    // No engine: printing is offered but does nothing; page setup is not.
    EXPECT_TRUE(Enabled(print));
    EXPECT_TRUE(Enabled(quick));
    EXPECT_FALSE(Enabled(setup));
    EXPECT_FALSE(Enabled(preview));
    quick->Execute();

    TRecordingPrint engine(owner_.get());
    quick->SetPrint(&engine);
    setup->SetPrint(&engine);
    preview->SetPrint(&engine);
    EXPECT_TRUE(Enabled(setup));
    EXPECT_TRUE(Enabled(preview));
    quick->Execute();
    EXPECT_EQ(engine.log, (std::vector<AnsiString>{"editor", "print"}));
    // The preview takes the editor, then shows the engine's pages.
    engine.log.clear();
    TModalAnswers::Push([&](const TModalRequest& Request) {
        EXPECT_NE(dynamic_cast<TSynPreviewDlg*>(Request.Form), nullptr);
        return mrCancel;
    });
    preview->Execute();
    EXPECT_EQ(engine.log.front(), "editor");

    // With no printer installed nothing prints.
    Printer().Printers()->Clear();
    EXPECT_FALSE(Enabled(print));
    EXPECT_FALSE(Enabled(quick));
    EXPECT_FALSE(Enabled(setup));
    EXPECT_FALSE(Enabled(preview));
    engine.log.clear();
    quick->Execute();
    quick->ExecuteTarget(nullptr);
    EXPECT_TRUE(engine.log.empty());
    Printer().Refresh();
}

TEST_F(TSynActionsTest, PrintActionsForgetAnEngineThatGoes)
{
    auto* quick = Add<TaSynQuickPrint>();
    {
        TRecordingPrint engine(nullptr);
        quick->SetPrint(&engine);
    }
    EXPECT_EQ(quick->Print(), nullptr);
    quick->Execute();
}

class TNamedDialog : public TSynFileDialog {
public:
    explicit TNamedDialog(AnsiString AName) : name(std::move(AName)) {}
    AnsiString Title() const override { return title; }
    void SetTitle(const AnsiString& Value) override { title = Value; }
    AnsiString Filter() const override { return AnsiString(); }
    void SetFilter(const AnsiString&) override {}
    AnsiString FileName() const override { return name; }
    bool Execute() override { return true; }
    AnsiString name, title;
};

TEST_F(TSynActionsTest, TheExportActionIsDisabledWithoutAnExporterAndAsksForTheFileWithOne)
{
    first_->SetText("<說門>");
    auto* exportAction = Add<TaSynExporter>();
    EXPECT_FALSE(Enabled(exportAction));
    EXPECT_FALSE(exportAction->Execute());
    exportAction->ExecuteTarget(nullptr);  // straight from a target walk: still nothing

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tandril-actions-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const AnsiString name = (folder / "page").string();
    SynSaveDialogFactory = [&](TComponent*) { return std::make_unique<TNamedDialog>(name); };
    auto* exporter = new TSynExporterHTML(owner_.get());
    exportAction->SetExporter(exporter);
    EXPECT_TRUE(Enabled(exportAction));
    exportAction->Execute();
    EXPECT_TRUE(FileExists(name + ".htm"));
    SynSaveDialogFactory = nullptr;
    std::filesystem::remove_all(folder);

    delete exporter;
    EXPECT_EQ(exportAction->Exporter(), nullptr);
    EXPECT_FALSE(Enabled(exportAction));
}

class TToggleHighlighterActionTest : public TSynActionsTest {
protected:
    void SetUp() override
    {
        TSynActionsTest::SetUp();
        for (const char* language : {"C++", "說門"}) {
            auto* highlighter = new TSynLexSyn(owner_.get());
            highlighter->Info()->General.Name = language;
            auto* item = static_cast<TSynHighlighterItem*>(manager_->Highlighters()->Add());
            item->SetHighlighter(highlighter);
            item->IsLoaded = true;
        }
    }
    // Answers the dialog with OK on Row after recording its rows and the
    // row it came up with.
    void AnswerWithRow(int Row)
    {
        TModalAnswers::Push([this, Row](const TModalRequest& Request) {
            auto* dialog = dynamic_cast<TToggleHighlighterDlg*>(Request.Form);
            rows_ = dialog->ListBox1->Items()->Text();
            shownRow_ = dialog->ListBox1->ItemIndex();
            dialog->ListBox1->SetItemIndex(Row);
            return mrOk;
        });
    }
    AnsiString rows_;
    int shownRow_ = -2;
};

TEST_F(TToggleHighlighterActionTest, TheDialogListsTheLanguagesAndTheChosenRowGivesTheHighlighter)
{
    auto* toggle = Add<TaSynToggleHighlighter>();
    AnswerWithRow(2);
    toggle->Execute();
    EXPECT_EQ(rows_, "[不显示语法高亮]\r\nC++\r\n說門\r\n");
    EXPECT_EQ(first_->Highlighter(), manager_->Highlighters()->GetHighlighter(1));

    AnswerWithRow(0);
    toggle->Execute();
    EXPECT_EQ(shownRow_, 2);  // the editor's language comes up selected
    EXPECT_EQ(first_->Highlighter(), nullptr);

    // Cancel keeps what the editor has.
    manager_->Highlighters()->ApplyToEditor(first_, 0);
    TModalAnswers::Push(mrCancel);
    toggle->Execute();
    EXPECT_EQ(first_->Highlighter(), manager_->Highlighters()->GetHighlighter(0));
}

}  // namespace

// The settings manager on a real settings folder: scanning the schemes
// folder, failures that never stop a load or a save, template files kept
// byte for byte, and the editor settings file.
#include "editor_services/settings/syn_manager.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "editor/completion/syn_auto_complete.h"
#include "editor/completion/syn_completion_proposal.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/settings/syn_text_source.h"
#include "tests/editor_services/golden_text.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/editor_services/settings/manager_test_support.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"

namespace {

// A file the program wrote back: the same lines with LF alone.
std::string WithoutCarriageReturns(std::string Text)
{
    std::erase(Text, '\r');
    return Text;
}

AnsiString LanguageOf(TSynCustomManager* Manager, int Index)
{
    return Manager->Highlighters()->GetHighlighter(Index)->GetFriendlyLanguageName();
}

// A template file holding every kind of line an INI reader would change.
const std::string kTemplateFile =
    "[CodeTemplate]\r\n"
    "for\r\n"
    "|for loop\r\n"
    "for (int i = 0; i < |; ++i) {\r\n"
    "\t\r\n"
    "}\r\n"
    "=equals first\r\n"
    "[bracketed]\r\n"
    "\tkey=value\r\n"
    ";semicolon\r\n"
    "\xD5\x66\xE9\x54\xDF\x40\x81\x5C\r\n"
    "\r\n"
    "\r\n"
    "[CodeInsightItems]\r\n"
    "\\style{+B}printf\\style{-B}\r\n"
    "[CodeTemplate]\r\n"
    "\r\n"
    "[CodeInsightInserts]\r\n"
    "printf\r\n"
    "=\r\n"
    "\r\n";

}  // namespace

TEST_F(TManagerTest, ScanNamesSchemesFromTheIndexBeforeTheirInformation)
{
    WriteScheme("Alpha.xml", "Alpha", "a");
    WriteScheme("beta.XML", "Beta in XML", "b");
    WriteScheme("\xD6\xD0.xml", "\xD5\x66\xE9\x54", "gbk");  // 中.xml, language 說門
    WriteBytes(SchemesFolder() + "syntax.ini", "[syntax]\r\nBETA.xml.Name=Beta from index\r\nbeta.xml.Extensions=bb\r\n");
    WriteBytes(SchemesFolder() + "notes.txt", "not a scheme");

    manager_->LoadSettings();
    EXPECT_TRUE(TakeReports().empty());
    TSynHighlighters* list = manager_->Highlighters();
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->GetItem(0)->FileName, "Alpha.xml");
    EXPECT_EQ(LanguageOf(manager_, 0), "Alpha");
    EXPECT_EQ(list->GetItem(1)->FileName, "beta.XML");
    EXPECT_EQ(LanguageOf(manager_, 1), "Beta from index");
    EXPECT_EQ(list->GetItem(1)->FullPath, SchemesFolder() + "beta.XML");
    EXPECT_FALSE(list->GetItem(1)->IsLoaded);
    EXPECT_EQ(LanguageOf(manager_, 2), "\xD5\x66\xE9\x54");
    // An item shows as its language; one without a highlighter as nothing.
    EXPECT_EQ(list->GetItem(1)->DisplayName(), "Beta from index");
    EXPECT_EQ(list->GetItem(2)->DisplayName(), "\xD5\x66\xE9\x54");
    TCollectionItem* bare = list->Add();
    EXPECT_EQ(bare->DisplayName(), "");
    delete bare;

    // Lookups ignore the case of ASCII letters only.
    EXPECT_EQ(list->IndexOfLanguage("ALPHA"), 0);
    EXPECT_EQ(list->IndexOfLanguage("beta FROM index"), 1);
    EXPECT_EQ(list->IndexOfLanguage("\xD5\x66\xE9\x54"), 2);
    EXPECT_EQ(list->IndexOfLanguage("\xD5\x46\xE9\x54"), -1);  // 'f' trail byte as 'F'
    EXPECT_EQ(list->IndexOfLanguage("Gamma"), -1);
    EXPECT_EQ(list->GetItem(3), nullptr);
    EXPECT_EQ(list->GetHighlighter(-1), nullptr);

    // Completion objects come with the options their lookup lists need.
    EXPECT_TRUE(list->GetItem(0)->CodeTemplate()->Options().Contains(scoCompleteWithTab));
    EXPECT_TRUE(list->GetItem(0)->CodeTemplate()->Options().Contains(scoCompleteWithEnter));
    EXPECT_TRUE(list->GetItem(0)->CodeInsight()->Options().Contains(scoCompleteWithEnter));

    // Saving writes the index with the current names, and leaves unused
    // schemes' files as they were.
    const std::string alpha = ReadScheme("Alpha.xml");
    manager_->SaveSettings();
    EXPECT_TRUE(TakeReports().empty());
    ExpectGoldenText(ReadScheme("syntax.ini"), "syntax_after_scan.ini");
    EXPECT_EQ(ReadScheme("Alpha.xml"), alpha);
    EXPECT_FALSE(std::filesystem::exists(SchemesFolder() + "Alpha.ini"));
}

TEST_F(TManagerTest, RescanKeepsOneItemPerFileAndResetsLoading)
{
    WriteScheme("Alpha.xml", "Alpha", "a");
    manager_->LoadSettings();
    TSynTextEditor editor(nullptr);
    manager_->Highlighters()->ApplyToEditor(&editor, 0);
    TSynHighlighterItem* item = manager_->Highlighters()->GetItem(0);
    EXPECT_TRUE(item->IsLoaded);
    EXPECT_EQ(editor.Highlighter(), item->Highlighter());

    std::filesystem::rename(SchemesFolder() + "Alpha.xml", SchemesFolder() + "ALPHA.xml");
    manager_->LoadSettings();
    ASSERT_EQ(manager_->Highlighters()->Count(), 1);
    EXPECT_EQ(item->FileName, "Alpha.xml");
    EXPECT_FALSE(item->IsLoaded);

    // An empty folder, or none, gives no items and no highlighter.
    manager_->HighlightersPath = "Missing";
    manager_->Highlighters()->Clear();
    manager_->LoadSettings();
    EXPECT_EQ(manager_->Highlighters()->Count(), 0);
    EXPECT_TRUE(TakeReports().empty());
}

TEST_F(TManagerTest, MalformedSchemeAndXmlFolderDoNotStopTheScanOrTheSave)
{
    WriteScheme("Alpha.xml", "Alpha", "a");
    WriteBytes(SchemesFolder() + "Broken.xml", "<LexHighlighter><SyntaxColoring>");
    std::filesystem::create_directory(SchemesFolder() + "x.xml");
    WriteScheme("Zeta.xml", "Zeta", "z");
    manager_->EditorSourceIni = "EditorOptions.ini";
    TSynTextSource store(nullptr);
    manager_->SetEditorSource(&store);

    manager_->LoadSettings();
    const std::vector<std::string> reports = TakeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("Broken.xml"), std::string::npos);
    EXPECT_EQ(reports[0].find("x.xml"), std::string::npos);  // one box lists every failure
    ASSERT_EQ(manager_->Highlighters()->Count(), 2);
    EXPECT_EQ(LanguageOf(manager_, 1), "Zeta");

    manager_->SaveSettings();
    EXPECT_TRUE(TakeReports().empty());
    EXPECT_EQ(ReadScheme("Broken.xml"), "<LexHighlighter><SyntaxColoring>");
    ExpectGoldenText(ReadBytes(Folder() + "EditorOptions.ini"), "editor_store_default.ini");
}

TEST_F(TManagerTest, SchemeInUseDamagedBeforeARescanIsNeverSavedOver)
{
    // Named by its own information element only: "syntax.ini" has no name
    // for it, so the rescan has to read the damaged file to name it.
    WriteScheme("Alpha.xml", "Alpha", "a");
    WriteBytes(SchemesFolder() + "syntax.ini", "[syntax]\r\nAlpha.xml.Extensions=a\r\n");
    manager_->LoadSettings();
    TSynTextEditor editor(nullptr);
    manager_->Highlighters()->ApplyToEditor(&editor, 0);
    ASSERT_NE(editor.Highlighter(), nullptr);

    const std::string damaged = "<LexHighlighter><SyntaxColoring><Info>\xD5\x66\xE9";
    WriteBytes(SchemesFolder() + "Alpha.xml", damaged);
    manager_->LoadSettings();
    const std::vector<std::string> reports = TakeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("Alpha.xml"), std::string::npos);
    EXPECT_FALSE(manager_->Highlighters()->GetItem(0)->IsLoaded);

    manager_->SaveSettings();
    EXPECT_TRUE(TakeReports().empty());
    EXPECT_EQ(ReadScheme("Alpha.xml"), damaged);
}

TEST_F(TManagerTest, SchemeFailingAtFirstUseIsReportedAndNeverSavedBack)
{
    WriteBytes(SchemesFolder() + "syntax.ini", "[syntax]\r\nBad.xml.Name=Bad\r\n");
    const std::string broken = "<LexHighlighter version=\"2.0\"><SyntaxColoring>";
    WriteBytes(SchemesFolder() + "Bad.xml", broken);
    WriteScheme("Good.xml", "Good", "g");
    manager_->EditorSourceIni = "EditorOptions.ini";
    TSynTextSource store(nullptr);
    manager_->SetEditorSource(&store);
    manager_->LoadSettings();
    EXPECT_TRUE(TakeReports().empty());
    ASSERT_EQ(manager_->Highlighters()->Count(), 2);

    TSynTextEditor editor(nullptr);
    manager_->Highlighters()->ApplyToEditor(&editor, 1);
    EXPECT_NE(editor.Highlighter(), nullptr);
    manager_->Highlighters()->ApplyToEditor(&editor, manager_->Highlighters()->IndexOfLanguage("bad"));
    EXPECT_EQ(editor.Highlighter(), nullptr);
    const std::vector<std::string> reports = TakeReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("Bad.xml"), std::string::npos);

    // A scheme and a template file that can't be written (folders hold
    // their names) are reported together, and the rest is saved all the
    // same.
    std::filesystem::create_directory(SchemesFolder() + "Good.ini");
    std::filesystem::remove(SchemesFolder() + "Good.xml");
    std::filesystem::create_directory(SchemesFolder() + "Good.xml");
    manager_->SaveSettings();
    const std::vector<std::string> saveReports = TakeReports();
    ASSERT_EQ(saveReports.size(), 1u);
    EXPECT_NE(saveReports[0].find("Good.ini"), std::string::npos);
    EXPECT_NE(saveReports[0].find("Good.xml"), std::string::npos);
    EXPECT_EQ(ReadScheme("Bad.xml"), broken);
    EXPECT_TRUE(std::filesystem::exists(SchemesFolder() + "Bad.ini"));
    EXPECT_NE(ReadScheme("syntax.ini").find("Good.xml.Name=Good"), std::string::npos);
    ExpectGoldenText(ReadBytes(Folder() + "EditorOptions.ini"), "editor_store_default.ini");
}

TEST_F(TManagerTest, TemplateFileSurvivesLoadAndSaveAlsoAfterARescan)
{
    WriteScheme("C.xml", "C", "c");
    WriteBytes(SchemesFolder() + "C.ini", kTemplateFile);
    manager_->LoadSettings();
    TSynTextEditor editor(nullptr);
    TSynHighlighters* list = manager_->Highlighters();
    list->ApplyToEditor(&editor, 0);
    EXPECT_EQ(list->GetItem(0)->CodeTemplate()->AutoCompleteList()->Strings(5), "=equals first");
    EXPECT_EQ(list->GetItem(0)->CodeInsight()->InsertList()->Count(), 2);

    manager_->SaveSettings();
    EXPECT_EQ(ReadScheme("C.ini"), WithoutCarriageReturns(kTemplateFile));
    for (int scan = 0; scan < 2; ++scan) {
        manager_->LoadSettings();
        list->ApplyToEditor(&editor, 0);
        manager_->SaveSettings();
        EXPECT_EQ(ReadScheme("C.ini"), WithoutCarriageReturns(kTemplateFile)) << "after rescan " << scan;
    }
    EXPECT_TRUE(TakeReports().empty());
}

TEST_F(TManagerTest, EditorStoreLoadsFromTheSettingsFileAndReachesNewEditors)
{
    WriteBytes(Folder() + "EditorOptions.ini", "[Editor Store]\r\nTabWidth=6\r\nFont=Courier New,-15,B,0,clRed,1\r\n");
    manager_->EditorSourceIni = "EditorOptions.ini";
    TSynTextSource store(nullptr);
    store.TabWidth = 2;
    manager_->SetEditorSource(&store);
    EXPECT_EQ(store.TabWidth, 2);  // not loaded yet: the manager itself is not loaded
    manager_->LoadSettings();
    EXPECT_EQ(store.TabWidth, 6);

    TSynTextEditor editor(nullptr);
    EXPECT_EQ(manager_->AddEditor(&editor), 0);
    EXPECT_EQ(editor.TabWidth(), 6);
    EXPECT_EQ(editor.Font()->Height(), -15);

    // A store set after the manager was loaded reads its section at once.
    TSynTextSource later(nullptr);
    TSynManager loaded(nullptr);
    loaded.SettingsFolder = Folder();
    loaded.EditorSourceIni = "EditorOptions.ini";
    loaded.Loaded();
    loaded.SetEditorSource(&later);
    EXPECT_EQ(later.TabWidth, 6);
    EXPECT_TRUE(TakeReports().empty());
}

TEST_F(TManagerTest, AReadOnlyEditorSettingsFileIsReportedByNameAndKept)
{
    const std::string fileName = Folder() + "EditorOptions.ini";
    const std::string before = "[Editor Store]\r\nTabWidth=6\r\n";
    WriteBytes(fileName, before);
    ASSERT_EQ(chmod(fileName.c_str(), 0444), 0);
    manager_->EditorSourceIni = "EditorOptions.ini";
    TSynTextSource store(nullptr);
    manager_->SetEditorSource(&store);
    manager_->LoadSettings();
    EXPECT_EQ(store.TabWidth, 6);

    store.TabWidth = 3;
    manager_->SaveSettings();
    EXPECT_EQ(TakeReports(), std::vector<std::string>{fileName + ": Cannot create file \"" + fileName +
                                                      "\". Permission denied"});
    EXPECT_EQ(ReadBytes(fileName), before);
}

TEST_F(TManagerTest, BuildFilterEndsEveryPartWithABar)
{
    AnsiString filter = "x";
    manager_->BuildFilter(filter);
    EXPECT_EQ(filter, "");
    WriteScheme("A.xml", "Alpha", "a");
    WriteScheme("B.xml", "Beta", "b");
    manager_->LoadSettings();
    manager_->Filter = "All files (*.*)|*.*";
    manager_->BuildFilter(filter);
    EXPECT_EQ(filter, "All files (*.*)|*.*|" + manager_->Highlighters()->GetHighlighter(0)->GetDefaultFilter() + "|" +
                          manager_->Highlighters()->GetHighlighter(1)->GetDefaultFilter() + "|");
}

TEST(TSynManagerGlobal, TheLastManagerIsTheGlobalOneUntilItGoes)
{
    auto* first = new TSynManager(nullptr);
    auto* second = new TSynManager(nullptr);
    EXPECT_EQ(GlobalSynManager(), second);
    delete first;
    EXPECT_EQ(GlobalSynManager(), second);
    delete second;
    EXPECT_EQ(GlobalSynManager(), nullptr);
    EXPECT_EQ(ActiveEditor(), nullptr);
}

TEST_F(TManagerTest, AutoLoadAutoSaveAndTheIniFileEvent)
{
    WriteScheme("A.xml", "Alpha", "a");
    TSynTextSource store(nullptr);
    store.TabWidth = 4;
    auto* manager = new TSynManager(nullptr);
    manager->SettingsFolder = Folder();
    manager->HighlightersPath = "Syntaxs";
    manager->EditorSourceIni = "EditorOptions.ini";
    manager->SetEditorSource(&store);
    manager->AutoLoad = true;
    manager->AutoSave = true;
    // Every settings file opens through the event; the one it leaves alone
    // opens as a plain INI file.
    std::vector<std::string> opened;
    manager->OnCreateIniFile = TSynManagerCreateIniEvent::FromCallable(
        [&opened](TObject*, const AnsiString& FileName, TCustomIniFile*& Ini) {
            opened.push_back(FileName.substr(FileName.rfind('/') + 1));
            if (FileName.ends_with("syntax.ini"))
                Ini = new TMemIniFile(FileName);
        });
    manager->Loaded();
    EXPECT_EQ(manager->Highlighters()->Count(), 1);
    EXPECT_EQ(opened, std::vector<std::string>{"EditorOptions.ini"});  // no index to open

    delete manager;  // saves
    EXPECT_EQ(opened, (std::vector<std::string>{"EditorOptions.ini", "syntax.ini", "EditorOptions.ini"}));
    EXPECT_NE(ReadScheme("syntax.ini").find("A.xml.Name=Alpha"), std::string::npos);
    EXPECT_NE(ReadBytes(Folder() + "EditorOptions.ini").find("TabWidth=4\n"), std::string::npos);
    EXPECT_TRUE(TakeReports().empty());
}

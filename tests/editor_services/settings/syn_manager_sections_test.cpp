// The settings manager's auto-correct and spell-check members: their
// sections round-trip through the settings file byte for byte, the spell
// checker's dictionary opens with them and its word files are written back,
// a member set after loading reads its section at once, and registered
// editors are corrected while registered and forgotten when unregistered.
#include <sys/stat.h>

#include <cstdlib>
#include <memory>

#include "editor_services/spelling/syn_auto_correct.h"
#include "editor_services/spelling/syn_spell_check.h"
#include "editor_services/syn_text_editor.h"
#include "tests/editor_services/settings/manager_test_support.h"
#include "platform/base/string_list.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "tests/editor/syn_view_test_support.h"
#include "tests/support/message_pump.h"

namespace {

class TManagerSectionsTest : public TManagerTest {
protected:
    void SetUp() override
    {
        TManagerTest::SetUp();
        mkdir((Folder() + "dict").c_str(), 0700);
        WriteBytes(Folder() + "dict/english.dic", "hello\nworld\n");
    }
    // A manager on the test's folder with both members configured, loaded
    // as its form would load it.
    std::unique_ptr<TSynManager> NewManager(TSynAutoCorrect* AutoCorrect, TZavIdiziCheck* SpellCheck,
                                            bool AutoLoad = true)
    {
        auto manager = std::make_unique<TSynManager>(nullptr);
        manager->SettingsFolder = Folder();
        manager->HighlightersPath = "Syntaxs";
        manager->AutoCorrectIni = "Settings.ini";
        manager->SpellCheckIni = "Settings.ini";
        manager->SetAutoCorrect(AutoCorrect);
        manager->SetSpellCheck(SpellCheck);
        manager->AutoLoad = AutoLoad;
        manager->Loaded();
        return manager;
    }
    void Prepare(TZavIdiziCheck& Check)
    {
        Check.SettingsFolder = Folder();
        Check.SystemWordList.clear();
    }
};

TEST_F(TManagerSectionsTest, BothSectionsRoundTripByteForByteAndTheWordFilesAreWritten)
{
    TSynAutoCorrect savedCorrect(nullptr);
    TZavIdiziCheck savedCheck(nullptr);
    Prepare(savedCheck);
    savedCheck.SetDictionaryPath("dict/");
    savedCheck.SetUserDirectory("user/");
    {
        // No file yet: loading keeps what the members hold, without items.
        auto manager = NewManager(&savedCorrect, &savedCheck);
        EXPECT_TRUE(savedCheck.OpenDictionary()) << "the dictionary opens with the section";
        EXPECT_TRUE(savedCheck.CheckWord("hello"));
        savedCorrect.Items()->Add("teh\tthe");
        savedCorrect.Items()->Add("說門\t中文");
        savedCorrect.Options = {ascoMaintainCase};
        savedCheck.SetApostrophes("'_");
        savedCheck.SetHashLength(6);
        savedCheck.CheckAttribs()->Add("Keyword");
        savedCheck.AddWord("tandril");
        savedCheck.SkipList()->Add("zzz");
        manager->SaveSettings();
    }
    const std::string file = ReadBytes(Folder() + "Settings.ini");
    EXPECT_NE(file.find("[Auto Correct]"), std::string::npos);
    EXPECT_NE(file.find("[Spell Check]"), std::string::npos);
    EXPECT_NE(file.find("說門"), std::string::npos);
    EXPECT_NE(ReadBytes(savedCheck.UserDictionaryFileName()).find("tandril"), std::string::npos);
    EXPECT_NE(ReadBytes(savedCheck.SkipListFileName()).find("zzz"), std::string::npos);

    TSynAutoCorrect loadedCorrect(nullptr);
    TZavIdiziCheck loadedCheck(nullptr);
    Prepare(loadedCheck);
    {
        auto manager = NewManager(&loadedCorrect, &loadedCheck);
        EXPECT_EQ(loadedCorrect.Items()->Text(), savedCorrect.Items()->Text());
        EXPECT_EQ(loadedCorrect.Options, (TAsSynAutoCorrectOptions{ascoMaintainCase}));
        EXPECT_EQ(loadedCheck.Apostrophes(), "'_");
        EXPECT_EQ(loadedCheck.HashLength(), 6);
        EXPECT_TRUE(loadedCheck.OpenDictionary());
        EXPECT_TRUE(loadedCheck.CheckWord("tandril")) << "the user's words come with the dictionary";
        EXPECT_TRUE(loadedCheck.CheckWord("zzz")) << "and the skip list";
        WriteBytes(Folder() + "Settings.ini", "");
        manager->SaveSettings();
    }
    EXPECT_EQ(ReadBytes(Folder() + "Settings.ini"), file);
    EXPECT_TRUE(TakeReports().empty());
}

TEST_F(TManagerSectionsTest, MembersSetAfterLoadingReadTheirSectionAtOnceAndUnsetOnesWriteNothing)
{
    WriteBytes(Folder() + "Settings.ini",
               "[Auto Correct]\r\nEnabled=0\r\n[Spell Check]\r\nApostrophes=-\r\nDictionaryPath=dict/\r\n");
    auto manager = NewManager(nullptr, nullptr, false);
    TSynAutoCorrect correct(nullptr);
    TZavIdiziCheck check(nullptr);
    Prepare(check);
    manager->SetAutoCorrect(&correct);
    manager->SetSpellCheck(&check);
    EXPECT_FALSE(correct.Enabled);
    EXPECT_EQ(check.Apostrophes(), "-");
    EXPECT_TRUE(check.OpenDictionary());

    // Freed members are dropped; saving then leaves the file alone.
    const std::string before = ReadBytes(Folder() + "Settings.ini");
    {
        TSynAutoCorrect gone(nullptr);
        manager->SetAutoCorrect(&gone);
    }
    EXPECT_EQ(manager->AutoCorrect(), nullptr);
    manager->SetSpellCheck(nullptr);
    manager->SaveSettings();
    EXPECT_EQ(ReadBytes(Folder() + "Settings.ini"), before);
}

TEST_F(TManagerSectionsTest, RegisteredEditorsAreCorrectedAndForgottenWhenUnregistered)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    TEditorHost host;
    host.Show();
    host.HandleNeeded();
    TSynAutoCorrect correct(nullptr);
    correct.Items()->Add("teh\tthe");
    TZavIdiziCheck check(nullptr);
    Prepare(check);
    manager_->SetAutoCorrect(&correct);
    manager_->SetSpellCheck(&check);
    auto* editor = new TSynTextEditor(&host);
    editor->SetBounds(0, 0, 300, 100);
    editor->SetParent(&host);
    editor->HandleNeeded();
    SetActiveWindow(host.Handle());
    editor->SetFocus();
    PumpMessages();

    manager_->AddEditor(editor);
    check.AddEditor(editor);
    InjectText("teh ");
    PumpMessages();
    EXPECT_EQ(editor->Text(), "the ");

    manager_->RemoveEditor(editor);
    EXPECT_FALSE(check.RemoveEditor(editor)) << "the spell checker forgot it";
    InjectText("teh ");
    PumpMessages();
    EXPECT_EQ(editor->Text(), "the teh ");

    // Freed while registered: every member lets it go.
    manager_->AddEditor(editor);
    delete editor;
    EXPECT_EQ(manager_->GetEditorCount(), 0);
}

}  // namespace

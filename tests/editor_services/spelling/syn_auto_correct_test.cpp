// Auto-correct: the text rules on their own, the settings section byte for
// byte, and a user typing and clicking in a memo through the message loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "editor_services/spelling/syn_auto_correct.h"
#include "editor_services/spelling/syn_auto_correct_text.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/win/clock.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/ime_result.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "tests/editor/syn_view_test_support.h"
#include "tests/platform/base/temp_folder.h"

namespace {

// Trail bytes that read as 'f' (說 D5 66), 'T' (門 E9 54) and '@' (這 DF 40),
// and one that is itself a lead byte (中 D6 D0).
const AnsiString Shuo = "說";
const AnsiString Men = "門";
const AnsiString Zhe = "這";
const AnsiString Zhong = "中";

TEST(SynAutoCorrectText, ItemsSplitAtTheirLastSingleByteSeparator)
{
    struct {
        AnsiString Item;
        char Separator;
        AnsiString Original;
        AnsiString Correction;
    } const cases[] = {
        {"teh\tthe", '\t', "teh", "the"},
        {"a\tb\tc", '\t', "a\tb", "c"},
        {"alone", '\t', "alone", ""},
        {"\tx", '\t', "", "x"},
        {"a@" + Zhe, '@', "a", Zhe},
        {Shuo + "f" + Shuo, 'f', Shuo, Shuo},
        {Men + "T", 'T', Men, ""},
    };
    for (const auto& c : cases) {
        AnsiString original = "stale";
        AnsiString correction = "stale";
        SplitAutoCorrectItem(c.Item, c.Separator, original, correction);
        EXPECT_EQ(original, c.Original) << c.Item;
        EXPECT_EQ(correction, c.Correction) << c.Item;
    }
}

TEST(SynAutoCorrectText, TheMatchedTextsCaseDecidesTheCorrectionsCase)
{
    EXPECT_EQ(KeepAutoCorrectCase("teh", "The"), "the");
    EXPECT_EQ(KeepAutoCorrectCase("Teh", "the"), "The");
    EXPECT_EQ(KeepAutoCorrectCase("TEH", "the"), "THE");
    EXPECT_EQ(KeepAutoCorrectCase("tEh", "tHe"), "tHe");
    EXPECT_EQ(KeepAutoCorrectCase("12", "one two"), "ONE TWO");
    // Trail bytes are no letters: 說 stays 說, and a word of Chinese
    // characters counts as upper case.
    EXPECT_EQ(KeepAutoCorrectCase("TEH", Shuo + "the"), Shuo + "THE");
    EXPECT_EQ(KeepAutoCorrectCase("teh", Shuo + "THE"), Shuo + "the");
    EXPECT_EQ(KeepAutoCorrectCase("Teh", Shuo + "THE"), Shuo + "the");
    EXPECT_EQ(KeepAutoCorrectCase(Shuo + Men, "x" + Men), "X" + Men);
    EXPECT_TRUE(AutoCorrectWordMatches("TeH", "teh", true));
    EXPECT_FALSE(AutoCorrectWordMatches("TeH", "teh", false));
    // 說 (D5 66) and D5 46 differ only in a trail byte that looks like f/F.
    EXPECT_FALSE(AutoCorrectWordMatches("\xD5\x46", Shuo, true));
}

TEST(SynAutoCorrectText, OnlyWholeWordsAreReplacedAndNeverPartOfADoubleByteCharacter)
{
    AnsiString result;
    EXPECT_TRUE(CorrectWholeWords("teh teh, xteh Teh\tteh", "teh", "the", true, true, result));
    EXPECT_EQ(result, "the teh, xteh The\tthe");
    EXPECT_TRUE(CorrectWholeWords("teh cat teh", "teh cat", "the cat", false, false, result));
    EXPECT_EQ(result, "the cat teh");

    EXPECT_TRUE(CorrectWholeWords(Shuo + " f " + Shuo + "f f" + Shuo, "f", "x", false, false, result));
    EXPECT_EQ(result, Shuo + " x " + Shuo + "f f" + Shuo);
    EXPECT_TRUE(CorrectWholeWords(Men + " T" + Men + " T", "T", "x", true, false, result));
    EXPECT_EQ(result, Men + " T" + Men + " x");
    EXPECT_FALSE(CorrectWholeWords(Zhong + Zhong, "\xD0\xD6", "x", false, false, result));
    EXPECT_FALSE(CorrectWholeWords("\xD5\x46 x", Shuo, "y", true, true, result));
    // A lead byte pairs with whatever follows it, a blank too: "x" and D6
    // would end inside that character.
    EXPECT_FALSE(CorrectWholeWords("x\xD6 y", "x\xD6", "z", false, false, result));

    EXPECT_FALSE(CorrectWholeWords("a b", "", "x", false, false, result));
    EXPECT_EQ(result, "a b");
}

// --- The settings section ---

class SynAutoCorrectIniTest : public TempFolderTest {
protected:
    static std::vector<AnsiString> Lines(const TMemIniFile& Ini)
    {
        TStringList lines;
        Ini.GetStrings(&lines);
        std::vector<AnsiString> result;
        for (int i = 0; i < lines.Count(); ++i)
            result.push_back(lines.Strings(i));
        return result;
    }
    static std::vector<AnsiString> Items(const TSynAutoCorrect& AutoCorrect)
    {
        std::vector<AnsiString> result;
        for (int i = 0; i < AutoCorrect.Items()->Count(); ++i)
            result.push_back(AutoCorrect.Items()->Strings(i));
        return result;
    }
    static constexpr const char* Section = "Auto Correct";
};

TEST_F(SynAutoCorrectIniTest, TheSectionIsWrittenKeyByKeyAndReadBack)
{
    TSynAutoCorrect saved(nullptr);
    saved.Items()->Add("teh\tthe");
    saved.Items()->Add("a\tb\t" + Shuo);
    saved.Items()->Add("alone");
    saved.Enabled = false;
    saved.Options = {ascoIgnoreCase};
    TMemIniFile ini(Folder() + "EditorOptions.ini");
    saved.SaveToIni(&ini, Section);
    EXPECT_EQ(Lines(ini), (std::vector<AnsiString>{"[Auto Correct]", "Count=3", "Original0=teh", "Correction0=the",
                                                   "Original1=a\tb", "Correction1=" + Shuo, "Original2=alone",
                                                   "Correction2=", "Enabled=0", "ItemSepChar=9", "Options=010"}));

    TSynAutoCorrect loaded(nullptr);
    loaded.Items()->Add("dropped");
    loaded.LoadFromIni(&ini, Section);
    // An item without a separator comes back with one: the same original and
    // the same empty correction.
    EXPECT_EQ(Items(loaded), (std::vector<AnsiString>{"teh\tthe", "a\tb\t" + Shuo, "alone\t"}));
    EXPECT_FALSE(loaded.Enabled);
    EXPECT_EQ(loaded.Options, TAsSynAutoCorrectOptions{ascoIgnoreCase});
}

TEST_F(SynAutoCorrectIniTest, LoadingSkipsEmptyItemsAndTakesEachOptionDigit)
{
    TMemIniFile ini(Folder() + "a.ini");
    ini.WriteString(Section, "Count", "4");
    ini.WriteString(Section, "Original0", "teh");
    ini.WriteString(Section, "Correction0", "the");
    ini.WriteString(Section, "Original2", "");
    ini.WriteString(Section, "Correction3", "orphan");
    ini.WriteString(Section, "Options", "000");
    TSynAutoCorrect loaded(nullptr);
    loaded.LoadFromIni(&ini, Section);
    EXPECT_EQ(Items(loaded), (std::vector<AnsiString>{"teh\tthe", "\torphan"}));
    EXPECT_TRUE(loaded.Options.Empty());
    EXPECT_TRUE(loaded.Enabled);

    for (const auto& [text, options] : std::vector<std::pair<AnsiString, TAsSynAutoCorrectOptions>>{
             {"1", {ascoCorrectOnMouseDown}},
             {"0111", {ascoIgnoreCase, ascoMaintainCase}},
             {"101", {ascoCorrectOnMouseDown, ascoMaintainCase}}}) {
        ini.WriteString(Section, "Options", text);
        loaded.LoadFromIni(&ini, Section);
        EXPECT_EQ(loaded.Options, options) << text;
    }

    // Absent keys keep what the component has.
    TMemIniFile empty(Folder() + "empty.ini");
    loaded.Enabled = false;
    loaded.Options = {ascoMaintainCase};
    loaded.LoadFromIni(&empty, Section);
    EXPECT_FALSE(loaded.Enabled);
    EXPECT_EQ(loaded.Options, TAsSynAutoCorrectOptions{ascoMaintainCase});
    EXPECT_TRUE(Items(loaded).empty());
}

TEST_F(SynAutoCorrectIniTest, ADamagedCountLoadsTheItemsThereWithoutWalkingEveryIndex)
{
    TMemIniFile ini(Folder() + "a.ini");
    ini.WriteString(Section, "Count", "2000000000");
    ini.WriteString(Section, "original1", "teh");
    ini.WriteString(Section, "CORRECTION1", "the");
    TSynAutoCorrect loaded(nullptr);
    loaded.LoadFromIni(&ini, Section);
    EXPECT_EQ(Items(loaded), (std::vector<AnsiString>{"teh\tthe"}));
}

TEST_F(SynAutoCorrectIniTest, ItemsKeepTheirSeparatorThroughSaveAndLoad)
{
    TSynAutoCorrect saved(nullptr);
    saved.ItemSepChar = '=';
    saved.Items()->Add("teh=the");
    TMemIniFile ini(Folder() + "a.ini");
    saved.SaveToIni(&ini, Section);
    EXPECT_EQ(ini.ReadString(Section, "ItemSepChar", ""), "61");

    TSynAutoCorrect loaded(nullptr);
    loaded.LoadFromIni(&ini, Section);
    EXPECT_EQ(loaded.ItemSepChar, '=');
    EXPECT_EQ(Items(loaded), (std::vector<AnsiString>{"teh=the"}));
    TMemIniFile again(Folder() + "b.ini");
    loaded.SaveToIni(&again, Section);
    EXPECT_EQ(Lines(again), Lines(ini));
}

TEST_F(SynAutoCorrectIniTest, AnExistingLinkedFileHoldsTheItemsInsteadOfTheSection)
{
    WriteBytes(Folder() + "words.txt", "teh\tthe\r\n\r\nadn\tand\r\n");
    TMemIniFile ini(Folder() + "EditorOptions.ini");
    ini.WriteString(Section, "Link", "words.txt");
    ini.WriteString(Section, "Count", "1");
    ini.WriteString(Section, "Original0", "x");
    ini.WriteString(Section, "Correction0", "y");
    const std::vector<AnsiString> before = Lines(ini);

    TSynAutoCorrect linked(nullptr);
    linked.LoadFromIni(&ini, Section);
    EXPECT_EQ(Items(linked), (std::vector<AnsiString>{"teh\tthe", "", "adn\tand"}));
    linked.Items()->Add(Shuo + "\t" + Men);
    linked.Options = {};
    linked.SaveToIni(&ini, Section);
    EXPECT_EQ(ReadBytes(Folder() + "words.txt"), "teh\tthe\r\n\r\nadn\tand\r\n" + Shuo + "\t" + Men + "\r\n");
    EXPECT_EQ(Lines(ini), before);

    // Without the file the items go into the section.
    ini.WriteString(Section, "Link", "missing.txt");
    linked.SaveToIni(&ini, Section);
    EXPECT_EQ(ini.ReadString(Section, "Count", ""), "4");
    EXPECT_EQ(ini.ReadString(Section, "Original3", ""), Shuo);
    EXPECT_EQ(ini.ReadString(Section, "Options", ""), "000");
}

// --- A user typing and clicking in a memo ---

class SynAutoCorrectEditorTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        // Presses a second apart are never a double click.
        SetManualClock(true);
        memo = AddMemo(0, 400, 300);
        SetActiveWindow(host_->Handle());
        Pump();
        memo->SetFocus();
        Pump();
        autoCorrect = std::make_unique<TSynAutoCorrect>(nullptr);
        autoCorrect->Items()->Add("teh\tthe");
        autoCorrect->SetEditor(memo);
        autoCorrect->OnCorrected = TNotifyEvent::FromCallable([this](TObject*) { ++corrected; });
    }
    void TearDown() override
    {
        autoCorrect.reset();
        SetManualClock(false);
        TEditorViewTest::TearDown();
    }

    void Load(const AnsiString& Text, int CaretX, int CaretY = 1)
    {
        memo->SetText(Text);
        memo->ClearUndo();
        memo->SetModified(false);
        memo->SetCaretXY(BufferCoord(CaretX, CaretY));
    }
    static void Type(const AnsiString& Text)
    {
        InjectText(Text);
        Pump();
    }
    static void Key(UINT VirtualKey, UINT Modifiers = 0)
    {
        InjectKeyStroke(VirtualKey, Modifiers);
        Pump();
    }
    void Char(unsigned char Byte) const
    {
        PostMessage(memo->Handle(), WM_CHAR, Byte, 0);
        Pump();
    }
    void ClickCell(int Column, int Row) const
    {
        const TPoint p = memo->RowColumnToPixels(DisplayCoord(Column, Row));
        AdvanceClock(1000);
        InjectClick(memo->ClientToScreen(Point(p.X + 1, p.Y + memo->LineHeight() / 2)));
        Pump();
    }
    // Every text Ctrl+Z steps through until there is nothing to undo.
    std::vector<AnsiString> UndoAll() const
    {
        std::vector<AnsiString> texts;
        while (memo->CanUndo()) {
            Key('Z', InjectCtrl);
            texts.push_back(memo->Text());
        }
        return texts;
    }

    TSynMemo* memo = nullptr;
    std::unique_ptr<TSynAutoCorrect> autoCorrect;
    int corrected = 0;
};

TEST_F(SynAutoCorrectEditorTest, AWordEndedByABlankPunctuationTabOrLineBreakIsCorrectedInItsCase)
{
    memo->SetWantTabs(true);
    Type("Teh ");
    EXPECT_EQ(memo->Text(), "The ");
    Type("TEH");
    Key(VK_RETURN);
    EXPECT_EQ(memo->Text(), "The THE\r\n");
    Type("teh");
    Key(VK_TAB);
    // Smart tabs: the tab reaches the next word start of the line above.
    EXPECT_EQ(memo->Text(), "The THE\r\nthe ");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 2));
    // Letters and digits continue a word; punctuation ends it.
    Type("teh,teh1 tehx ");
    EXPECT_EQ(memo->Text(), "The THE\r\nthe the,teh1 tehx ");
    EXPECT_EQ(corrected, 6);
    // A second blank finds no word before the caret: no check at all.
    Type(" ");
    EXPECT_EQ(corrected, 6);
    // A full stop already in the text is part of the word.
    Load("teh.", 5);
    Type(" ");
    EXPECT_EQ(memo->Text(), "teh. ");
    EXPECT_EQ(corrected, 7);

    Load("", 1);
    autoCorrect->Options = {ascoMaintainCase};
    Type("Teh teh ");
    EXPECT_EQ(memo->Text(), "Teh the ");
    autoCorrect->Options = {};
    Type("TEH ");
    EXPECT_EQ(memo->Text(), "Teh the TEH ");
    autoCorrect->Options = {ascoIgnoreCase};
    Type("TEH ");
    EXPECT_EQ(memo->Text(), "Teh the TEH the ");
    autoCorrect->Enabled = false;
    Type("teh ");
    EXPECT_EQ(memo->Text(), "Teh the TEH the teh ");
}

TEST_F(SynAutoCorrectEditorTest, TheEventSeesTheCorrectionAndMayAbortIt)
{
    struct TCall {
        AnsiString Original;
        AnsiString Correction;
        int Line;
        int Column;
    };
    std::vector<TCall> calls;
    TAutoCorrectAction answer = aaAbort;
    autoCorrect->OnAutoCorrect = TAutoCorrectEvent::FromCallable(
        [&](TObject*, const AnsiString& Original, const AnsiString& Correction, int Line, int Column,
            TAutoCorrectAction& Action) {
            EXPECT_EQ(Action, aaCorrect);
            calls.push_back({Original, Correction, Line, Column});
            Action = answer;
        });
    Load("x\r\n", 1, 2);
    Type("Teh ");
    EXPECT_EQ(memo->Text(), "x\r\nTeh ");
    EXPECT_EQ(corrected, 1);
    answer = aaCorrect;
    Type("TEH ");
    EXPECT_EQ(memo->Text(), "x\r\nTeh THE ");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Original, "teh");
    EXPECT_EQ(calls[0].Correction, "The");
    EXPECT_EQ(calls[0].Line, 2);
    EXPECT_EQ(calls[0].Column, 4);
    EXPECT_EQ(calls[1].Correction, "THE");
    EXPECT_EQ(calls[1].Column, 8);
    EXPECT_EQ(corrected, 2);
}

TEST_F(SynAutoCorrectEditorTest, ACorrectionIsOneUndoStepAndMarksTheTextModified)
{
    Load("", 1);
    Type("teh ");
    EXPECT_EQ(memo->Text(), "the ");
    EXPECT_TRUE(memo->Modified());
    // Undo gives back the typed word whole, never half corrected.
    EXPECT_EQ(UndoAll(), (std::vector<AnsiString>{"the", "teh", ""}));
}

TEST_F(SynAutoCorrectEditorTest, AReadOnlyEditorOrASelectionToTypeOverIsLeftAlone)
{
    Load("teh", 4);
    memo->SetReadOnly(true);
    Type(" ");
    memo->CommandProcessor(ecChar, ' ', nullptr);
    EXPECT_EQ(memo->Text(), "teh");
    EXPECT_FALSE(memo->Modified());

    memo->SetReadOnly(false);
    memo->SetCaretAndSelection(BufferCoord(4, 1), BufferCoord(1, 1), BufferCoord(4, 1));
    Type(" ");
    EXPECT_EQ(memo->Text(), " ");
}

TEST_F(SynAutoCorrectEditorTest, ChineseWordsAreMatchedWholeAndTheirTrailBytesEndNoWord)
{
    autoCorrect->Items()->Clear();
    autoCorrect->Items()->Add("T\tWRONG");
    autoCorrect->Items()->Add("f\tWRONG");
    autoCorrect->Items()->Add(Shuo + Men + "\t" + Zhong);
    Load("", 1);
    InjectImeResult(Shuo + Men);
    Pump();
    Type(" ");
    EXPECT_EQ(memo->Text(), Zhong + " ");
    InjectImeResult(Men);
    Pump();
    Type(" ");
    InjectImeResult(Shuo);
    Pump();
    Key(VK_RETURN);
    // D5 46 and E9 74 are other characters, whatever case folding says.
    InjectImeResult("\xD5\x46\xE9\x74");
    Pump();
    Type(" ");
    EXPECT_EQ(memo->Text(), Zhong + " " + Men + " " + Shuo + "\r\n\xD5\x46\xE9\x74 ");

    // A double-byte character typed as two characters is one word end: its
    // trail byte (a lead byte or '@' here) must not check the word again.
    autoCorrect->Items()->Add("teh\tthe");
    autoCorrect->Items()->Add("the\tthee");
    Load("", 1);
    corrected = 0;
    Type("teh");
    Char(0xD6);
    Char(0xD0);
    Type(" teh");
    Char(0xDF);
    Char(0x40);
    EXPECT_EQ(memo->Text(), "the" + Zhong + " the" + Zhe);
    EXPECT_EQ(corrected, 3);
}

TEST_F(SynAutoCorrectEditorTest, AClickCorrectsTheLineItLeavesAsOneUndoableChange)
{
    autoCorrect->Options.Include(ascoCorrectOnMouseDown);
    std::vector<std::pair<AnsiString, AnsiString>> lines;
    autoCorrect->OnAutoCorrect = TAutoCorrectEvent::FromCallable(
        [&](TObject*, const AnsiString& Original, const AnsiString& Correction, int Line, int Column,
            TAutoCorrectAction&) {
            EXPECT_EQ(Line, 1);
            EXPECT_EQ(Column, 0);
            lines.emplace_back(Original, Correction);
        });
    const AnsiString text = "teh " + Shuo + " Teh teh.\r\nsecond";
    Load(text, 3);
    ClickCell(4, 2);
    EXPECT_EQ(memo->Text(), "the " + Shuo + " The teh.\r\nsecond");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(4, 2));
    EXPECT_FALSE(memo->SelAvail());
    EXPECT_TRUE(memo->Modified());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].first, "teh " + Shuo + " Teh teh.");
    EXPECT_EQ(lines[0].second, "the " + Shuo + " The teh.");
    EXPECT_EQ(corrected, 1);
    Type("x");
    EXPECT_EQ(UndoAll(), (std::vector<AnsiString>{"the " + Shuo + " The teh.\r\nsecond", text}));

    // A click that corrects nothing fires nothing.
    memo->SetCaretXY(BufferCoord(1, 2));
    ClickCell(1, 1);
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(corrected, 1);
}

TEST_F(SynAutoCorrectEditorTest, AClickChangesNothingInAReadOnlyEditorOrWhenAborted)
{
    autoCorrect->Options.Include(ascoCorrectOnMouseDown);
    const AnsiString text = "teh\r\nsecond";
    Load(text, 1);
    memo->SetReadOnly(true);
    ClickCell(2, 2);
    EXPECT_EQ(memo->Text(), text);
    EXPECT_FALSE(memo->CanUndo());

    memo->SetReadOnly(false);
    autoCorrect->OnAutoCorrect = TAutoCorrectEvent::FromCallable(
        [](TObject*, const AnsiString&, const AnsiString&, int, int, TAutoCorrectAction& Action) { Action = aaAbort; });
    memo->SetCaretXY(BufferCoord(1, 1));
    ClickCell(2, 2);
    EXPECT_EQ(memo->Text(), text);
    EXPECT_FALSE(memo->Modified());
    EXPECT_EQ(corrected, 0);
}

TEST_F(SynAutoCorrectEditorTest, ItemsWithoutAnOriginalAreIgnored)
{
    // A linked file with an empty line and an item with no original.
    std::string folder = (std::filesystem::temp_directory_path() / "tandril-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    std::ofstream(folder + "/words.txt", std::ios::binary) << "\r\n\tnothing\r\nteh\tthe\r\n";
    TMemIniFile ini(folder + "/EditorOptions.ini");
    ini.WriteString("Auto Correct", "Link", "words.txt");
    ini.WriteString("Auto Correct", "Options", "111");
    autoCorrect->LoadFromIni(&ini, "Auto Correct");
    std::filesystem::remove_all(folder);
    ASSERT_EQ(autoCorrect->Items()->Count(), 3);

    Load("teh  teh\r\nx", 9);
    ClickCell(1, 2);
    EXPECT_EQ(memo->Text(), "the  the\r\nx");
    Type(" teh ");
    EXPECT_EQ(memo->Text(), "the  the\r\n the x");
}

TEST_F(SynAutoCorrectEditorTest, EditorsComeAndGoWithoutDanglingHandlers)
{
    TSynMemo* second = AddMemo(0, 400, 100);
    autoCorrect->AddEditor(second);
    autoCorrect->AddEditor(second);
    second->SetText("teh");
    second->SetCaretXY(BufferCoord(4, 1));
    second->CommandProcessor(ecChar, ' ', nullptr);
    EXPECT_EQ(second->Text(), "the ");
    EXPECT_EQ(corrected, 1);
    delete second;

    // The editor set as Editor goes: the property clears.
    TSynMemo* third = AddMemo(0, 400, 100);
    autoCorrect->SetEditor(third);
    delete third;
    EXPECT_EQ(autoCorrect->Editor(), nullptr);

    // Detached, the first memo types plainly; attached again it corrects.
    autoCorrect->RemoveEditor(memo);
    Load("", 1);
    Type("teh ");
    EXPECT_EQ(memo->Text(), "teh ");
    autoCorrect->AddEditor(memo);
    Type("teh ");
    EXPECT_EQ(memo->Text(), "teh the ");

    // The component goes first: the memo must not call into it.
    autoCorrect.reset();
    Type("teh ");
    EXPECT_EQ(memo->Text(), "teh the teh ");
}

}  // namespace

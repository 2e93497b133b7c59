#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "editor/syn_memo.h"

namespace {

class TSynCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = new TSynMemo(nullptr); }
    void TearDown() override { delete memo; }
    void Load(const AnsiString& Text, TSynTextEditorOptions Options)
    {
        memo->SetOptions(Options);
        // SetText inserts at the caret when the buffer is empty.
        memo->SetCaretXY(BufferCoord(1, 1));
        memo->SetText(Text);
        memo->ClearUndo();
        memo->SetModified(false);
        memo->SetCaretXY(BufferCoord(1, 1));
    }
    void Run(TSynTextEditorCommand Command, char AChar = '\0') { memo->CommandProcessor(Command, AChar, nullptr); }
    void Type(const AnsiString& Bytes)
    {
        for (char c : Bytes)
            Run(ecChar, c);
    }
    void UndoAll()
    {
        while (memo->CanUndo())
            memo->Undo();
    }
    void RedoAll()
    {
        while (memo->CanRedo())
            memo->Redo();
    }
    TSynMemo* memo = nullptr;
};

TEST_F(TSynCommandTest, CommandChainLetsTheHostChangeAndSwallowCommands)
{
    Load("ab", {});
    std::vector<TSynTextEditorCommand> processed;
    std::vector<TSynTextEditorCommand> user;
    memo->OnProcessCommand = TProcessCommandEvent::FromCallable([](TObject*, TSynTextEditorCommand& Command, char& AChar, void*) {
        if (AChar == 'x')
            Command = ecNone;
        else if (AChar == 'y')
            AChar = 'Y';
    });
    memo->OnProcessUserCommand = TProcessCommandEvent::FromCallable(
        [&](TObject*, TSynTextEditorCommand& Command, char&, void*) { user.push_back(Command); });
    memo->OnCommandProcessed = TProcessCommandEvent::FromCallable(
        [&](TObject*, TSynTextEditorCommand& Command, char&, void*) { processed.push_back(Command); });
    Run(ecChar, 'x');
    Run(ecChar, 'y');
    Run(ecUserFirst + 4, 'z');
    EXPECT_EQ(memo->Text(), "Yab");
    EXPECT_EQ(processed, (std::vector<TSynTextEditorCommand>{ecNone, ecChar, ecUserFirst + 4}));
    EXPECT_EQ(user, std::vector<TSynTextEditorCommand>{ecUserFirst + 4});

    // Read-only: editing commands do nothing, moves still work.
    memo->SetReadOnly(true);
    Run(ecChar, 'q');
    Run(ecDeleteChar);
    Run(ecLineBreak);
    Run(ecRight);
    EXPECT_EQ(memo->Text(), "Yab");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 1));
}

TEST_F(TSynCommandTest, TypingAndDeletingUndoByteForByte)
{
    const AnsiString start = "x\xD5\x66y\r\n\tz";
    Load(start, {eoAutoIndent});
    memo->SetCaretXY(BufferCoord(4, 1));
    Type("ab\xE9\x54");
    EXPECT_EQ(memo->Text(), "x\xD5\x66" "ab\xE9\x54y\r\n\tz");
    // Backspace takes the double-byte character whole, then the 'b'.
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "x\xD5\x66" "aby\r\n\tz");
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 1));
    // Delete before a double-byte character removes both bytes.
    memo->SetCaretXY(BufferCoord(2, 1));
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "xay\r\n\tz");
    // Delete at the end of a line joins the next one.
    Run(ecLineEnd);
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "xay\tz");
    UndoAll();
    EXPECT_EQ(memo->Text(), start);
    EXPECT_FALSE(memo->Modified());
    RedoAll();
    EXPECT_EQ(memo->Text(), "xay\tz");

    // "中a": Backspace after the 'a' removes only the 'a', never a half.
    Load("\xD6\xD0" "a", {});
    memo->SetCaretXY(BufferCoord(4, 1));
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "\xD6\xD0");
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "");
    UndoAll();
    EXPECT_EQ(memo->Text(), "\xD6\xD0" "a");

    // Backspace at (1, 1) and Delete at the end of the last line do nothing.
    Load("ab", {});
    Run(ecDeleteLastChar);
    Run(ecLineEnd);
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "ab");
    EXPECT_FALSE(memo->CanUndo());

    // Backspace past the end of a line only moves the caret.
    Load("ab", {eoScrollPastEol});
    memo->SetCaretXY(BufferCoord(6, 1));
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 1));
    EXPECT_FALSE(memo->Modified());

    // Delete beyond the end pads the line; undo gives the short line back.
    Load("ab\r\ncd", {eoScrollPastEol});
    memo->SetCaretXY(BufferCoord(5, 1));
    Run(ecDeleteChar);
    EXPECT_EQ(memo->Text(), "ab  cd");
    UndoAll();
    EXPECT_EQ(memo->Text(), "ab\r\ncd");

    // Backspace at the start of a line joins it to the previous one.
    Load("ab\r\ncd", {});
    memo->SetCaretXY(BufferCoord(1, 2));
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "abcd");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 1));
    UndoAll();
    EXPECT_EQ(memo->Text(), "ab\r\ncd");
}

TEST_F(TSynCommandTest, BackspaceInIndentation)
{
    // Smart: back to the indentation of the nearest smaller line above.
    Load("  a\r\n      b", {eoAutoIndent, eoSmartTabDelete});
    memo->SetCaretXY(BufferCoord(7, 2));
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "  a\r\n  b");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 2));
    UndoAll();
    EXPECT_EQ(memo->Text(), "  a\r\n      b");

    // Plain: back to the previous tab stop.
    Load("      b", {});
    memo->SetTabWidth(4);
    memo->SetCaretXY(BufferCoord(7, 1));
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "    b");
    Run(ecDeleteLastChar);
    EXPECT_EQ(memo->Text(), "b");
}

TEST_F(TSynCommandTest, LineBreakAutoIndentsAndUndoesExactly)
{
    Load("    foo", {eoAutoIndent});
    memo->SetCaretXY(BufferCoord(5, 1));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "    \r\n    foo");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 2));
    UndoAll();
    EXPECT_EQ(memo->Text(), "    foo");
    RedoAll();
    EXPECT_EQ(memo->Text(), "    \r\n    foo");

    Load("    foo", {});
    memo->SetCaretXY(BufferCoord(5, 1));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "    \r\nfoo");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 2));

    // Tabs are measured at TabWidth and rebuilt as tabs.
    Load("\tab", {eoAutoIndent});
    memo->SetTabWidth(4);
    memo->SetCaretXY(BufferCoord(3, 1));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "\ta\r\n\tb");

    // Enter on an empty line beyond column 1, then undo: the line stays empty.
    Load("  x\r\n", {eoAutoIndent, eoScrollPastEol});
    memo->SetCaretXY(BufferCoord(6, 2));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "  x\r\n\r\n");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 3));
    UndoAll();
    EXPECT_EQ(memo->Text(), "  x\r\n");

    // Past the end of the line and at column 1; a selection is replaced.
    Load("  ab\r\ncd", {eoAutoIndent, eoScrollPastEol});
    memo->SetCaretXY(BufferCoord(8, 1));
    Run(ecLineBreak);
    memo->SetCaretXY(BufferCoord(1, 3));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), "  ab\r\n  \r\n\r\ncd");
    memo->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(2, 1), BufferCoord(3, 1));
    Run(ecLineBreak);
    EXPECT_EQ(memo->Text(), " \r\n ab\r\n  \r\n\r\ncd");
    UndoAll();
    EXPECT_EQ(memo->Text(), "  ab\r\ncd");
}

TEST_F(TSynCommandTest, CaretMovesKeepDoubleByteCharactersWhole)
{
    Load("a\xD5\x66" "b\r\n\xE9\x54\xDF\x40", {});
    Run(ecRight);
    Run(ecRight);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(4, 1));
    Run(ecLeft);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(2, 1));
    Run(ecSelRight);
    EXPECT_EQ(memo->SelText(), "\xD5\x66");
    // Down into the middle of 這 goes to its start; the next vertical move
    // comes back to the column it left.
    Run(ecDown);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 2));
    EXPECT_FALSE(memo->SelAvail());
    Run(ecUp);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(4, 1));
    Run(ecLeft);
    Run(ecDown);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 2));
    Run(ecUp);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(2, 1));
    // Without eoScrollPastEol Left and Right wrap to the next line.
    Run(ecLineEnd);
    Run(ecRight);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 2));
    Run(ecLeft);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 1));
    Run(ecEditorBottom);
    EXPECT_EQ(memo->CaretXY(), BufferCoord(5, 2));
    Run(ecSelEditorTop);
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(1, 1));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(5, 2));

    // Home and End toggle between the text and the line ends.
    Load("    abc   ", {eoEnhanceHomeKey, eoEnhanceEndKey});
    memo->SetCaretXY(BufferCoord(7, 1));
    Run(ecLineStart);
    EXPECT_EQ(memo->CaretX(), 5);
    Run(ecLineStart);
    EXPECT_EQ(memo->CaretX(), 1);
    Run(ecLineStart);
    EXPECT_EQ(memo->CaretX(), 5);
    Run(ecLineEnd);
    EXPECT_EQ(memo->CaretX(), 8);
    Run(ecLineEnd);
    EXPECT_EQ(memo->CaretX(), 11);
    Run(ecWordLeft);
    EXPECT_EQ(memo->CaretX(), 5);
}

TEST_F(TSynCommandTest, ColumnEditExtensionTypesOnEveryLine)
{
    Load("abc\r\ndef\r\nghi", {eoColumnEditExtension});
    memo->SetSelectionMode(smColumn);
    memo->SetCaretAndSelection(BufferCoord(3, 3), BufferCoord(2, 1), BufferCoord(3, 3));
    Run(ecChar, 'X');
    EXPECT_EQ(memo->Text(), "aXbc\r\ndXef\r\ngXhi");
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(3, 1));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(4, 3));
    Run(ecOverwriteMode);
    Run(ecChar, 'o');
    EXPECT_EQ(memo->Text(), "aXoc\r\ndXof\r\ngXoi");
    UndoAll();
    EXPECT_EQ(memo->Text(), "abc\r\ndef\r\nghi");
}

TEST_F(TSynCommandTest, OverwriteReplacesWholeCharacters)
{
    Load("ab中z", {});
    memo->SetCaretXY(BufferCoord(2, 1));
    Run(ecOverwriteMode);
    Run(ecChar, 'X');
    EXPECT_EQ(memo->Text(), "aX中z");
    Run(ecChar, 'Y');  // over a double-byte character: both bytes go
    EXPECT_EQ(memo->Text(), "aXYz");
    Run(ecChar, '\xD5');  // 說, typed as its two bytes
    Run(ecChar, 'f');
    EXPECT_EQ(memo->Text(), "aXY說");
    Run(ecChar, 'E');  // past the end it appends
    EXPECT_EQ(memo->Text(), "aXY說E");
    UndoAll();
    EXPECT_EQ(memo->Text(), "ab中z");
}

TEST_F(TSynCommandTest, TabsAndBlockIndentation)
{
    Load("ab", {eoTabsToSpaces});
    memo->SetTabWidth(4);
    memo->SetCaretXY(BufferCoord(3, 1));
    Run(ecTab);
    EXPECT_EQ(memo->Text(), "ab  ");
    EXPECT_EQ(memo->CaretX(), 5);
    UndoAll();
    EXPECT_EQ(memo->Text(), "ab");

    // Shift+Tab directly behind a tab removes only that tab.
    Load("  \tx", {});
    memo->SetTabWidth(4);
    memo->SetCaretXY(BufferCoord(4, 1));
    Run(ecShiftTab);
    EXPECT_EQ(memo->Text(), "  x");
    EXPECT_EQ(memo->CaretX(), 3);
    UndoAll();
    EXPECT_EQ(memo->Text(), "  \tx");

    // Indent of lines 2 to 4 with the block ending at column 1 of line 5.
    const AnsiString start = "a\r\nb\r\n\xD5\x66\r\n d\r\ne";
    Load(start, {});
    memo->SetCaretAndSelection(BufferCoord(1, 5), BufferCoord(1, 2), BufferCoord(1, 5));
    Run(ecBlockIndent);
    const AnsiString indented = "a\r\n  b\r\n  \xD5\x66\r\n   d\r\ne";
    EXPECT_EQ(memo->Text(), indented);
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(3, 2));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(1, 5));
    memo->Undo();
    EXPECT_EQ(memo->Text(), start);
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(1, 2));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(1, 5));
    memo->Redo();
    EXPECT_EQ(memo->Text(), indented);
    EXPECT_EQ(memo->BlockBegin(), BufferCoord(3, 2));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(1, 5));

    // Unindent takes the spaces back out, and a tab with eoTabIndent.
    Run(ecBlockUnindent);
    Run(ecBlockUnindent);
    EXPECT_EQ(memo->Text(), "a\r\nb\r\n\xD5\x66\r\nd\r\ne");
    memo->Undo();
    EXPECT_EQ(memo->Text(), start);
    memo->Undo();
    EXPECT_EQ(memo->Text(), indented);
    memo->Redo();
    memo->Redo();
    EXPECT_EQ(memo->Text(), "a\r\nb\r\n\xD5\x66\r\nd\r\ne");

    Load("x\r\ny", {eoTabIndent});
    memo->SetCaretAndSelection(BufferCoord(2, 2), BufferCoord(1, 1), BufferCoord(2, 2));
    Run(ecTab);
    EXPECT_EQ(memo->Text(), "\tx\r\n\ty");
    Run(ecShiftTab);
    EXPECT_EQ(memo->Text(), "x\r\ny");
    UndoAll();
    EXPECT_EQ(memo->Text(), "x\r\ny");
}

TEST_F(TSynCommandTest, CaseCommandsTouchOnlyAsciiLetters)
{
    // Trail bytes 0x66 ('f'), 0x54 ('T'), 0x5C and 0x40 must survive.
    const AnsiString start = "ab\xD5\x66" "Cd \xE9\x54x\x81\x5C";
    Load(start, {});
    memo->SelectAll();
    Run(ecUpperCaseBlock);
    EXPECT_EQ(memo->Text(), "AB\xD5\x66" "CD \xE9\x54X\x81\x5C");
    Run(ecToggleCaseBlock);
    EXPECT_EQ(memo->Text(), "ab\xD5\x66" "cd \xE9\x54x\x81\x5C");
    EXPECT_TRUE(memo->SelAvail());
    memo->Undo();
    memo->Undo();
    EXPECT_EQ(memo->Text(), start);
    EXPECT_EQ(memo->SelText(), start);

    // Title case of the word at the caret: first character upper, the rest
    // lower; command 624 changes nothing.
    Load("hELLO wORLD", {});
    Run(ecTitleCase + 1);
    EXPECT_EQ(memo->Text(), "hELLO wORLD");
    Run(ecTitleCase);
    EXPECT_EQ(memo->Text(), "Hello wORLD");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 1));
    memo->SelectAll();
    Run(ecLowerCaseBlock);
    EXPECT_EQ(memo->Text(), "hello world");
    // A word command works on the word at the caret, selection or not.
    Run(ecUpperCase);
    EXPECT_EQ(memo->Text(), "HELLO world");
    // Without a selection a block command takes the character at the caret.
    memo->SetCaretXY(BufferCoord(7, 1));
    Run(ecUpperCaseBlock);
    EXPECT_EQ(memo->Text(), "HELLO World");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(8, 1));
    memo->SetCaretXY(BufferCoord(2, 1));
    Run(ecLowerCase);
    EXPECT_EQ(memo->Text(), "hello World");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(2, 1));
}

TEST_F(TSynCommandTest, WordAndLineDeletionsUndoExactly)
{
    const AnsiString start = "one two  three\r\nfour\r\nlast";
    Load(start, {eoScrollPastEol});
    memo->SetCaretXY(BufferCoord(5, 1));
    Run(ecDeleteWord);
    EXPECT_EQ(memo->Text(), "one three\r\nfour\r\nlast");
    Run(ecDeleteEOL);
    EXPECT_EQ(memo->Text(), "one \r\nfour\r\nlast");
    Run(ecDeleteLastWord);
    EXPECT_EQ(memo->Text(), "\r\nfour\r\nlast");
    memo->SetCaretXY(BufferCoord(3, 2));
    Run(ecDeleteBOL);
    EXPECT_EQ(memo->Text(), "\r\nur\r\nlast");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(1, 2));
    Run(ecDeleteLine);
    EXPECT_EQ(memo->Text(), "\r\nlast");
    // Beyond the end of a line, deleting the word joins the next line at
    // the caret's column.
    memo->SetCaretXY(BufferCoord(3, 1));
    Run(ecDeleteWord);
    EXPECT_EQ(memo->Text(), "  last");
    Run(ecDeleteLine);
    EXPECT_EQ(memo->Text(), "");
    Run(ecDeleteLine);
    UndoAll();
    EXPECT_EQ(memo->Text(), start);
    RedoAll();
    EXPECT_EQ(memo->Text(), "");

    Load("a\r\nb", {});
    Run(ecClearAll);
    EXPECT_EQ(memo->Lines()->Count(), 0);
    EXPECT_FALSE(memo->CanUndo());
    EXPECT_FALSE(memo->Modified());
}

TEST_F(TSynCommandTest, RandomCommandsUndoAndRedoExactly)
{
    const std::vector<TSynTextEditorCommand> commands = {
        ecLeft,         ecRight,          ecUp,           ecDown,         ecSelLeft,        ecSelRight,
        ecSelUp,        ecSelDown,        ecLineStart,    ecLineEnd,      ecSelWordRight,   ecWordLeft,
        ecDeleteChar,   ecDeleteLastChar, ecLineBreak,    ecInsertLine,   ecDeleteWord,     ecDeleteLastWord,
        ecDeleteEOL,    ecDeleteBOL,      ecDeleteLine,   ecTab,          ecShiftTab,       ecBlockIndent,
        ecBlockUnindent, ecUpperCase,     ecToggleCaseBlock, ecLowerCaseBlock, ecEditorBottom,
    };
    const std::vector<AnsiString> typed = {"a", "Z", " ", "\xD5\x66", "\xE9\x54", "\xD6\xD0", "("};
    const std::vector<TSynTextEditorOptions> optionSets = {
        {eoAutoIndent, eoGroupUndo, eoScrollPastEol, eoSmartTabDelete, eoSmartTabs, eoTabsToSpaces},
        {eoAutoIndent, eoTabIndent, eoEnhanceHomeKey, eoEnhanceEndKey},
    };
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        const AnsiString start = "  int \xD5\x66 = 1;\r\n\tfoo(\xE9\x54)\r\n\r\nend";
        Load(start, optionSets[seed % optionSets.size()]);
        memo->SetTabWidth(4);
        memo->SetMaxUndo(100000);
        for (int step = 0; step < 1500; ++step) {
            if (random() % 3 == 0) {
                for (char c : typed[random() % typed.size()])
                    Run(ecChar, c);
            } else {
                Run(commands[random() % commands.size()]);
            }
        }
        const AnsiString final = memo->Text();
        UndoAll();
        EXPECT_EQ(memo->Text(), start) << "seed " << seed;
        RedoAll();
        EXPECT_EQ(memo->Text(), final) << "seed " << seed;
    }
}

}  // namespace

TEST_F(TSynCommandTest, InputMethodStringIsOneUndoStep)
{
    const AnsiString ime = "\xD5\x66\xE9\x54\xD6\xD0";  // 說門中
    Load("ab\xD6\xD0z", {});
    memo->SetCaretXY(BufferCoord(2, 1));
    memo->CommandProcessor(ecImeStr, '\0', const_cast<char*>(ime.c_str()));
    EXPECT_EQ(memo->Text(), "a" + ime + "b\xD6\xD0z");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(8, 1));
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab\xD6\xD0z");
    EXPECT_FALSE(memo->CanUndo());

    // Overwrite never cuts a double-byte character in half: two bytes
    // over "b中z" take "b" only, and "中" survives.
    Run(ecOverwriteMode);
    const AnsiString two = "xy";
    memo->SetCaretXY(BufferCoord(2, 1));
    memo->CommandProcessor(ecImeStr, '\0', const_cast<char*>(two.c_str()));
    EXPECT_EQ(memo->Text(), "axy\xD6\xD0z");
    memo->CommandProcessor(ecImeStr, '\0', const_cast<char*>(ime.c_str()));
    EXPECT_EQ(memo->Text(), "axy" + ime);
    memo->Undo();
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab\xD6\xD0z");

    // Beyond the line end the padding goes away again with the same undo.
    memo->SetOptions({eoScrollPastEol});
    memo->SetCaretXY(BufferCoord(9, 1));
    memo->CommandProcessor(ecImeStr, '\0', const_cast<char*>(ime.c_str()));
    EXPECT_EQ(memo->Text(), "ab\xD6\xD0z   " + ime);
    memo->Undo();
    EXPECT_EQ(memo->Text(), "ab\xD6\xD0z");
    EXPECT_FALSE(memo->CanUndo());
}

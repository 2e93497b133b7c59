// Undo and redo beside collapsed blocks: the text comes back exactly, and
// only the blocks whose lines the undone or redone change touches open.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "platform/win/clipboard.h"
#include "tests/editor/syn_fold_test_support.h"

namespace {

const char* const kText = "int a0;\r\n"      // 1
                          "void f1() {\r\n"  // 2
                          "  x1();\r\n"      // 3
                          "}\r\n"            // 4
                          "void f2() {\r\n"  // 5
                          "  if (a) {\r\n"   // 6
                          "    x2();\r\n"    // 7
                          "  }\r\n"          // 8
                          "  y2();\r\n"      // 9
                          "}\r\n"            // 10
                          "int a1;\r\n"      // 11
                          "void f3() {\r\n"  // 12
                          "  x3();\r\n"      // 13
                          "}\r\n"            // 14
                          "void f4() {\r\n"  // 15
                          "  x4();\r\n"      // 16
                          "}\r\n"            // 17
                          "int a2;\r\n"      // 18
                          "int a3;";         // 19

// Every block of kText collapsed, the inner one first.
const std::vector<std::string> kEvery = {"if (a) {", "void f1() {", "void f2() {", "void f3() {", "void f4() {"};

std::unique_ptr<TSynMemo> BraceMemo()
{
    auto memo = std::make_unique<TSynMemo>(nullptr);
    memo->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
    memo->CodeFolding()->SetHighlighterFoldRegions(false);
    memo->CodeFolding()->SetEnabled(true);
    return memo;
}

std::string Trimmed(const AnsiString& Line)
{
    const size_t first = Line.find_first_not_of(' ');
    const size_t last = Line.find_last_not_of(' ');
    return first == AnsiString::npos ? std::string() : std::string(Line.substr(first, last - first + 1));
}

class TSynFoldUndoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { memo = BraceMemo(); }
    void TearDown() override
    {
        memo.reset();
        // The clipboard outlives the test: it goes back to holding nothing.
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
    }

public:
    // What the table's edits use.
    // The buffer line (from 1) whose text, collapse mark and indentation
    // left out, is Head.
    int LineOf(const std::string& Head) const
    {
        for (int i = 0; i < memo->Lines()->Count(); ++i)
            if (Trimmed(memo->Lines()->Strings(i)) == Head)
                return i + 1;
        ADD_FAILURE() << "no line " << Head;
        return 1;
    }
    void Fold(const std::string& Head)
    {
        TSynTextFoldRange* range = memo->GetFoldRangeAtLine(LineOf(Head));
        ASSERT_NE(range, nullptr) << Head;
        memo->Collapse(range);
        ASSERT_TRUE(range->Collapsed) << Head;
    }
    void Select(TBufferCoord From, TBufferCoord To) { memo->SetCaretAndSelection(To, From, To); }
    void Run(TSynTextEditorCommand Command, char AChar = '\0') { memo->CommandProcessor(Command, AChar, nullptr); }
    void Paste(const AnsiString& Text)
    {
        std::unique_ptr<TSynMemo> source = BraceMemo();
        source->SetText(Text);
        source->SelectAll();
        source->CopyToClipboard();
        Run(ecPaste);
    }

    // The first lines of the collapsed blocks, hidden ones too, in the
    // order of the text.
    std::vector<std::string> CollapsedHeads() const
    {
        const AnsiString text = memo->Text();
        std::vector<std::string> lines(1);
        for (size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\r\n") == 0) {
                lines.emplace_back();
                ++i;
            } else {
                lines.back() += text[i];
            }
        }
        std::vector<std::string> heads;
        const TSynTextAllFoldRanges& all = *memo->AllFoldRanges();
        // A hidden range counts its lines with the blocks around it
        // expanded where they stand: below the one in view, as it does.
        int hiddenAbove = 0;
        for (int i = 0; i < all.AllCount(); ++i) {
            const TSynTextFoldRange* range = all.AllRanges(i);
            if (!range->ParentCollapsed)
                hiddenAbove = memo->GetRealLineNumber(range->FromLine()) - range->FromLine();
            if (range->Collapsed)
                heads.push_back(Trimmed(lines.at(static_cast<size_t>(range->FromLine() + hiddenAbove - 1))));
        }
        return heads;
    }
    // The ranges, expanded, against those a fresh editor finds in the text.
    void ExpectRangesOfARebuild(const char* When) const
    {
        std::unique_ptr<TSynMemo> fresh = BraceMemo();
        fresh->SetText(memo->Text());
        fresh->RebuildFoldRanges();
        EXPECT_EQ(DescribeFoldTree(*ExpandedFoldRanges(*memo)), DescribeFoldTree(*fresh->AllFoldRanges())) << When;
    }

    std::unique_ptr<TSynMemo> memo;
};

// The caret put on column Char of the line that reads Head, then Command.
std::function<void(TSynFoldUndoTest&)> Keyed(int Char, const std::string& Head, TSynTextEditorCommand Command,
                                             char AChar = '\0')
{
    return [=](TSynFoldUndoTest& T) {
        T.memo->SetCaretXY(BufferCoord(Char, T.LineOf(Head)));
        T.Run(Command, AChar);
    };
}

struct TUndoRow {
    const char* Name;
    std::vector<std::string> Collapse;  // before the edit
    std::function<void(TSynFoldUndoTest&)> Edit;
    std::vector<std::string> AfterUndo;  // collapsed once the edit is undone
    std::vector<std::string> Refold;     // collapsed again before the redo
    std::vector<std::string> AfterRedo;
};

}  // namespace

TEST_F(TSynFoldUndoTest, UndoAndRedoGiveTheTextBackAndOpenOnlyTheBlocksTheyTouch)
{
    const std::vector<std::string> outside = {"void f1() {", "void f2() {", "if (a) {"};
    const std::vector<std::string> allButF3 = {"void f1() {", "void f2() {", "if (a) {", "void f4() {"};
    const std::vector<std::string> all = {"void f1() {", "void f2() {", "if (a) {", "void f3() {", "void f4() {"};
    const std::vector<std::string> allButF2 = {"void f1() {", "if (a) {", "void f3() {", "void f4() {"};
    const std::vector<TUndoRow> rows = {
        {"a letter typed below every block", kEvery, Keyed(1, "int a3;", ecChar, 'Z'), all, {}, all},
        {"a line break typed above every block", kEvery, Keyed(8, "int a0;", ecLineBreak), all, {}, all},
        {"a letter typed on the line before a block's first line", kEvery, Keyed(8, "int a1;", ecChar, 'Z'), all, {},
         all},
        {"Backspace joining the line after a block to its last line", kEvery, Keyed(1, "int a1;", ecDeleteLastChar),
         allButF2, {}, allButF2},
        {"Delete joining a block's first line to the line above", kEvery, Keyed(8, "int a1;", ecDeleteChar), allButF3,
         {}, allButF3},
        {"a letter typed inside a block collapsed after it", {"void f1() {", "void f4() {"},
         [](TSynFoldUndoTest& T) {
             T.memo->SetCaretXY(BufferCoord(3, T.LineOf("x3();")));
             T.Run(ecChar, 'Z');
             T.Fold("void f3() {");
         },
         {"void f1() {", "void f4() {"}, {"void f3() {"}, {"void f1() {", "void f4() {"}},
        {"lines deleted with collapsed blocks among them", kEvery,
         [](TSynFoldUndoTest& T) {
             T.Select(BufferCoord(1, T.LineOf("int a1;")), BufferCoord(1, T.LineOf("int a2;")));
             T.Run(ecDeleteChar);
         },
         outside, {"void f3() {"}, outside},
        {"a block deleted just above a collapsed one", {"if (a) {", "void f1() {", "void f2() {", "void f4() {"},
         [](TSynFoldUndoTest& T) {
             T.Select(BufferCoord(1, T.LineOf("void f3() {")), BufferCoord(2, T.LineOf("x3();") + 1));
             T.Run(ecDeleteChar);
         },
         allButF3, {}, allButF3},
        {"a block's last lines and the line below deleted", {"void f1() {", "void f3() {", "void f4() {"},
         [](TSynFoldUndoTest& T) {
             T.Select(BufferCoord(1, T.LineOf("y2();")), BufferCoord(8, T.LineOf("int a1;")));
             T.Run(ecDeleteLastChar);
         },
         {"void f1() {", "void f3() {", "void f4() {"}, {"void f2() {"},
         {"void f1() {", "void f3() {", "void f4() {"}},
        {"a paste of several lines between two blocks", kEvery,
         [](TSynFoldUndoTest& T) {
             T.memo->SetCaretXY(BufferCoord(1, T.LineOf("int a1;")));
             T.Paste("p() {\r\n  q();\r\n}\r\n");
         },
         all, {}, all},
        {"a paste over lines holding collapsed blocks", kEvery,
         [](TSynFoldUndoTest& T) {
             T.Select(BufferCoord(1, T.LineOf("int a1;")), BufferCoord(1, T.LineOf("int a2;")));
             T.Paste("r() {\r\n}\r\n");
         },
         outside, {"void f4() {"}, outside},
        {"Enter at the end of a block's first line", kEvery, Keyed(12, "void f3() {", ecLineBreak), allButF3, {},
         allButF3},
        {"Enter at the start of a block's first line, the block collapsed after it", {},
         [](TSynFoldUndoTest& T) {
             T.memo->SetCaretXY(BufferCoord(1, T.LineOf("void f3() {")));
             T.Run(ecLineBreak);
             T.Fold("void f3() {");
         },
         {}, {"void f3() {"}, {}},
    };
    for (const TUndoRow& row : rows) {
        SCOPED_TRACE(row.Name);
        memo->SetText(kText);
        memo->ClearUndo();
        memo->RebuildFoldRanges();
        for (const std::string& head : row.Collapse)
            Fold(head);
        const AnsiString before = memo->Text();
        row.Edit(*this);
        const AnsiString after = memo->Text();
        ASSERT_NE(after, before);

        memo->Undo();
        EXPECT_EQ(memo->Text(), before);
        EXPECT_EQ(CollapsedHeads(), row.AfterUndo);
        ExpectRangesOfARebuild("after the undo");
        for (const std::string& head : row.Refold)
            Fold(head);
        memo->Redo();
        EXPECT_EQ(memo->Text(), after);
        EXPECT_EQ(CollapsedHeads(), row.AfterRedo);
        ExpectRangesOfARebuild("after the redo");
        memo->Undo();
        EXPECT_EQ(memo->Text(), before);
    }
}

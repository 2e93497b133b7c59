// What random folding sessions found, each reduced to a few steps of a
// session's script (see c_fold_session.h) that a fresh editor checks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/highlighter/c_fold_session.h"

namespace {

struct TFoldCase {
    const char* What;
    bool Shipped;  // the shipped scheme's fold regions, else braces, block comments and #ifdef blocks
    const char* Script;
    bool Shown = false;  // in an editor shown as tall as a window, else in one never shown
};

class TCFoldSessionCases : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    static void Replay(const TFoldCase& Case)
    {
        SCOPED_TRACE(Case.What);
        TFoldSession session(Case.Shipped, Case.Shown);
        session.ApplyScript(Case.Script);
    }
};

TEST_F(TCFoldSessionCases, CollapsingKeepsWhatAFreshEditorShows)
{
    const TFoldCase cases[] = {
        {"A brace an #endif leaves open holds the blocks below; collapsing the #ifdef block shows those "
         "collapsed before, nested ones too",
         false,
         "text \"#ifdef W\\r\\n{\\r\\n#endif\\r\\n#ifdef X\\r\\n#ifdef Y\\r\\n#endif\\r\\n#endif\\r\\n\"\n"
         "click 5\nclick 4\nclick 1\ncheck\n"},
        {"The blocks around a collapsed #ifdef block end on its first line while it hides their ends, also when "
         "a block above is collapsed next",
         false,
         "text \"namespace n {\\r\\nx = 1; /* { */ y = 2; {\\r\\n{\\r\\n}\\r\\n#ifdef A\\r\\n};\\r\\n"
         "        }\\r\\n}\\r\\n#endif\\r\\n\"\n"
         "collapse all\ncheck\n"},
        {"A block collapsed inside a collapsed one hides its last line once an undo leaves no range opening "
         "there",
         false,
         "text \"#ifdef WIN\\r\\nstatic void w() {\\r\\n#endif\\r\\n}\\r\\nint one() { return 1; }\\r\\n\"\n"
         "run ecDeleteLastChar 1,5 1,5\ncollapse all\nundo 1\ncheck\n"},
        {"A block collapsed inside a collapsed one hides the lines a paste put in after its first line",
         true,
         "text \"{    if (v == 1) {\\r\\n    } else if (v == 2) {\\r\\n    int q;\\r\\n};    } else {\"\n"
         "clipboard \"int one() { return 1; }\\r\\n\"\ncollapse all\nrun ecPaste 1,8 1,8\ncheck\n"},
        {"A collapsed block whose last line a range opens on anew, after an undo above it, keeps that line in "
         "view",
         false,
         "text \"    }\\r\\n    *  /*\\r\\n       * {\\r\\n       */\\r\\n  #ENDIF\\r\\n};\\r\\n"
         "#ifdef A\\r\\n#ifdef B\\r\\n#endif\\r\\n#endif\\r\\n#ifdef WINstatic vxoid w() {\\r\\n\"\n"
         "run ecInsertLine 3,2 3,2\nrun ecDeleteLastChar 1,12 1,12\nrun ecDeleteChar 3,7 3,7\n"
         "run ecDeleteLastChar 1,1 1,2\nrun ecTab 28,2 28,2\nundo 2\nclick 7\nrun TaSynCut 2,4 2,6\n"
         "undo last\ncheck\n"},
    };
    for (const TFoldCase& c : cases)
        Replay(c);
}

TEST_F(TCFoldSessionCases, EditsBesideCollapsedBlocksActOnTheRealText)
{
    const TFoldCase cases[] = {
        {"Enter at the end of a collapsed first line breaks the line after the block, past a block collapsed "
         "at its end; one undo gives the text back",
         true,
         "text \"    if (a) {\\r\\n        for (;;) {\\r\\n        }\\r\\n    } else {\\r\\n\"\n"
         "collapse all\nrun ecLineBreak 13,1 13,1\ncheck\nundo last\ncheck\n"},
        {"A case change of a selection inside the collapse mark of a block below another collapsed one "
         "changes no text of the block above",
         false,
         "text \"void h2() {\\r\\n}\\r\\n    /*\\r\\n     */\\r\\n\"\n"
         "collapse all\nrun TaSynToggleCase 10,3 12,3\ncheck\n"},
        {"Upper case of a selection inside a collapse mark, which becomes upper case of the word before the "
         "caret once the block is in view, changes no text of the block above",
         false,
         "text \"void h2() {\\r\\n}\\r\\n    /*\\r\\n     */\\r\\n\"\n"
         "collapse all\nrun TaSynUpperCase 10,3 12,3\ncheck\n"},
        {"Unindent in line mode with nothing selected on a collapsed function's first line: the line it "
         "selects stands for that line alone, whose hidden lines keep their indent",
         false,
         "text \"x;\\r\\nvoid h1() {\\r\\n    a();\\r\\n}\\r\\n\"\n"
         "run ecLineSelect 1,1 1,1\nclick 2\nrun TaSynBlockUnindent 1,2 1,2\ncheck\n"},
        {"Drops past a line's end, from another editor and moved within, pad the line with blanks that their "
         "undo takes back",
         true,
         "text \"ab\\r\\ncd\\r\\nef\"\n"
         "run DropFrom 1,1 1,1 @12,1 \"/*\"\nrun DragMove 1,1 2,3 @9,1\nundo everything\ncheck\n"},
        {"Drops in line mode put whole lines in above the point's line, in column mode down the lines from its "
         "column, past the text's end too: undo takes back what each put in, and no more",
         true,
         "text \"ab\\r\\ncd\"\nrun ecLineSelect 1,1 1,1\nrun DropFrom 1,1 1,1 @2,2 \"x\\r\\ny\\r\\n\"\n"
         "run ecColumnSelect 1,1 1,1\nrun DropFrom 1,1 1,1 @4,2 \"x\\r\\ny\\r\\nz\"\nundo everything\ncheck\n"},
        {"A drop on the collapsed last function while the scan is pending, whose finish collapses the block "
         "above again over its freed last line: the drop's place stays on that function's first line, where the "
         "drop is refused",
         true,
         "text \"int v;\\r\\nif (a) {\\r\\n    x();\\r\\n} else {\\r\\n    y();\\r\\n}\\r\\nvoid f() {\\r\\n    z();\\r\\n}\"\n"
         "click 7\nclick 2\nrun ecDeleteChar 8,4 8,4\nrun DragMove 1,1 4,1 @2,7\ncheck\n"},
        {"A selection from a line above into a collapse mark, dragged into that mark: the point lies inside the "
         "selection, which takes the hidden lines, and nothing moves",
         true,
         "text \"int a;\\r\\nvoid t()\\r\\n{\\r\\n\\tx;\\r\\n}\\r\\nint b;\"\n"
         "click 3\nrun DragMove 3,1 9,3 @8,3\ncheck\n"},
        {"A selection from a line above into the mark of a block collapsed inside a collapsed one on the same "
         "line, dragged onto that line: the point lies inside the selection, which takes the hidden lines, and "
         "nothing moves",
         false,
         "text \"x;\\r\\nif (b) { /* c\\r\\n d */\\r\\n}\\r\\ny;\\r\\n\"\n"
         "collapse all\nrun DragMove 2,1 15,2 @20,2\ncheck\n"},
        {"A selection from inside a collapse mark to a line below, dragged to a column before it in that mark: "
         "both stand past the line's text, the point inside the selection, and nothing moves",
         false,
         "text \"{\\r\\n    {\\r\\n        return 1;\\r\\n    } else if (v == 2) {\\r\\n}\\r\\n\"\n"
         "collapse all\nrun ecCut 1,3 9,1\nrun DragMove 31,3 2,5 @28,3\ncheck\n"},
        {"A column selection stays one after a delete of the word refused on a collapsed first line, where "
         "nothing collapsed it would end column mode: a cut below the block takes a column",
         false,
         "text \"abcd\\r\\n{\\r\\nxy\\r\\n}\\r\\nefgh\\r\\nijkl\\r\\n\"\n"
         "run ecColumnSelect 1,1 1,1\nclick 2\nrun TaSynDeleteWord 1,2 1,2\nrun ecCut 2,5 3,6\ncheck\n"},
        {"A smart Tab far along a line that word wrap breaks into rows looks above at the caret's column in the "
         "line, not in its row: the text is that of an editor of any width",
         true,
         "text \"a b c d e f g h i j k l m n o p q r s t u v w x y z\\r\\n"
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"\n"
         "wrap on\nrun ecTab 101,2 101,2\n",
         true},
    };
    for (const TFoldCase& c : cases)
        Replay(c);
}

TEST_F(TCFoldSessionCases, FindsAndReplacesAmongCollapsedBlocksActOnTheRealText)
{
    // A first line longer than the room past line ends (1,024 columns).
    const std::string fromLongMark = "text \"" + std::string(1100, 'x') +
                                     " {\\r\\n  a;\\r\\n}\\r\\n\"\nclick 1\nrun FindNext 1108,1 1108,1 \"q\"\n";
    const TFoldCase cases[] = {
        {"A find next from a collapsed function's first line selects the match its body hides, past a block "
         "collapsed above the match in that body",
         true,
         "text \"int f(int a) {\\r\\n  if (a) {\\r\\n    x();\\r\\n  }\\r\\n  return x;\\r\\n}\\r\\n\"\n"
         "collapse all\nrun FindNext 9,1 9,1 \"return x;\"\ncheck\n"},
        {"The undo of a replace-all, run as a command, collapses its blocks again on the ranges of the text it "
         "gives back: a line comment holding the brace that closed the block in the replaced text",
         false,
         "text \"struct s {\\r\\n    a; // }\\r\\n};\\r\\n\"\n"
         "click 1\nrun ReplaceAll 1,1 1,1 \"//\" \"x\"\nundo 1\ncheck\nredo 1\ncheck\n"},
        {"A find that finds nothing leaves the caret where it stood, far past the line's end in a wrapped editor",
         true, "text \"\"\nwrap on\nrun FindNext 8680,1 8680,1 \"x;\"\n"},
        {"A find that finds nothing from the end of the collapse mark of a first line longer than the room past "
         "line ends leaves the caret at the line's end, where the block's expansion put it",
         true, fromLongMark.c_str()},
    };
    for (const TFoldCase& c : cases)
        Replay(c);
}

TEST_F(TCFoldSessionCases, CommandsOverABlockThePendingScanCollapsesAgainActWhereTheSelectionStood)
{
    // The '{' deleted from "} else {" frees the last line of the collapsed
    // block above it; the scan still pending, a command reaching that block
    // has the caret or the selection's end on that line, which the scan's
    // new collapse takes in.
    const std::string steps = "text \"int v;\\r\\nif (a) {\\r\\n    x();\\r\\n} else {\\r\\n    y();\\r\\n}\\r\\n"
                              "void f() {\\r\\n    z();\\r\\n}\\r\\nw();\\r\\n\"\n"
                              "click 7\nclick 2\nrun ecDeleteChar 8,4 8,4\n";
    const struct {
        const char* What;
        bool Shipped;
        const char* Command;
    } rows[] = {
        {"Delete of a selection from above the block to the caret on its freed last line", true,
         "run ecDeleteChar 1,1 3,4"},
        {"Shift+Delete of a selection from the freed last line to below another collapsed block", false,
         "run TaSynCut 3,4 1,10"},
        {"Tab over the lines from below another collapsed block to the caret on the freed last line", true,
         "run ecTab 2,10 3,4"},
        {"Backspace at column 1 of the freed last line joins it to the line above it, not the block's first "
         "line to the line above the block",
         true, "run ecDeleteLastChar 1,4 1,4"},
        {"A replace-all from the caret on the freed last line starts there, not on the block's first line above "
         "the match it hid",
         true, "run ReplaceAll 1,4 1,4 \"x\" \"X\""},
    };
    for (const auto& row : rows) {
        const std::string script = steps + row.Command + "\ncheck\n";
        Replay({row.What, row.Shipped, script.c_str()});
    }
}

TEST_F(TCFoldSessionCases, ScanningAfterEditsKeepsWhatAFreshEditorShows)
{
    const TFoldCase cases[] = {
        {"An #endif below a collapsed block closed an #ifdef block inside it; deleted, the blocks below lie "
         "inside that #ifdef block",
         false,
         "text \"x        {\\r\\n#ifdef ALONE\\r\\n};\\r\\nvoid d()\\r\\n#endif\\r\\n{\\r\\n"
         "    if (v == 1) {\\r\\n        return 1;\\r\\n    } else if (v == 2) {\\r\\n\"\n"
         "click 7\nclick 1\nrun ecDeleteChar 1,5 1,6\ncheck\n"},
        {"A scan that ends early goes past the last line of a block collapsed inside one in view, which "
         "reaches below that block",
         false,
         "text \"\\r\\n\\r\\n#ifdef A\\r\\n{\\r\\n#endif\\r\\nvoid h2() {\\r\\n}\\r\\n}\\r\\n\"\n"
         "collapse all\nclipboard \"a\\r\\n\"\nrun ecPaste 1,9 1,9\ncheck\n"},
        {"An edit from the last line of a block collapsed inside one in view, below that one: the scan reads "
         "the inner block from its first line and finds it left open",
         false,
         "text \"#ifdef A\\r\\n{\\r\\n#endif\\r\\n} else {\\r\\n}\\r\\n\"\n"
         "click 2\nclick 1\nrun ecChar 1,4 2,5 'x'\ncheck\n"},
        {"A scan that ends early brings a block into view that held collapsed blocks below the line it ended "
         "on: they come into view with it",
         false,
         "text \"void h1() {\\r\\n    A();\\r\\n}{ID W() {\\r\\n    }\\r\\n}\\r\\n}\\r\\n"
         "#ifdef WRAPPED\\r\\n    if (a) {\\r\\n        for (;;) {\\r\\n"
         "    char* p = \\\"\\xDF@\\\\\\\"\\x81\\\\\\\";  // \\xD6\\xD0 }\\r\\n}\\r\\n#endif\\r\\n"
         "    if (b) { /* why\\r\\n        more */ }\\r\\n}\\r\\n\"\n"
         "collapse all\nrun ecChar 1,3 9,6 '\"'\ncheck\n"},
        {"The first line, which opened a comment never closed, deleted: the scan starts on the line now first",
         true,
         "text \"/* note\\r\\n{ x }\\r\\n\"\nrun ecDeleteLine 1,1 1,1\ncheck\n"},
        {"Two braces opened on one line and closed on one line, the inner collapsed inside a collapsed block: "
         "the undo of an edit above finds each again as itself, and the block below them keeps its hidden line",
         false,
         "text \"\\tswitch (x) {\\r\\n\\tcase 1: {\\r\\nvoid h1() {#ifdef   {\\r\\n}}\\r\\nvoid h2() {\\r\\n"
         "        more */ }\\r\\n}\"\n"
         "clipboard \"}\"\nrun TaSynPaste 1,1 1,1\ncollapse all\nundo last\ncheck\n"},
        {"Ctrl+Shift+Delete of the brace that kept a collapsed block's last line in view: the block takes "
         "that line in once both halves of the command are done, and the second acts where the first did",
         true,
         "text \"enum e {\\r\\n    A,\\r\\n}; struct t {\\r\\n};\"\n"
         "click 1\nrun TaSynDeleteWord 13,3 13,3\ncheck\n",
         true},
        {"The undo of a column paste whose lines collapsed blocks hide: the edits below the blocks it expands "
         "are scanned where the expansion moved them, and the brace the paste put there opens no block",
         false,
         "text \"{\\r\\n{\\r\\n}\\r\\n}\\r\\nx\"\nrun ecColumnSelect 1,1 1,1\n"
         "clipboard \"a\\r\\nb\\r\\n{\"\nrun TaSynPaste 3,3 3,3\nclick 2\nclick 1\nundo last\ncheck\n",
         true},
        {"A '#' that makes a line a preprocessor line ends the comment it opened: the brace below opens a block",
         false, "text \"  /*\\r\\n{\\r\\n\"\nidle\nrun ecChar 1,1 1,1 '#'\ncheck\n"},
        {"The '#' deleted, the comment goes on below: the brace there opens no block", false,
         "text \"#  /*\\r\\n{\\r\\n\"\nidle\nrun ecDeleteChar 1,1 1,1\ncheck\n"},
        {"An edit on the shown last line of a block collapsed inside a collapsed #ifdef block moves that "
         "block's end: both come into view, and so does the block below them that a brace they left open holds",
         false,
         "text \"#ifdef A\\r\\n{\\r\\n{\\r\\n#endif\\r\\n} {\\r\\nb();\\r\\n}\\r\\n{\"\n"
         "click 3\nclick 1\nrun ecDeleteLine 1,5 1,5\ncheck\n"},
        {"A comment closed above a collapsed #ifdef block: the scan finds a block collapsed inside it otherwise, "
         "and puts its hidden lines back once the block around it is in view, not after that block's first line",
         false,
         "text \"\\r\\n        more */ }\\r\\nx = 1; /* {  y = 2; {\\r\\n};\\r\\nint one() { { 1; }\\r\\n"
         "#ifdef WITH_X\\r\\n#ifdef WITH_Y\\r\\n        { 1;\\r\\n#endif\\r\\n#ifdef WITH_Y\\r\\n#endif\\r\\n#endif\\r\\n\"\n"
         "collapse all\nrun DragMove 20,2 24,1 @1,4\nidle\ncheck\n"},
    };
    for (const TFoldCase& c : cases)
        Replay(c);
}

}  // namespace

// What the tree view tests share: a view in the test font on a form, a
// small tree of three levels, logs of the view's events and GBK texts.
#pragma once

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/ui/itemviews/tree_view.h"

using TTreeLog = std::vector<std::string>;

// GBK: 說 D5 66 ('f'), 門 E9 54 ('T'), 這 DF 40 ('@'), 乗 81 5C ('\\'), 中 D6 D0.
inline const AnsiString TreeShuo = "\xD5\x66";
inline const AnsiString TreeMen = "\xE9\x54";

// A tree view at (10, 10) of the form, in the test font: rows of 18.
TTreeView* AddTree(TWinControl& Form, int Width = 200, int Height = 150);

// A (A1 (A1a, A1b), A2), B (B1), C, all collapsed.
void BuildThreeLevels(TCustomTreeView* Tree);

// The node with Text, in the tree's order; nullptr when none has it.
TTreeNode* FindNode(TCustomTreeView* Tree, const AnsiString& Text);

// The texts of the shown rows, from the first.
TTreeLog VisibleRows(TCustomTreeView* Tree);

// Logs "change X", "changing X", "expanding X", "expanded X",
// "collapsing X", "collapsed X", "deletion X", "edited X=S" as they come.
void LogTreeEvents(TCustomTreeView* Tree, TTreeLog& Log);

// The middle of a node's text on the screen (the node must be shown).
TPoint NodePoint(TTreeNode* Node);

// Editors folding C text as the shipped C/C++ scheme folds it, and the
// checks that what folding shows is what a fresh editor shows for the same
// text with the same blocks collapsed.
#pragma once

#include <climits>
#include <functional>
#include <memory>
#include <string>

#include "editor/syn_memo.h"

class TSynLexSyn;

// Gives Memo Highlighter, loaded with the shipped C/C++ scheme when it is
// not yet, and folding by the scheme's regions.
void UseCFolding(TSynMemo& Memo, TSynLexSyn& Highlighter);
std::unique_ptr<TSynMemo> NewCFoldingMemo(TSynLexSyn& Highlighter);
// Loads the shipped C/C++ scheme into Highlighter with its folding skipping
// strings alone, to their close quote on whatever line (as a scheme's
// multi-line strings are skipped): a quote left open holds the lines below
// it, as the cases that need a string reaching far down take it.
void LoadCSchemeWithStringsOverLines(TSynLexSyn& Highlighter);
// Colours by the scheme, but folds by braces (their close shown on a
// collapsed first line), block comments that hold no ranges and #ifdef
// blocks (their #endif shown likewise), strings and line comments skipped.
void UseRegionFolding(TSynMemo& Memo, TSynLexSyn& Highlighter);

// Makes an editor that folds as another does.
using TFoldingMemoMaker = std::function<std::unique_ptr<TSynMemo>()>;

// The buffer line showing line Real of the text with nothing collapsed.
int BufferLineOf(TSynMemo& Memo, int Real);

// Puts the caret on From and selects From .. To, both in the lines of the
// text with nothing collapsed (no selection when they are equal).
void SelectReal(TSynMemo& Memo, TBufferCoord From, TBufferCoord To);

// The plain text on the clipboard.
AnsiString ClipboardText();

// Where each token of line Index (from 0) starts and its attribute, as
// painting finds them.
std::string DescribeColours(TSynMemo& Memo, int Index);

// A fresh editor of Memo's kind, given Memo's text with nothing collapsed
// and then the blocks Memo has collapsed, shows the same lines and has the
// same fold ranges; and the lines in view have the colours they have in
// the text with nothing collapsed (those from FirstColoured to LastColoured
// of them).
void ExpectFoldsOfAFreshEditor(TSynMemo& Memo, const TFoldingMemoMaker& NewMemo, int FirstColoured = 1,
                               int LastColoured = INT_MAX);

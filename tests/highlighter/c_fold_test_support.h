// Editors folding C text as the shipped C/C++ scheme folds it, and the
// checks that what folding shows is what a fresh editor shows for the same
// text with the same blocks collapsed.
#pragma once

#include <memory>
#include <string>

#include "editor/syn_memo.h"

class TSynLexSyn;

// Highlighter (loaded with the shipped C/C++ scheme when it is not yet) on
// a memo that folds by the scheme's regions.
std::unique_ptr<TSynMemo> NewCFoldingMemo(TSynLexSyn& Highlighter);

// The buffer line showing line Real of the text with nothing collapsed.
int BufferLineOf(TSynMemo& Memo, int Real);

// Puts the caret on From and selects From .. To, both in the lines of the
// text with nothing collapsed (no selection when they are equal).
void SelectReal(TSynMemo& Memo, TBufferCoord From, TBufferCoord To);

// Where each token of line Index (from 0) starts and its attribute, as
// painting finds them.
std::string DescribeColours(TSynMemo& Memo, int Index);

// A fresh editor of Memo's kind, given Memo's text with nothing collapsed
// and then the blocks Memo has collapsed, shows the same lines and has the
// same fold ranges; and the lines in view have the colours they have in
// the text with nothing collapsed.
void ExpectFoldsOfAFreshEditor(TSynMemo& Memo);

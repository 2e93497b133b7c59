// The fold regions the code folding benchmarks give an editor: braces,
// with strings, line comments and block comments skipped.
#pragma once

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_code_folding.h"

// Folds on braces outside strings and comments, in place of the
// highlighter's fold regions.
inline void UseBraceFoldRegions(TSynCodeFolding* Folding)
{
    TFoldRegions* regions = Folding->FoldRegions();
    regions->Add(frtOneChar, false, false, false, "{", "}");
    regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    regions->SkipRegions()->Add("//", "", "", srtLineEnd);
    regions->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    Folding->SetHighlighterFoldRegions(false);
}

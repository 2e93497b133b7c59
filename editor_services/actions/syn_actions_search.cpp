// The find and replace actions (see the header).
#include "editor_services/actions/syn_actions_search.h"

#include "editor_services/search/syn_search_dialog.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/search/syn_text_searcher.h"

void RunSearchStep(TCustomSynTextEditor* Editor, TSynSearchStep Step)
{
    const bool replacing = Step >= ssReplace;
    if (!(replacing ? SynReplaceDialogFactory : SynFindDialogFactory))
        return;
    TSynTextSearcher& searcher = SynTextSearcher();
    switch (Step) {
    case ssFind:
        return searcher.Find(Editor);
    case ssFindNext:
        return searcher.FindNext(Editor);
    case ssFindLast:
        return searcher.FindLast(Editor);
    case ssFindNextWord:
        return searcher.FindNextWord(Editor);
    case ssFindLastWord:
        return searcher.FindLastWord(Editor);
    case ssReplace:
        return searcher.Replace(Editor);
    case ssReplaceNext:
        return searcher.ReplaceNext(Editor);
    case ssReplaceLast:
        return searcher.ReplaceLast(Editor);
    }
}

// The bookmark actions (see the header).
#include "editor_services/actions/syn_actions_bookmarks.h"

#include "editor_services/syn_text_editor.h"

void TaSynGotoBookmark::ExecuteTarget(TObject* Target)
{
    if (FindTarget(Target))
        TargetEditor()->GotoBookMark(Bookmark);
}

void TaSynSetBookmark::ExecuteTarget(TObject* Target)
{
    // Outside 0 .. 9 the sum would name another command (-50 goes to
    // bookmark 0).
    if (Bookmark >= 0 && Bookmark <= 9 && FindTarget(Target))
        RunCommand(TargetEditor(), static_cast<TSynTextEditorCommand>(ecSetMarker0 + Bookmark));
}

void TaSynClearBookmark::ExecuteTarget(TObject* Target)
{
    if (!FindTarget(Target))
        return;
    if (Bookmark < 0)
        RunCommand(TargetEditor(), ecClearBookmarks);
    else
        TargetEditor()->ClearBookMark(Bookmark);
}

// Marks follow their text when lines come and go; plug-ins hear of it
// after the marks have moved.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "editor/document/syn_text_mark.h"
#include "editor/syn_text_plugin.h"

void TCustomSynText::DoLinesInserted(int FirstLine, int Count)
{
    if (CountsFoldChanges())
        foldScan_.NoteMoved(false, FirstLine, Count);
    for (int i = 0; i < marks_->Count(); ++i) {
        TSynTextMark* mark = marks_->Items(i);
        if (mark->Line() >= FirstLine)
            mark->SetLine(mark->Line() + Count);
    }
    for (size_t i = 0; i < plugins_.size(); ++i)
        plugins_[i]->LinesInserted(FirstLine, Count);
}

void TCustomSynText::DoLinesDeleted(int FirstLine, int Count, bool JoinsFirst)
{
    // The fold ranges follow the lines as the buffer took them out, which
    // its log of line shifts must agree with.
    if (CountsFoldChanges())
        foldScan_.NoteMoved(false, JoinsFirst ? FirstLine + 1 : FirstLine, -Count);
    // A mark on a deleted last line stays on the line that is last now.
    const int lastLine = std::max(1, lines_->Count());
    for (int i = 0; i < marks_->Count(); ++i) {
        TSynTextMark* mark = marks_->Items(i);
        if (mark->Line() >= FirstLine + Count)
            mark->SetLine(mark->Line() - Count);
        else if (mark->Line() > FirstLine)
            mark->SetLine(FirstLine);
        if (mark->Line() > lastLine)
            mark->SetLine(lastLine);
    }
    deletedJoinsFirst_ = JoinsFirst;
    for (size_t i = 0; i < plugins_.size(); ++i)
        plugins_[i]->LinesDeleted(FirstLine, Count);
    deletedJoinsFirst_ = false;
}

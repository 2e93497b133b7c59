// Code folding: finding fold ranges, collapsing and expanding them.
#include "editor/syn_custom_text.h"
#include "editor/syn_fold_ranges.h"

void TCustomSynText::CodeFoldingChanged(TSynCodeFoldingChanges) { Invalidate(); }
void TCustomSynText::RebuildFoldRanges() {}
void TCustomSynText::RescanFoldRanges() {}
void TCustomSynText::Collapse(TSynTextFoldRange*) {}
void TCustomSynText::Uncollapse(TSynTextFoldRange*) {}
void TCustomSynText::UncollapseAll() {}
void TCustomSynText::UncollapseLevel(int, bool) {}
TSynTextFoldRange* TCustomSynText::GetFoldRangeStartingAt(int) const { return nullptr; }
TSynTextFoldRange* TCustomSynText::GetFoldRangeEndingAt(int) const { return nullptr; }
TSynTextFoldRange* TCustomSynText::GetFoldRangeAtLine(int, int*) const { return nullptr; }
bool TCustomSynText::IsFoldEnd(int) const { return false; }
bool TCustomSynText::IsInsideFold(int) const { return false; }
int TCustomSynText::GetRealLineNumber(int Line) const { return Line; }
TRect TCustomSynText::GetCollapseMarkRect(TSynTextFoldRange*, int) const { return TRect(); }
int TCustomSynText::IndentLevel(int) const { return 0; }
int TCustomSynText::LeadingWidth(int) const { return 0; }
bool TCustomSynText::FoldKeyAllowed(WORD) { return true; }
void TCustomSynText::UpdateCaretFoldRange() {}
std::unique_ptr<TSynTextStringList> TCustomSynText::GetExpandedLines() const
{
    auto copy = std::make_unique<TSynTextStringList>();
    copy->Assign(lines_);
    return copy;
}
bool TCustomSynText::LineHasFoldToken(const AnsiString&, AnsiString&) const { return false; }

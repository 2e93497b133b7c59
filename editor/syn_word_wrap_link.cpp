// The editor's side of word wrap: holding the wrap plug-in and mapping rows
// to lines through it.
#include "editor/syn_custom_text.h"

void TCustomSynText::WordWrapChanged(TObject*) { Invalidate(); }
void TCustomSynText::RightEdgeChanged(TObject*) { Invalidate(); }
int TCustomSynText::RowToLine(int ARow) const { return ARow; }
int TCustomSynText::LineToRow(int ALine) const { return ALine; }
int TCustomSynText::GetWrapAreaWidth() const { return 0; }
void TCustomSynText::SetInternalDisplayXY(const TDisplayCoord& Value) { SetCaretXY(DisplayToBufferPos(Value)); }
void TCustomSynText::SetWordWrapActive(bool) {}

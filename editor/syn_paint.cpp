// Painting: the paint handler, the fold marks and the invalidation the rest
// of the editor uses.
#include "editor/syn_custom_text.h"
#include "platform/win/update_region.h"

void TCustomSynText::InvalidateRect(const TRect& ARect, bool AErase)
{
    if (HandleAllocated())
        ::InvalidateRect(Handle(), &ARect, AErase);
}

void TCustomSynText::InvalidateLine(int) { Invalidate(); }
void TCustomSynText::InvalidateLines(int, int) { Invalidate(); }
void TCustomSynText::InvalidateSelection() { Invalidate(); }
void TCustomSynText::InvalidateGutter() { Invalidate(); }

void TCustomSynText::GutterChanged(TObject*) { Invalidate(); }
void TCustomSynText::LineDividerChanged(TObject*) { Invalidate(); }
void TCustomSynText::ActiveLineChanged(TObject*) { Invalidate(); }
void TCustomSynText::BackgroundChanged(TObject*) { Invalidate(); }
void TCustomSynText::SelectedColorChanged(TObject*) { Invalidate(); }
void TCustomSynText::BookMarkOptionsChanged(TObject*) { Invalidate(); }
void TCustomSynText::MarkListChanged(TObject*) { Invalidate(); }

void TCustomSynText::Paint() {}
void TCustomSynText::DrawRightEdgeDragLine(int) {}
void TCustomSynText::PaintGutter(const TRect&, int, int) {}
void TCustomSynText::PaintTextLines(const TRect&, int, int, int, int) {}

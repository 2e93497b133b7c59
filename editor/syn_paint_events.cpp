// The paint events: OnPaint after the text is drawn, and OnPaintTransient
// around the passing marks (bracket highlights and the like) that are drawn
// over the text and taken away again.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"

void TCustomSynText::DoOnPaint()
{
    if (!OnPaint)
        return;
    Canvas()->Font()->Assign(Font());
    Canvas()->Brush()->SetColor(Color());
    OnPaint(this, Canvas());
}

void TCustomSynText::DoOnPaintTransientEx(TTransientType TransientType, bool Lock)
{
    // A locked pair fires its "before" only when no other pair is open and
    // its "after" only when it closes the last one. A stray "after" must not
    // push the counter below 0, which would silence every later pair.
    bool fire = paintTransientLock_ == 0;
    if (Lock) {
        if (TransientType == ttBefore) {
            ++paintTransientLock_;
        } else {
            paintTransientLock_ = std::max(paintTransientLock_ - 1, 0);
            fire = paintTransientLock_ == 0;
        }
    }
    if (!fire || !OnPaintTransient)
        return;
    // The handler draws on the window: its pixels must stand where the view is.
    ScrollPendingView();
    Canvas()->Font()->Assign(Font());
    Canvas()->Brush()->SetColor(Color());
    HideEditorCaret();
    OnPaintTransient(this, Canvas(), TransientType);
    if (!options_.Contains(eoNoCaret))
        ShowEditorCaret();
}

void TCustomSynText::DoOnPaintTransient(TTransientType TransientType) { DoOnPaintTransientEx(TransientType, false); }

// Keyboard and mouse input.
#include "editor/syn_custom_text.h"

void TCustomSynText::KeyDown(WORD& Key, TShiftState Shift) { TCustomControl::KeyDown(Key, Shift); }
void TCustomSynText::KeyUp(WORD& Key, TShiftState Shift) { TCustomControl::KeyUp(Key, Shift); }
void TCustomSynText::KeyPress(char& Key) { TCustomControl::KeyPress(Key); }
void TCustomSynText::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
}
void TCustomSynText::MouseMove(TShiftState Shift, int X, int Y) { TCustomControl::MouseMove(Shift, X, Y); }
void TCustomSynText::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
}
void TCustomSynText::ScrollTimerHandler(TObject*) {}
void TCustomSynText::UpdateMouseCursor() {}
void TCustomSynText::DoOnGutterClick(TMouseButton, int, int) {}

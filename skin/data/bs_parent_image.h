// Painting what lies under a control: its parent's background and the
// window-less siblings below it, so that a control that shows through
// (a transparent panel, a tab strip) can draw itself over them.
#pragma once

#include "platform/base/geometry.h"

class TCanvas;
class TControl;

// The parent's image under Control, drawn on Canvas with Control's
// top-left at the canvas's origin: the parent's erased background and own
// painting (a form only erases), then each visible window-less sibling
// below Control in z-order that overlaps it. Nothing without a control or
// a parent.
void GetParentImage(TControl* Control, TCanvas* Canvas);
// The same for the part Rect (control coordinates) of Control: Rect's
// top-left lands at the canvas's origin.
void GetParentImageRect(TControl* Control, const TRect& Rect, TCanvas* Canvas);

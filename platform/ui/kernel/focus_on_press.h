// A press of the mouse gives a control the focus before the control acts
// on it, as the platform's own controls do.
#pragma once

class TWinControl;

// Focuses Control when it can take the focus and has not got it; false
// when the control was freed meanwhile (a handler of the focus change may
// free it), and the press must go no further.
bool TakeFocusOnPress(TWinControl* Control);

// The blocking fade-in of the skinned popups (menus, hint, images menu):
// the layered window's alpha rises from 0 to its target on the calling
// thread before it returns.
#pragma once

#include <cstdint>

#include "platform/win/win_types.h"

// Alpha grows by Step (capped at Target) whenever at least MinWait ms have
// passed since the last step, the first step at once; Repaint repaints the
// window at each step. Between steps the thread sleeps a millisecond, which
// moves a hand-driven clock on, so the fade ends under tests too.
void FadeInWindow(HWND Window, int Step, int Target, uint32_t MinWait, bool Repaint = false);

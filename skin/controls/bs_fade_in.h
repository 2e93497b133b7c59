// The blocking fade-in of the skinned popups (menus, hint, images menu):
// the layered window's alpha rises from 0 to its target on the calling
// thread before it returns.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/win/win_types.h"

// The loop itself: Apply gets each new alpha, from Step (capped at Target)
// up to Target, the first at once and each next one at least MinWait ms
// after the last; the thread sleeps a millisecond between polls, so a
// hand-driven clock moves on. Keep polling while Going answers true.
void FadeInSteps(int Step, int Target, uint32_t MinWait, const std::function<void(int Alpha)>& Apply,
                 const std::function<bool()>& Going = nullptr);

// Alpha grows by Step (capped at Target) whenever at least MinWait ms have
// passed since the last step, the first step at once; Repaint repaints the
// window at each step. Between steps the thread sleeps a millisecond, which
// moves a hand-driven clock on, so the fade ends under tests too.
void FadeInWindow(HWND Window, int Step, int Target, uint32_t MinWait, bool Repaint = false);

// A window that is never seen itself but stands for another one on the
// desktop: the program's application window stands for its main form and
// the form's task-bar entry. Hiding the stand-in hides the other window;
// restoring or showing it shows the other window again, out of its
// minimized state for SW_RESTORE. Other commands change nothing.
#pragma once

#include "platform/win/win_types.h"

// Target(Context) answers the window stood for at the time of the call
// (0: none, and the command does nothing). A null Target ends the standing
// in; so does the stand-in's destruction.
using TStandInTarget = HWND (*)(void* Context);
void SetStandInWindow(HWND StandIn, TStandInTarget Target, void* Context);
// ShowWindow's part for a stand-in: true when Window is one, with Result
// the command's answer for its target (whether it was visible).
bool ShowStandIn(HWND Window, int Command, bool& Result);

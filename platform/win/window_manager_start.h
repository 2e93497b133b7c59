// Starting the window manager: its areas and display back ends are put in
// place by one call rather than by static initialisers, so that a program
// linked with a plain link line gets all of them.
#pragma once

// Wires input and painting into the window manager and makes the display
// back ends available. The application object calls it first thing, and
// the first use of the back end does too; calls after the first do nothing.
void StartWindowManager();

// The program's compiled-in skins and pictures, found by name through
// platform/gdi/resources.h: "Office2007.skn", "VistaLight.skn",
// "ColorExpert.skn", "Gradic.skn" (skin files), "toolbar.bmp",
// "toolbar_disabled.bmp", "tree.bmp", "tabs.bmp", "list.bmp",
// "bookmarks.bmp" and "tandril.ico".
#pragma once

// Registers the resources (once) and answers true. Code that looks one of
// them up calls it first: the call is what keeps the table in a program
// linked with a plain link line.
bool EnsureProgramResources();

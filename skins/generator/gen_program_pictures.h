// The program's own pictures: the tool bar's images (normal and disabled),
// the tree, tab, list and bookmark images and the application icon.
#pragma once

#include <string>

// Writes "toolbar.bmp", "toolbar_disabled.bmp", "tree.bmp", "tabs.bmp",
// "list.bmp", "bookmarks.bmp" and "tandril.ico" into Folder.
void WriteProgramPictures(const std::string& Folder);

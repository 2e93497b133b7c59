// The places beside a file dialog's list: the home folder, the desktop
// folder the desktop's user-dirs file names, and the folders files were
// chosen in during this run.
#pragma once

#include <vector>

#include "platform/base/ansi_string.h"

struct TFilePlace {
    AnsiString Caption;
    AnsiString Folder;  // absolute, GBK
};

// Home ($HOME), the desktop (XDG_DESKTOP_DIR of user-dirs.dirs in the
// user's configuration folder, else ~/Desktop), then the folders used last,
// newest first; only folders that exist and whose names GBK can hold.
std::vector<TFilePlace> FilePlaces();

// Remembers Folder as the one used last, for the places of the dialogs
// opened after this one.
void RememberFolder(const AnsiString& Folder);

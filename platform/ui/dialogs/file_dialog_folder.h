// A folder as the file dialogs list it: the names on disk (UTF-8) turned
// into the program's GBK, each marked with whether its GBK form still names
// the same file, and the order of the list's columns.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/ansi_string.h"

struct TFolderEntry {
    AnsiString Name;  // GBK; characters GBK cannot hold show as '?'
    // GbkToUtf8(Name) gives back the name on disk: only then may the name
    // be handed to the program, which would otherwise reach another file.
    bool Representable = true;
    bool Folder = false;  // a folder, or a link to one
    int64_t Size = 0;     // bytes; 0 for folders
    int64_t Time = 0;     // the last change, in seconds since 1970
};

// The entries of Folder (an absolute GBK name), hidden ones (a leading
// '.') left out, in no particular order; false when the folder cannot be
// read.
bool ReadFolder(const AnsiString& Folder, std::vector<TFolderEntry>& Entries);

// The list's columns, by which it sorts.
enum TFolderColumn { fcName, fcSize, fcTime };

// Folders first, then files, each group by Column and then by name (without
// case), Descending reversing the order inside each group.
void SortFolderEntries(std::vector<const TFolderEntry*>& Entries, TFolderColumn Column, bool Descending);

// The size column's text: whole kilobytes rounded up, with thousands
// separators ("1,234 KB"); "文件夹" for a folder.
AnsiString FolderEntrySizeText(const TFolderEntry& Entry);
// The date column's text, local time "yyyy-mm-dd hh:nn".
AnsiString FolderEntryTimeText(const TFolderEntry& Entry);

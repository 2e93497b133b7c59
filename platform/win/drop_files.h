// Files dropped on a window from the desktop's file manager.
//
// A window that accepts files (DragAcceptFiles, WS_EX_ACCEPTFILES) gets
// WM_DROPFILES (wParam: an HDROP) when files are dropped on it or on a
// child of it that does not accept them itself. The receiver reads the
// names and the point and frees the drop with DragFinish. An HDROP is a
// global memory block holding a DROPFILES header, then the file names
// (GBK, each ended by a zero byte) and a last zero byte.
#pragma once

#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/win/global_memory.h"
#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

using HDROP = HGLOBAL;

struct DROPFILES {
    DWORD pFiles = sizeof(DROPFILES);  // where the names start, from the block's start
    TPoint pt;                         // the drop point, in the receiver's client coordinates
    int32_t fNC = 0;                   // the point lies outside the client area
    int32_t fWide = 0;                 // always 0: the names are GBK
};

void DragAcceptFiles(HWND Window, bool Accept);
// Index 0xFFFFFFFF answers the number of files. With a null Buffer, the
// length of the name in bytes (without the zero byte); else copies at most
// Size - 1 bytes of it, never half a double-byte character, adds a zero
// byte and answers the bytes copied. 0 for an index out of range.
UINT DragQueryFile(HDROP Drop, UINT Index, char* Buffer, UINT Size);
// The drop point in client coordinates; true when it lies in the client area.
bool DragQueryPoint(HDROP Drop, TPoint* Point);
void DragFinish(HDROP Drop);

// The back end's side: a drop of files (GBK names) at a screen point.
struct TBackendDropEvent {
    HWND Surface = nullptr;
    TPoint Screen;
    std::vector<AnsiString> Files;
};
// Set by the window manager; a back end calls Drop for each drop. Drop
// answers whether a window took the files.
struct TBackendDropEvents {
    bool (*Drop)(const TBackendDropEvent&) = nullptr;
};
TBackendDropEvents& BackendDropEvents();

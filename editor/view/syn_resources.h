// The editor's built-in pictures ("SynTextWrapped", "SynTextInternalImages"),
// packed into the editor library at build time by editor/CMakeLists.txt.
#pragma once

#include <string>

#include "platform/base/ansi_string.h"

class TBitmap;

// Loads the editor's own picture Name into Bitmap.
void LoadEditorPicture(TBitmap& Bitmap, const AnsiString& Name);

// The private temporary folder opened attachments are written into, the
// safe file name an attachment gets there (and as a save-as default), the
// fresh file each opened copy goes into, and the size text of the
// attachment list.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/base/ansi_string.h"

// TempDir (with or without its trailing delimiter) + "Morvane/".
AnsiString AttachmentFolderPath(const AnsiString& TempDir);
// The last path component of a stored name, so that a name such as
// "../../x" never leads out of the folder; "附件" for one that leaves
// nothing usable ("", ".", "..", "a/").
AnsiString SafeAttachmentName(const AnsiString& Name);
// Writes Bytes into a file made afresh in Folder, private to the user, and
// returns its full name: Folder + Name, or when that name is taken (by an
// earlier copy, or by anything put there under it) the first free of
// "Name (2)", "Name (3)"… with the number before the extension. No link is
// followed and nothing that was there is written. Raises EInOutError with
// the system's reason when no file can be made or written (a file half
// written is removed).
AnsiString WriteFreshFile(const AnsiString& Folder, const AnsiString& Name, std::string_view Bytes);
// "1023 Byte(s)", "1.00 KB", "1.00 MB", "1.00 GB".
AnsiString FormatFileSize(int64_t Size);
// The size an attachment is stored with: the file's size in bytes, all 64
// bits of it (too big a file is refused, not stored with a wrong size); 0
// when it can't be read, as reading it then fails on its own.
int64_t FileSizeOf(const AnsiString& FileName);

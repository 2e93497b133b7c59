// The private temporary folder opened attachments are written into, the
// safe file name an attachment gets there (and as a save-as default), and
// the size text of the attachment list.
#pragma once

#include <cstdint>

#include "platform/base/ansi_string.h"

// TempDir (with or without its trailing delimiter) + "Morvane/".
AnsiString AttachmentFolderPath(const AnsiString& TempDir);
// Makes Folder and its missing parents; Folder itself gets mode 0700. An
// existing Folder must be a real folder of this user: a symbolic link, a
// file or another user's folder raises EInOutError, and one of ours that
// others may read is made private.
void EnsurePrivateFolder(const AnsiString& Folder);
// The last path component of a stored name, so that a name such as
// "../../x" never leads out of the folder; "附件" for one that leaves
// nothing usable ("", ".", "..", "a/").
AnsiString SafeAttachmentName(const AnsiString& Name);
// "1023 Byte(s)", "1.00 KB", "1.00 MB", "1.00 GB".
AnsiString FormatFileSize(int64_t Size);
// The size an attachment is stored with: the file's size in bytes, all 64
// bits of it (too big a file is refused, not stored with a wrong size); 0
// when it can't be read, as reading it then fails on its own.
int64_t FileSizeOf(const AnsiString& FileName);

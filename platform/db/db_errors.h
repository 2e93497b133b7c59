// The exceptions of the data layer. Messages carry the database engine's own
// text, so a user (or a bug report) sees what actually went wrong.
#pragma once

#include "platform/base/exceptions.h"

TANDRIL_EXCEPTION(EDatabaseError, Exception);
// The file is not a database, or it is damaged.
TANDRIL_EXCEPTION(EDatabaseFileError, EDatabaseError);
// A write refused before it began: the file is read-only, or it is no
// longer where it was opened.
TANDRIL_EXCEPTION(EDatabaseWriteRefused, EDatabaseError);
// The operation needs the file to itself, and another program has it open.
TANDRIL_EXCEPTION(EDatabaseInUse, EDatabaseError);

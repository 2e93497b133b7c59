// The exceptions of the data layer. Messages carry the database engine's own
// text, so a user (or a bug report) sees what actually went wrong.
#pragma once

#include "platform/base/exceptions.h"

TANDRIL_EXCEPTION(EDatabaseError, Exception);
// The file is not a database, or it is damaged.
TANDRIL_EXCEPTION(EDatabaseFileError, EDatabaseError);

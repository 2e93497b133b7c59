// The editor's own failures.
#pragma once

#include "platform/base/exceptions.h"

TANDRIL_EXCEPTION(ESynTextError, Exception);

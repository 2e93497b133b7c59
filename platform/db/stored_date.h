// The form dates are stored in: text "YYYY-MM-DD HH:MM:SS.SSS" in local time.
// It sorts in time order as text, and the engine's date functions read it.
#pragma once

#include <string_view>

#include "platform/base/ansi_string.h"
#include "platform/base/date_time.h"

AnsiString FormatStoredDate(TDateTime Value);
// Also takes the form without milliseconds, and a date alone.
bool TryParseStoredDate(std::string_view Text, TDateTime& Value);

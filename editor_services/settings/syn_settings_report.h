// How the settings manager tells the user what it could not load or save:
// one message box listing every failure of a load or save, shown after the
// work is done so that one bad file never stops the rest.
#pragma once

#include <string>
#include <vector>

#include "platform/base/ansi_string.h"

// Does nothing for an empty list.
void ReportSettingsFailures(const std::vector<AnsiString>& Failures);

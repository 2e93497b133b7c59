#include "platform/base/format_settings.h"

TFormatSettings FormatSettings;

// The editor's private clipboard format: a mode byte (the selection mode at
// the time of copying), the text and a zero byte. Registered when the
// program starts, so every editor and every paste agree on the number.
#pragma once

#include "platform/win/win_types.h"

extern const UINT SynTextClipboardFormat;

// Fuzz entry point for scheme files, the data users hand the highlighter.
#pragma once

#include <string_view>

// Loads Bytes through the version-detecting format into a new highlighter
// and tokenizes its sample and a few fixed lines with whatever rules were
// read, failed load or not. A scheme that loads is saved in its version and
// must load again. Returns whether Bytes loaded: the program's exceptions
// mean they did not. Raises EAssertionFailed when a line never ends or a
// saved scheme does not load; anything else escaping is a fault too.
bool FuzzSchemeLoader(std::string_view Bytes);

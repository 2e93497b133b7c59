// Fuzz entry point for scheme files, the data users hand the highlighter.
// It has the signature libFuzzer calls; the tests replay a corpus through it.
#pragma once

#include <cstddef>
#include <cstdint>

// Loads the bytes through the version-detecting format into a new
// highlighter and tokenizes its sample and a few fixed lines with whatever
// rules were read, failed load or not. A scheme that loads is saved in its
// version and must load again. Returns 1 when the bytes loaded and 0 when
// they were refused by one of the program's exceptions. Raises
// EAssertionFailed when a line never ends or a saved scheme does not load;
// anything else escaping is a fault too.
int FuzzSchemeLoader(const uint8_t* Data, size_t Size);

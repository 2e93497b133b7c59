// Fuzz entry point for the XML layer under every scheme file. It has the
// signature libFuzzer calls; the tests replay a corpus through it.
#pragma once

#include <cstddef>
#include <cstdint>

// Reads the bytes and, when they form a document, writes it, reads that
// back and writes it again. Returns 1 when the bytes were a document and 0
// when they were refused with EXmlError; raises EAssertionFailed when the
// second writing differs from the first.
int FuzzXmlDocument(const uint8_t* Data, size_t Size);

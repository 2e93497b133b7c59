// Fuzz entry point for notes files, which users pass around: rows of every
// table made from the bytes, then opened as the program opens them. It has
// the signature libFuzzer calls; the tests replay a corpus through it.
#pragma once

#include <cstddef>
#include <cstdint>

// Builds a small notes file from the bytes (titles, parent ids, types,
// texts, languages, options strings and carets of nodes; bookmark and
// attachment rows) and opens it through the database module: the tree, the
// bookmarks, the first articles with their attachments, each bookmark's
// article, a title search, then every tab closed. Returns the number of
// tabs opened. Anything escaping is a fault.
int FuzzNotesFile(const uint8_t* Data, size_t Size);

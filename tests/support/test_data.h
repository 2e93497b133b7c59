// Where a test program finds the files kept beside its tests: found at run
// time (CTest names the source folder in the environment; a program started
// by hand looks above its own place in the build tree), so that no absolute
// path is compiled in and a fresh clone reuses the compiler cache.
#pragma once

#include <string>

// The folder Relative (e.g. "tests/editor") of the source folder named by
// TANDRIL_SOURCE_DIR or else of the source tree that holds the test
// program's build folder or the working folder; aborts with a message when
// there is none.
std::string FindTestFolder(const char* Relative);

// The bytes of the file Path, or nothing when it cannot be read.
std::string ReadWholeFile(const std::string& Path);

#ifdef TANDRIL_TEST_FOLDER
// The test program's own folder in the source tree; each test program is
// compiled with TANDRIL_TEST_FOLDER naming it.
inline const std::string& TestFolder()
{
    static const std::string folder = FindTestFolder(TANDRIL_TEST_FOLDER);
    return folder;
}

// A path inside the folder's data/ folder; Tail starts with '/' (or is empty).
inline std::string TestData(const std::string& Tail = std::string())
{
    return TestFolder() + "/data" + Tail;
}
#endif

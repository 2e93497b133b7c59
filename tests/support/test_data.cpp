// Finds a test folder in the source folder CTest names in TANDRIL_SOURCE_DIR
// or, for a test program started by hand, by walking up from the program
// (and from the working folder) until "<dir>/<relative folder>" exists.
#include "tests/support/test_data.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

std::string FindTestFolder(const char* Relative)
{
    namespace fs = std::filesystem;
    const fs::path relative(Relative);
    std::error_code error;
    if (const char* source = std::getenv("TANDRIL_SOURCE_DIR")) {
        if (fs::is_regular_file(fs::path(source) / relative / "CMakeLists.txt", error))
            return (fs::path(source) / relative).string();
        std::fprintf(stderr, "TANDRIL_SOURCE_DIR %s holds no test folder %s\n", source, Relative);
        std::abort();
    }
    for (fs::path start : {fs::read_symlink("/proc/self/exe", error).parent_path(), fs::current_path(error)}) {
        for (fs::path dir = start; !dir.empty(); dir = dir.parent_path()) {
            // The build tree mirrors the source tree: only the source folder
            // holds the CMakeLists.txt.
            if (fs::is_regular_file(dir / relative / "CMakeLists.txt", error))
                return (dir / relative).string();
            if (dir == dir.root_path())
                break;
        }
    }
    std::fprintf(stderr, "cannot find the test folder %s above the test program or the working folder\n", Relative);
    std::abort();
}

std::string ReadWholeFile(const std::string& Path)
{
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

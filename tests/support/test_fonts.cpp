// A test program started by hand sees the fonts CTest gives it: unless
// FONTCONFIG_FILE already names a configuration, the build tree's
// tests/fonts.conf above the program is named before fontconfig first
// loads. Pictures and metrics drawn in the default fonts then come out the
// same by hand as under CTest, instead of from whatever fonts the machine
// prefers.
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

bool NameTheTestsFonts()
{
    namespace fs = std::filesystem;
    if (std::getenv("FONTCONFIG_FILE") != nullptr)
        return false;
    std::error_code error;
    for (fs::path dir = fs::read_symlink("/proc/self/exe", error).parent_path(); !dir.empty();
         dir = dir.parent_path()) {
        // Only the build tree's tests folder holds the environment file
        // beside the configured copy (the source's copy has no cache folder).
        if (fs::is_regular_file(dir / "fonts.conf", error) &&
            fs::is_regular_file(dir / "test_environment.cmake", error))
            return setenv("FONTCONFIG_FILE", (dir / "fonts.conf").c_str(), 0) == 0;
        if (dir == dir.root_path())
            break;
    }
    return false;
}

const bool kTestsFontsNamed = NameTheTestsFonts();

}  // namespace

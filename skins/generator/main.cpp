// regenerate_skins: draws the program's skins and pictures into the folder
// named on the command line (the source tree's skins/ when run by the build).
#include <cstdio>
#include <exception>

#include "skins/generator/gen_generate.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        GenerateAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

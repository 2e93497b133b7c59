// pack_skin: packs a skin folder's INI and pictures into a skin file (.skn)
// with the stored-skin writer, as the build does for the program's skins.
#include <cstdio>
#include <exception>

#include "platform/base/streams.h"
#include "skin/data/bs_stored_skin.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <skin INI> <skin file>\n", argv[0]);
        return 2;
    }
    try {
        TbsCompressedStoredSkin stored(nullptr);
        stored.LoadFromSkinIni(argv[1]);
        // LoadFromSkinIni ignores a file that is not a skin INI; the build
        // must not embed an empty skin for it.
        if (stored.IsEmpty()) {
            std::fprintf(stderr, "%s is not a skin INI\n", argv[1]);
            return 1;
        }
        TFileStream file(argv[2], fmCreate);
        stored.SaveToSkinStream(&file);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}

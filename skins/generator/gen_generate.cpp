#include "skins/generator/gen_generate.h"

#include <filesystem>

#include "skins/generator/gen_program_pictures.h"
#include "skins/generator/gen_skin_model.h"

void GenerateAll(const std::string& Output)
{
    for (const TSkinLook& look : SkinLooks()) {
        std::string folder = Output + "/" + look.Name;
        std::filesystem::create_directories(folder);
        WriteSkin(BuildSkin(look), folder);
    }
    std::filesystem::create_directories(Output + "/pictures");
    WriteProgramPictures(Output + "/pictures");
}

// Loading the program's skins for the tests: the embedded skin files and
// the committed skin folders, and the loaded skin written back as text and
// pixels so that two loads compare field by field.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/data/bs_skin_data.h"

class TBitmap;

// The four skins, in the program's order.
const std::vector<std::string>& ProgramSkinNames();

class TbsCompressedStoredSkin;

// The embedded skin file "<Name>.skn" as a stored skin.
std::unique_ptr<TbsCompressedStoredSkin> EmbeddedStoredSkin(const std::string& Name);
// A skin data loaded from the embedded "<Name>.skn".
std::unique_ptr<TbsSkinData> LoadEmbeddedSkin(const std::string& Name);
// A skin data loaded from the committed folder skins/<Name>/.
std::unique_ptr<TbsSkinData> LoadSkinFolder(const std::string& Name);

// Every description's section as its own SaveToFile writes it, objects
// then controls, each preceded by its name.
std::string DescriptionsText(const TbsSkinContent& Content);
// The fixed sections (FORMINFO, colours, popup, layer, hint) as the
// generator writes them.
std::string FixedSectionsText(const TbsSkinContent& Content);

// The pixels of a bitmap, 0xAARRGGBB, rows top-down.
std::vector<uint32_t> PixelsOf(const TBitmap& Bitmap);

// The control description classes by the type words of SKINCONTROLS.
#pragma once

#include <memory>

#include "skin/data/bs_skin_controls.h"

// A new description of the class that TypeWord names (compared with case),
// holding its values on creation; null for a word that names no class.
std::unique_ptr<TbsDataSkinControl> CreateSkinControl(const AnsiString& TypeWord, const AnsiString& IDName);

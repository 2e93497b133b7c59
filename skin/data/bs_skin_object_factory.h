// The object description that a SKINOBJECTS type word names.
#pragma once

#include <memory>

#include "skin/data/bs_skin_objects.h"

// A fresh, unloaded description named IDName of the class that TypeWord
// names (matched with case); nullptr for a word that names none, so that
// the caller skips the entry.
std::unique_ptr<TbsDataSkinObject> CreateSkinObject(const AnsiString& TypeWord, const AnsiString& IDName);

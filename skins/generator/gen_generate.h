// Everything the generator writes: one folder per skin and the program's
// pictures, under one output folder.
#pragma once

#include <string>

// Writes Output/<skin name>/ for every look and Output/pictures/, making the
// folders it needs; files already there are replaced.
void GenerateAll(const std::string& Output);

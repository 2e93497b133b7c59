// AnsiString: text as the program holds it everywhere, 8-bit strings in the
// system code page (GBK); Unicode appears only at the edges.
#pragma once

#include <string>

using AnsiString = std::string;

// Resource names and module handles. A resource is named by a string or,
// packed into the name pointer, by a 16-bit number (MAKEINTRESOURCE), as
// the loaders expect; a module handle says whose resources are meant, 0
// being the system's own.
#pragma once

#include <cstdint>

struct HINSTANCE__ {};
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;

inline const char* MAKEINTRESOURCE(uint16_t Id) { return reinterpret_cast<const char*>(uintptr_t{Id}); }
inline bool IS_INTRESOURCE(const char* Name) { return (reinterpret_cast<uintptr_t>(Name) >> 16) == 0; }

#include "platform/gdi/resources.h"

#include <map>
#include <new>

#include "platform/base/code_page.h"
#include "platform/base/format.h"
#include "platform/gdi/raster_image.h"

namespace {

// Keyed by the upper-case name. Reached through a function so that it
// exists before the first registration, whichever file's initialiser runs
// first.
std::map<AnsiString, std::span<const uint8_t>>& Table()
{
    static std::map<AnsiString, std::span<const uint8_t>> table;
    return table;
}

}  // namespace

bool RegisterResources(std::span<const TResourceEntry> Entries)
{
    for (const TResourceEntry& e : Entries)
        Table()[UpperCase(e.Name)] = std::span<const uint8_t>(e.Begin, e.End);
    return true;
}

std::span<const uint8_t> FindResourceData(std::string_view Name)
{
    auto it = Table().find(UpperCase(Name));
    return it == Table().end() ? std::span<const uint8_t>() : it->second;
}

HBITMAP LoadBitmapResource(std::string_view Name)
{
    std::span<const uint8_t> data = FindResourceData(Name);
    if (data.empty())
        throw EResNotFound(Format("Resource %s not found", {Name}));
    HBITMAP bitmap = CreateBitmapFromImage(ReadImage(data));
    if (!bitmap)
        throw std::bad_alloc();
    return bitmap;
}

#include "platform/gdi/font_instance.h"

#include <cstring>
#include <map>
#include <string>

#include "platform/gdi/freetype_font.h"
#include "platform/gdi/test_font.h"

namespace {

// Turns an upright glyph by Quadrant quarter turns counter-clockwise about
// the pen position: a pixel at (x, y) moves to (y, -x) per quarter turn.
void Turn(TGlyph& g, int quadrant)
{
    if (quadrant == 0 || g.Coverage.empty())
        return;
    const int w = g.Width;
    const int h = g.Height;
    std::vector<uint8_t> out(g.Coverage.size());
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            uint8_t c = g.Coverage[static_cast<size_t>(j) * w + i];
            size_t at = 0;
            if (quadrant == 1)
                at = static_cast<size_t>(w - 1 - i) * h + j;
            else if (quadrant == 2)
                at = static_cast<size_t>(h - 1 - j) * w + (w - 1 - i);
            else
                at = static_cast<size_t>(i) * h + (h - 1 - j);
            out[at] = c;
        }
    }
    g.Coverage = std::move(out);
    const int left = g.Left;
    const int top = g.Top;
    if (quadrant == 1) {
        g.Left = top;
        g.Top = -(left + w);
    } else if (quadrant == 2) {
        g.Left = -(left + w);
        g.Top = -(top + h);
    } else {
        g.Left = -(top + h);
        g.Top = left;
    }
    if (quadrant != 2)
        std::swap(g.Width, g.Height);
}

int QuadrantOf(int32_t escapement)
{
    // Text turns in quarter turns: an escapement is taken to the nearest.
    int64_t q = (static_cast<int64_t>(escapement) + (escapement >= 0 ? 450 : -450)) / 900;
    return static_cast<int>(((q % 4) + 4) % 4);
}

// What makes two requests draw the same glyphs, as bytes for the cache key.
std::string KeyOf(const TFontRequest& r, int quadrant)
{
    LOGFONT k = r.Log;
    k.lfHeight = r.Height;
    k.lfWidth = r.Width;
    k.lfEscapement = quadrant;
    k.lfOrientation = 0;
    k.lfOutPrecision = 0;
    k.lfClipPrecision = 0;
    k.lfQuality = 0;
    size_t n = strnlen(k.lfFaceName, LF_FACESIZE);
    std::memset(k.lfFaceName + n, 0, LF_FACESIZE - n);
    return std::string(reinterpret_cast<const char*>(&k), sizeof k);
}

struct CacheEntry {
    std::shared_ptr<TFontInstance> Instance;
    uint64_t LastUse = 0;
};

// Realized fonts stay while they are in use; past this many, the least
// recently used go (print preview at many zoom levels makes many sizes).
constexpr size_t kMaxInstances = 64;
// A font that has drawn this many different characters starts over, so a
// long session over much Chinese text cannot grow without bound.
constexpr size_t kMaxGlyphs = 8192;

struct InstanceCache {
    std::map<std::string, CacheEntry> Entries;
    uint64_t Clock = 0;
};

InstanceCache& Cache()
{
    static InstanceCache cache;
    return cache;
}

void EvictUnused(InstanceCache& cache)
{
    while (cache.Entries.size() > kMaxInstances) {
        auto oldest = cache.Entries.end();
        for (auto it = cache.Entries.begin(); it != cache.Entries.end(); ++it)
            if (it->second.Instance.use_count() == 1 &&
                (oldest == cache.Entries.end() || it->second.LastUse < oldest->second.LastUse))
                oldest = it;
        if (oldest == cache.Entries.end())
            return;
        cache.Entries.erase(oldest);
    }
}

}  // namespace

const TGlyph& TFontInstance::Glyph(char32_t Code)
{
    if (Code < ascii_.size() && ascii_[Code])
        return *ascii_[Code];
    auto [it, added] = glyphs_.try_emplace(Code);
    if (added) {
        Render(Code, it->second);
        Turn(it->second, quadrant_);
    }
    if (Code < ascii_.size())
        ascii_[Code] = &it->second;
    return it->second;
}

void TFontInstance::ClearGlyphCache()
{
    glyphs_.clear();
    ascii_.fill(nullptr);
}

std::shared_ptr<TFontInstance> FindFontInstance(const TFontRequest& Request)
{
    InstanceCache& cache = Cache();
    const int quadrant = QuadrantOf(Request.Log.lfEscapement);
    std::string key = KeyOf(Request, quadrant);
    auto it = cache.Entries.find(key);
    if (it == cache.Entries.end()) {
        std::unique_ptr<TFontInstance> made;
        if (IsTestFontName(Request.Log.lfFaceName) || EveryFontIsTestFont())
            made = CreateTestFontInstance(Request, quadrant);
        else
            made = CreateFreeTypeFontInstance(Request, quadrant);
        it = cache.Entries.emplace(std::move(key), CacheEntry{std::move(made), 0}).first;
    }
    it->second.LastUse = ++cache.Clock;
    std::shared_ptr<TFontInstance> instance = it->second.Instance;
    // Glyph references handed out earlier end here, so the cache may be
    // trimmed now.
    if (instance->CachedGlyphCount() > kMaxGlyphs)
        instance->ClearGlyphCache();
    EvictUnused(cache);
    return instance;
}

bool IsDoubleByteCharSet(uint8_t CharSet)
{
    switch (CharSet) {
    case DEFAULT_CHARSET:
    case SHIFTJIS_CHARSET:
    case HANGUL_CHARSET:
    case JOHAB_CHARSET:
    case GB2312_CHARSET:
    case CHINESEBIG5_CHARSET:
        return true;
    }
    return false;
}

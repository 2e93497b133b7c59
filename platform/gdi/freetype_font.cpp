#include "platform/gdi/freetype_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/gdi/font_matching.h"

namespace {

// The library lives as long as any face opened from it: faces and the
// realized fonts holding them may outlast the registry at exit.
struct TLibrary {
    FT_Library Handle = nullptr;
    TLibrary() { FT_Init_FreeType(&Handle); }
    ~TLibrary()
    {
        if (Handle)
            FT_Done_FreeType(Handle);
    }
    TLibrary(const TLibrary&) = delete;
    TLibrary& operator=(const TLibrary&) = delete;
};

struct TFace {
    std::shared_ptr<TLibrary> Library;
    FT_Face Handle = nullptr;
    TFace() = default;
    ~TFace()
    {
        if (Handle)
            FT_Done_Face(Handle);
    }
    TFace(const TFace&) = delete;
    TFace& operator=(const TFace&) = delete;
};

std::shared_ptr<TLibrary> Library()
{
    static std::shared_ptr<TLibrary> library = std::make_shared<TLibrary>();
    return library;
}

// One open face per font file and index, whatever sizes are drawn from it.
std::shared_ptr<TFace> OpenFace(const std::string& file, int index)
{
    static std::map<std::pair<std::string, int>, std::shared_ptr<TFace>> faces;
    auto key = std::make_pair(file, index);
    auto it = faces.find(key);
    if (it != faces.end())
        return it->second;
    auto face = std::make_shared<TFace>();
    face->Library = Library();
    if (!face->Library->Handle || FT_New_Face(face->Library->Handle, file.c_str(), index, &face->Handle) != 0 ||
        !FT_IS_SCALABLE(face->Handle)) {
        face.reset();
    }
    faces.emplace(key, face);
    return face;
}

// The largest em a font is made with, in pixels: far above any size a user
// chooses (1638 points are 2184 pixels at 96 per inch).
constexpr int kMaxEmPixels = 8192;

int RoundScaled(long units, int pixels, int unitsPerEm)
{
    return static_cast<int>(std::lround(static_cast<double>(units) * pixels / unitsPerEm));
}

class TFreeTypeFont : public TFontInstance {
public:
    TFreeTypeFont(const TFontRequest& request, int quadrant);
    ~TFreeTypeFont() override;

    TGlyphSource Source(char32_t code) override;

protected:
    void Render(char32_t code, TGlyph& g) override;

private:
    struct TSizedFace {
        std::shared_ptr<TFace> Face;
        FT_Size Size = nullptr;
        bool Embolden = false;
        bool Oblique = false;
        std::string File;
        int Index = 0;
    };

    bool AddFace(const TFaceSource& source);
    // The face and glyph index that draw a code point (glyph 0 of the first
    // face when no installed face has it).
    std::pair<TSizedFace*, FT_UInt> Lookup(char32_t code);
    int AdvanceOf(TSizedFace& face, FT_UInt glyph);
    void SetMetrics(const TFontRequest& request, const TFaceSource& source);

    std::vector<TSizedFace> faces_;  // [0] is the matched face, then fallbacks as they are needed
    int emX_ = 0;
    int emY_ = 0;
    int emboldenPixels_ = 0;
    int32_t weight_ = FW_NORMAL;
    bool italic_ = false;
};

TFreeTypeFont::TFreeTypeFont(const TFontRequest& request, int quadrant) : TFontInstance(quadrant)
{
    weight_ = request.Log.lfWeight;
    italic_ = request.Log.lfItalic != 0;
    TFaceSource source = MatchFace(request.Log);
    if (!source.Found())
        source = MatchFace(LOGFONT{});
    SetMetrics(request, source);
}

TFreeTypeFont::~TFreeTypeFont()
{
    for (TSizedFace& f : faces_)
        FT_Done_Size(f.Size);
}

bool TFreeTypeFont::AddFace(const TFaceSource& source)
{
    std::shared_ptr<TFace> face = source.Found() ? OpenFace(source.File, source.Index) : nullptr;
    if (!face)
        return false;
    TSizedFace sized;
    sized.Face = face;
    sized.Embolden = source.Embolden;
    sized.Oblique = source.Oblique;
    sized.File = source.File;
    sized.Index = source.Index;
    if (FT_New_Size(face->Handle, &sized.Size) != 0)
        return false;
    FT_Activate_Size(sized.Size);
    if (FT_Set_Char_Size(face->Handle, emX_ * 64, emY_ * 64, 72, 72) != 0) {
        FT_Done_Size(sized.Size);
        return false;
    }
    faces_.push_back(std::move(sized));
    return true;
}

void TFreeTypeFont::SetMetrics(const TFontRequest& request, const TFaceSource& source)
{
    TFontMetrics& m = metrics_;
    // Bounded so that every size below, in pixels and in FreeType's 1/64
    // units, stays in range whatever a stored font asked for.
    const int height = std::clamp(request.Height == 0 ? 16 : request.Height, -kMaxEmPixels, kMaxEmPixels);
    std::shared_ptr<TFace> face = source.Found() ? OpenFace(source.File, source.Index) : nullptr;
    FT_Face ft = face ? face->Handle : nullptr;

    long winAscent = 0;
    long winDescent = 0;
    int unitsPerEm = 1;
    const TT_OS2* os2 = nullptr;
    if (ft) {
        unitsPerEm = ft->units_per_EM;
        os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
        if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
            winAscent = os2->usWinAscent;
            winDescent = os2->usWinDescent;
        } else {
            winAscent = ft->ascender;
            winDescent = -ft->descender;
        }
    }
    if (winAscent + winDescent <= 0) {
        // No usable face: a blank font of plausible proportions.
        winAscent = 4;
        winDescent = 1;
        unitsPerEm = 4;
    }

    if (height < 0)
        emY_ = -height;
    else
        emY_ = std::clamp(RoundScaled(height, unitsPerEm, static_cast<int>(winAscent + winDescent)), 1, kMaxEmPixels);
    m.Ascent = RoundScaled(winAscent, emY_, unitsPerEm);
    m.Descent = height > 0 ? height - m.Ascent : RoundScaled(winDescent, emY_, unitsPerEm);
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = std::max(0, m.Height - emY_);
    if (const TT_HoriHeader* hhea = ft ? static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(ft, FT_SFNT_HHEA)) : nullptr) {
        long gap = hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
        m.ExternalLeading = std::max(0, RoundScaled(gap, emY_, unitsPerEm));
    }

    long averageUnits = os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : unitsPerEm / 2;
    const int naturalAverage = std::max(1, RoundScaled(averageUnits, emY_, unitsPerEm));
    const int width = std::min(request.Width, kMaxEmPixels);
    emX_ = width > 0 ? std::clamp(RoundScaled(emY_, width, naturalAverage), 1, kMaxEmPixels) : emY_;
    emboldenPixels_ = std::max(1, (emY_ + 12) / 24);

    m.Weight = weight_ == FW_DONTCARE ? FW_NORMAL : weight_;
    m.Italic = italic_;
    m.Underline = request.Log.lfUnderline != 0;
    m.StrikeOut = request.Log.lfStrikeOut != 0;
    m.CharSet = request.Log.lfCharSet == DEFAULT_CHARSET ? GB2312_CHARSET : request.Log.lfCharSet;
    m.FaceName = source.Family;
    m.AveCharWidth = std::max(1, RoundScaled(averageUnits, emX_, unitsPerEm));
    m.MaxCharWidth = m.AveCharWidth;
    m.StrikeOutOffset = -(m.Ascent / 3);
    m.UnderlineOffset = 0;
    if (!ft || !AddFace(source))
        return;

    TSizedFace& primary = faces_[0];
    m.TrueType = true;
    m.FixedPitch = source.FixedPitch || FT_IS_FIXED_WIDTH(ft);
    int widest = 0;
    int narrowest = 0;
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        if (FT_UInt glyph = FT_Get_Char_Index(ft, c)) {
            const int advance = AdvanceOf(primary, glyph);
            widest = std::max(widest, advance);
            narrowest = narrowest == 0 ? advance : std::min(narrowest, advance);
        }
    }
    if (widest > 0) {
        m.MaxCharWidth = widest;
        m.FixedPitch = m.FixedPitch || narrowest == widest;
        if (m.FixedPitch)
            m.AveCharWidth = widest;
    }
    const uint8_t family = request.Log.lfPitchAndFamily & FAMILY_MASK;
    m.Family = family != FF_DONTCARE ? family : m.FixedPitch ? FF_MODERN : FF_SWISS;

    const int thickness = std::max(1, RoundScaled(ft->underline_thickness, emY_, unitsPerEm));
    const int centre = RoundScaled(-ft->underline_position, emY_, unitsPerEm);
    m.UnderlineThickness = thickness;
    m.UnderlineOffset = std::clamp(centre - thickness / 2, 0, std::max(0, m.Descent - thickness));
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        m.StrikeOutThickness = std::max(1, RoundScaled(os2->yStrikeoutSize, emY_, unitsPerEm));
        m.StrikeOutOffset = -RoundScaled(os2->yStrikeoutPosition, emY_, unitsPerEm);
    } else {
        m.StrikeOutThickness = thickness;
    }
}

int TFreeTypeFont::AdvanceOf(TSizedFace& face, FT_UInt glyph)
{
    FT_Activate_Size(face.Size);
    FT_Fixed advance = 0;
    if (FT_Get_Advance(face.Face->Handle, glyph, FT_LOAD_NO_HINTING, &advance) != 0)
        return 0;
    return static_cast<int>((advance + 0x8000) >> 16) + (face.Embolden ? emboldenPixels_ : 0);
}

std::pair<TFreeTypeFont::TSizedFace*, FT_UInt> TFreeTypeFont::Lookup(char32_t code)
{
    for (TSizedFace& f : faces_)
        if (FT_UInt glyph = FT_Get_Char_Index(f.Face->Handle, code))
            return {&f, glyph};
    TFaceSource fallback = FallbackFace(code, weight_, italic_);
    bool known = std::any_of(faces_.begin(), faces_.end(), [&](const TSizedFace& f) {
        return f.File == fallback.File && f.Index == fallback.Index;
    });
    if (!known && AddFace(fallback))
        if (FT_UInt glyph = FT_Get_Char_Index(faces_.back().Face->Handle, code))
            return {&faces_.back(), glyph};
    return {faces_.empty() ? nullptr : &faces_[0], 0};
}

TGlyphSource TFreeTypeFont::Source(char32_t code)
{
    auto [face, glyph] = Lookup(code < 0x20 ? U' ' : code);
    if (!face)
        return {};
    return {face->File, face->Index, glyph, emX_, emY_, face->Embolden, face->Oblique};
}

void TFreeTypeFont::Render(char32_t code, TGlyph& g)
{
    if (code < 0x20)
        code = 0x20;
    auto [face, glyph] = Lookup(code);
    if (!face) {
        g.C = std::max(1, emX_ / 2);
        return;
    }
    const int advance = AdvanceOf(*face, glyph);
    FT_Face ft = face->Face->Handle;
    FT_Activate_Size(face->Size);
    if (FT_Load_Glyph(ft, glyph, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0 ||
        ft->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        g.C = advance;
        return;
    }
    FT_GlyphSlot slot = ft->glyph;
    if (face->Oblique)
        FT_GlyphSlot_Oblique(slot);
    if (face->Embolden)
        FT_Outline_EmboldenXY(&slot->outline, emboldenPixels_ * 64, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->bitmap.width == 0 || slot->bitmap.rows == 0) {
        g.C = advance;
        return;
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    g.Width = static_cast<int>(bitmap.width);
    g.Height = static_cast<int>(bitmap.rows);
    g.Left = slot->bitmap_left;
    g.Top = -slot->bitmap_top;
    g.A = g.Left;
    g.B = g.Width;
    g.C = advance - g.A - g.B;
    g.Coverage.resize(static_cast<size_t>(g.Width) * g.Height);
    for (int y = 0; y < g.Height; ++y)
        std::memcpy(&g.Coverage[static_cast<size_t>(y) * g.Width], bitmap.buffer + y * bitmap.pitch,
                    static_cast<size_t>(g.Width));
}

}  // namespace

bool HasFixedPitchAscii(const std::string& File, int Index)
{
    static std::map<std::pair<std::string, int>, bool> known;
    auto key = std::make_pair(File, Index);
    auto it = known.find(key);
    if (it != known.end())
        return it->second;
    bool fixed = false;
    if (std::shared_ptr<TFace> face = OpenFace(File, Index)) {
        FT_Face ft = face->Handle;
        FT_Fixed first = -1;
        fixed = true;
        for (char32_t c = 0x21; c < 0x7F && fixed; ++c) {
            FT_UInt glyph = FT_Get_Char_Index(ft, c);
            FT_Fixed advance = 0;
            if (!glyph || FT_Get_Advance(ft, glyph, FT_LOAD_NO_SCALE, &advance) != 0)
                continue;
            if (first < 0)
                first = advance;
            fixed = advance == first;
        }
        fixed = fixed && first > 0;
    }
    known.emplace(std::move(key), fixed);
    return fixed;
}

std::unique_ptr<TFontInstance> CreateFreeTypeFontInstance(const TFontRequest& Request, int Quadrant)
{
    return std::make_unique<TFreeTypeFont>(Request, Quadrant);
}

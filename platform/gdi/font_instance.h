// A logical font realized for a device: the face it maps to at one pixel
// size and turn, with its metrics and a cache of rendered glyphs. Everything
// here is in device pixels; the text calls convert to logical units.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/gdi/font.h"

// One glyph, ready to paint. The ink box is placed relative to the pen
// position on the baseline (x to the right, y down) and is already turned
// for the font's escapement; the widths are those of the upright glyph.
struct TGlyph {
    int A = 0;  // from the pen position to the ink
    int B = 0;  // the ink's width
    int C = 0;  // from the ink to the next pen position
    int Advance() const { return A + B + C; }

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    // Width x Height coverage values, row by row: 0 no ink, 255 full ink.
    std::vector<uint8_t> Coverage;
};

// Where a glyph's outline comes from, for devices that draw glyphs as
// outlines of their own (the printer): the font file and face index that
// fontconfig picked, the glyph's index in it, and the em in device pixels.
// An empty File means the glyph has no outline face to draw from.
struct TGlyphSource {
    std::string File;
    int Index = 0;
    unsigned GlyphIndex = 0;
    int EmX = 0;
    int EmY = 0;
    bool Embolden = false;
    bool Oblique = false;
};

struct TFontMetrics {
    int Height = 0;  // Ascent + Descent: the cell
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;  // Height minus the em
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    // The widest single-byte character: a fixed-pitch face has equal
    // average and maximum widths even when it draws double-byte characters
    // twice as wide.
    int MaxCharWidth = 0;
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool FixedPitch = false;
    bool TrueType = false;  // an outline face
    uint8_t Family = FF_DONTCARE;
    uint8_t CharSet = ANSI_CHARSET;
    // Lines drawn for underline and strike-out: their top edge measured
    // down from the baseline (strike-out is above it, so negative), and
    // their thickness.
    int UnderlineOffset = 1;
    int UnderlineThickness = 1;
    int StrikeOutOffset = -1;
    int StrikeOutThickness = 1;
    AnsiString FaceName;  // GBK, the face actually used
};

class TFontInstance {
public:
    virtual ~TFontInstance() = default;
    TFontInstance(const TFontInstance&) = delete;
    TFontInstance& operator=(const TFontInstance&) = delete;

    const TFontMetrics& Metrics() const { return metrics_; }
    // The escapement in quarter turns counter-clockwise, 0 to 3.
    int Quadrant() const { return quadrant_; }
    // The glyph of a code point; the reference stays valid until the next
    // FindFontInstance call.
    const TGlyph& Glyph(char32_t Code);
    size_t CachedGlyphCount() const { return glyphs_.size(); }
    // The outline face behind a code point, through the same per-character
    // fallback that renders it; fonts without outline faces have none.
    virtual TGlyphSource Source(char32_t) { return {}; }
    void ClearGlyphCache();

protected:
    explicit TFontInstance(int Quadrant) : quadrant_(Quadrant) {}
    // Renders the upright glyph; control characters have no ink.
    virtual void Render(char32_t Code, TGlyph& Glyph) = 0;

    TFontMetrics metrics_;

private:
    int quadrant_;
    std::unordered_map<char32_t, TGlyph> glyphs_;
    std::array<const TGlyph*, 128> ascii_{};  // the common case without hashing
};

// A font as the text calls ask for it on one device.
struct TFontRequest {
    LOGFONT Log;
    int Height = 0;  // device pixels, signed as lfHeight; 0 for the default cell of 16
    int Width = 0;   // device pixels; 0 for the face's own proportions
};

// The realized font for a request: shared by every request that differs
// only in what does not change the glyphs. Never null: a face that cannot
// be found falls back to the default face.
std::shared_ptr<TFontInstance> FindFontInstance(const TFontRequest& Request);

// Whether text of this character set is measured and drawn as double-byte
// characters on our code page.
bool IsDoubleByteCharSet(uint8_t CharSet);

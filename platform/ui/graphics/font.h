// TFont: a font description (face name, height, style, character set,
// pitch, colour) and the platform font made from it on demand.
//
// The height is stored; the point size is derived from it through
// PixelsPerInch: Size = -Height * 72 / PixelsPerInch, rounded. A negative
// height is the character height in pixels, a positive one the cell height.
#pragma once

#include <cstdint>

#include "platform/base/set.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/font.h"
#include "platform/ui/graphics/graphics_object.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontCharset = uint8_t;

inline constexpr int kDefaultPixelsPerInch = 96;
// The point sizes a user can choose (the font dialog's range); a stored font
// outside it is taken for damage, not for a font.
inline constexpr int kMinFontSize = 1, kMaxFontSize = 1638;

class TFont : public TGraphicsObject {
public:
    TFont() = default;
    ~TFont() override;

    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& Value);
    int Height() const { return height_; }
    void SetHeight(int Value);
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles Value);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset Value);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch Value);
    // The colour is not part of the platform font: a canvas sets it as its
    // text colour when it selects the font.
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    // Changing it keeps the height (and so changes Size).
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int Value) { pixelsPerInch_ = Value; }

    // The logical font the handle is made from.
    LOGFONT LogFont() const;
    HFONT Handle();

    // Takes every property of another font. When the two differ in
    // PixelsPerInch, the point size is what carries over.
    void Assign(TPersistent* Source) override;

protected:
    void Changed() override;

private:
    AnsiString name_ = "MS Sans Serif";
    int height_ = -11;  // 8 points at 96 pixels per inch
    TFontStyles style_;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    TColor color_ = clWindowText;
    int pixelsPerInch_ = kDefaultPixelsPerInch;
    HFONT handle_ = nullptr;  // made from LogFont(); null until asked for
};

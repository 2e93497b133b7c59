// A small picture drawn in the gutter or at the end of a line: the user's
// bitmap when one is set, else a built-in one.
#pragma once

#include <memory>

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"

class TBitmap;
class TCanvas;

class TSynGlyph : public TPersistent {
public:
    // Without a resource name there is no built-in picture; EResNotFound
    // when the named one is missing.
    explicit TSynGlyph(const AnsiString& ResName = "", TColor ResMaskColor = clNone);
    ~TSynGlyph() override;

    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    TColor MaskColor() const { return maskColor_; }
    void SetMaskColor(TColor Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);

    // The width of the picture Draw would use; 0 without one.
    int Width() const;
    // Transparently by the mask colour, centred on a line LineHeight high
    // whose top is Y; a taller picture shows only its middle rows.
    void Draw(TCanvas* Canvas, int X, int Y, int LineHeight);

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void GlyphChange(TObject* Sender);

    std::unique_ptr<TBitmap> glyph_;
    std::unique_ptr<TBitmap> internalGlyph_;
    TColor internalMaskColor_;
    TColor maskColor_ = clNone;
    bool visible_ = true;
};

#include "editor/view/syn_glyph.h"

#include "editor/view/syn_resources.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

TSynGlyph::TSynGlyph(const AnsiString& ResName, TColor ResMaskColor)
    : glyph_(std::make_unique<TBitmap>()), internalMaskColor_(ResName.empty() ? clNone : ResMaskColor)
{
    if (!ResName.empty()) {
        internalGlyph_ = std::make_unique<TBitmap>();
        LoadEditorPicture(*internalGlyph_, ResName);
    }
    glyph_->OnChange = TNotifyEvent(this, &TSynGlyph::GlyphChange);
}

TSynGlyph::~TSynGlyph() = default;

void TSynGlyph::SetGlyph(TBitmap* Value) { glyph_->Assign(Value); }

void TSynGlyph::SetMaskColor(TColor Value)
{
    if (maskColor_ == Value)
        return;
    maskColor_ = Value;
    GlyphChange(this);
}

void TSynGlyph::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    GlyphChange(this);
}

int TSynGlyph::Width() const
{
    if (!glyph_->Empty())
        return glyph_->Width();
    return internalGlyph_ ? internalGlyph_->Width() : 0;
}

void TSynGlyph::Draw(TCanvas* Canvas, int X, int Y, int LineHeight)
{
    TBitmap* picture = glyph_.get();
    TColor mask = maskColor_;
    if (picture->Empty()) {
        picture = internalGlyph_.get();
        mask = internalMaskColor_;
        if (!picture)
            return;
    }
    const int w = picture->Width();
    const int h = picture->Height();
    TRect dest = Bounds(X, Y + (LineHeight - h) / 2, w, h);
    TRect source = Bounds(0, 0, w, h);
    if (h > LineHeight) {
        dest = Bounds(X, Y, w, LineHeight);
        source = Bounds(0, (h - LineHeight) / 2, w, LineHeight);
    }
    // Without a mask colour no pixel is keyed out (white would be, as the
    // marker's low bits read as white).
    if (mask == clNone)
        Canvas->CopyRect(dest, picture->Canvas(), source);
    else
        Canvas->BrushCopy(dest, picture, source, mask);
}

void TSynGlyph::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynGlyph*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    // One report for the whole copy, not one for the bitmap as well.
    glyph_->OnChange = nullptr;
    glyph_->Assign(src->glyph_.get());
    glyph_->OnChange = TNotifyEvent(this, &TSynGlyph::GlyphChange);
    maskColor_ = src->maskColor_;
    visible_ = src->visible_;
    GlyphChange(this);
}

void TSynGlyph::GlyphChange(TObject*)
{
    if (OnChange)
        OnChange(this);
}

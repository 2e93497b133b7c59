#include "editor/view/syn_text_background.h"

#include <algorithm>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"

namespace {

// Value brought into 0 .. Size - 1.
int Wrap(int Value, int Size)
{
    Value %= Size;
    return Value < 0 ? Value + Size : Value;
}

}  // namespace

TSynTextBackground::TSynTextBackground() : background_(std::make_unique<TBitmap>()) {}

TSynTextBackground::~TSynTextBackground() = default;

void TSynTextBackground::SetBackground(TBitmap* Value)
{
    background_->Assign(Value);
    Changed();
}

void TSynTextBackground::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    Changed();
}

void TSynTextBackground::SetRepeatMode(TSynBackgroundRepeatMode Value)
{
    if (repeatMode_ == Value)
        return;
    repeatMode_ = Value;
    Changed();
}

void TSynTextBackground::PaintBackground(TCanvas* Canvas, const TRect& SourceRect, TColor Color,
                                         const TRect& DestRect)
{
    const int w = DestRect.Width();
    const int h = DestRect.Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap scratch;
    scratch.SetSize(w, h);
    TCanvas* out = scratch.Canvas();
    out->Brush()->SetColor(Color);
    out->FillRect(Rect(0, 0, w, h));

    const int bw = background_->Width();
    const int bh = background_->Height();
    TCanvas* picture = background_->Empty() ? nullptr : background_->Canvas();
    if (picture) {
        // Along an axis that repeats, pieces run from the source edge to the
        // picture's edge and then start again at 0 until the scratch is full;
        // along one that doesn't, the source's own extent is copied once.
        const bool acrossX = repeatMode_ == brmVert || repeatMode_ == brmAll;
        const bool acrossY = repeatMode_ == brmHori || repeatMode_ == brmAll;
        const bool inside = (repeatMode_ != brmVert || (SourceRect.Top >= 0 && SourceRect.Top < bh)) &&
                            (repeatMode_ != brmHori || (SourceRect.Left >= 0 && SourceRect.Left < bw));
        if (inside) {
            int sy = acrossY ? Wrap(SourceRect.Top, bh) : SourceRect.Top;
            for (int y = 0; y < h;) {
                const int pieceH = acrossY ? std::min(bh - sy, h - y) : SourceRect.Height();
                int sx = acrossX ? Wrap(SourceRect.Left, bw) : SourceRect.Left;
                for (int x = 0; x < w;) {
                    const int pieceW = acrossX ? std::min(bw - sx, w - x) : SourceRect.Width();
                    out->CopyRect(Bounds(x, y, pieceW, pieceH), picture, Bounds(sx, sy, pieceW, pieceH));
                    if (!acrossX)
                        break;
                    x += pieceW;
                    sx = 0;
                }
                if (!acrossY)
                    break;
                y += pieceH;
                sy = 0;
            }
        }
    }
    Canvas->CopyRect(DestRect, out, Rect(0, 0, w, h));
}

void TSynTextBackground::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynTextBackground*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    background_->Assign(src->background_.get());
    visible_ = src->visible_;
    repeatMode_ = src->repeatMode_;
    Changed();
}

void TSynTextBackground::Changed()
{
    if (OnChange)
        OnChange(this);
}

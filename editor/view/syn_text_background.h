// A picture shown behind the text, once or tiled.
#pragma once

#include <memory>

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"

class TBitmap;
class TCanvas;

// brmVert repeats the picture side by side along a row band, brmHori stacks
// it down a column band, brmAll tiles it both ways.
enum TSynBackgroundRepeatMode { brmNone, brmVert, brmHori, brmAll };

class TSynTextBackground : public TPersistent {
public:
    TSynTextBackground();
    ~TSynTextBackground() override;

    TBitmap* Background() const { return background_.get(); }
    void SetBackground(TBitmap* Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    TSynBackgroundRepeatMode RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(TSynBackgroundRepeatMode Value);

    // Fills DestRect of Canvas with Color and the picture's part from
    // SourceRect on, repeated by RepeatMode.
    void PaintBackground(TCanvas* Canvas, const TRect& SourceRect, TColor Color, const TRect& DestRect);

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TBitmap> background_;
    bool visible_ = false;
    TSynBackgroundRepeatMode repeatMode_ = brmNone;
};

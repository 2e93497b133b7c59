// TIcon: a small picture with per-pixel alpha, drawn blended. It reads and
// writes .ico files; a file's masked images (1 to 24 bits plus an AND mask)
// become alpha 0 where the mask is set and 255 elsewhere.
#pragma once

#include "platform/gdi/raster_image.h"
#include "platform/ui/graphics/graphic.h"
#include "platform/win/win_types.h"

class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;

    bool Empty() const override { return image_.Empty(); }
    int Width() const override { return image_.Empty() ? requestedWidth_ : image_.Width; }
    int Height() const override { return image_.Empty() ? requestedHeight_ : image_.Height; }
    // An empty icon takes the size it wants from a file with several; a
    // loaded one raises EInvalidGraphicOperation.
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;

    // The image, straight alpha, always HasAlpha.
    const TRasterImage& Image() const { return image_; }
    void AssignImage(const TRasterImage& Image);
    // Takes a copy of the picture behind an icon handle (LoadIcon's); an
    // unknown handle or 0 empties the icon.
    void SetHandle(HICON Value);
    // An icon handle showing the picture, made on first use and owned by
    // this object (valid until the picture changes or the object goes); 0
    // while the icon is empty.
    HICON Handle();

    // nullptr empties.
    void Assign(TPersistent* Source) override;

    // Takes the image of the size asked for (SetWidth, SetHeight), else the
    // largest, the deepest colour first among equals. PNG images inside
    // the file are read too.
    void LoadFromStream(TStream* Stream) override;
    // One 32-bit image with its AND mask.
    void SaveToStream(TStream* Stream) override;

    std::unique_ptr<TGraphic> NewEmpty() const override { return std::make_unique<TIcon>(); }

protected:
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    void ReleaseHandle();

    TRasterImage image_;
    HICON handle_ = nullptr;  // shows image_ when set
    int requestedWidth_ = 0;  // 0: no wish
    int requestedHeight_ = 0;
};

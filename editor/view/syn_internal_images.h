// A strip of equally wide pictures from a bitmap resource, such as the
// built-in bookmark markers. Strips of the same resource share one bitmap.
#pragma once

#include "platform/base/object.h"

class TBitmap;
class TCanvas;

class TSynInternalImage : public TObject {
public:
    // EResNotFound when the resource is missing.
    TSynInternalImage(const AnsiString& Name, int Count);
    ~TSynInternalImage() override;
    TSynInternalImage(const TSynInternalImage&) = delete;
    TSynInternalImage& operator=(const TSynInternalImage&) = delete;

    // Image Number opaquely at X, centred on a line LineHeight high whose
    // top is Y; nothing for a number outside the strip.
    void DrawMark(TCanvas* Canvas, int Number, int X, int Y, int LineHeight);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return count_; }
    // The shared bitmap of the whole strip.
    TBitmap* Bitmap() const { return images_; }

private:
    TBitmap* images_;
    int width_;
    int height_;
    int count_;
};

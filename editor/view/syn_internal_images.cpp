#include "editor/view/syn_internal_images.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "editor/view/syn_resources.h"
#include "platform/base/code_page.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

namespace {

struct TSharedImage {
    int RefCount;
    AnsiString Name;  // upper case
    std::unique_ptr<TBitmap> Bitmap;
};

// Made with the first strip and freed with the last.
std::vector<TSharedImage>* sharedImages = nullptr;

TBitmap* AcquireBitmap(const AnsiString& Name)
{
    const AnsiString key = UpperCase(Name);
    if (sharedImages) {
        for (TSharedImage& entry : *sharedImages) {
            if (entry.Name == key) {
                ++entry.RefCount;
                return entry.Bitmap.get();
            }
        }
    }
    auto bitmap = std::make_unique<TBitmap>();
    LoadEditorPicture(*bitmap, Name);
    if (!sharedImages)
        sharedImages = new std::vector<TSharedImage>;
    sharedImages->push_back({1, key, std::move(bitmap)});
    return sharedImages->back().Bitmap.get();
}

void ReleaseBitmap(TBitmap* Bitmap)
{
    auto it = std::find_if(sharedImages->begin(), sharedImages->end(),
                           [Bitmap](const TSharedImage& entry) { return entry.Bitmap.get() == Bitmap; });
    if (--it->RefCount > 0)
        return;
    sharedImages->erase(it);
    if (sharedImages->empty()) {
        delete sharedImages;
        sharedImages = nullptr;
    }
}

}  // namespace

TSynInternalImage::TSynInternalImage(const AnsiString& Name, int Count)
    : images_(AcquireBitmap(Name)), width_(Count > 0 ? (images_->Width() + Count / 2) / Count : 0),
      height_(images_->Height()),
      count_(Count)
{
}

TSynInternalImage::~TSynInternalImage() { ReleaseBitmap(images_); }

void TSynInternalImage::DrawMark(TCanvas* Canvas, int Number, int X, int Y, int LineHeight)
{
    if (Number < 0 || Number >= count_)
        return;
    TRect dest = Bounds(X, Y + (LineHeight - height_) / 2, width_, height_);
    TRect source = Bounds(Number * width_, 0, width_, height_);
    if (height_ > LineHeight) {
        dest = Bounds(X, Y, width_, LineHeight);
        source = Bounds(Number * width_, (height_ - LineHeight) / 2, width_, LineHeight);
    }
    Canvas->CopyRect(dest, images_->Canvas(), source);
}

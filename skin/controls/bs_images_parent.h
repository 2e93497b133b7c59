// A parent that lends the speed buttons on it their images (the skinned
// tool bar): a button without a glyph shows its ImageIndex from them.
#pragma once

class TCustomImageList;

class IbsImagesParent {
public:
    // Each may be nullptr.
    virtual TCustomImageList* Images() = 0;
    virtual TCustomImageList* HotImages() = 0;
    virtual TCustomImageList* DisabledImages() = 0;

protected:
    ~IbsImagesParent() = default;
};

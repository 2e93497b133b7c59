// How bookmarks and other marks are drawn in the gutter and whether the
// bookmark keys work.
#pragma once

#include "platform/base/event.h"
#include "platform/base/object.h"

class TComponent;
class TCustomImageList;

class TSynBookMarkOpt : public TPersistent {
public:
    // AOwner (the editor) hears when the image list goes away.
    explicit TSynBookMarkOpt(TComponent* AOwner) : owner_(AOwner) {}

    // Pictures of the marks; without a list the built-in ones are drawn.
    TCustomImageList* BookmarkImages() const { return bookmarkImages_; }
    void SetBookmarkImages(TCustomImageList* Value);
    // Bookmarks before other marks on the same line.
    bool DrawBookmarksFirst() const { return drawBookmarksFirst_; }
    void SetDrawBookmarksFirst(bool Value);
    bool GlyphsVisible() const { return glyphsVisible_; }
    void SetGlyphsVisible(bool Value);
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int Value);
    // The step between marks drawn side by side.
    int Xoffset() const { return xoffset_; }
    void SetXoffset(int Value);

    // The keys that set and go to bookmarks.
    bool EnableKeys = true;

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() override;

private:
    void Changed();

    TComponent* owner_;
    TCustomImageList* bookmarkImages_ = nullptr;
    bool drawBookmarksFirst_ = true;
    bool glyphsVisible_ = true;
    int leftMargin_ = 2;
    int xoffset_ = 12;
};

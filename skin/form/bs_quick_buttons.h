// The quick buttons of a skinned frame: small image buttons the caption
// draws beside its text, each with its own click handler.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/collection.h"
#include "platform/base/event.h"
#include "platform/base/geometry.h"

class TbsSkinForm;

class TbsQuickButtonItem : public TCollectionItem {
public:
    explicit TbsQuickButtonItem(TCollection* Collection);

    // From another quick button: its look, not its handler.
    void Assign(TPersistent* Source) override;

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    AnsiString Hint;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    TNotifyEvent OnClick;

    // Run-time: placed by the caption, in window coordinates; hot while the
    // mouse points at it, down while pressed.
    TRect ItemRect;
    bool Hot = false;
    bool Down = false;

private:
    int imageIndex_ = -1;  // in the frame's QuickImageList
    bool enabled_ = true;
    bool visible_ = true;
};

class TbsQuickButtonItems : public TOwnedCollection {
public:
    explicit TbsQuickButtonItems(TbsSkinForm* AOwner);

    TbsQuickButtonItem* Items(int Index) const { return static_cast<TbsQuickButtonItem*>(GetItem(Index)); }

protected:
    // Repaints the frame, except while the frame is designed or loaded.
    void Update(TCollectionItem* Item) override;

private:
    TbsSkinForm* form_;
};

// The quick buttons of a skinned frame: small image buttons the caption
// draws beside its text, each with its own click handler.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/collection.h"
#include "platform/base/event.h"
#include "platform/base/geometry.h"

class TbsSkinForm;
class TbsSkinPopupMenu;

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
    // Opened under the button by a press, the button staying down until
    // it closes; not owned, forgotten when freed.
    TbsSkinPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TbsSkinPopupMenu* Value);

    // Run-time: placed by the caption, in window coordinates; hot while the
    // mouse points at it, down while pressed.
    TRect ItemRect;
    bool Hot = false;
    bool Down = false;

private:
    int imageIndex_ = -1;  // in the frame's QuickImageList
    bool enabled_ = true;
    bool visible_ = true;
    TbsSkinPopupMenu* popupMenu_ = nullptr;  // free-notified through the frame
};

class TbsQuickButtonItems : public TOwnedCollection {
public:
    explicit TbsQuickButtonItems(TbsSkinForm* AOwner);

    TbsQuickButtonItem* Items(int Index) const { return static_cast<TbsQuickButtonItem*>(GetItem(Index)); }
    TbsSkinForm* Form() const { return form_; }

protected:
    // Repaints the frame, except while the frame is designed or loaded.
    void Update(TCollectionItem* Item) override;

private:
    TbsSkinForm* form_;
};

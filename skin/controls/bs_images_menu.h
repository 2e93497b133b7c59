// TbsSkinImagesMenu: drops a grid of an image list's images below a button
// (with full-width header and button rows among them) in a top-most window
// that never takes the focus, keeps the mouse and closes on any click
// elsewhere; the chosen item becomes ItemIndex.
#pragma once

#include <memory>

#include "platform/base/collection.h"
#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/base/geometry.h"

class TCustomImageList;
class TFont;
class TbsSkinData;
class TbsSkinHint;
class TbsSkinImagesMenu;
class TbsSkinImagesMenuPopupWindow;

class TbsImagesMenuItem : public TCollectionItem {
public:
    explicit TbsImagesMenuItem(TCollection* Collection);

    int ImageIndex = -1;
    AnsiString Caption;  // the text of header and button rows
    bool Button = false;  // a full-width button row
    bool Header = false;  // a full-width header row: never hot, never chosen
    AnsiString Hint;
    TNotifyEvent OnClick;  // the menu is the sender
    // Where the layout put the item in the popup window.
    TRect ItemRect;

    // From another item: ImageIndex, Caption, Button and Hint.
    void Assign(TPersistent* Source) override;
};

class TbsImagesMenuItems : public TCollection {
public:
    explicit TbsImagesMenuItems(TbsSkinImagesMenu* AMenu);
    TbsImagesMenuItem* Items(int Index) const { return static_cast<TbsImagesMenuItem*>(GetItem(Index)); }
    TbsImagesMenuItem* Add() { return static_cast<TbsImagesMenuItem*>(TCollection::Add()); }

protected:
    TPersistent* GetOwner() override;

private:
    TbsSkinImagesMenu* menu_;
};

class TbsSkinImagesMenu : public TComponent {
public:
    explicit TbsSkinImagesMenu(TComponent* AOwner);
    // Closes an open grid first (not chosen).
    ~TbsSkinImagesMenu() override;

    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);
    TbsImagesMenuItems* ImagesItems() const { return items_.get(); }
    void SetImagesItems(TbsImagesMenuItems* Value);
    int ItemIndex = -1;
    int ColumnsCount() const { return columnsCount_; }
    // Only 1 to 50; other values are ignored.
    void SetColumnsCount(int Value);
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* Value);
    TbsSkinHint* SkinHint() const { return skinHint_; }
    void SetSkinHint(TbsSkinHint* Value);
    bool ShowHints = true;
    bool ShowSelectedItem = true;
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value);
    bool UseSkinFont = true;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    TNotifyEvent OnItemClick;
    TNotifyEvent OnChange;
    TNotifyEvent OnMenuPopup;
    TNotifyEvent OnMenuClose;
    // For the button that owns the menu.
    TNotifyEvent OnInternalChange;
    TNotifyEvent OnInternalMenuClose;

    // The item at ItemIndex; nullptr outside the items.
    TbsImagesMenuItem* GetSelectedItem() const;
    // Drops the grid below the opener's screen rectangle; with no images
    // nothing opens after OnMenuPopup.
    void PopupFromRect(const TRect& Rect);
    // The open grid, or nullptr.
    TbsSkinImagesMenuPopupWindow* PopupWindow() const { return popupWindow_; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TbsSkinImagesMenuPopupWindow;
    // The grid closed, chosen or not: frees it once its own message has
    // returned, then fires the events.
    void ProcessEvents(bool Chosen);

    TCustomImageList* images_ = nullptr;  // free-notified
    std::unique_ptr<TbsImagesMenuItems> items_;
    int columnsCount_ = 1;
    TbsSkinData* skinData_ = nullptr;  // free-notified
    TbsSkinHint* skinHint_ = nullptr;  // free-notified
    std::unique_ptr<TFont> defaultFont_;
    TbsSkinImagesMenuPopupWindow* popupWindow_ = nullptr;  // owned: the open grid
    int oldItemIndex_ = -1;  // ItemIndex when the grid opened
};

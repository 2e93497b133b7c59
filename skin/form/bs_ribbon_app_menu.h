// TbsAppMenu: the ribbon's application menu, laid over the form's client
// area below the application button: a column of items at the left (a
// command, or the page shown to its right while it is selected), a
// scroll bar when the column is taller than the menu, and a size grip.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/collection.h"
#include "platform/base/event.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_skin_control.h"

class TbsAppMenu;
class TbsAppMenuPage;
class TbsRibbon;
class TbsSkinScrollBar;
class TbsDataSkinAppMenu;
class TBitmap;

class TbsAppMenuItem : public TCollectionItem {
public:
    explicit TbsAppMenuItem(TCollection* Collection);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    TbsAppMenuPage* Page() const { return page_; }
    // A page linked to a menu becomes that menu's active page.
    void SetPage(TbsAppMenuPage* Value);
    void Assign(TPersistent* Source) override;

    // Sender is the ribbon.
    TNotifyEvent OnClick;
    bool Hot = false;
    TRect ItemRect{};

private:
    friend class TbsAppMenu;
    AnsiString caption_;
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    TbsAppMenuPage* page_ = nullptr;  // not owned; cleared when it goes
};

class TbsAppMenuItems : public TCollection {
public:
    explicit TbsAppMenuItems(TbsAppMenu* AMenu);
    TbsAppMenuItem* Items(int Index) const { return static_cast<TbsAppMenuItem*>(GetItem(Index)); }
    TbsAppMenuItem* Add() { return static_cast<TbsAppMenuItem*>(TCollection::Add()); }

protected:
    TPersistent* GetOwner() override;
    void Update(TCollectionItem* Item) override;

private:
    TbsAppMenu* menu_;
};

// One entry of the item column for the layout.
struct TbsAppMenuSlot {
    bool Visible = true;
    bool HasPage = false;
};

// The items' rectangles with the column scrolled by Offset; ItemWidth is
// the column's width, Plain and PageHeight the two item heights.
std::vector<TRect> LayOutAppMenuItems(const std::vector<TbsAppMenuSlot>& Slots, int ItemWidth, int PlainHeight,
                                      int PageHeight, int Offset);
// The column's full height for the scroll bar.
int AppMenuColumnHeight(const std::vector<TbsAppMenuSlot>& Slots, int PlainHeight, int PageHeight);

class TbsAppMenu : public TbsSkinControl {
public:
    explicit TbsAppMenu(TComponent* AOwner);
    ~TbsAppMenu() override;

    TbsAppMenuItems* Items() const { return items_.get(); }
    TbsAppMenuPage* ActivePage() const { return activePage_; }
    void SetActivePage(TbsAppMenuPage* Value);
    int ItemWidth() const { return itemWidth_; }
    void SetItemWidth(int Value);
    // Not owned; images of items without and with a page; cleared when
    // freed.
    TCustomImageList* ItemImageList() const { return itemImageList_; }
    void SetItemImageList(TCustomImageList* Value);
    TCustomImageList* ItemPageImageList() const { return itemPageImageList_; }
    void SetItemPageImageList(TCustomImageList* Value);
    // Items take font name and style from the skin description.
    bool UseSkinFont = true;
    int ItemIndex() const { return itemIndex_; }

    // Set by the ribbon that opens the menu.
    TbsRibbon* Ribbon = nullptr;

    TNotifyEvent OnChangePage;
    // Sender is the ribbon.
    TNotifyEvent OnShowMenu;
    TNotifyEvent OnHideMenu;

    void SelectItem(int Index);
    int IndexOfPage(TbsAppMenuPage* Page) const;
    // The active page's place, right of the item column.
    TRect GetPageBounds();
    // The next visible and enabled item after From (Step 1) or before it
    // (-1); -1 for none.
    int NextSelectable(int From, int Step) const;
    // Creates, frees or updates the column's scroll bar.
    void UpdateScrollBar();
    TbsSkinScrollBar* ScrollBar() const { return scrollBar_; }
    // The 10 x 10 grip at the bottom-right corner sizes the form.
    bool SizeGripActive() const;
    // The "appmenu" description and its picture; nullptr without a skin.
    TbsDataSkinAppMenu* SkinDescription();
    TBitmap* SkinPicture();
    // Heights of a plain item and of an item with a page.
    int PlainItemHeight();
    int PageItemHeight();

protected:
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    std::vector<TbsAppMenuSlot> Slots() const;
    void LayOutItems();
    void HotTrack(int X, int Y);
    void ScrollIntoView(int Index);
    void ScrollBarChange(TObject* Sender);
    // Enter, Space or a release on a command item closes the menu.
    void RunItem(int Index);
    // Item's image and caption in Area, past the item's indent, in Colour.
    void DrawItemText(TCanvas* Canvas, TbsAppMenuItem* Item, TRect Area, TColor Colour);
    void DrawItem(TCanvas* Canvas, TbsAppMenuItem* Item, bool Highlighted);
    void DrawSkinned(TCanvas* Canvas);
    void DrawSkinItem(TCanvas* Canvas, int Index);

    std::unique_ptr<TbsAppMenuItems> items_;
    TbsAppMenuPage* activePage_ = nullptr;
    TCustomImageList* itemImageList_ = nullptr;
    TCustomImageList* itemPageImageList_ = nullptr;
    int itemWidth_ = 100;
    int itemIndex_ = -1;
    int hotItem_ = -1;
    int offset_ = 0;  // how far the item column is scrolled
    int oldHeight_ = 0;
    TbsSkinScrollBar* scrollBar_ = nullptr;  // owned child while the column overflows
};

// Menus: TMenuItem trees, and the menus that hold them: TMainMenu (the bar
// of a form) and TPopupMenu (a context menu). An item with sub-items opens
// a sub-menu; a caption of "-" makes a separator line.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/base/exceptions.h"
#include "platform/base/geometry.h"
#include "platform/ui/kernel/action_links.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/ui/kernel/shortcuts.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TMenu;
class TMenuItem;

TANDRIL_EXCEPTION(EMenuError, Exception);

// The caption of a separator line.
inline constexpr char cLineCaption[] = "-";

// How separators are tidied: maAutomatic hides repeated ones and those at
// either end of a menu before it is shown, maManual only when RethinkLines
// is called, maParent does what the parent item (or the menu) does.
enum TMenuAutoFlag { maAutomatic, maManual, maParent };
using TMenuItemAutoFlag = TMenuAutoFlag;

enum TFindItemKind { fkCommand, fkShortCut };

// Draws an item instead of the menu: Sender is whatever shows the item
// (the item itself in our own menus), ARect the row and Selected whether it
// is highlighted.
using TMenuDrawItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    // Leaves its parent and frees its sub-items.
    ~TMenuItem() override;

    // '&' marks the accelerator that follows it ("&&" is one '&').
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    bool IsLine() const { return caption_ == cLineCaption; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut Value);
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its
    // GroupIndex among its siblings.
    void SetChecked(bool Value);
    // Shown with a dot instead of a tick when checked.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool Value);
    uint8_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(uint8_t Value);
    // Drawn bold; at most one per menu is meant to be.
    bool Default() const { return default_; }
    void SetDefault(bool Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& Value) { hint_ = Value; }
    // Made on first use; an empty bitmap shows no glyph.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* Value);
    // Into GetImageList; -1 for none. An image wins over the bitmap.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    // A number unique among the items in existence, for DispatchCommand.
    uint16_t Command() const { return command_; }
    TMenuItemAutoFlag AutoLineReduction() const { return autoLineReduction_; }
    void SetAutoLineReduction(TMenuItemAutoFlag Value) { autoLineReduction_ = Value; }

    // Sub-items, in menu order.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return parent_; }
    // The position among the parent's items; -1 without a parent.
    int MenuIndex() const;
    int IndexOf(TMenuItem* Item) const;
    // The sub-item whose caption, without its '&', equals ACaption ignoring
    // case; nullptr when none.
    TMenuItem* Find(const AnsiString& ACaption) const;
    // Add and Insert take an item that has no parent yet (EMenuError
    // otherwise); Delete and Remove take an item out without freeing it;
    // Clear frees every sub-item.
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    void Clear();

    // Hides separators at the ends of the visible items and every one
    // directly after another visible separator, and shows the others again;
    // answers whether any visibility changed.
    bool RethinkLines();

    // Runs the item when Enabled: OnClick, else the attached action.
    virtual void Click();
    // The image list of the nearest menu or parent that has one.
    TCustomImageList* GetImageList() const;
    // The menu whose tree holds this item, or nullptr.
    TMenu* GetParentMenu() const;

    // The action the item follows, or nullptr: the item shows its caption,
    // enabled, checked and visible states, hint, image and shortcut, and a
    // click executes it (unless OnClick is a handler of the item's own).
    // Not owned; a freed action leaves the item as it was.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TMenuActionLink* ActionLink() const { return actionLink_.get(); }
    // Brings the action up to date, before the item shows.
    void InitiateAction();

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;

protected:
    // Something shown changed: the menu is told (a main menu re-lays its
    // bar). Rebuild is false for changes of state only (checked, enabled).
    virtual void MenuChanged(bool Rebuild);
    // The action changed, or was just set: the item takes what it shows of
    // it. Sender is the action.
    virtual void ActionChange(TObject* Sender);

private:
    friend class TMenu;
    friend class TMenuActionLink;

    void TurnSiblingsOff();

    AnsiString caption_;
    AnsiString hint_;
    TShortCut shortCut_ = scNone;
    bool checked_ = false;
    bool radioItem_ = false;
    bool default_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    uint8_t groupIndex_ = 0;
    int imageIndex_ = -1;
    uint16_t command_ = 0;  // held in the command pool while the item lives
    TMenuItemAutoFlag autoLineReduction_ = maParent;
    std::unique_ptr<TBitmap> bitmap_;
    TMenuItem* parent_ = nullptr;    // lists this item among its items_
    TMenu* menu_ = nullptr;          // set on a menu's root item only
    std::vector<TMenuItem*> items_;  // owned: freed with this item, each one's parent_ is this
    std::unique_ptr<TMenuActionLink> actionLink_;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item: its sub-items are the menu's items.
    TMenuItem* Items() const { return items_.get(); }
    // Not owned; cleared when the image list is freed.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);
    TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
    void SetAutoLineReduction(TMenuAutoFlag Value);

    // Clicks the item with that command; false when none has it.
    bool DispatchCommand(uint16_t ACommand);
    // The item with that command or shortcut, searched depth first; nullptr
    // when none.
    TMenuItem* FindItem(int Value, TFindItemKind Kind) const;
    // A WM_KEYDOWN or WM_SYSKEYDOWN matching an enabled item's shortcut:
    // the parents' OnClick run first, from the top (they may build the
    // item's siblings), then the item's Click. Answers whether it was one.
    virtual bool IsShortCut(TMessage& Message);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // An item of this menu changed what is shown (Source nullptr: the menu
    // itself). An open menu showing the items repaints them after a change
    // of state only (Rebuild false), else it closes.
    virtual void MenuChanged(TMenuItem* Source, bool Rebuild);

private:
    friend class TMenuItem;

    std::unique_ptr<TMenuItem> items_;
    TCustomImageList* images_ = nullptr;  // free-notified
    TMenuAutoFlag autoLineReduction_ = maAutomatic;
};

// Shown as a bar by the forms whose Menu it is.
class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;

protected:
    // The forms showing the menu lay their bar out again, or only repaint
    // it with their next frame paint after a change of state
    // (CM_MENUCHANGED, wParam: Rebuild); only changes of the menu itself
    // and of its top-level items reach them.
    void MenuChanged(TMenuItem* Source, bool Rebuild) override;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // Shows the menu with its top-left at the screen point (flipped to stay
    // on the work area) and tracks it until it closes; a chosen item's
    // click runs after every menu window is gone. OnPopup fires first.
    virtual void Popup(int X, int Y);
    TPoint PopupPoint() const { return popupPoint_; }
    // The control the menu was last popped up for, or set by hand; cleared
    // when it is freed.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* Value);
    // Whether a right click on a control with this menu pops it up.
    bool AutoPopup = true;

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoPopup(TObject* Sender);
    // For popups that show the menu their own way.
    void SetPopupPoint(TPoint Value) { popupPoint_ = Value; }

private:
    TPoint popupPoint_{-1, -1};  // where the last Popup showed the menu
    TComponent* popupComponent_ = nullptr;  // free-notified
};

// Whether the caption has VK (compared without case) as its accelerator:
// the character after a single '&'.
bool IsAccel(WORD VK, const AnsiString& Str);
// The caption without its accelerator marks ("&&" stays one '&').
AnsiString StripHotkey(const AnsiString& Text);

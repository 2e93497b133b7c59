// The skinned main-menu bar: a control at the top of a form that shows the
// top-level items of a main menu as a row of items drawn by the bar itself,
// tracks the mouse over them, opens their submenus through the frame's menu
// manager and hides the items that do not fit behind a 5-pixel overflow
// mark. On the main form of a multiple-document application a child's menu
// is merged in by GroupIndex.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/ui/kernel/menus.h"
#include "skin/controls/bs_skin_control.h"

class TFont;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinMainMenuBar;

// A main menu that carries the skin its bar draws with.
class TbsSkinMainMenu : public TMainMenu {
public:
    using TMainMenu::TMainMenu;
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TbsSkinData* skinData_ = nullptr;
};

// The top-level items of Main and of the merged Child in bar order: Main's
// items whose GroupIndex the child does not use, then the child's, sorted by
// GroupIndex with equal keys kept in that order.
std::vector<TMenuItem*> MergedMenuItems(TMenu* Main, TMenu* Child);

// One item of the bar; draws itself into the bar's canvas.
class TbsSkinMainMenuBarItem : public TObject {
public:
    TbsSkinMainMenuBarItem(TbsSkinMainMenuBar* AParent, TMenuItem* AMenuItem);

    TbsSkinMainMenuBar* Parent;
    TMenuItem* MenuItem;
    TRect ObjectRect;
    bool MouseIn = false;
    bool Active = false;
    bool Down = false;
    bool Enabled = true;
    bool Visible = true;
    bool InView = true;
    bool SavedEnabled = true;

    // Computes the rectangle after Previous (nullptr for the first item),
    // tests the fit and, when it fits, draws into Canvas.
    void Draw(TCanvas* Canvas, const TbsSkinMainMenuBarItem* Previous);
    // Draws at once on the bar.
    void ReDraw();
    void MouseEnter();
    void MouseLeave();
    void MouseDown(TMouseButton Button);
    void SetDown(bool Value);

private:
    void PopupSubMenu();
    int TextWidth(TCanvas* Canvas) const;
};

using TbsItemEnterEvent = TEvent<void(TMenuItem* MenuItem)>;
using TbsItemLeaveEvent = TEvent<void(TMenuItem* MenuItem)>;

class TbsSkinMainMenuBar : public TbsSkinControl {
public:
    // The width of the overflow mark at the right end of the items area.
    static constexpr int TrackMarkWidth = 5;

    explicit TbsSkinMainMenuBar(TComponent* AOwner);
    ~TbsSkinMainMenuBar() override;

    TMainMenu* MainMenu() const { return mainMenu_; }
    void SetMainMenu(TMainMenu* Value);
    TbsSkinForm* SkinForm() const { return skinForm_; }
    void SetSkinForm(TbsSkinForm* Value);
    // Items that do not fit hide behind the overflow mark; off while a
    // child's menu is merged, and back to the user's value afterwards.
    bool ScrollMenu() const { return scrollMenu_ && !MergeMenu; }
    void SetScrollMenu(bool Value);
    TFont* DefItemFont() const { return defItemFont_.get(); }
    bool PopupToUp = false;

    TbsItemEnterEvent OnItemMouseEnter;
    TbsItemLeaveEvent OnItemMouseLeave;

    // The menu of the active child merged in, or nil. The form's own
    // search by default; tests put a menu of their own in its place.
    using TChildMenuFinder = TEvent<TMenu*()>;
    TChildMenuFinder ChildMenuFinder;
    TMenu* GetChildMainMenu() const;

    // Run-time state.
    bool MergeMenu = false;
    bool ShowAccelChar = false;
    bool HiddenItems = false;
    bool TrackMarkActive = false;
    int ActiveIndex = -1;
    int OldActiveIndex = -1;
    int MouseDownIndex = -1;
    TRect ItemsArea;

    int ItemCount() const { return static_cast<int>(items_.size()); }
    TbsSkinMainMenuBarItem* Items(int Index) const { return items_[static_cast<size_t>(Index)].get(); }
    // The overflow mark's rectangle (empty when nothing is hidden).
    TRect TrackMarkRect() const;

    // Rebuilds the items (a child was activated).
    void UpdateItems();
    // The hot item follows the point (client coordinates; -1, -1: none).
    void TestActive(int X, int Y);
    // Opens the items that do not fit from the first hidden one.
    void PopupHiddenItems();
    // Opens Item's sub-items (from StartIndex) at the screen rectangle
    // Anchor through the frame's menu manager, with the bar as the opener
    // so that the close comes back to it.
    void PopupMenuItem(TMenuItem* Item, TMenuItem* Extra, const TRect& Anchor, int StartIndex, bool ToUp);
    // Draws one item at once on the bar.
    void DrawItem(TbsSkinMainMenuBarItem* Item);

    // Keyboard menu mode, driven by the form (bs_skin_main_menu_keys.cpp).
    // Enters it: accelerators show and the hot item, or the first, is
    // highlighted.
    void MenuEnter();
    // Leaves it: the highlighted or pressed item goes back to rest.
    void MenuExit();
    // The last popup level closed by Escape: the pressed item stays
    // highlighted.
    void RestoreActiveItem();
    // The item whose accelerator is Key opens (or runs); false when none.
    bool FindHotKeyItem(WORD Key);
    // Right and Left: the highlight (and an open submenu) moves on,
    // wrapping at the ends.
    void NextMainMenuItem();
    void PriorMainMenuItem();
    // Enter and Down: the highlighted item opens or runs; false when none.
    bool CheckReturnKey();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // An item that may take the keyboard highlight.
    bool Reachable(int Index) const { return Items(Index)->Enabled && Items(Index)->InView; }
    void CreateMenuItems();
    void CalcItemsArea();
    void PaintBar(TCanvas* Canvas);
    void DrawTrackMark(TCanvas* Canvas);

    TMainMenu* mainMenu_ = nullptr;
    TbsSkinForm* skinForm_ = nullptr;
    bool scrollMenu_ = true;
    // The menu manager closes the old chain while a new one opens; that
    // close is no end of the menu mode.
    bool opening_ = false;
    std::unique_ptr<TFont> defItemFont_;
    std::vector<std::unique_ptr<TbsSkinMainMenuBarItem>> items_;
};

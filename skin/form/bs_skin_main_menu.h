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
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/menus.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/data/bs_ini_codecs.h"

class TBitmap;
class TTimer;
class TbsDataSkinMainMenuBarItem;
class TbsMainMenuBarButtons;
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

// One item of the bar; draws itself into the bar's canvas, from the skin's
// item description when the bar has one, else in the plain look.
class TbsSkinMainMenuBarItem : public TObject {
public:
    // Data: the item description, or nil for the plain look.
    TbsSkinMainMenuBarItem(TbsSkinMainMenuBar* AParent, TMenuItem* AMenuItem, TbsDataSkinMainMenuBarItem* Data);

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

    // Copied from the description (all empty or zero without one). Picture
    // is the skin's, valid until the next skin load, which rebuilds items.
    bool HasSkinData = false;
    TBitmap* Picture = nullptr;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect DownRect;  // never empty while SkinRect is not
    TRect TextRect;
    TRect AnimateSkinRect;
    bool Morphing = false;  // never set while ActiveSkinRect is empty
    TbsMorphKind MorphKind = mkdefault;
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor UnEnabledFontColor = 0;
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    bool StretchEffect = false;
    int FrameCount = 0;
    int AnimateInterval = 0;
    bool InActiveAnimation = false;
    // The animation frame shown: 0 none, 1..FrameCount the strip's frames,
    // FrameCount + 1 the plain active image.
    int FrameIndex = 0;

    // How far the cross-fade from the normal to the active image has gone,
    // in fifths: a fade is five whole steps and ends exactly at 0 or 1.
    double MorphKf() const { return morphFifths_ / 5.0; }
    void SetMorphKf(double Value);
    bool CanMorph() const;
    bool CanAnimate() const;
    bool NeedMorphStep() const;
    // One 25 ms step of the fade; false when none was needed.
    bool MorphStep();
    // One step of the animation towards the active or the normal end;
    // false when none was needed.
    bool AnimationStep();

    // Computes the rectangle after Previous (nullptr for the first item),
    // tests the fit and, when it fits, draws into Canvas.
    void Draw(TCanvas* Canvas, const TbsSkinMainMenuBarItem* Previous);
    // Shows a state change: through the fade or the animation when the
    // skin has them, else at once.
    void ReDraw();
    void MouseEnter();
    void MouseLeave();
    void MouseDown(TMouseButton Button);
    void SetDown(bool Value);

private:
    void PopupSubMenu();
    // Item drawing (bs_skin_main_menu_item_paint.cpp).
    void SetItemFont(TCanvas* Canvas) const;
    int TextWidth(TCanvas* Canvas) const;
    int GlyphWidth() const;
    // Places the item after Previous; false when it does not fit.
    bool Place(TCanvas* Canvas, const TbsSkinMainMenuBarItem* Previous);
    void DrawPlain(TCanvas* Canvas);
    void DrawSkinned(TCanvas* Canvas);
    void CreateItemImage(TBitmap* Bitmap, TCanvas* Target, const TRect& SourceRect, bool IsActive);
    // The item as a tool button of the skin, at rest, hot or pressed.
    void CreateToolBarImage(TBitmap* Bitmap, TCanvas* Target, bool IsActive, bool IsDown);
    // The item's image in tool-bar mode or from its own description.
    void CreateImage(TBitmap* Bitmap, TCanvas* Target, const TRect& SourceRect, bool IsActive, bool IsDown);
    // The text place, the glyph and the caption in the current font.
    void DrawItemText(TCanvas* Canvas, int Height);
    TRect AnimationFrameRect(int Frame) const;
    // The glyph at the left of T, vertically centred on CentreY; T's left
    // moves past it.
    void DrawGlyph(TCanvas* Canvas, TRect& T, int CentreY) const;
    // OnDrawItem, or the caption in T.
    void DrawCaption(TCanvas* Canvas, const TRect& T);

    int morphFifths_ = 0;  // 0..5
};

using TbsItemEnterEvent = TEvent<void(TMenuItem* MenuItem)>;
using TbsItemLeaveEvent = TEvent<void(TMenuItem* MenuItem)>;

class TbsSkinMainMenuBar : public TbsSkinControl {
public:
    // The width of the overflow mark at the right end of the items area.
    static constexpr int TrackMarkWidth = 5;

    explicit TbsSkinMainMenuBar(TComponent* AOwner);
    ~TbsSkinMainMenuBar() override;

    // With a skin the bar is as high as the skin's bar and each item as
    // high as its skin image; off, both follow the bar's height.
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool Value);
    // Items take the font of their description instead of DefItemFont.
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool Value);
    // The height given to a bar without a skin when this is set and by
    // every skin change that leaves it without one (0: kept).
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int Value);
    // The width given to a bar without a skin when this is set (0: none).
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int Value);
    // Items drawn as tool buttons of the "resizetoolbutton" description
    // (and, without the skin's size, the bar as a "resizetoolpanel" or
    // "panel"); no item animation.
    bool ToolBarMode() const { return toolBarMode_; }
    void SetToolBarMode(bool Value);
    // In tool-bar mode an item at rest shows the bar through it; no fades.
    bool ToolBarModeItemTransparent() const { return toolBarModeItemTransparent_; }
    void SetToolBarModeItemTransparent(bool Value);
    // Items show the bar under them: every item redraw repaints the bar.
    bool ItemsShowBar() const;

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

    // The menu of the active child merged in, or nil: the main menu of
    // the form's active MDI child, unless a finder is set.
    using TChildMenuFinder = TEvent<TMenu*()>;
    TChildMenuFinder ChildMenuFinder;
    TMenu* GetChildMainMenu() const;

    // Copied from the "mainmenubar" description at each look-up; SkinUsed
    // tells whether one was found at the last skin change. Picture is the
    // skin's, nil when the description names none.
    bool SkinUsed = false;
    TRect SkinRect;
    TRect ItemsRect;  // a place in SkinRect, in its coordinates
    TBitmap* Picture = nullptr;
    AnsiString MenuBarItem;
    TColor TrackMarkColor = 0;
    TColor TrackMarkActiveColor = 0;
    bool StretchEffect = false;
    bool ItemTransparent = false;
    // The skin is in place and not empty: fades and animations may run.
    bool SkinEffects() const;

    // Skinned-control protocol: the items are rebuilt on every skin, so
    // pictures, rectangles and fonts of the new skin take effect.
    void GetSkinData() override;
    void BeforeChangeSkinData() override;
    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Hot tracking: every 50 ms, while the cursor is over the bar, the hot
    // object follows the cursor, so an object lights under a cursor that
    // stands still when the menu closes or the items are rebuilt. Moves and
    // the mouse's entering start it; it stops when the cursor is off the
    // bar.
    TTimer* MouseTimer() const { return mouseTimer_.get(); }
    // The fade and the animation of the items, each on a 25 ms timer that
    // stops when no item needs a step.
    TTimer* MorphTimer() const { return morphTimer_.get(); }
    TTimer* AnimationTimer() const { return animationTimer_.get(); }
    void StartMorph();
    void StartAnimation(int Interval);
    // Shows one item's change: at once on the bar, or, for items that show
    // the bar through them, by repainting the whole bar.
    void DrawSkinObject(TbsSkinMainMenuBarItem* Item);

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

    // Rebuilds the items (a child was activated); the item under the
    // cursor lights at the mouse timer's next tick.
    void UpdateItems();
    // A maximized child's buttons; the frame of SkinForm tells them.
    TbsMainMenuBarButtons* ChildButtons() const { return childButtons_.get(); }
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
    // A bar that shows its parent through it paints again when the
    // parent's image changes.
    void ParentImageChanged() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // An item that may take the keyboard highlight.
    bool Reachable(int Index) const { return Items(Index)->Enabled && Items(Index)->InView; }
    void CreateMenuItems();
    // The items hold pictures of the skin they were built under; after a
    // load that did not reach the bar they are built again.
    bool ItemsCurrent() const;
    void KeepItemsCurrent();
    void CalcItemsArea();
    void PaintBar(TCanvas* Canvas);
    void PaintBackground(TCanvas* Canvas);
    void DrawTrackMark(TCanvas* Canvas);
    // The child buttons and the items follow the point (-1, -1: none).
    void TrackPointer(int X, int Y);
    void MouseTimerTick(TObject* Sender);
    void MorphTimerTick(TObject* Sender);
    void AnimationTimerTick(TObject* Sender);

    TMainMenu* mainMenu_ = nullptr;
    TbsSkinForm* skinForm_ = nullptr;
    bool scrollMenu_ = true;
    // The menu manager closes the old chain while a new one opens; that
    // close is no end of the menu mode.
    bool opening_ = false;
    bool useSkinSize_ = true;
    bool useSkinFont_ = true;
    bool toolBarMode_ = false;
    bool toolBarModeItemTransparent_ = false;
    std::unique_ptr<TFont> defItemFont_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 22;
    std::unique_ptr<TTimer> mouseTimer_;
    std::unique_ptr<TTimer> morphTimer_;
    std::unique_ptr<TTimer> animationTimer_;
    std::vector<std::unique_ptr<TbsSkinMainMenuBarItem>> items_;
    std::unique_ptr<TbsMainMenuBarButtons> childButtons_;
    // The skin data and its load the items were built under.
    const TbsSkinData* itemsData_ = nullptr;
    unsigned itemsLoad_ = 0;
};

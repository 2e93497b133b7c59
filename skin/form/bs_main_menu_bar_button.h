// The buttons of a maximized child on the main form's menu bar: its
// system-menu button at the left end of the items area and its close,
// restore and minimize buttons at the right end. They come with the first
// maximized child and go when no child is maximized any more.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/ui/kernel/control_types.h"
#include "skin/data/bs_ini_codecs.h"
#include "skin/form/bs_skin_form_mdi.h"

class TBitmap;
class TCanvas;
class TbsDataSkinMainMenuBarButton;
class TbsMainMenuBarButtons;
class TbsSkinForm;
class TbsSkinMainMenuBar;

class TbsSkinMainMenuBarButton {
public:
    // The kinds, as the skin's commands number them.
    enum { bkClose = 0, bkRestore = 1, bkMinimize = 2, bkSysMenu = 3 };

    // Data nil: drawn in the plain look, of kind DefaultKind.
    TbsSkinMainMenuBarButton(TbsMainMenuBarButtons* AOwner, const TbsDataSkinMainMenuBarButton* Data, int DefaultKind);

    bool HasSkinData = false;
    int Kind;
    TBitmap* Picture = nullptr;  // the skin's
    TRect SkinRect{};
    TRect ActiveSkinRect{};
    TRect DownRect{};
    TRect ObjectRect{};
    bool Active = false;
    bool MouseIn = false;
    bool Down = false;
    bool Enabled = true;
    bool Morphing = false;  // never set while ActiveSkinRect is empty
    TbsMorphKind MorphKind = mkdefault;

    // How far the cross-fade from the normal to the active image has gone,
    // in fifths, as for the bar's items (bs_main_menu_bar_button_morph.cpp).
    double MorphKf() const { return morphFifths_ / 5.0; }
    void SetMorphKf(bool Full) { morphFifths_ = Full ? 5 : 0; }
    bool CanMorph() const;
    // One step of the fade on the bar's clock; false when none was needed.
    bool MorphStep();

    void Draw(TCanvas* Canvas);
    // Shows a state change: through the fade when the skin has one, else
    // at once.
    void ReDraw();
    void MouseEnter();
    void MouseLeave();
    void MouseDown(TMouseButton Button);
    void MouseUp(TMouseButton Button);
    void DblClick();

private:
    void DrawPlain(TCanvas* Canvas);
    void DrawMorph(TCanvas* Canvas);
    bool FadeUnderWay() const { return Active ? morphFifths_ < 5 : morphFifths_ > 0; }
    void DrawNow();
    void Click();

    TbsMainMenuBarButtons* owner_;
    int morphFifths_ = 0;  // 0..5
};

// The bar's child buttons, in list order system menu, close, restore,
// minimize. The main form's frame tells them of its children's maximize
// and restore.
class TbsMainMenuBarButtons : public IbsMDIChildButtons {
public:
    explicit TbsMainMenuBarButtons(TbsSkinMainMenuBar* ABar) : Bar(ABar) {}

    // A child maximized: the buttons appear. No child is maximized any
    // more: they go (with one still maximized they follow its icons).
    void ChildMaximized(TCustomForm* Child) override;
    void ChildrenRestored() override;
    void MDIChildMaximize();
    void MDIChildRestore();
    // Built again with the bar's objects, so that a new skin shows.
    void Rebuild();

    // The buttons are there exactly while a child is maximized.
    bool MDIChildMaximized() const { return !buttons_.empty(); }
    int Count() const { return static_cast<int>(buttons_.size()); }
    TbsSkinMainMenuBarButton* Buttons(int Index) const { return buttons_[static_cast<size_t>(Index)].get(); }
    // Minimize follows biMinimize and the system menu biSystemMenu.
    void UpdateMDIButtonsEnabled();

    // Places the buttons at the ends of Area, which shrinks by them.
    void Place(TRect& Area);
    void Draw(TCanvas* Canvas);
    // The hot button follows the point; true when it is over a button.
    bool TestActive(int X, int Y);
    // True when a button took the press.
    bool MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseUp(TMouseButton Button);
    // A press is held on a button.
    bool Pressed() const { return mouseDownIndex_ != -1; }
    // The menu the system-menu button opened closed (1228).
    void ReleaseSysMenuButton();
    // One step of every button's fade, each stepped one drawn; false when
    // none needed one.
    bool MorphStep();

    // The maximized child's frame: the active child's first.
    TbsSkinForm* MaximizedChildFrame() const;
    // Draws one button on the bar at once.
    void DrawButton(TbsSkinMainMenuBarButton* Button);

    TbsSkinMainMenuBar* Bar;

private:
    void CreateMDIButtons();
    void DeleteMDIButtons();

    std::vector<std::unique_ptr<TbsSkinMainMenuBarButton>> buttons_;
    int activeIndex_ = -1;
    int mouseDownIndex_ = -1;
};

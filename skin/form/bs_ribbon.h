// TbsRibbon: a skinned bar at the top of a form with a strip of tabs, the
// quick-access buttons at the strip's right end (and a maximized child's
// close, restore and minimize buttons left of them), and below the strip
// the page of the selected tab.
#pragma once

#include "platform/base/event.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/form/bs_ribbon_layout.h"
#include "skin/form/bs_skin_form_mdi.h"
#include "skin/form/bs_ribbon_tabs.h"

class TbsAppButton;
class TbsAppMenu;
class TbsAppMenuItem;
class TbsRibbon;
class TbsRibbonPage;
class TbsDataSkinTabControl;
class TbsSkinForm;
class TbsSkinHint;
class TbsSkinPopupMenu;

class TbsRibbonButtonItem : public TCollectionItem {
public:
    explicit TbsRibbonButtonItem(TCollection* Collection);

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    void Assign(TPersistent* Source) override;

    AnsiString Hint;
    // Sender is the ribbon.
    TNotifyEvent OnClick;
    // Not owned; when set, pressing the button opens it below the button.
    TbsSkinPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TbsSkinPopupMenu* Value);

    // Set by the ribbon: the place in the strip and the mouse's state.
    TRect ItemRect{};
    bool MouseIn = false;
    bool Down = false;
    // 0 quick-access button; 1 close, 2 restore, 3 minimize.
    int Kind = 0;

private:
    friend class TbsRibbon;
    TbsSkinPopupMenu* popupMenu_ = nullptr;  // free-notified to the ribbon
    int imageIndex_ = -1;
    bool enabled_ = true;
    bool visible_ = true;
};

class TbsRibbonButtonItems : public TCollection {
public:
    explicit TbsRibbonButtonItems(TbsRibbon* ARibbon);
    TbsRibbonButtonItem* Items(int Index) const { return static_cast<TbsRibbonButtonItem*>(GetItem(Index)); }
    TbsRibbonButtonItem* Add() { return static_cast<TbsRibbonButtonItem*>(TCollection::Add()); }

protected:
    TPersistent* GetOwner() override;
    void Update(TCollectionItem* Item) override;

private:
    TbsRibbon* ribbon_;
};

// As the form's MDIChildButtons, the ribbon shows a maximized child's
// buttons.
class TbsRibbon : public TbsSkinControl, public IbsMDIChildButtons {
public:
    explicit TbsRibbon(TComponent* AOwner);
    ~TbsRibbon() override;

    TbsRibbonTabs* Tabs() const { return tabs_.get(); }
    int TabIndex() const { return tabIndex_; }
    // Selects the tab (shown when hidden); out-of-range values are ignored,
    // and with no visible tab the index becomes -1.
    void SetTabIndex(int Value);
    // The page of the selected tab, nullptr for none.
    TbsRibbonPage* ActivePage() const;
    void SetActivePage(TbsRibbonPage* Value);

    TbsRibbonButtonItems* Buttons() const { return buttons_.get(); }
    // Not owned; without it the quick-access buttons take no room.
    TCustomImageList* ButtonsImageList() const { return buttonsImageList_; }
    void SetButtonsImageList(TCustomImageList* Value);
    // The child-window buttons; empty or close, restore and minimize.
    TbsRibbonButtonItems* ChildButtons() const { return childButtons_.get(); }
    // The quick-access buttons show their Hint through SkinHint.
    bool ButtonsShowHint = false;
    // Not owned; cleared when freed.
    TbsSkinHint* SkinHint() const { return skinHint_; }
    void SetSkinHint(TbsSkinHint* Value);
    bool UseSkinFont = true;
    // The frame component of the ribbon's form; the child buttons act on
    // its maximized child.
    TbsSkinForm* SkinForm = nullptr;

    // Where the selected tab's page goes, in client coordinates.
    TRect GetPageBounds();
    // The strip as last laid out.
    const TbsRibbonLayoutResult& Layout() const { return layout_; }
    int TabStripLeft() const { return tabStripLeft_; }
    int StripHeight();
    int TabHeight();
    // The tab-control description and its picture; nullptr without a skin.
    TbsDataSkinTabControl* SkinDescription();
    TBitmap* SkinPicture();

    // A child window was maximized: the three child buttons appear.
    void MDIChildMaximize();
    // A child was restored, closed or minimized: the buttons go when no
    // child is maximized any more.
    void MDIChildRestore();
    void ChildMaximized(TCustomForm* Child) override;
    void ChildrenRestored() override;

    // After the selected tab changed; Sender is the ribbon.
    TNotifyEvent OnChangePage;
    // After the application menu or the button's popup menu closed.
    TNotifyEvent OnMenuClose;

    // The button in the top-left corner; owned.
    TbsAppButton* AppButton() const { return appButton_; }
    int AppButtonWidth() const { return appButtonWidth_; }
    // Values below 35 are ignored; the tabs start 6 pixels right of it.
    void SetAppButtonWidth(int Value);
    // The application button's own settings, read from and written to it.
    AnsiString AppButtonCaption() const;
    void SetAppButtonCaption(const AnsiString& Value);
    int AppButtonMargin() const;
    void SetAppButtonMargin(int Value);
    int AppButtonSpacing() const;
    void SetAppButtonSpacing(int Value);
    TCustomImageList* AppButtonImageList() const;
    void SetAppButtonImageList(TCustomImageList* Value);
    int AppButtonImageIndex() const;
    // Negative values become 0.
    void SetAppButtonImageIndex(int Value);
    // Dropped by the button when no AppMenu is set.
    TbsSkinPopupMenu* AppButtonPopupMenu() const;
    void SetAppButtonPopupMenu(TbsSkinPopupMenu* Value);
    // Not owned; hidden at once when set, cleared when freed.
    TbsAppMenu* AppMenu() const { return appMenu_; }
    void SetAppMenu(TbsAppMenu* Value);
    // Lays the menu over the form's client area below the button.
    void ShowAppMenu();
    // Closes the menu; then Item's OnClick (when given), OnMenuClose and the
    // menu's OnHideMenu.
    void HideAppMenu(TbsAppMenuItem* Item);

    // Re-lays the strip with the current font; painting does it too.
    void LayOut(TCanvas* Canvas);

protected:
    void Paint() override;
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
    friend class TbsRibbonTab;
    void TabHidden(TbsRibbonTab* Tab);
    // The next (Step 1) or previous (-1) visible tab from From; -1 for none.
    int NextVisibleTab(int From, int Step) const;
    bool AnyVisibleTab() const;
    void HotTrack(int X, int Y);
    void RunChildButton(int Kind);
    void DrawPlain(TCanvas* Canvas);
    // Caption centred in Text when it fits the tab's width less its
    // margins, else from Text's left.
    static void DrawTabCaption(TCanvas* Canvas, const AnsiString& Caption, const TRect& Text, int TabWidth);
    // The quick button's image centred on it, greyed when disabled.
    void DrawQuickImage(TCanvas* Canvas, TbsRibbonButtonItem* Item);
    void DrawQuickButtons(TCanvas* Canvas);
    void DrawChildButtons(TCanvas* Canvas);
    void DrawSkinned(TCanvas* Canvas);
    void DrawSkinTab(TCanvas* Canvas, int Index);
    void DrawSkinQuickButtons(TCanvas* Canvas);
    void DrawSkinChildButtons(TCanvas* Canvas);
    void InstallHook();
    void RemoveHook();
    // Esc closes the open menu while the form's frame is active; every
    // other message goes on down the application's chain.
    void AppMessage(MSG& Msg, bool& Handled);
    void AppButtonMenuClosed(TObject* Sender);
    // A quick button's menu opens below it; its closing releases the button.
    void OpenQuickMenu(int Index);
    void QuickMenuClosed();
    // Shows the newly hot button's hint, or hides the hint when none is hot.
    void UpdateQuickHint(bool HotChanged, bool FlagsChanged);
    void HideQuickHint();

    std::unique_ptr<TbsRibbonTabs> tabs_;
    std::unique_ptr<TbsRibbonButtonItems> buttons_;
    std::unique_ptr<TbsRibbonButtonItems> childButtons_;
    TCustomImageList* buttonsImageList_ = nullptr;
    TbsAppButton* appButton_ = nullptr;
    TbsAppMenu* appMenu_ = nullptr;
    int appButtonWidth_ = 54;
    bool hooked_ = false;  // AppMessage is in the application's chain
    int tabIndex_ = -1;
    int tabStripLeft_ = 60;
    TbsRibbonLayoutResult layout_;
    int hotTab_ = -1;
    int hotQuick_ = -1;
    int hotChild_ = -1;
    int pressedQuick_ = -1;
    int pressedChild_ = -1;
    int menuQuick_ = -1;  // the quick button whose menu is open
    TbsSkinHint* skinHint_ = nullptr;
};

// TbsSkinMDITabsBar: one tab per shown child of a multiple-document main
// form. A click activates the child, a drag reorders the tabs, a tab's close
// button closes its child, and two 15-pixel menu buttons at the ends list
// every child and the children whose tabs did not fit.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/event.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/form/bs_skin_form_mdi.h"

class TbsSkinForm;
class TbsSkinMDITabsBar;
class TbsSkinMenuSpeedButton;
class TbsSkinPopupMenu;
class TCustomForm;

class TbsMDITab {
public:
    TbsMDITab(TbsSkinMDITabsBar* ATabsBar, TCustomForm* AChild) : TabsBar(ATabsBar), Child(AChild) {}

    TbsSkinMDITabsBar* TabsBar;
    bool Active = false;
    bool MouseIn = false;
    TRect ObjectRect{};
    TCustomForm* Child;
    // The tab fitted at the last layout.
    bool Visible = false;
    // Inside the tab, as drawn last.
    TRect CloseButtonRect{};
    bool CloseMouseIn = false;
    bool CloseDown = false;
};

enum TbsSkinMDITabKind { bstkTab, bstkButton };

using TbsMDITabMouseEnterEvent = TEvent<void(TbsMDITab* MDITab)>;
using TbsMDITabMouseLeaveEvent = TEvent<void(TbsMDITab* MDITab)>;
using TbsMDITabMouseDownEvent = TEvent<void(TMouseButton Button, TShiftState Shift, TbsMDITab* MDITab)>;
using TbsMDITabMouseUpEvent = TEvent<void(TMouseButton Button, TShiftState Shift, TbsMDITab* MDITab)>;
using TbsMDITabGetDrawParamsEvent = TEvent<void(TbsMDITab* MDITab, TCanvas* Cnvs)>;

// The tab description's values the bar draws with; Picture belongs to the
// skin data.
struct TbsMDITabsSkin : TbsTabControlFields {
    TRect SkinRect{};
    TBitmap* Picture = nullptr;
    int StripHeight = 0;
    int ActiveExtra = 0;
};

class TbsSkinMDITabsBar : public TbsSkinControl, public IbsMDITabsBar {
public:
    explicit TbsSkinMDITabsBar(TComponent* AOwner);
    ~TbsSkinMDITabsBar() override;

    // What the main form's frame tells the bar.
    void AddTab(TCustomForm* Child) override;
    void DeleteTab(TCustomForm* Child) override;
    void UpdateTab(TCustomForm* Child) override;
    // Marks the tab of the main form's active child; nothing without one.
    void UpdateTabs() override;
    // Draws Tab onto Canvas at its rectangle.
    void DrawTab(TbsMDITab* Tab, TCanvas* Canvas);

    int TabCount() const { return static_cast<int>(tabs_.size()); }
    TbsMDITab* Tabs(int Index) const { return tabs_[static_cast<size_t>(Index)].get(); }
    TbsMDITab* FindTab(TCustomForm* Child) const;
    // Tabs that did not fit at the last layout.
    int HiddenCount() const { return hiddenCount_; }
    TRect AddButtonRect() const { return addButtonRect_; }
    int CloseButtonSize() const { return closeButtonSize_; }
    // The menu buttons: all children (while tabs exist) and the hidden
    // ones (while some tab did not fit); nil otherwise.
    TbsSkinMenuSpeedButton* AllChildrenButton() const { return leftButton_; }
    TbsSkinMenuSpeedButton* HiddenChildrenButton() const { return rightButton_; }
    // Fills Menu with one radio item per tab (only the hidden ones when
    // HiddenOnly), each choosing its child.
    void FillChildMenu(TbsSkinPopupMenu* Menu, bool HiddenOnly);

    // Lays the tabs out at the bar's size; every paint runs it.
    void CalcTabRects();

    bool ShowAddButton() const { return showAddButton_; }
    void SetShowAddButton(bool Value);
    bool DblClickChildMove = false;
    bool ShowCloseButtons = false;
    TbsSkinMDITabKind TabKind() const { return tabKind_; }
    void SetTabKind(TbsSkinMDITabKind Value);
    TbsSkinForm* SkinForm() const { return skinForm_; }
    void SetSkinForm(TbsSkinForm* Value);
    bool SupportChildMenus = true;
    bool UseSkinSize = true;
    bool UseSkinFont = true;
    bool MoveTabs = true;
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int Value);
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value);
    int DefaultTabWidth = 100;
    int MinTabWidth = 0;

    TNotifyEvent OnAddButtonClick;
    TbsMDITabMouseEnterEvent OnTabMouseEnter;
    TbsMDITabMouseLeaveEvent OnTabMouseLeave;
    TbsMDITabMouseDownEvent OnTabMouseDown;
    TbsMDITabMouseUpEvent OnTabMouseUp;
    TbsMDITabGetDrawParamsEvent OnTabGetDrawParamsEvent;

    void GetSkinData() override;
    void ChangeSkinData() override;

    const TbsMDITabsSkin& TabsSkin() const { return skin_; }
    bool Dragging() const { return dragging_; }
    // Where a drop now would put the dragged tab; -1 for nowhere.
    int DropIndex() const;

protected:
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void AdjustClientRect(TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool Skinned() const { return DescriptionIndex() != -1; }
    bool TabMode() const { return tabKind_ == bstkTab; }
    int TabAt(int X, int Y) const;
    void TestActive(int X, int Y);
    void TrackCloseButtons(int X, int Y, bool HotChanged);
    void LeftDownOnTab(TbsMDITab* Tab, TShiftState Shift, int X, int Y);
    void OpenChildMenu(TbsMDITab* Tab);
    // Shows Child in front, its frame restored first when minimized.
    static void BringChildForward(TCustomForm* Child);
    // Ends a drag: the dragged tab goes to the drop place.
    void Drop();
    void ReleaseCloseButton(int X, int Y);
    void PaintTabsAndMarker(TCanvas* Canvas);
    void DrawDropMarker(TCanvas* Canvas);
    void DrawPlainTab(TbsMDITab* Tab, TBitmap* B);
    void DrawSkinTab(TbsMDITab* Tab, TBitmap* B);
    void DrawButtonTab(TbsMDITab* Tab, TBitmap* B);
    void DrawTabCaption(TbsMDITab* Tab, TCanvas* Canvas, TRect R, bool FireEvent);
    void DrawCloseButton(TbsMDITab* Tab, TCanvas* Canvas, int X, int Y);
    void DrawAddButton(TCanvas* Canvas);
    void UpdateMenuButtons();
    void ShowChildMenu(TObject* Sender);
    void ChildItemClick(TObject* Sender);

    std::vector<std::unique_ptr<TbsMDITab>> tabs_;
    TbsMDITabsSkin skin_;
    int activeTabIndex_ = -1;
    int oldTabIndex_ = -1;
    TRect addButtonRect_{};
    bool addButtonMouseIn_ = false;
    bool addButtonDown_ = false;
    bool tabDown_ = false;
    bool dragging_ = false;
    int dragTabIndex_ = -1;
    int downX_ = 0;
    int dragOffset_ = 0;
    int rightLimit_ = 0;
    int hiddenCount_ = 0;
    int closeButtonSize_ = 14;
    bool showAddButton_ = false;
    TbsSkinMDITabKind tabKind_ = bstkTab;
    TbsSkinForm* skinForm_ = nullptr;  // free-notified
    int defaultHeight_ = 21;
    std::unique_ptr<TFont> defaultFont_;
    std::unique_ptr<TbsSkinPopupMenu> allMenu_;
    std::unique_ptr<TbsSkinPopupMenu> hiddenMenu_;
    TbsSkinMenuSpeedButton* leftButton_ = nullptr;   // owned, parented to the bar
    TbsSkinMenuSpeedButton* rightButton_ = nullptr;  // owned, parented to the bar
};

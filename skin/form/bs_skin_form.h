// TbsSkinForm: dropped on a form, it takes over the form's window
// procedure and makes the whole non-client area a frame of its own: the
// client rectangle, the hit-test codes and the window region come from the
// skin's frame (or the plain default frame without a skin), and the frame's
// skin objects (caption, caption buttons, ornaments) take the mouse.
//
// The parts built on this one join it at the skin-change handlers
// (1225/1226/1227, bs_skin_form_skin_change.cpp), where the walks over the
// form's skinned controls go, and at PaintNCArea, which hands the frame to
// the skinned or plain frame painter. Minimizing to the notification area
// goes through IbsFrameTray.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/event.h"
#include "platform/base/set.h"
#include "platform/ui/kernel/form_types.h"
#include "platform/ui/kernel/message_records.h"
#include "skin/controls/bs_skin_form_base.h"
#include "skin/form/bs_client_inactive_panel.h"
#include "skin/form/bs_frame_events.h"
#include "skin/form/bs_frame_paint_objects.h"
#include "skin/form/bs_frame_layout.h"
#include "skin/form/bs_form_icon.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_form_position.h"
#include "skin/form/bs_frame_mask.h"
#include "skin/form/bs_magnetic.h"
#include "skin/form/bs_quick_buttons.h"
#include "skin/form/bs_skin_form_mdi.h"

class TBitmap;
class TFont;
class TPopupMenu;
class TTimer;
class TMenuItem;
class TbsSkinPopupMenu;
class TbsSkinStatusBar;
class TbsActiveSkinObject;
class TbsLayerManager;
class TbsSkinMainMenuBar;
class TbsSkinHint;
class TbsTrayIcon;
class TbsRibbon;
class TCustomImageList;
class TbsSkinScrollBar;

// Scoped: the class library's TBorderIcon uses the same names.
enum class TbsBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TbsBorderIcons = TSet<TbsBorderIcon>;

// Minimizing to the notification area, when a tray icon is attached.
class IbsFrameTray {
public:
    virtual ~IbsFrameTray() = default;
    virtual void MinimizeToTray() = 0;
    virtual void RestoreFromTray() = 0;
};

class TbsSkinForm : public TbsSkinFormBase {
public:
    // AOwner must be a form; its window procedure is taken over at once
    // (unless designing).
    explicit TbsSkinForm(TComponent* AOwner);
    ~TbsSkinForm() override;

    TbsSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(TbsSkinData* Value);
    TbsSkinData* MenusSkinData() const override { return menusSkinData_; }
    void SetMenusSkinData(TbsSkinData* Value);
    void SetFormActive() override;
    void SetFormInactive() override;
    void PopupMenuOpening() override { MainMenuExit(); }

    // Published settings (defaults as Create sets them).
    TbsBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TbsBorderIcons Value);
    // The requested state; applied through the form's own state.
    TWindowState WindowState() const { return FormState; }
    void SetWindowState(TWindowState Value);
    bool RollUpState() const { return rollUpState_; }
    void SetRollUpState(bool Value);
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool Value);
    TFont* DefCaptionFont() const { return defCaptionFont_.get(); }
    TFont* DefInActiveCaptionFont() const { return defInActiveCaptionFont_.get(); }
    TBitmap* LogoBitMap() const { return logoBitMap_.get(); }
    bool LogoBitMapTransparent = false;
    bool AlwaysResize = false;
    bool DisableSystemMenu = false;
    bool UseFormCursorInNCArea = false;
    bool AlwaysMinimizeToTray = false;
    bool HideCaptionButtons = false;
    bool MaximizeOnFullScreen = false;
    bool ShowObjectHint = false;
    bool UseDefaultObjectHint = true;
    bool UseSkinFontInCaption = true;
    bool UseDefaultSysMenu = true;
    bool Magnetic = false;
    uint8_t MagneticSize = 5;
    TbsPositionInMonitor PositionInMonitor = bspDefault;
    int MinWidth = 0;  // 0: no limit
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    int ClientWidth = 0;
    int ClientHeight = 0;
    // A user system menu shown instead of the built-in one; not owned.
    TPopupMenu* SystemMenu = nullptr;
    IbsFrameTray* Tray = nullptr;
    // The notification-area icon (bs_skin_form_tray.cpp); not owned,
    // forgotten when freed. Setting one links Tray to it.
    TbsTrayIcon* TrayIcon() const { return trayIcon_; }
    void SetTrayIcon(TbsTrayIcon* Value);
    // The icon stays in the area while the form is shown.
    bool AlwaysShowInTray = false;
    // The menu bar that names this frame as its SkinForm; the bar sets and
    // clears it.
    TbsSkinMainMenuBar* MainMenuBar = nullptr;
    // Its size grip hides while the frame is maximized; not owned.
    TbsSkinStatusBar* StatusBar = nullptr;
    // Small buttons the caption shows beside its text, with their images;
    // the list is not owned and is forgotten when freed.
    TbsQuickButtonItems* QuickButtons() const { return quickButtons_.get(); }
    TCustomImageList* QuickImageList() const { return quickImageList_; }
    void SetQuickImageList(TCustomImageList* Value);
    bool QuickButtonsShowHint = false;
    // Shows the quick buttons' hints; not owned, forgotten when freed.
    TbsSkinHint* SkinHint() const { return skinHint_; }
    void SetSkinHint(TbsSkinHint* Value);
    bool QuickButtonsShowDivider = true;
    // The caption buttons' hints through SkinHint when ShowObjectHint is
    // set; nullptr otherwise.
    TbsSkinHint* ObjectHint() const;
    void HideObjectHint();
    // While the form is inactive its client is covered by a dimmed or
    // blurred picture of itself.
    bool ClientInActiveEffect = false;
    TbsClientInActiveEffect ClientInActiveEffectType = bsieSemiTransparent;
    // The panel over the inactive client; nullptr while there is none.
    TbsClientInActivePanel* InActivePanel() const { return inActivePanel_; }

    // The looks of the frame's skinned menus (bs_skin_form_menus.cpp),
    // kept by its menu manager.
    bool UseSkinFontInMenu() const;
    void SetUseSkinFontInMenu(bool Value);
    bool UseSkinSizeInMenu() const;
    void SetUseSkinSizeInMenu(bool Value);
    bool MenusAlphaBlend() const;
    void SetMenusAlphaBlend(bool Value);
    bool MenusAlphaBlendAnimation() const;
    void SetMenusAlphaBlendAnimation(bool Value);
    // Stored here and passed on when set, for the frame's default differs
    // from the manager's; until then the manager keeps its own.
    int MenusAlphaBlendValue() const { return menusAlphaBlendValue_; }
    void SetMenusAlphaBlendValue(int Value);
    // The row height without the skin's size; 0 or below is ignored.
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int Value);
    // The row font without the skin's font; copied.
    TFont* DefMenuItemFont() const;
    void SetDefMenuItemFont(TFont* Value);
    // Rows per window before it scrolls, 0 for no limit; below 0 is ignored.
    int MaxMenuItemsInWindow() const;
    void SetMaxMenuItemsInWindow(int Value);

    TbsMouseDownEvent OnMouseDownEvent;
    TbsMouseUpEvent OnMouseUpEvent;
    TbsMouseMoveEvent OnMouseMoveEvent;
    TbsMouseEnterEvent OnMouseEnterEvent;
    TbsMouseLeaveEvent OnMouseLeaveEvent;
    TbsPaintEvent OnPaintEvent;
    // Paints the plain frame's caption instead of its text.
    TbsCaptionPaintEvent OnCaptionPaint;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeActivate;
    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;
    TNotifyEvent OnMainMenuEnter;
    TNotifyEvent OnMainMenuExit;
    TNotifyEvent OnBeforeChangeSkinData;
    TNotifyEvent OnChangeSkinData;
    TNotifyEvent OnAfterChangeSkinData;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnRestore;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnRestoreFromTray;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnMaximize;
    // Runs first of the frame's short-cut handler; Handled stops it.
    TShortCutEvent OnShortCut;
    // Whether the custom caption button IDName shows.
    TbsActivateCustomObjectEvent OnActivateCustomObject;

    // Run-time state.
    bool Skinnable = true;  // false: every message passes on unchanged
    bool SkinUsed = false;  // a skin with a frame picture draws the frame
    TWindowState FormState = wsNormal;
    bool FormActive = false;
    bool FirstShow = true;
    bool ChangingSkin = false;
    bool InSizeMove = false;
    bool Sizing = false;
    bool MenuOpen = false;
    // The main-menu bar is in keyboard mode.
    bool MainMenuActive = false;
    int ActiveObject = -1;
    int OldActiveObject = -1;
    int MouseCaptureObject = -1;

    // The objects, in the skin's order (or the six default buttons).
    int ObjectCount() const { return static_cast<int>(objects_.size()); }
    TbsActiveSkinObject* Objects(int Index) const { return objects_[static_cast<size_t>(Index)].get(); }
    const TbsFrameMetrics& Metrics() const { return metrics_; }
    const TbsFrameMask& Mask() const { return mask_; }
    // The frame's size: the form's, or the size a size loop proposes.
    int FrameWidth() const { return newW_; }
    int FrameHeight() const { return newH_; }
    // The plain frame's caption rectangle, after its button layout.
    TRect DefCaptionRect() const { return defCaptionRect_; }

    // A non-empty skin is set.
    bool SkinReady() const;
    bool CanSize() const;
    bool ToolWindow() const;
    bool HasBorder() const;
    bool GetFormActive() const;

    void LoadObjects();
    void LoadDefaultObjects();
    void ClearObjects();
    void CalcFrameMetrics();
    void CalcObjectRects();
    void SetFormRegion(bool Stretch);
    void UpdateFrame(bool Repaint);
    // Tells each windowed child of the form that the background it draws
    // over (a stretched skin picture) changed: message 1284.
    void SendParentImageChanged();
    // The hit-test code of a point in window coordinates.
    LRESULT HitTest(TPoint P);

    // Mouse dispatch to the objects, window coordinates.
    void TestActive(int X, int Y, bool InFrame);
    void MouseDown(int X, int Y, TMouseButton Button);
    void MouseUp(int X, int Y, TMouseButton Button);
    void MouseMove(int X, int Y);
    void MouseDblClick(int X, int Y);
    // The object under the mouse is forgotten (and told so), whatever the
    // frame's state.
    void ResetTracking();

    // For the objects.
    void DrawSkinObject(TbsActiveSkinObject* Object);
    void EnableObjectFade();
    void EnableFrameAnimation();
    TbsLayerManager* LayerManager() const { return layerManager_.get(); }
    TbsLayerManager* MenuLayerManager() const { return menuLayerManager_.get(); }
    TPopupMenu* SystemPopupMenu() const;
    // Closes the form from inside an object's handler. The free that a
    // close may bring is deferred (Release); the caller touches nothing of
    // itself afterwards, since the close's handlers may clear the objects.
    void CloseForm();
    void MinimizeToTray();
    void SkinMenuOpen();
    void SkinMenuClose();

    // Window commands (bs_skin_form_commands.cpp). The frame, not the
    // platform, maximizes, minimizes and restores its form, since the
    // platform would bring its own frame and caption along.
    void SetFrameWindowState(TWindowState Value);
    void Minimize();
    void Maximize();
    void Restore();
    void RollUp(bool Value);
    // Width one pixel off and back, so that the non-client area is laid
    // out again.
    void SizeNudge();
    int GetMinWidth() const;
    int GetMinHeight() const;
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    // The top-left corner of the next free minimized place (screen).
    TPoint GetMinimizedPos() const;
    // Snaps the proposed screen position of a W x H form being moved.
    void MagneticMove(int& X, int& Y, int W, int H);
    // The bounds a restore goes back to; empty when none is kept.
    TRect RestoreRect() const { return restoreRect_; }

    // The system menu and the tray menu (bs_skin_form_system_menu.cpp).
    // The items to show as the system menu, built for the frame's state.
    TMenuItem* GetSystemMenuItems();
    TbsSkinPopupMenu* TrayMenu() const { return trayMenu_.get(); }
    // Caption buttons enabled and shown by BorderIcons and
    // HideCaptionButtons, then their hints.
    void UpdateButtons();
    void UpdateObjectHints();
    // Opens the system menu below the system-menu button (or at the
    // caption's left when there is none), or at a screen point.
    void ShowSysMenuAtObject();
    void ShowSysMenuAt(TPoint ScreenPoint);
    void RestoreFromTray();
    // The owner form's OnShortCut: Alt+Space opens the system menu.
    void FormShortCut(TMessage& Msg, bool& Handled);

    // Keyboard mode of the main-menu bar (bs_skin_form_keys.cpp): entering
    // highlights the bar's hot or first item and takes the keys; leaving
    // closes an open menu and lets the keys go.
    void MainMenuEnter();
    void MainMenuExit();
    // The main menu's part of the short-cut handler: Alt with an item's
    // accelerator (never F4) opens that item, else the bar's menu and a
    // merged child's menu run their short-cuts. True when one took the key.
    bool MainMenuShortCut(TMessage& Msg);
    // While a frame menu is open the frame takes the application's key and
    // wheel messages. Its handler is one link of Application->OnMessage,
    // added and removed on its own, so hooks of other components stay in
    // place whatever order they come and go in.
    void HookApp();
    void UnHookApp();
    // A rectangle of window coordinates on the screen.
    TRect ScreenRect(const TRect& R) const;
    // A frame object's rectangle on the screen: on the layered border's top
    // strip while that carries the caption (the objects' places are the
    // strip's then), else on the form's window.
    TRect ObjectScreenRect(const TRect& R) const;
    void DrawFormIcon(TCanvas* Canvas, int X, int Y);
    // The whole frame painted again (its WM_NCPAINT).
    void RepaintFrame();

    // The window procedure put in the form's WindowProc.
    void NewWndProc(TMessage& Message);
    // Puts NewWndProc in place; a second call changes nothing, so the
    // previous procedure is never the frame's own.
    void InstallWindowProc();
    const TWndMethod& OldWindowProc() const { return oldWindowProc_; }

    // The frame paints itself (whole non-client area) into DC.
    void PaintNCArea(HDC DC);

    // Form effects (bs_skin_form_effects.cpp): the window's constant alpha,
    // the fade-in on the first show and the layered border.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool Value);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int Value);
    bool AlphaBlendAnimation = false;
    TbsFormLayerBorder* LayerBorder() const { return layerBorder_.get(); }
    // The form wants its layered border now (skin, settings, composition).
    bool LayerBorderWanted() const;

    // Multiple documents (bs_skin_form_mdi*.cpp). A parent's frame skins
    // the client window and scrolls the children with two skinned bars;
    // children report their moves and states to it (messages 1230-1236).
    bool ShowMDIScrollBars = true;
    bool MDIChildMaximized = false;
    // The frame of the maximized child, the active one first; nullptr when
    // none is (hidden children and children being freed do not count).
    TbsSkinForm* MaximizedMDIChildFrame() const;
    // The title the frame shows: the caption, followed by " - [child
    // caption]" on a parent whose child is maximized.
    AnsiString CaptionTitle() const;
    TbsSkinScrollBar* HScrollBar() const { return hScrollBar_; }
    TbsSkinScrollBar* VScrollBar() const { return vScrollBar_; }
    // Shows the bars the children need; Reset puts the ranges and the
    // positions anew.
    void UpdateMDIScrollBars(bool Reset);
    // The form's client area less its aligned controls.
    TRect MDIClientRect() const;
    // Set by the bars that follow the children; not owned.
    IbsMDITabsBar* MDITabsBar = nullptr;
    IbsMDIChildButtons* MDIChildButtons = nullptr;
    // The form's ribbon, told its frame: it shows a maximized child's
    // buttons, and Alt or F10 closes its open application menu.
    TbsRibbon* SkinRibbon() const { return skinRibbon_; }
    void SetSkinRibbon(TbsRibbon* Value);
    // Asked of a child's frame before its tab is added.
    TbsAcceptToMDITabsBarEvent OnAcceptToMDITabsBar;

    // Timers, for tests and the timers' own handlers.
    TTimer* MouseTimer() const { return mouseTimer_.get(); }
    TTimer* FadeTimer() const { return fadeTimer_.get(); }
    TTimer* AnimationTimer() const { return animationTimer_.get(); }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The three steps of NewWndProc: the first dispatch answers whether the
    // previous procedure runs.
    bool FirstDispatch(TMessage& Message);
    void SecondDispatch(TMessage& Message);
    void CallOld(TMessage& Message);
    // Handlers of the first dispatch.
    void WMNCCalcSize(TMessage& Message);
    void WMNCHitTest(TMessage& Message);
    bool WMNCActivate(TMessage& Message);
    void WMGetMinMaxInfo(TMessage& Message);
    void WMShowWindow(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMSizing(TMessage& Message);
    void WMEnterSizeMove();
    void WMExitSizeMove();
    void WMEraseBkgnd(TMessage& Message);
    bool PaintQuery(TMessage& Message, LRESULT Answer);
    void SkinnableChanged(TMessage& Message);
    // The second dispatch's non-client mouse messages.
    void NCMouse(TMessage& Message);

    // Form effects: handled before the previous procedure (true: answered
    // here), and after it.
    bool EffectsFirst(TMessage& Message);
    void EffectsAfter(const TMessage& Message);
    void StartFadeIn();
    void FadeInTick();
    void FadeWindowIn(int Target);
    void SyncLayerBorder(bool Visible);

    // Skin changes (bs_skin_form_skin_change.cpp).
    void BeforeChangeSkinData(TbsSkinData* Data);
    void ChangeSkinData(TbsSkinData* Data);
    void AfterChangeSkinData(TbsSkinData* Data);
    void ApplySkin();
    // The skin data component is being freed: the frame lets go of it and
    // takes the plain frame.
    void SkinDataGone();
    // The form's own border icons: none while the frame draws its buttons,
    // else those the frame's BorderIcons allow.
    void ApplyFormBorderIcons();
    // The form grows to the frame's minimum size, keeping Left and Top.
    void GrowToMinimumSize();

    void SetActiveState(bool Active);
    // Shows the inactive client's panel, or frees it, as Active says.
    void CoverInActiveClient(bool Active);
    void ResetObjects();
    void StopTimers();
    void MouseTimerTick(TObject* Sender);
    void FadeTimerTick(TObject* Sender);
    void AnimationTimerTick(TObject* Sender);
    TbsSizeLimitsInput SizeLimits() const;
    TbsFrameState State() const;
    bool OnCaption(TPoint P) const;
    TPoint WindowPoint(LPARAM ScreenPoint) const;
    void SendNCPaint();
    void AppMessage(MSG& Msg, bool& Handled);
    void MenuKey(WORD Key);
    // Escape closed the last popup: in keyboard mode the bar keeps the
    // item highlighted, else the menu state ends.
    void EscapeClosedMenu(int DownItem);
    // Lets go of AComponent when it is the quick buttons' images, a quick
    // button's menu or the skin hint.
    void ForgetCaptionParts(TComponent* AComponent);
    // The system menu's items, built per state, and their commands.
    TMenuItem* NewSysMenuItem(const char* Name, const char* Key, const TNotifyEvent& Click);
    // The text of a resource string of the skin, else the built-in one.
    AnsiString ResStr(const char* Key) const;
    void BuildTrayMenu();
    // The skin's resource strings changed: hints and tray captions anew.
    void ResStrChanged();
    void ShowSysMenu(const TRect& ScreenRect);
    void SysMinimizeClick(TObject* Sender);
    void SysMaximizeClick(TObject* Sender);
    void SysRestoreClick(TObject* Sender);
    void SysRollUpClick(TObject* Sender);
    void SysMinimizeToTrayClick(TObject* Sender);
    void SysCloseClick(TObject* Sender);
    void TrayRestoreClick(TObject* Sender);
    // The tray icon's double click when it had none of its own.
    void TrayIconDblClick(TObject* Sender);
    void ForgetTrayIcon(TComponent* AComponent);
    // Message 1426: the main form is back from the tray.
    void RestoredFromTray();
    // Multiple documents: the parent's and the child's handlers.
    void CreateMDIScrollBars();
    void HookMDIClient();
    void UnhookMDIClient();
    LRESULT MDIClientProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    void PaintMDIClient(HWND Window, HDC DC);
    void ApplyMDIScroll(TbsSkinScrollBar* Bar);
    // 1230-1236; answers whether the previous procedure runs.
    bool MDIMessage(TMessage& Message);
    // A maximized child shows no frame: its buttons are on the parent's bar.
    bool MDIChildFrameless() const;
    void MDIAfter(const TMessage& Message);
    // The parent's frame, the parent and its children.
    TCustomForm* MDIParentForm() const;
    TbsSkinForm* MDIParentFrame() const;
    void SendToMDIParent(UINT Msg, WPARAM WParam);
    void MaximizeMDIChild();
    TPoint MDIMinimizedPos() const;
    void MaximizeAllChildren();
    void RestoreAllChildren(HWND Except);
    bool AnyChildMaximized() const;
    void ChildShown(bool Shown);
    void ChildGoing();
    // The parent's menu bar merges the active child's menu: it is rebuilt
    // when it merges one now or would merge one.
    void RefreshParentMenuBar();
    void WindowMenuClick(TObject* Sender);
    void CheckWindowMenu();
    void ForgetMDIParts(TComponent* AComponent);
    // The menu bar's child buttons and the ribbon hear of a maximized
    // child (Child) or of none left (nullptr).
    void TellChildButtons(TCustomForm* Child);
    // Alt or F10 while the ribbon's application menu is open closes it.
    bool CloseRibbonMenu();

    TbsSkinData* skinData_ = nullptr;
    TbsRibbon* skinRibbon_ = nullptr;
    TbsSkinData* menusSkinData_ = nullptr;
    TbsBorderIcons borderIcons_{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
                               TbsBorderIcon::biRollUp};
    bool rollUpState_ = false;
    bool showIcon_ = false;
    TWndMethod oldWindowProc_;
    std::unique_ptr<TFont> defCaptionFont_;
    std::unique_ptr<TFont> defInActiveCaptionFont_;
    std::unique_ptr<TBitmap> logoBitMap_;
    std::unique_ptr<TbsLayerManager> layerManager_;
    std::unique_ptr<TbsLayerManager> menuLayerManager_;
    std::unique_ptr<TPopupMenu> systemPopupMenu_;
    std::unique_ptr<TTimer> mouseTimer_;
    std::unique_ptr<TTimer> fadeTimer_;
    std::unique_ptr<TTimer> animationTimer_;
    std::vector<std::unique_ptr<TbsActiveSkinObject>> objects_;
    TbsFrameMetrics metrics_;
    TbsFrameMask mask_;
    TbsFormIcon icon_;
    TRect defCaptionRect_;
    int newW_ = 0;  // the frame's size: the form's, or the size loop's proposal
    int newH_ = 0;
    bool appHooked_ = false;
    // Empty (width or height below 1) when no bounds are kept.
    TRect restoreRect_{};
    // Set until the first restore, which places the form by
    // PositionInMonitor.
    bool firstRestore_ = true;
    // Set when the roll-up changed while maximized; restoring unrolls it.
    bool rolledUpWhileMaximized_ = false;
    // RollUpState when the frame was last maximized.
    bool rolledUpBeforeMaximize_ = false;
    int heightBeforeRollUp_ = 0;
    // The state asked for while the form was loading, applied in Loaded.
    TWindowState requestedState_ = wsNormal;
    TbsMagnetic magnetic_;
    std::unique_ptr<TbsSkinPopupMenu> trayMenu_;
    TbsTrayIcon* trayIcon_ = nullptr;
    std::unique_ptr<IbsFrameTray> trayLink_;  // Tray while a tray icon is set
    // False once the component is gone, for handlers that called out into
    // code that may free it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    TCustomImageList* quickImageList_ = nullptr;
    TbsSkinHint* skinHint_ = nullptr;
    TbsClientInActivePanel* inActivePanel_ = nullptr;  // owned by the form, free-notified
    int menusAlphaBlendValue_ = 200;  // 0..255
    std::unique_ptr<TbsQuickButtonItems> quickButtons_ = std::make_unique<TbsQuickButtonItems>(this);
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 200;  // 0..255
    bool layerSuspended_ = false;  // between 45491 and 45492
    // The first show's fade waits for timer 1 while set; 0 none, else the
    // case (1: the border fades alone, 2: the window fades).
    int fadeCase_ = 0;
    int fadeTarget_ = 255;
    // The skin load the border took its pictures from.
    const TbsSkinData* layerSkin_ = nullptr;
    unsigned layerSkinLoad_ = 0;
    std::unique_ptr<TbsFormLayerBorder> layerBorder_ = std::make_unique<TbsFormLayerBorder>(this);
    TbsSkinScrollBar* hScrollBar_ = nullptr;  // owned as components, on the form
    TbsSkinScrollBar* vScrollBar_ = nullptr;
    int oldHScrollPos_ = 0;
    int oldVScrollPos_ = 0;
    bool inScroll_ = false;
    bool inMaximize_ = false;
    bool inRestore_ = false;
    HWND excludeChild_ = nullptr;  // left out of the scroll range
    HWND mdiClient_ = nullptr;     // the client window while subclassed
    bool mdiShownOnce_ = false;    // a child's first show asked 1236
};

// TCustomForm and TForm: a top-level window holding controls. Forms are
// built in code: a form's constructor (the class library's CreateNew)
// creates its components with their names and properties and binds their
// events. OnCreate fires once the whole form is built: AfterConstruction,
// which TApplication::CreateForm calls, or at the latest before the form's
// window is made.
//
// The form is the top-level control of the focus: it keeps ActiveControl,
// sends CM_EXIT and CM_ENTER down the chain of parents as the focus moves,
// CM_FOCUSCHANGED to itself, CM_ACTIVATE / CM_DEACTIVATE as the focus moves
// between forms (OnActivate, OnDeactivate). Tab and Shift+Tab move the
// focus through the tab order and the arrows among siblings; every other
// dialog key (Enter, Escape) is broadcast to the controls as CM_DIALOGKEY,
// where default and cancel buttons take it.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/kernel/form_types.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/kernel/win_control.h"

class TMainMenu;
class TMenuBar;
class TMenuItem;
class TMDIClient;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    // Fires OnCreate, once.
    void AfterConstruction();
    // OnDestroy, then the window goes.
    void BeforeDestruction() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle Value);
    // Where the form goes when it is shown for the first time.
    TPosition Position() const { return position_; }
    void SetPosition(TPosition Value) { position_ = Value; }
    TWindowState WindowState();
    void SetWindowState(TWindowState Value);

    // nullptr: the form itself holds the focus. Raises EInvalidOperation
    // for a control that is not inside the form or cannot take the focus
    // while the form is shown.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* Control);
    // Whether this form's window is the active one.
    bool Active() const { return active_; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool Value) { keyPreview_ = Value; }

    // Draws on the form's client area; OnPaint uses it while painting.
    TCanvas* Canvas() const { return canvas_.get(); }
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* Value) { icon_->Assign(Value); }
    // The main menu, shown as a bar in the form's frame; not owned, cleared
    // when it goes.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* Value);
    // The bar showing Menu in a top-level form's frame, or nullptr.
    TMenuBar* MenuBar() const { return menuBar_.get(); }

    // Multiple documents: an fsMDIForm form's client window holds the
    // windows of the fsMDIChild forms (made inside the main form's, or the
    // first such form's, client). The children are listed the top first;
    // Next activates the one behind the active child.
    HWND ClientHandle() const;
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int Index) const;
    // All of MDIChildren at once, in the same order.
    std::vector<TCustomForm*> MDIChildList() const;
    TCustomForm* ActiveMDIChild() const;
    void Next();
    // The menu item that lists the children; not owned, cleared when it goes.
    TMenuItem* WindowMenu() const { return windowMenu_; }
    void SetWindowMenu(TMenuItem* Value);

    // Shows the form and brings it to the front.
    void Show();
    // Shows the form with every other window of the program disabled and
    // runs a message loop until ModalResult is set; answers it. The close
    // box gives mrCancel.
    virtual int ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool Modal() const { return modal_; }
    // OnCloseQuery, then OnClose decides: hide (the default), free
    // (deferred: Release), minimize or nothing. Closing the main form ends
    // the program; closing a modal form sets mrCancel.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages now waiting have been handled.
    void Release();
    // Gives the focus to the active control, or to the form.
    void SetFocus() override;
    // Offers a key to OnShortCut, then to the main menu, then to the
    // form's action lists.
    virtual bool IsShortCut(TMessage& Message);
    // Called while the program is idle, for shown forms: the actions of the
    // form, of its main menu's visible items and of its visible controls
    // update.
    virtual void UpdateActions();

    bool CanFocus() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

protected:
    bool TopLevel() const override { return Parent() == nullptr; }
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    // A multiple-document form's children leave with its window and come
    // back with the next.
    void DestroyWnd() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintWindow(HDC DC) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;

    void FocusControl(TWinControl* Control) override;
    bool SetFocusedControl(TWinControl* Control) override;
    void DefocusControl(TWinControl* Control, bool Removing) override;
    bool KeyPreviewActive() override { return keyPreview_; }

    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();

    void WMActivate(TMessage& Message);
    void WMClose(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void CMChildKey(TMessage& Message);

private:
    // Puts the form where Position says, before its first show.
    void PlaceForm();
    // The modal loop's end: CloseQuery and OnClose may keep the form open.
    void CloseModal();
    // Sends a focus message to a control's window; false when the handler
    // moved the focus elsewhere or freed the form.
    bool SendFocusMessage(TWinControl* Control, UINT Msg);
    void SetWindowFocus();
    // The bar's share of the frame messages; true when it took Message.
    bool MenuBarMessage(TMessage& Message);
    // Makes or drops the bar as the menu and the form's place change.
    void UpdateMenuBar();
    friend class TMDIClient;
    // The client window a child's window goes into; raises
    // EInvalidOperation when no multiple-document form has one.
    static TMDIClient& ClientForChild();
    TMDIClient* OwnClient() const;
    // The shown children whose windows went with the form's come back.
    void RecreateMDIChildren();
    // A shown child's client window, or nullptr.
    TMDIClient* ChildClient();
    // The client made this child the active one, or took that away.
    void MDIActivated(bool Active);
    // A child's own share of the messages; true when it took Message.
    bool MDIChildMessage(TMessage& Message);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;  // what the window shows, once it has one
    TWinControl* activeControl_ = nullptr;   // inside the form, or nullptr
    TWinControl* focusedControl_ = nullptr;  // the last to get CM_ENTER; inside the form, or nullptr
    bool active_ = false;
    bool keyPreview_ = false;
    bool created_ = false;  // OnCreate has fired
    bool placed_ = false;   // Position has been applied
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    std::unique_ptr<TControlCanvas> canvas_;
    std::unique_ptr<TIcon> icon_;
    TMainMenu* menu_ = nullptr;  // free-notified
    std::unique_ptr<TMenuBar> menuBar_;  // shows menu_ while the form is top-level
    std::unique_ptr<TMDIClient> mdiClient_;  // an fsMDIForm form's, while it has a window
    TMenuItem* windowMenu_ = nullptr;        // free-notified
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// The form holding Control (Control itself when it is one), or nullptr.
TCustomForm* GetParentForm(TControl* Control);

// TApplication: the program's message loop and what belongs to the
// program as a whole: the main form, the title, exceptions that leave a
// handler, idle processing and hints.
//
// HandleMessage takes one message: the OnMessage handlers see it first,
// then it is translated and dispatched. When the queue is empty the
// program is idle: hints are checked, the shown forms update their
// actions, OnIdle fires, and unless OnIdle asks for more the loop waits.
// An exception that leaves a handler is caught where the message was
// dispatched and goes to HandleException.
#pragma once

#include <exception>
#include <memory>
#include <vector>

#include "platform/base/component.h"
#include "platform/gdi/colors.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/control_types.h"

class TControl;
class TCustomForm;
class TIcon;
class THintWindow;
class TTimer;

using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = TEvent<void(TObject* Sender, const std::exception& E)>;

// What a hint about to show says and where: OnShowHint may change it.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;   // the top-left of the hint window, on the screen
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;  // the hint stays while the mouse is in here (HintControl's client coordinates)
    TPoint CursorPos;  // HintControl's client coordinates
    int HideTimeout = 0;
    AnsiString HintStr;
    void* HintData = nullptr;
};
using TShowHintEvent = TEvent<void(AnsiString& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// Makes the hint window the application shows hints in.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);

// Handlers that each add and remove only their own; the one added last
// sees a message first, and one that handles it ends the walk. A handler
// may add or remove handlers, itself included, while it runs.
class TMessageEventChain {
public:
    void Add(const TMessageEvent& Handler);
    void Remove(const TMessageEvent& Handler);
    int Count() const { return static_cast<int>(handlers_.size()); }
    bool Contains(const TMessageEvent& Handler) const;
    // Answers whether a handler handled the message.
    bool operator()(MSG& Msg) const;

private:
    std::vector<TMessageEvent> handlers_;  // oldest first
};

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // A program that starts again in the same process (a test) runs its
    // modal dialogs again: the last Run's end is forgotten.
    void Initialize() { terminated_ = false; }
    // Makes a form or a data module owned by the application; the first
    // form made becomes the main form. What the application owns is freed
    // at exit, the last made first (see Run).
    template <typename TFormClass>
    void CreateForm(TFormClass*& Reference)
    {
        Reference = new TFormClass(this);
        FormCreated(Reference);
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form when ShowMainForm is set, then handles messages
    // until the program is terminated. Once Run has ended, everything the
    // application owns is freed when the program exits (the last made
    // first), before any static object that was there when Run ended.
    void Run();
    bool ShowMainForm = true;
    // Handles every waiting message, then returns.
    void ProcessMessages();
    // Handles one message; idles and waits for one when there is none.
    void HandleMessage();
    // Ends Run (through WM_QUIT, so that modal loops end too).
    void Terminate();
    bool Terminated() const { return terminated_; }

    AnsiString Title() const;
    void SetTitle(const AnsiString& Value) { title_ = Value; }
    // The program's icon, empty until set; forms without an icon of their
    // own show it. Owned; a set assigns.
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* Value);
    // The running program's file.
    AnsiString ExeName() const;
    // The application's own window: hidden, a target for messages to the
    // program as a whole.
    HWND Handle();
    // Whether one of the program's windows is active.
    bool Active() const { return active_; }
    void Minimize();
    void Restore();
    // Brings the main form, or the active form, to the front.
    void BringToFront();

    // Hands the exception to OnException, or shows it; EAbort is silent.
    void HandleException(TObject* Sender, const std::exception& E);
    // A message box with the exception's message.
    void ShowException(const std::exception& E);
    // A message box with the MB_ buttons and icon of Flags; answers the ID
    // of the button pressed. Scripted answers (TModalAnswers) come first.
    int MessageBox(const AnsiString& Text, const AnsiString& Caption, UINT Flags);

    // OnActionExecute (OnActionUpdate): the program-wide step of every
    // action's execution (update), after its list's; answers whether the
    // handler took Action.
    bool ExecuteAction(TBasicAction* Action);
    bool UpdateAction(TBasicAction* Action);

    // Hints.
    bool ShowHint() const { return showHint_; }
    // Turning hints off frees the hint window; the next hint makes a new
    // one of HintWindowClass.
    void SetShowHint(bool Value);
    THintWindowClass HintWindowClass;
    THintWindow* HintWindow() const { return hintWindow_; }
    TColor HintColor = clInfoBk;
    int HintPause = 500;       // ms the mouse rests before a hint shows
    int HintShortPause = 50;   // ms before the next hint while one shows
    int HintHidePause = 2500;  // ms a hint stays
    // The long part of the hint of the control under the mouse; setting
    // fires OnHint.
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& Value);
    void CancelHint();
    // Shows the hint of the control under the screen point now.
    void ActivateHint(TPoint CursorPos);
    void HideHint();

    TMessageEventChain OnMessage;
    TIdleEvent OnIdle;
    TExceptionEvent OnException;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnHint;
    TShowHintEvent OnShowHint;
    TActionEvent OnActionExecute;
    TActionEvent OnActionUpdate;

    // For the forms: the program gained or lost activation.
    void ActivateChanged(bool Active);
    // For the controls (ControlHooks): the mouse moved over Control.
    void HintMouseMessage(TControl* Control, TMessage& Message);
    // A control is going away: hints let go of it.
    void ControlDestroyed(TControl* Control);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FormCreated(TComponent* Instance);
    // At exit: frees the forms and modules of the application whose Run
    // ended last.
    static void DoneAtExit();
    bool ProcessMessage(MSG& Msg);
    void Idle();
    void StartHintTimer(int Interval);
    void StopHintTimer();
    void HintTimerExpired(TObject* Sender);

    TCustomForm* mainForm_ = nullptr;  // owned by someone; cleared when it goes
    bool terminated_ = false;
    bool active_ = false;
    AnsiString title_;
    std::unique_ptr<TIcon> icon_;
    HWND handle_ = nullptr;
    bool showHint_ = true;
    THintWindow* hintWindow_ = nullptr;  // owned by the application; made for the first hint
    std::unique_ptr<TTimer> hintTimer_;
    TControl* hintControl_ = nullptr;  // the control whose hint is pending or showing
    TRect hintCursorRect_;             // on the screen, while a hint shows
    bool hintShowing_ = false;
    AnsiString hint_;
};

extern TApplication* Application;

// The part of a hint before '|', and the part after it (all of it without
// a '|').
AnsiString GetShortHint(const AnsiString& Hint);
AnsiString GetLongHint(const AnsiString& Hint);

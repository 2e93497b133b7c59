// TApplication: the message loop, the main form, exceptions, activation
// and message boxes.
#include "platform/ui/kernel/application.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/data_module.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/focus.h"
#include "platform/win/message_queue.h"
#include "platform/win/stand_in_window.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_manager_start.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

void HookHandleException(TObject* Sender, const std::exception& E)
{
    Application->HandleException(Sender, E);
}

void HookHintMouseMessage(TControl* Control, TMessage& Message)
{
    Application->HintMouseMessage(Control, Message);
}

void HookControlDestroyed(TControl* Control)
{
    Screen->ControlDestroyed(Control);
    Application->ControlDestroyed(Control);
}

}  // namespace

TApplication* Application = new TApplication(nullptr);

namespace {

// The application whose forms and modules go at exit; see Run.
TApplication* runApplication = nullptr;

}  // namespace

void TMessageEventChain::Add(const TMessageEvent& Handler)
{
    if (Handler && !Contains(Handler))
        handlers_.push_back(Handler);
}

void TMessageEventChain::Remove(const TMessageEvent& Handler)
{
    auto it = std::find(handlers_.begin(), handlers_.end(), Handler);
    if (it != handlers_.end())
        handlers_.erase(it);
}

bool TMessageEventChain::Contains(const TMessageEvent& Handler) const
{
    return std::find(handlers_.begin(), handlers_.end(), Handler) != handlers_.end();
}

bool TMessageEventChain::operator()(MSG& Msg) const
{
    // A handler may change the chain: walk a copy, skipping handlers
    // removed meanwhile.
    std::vector<TMessageEvent> handlers = handlers_;
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        if (!Contains(*it))
            continue;
        bool handled = false;
        (*it)(Msg, handled);
        if (handled)
            return true;
    }
    return false;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), HintWindowClass(&NewHintWindow)
{
    StartWindowManager();
    ControlHooks().HandleException = &HookHandleException;
    ControlHooks().HintMouseMessage = &HookHintMouseMessage;
    ControlHooks().ControlDestroyed = &HookControlDestroyed;
    icon_ = std::make_unique<TIcon>();
    hintTimer_ = std::make_unique<TTimer>(nullptr);
    hintTimer_->SetEnabled(false);
    hintTimer_->SetOnTimer(TNotifyEvent(this, &TApplication::HintTimerExpired));
}

void TApplication::SetIcon(TIcon* Value)
{
    icon_->Assign(Value);
}

TApplication::~TApplication()
{
    if (runApplication == this)
        runApplication = nullptr;
    DestroyComponents();
    if (handle_) {
        SetStandInWindow(handle_, nullptr, nullptr);
        DestroyWindow(handle_);
    }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == mainForm_)
        mainForm_ = nullptr;
    if (AComponent == hintWindow_) {
        hintWindow_ = nullptr;
        hintShowing_ = false;
    }
}

void TApplication::FormCreated(TComponent* Instance)
{
    if (auto* module = dynamic_cast<TDataModule*>(Instance)) {
        module->AfterConstruction();
        return;
    }
    auto* form = dynamic_cast<TCustomForm*>(Instance);
    if (!form)
        return;
    if (!mainForm_) {
        mainForm_ = form;
        mainForm_->FreeNotification(this);
    }
    form->AfterConstruction();
}

AnsiString TApplication::Title() const
{
    if (!title_.empty())
        return title_;
    return ChangeFileExt(ExtractFileName(ExeName()), "");
}

AnsiString TApplication::ExeName() const
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? AnsiString(path, static_cast<size_t>(length)) : AnsiString();
}

HWND TApplication::Handle()
{
    if (handle_)
        return handle_;
    static const char ClassName[] = "TApplication";
    if (!FindWindowClass(ClassName)) {
        WNDCLASS windowClass;
        windowClass.lpszClassName = ClassName;
        RegisterClass(windowClass);
    }
    handle_ = CreateWindowEx(WS_EX_TOOLWINDOW, ClassName, Title().c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
    // The main form is the program's entry on the task bar: hiding or
    // restoring the application window hides or restores the form.
    SetStandInWindow(
        handle_,
        [](void* Context) -> HWND {
            TCustomForm* form = static_cast<TApplication*>(Context)->MainForm();
            return form && form->HandleAllocated() ? form->Handle() : nullptr;
        },
        this);
    return handle_;
}

void TApplication::Run()
{
    terminated_ = false;
    if (mainForm_ && ShowMainForm) {
        try {
            mainForm_->Show();
        } catch (const std::exception& e) {
            HandleException(this, e);
        }
    }
    while (!terminated_)
        HandleMessage();
    // The program may still use its forms after Run, so they stay until it
    // exits. But their controls hold drawing objects and windows that live
    // in the libraries' static tables, which must still be there when the
    // controls let go of them: a function registered now runs before every
    // static object made so far is destroyed.
    static const bool registered = std::atexit(&TApplication::DoneAtExit) == 0;
    (void)registered;
    runApplication = this;
}

void TApplication::DoneAtExit()
{
    TApplication* application = std::exchange(runApplication, nullptr);
    if (!application)
        return;
    application->CancelHint();
    // The last made goes first: a form's OnDestroy still finds the forms
    // and data modules made before it.
    application->Destroying();
    application->DestroyComponents();
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& Msg)
{
    if (!PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (Msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        if (hintWindow_ && hintWindow_->IsHintMsg(Msg))
            CancelHint();
        if (OnMessage(Msg))
            return true;
        if (Msg.message == WM_SYSKEYDOWN) {
            // Alt shortcuts: the form of the focused window sees them before
            // the window does.
            if (TCustomForm* form = GetParentForm(FindControl(Msg.hwnd))) {
                TMessage key{Msg.message, Msg.wParam, Msg.lParam, 0};
                if (form->IsShortCut(key))
                    return true;
            }
        }
        TranslateMessage(Msg);
        DispatchMessage(Msg);
    } catch (const std::exception& e) {
        HandleException(this, e);
    }
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (ProcessMessage(msg))
        return;
    Idle();
}

void TApplication::Idle()
{
    bool done = true;
    try {
        if (hintControl_) {
            TPoint point;
            GetCursorPos(&point);
            if (FindDragTarget(point, true) != hintControl_)
                CancelHint();
        }
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form->HandleAllocated() && form->Showing() && form->Enabled())
                form->UpdateActions();
        }
        if (OnIdle)
            OnIdle(this, done);
    } catch (const std::exception& e) {
        HandleException(this, e);
    }
    FreeDeviceContexts();
    if (done)
        WaitMessage();
}

void TApplication::HandleException(TObject*, const std::exception& E)
{
    if (dynamic_cast<const EAbort*>(&E))
        return;
    try {
        if (OnException)
            OnException(this, E);
        else
            ShowException(E);
    } catch (const std::exception& nested) {
        // Showing failed too: that one goes to the debug log, so nothing
        // reaches the window manager.
        ControlHooks().HandleException = nullptr;
        HandleControlException(this, nested);
        ControlHooks().HandleException = &HookHandleException;
    }
}

void TApplication::ShowException(const std::exception& E)
{
    AnsiString message = E.what();
    // A sentence gets its full stop; one ending in a Chinese character
    // (。 or ！ among them) needs none of ours.
    if (!message.empty() && CharStartOf(message, message.size() - 1) == message.size() - 1 &&
        message.back() != '.')
        message += '.';
    MessageBox(message, Title(), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const AnsiString& Text, const AnsiString& Caption, UINT Flags)
{
    TModalRequest request{nullptr, Caption, Text, Flags};
    int answer = 0;
    if (TModalAnswers::Take(request, answer))
        return answer;
    return ShowMessageBox(Text, Caption, Flags);
}

void TApplication::ActivateChanged(bool Active)
{
    if (active_ == Active)
        return;
    active_ = Active;
    if (!Active)
        CancelHint();
    TNotifyEvent& event = Active ? OnActivate : OnDeactivate;
    if (event)
        event(this);
}

void TApplication::Minimize()
{
    if (!mainForm_ || !mainForm_->HandleAllocated() || IsIconic(mainForm_->Handle()))
        return;
    ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
    SendMessage(Handle(), WM_SIZE, SIZE_MINIMIZED, 0);
    if (OnMinimize)
        OnMinimize(this);
}

void TApplication::Restore()
{
    if (!mainForm_ || !mainForm_->HandleAllocated() || !IsIconic(mainForm_->Handle()))
        return;
    ShowWindow(mainForm_->Handle(), SW_RESTORE);
    if (OnRestore)
        OnRestore(this);
}

void TApplication::BringToFront()
{
    TCustomForm* form = Screen->ActiveForm() ? Screen->ActiveForm() : mainForm_;
    if (form && form->HandleAllocated() && form->Showing())
        SetForegroundWindow(form->Handle());
}

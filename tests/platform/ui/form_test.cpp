#include <gtest/gtest.h>

#include "form_test_support.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

// A form built in code, as the program's forms are: two logging children
// that take the focus, and every event logged.
class TLogForm : public TForm {
public:
    TLogForm(TComponent* AOwner, std::vector<std::string>& Log) : TForm(AOwner)
    {
        SetName("LogForm");
        SetCaption("Log");
        SetBounds(40, 40, 300, 200);
        First = new TProbe(this, this, Bounds(10, 10, 60, 20));
        First->SetName("First");
        First->SetTabStop(true);
        Second = new TProbe(this, this, Bounds(10, 40, 60, 20), clBlue);
        Second->SetName("Second");
        Second->SetTabStop(true);
        OnCreate = LogEvent(Log, "OnCreate");
        OnShow = LogEvent(Log, "OnShow");
        OnHide = LogEvent(Log, "OnHide");
        OnActivate = LogEvent(Log, "OnActivate");
        OnDeactivate = LogEvent(Log, "OnDeactivate");
        OnResize = LogEvent(Log, "OnResize");
        OnDestroy = LogEvent(Log, "OnDestroy");
        First->OnEnter = LogEvent(Log, "First.OnEnter");
        First->OnExit = LogEvent(Log, "First.OnExit");
        Second->OnEnter = LogEvent(Log, "Second.OnEnter");
        Second->OnExit = LogEvent(Log, "Second.OnExit");
        OnCloseQuery = TCloseQueryEvent::FromCallable([this, &Log](TObject*, bool& CanClose) {
            Log.push_back("OnCloseQuery");
            CanClose = AllowClose;
        });
        OnClose = TCloseEvent::FromCallable([this, &Log](TObject*, TCloseAction& Action) {
            Log.push_back("OnClose");
            Action = CloseAction;
        });
    }

    TProbe* First;
    TProbe* Second;
    bool AllowClose = true;
    TCloseAction CloseAction = caHide;
};

}  // namespace

TEST_F(TFormTest, LifeCycleMessagesComeInOrder)
{
    std::vector<std::string> log;
    auto* form = new TLogForm(nullptr, log);
    TControl::TAlive alive(form);
    form->AfterConstruction();
    LogMessages(form, log);
    form->First->Log = &log;
    form->Show();
    Process();
    EXPECT_EQ(log, (std::vector<std::string>{
                       "OnCreate", "form:WM_NCCREATE", "form:WM_NCCALCSIZE", "form:WM_CREATE", "form:WM_SIZE",
                       "OnResize", "form:WM_MOVE", "WM_NCCREATE", "WM_NCCALCSIZE", "WM_CREATE", "WM_SIZE", "WM_MOVE",
                       "CM_SHOWINGCHANGED", "form:CM_SHOWINGCHANGED", "OnShow", "form:WM_SHOWWINDOW",
                       "form:WM_ACTIVATE", "WM_SETFOCUS", "form:CM_ACTIVATE", "OnActivate", "CM_ENTER",
                       "First.OnEnter"}));
    EXPECT_EQ(Screen->ActiveForm(), form);
    EXPECT_EQ(Screen->ActiveControl(), form->First);
    EXPECT_EQ(form->ActiveControl(), form->First);

    log.clear();
    form->SetBounds(40, 40, 320, 220);
    EXPECT_EQ(log, (std::vector<std::string>{"form:WM_NCCALCSIZE", "form:WM_SIZE", "OnResize"}));

    // OnCloseQuery can keep the form; caHide only hides it.
    log.clear();
    form->AllowClose = false;
    form->Close();
    EXPECT_EQ(log, (std::vector<std::string>{"OnCloseQuery"}));
    EXPECT_TRUE(form->Visible());
    form->AllowClose = true;
    form->Close();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    form->Show();
    Process();

    // The close box asks; caFree frees the form once the handler is done.
    log.clear();
    form->CloseAction = caFree;
    PostMessage(form->Handle(), WM_CLOSE, 0, 0);
    Process();
    EXPECT_FALSE(alive);
    EXPECT_EQ(log, (std::vector<std::string>{"form:WM_CLOSE", "OnCloseQuery", "OnClose", "form:CM_RELEASE",
                                             "OnDestroy", "form:WM_ACTIVATE", "WM_KILLFOCUS", "form:WM_DESTROY",
                                             "WM_DESTROY", "WM_NCDESTROY", "form:WM_NCDESTROY"}));
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
    EXPECT_EQ(Screen->ActiveControl(), nullptr);
}

TEST_F(TFormTest, TabMovesTheFocusThroughTheTabOrder)
{
    std::vector<std::string> log;
    auto* form = new TLogForm(nullptr, log);
    auto* third = new TProbe(form, form, Bounds(10, 70, 60, 20));
    third->SetTabStop(true);
    auto* skipped = new TProbe(form, form, Bounds(10, 100, 60, 20));
    third->SetTabOrder(0);  // third, first, second; skipped has no tab stop
    form->Show();
    Process();
    EXPECT_EQ(form->ActiveControl(), third);
    log.clear();
    InjectKeyStroke(VK_TAB);
    Process();
    EXPECT_EQ(form->ActiveControl(), form->First);
    EXPECT_TRUE(form->First->Focused());
    InjectKeyStroke(VK_TAB);
    Process();
    EXPECT_EQ(form->ActiveControl(), form->Second);
    InjectKeyStroke(VK_TAB);
    Process();
    EXPECT_EQ(form->ActiveControl(), third);
    InjectKeyStroke(VK_TAB, InjectShift);
    Process();
    EXPECT_EQ(form->ActiveControl(), form->Second);
    EXPECT_EQ(log, (std::vector<std::string>{"First.OnEnter", "First.OnExit", "Second.OnEnter", "Second.OnExit",
                                             "Second.OnEnter"}));
    // A control that wants Tab keeps it.
    form->Second->DialogCode = DLGC_WANTTAB;
    InjectKeyStroke(VK_TAB);
    Process();
    EXPECT_EQ(form->ActiveControl(), form->Second);
    // Focusing a control directly, and the focus leaving a control that goes.
    skipped->SetFocus();
    EXPECT_EQ(form->ActiveControl(), skipped);
    delete skipped;
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(GetFocus(), form->Handle());
    delete form;
}

TEST_F(TFormTest, ShowModalTakesScriptedAnswersOrRunsItsLoop)
{
    std::vector<std::string> log;
    auto* main = new TLogForm(nullptr, log);
    main->Show();
    Process();
    TLogForm dialog(nullptr, log);
    dialog.SetBorderStyle(bsDialog);
    dialog.SetCaption("Ask");
    dialog.AfterConstruction();

    // A scripted number, and a callback that works the shown dialog.
    TModalAnswers::Push(mrOk);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(dialog.Visible());
    TModalAnswers::Push([&](const TModalRequest& Request) {
        EXPECT_EQ(Request.Form, &dialog);
        EXPECT_EQ(Request.Caption, "Ask");
        EXPECT_TRUE(dialog.Modal());
        EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
        EXPECT_FALSE(IsWindowEnabled(main->Handle()));
        dialog.SetModalResult(mrYes);
        return mrNone;
    });
    EXPECT_EQ(dialog.ShowModal(), mrYes);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(dialog.Modal());

    // OnCloseQuery refusing keeps the dialog up for the next answer.
    dialog.AllowClose = false;
    TModalAnswers::Push(mrOk);
    TModalAnswers::Push([&](const TModalRequest&) {
        dialog.AllowClose = true;
        return mrNo;
    });
    EXPECT_EQ(dialog.ShowModal(), mrNo);
    EXPECT_EQ(TModalAnswers::Count(), 0);

    // The real loop, ended by the close box: mrCancel.
    log.clear();
    dialog.OnShow = TNotifyEvent::FromCallable([&](TObject*) { PostMessage(dialog.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    EXPECT_EQ(Screen->ActiveForm(), main);

    // A modal form is refused while it shows.
    dialog.OnShow = TNotifyEvent::FromCallable([&](TObject*) {
        EXPECT_THROW(dialog.ShowModal(), EInvalidOperation);
        dialog.SetModalResult(mrAbort);
    });
    EXPECT_EQ(dialog.ShowModal(), mrAbort);
    delete main;
}

TEST_F(TFormTest, AModalFormOpensAboveTheWindowThatOpenedItEvenAStayOnTopOne)
{
    TForm opener(nullptr);
    opener.SetFormStyle(fsStayOnTop);
    opener.SetBounds(100, 100, 300, 200);
    opener.Show();
    SetActiveWindow(opener.Handle());
    Process();
    TForm dialog(nullptr);
    dialog.SetBounds(150, 150, 200, 120);
    TForm inner(nullptr);  // a dialog the dialog opens
    inner.SetBounds(170, 170, 100, 80);
    const TPoint overlap{200, 200};
    std::vector<HWND> seen;
    TModalAnswers::Push([&](const TModalRequest&) {
        seen.push_back(WindowFromPoint(overlap));
        TModalAnswers::Push([&](const TModalRequest&) {
            seen.push_back(WindowFromPoint(overlap));
            return mrOk;
        });
        inner.ShowModal();
        seen.push_back(WindowFromPoint(overlap));
        return mrOk;
    });
    dialog.ShowModal();
    EXPECT_EQ(seen, (std::vector<HWND>{dialog.Handle(), inner.Handle(), dialog.Handle()}));
    // The dialogs belong to their openers only while they run.
    EXPECT_EQ(GetWindowLongPtr(dialog.Handle(), GWLP_HWNDPARENT), 0);
    EXPECT_EQ(GetWindowLongPtr(inner.Handle(), GWLP_HWNDPARENT), 0);
    EXPECT_EQ(WindowFromPoint(overlap), opener.Handle());
    // Nor do they stay on top with them: shown again, they stand among the
    // windows that don't.
    for (TForm* form : {&dialog, &inner})
        EXPECT_FALSE(GetWindowLong(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(TFormTest, StylesFollowBorderStyleIconsAndFormStyle)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsDialog);
    form.SetFormStyle(fsStayOnTop);
    form.SetPosition(poScreenCenter);
    form.SetBounds(0, 0, 200, 100);
    form.Show();
    Process();
    LONG style = GetWindowLong(form.Handle(), GWL_STYLE);
    LONG exStyle = GetWindowLong(form.Handle(), GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(form.Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - 100) / 2);
    form.SetBorderStyle(bsSizeable);
    form.SetBorderIcons({biSystemMenu, biMaximize});
    style = GetWindowLong(form.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_THICKFRAME | WS_MAXIMIZEBOX);
    form.SetWindowState(wsMaximized);
    EXPECT_TRUE(IsZoomed(form.Handle()));
    EXPECT_EQ(form.WindowState(), wsMaximized);
    form.SetWindowState(wsNormal);
    EXPECT_EQ(form.WindowState(), wsNormal);
}

// A dialog sizes its client area in its constructor, before its window
// exists: the frame and caption come on top of that size, never out of it.
TEST_F(TFormTest, AClientSizeSetBeforeTheWindowExistsIsTheClientSizeShown)
{
    for (TFormBorderStyle style : {bsDialog, bsSizeable, bsToolWindow}) {
        TForm form(nullptr);
        form.SetBorderStyle(style);
        form.SetCaption("說門");
        form.SetClientWidth(321);
        form.SetClientHeight(123);
        form.Show();
        TRect client;
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.Right, 321) << "border style " << style;
        EXPECT_EQ(client.Bottom, 123) << "border style " << style;
        EXPECT_GT(form.Height(), 123) << "border style " << style;
    }
}

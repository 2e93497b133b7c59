// A program made the way ours are: Initialize, CreateForm, Run. A settings
// module comes first, then the main form, holding every control that keeps
// drawing objects of its own (the edits, the views, the editor), then a
// tool form. The program leaves by the way its command line names:
//
//   close      WM_CLOSE posted to the main form (what the close box sends)
//   menu       File > Exit typed on the keyboard: the item's action closes
//              the main form
//   terminate  Application->Terminate()
//   exception  a handler fails, the user answers the exception box with
//              Enter, then WM_CLOSE
//
// Every form and module must be freed before the program's statics go,
// the last made first, so the main form's OnDestroy still finds the
// settings module and the controls it saves from. Exit status 0 says so;
// a crash at exit, a leak or a wrong order fails the test that runs it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "editor/syn_memo.h"
#include "platform/base/exceptions.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/data_module.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/textedit/memo.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/kernel/timer.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

const char kMemoText[] = "說門 中";

// What went away, in order, and whether the settings were saved: plain
// globals, so that they outlive every destructor that writes them.
char teardown[8];
int teardownCount = 0;
bool settingsSaved = false;

void Note(char Which)
{
    if (teardownCount < static_cast<int>(sizeof teardown) - 1)
        teardown[teardownCount++] = Which;
}

void CheckTeardown()
{
    if (std::strcmp(teardown, "tms") == 0 && settingsSaved)
        return;
    std::fprintf(stderr, "freed at exit: \"%s\" (want \"tms\": tool form, main form, settings), settings %s\n",
                 teardown, settingsSaved ? "saved" : "not saved");
    std::_Exit(1);
}

class TSettingsModule : public TDataModule {
public:
    explicit TSettingsModule(TComponent* AOwner) : TDataModule(AOwner)
    {
        OnCreate = TNotifyEvent::FromCallable([this](TObject*) { Created = true; });
        OnDestroy = TNotifyEvent(this, &TSettingsModule::ModuleDestroy);
    }
    bool Created = false;
    AnsiString Memo;

private:
    void ModuleDestroy(TObject*)
    {
        Note('s');
        settingsSaved = Memo == kMemoText;
    }
};

TSettingsModule* Settings = nullptr;

class TToolForm : public TForm {
public:
    explicit TToolForm(TComponent* AOwner) : TForm(AOwner)
    {
        OnDestroy = TNotifyEvent::FromCallable([](TObject*) { Note('t'); });
        auto* edit = new TEdit(this);
        edit->SetParent(this);
    }
};

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetBounds(40, 40, 640, 480);
        SetCaption("Exit");
        OnDestroy = TNotifyEvent(this, &TMainForm::FormDestroy);
        auto* edit = new TEdit(this);
        Place(edit, 8, 8, 200, 24);
        edit->SetText("說門");
        memo_ = new TMemo(this);
        Place(memo_, 8, 40, 200, 100);
        memo_->SetText(kMemoText);
        auto* rich = new TRichEdit(this);
        Place(rich, 8, 150, 200, 100);
        rich->SetText("中\r\n門");
        auto* tree = new TTreeView(this);
        Place(tree, 220, 8, 200, 120);
        tree->Items()->AddChild(tree->Items()->Add(nullptr, "說"), "門");
        auto* list = new TListView(this);
        Place(list, 220, 140, 200, 110);
        list->Items()->Add()->SetCaption("中");
        auto* editor = new TSynMemo(this);
        Place(editor, 8, 260, 600, 160);
        editor->SetText("說門 這乗 中\n{\n  x\n}");

        auto* actions = new TActionList(this);
        auto* exit = new TAction(this);
        exit->SetActionList(actions);
        exit->SetCaption("E&xit");
        exit->SetOnExecute(TNotifyEvent(this, &TMainForm::ExitExecute));
        auto* menu = new TMainMenu(this);
        auto* file = new TMenuItem(this);
        file->SetCaption("&File");
        menu->Items()->Add(file);
        auto* exitItem = new TMenuItem(this);
        exitItem->SetAction(exit);
        file->Add(exitItem);
        SetMenu(menu);

        timer_ = new TTimer(this);
        timer_->SetInterval(100);
        timer_->SetOnTimer(TNotifyEvent(this, &TMainForm::Step));
    }

    const char* Way = "close";

private:
    void Place(TControl* Control, int Left, int Top, int Width, int Height)
    {
        Control->SetBounds(Left, Top, Width, Height);
        Control->SetParent(this);
    }

    void FormDestroy(TObject*)
    {
        Note('m');
        Settings->Memo = memo_->Text();
    }

    void ExitExecute(TObject*) { Close(); }

    // One step per tick, after the form has been shown and painted: first
    // a new font for every control, which leaves the old one selected in
    // the controls' measuring DCs until they let go of it; then the steps
    // of leaving. A step may open a modal loop, in which the next ticks run.
    void Step(TObject*)
    {
        int step = ++steps_ - 1;
        if (step == 0)
            Font()->SetHeight(-16);
        else if (std::strcmp(Way, "close") == 0) {
            PostMessage(Handle(), WM_CLOSE, 0, 0);
        } else if (std::strcmp(Way, "terminate") == 0) {
            Application->Terminate();
        } else if (std::strcmp(Way, "menu") == 0) {
            if (step == 1)
                InjectKeyStroke('F', InjectAlt);
            else if (step == 2)
                InjectKeyStroke('X');
        } else if (std::strcmp(Way, "exception") == 0) {
            if (step == 1)
                throw Exception("說門 failed");
            if (Screen->ActiveForm() != this)
                InjectKeyStroke(VK_RETURN);
            else
                PostMessage(Handle(), WM_CLOSE, 0, 0);
        }
        if (step > 50) {
            std::fprintf(stderr, "the program did not leave by \"%s\"\n", Way);
            std::_Exit(1);
        }
    }

    TMemo* memo_ = nullptr;
    TTimer* timer_ = nullptr;
    int steps_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    std::atexit(&CheckTeardown);
    Application->Initialize();
    Application->CreateForm(Settings);
    if (!Settings->Created) {
        std::fprintf(stderr, "the settings module was made without its OnCreate\n");
        return 1;
    }
    TMainForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    if (argc > 1)
        mainForm->Way = argv[1];
    TToolForm* toolForm = nullptr;
    Application->CreateForm(toolForm);
    Application->Run();
    return 0;
}

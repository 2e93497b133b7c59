#include "tests/app/program_test_support.h"

#include <filesystem>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/new_form.h"
#include "app/node_editor.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/dialogs/message_dialog.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/dialogs/file_dialog_form.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_page_control.h"

void TProgramTest::SetUp()
{
    char pattern[] = "/tmp/tandril_program_XXXXXX";
    folder_ = mkdtemp(pattern);
    TModalAnswers::Clear();
    saveDialogs_ = SynSaveDialogFactory;
    printDialogs_ = SynPrintDialogFactory;
    askPdfFile_ = AskPdfFileHook;
    pickColor_ = PickCustomColorHook;
}

void TProgramTest::TearDown()
{
    if (MainForm || DBModule || ActionModule) {
        TModalAnswers::Clear();
        // A save question at the close of the tabs is answered "discard".
        for (int i = 0; i < 20; ++i)
            TModalAnswers::Push(2);
        StopProgram();
    }
    TModalAnswers::Clear();
    // A close ran the program's message loop to its end, which leaves the
    // application terminated: every modal form would then come back
    // cancelled at once.
    Application->Initialize();
    SynSaveDialogFactory = saveDialogs_;
    SynPrintDialogFactory = printDialogs_;
    AskPdfFileHook = askPdfFile_;
    PickCustomColorHook = pickColor_;
    std::filesystem::remove_all(folder_);
}

void TProgramTest::Start(const AnsiString& DefaultDataBase)
{
    TStartOptions options;
    options.SettingsFolder = SettingsFolder();
    options.TempDir = TempFolder();
    options.DefaultDataBase = DefaultDataBase;
    StartProgram(options);
    MainForm->Show();
    Idle();
}

void TProgramTest::CloseAndStop()
{
    PostMessage(MainForm->Handle(), WM_CLOSE, 0, 0);
    Application->Run();
    StopProgram();
}

void TProgramTest::Idle()
{
    Application->ProcessMessages();
    if (MainForm)
        MainForm->UpdateActions();
}

TCustomSynTextEditor* TProgramTest::NewArticle(const AnsiString& Title)
{
    TModalAnswers::Push([Title](const TModalRequest& Request) {
        static_cast<TNewForm*>(Request.Form)->Edit1->SetText(Title);
        return mrOk;
    });
    DBModule->aNewNodeB->Execute();
    Idle();
    return ActiveArticleEditor();
}

void TProgramTest::Stroke(UINT Key, UINT Modifiers)
{
    Idle();
    InjectKeyStroke(Key, Modifiers);
    Idle();
}

void TProgramTest::ClickTab(int Index, TbsSkinPageControl* Pages)
{
    TbsSkinPageControl* pages = Pages ? Pages : MainForm->PageControl;
    for (int y = 0; y < pages->Height(); ++y)
        for (int x = 0; x < pages->Width(); ++x)
            if (pages->IndexOfTabAt(x, y) == Index) {
                InjectClick(pages->ClientToScreen(Point(x + 4, y + 4)));
                Idle();
                return;
            }
    ADD_FAILURE() << "no tab " << Index;
}

std::vector<AnsiString> TProgramTest::OpenTitles()
{
    std::vector<AnsiString> titles;
    for (int i = 0; i < MainForm->GetEditorCount(); ++i)
        titles.push_back(MainForm->GetEditors(i)->GetNodeName());
    return titles;
}

std::vector<std::string> TProgramTest::TakeBoxes() { return std::exchange(boxes_, {}); }

void TProgramTest::AnswerBoxes(int Count, int Result)
{
    for (int i = 0; i < Count; ++i)
        TModalAnswers::Push([this, Result](const TModalRequest& Request) {
            auto* box = dynamic_cast<TMessageDialog*>(Request.Form);
            boxes_.push_back(Request.Caption + ": " + (box ? box->Message->Caption() : Request.Text));
            return Result;
        });
}

void TProgramTest::AnswerFileDialog(const AnsiString& FileName)
{
    TModalAnswers::Push([FileName](const TModalRequest& Request) {
        auto* dialog = dynamic_cast<TFileDialogForm*>(Request.Form);
        dialog->NameBox()->SetText(FileName);
        dialog->NameBox()->SetFocus();
        InjectKeyStroke(VK_RETURN);
        Application->ProcessMessages();
        return mrNone;
    });
}

TCustomSynTextEditor* ActiveArticleEditor() { return ActionModule ? ActionModule->Manager->SynTextEditor() : nullptr; }

TCustomSynTextEditor* ShownArticleEditor()
{
    TTabSheet* sheet = MainForm ? MainForm->PageControl->ActivePage() : nullptr;
    for (int i = 0; sheet && i < MainForm->GetEditorCount(); ++i)
        if (auto* frame = dynamic_cast<TNodeEditor*>(MainForm->GetEditors(i)); frame->TabSheet() == sheet)
            return frame->GetEditor();
    return nullptr;
}

void TypeShortCut(TShortCut Key)
{
    Application->ProcessMessages();
    if (MainForm)
        MainForm->UpdateActions();
    WORD key = 0;
    TShiftState shift;
    ShortCutToKey(Key, key, shift);
    UINT modifiers = 0;
    if (shift.Contains(ssShift))
        modifiers |= InjectShift;
    if (shift.Contains(ssCtrl))
        modifiers |= InjectCtrl;
    if (shift.Contains(ssAlt))
        modifiers |= InjectAlt;
    InjectKeyStroke(key, modifiers);
    Application->ProcessMessages();
}

std::string ProgramFile()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "../../app/tandril").lexically_normal();
}

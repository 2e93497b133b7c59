#include "tests/app/main_window_test_support.h"

#include <filesystem>

#include "app/new_form.h"
#include "editor_services/dialogs/message_dialog.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/actions/syn_actions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/headless_input.h"
#include "tests/app/notes_test_support.h"

std::string MakeTempFolder(const std::string& Prefix)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (Prefix + "-XXXXXX")).string();
    EXPECT_NE(mkdtemp(pattern.data()), nullptr);
    return pattern + "/";
}

void TNotesWindowModules::Bring(const std::string& Folder)
{
    // A first skin that does not load says so once, in a box; the window
    // works the same in the plain look.
    TModalAnswers::Push(mrOk);
    Actions = std::make_unique<TActionModule>(nullptr, Folder);
    TModalAnswers::Clear();
    ActionModule = Actions.get();
    Window = std::make_unique<TMainForm>(nullptr);
    Window->AfterConstruction();
    Dialogs = std::make_unique<TProgramNodeDialogs>(Window.get());
    Module = std::make_unique<TDBModule>(nullptr, Window.get(), Dialogs.get(), Folder + "tandril.ini", Folder + "tmp");
    Window->LinkDBModule(Module.get());
}

void TNotesWindowModules::Drop()
{
    Module.reset();
    Window.reset();
    Dialogs.reset();
    Actions.reset();
    ActionModule = nullptr;
}

void TMainWindowTest::SetUp()
{
    TEditorViewTest::SetUp();
    folder_ = MakeTempFolder("tandril-window");
    PrepareSettings();
    modules_.Bring(folder_);
    form_->Show();
    Process();
}

void TMainWindowTest::TearDown()
{
    modules_.Drop();
    TModalAnswers::Clear();
    std::filesystem::remove_all(folder_);
    TEditorViewTest::TearDown();
}

void TMainWindowTest::CreateDataBase()
{
    ASSERT_TRUE(module_->CreateDataBase(Path("notes.vek")));
    module_->LoadBookmarks();
    module_->LoadNodeTree();
}

int TMainWindowTest::NewNode(bool Article, const AnsiString& Title)
{
    AnswerForm<TNewForm>([Title](TNewForm* Form) {
        Form->Edit1->SetText(Title);
        return mrOk;
    });
    (Article ? module_->aNewNodeB : module_->aNewNodeA)->Execute();
    Process();
    return std::stoi(Column("select max(标识) from Nodes"));
}

void TMainWindowTest::Process() { Application->ProcessMessages(); }

void TMainWindowTest::Key(UINT VirtualKey, UINT Modifiers)
{
    InjectKeyStroke(VirtualKey, Modifiers);
    Process();
}

void TMainWindowTest::Type(const AnsiString& Text)
{
    InjectText(Text);
    Process();
}

void TMainWindowTest::AnswerBoxes(std::vector<int> Answers)
{
    for (int answer : Answers)
        TModalAnswers::Push([this, answer](const TModalRequest& Request) {
            auto* box = dynamic_cast<TMessageDialog*>(Request.Form);
            Boxes.push_back(Request.Caption + ": " + (box ? box->Message->Caption() : Request.Text));
            return answer;
        });
}

std::string TMainWindowTest::Column(const AnsiString& Sql) { return SelectColumn(module_->DataBase(), Sql); }

#include "tests/app/main_window_test_support.h"

#include <filesystem>

#include "app/new_form.h"
#include "editor_services/message_dialog.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/syn_actions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/headless_input.h"
#include "tests/app/notes_test_support.h"

void TMainWindowTest::SetUp()
{
    TEditorViewTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "tandril-window-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern + "/";
    // A first skin that does not load says so once, in a box; the window
    // works the same in the plain look.
    TModalAnswers::Push(mrOk);
    actions_ = std::make_unique<TActionModule>(nullptr, folder_);
    TModalAnswers::Clear();
    ActionModule = actions_.get();
    form_ = std::make_unique<TMainForm>(nullptr);
    form_->AfterConstruction();
    dialogs_ = std::make_unique<TProgramNodeDialogs>(form_.get());
    module_ = std::make_unique<TDBModule>(nullptr, form_.get(), dialogs_.get(), Path("tandril.ini"), Path("tmp"));
    form_->LinkDBModule(module_.get());
    form_->Show();
    Process();
}

void TMainWindowTest::TearDown()
{
    module_.reset();
    form_.reset();
    dialogs_.reset();
    actions_.reset();
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

#include "tests/app/notes_test_support.h"

#include <filesystem>

#include "editor_services/dialogs/message_dialog.h"
#include "platform/db/ado_query.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/widgets/label.h"

TTestNodeFrame::TTestNodeFrame(TWinControl* Host, std::string& Log) : TWinControl(Host), log_(Log)
{
    SetBounds(0, 0, 400, 300);
    SetParent(Host);
    editor_ = new TSynTextEditor(this);
    editor_->SetBounds(0, 0, 400, 300);
    editor_->SetParent(this);
}

void TTestNodeFrame::SetLanguage(const AnsiString& Name)
{
    TSynHighlighters* highlighters = GlobalSynManager()->Highlighters();
    highlighters->ApplyToEditor(editor_, highlighters->IndexOfLanguage(Name));
}

void TTestNodeFrame::Activate() { log_ += "activate " + std::to_string(nodeId_) + " "; }

TTestNodeManager::TTestNodeManager() : manager_(std::make_unique<TSynManager>(nullptr)), host_(std::make_unique<TEditorHost>())
{
    host_->SetBounds(0, 0, 800, 600);
    host_->Show();
    host_->HandleNeeded();
    tree_ = new TTreeView(host_.get());
    tree_->SetParent(host_.get());
    bookmarks_ = new TListView(host_.get());
    bookmarks_->SetParent(host_.get());
    attachments_ = new TListView(host_.get());
    attachments_->SetParent(host_.get());
    search_ = new TListView(host_.get());
    search_->SetParent(host_.get());
}

TTestNodeManager::~TTestNodeManager()
{
    host_.reset();
    manager_.reset();
}

TCustomSynTextEditor* TTestNodeManager::CreateEditor()
{
    auto* frame = new TTestNodeFrame(host_.get(), Log);
    manager_->AddEditor(frame->GetEditor());
    Log += "create ";
    return frame->GetEditor();
}

void TTestNodeManager::RemoveEditor(TCustomSynTextEditor* Editor)
{
    Log += "remove " + std::to_string(NodeEditorOf(Editor)->GetNodeID()) + " ";
    delete Editor->Owner();
}

bool TTestNodeManager::ExecuteNewNode(const AnsiString& Caption, TNodeDialogValues& Values)
{
    return DialogAnswer && DialogAnswer(Caption, Values);
}

bool TTestNodeManager::ExecuteNodeProperties(TNodeDialogValues& Values)
{
    return DialogAnswer && DialogAnswer("属性", Values);
}

void TNotesTest::SetUp()
{
    TEditorViewTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "tandril-notes-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern + "/";
    window_ = std::make_unique<TTestNodeManager>();
    module_ = std::make_unique<TDBModule>(nullptr, window_.get(), window_.get(), Path("tandril.ini"), Path("tmp"));
}

void TNotesTest::TearDown()
{
    module_.reset();
    window_.reset();
    TModalAnswers::Clear();
    std::filesystem::remove_all(folder_);
    TEditorViewTest::TearDown();
}

void TNotesTest::CreateDataBase(const std::string& Name)
{
    ASSERT_TRUE(module_->CreateDataBase(Path(Name)));
    module_->LoadBookmarks();
    module_->LoadNodeTree();
}

int TNotesTest::NewNode(bool Article, const AnsiString& Title, bool TopLevel)
{
    window_->DialogAnswer = [&](const AnsiString&, TNodeDialogValues& Values) {
        Values.Title = Title;
        Values.TopLevel = TopLevel;
        return true;
    };
    module_->NewNode(Article);
    window_->DialogAnswer = nullptr;
    return std::stoi(Column("select max(标识) from Nodes"));
}

void TNotesTest::AnswerBoxes(std::vector<int> Answers)
{
    for (int answer : Answers)
        TModalAnswers::Push([this, answer](const TModalRequest& Request) {
            auto* box = dynamic_cast<TMessageDialog*>(Request.Form);
            Boxes.push_back(box ? box->Message->Caption() : Request.Text);
            return answer;
        });
}

std::string SelectColumn(TADOConnection* DataBase, const AnsiString& Sql)
{
    TADOQuery query(nullptr);
    query.SetConnection(DataBase);
    query.SQL()->SetText(Sql);
    query.Open();
    std::string rows;
    for (; !query.Eof(); query.Next())
        rows += (rows.empty() ? "" : "|") + query.Fields()->Fields(0)->AsString();
    return rows;
}

std::string TNotesTest::Column(const AnsiString& Sql) { return SelectColumn(module_->DataBase(), Sql); }

// The notes database at a user's scale: 10,000 articles in 500 folders
// nested up to 6 levels, texts of 0.5 to 20 KB, 300 attachments. Opening
// and showing the tree, one article's actions, deleting a folder of about
// 1,000 nodes, saving a 10 KB article and a title search.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "app/db_module.h"
#include "app/node_dialogs.h"
#include "app/node_manager.h"
#include "app/node_tree.h"
#include "bench_support.h"
#include "editor_services/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/kernel/modal_answers.h"

namespace {

class TBenchFrame : public TWinControl, public INodeEditor {
public:
    explicit TBenchFrame(TWinControl* Host) : TWinControl(Host)
    {
        SetParent(Host);
        SetBounds(0, 0, 600, 400);
        editor_ = new TSynTextEditor(this);
        editor_->SetParent(this);
        editor_->SetBounds(0, 0, 600, 400);
    }
    int GetNodeID() override { return id_; }
    AnsiString GetNodeName() override { return name_; }
    void SetNodeID(int Id) override { id_ = Id; }
    void SetNodeName(const AnsiString& Name) override { name_ = Name; }
    TCustomSynTextEditor* GetEditor() override { return editor_; }
    void SetLanguage(const AnsiString&) override {}
    void Activate() override {}

private:
    TSynTextEditor* editor_;
    int id_ = 0;
    AnsiString name_;
};

// The main window's part: a tree, three lists and tabs on a shown host.
class TBenchWindow : public INodeManager, public INodeDialogs {
public:
    TBenchWindow() : host_(ShownHeadlessHost(800, 600))
    {
        tree_ = new TTreeView(host_.get());
        tree_->SetParent(host_.get());
        tree_->SetBounds(0, 0, 220, 600);
        for (TListView*& list : lists_) {
            list = new TListView(host_.get());
            list->SetParent(host_.get());
        }
    }
    ~TBenchWindow()
    {
        host_.reset();
        manager_.reset();
    }
    TCustomTreeView* GetNodeTree() override { return tree_; }
    TCustomListView* GetBookMarkList() override { return lists_[0]; }
    TCustomListView* GetAttachmentList() override { return lists_[1]; }
    TCustomListView* GetSearchList() override { return lists_[2]; }
    void ShowHint(const AnsiString&) override {}
    TCustomSynTextEditor* CreateEditor() override
    {
        auto* frame = new TBenchFrame(host_.get());
        manager_->AddEditor(frame->GetEditor());
        return frame->GetEditor();
    }
    void RemoveEditor(TCustomSynTextEditor* Editor) override { delete Editor->Owner(); }
    int GetEditorCount() override { return manager_->GetEditorCount(); }
    INodeEditor* GetEditors(int Index) override { return NodeEditorOf(manager_->GetEditors(Index)); }
    TCustomSynTextEditor* GetActiveEditor() override { return manager_->SynTextEditor(); }
    bool ExecuteNewNode(const AnsiString&, TNodeDialogValues& Values) override
    {
        Values.Title = "新文章 new";
        return true;
    }
    bool ExecuteNodeProperties(TNodeDialogValues&) override { return false; }

private:
    std::unique_ptr<TSynManager> manager_ = std::make_unique<TSynManager>(nullptr);
    std::unique_ptr<TBenchHost> host_;
    TTreeView* tree_;
    TListView* lists_[3];
};

const std::string& Folder()
{
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tandril-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            abort();
        return pattern + "/";
    }();
    return folder;
}

struct TBigDatabase {
    AnsiString FileName;
    int BigFolder = 0;  // a top folder holding about 1,000 nodes
};

void AppendNode(TADOQuery& Nodes, TADOQuery& Contents, int Id, int Parent, int Type, const AnsiString& Title,
                const AnsiString& Text)
{
    Nodes.Append();
    Nodes.FieldByName("标识")->SetAsInteger(Id);
    Nodes.FieldByName("名称")->SetAsString(Title);
    Nodes.FieldByName("目录")->SetAsInteger(Parent);
    Nodes.FieldByName("类型")->SetAsInteger(Type);
    Nodes.Post();
    Contents.Append();
    Contents.FieldByName("标识")->SetAsInteger(Id);
    Contents.FieldByName("内容")->SetAsString(Text);
    Contents.FieldByName("语言")->SetAsString("");
    Contents.FieldByName("配置")->SetAsString("");
    Contents.FieldByName("位置")->SetAsInteger(0);
    Contents.Post();
}

// Made once per program run; each benchmark works on a copy.
const TBigDatabase& BigDatabase()
{
    static const TBigDatabase database = [] {
        TBigDatabase made;
        made.FileName = Folder() + "big.vek";
        TBenchWindow window;
        {
            TDBModule module(nullptr, &window, &window, Folder() + "bench.ini", Folder());
            module.CreateDataBase(made.FileName);
        }
        TADOConnection connection(nullptr);
        connection.SetConnectionString("Data Source=" + made.FileName);
        connection.Open();
        connection.BeginTrans();
        TADOQuery nodes(nullptr), contents(nullptr), attachments(nullptr);
        for (TADOQuery* query : {&nodes, &contents, &attachments})
            query->SetConnection(&connection);
        nodes.SQL()->SetText("select * from Nodes");
        contents.SQL()->SetText("select * from Contents");
        attachments.SQL()->SetText("select * from Attachments");
        nodes.Open();
        contents.Open();
        attachments.Open();
        std::mt19937 random(7);
        std::vector<std::pair<int, int>> folders;  // (id, depth)
        int id = 0;
        // The big folder: 20 sub-folders of 49 articles each, 1,001 nodes.
        made.BigFolder = ++id;
        AppendNode(nodes, contents, id, 0, ntFolder, "大目录", "");
        for (int sub = 0; sub < 20; ++sub) {
            const int subId = ++id;
            AppendNode(nodes, contents, subId, made.BigFolder, ntFolder, "子目录", "");
            for (int a = 0; a < 49; ++a) {
                ++id;
                AppendNode(nodes, contents, id, subId, ntArticle, "文章 " + std::to_string(id), std::string(2000, 'b'));
            }
        }
        // 479 more folders, each under the top or under a folder less than
        // 6 levels deep.
        while (folders.size() < 479) {
            const auto [parentId, parentDepth] =
                folders.empty() || random() % 8 == 0 ? std::pair<int, int>{0, 0} : folders[random() % folders.size()];
            if (parentDepth >= 6)
                continue;
            ++id;
            AppendNode(nodes, contents, id, parentId, ntFolder, "目录 " + std::to_string(id), "");
            folders.push_back({id, parentDepth + 1});
        }
        std::string text;
        for (int article = 0; article < 9020; ++article) {
            const int parent = folders[random() % folders.size()].first;
            text.assign(500 + random() % 19500, 'x');
            for (size_t at = 0; at + 8 < text.size(); at += 80)
                text.replace(at, 8, "說門中\r\n");
            ++id;
            AppendNode(nodes, contents, id, parent, ntArticle, "文章標題 " + std::to_string(id), text);
            if (article % 30 == 0) {
                attachments.Append();
                attachments.FieldByName("名称")->SetAsString("file.bin");
                attachments.FieldByName("文档标识")->SetAsInteger(id);
                attachments.FieldByName("大小")->SetAsInteger(4096);
                attachments.FieldByName("数据")->SetAsString(std::string(4096, 'a'));
                attachments.Post();
            }
        }
        nodes.Close();
        contents.Close();
        attachments.Close();
        connection.CommitTrans();
        return made;
    }();
    return database;
}

// A fresh copy of the big database, opened with its tree loaded.
struct TOpenCopy {
    TBenchWindow Window;
    std::unique_ptr<TDBModule> Module;
    explicit TOpenCopy(const char* Name)
    {
        const AnsiString copy = Folder() + Name;
        std::filesystem::remove(copy);
        std::filesystem::copy_file(BigDatabase().FileName, copy);
        Module = std::make_unique<TDBModule>(nullptr, &Window, &Window, Folder() + "bench.ini", Folder());
        Module->OpenDataBase(copy);
        Module->LoadNodeTree();
    }
};

void BM_OpenAndShowTree(benchmark::State& state)
{
    BigDatabase();
    TBenchWindow window;
    TDBModule module(nullptr, &window, &window, Folder() + "bench.ini", Folder());
    for (auto _ : state) {
        module.OpenDataBase(BigDatabase().FileName);
        module.LoadNodeTree();
        window.GetNodeTree()->Repaint();
    }
    state.counters["nodes"] = double(window.GetNodeTree()->Items()->Count());
}
BENCHMARK(BM_OpenAndShowTree)->Unit(benchmark::kMillisecond);

void BM_NewArticle(benchmark::State& state)
{
    TOpenCopy open("new.vek");
    for (auto _ : state) {
        open.Module->NewNode(true);
        state.PauseTiming();
        open.Module->CloseAllNodes();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewArticle)->Unit(benchmark::kMillisecond);

void BM_RenameArticle(benchmark::State& state)
{
    TOpenCopy open("rename.vek");
    TTreeNode* node = FindTreeNode(open.Window.GetNodeTree()->Items(), 5000);
    int round = 0;
    for (auto _ : state) {
        AnsiString title = "改名 " + std::to_string(++round);
        open.Module->RenameNode(node, title);
    }
}
BENCHMARK(BM_RenameArticle)->Unit(benchmark::kMillisecond);

void BM_DeleteArticle(benchmark::State& state)
{
    TOpenCopy open("delete.vek");
    int id = 9000;
    for (auto _ : state) {
        TTreeNode* node = FindTreeNode(open.Window.GetNodeTree()->Items(), ++id);
        TModalAnswers::Push(1);
        open.Module->DeleteNode(node);
    }
}
BENCHMARK(BM_DeleteArticle)->Unit(benchmark::kMillisecond);

void BM_DeleteFolderOf1000Nodes(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto open = std::make_unique<TOpenCopy>("folder.vek");
        TTreeNode* folder = FindTreeNode(open->Window.GetNodeTree()->Items(), BigDatabase().BigFolder);
        TModalAnswers::Push(1);
        state.ResumeTiming();
        open->Module->DeleteNode(folder);
        state.PauseTiming();
        open.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteFolderOf1000Nodes)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Save10KBArticle(benchmark::State& state)
{
    TOpenCopy open("save.vek");
    TCustomSynTextEditor* editor = open.Module->OpenNode(6000);
    // Two texts in turn, so that every save changes the row.
    const std::string texts[2] = {std::string(10240, 'z'), std::string(10240, 'y')};
    int round = 0;
    for (auto _ : state) {
        editor->SetText(texts[++round % 2]);
        open.Module->SaveNode(editor);
    }
}
BENCHMARK(BM_Save10KBArticle)->Unit(benchmark::kMillisecond);

void BM_TitleSearch(benchmark::State& state)
{
    TOpenCopy open("search.vek");
    for (auto _ : state)
        open.Module->SearchNodes("標題 99");
    state.counters["hits"] = double(open.Window.GetSearchList()->Items()->Count());
}
BENCHMARK(BM_TitleSearch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Folder());
    return 0;
}

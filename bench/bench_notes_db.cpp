// The notes database at a user's scale: 10,000 articles in 500 folders
// nested up to 6 levels, texts of 0.5 to 20 KB, 300 attachments, 2,000
// bookmarks. Opening and showing the tree, one article's actions, deleting
// a folder of about 1,000 nodes (also in a file without the indexes on the
// node columns, as another program makes it), saving a 10 KB article, a
// title search, and compacting beside a plain rebuild of the same file.
// Deleting an article and a folder also in a file of 100,000 nodes with
// short texts, where a pass over every row would show. Saving a 100 MB
// article after one letter and closing its tab, each beside the engine
// writing a row of that size.
#include <benchmark/benchmark.h>

#include <time.h>

#include <filesystem>
#include <random>

#include "app/db_module.h"
#include "app/node_tree.h"
#include "editor/syn_text_commands.h"
#include "bench_large_c_text.h"
#include "bench_plain_row.h"
#include "bench_support.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/code_page.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_fields.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/kernel/modal_answers.h"
#include "tests/app/plain_node_window.h"

namespace {

// The plain window on a shown host of its own, made first and gone last.
struct TBenchHostHolder {
    std::unique_ptr<TBenchHost> Host = ShownHeadlessHost(800, 600);
};
class TBenchWindow : private TBenchHostHolder, public TPlainNodeWindow {
public:
    TBenchWindow() : TPlainNodeWindow(Host.get()) {}
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

// Makes an empty notes database FileName as the program makes one.
void MakeEmptyNotesFile(const AnsiString& FileName)
{
    TBenchWindow window;
    TDBModule module(nullptr, &window, &window, Folder() + "bench.ini", Folder());
    module.CreateDataBase(FileName);
}

// Opens Connection on the notes database FileName.
void OpenNotesFile(TADOConnection& Connection, const AnsiString& FileName)
{
    Connection.SetConnectionString("Data Source=" + FileName);
    Connection.Open();
}

// Made once per program run; each benchmark works on a copy.
const TBigDatabase& BigDatabase()
{
    static const TBigDatabase database = [] {
        TBigDatabase made;
        made.FileName = Folder() + "big.vek";
        MakeEmptyNotesFile(made.FileName);
        TADOConnection connection(nullptr);
        OpenNotesFile(connection, made.FileName);
        connection.BeginTrans();
        TADOQuery nodes(nullptr), contents(nullptr), attachments(nullptr), bookmarks(nullptr);
        for (TADOQuery* query : {&nodes, &contents, &attachments, &bookmarks})
            query->SetConnection(&connection);
        nodes.SQL()->SetText("select * from Nodes");
        contents.SQL()->SetText("select * from Contents");
        attachments.SQL()->SetText("select * from Attachments");
        bookmarks.SQL()->SetText("select * from Bookmarks");
        nodes.Open();
        contents.Open();
        attachments.Open();
        bookmarks.Open();
        auto addBookmark = [&](int Node) {
            bookmarks.Append();
            bookmarks.FieldByName("名称")->SetAsString("书签 " + std::to_string(Node));
            bookmarks.FieldByName("文档标识")->SetAsInteger(Node);
            bookmarks.FieldByName("文档名称")->SetAsString("文章");
            bookmarks.FieldByName("文档位置")->SetAsInteger(10);
            bookmarks.Post();
        };
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
                if (a % 5 == 0)
                    addBookmark(id);
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
        for (int i = 0; i < 1800; ++i)
            addBookmark(made.BigFolder + 1001 + static_cast<int>(random() % 9000));
        nodes.Close();
        contents.Close();
        attachments.Close();
        bookmarks.Close();
        connection.CommitTrans();
        return made;
    }();
    return database;
}

// The big database without the indexes the program adds on the node
// columns of the nodes, attachments and bookmarks (their keys stay).
const AnsiString& BigDatabaseWithoutIndexes()
{
    static const AnsiString fileName = [] {
        const AnsiString made = Folder() + "big-no-indexes.vek";
        std::filesystem::copy_file(BigDatabase().FileName, made);
        TADOConnection connection(nullptr);
        OpenNotesFile(connection, made);
        connection.Execute("DROP INDEX IX_ATTACHMENTS_文档标识; DROP INDEX IX_BOOKMARKS_文档标识; "
                           "DROP INDEX IX_NODES_目录");
        return made;
    }();
    return fileName;
}

constexpr int kHugeNodes = 100000;
constexpr int kHugeBigFolder = 1;

// 100,000 nodes: folder 1 holds 20 folders of 49 articles (1,001 nodes, as
// in the big database); 5,000 more folders (ids 1002-6001) ten to a parent
// under ten at the top; the other articles spread over them. Texts of 200
// bytes, a bookmark on every 50th article.
const AnsiString& HugeDatabase()
{
    static const AnsiString fileName = [] {
        const AnsiString made = Folder() + "huge.vek";
        MakeEmptyNotesFile(made);
        TADOConnection connection(nullptr);
        OpenNotesFile(connection, made);
        const std::string ids = "with recursive n(i) as (select 1 union all select i + 1 from n where i < " +
                                std::to_string(kHugeNodes) + ") ";
        connection.BeginTrans();
        connection.Execute(ids +
                           "insert into Nodes select i, '文章標題 ' || i, case when i = 1 then 0 when i <= 21 then 1 "
                           "when i <= 1001 then 2 + (i - 22) / 49 when i < 1012 then 0 when i <= 6001 then 1002 + "
                           "(i - 1012) / 10 else 1002 + i * 7919 % 5000 end, case when i = 1 or i between 2 and 21 "
                           "or i between 1002 and 6001 then 0 else 1 end from n");
        connection.Execute(ids + "insert into Contents select i, printf('%.200c', 'x'), '', '', 0 from n");
        connection.Execute(ids + "insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) select '书签', i, "
                                 "'文章', 10 from n where i % 50 = 0");
        connection.CommitTrans();
        return made;
    }();
    return fileName;
}

// A fresh copy of a database (the big one unless told), opened with its
// tree loaded.
struct TOpenCopy {
    TBenchWindow Window;
    std::unique_ptr<TDBModule> Module;
    explicit TOpenCopy(const char* Name, const AnsiString& Source = BigDatabase().FileName)
    {
        const AnsiString copy = Folder() + Name;
        std::filesystem::remove(copy);
        std::filesystem::copy_file(Source, copy);
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

// Deletes node Id of the open copy as the user does, and the tree paints;
// stops the benchmark when a row of it is left. Called and left with the
// timing paused.
void DeleteAndPaint(benchmark::State& state, TOpenCopy& Open, int Id)
{
    TTreeNode* node = FindTreeNode(Open.Window.GetNodeTree()->Items(), Id);
    TModalAnswers::Push(1);
    state.ResumeTiming();
    Open.Module->DeleteNode(node);
    Open.Window.GetNodeTree()->Repaint();
    state.PauseTiming();
    TADOQuery left(nullptr);
    left.SetConnection(Open.Module->DataBase());
    left.SQL()->SetText("select count(*) from Nodes where 标识=" + std::to_string(Id));
    left.Open();
    if (left.Fields()->Fields(0)->AsInteger() != 0)
        state.SkipWithError("the node was not deleted");
}

void DeleteArticles(benchmark::State& state, const AnsiString& Source, int FirstId)
{
    TOpenCopy open("delete.vek", Source);
    int id = FirstId;
    for (auto _ : state) {
        state.PauseTiming();
        DeleteAndPaint(state, open, ++id);
        state.ResumeTiming();
    }
}

void BM_DeleteArticle(benchmark::State& state) { DeleteArticles(state, BigDatabase().FileName, 9000); }
BENCHMARK(BM_DeleteArticle)->Unit(benchmark::kMillisecond);

void BM_DeleteArticleAt100000Nodes(benchmark::State& state) { DeleteArticles(state, HugeDatabase(), 90000); }
BENCHMARK(BM_DeleteArticleAt100000Nodes)->Unit(benchmark::kMillisecond);

void DeleteFolderOf1000Nodes(benchmark::State& state, const AnsiString& Source, int Folder)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto open = std::make_unique<TOpenCopy>("folder.vek", Source);
        DeleteAndPaint(state, *open, Folder);
        open.reset();
        state.ResumeTiming();
    }
}

void BM_DeleteFolderOf1000Nodes(benchmark::State& state)
{
    DeleteFolderOf1000Nodes(state, BigDatabase().FileName, BigDatabase().BigFolder);
}
BENCHMARK(BM_DeleteFolderOf1000Nodes)->Unit(benchmark::kMillisecond)->Iterations(5);

// The first deletion in such a file makes the parent index too.
void BM_DeleteFolderOf1000NodesWithoutIndexes(benchmark::State& state)
{
    DeleteFolderOf1000Nodes(state, BigDatabaseWithoutIndexes(), BigDatabase().BigFolder);
}
BENCHMARK(BM_DeleteFolderOf1000NodesWithoutIndexes)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DeleteFolderOf1000NodesAt100000Nodes(benchmark::State& state)
{
    DeleteFolderOf1000Nodes(state, HugeDatabase(), kHugeBigFolder);
}
BENCHMARK(BM_DeleteFolderOf1000NodesAt100000Nodes)->Unit(benchmark::kMillisecond)->Iterations(5);

// A fresh copy with its big folder deleted, as a user compacts it.
std::unique_ptr<TOpenCopy> CopyWithoutBigFolder(const char* Name)
{
    auto open = std::make_unique<TOpenCopy>(Name);
    TModalAnswers::Push(1);
    open->Module->DeleteNode(FindTreeNode(open->Window.GetNodeTree()->Items(), BigDatabase().BigFolder));
    return open;
}

double Seconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The engine's plain rebuild of the same file into a new one beside it,
// the least a crash-safe compaction can cost: its seconds and the size of
// the file it made.
std::pair<double, uintmax_t> PlainVacuumInto(const TOpenCopy& Open)
{
    const AnsiString target = Folder() + "vacuumed.vek";
    std::filesystem::remove(target);
    const double start = Seconds();
    Open.Module->DataBase()->Execute("VACUUM INTO '" + target + "'");
    const double seconds = Seconds() - start;
    const uintmax_t size = std::filesystem::file_size(target);
    std::filesystem::remove(target);
    return {seconds, size};
}

// Compacting as the user does it (the file closed, rebuilt beside itself,
// renamed over and opened again), and beside each, a plain VACUUM INTO of
// an identical copy: "x_vacuum_into" is how many times that one takes.
void BM_CompactDataBase(benchmark::State& state)
{
    double compacting = 0, plain = 0;
    bool compacted = true;
    for (auto _ : state) {
        state.PauseTiming();
        const auto [plainSeconds, plainSize] = PlainVacuumInto(*CopyWithoutBigFolder("plain.vek"));
        plain += plainSeconds;
        auto open = CopyWithoutBigFolder("compact.vek");
        const double start = Seconds();
        state.ResumeTiming();
        open->Module->CompactDataBase();
        state.PauseTiming();
        compacting += Seconds() - start;
        compacted = compacted && open->Module->Writable() &&
                    std::filesystem::file_size(open->Module->FileName()) == plainSize;
        open.reset();
        state.ResumeTiming();
    }
    if (!compacted)
        state.SkipWithError("the file was not compacted");
    state.counters["vacuum_into_ms"] = plain * 1000 / double(state.iterations());
    state.counters["x_vacuum_into"] = compacting / plain;
}
BENCHMARK(BM_CompactDataBase)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same file rebuilt by the engine's plain VACUUM in place, with the
// rollback journal: what a compaction of a file with other names (hard
// links) costs.
void BM_PlainVacuum(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto open = CopyWithoutBigFolder("vacuum.vek");
        open->Module->DataBase()->Execute("PRAGMA journal_mode=DELETE");
        state.ResumeTiming();
        open->Module->DataBase()->Execute("VACUUM");
        state.PauseTiming();
        open.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlainVacuum)->Unit(benchmark::kMillisecond)->Iterations(3);

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

// A file holding one article of the 100 MB text (id 1), and beside it the
// plain row of the same text.
const AnsiString& LargeArticleDatabase()
{
    static const AnsiString fileName = [] {
        const AnsiString made = Folder() + "large.vek";
        MakeEmptyNotesFile(made);
        TADOConnection connection(nullptr);
        OpenNotesFile(connection, made);
        connection.Execute("insert into Nodes values (1, '大文章', 0, 1)");
        connection.Execute("insert into Contents (标识, 内容, 语言, 配置, 位置) values (1, ?, '', '', 0)",
                           {TFieldValue::OfText(LargeCText())});
        AddPlainRow(&connection, LargeCText());
        return made;
    }();
    return fileName;
}

// Ctrl+S after one letter typed at the top of the 100 MB article:
// "x_plain_write" is how many times the engine's plain write of a row that
// size it takes.
void BM_Save100MBArticle(benchmark::State& state)
{
    TOpenCopy open("large-save.vek", LargeArticleDatabase());
    TCustomSynTextEditor* editor = open.Module->OpenNode(1);
    std::string utf8 = GbkToUtf8(LargeCText());
    double saving = 0, plain = 0;
    bool saved = true;
    for (auto _ : state) {
        state.PauseTiming();
        editor->CommandProcessor(ecChar, 'a', nullptr);
        utf8.insert(0, 1, 'a');
        plain += PlainRowWrite(open.Module->DataBase(), utf8);
        const double start = Seconds();
        state.ResumeTiming();
        saved = open.Module->SaveNode(editor) && saved;
        state.PauseTiming();
        saving += Seconds() - start;
        state.ResumeTiming();
    }
    saved = saved && !editor->Modified() &&
            open.Module->DataBase()->Execute("update Contents set 位置=0 where 标识=1 and 内容 like 'a%'") == 1;
    if (!saved)
        state.SkipWithError("the text was not saved");
    state.counters["plain_write_ms"] = plain * 1000 / double(state.iterations());
    state.counters["x_plain_write"] = saving / plain;
}
BENCHMARK(BM_Save100MBArticle)->Unit(benchmark::kMillisecond)->Iterations(3);

// Closing the unchanged tab of the 100 MB article, which stores its caret,
// language and options (the caret moved, so the row changes); opening it
// again is not counted. The caret stays in a byte (argument 0) or not (1):
// see CloseRoundCaret.
void BM_Close100MBArticle(benchmark::State& state)
{
    TOpenCopy open("large-close.vek", LargeArticleDatabase());
    // Closed once before, as any article is that was ever open: the row
    // holds the tab's language and options, and the caret at 7.
    TCustomSynTextEditor* before = open.Module->OpenNode(1);
    before->SetSelStart(7);
    open.Module->CloseNode(before);
    std::string utf8 = GbkToUtf8(LargeCText());
    double closing = 0, plain = 0;
    int caret = 0;
    bool stored = true;
    for (int round = 0; auto _ : state) {
        state.PauseTiming();
        TCustomSynTextEditor* editor = open.Module->OpenNode(1);
        caret = CloseRoundCaret(round++, state.range(0) != 0, utf8);
        editor->SetSelStart(caret);
        plain += PlainRowWrite(open.Module->DataBase(), utf8);
        const double start = Seconds();
        state.ResumeTiming();
        stored = open.Module->CloseNode(editor) && stored;
        state.PauseTiming();
        closing += Seconds() - start;
        state.ResumeTiming();
    }
    auto query = std::make_unique<TADOQuery>(nullptr);
    query->SetConnection(open.Module->DataBase());
    query->SQL()->SetText("select 位置 from Contents where 标识=1");
    query->Open();
    if (!stored || query->Fields()->Fields(0)->AsInteger() != caret)
        state.SkipWithError("the caret was not stored");
    state.counters["plain_write_ms"] = plain * 1000 / double(state.iterations());
    state.counters["x_plain_write"] = closing / plain;
}
BENCHMARK(BM_Close100MBArticle)->ArgName("resized")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(4);

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

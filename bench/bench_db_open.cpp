// Opening a notes database of 10,000 articles in 500 folders (texts of 0.5
// to 20 KB, 300 attachments): the open with its bounded structure check,
// the whole-file checks it bounds, and reading the node rows for the tree.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "platform/base/string_list.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/database_file.h"

namespace {

constexpr int Folders = 500;
constexpr int Articles = 10000;
constexpr int Attachments = 300;

std::string MakeText(std::mt19937& random, size_t bytes)
{
    static const char* pieces[] = {"int main() { return 0; }\n", "說明：這是一段中文門戶。\n", "for (i = 0; i < n; ++i)\n",
                                   "// 注釋 comment\n"};
    std::string text;
    while (text.size() < bytes)
        text += pieces[random() % 4];
    return text;
}

void Fill(TADOConnection& connection)
{
    std::mt19937 random(20261207);
    TADOQuery nodes(nullptr), contents(nullptr), attachments(nullptr);
    for (TADOQuery* q : {&nodes, &contents, &attachments})
        q->SetConnection(&connection);
    nodes.SQL()->SetText("select * from Nodes");
    contents.SQL()->SetText("select * from Contents");
    attachments.SQL()->SetText("select * from Attachments");
    connection.BeginTrans();
    nodes.Open();
    contents.Open();
    attachments.Open();
    for (int id = 1; id <= Folders + Articles; ++id) {
        const bool folder = id <= Folders;
        // Folders nest up to six levels: each hangs under one of the
        // folders made a level before it.
        const int parent = folder ? (id <= 6 ? id - 1 : static_cast<int>(random() % (id - 1)))
                                  : static_cast<int>(1 + random() % Folders);
        nodes.Append();
        nodes.FieldByName("标识")->SetAsInteger(id);
        nodes.FieldByName("名称")->SetAsString((folder ? "目錄 " : "文章 說門 ") + std::to_string(id));
        nodes.FieldByName("目录")->SetAsInteger(parent);
        nodes.FieldByName("类型")->SetAsInteger(folder ? 0 : 1);
        contents.Append();
        contents.FieldByName("标识")->SetAsInteger(id);
        contents.FieldByName("内容")->SetAsString(folder ? std::string() : MakeText(random, 500 + random() % 19980));
        contents.FieldByName("语言")->SetAsString("C++");
        contents.FieldByName("位置")->SetAsInteger(0);
    }
    for (int i = 0; i < Attachments; ++i) {
        attachments.Append();
        attachments.FieldByName("名称")->SetAsString("附件" + std::to_string(i) + ".bin");
        attachments.FieldByName("文档标识")->SetAsInteger(static_cast<int>(Folders + 1 + random() % Articles));
        attachments.FieldByName("数据")->SetAsString(std::string(4096 + random() % 200000, static_cast<char>(i)));
    }
    nodes.Post();
    contents.Post();
    attachments.Post();
    connection.CommitTrans();
}

// The folder of the benchmark file, removed at exit.
std::string BenchFolder;

// The benchmark file, made once per run in a temporary folder.
const std::string& NotesFile()
{
    static const std::string name = [] {
        BenchFolder = (std::filesystem::temp_directory_path() / "tandril-bench-XXXXXX").string();
        if (!mkdtemp(BenchFolder.data()))
            abort();
        const std::string file = BenchFolder + "/notes.vek";
        TStringList schema;
        schema.Add("CREATE TABLE NODES (标识 INT, 名称 VARCHAR, 目录 INT, 类型 INT, CONSTRAINT [PK_NODES] primary key nonclustered([标识]))");
        schema.Add("CREATE TABLE CONTENTS (标识 INT, 内容 TEXT, 语言 VARCHAR, 配置 TEXT, 位置 INT, CONSTRAINT [PK_CONTENTS] primary key nonclustered([标识]))");
        schema.Add("CREATE TABLE ATTACHMENTS (标识 COUNTER, 名称 VARCHAR, 文档标识 INT, 大小 INT, 时间 DATETIME, 数据 OLEOBJECT, CONSTRAINT [PK_ATTACHMENTS] primary key nonclustered([标识]))");
        schema.Add("CREATE TABLE BOOKMARKS (标识 COUNTER, 名称 VARCHAR, 文档标识 INT, 文档名称 VARCHAR, 文档位置 INT, Constraint [PK_BOOKMARKS] primary key nonclustered([标识]))");
        CreateDatabaseFile(file, &schema);
        TADOConnection connection(nullptr);
        connection.SetConnectionString("Data Source=" + file);
        connection.Open();
        Fill(connection);
        connection.Close();
        std::atexit([] { std::filesystem::remove_all(BenchFolder); });
        return file;
    }();
    return name;
}

void OpenedConnection(TADOConnection& connection)
{
    connection.SetConnectionString("Data Source=" + NotesFile());
    connection.Open();
}

void BM_OpenWithBoundedCheck(benchmark::State& state)
{
    NotesFile();
    state.counters["file MB"] = static_cast<double>(std::filesystem::file_size(NotesFile())) / 1e6;
    for (auto _ : state) {
        TADOConnection connection(nullptr);
        OpenedConnection(connection);
    }
}
BENCHMARK(BM_OpenWithBoundedCheck)->Unit(benchmark::kMillisecond);

// The same with the file out of the system's cache, as after a reboot: the
// check is then bound by the disk, and the time bound cuts it off.
void BM_OpenWithBoundedCheckCold(benchmark::State& state)
{
    NotesFile();
    for (auto _ : state) {
        state.PauseTiming();
        const int fd = ::open(NotesFile().c_str(), O_RDONLY);
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
        state.ResumeTiming();
        TADOConnection connection(nullptr);
        OpenedConnection(connection);
    }
}
BENCHMARK(BM_OpenWithBoundedCheckCold)->Unit(benchmark::kMillisecond);

// What the bound saves: the quick check of the whole file.
void BM_QuickCheckWholeFile(benchmark::State& state)
{
    TADOConnection connection(nullptr);
    OpenedConnection(connection);
    TADOQuery check(nullptr);
    check.SetConnection(&connection);
    check.SQL()->SetText("PRAGMA quick_check");
    for (auto _ : state) {
        check.Open();
        benchmark::DoNotOptimize(check.RecordCount());
        check.Close();
    }
}
BENCHMARK(BM_QuickCheckWholeFile)->Unit(benchmark::kMillisecond);

// The full check offered on demand.
void BM_IntegrityCheckOnDemand(benchmark::State& state)
{
    TADOConnection connection(nullptr);
    OpenedConnection(connection);
    for (auto _ : state)
        connection.CheckIntegrity();
}
BENCHMARK(BM_IntegrityCheckOnDemand)->Unit(benchmark::kMillisecond);

// Opening and reading every node row, as loading the tree does.
void BM_OpenAndReadNodes(benchmark::State& state)
{
    NotesFile();
    for (auto _ : state) {
        TADOConnection connection(nullptr);
        OpenedConnection(connection);
        TADOQuery nodes(nullptr);
        nodes.SetConnection(&connection);
        nodes.SQL()->SetText("select * from Nodes");
        nodes.Open();
        int64_t sum = nodes.RecordCount();
        for (; !nodes.Eof(); nodes.Next())
            sum += nodes.FieldByName("标识")->AsInteger() + nodes.FieldByName("名称")->AsString().size();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_OpenAndReadNodes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

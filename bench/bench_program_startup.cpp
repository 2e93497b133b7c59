// The program coming up and going down as start-up and shutdown run it:
// from nothing to the first painted main window on a database of 10,000
// articles (the tree loaded), and from the close of a window with 10
// articles open to the end of shutdown.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/db_module.h"
#include "app/editor_config_string.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "editor/syn_memo.h"
#include "platform/base/string_list.h"
#include "platform/db/database_file.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"

namespace {

// A settings folder and a database of Articles articles in ten folders,
// each with a few lines of text, made once per benchmark.
class TBenchFolder {
public:
    explicit TBenchFolder(int Articles)
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        folder_ = std::filesystem::temp_directory_path() / ("tandril-start-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        TStringList statements;
        for (const AnsiString& statement : NotesSchema())
            statements.Add(statement);
        TSynText options(nullptr);
        const AnsiString config = QuotedSqlText(EditorConfigToString(&options));
        for (int id = 1; id <= Articles; ++id) {
            const bool folder = id <= 10;
            const AnsiString parent = folder ? "0" : std::to_string(1 + id % 10);
            statements.Add("insert into Nodes (标识, 名称, 目录, 类型) values (" + std::to_string(id) + ", '說門 " +
                           std::to_string(id) + "', " + parent + ", " + (folder ? "0" : "1") + ")");
            statements.Add("insert into Contents (标识, 内容, 语言, 配置, 位置) values (" + std::to_string(id) +
                           ", 'int main()\r\n{\r\n    return 0; // 中文\r\n}\r\n', 'C/C++', '" + config + "', 0)");
        }
        CreateDatabaseFile(DataBase(), &statements);
    }
    ~TBenchFolder() { std::filesystem::remove_all(folder_); }

    AnsiString DataBase() const { return folder_.string() + "/notes.vek"; }
    TStartOptions Options() const
    {
        TStartOptions options;
        options.SettingsFolder = folder_.string() + "/settings/";
        options.TempDir = folder_.string() + "/temp/";
        options.DefaultDataBase = DataBase();
        return options;
    }

private:
    std::filesystem::path folder_;
};

// The first paint of the shown window and everything it waited for.
void ShowAndPaint()
{
    MainForm->Show();
    Application->ProcessMessages();
}

// The user's close through the message loop, then shutdown.
void CloseAndStop()
{
    PostMessage(MainForm->Handle(), WM_CLOSE, 0, 0);
    Application->Run();
    StopProgram();
}

void BM_StartToFirstPaintedWindow(benchmark::State& State)
{
    TBenchFolder folder(10000);
    for (auto _ : State) {
        StartProgram(folder.Options());
        ShowAndPaint();
        State.PauseTiming();
        if (MainForm->GetNodeTree()->Items()->Count() != 10000)
            State.SkipWithError("the tree is not loaded");
        CloseAndStop();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaintedWindow)->Unit(benchmark::kMillisecond);

void BM_ShutdownWithTenTabs(benchmark::State& State)
{
    TBenchFolder folder(100);
    for (auto _ : State) {
        State.PauseTiming();
        StartProgram(folder.Options());
        ShowAndPaint();
        for (int id = 11; id <= 20; ++id)
            DBModule->OpenNode(id);
        Application->ProcessMessages();
        State.ResumeTiming();
        CloseAndStop();
    }
}
BENCHMARK(BM_ShutdownWithTenTabs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

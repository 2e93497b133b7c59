// The main window at work: opening a 1 MB article into a new tab (the frame,
// its editor registered, the text loaded and painted) and closing it again;
// Enter in a 100 MB article as the program shows it, and opening and
// closing its tab;
// and switching the skin
// with 10 articles open, each tab repainted.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/node_manager.h"
#include "app/new_form.h"
#include "app/program_node_dialogs.h"
#include "bench/bench_large_c_text.h"
#include "bench/bench_plain_row.h"
#include "bench_support.h"
#include "editor/syn_memo.h"
#include "editor/syn_text_commands.h"
#include "editor_services/syn_text_editor.h"
#include "platform/db/ado_query.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"

namespace {

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The program's modules in start-up order on a fresh folder, the window
// shown; Articles articles made through the new-item dialog, their tabs
// closed.
class TBenchProgram {
public:
    explicit TBenchProgram(int Articles)
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        folder_ = std::filesystem::temp_directory_path() / ("tandril-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        const std::string folder = folder_.string() + "/";
        actions_ = std::make_unique<TActionModule>(nullptr, folder);
        ActionModule = actions_.get();
        window_ = std::make_unique<TMainForm>(nullptr);
        window_->AfterConstruction();
        dialogs_ = std::make_unique<TProgramNodeDialogs>(window_.get());
        module_ = std::make_unique<TDBModule>(nullptr, window_.get(), dialogs_.get(), folder + "tandril.ini",
                                              folder + "tmp");
        window_->LinkDBModule(module_.get());
        window_->Show();
        module_->CreateDataBase(folder + "notes.vek");
        module_->LoadNodeTree();
        for (int i = 0; i < Articles; ++i) {
            TModalAnswers::Push([i](const TModalRequest& Request) {
                static_cast<TNewForm*>(Request.Form)->Edit1->SetText("說門 " + std::to_string(i));
                return mrOk;
            });
            module_->NewNode(true);
        }
        module_->CloseAllNodes();
        Application->ProcessMessages();
    }

    ~TBenchProgram()
    {
        module_->CloseAllNodes();
        module_.reset();
        window_.reset();
        dialogs_.reset();
        actions_.reset();
        ActionModule = nullptr;
        std::filesystem::remove_all(folder_);
    }

    TDBModule* Module() const { return module_.get(); }
    TMainForm* Window() const { return window_.get(); }

private:
    std::filesystem::path folder_;
    std::unique_ptr<TActionModule> actions_;
    std::unique_ptr<TMainForm> window_;
    std::unique_ptr<TProgramNodeDialogs> dialogs_;
    std::unique_ptr<TDBModule> module_;
};

void BM_OpenOneMegabyteArticle(benchmark::State& State)
{
    TBenchProgram program(1);
    AnsiString text;
    for (int line = 0; text.size() < 1024 * 1024; ++line)
        text += "說門中文 int value" + std::to_string(line) + " = compute(value, 42); // 說明\r\n";
    {
        TCustomSynTextEditor* editor = program.Module()->OpenNode(1);
        editor->SetText(text);
        program.Module()->SaveNode(editor);
        program.Module()->CloseAllNodes();
    }
    for (auto _ : State) {
        TCustomSynTextEditor* editor = program.Module()->OpenNode(1);
        editor->Repaint();
        State.counters["lines"] = editor->Lines()->Count();
        State.PauseTiming();
        program.Module()->CloseAllNodes();
        Application->ProcessMessages();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_OpenOneMegabyteArticle)->Unit(benchmark::kMillisecond);

// A 100 MB C article of 1.5 M lines, stored as the program stores it (no
// line break after the last line), opened in its tab as C/C++ (folding on)
// or plain text, the caret put at the end of line 1,000 with the view
// there, and half a second of idle time; then Enter there, each with its
// paint, the line break taken back between them. The first Enter after the
// text is loaded and the median of the next ones are counted apart.
void BM_EnterIn100MBArticle(benchmark::State& State)
{
    const bool folding = State.range(0) != 0;
    TBenchProgram program(1);
    {
        AnsiString text = LargeCText();
        text.resize(text.size() - 2);
        TCustomSynTextEditor* editor = program.Module()->OpenNode(1);
        NodeEditorOf(editor)->SetLanguage(folding ? "C/C++" : "Text");
        editor->SetText(text);
        program.Module()->SaveNode(editor);
        program.Module()->CloseAllNodes();
    }
    constexpr int line = 1000;
    std::vector<double> firsts;
    std::vector<double> enters;
    for (auto _ : State) {
        State.PauseTiming();
        TCustomSynTextEditor* editor = program.Module()->OpenNode(1);
        editor->SetTopLine(line - 10);
        const AnsiString before = editor->Lines()->Strings(line - 1);
        const int count = editor->Lines()->Count();
        editor->SetCaretXY(BufferCoord(static_cast<int>(before.size()) + 1, line));
        program.Window()->Repaint();
        // Half a second of idle time, as a user takes before the first key.
        for (const double until = NowMs() + 500; NowMs() < until;)
            Application->ProcessMessages();
        State.ResumeTiming();
        for (int i = 0; i < 9; ++i) {
            State.PauseTiming();
            editor->SetCaretXY(BufferCoord(static_cast<int>(before.size()) + 1, line));
            Application->ProcessMessages();
            State.ResumeTiming();
            const double start = NowMs();
            editor->CommandProcessor(ecLineBreak, 0, nullptr);
            editor->Update();
            (i == 0 ? firsts : enters).push_back(NowMs() - start);
            Application->ProcessMessages();
            State.PauseTiming();
            if (editor->Lines()->Count() != count + 1)
                State.SkipWithError("Enter did not break the line");
            editor->Undo();
            State.ResumeTiming();
        }
        State.PauseTiming();
        program.Module()->CloseAllNodes();
        Application->ProcessMessages();
        State.ResumeTiming();
    }
    std::sort(firsts.begin(), firsts.end());
    std::sort(enters.begin(), enters.end());
    State.SetLabel(folding ? "C/C++, folding on" : "plain text");
    State.counters["first_enter_ms"] = firsts[firsts.size() / 2];
    State.counters["enter_ms"] = enters[enters.size() / 2];
}
BENCHMARK(BM_EnterIn100MBArticle)->ArgName("folding")->Arg(1)->Arg(0)->Iterations(2)->Unit(benchmark::kMillisecond);

// The seconds a bare editor, shown 1000 by 800 pixels, takes to set Text
// and paint it.
double BareSetTextAndPaint(const AnsiString& Text)
{
    std::unique_ptr<TBenchHost> host = ShownHeadlessHost(1000, 800);
    auto* memo = new TSynMemo(host.get());
    memo->SetBounds(0, 0, 1000, 800);
    memo->SetParent(host.get());
    memo->Update();
    const double start = NowMs();
    memo->SetText(Text);
    memo->Update();
    return (NowMs() - start) / 1000;
}

// The 100 MB C article as the program shows it (C/C++ with folding, or
// plain text): opened into its tab until the window is painted, beside a
// bare editor setting and painting the same text ("x_bare_set_text"); then
// its unchanged tab closed until the window is painted without it, the tab
// storing its caret, language and options, beside the engine writing that
// change of the row (CloseRoundCaret; "x_plain_write").
void BM_OpenAndClose100MBArticle(benchmark::State& State)
{
    TBenchProgram program(1);
    AnsiString text = LargeCText();
    {
        TCustomSynTextEditor* editor = program.Module()->OpenNode(1);
        NodeEditorOf(editor)->SetLanguage(State.range(0) != 0 ? "C/C++" : "Text");
        editor->SetText(text);
        program.Module()->SaveNode(editor);
        editor->SetSelStart(7);
        program.Module()->CloseAllNodes();
        AddPlainRow(program.Module()->DataBase(), text);
    }
    std::string utf8 = GbkToUtf8(text);
    double opening = 0, bare = 0, closing = 0, plain = 0;
    int caret = 0;
    for (int round = 0; auto _ : State) {
        State.PauseTiming();
        bare += BareSetTextAndPaint(text);
        malloc_trim(0);
        double start = NowMs();
        State.ResumeTiming();
        TCustomSynTextEditor* editor = program.Module()->OpenNode(1);
        program.Window()->Repaint();
        State.PauseTiming();
        opening += (NowMs() - start) / 1000;
        if (editor->Lines()->Count() < 1000000)
            State.SkipWithError("the article was not opened");
        Application->ProcessMessages();
        caret = CloseRoundCaret(round++, false, utf8);
        editor->SetSelStart(caret);
        plain += PlainRowWrite(program.Module()->DataBase(), utf8);
        start = NowMs();
        State.ResumeTiming();
        program.Module()->CloseNode(editor);
        program.Window()->Repaint();
        State.PauseTiming();
        closing += (NowMs() - start) / 1000;
        if (program.Window()->GetEditorCount() != 0)
            State.SkipWithError("the tab was not closed");
        malloc_trim(0);
        State.ResumeTiming();
    }
    TADOQuery query(nullptr);
    query.SetConnection(program.Module()->DataBase());
    query.SQL()->SetText("select 位置 from Contents where 标识=1");
    query.Open();
    if (query.Fields()->Fields(0)->AsInteger() != caret)
        State.SkipWithError("the caret was not stored");
    const auto rounds = double(State.iterations());
    State.SetLabel(State.range(0) != 0 ? "C/C++, folding on" : "plain text");
    State.counters["open_ms"] = opening * 1000 / rounds;
    State.counters["x_bare_set_text"] = opening / bare;
    State.counters["close_ms"] = closing * 1000 / rounds;
    State.counters["plain_write_ms"] = plain * 1000 / rounds;
    State.counters["x_plain_write"] = closing / plain;
}
BENCHMARK(BM_OpenAndClose100MBArticle)->ArgName("folding")->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_SwitchSkinWithTenTabs(benchmark::State& State)
{
    TBenchProgram program(10);
    for (int id = 1; id <= 10; ++id)
        program.Module()->OpenNode(id);
    TCustomAction* skins[] = {ActionModule->aSkin4, ActionModule->aSkin1};
    int next = 0;
    for (auto _ : State) {
        skins[next]->Execute();
        program.Window()->Repaint();
        next ^= 1;
    }
}
BENCHMARK(BM_SwitchSkinWithTenTabs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

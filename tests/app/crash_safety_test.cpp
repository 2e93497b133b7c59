// Crash safety of the notes database: a child process creates, saves,
// renames and deletes articles, telling the test before and after each
// action; the test kills it at a random moment, then finds the file sound
// and every acknowledged action in it (the one in flight either whole or
// not at all). A full disk makes a save fail, never succeed silently.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/node_tree.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/ui/kernel/modal_answers.h"
#include "tests/app/notes_test_support.h"
#include "tests/support/test_random.h"

namespace {

// id -> (title, text) of every node whose NODES and CONTENTS rows agree.
using TNotesState = std::map<int, std::pair<std::string, std::string>>;

double NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000 + double(ts.tv_nsec) / 1e6;
}

class TCrashSafetyTest : public TNotesTest {
protected:
    // Reads the file as a fresh process would: checks its structure, and
    // that no node has one row without the other.
    TNotesState ReadState()
    {
        TADOConnection connection(nullptr);
        connection.SetConnectionString("Data Source=" + Path("notes.vek"));
        connection.Open();
        connection.CheckIntegrity();
        TADOQuery query(nullptr);
        query.SetConnection(&connection);
        query.SQL()->SetText("select (select count(*) from Nodes), (select count(*) from Contents)");
        query.Open();
        const int nodes = query.Fields()->Fields(0)->AsInteger();
        EXPECT_EQ(nodes, query.Fields()->Fields(1)->AsInteger()) << "half a node";
        query.SQL()->SetText("select Nodes.标识, 名称, 内容 from Nodes, Contents where Nodes.标识=Contents.标识");
        query.Open();
        TNotesState state;
        for (; !query.Eof(); query.Next())
            state[query.Fields()->Fields(0)->AsInteger()] = {query.Fields()->Fields(1)->AsString(),
                                                            query.Fields()->Fields(2)->AsString()};
        EXPECT_EQ(int(state.size()), nodes);
        return state;
    }

    // The child: "open" as it starts, then random actions until it is
    // killed, each announced as "do <what> <id> <value>" and acknowledged
    // with "ok" once it returned.
    [[noreturn]] void RunChild(int Out, uint32_t Seed)
    {
        TRandom random(Seed);
        FILE* report = fdopen(Out, "w");
        setvbuf(report, nullptr, _IONBF, 0);
        fprintf(report, "open\n");
        TTestNodeManager window;
        TDBModule module(nullptr, &window, &window, Path("child.ini"), Path("tmp"));
        if (!module.OpenDataBase(Path("notes.vek")))
            _exit(2);
        module.LoadNodeTree();
        TTreeNodes* nodes = window.GetNodeTree()->Items();
        for (int step = 0;; ++step) {
            const int count = nodes->Count();
            const int action = count < 3 ? 0 : random.Below(count > 30 ? 4 : 3);
            const std::string value = (action == 1 ? "v" : "t") + std::to_string(Seed) + "說門" + std::to_string(step);
            if (action == 0) {
                const int id = MaxNodeId(module) + 1;
                fprintf(report, "do new %d %s\n", id, value.c_str());
                window.DialogAnswer = [&](const AnsiString&, TNodeDialogValues& Values) {
                    Values.Title = value;
                    Values.TopLevel = true;
                    return true;
                };
                module.NewNode(false);
            } else {
                TTreeNode* node = nodes->Item(random.Below(count));
                const int id = NodeIdOf(node);
                if (action == 1) {
                    const std::string text = value + std::string(size_t(random.Between(0, 8000)), 'x');
                    fprintf(report, "do save %d %s\n", id, text.c_str());
                    TCustomSynTextEditor* editor = module.OpenNode(id);
                    editor->SetText(text);
                    module.SaveNode(editor);
                } else if (action == 2) {
                    fprintf(report, "do rename %d %s\n", id, value.c_str());
                    AnsiString title = value;
                    module.RenameNode(node, title);
                    node->SetText(title);
                } else {
                    fprintf(report, "do delete %d -\n", id);
                    TModalAnswers::Push(1);
                    module.DeleteNode(node);
                }
            }
            fprintf(report, "ok\n");
        }
    }

    // The largest id the file ever held: ids are never given out twice.
    static int MaxNodeId(TDBModule& Module)
    {
        TADOQuery query(nullptr);
        query.SetConnection(Module.DataBase());
        query.SQL()->SetText("select max(ifnull((select max(标识) from Nodes), 0), " + AnsiString(kLargestNodeIdEver) +
                             ")");
        query.Open();
        return query.Fields()->Fields(0)->AsInteger();
    }

    // Applies one announced action to the model.
    static void Apply(TNotesState& State, const std::string& Line)
    {
        std::istringstream in(Line);
        std::string word, what, value;
        int id = 0;
        in >> word >> what >> id;
        std::getline(in >> std::ws, value);
        if (what == "new")
            State[id] = {value, ""};
        else if (what == "save")
            State[id].second = value;
        else if (what == "rename")
            State[id].first = value;
        else
            State.erase(id);
    }
};

}  // namespace

TEST_F(TCrashSafetyTest, EveryAcknowledgedChangeSurvivesAKill)
{
    CreateDataBase();
    ASSERT_TRUE(module_->CloseAllNodes());
    module_.reset();
    const char* cycles = getenv("TANDRIL_CRASH_CYCLES");
    const int count = cycles ? atoi(cycles) : 150;
    TRandom random(20261207);
    TNotesState state = ReadState();
    int acknowledged = 0;
    for (int cycle = 0; cycle < count; ++cycle) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const uint32_t seed = uint32_t(random.Below(1 << 30));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            // Nothing may return into the test's own code in the child.
            try {
                RunChild(pipeFds[1], seed);
            } catch (...) {
                _exit(5);
            }
        }
        close(pipeFds[1]);
        // Collect what the child tells until its random moment has come,
        // counted from its first word: on a loaded machine a child can take
        // longer than the whole moment just to start.
        std::string received;
        const double wait = random.Between(5, 150);
        double deadline = NowMs() + 30000;
        char buffer[65536];
        for (double now = NowMs(); now < deadline; now = NowMs()) {
            pollfd fd{pipeFds[0], POLLIN, 0};
            if (poll(&fd, 1, int(deadline - now) + 1) <= 0)
                continue;
            const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
            if (got <= 0)
                break;
            if (received.empty())
                deadline = NowMs() + wait;
            received.append(buffer, size_t(got));
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;
        for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            received.append(buffer, size_t(got));
        close(pipeFds[0]);

        // Lines cut by the kill are no announcement; an announced action
        // without its "ok" may have landed or not.
        std::istringstream lines(received);
        std::string line, pending;
        while (std::getline(lines, line)) {
            if (lines.eof())
                break;  // no newline: cut short
            if (line == "open")
                continue;
            if (line == "ok") {
                Apply(state, pending);
                pending.clear();
                ++acknowledged;
            } else {
                pending = line;
            }
        }
        const TNotesState found = ReadState();
        if (found != state) {
            ASSERT_FALSE(pending.empty()) << "cycle " << cycle << ": an acknowledged change is missing";
            Apply(state, pending);
            ASSERT_EQ(found, state) << "cycle " << cycle << ": neither before nor after " << pending;
        }
    }
    // On a loaded machine a child gets through fewer actions in its moment;
    // the kills still landed among real work unless hardly any was done.
    EXPECT_GT(acknowledged, count / 8) << "the children hardly got to work";
}

TEST_F(TCrashSafetyTest, AFullDiskFailsTheSaveAndKeepsTheOldText)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    window_->Frame(0)->GetEditor()->SetText("old");
    module_->SaveNode(window_->Frame(0)->GetEditor());
    ASSERT_TRUE(module_->CloseAllNodes());
    module_.reset();

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) try {
        TTestNodeManager window;
        TDBModule module(nullptr, &window, &window, Path("child.ini"), Path("tmp"));
        if (!module.OpenDataBase(Path("notes.vek")))
            _exit(2);
        // No file may grow by more than a few pages from now on.
        signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = std::filesystem::file_size(Path("notes.vek")) + 16384;
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        TCustomSynTextEditor* editor = module.OpenNode(id);
        editor->SetText(std::string(1 << 20, 'y'));
        try {
            module.SaveNode(editor);
        } catch (const Exception&) {
            _exit(editor->Modified() ? 3 : 4);
        }
        _exit(0);
    } catch (...) {
        _exit(5);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "0: the save reported success; 4: the text was marked saved";
    EXPECT_EQ(ReadState().at(id).second, "old");
}

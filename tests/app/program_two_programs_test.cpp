// Two whole programs on one notes file, each in a process of its own (the
// other one forked, told what to do through a pipe): the second to start
// says the file is open elsewhere; the same article opened in both and
// saved by the other first, Ctrl+S here asks before overwriting, and the
// other's next save asks in turn.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/db_module.h"
#include "app/main_form.h"
#include "app/node_tree.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/itemviews/tree_view.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_label.h"
#include "tests/app/notes_test_support.h"
#include "tests/app/program_test_support.h"

namespace {

constexpr const char* kSavedElsewhere = "已经被另一个程序保存过";

class TTwoProgramsRunTest : public TProgramTest {
protected:
    void TearDown() override
    {
        if (other_ > 0) {
            kill(other_, SIGKILL);
            waitpid(other_, nullptr, 0);
        }
        close(toOther_);
        close(fromOther_);
        TProgramTest::TearDown();
    }

    // The other program, forked before this one starts: it makes the notes
    // file with the article "說門 note" saved. Told "save", it types " +B"
    // at the end and presses Ctrl+S, answering a question "保留对方的", and
    // says what it then shows: the status, the text and the question.
    void StartOther()
    {
        int toOther[2], fromOther[2];
        ASSERT_EQ(pipe(toOther), 0);
        ASSERT_EQ(pipe(fromOther), 0);
        other_ = fork();
        ASSERT_GE(other_, 0);
        // Each keeps its own ends, so that a program gone ends the other's
        // reading.
        close(other_ > 0 ? toOther[0] : toOther[1]);
        close(other_ > 0 ? fromOther[1] : fromOther[0]);
        if (other_ > 0) {
            toOther_ = toOther[1];
            fromOther_ = fromOther[0];
            return;
        }
        const AnsiString dataFile = DataFile();
        folder_ += "/other";
        std::filesystem::create_directory(folder_);
        Start(dataFile);
        TCustomSynTextEditor* editor = NewArticle("說門 note");
        Type("說門中文");
        Stroke('S', InjectCtrl);
        Tell(fromOther[1], "ready");
        while (Hear(toOther[0]) == "save") {
            Stroke(VK_END, InjectCtrl);
            Type(" +B");
            AnswerBoxes(1, 2);
            Stroke('S', InjectCtrl);
            const std::vector<std::string> boxes = TakeBoxes();
            Tell(fromOther[1], Shown(editor) + "|" + (boxes.empty() ? "" : boxes[0]));
        }
        _exit(0);
    }

    static void Type(const AnsiString& Text)
    {
        Idle();
        InjectText(Text);
        Idle();
    }

    static std::string Shown(TCustomSynTextEditor* Editor)
    {
        return MainForm->StatusPanels[2]->Caption() + "|" + Editor->Text();
    }

    static void Tell(int Fd, const std::string& Line)
    {
        const std::string text = Line + "\n";
        ASSERT_EQ(write(Fd, text.data(), text.size()), ssize_t(text.size()));
    }

    // The next line from Fd ("" when none comes within 30 s).
    static std::string Hear(int Fd)
    {
        std::string line;
        for (char c = 0; c != '\n';) {
            pollfd ready{Fd, POLLIN, 0};
            if (poll(&ready, 1, 30000) != 1 || read(Fd, &c, 1) != 1)
                return {};
            if (c != '\n')
                line += c;
        }
        return line;
    }

    std::string AskOther(const std::string& Order)
    {
        Tell(toOther_, Order);
        return Hear(fromOther_);
    }

    std::string Stored() { return SelectColumn(DBModule->DataBase(), "select 内容 from Contents"); }

    pid_t other_ = 0;
    int toOther_ = -1, fromOther_ = -1;
};

}  // namespace

TEST_F(TTwoProgramsRunTest, NeitherProgramLosesASaveToTheOtherWithoutAQuestion)
{
    StartOther();
    ASSERT_EQ(Hear(fromOther_), "ready");

    // This program starts second, and says the file is open elsewhere.
    AnswerBoxes(1);
    Start(DataFile());
    std::vector<std::string> boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("已经被另一个程序（可能是另一个 Tandril）打开"), std::string::npos) << boxes[0];

    TCustomSynTextEditor* editor = DBModule->OpenNode(NodeIdOf(MainForm->GetNodeTree()->Items()->Item(0)));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "說門中文");
    Stroke(VK_END, InjectCtrl);
    Type(" +A");

    // The other saves first: it is asked nothing.
    EXPECT_EQ(AskOther("save"), "正常|說門中文 +B|");
    EXPECT_EQ(Stored(), "說門中文 +B");

    // Ctrl+S here asks; cancelled, nothing is written and the text is
    // still shown as changed.
    AnswerBoxes(1, 3);
    Stroke('S', InjectCtrl);
    boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(kSavedElsewhere), std::string::npos) << boxes[0];
    EXPECT_EQ(Stored(), "說門中文 +B");
    EXPECT_EQ(MainForm->StatusPanels[2]->Caption(), "修改");

    // "覆盖" writes this program's text.
    AnswerBoxes(1, 1);
    Stroke('S', InjectCtrl);
    EXPECT_EQ(TakeBoxes().size(), 1u);
    EXPECT_EQ(Stored(), "說門中文 +A");
    EXPECT_EQ(MainForm->StatusPanels[2]->Caption(), "正常");

    // The other's next save is asked about in turn; keeping this one's
    // save, it shows that text.
    const std::string other = AskOther("save");
    EXPECT_EQ(other.substr(0, other.find('|', other.find('|') + 1)), "正常|說門中文 +A");
    EXPECT_NE(other.find(kSavedElsewhere), std::string::npos) << other;
    EXPECT_EQ(Stored(), "說門中文 +A");

    Tell(toOther_, "quit");
    int status = -1;
    ASSERT_EQ(waitpid(other_, &status, 0), other_);
    other_ = 0;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    CloseAndStop();
}

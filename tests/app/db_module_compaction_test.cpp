// Compacting a notes file: the program holds the file right after it as
// from any opening; killed while it copies, its copies go at the next open
// or compaction; failing for want of room, it says why and the file and the
// tabs stay as they were.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/db/ado_connection.h"
#include "platform/db/database_file.h"
#include "platform/db/open_elsewhere.h"
#include "platform/ui/kernel/modal_answers.h"
#include "tests/app/notes_test_support.h"
#include "tests/platform/base/file_size_limit.h"

namespace fs = std::filesystem;

namespace {

class TNotesCompactionTest : public TNotesTest {
protected:
    // An article of a million bytes, 8 MB of attachments and 12 MB deleted
    // again: a file whose compaction copies for a while, and more than the
    // engine keeps in memory, so pages reach the copy before its first
    // one. Returns the article's id.
    int MakeFileWithRoomToGiveBack()
    {
        CreateDataBase();
        const int id = NewNode(true, "說門");
        TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
        editor->SetText(std::string(1000000, 'x'));
        module_->SaveNode(editor);
        for (int i = 0; i < 20; ++i)
            module_->ExecSQL("insert into Attachments (名称, 文档标识, 大小, 数据) values ('x', 0, 0, randomblob(1000000))");
        module_->ExecSQL("delete from Attachments where 标识 > 8");
        return id;
    }

    // The names of the compaction copies and their companions in the folder.
    std::vector<std::string> Copies() const
    {
        std::vector<std::string> copies;
        for (const auto& entry : fs::directory_iterator(folder_))
            if (entry.path().filename().string().starts_with(".~tandril-db-"))
                copies.push_back(entry.path().filename().string());
        return copies;
    }

    // Compacts the file in another process and kills it (kill -9) once its
    // copy holds Bytes bytes; false when the compaction ended first.
    bool KillCompactionWhileItCopies(uintmax_t Bytes)
    {
        const std::vector<std::string> earlier = Copies();
        const pid_t child = fork();
        if (child == 0) {
            try {
                CompactDatabaseFile(Path("notes.vek"));
            } catch (...) {
            }
            _exit(0);
        }
        while (waitpid(child, nullptr, WNOHANG) == 0) {
            for (const std::string& name : Copies()) {
                std::error_code error;
                if (name.ends_with(".tmp") && std::ranges::find(earlier, name) == earlier.end() &&
                    fs::file_size(folder_ + name, error) >= Bytes) {
                    kill(child, SIGKILL);
                    waitpid(child, nullptr, 0);
                    return true;
                }
            }
        }
        return false;
    }
};

// Whether another program starting now would be told that the file is
// open elsewhere.
bool SeenOpenByAnotherProgram(const std::string& Path)
{
    const pid_t other = fork();
    if (other == 0)
        _exit(OpenElsewhere(Path) ? 1 : 0);
    int status = 0;
    waitpid(other, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

std::string FirstBytes(const std::string& Path, size_t Count)
{
    std::string bytes(Count, '\0');
    std::ifstream(Path, std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(Count));
    return bytes;
}

}  // namespace

TEST_F(TNotesCompactionTest, TheFileIsHeldFromTheMomentItIsOpenAfterACompactionToo)
{
    // Nothing read after each step: a second program opening the file then
    // is told, and its compaction is refused.
    const struct {
        const char* Step;
        std::function<void(TDBModule*)> Run;
    } steps[] = {
        {"create", [this](TDBModule* module) { module->CreateDataBase(Path("notes.vek")); }},
        {"open", [this](TDBModule* module) { module->OpenDataBase(Path("notes.vek")); }},
        {"compact", [](TDBModule* module) { module->CompactDataBase(); }},
        {"compact again", [](TDBModule* module) { module->CompactDataBase(); }},
    };
    for (const auto& step : steps) {
        step.Run(module_.get());
        ASSERT_TRUE(module_->Writable()) << step.Step;
        EXPECT_TRUE(SeenOpenByAnotherProgram(Path("notes.vek"))) << step.Step;
    }
    EXPECT_EQ(Boxes, std::vector<std::string>{});
}

TEST_F(TNotesCompactionTest, CopiesOfCompactionsKilledWhileCopyingGoAtTheNextOpenOrCompaction)
{
    const struct {
        const char* Step;
        std::function<void(TDBModule*)> Run;
    } steps[] = {
        {"open", [this](TDBModule* module) { module->OpenDataBase(Path("notes.vek")); }},
        {"compact",
         [](TDBModule* module) {
             module->DataBase()->Open();
             module->CompactDataBase();
         }},
    };
    const int id = MakeFileWithRoomToGiveBack();
    for (const auto& step : steps) {
        ASSERT_TRUE(module_->CloseAllNodes());
        module_->DataBase()->Close();
        // The copy is left with its journal, not yet a database: its first
        // page is written last.
        ASSERT_TRUE(KillCompactionWhileItCopies(256 * 1024)) << step.Step;
        const std::vector<std::string> left = Copies();
        ASSERT_FALSE(left.empty()) << step.Step;
        for (const std::string& name : left)
            EXPECT_TRUE(!name.ends_with(".tmp") || FirstBytes(folder_ + name, 16) == std::string(16, '\0')) << name;
        AnswerBoxes({1, 1});
        step.Run(module_.get());
        EXPECT_EQ(Copies(), std::vector<std::string>{}) << step.Step;
        EXPECT_EQ(Boxes, std::vector<std::string>{}) << step.Step;
        TCustomSynTextEditor* editor = module_->OpenNode(id);
        ASSERT_NE(editor, nullptr) << step.Step;
        EXPECT_EQ(editor->Text(), std::string(1000000, 'x')) << step.Step;
        TModalAnswers::Clear();
    }
}

TEST_F(TNotesCompactionTest, ACompactionStoppedByAFileSizeLimitSaysSoAndChangesNothing)
{
    const int id = MakeFileWithRoomToGiveBack();
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    module_->DataBase()->Close();
    std::ifstream in(Path("notes.vek"), std::ios::binary);
    const std::string before{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    module_->DataBase()->Open();
    AnswerBoxes({1});
    {
        // Above the log's index, below the compacted copy.
        TFileSizeLimit limit(256 * 1024);
        module_->CompactDataBase();
    }
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_TRUE(Boxes[0].starts_with("压缩文章库失败，文章库没有改变。\r\n\r\n数据库操作失败。\r\n\r\n详细信息："))
        << Boxes[0];
    EXPECT_EQ(Copies(), std::vector<std::string>{});
    module_->DataBase()->Close();
    std::ifstream after(Path("notes.vek"), std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(after), std::istreambuf_iterator<char>()) == before);
    // The session goes on writing, its tab included.
    module_->DataBase()->Open();
    ASSERT_TRUE(module_->Writable());
    editor->SetText("after the failed compaction");
    module_->SaveNode(editor);
    EXPECT_EQ(Column("select 内容 from Contents where 标识=" + std::to_string(id)), "after the failed compaction");
}

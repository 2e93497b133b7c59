// Database files: the translated schema, creating without overwriting or
// leaving anything behind, damaged and foreign files, failed writes,
// compaction and the removal of stale temporary files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/base/code_page.h"
#include "platform/db/db_errors.h"
#include "tests/platform/db/db_test_support.h"

namespace {

namespace fs = std::filesystem;

// Makes every write past Bytes in any file fail (as a full disk does) while
// it lives.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t Bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    sighandler_t oldHandler_;
};

class DbFileTest : public NotesDbTest {};

TEST_F(DbFileTest, TheSchemaIsTranslatedWithKeysAndIndexes)
{
    std::vector<AnsiString> sql;
    for (TADOQuery* q = Select("select sql from sqlite_master where sql is not null order by rowid"); !q->Eof(); q->Next())
        sql.push_back(q->Fields()->Fields(0)->AsString());
    EXPECT_EQ(sql, (std::vector<AnsiString>{
                       "CREATE TABLE NODES (标识 INT NOT NULL, 名称 VARCHAR, 目录 INT, 类型 INT, CONSTRAINT [PK_NODES] primary key ([标识]))",
                       "CREATE TABLE CONTENTS (标识 INT NOT NULL, 内容 TEXT, 语言 VARCHAR, 配置 TEXT, 位置 INT, CONSTRAINT [PK_CONTENTS] primary key ([标识]))",
                       "CREATE TABLE ATTACHMENTS (标识 INTEGER PRIMARY KEY AUTOINCREMENT, 名称 VARCHAR, 文档标识 INT, 大小 INT, 时间 DATETIME, 数据 BLOB)",
                       "CREATE TABLE sqlite_sequence(name,seq)",
                       "CREATE INDEX \"IX_ATTACHMENTS_文档标识\" ON \"ATTACHMENTS\" (\"文档标识\")",
                       "CREATE TABLE BOOKMARKS (标识 INTEGER PRIMARY KEY AUTOINCREMENT, 名称 VARCHAR, 文档标识 INT, 文档名称 VARCHAR, 文档位置 INT)",
                       "CREATE INDEX \"IX_BOOKMARKS_文档标识\" ON \"BOOKMARKS\" (\"文档标识\")",
                   }));
    EXPECT_EQ(Scalar("PRAGMA journal_mode"), "wal");
    EXPECT_EQ(Scalar("PRAGMA synchronous"), "2");  // FULL
    // Other statements run as they are.
    EXPECT_EQ(Execute("insert into Nodes values (1, 'x', 0, 1)"), 1);
    EXPECT_EQ(Execute("update Nodes set 名称='y' where 标识=1"), 1);
}

TEST_F(DbFileTest, CreatingNeverReplacesAFileAndLeavesNothingOnFailure)
{
    const std::string before = ReadBytes(FileName());
    TStringList schema;
    AddNotesSchema(&schema);
    connection_->Close();
    try {
        CreateDatabaseFile(FileName(), &schema);
        FAIL() << "created over an existing file";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("exists"), AnsiString::npos) << e.Message();
    }
    EXPECT_EQ(ReadBytes(FileName()), before);

    // A statement that fails (here the last one) leaves no file at all.
    schema.Add("CREATE TABLE NODES (x INT)");
    EXPECT_THROW(CreateDatabaseFile(Folder() + "second.vek", &schema), EDatabaseError);
    EXPECT_EQ(FolderNames(Folder()), std::vector<std::string>{"notes.vek"});

    // So does a disk that fills up on the way.
    schema.Delete(schema.Count() - 1);
    {
        TFileSizeLimit full(8192);
        EXPECT_THROW(CreateDatabaseFile(Folder() + "third.vek", &schema), EDatabaseError);
    }
    EXPECT_EQ(FolderNames(Folder()), std::vector<std::string>{"notes.vek"});

    // A Chinese name is a UTF-8 name on disk.
    CreateDatabaseFile(Folder() + "說門.vek", &schema);
    EXPECT_TRUE(fs::exists(Folder() + GbkToUtf8("說門.vek")));
    EXPECT_EQ(FolderNames(Folder()).size(), 2u);
}

TEST_F(DbFileTest, AFailedWriteIsReportedAndLosesNothingCommitted)
{
    TADOQuery* q = Select("select * from Attachments");
    q->Append();
    q->FieldByName("名称")->SetAsString("kept");
    q->Post();
    q->Close();
    const auto size = fs::file_size(FileName()) + fs::file_size(FileName() + "-wal");
    {
        TFileSizeLimit full(size + 4096);
        q = Select("select * from Attachments");
        q->Append();
        q->FieldByName("名称")->SetAsString("lost");
        q->FieldByName("数据")->SetAsString(std::string(1 << 20, 'x'));
        EXPECT_THROW(q->Post(), EDatabaseError);
        q->Cancel();
        q->Close();
        connection_->BeginTrans();
        Execute("insert into Nodes values (1, 'lost', 0, 1)");
        // The engine writes when its cache fills or at the commit; either
        // way the failure surfaces.
        EXPECT_THROW(
            {
                Execute("insert into Contents (标识, 内容) values (1, '" + std::string(3 << 20, 'y') + "')");
                connection_->CommitTrans();
            },
            EDatabaseError);
        if (connection_->InTransaction())
            connection_->RollbackTrans();
    }
    Reconnect();
    connection_->CheckIntegrity();
    EXPECT_EQ(Scalar("select group_concat(名称) from Attachments"), "kept");
    EXPECT_EQ(Scalar("select count(*) from Nodes"), "0");
}

TEST_F(DbFileTest, DamagedAndForeignFilesAreRefusedClearly)
{
    connection_->Close();
    auto refuses = [&](const std::string& name, const char* why) {
        TADOConnection other(nullptr);
        other.SetConnectionString("Data Source=\"" + name + "\";Mode=ReadWrite");
        try {
            other.Open();
            ADD_FAILURE() << name << " opened";
        } catch (const EDatabaseFileError& e) {
            EXPECT_NE(e.Message().find(why), AnsiString::npos) << e.Message();
        }
        EXPECT_FALSE(other.Connected());
    };
    WriteBytes(Folder() + "text.vek", "Not a database at all, just some text that is long enough.");
    refuses(Folder() + "text.vek", "这个文件不是数据库");
    WriteBytes(Folder() + "empty.vek", "");
    refuses(Folder() + "empty.vek", "这个文件不是数据库");

    // A page of a table overwritten with rubbish.
    std::string bytes = ReadBytes(FileName());
    for (size_t i = 4096; i < 4096 + 200; ++i)
        bytes[i] = static_cast<char>(0x5A);
    WriteBytes(Folder() + "damaged.vek", bytes);
    refuses(Folder() + "damaged.vek", "损坏");

    TADOConnection missing(nullptr);
    missing.SetConnectionString("Data Source=" + Folder() + "missing.vek");
    EXPECT_THROW(missing.Open(), EDatabaseError);
    EXPECT_FALSE(fs::exists(Folder() + "missing.vek"));
}

TEST_F(DbFileTest, CompactingShrinksTheFileAndKeepsTheRows)
{
    TADOQuery* q = Select("select * from Attachments");
    for (int i = 0; i < 20; ++i) {
        q->Append();
        q->FieldByName("名称")->SetAsString("附件" + std::to_string(i));
        q->FieldByName("数据")->SetAsString(std::string(100000, static_cast<char>('a' + i)));
    }
    q->Post();
    Execute("Delete from Attachments where 标识 > 2");
    connection_->Close();
    const auto before = fs::file_size(FileName());
    CompactDatabaseFile(FileName());
    EXPECT_LT(fs::file_size(FileName()), before / 4);
    connection_->Open();
    connection_->CheckIntegrity();
    q->SetConnection(connection_.get());
    EXPECT_EQ(Scalar("select group_concat(名称 || length(数据)) from Attachments"), "附件0100000,附件1100000");
}

TEST_F(DbFileTest, ACompactionKilledAnywhereLeavesTheOldContentOrTheNew)
{
    TADOQuery* q = Select("select * from Attachments");
    for (int i = 0; i < 40; ++i) {
        q->Append();
        q->FieldByName("名称")->SetAsString("附件" + std::to_string(i));
        q->FieldByName("数据")->SetAsString(std::string(50000, static_cast<char>('a' + i % 26)));
    }
    q->Post();
    Execute("Delete from Attachments where 标识 % 2 = 0");
    const AnsiString rows = Scalar("select group_concat(名称 || length(数据)) from Attachments");
    connection_->Close();
    const auto before = fs::file_size(FileName());
    // Killed at times spread over a compaction's run, the last one late
    // enough to let it finish.
    for (int delayMs : {0, 2, 5, 10, 20, 40, 80, 1000}) {
        const pid_t child = fork();
        if (child == 0) {
            CompactDatabaseFile(FileName());
            _exit(0);
        }
        usleep(static_cast<useconds_t>(delayMs) * 1000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        connection_->Open();
        connection_->CheckIntegrity();
        q->SetConnection(connection_.get());
        EXPECT_EQ(Scalar("select group_concat(名称 || length(数据)) from Attachments"), rows) << delayMs;
        connection_->Close();
    }
    EXPECT_LT(fs::file_size(FileName()), before * 3 / 4);  // the last one finished
    // What a killed compaction left beside the file goes with the next one.
    CompactDatabaseFile(FileName());
    std::vector<std::string> left = FolderNames(Folder());
    EXPECT_EQ(left, std::vector<std::string>{"notes.vek"});
}

TEST_F(DbFileTest, StaleTemporaryFilesGoButOnesInUseStay)
{
    const std::string stale = Folder() + "~dbabc123.tmp";
    const std::string busy = Folder() + "~dbzzz999.tmp";
    WriteBytes(stale, "half a database");
    WriteBytes(stale + "-journal", "its journal");
    WriteBytes(busy, "being made");
    WriteBytes(Folder() + "~dbshort.tmp", "not our naming");
    const int fd = ::open(busy.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    RemoveStaleTemporaryFiles(FileName());
    ::close(fd);
    std::vector<std::string> left = FolderNames(Folder());
    std::erase_if(left, [](const std::string& name) { return !name.starts_with("~db"); });
    EXPECT_EQ(left, (std::vector<std::string>{"~dbshort.tmp", "~dbzzz999.tmp"}));
}

}  // namespace

// Opening a database file without changing what is not to be changed: a
// refused file and the log a killed writer left beside it stay byte for
// byte, a file or folder that can't be written opens for reading and leaves
// nothing beside the file, a journal a crash left is rolled back or the
// file refused saying what must be writable, an open that meets another
// program's compaction opens its copy or says to open again, and any file
// name reaches the engine as it is.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "platform/db/db_errors.h"
#include "tests/platform/base/ordinary_user.h"
#include "tests/platform/db/db_test_support.h"

namespace {

namespace fs = std::filesystem;

// Runs Statements on FileName in another program that is then killed.
void WriteAndDie(const std::string& FileName, const std::vector<AnsiString>& Statements)
{
    ASSERT_TRUE(TOtherProgramConnection(FileName, Statements).Ready);
    ASSERT_TRUE(fs::exists(FileName + "-wal") && fs::exists(FileName + "-shm"));
}

// Leaves beside FileName the journal of a change a killed writer was half
// way through, in rollback mode: some of its pages already in the file.
void WriteHalfAndDie(const std::string& FileName)
{
    const pid_t child = fork();
    if (child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(FileName.c_str(), &db);
        sqlite3_exec(db,
                     "PRAGMA journal_mode=DELETE; PRAGMA cache_size=1; BEGIN;"
                     "WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                     "INSERT INTO Nodes SELECT i, printf('%.1000c', 'x'), 0, 1 FROM n;",
                     nullptr, nullptr, nullptr);
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    ASSERT_GT(fs::file_size(FileName + "-journal"), 0u);
}

class DbOpenTest : public NotesDbTest {
protected:
    // The size and a hash of the file and of each file the engine keeps beside
    // it ("-" for one that is not there).
    static std::map<std::string, std::string> Fingerprints(const std::string& FileName)
    {
        std::map<std::string, std::string> prints;
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
            const std::string name = FileName + suffix;
            prints[suffix] = fs::exists(name) ? std::to_string(fs::file_size(name)) + " bytes, hash " +
                                                    std::to_string(std::hash<std::string>()(ReadBytes(name)))
                                              : "-";
        }
        return prints;
    }
    // A connection on FileName with the tables of the notes program
    // required, not yet open.
    static std::unique_ptr<TADOConnection> NotesConnection(const std::string& FileName)
    {
        auto connection = std::make_unique<TADOConnection>(nullptr);
        connection->SetConnectionString("Data Source=" + FileName);
        for (const char* table : {"NODES", "CONTENTS", "ATTACHMENTS", "BOOKMARKS"})
            connection->RequiredTables.push_back({table, {"标识"}});
        return connection;
    }
    // Opens FileName for reading only and reports what went otherwise: the
    // rows of Nodes must read Rows, writes must be refused, and the file and
    // everything beside it must stay as they were.
    static std::string ReadsWithoutChanging(const std::string& FileName, const std::string& Rows)
    {
        const auto before = Fingerprints(FileName);
        const auto names = FolderNames(FolderOf(FileName));
        std::string problems;
        try {
            auto connection = NotesConnection(FileName);
            connection->Open();
            if (!connection->ReadOnly())
                problems += "opened for writing\n";
            TADOQuery query(nullptr);
            query.SetConnection(connection.get());
            query.SQL()->SetText("select group_concat(名称) from Nodes");
            query.Open();
            if (query.Fields()->Fields(0)->AsString() != Rows)
                problems += "read " + query.Fields()->Fields(0)->AsString() + "\n";
            query.Close();
            try {
                connection->Execute("delete from Nodes");
                problems += "written\n";
            } catch (const EDatabaseWriteRefused& e) {
                if (e.Message().find("只读") == AnsiString::npos)
                    problems += "refused with " + e.Message() + "\n";
            }
        } catch (const Exception& e) {
            problems += "raised " + e.Message() + "\n";
        }
        if (Fingerprints(FileName) != before)
            problems += "the file or what lies beside it changed\n";
        if (FolderNames(FolderOf(FileName)) != names)
            problems += "files were left beside it\n";
        return problems;
    }
    static std::string FolderOf(const std::string& FileName) { return FileName.substr(0, FileName.rfind('/') + 1); }
};

TEST_F(DbOpenTest, ARefusedFileAndTheLogAKilledWriterLeftStayByteForByte)
{
    // A foreign file in log mode, its writer killed with its changes in the
    // log: not a notes database.
    const std::string foreign = Folder() + "foreign.vek";
    {
        TStringList schema;
        schema.Add("create table foo(a)");
        CreateDatabaseFile(foreign, &schema);
    }
    WriteAndDie(foreign, {"insert into foo values (randomblob(200000))", "insert into foo values (1)"});
    // A notes file damaged in a page the log doesn't hold, with changes
    // pending in the log.
    Execute("insert into Nodes values (1, 'a', 0, 1)");
    connection_->Close();
    WriteAndDie(FileName(), {"insert into Bookmarks (名称) values ('" + std::string(100000, 'b') + "')"});
    std::string bytes = ReadBytes(FileName());
    for (size_t i = 4096; i < 4096 + 200; ++i)
        bytes[i] = static_cast<char>(0x5A);
    WriteBytes(FileName(), bytes);

    for (const auto& [name, why] : {std::pair{foreign, "缺少表 NODES"}, std::pair{FileName(), "损坏"}}) {
        const auto before = Fingerprints(name);
        auto connection = NotesConnection(name);
        try {
            connection->Open();
            ADD_FAILURE() << name << " opened";
        } catch (const EDatabaseFileError& e) {
            EXPECT_NE(e.Message().find(why), AnsiString::npos) << e.Message();
        }
        EXPECT_EQ(Fingerprints(name), before) << name;
    }
}

TEST_F(DbOpenTest, AReadOnlyFileOpensForReadingAndLeavesNothingBeside)
{
    Execute("insert into Nodes values (1, 'a', 0, 1)");
    connection_->Close();
    ::chmod(FileName().c_str(), 0444);
    EXPECT_EQ(ReadsWithoutChanging(FileName(), "a"), "");
    EXPECT_EQ(FolderNames(Folder()), std::vector<std::string>{"notes.vek"});
    // Made writable again, it is written as any file.
    ::chmod(FileName().c_str(), 0644);
    connection_->Open();
    EXPECT_FALSE(connection_->ReadOnly());
    Execute("insert into Nodes values (2, 'b', 0, 1)");
    connection_->Close();
    EXPECT_EQ(FolderNames(Folder()), std::vector<std::string>{"notes.vek"});

    // A log cut after its header (its writer killed before a change reached
    // it), or with no header of the engine's, holds nothing to read.
    WriteAndDie(FileName(), {"insert into Nodes values (3, 'c', 0, 1)"});
    const std::string header = ReadBytes(FileName() + "-wal").substr(0, 32);
    ::chmod(FileName().c_str(), 0444);
    for (const std::string& log : {header, std::string(5000, 'x')}) {
        WriteBytes(FileName() + "-wal", log);
        EXPECT_EQ(ReadsWithoutChanging(FileName(), "a,b"), "");
    }
}

TEST_F(DbOpenTest, ALogOrIndexBesideTheFileThatCantBeWrittenMakesItReadOnlyAndNamesIt)
{
    Execute("insert into Nodes values (1, 'a', 0, 1)");
    connection_->Close();
    // A read-only file whose writer was killed with a change in its log,
    // and whose log's index is gone: read without making a new index.
    WriteAndDie(FileName(), {"insert into Nodes values (2, 'b', 0, 1)"});
    fs::remove(FileName() + "-shm");
    ::chmod(FileName().c_str(), 0444);
    const std::string problems = AsOrdinaryUser(Folder(), [&] {
        std::string problems = ReadsWithoutChanging(FileName(), "a,b");
        // Made writable, it opens for writing and takes writes.
        ::chmod(FileName().c_str(), 0644);
        auto connection = NotesConnection(FileName());
        connection->Open();
        if (connection->ReadOnly())
            problems += "read-only once writable: " + connection->ReadOnlyBecause() + "\n";
        else
            connection->Execute("insert into Nodes values (3, 'c', 0, 1)");
        // A log or index another user's program (or an older version)
        // left that can't be written: the file opens for reading, saying
        // which it is, rather than failing at every write.
        for (const char* suffix : {"-shm", "-wal"}) {
            const std::string beside = FileName() + suffix;
            ::chmod(beside.c_str(), 0444);
            auto reader = NotesConnection(FileName());
            reader->Open();
            if (reader->ReadOnlyBecause() != beside)
                problems += std::string(suffix) + ": read-only because of '" + reader->ReadOnlyBecause() + "'\n";
            ::chmod(beside.c_str(), 0644);
        }
        return problems;
    });
    if (problems.starts_with("skip: "))
        GTEST_SKIP() << problems;
    EXPECT_EQ(problems, "");
}

TEST_F(DbOpenTest, AFileInAFolderThatCantBeWrittenOpensForReading)
{
    Execute("insert into Nodes values (1, 'a', 0, 1)");
    connection_->Close();
    // Three folders: a file alone; a file whose writer was killed with a
    // change in its log (read through the log's index, which stays as it
    // is); and one whose log lost its index (read into memory, as no writer
    // can be attached to the log without one).
    const std::string alone = Folder() + "alone/notes.vek", logged = Folder() + "logged/notes.vek",
                      lost = Folder() + "lost/notes.vek";
    for (const std::string& name : {alone, logged, lost}) {
        fs::create_directory(FolderOf(name));
        fs::copy_file(FileName(), name);
    }
    for (const std::string& name : {logged, lost})
        WriteAndDie(name, {"insert into Nodes values (2, 'logged', 0, 1)"});
    fs::remove(lost + "-shm");
    for (const std::string& name : {alone, logged, lost})
        fs::permissions(FolderOf(name), fs::perms(0555));

    const std::string problems = AsOrdinaryUser(Folder(), [&] {
        return ReadsWithoutChanging(alone, "a") + ReadsWithoutChanging(logged, "a,logged") +
               ReadsWithoutChanging(lost, "a,logged");
    });
    if (problems.starts_with("skip: "))
        GTEST_SKIP() << problems;
    EXPECT_EQ(problems, "");
}

TEST_F(DbOpenTest, AJournalACrashLeftIsRolledBackOrTheFileRefusedNamingWhatMustBeWritable)
{
    Execute("insert into Nodes values (1, 'a', 0, 1)");
    connection_->Close();
    // Another user's journal, in a folder the user may write; a folder the
    // user may not write; a file without a write bit, which even root's
    // program does not write.
    const std::string journal = Folder() + "journal/notes.vek", folder = Folder() + "folder/notes.vek",
                      file = Folder() + "file/notes.vek";
    for (const std::string& name : {journal, folder, file}) {
        fs::create_directory(FolderOf(name));
        fs::copy_file(FileName(), name);
        WriteHalfAndDie(name);
    }
    const bool anotherUser = lchown((journal + "-journal").c_str(), 12345, 12345) == 0;
    fs::permissions(FolderOf(folder), fs::perms(0555));
    ::chmod(file.c_str(), 0444);
    auto refusal = [&](const std::string& Name, const std::string& Blocker) {
        const auto before = Fingerprints(Name);
        std::string problems;
        try {
            NotesConnection(Name)->Open();
            problems += Name + " opened\n";
        } catch (const EDatabaseError& e) {
            const std::string told = "文件旁边留有上次没有写完的日志“notes.vek-journal”（写入时程序被中断了），"
                                     "要先把它并入数据库才能打开，这需要写入" + Blocker + "。请让" + Blocker +
                                     "可以写入，然后再打开；之后可以再把它改回只读。";
            if (e.Message().find(told) == AnsiString::npos)
                problems += Name + " refused with " + e.Message() + "\n";
        }
        if (Fingerprints(Name) != before)
            problems += Name + " changed\n";
        return problems;
    };
    EXPECT_EQ(refusal(file, "数据库文件“" + file + "”"), "");
    const std::string problems = AsOrdinaryUser(Folder(), [&] {
        return refusal(folder, "文件夹“" + FolderOf(folder) + "”") +
               (anotherUser ? refusal(journal, "日志“" + journal + "-journal”") : "");
    });
    if (!problems.starts_with("skip: ")) {
        EXPECT_EQ(problems, "");
    }
    // Made writable, the file opens with the half change rolled back.
    ::chmod(file.c_str(), 0644);
    auto connection = NotesConnection(file);
    connection->Open();
    EXPECT_FALSE(connection->ReadOnly());
    EXPECT_FALSE(fs::exists(file + "-journal"));
    TADOQuery query(nullptr);
    query.SetConnection(connection.get());
    query.SQL()->SetText("select group_concat(名称) from Nodes");
    query.Open();
    EXPECT_EQ(query.Fields()->Fields(0)->AsString(), "a");
}

TEST_F(DbOpenTest, AnOpenThatMeetsAnotherProgramsCompactionOpensItsCopyOrSaysToOpenAgain)
{
    Execute("insert into Nodes values (1, 'old', 0, 1)");
    connection_->Close();
    const std::string compacted = Folder() + "compacted.vek";
    fs::copy_file(FileName(), compacted);
    {
        auto copy = NotesConnection(compacted);
        copy->Open();
        copy->Execute("update Nodes set 名称 = 'compacted'");
    }
    // The other program has taken the file to itself, as a compaction does
    // before it renames its copy over the file, and renames it after
    // HeldMs.
    const struct {
        int HeldMs;
        const char* Refusal;  // nullptr: the copy is opened
    } cases[] = {
        {300, nullptr},
        {5500, "另一个程序独占着这个文件（比如另一个 Tandril 正在压缩它），等了 5 秒还没有放开。请稍后再打开一次。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.HeldMs);
        fs::copy_file(compacted, compacted + ".new", fs::copy_options::overwrite_existing);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t compaction = fork();
        if (compaction == 0) {
            sqlite3* db = nullptr;
            sqlite3_open(FileName().c_str(), &db);
            if (sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;",
                             nullptr, nullptr, nullptr) == SQLITE_OK &&
                write(ready[1], "!", 1) == 1) {
                usleep(static_cast<useconds_t>(c.HeldMs) * 1000);
                std::rename((compacted + ".new").c_str(), FileName().c_str());
            }
            _exit(0);
        }
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        std::string refusal, read;
        try {
            auto opened = NotesConnection(FileName());
            opened->Open();
            TADOQuery query(nullptr);
            query.SetConnection(opened.get());
            query.SQL()->SetText("select 名称 from Nodes");
            query.Open();
            read = query.Fields()->Fields(0)->AsString();
        } catch (const EDatabaseError& e) {
            refusal = e.Message();
        }
        waitpid(compaction, nullptr, 0);
        close(ready[0]);
        close(ready[1]);
        EXPECT_EQ(refusal, c.Refusal ? "不能打开数据库“" + FileName() + "”。\r\n\r\n详细信息：" + c.Refusal : "");
        EXPECT_EQ(read, c.Refusal ? "" : "compacted");
    }
}

TEST_F(DbOpenTest, AReadOnlySessionNeverCallsAFileAnotherProgramChangedDamaged)
{
    // A file larger than the engine keeps in memory, so that the session
    // reads pages of it from disk after the other program has written.
    TADOQuery* q = Select("select * from Contents");
    for (int i = 1; i <= 100; ++i) {
        Execute("insert into Nodes values (" + std::to_string(i) + ", 'old', 0, 1)");
        q->Append();
        q->FieldByName("标识")->SetAsInteger(i);
        q->FieldByName("内容")->SetAsString(std::string(100000, char('a' + i % 26)));
    }
    q->Post();
    connection_->Close();
    // Read-only for two reasons: the file, or the folder.
    const std::string shut = Folder() + "shut/notes.vek";
    fs::create_directory(Folder() + "shut");
    fs::copy_file(FileName(), shut);
    ::chmod(FileName().c_str(), 0444);
    fs::permissions(Folder() + "shut", fs::perms(0555));

    const std::string problems = AsOrdinaryUser(Folder(), [&] {
        std::string problems;
        for (const std::string& name : {FileName(), shut}) {
            auto session = NotesConnection(name);
            session->Open();
            TADOQuery read(nullptr);
            read.SetConnection(session.get());
            const auto rows = [&](const AnsiString& Sql) {
                read.Close();
                read.SQL()->SetText(Sql);
                read.Open();
                std::string all;
                for (; !read.Eof(); read.Next())
                    all += read.Fields()->Fields(0)->AsString() + ",";
                read.Close();
                return all;
            };
            rows("select 名称 from Nodes where 标识 < 3");
            // Another program, allowed to write, rebuilds the file.
            ::chmod(name.c_str(), 0644);
            fs::permissions(FolderOf(name), fs::perms(0755));
            const pid_t writer = fork();
            if (writer == 0) {
                TADOConnection other(nullptr);
                other.SetConnectionString("Data Source=" + name);
                other.Open();
                other.Execute("delete from Contents where 标识 % 3 = 0");
                other.Execute("update Nodes set 名称 = 'new'");
                other.Execute("vacuum");
                other.Close();
                _exit(0);
            }
            waitpid(writer, nullptr, 0);
            ::chmod(name.c_str(), 0444);
            fs::permissions(Folder() + "shut", fs::perms(0555));
            // Reading on: what the session read still, the new content, or
            // word of the change; never damage. Then the new content.
            std::string seen;
            for (int attempt = 0; attempt < 2; ++attempt) {
                try {
                    seen = rows("select 名称 || length(内容) from Nodes join Contents using (标识) where 标识 < 4");
                    seen += rows("select count(*) from Contents");
                    session->CheckIntegrity();
                } catch (const EDatabaseFileError& e) {
                    problems += name + ": called damaged: " + e.Message().substr(0, 300) + "\n";
                } catch (const EDatabaseError& e) {
                    if (attempt == 1 || e.Message().find("刚被其他程序修改过") == AnsiString::npos)
                        problems += name + ": " + e.Message() + "\n";
                }
            }
            if (seen != "new100000,new100000,67,")
                problems += name + ": read " + seen + "\n";
            if (!session->ReadOnly())
                problems += name + ": no longer read-only\n";
        }
        return problems;
    });
    if (problems.starts_with("skip: "))
        GTEST_SKIP() << problems;
    EXPECT_EQ(problems, "");
}

TEST_F(DbOpenTest, AnyFileNameReachesTheEngineAsItIs)
{
    connection_->Close();
    // Characters that mean something to the engine's URIs.
    const std::string name = Folder() + "50%?#x=1.vek";
    fs::rename(FileName(), name);
    auto connection = NotesConnection(name);
    connection->Open();
    connection->Execute("insert into Nodes values (1, 'a', 0, 1)");
    connection->Close();
    ::chmod(name.c_str(), 0444);
    EXPECT_EQ(ReadsWithoutChanging(name, "a"), "");
    EXPECT_EQ(FolderNames(Folder()), std::vector<std::string>{"50%?#x=1.vek"});
}

}  // namespace

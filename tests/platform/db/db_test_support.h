// A notes database in a fresh folder for each test: the four tables the
// notes program creates, in the program's own Jet statements, and a
// connection and query on the file; the names in a folder; and another
// program, which may be killed, holding a connection on a file or whatever
// else a test has it hold.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "platform/base/string_list.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/database_file.h"
#include "tests/platform/base/temp_folder.h"

inline void AddNotesSchema(TStrings* Schema)
{
    Schema->Add("CREATE TABLE NODES (标识 INT, 名称 VARCHAR, 目录 INT, 类型 INT, CONSTRAINT [PK_NODES] primary key nonclustered([标识]))");
    Schema->Add("CREATE TABLE CONTENTS (标识 INT, 内容 TEXT, 语言 VARCHAR, 配置 TEXT, 位置 INT, CONSTRAINT [PK_CONTENTS] primary key nonclustered([标识]))");
    Schema->Add("CREATE TABLE ATTACHMENTS (标识 COUNTER, 名称 VARCHAR, 文档标识 INT, 大小 INT, 时间 DATETIME, 数据 OLEOBJECT, CONSTRAINT [PK_ATTACHMENTS] primary key nonclustered([标识]))");
    Schema->Add("CREATE TABLE BOOKMARKS (标识 COUNTER, 名称 VARCHAR, 文档标识 INT, 文档名称 VARCHAR, 文档位置 INT, Constraint [PK_BOOKMARKS] primary key nonclustered([标识]))");
}

inline std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Another program: a child process that runs Body, which calls Hold once
// it has got where it should stay; the child is killed when this goes, as
// a program is by a crash or kill -9.
class TOtherProgram {
public:
    explicit TOtherProgram(const std::function<void(const std::function<void()>& Hold)>& Body)
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        child_ = fork();
        if (child_ == 0) {
            Body([&] {
                if (write(ready[1], "!", 1) == 1)
                    pause();
            });
            _exit(1);
        }
        char answer = 0;
        close(ready[1]);
        Ready = child_ > 0 && read(ready[0], &answer, 1) == 1;
        close(ready[0]);
    }
    ~TOtherProgram()
    {
        if (child_ <= 0)
            return;
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    TOtherProgram(const TOtherProgram&) = delete;
    TOtherProgram& operator=(const TOtherProgram&) = delete;

    // Whether the child got where it stays.
    bool Ready = false;

private:
    pid_t child_ = -1;
};

// A connection on FileName in another program: it runs Statements and then
// holds the file until this goes, leaving beside the file what a killed
// writer leaves (its log, with every change it committed, and the log's
// index). Made while this process has no connection on the file: a child
// inherits the engine's memory of the locks its parent holds, but not the
// locks. Ready: the file is open and the statements ran.
class TOtherProgramConnection : public TOtherProgram {
public:
    explicit TOtherProgramConnection(const std::string& FileName, const std::vector<AnsiString>& Statements = {})
        : TOtherProgram([&](const std::function<void()>& Hold) {
              try {
                  TADOConnection connection(nullptr);
                  connection.SetConnectionString("Data Source=" + FileName);
                  connection.Open();
                  for (const AnsiString& statement : Statements)
                      connection.Execute(statement);
                  Hold();
              } catch (...) {
              }
          })
    {
    }
};

class NotesDbTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        fileName_ = Folder() + "notes.vek";
        TStringList schema;
        AddNotesSchema(&schema);
        CreateDatabaseFile(fileName_, &schema);
        connection_ = std::make_unique<TADOConnection>(nullptr);
        connection_->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=" + fileName_ +
                                         ";Mode=ReadWrite;Extended Properties=\"\";Jet OLEDB:SFP=False");
        connection_->Open();
        query_ = std::make_unique<TADOQuery>(nullptr);
        query_->SetConnection(connection_.get());
    }
    void TearDown() override
    {
        query_.reset();
        connection_.reset();
        TempFolderTest::TearDown();
    }

    // Sets the query's statement and opens it.
    TADOQuery* Select(const AnsiString& Sql)
    {
        query_->Close();
        query_->SQL()->SetText(Sql);
        query_->Open();
        return query_.get();
    }
    int Execute(const AnsiString& Sql) { return connection_->Execute(Sql); }
    // The one value a statement returns, as text.
    AnsiString Scalar(const AnsiString& Sql)
    {
        AnsiString value = Select(Sql)->Fields()->Fields(0)->AsString();
        query_->Close();
        return value;
    }
    void Reconnect()
    {
        connection_->Close();
        connection_->Open();
        query_->SetConnection(connection_.get());
    }

    const std::string& FileName() const { return fileName_; }

    std::string fileName_;
    std::unique_ptr<TADOConnection> connection_;
    std::unique_ptr<TADOQuery> query_;
};

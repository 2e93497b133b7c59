// Rows written through the query come back exactly: GBK text, integers,
// dates and blobs; the auto-number, transactions and LIKE on Chinese text.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/base/code_page.h"
#include "platform/base/date_time.h"
#include "platform/base/streams.h"
#include "platform/base/sys_utils.h"
#include "platform/db/db_errors.h"
#include "tests/platform/db/db_test_support.h"

namespace {

class DbQueryTest : public NotesDbTest {
protected:
    void AddNode(int id, const AnsiString& title, int parent = 0, int type = 1)
    {
        TADOQuery* q = Select("select * from Nodes");
        q->Append();
        q->FieldByName("标识")->SetAsInteger(id);
        q->FieldByName("名称")->SetAsString(title);
        q->FieldByName("目录")->SetAsInteger(parent);
        q->FieldByName("类型")->SetAsInteger(type);
        q->Post();
        q->Close();
    }
    // Appends an attachment and returns the auto-number it got.
    int AddAttachment(const AnsiString& name, const std::string& bytes, int node = 1)
    {
        TADOQuery* q = Select("select * from Attachments");
        q->Append();
        q->FieldByName("名称")->SetAsString(name);
        q->FieldByName("文档标识")->SetAsInteger(node);
        q->FieldByName("大小")->SetAsInteger(static_cast<int>(bytes.size()));
        TStringStream data(bytes);
        static_cast<TBlobField*>(q->FieldByName("数据"))->LoadFromStream(&data);
        q->Post();
        const int id = q->FieldByName("标识")->AsInteger();
        q->Close();
        return id;
    }
    std::vector<AnsiString> Titles(const AnsiString& Sql)
    {
        std::vector<AnsiString> titles;
        for (TADOQuery* q = Select(Sql); !q->Eof(); q->Next())
            titles.push_back(q->FieldByName("名称")->AsString());
        query_->Close();
        return titles;
    }
};

TEST_F(DbQueryTest, TextIntegersAndDatesComeBackAsWritten)
{
    // GBK characters whose trail bytes are ASCII ('f', 'T', '@', '\\'), a
    // lead byte as trail byte (中), quotes and line breaks.
    const AnsiString title = "說門這乗中 'it''s' \"q\"";
    const AnsiString text = "第一行\r\n說 = \"門\";\n\t'中'";
    AddNode(7, title, 3, 0);
    TADOQuery* q = Select("select * from Contents");
    q->Append();
    q->FieldByName("标识")->SetAsInteger(7);
    q->FieldByName("内容")->SetAsString(text);
    q->FieldByName("语言")->SetAsString("C++");
    q->FieldByName("位置")->SetAsInteger(-12345678);
    q->Post();
    const TDateTime when = EncodeDate(2026, 2, 28) + EncodeTime(23, 59, 58, 123);
    q = Select("select * from Attachments");
    q->Append();
    q->FieldByName("时间")->SetAsDateTime(when);
    q->Post();
    Reconnect();

    q = Select("select nodes.名称, nodes.目录, contents.* from nodes, contents where nodes.标识=7 and contents.标识=7");
    ASSERT_FALSE(q->Eof());
    EXPECT_EQ(q->FieldByName("名称")->AsString(), title);
    EXPECT_EQ(q->FieldByName("目录")->AsInteger(), 3);
    EXPECT_EQ(q->FieldByName("内容")->AsString(), text);
    EXPECT_EQ(q->FieldByName("语言")->AsString(), "C++");
    EXPECT_EQ(q->FieldByName("位置")->AsInteger(), -12345678);
    EXPECT_TRUE(q->FieldByName("配置")->IsNull());
    EXPECT_EQ(q->FieldByName("配置")->AsString(), "");
    q = Select("select 时间 from Attachments");
    EXPECT_DOUBLE_EQ(q->FieldByName("时间")->AsDateTime(), when);
    EXPECT_EQ(q->FieldByName("时间")->DataType(), ftDateTime);
    // The stored form, as other tools see it.
    EXPECT_EQ(Scalar("select cast(时间 as text) || '|' || typeof(时间) from Attachments"), "2026-02-28 23:59:58.123|text");
    EXPECT_EQ(Scalar("select length(名称) from Nodes"), "17");  // characters, not GBK bytes
}

TEST_F(DbQueryTest, TextWithBytesThatAreNoGbkIsStoredAsValidUtf8)
{
    // Bytes that start no GBK character, through a field and inside the
    // statement's own text: other readers of the file refuse a row that is
    // not UTF-8, so each is stored as U+FFFD, and reads back as '?'.
    const AnsiString broken = "bad \xFF\xFE\x80\xC3 tail \xD6";
    AddNode(1, broken);
    Execute("insert into Nodes (标识, 名称, 目录, 类型) values (2, '說\x80門\xFF', 0, 1)");
    EXPECT_EQ(Scalar("select hex(名称) from Nodes where 标识 = 1"),
              "626164" "20" "EFBFBD" "EFBFBD" "EFBFBD" "EFBFBD" "207461696C20" "EFBFBD");
    EXPECT_EQ(Scalar("select hex(名称) from Nodes where 标识 = 2"), "E8AAAA" "EFBFBD" "E99680" "EFBFBD");
    Reconnect();
    EXPECT_EQ(Titles("select 名称 from Nodes order by 标识"), (std::vector<AnsiString>{"bad ???? tail ?", "說?門?"}));
}

TEST_F(DbQueryTest, BlobsComeBackByteForByteThroughFilesAndStreams)
{
    std::string bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += static_cast<char>((static_cast<unsigned>(i) * 7919u) >> 3);
    bytes[5] = '\0';
    const std::string source = Folder() + "source.bin";
    WriteBytes(source, bytes);
    TADOQuery* q = Select("select * from Attachments");
    q->Append();
    static_cast<TBlobField*>(q->FieldByName("数据"))->LoadFromFile(source);
    q->Post();
    const int first = q->FieldByName("标识")->AsInteger();
    q->Close();
    const int empty = AddAttachment("empty", "");
    Reconnect();

    q = Select("select * from Attachments where 标识=" + std::to_string(first));
    auto* data = static_cast<TBlobField*>(q->FieldByName("数据"));
    EXPECT_EQ(data->BlobSize(), static_cast<int64_t>(bytes.size()));
    data->SaveToFile(Folder() + "copy.bin");
    EXPECT_EQ(ReadBytes(Folder() + "copy.bin"), bytes);
    TStringStream stream("head:");
    stream.Seek(0, soEnd);
    data->SaveToStream(&stream);
    EXPECT_EQ(stream.DataString(), "head:" + bytes);
    q = Select("select * from Attachments where 标识=" + std::to_string(empty));
    EXPECT_EQ(static_cast<TBlobField*>(q->FieldByName("数据"))->BlobSize(), 0);
}

TEST_F(DbQueryTest, WalkingRowsInOrderAndCountingThem)
{
    AddNode(3, "c");
    AddNode(1, "a");
    AddNode(2, "b");
    TADOQuery* q = Select("select * from Nodes order by 标识");
    EXPECT_EQ(q->RecordCount(), 3);
    EXPECT_EQ(q->FieldByName("名称")->AsString(), "a");
    q->Next();
    q->Next();
    EXPECT_FALSE(q->Eof());
    EXPECT_EQ(q->FieldByName("名称")->AsString(), "c");
    q->Next();
    EXPECT_TRUE(q->Eof());
    EXPECT_EQ(q->FieldByName("名称")->AsString(), "c");  // Next at the end stays on the last row
    q->First();
    EXPECT_FALSE(q->Eof());
    EXPECT_EQ(q->FieldByName("标识")->AsInteger(), 1);
    EXPECT_EQ(q->FieldCount(), 4);
    EXPECT_EQ(q->Fields()->Fields(1)->FieldName(), "名称");
    EXPECT_EQ(q->FindField("nothing"), nullptr);
    EXPECT_THROW(q->FieldByName("nothing"), EDatabaseError);

    // A missing row reads as empty values, as the notes program expects.
    q = Select("select nodes.名称, contents.* from nodes, contents where nodes.标识=9 and contents.标识=9");
    EXPECT_TRUE(q->Eof());
    EXPECT_EQ(q->RecordCount(), 0);
    EXPECT_EQ(q->FieldByName("名称")->AsString(), "");
    EXPECT_EQ(q->FieldByName("位置")->AsInteger(), 0);
}

TEST_F(DbQueryTest, EditChangesOnlyTheCurrentRowAndRefusesAMissingOne)
{
    AddNode(1, "one");
    AddNode(2, "two");
    TADOQuery* q = Select("select * from Nodes where 标识=2");
    q->Edit();
    q->FieldByName("名称")->SetAsString("說門");
    EXPECT_EQ(q->FieldByName("名称")->AsString(), "說門");
    q->Post();
    EXPECT_EQ(q->State(), dsBrowse);
    EXPECT_EQ(Titles("select * from Nodes order by 标识"), (std::vector<AnsiString>{"one", "說門"}));

    q = Select("select * from Nodes where 标识=1");
    q->Edit();
    q->FieldByName("名称")->SetAsString("dropped");
    q->Cancel();
    EXPECT_EQ(q->FieldByName("名称")->AsString(), "one");
    q->Edit();
    q->FieldByName("名称")->SetAsString("gone");
    Execute("Delete from Nodes where 标识=1");
    EXPECT_THROW(q->Post(), EDatabaseError);
    q->Cancel();
    EXPECT_EQ(Scalar("select count(*) from Nodes"), "1");

    q = Select("select * from Nodes where 标识=2");
    EXPECT_THROW(q->FieldByName("名称")->SetAsString("x"), EDatabaseError);  // not in edit mode
    q = Select("select * from Nodes where 标识=5");
    EXPECT_THROW(q->Edit(), EDatabaseError);  // no row
}

TEST_F(DbQueryTest, AutoNumberNeverReusesIdsAfterDeletes)
{
    EXPECT_EQ(AddAttachment("a", "1"), 1);
    EXPECT_EQ(AddAttachment("b", "2"), 2);
    EXPECT_EQ(AddAttachment("c", "3"), 3);
    Execute("Delete from Attachments where 标识=3");
    EXPECT_EQ(AddAttachment("d", "4"), 4);
    Execute("Delete from Attachments");
    connection_->Close();  // compacting needs the file to itself
    CompactDatabaseFile(FileName());  // and keeps the counter too
    Reconnect();
    EXPECT_EQ(AddAttachment("e", "5"), 5);

    // Each append posts the row before it; every row gets its own number.
    TADOQuery* q = Select("select * from Bookmarks");
    q->Append();
    q->FieldByName("名称")->SetAsString("m1");
    q->Append();
    q->FieldByName("名称")->SetAsString("m2");
    q->Post();
    EXPECT_EQ(q->FieldByName("标识")->AsInteger(), 2);
    EXPECT_EQ(Titles("select * from Bookmarks order by 标识"), (std::vector<AnsiString>{"m1", "m2"}));
}

TEST_F(DbQueryTest, NodeKeysMustBeGivenAndUnique)
{
    AddNode(1, "a");
    EXPECT_THROW(AddNode(1, "again"), EDatabaseError);
    query_->Cancel();
    TADOQuery* q = Select("select * from Nodes");
    q->Append();
    q->FieldByName("名称")->SetAsString("no id");
    EXPECT_THROW(q->Post(), EDatabaseError);
    q->Cancel();
    EXPECT_EQ(Scalar("select count(*) from Nodes"), "1");
}

TEST_F(DbQueryTest, AppendingDoesNotReadTheExistingRows)
{
    const std::string big(4 << 20, 'x');
    for (int i = 0; i < 5; ++i)
        AddAttachment("big" + std::to_string(i), big);
    Reconnect();
    auto bytesRead = [] {
        std::ifstream io("/proc/self/io");
        std::string key;
        long long value = 0;
        while (io >> key >> value)
            if (key == "rchar:")
                return value;
        return 0LL;
    };
    const long long before = bytesRead();
    AddAttachment("small", "abc");
    const long long appending = bytesRead() - before;
    EXPECT_LT(appending, 1 << 20);
    // Reading the rows does read the blobs: the measure can tell.
    const long long beforeCount = bytesRead();
    EXPECT_EQ(Select("select * from Attachments")->RecordCount(), 6);
    EXPECT_GT(bytesRead() - beforeCount, 20 << 20);
}

TEST_F(DbQueryTest, TransactionsRollBackAndNest)
{
    EXPECT_EQ(connection_->BeginTrans(), 1);
    AddNode(1, "kept");
    EXPECT_EQ(connection_->BeginTrans(), 2);
    AddNode(2, "inner");
    connection_->RollbackTrans();
    AddNode(3, "also kept");
    connection_->CommitTrans();
    EXPECT_FALSE(connection_->InTransaction());

    connection_->BeginTrans();
    Execute("Delete from Nodes");
    AddNode(4, "never");
    connection_->RollbackTrans();
    EXPECT_EQ(Titles("select * from Nodes order by 标识"), (std::vector<AnsiString>{"kept", "also kept"}));

    // Closing the connection drops what was not committed.
    connection_->BeginTrans();
    AddNode(5, "uncommitted");
    Reconnect();
    EXPECT_FALSE(connection_->InTransaction());
    EXPECT_EQ(Scalar("select count(*) from Nodes"), "2");
    EXPECT_THROW(connection_->CommitTrans(), EDatabaseError);
}

TEST_F(DbQueryTest, LikeMatchesCharactersNotBytes)
{
    AddNode(1, "說明");   // D5 66: its trail byte is 'f'
    AddNode(2, "門戶");   // E9 54: 'T'
    AddNode(3, "100%_done");
    AddNode(4, "Tf");
    EXPECT_EQ(Titles("select * from nodes where 名称 Like'%f%'"), std::vector<AnsiString>{"Tf"});
    EXPECT_EQ(Titles("select * from nodes where 名称 Like'%t%'"), std::vector<AnsiString>{"Tf"});
    EXPECT_EQ(Titles("select * from nodes where 名称 Like'%門%'"), std::vector<AnsiString>{"門戶"});
    EXPECT_EQ(Titles("select * from nodes where 名称 Like'_明'"), std::vector<AnsiString>{"說明"});
    // A doubled quote and an escaped '%' match themselves, even after a
    // character whose trail byte is the escape character (乗: 81 5C).
    AddNode(5, "it's 乗%");
    EXPECT_EQ(Titles("select * from nodes where 名称 Like'%it''s%'"), std::vector<AnsiString>{"it's 乗%"});
    EXPECT_EQ(Titles("select * from nodes where 名称 Like'%乗\\%' escape '\\'"), std::vector<AnsiString>{"it's 乗%"});
    EXPECT_EQ(Titles("select * from nodes where 名称 Like'%0\\%%' escape '\\' order by 标识"),
              std::vector<AnsiString>{"100%_done"});
}

TEST_F(DbQueryTest, QueriesFailWithTheEnginesMessage)
{
    query_->SQL()->SetText("select * from NoSuchTable");
    try {
        query_->Open();
        FAIL() << "opened";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("no such table: NoSuchTable"), AnsiString::npos) << e.Message();
    }
    query_->SQL()->SetText("Delete from Nodes");
    EXPECT_THROW(query_->Open(), EDatabaseError);  // returns no rows
    EXPECT_EQ(query_->ExecSQL(), 0);
    connection_->Close();
    EXPECT_FALSE(query_->Active());
    EXPECT_THROW(query_->ExecSQL(), EDatabaseError);
    EXPECT_THROW(connection_->Execute("Delete from Nodes"), EDatabaseError);
}

}  // namespace

// A text read in pieces (of 256 KB) is the stored value as a field reads
// it: characters and bytes that are no UTF-8 cut by a piece's edge, a text
// written through a field byte for byte, and the short values.
TEST_F(DbQueryTest, LongTextReadInPiecesIsTheStoredValue)
{
    constexpr size_t edge = 256 * 1024;
    std::vector<std::pair<TFieldValue, AnsiString>> rows;  // stored (as bytes or text), read
    auto utf8 = [&](const std::string& Bytes) {
        rows.push_back({{.Kind = TFieldValue::vkBlob, .Integer = 0, .Float = 0, .Bytes = Bytes}, Utf8ToGbk(Bytes)});
    };
    for (size_t before : {1, 2, 3})
        for (const std::string tail : {"\xF0\x9F\x98\x80", "\xE8\xAA\xAA", "\xE8\xAA" "b", "\xED\xB3\xBF", "\xC2\xB7\xFF"})
            utf8(std::string(edge - before, 'a') + tail + std::string(edge, 'z'));
    AnsiString gbk;
    for (int i = 0; gbk.size() < 3 * edge; ++i)
        gbk += "說門 line " + IntToStr(i) + "\r\n";
    rows.push_back({TFieldValue::OfText(gbk), gbk});
    rows.push_back({TFieldValue::OfText(""), ""});
    rows.push_back({{}, ""});
    rows.push_back({TFieldValue::OfInteger(42), "42"});
    const std::string bytes("\0\xFF\x80 b", 5);
    rows.push_back({{.Kind = TFieldValue::vkBlob, .Integer = 0, .Float = 0, .Bytes = bytes}, bytes});
    for (size_t id = 0; id < rows.size(); ++id)
        connection_->Execute("insert into Contents (标识, 内容) values (" + IntToStr(id) +
                                 (id < 15 ? ", cast(? as text))" : ", ?)"),
                             {rows[id].first});
    for (size_t id = 0; id < rows.size(); ++id) {
        TADOQuery* q = Select("select rowid from Contents where 标识=" + IntToStr(id));
        ASSERT_FALSE(q->Eof());
        ASSERT_EQ(q->ReadLongText("Contents", "内容", q->Fields()->Fields(0)->AsInteger()), rows[id].second) << id;
    }
}

// The text is of the moment of the row the query stands on, whatever
// another writer committed since; a query read past its rows holds no
// moment and refuses.
TEST_F(DbQueryTest, LongTextReadBesideItsRowIsOfTheRowsMoment)
{
    Execute("insert into Contents (标识, 内容, 位置) values (1, '說 old', 1)");
    const AnsiString sql = "select rowid, 位置 from Contents where 标识=1";
    TADOQuery* q = Select(sql);
    ASSERT_FALSE(q->Eof());
    TADOConnection other(nullptr);
    other.SetConnectionString("Data Source=" + FileName());
    other.Open();
    other.Execute("update Contents set 内容='門 new', 位置=2 where 标识=1");
    EXPECT_EQ(q->ReadLongText("Contents", "内容", 1), "說 old");
    EXPECT_EQ(q->FieldByName("位置")->AsInteger(), 1);
    q->Next();
    EXPECT_THROW(q->ReadLongText("Contents", "内容", 1), EDatabaseError);
    q = Select(sql);
    ASSERT_FALSE(q->Eof());
    EXPECT_EQ(q->ReadLongText("Contents", "内容", 1), "門 new");
}

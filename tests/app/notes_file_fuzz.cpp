#include "tests/app/notes_file_fuzz.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/db_module.h"
#include "platform/base/files.h"
#include "platform/base/string_list.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/database_file.h"
#include "platform/db/db_errors.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/win/window_styles.h"
#include "tests/app/plain_node_window.h"

namespace {

// The bytes read as values, in order; zeros once they run out.
class TFuzzBytes {
public:
    TFuzzBytes(const uint8_t* Data, size_t Size) : data_(Data), size_(Size) {}

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Mostly small ids, sometimes the ends of the range.
    int Id()
    {
        const uint8_t b = Byte();
        if (b == 0xFF)
            return Int32();
        return static_cast<int>(b % 40) - 4;
    }
    int Int32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | Byte();
        return static_cast<int>(value);
    }
    // A length byte, then that many bytes.
    AnsiString Text()
    {
        const size_t length = Byte();
        AnsiString text;
        for (size_t i = 0; i < length && at_ < size_; ++i)
            text += static_cast<char>(Byte());
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A well-formed options string with some of its bytes changed, so that
// inputs reach the fields behind its fixed head.
AnsiString Options(TFuzzBytes& In)
{
    AnsiString text = "1010000000000000000000000000#110110100001#2#8#1024#1024#80#0#"
                      "Courier New,10,[fsBold],clWindowText,0,134#-16777211#-16777208#-16777203#-16777208#15658734";
    switch (In.Byte() % 4) {
    case 0:
        return In.Text();  // anything
    case 1:
        return text;
    default:
        for (int changes = In.Byte() % 6; changes > 0; --changes)
            text[In.Byte() % text.size()] = static_cast<char>(In.Byte());
        return text;
    }
}

// Appends a row, or forgets it when the table refuses it (a repeated key).
template <typename F>
void AppendRow(TADOQuery& Query, F Fill)
{
    Query.Append();
    Fill();
    try {
        Query.Post();
    } catch (const EDatabaseError&) {
        Query.Cancel();
    }
}

void WriteRows(const AnsiString& FileName, TFuzzBytes& In)
{
    TADOConnection connection(nullptr);
    connection.SetConnectionString("Data Source=" + FileName);
    connection.Open();
    connection.BeginTrans();
    TADOQuery nodes(nullptr), contents(nullptr), bookmarks(nullptr), attachments(nullptr);
    const char* const tables[] = {"Nodes", "Contents", "Bookmarks", "Attachments"};
    TADOQuery* queries[] = {&nodes, &contents, &bookmarks, &attachments};
    for (int i = 0; i < 4; ++i) {
        queries[i]->SetConnection(&connection);
        queries[i]->SQL()->SetText(AnsiString("select * from ") + tables[i]);
        queries[i]->Open();
    }
    for (int count = In.Byte() % 24; count > 0; --count) {
        const int id = In.Id();
        AppendRow(nodes, [&] {
            nodes.FieldByName("标识")->SetAsInteger(id);
            nodes.FieldByName("名称")->SetAsString(In.Text());
            nodes.FieldByName("目录")->SetAsInteger(In.Id());
            nodes.FieldByName("类型")->SetAsInteger(In.Id() % 3);
        });
        if (In.Byte() % 8 == 0)
            continue;  // a node without its content row
        AppendRow(contents, [&] {
            contents.FieldByName("标识")->SetAsInteger(id);
            contents.FieldByName("内容")->SetAsString(In.Text());
            contents.FieldByName("语言")->SetAsString(In.Byte() % 2 ? AnsiString("C++") : In.Text());
            contents.FieldByName("配置")->SetAsString(Options(In));
            contents.FieldByName("位置")->SetAsInteger(In.Byte() % 4 ? In.Id() : In.Int32());
        });
    }
    for (int count = In.Byte() % 8; count > 0; --count)
        AppendRow(bookmarks, [&] {
            bookmarks.FieldByName("名称")->SetAsString(In.Text());
            bookmarks.FieldByName("文档标识")->SetAsInteger(In.Id());
            bookmarks.FieldByName("文档名称")->SetAsString(In.Text());
            bookmarks.FieldByName("文档位置")->SetAsInteger(In.Byte() % 4 ? In.Id() : In.Int32());
        });
    for (int count = In.Byte() % 4; count > 0; --count)
        AppendRow(attachments, [&] {
            attachments.FieldByName("名称")->SetAsString(In.Text());
            attachments.FieldByName("文档标识")->SetAsInteger(In.Id());
            attachments.FieldByName("大小")->SetAsInteger(In.Int32());
            attachments.FieldByName("数据")->SetAsString(In.Text());
        });
    for (TADOQuery* query : queries)
        query->Close();
    connection.CommitTrans();
}

// A shown top-level window for the module's tree, lists and tabs.
class TFuzzHost : public TWinControl {
public:
    TFuzzHost() : TWinControl(nullptr)
    {
        SetVisible(false);
        SetBounds(0, 0, 800, 600);
        Show();
    }

protected:
    bool TopLevel() const override { return true; }
    void CreateParams(TCreateParams& Params) override
    {
        TWinControl::CreateParams(Params);
        Params.Style = WS_POPUP | WS_CLIPCHILDREN;
        Params.WndParent = nullptr;
    }
};

// The folder of the files, gone with the process.
struct TScratchFolder {
    AnsiString Path;
    ~TScratchFolder() { std::filesystem::remove_all(Path); }
};

// In memory where the system offers a folder there: every input makes a
// file and commits to it, and syncs to a disk would be most of the time.
const AnsiString& Folder()
{
    static const TScratchFolder folder{[] {
        std::string pattern = std::string(DirectoryExists("/dev/shm") ? "/dev/shm" : "/tmp") + "/tandril-notes-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern + "/";
    }()};
    return folder.Path;
}

int NodeIdOfItem(const TListItem* Item) { return static_cast<int>(reinterpret_cast<intptr_t>(Item->Data)); }

}  // namespace

int FuzzNotesFile(const uint8_t* Data, size_t Size)
{
    const AnsiString fileName = Folder() + "fuzz.vek";
    for (const char* suffix : {"", "-wal", "-shm"})
        DeleteFile(fileName + suffix);
    {
        TStringList schema;
        for (const AnsiString& statement : NotesSchema())
            schema.Add(statement);
        CreateDatabaseFile(fileName, &schema);
    }
    TFuzzBytes in(Data, Size);
    WriteRows(fileName, in);

    // Every box the module shows (a malformed options string, a row that is
    // gone) is answered, a changed article's question with 丢弃.
    for (int i = 0; i < 64; ++i)
        TModalAnswers::Push(2);
    TFuzzHost host;
    TPlainNodeWindow window(&host);
    int opened = 0;
    {
        TDBModule module(nullptr, &window, &window, Folder() + "fuzz.ini", Folder());
        if (!module.OpenDataBase(fileName))
            throw EAssertionFailed("A notes file made by the program did not open");
        module.LoadBookmarks();
        module.LoadNodeTree();
        module.SearchNodes(in.Text());
        TListItems* hits = window.GetSearchList()->Items();
        for (int i = 0; i < hits->Count() && i < 4; ++i)
            if (TCustomSynTextEditor* editor = module.OpenNode(NodeIdOfItem(hits->Item(i)))) {
                ++opened;
                editor->Repaint();
                TListItems* attachments = window.GetAttachmentList()->Items();
                for (int a = 0; a < attachments->Count(); ++a)
                    module.AttachmentSaveName(NodeIdOfItem(attachments->Item(a)));
            }
        TListItems* bookmarks = window.GetBookMarkList()->Items();
        for (int i = 0; i < bookmarks->Count(); ++i)
            module.GotoBookmark(bookmarks->Item(i));
        opened = window.GetEditorCount();
        if (!module.CloseAllNodes())
            throw EAssertionFailed("Closing the tabs was refused");
    }
    TModalAnswers::Clear();
    return opened;
}

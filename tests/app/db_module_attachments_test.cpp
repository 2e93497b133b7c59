// Attachments: rows and items for added files, sizes beyond 32 bits refused
// before reading, ids never reused, names that cannot leave the private
// folder, opened copies written afresh and never through a link, and the
// list emptied with its article's tab; saving one out replaces a file
// whole or leaves it as it was.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/db/db_errors.h"
#include "platform/shell/shell_execute.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "tests/app/notes_test_support.h"
#include "tests/platform/base/file_size_limit.h"

namespace {

std::vector<std::vector<std::string>> launched;
int RecordLaunch(const std::vector<std::string>& Arguments)
{
    launched.push_back(Arguments);
    return 0;
}

class TNotesAttachmentsTest : public TNotesTest {
protected:
    void SetUp() override
    {
        TNotesTest::SetUp();
        saved_ = ShellLauncher;
        ShellLauncher = RecordLaunch;
        launched.clear();
    }
    void TearDown() override
    {
        ShellLauncher = saved_;
        TNotesTest::TearDown();
    }
    std::string File(const std::string& Name, const std::string& Bytes)
    {
        // The program's names are GBK; the file system's are UTF-8.
        std::ofstream(GbkToUtf8(Path(Name)), std::ios::binary) << Bytes;
        return Path(Name);
    }
    static std::string ReadFile(const std::string& OsName)
    {
        std::ifstream in(OsName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string Items()
    {
        std::string text;
        TListItems* items = window_->GetAttachmentList()->Items();
        for (int i = 0; i < items->Count(); ++i)
            text += items->Item(i)->Caption() + " " + items->Item(i)->SubItems()->Strings(0) + " " +
                    std::to_string(items->Item(i)->ImageIndex()) + "|";
        return text;
    }

    TShellLauncher saved_ = nullptr;
};

}  // namespace

TEST_F(TNotesAttachmentsTest, AddOpenDeleteAndRename)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    module_->AddAttachments(editor, {File("empty", ""), File("說門.txt", std::string(1023, 'x')),
                                     File("k", std::string(2048, '\0'))});
    EXPECT_EQ(Items(), "empty 0 Byte(s) 2|說門.txt 1023 Byte(s) 2|k 2.00 KB 2|");
    EXPECT_EQ(Column("select 标识 from Attachments"), "1|2|3");
    EXPECT_EQ(Column("select 大小 from Attachments"), "0|1023|2048");
    module_->LoadAttachments(id);
    EXPECT_EQ(Items(), "empty 0 Byte(s) 3|說門.txt 1023 Byte(s) 3|k 2.00 KB 3|");

    // Deleting the last one: its id is not given again.
    window_->GetAttachmentList()->Items()->Item(2)->SetSelected(true);
    module_->DeleteSelectedAttachments();
    module_->AddAttachments(editor, {File("again", "1")});
    EXPECT_EQ(Column("select 标识 from Attachments"), "1|2|4");

    // A stored name that climbs out of the folder is written inside it.
    AnsiString name = "../../x";
    module_->RenameAttachment(window_->GetAttachmentList()->Items()->Item(1), name);
    module_->OpenAttachment(2);
    const std::string opened = Path("tmp/Morvane/x");
    EXPECT_EQ(launched, (std::vector<std::vector<std::string>>{{"xdg-open", opened}}));
    EXPECT_EQ(std::filesystem::file_size(opened), 1023u);
    EXPECT_FALSE(std::filesystem::exists(Path("x")));
    EXPECT_FALSE(std::filesystem::exists(Path("tmp/x")));
    EXPECT_EQ(module_->AttachmentSaveName(2), "x");

    AnswerBoxes({1});
    name = "";
    module_->RenameAttachment(window_->GetAttachmentList()->Items()->Item(1), name);
    EXPECT_EQ(name, "../../x");

    module_->SaveAttachmentAs(1, Path("saved"));
    EXPECT_EQ(std::filesystem::file_size(Path("saved")), 0u);

    // The list goes with the article's tab.
    ASSERT_TRUE(module_->CloseAllNodes());
    EXPECT_EQ(Items(), "");
}

TEST_F(TNotesAttachmentsTest, OpeningWritesAFreshCopyAndNeverThroughWhatHasItsName)
{
    CreateDataBase();
    NewNode(true, "a");
    module_->AddAttachments(window_->Frame(0)->GetEditor(),
                            {File("target.txt", "attached"), File("說門", "no extension"), File(".profile", "dot")});
    const std::string folder = Path("tmp/Morvane/");
    module_->OpenAttachment(1);
    // A link planted under the copy's name, to a file elsewhere.
    File("victim", "precious");
    std::filesystem::remove(folder + "target.txt");
    std::filesystem::create_symlink(Path("victim"), folder + "target.txt");
    module_->OpenAttachment(1);
    module_->OpenAttachment(1);
    module_->OpenAttachment(2);
    module_->OpenAttachment(2);
    module_->OpenAttachment(3);
    module_->OpenAttachment(3);
    const std::string chinese = GbkToUtf8("說門");
    EXPECT_EQ(launched, (std::vector<std::vector<std::string>>{
                            {"xdg-open", folder + "target.txt"},
                            {"xdg-open", folder + "target (2).txt"},
                            {"xdg-open", folder + "target (3).txt"},
                            {"xdg-open", folder + chinese},
                            {"xdg-open", folder + chinese + " (2)"},
                            {"xdg-open", folder + ".profile"},
                            {"xdg-open", folder + ".profile (2)"},
                        }));
    EXPECT_EQ(ReadFile(Path("victim")), "precious");
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "target.txt"));
    for (const char* copy : {"target (2).txt", "target (3).txt"}) {
        EXPECT_EQ(ReadFile(folder + copy), "attached") << copy;
        EXPECT_EQ(std::filesystem::status(folder + copy).permissions(),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    }
    EXPECT_EQ(ReadFile(folder + chinese + " (2)"), "no extension");
    EXPECT_EQ(ReadFile(folder + ".profile (2)"), "dot");
}

TEST_F(TNotesAttachmentsTest, FilesTooLargeForTheDatabaseAreRefusedBeforeReading)
{
    CreateDataBase();
    NewNode(true, "a");
    // A sparse file of 5 GB: its size does not fit 32 bits.
    const std::string huge = Path("huge.bin");
    const int fd = open(huge.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_EQ(ftruncate(fd, int64_t{5} << 30), 0);
    close(fd);
    AnswerBoxes({1});
    module_->AddAttachments(window_->Frame(0)->GetEditor(), {huge, File("small", "abc")});
    EXPECT_EQ(Boxes, std::vector<std::string>{"附件 huge.bin 太大（5.00 GB），不能加入文档库。"});
    EXPECT_EQ(Column("select 名称 from Attachments"), "small");
}

TEST_F(TNotesAttachmentsTest, DeletingSeveralIsOneActionAllOrNothing)
{
    CreateDataBase();
    NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    module_->AddAttachments(editor, {File("one", "1"), File("two", "2"), File("three", "3")});
    window_->GetAttachmentList()->SetMultiSelect(true);  // as the main window's is
    TListItems* items = window_->GetAttachmentList()->Items();
    // The list is walked from the last item: "three" goes first, then
    // "one" fails.
    module_->ExecSQL("create trigger keep before delete on Attachments when old.名称='one' "
                     "begin select raise(abort, 'kept'); end");
    items->Item(0)->SetSelected(true);
    items->Item(2)->SetSelected(true);
    ASSERT_EQ(items->Item(0)->Caption() + items->Item(2)->Caption(), "onethree");
    EXPECT_THROW(module_->DeleteSelectedAttachments(), EDatabaseError);
    EXPECT_EQ(Column("select 名称 from Attachments"), "one|two|three");
    EXPECT_EQ(Items(), "one 1 Byte(s) 2|two 1 Byte(s) 2|three 1 Byte(s) 2|");

    module_->ExecSQL("drop trigger keep");
    module_->DeleteSelectedAttachments();
    EXPECT_EQ(Column("select 名称 from Attachments"), "two");
    EXPECT_EQ(Items(), "two 1 Byte(s) 2|");
}

TEST_F(TNotesAttachmentsTest, SavingOneOutReplacesAFileWholeOrLeavesItAsItWas)
{
    CreateDataBase();
    NewNode(true, "a");
    std::string attached(256 * 1024, '\0');
    for (size_t i = 0; i < attached.size(); ++i)
        attached[i] = static_cast<char>(i * 7 % 251);
    module_->AddAttachments(window_->Frame(0)->GetEditor(), {File("attached.bin", attached)});
    const std::string old(1180000, 'o');
    const std::string target = File("target.bin", old);
    std::filesystem::create_symlink("target.bin", Path("link.bin"));
    auto names = [&] {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(Path("")))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    };
    const std::vector<std::string> before = names();
    const struct {
        const char* how;
        std::function<void()> spoil, mend;
        std::string reason;
    } failures[] = {
        // A full disk, a file-size limit, a quota: the write stops after 64 KB.
        {"stopped half-way", [] {}, [] {}, "文件超过了允许的大小"},
        {"the file is read-only", [&] { chmod(target.c_str(), 0444); }, [&] { chmod(target.c_str(), 0644); },
         "没有权限"},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.how);
        failure.spoil();
        for (const std::string& chosen : {target, Path("link.bin")}) {
            std::string message;
            try {
                TFileSizeLimit limit(64 * 1024);
                module_->SaveAttachmentAs(1, chosen);
            } catch (const EWriteError& e) {
                message = e.Message();
            }
            EXPECT_EQ(message, "附件没有保存到“" + chosen + "”：" + failure.reason + "。原来的文件没有改变。");
            const std::string now = ReadFile(target);
            EXPECT_TRUE(now == old) << now.size() << " bytes";
            EXPECT_EQ(names(), before);
        }
        failure.mend();
    }
    // Through the link, the file it leads to is replaced and the link stays.
    module_->SaveAttachmentAs(1, Path("link.bin"));
    EXPECT_TRUE(ReadFile(target) == attached);
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.bin")));
    EXPECT_EQ(names(), before);
}

// The attachment folder: private to the user, never a link or another
// user's folder; stored names that cannot lead out of it; size texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "app/attachment_folder.h"
#include "app/user_folders.h"
#include "platform/base/exceptions.h"

namespace {

class TAttachmentFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/attachment-folder-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    static unsigned ModeOf(const std::string& Path)
    {
        struct stat st {};
        EXPECT_EQ(lstat(Path.c_str(), &st), 0);
        return st.st_mode & 0777;
    }

    std::string root_;
};

}  // namespace

TEST_F(TAttachmentFolderTest, MadePrivateWithItsParents)
{
    EXPECT_EQ(AttachmentFolderPath(root_ + "/tmp"), root_ + "/tmp/Morvane/");
    EXPECT_EQ(AttachmentFolderPath(root_ + "/tmp/"), root_ + "/tmp/Morvane/");
    const AnsiString folder = AttachmentFolderPath(root_ + "/a/b");
    EnsurePrivateFolder(folder, "附件临时目录");
    EXPECT_EQ(ModeOf(root_ + "/a/b/Morvane"), 0700u);
    EnsurePrivateFolder(folder, "附件临时目录");  // a second time finds it fine

    // One of ours that others could read is closed.
    chmod((root_ + "/a/b/Morvane").c_str(), 0755);
    EnsurePrivateFolder(folder, "附件临时目录");
    EXPECT_EQ(ModeOf(root_ + "/a/b/Morvane"), 0700u);
}

TEST_F(TAttachmentFolderTest, LinksFilesAndOtherUsersFoldersAreRefused)
{
    const std::string elsewhere = root_ + "/elsewhere";
    mkdir(elsewhere.c_str(), 0755);
    ASSERT_EQ(symlink(elsewhere.c_str(), (root_ + "/Morvane").c_str()), 0);
    EXPECT_THROW(EnsurePrivateFolder(AttachmentFolderPath(root_), "附件临时目录"), EInOutError);
    EXPECT_EQ(ModeOf(elsewhere), 0755u);  // the link's target untouched

    const std::string file = root_ + "/file/Morvane";
    std::filesystem::create_directories(root_ + "/file");
    fclose(fopen(file.c_str(), "w"));
    EXPECT_THROW(EnsurePrivateFolder(file + "/", "附件临时目录"), EInOutError);

    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a folder to another user";
    const std::string foreign = root_ + "/foreign/Morvane";
    std::filesystem::create_directories(foreign);
    ASSERT_EQ(chown(foreign.c_str(), 65534, 65534), 0);
    EXPECT_THROW(EnsurePrivateFolder(foreign + "/", "附件临时目录"), EInOutError);
}

TEST(TAttachmentNameTest, OnlyALastComponentIsKept)
{
    EXPECT_EQ(SafeAttachmentName("../../x"), "x");
    EXPECT_EQ(SafeAttachmentName("/etc/passwd"), "passwd");
    EXPECT_EQ(SafeAttachmentName("說門.txt"), "說門.txt");
    EXPECT_EQ(SafeAttachmentName("乗\\x.txt"), "乗\\x.txt");  // 0x5C here is a trail byte
    EXPECT_EQ(SafeAttachmentName(""), "附件");
    EXPECT_EQ(SafeAttachmentName("."), "附件");
    EXPECT_EQ(SafeAttachmentName(".."), "附件");
    EXPECT_EQ(SafeAttachmentName("dir/"), "附件");
    EXPECT_EQ(SafeAttachmentName("a/.."), "附件");
}

TEST(TAttachmentNameTest, SizeTexts)
{
    EXPECT_EQ(FormatFileSize(0), "0 Byte(s)");
    EXPECT_EQ(FormatFileSize(1023), "1023 Byte(s)");
    EXPECT_EQ(FormatFileSize(1024), "1.00 KB");
    EXPECT_EQ(FormatFileSize(1536), "1.50 KB");
    EXPECT_EQ(FormatFileSize(1048576), "1.00 MB");
    EXPECT_EQ(FormatFileSize(1073741824), "1.00 GB");
    EXPECT_EQ(FormatFileSize(int64_t{5} << 30), "5.00 GB");  // beyond 32 bits
}

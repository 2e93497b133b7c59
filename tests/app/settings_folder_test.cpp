// The settings folder as the user may keep it: made private when missing,
// kept as it is when there, followed through links of the user's own to a
// folder of theirs (as dotfiles managers make them), refused when a link
// dangles, loops or belongs to, or leads to, another user.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "app/user_folders.h"
#include "platform/base/exceptions.h"

namespace fs = std::filesystem;

namespace {

// A user other than the one running the tests.
constexpr uid_t Nobody = 65534;

class TSettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/settings-folder-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }

public:
    // Name below the test's folder.
    std::string Path(const std::string& Name) const { return root_ + "/" + Name; }
    // The settings folder as start-up names it, in the config folder.
    std::string Settings() const { return Path("config/tandril"); }
    // A folder below the test's own with Mode.
    std::string Folder(const std::string& Name, mode_t Mode) const
    {
        const std::string folder = Path(Name);
        fs::create_directories(folder);
        EXPECT_EQ(chmod(folder.c_str(), Mode), 0);
        return folder;
    }
    void Link(const std::string& Target, const std::string& Name) const
    {
        fs::create_symlink(Target, Path(Name));
    }
    // Every file, folder and link below the test's folder, with its mode,
    // owner and target.
    std::string Tree() const
    {
        std::string tree;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root_)) {
            struct stat st {};
            lstat(entry.path().c_str(), &st);
            tree += entry.path().string() + " " + std::to_string(st.st_mode) + " " + std::to_string(st.st_uid);
            if (entry.is_symlink())
                tree += " -> " + fs::read_symlink(entry.path()).string();
            tree += "\n";
        }
        return tree;
    }
    static unsigned ModeOf(const std::string& Path)
    {
        struct stat st {};
        EXPECT_EQ(stat(Path.c_str(), &st), 0) << Path;
        return st.st_mode & 0777;
    }

protected:
    std::string root_;
};

struct TFolderCase {
    const char* Name;
    // Puts what the user has at the settings folder's place; the config
    // folder is there.
    std::function<void(const TSettingsFolderTest&)> Make;
    // What the refusal says; nullptr where the folder is taken.
    const char* Refusal;
    // The mode of the folder the settings go into, where they are taken.
    unsigned Mode = 0;
    // Another user's files take root to make.
    bool AsRoot = false;
};

}  // namespace

TEST_F(TSettingsFolderTest, FoldersAndLinksAreTakenOrRefusedAsTheirOwnersAndTargetsAllow)
{
    using T = const TSettingsFolderTest&;
    const TFolderCase cases[] = {
        {"missing: made private", [](T) {}, nullptr, 0700},
        {"a folder of the user's keeps its mode", [](T t) { t.Folder("config/tandril", 0755); }, nullptr, 0755},
        {"a link of the user's to a folder of theirs",
         [](T t) {
             t.Folder("dotfiles/tandril", 0750);
             t.Link("../dotfiles/tandril", "config/tandril");
         },
         nullptr, 0750},
        {"a chain of links",
         [](T t) {
             t.Folder("dotfiles/tandril", 0755);
             t.Link("tandril", "dotfiles/current");
             t.Link(t.Path("dotfiles/current"), "config/tandril");
         },
         nullptr, 0755},
        {"a dangling link", [](T t) { t.Link("../dotfiles/tandril", "config/tandril"); },
         "它是一个符号链接，指向的 "},
        {"a link to a file",
         [](T t) {
             t.Folder("dotfiles", 0755);
             fclose(fopen(t.Path("dotfiles/file").c_str(), "w"));
             t.Link("../dotfiles/file", "config/tandril");
         },
         "它不是目录"},
        {"a loop",
         [](T t) {
             t.Link("other", "config/tandril");
             t.Link("tandril", "config/other");
         },
         "Too many levels of symbolic links"},
        {"a file", [](T t) { fclose(fopen(t.Settings().c_str(), "w")); }, "它不是目录"},
        {"a link to another user's folder",
         [](T t) {
             EXPECT_EQ(chown(t.Folder("dotfiles/tandril", 0755).c_str(), Nobody, Nobody), 0);
             t.Link("../dotfiles/tandril", "config/tandril");
         },
         "它属于其他用户", 0, true},
        {"another user's link to the user's folder",
         [](T t) {
             t.Folder("dotfiles/tandril", 0755);
             t.Link("../dotfiles/tandril", "config/tandril");
             EXPECT_EQ(lchown(t.Settings().c_str(), Nobody, Nobody), 0);
         },
         "它是其他用户的符号链接", 0, true},
        {"another user's link inside a chain",
         [](T t) {
             t.Folder("dotfiles/tandril", 0755);
             t.Link("tandril", "dotfiles/current");
             EXPECT_EQ(lchown(t.Path("dotfiles/current").c_str(), Nobody, Nobody), 0);
             t.Link("../dotfiles/current", "config/tandril");
         },
         "它是其他用户的符号链接", 0, true},
    };
    for (const TFolderCase& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.AsRoot && geteuid() != 0)
            GTEST_SKIP() << "only root can give a file to another user";
        for (const fs::directory_entry& entry : fs::directory_iterator(root_))
            fs::remove_all(entry.path());
        Folder("config", 0755);
        c.Make(*this);
        const bool linked = fs::is_symlink(Settings());
        const std::string before = Tree();
        std::string refusal;
        try {
            EnsureSettingsFolder(Settings() + "/", "设置目录");
        } catch (const EInOutError& e) {
            refusal = e.what();
        }
        if (c.Refusal) {
            EXPECT_EQ(refusal.find("设置目录 " + Settings() + "/ 不可用："), 0u) << refusal;
            EXPECT_NE(refusal.find(c.Refusal), std::string::npos) << refusal;
            EXPECT_EQ(Tree(), before);  // nothing made or changed on the way
            continue;
        }
        EXPECT_EQ(refusal, "");
        // A link stays a link, and the folder has the mode it should.
        EXPECT_EQ(fs::is_symlink(Settings()), linked);
        ASSERT_TRUE(fs::is_directory(Settings()));
        EXPECT_EQ(ModeOf(Settings()), c.Mode);
        if (linked) {
            EXPECT_EQ(Tree(), before);
        }
    }
}

TEST_F(TSettingsFolderTest, AFolderMadeIsPrivateWhateverTheUmaskAndKeepsTheModeTheUserGivesIt)
{
    // Missing parents are made too.
    const std::string folder = Path("new/config/tandril");
    EnsureSettingsFolder(folder + "/", "设置目录");
    EXPECT_EQ(ModeOf(folder), 0700u);
    // A later start leaves the mode the user then gave it.
    ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
    EnsureSettingsFolder(folder + "/", "设置目录");
    EXPECT_EQ(ModeOf(folder), 0755u);
    // A umask that takes the owner's own rights takes none from it.
    const mode_t saved = umask(0277);
    EnsureSettingsFolder(Path("new/config/other/"), "设置目录");
    umask(saved);
    EXPECT_EQ(ModeOf(Path("new/config/other")), 0700u);
}

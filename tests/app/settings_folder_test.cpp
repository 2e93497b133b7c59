// The settings folder as the user may keep it: made private when missing,
// kept as it is when there, followed through links of the user's own to a
// folder of theirs (as dotfiles managers make them), refused when a link
// dangles, loops or leads to another user's folder, or when any link on
// the way, at any depth, belongs to another user.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "app/startup.h"
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
         "它经过其他用户的符号链接", 0, true},
        {"another user's link inside a chain",
         [](T t) {
             t.Folder("dotfiles/tandril", 0755);
             t.Link("tandril", "dotfiles/current");
             EXPECT_EQ(lchown(t.Path("dotfiles/current").c_str(), Nobody, Nobody), 0);
             t.Link("../dotfiles/current", "config/tandril");
         },
         "它经过其他用户的符号链接", 0, true},
        {"another user's link met through a slash after the user's",
         [](T t) {
             t.Folder("dotfiles/tandril", 0755);
             t.Folder("links", 0755);
             t.Link("../dotfiles/tandril", "links/tandril-2");
             EXPECT_EQ(lchown(t.Path("links/tandril-2").c_str(), Nobody, Nobody), 0);
             t.Link(t.Path("links/tandril-2/"), "config/tandril");
         },
         "它经过其他用户的符号链接", 0, true},
        {"another user's link above where the user's leads",
         [](T t) {
             t.Folder("dotfiles/tandril", 0755);
             t.Link("dotfiles", "otherdots");
             EXPECT_EQ(lchown(t.Path("otherdots").c_str(), Nobody, Nobody), 0);
             t.Link("../otherdots/tandril", "config/tandril");
         },
         "它经过其他用户的符号链接", 0, true},
        {"a missing folder below another user's link",
         [](T t) {
             fs::remove(t.Path("config"));
             t.Folder("elsewhere", 0755);
             t.Link("elsewhere", "config");
             EXPECT_EQ(lchown(t.Path("config").c_str(), Nobody, Nobody), 0);
         },
         "它经过其他用户的符号链接", 0, true},
        {"a link of the user's with a slash after it",
         [](T t) {
             t.Folder("dotfiles/tandril", 0750);
             t.Link(t.Path("dotfiles/tandril/"), "config/tandril");
         },
         nullptr, 0750},
        {"below a link of the user's, missing: made private",
         [](T t) {
             fs::remove(t.Path("config"));
             t.Folder("elsewhere", 0755);
             t.Link("elsewhere", "config");
         },
         nullptr, 0700},
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

TEST_F(TSettingsFolderTest, FoldersMadeArePrivateWhateverTheUmaskAndKeepTheModeTheUserGivesThem)
{
    // Each maker, with the folders it makes: the settings folder, the notes
    // folder and the schemes' folder, with their missing parents.
    const struct {
        const char* Name;
        std::function<void(const std::string&)> Make;
    } makers[] = {
        {"settings", [](const std::string& Folder) { EnsureSettingsFolder(Folder + "/", "设置目录"); }},
        {"notes", [](const std::string& Folder) { EnsurePrivateFolder(Folder, "文章库目录"); }},
        {"schemes", [](const std::string& Folder) { InstallShippedSchemes(Folder + "/"); }},
    };
    for (const auto& maker : makers) {
        for (const mode_t mask : {0000u, 0022u, 0277u}) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "%04o", mask);
            SCOPED_TRACE(std::string(maker.Name) + " under umask " + octal);
            const std::string top = Path(std::string(maker.Name) + octal);
            const mode_t saved = umask(mask);
            maker.Make(top + "/config/tandril");
            umask(saved);
            for (const std::string& folder : {top, top + "/config", top + "/config/tandril"})
                EXPECT_EQ(ModeOf(folder), 0700u) << folder;
        }
    }
    // A later start leaves the mode the user then gave the settings folder.
    const std::string folder = Path("settings0000/config/tandril");
    ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
    EnsureSettingsFolder(folder + "/", "设置目录");
    EXPECT_EQ(ModeOf(folder), 0755u);
}

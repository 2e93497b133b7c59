// The folders the whole program uses: a settings folder kept in a dotfiles
// folder through a link, which the program writes through and leaves a
// link, and a folder it refuses, which its message names by its use.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/db_module.h"
#include "platform/base/exceptions.h"
#include "tests/app/program_test_support.h"

namespace fs = std::filesystem;

using TProgramFoldersTest = TProgramTest;

TEST_F(TProgramFoldersTest, ASettingsFolderLinkedIntoDotfilesIsWrittenThroughAndStaysALink)
{
    const std::string target = folder_ + "/dotfiles/tandril";
    fs::create_directories(target);
    ASSERT_EQ(chmod(target.c_str(), 0750), 0);
    fs::create_directory_symlink("dotfiles/tandril", folder_ + "/settings");

    Start(DataFile());
    EXPECT_TRUE(TakeBoxes().empty());
    ASSERT_TRUE(DBModule->Connected());
    CloseAndStop();
    // The program INI, the editor settings and the schemes are files in
    // the real folder, and the link and the folder's mode are the user's.
    EXPECT_TRUE(fs::is_symlink(folder_ + "/settings"));
    EXPECT_EQ(fs::read_symlink(folder_ + "/settings"), "dotfiles/tandril");
    for (const char* file : {"tandril.ini", "EditorOptions.ini", "Syntaxs/Cpp.xml"})
        EXPECT_EQ(fs::symlink_status(target + "/" + file).type(), fs::file_type::regular) << file;
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0750u);

    // The next start reads what the first one wrote there.
    Start();
    EXPECT_TRUE(DBModule->Connected());
    EXPECT_EQ(DBModule->FileName(), DataFile());
}

TEST_F(TProgramFoldersTest, ARefusedFolderIsNamedByItsUse)
{
    struct TRefusal {
        const char* Role;
        // The folder refused.
        std::string Folder;
        // Puts what is refused in the way.
        std::function<void()> Block;
        // Runs the program where it meets the folder: what it says.
        std::function<std::string()> Meet;
    };
    const std::string notes = folder_ + "/blocked/data";
    const TRefusal refusals[] = {
        {"设置目录", SettingsFolder(),
         [this] { std::ofstream(folder_ + "/settings") << "a file"; },
         [this] {
             std::string said;
             try {
                 Start();
             } catch (const EInOutError& e) {
                 said = e.what();
             }
             StopProgram();
             return said;
         }},
        {"文章库目录", notes,
         [this] { std::ofstream(folder_ + "/blocked") << "a file"; },
         [this, notes] {
             AnswerBoxes(1);
             Start(notes + "/notes.vek");
             CloseAndStop();
             const std::vector<std::string> boxes = TakeBoxes();
             return boxes.empty() ? std::string() : boxes[0];
         }},
        {"附件临时目录", TempFolder() + "Morvane/",
         [this] {
             fs::create_directories(folder_ + "/elsewhere");
             fs::create_directories(TempFolder());
             fs::create_directory_symlink(folder_ + "/elsewhere", TempFolder() + "Morvane");
         },
         [this] {
             Start(DataFile());
             std::ofstream(folder_ + "/attached.txt") << "x";
             DBModule->AddAttachments(NewArticle("a"), {folder_ + "/attached.txt"});
             std::string said;
             try {
                 DBModule->OpenAttachment(1);
             } catch (const EInOutError& e) {
                 said = e.what();
             }
             CloseAndStop();
             return said;
         }},
    };
    for (const TRefusal& refusal : refusals) {
        SCOPED_TRACE(refusal.Role);
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
            fs::remove_all(entry.path());
        refusal.Block();
        const std::string said = refusal.Meet();
        EXPECT_NE(said.find(std::string(refusal.Role) + " " + refusal.Folder + " 不可用："), std::string::npos)
            << said;
    }
}

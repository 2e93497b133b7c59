// A notes file that fails to open (打开文章库) or to be made (新建文章库)
// through the program's own keys and dialogs: the file whose notes are on
// show opens again, so the tree goes on opening its articles and the last
// database stays; when that file has gone meanwhile, the tree is emptied
// rather than left offering notes of a closed file.
#include <filesystem>
#include <fstream>

#include "app/db_module.h"
#include "app/main_form.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/ini_files.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "tests/app/program_test_support.h"

namespace {

using TFailedOpenTest = TProgramTest;

TEST_F(TFailedOpenTest, TheNotesOnShowStayUsableOrGo)
{
    struct TCase {
        const char* What;
        bool Create;   // 新建文章库 over an existing file, else 打开文章库
        bool OldGone;  // the open file deleted before
    };
    const TCase cases[] = {
        {"a file that is no notes database opened", false, false},
        {"a new database over an existing file", true, false},
        {"a file that is no notes database opened, the old one gone", false, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        Start(DataFile());
        NewArticle("說門");
        DBModule->aCloseAllNode->Execute();
        const AnsiString junk = folder_ + "/junk.vek";
        std::ofstream(junk, std::ios::binary) << std::string(8192, 'x');
        if (c.OldGone)
            std::filesystem::remove(DataFile());
        AnswerFileDialog(junk);
        AnswerBoxes(1);
        if (c.Create)
            DBModule->aNewDB->Execute();
        else
            Stroke('O', InjectCtrl);
        EXPECT_EQ(TakeBoxes().size(), 1u);
        EXPECT_EQ(TModalAnswers::Count(), 0);

        TTreeNode* node = MainForm->Tree->Items()->GetFirstNode();
        if (c.OldGone) {
            EXPECT_FALSE(DBModule->Connected());
            EXPECT_EQ(node, nullptr);
        } else {
            // Enter on the node opens its article from the old file.
            EXPECT_TRUE(DBModule->Connected());
            EXPECT_EQ(DBModule->FileName(), DataFile());
            ASSERT_NE(node, nullptr);
            MainForm->Tree->SetFocus();
            MainForm->Tree->SetSelected(node);
            Stroke(VK_RETURN);
            EXPECT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
            EXPECT_TRUE(TakeBoxes().empty());
        }
        EXPECT_EQ(TIniFile(ProgramIniFileName(SettingsFolder())).ReadString("History", "LastDataBase", ""),
                  DataFile());
        CloseAndStop();
    }
}

}  // namespace

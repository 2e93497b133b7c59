// The new-item, properties and about dialogs worked as a user works them,
// through the modal hook: what they refuse, what they keep and what reaches
// the database only when confirmed.
#include "app/about_form.h"
#include "app/attr_form.h"
#include "app/editor_config_string.h"
#include "app/new_form.h"
#include "editor/syn_memo.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/settings/syn_options_dialog.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/win/virtual_keys.h"
#include "platform/ui/kernel/controls_messages.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "tests/app/main_window_test_support.h"

namespace {

class TNodeDialogsTest : public TMainWindowTest {
protected:
    // Selects node Id in the tree, as the properties action works on the
    // selected node.
    void Select(int Id)
    {
        for (TTreeNode* node = form_->Tree->Items()->GetFirstNode(); node; node = node->GetNext())
            if (reinterpret_cast<intptr_t>(node->Data) == Id)
                form_->Tree->SetSelected(node);
        form_->Tree->SetFocus();
        Process();
    }
};

}  // namespace

TEST_F(TNodeDialogsTest, ABlankTitleIsRefusedAndLeadingBlanksAreKept)
{
    CreateDataBase();
    AnswerForm<TNewForm>([this](TNewForm* Form) {
        EXPECT_EQ(Form->Caption(), "新建文章");
        EXPECT_EQ(Form->Edit1->Text(), "Edit1");
        Form->Edit1->SetText("   ");
        AnswerBoxes({1});
        Form->Button1->Click();
        EXPECT_EQ(Form->ModalResult(), mrNone) << "a blank title closed the dialog";
        Form->Edit1->SetText("  說門");
        Form->Button1->Click();
        EXPECT_EQ(Form->ModalResult(), mrOk);
        return mrNone;
    });
    module_->aNewNodeB->Execute();
    Process();
    EXPECT_EQ(Boxes, std::vector<std::string>{"注意: 文章或者目录的标题不允许为空，请填写好标题"});
    EXPECT_EQ(Column("select 名称 from Nodes"), "  說門");
}

TEST_F(TNodeDialogsTest, AnUnknownLanguageShowsNoSelectionAndIsStoredEmpty)
{
    CreateDataBase();
    const int id = NewNode(false, "說門");
    module_->ExecSQL("update Contents set 语言='NoSuchLanguage' where 标识=" + std::to_string(id));
    Select(id);
    AnswerForm<TAttrForm>([](TAttrForm* Form) {
        EXPECT_EQ(Form->Caption(), "属性");
        EXPECT_EQ(Form->Edit1->Text(), "說門");
        EXPECT_EQ(Form->ComboBox1->ItemIndex(), -1);
        return mrOk;
    });
    module_->aNodeAttr->Execute();
    Process();
    EXPECT_EQ(TModalAnswers::Count(), 0);
    EXPECT_EQ(Column("select 语言 from Contents where 标识=" + std::to_string(id)), "");
}

TEST_F(TNodeDialogsTest, EditorSettingsReachTheNodeOnlyWhenConfirmed)
{
    CreateDataBase();
    const int id = NewNode(false, "說門");
    const std::string where = " from Contents where 标识=" + std::to_string(id);
    const std::string before = Column("select 配置" + where);
    Select(id);
    auto changeTabWidth = [this](bool Confirm) {
        AnswerForm<TAttrForm>([this, Confirm](TAttrForm* Form) {
            AnswerForm<TSynOptionsForm>([](TSynOptionsForm* Options) {
                Options->Settings()->TabWidth = 7;
                return mrOk;
            });
            Form->Button3->Click();
            EXPECT_EQ(Form->SynText->TabWidth(), 7);
            return Confirm ? mrOk : mrCancel;
        });
        module_->aNodeAttr->Execute();
        Process();
    };

    changeTabWidth(false);
    EXPECT_EQ(Column("select 配置" + where), before);
    changeTabWidth(true);
    const std::string after = Column("select 配置" + where);
    EXPECT_NE(after, before);
    TSynText check(nullptr);
    StringToEditorConfig(&check, after);
    EXPECT_EQ(check.TabWidth(), 7);
}

TEST_F(TNodeDialogsTest, TheAboutBoxOpensOnF1AndClosesWhenItLosesActivation)
{
    bool shown = false;
    AnswerForm<TaboutForm>([&shown](TaboutForm* Box) {
        shown = true;
        EXPECT_EQ(Box->Caption(), "关于");
        EXPECT_EQ(Box->VersionLabel->Caption(), "2.0");
        Box->Perform(CM_DEACTIVATE, 0, 0);
        EXPECT_NE(Box->ModalResult(), mrNone) << "losing activation left the box open";
        return mrNone;
    });
    Key(VK_F1);
    EXPECT_TRUE(shown);
    EXPECT_EQ(TModalAnswers::Count(), 0);
    // The box was freed once, after its modal loop: none is left.
    for (int i = 0; i < form_->ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TaboutForm*>(form_->Components(i)), nullptr);
}

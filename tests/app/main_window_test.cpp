// The main window as a user meets it: its layout, the article tabs coming
// and going with the page control, what the status bar and the tab icons
// say about the editor, and the side areas shown and hidden.
#include "app/node_editor.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/actions/syn_actions_print.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/view/syn_word_wrap.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/streams.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/app/main_window_test_support.h"

namespace {

std::string StatusPanelText(TMainForm* Form, int Index) { return Form->StatusPanels[Index]->Caption(); }

TbsSkinTabSheet* SheetOf(TCustomSynTextEditor* Editor)
{
    return static_cast<TbsSkinTabSheet*>(dynamic_cast<TNodeEditor*>(Editor->Owner())->TabSheet());
}

}  // namespace

TEST_F(TMainWindowTest, ComesUpCentredWithItsLayout)
{
    TMainForm* f = form_.get();
    EXPECT_EQ(f->ClientWidth(), 901);
    EXPECT_EQ(f->ClientHeight(), 601);
    EXPECT_EQ(f->Left(), (Screen->Width() - f->Width()) / 2);
    EXPECT_EQ(f->Top(), (Screen->Height() - f->Height()) / 2);

    EXPECT_EQ(f->bsSkinMainMenuBar1->Top(), 0);
    EXPECT_EQ(f->bsSkinMainMenuBar1->Height(), 22);
    EXPECT_EQ(f->ToolBar1->Top(), 22);
    EXPECT_EQ(f->ToolBar1->Height(), 25);
    EXPECT_EQ(f->PagePanel->Left(), 0);
    EXPECT_EQ(f->PagePanel->Width(), 222);
    EXPECT_EQ(f->PagePanel->Caption(), "资源管理器");
    EXPECT_EQ(f->Splitter1->Left(), 222);
    EXPECT_EQ(f->Splitter1->Width(), 10);
    EXPECT_EQ(f->ClientPanel->Left(), 232);
    EXPECT_EQ(f->ClientPanel->Width(), 901 - 232);
    EXPECT_EQ(f->ListPanel->Height(), 148);
    EXPECT_EQ(f->ListPanel->Top() + 148, f->ClientPanel->ClientHeight());
    EXPECT_EQ(f->ListPanel->Caption(), "附件管理器");
    EXPECT_EQ(f->Splitter2->Height(), 10);
    EXPECT_EQ(f->Splitter2->Top() + 10, f->ListPanel->Top());
    EXPECT_EQ(f->StatusBar->Height(), 21);
    EXPECT_EQ(f->StatusBar->Top() + 21, 601);

    const int widths[] = {101, 100, 40, 40, 144};
    int left = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f->StatusPanels[i]->Left(), left) << "panel " << i + 1;
        EXPECT_EQ(f->StatusPanels[i]->Width(), widths[i]) << "panel " << i + 1;
        left += widths[i];
    }
    EXPECT_EQ(f->StatusPanels[5]->Left(), left);

    const char* pages[] = {"数据库", "搜索", "书签"};
    ASSERT_EQ(f->LeftPages->PageCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f->LeftPages->Pages(i)->Caption(), pages[i]);
    const char* menus[] = {"文件(&F)", "编辑(&E)", "搜索(&S)", "查看(&V)", "帮助(&H)"};
    ASSERT_EQ(f->MainMenu->Items()->Count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(f->MainMenu->Items()->Items(i)->Caption(), menus[i]);
    // Two database buttons, six article buttons, then the editor's.
    EXPECT_EQ(f->ToolButtons.size(), 26u);
    EXPECT_EQ(f->ToolButtons[0]->Action(), static_cast<TBasicAction*>(module_->aNewDB));
    EXPECT_EQ(f->ToolButtons[2]->Action(), static_cast<TBasicAction*>(module_->aNewNodeB));
    EXPECT_EQ(f->ToolButtons[25]->Action(), static_cast<TBasicAction*>(actions_->aSynPageSetup));
}

TEST_F(TMainWindowTest, PageControlShowsOnlyWhileArticlesAreOpen)
{
    CreateDataBase();
    EXPECT_FALSE(form_->PageControl->Visible());
    EXPECT_EQ(form_->List->Items()->Count(), 0);

    const int first = NewNode(true, "說門");
    EXPECT_TRUE(form_->PageControl->Visible());
    ASSERT_EQ(form_->PageControl->PageCount(), 1);
    EXPECT_EQ(form_->PageControl->Pages(0)->Caption(), "說門");
    NewNode(true, "中文");
    EXPECT_EQ(form_->PageControl->PageCount(), 2);
    EXPECT_EQ(form_->PageControl->ActivePageIndex(), 1);
    EXPECT_EQ(form_->GetEditorCount(), 2);
    EXPECT_EQ(form_->GetEditors(0)->GetNodeID(), first);

    ASSERT_TRUE(module_->CloseAllNodes());
    Process();
    EXPECT_EQ(form_->PageControl->PageCount(), 0);
    EXPECT_FALSE(form_->PageControl->Visible());
    EXPECT_EQ(form_->List->Items()->Count(), 0);
    EXPECT_EQ(form_->GetEditorCount(), 0);
}

TEST_F(TMainWindowTest, TabIconAndStatusFollowTheEditor)
{
    CreateDataBase();
    NewNode(true, "說門");
    TCustomSynTextEditor* editor = form_->GetActiveEditor();
    ASSERT_NE(editor, nullptr);
    TbsSkinTabSheet* sheet = SheetOf(editor);
    EXPECT_EQ(sheet->ImageIndex(), 0);

    Type("a");
    EXPECT_EQ(sheet->ImageIndex(), 1);
    EXPECT_EQ(StatusPanelText(form_.get(), 2), "修改");
    EXPECT_EQ(StatusPanelText(form_.get(), 3), "插入");
    EXPECT_EQ(StatusPanelText(form_.get(), 4), "[不显示语法高亮]");

    Key('S', InjectCtrl);
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(sheet->ImageIndex(), 0);
    EXPECT_EQ(StatusPanelText(form_.get(), 2), "正常");

    Key(VK_INSERT);
    EXPECT_EQ(StatusPanelText(form_.get(), 3), "覆写");
    Key(VK_INSERT);
    EXPECT_EQ(StatusPanelText(form_.get(), 3), "插入");

    Key('E', InjectCtrl);
    EXPECT_TRUE(editor->ReadOnly());
    EXPECT_EQ(sheet->ImageIndex(), 2);
    EXPECT_EQ(StatusPanelText(form_.get(), 3), "只读");
}

TEST_F(TMainWindowTest, LineAndColumnAreDisplayCoordinates)
{
    CreateDataBase();
    NewNode(true, "說門");
    TCustomSynTextEditor* editor = form_->GetActiveEditor();
    ASSERT_TRUE(editor->WordWrap()->Enabled());
    // One long line wraps: the caret at its end is on a later display row
    // than its buffer line.
    Type(AnsiString(200, 'x'));
    ASSERT_EQ(editor->CaretXY().Line, 1);
    ASSERT_GT(editor->DisplayY(), 1);
    EXPECT_EQ(StatusPanelText(form_.get(), 0), "行 " + std::to_string(editor->DisplayY()));
    EXPECT_EQ(StatusPanelText(form_.get(), 1), "列 " + std::to_string(editor->DisplayX()));
    EXPECT_NE(editor->DisplayX(), editor->CaretXY().Char);
}

TEST_F(TMainWindowTest, SideAreasHideAndComeBackBesideTheirSplitters)
{
    TMainForm* f = form_.get();
    EXPECT_TRUE(f->aSynShowAttaList->Checked());
    EXPECT_TRUE(f->aSynShowTree->Checked());

    f->aSynShowAttaList->Execute();
    Process();
    EXPECT_FALSE(f->ListPanel->Visible());
    EXPECT_FALSE(f->Splitter2->Visible());
    EXPECT_FALSE(f->aSynShowAttaList->Checked());
    f->aSynShowAttaList->Execute();
    Process();
    EXPECT_TRUE(f->ListPanel->Visible());
    EXPECT_TRUE(f->Splitter2->Visible());
    EXPECT_EQ(f->Splitter2->Top() + f->Splitter2->Height(), f->ListPanel->Top());

    f->aSynShowTree->Execute();
    Process();
    EXPECT_FALSE(f->PagePanel->Visible());
    EXPECT_FALSE(f->Splitter1->Visible());
    f->aSynShowTree->Execute();
    Process();
    EXPECT_TRUE(f->PagePanel->Visible());
    EXPECT_TRUE(f->Splitter1->Visible());
    EXPECT_EQ(f->Splitter1->Left(), f->PagePanel->Left() + f->PagePanel->Width());

    f->aSynShowToolbar->Execute();
    f->aSynShowStatusbar->Execute();
    Process();
    EXPECT_FALSE(f->ToolBar1->Visible());
    EXPECT_FALSE(f->StatusBar->Visible());
}

TEST_F(TMainWindowTest, APanelsCloseButtonUnchecksItsAction)
{
    TMainForm* f = form_.get();
    f->ShowAttaListButton->SetDown(true);
    f->ListPanel->OnClose(f->ListPanel);
    Process();
    EXPECT_FALSE(f->Splitter2->Visible());
    EXPECT_FALSE(f->aSynShowAttaList->Checked());
    EXPECT_FALSE(f->ShowAttaListButton->Down());

    f->ShowTreeButton->SetDown(true);
    f->PagePanel->OnClose(f->PagePanel);
    Process();
    EXPECT_FALSE(f->Splitter1->Visible());
    EXPECT_FALSE(f->aSynShowTree->Checked());
    EXPECT_FALSE(f->ShowTreeButton->Down());
}

TEST_F(TMainWindowTest, DoubleClicksWithoutASelectionDoNothing)
{
    CreateDataBase();
    NewNode(false, "說門");
    form_->Tree->SetSelected(nullptr);
    ASSERT_TRUE(module_->CloseAllNodes());
    TControl* views[] = {form_->Tree, form_->SearchList, form_->BookMarkList, form_->List};
    for (TControl* view : views)
        view->OnDblClick(view);
    Process();
    EXPECT_EQ(form_->GetEditorCount(), 0);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(TMainWindowTest, TheWindowOutlivesTheDatabaseModule)
{
    CreateDataBase();
    NewNode(true, "說門");
    ASSERT_TRUE(module_->CloseAllNodes());
    module_.reset();
    // Leaving the lists and updating the search ask the module no more.
    form_->BookMarkList->OnExit(form_->BookMarkList);
    form_->TreeDblClick(form_->Tree);
    form_->aSynSearch->Update();
    EXPECT_FALSE(form_->aSynSearch->Enabled());
    bool canClose = false;
    form_->OnCloseQuery(form_.get(), canClose);
    EXPECT_TRUE(canClose);
}

TEST_F(TMainWindowTest, TheAttachmentListFollowsTheFocusedArticle)
{
    CreateDataBase();
    NewNode(true, "說門");
    TCustomSynTextEditor* first = form_->GetActiveEditor();
    const std::string file = Path("中文.txt");
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer("說門", 4);
    }
    module_->AddAttachments(first, {file});
    NewNode(true, "中文");
    TCustomSynTextEditor* second = form_->GetActiveEditor();
    ASSERT_NE(second, first);
    EXPECT_EQ(form_->List->Items()->Count(), 0);

    form_->PageControl->SetActivePageIndex(0);
    first->SetFocus();
    Process();
    EXPECT_EQ(form_->GetActiveEditor(), first);
    ASSERT_EQ(form_->List->Items()->Count(), 1);
    EXPECT_EQ(form_->List->Items()->Item(0)->Caption(), "中文.txt");

    form_->PageControl->SetActivePageIndex(1);
    second->SetFocus();
    Process();
    EXPECT_EQ(form_->GetActiveEditor(), second);
    EXPECT_EQ(form_->List->Items()->Count(), 0);
}

TEST_F(TMainWindowTest, AMenuOpensWithItsItemsUpToDate)
{
    CreateDataBase();
    TMenuItem* file = form_->MainMenu->Items()->Items(0);
    TMenuItem* compact = nullptr;
    for (int i = 0; i < file->Count(); ++i)
        if (file->Items(i)->Action() == static_cast<TBasicAction*>(module_->aCompactDB))
            compact = file->Items(i);
    ASSERT_NE(compact, nullptr);
    // As the action stood before the database was made.
    module_->aCompactDB->SetEnabled(false);
    ASSERT_FALSE(compact->Enabled());

    // What a skinned menu does right before it opens.
    form_->bsSkinForm1->SetFormActive();
    EXPECT_TRUE(compact->Enabled());
    form_->bsSkinForm1->SetFormInactive();
}

TEST_F(TMainWindowTest, ASearchHitOpensItsArticleWithTheFocus)
{
    CreateDataBase();
    NewNode(true, "說門 abc");
    NewNode(true, "中文");
    ASSERT_TRUE(module_->CloseAllNodes());
    form_->aSynSearch->Update();
    EXPECT_FALSE(form_->aSynSearch->Enabled()) << "an empty search box searches";

    form_->LeftPages->SetActivePageIndex(1);
    form_->SearchText->SetText("說門");
    form_->aSynSearch->Execute();
    ASSERT_EQ(form_->SearchList->Items()->Count(), 1);
    EXPECT_EQ(form_->SearchList->Items()->Item(0)->Caption(), "說門 abc");
    form_->SearchList->SetSelected(form_->SearchList->Items()->Item(0));
    form_->SearchList->SetFocus();
    form_->SearchList->OnDblClick(form_->SearchList);
    Process();
    ASSERT_EQ(form_->GetEditorCount(), 1);
    EXPECT_EQ(form_->GetEditors(0)->GetNodeName(), "說門 abc");
    EXPECT_TRUE(form_->GetActiveEditor()->Focused());
}

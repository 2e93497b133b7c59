// The events hub: only flagged handlers reach a newly registered editor,
// empty ones included, and a second registration copies nothing.
#include "editor_services/syn_text_editors_event.h"

#include "editor/syn_memo.h"
#include "editor_services/syn_text_editor.h"
#include "tests/editor_services/settings/manager_test_support.h"

TEST_F(TManagerTest, RegisteredEditorsTakeTheFlaggedHandlersOfTheHub)
{
    std::string log;
    TSynTextEditorsEvent hub(nullptr);
    EXPECT_EQ(GlobalSynTextEditorsEvent(), &hub);
    hub.DoEnter = true;
    hub.DoStatusChange = true;  // with no handler: the editor's is cleared
    hub.OnEnter = TNotifyEvent::FromCallable([&log](TObject*) { log += "hub enter;"; });
    hub.OnChange = TNotifyEvent::FromCallable([&log](TObject*) { log += "hub change;"; });

    TSynTextEditor editor(nullptr);
    editor.OnChange = TNotifyEvent::FromCallable([&log](TObject*) { log += "own change;"; });
    editor.OnStatusChange = TStatusChangeEvent::FromCallable([&log](TObject*, TSynStatusChanges) { log += "status;"; });
    ASSERT_EQ(manager_->AddEditor(&editor), 0);
    EXPECT_TRUE(editor.OnEnter == hub.OnEnter);
    EXPECT_FALSE(editor.OnStatusChange);
    editor.OnChange(&editor);
    EXPECT_EQ(log, "own change;");

    hub.OnEnter = TNotifyEvent::FromCallable([&log](TObject*) { log += "second;"; });
    EXPECT_EQ(manager_->AddEditor(&editor), -1);
    EXPECT_FALSE(editor.OnEnter == hub.OnEnter);
    manager_->RemoveEditor(&editor);

    // Document events reach document editors only.
    hub.DoCloseDocument = true;
    hub.OnCloseDocument = TNotifyEvent::FromCallable([&log](TObject*) { log += "closed;"; });
    TSynMemo memo(nullptr);
    hub.AssignEvents(&memo);
    EXPECT_TRUE(memo.OnEnter == hub.OnEnter);
    hub.AssignEvents(&editor);
    EXPECT_TRUE(editor.OnCloseDocument == hub.OnCloseDocument);
    EXPECT_FALSE(editor.OnLoadDocument);
}

TEST(TSynTextEditorsEvent, TheLastHubIsTheGlobalOneUntilItGoes)
{
    auto* first = new TSynTextEditorsEvent(nullptr);
    auto* second = new TSynTextEditorsEvent(nullptr);
    EXPECT_EQ(GlobalSynTextEditorsEvent(), second);
    delete first;
    EXPECT_EQ(GlobalSynTextEditorsEvent(), second);
    delete second;
    EXPECT_EQ(GlobalSynTextEditorsEvent(), nullptr);
}

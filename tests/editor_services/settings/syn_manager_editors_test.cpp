// Editors registered with the settings manager: indexes and events, freeing
// an editor, the active editor, highlighters given by language, and fold
// ranges rebuilt when a scheme is read again.
#include <cstdlib>
#include <memory>

#include "editor/folding/fold_regions.h"
#include "editor/completion/syn_auto_complete.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor_services/syn_text_editor.h"
#include "highlighter/syn_lex_syn.h"
#include "tests/editor_services/settings/manager_test_support.h"
#include "platform/base/string_list.h"
#include "tests/editor/syn_view_test_support.h"

namespace {

class TManagerEditorsTest : public TManagerTest {
protected:
    void SetUp() override
    {
        TManagerTest::SetUp();
        setenv("TANDRIL_BACKEND", "headless", 1);
        host_ = std::make_unique<TEditorHost>();
        host_->Show();
        host_->HandleNeeded();
        manager_->OnAddEditor = TSynManagerEditorEvent::FromCallable(
            [this](TObject*, int Index) { events_ += "+" + std::to_string(Index); });
        manager_->OnDeleteEditor = TSynManagerEditorEvent::FromCallable(
            [this](TObject*, int Index) { events_ += "-" + std::to_string(Index); });
    }
    void TearDown() override
    {
        host_.reset();
        TManagerTest::TearDown();
    }
    TSynTextEditor* NewEditor()
    {
        auto* memo = new TSynTextEditor(host_.get());
        memo->SetBounds(0, 0, 200, 100);
        memo->SetParent(host_.get());
        memo->HandleNeeded();
        return memo;
    }

    std::unique_ptr<TEditorHost> host_;
    std::string events_;
};

}  // namespace

TEST_F(TManagerEditorsTest, RegisterAndFreeEditors)
{
    TSynTextEditor* a = NewEditor();
    TSynTextEditor* b = NewEditor();
    TSynTextEditor* c = NewEditor();
    EXPECT_EQ(manager_->AddEditor(a), 0);
    EXPECT_EQ(manager_->AddEditor(b), 1);
    EXPECT_EQ(manager_->AddEditor(a), -1);
    EXPECT_EQ(manager_->AddEditor(c), 2);
    EXPECT_EQ(events_, "+0+1+2");
    EXPECT_EQ(manager_->GetEditorCount(), 3);

    // Freeing an editor unregisters it; later ones move down.
    delete b;
    EXPECT_EQ(events_, "+0+1+2-1");
    ASSERT_EQ(manager_->GetEditorCount(), 2);
    EXPECT_EQ(manager_->GetEditors(0), a);
    EXPECT_EQ(manager_->GetEditors(1), c);

    // The current editor is not registered by being made current, and is
    // forgotten when freed.
    TSynTextEditor* d = NewEditor();
    manager_->SetSynTextEditor(d);
    EXPECT_EQ(manager_->GetEditorCount(), 2);
    delete d;
    EXPECT_EQ(manager_->SynTextEditor(), nullptr);
    manager_->SetSynTextEditor(c);
    delete c;
    EXPECT_EQ(manager_->SynTextEditor(), nullptr);
    EXPECT_EQ(events_, "+0+1+2-1-1");

    manager_->RemoveEditor(a);
    manager_->RemoveEditor(a);
    EXPECT_EQ(events_, "+0+1+2-1-1-0");
    EXPECT_EQ(manager_->GetEditorCount(), 0);
    delete a;  // no longer watched: nothing more happens
    EXPECT_EQ(events_, "+0+1+2-1-1-0");
}

TEST_F(TManagerEditorsTest, ActiveEditorIsTheFirstLastFocusedOrFocused)
{
    EXPECT_EQ(ActiveEditor(), nullptr);
    TSynTextEditor* first = NewEditor();
    TSynTextEditor* second = NewEditor();
    TSynTextEditor* unregistered = NewEditor();
    manager_->AddEditor(first);
    manager_->AddEditor(second);
    EXPECT_EQ(ActiveEditor(), nullptr);
    second->SetFocus();
    EXPECT_EQ(ActiveEditor(), second);
    first->SetFocus();
    EXPECT_EQ(ActiveEditor(), first);
    unregistered->SetFocus();
    EXPECT_EQ(ActiveEditor(), nullptr);
    second->SetFocus();
    delete second;
    EXPECT_EQ(ActiveEditor(), nullptr);
}

TEST_F(TManagerEditorsTest, NewEditorsGetTheDefaultLanguageAndItsTemplates)
{
    WriteScheme("A.xml", "Alpha", "a");
    WriteScheme("B.xml", "", "b");
    WriteBytes(SchemesFolder() + "A.ini", "[CodeTemplate]\r\nif\r\nif (|)\r\n\r\n");
    manager_->LoadSettings();
    TSynHighlighters* list = manager_->Highlighters();

    // Every scheme has a name but B: an empty default language finds B.
    TSynTextEditor* plain = NewEditor();
    manager_->AddEditor(plain);
    EXPECT_EQ(plain->Highlighter(), list->GetHighlighter(1));

    list->DefaultLanguage = "ALPHA";
    TSynTextEditor* alpha = NewEditor();
    manager_->AddEditor(alpha);
    EXPECT_EQ(alpha->Highlighter(), list->GetHighlighter(0));
    EXPECT_TRUE(list->GetItem(0)->IsLoaded);
    EXPECT_TRUE(list->GetItem(1)->IsLoaded);
    EXPECT_EQ(list->GetItem(0)->CodeTemplate()->AutoCompleteList()->Count(), 2);

    list->DefaultLanguage = "Gamma";
    TSynTextEditor* none = NewEditor();
    manager_->AddEditor(none);
    EXPECT_EQ(none->Highlighter(), nullptr);
    list->ApplyToEditor(alpha, -1);
    EXPECT_EQ(alpha->Highlighter(), nullptr);

    // A highlighter freed elsewhere leaves the list.
    delete list->GetHighlighter(0);
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(list->GetItem(0)->FileName, "B.xml");
}

TEST_F(TManagerEditorsTest, ReadingASchemeAgainRebuildsTheFoldRangesOfItsEditors)
{
    WriteScheme("C.xml", "C", "c");
    manager_->LoadSettings();
    TSynTextEditor* editor = NewEditor();
    editor->CodeFolding()->SetEnabled(true);
    editor->SetText("a {\r\n  b\r\n}\r\n");
    manager_->AddEditor(editor);
    manager_->Highlighters()->ApplyToEditor(editor, 0);
    EXPECT_EQ(editor->AllFoldRanges()->AllCount(), 0);

    // The scheme gains a fold region on disk; the next scan and read bring
    // it to the editor that shows the scheme.
    {
        TSynLexSyn changed(nullptr);
        changed.Info()->General.Name = "C";
        changed.FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        ASSERT_TRUE(changed.SaveToFile(SchemesFolder() + "C.xml"));
    }
    manager_->LoadSettings();
    manager_->Highlighters()->GetItem(0)->LoadItem();
    EXPECT_EQ(editor->AllFoldRanges()->AllCount(), 1);
    EXPECT_TRUE(TakeReports().empty());
}

// The action module: every action's name, caption and shortcut against a
// golden list (the database module's too), and the skin switch: one check
// mark, a damaged skin that keeps the skin in use and its mark, and a first
// skin that fails to load, after which the program runs in the plain look.
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "app/action_module.h"
#include "app/db_module.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/base/streams.h"
#include "platform/gdi/resources.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/modal_answers.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_stored_skin.h"
#include "tests/app/notes_test_support.h"
#include "tests/editor_services/golden_text.h"

namespace {

// "name<TAB>caption<TAB>shortcut" for every action of List, in its order.
std::string ActionLines(TCustomActionList* List)
{
    std::string lines;
    for (int i = 0; i < List->ActionCount(); ++i) {
        auto* action = dynamic_cast<TCustomAction*>(List->Actions(i));
        lines += action->Name() + "\t" + action->Caption() + "\t" + ShortCutToText(action->ShortCut()) + "\n";
    }
    return lines;
}

class TActionModuleTest : public TNotesTest {
protected:
    void TearDown() override
    {
        delete std::exchange(ActionModule, nullptr);
        TNotesTest::TearDown();
    }

    TActionModule* MakeModule()
    {
        ActionModule = new TActionModule(nullptr, Path("settings/"));
        return ActionModule;
    }

    // The shown boxes' texts, each answered with its only button.
    void AnswerSkinBoxes(int Count) { AnswerBoxes(std::vector<int>(Count, 1)); }

    static std::string Checked(TActionModule* Module)
    {
        std::string marks;
        for (TCustomAction* action : {Module->aSkin1, Module->aSkin2, Module->aSkin3, Module->aSkin4})
            marks += action->Checked() ? "x" : "-";
        return marks;
    }
};

}  // namespace

TEST_F(TActionModuleTest, EveryActionHasItsNameCaptionAndShortcut)
{
    TActionModule* module = MakeModule();
    ExpectGoldenText(ActionLines(module->ActionList) + ActionLines(module_->DBActions), "actions.txt");
}

TEST_F(TActionModuleTest, TheSkinActionsKeepExactlyOneMarkOnTheSkinInUse)
{
    TActionModule* module = MakeModule();
    ASSERT_FALSE(module->SkinData->Empty);
    EXPECT_EQ(Checked(module), "x---");
    EXPECT_EQ(module->SkinData->CompressedStoredSkin(), module->Office2007Skin);

    module->aSkin4->Execute();
    EXPECT_EQ(Checked(module), "---x");
    EXPECT_EQ(module->SkinData->CompressedStoredSkin(), module->GradicSkin);
    const unsigned loads = module->SkinData->LoadCount;
    module->aSkin4->Execute();  // the same skin again: loaded again, the mark stays
    EXPECT_EQ(Checked(module), "---x");
    EXPECT_EQ(module->SkinData->LoadCount, loads + 1);
    EXPECT_TRUE(Boxes.empty());

    // A skin whose stored data is damaged keeps the one in use, and its mark.
    TStringStream damaged("\x78\x9C not a zlib stream");
    module->VistaLightSkin->ReadCompressedData(&damaged);
    AnswerSkinBoxes(1);
    module->aSkin2->Execute();
    EXPECT_EQ(Checked(module), "---x");
    EXPECT_EQ(module->SkinData->CompressedStoredSkin(), module->GradicSkin);
    EXPECT_FALSE(module->SkinData->Empty);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].find("无法载入界面外观“VistaLight”"), 0u) << Boxes[0];

    // A new module starts in the first skin again.
    delete std::exchange(ActionModule, nullptr);
    module = MakeModule();
    EXPECT_EQ(Checked(module), "x---");
    EXPECT_EQ(module->SkinData->CompressedStoredSkin(), module->Office2007Skin);
}

TEST_F(TActionModuleTest, AFirstSkinThatDoesNotLoadLeavesThePlainLookAndSaysSoOnce)
{
    // The compiled-in first skin replaced by a damaged one.
    static const uint8_t damaged[] = {3, 0, 0, 0, 4, 0, 0, 0, 0x78, 0x9C, 1, 2};
    const std::span<const uint8_t> built = FindResourceData("Office2007.skn");
    const TResourceEntry entry{"Office2007.skn", damaged, damaged + sizeof damaged};
    RegisterResources({&entry, 1});
    // The built one comes back for the tests after this one in the process.
    struct TRestore {
        std::span<const uint8_t> Built;
        ~TRestore()
        {
            const TResourceEntry entry{"Office2007.skn", Built.data(), Built.data() + Built.size()};
            RegisterResources({&entry, 1});
        }
    } restore{built};

    AnswerSkinBoxes(1);
    TActionModule* module = MakeModule();
    EXPECT_TRUE(module->SkinData->Empty);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].find("无法载入界面外观“Office2007”"), 0u) << Boxes[0];
    EXPECT_NE(Boxes[0].find("程序以普通外观运行"), std::string::npos) << Boxes[0];
    EXPECT_EQ(Checked(module), "x---");

    // The other skins still load from the menu.
    module->aSkin3->Execute();
    EXPECT_FALSE(module->SkinData->Empty);
    EXPECT_EQ(Checked(module), "--x-");
    EXPECT_EQ(Boxes.size(), 1u);
}

TEST_F(TActionModuleTest, TheStoredEditorSettingsCarryNoTextAndTheActionsNoHelp)
{
    TActionModule* module = MakeModule();
    // Every settings group but the background, the text, the context menu,
    // the scroll bars and the Unicode name.
    TSynTextSourceMasks expected;
    for (int group = smCodeFolding; group <= smUnicodeName; ++group)
        expected.Include(static_cast<TSynTextSourceMask>(group));
    for (TSynTextSourceMask left : {smBackground, smLines, smPopupMenu, smScrollBars, smUnicodeName})
        expected.Exclude(left);
    EXPECT_EQ(module->EditorSource->Mask.Bits(), expected.Bits());

    // An editor holding text keeps it when it takes the stored settings,
    // and gives none of it to them.
    TSynTextEditor source(nullptr);
    source.Lines()->SetText("說門 one\n");
    module->EditorSource->Assign(&source);
    EXPECT_EQ(module->EditorSource->Lines()->Count(), 0);
    module->EditorSource->Lines()->SetText("stale\n");
    TSynTextEditor editor(nullptr);
    editor.Lines()->SetText("中文 two\n乗 three");
    module->Manager->AddEditor(&editor);
    ASSERT_EQ(editor.Lines()->Count(), 2);
    EXPECT_EQ(editor.Lines()->Strings(0), "中文 two");
    EXPECT_EQ(editor.Lines()->Strings(1), "乗 three");

    for (int i = 0; i < module->ActionList->ActionCount(); ++i) {
        auto* action = dynamic_cast<TCustomAction*>(module->ActionList->Actions(i));
        EXPECT_EQ(action->HelpType, htKeyword) << action->Name();
        EXPECT_EQ(action->HelpKeyword, "") << action->Name();
        EXPECT_EQ(action->HelpContext, 0) << action->Name();
    }
}

// The options dialog worked through the modal test hook with real key
// presses: it shows a store's settings, Cancel leaves the store as it was
// byte for byte, OK writes every setting back (unchanged bytes stay, a
// typed number appears), a font name picked without visiting the size box
// counts, the size list of an outline font, and the dialog over an editor
// with "保存为默认" in between.
#include "editor_services/settings/syn_options_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/editor/syn_view_test_support.h"
#include "editor/view/syn_active_line.h"
#include "editor_services/settings/syn_options_fonts.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/gdi/font_families.h"
#include "platform/ui/dialogs/color_dialog.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/color_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/group_box.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/panel.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"
#include "tests/platform/base/temp_folder.h"

namespace {

class TSynOptionsDialogTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        folder_.SetUp();
        store_ = std::make_unique<TSynTextSource>(nullptr);
    }
    void TearDown() override
    {
        EXPECT_EQ(TModalAnswers::Count(), 0) << "the dialog did not come up";
        TModalAnswers::Clear();
        store_.reset();
        folder_.TearDown();
        TEditorViewTest::TearDown();
    }

    // Runs the dialog over Source and Editor, worked by Steps once it is up;
    // Steps ends it with a key.
    void Run(TSynTextSource* Source, TCustomSynText* Editor, const std::function<void(TSynOptionsForm*)>& Steps)
    {
        TModalAnswers::Push([Steps](const TModalRequest& Request) {
            Steps(static_cast<TSynOptionsForm*>(Request.Form));
            Pump();
            return mrNone;
        });
        TSynOptionsForm dialog(nullptr);
        dialog.Execute(Source, Editor);
    }

    // The settings file the store saves, as bytes.
    std::string Saved()
    {
        const std::string path = folder_.Path() + "EditorOptions.ini";
        std::filesystem::remove(path);
        TMemIniFile ini(path);
        store_->SaveToIni(&ini, "Editor Store");
        ini.UpdateFile();
        return folder_.Bytes(path);
    }

    // Focuses Edit on its page and types Text over what it holds.
    static void TypeInto(TSynOptionsForm* Dialog, int Page, TWinControl* Box, const AnsiString& Text)
    {
        Dialog->PageControl1->SetActivePageIndex(Page);
        Box->SetFocus();
        Pump();
        InjectKeyStroke(VK_END);
        for (int i = 0; i < 8; ++i)
            InjectKeyStroke(VK_BACK);
        InjectText(Text);
        Pump();
    }

    struct TFolder : TempFolderTest {
        void TestBody() override {}
        void SetUp() override { TempFolderTest::SetUp(); }
        void TearDown() override { TempFolderTest::TearDown(); }
        std::string Path() const { return Folder(); }
        static std::string Bytes(const std::string& Path) { return ReadBytes(Path); }
    } folder_;
    std::unique_ptr<TSynTextSource> store_;
};

// Settings that differ from the defaults, so that filling cannot pass by
// leaving a control as it was made.
void SetDistinctValues(TSynTextSource& Store)
{
    Store.TabWidth = 6;
    Store.SelectionMode = smColumn;
    Store.Options.Include(eoShowSpecialChars);
    Store.Options.Exclude(eoAutoIndent);
    Store.Color = clYellow;
    Store.UnicodeFontName = "WenQuanYi Micro Hei Mono";
    Store.Font()->SetName("DejaVu Sans Mono");
    Store.Font()->SetSize(13);
}

TEST_F(TSynOptionsDialogTest, ShowsTheStoreAndCancelLeavesItByteForByte)
{
    SetDistinctValues(*store_);
    const std::string before = Saved();
    Run(store_.get(), nullptr, [&](TSynOptionsForm* Dialog) {
        EXPECT_EQ(Dialog->Caption(), "编辑器选项");
        EXPECT_EQ(Dialog->sTabWidth->Text(), "6");
        EXPECT_EQ(Dialog->cbSelectmode->ItemIndex(), 2);
        EXPECT_TRUE(Dialog->soShowSpecialChars->Checked());
        EXPECT_FALSE(Dialog->soAutoIndent->Checked());
        EXPECT_EQ(Dialog->BackColorBox->Selected(), clYellow);
        EXPECT_EQ(Dialog->sFontNameCom->Text(), "DejaVu Sans Mono");
        EXPECT_EQ(Dialog->sFontsizeCom->Text(), "13");
        EXPECT_EQ(Dialog->sUnicodeFontNameCom->Text(), "WenQuanYi Micro Hei Mono");
        EXPECT_TRUE(Dialog->cbCodeFolding->Visible());
        // Only fixed-pitch families are offered.
        EXPECT_EQ(Dialog->sFontNameCom->Items()->IndexOf("DejaVu Sans"), -1);

        TypeInto(Dialog, 0, Dialog->sTabWidth, "9");
        EXPECT_EQ(Dialog->Settings()->TabWidth, 9);
        Dialog->soAutoIndent->SetFocus();
        InjectKeyStroke(VK_SPACE);
        Pump();
        EXPECT_TRUE(Dialog->Settings()->Options.Contains(eoAutoIndent));
        InjectKeyStroke(VK_ESCAPE);
    });
    EXPECT_EQ(Saved(), before);
}

TEST_F(TSynOptionsDialogTest, OkWritesEverySettingBackAndATypedNumberAppearsInTheFile)
{
    SetDistinctValues(*store_);
    const std::string before = Saved();
    Run(store_.get(), nullptr, [&](TSynOptionsForm*) { InjectKeyStroke(VK_RETURN); });
    EXPECT_EQ(Saved(), before);

    Run(store_.get(), nullptr, [&](TSynOptionsForm* Dialog) {
        TypeInto(Dialog, 0, Dialog->sTabWidth, "12");
        InjectKeyStroke(VK_RETURN);
    });
    std::string expected = before;
    const size_t at = expected.find("TabWidth=6\n");
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, 11, "TabWidth=12\n");
    EXPECT_EQ(Saved(), expected);
}

TEST_F(TSynOptionsDialogTest, AFontNamePickedWithoutVisitingTheSizeBoxIsWritten)
{
    SetDistinctValues(*store_);
    AnsiString picked;
    Run(store_.get(), nullptr, [&](TSynOptionsForm* Dialog) {
        Dialog->PageControl1->SetActivePageIndex(2);
        Dialog->sFontNameCom->SetFocus();
        Pump();
        const int index = Dialog->sFontNameCom->ItemIndex();
        ASSERT_LT(index + 1, Dialog->sFontNameCom->Items()->Count());
        picked = Dialog->sFontNameCom->Items()->Strings(index + 1);
        InjectKeyStroke(VK_DOWN);
        Pump();
        EXPECT_EQ(Dialog->sFontNameCom->Text(), picked);
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(store_->Font()->Name(), picked);
    EXPECT_EQ(store_->Font()->Size(), 13);
    EXPECT_NE(Saved().find("Font=" + picked + ",-17,"), std::string::npos) << Saved();
}

TEST_F(TSynOptionsDialogTest, TheFontSampleOpensTheFontDialogFromTheKeyboard)
{
    std::vector<AnsiString> opened;
    Run(store_.get(), nullptr, [&](TSynOptionsForm* Dialog) {
        Dialog->PageControl1->SetActivePageIndex(2);
        Dialog->sFontsizeCom->SetFocus();
        Pump();
        InjectKeyStroke(VK_TAB);
        Pump();
        EXPECT_TRUE(Dialog->FontPreview->Focused());
        for (int i = 0; i < 2; ++i)
            TModalAnswers::Push([&opened](const TModalRequest& Request) {
                opened.push_back(Request.Caption);
                return mrCancel;
            });
        InjectKeyStroke(VK_RETURN);
        Pump();
        InjectKeyStroke(VK_SPACE);
        Pump();
        // The options dialog is still up: Enter was the sample's.
        EXPECT_TRUE(Dialog->Visible());
        InjectKeyStroke(VK_ESCAPE);
    });
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(TSynOptionsDialogTest, TheColourDialogOfACustomColourOpensAboveTheStayOnTopDialog)
{
    const TPickColorHook saved = PickCustomColorHook;
    PickCustomColorHook = PickColorWithDialog;
    bool onTop = false;
    Run(store_.get(), nullptr, [&](TSynOptionsForm* Dialog) {
        ASSERT_EQ(Dialog->FormStyle(), fsStayOnTop);
        TWinControl* page = Dialog->BackColorBox->Parent();
        while (!dynamic_cast<TTabSheet*>(page))
            page = page->Parent();
        Dialog->PageControl1->SetActivePage(static_cast<TTabSheet*>(page));
        Dialog->BackColorBox->SetFocus();
        Pump();
        TModalAnswers::Push([&onTop](const TModalRequest& Request) {
            Pump();
            const TPoint centre{Request.Form->Left() + Request.Form->Width() / 2,
                                Request.Form->Top() + Request.Form->Height() / 2};
            onTop = GetAncestor(WindowFromPoint(centre), GA_ROOT) == Request.Form->Handle();
            InjectKeyStroke(VK_ESCAPE);
            return mrNone;
        });
        InjectKeyStroke(VK_HOME);  // the custom entry
        Pump();
        EXPECT_EQ(TModalAnswers::Count(), 0);
        InjectKeyStroke(VK_ESCAPE);
    });
    PickCustomColorHook = saved;
    EXPECT_TRUE(onTop);
}

TEST_F(TSynOptionsDialogTest, TheSizeBoxListsTheStandardSizesOnceHoweverOftenItIsEntered)
{
    SetDistinctValues(*store_);
    Run(store_.get(), nullptr, [&](TSynOptionsForm* Dialog) {
        Dialog->PageControl1->SetActivePageIndex(2);
        for (int i = 0; i < 2; ++i) {
            Dialog->sFontsizeCom->SetFocus();
            Pump();
            Dialog->sFontNameCom->SetFocus();
            Pump();
        }
        TStrings* sizes = Dialog->sFontsizeCom->Items();
        EXPECT_EQ(sizes->CommaText(), "8,9,10,11,12,14,15,16,18,20,22,24,26,28,36,42,48,72");
        EXPECT_EQ(Dialog->sFontsizeCom->Text(), "13");
        // Typing a size takes it.
        TypeInto(Dialog, 2, Dialog->sFontsizeCom, "16");
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(store_->Font()->Size(), 16);
    EXPECT_EQ(store_->Font()->Name(), "DejaVu Sans Mono");
}

TEST(SynOptionsFontSizesTest, ABitmapFamilyGivesItsSizesInPointsInOrderAndOnce)
{
    TStringList sizes;
    TEXTMETRIC tm;
    tm.tmHeight = 16;
    tm.tmInternalLeading = 3;  // 13 px at 96 dpi: 9.75 points
    EXPECT_TRUE(AddEnumeratedSizes(&sizes, tm, RASTER_FONTTYPE, 96));
    tm.tmHeight = 11;
    tm.tmInternalLeading = 0;  // 8.25 points
    EXPECT_TRUE(AddEnumeratedSizes(&sizes, tm, RASTER_FONTTYPE, 96));
    tm.tmHeight = 13;  // 9.75 again
    EXPECT_TRUE(AddEnumeratedSizes(&sizes, tm, RASTER_FONTTYPE, 96));
    tm.tmHeight = 32;  // 24 points
    EXPECT_TRUE(AddEnumeratedSizes(&sizes, tm, RASTER_FONTTYPE, 96));
    EXPECT_EQ(sizes.CommaText(), "8,10,24");
    EXPECT_FALSE(AddEnumeratedSizes(&sizes, tm, TRUETYPE_FONTTYPE, 96));
    EXPECT_EQ(sizes.Count(), 18);
}

TEST_F(TSynOptionsDialogTest, OverAnEditorCancelKeepsItEvenAfterSavingAsDefaultAndOkWritesAll)
{
    TSynMemo* editor = AddMemo(0, 400, 200);
    editor->SetTabWidth(3);
    TSynTextEditorOptions options = editor->Options();
    options.Include(eoTrimTrailingSpaces);  // has no check box
    editor->SetOptions(options);
    ASSERT_TRUE(editor->ActiveLine()->Visible());

    Run(store_.get(), editor, [&](TSynOptionsForm* Dialog) {
        EXPECT_EQ(Dialog->sTabWidth->Text(), "3");
        TypeInto(Dialog, 0, Dialog->sTabWidth, "5");
        Dialog->Button3->SetFocus();
        InjectKeyStroke(VK_SPACE);
        Pump();
        InjectKeyStroke(VK_ESCAPE);
    });
    EXPECT_EQ(editor->TabWidth(), 3);
    EXPECT_EQ(store_->TabWidth, 5);
    EXPECT_TRUE(store_->Options.Contains(eoTrimTrailingSpaces));

    Run(store_.get(), editor, [&](TSynOptionsForm* Dialog) {
        TypeInto(Dialog, 0, Dialog->sTabWidth, "7");
        Dialog->PageControl1->SetActivePageIndex(1);
        Dialog->sShowActiveLine->SetFocus();
        InjectKeyStroke(VK_SPACE);
        Pump();
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_EQ(editor->TabWidth(), 7);
    EXPECT_TRUE(editor->Options().Contains(eoTrimTrailingSpaces));
    EXPECT_FALSE(editor->ActiveLine()->Visible());
    EXPECT_FALSE(editor->ActiveLine()->Indicator()->Visible());
    EXPECT_EQ(store_->TabWidth, 5);
}

}  // namespace

namespace {

// Every control inside a group box of Parent, at any depth, with its group.
void ForEachGrouped(TWinControl* Parent, const std::function<void(TGroupBox*, TControl*)>& Visit)
{
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl* control = Parent->Controls(i);
        if (auto* group = dynamic_cast<TGroupBox*>(Parent))
            Visit(group, control);
        if (auto* inner = dynamic_cast<TWinControl*>(control))
            ForEachGrouped(inner, Visit);
    }
}

}  // namespace

// A check box running over its group's border has its caption cut by it.
TEST(SynOptionsDialogLayout, EveryControlOfAGroupStaysInsideItsBorder)
{
    TSynOptionsForm dialog(nullptr);
    int seen = 0;
    ForEachGrouped(&dialog, [&seen](TGroupBox* Group, TControl* Control) {
        ++seen;
        EXPECT_GE(Control->Left(), 2) << Control->Name() << " in " << Group->Caption();
        EXPECT_LE(Control->Left() + Control->Width(), Group->Width() - 2) << Control->Name() << " in " << Group->Caption();
        EXPECT_LE(Control->Top() + Control->Height(), Group->Height() - 2) << Control->Name() << " in " << Group->Caption();
    });
    EXPECT_GE(seen, 14);
}

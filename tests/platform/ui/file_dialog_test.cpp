// The open and save dialogs as a user works them: keys and clicks through
// the message loop on the headless back end, in fresh folders, with the
// message boxes answered through the modal hook.

#include <filesystem>
#include <fstream>

#include "file_dialog_test_support.h"
#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/string_list.h"
#include "platform/base/streams.h"
#include "platform/ui/itemviews/header_control.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/win/clock.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

using TNames = std::vector<AnsiString>;

// The text of a file, read by its GBK name.
AnsiString ReadAll(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmOpenRead);
    AnsiString text(static_cast<size_t>(stream.Size()), '\0');
    stream.ReadBuffer(text.data(), stream.Size());
    return text;
}

TEST_F(TFileDialogTest, EnterOnAFolderOpensItAsDoTypedPathsAndTheParentButton)
{
    MakeFolder("a/b");
    MakeFile("a/b/deep.txt");
    MakeFile("top.txt");
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.Options.Include(ofFileMustExist);
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm* Form) {
        EXPECT_EQ(Form->Folder(), Root());
        EXPECT_EQ(Form->FolderBox()->Text(), Root());
        EXPECT_EQ(Listed(Form), (TNames{"a", "top.txt"}));
        // Down picks the folder, Enter opens it instead of closing.
        FocusList(Form);
        Key(VK_DOWN);
        Key(VK_RETURN);
        EXPECT_EQ(Form->Folder(), Root() + "/a");
        EXPECT_EQ(Listed(Form), (TNames{"b"}));
        // A folder typed into the name box opens too, and leaves the box empty.
        EnterName("b");
        EXPECT_EQ(Form->Folder(), Root() + "/a/b");
        EXPECT_EQ(Form->NameBox()->Text(), "");
        Click(Form->ParentButton(), 5, 5);
        EXPECT_EQ(Form->Folder(), Root() + "/a");
        // A typed ".." is the parent, a typed absolute path goes there.
        EnterName("..");
        EXPECT_EQ(Form->Folder(), Root());
        EnterName(Root() + "/a/b/");
        EXPECT_EQ(Form->Folder(), Root() + "/a/b");
        EXPECT_EQ(Form->FolderBox()->Text(), Root() + "/a/b");
        // The folder box takes a path of its own.
        Key('I', InjectAlt);
        Type(Root());
        Key(VK_RETURN);
        EXPECT_EQ(Form->Folder(), Root());
        // A relative path to a file ends the dialog with its full name.
        EnterName("a/b/deep.txt");
    }));
    EXPECT_EQ(dialog.FileName, Root() + "/a/b/deep.txt");
    ASSERT_EQ(dialog.Files()->Count(), 1);
    EXPECT_EQ(dialog.Files()->Strings(0), dialog.FileName);
}

TEST_F(TFileDialogTest, TheFilterAndATypedPatternChooseTheFilesListed)
{
    for (const char* name : {"a.txt", "B.TXT", "c.vek", "d.Vek", "e.mdb", "README"})
        MakeFile(name);
    MakeFolder("x.dir");
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.Filter = "文本文件(*.txt)|*.txt|Tandril文档库(*.vek *.mdb)|*.vek; *.mdb|所有类型(*.*)|*.*";
    dialog.FilterIndex = 2;
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm* Form) {
        EXPECT_EQ(Form->FilterBox()->Text(), "Tandril文档库(*.vek *.mdb)");
        // Folders always show; patterns match without case.
        EXPECT_EQ(Listed(Form), (TNames{"x.dir", "c.vek", "d.Vek", "e.mdb"}));
        Key('T', InjectAlt);
        Key(VK_UP);
        EXPECT_EQ(Listed(Form), (TNames{"x.dir", "a.txt", "B.TXT"}));
        // "*.*" takes names without a dot too.
        Key(VK_END);
        EXPECT_EQ(Listed(Form), (TNames{"x.dir", "a.txt", "B.TXT", "c.vek", "d.Vek", "e.mdb", "README"}));
        // A typed pattern lists by itself and keeps the dialog open.
        EnterName("?.V*");
        EXPECT_EQ(Listed(Form), (TNames{"x.dir", "c.vek", "d.Vek"}));
        EXPECT_EQ(Form->NameBox()->Text(), "?.V*");
        // Choosing the filter again drops the typed pattern.
        Key('T', InjectAlt);
        Key(VK_HOME);
        EXPECT_EQ(Listed(Form), (TNames{"x.dir", "a.txt", "B.TXT"}));
        EnterName("B.TXT");
    }));
    EXPECT_EQ(dialog.FileName, Root() + "/B.TXT");
    EXPECT_EQ(dialog.FilterIndex, 1);

    // An open dialog takes the default extension where such a file exists.
    dialog.DefaultExt = "vek";
    dialog.Options.Include(ofFileMustExist);
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm*) { EnterName("c"); }));
    EXPECT_EQ(dialog.FileName, Root() + "/c.vek");
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm*) { EnterName("README"); }));
    EXPECT_EQ(dialog.FileName, Root() + "/README");
}

TEST_F(TFileDialogTest, FilterIndexZeroStartsWithTheFirstFilter)
{
    MakeFile("a.vek");
    MakeFile("b.txt");
    TSaveDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.Filter = "Tandril文档库(*.vek *.mdb)|*.vek;*.mdb|所有类型(*.*)|*.*";
    dialog.FilterIndex = 0;
    EXPECT_FALSE(Run(dialog, [&](TFileDialogForm* Form) {
        EXPECT_EQ(Form->FilterBox()->ItemIndex(), 0);
        EXPECT_EQ(Listed(Form), (TNames{"a.vek"}));
        Key(VK_ESCAPE);
    }));
    EXPECT_EQ(dialog.FilterIndex, 0);
    // Closed with OK from outside, nothing was chosen.
    dialog.FileName = "kept.vek";
    EXPECT_FALSE(Run(dialog, [&](TFileDialogForm* Form) { Form->SetModalResult(mrOk); }));
    EXPECT_EQ(dialog.FileName, "kept.vek");
    EXPECT_EQ(dialog.Files()->Count(), 0);
}

TEST_F(TFileDialogTest, TypingFindsTheRowByItsPrefixWholeGbkCharactersIncluded)
{
    for (const char* name : {"apple.txt", "banana.txt", "bandage.txt", "blueberry.txt", "cherry.txt"})
        MakeFile(name);
    // 說 is D5 66 in GBK: its trail byte is the letter 'f'.
    MakeFile("\xE8\xAA\xAA\xE6\x98\x8E.txt");  // 說明.txt
    MakeFile("fig.txt");
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm* Form) {
        FocusList(Form);
        // What is typed, after a pause or at once, and the row it finds: a
        // longer prefix stays on the row while it still matches; the same
        // letter again goes on to the next row it starts, and round.
        const struct {
            bool Later;
            const char* Typed;
            const char* Row;
        } steps[] = {{true, "b", "banana.txt"},     {false, "a", "banana.txt"}, {false, "n", "banana.txt"},
                     {false, "D", "bandage.txt"},   {true, "b", "blueberry.txt"}, {true, "b", "banana.txt"},
                     {true, "f", "fig.txt"},        {true, "說", "說明.txt"},   {true, "ch", "cherry.txt"}};
        for (const auto& step : steps) {
            if (step.Later)
                AdvanceClock(TTypeAhead::Delay + 1);
            Type(step.Typed);
            EXPECT_EQ(Form->FileList()->Selected()->Caption(), step.Row) << step.Typed;
        }
        // The selected file's name is in the name box; Enter takes it.
        EXPECT_EQ(Form->NameBox()->Text(), "cherry.txt");
        Key(VK_RETURN);
    }));
    EXPECT_EQ(dialog.FileName, Root() + "/cherry.txt");
}

TEST_F(TFileDialogTest, MultiSelectGivesEveryFileChosenWithItsFullName)
{
    MakeFolder("sub");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        MakeFile(name);
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.Options.Include(ofAllowMultiSelect).Include(ofFileMustExist);
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm* Form) {
        FocusList(Form);
        // From the folder down to the end: the folder is not a file chosen.
        Key(VK_DOWN);
        Key(VK_END, InjectShift);
        EXPECT_EQ(Form->FileList()->SelCount(), 4);
        EXPECT_EQ(Form->NameBox()->Text(), "\"a.txt\" \"b.txt\" \"c.txt\"");
        Key(VK_RETURN);
    }));
    ASSERT_EQ(dialog.Files()->Count(), 3);
    EXPECT_EQ(dialog.Files()->Strings(0), Root() + "/a.txt");
    EXPECT_EQ(dialog.Files()->Strings(1), Root() + "/b.txt");
    EXPECT_EQ(dialog.Files()->Strings(2), Root() + "/c.txt");
    EXPECT_EQ(dialog.FileName, Root() + "/a.txt");

    // Without the option Shift moves a single selection.
    TOpenDialog single(nullptr);
    single.InitialDir = Root();
    EXPECT_TRUE(Run(single, [&](TFileDialogForm* Form) {
        FocusList(Form);
        Key(VK_DOWN);
        Key(VK_END, InjectShift);
        EXPECT_EQ(Form->FileList()->SelCount(), 1);
        Key(VK_RETURN);
    }));
    ASSERT_EQ(single.Files()->Count(), 1);
    EXPECT_EQ(single.FileName, Root() + "/c.txt");
}

TEST_F(TFileDialogTest, OverwritePromptNoKeepsTheDialogOpenYesTakesTheName)
{
    MakeFile("old.vek");
    TSaveDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.DefaultExt = "vek";
    dialog.Options.Include(ofOverwritePrompt);
    TBoxes boxes{{IDNO, IDYES}, {}};
    EXPECT_TRUE(Run(
        dialog,
        [&](TFileDialogForm* Form) {
            EnterName("old");
            ASSERT_EQ(boxes.Texts.size(), 1u);
            EXPECT_EQ(Form->ModalResult(), mrNone);
            EXPECT_EQ(Form->NameBox()->Text(), "old");
            Key(VK_RETURN);
        },
        &boxes));
    EXPECT_EQ(boxes.Texts, (TNames{Root() + "/old.vek 已存在。\n要替换它吗？", Root() + "/old.vek 已存在。\n要替换它吗？"}));
    EXPECT_EQ(dialog.FileName, Root() + "/old.vek");

    // A new name asks nothing; an extension typed stays.
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm*) { EnterName("new"); }));
    EXPECT_EQ(dialog.FileName, Root() + "/new.vek");
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm*) { EnterName("notes.txt"); }));
    EXPECT_EQ(dialog.FileName, Root() + "/notes.txt");
    // Without the option an existing file is taken without a question.
    dialog.Options.Exclude(ofOverwritePrompt);
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm*) { EnterName("old"); }));
    EXPECT_EQ(dialog.FileName, Root() + "/old.vek");
}

TEST_F(TFileDialogTest, AGbkNameOnDiskComesBackAsTheGbkPathOfTheSameFile)
{
    MakeFile("\xE4\xB8\xAD\xE6\x96\x87\xE8\xAA\xAA\xE9\x96\x80.txt", "contents");  // 中文說門.txt in UTF-8
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.Options.Include(ofFileMustExist);
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm* Form) {
        EXPECT_EQ(Listed(Form), (TNames{"中文說門.txt"}));
        FocusList(Form);
        Key(VK_DOWN);
        Key(VK_RETURN);
    }));
    EXPECT_EQ(dialog.FileName, Root() + "/\xD6\xD0\xCE\xC4\xD5\x66\xE9\x54.txt");
    EXPECT_EQ(ReadAll(dialog.FileName), "contents");

    // Typed in GBK, the name finds the same file.
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm*) { EnterName("中文說門.txt"); }));
    EXPECT_EQ(dialog.FileName, Root() + "/中文說門.txt");
}

TEST_F(TFileDialogTest, ANameGbkCannotHoldIsListedWithMarksAndRefusedNeverAnotherFile)
{
    // Three names that all show as "a?.txt", told apart by their dates:
    // a smiling face, a Korean syllable, and a real question mark.
    MakeFile("a\xF0\x9F\x98\x80.txt", "face", 978350400);     // 2001-01-01
    MakeFile("a\xED\x95\x9C.txt", "korean", 1009886400);      // 2002-01-01
    MakeFile("a?.txt", "question mark", 1041422400);         // 2003-01-01
    MakeFolder("\xF0\x9F\x98\x80");
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.Options.Include(ofFileMustExist);
    TBoxes boxes{{IDOK, IDOK, IDOK}, {}};
    EXPECT_TRUE(Run(
        dialog,
        [&](TFileDialogForm* Form) {
            EXPECT_EQ(Listed(Form), (TNames{"?", "a?.txt", "a?.txt", "a?.txt"}));
            // Sorted by date, the real "a?.txt" comes last.
            Click(Form->FileList()->Header(), Form->FileList()->Columns()->LeftOf(2) + 10, 5);
            FocusList(Form);
            Key(VK_HOME);
            Key(VK_RETURN);  // the folder
            EXPECT_EQ(Form->Folder(), Root());
            for (int row = 1; row <= 2; ++row) {
                Key(VK_DOWN);
                Key(VK_RETURN);
                EXPECT_EQ(Form->ModalResult(), mrNone);
            }
            EXPECT_EQ(Form->FileList()->Selected()->SubItems()->Strings(1).substr(0, 4), "2002");
            Key(VK_DOWN);
            Key(VK_RETURN);
        },
        &boxes));
    ASSERT_EQ(boxes.Texts.size(), 3u);
    EXPECT_EQ(boxes.Texts[0], "文件夹“?”的名称含有本程序无法表示的字符，无法打开。");
    EXPECT_EQ(boxes.Texts[1], "“a?.txt”的名称含有本程序无法表示的字符，无法使用。\n请先为它改名。");
    EXPECT_EQ(boxes.Texts[2], boxes.Texts[1]);
    EXPECT_EQ(dialog.FileName, Root() + "/a?.txt");
    EXPECT_EQ(ReadAll(dialog.FileName), "question mark");
}

TEST_F(TFileDialogTest, WrongTypedPathsAreSaidAndTheDialogStaysOpen)
{
    MakeFolder("a");
    MakeFile("top.txt", "top");
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    dialog.Options.Include(ofFileMustExist);
    TBoxes boxes{{IDOK, IDOK, IDOK, IDOK, IDOK, IDOK}, {}};
    EXPECT_TRUE(Run(
        dialog,
        [&](TFileDialogForm* Form) {
            // ".." after a missing folder: the system finds nothing there,
            // though "top.txt" is what the text would give.
            EnterName("nosuch/../top.txt");
            EnterName("top.txt/");
            EnterName("top.txt/..");
            EnterName("nosuch/x.txt");
            EnterName("missing.txt");
            Key('I', InjectAlt);
            Type("nosuch");
            Key(VK_RETURN);
            EXPECT_EQ(Form->Folder(), Root());
            EXPECT_EQ(Form->ModalResult(), mrNone);
            // Through a folder that exists, ".." is taken as the system takes it.
            EnterName("a/../top.txt");
        },
        &boxes));
    EXPECT_EQ(boxes.Texts, (TNames{"找不到文件夹“nosuch/../top.txt”。\n请检查路径是否正确。", "“top.txt/”不是文件夹。",
                                   "“top.txt/..”不是文件夹。", "找不到文件夹“nosuch/x.txt”。\n请检查路径是否正确。",
                                   Root() + "/missing.txt\n找不到文件。\n请检查文件名是否正确。",
                                   "找不到文件夹“nosuch”。\n请检查路径是否正确。"}));
    EXPECT_EQ(dialog.FileName, Root() + "/top.txt");

    // A save dialog refuses a missing folder as well; a missing file is
    // what it is for.
    TSaveDialog save(nullptr);
    save.InitialDir = Root();
    TBoxes saveBoxes{{IDOK}, {}};
    EXPECT_TRUE(Run(save, [&](TFileDialogForm*) { EnterName("nosuch/new.txt"), EnterName("a/new.txt"); }, &saveBoxes));
    EXPECT_EQ(saveBoxes.Texts, (TNames{"找不到文件夹“nosuch/new.txt”。\n请检查路径是否正确。"}));
    EXPECT_EQ(save.FileName, Root() + "/a/new.txt");
}

TEST_F(TFileDialogTest, AColumnClickedSortsByItAndAgainTurnsTheOrderRound)
{
    MakeFolder("zz");
    MakeFolder("aa");
    MakeFile("big.txt", std::string(5000, 'x'), 1041422400);
    MakeFile("mid.txt", std::string(2000, 'x'), 978350400);
    MakeFile("small.txt", "x", 1009886400);
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    EXPECT_FALSE(Run(dialog, [&](TFileDialogForm* Form) {
        TListView* list = Form->FileList();
        EXPECT_EQ(Listed(Form), (TNames{"aa", "zz", "big.txt", "mid.txt", "small.txt"}));
        EXPECT_EQ(list->Items()->Item(2)->SubItems()->Strings(0), "5 KB");
        EXPECT_EQ(list->Items()->Item(0)->SubItems()->Strings(0), "文件夹");
        auto clickColumn = [&](int Column) { Click(list->Header(), list->Columns()->LeftOf(Column) + 10, 5); };
        clickColumn(1);
        EXPECT_EQ(Listed(Form), (TNames{"aa", "zz", "small.txt", "mid.txt", "big.txt"}));
        clickColumn(1);
        EXPECT_EQ(Listed(Form), (TNames{"zz", "aa", "big.txt", "mid.txt", "small.txt"}));
        clickColumn(2);
        EXPECT_EQ(Listed(Form), (TNames{"aa", "zz", "mid.txt", "small.txt", "big.txt"}));
        clickColumn(0);
        EXPECT_EQ(Listed(Form), (TNames{"aa", "zz", "big.txt", "mid.txt", "small.txt"}));
        Key(VK_ESCAPE);
    }));
}

TEST_F(TFileDialogTest, PlacesOfferHomeTheDesktopAndTheFoldersUsedLast)
{
    // The desktop folder as the desktop's user-dirs file names it, in UTF-8.
    std::filesystem::create_directories(Home() + "/\xE6\xA1\x8C\xE9\x9D\xA2");  // 桌面
    std::ofstream(Home() + "/.config/user-dirs.dirs")
        << "# written by the desktop\nXDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
           "XDG_DESKTOP_DIR=\"$HOME/\xE6\xA1\x8C\xE9\x9D\xA2\"\n";
    MakeFolder("used");
    MakeFile("used/x.txt");
    MakeFile("desk.txt");
    TOpenDialog dialog(nullptr);
    dialog.InitialDir = Root();
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm*) { EnterName("used/x.txt"); }));
    EXPECT_TRUE(Run(dialog, [&](TFileDialogForm* Form) {
        TListBox* places = Form->PlaceList();
        ASSERT_GE(places->Count(), 3);
        EXPECT_EQ(places->Items()->Strings(0), "主文件夹");
        EXPECT_EQ(places->Items()->Strings(1), "桌面");
        EXPECT_EQ(places->Items()->Strings(2), Root() + "/used");
        Click(places, 5, places->ItemRect(1).Top + 3);
        EXPECT_EQ(Form->Folder(), Utf8ToGbk(Home()) + "/桌面");
        Click(places, 5, places->ItemRect(2).Top + 3);
        EXPECT_EQ(Form->Folder(), Root() + "/used");
        Click(places, 5, places->ItemRect(0).Top + 3);
        EXPECT_EQ(Form->Folder(), Utf8ToGbk(Home()));
        EnterName(Root() + "/desk.txt");
    }));
    EXPECT_EQ(dialog.FileName, Root() + "/desk.txt");
}

TEST_F(TFileDialogTest, CaptionsAreTheChineseDesktopsAndTheTitleOverridesThem)
{
    TOpenDialog open(nullptr);
    open.InitialDir = Root();
    AnsiString caption;
    EXPECT_FALSE(Run(open, [&](TFileDialogForm* Form) {
        caption = Form->Caption();
        // The lowest row fits inside the frame.
        EXPECT_LE(Form->FilterBox()->Top() + Form->FilterBox()->Height(), Form->ClientHeight());
        Key(VK_ESCAPE);
    }));
    EXPECT_EQ(caption, "打开");
    TSaveDialog save(nullptr);
    save.InitialDir = Root();
    EXPECT_FALSE(Run(save, [&](TFileDialogForm* Form) {
        caption = Form->Caption();
        Click(Form->NameBox(), 3, 3);
        Key(VK_ESCAPE);
    }));
    EXPECT_EQ(caption, "另存为");
    save.Title = "新建文档库...";
    EXPECT_FALSE(Run(save, [&](TFileDialogForm* Form) {
        caption = Form->Caption();
        Key(VK_ESCAPE);
    }));
    EXPECT_EQ(caption, "新建文档库...");
}

}  // namespace

namespace {

// A quick print to the PDF printer asks for its file through the save
// dialog; a cancelled question prints nothing.
TEST_F(TFileDialogTest, AQuickPrintToThePdfPrinterAsksForItsFileWithTheSaveDialog)
{
    const TAskPdfFileHook savedHook = AskPdfFileHook;
    AskPdfFileHook = AskPdfFileWithSaveDialog;
    TPrinter printer;
    printer.SetPrinterIndex(printer.Printers()->Count() - 1);
    ASSERT_TRUE(printer.IsPdfPrinter());

    AnsiString caption;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        caption = Request.Form ? Request.Form->Caption() : AnsiString();
        Process();
        EnterName(Root() + "/quick 說");
        return mrNone;
    });
    printer.BeginDoc();
    ASSERT_TRUE(printer.Printing());
    printer.Canvas()->TextOut(100, 100, "quick");
    printer.EndDoc();
    EXPECT_EQ(caption, "打印到文件");
    EXPECT_EQ(ReadAll(Root() + "/quick 說.pdf").substr(0, 5), "%PDF-");

    TModalAnswers::Push(mrCancel);
    printer.BeginDoc();
    EXPECT_FALSE(printer.Printing());
    EXPECT_TRUE(printer.Aborted());
    printer.EndDoc();
    AskPdfFileHook = savedHook;
}

}  // namespace

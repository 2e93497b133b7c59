// The document editor on a shown window: its own commands (case changes,
// word and line selection), inserting files, exporting through an
// exporter, printing, and the last focused document editor.

#include "editor_services/syn_text_editor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "tests/editor/syn_view_test_support.h"
#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor_services/dialogs/message_dialog.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/export/syn_exporter_tex.h"
#include "editor_services/dialogs/syn_document_dialogs.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/base/streams.h"
#include "platform/base/strings.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/kernel/modal_answers.h"

namespace {

class TSynTextEditorTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        editor_ = new TSynTextEditor(host_.get());
        editor_->SetBounds(0, 0, 600, 400);
        editor_->SetParent(host_.get());
        editor_->HandleNeeded();
        folder_ = std::filesystem::temp_directory_path() / ("doced-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        Pump();
    }
    void TearDown() override
    {
        TModalAnswers::Clear();
        SynSaveDialogFactory = nullptr;
        SynPrintDialogFactory = nullptr;
        std::filesystem::remove_all(folder_);
        TEditorViewTest::TearDown();
    }

    void Run(TSynTextEditorCommand Command, char AChar = '\0', void* Data = nullptr)
    {
        editor_->ExecuteCommand(Command, AChar, Data);
    }
    void Select(TBufferCoord From, TBufferCoord To) { editor_->SetCaretAndSelection(To, From, To); }

    AnsiString WriteFile(const char* Name, const AnsiString& Bytes)
    {
        const AnsiString path = (folder_ / Name).string();
        std::ofstream(path, std::ios::binary) << Bytes;
        return path;
    }

    TSynTextEditor* editor_ = nullptr;
    std::filesystem::path folder_;
};

TEST_F(TSynTextEditorTest, TitleCaseOfASelectionIsOneUndoableChange)
{
    editor_->SetText("hello wORLD foo_bar");
    editor_->SetModified(false);
    editor_->ClearUndo();
    Select(BufferCoord(1, 1), BufferCoord(20, 1));
    Run(ecDocTitleCase);
    EXPECT_EQ(editor_->Lines()->Strings(0), "Hello WORLD Foo_bar");
    EXPECT_TRUE(editor_->Modified());
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 1));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(20, 1));
    editor_->Undo();
    EXPECT_EQ(editor_->Lines()->Strings(0), "hello wORLD foo_bar");
    EXPECT_FALSE(editor_->CanUndo());

    // A selection from the middle of a word takes the whole word on its
    // first and last lines, whole lines between.
    editor_->SetText("one two\r\nthree four\r\nfive six");
    Select(BufferCoord(2, 1), BufferCoord(3, 3));
    Run(ecDocTitleCase);
    EXPECT_EQ(editor_->Text(), "One Two\r\nThree Four\r\nFive six");
}

TEST_F(TSynTextEditorTest, TitleCaseNeverTakesATrailByteForAWordStart)
{
    // 0x81 leads are separators without a highlighter; the trail bytes
    // 0x61 and 0x7A look like 'a' and 'z'. 說 (D5 66) and 中 (D6 D0) lead
    // with identifier bytes: the letters after them go on the same word.
    const AnsiString text = "\x81\x61\x81\x7A" "ab 說f 中x 門t 這@ 乗\\b";
    editor_->SetText(text);
    editor_->SetModified(false);
    Select(BufferCoord(1, 1), BufferCoord(static_cast<int>(text.size()) + 1, 1));
    Run(ecDocTitleCase);
    EXPECT_EQ(editor_->Lines()->Strings(0), "\x81\x61\x81\x7A" "Ab 說f 中x 門t 這@ 乗\\B");
    EXPECT_TRUE(editor_->Modified());
    editor_->Undo();
    EXPECT_EQ(editor_->Lines()->Strings(0), text);
}

TEST_F(TSynTextEditorTest, TitleCaseOverThreeLinesUndoesInOneStep)
{
    // Each line changes on its own, and the double-byte characters sit
    // between the changed words; one undo still gives back all three lines.
    const AnsiString text = "說門中 alpha beta\r\ngamma 門x delta\r\n中 omega 說f";
    editor_->SetText(text);
    editor_->ClearUndo();
    Select(BufferCoord(1, 1), BufferCoord(13, 3));
    editor_->CommandProcessor(ecDocTitleCase, '\0', nullptr);
    EXPECT_EQ(editor_->Text(), "說門中 Alpha Beta\r\nGamma 門x Delta\r\n中 Omega 說f");
    EXPECT_EQ(editor_->BlockBegin(), BufferCoord(1, 1));
    EXPECT_EQ(editor_->BlockEnd(), BufferCoord(13, 3));
    editor_->CommandProcessor(ecUndo, '\0', nullptr);
    EXPECT_EQ(editor_->Text(), text);
    EXPECT_FALSE(editor_->CanUndo());
    editor_->CommandProcessor(ecRedo, '\0', nullptr);
    EXPECT_EQ(editor_->Text(), "說門中 Alpha Beta\r\nGamma 門x Delta\r\n中 Omega 說f");
}

TEST_F(TSynTextEditorTest, CaseCommandsWorkOnTheWordOrTheSelection)
{
    editor_->SetText("alpha beta gamma");
    editor_->SetCaretXY(BufferCoord(8, 1));
    Run(ecDocUpperCase);
    EXPECT_EQ(editor_->Lines()->Strings(0), "alpha BETA gamma");
    Select(BufferCoord(1, 1), BufferCoord(4, 1));
    Run(ecDocToggleCase);
    EXPECT_EQ(editor_->Lines()->Strings(0), "ALPha BETA gamma");
    editor_->SetCaretXY(BufferCoord(14, 1));
    Run(ecDocTitleCase);
    EXPECT_EQ(editor_->Lines()->Strings(0), "ALPha BETA Gamma");
    editor_->SetCaretXY(BufferCoord(8, 1));
    Run(ecDeleteWholeWord);
    // The part after the caret goes with its blank, then the part before.
    EXPECT_EQ(editor_->Lines()->Strings(0), "ALPha Gamma");
    editor_->Undo();
    EXPECT_EQ(editor_->Lines()->Strings(0), "ALPha BETA Gamma");
}

TEST_F(TSynTextEditorTest, WordSelectionSkipsPunctuationAndStopsAtTheEnds)
{
    editor_->SetText("alpha, ;;; -- beta\r\n\r\n   \r\n(gamma)");
    editor_->SetCaretXY(BufferCoord(1, 1));
    std::vector<AnsiString> words;
    for (int i = 0; i < 5; ++i) {
        Run(ecSelectNextWord);
        words.push_back(editor_->SelText());
    }
    // Past the last word the caret goes to the end of the text, and there
    // the command changes nothing.
    EXPECT_EQ(words, (std::vector<AnsiString>{"beta", "gamma", "", "", ""}));
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(8, 4));
    for (const char* word : {"gamma", "beta", "alpha"}) {
        Run(ecSelectLastWord);
        EXPECT_EQ(editor_->SelText(), word);
    }
    Run(ecSelectLastWord);
    EXPECT_EQ(editor_->SelText(), "");
    EXPECT_EQ(editor_->CaretXY(), BufferCoord(1, 1));
}

TEST_F(TSynTextEditorTest, WordSelectionCrossesLongBlankRuns)
{
    AnsiString text = "first";
    for (int i = 0; i < 200000; ++i)
        text += "\r\n ;";
    text += "\r\nlast";
    editor_->SetText(text);
    editor_->SetCaretXY(BufferCoord(1, 1));
    Run(ecSelectNextWord);
    EXPECT_EQ(editor_->SelText(), "last");
    Run(ecSelectLastWord);
    EXPECT_EQ(editor_->SelText(), "first");
}

TEST_F(TSynTextEditorTest, LineSelectionWrapsAround)
{
    editor_->SetText("one\r\ntwo\r\nthree");
    editor_->SetCaretXY(BufferCoord(2, 2));
    Run(ecSelectLine);
    EXPECT_EQ(editor_->SelText(), "two");
    Run(ecSelectNextLine);
    EXPECT_EQ(editor_->SelText(), "three");
    Run(ecSelectNextLine);
    EXPECT_EQ(editor_->SelText(), "one");
    Run(ecSelectLastLine);
    EXPECT_EQ(editor_->SelText(), "three");
    Run(ecSelectLastLine);
    EXPECT_EQ(editor_->SelText(), "two");
}

TEST_F(TSynTextEditorTest, LastChangeAndBookmarks)
{
    EXPECT_EQ(editor_->LastChange, BufferCoord(0, 0));
    int changes = 0;
    editor_->OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    editor_->SetText("one\r\ntwo\r\nthree");
    editor_->SetCaretXY(BufferCoord(3, 2));
    changes = 0;
    editor_->SetSelText("X");
    EXPECT_EQ(changes, 1);
    const TBufferCoord changed = editor_->LastChange;
    EXPECT_EQ(changed.Line, 2);
    editor_->SetCaretXY(BufferCoord(1, 3));
    Run(ecGotoLastChange);
    EXPECT_EQ(editor_->CaretXY(), changed);

    editor_->SetBookMark(0, 1, 1);
    editor_->SetBookMark(9, 1, 3);
    Run(ecClearBookmarks);
    EXPECT_FALSE(editor_->IsBookmark(0));
    EXPECT_FALSE(editor_->IsBookmark(9));
}

// A file dialog that answers from a script.
class TScriptedFileDialog : public TSynFileDialog {
public:
    AnsiString title, filter, fileName;
    bool confirm = true;
    int executed = 0;
    AnsiString Title() const override { return title; }
    void SetTitle(const AnsiString& Value) override { title = Value; }
    AnsiString Filter() const override { return filter; }
    void SetFilter(const AnsiString& Value) override { filter = Value; }
    AnsiString FileName() const override { return fileName; }
    std::function<void(const TScriptedFileDialog& Dialog)> onExecute;
    bool Execute() override
    {
        ++executed;
        if (onExecute)
            onExecute(*this);
        return confirm;
    }
};

TEST_F(TSynTextEditorTest, InsertFileReplacesTheSelectionOrTheText)
{
    const AnsiString file = WriteFile("part.txt", "說門\r\n這");
    editor_->SetText("abcdef");
    editor_->SetModified(false);
    Select(BufferCoord(2, 1), BufferCoord(4, 1));
    AnsiString loaded;
    editor_->OnLoadDocument = TSynDocumentEvent::FromCallable(
        [&](TObject* Sender, TStream* Stream, TSynDocumentOptions) {
            EXPECT_EQ(Sender, editor_);
            loaded.resize(static_cast<size_t>(Stream->Size()));
            Stream->Read(loaded.data(), Stream->Size());
            Stream->Seek(0, soBeginning);
        });
    EXPECT_TRUE(editor_->InsertFile(file, nullptr, {doSelection}));
    EXPECT_EQ(loaded, "說門\r\n這");
    EXPECT_EQ(editor_->Text(), "a說門\r\n這def");
    EXPECT_TRUE(editor_->Modified());
    editor_->Undo();
    EXPECT_EQ(editor_->Text(), "abcdef");

    // An empty file deletes the selection.
    Select(BufferCoord(2, 1), BufferCoord(4, 1));
    EXPECT_TRUE(editor_->InsertFile(WriteFile("empty.txt", ""), nullptr, {doSelection}));
    EXPECT_EQ(editor_->Text(), "adef");

    // The whole text, taken as the editor's document.
    EXPECT_TRUE(editor_->InsertFile(file, nullptr, {doReset}));
    EXPECT_EQ(editor_->Text(), "說門\r\n這");
    EXPECT_EQ(editor_->DocumentName(), file);
    EXPECT_EQ(editor_->DocumentState, smsDocument);
    EXPECT_FALSE(editor_->Modified());
    EXPECT_EQ(editor_->TopLine(), 1);
}

// A file taken as the whole text shows its fold marks before any edit.
TEST_F(TSynTextEditorTest, InsertFileAsTheWholeTextFindsItsFoldRanges)
{
    editor_->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
    editor_->CodeFolding()->SetHighlighterFoldRegions(false);
    editor_->CodeFolding()->SetEnabled(true);
    ASSERT_TRUE(editor_->InsertFile(WriteFile("blocks.c", "f() {\r\n  if (a) {\r\n  }\r\n}\r\n"), nullptr, {}));
    const TSynTextFoldRange* outer = editor_->GetFoldRangeAtLine(1);
    const TSynTextFoldRange* inner = editor_->GetFoldRangeAtLine(2);
    ASSERT_NE(outer, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(outer->ToLine(), 4);
    EXPECT_EQ(inner->ToLine(), 3);
}

TEST_F(TSynTextEditorTest, DocumentFormatIsTheLineBreaksTheNextSaveWrites)
{
    // A file with Unix line breaks read as the document.
    const AnsiString file = WriteFile("unix.txt", "說門\n這\n");
    ASSERT_TRUE(editor_->InsertFile(file, nullptr, {doReset}));
    EXPECT_EQ(editor_->DocumentFormat(), sffUnix);

    int statusChanges = 0;
    editor_->OnStatusChange = TStatusChangeEvent::FromCallable([&](TObject*, TSynStatusChanges Changes) {
        if (Changes.Contains(scAll))
            ++statusChanges;
    });
    editor_->SetDocumentFormat(sffUnix);
    EXPECT_EQ(statusChanges, 0);
    editor_->SetDocumentFormat(sffMac);
    EXPECT_EQ(editor_->DocumentFormat(), sffMac);
    EXPECT_EQ(statusChanges, 1);

    TMemoryStream saved;
    editor_->Lines()->SaveToStream(&saved);
    EXPECT_EQ(AnsiString(static_cast<const char*>(saved.Memory()), static_cast<size_t>(saved.Size())),
              "說門\r這");
    editor_->SetDocumentFormat(sffDos);
    EXPECT_EQ(editor_->DocumentFormat(), sffDos);
}

TEST_F(TSynTextEditorTest, InsertFileAsksForTheNameAndReportsAMissingFile)
{
    editor_->SetText("keep");
    TScriptedFileDialog dialog;
    dialog.confirm = false;
    EXPECT_FALSE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));
    EXPECT_EQ(dialog.title, "打开文档...");
    EXPECT_EQ(editor_->Text(), "keep");

    dialog.confirm = true;
    dialog.title = "Insert";
    dialog.fileName = (folder_ / "missing.txt").string();
    Application->SetTitle("Tandril");
    AnsiString caption, message;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        caption = Request.Caption;
        message = static_cast<TMessageDialog*>(Request.Form)->Message->Caption();
        return 1;
    });
    EXPECT_FALSE(editor_->InsertFile("", &dialog, {doSelection, doDefine, doReset}));
    EXPECT_EQ(dialog.title, "Insert");
    EXPECT_EQ(caption, "Tandril");
    EXPECT_EQ(message,
              dialog.fileName + " 文档打开时出错\r\n\r\n可能该文档不存在或被其它程序以独占方式打开！");
    EXPECT_EQ(editor_->Text(), "keep");
    EXPECT_EQ(editor_->DocumentState, smsNormal);
    EXPECT_EQ(editor_->DocumentName(), "");
}

TEST_F(TSynTextEditorTest, InsertedFilesInUtf8AndUtf16ArriveAsTheEditorsText)
{
    // 說門 中文, 這乗 in UTF-8 and in UTF-16 (both byte orders).
    const std::string utf8 = "\xE8\xAA\xAA\xE9\x96\x80 \xE4\xB8\xAD\xE6\x96\x87\n\xE9\x80\x99\xE4\xB9\x97 ok";
    const std::string utf16le("\xFF\xFE\xAA\x8A\x80\x95\x20\x00\x2D\x4E\x87\x65\x0A\x00\x19\x90\x57\x4E\x20\x00\x6F\x00\x6B\x00", 24);
    const std::string utf16be("\xFE\xFF\x8A\xAA\x95\x80\x00\x20\x4E\x2D\x65\x87\x00\x0A\x90\x19\x4E\x57\x00\x20\x00\x6F\x00\x6B", 24);
    std::vector<AnsiString> messages;
    auto answer = [&] {
        TModalAnswers::Push([&](const TModalRequest& Request) {
            messages.push_back(static_cast<TMessageDialog*>(Request.Form)->Message->Caption());
            return 1;
        });
    };
    TScriptedFileDialog dialog;
    dialog.confirm = true;
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, utf16le, utf16be}) {
        dialog.fileName = WriteFile("text.txt", bytes);
        editor_->SetText("[]");
        Select(BufferCoord(2, 1), BufferCoord(2, 1));
        EXPECT_TRUE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));
        EXPECT_EQ(editor_->Text(), "[說門 中文\r\n這乗 ok]");
    }

    // The whole document, with its line breaks.
    dialog.fileName = WriteFile("text.txt", "\xEF\xBB\xBF" + utf8);
    EXPECT_TRUE(editor_->InsertFile("", &dialog, {doDefine, doReset}));
    EXPECT_EQ(editor_->Lines()->Count(), 2);
    EXPECT_EQ(editor_->Lines()->Strings(0), "說門 中文");
    EXPECT_EQ(editor_->DocumentFormat(), sffUnix);
    EXPECT_TRUE(messages.empty());

    // A character GBK cannot hold (U+1F600, and a lone surrogate) is
    // shown as '?' and the user is told how many there were.
    answer();
    dialog.fileName = WriteFile("emoji.txt", "a\xF0\x9F\x98\x80?\xE4\xB8\xAD");
    editor_->SetText("");
    EXPECT_TRUE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));
    EXPECT_EQ(editor_->Text(), "a??中");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], dialog.fileName + " 中有 1 个字符无法用 GBK 表示，已用“?”代替。");
    answer();
    dialog.fileName = WriteFile("lone.txt", std::string("\xFF\xFE\x00\xD8" "a\x00", 6));
    editor_->SetText("");
    EXPECT_TRUE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));
    EXPECT_EQ(editor_->Text(), "?a");
    ASSERT_EQ(messages.size(), 2u);

    // Bytes that are text in none of the three arrive as GBK, but for
    // those that start no GBK character: each is a '?', counted as well.
    answer();
    dialog.fileName = WriteFile("broken.txt", "\x80\xFF \xE4\xB8 \xC0\xAF \xD6\xD0 \xFE\x80\xC3 z\xD6");
    editor_->SetText("");
    EXPECT_TRUE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));
    EXPECT_EQ(editor_->Text(), "?? \xE4\xB8 \xC0\xAF 中 ??? z?");
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2], dialog.fileName + " 中有 6 个字符无法用 GBK 表示，已用“?”代替。");
}

TEST_F(TSynTextEditorTest, EachCharacterGbkLacksIsOneMarkCountedOnce)
{
    TScriptedFileDialog dialog;
    dialog.confirm = true;
    // Answers the text the file arrived as and the message box shown, if any.
    auto insert = [&](const char* Name, const std::string& Bytes) {
        AnsiString shown;
        TModalAnswers::Push([&](const TModalRequest& Request) {
            shown = static_cast<TMessageDialog*>(Request.Form)->Message->Caption();
            return 1;
        });
        dialog.fileName = WriteFile(Name, Bytes);
        editor_->SetText("");
        EXPECT_TRUE(editor_->InsertFile("", &dialog, {doSelection, doDefine}));
        TModalAnswers::Clear();
        return std::make_pair(editor_->Text(), shown);
    };
    const auto oneMark = [&] { return dialog.fileName + " 中有 1 个字符无法用 GBK 表示，已用“?”代替。"; };

    // U+1F600 in UTF-16 is two units, both byte orders; a user-written '?'
    // next to it is not counted.
    for (const std::string& bytes : {std::string("\xFF\xFE" "a\x00\x3D\xD8\x00\xDE?\x00", 10),
                                     std::string("\xFE\xFF\x00" "a\xD8\x3D\xDE\x00\x00?", 10)}) {
        const auto [text, shown] = insert("pair.txt", bytes);
        EXPECT_EQ(text, "a??");
        EXPECT_EQ(shown, oneMark());
    }
    // A last byte without its partner is a character lost too.
    {
        const auto [text, shown] = insert("odd.txt", std::string("\xFF\xFE" "a\x00" "b", 5));
        EXPECT_EQ(text, "a?");
        EXPECT_EQ(shown, oneMark());
    }
    // An overlong UTF-8 form (U+07FF in three bytes) is no UTF-8, though
    // the 中 after it is: the file is GBK, three characters that arrive
    // byte for byte, nothing replaced.
    {
        const std::string overlong = "\xE0\x9F\xBF\xE4\xB8\xAD";
        const auto [text, shown] = insert("overlong.txt", overlong);
        EXPECT_EQ(text, overlong);
        EXPECT_EQ(shown, "");
    }
}

TEST_F(TSynTextEditorTest, ExportAddsTheFormatsExtensionComparedWithoutCase)
{
    editor_->SetText("one\r\ntwo");
    TSynExporterHTML html(nullptr);
    TSynExporterRTF rtf(nullptr);
    TSynExporterTeX tex(nullptr);
    // The name the export was saved under, relative to the folder.
    auto exportedName = [this](TSynCustomExporter& Exporter, const AnsiString& Name) {
        const AnsiString folder = folder_.string() + "/";
        editor_->ExportDocument(folder + Name, &Exporter, {});
        const AnsiString saved = Exporter.Title();
        std::ifstream in(saved, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_NE(bytes.find("one"), std::string::npos) << saved;
        EXPECT_NE(bytes.find("two"), std::string::npos) << saved;
        EXPECT_EQ(Exporter.Font()->Name(), editor_->Font()->Name());
        return saved.substr(folder.size());
    };
    EXPECT_EQ(exportedName(html, "report.HTML"), "report.HTML");
    EXPECT_EQ(exportedName(html, "report.Htm"), "report.Htm");
    EXPECT_EQ(exportedName(html, "report.txt"), "report.txt.htm");
    EXPECT_EQ(exportedName(rtf, "report.RTF"), "report.RTF");
    EXPECT_EQ(exportedName(rtf, "report"), "report.rtf");
    EXPECT_EQ(exportedName(tex, "report.Tex"), "report.Tex");
    EXPECT_EQ(exportedName(tex, "report.htm"), "report.htm.tex");
    EXPECT_EQ(editor_->DocumentState, smsNormal);
}

TEST_F(TSynTextEditorTest, ExportAsksForTheNameAndTakesTheSelection)
{
    editor_->SetText("one\r\ntwo");
    editor_->SetModified(true);
    const AnsiString out = (folder_ / "out").string();
    AnsiString title, filter;
    bool confirm = false;
    SynSaveDialogFactory = [&](TComponent* Owner) {
        EXPECT_EQ(Owner, editor_);
        auto dialog = std::make_unique<TScriptedFileDialog>();
        dialog->confirm = confirm;
        dialog->fileName = out;
        dialog->onExecute = [&](const TScriptedFileDialog& Shown) {
            title = Shown.title;
            filter = Shown.filter;
        };
        return std::unique_ptr<TSynFileDialog>(std::move(dialog));
    };
    TSynExporterHTML exporter(nullptr);
    editor_->ExportDocument("draft", &exporter, {doDefine});
    EXPECT_FALSE(std::filesystem::exists(out + ".htm"));
    EXPECT_EQ(editor_->DocumentName(), "");

    confirm = true;
    Select(BufferCoord(2, 1), BufferCoord(3, 2));
    editor_->ExportDocument("draft", &exporter, {doDefine, doSelection, doReset});
    EXPECT_EQ(title, "导出文档 draft");
    EXPECT_EQ(filter, "HTML Documents (*.htm;*.html)|*.htm;*.html");
    // Without a highlighter each line of the selection is one plain run.
    std::ifstream in(out + ".htm", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(bytes.find("<pre><code><span class=\"text\">ne\r\ntw\r\n</span></code></pre>"), std::string::npos);
    EXPECT_EQ(editor_->DocumentName(), out + ".htm");
    EXPECT_EQ(editor_->DocumentState, smsDocument);
    EXPECT_FALSE(editor_->Modified());
}

// A print component and dialog that record what they were asked.
class TRecordingPrint : public TSynTextPrint {
public:
    std::vector<AnsiString> log;
    void AssignFromEditor(TCustomSynText*) override { log.push_back("editor"); }
    void SetHighlighter(TSynCustomHighlighter*) override {}
    int PageCount() override { return 5; }
    void SetCopies(int Value) override { log.push_back("copies " + std::to_string(Value)); }
    void SetSelectedOnly(bool Value) override { log.push_back(Value ? "selected" : "all text"); }
    void Print() override { log.push_back("print"); }
    void PrintRange(int From, int To) override
    {
        log.push_back("pages " + std::to_string(From) + "-" + std::to_string(To));
    }
};

// What the print dialog was offered, and how the user answers it.
struct TPrintScript {
    bool confirm = true;
    int shown = 0, minPage = 0, maxPage = 0, from = 0, to = 0;
    bool selection = false;
    TSynPrintRange range = prPageNums;
};

class TScriptedPrintDialog : public TSynPrintDialog {
public:
    explicit TScriptedPrintDialog(TPrintScript& AScript) : script(AScript) { ++script.shown; }
    TPrintScript& script;
    void SetPages(int MinPage, int MaxPage, int FromPage, int ToPage) override
    {
        script.minPage = MinPage;
        script.maxPage = MaxPage;
        script.from = FromPage;
        script.to = ToPage;
    }
    void SetSelectionEnabled(bool Value) override { script.selection = Value; }
    bool Execute() override { return script.confirm; }
    TSynPrintRange PrintRange() const override { return script.range; }
    int FromPage() const override { return 2; }
    int ToPage() const override { return 3; }
    int Copies() const override { return 2; }
};

TEST_F(TSynTextEditorTest, PrintAsksForPagesOnlyWithTheCharacterOne)
{
    editor_->SetText("one");
    TPrintScript script;
    SynPrintDialogFactory = [&](TComponent*) {
        return std::unique_ptr<TSynPrintDialog>(std::make_unique<TScriptedPrintDialog>(script));
    };
    TRecordingPrint print;
    Run(ecDocPrint, '\0', &print);
    EXPECT_EQ(print.log, (std::vector<AnsiString>{"editor", "print"}));
    EXPECT_EQ(script.shown, 0);

    print.log.clear();
    editor_->SelectAll();
    Run(ecDocPrint, '1', &print);
    EXPECT_EQ(script.shown, 1);
    EXPECT_EQ(script.minPage, 1);
    EXPECT_EQ(script.from, 1);
    EXPECT_EQ(script.maxPage, 5);
    EXPECT_EQ(script.to, 5);
    EXPECT_TRUE(script.selection);
    EXPECT_EQ(print.log, (std::vector<AnsiString>{"editor", "copies 2", "pages 2-3"}));

    print.log.clear();
    script.confirm = false;
    Run(ecDocPrint, '1', &print);
    EXPECT_EQ(print.log, (std::vector<AnsiString>{"editor"}));
}

TEST_F(TSynTextEditorTest, PrintTakesTheDialogsAnswerOfSelectionOrAllPages)
{
    editor_->SetText("one\r\ntwo");
    TPrintScript script;
    SynPrintDialogFactory = [&](TComponent*) {
        return std::unique_ptr<TSynPrintDialog>(std::make_unique<TScriptedPrintDialog>(script));
    };
    TRecordingPrint print;
    Select(BufferCoord(1, 2), BufferCoord(4, 2));
    script.range = prSelection;
    Run(ecDocPrint, '1', &print);
    EXPECT_TRUE(script.selection);
    EXPECT_EQ(print.log, (std::vector<AnsiString>{"editor", "copies 2", "selected", "print"}));

    print.log.clear();
    editor_->SetCaretXY(BufferCoord(1, 1));
    script.range = prAllPages;
    Run(ecDocPrint, '1', &print);
    EXPECT_FALSE(script.selection);  // nothing selected: the choice is not offered
    EXPECT_EQ(print.log, (std::vector<AnsiString>{"editor", "copies 2", "print"}));
}

TEST_F(TSynTextEditorTest, TheLastFocusedEditorIsForgottenWhenItGoes)
{
    editor_->SetFocus();
    Pump();
    EXPECT_EQ(LastFocusedSynTextEditor(), editor_);
    delete editor_;
    editor_ = nullptr;
    EXPECT_EQ(LastFocusedSynTextEditor(), nullptr);
}

}  // namespace

// The print dialog worked like a user, with keys and clicks through the
// message loop while its form is up: the printer chosen goes to Printer()
// on OK only, a page range the document does not have is refused with a
// message and the form stays open, the choices the options do not offer
// cannot be taken, copies and collation come back, and a file typed for
// print to file is where the caller's print then goes, for the PDF printer
// and for a CUPS queue of a private cupsd.
#include "platform/ui/dialogs/print_dialog.h"

#include <cups/cups.h>

#include <functional>
#include <memory>

#include "form_test_support.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/printing/printer.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/radio_button.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "printer_test_support.h"
#include "private_cupsd.h"

namespace {

int asked = 0;
AnsiString askedFile;

// The save dialog's stand-in: answers the file the quick print asks for.
bool AnswerAskedFile(AnsiString& FileName)
{
    ++asked;
    FileName = askedFile;
    return true;
}

template <typename T>
T* Find(TWinControl* Parent, const std::function<bool(T*)>& Match)
{
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        if (auto* control = dynamic_cast<T*>(Parent->Controls(i)); control && Match(control))
            return control;
        if (auto* inner = dynamic_cast<TWinControl*>(Parent->Controls(i)))
            if (T* found = Find(inner, Match))
                return found;
    }
    return nullptr;
}

class TPrintDialogTest : public TPrintTestFolderOn<TFormTest> {
protected:
    void SetUp() override
    {
        TPrintTestFolderOn<TFormTest>::SetUp();
        // No CUPS unless a test starts its own: the PDF printer alone.
        cupsSetServer((Folder + "/no-cups.sock").c_str());
        Printer().Refresh();
        Printer().SetPrinterIndex(-1);
        AskPdfFileHook = AnswerAskedFile;
        asked = 0;
        askedFile = Folder + "/asked.pdf";
    }
    void TearDown() override
    {
        // The program's printer is left as the next test expects it: the
        // PDF printer alone, no file, no print to file.
        cupsd_.reset();
        cupsSetServer((Folder + "/no-cups.sock").c_str());
        Printer().Refresh();
        cupsSetServer(nullptr);
        AskPdfFileHook = nullptr;
        Printer().FileName.clear();
        Printer().PrintToFile = false;
        TPrintTestFolderOn<TFormTest>::TearDown();
    }

    // A private cupsd with the queues, stopped so that they hold their
    // jobs; false (and the test skipped) where cupsd cannot run.
    bool StartCups(std::initializer_list<const char*> Queues)
    {
        cupsd_ = std::make_unique<TPrivateCupsd>(Folder);
        if (!cupsd_->Failure().empty())
            return false;
        for (const char* queue : Queues)
            cupsd_->AddQueue(queue, true, IPP_PSTATE_STOPPED);
        // The first queue chosen, as for a user whose default it is.
        Printer().Refresh();
        Printer().SetPrinterIndex(0);
        return true;
    }

    // Queues Work to be done on the next form once it is up, and runs
    // the message loop after it.
    static void WorkForm(const std::function<void(TCustomForm*)>& Work)
    {
        TModalAnswers::Push([Work](const TModalRequest& Request) {
            Work(Request.Form);
            Process();
            return mrNone;
        });
    }
    // Runs Dialog on the answers queued; a form still open after them is
    // a failure, and cancelled rather than waited for.
    static bool Execute(TPrintDialog& Dialog)
    {
        TModalAnswers::Push([](const TModalRequest& Request) {
            ADD_FAILURE() << "\"" << Request.Caption << "\" is still open";
            return mrCancel;
        });
        const bool result = Dialog.Execute();
        TModalAnswers::Clear();
        return result;
    }
    // Runs Dialog with Work done on its form; answers Execute's answer.
    static bool Run(TPrintDialog& Dialog, const std::function<void(TCustomForm*)>& Work)
    {
        WorkForm(Work);
        return Execute(Dialog);
    }

    // Queues an answer to the next message box, keeping its text.
    void AnswerMessage()
    {
        TModalAnswers::Push([this](const TModalRequest& Request) {
            messages_.push_back(Request.Text);
            return IDOK;
        });
    }

    static TEdit* EditOf(TCustomForm* Form, const AnsiString& Label)
    {
        TLabel* label = Find<TLabel>(Form, [&](TLabel* l) { return l->Caption() == Label; });
        return label ? dynamic_cast<TEdit*>(label->FocusControl()) : nullptr;
    }
    template <typename T>
    static T* ByCaption(TCustomForm* Form, const AnsiString& Caption)
    {
        return Find<T>(Form, [&](T* c) { return c->Caption() == Caption; });
    }
    static TEdit* FileNameEdit(TCustomForm* Form)
    {
        // The one edit without a label: beside "print to file".
        return Find<TEdit>(Form, [&](TEdit* e) {
            return e != EditOf(Form, "从(&F):") && e != EditOf(Form, "到(&T):") && e != EditOf(Form, "打印份数(&C):");
        });
    }

    // Focuses the edit by its label's Alt accelerator and types Text over
    // what it held.
    static void TypeInto(char Letter, const AnsiString& Text)
    {
        InjectKeyStroke(static_cast<UINT>(Letter), InjectAlt);
        InjectKeyStroke(VK_HOME);
        InjectKeyStroke(VK_END, InjectShift);
        InjectText(Text);
    }

    static void PrintPage(const AnsiString& Text)
    {
        Printer().BeginDoc();
        ASSERT_TRUE(Printer().Printing());
        Printer().Canvas()->TextOut(300, 300, Text);
        Printer().EndDoc();
    }

    static std::string PdfText(const std::string& File) { return Output("pdftotext '" + File + "' - 2>/dev/null"); }

    std::vector<AnsiString> messages_;
    std::unique_ptr<TPrivateCupsd> cupsd_;
};

TEST_F(TPrintDialogTest, TheChosenPrinterGoesToThePrinterOnOkAndNotOnCancel)
{
    if (!StartCups({"alpha", "beta"}))
        GTEST_SKIP() << cupsd_->Failure();
    TPrintDialog dialog(nullptr);
    AnsiString caption;
    // Down on the closed list picks the next printer; Escape cancels.
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        caption = Form->Caption();
        ASSERT_EQ(Find<TComboBox>(Form, [](TComboBox*) { return true; })->Items()->Count(), 3);
        InjectKeyStroke('N', InjectAlt);
        InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_ESCAPE);
    }));
    EXPECT_EQ(caption, "打印");
    EXPECT_EQ(Printer().Printers()->Strings(Printer().PrinterIndex()), "alpha");

    dialog.Title = "打印說門";
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        caption = Form->Caption();
        InjectKeyStroke('N', InjectAlt);
        InjectKeyStroke(VK_DOWN);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(caption, "打印說門");
    EXPECT_EQ(Printer().Printers()->Strings(Printer().PrinterIndex()), "beta");
    // Opened again, it shows the printer chosen last, and OK keeps it.
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        EXPECT_EQ(Find<TComboBox>(Form, [](TComboBox*) { return true; })->Text(), "beta");
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(Printer().Printers()->Strings(Printer().PrinterIndex()), "beta");
}

TEST_F(TPrintDialogTest, WithWarningsAPrinterGoneMeanwhileIsRefusedAndTheDialogStaysOpen)
{
    if (!StartCups({"alpha", "beta"}))
        GTEST_SKIP() << cupsd_->Failure();
    TPrintDialog dialog(nullptr);
    dialog.Options = {poWarning};
    WorkForm([&](TCustomForm*) {
        InjectKeyStroke(VK_DOWN);
        Process();
        cupsd_->DeleteQueue("beta");
        InjectKeyStroke(VK_RETURN);
    });
    AnswerMessage();
    bool open = false;
    WorkForm([&](TCustomForm* Form) {
        open = Form->Visible();
        // The user picks the PDF printer instead.
        InjectKeyStroke(VK_END);
        InjectKeyStroke(VK_RETURN);
    });
    EXPECT_TRUE(Execute(dialog));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("beta"), std::string::npos) << messages_[0];
    EXPECT_TRUE(open);
    EXPECT_TRUE(Printer().IsPdfPrinter());
}

TEST_F(TPrintDialogTest, APageRangeOutsideTheDocumentOrBackwardsIsRefusedUntilMended)
{
    TPrintDialog dialog(nullptr);
    dialog.Options = {poPageNums, poWarning};
    dialog.MinPage = 1;
    dialog.MaxPage = 9;
    dialog.FromPage = 1;
    dialog.ToPage = 9;
    const AnsiString outside = "页码必须是 1 到 9 之间的数字。";
    // Each round types, then presses Enter. A refused round leaves the
    // edit at fault focused with its text selected, so the next round types
    // straight over it (letter 0) as a user would.
    struct TRound {
        std::vector<std::pair<char, AnsiString>> Typing;
        AnsiString Message;  // empty: accepted
    };
    const std::vector<TRound> rounds = {
        {{{'G', ""}, {'F', "7"}, {'T', "3"}}, "起始页不能大于结束页。"},
        {{{0, "x"}}, outside},
        {{{0, "0"}}, outside},
        {{{0, "2"}, {'T', "12"}}, outside},
        {{{0, "中"}}, outside},
        {{{0, "5"}}, ""},
    };
    int hidden = 0;
    for (const TRound& round : rounds) {
        WorkForm([&](TCustomForm* Form) {
            hidden += Form->Visible() ? 0 : 1;
            for (const auto& [letter, text] : round.Typing) {
                if (letter)
                    TypeInto(letter, text);
                else
                    InjectText(text);
            }
            InjectKeyStroke(VK_RETURN);
        });
        if (!round.Message.empty())
            AnswerMessage();
    }
    EXPECT_TRUE(Execute(dialog));
    EXPECT_EQ(hidden, 0);
    EXPECT_EQ(messages_, (std::vector<AnsiString>{"起始页不能大于结束页。", outside, outside, outside, outside}));
    EXPECT_EQ(dialog.PrintRange, prPageNums);
    EXPECT_EQ(dialog.FromPage, 2);
    EXPECT_EQ(dialog.ToPage, 5);
}

TEST_F(TPrintDialogTest, OnlyTheRangesTheOptionsOfferCanBeChosen)
{
    TPrintDialog dialog(nullptr);
    dialog.MinPage = 1;
    dialog.MaxPage = 4;
    dialog.FromPage = 1;
    dialog.ToPage = 4;
    // Without poSelection and poPageNums neither their keys nor a click
    // choose them, and a page range left as typed is not checked while
    // all pages are chosen.
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        InjectKeyStroke('S', InjectAlt);
        InjectClick(ScreenPoint(ByCaption<TRadioButton>(Form, "选定范围(&S)"), 6, 8));
        InjectKeyStroke('G', InjectAlt);
        InjectClick(ScreenPoint(ByCaption<TRadioButton>(Form, "页(&G)"), 6, 8));
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(dialog.PrintRange, prAllPages);

    dialog.Options = {poPageNums};
    EXPECT_TRUE(Run(dialog, [](TCustomForm*) {
        TypeInto('F', "3");
        TypeInto('T', "2");
        InjectKeyStroke('S', InjectAlt);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(messages_, std::vector<AnsiString>{});
    EXPECT_EQ(dialog.PrintRange, prAllPages);
    EXPECT_EQ(dialog.FromPage, 1);
    EXPECT_EQ(dialog.ToPage, 4);

    dialog.Options = {poPageNums, poSelection};
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        InjectClick(ScreenPoint(ByCaption<TRadioButton>(Form, "选定范围(&S)"), 6, 8));
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(dialog.PrintRange, prSelection);
    // Offered again, the selection is what the dialog shows.
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        EXPECT_TRUE(ByCaption<TRadioButton>(Form, "选定范围(&S)")->Checked());
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(dialog.PrintRange, prSelection);
}

TEST_F(TPrintDialogTest, CopiesAndCollationComeBackAndThePrinterKeepsOneCopy)
{
    TPrintDialog dialog(nullptr);
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        EXPECT_EQ(EditOf(Form, "打印份数(&C):")->Text(), "1");
        EXPECT_FALSE(ByCaption<TCheckBox>(Form, "逐份打印(&O)")->Checked());
        TypeInto('C', "3");
        InjectKeyStroke('O', InjectAlt);
        // The buttons lie inside the form, where a click reaches them.
        InjectClick(ScreenPoint(ByCaption<TButton>(Form, "确定"), 37, 11));
    }));
    EXPECT_EQ(dialog.Copies, 3);
    EXPECT_TRUE(dialog.Collate);
    EXPECT_EQ(Printer().Copies(), 1);

    // No copies, or not a number: refused; Cancel then leaves the copies.
    WorkForm([](TCustomForm* Form) {
        EXPECT_EQ(EditOf(Form, "打印份数(&C):")->Text(), "3");
        EXPECT_TRUE(ByCaption<TCheckBox>(Form, "逐份打印(&O)")->Checked());
        TypeInto('C', "0");
        InjectKeyStroke('O', InjectAlt);
        InjectKeyStroke(VK_RETURN);
    });
    AnswerMessage();
    WorkForm([](TCustomForm*) {
        InjectText("abc");
        InjectKeyStroke(VK_RETURN);
    });
    AnswerMessage();
    WorkForm([](TCustomForm*) { InjectKeyStroke(VK_ESCAPE); });
    EXPECT_FALSE(Execute(dialog));
    EXPECT_EQ(messages_, std::vector<AnsiString>(2, "份数必须是 1 到 9999 之间的数字。"));
    EXPECT_EQ(dialog.Copies, 3);
    EXPECT_TRUE(dialog.Collate);
}

TEST_F(TPrintDialogTest, TheFileTypedForThePdfPrinterIsWhereThePrintGoes)
{
    TPrintDialog dialog(nullptr);
    dialog.Options = {poPrintToFile};
    const AnsiString file = Folder + "/說門 notes.pdf";
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        // The PDF printer always prints to a file.
        auto* toFile = ByCaption<TCheckBox>(Form, "打印到文件(&L)");
        EXPECT_TRUE(toFile->Checked());
        EXPECT_FALSE(toFile->Enabled());
        InjectClick(ScreenPoint(FileNameEdit(Form), 5, 5));
        InjectText(file);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_TRUE(dialog.PrintToFile);
    EXPECT_EQ(dialog.FileName, file);
    EXPECT_EQ(Printer().FileName, file);
    PrintPage("Chosen file");
    EXPECT_EQ(asked, 0);
    const std::string utf8 = Folder + "/\xE8\xAA\xAA\xE9\x96\x80 notes.pdf";
    EXPECT_EQ(PdfPageCount(utf8), 1);
    EXPECT_NE(PdfText(utf8).find("Chosen file"), std::string::npos);

    // A quick print after it, with no dialog, asks again instead of
    // writing over the file the dialog named for its own print.
    PrintPage("Quick print");
    EXPECT_EQ(asked, 1);
    EXPECT_NE(PdfText(Folder + "/asked.pdf").find("Quick print"), std::string::npos);
    EXPECT_NE(PdfText(utf8).find("Chosen file"), std::string::npos);
    EXPECT_EQ(PdfText(utf8).find("Quick print"), std::string::npos);
    asked = 0;

    // No file typed this time: the print asks for one, and the file of
    // the last dialog is not written again.
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        EXPECT_TRUE(FileNameEdit(Form)->Enabled());
        InjectClick(ScreenPoint(FileNameEdit(Form), 5, 5));
        InjectKeyStroke(VK_END);
        InjectKeyStroke(VK_HOME, InjectShift);
        InjectKeyStroke(VK_DELETE);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(Printer().FileName, "");
    PrintPage("Asked file");
    EXPECT_EQ(asked, 1);
    EXPECT_NE(PdfText(Folder + "/asked.pdf").find("Asked file"), std::string::npos);
    EXPECT_EQ(PdfText(utf8).find("Asked file"), std::string::npos);

    // Cancelled, a file typed changes nothing.
    EXPECT_FALSE(Run(dialog, [&](TCustomForm* Form) {
        InjectClick(ScreenPoint(FileNameEdit(Form), 5, 5));
        InjectText("other.pdf");
        InjectClick(ScreenPoint(ByCaption<TButton>(Form, "取消"), 37, 11));
    }));
    EXPECT_EQ(Printer().FileName, "");
    EXPECT_EQ(dialog.FileName, "");
}

TEST_F(TPrintDialogTest, PrintToFileSendsACupsPrintersDocumentToTheFileInsteadOfTheQueue)
{
    if (!StartCups({"alpha"}))
        GTEST_SKIP() << cupsd_->Failure();
    auto jobs = [] {
        cups_job_t* list = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, "alpha", 0, CUPS_WHICHJOBS_ALL);
        cupsFreeJobs(count, list);
        return count;
    };
    TPrintDialog dialog(nullptr);
    dialog.Options = {poPrintToFile};
    const std::string file = Folder + "/alpha-out.pdf";
    EXPECT_TRUE(Run(dialog, [&](TCustomForm* Form) {
        EXPECT_FALSE(FileNameEdit(Form)->Enabled());
        InjectKeyStroke('L', InjectAlt);
        InjectKeyStroke(VK_TAB);
        InjectText(file);
        // Over to the PDF printer and back: print to file stays as the
        // user left it for the queue.
        InjectKeyStroke('N', InjectAlt);
        InjectKeyStroke(VK_END);
        InjectKeyStroke(VK_HOME);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_EQ(Printer().Printers()->Strings(Printer().PrinterIndex()), "alpha");
    EXPECT_TRUE(dialog.PrintToFile);
    EXPECT_TRUE(Printer().PrintToFile);
    PrintPage("To the file");
    EXPECT_EQ(PdfPageCount(file), 1);
    EXPECT_EQ(jobs(), 0);
    // The print to file held for that document alone: a quick print goes
    // to the queue and leaves the file as it was.
    PrintPage("Quick print");
    EXPECT_EQ(jobs(), 1);
    EXPECT_EQ(PdfText(file).find("Quick print"), std::string::npos);

    // Unticked, the queue takes the job and the file stays as it was.
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        EXPECT_TRUE(ByCaption<TCheckBox>(Form, "打印到文件(&L)")->Checked());
        InjectKeyStroke('L', InjectAlt);
        Process();
        EXPECT_FALSE(FileNameEdit(Form)->Enabled());
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_FALSE(Printer().PrintToFile);
    PrintPage("To the queue");
    EXPECT_EQ(jobs(), 2);
    EXPECT_EQ(PdfText(file).find("To the queue"), std::string::npos);

    // poDisablePrintToFile shows the box but keeps it as it is.
    dialog.Options = {poPrintToFile, poDisablePrintToFile};
    EXPECT_TRUE(Run(dialog, [](TCustomForm* Form) {
        EXPECT_FALSE(ByCaption<TCheckBox>(Form, "打印到文件(&L)")->Enabled());
        InjectKeyStroke('L', InjectAlt);
        InjectKeyStroke(VK_RETURN);
    }));
    EXPECT_FALSE(dialog.PrintToFile);
}

}  // namespace

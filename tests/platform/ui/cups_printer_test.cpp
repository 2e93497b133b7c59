// Printing to CUPS queues of a private cupsd on its own socket in a
// temporary folder (no network): a stopped queue holds the job, whose
// spooled document is our PDF under the document's title; a queue that
// rejects jobs makes EndDoc raise, as does a disk too full for the spooled
// job, and either way the spooled job leaves the program's temporary folder;
// Abort submits nothing. Where cupsd cannot run, the tests say why and skip.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <memory>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/printing/printer.h"
#include "printer_test_support.h"
#include "private_cupsd.h"

namespace {

class CupsPrinterTest : public TPrintTestFolder {
protected:
    void SetUp() override
    {
        TPrintTestFolder::SetUp();
        cupsd_ = std::make_unique<TPrivateCupsd>(Folder);
        if (!cupsd_->Failure().empty())
            GTEST_SKIP() << cupsd_->Failure();
        // The program spools its jobs in a temporary folder of the test's own.
        mkdir((Folder + "/program").c_str(), 0700);
        setenv("TMPDIR", (Folder + "/program").c_str(), 1);
    }

    void TearDown() override
    {
        cupsd_.reset();
        unsetenv("TMPDIR");
        TPrintTestFolder::TearDown();
    }

    void AddQueue(const std::string& Name, bool Accepting, ipp_pstate_t State)
    {
        cupsd_->AddQueue(Name, Accepting, State);
    }

    void PrintTo(TPrinter& P, const std::string& Queue)
    {
        P.Refresh();
        const int index = P.Printers()->IndexOf(Queue);
        ASSERT_GE(index, 0) << P.Printers()->Count() << " printers";
        P.SetPrinterIndex(index);
        P.Title = "Notes 說門";
        P.BeginDoc();
        P.Canvas()->TextOut(300, 300, "Printed through CUPS");
        P.NewPage();
        P.Canvas()->TextOut(300, 300, "Second page");
    }

    // What the program left in its temporary folder.
    std::string ProgramTemp() { return Output("ls -A '" + Folder + "/program'"); }

    int JobCount(const std::string& Queue)
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, Queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
        cupsFreeJobs(count, jobs);
        return count;
    }

    std::unique_ptr<TPrivateCupsd> cupsd_;
};

TEST_F(CupsPrinterTest, ARejectingQueueIsAnError)
{
    AddQueue("closed", false, IPP_PSTATE_IDLE);
    TPrinter printer;
    PrintTo(printer, "closed");
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(std::ifstream(Folder + "/out/closed.pdf").is_open());
    EXPECT_EQ(ProgramTemp(), "");
}

TEST_F(CupsPrinterTest, ADiskTooFullForTheSpooledJobIsAnErrorAndSubmitsNothing)
{
    AddQueue("paper", true, IPP_PSTATE_STOPPED);
    const int result = WithFullDisk(4096, [this] {
        TPrinter printer;
        PrintTo(printer, "paper");
        if (!printer.Printing())
            return 3;
        try {
            printer.EndDoc();
        } catch (const EPrinter&) {
            return printer.Printing() ? 2 : 0;
        }
        return 1;
    });
    EXPECT_EQ(result, 0) << "1: no error; 2: still printing; 3: not printing at all";
    // The child's requests went over the connection it shared with us.
    cupsSetServer(cupsd_->Socket().c_str());
    EXPECT_EQ(JobCount("paper"), 0);
    EXPECT_EQ(ProgramTemp(), "");
}

TEST_F(CupsPrinterTest, AStoppedQueueHoldsTheJob)
{
    AddQueue("held", true, IPP_PSTATE_STOPPED);
    TPrinter printer;
    PrintTo(printer, "held");
    ASSERT_NO_THROW(printer.EndDoc());
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "held", 0, CUPS_WHICHJOBS_ACTIVE);
    ASSERT_EQ(count, 1);
    EXPECT_STREQ(jobs[0].title, "Notes \xE8\xAA\xAA\xE9\x96\x80");
    EXPECT_STREQ(jobs[0].format, "application/pdf");
    const std::string spooled = Folder + "/spool/d" + std::string(5 - std::to_string(jobs[0].id).size(), '0') +
                                std::to_string(jobs[0].id) + "-001";
    cupsFreeJobs(count, jobs);
    // The scheduler keeps the held job's document: our PDF, as printed.
    EXPECT_EQ(PdfPageCount(spooled), 2);
    EXPECT_NE(Output("pdftotext '" + spooled + "' -").find("Printed through CUPS"), std::string::npos);
    EXPECT_FALSE(std::ifstream(Folder + "/out/held.pdf").is_open());
    // Nothing of the job stays behind in the program's temporary folder.
    EXPECT_EQ(ProgramTemp(), "");
}

TEST_F(CupsPrinterTest, AbortSubmitsNoJob)
{
    AddQueue("paper", true, IPP_PSTATE_STOPPED);
    TPrinter printer;
    PrintTo(printer, "paper");
    printer.Abort();
    EXPECT_EQ(JobCount("paper"), 0);
}

}  // namespace

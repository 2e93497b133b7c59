// Printing to CUPS queues of a private cupsd on its own socket in a
// temporary folder (no network): a stopped queue holds the job, whose
// spooled document is our PDF under the document's title; a queue that
// rejects jobs makes EndDoc raise, as does a disk too full for the spooled
// job, and either way the spooled job leaves the program's temporary folder;
// Abort submits nothing. Where cupsd cannot run, the tests say why and skip.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <cstring>
#include <sstream>

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/printing/printer.h"
#include "printer_test_support.h"

extern char** environ;

namespace {

std::string Slurp(const std::string& File)
{
    std::ifstream in(File, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CupsPrinterTest : public TPrintTestFolder {
protected:
    void SetUp() override
    {
        TPrintTestFolder::SetUp();
        chmod(Folder.c_str(), 0755);
        for (const char* sub : {"/spool", "/cache", "/log", "/state", "/out", "/tmp"})
            mkdir((Folder + sub).c_str(), 0755);
        // The scheduler's device writes as its own unprivileged user.
        chmod((Folder + "/out").c_str(), 0777);
        chmod((Folder + "/tmp").c_str(), 01777);
        socket_ = Folder + "/cups.sock";
        std::ofstream(Folder + "/cupsd.conf") << "Listen " << socket_ << "\nLogLevel warn\nWebInterface No\n"
                                              << "Browsing No\nDefaultAuthType None\n"
                                              << "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                              << "<Policy default>\n  <Limit All>\n    Order allow,deny\n"
                                              << "    Allow all\n  </Limit>\n</Policy>\n";
        std::ofstream(Folder + "/cups-files.conf")
            << "ServerRoot " << Folder << "\nStateDir " << Folder << "/state\nCacheDir " << Folder
            << "/cache\nRequestRoot " << Folder << "/spool\nTempDir " << Folder << "/tmp\nAccessLog " << Folder
            << "/log/access_log\nErrorLog " << Folder << "/log/error_log\nPageLog " << Folder
            << "/log/page_log\nPrintcap " << Folder << "/printcap\nFileDevice Yes\nSystemGroup root\n";
        const std::string conf = Folder + "/cupsd.conf", files = Folder + "/cups-files.conf";
        const char* argv[] = {"cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, (Folder + "/log/stderr").c_str(), O_WRONLY | O_CREAT, 0644);
        int failed = posix_spawnp(&cupsd_, "cupsd", &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (failed != 0) {
            cupsd_ = 0;
            GTEST_SKIP() << "cupsd cannot be started here (cups-daemon installed?): " << std::strerror(failed);
        }
        struct stat st;
        for (int i = 0; i < 100 && stat(socket_.c_str(), &st) != 0; ++i)
            usleep(50000);
        if (stat(socket_.c_str(), &st) != 0)
            GTEST_SKIP() << "cupsd did not listen on its socket; it said: " << Slurp(Folder + "/log/stderr")
                         << Slurp(Folder + "/log/error_log");
        setenv("CUPS_SERVER", socket_.c_str(), 1);
        cupsSetServer(socket_.c_str());
        // The program spools its jobs in a temporary folder of the test's own.
        mkdir((Folder + "/program").c_str(), 0700);
        setenv("TMPDIR", (Folder + "/program").c_str(), 1);
    }

    void TearDown() override
    {
        if (cupsd_ > 0) {
            kill(cupsd_, SIGTERM);
            waitpid(cupsd_, nullptr, 0);
        }
        cupsSetServer(nullptr);
        unsetenv("CUPS_SERVER");
        unsetenv("TMPDIR");
        TPrintTestFolder::TearDown();
    }

    // A raw queue whose device is the file out/<name>.pdf.
    void AddQueue(const std::string& Name, bool Accepting, ipp_pstate_t State)
    {
        ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
        const std::string uri = "ipp://localhost/printers/" + Name;
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
        ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr,
                     ("file://" + Folder + "/out/" + Name + ".pdf").c_str());
        ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", Accepting);
        ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", State);
        ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/admin/"));
        ASSERT_LT(cupsLastError(), IPP_STATUS_REDIRECTION_OTHER_SITE) << cupsLastErrorString();
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

    pid_t cupsd_ = 0;
    std::string socket_;
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
    cupsSetServer(socket_.c_str());
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

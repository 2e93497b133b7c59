// The private scheduler: its configuration written into the folder, cupsd
// run in the foreground as our child, and queues made over IPP.
#include "private_cupsd.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

std::string Slurp(const std::string& File)
{
    std::ifstream in(File, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Request(ipp_t* Request)
{
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, Request, "/admin/"));
    ASSERT_LT(cupsLastError(), IPP_STATUS_REDIRECTION_OTHER_SITE) << cupsLastErrorString();
}

}  // namespace

TPrivateCupsd::TPrivateCupsd(const std::string& Folder) : folder_(Folder), socket_(Folder + "/cups.sock")
{
    chmod(Folder.c_str(), 0755);
    for (const char* sub : {"/spool", "/cache", "/log", "/state", "/out", "/tmp"})
        mkdir((Folder + sub).c_str(), 0755);
    // The scheduler's device writes as its own unprivileged user.
    chmod((Folder + "/out").c_str(), 0777);
    chmod((Folder + "/tmp").c_str(), 01777);
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
    const int failed = posix_spawnp(&cupsd_, "cupsd", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        cupsd_ = 0;
        failure_ = std::string("cupsd cannot be started here (cups-daemon installed?): ") + std::strerror(failed);
        return;
    }
    struct stat st;
    for (int i = 0; i < 100 && stat(socket_.c_str(), &st) != 0; ++i)
        usleep(50000);
    if (stat(socket_.c_str(), &st) != 0) {
        failure_ = "cupsd did not listen on its socket; it said: " + Slurp(Folder + "/log/stderr") +
                   Slurp(Folder + "/log/error_log");
        return;
    }
    setenv("CUPS_SERVER", socket_.c_str(), 1);
    cupsSetServer(socket_.c_str());
}

TPrivateCupsd::~TPrivateCupsd()
{
    if (cupsd_ > 0) {
        kill(cupsd_, SIGTERM);
        waitpid(cupsd_, nullptr, 0);
    }
    cupsSetServer(nullptr);
    unsetenv("CUPS_SERVER");
}

void TPrivateCupsd::AddQueue(const std::string& Name, bool Accepting, int State)
{
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
    const std::string uri = "ipp://localhost/printers/" + Name;
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr,
                 ("file://" + folder_ + "/out/" + Name + ".pdf").c_str());
    ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", Accepting);
    ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", State);
    Request(request);
}

void TPrivateCupsd::DeleteQueue(const std::string& Name)
{
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_DELETE_PRINTER);
    const std::string uri = "ipp://localhost/printers/" + Name;
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    Request(request);
}

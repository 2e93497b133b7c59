// Helpers of the printing tests: a fresh folder for each test, the output
// of poppler's tools, a PDF's page count, and a disk that fills up.
#pragma once

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/code_page.h"

// Base is the fixture it extends, for tests that need another one's set-up.
template <typename Base = ::testing::Test>
class TPrintTestFolderOn : public Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        char pattern[] = "/tmp/printer-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
    }
    void TearDown() override
    {
        std::system(("rm -rf '" + Folder + "'").c_str());
        Base::TearDown();
    }

    // The names in Folder (UTF-8), sorted.
    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        if (DIR* dir = opendir(Folder.c_str())) {
            while (dirent* entry = readdir(dir))
                if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                    names.push_back(entry->d_name);
            closedir(dir);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string Output(const std::string& Command)
    {
        std::string out;
        if (FILE* pipe = popen(Command.c_str(), "r")) {
            char buffer[4096];
            size_t n;
            while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
                out.append(buffer, n);
            pclose(pipe);
        }
        return out;
    }

    // -1 when pdfinfo cannot read the file as a PDF.
    static int PdfPageCount(const std::string& File)
    {
        const std::string info = Output("pdfinfo '" + File + "' 2>/dev/null");
        const size_t at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
    }

    // Runs Body in a child process where no file can grow past Bytes, as
    // on a disk that fills up (a write past it fails with EFBIG instead of
    // killing the process); answers Body's result, or -1 when the child
    // did not end by itself.
    static int WithFullDisk(rlim_t Bytes, const std::function<int()>& Body)
    {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{Bytes, Bytes};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(Body());
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Folder;  // plain ASCII, so GBK and UTF-8 alike
};

using TPrintTestFolder = TPrintTestFolderOn<>;

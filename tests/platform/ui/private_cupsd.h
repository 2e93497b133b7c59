// A private CUPS scheduler for printing tests: cupsd on a socket of its own
// in a test's folder (no network), whose queues' devices write files there.
// While it runs, the program's CUPS calls go to it.
#pragma once

#include <sys/types.h>

#include <string>

class TPrivateCupsd {
public:
    // Starts cupsd in Folder (which must exist); Failure() says why when it
    // could not.
    explicit TPrivateCupsd(const std::string& Folder);
    ~TPrivateCupsd();
    TPrivateCupsd(const TPrivateCupsd&) = delete;
    TPrivateCupsd& operator=(const TPrivateCupsd&) = delete;

    const std::string& Failure() const { return failure_; }
    const std::string& Socket() const { return socket_; }

    // A raw queue whose device is the file out/<Name>.pdf; Accepting and
    // State are the cups IPP values. A refusal is a test failure.
    void AddQueue(const std::string& Name, bool Accepting, int State);
    void DeleteQueue(const std::string& Name);

private:
    std::string folder_;
    std::string socket_;
    std::string failure_;
    pid_t cupsd_ = 0;
};

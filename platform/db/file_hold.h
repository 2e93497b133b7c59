// Holding a database file as one of the engine's readers holds it, through
// a descriptor of the layer's own, while a connection that takes no locks
// of its own reads it: no program can then take the file to itself, and so
// nothing rewrites its pages under the reader.
#pragma once

#include <string>

class TFileHold {
public:
    enum class TResult { Held, Busy, Failed };

    TFileHold() = default;
    // Closes the descriptor, which drops every lock this process holds on
    // the file: let it go only after the connections on the file closed.
    ~TFileHold();
    TFileHold(TFileHold&& Other) noexcept;
    TFileHold& operator=(TFileHold&& Other) noexcept;
    TFileHold(const TFileHold&) = delete;
    TFileHold& operator=(const TFileHold&) = delete;

    // Opens the file osName (a system name) and takes the engine's shared
    // lock on it, waiting up to Seconds while another program has the file
    // to itself (a compaction, a writer in rollback mode committing).
    // Failed, with errno, when the file can't be opened. On a file system
    // without such locks the file is held without one.
    TResult Take(const std::string& osName, double Seconds);
    int Fd() const { return fd_; }
    // Lets the file go and keeps the descriptor (see the destructor).
    void Release();
    // Whether anyone else, in any process (this one's connections too),
    // holds a lock on the file.
    bool OthersLock() const;
    // Whether osName still names the file opened.
    bool Names(const std::string& osName) const;

private:
    int fd_ = -1;
    bool locked_ = false;  // the shared lock is taken through fd_
};

// The other program of the clipboard tests as a process of its own on the
// tests' X display (peer/x11_clipboard_peer.cpp), ended with the test.
#pragma once

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

class TClipboardPeer {
public:
    TClipboardPeer(const char* Display, std::vector<std::string> Args)
    {
        int out[2];
        if (pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        Args.insert(Args.begin(), X11_CLIPBOARD_PEER);
        std::vector<char*> argv;
        for (std::string& arg : Args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::string display = std::string("DISPLAY=") + Display;
        char* envp[] = {display.data(), nullptr};
        if (posix_spawn(&pid_, X11_CLIPBOARD_PEER, &actions, nullptr, argv.data(), envp) != 0)
            pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        out_ = out[0];
    }
    ~TClipboardPeer()
    {
        if (pid_ && !ended_) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0)
            close(out_);
    }
    TClipboardPeer(const TClipboardPeer&) = delete;
    TClipboardPeer& operator=(const TClipboardPeer&) = delete;

    // Whether the peer writes Line within thirty seconds: a sanitized peer
    // reading megabytes to offer takes several on a busy machine, and the
    // wait ends as soon as the line comes.
    bool Says(const std::string& Line)
    {
        std::string heard;
        while (heard.find(Line + "\n") == std::string::npos) {
            pollfd fd{out_, POLLIN, 0};
            char buffer[256];
            if (poll(&fd, 1, 30000) <= 0)
                return false;
            const ssize_t n = read(out_, buffer, sizeof buffer);
            if (n <= 0)
                return false;
            heard.append(buffer, static_cast<size_t>(n));
        }
        return true;
    }
    // Whether the peer has ended (with its exit code in Code).
    bool Ended(int& Code)
    {
        int status = 0;
        if (!ended_ && pid_ && waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = true;
            code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        Code = code_;
        return ended_;
    }

private:
    pid_t pid_ = 0;
    int out_ = -1;
    bool ended_ = false;
    int code_ = -1;
};

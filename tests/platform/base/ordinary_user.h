// Running a check as a user whom permissions hold for: the tests' own user,
// or, when the tests run as root (who may read and write anything), the
// unprivileged user nobody in a child process.
#pragma once

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

constexpr uid_t Nobody = 65534;
// A group nobody belongs to besides its own when the tests run as root, so
// that a file can be shared with a group that is not its user's first one.
constexpr gid_t NobodysOtherGroup = 100;

// A group the ordinary user belongs to other than its first one, or -1
// when it has none.
inline gid_t OrdinaryUsersOtherGroup()
{
    if (geteuid() == 0)
        return NobodysOtherGroup;
    gid_t groups[256];
    const int count = getgroups(256, groups);
    for (int i = 0; i < count; ++i)
        if (groups[i] != getegid())
            return groups[i];
    return static_cast<gid_t>(-1);
}

// Runs Check in a child process as the ordinary user: the user itself, or
// nobody when the tests run as root, when Folder and whatever in it root
// owns are given to nobody (with the group nobody unless a test chose
// another; files a test gave another owner keep theirs).
// Returns what Check reports, "" when all is well, or "skip: " and why the
// child could not become that user.
inline std::string AsOrdinaryUser(const std::string& Folder, const std::function<std::string()>& Check)
{
    const bool root = geteuid() == 0;
    if (root) {
        auto give = [](const std::filesystem::path& path) {
            struct stat info {};
            if (lstat(path.c_str(), &info) == 0 && info.st_uid == 0) {
                EXPECT_EQ(lchown(path.c_str(), Nobody, info.st_gid == 0 ? Nobody : info.st_gid), 0) << path;
            }
        };
        give(Folder);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Folder))
            give(entry.path());
    }
    int report[2];
    if (pipe(report) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        std::string result;
        const gid_t other = NobodysOtherGroup;
        if (root && (setgroups(1, &other) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
            result = "skip: this process may not become another user";
        else if (::access(Folder.c_str(), R_OK | X_OK) != 0)
            result = "skip: the user can't reach " + Folder;
        else
            result = Check();
        for (size_t at = 0; at < result.size();) {
            const ssize_t n = write(report[1], result.data() + at, result.size() - at);
            if (n <= 0)
                break;
            at += size_t(n);
        }
        _exit(0);
    }
    close(report[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, size_t(n));
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        result += "the check ended abnormally: " + std::to_string(status);
    return result;
}

#pragma once

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

/// Runs work in a forked child under the limits a user meets (a full disk, missing rights)
/// and hands back what the child reported. POSIX only.
struct ChildLimits
{
    long fileSizeLimit = -1;         ///< bytes a file may grow to (RLIMIT_FSIZE), -1 for none
    bool asUnprivilegedUser = false; ///< when running as root, become "nobody" first
};

struct ChildResult
{
    bool ranToEnd = false;
    std::string report;
};

inline ChildResult runInChild(const ChildLimits &limits, const std::function<std::string()> &work)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (limits.fileSizeLimit >= 0) {
            const rlimit limit{static_cast<rlim_t>(limits.fileSizeLimit), static_cast<rlim_t>(limits.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
            // Past the limit writes then fail with EFBIG, as on a full disk, instead of killing us.
            std::signal(SIGXFSZ, SIG_IGN);
        }
        if (limits.asUnprivilegedUser && geteuid() == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(3);
        }
        const std::string report = work();
        const char *data = report.data();
        std::size_t left = report.size();
        while (left > 0) {
            const ssize_t put = write(fds[1], data, left);
            if (put <= 0)
                break;
            data += put;
            left -= static_cast<std::size_t>(put);
        }
        _exit(0);
    }
    close(fds[1]);
    ChildResult result;
    char buffer[4096];
    ssize_t got;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
        result.report.append(buffer, static_cast<std::size_t>(got));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.ranToEnd = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

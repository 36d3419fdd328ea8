#include "bench/MeasuredRun.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
constexpr const char* kTrampoline = "--measure-child";

// What the trampoline reports through its pipe.
struct Report {
    double seconds;
    long maxrssKiB;
    int status;
};
}  // namespace

std::optional<int> TrampolineMain(int argc, char** argv)
{
    if (argc < 4 || std::strcmp(argv[1], kTrampoline) != 0)
        return std::nullopt;
    const int fd = std::atoi(argv[2]);
    const auto start = std::chrono::steady_clock::now();
    char started[64];
    std::snprintf(started, sizeof started, "%.6f", std::chrono::duration<double>(start.time_since_epoch()).count());
    setenv(kBenchStartVariable, started, 1);
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout))
            _exit(127);
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const Report report{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                        usage.ru_maxrss, status};
    const bool written = write(fd, &report, sizeof report) == static_cast<ssize_t>(sizeof report);
    return written ? 0 : 1;
}

MeasuredRun RunMeasured(const std::vector<std::string>& argv)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const std::string fd = std::to_string(fds[1]);
    std::vector<char*> args{const_cast<char*>("bench"), const_cast<char*>(kTrampoline), const_cast<char*>(fd.c_str())};
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::fflush(stdout);  // or the child would print our buffered lines again
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        execv("/proc/self/exe", args.data());
        _exit(127);
    }
    close(fds[1]);
    Report report{};
    const bool got = read(fds[0], &report, sizeof report) == static_cast<ssize_t>(sizeof report);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    MeasuredRun r;
    if (!got)
        return r;
    r.seconds = report.seconds;
    r.peakMiB = report.maxrssKiB / 1024.0;
    r.ok = WIFEXITED(report.status) && WEXITSTATUS(report.status) == 0;
    return r;
}

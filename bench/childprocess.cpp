// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vistaro::bench {

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void execInChild(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& workDir, int outputFd) {
    if (chdir(workDir.c_str()) != 0 || dup2(outputFd, STDOUT_FILENO) < 0)
        _exit(127);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

} // namespace

ChildResult runChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& workDir, int timeoutMs) {
    ChildResult result;
    int fds[2];
    if (pipe(fds) != 0) {
        result.failure = "pipe failed";
        return result;
    }
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        result.failure = "fork failed";
        return result;
    }
    if (pid == 0) {
        close(fds[0]);
        execInChild(program, arguments, workDir, fds[1]);
    }
    close(fds[1]);

    const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
    bool painted = false;
    bool timedOut = false;
    char buffer[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        pollfd watch{fds[0], POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue;
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        result.output.append(buffer, static_cast<std::size_t>(got));
        if (!painted && result.output.find("painted\n") != std::string::npos) {
            painted = true;
            result.paintedMs =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    close(fds[0]);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut)
        result.failure = "timed out";
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        result.failure = "exited abnormally";
    else if (!painted)
        result.failure = "never painted";
    result.ok = result.failure.empty();
    return result;
}

long long reportedValue(const std::string& output, const std::string& key) {
    const std::size_t at = output.find(key + ' ');
    if (at == std::string::npos)
        return -1;
    return std::strtoll(output.c_str() + at + key.size() + 1, nullptr, 10);
}

} // namespace vistaro::bench

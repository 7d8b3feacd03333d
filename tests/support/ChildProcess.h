// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

// Runs a piece of code in a forked child with its standard output captured,
// for paths that end the process or change process-wide limits.
struct ChildResult {
    int exitStatus = -1; // -1 when the child did not exit normally
    std::string output;
};

inline ChildResult runInChild(std::function<void()> const &body)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    std::fflush(stdout);
    pid_t const pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        dup2(pipeEnds[1], STDOUT_FILENO);
        body();
        std::fflush(stdout);
        _exit(0);
    }
    close(pipeEnds[1]);
    ChildResult result;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        result.output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    return result;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <atomic>
#include <csignal>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void (*stopHandler)() = nullptr;
volatile std::sig_atomic_t stopSignal = SIGINT;

extern "C" void onSignal(int signal)
{
    stopSignal = signal;
    if (stopHandler)
        stopHandler();
}

} // namespace

namespace Console {

std::vector<std::string> arguments(int argc, char **argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void useUtf8()
{}

void attachToParent()
{}

bool isConsole(std::FILE *stream)
{
    return isatty(fileno(stream));
}

bool showsOutput(std::string const &path)
{
    struct stat named, shown;
    return isatty(STDOUT_FILENO) && stat(path.c_str(), &named) == 0 &&
           fstat(STDOUT_FILENO, &shown) == 0 && named.st_rdev == shown.st_rdev &&
           named.st_ino == shown.st_ino;
}

void onStopRequest(void (*handler)())
{
    stopHandler = handler;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void endAsStopped()
{
    // End the way the signal ends a process, so that a calling shell sees it.
    std::signal(stopSignal, SIG_DFL);
    std::raise(stopSignal);
    std::_Exit(128 + stopSignal);
}

} // namespace Console

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// What the programs need from the console and the process, one unit per
// platform (ConsolePosix.cpp, ConsoleWindows.cpp).
namespace Console {

// The arguments as UTF-8, whatever the system's code page: Windows hands a
// program its command line in UTF-16 and argv in the ANSI code page.
std::vector<std::string> arguments(int argc, char **argv);

// Sets standard output and error up for UTF-8 text and exact bytes: a console
// shows UTF-8, and a "\n" is not widened to "\r\n" on the way to a file.
void useUtf8();

// A window program has no console on Windows: this attaches standard output
// and error to the console it was started from, unless they lead to a file or
// pipe already, so that --help and --version are seen there.
void attachToParent();

// Whether the stream is shown on a console or terminal (not a file or pipe).
bool isConsole(std::FILE *stream);

// Whether an output path names the console or terminal that standard output
// shows (/dev/tty or the like on Linux, CON or CONOUT$ on Windows).
bool showsOutput(std::string const &path);

// Calls handler once the user asks the program to stop (Ctrl-C, Ctrl-Break,
// closing the console, termination). handler only sets flags.
void onStopRequest(void (*handler)());

// Ends the process as a stop request ends it when nobody catches it.
[[noreturn]] void endAsStopped();

} // namespace Console

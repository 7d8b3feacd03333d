// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <cstdlib>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

namespace {

void (*stopHandler)() = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        if (stopHandler)
            stopHandler();
        return TRUE;
    case CTRL_CLOSE_EVENT:
        // Windows ends the process as soon as this returns: give the run its
        // few seconds to drop the temporary file and exit by itself.
        if (stopHandler)
            stopHandler();
        Sleep(5000);
        return TRUE;
    default: return FALSE;
    }
}

std::string toUtf8(wchar_t const *text)
{
    int const size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(static_cast<std::size_t>(size - 1));
    return result;
}

bool leadsSomewhere(DWORD which)
{
    HANDLE const handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

namespace Console {

std::vector<std::string> arguments(int argc, char **argv)
{
    int count = 0;
    wchar_t **const wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i)
        result.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return result;
}

void useUtf8()
{
    SetConsoleOutputCP(CP_UTF8);
    // A window program started from Explorer has no standard streams at all.
    for (std::FILE *stream : {stdout, stderr}) {
        if (_fileno(stream) >= 0)
            _setmode(_fileno(stream), _O_BINARY);
    }
}

void attachToParent()
{
    bool const out = leadsSomewhere(STD_OUTPUT_HANDLE);
    bool const err = leadsSomewhere(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

bool isConsole(std::FILE *stream)
{
    DWORD mode = 0;
    auto const handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

bool showsOutput(std::string const &path)
{
    // The console's output has these device names in every folder.
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    for (char &c : name)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return isConsole(stdout) && (name == "CON" || name == "CONOUT$");
}

void onStopRequest(void (*handler)())
{
    stopHandler = handler;
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void endAsStopped()
{
    // What Windows reports for a console program ended with Ctrl-C.
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

} // namespace Console

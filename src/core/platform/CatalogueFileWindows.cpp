// SPDX-License-Identifier: GPL-3.0-or-later
// The system's side of a catalogue file on Windows: the same guarantee as on
// Linux through Windows' own calls. The text goes to a temporary file beside
// the target, FlushFileBuffers puts it on the disk, and MoveFileExW puts it in
// place in one step, write-through. Paths are UTF-8 here and UTF-16 for the
// system, so that any name Windows allows works.
#include "CatalogueFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

std::atomic<bool> syncingEnabled{true};

std::wstring toWide(std::string const &text)
{
    int const size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), size);
    return wide;
}

// The errno that the messages word, for the system's codes a save meets.
int errnoOf(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY: return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    default: return EIO;
    }
}

std::string::size_type lastSeparator(std::string const &path)
{
    return path.find_last_of("/\\");
}

std::string directoryOf(std::string const &path)
{
    auto const slash = lastSeparator(path);
    if (slash == std::string::npos)
        return ".";
    // "C:\belt.sc" and "\belt.sc" keep the separator that names the root.
    bool const root = slash == 0 || (slash == 2 && path[1] == ':');
    return path.substr(0, root ? slash + 1 : slash);
}

// An open handle's volume and file number: one file under any of its names.
struct FileIdentity {
    DWORD volume = 0, high = 0, low = 0;
    bool operator==(FileIdentity const &other) const
    {
        return volume == other.volume && high == other.high && low == other.low;
    }
};

bool identify(std::string const &path, FileIdentity &identity, bool folder = false)
{
    HANDLE const handle =
        CreateFileW(toWide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool const ok =
        GetFileInformationByHandle(handle, &info) && GetFileType(handle) == FILE_TYPE_DISK;
    CloseHandle(handle);
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return ok;
}

std::string fileNameOf(std::string const &path)
{
    auto const slash = lastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

} // namespace

// Windows syncs once, before the move; there is no helper thread.
class CatalogueFile::Syncer {};

CatalogueFile::CatalogueFile(std::string path)
    : path(std::move(path))
{}

CatalogueFile::CatalogueFile(int descriptor, std::string name)
    : path(std::move(name))
    , fd(descriptor)
    , borrowed(true)
{}

CatalogueFile::~CatalogueFile()
{
    discard();
}

void CatalogueFile::setSyncing(bool on)
{
    syncingEnabled.store(on);
}

// Windows has no files without a name: every temporary file is named.
void CatalogueFile::setUnnamedTemporaries(bool)
{}

bool CatalogueFile::sameFile(std::string const &first, std::string const &second)
{
    FileIdentity a, b;
    if (identify(first, a) && identify(second, b))
        return a == b;
    // A file still to be made: the same name (Windows ignores case) in the same folder.
    if (CompareStringOrdinal(toWide(fileNameOf(first)).c_str(), -1,
                             toWide(fileNameOf(second)).c_str(), -1, TRUE) != CSTR_EQUAL)
        return false;
    if (!identify(directoryOf(first), a, true) || !identify(directoryOf(second), b, true))
        return first == second;
    return a == b;
}

bool CatalogueFile::openPath(bool probe)
{
    if (path.empty()) {
        fail(SaveError::NoPath, 0);
        return false;
    }
    targetPath = path;
    targetName = fileNameOf(targetPath);
    std::wstring const target = toWide(targetPath);
    DWORD const attributes = GetFileAttributesW(target.c_str());
    bool const exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        fail(SaveError::Write, EISDIR);
        return false;
    }
    if (exists) {
        // A device (NUL, a console, a named pipe) is written as it is.
        HANDLE const device =
            CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (device != INVALID_HANDLE_VALUE && GetFileType(device) != FILE_TYPE_DISK) {
            if (probe) {
                CloseHandle(device);
                return true;
            }
            fd = _open_osfhandle(reinterpret_cast<intptr_t>(device), _O_WRONLY | _O_BINARY);
            if (fd < 0) {
                CloseHandle(device);
                fail(SaveError::Open, EMFILE);
                return false;
            }
            return true;
        }
        if (device != INVALID_HANDLE_VALUE)
            CloseHandle(device);
        // A read-only file is not replaced behind the user's back, and one
        // that another program holds open without letting it go could not be
        // replaced at the end: both are refused before anything is written.
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            fail(SaveError::Replace, EACCES);
            return false;
        }
        HANDLE const replaced = CreateFileW(target.c_str(), DELETE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (replaced == INVALID_HANDLE_VALUE) {
            fail(SaveError::Replace, errnoOf(GetLastError()));
            return false;
        }
        CloseHandle(replaced);
    }

    // The temporary file's full path; Windows has no folder handles to name
    // files relative to.
    std::string const stem = directoryOf(targetPath) + "\\.belt-";
    auto const tick = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD code = ERROR_FILE_EXISTS;
    for (unsigned attempt = 0; attempt < 100 && code == ERROR_FILE_EXISTS; ++attempt) {
        tempName = stem + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string((tick + attempt) % 1000000) + ".tmp";
        file = CreateFileW(toWide(tempName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        code = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    }
    if (file == INVALID_HANDLE_VALUE) {
        tempName.clear();
        fail(SaveError::Create, errnoOf(code));
        return false;
    }
    fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
        fail(SaveError::Create, EMFILE);
        release();
        return false;
    }
    syncing = !probe && syncingEnabled.load();
    return true;
}

bool CatalogueFile::writeAll(char const *data, std::size_t size)
{
    while (size > 0) {
        unsigned const chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
        int const count = _write(fd, data, chunk);
        if (count <= 0) {
            fail(SaveError::Write, count < 0 ? errno : EIO);
            return false;
        }
        data += count;
        size -= static_cast<std::size_t>(count);
        written += static_cast<std::uint64_t>(count);
    }
    return true;
}

bool CatalogueFile::putInPlace()
{
    // The text must be on the disk before the name points to it.
    if (syncing && !FlushFileBuffers(handleOf(fd))) {
        fail(SaveError::Sync, errnoOf(GetLastError()));
        release();
        return false;
    }
    int const closed = _close(fd);
    fd = -1;
    if (closed != 0) {
        fail(SaveError::Close, errno);
        release();
        return false;
    }
    if (tempName.empty())
        return true; // a device or pipe, written as it is
    DWORD const flags = MOVEFILE_REPLACE_EXISTING | (syncing ? MOVEFILE_WRITE_THROUGH : DWORD(0));
    if (!MoveFileExW(toWide(tempName).c_str(), toWide(targetPath).c_str(), flags)) {
        fail(SaveError::Replace, errnoOf(GetLastError()));
        release();
        return false;
    }
    tempName.clear();
    return true;
}

void CatalogueFile::release()
{
    syncer.reset();
    if (fd >= 0 && !borrowed)
        _close(fd);
    fd = -1;
    if (!tempName.empty())
        DeleteFileW(toWide(tempName).c_str());
    tempName.clear();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The system's side of a save on Linux and other POSIX systems: creating the
// temporary file, writing and syncing it, and putting it in place.
#include "CatalogueFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writeback of the text is started whenever this much more has been written,
// and the text is synced on a helper thread whenever flushStep more has been:
// started writeback alone leaves the disk's cache to be flushed at the end, in
// one wait as long as the file is large.
constexpr std::uint64_t writebackStep = 1 << 20;
constexpr std::uint64_t flushStep = 32 << 20;

std::atomic<bool> syncingEnabled{true};
std::atomic<bool> unnamedEnabled{true};
std::atomic<unsigned> namesMade{0};

std::string directoryOf(std::string const &path)
{
    auto const slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(std::string const &path)
{
    auto const slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links, dangling ones too, so that a save replaces the file
// a link points to and not the link.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
        ssize_t const length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size())
            return path;
        target.resize(static_cast<std::size_t>(length));
        path = (!target.empty() && target[0] == '/') ? target : directoryOf(path) + "/" + target;
    }
    return path;
}

// A file system that cannot sync a file or directory says so with these; the
// data then cannot be made any safer than the system keeps it.
bool syncUnsupported(int code)
{
    return code == EINVAL || code == ENOTSUP;
}

// The open descriptor that a name of the process's own descriptors stands for.
// Following such a name would open the file behind it anew, truncate it and
// rename over it; a pipe has no name to follow at all.
std::optional<int> descriptorNamed(std::string const &path)
{
    std::string number;
    if (path == "/dev/stdout")
        number = "1";
    else if (path == "/dev/stderr")
        number = "2";
    for (std::string const prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (path.compare(0, prefix.size(), prefix) == 0)
            number = path.substr(prefix.size());
    }
    if (number.empty() || number.size() > 9 ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    int const descriptor = std::atoi(number.c_str());
    if (fcntl(descriptor, F_GETFL) < 0)
        return std::nullopt; // not open: an ordinary path, which will not be found
    return descriptor;
}

// A short name for a temporary file, so that any name the target may have
// still fits beside it: 15 bytes, from the process, the clock and a count.
std::string temporaryName()
{
    static char const digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    auto const tick =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t value = (std::uint64_t(getpid()) << 40) ^ tick ^
                          (std::uint64_t(namesMade.fetch_add(1)) * 0x9E3779B97F4A7C15ull);
    std::string name = ".bw";
    for (int i = 0; i < 8; ++i, value /= 36)
        name += digits[value % 36];
    return name + ".tmp";
}

} // namespace

// Syncs a file on its own thread whenever asked, so that the wait overlaps the
// writing of more text. Stopped before the file is closed.
class CatalogueFile::Syncer {
public:
    explicit Syncer(int fd)
        : fd(fd)
        , thread([this] { run(); })
    {}
    ~Syncer() { finish(); }

    void request()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            pending = true;
        }
        wake.notify_one();
    }

    // Waits for a sync under way and ends the thread; returns the error of a
    // failed sync, which a later sync of the same file would no longer report.
    int finish()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopping = true;
        }
        wake.notify_one();
        if (thread.joinable())
            thread.join();
        return error;
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return pending || stopping; });
            if (stopping)
                return;
            pending = false;
            lock.unlock();
            int const code = ::fdatasync(fd) == 0 ? 0 : errno;
            lock.lock();
            if (code != 0 && !syncUnsupported(code)) {
                error = code;
                return;
            }
        }
    }

    int const fd;
    std::mutex mutex;
    std::condition_variable wake;
    bool pending = false;
    bool stopping = false;
    int error = 0;
    std::thread thread; // last, so that it starts once the rest is ready
};

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

void CatalogueFile::setUnnamedTemporaries(bool on)
{
    unnamedEnabled.store(on);
}

bool CatalogueFile::sameFile(std::string const &first, std::string const &second)
{
    std::string const a = followLinks(first), b = followLinks(second);
    struct stat sa, sb;
    if (stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0)
        // A device such as /dev/null takes any number of writers.
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino && !S_ISCHR(sa.st_mode);
    // A file still to be made: the same name in the same folder.
    if (fileNameOf(a) != fileNameOf(b))
        return false;
    if (stat(directoryOf(a).c_str(), &sa) != 0 || stat(directoryOf(b).c_str(), &sb) != 0)
        return a == b;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool CatalogueFile::openPath(bool probe)
{
    if (path.empty()) {
        fail(SaveError::NoPath, 0);
        return false;
    }
    if (auto const descriptor = descriptorNamed(path)) {
        if ((fcntl(*descriptor, F_GETFL) & O_ACCMODE) == O_RDONLY) {
            fail(SaveError::Open, EBADF);
            return false;
        }
        if (!probe) {
            fd = *descriptor;
            borrowed = true;
        }
        return true;
    }
    targetPath = followLinks(path);
    targetName = fileNameOf(targetPath);

    struct stat st;
    bool const exists = stat(targetPath.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        fail(SaveError::Write, EISDIR);
        return false;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or a pipe cannot be renamed over: write to it as it is.
        if (probe) {
            if (faccessat(AT_FDCWD, targetPath.c_str(), W_OK, AT_EACCESS) != 0) {
                fail(SaveError::Open, errno);
                return false;
            }
            return true;
        }
        fd = ::open(targetPath.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) {
            fail(SaveError::Open, errno);
            return false;
        }
        return true;
    }
    // A file the user may not write is not replaced behind its back, even
    // where the folder would allow the rename.
    if (exists && faccessat(AT_FDCWD, targetPath.c_str(), W_OK, AT_EACCESS) != 0) {
        fail(SaveError::Replace, errno);
        return false;
    }

    // Every later name is taken relative to the folder as it is now, so that
    // a folder renamed meanwhile still gets the file, and no stray one.
    std::string const folder = directoryOf(targetPath);
    directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0 && errno == EACCES)
        directory = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0) {
        fail(SaveError::Create, errno);
        return false;
    }
    if (exists) {
        // In a sticky folder only the file's or the folder's owner may replace
        // a file; the rename would fail only after the whole belt was written.
        struct stat folderStat;
        if (fstat(directory, &folderStat) == 0 && (folderStat.st_mode & S_ISVTX) &&
            geteuid() != 0 && st.st_uid != geteuid() && folderStat.st_uid != geteuid()) {
            fail(SaveError::Replace, EPERM);
            release();
            return false;
        }
    }

#ifdef O_TMPFILE
    if (unnamedEnabled.load()) {
        // 0666 lets the umask decide, as for any new file.
        fd = ::openat(directory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        unnamed = fd >= 0;
        // Old kernels and some file systems cannot: they fall back to a name.
        if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            fail(SaveError::Create, errno);
            release();
            return false;
        }
    }
#endif
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        tempName = temporaryName();
        fd = ::openat(directory, tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        int const code = errno;
        tempName.clear();
        fail(SaveError::Create, code);
        release();
        return false;
    }
    if (exists) {
        // The replacement keeps the owner and permission bits of the file it replaces.
        if (fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only the owner's own group may be kept by an ordinary user; that is fine.
        }
        if (fchmod(fd, st.st_mode & 07777) != 0) {
            fail(SaveError::Permissions, errno);
            release();
            return false;
        }
    }
    syncing = !probe && syncingEnabled.load();
    return true;
}

bool CatalogueFile::writeAll(char const *data, std::size_t size)
{
    while (size > 0) {
        ssize_t const count = ::write(fd, data, size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            fail(SaveError::Write, count < 0 ? errno : EIO);
            return false;
        }
        data += count;
        size -= static_cast<std::size_t>(count);
        written += static_cast<std::uint64_t>(count);
    }
    if (syncing && written - writebackFrom >= writebackStep)
        startWriteback();
    return true;
}

// Asks the system to start writing what has been written so far, without
// waiting for it, and now and then has the helper sync it. A failure of
// sync_file_range is only a lost head start: the syncs report what really
// went wrong.
void CatalogueFile::startWriteback()
{
    sync_file_range(fd, static_cast<off64_t>(writebackFrom),
                    static_cast<off64_t>(written - writebackFrom), SYNC_FILE_RANGE_WRITE);
    writebackFrom = written;
    if (written - flushedFrom < flushStep)
        return;
    flushedFrom = written;
    if (!syncer) {
        try {
            syncer = std::make_unique<Syncer>(fd);
        } catch (std::system_error const &) {
            return; // no thread to spare: the sync in putInPlace() does it all
        }
    }
    syncer->request();
}

bool CatalogueFile::finishSyncing()
{
    if (!syncer)
        return true;
    int const code = syncer->finish();
    syncer.reset();
    if (code != 0)
        fail(SaveError::Sync, code);
    return code == 0;
}

bool CatalogueFile::putInPlace()
{
    // The text must be on the disk before the name points to it; otherwise a
    // crash after the rename could leave the target empty or cut short.
    if (!finishSyncing() || (syncing && ::fsync(fd) != 0 && !syncUnsupported(errno))) {
        if (!failed)
            fail(SaveError::Sync, errno);
        release();
        return false;
    }
    // An unnamed file gets a name only now, and only for the rename.
    for (unsigned attempt = 0; unnamed && attempt < 100; ++attempt) {
        tempName = temporaryName();
        int linked = linkat(fd, "", directory, tempName.c_str(), AT_EMPTY_PATH);
        if (linked != 0 && errno != EEXIST) {
            // Without the privilege that AT_EMPTY_PATH asks for, the
            // descriptor's entry in /proc names the file.
            std::string const self = "/proc/self/fd/" + std::to_string(fd);
            linked = linkat(AT_FDCWD, self.c_str(), directory, tempName.c_str(), AT_SYMLINK_FOLLOW);
        }
        if (linked == 0) {
            unnamed = false;
        } else if (errno != EEXIST) {
            tempName.clear();
            fail(SaveError::Replace, errno);
            release();
            return false;
        }
    }
    if (unnamed) {
        tempName.clear();
        fail(SaveError::Replace, EEXIST);
        release();
        return false;
    }
    int const closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        fail(SaveError::Close, errno);
        release();
        return false;
    }
    if (directory < 0)
        return true; // a device or pipe, written as it is
    if (renameat(directory, tempName.c_str(), directory, targetName.c_str()) != 0) {
        fail(SaveError::Replace, errno);
        release();
        return false;
    }
    tempName.clear();
    bool const ok = !syncing || syncDirectory();
    release();
    return ok;
}

// Puts the rename itself on the disk.
bool CatalogueFile::syncDirectory()
{
    // A folder that may be written but not read was opened only as a path; the
    // rename then reaches the disk with the system's next writeback.
    if (directory < 0 || (fcntl(directory, F_GETFL) & O_PATH) != 0)
        return true;
    bool const ok = ::fsync(directory) == 0 || syncUnsupported(errno);
    if (!ok)
        fail(SaveError::SyncDirectory, errno);
    return ok;
}

void CatalogueFile::release()
{
    if (syncer) {
        syncer->finish(); // it must be done with fd before fd is closed
        syncer.reset();
    }
    if (fd >= 0 && !borrowed)
        ::close(fd);
    fd = -1;
    if (!tempName.empty())
        unlinkat(directory, tempName.c_str(), 0);
    tempName.clear();
    unnamed = false;
    if (directory >= 0)
        ::close(directory);
    directory = -1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t bufferSize = 1 << 20;
// Writeback of the text is started whenever this much more has been written,
// and the text is synced on a helper thread whenever flushStep more has been:
// started writeback alone leaves the disk's cache to be flushed at the end, in
// one wait as long as the file is large.
constexpr std::uint64_t writebackStep = 1 << 20;
constexpr std::uint64_t flushStep = 32 << 20;

std::atomic<bool> syncingEnabled{true};

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

char const *saveStepName(SaveError::Step step)
{
    switch (step) {
    case SaveError::NoPath: return "no path";
    case SaveError::Open: return "open";
    case SaveError::Create: return "create";
    case SaveError::Permissions: return "permissions";
    case SaveError::Write: return "write";
    case SaveError::Sync: return "sync";
    case SaveError::Close: return "close";
    case SaveError::Replace: return "replace";
    case SaveError::SyncDirectory: return "sync directory";
    }
    return "?";
}

void CatalogueFile::setSyncing(bool on)
{
    syncingEnabled.store(on);
}

std::optional<SaveError> CatalogueFile::check(std::string const &path)
{
    CatalogueFile file(path);
    if (!file.openPath(true))
        return file.error();
    return std::nullopt; // the destructor removes the temporary file
}

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

void CatalogueFile::fail(SaveError::Step step, int code)
{
    failed = true;
    lastError = SaveError{step, path, code};
}

bool CatalogueFile::open()
{
    if (borrowed) {
        buffer.reserve(bufferSize);
        return fd >= 0;
    }
    if (!openPath(false))
        return false;
    buffer.reserve(bufferSize);
    return true;
}

bool CatalogueFile::openPath(bool probe)
{
    if (path.empty()) {
        fail(SaveError::NoPath, 0);
        return false;
    }
    targetPath = followLinks(path);

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

    std::string const stem = directoryOf(targetPath) + "/." + fileNameOf(targetPath) + ".";
    auto const tick = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(getpid()) + "-" + std::to_string(tick + attempt) + ".tmp";
        // 0666 lets the umask decide, as for any new file.
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            break;
    }
    if (fd < 0) {
        tempPath.clear();
        fail(SaveError::Create, errno);
        return false;
    }
    if (exists) {
        // The replacement keeps the owner and permission bits of the file it replaces.
        if (fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only the owner's own group may be kept by an ordinary user; that is fine.
        }
        if (fchmod(fd, st.st_mode & 07777) != 0) {
            fail(SaveError::Permissions, errno);
            discard();
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
            return; // no thread to spare: the sync in commit() does it all
        }
    }
    syncer->request();
}
bool CatalogueFile::flushBuffer()
{
    if (failed || fd < 0)
        return false;
    bool const ok = writeAll(buffer.data(), buffer.size());
    buffer.clear();
    return ok;
}

int CatalogueFile::overflow(int ch)
{
    if (ch == traits_type::eof())
        return sync() == 0 ? 0 : traits_type::eof();
    char const c = traits_type::to_char_type(ch);
    return xsputn(&c, 1) == 1 ? ch : traits_type::eof();
}

std::streamsize CatalogueFile::xsputn(char const *data, std::streamsize size)
{
    if (failed || fd < 0)
        return 0;
    auto const count = static_cast<std::size_t>(size);
    if (buffer.size() + count > bufferSize && !flushBuffer())
        return 0;
    // Whole blocks of text go straight to the file, sparing a copy.
    if (count >= bufferSize / 4)
        return flushBuffer() && writeAll(data, count) ? size : 0;
    buffer.insert(buffer.end(), data, data + count);
    return size;
}

int CatalogueFile::sync()
{
    return flushBuffer() ? 0 : -1;
}

bool CatalogueFile::commit()
{
    if (fd < 0 || failed) {
        discard();
        return false;
    }
    if (!flushBuffer()) {
        discard();
        return false;
    }
    if (borrowed)
        return true;
    // The text must be on the disk before the name points to it; otherwise a
    // crash after the rename could leave the target empty or cut short.
    if (!finishSyncing()) {
        discard();
        return false;
    }
    if (syncing && ::fsync(fd) != 0 && !syncUnsupported(errno)) {
        fail(SaveError::Sync, errno);
        discard();
        return false;
    }
    int const closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        fail(SaveError::Close, errno);
        discard();
        return false;
    }
    if (!tempPath.empty()) {
        if (rename(tempPath.c_str(), targetPath.c_str()) != 0) {
            fail(SaveError::Replace, errno);
            discard();
            return false;
        }
        tempPath.clear();
        if (syncing && !syncDirectory())
            return false;
    }
    return true;
}

// Puts the rename itself on the disk.
bool CatalogueFile::syncDirectory()
{
    int const directory =
        ::open(directoryOf(targetPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A directory that may be written but not read cannot be opened to sync
    // it; the rename then reaches the disk with the system's next writeback.
    if (directory < 0)
        return true;
    bool const ok = ::fsync(directory) == 0 || syncUnsupported(errno);
    if (!ok)
        fail(SaveError::SyncDirectory, errno);
    ::close(directory);
    return ok;
}

void CatalogueFile::discard()
{
    if (syncer) {
        syncer->finish(); // it must be done with fd before fd is closed
        syncer.reset();
    }
    if (fd >= 0 && !borrowed)
        ::close(fd);
    fd = -1;
    buffer.clear();
    if (!tempPath.empty())
        unlink(tempPath.c_str());
    tempPath.clear();
}

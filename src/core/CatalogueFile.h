// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>
#include <vector>

// Why a save did not put a catalogue in place: the step that failed, the path
// as the caller named it and the system's error number. The front ends word it.
struct SaveError {
    enum Step {
        NoPath,        // no output was named
        Open,          // a device or pipe could not be opened for writing
        Create,        // no temporary file could be created beside the target
        Permissions,   // the temporary file could not take the target's mode
        Write,         // writing failed, or the target is a directory (EISDIR)
        Sync,          // the text could not be flushed to the disk
        Close,         // closing the temporary file failed
        Replace,       // renaming the temporary file over the target failed
        SyncDirectory, // the target WAS replaced, but its directory may not be on disk
    };
    Step step = NoPath;
    std::string path;
    int code = 0; // errno; 0 for NoPath
};

// A short name of a step ("create", "write", ...), for logs and tools.
char const *saveStepName(SaveError::Step step);

// The output file of a save, as a stream buffer. A regular file (or a new one)
// is written to a temporary file beside it and renamed over it only once the
// whole text is written, on the disk and closed; the directory is synced after
// the rename, so that after a crash the target holds the old or the new text,
// complete. A device or pipe is written directly and not synced. A symbolic
// link is followed: the file it points to is replaced, the link stays.
class CatalogueFile : public std::streambuf {
public:
    explicit CatalogueFile(std::string path);
    // Writes to a descriptor that is already open (standard output, say); it is
    // flushed but neither synced, closed nor renamed. name is used in errors.
    CatalogueFile(int descriptor, std::string name);
    ~CatalogueFile() override; // discards an uncommitted temporary file
    CatalogueFile(CatalogueFile const &) = delete;
    CatalogueFile &operator=(CatalogueFile const &) = delete;

    bool open();
    // Writes out the buffer, syncs, closes and puts the file in place.
    bool commit();
    // Drops whatever was written; an existing file stays untouched.
    void discard();

    // Tries what open() would do, without writing or keeping anything: for a
    // regular or new file a temporary file is created beside it and removed;
    // a device or pipe is only checked for write permission, since opening a
    // pipe would wait for, and then disturb, its reader. Lets a front end
    // refuse an output before it spends time on generating a belt.
    static std::optional<SaveError> check(std::string const &path);

    // Whether saves sync their file and directory; on by default. Only
    // benchmarks switch it off, to show what the sync costs.
    static void setSyncing(bool on);

    // Why the last step failed.
    SaveError const &error() const { return lastError; }
    // The temporary file while one exists (empty otherwise).
    std::string const &temporaryPath() const { return tempPath; }

protected:
    int overflow(int ch) override;
    std::streamsize xsputn(char const *data, std::streamsize size) override;
    int sync() override;

private:
    bool openPath(bool probe);
    bool writeAll(char const *data, std::size_t size);
    bool flushBuffer();
    void startWriteback();
    bool finishSyncing();
    bool syncDirectory();
    void fail(SaveError::Step step, int code);

    std::string path;       // as the caller gave it, for errors
    std::string targetPath; // after following symbolic links
    std::string tempPath;
    std::vector<char> buffer;
    int fd = -1;
    bool borrowed = false; // fd belongs to the caller
    bool syncing = false;  // a temporary file that is synced before the rename
    bool failed = false;
    std::uint64_t written = 0;       // bytes written to fd
    std::uint64_t writebackFrom = 0; // bytes before this have writeback started
    std::uint64_t flushedFrom = 0;   // bytes before this were handed to the syncer
    class Syncer;
    std::unique_ptr<Syncer> syncer; // syncs on a helper thread while text is written
    SaveError lastError;
};

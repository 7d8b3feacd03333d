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
        Replace,       // the target may not be replaced (not writable, or another
                       // user's in a folder where only owners remove files), or
                       // renaming the temporary file over it failed
        SyncDirectory, // the target WAS replaced, but its directory may not be on disk
        NotFinite,     // a body held an infinite or NaN number; nothing was saved
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
// complete. Where the system allows, the temporary file has no name until it
// is complete, so that a killed run leaves nothing behind. A device or pipe is
// written directly and not synced, and a name of an open descriptor
// (/dev/stdout, /dev/fd/N, /proc/self/fd/N) writes to that descriptor as it
// is. A symbolic link is followed: the file it points to is replaced, the
// link stays. An existing file that the user may not write, or may not
// replace in its folder, is refused before anything is written.
//
// The buffering and the order of the steps are common to all systems; the
// system calls sit in one unit per platform (CatalogueFilePosix.cpp).
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

    // Whether two output paths end in the same file, after following links:
    // one existing file (hard links too), or one name in one folder.
    static bool sameFile(std::string const &first, std::string const &second);

    // Whether saves sync their file and directory; on by default. Only
    // benchmarks switch it off, to show what the sync costs.
    static void setSyncing(bool on);
    // Whether the temporary file starts without a name where the system
    // allows; on by default. Tests switch it off to take the way of file
    // systems that cannot.
    static void setUnnamedTemporaries(bool on);

    // Why the last step failed.
    SaveError const &error() const { return lastError; }
    // The path as the caller gave it.
    std::string const &name() const { return path; }

protected:
    int overflow(int ch) override;
    std::streamsize xsputn(char const *data, std::streamsize size) override;
    int sync() override;

private:
    bool flushBuffer();
    void fail(SaveError::Step step, int code);

    // The system's side, in the platform's unit.
    bool openPath(bool probe);
    bool writeAll(char const *data, std::size_t size);
    // Once all text is written: syncs it, names it, puts it over the target
    // and syncs the folder; on failure releases everything.
    bool putInPlace();
    // Closes the file and removes a temporary file, named or not.
    void release();
    void startWriteback();
    bool finishSyncing();
    bool syncDirectory();

    std::string path;       // as the caller gave it, for errors
    std::string targetPath; // after following symbolic links
    std::string targetName; // its last component
    std::string tempName;   // a named temporary file in the target's folder
    std::vector<char> buffer;
    int fd = -1;
    int directory = -1;    // the target's folder, for names relative to it
    bool borrowed = false; // fd belongs to the caller
    bool unnamed = false;  // fd is a temporary file without a name yet
    bool syncing = false;  // a temporary file that is synced before the rename
    bool failed = false;
    std::uint64_t written = 0;       // bytes written to fd
    std::uint64_t writebackFrom = 0; // bytes before this have writeback started
    std::uint64_t flushedFrom = 0;   // bytes before this were handed to the syncer
    class Syncer;
    std::unique_ptr<Syncer> syncer; // syncs on a helper thread while text is written
    SaveError lastError;
};

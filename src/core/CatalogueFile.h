// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <streambuf>
#include <string>
#include <vector>

// The output file of a save, as a stream buffer. A regular file (or a new one)
// is written to a temporary file beside it and renamed over it only once the
// whole text is written and closed, so a failed save leaves an existing file as
// it was. A device or pipe is written directly. A symbolic link is followed: the
// file it points to is replaced, the link stays.
class CatalogueFile : public std::streambuf {
public:
    explicit CatalogueFile(std::string path);
    // Writes to a descriptor that is already open (standard output, say); it is
    // flushed but neither closed nor renamed. name is used in messages.
    CatalogueFile(int descriptor, std::string name);
    ~CatalogueFile() override; // discards an uncommitted temporary file
    CatalogueFile(CatalogueFile const &) = delete;
    CatalogueFile &operator=(CatalogueFile const &) = delete;

    bool open();
    // Writes out the buffer, closes and puts the file in place.
    bool commit();
    // Drops whatever was written; an existing file stays untouched.
    void discard();

    // Why the last step failed: an English sentence naming the path and the
    // system's reason.
    std::string const &error() const { return errorText; }
    // The temporary file while one exists (empty otherwise).
    std::string const &temporaryPath() const { return tempPath; }

protected:
    int overflow(int ch) override;
    std::streamsize xsputn(char const *data, std::streamsize size) override;
    int sync() override;

private:
    bool writeAll(char const *data, std::size_t size);
    bool flushBuffer();
    void fail(char const *what, int code);

    std::string path;       // as the caller gave it, for messages
    std::string targetPath; // after following symbolic links
    std::string tempPath;
    std::vector<char> buffer;
    int fd = -1;
    bool borrowed = false; // fd belongs to the caller
    bool failed = false;
    std::string errorText;
};

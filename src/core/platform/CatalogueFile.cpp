// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFile.h"

namespace {

constexpr std::size_t bufferSize = 1 << 20;

} // namespace

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
    case SaveError::NotFinite: return "not finite";
    }
    return "?";
}

std::optional<SaveError> CatalogueFile::check(std::string const &path)
{
    CatalogueFile file(path);
    if (!file.openPath(true))
        return file.error();
    return std::nullopt; // the destructor removes the temporary file
}

void CatalogueFile::fail(SaveError::Step step, int code)
{
    failed = true;
    lastError = SaveError{step, path, code};
}

bool CatalogueFile::open()
{
    if (!borrowed && !openPath(false))
        return false;
    buffer.reserve(bufferSize);
    return fd >= 0;
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
    if (fd < 0 || failed || !flushBuffer()) {
        discard();
        return false;
    }
    if (borrowed)
        return true;
    return putInPlace();
}

void CatalogueFile::discard()
{
    buffer.clear();
    release();
}

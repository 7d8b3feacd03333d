// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemRandomSource.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace {

// getrandom(2) where the kernel has it, /dev/urandom otherwise. Linux has no
// key containers, so open() never asks for one to be created.
class SystemRandomSource final : public RandomSource {
public:
    OpenResult open(char const *) override
    {
        char probe;
        if (getrandom(&probe, 0, GRND_NONBLOCK) >= 0 || errno != ENOSYS) {
            fd = -1;
            return OpenResult::Opened;
        }
        fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
        return fd >= 0 ? OpenResult::Opened : OpenResult::Failed;
    }

    bool create(char const *) override { return false; }

    bool read(void *buffer, std::size_t size) override
    {
        auto *bytes = static_cast<unsigned char *>(buffer);
        while (size > 0) {
            ssize_t const got = fd < 0 ? getrandom(bytes, size, 0) : ::read(fd, bytes, size);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            bytes += got;
            size -= static_cast<std::size_t>(got);
        }
        return true;
    }

    void close() override
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

private:
    int fd = -1;
};

} // namespace

RandomSource &systemRandomSource()
{
    static SystemRandomSource source;
    return source;
}

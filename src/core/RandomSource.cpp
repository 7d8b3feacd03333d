// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace {

constexpr char keyContainer[] = "MyKeyContainer";

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

SystemRandomSource systemSource;
std::atomic<RandomSource *> replacement{nullptr};

} // namespace

RandomSource::~RandomSource() = default;

RandomSource &RandomSource::current()
{
    RandomSource *source = replacement.load();
    return source ? *source : systemSource;
}

RandomSource *RandomSource::replace(RandomSource *source)
{
    return replacement.exchange(source);
}

void RandomSource::seedEngine(std::mt19937 &engine)
{
    RandomSource &source = current();
    switch (source.open(keyContainer)) {
    case OpenResult::Opened:
        std::printf("A cryptographic context with the %s key container \n", keyContainer);
        std::printf("has been acquired.\n\n");
        break;
    case OpenResult::NoKeyContainer:
        if (source.create(keyContainer)) {
            std::printf("A new key container has been created.\n");
            break;
        }
        std::printf("Could not create a new key container.\n");
        std::fflush(stdout);
        std::exit(1);
    case OpenResult::Failed:
        std::printf("A cryptographic service handle could not be acquired.\n");
        std::fflush(stdout);
        std::exit(1);
    }

    unsigned char byte = 0;
    if (source.read(&byte, 1))
        engine.seed(static_cast<unsigned int>(byte));
    source.close();
}

std::optional<std::uint32_t> RandomSource::drawSeed()
{
    RandomSource &source = current();
    auto opened = source.open(keyContainer);
    if (opened == OpenResult::NoKeyContainer && source.create(keyContainer))
        opened = OpenResult::Opened;
    if (opened != OpenResult::Opened)
        return std::nullopt;
    unsigned char bytes[4];
    bool const ok = source.read(bytes, sizeof bytes);
    source.close();
    if (!ok)
        return std::nullopt;
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

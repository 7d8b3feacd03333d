// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include "SystemRandomSource.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr char keyContainer[] = "MyKeyContainer";

std::atomic<RandomSource *> replacement{nullptr};

} // namespace

RandomSource::~RandomSource() = default;

RandomSource &RandomSource::current()
{
    RandomSource *source = replacement.load();
    return source ? *source : systemRandomSource();
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

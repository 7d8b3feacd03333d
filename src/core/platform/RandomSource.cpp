// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include "SystemRandomSource.h"

#include <atomic>

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

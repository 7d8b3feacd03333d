// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueWriter.h"

#include "ThreadScope.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>

namespace {

// Collects what the bodies print, for one block.
class BlockBuffer : public std::streambuf {
public:
    std::string text;

protected:
    std::streamsize xsputn(char const *data, std::streamsize size) override
    {
        text.append(data, static_cast<std::size_t>(size));
        return size;
    }
    int overflow(int ch) override
    {
        if (ch != traits_type::eof())
            text.push_back(traits_type::to_char_type(ch));
        return ch;
    }
};

bool stopRequested(std::atomic<bool> const *stop)
{
    return stop && stop->load();
}

} // namespace

CatalogueWriter::CatalogueWriter(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies,
                                 std::uint64_t number)
    : bodies(bodies)
    , number(number)
    , expected(bodies.size())
{}

CatalogueWriter::CatalogueWriter(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies,
                                 std::uint64_t number, BodyCount &arriving)
    : bodies(bodies)
    , number(number)
    , arriving(&arriving)
    , expected(number)
{}

std::size_t CatalogueWriter::available(std::size_t end) const
{
    // The list is not read for its size while it grows: only the elements
    // that the count has published.
    return arriving ? std::min(end, arriving->waitFor(end)) : end;
}

CatalogueWriter::Outcome CatalogueWriter::write(std::ostream &out, std::atomic<int> &progress,
                                                std::atomic<bool> const *stop)
{
    unsigned const cores = std::thread::hardware_concurrency();
    if (cores < 2 || expected < 4 * blockSize)
        return writeInOrder(out, progress, stop);
    return writeInParallel(out, progress, stop, cores);
}

CatalogueWriter::Outcome CatalogueWriter::writeInOrder(std::ostream &out,
                                                       std::atomic<int> &progress,
                                                       std::atomic<bool> const *stop)
{
    for (std::size_t i = 0; i < expected; ++i) {
        if (stopRequested(stop) || available(i + 1) <= i)
            return Outcome::Stopped;
        bodies[i]->print(out);
        if (!out)
            return out.bad() ? Outcome::WriteFailed : Outcome::NotFinite;
        progress.store(progressPercent(i + 1, number));
    }
    return Outcome::Written;
}

CatalogueWriter::Outcome CatalogueWriter::writeInParallel(std::ostream &out,
                                                          std::atomic<int> &progress,
                                                          std::atomic<bool> const *stop,
                                                          unsigned formatters)
{
    std::size_t const blockCount = (expected + blockSize - 1) / blockSize;

    // A ring of slots: block b is formatted into slot b % ring once the writer
    // has taken block b - ring out of it.
    struct Slot {
        BlockBuffer buffer;
        std::size_t block = 0; // the block this slot may hold next
        std::size_t end = 0;   // the end of the bodies it holds
        bool ready = false;
        bool finite = true; // every number of the block could be written
    };
    std::size_t const ring = 2 * std::size_t(formatters);
    std::vector<Slot> slots(ring);
    for (std::size_t i = 0; i < ring; ++i)
        slots[i].block = i;

    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<std::size_t> nextBlock{0};
    bool quit = false;

    auto format = [&] {
        ThreadScope const scope;
        for (;;) {
            std::size_t const b = nextBlock.fetch_add(1);
            if (b >= blockCount)
                return;
            Slot &slot = slots[b % ring];
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return quit || slot.block == b; });
                if (quit)
                    return;
            }
            slot.buffer.text.clear();
            std::ostream os(&slot.buffer);
            std::size_t const end = available(std::min(expected, (b + 1) * blockSize));
            for (std::size_t i = b * blockSize; i < end && os; ++i)
                bodies[i]->print(os);
            {
                std::lock_guard<std::mutex> lock(mutex);
                slot.finite = bool(os);
                slot.ready = true;
                slot.end = end;
            }
            changed.notify_all();
        }
    };

    std::vector<std::thread> workers;
    workers.reserve(formatters);
    for (unsigned i = 0; i < formatters; ++i)
        workers.emplace_back(format);

    Outcome outcome = Outcome::Written;
    std::uint64_t done = 0;
    for (std::size_t b = 0; b < blockCount && outcome == Outcome::Written; ++b) {
        Slot &slot = slots[b % ring];
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [&] { return slot.ready; });
        }
        std::size_t const end = slot.end;
        if (!slot.finite) {
            outcome = Outcome::NotFinite;
            break;
        }
        // A stop, or a belt that ended short of its number, keeps the old file.
        if (stopRequested(stop) || end < std::min(expected, (b + 1) * blockSize)) {
            outcome = Outcome::Stopped;
            break;
        }
        out.write(slot.buffer.text.data(), static_cast<std::streamsize>(slot.buffer.text.size()));
        if (!out) {
            outcome = Outcome::WriteFailed;
            break;
        }
        for (std::size_t i = b * blockSize; i < end; ++i)
            progress.store(progressPercent(++done, number));
        {
            std::lock_guard<std::mutex> lock(mutex);
            slot.ready = false;
            slot.block = b + ring;
        }
        changed.notify_all();
    }

    {
        std::lock_guard<std::mutex> lock(mutex);
        quit = true;
    }
    changed.notify_all();
    for (auto &worker : workers)
        worker.join();
    return outcome;
}

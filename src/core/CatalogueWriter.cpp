// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueWriter.h"

#include "Generator.h"

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
{}

CatalogueWriter::Outcome CatalogueWriter::write(std::ostream &out, std::atomic<int> &progress,
                                                std::atomic<bool> const *stop)
{
    unsigned const cores = std::thread::hardware_concurrency();
    if (cores < 2 || bodies.size() < 4 * blockSize)
        return writeInOrder(out, progress, stop);
    return writeInParallel(out, progress, stop, cores);
}

CatalogueWriter::Outcome CatalogueWriter::writeInOrder(std::ostream &out,
                                                       std::atomic<int> &progress,
                                                       std::atomic<bool> const *stop)
{
    std::uint64_t done = 0;
    for (auto const &body : bodies) {
        if (stopRequested(stop))
            return Outcome::Stopped;
        body->print(out);
        if (!out)
            return Outcome::WriteFailed;
        progress.store(Generator::progressPercent(++done, number));
    }
    return Outcome::Written;
}

CatalogueWriter::Outcome CatalogueWriter::writeInParallel(std::ostream &out,
                                                          std::atomic<int> &progress,
                                                          std::atomic<bool> const *stop,
                                                          unsigned formatters)
{
    std::size_t const blockCount = (bodies.size() + blockSize - 1) / blockSize;

    // A ring of slots: block b is formatted into slot b % ring once the writer
    // has taken block b - ring out of it.
    struct Slot {
        BlockBuffer buffer;
        std::size_t block = 0; // the block this slot may hold next
        bool ready = false;
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
            std::size_t const end = std::min(bodies.size(), (b + 1) * blockSize);
            for (std::size_t i = b * blockSize; i < end; ++i)
                bodies[i]->print(os);
            {
                std::lock_guard<std::mutex> lock(mutex);
                slot.ready = true;
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
        if (stopRequested(stop)) {
            outcome = Outcome::Stopped;
            break;
        }
        out.write(slot.buffer.text.data(), static_cast<std::streamsize>(slot.buffer.text.size()));
        if (!out) {
            outcome = Outcome::WriteFailed;
            break;
        }
        std::size_t const end = std::min(bodies.size(), (b + 1) * blockSize);
        for (std::size_t i = b * blockSize; i < end; ++i)
            progress.store(Generator::progressPercent(++done, number));
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

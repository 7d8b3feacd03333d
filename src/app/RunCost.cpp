// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCost.h"

#include "Generator.h"

#include <algorithm>
#include <chrono>
#include <sstream>

namespace {

// The digits of the serial numbers 1 to count together.
std::uint64_t serialDigits(std::uint64_t count)
{
    std::uint64_t total = 0;
    for (std::uint64_t low = 1, width = 1; low <= count; low *= 10, ++width)
        total += (std::min(count, low * 10 - 1) - low + 1) * width;
    return total;
}

std::uint64_t printedLength(BaseAsteroid const &body, std::ostringstream &text)
{
    text.str(std::string());
    body.print(text);
    return text.str().size();
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

std::optional<RunCost> RunCost::of(Settings const &settings, std::uint32_t seed,
                                   std::atomic<bool> const *stop)
{
    std::uint64_t const number = settings.number;
    if (number == 0)
        return RunCost{};
    Settings sample = settings;
    sample.number = std::uint32_t(std::min<std::uint64_t>(number, sampleSize));
    auto const start = std::chrono::steady_clock::now();
    Generator generator(sample, seed);
    std::atomic<int> progress{0};
    generator.generate(progress, stop);
    if (stop && *stop)
        return std::nullopt;
    double const generating = secondsSince(start);

    // A body's text holds its serial number once for each time its name
    // shows (a binary's components and their parent carry it too): printed
    // once more with a longer name, it tells how often, and the rest of its
    // text does not depend on the belt's size.
    auto const printing = std::chrono::steady_clock::now();
    std::ostringstream text;
    std::uint64_t fixedBytes = 0, nameShows = 0;
    for (auto const &body : generator.bodies()) {
        std::uint64_t const length = printedLength(*body, text);
        std::string const name = body->name;
        body->name += '0';
        std::uint64_t const shows = printedLength(*body, text) - length;
        body->name = name;
        std::size_t const serial = name.size() - name.find_last_of(' ') - 1;
        fixedBytes += length - shows * serial;
        nameShows += shows;
    }
    double const printed = secondsSince(printing);
    double const bodies = double(generator.bodies().size());
    if (bodies == 0)
        return RunCost{};

    double const scale = double(number) / bodies;
    RunCost cost;
    cost.bytes = std::uint64_t(double(fixedBytes) * scale +
                               double(nameShows) / bodies * double(serialDigits(number)) + 0.5);
    // Each body was printed twice above, once in the run.
    double const perBody = (generating + printed / 2) / bodies;
    cost.seconds = perBody * double(number);
    cost.generatingShare = generating / (generating + printed / 2);
    return cost;
}

RunCostEstimator::RunCostEstimator(QObject *parent)
    : QObject(parent)
{
}

RunCostEstimator::~RunCostEstimator() = default;

void RunCostEstimator::request(Settings const &settings, std::uint32_t seed)
{
    jobs.post([this, settings, seed](std::atomic<bool> const &stop) {
        std::optional<RunCost> const cost = RunCost::of(settings, seed, &stop);
        if (!cost)
            return;
        RunCost const done = *cost;
        // Queued to this object's thread; dropped if the object is gone.
        QMetaObject::invokeMethod(
            this, [this, done] { emit ready(done); }, Qt::QueuedConnection);
    });
}

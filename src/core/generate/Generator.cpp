// SPDX-License-Identifier: GPL-3.0-or-later
#include "Generator.h"

#include "ThreadScope.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

bool stopRequested(std::atomic<bool> const *stop)
{
    return stop && stop->load();
}

std::vector<PopulationPlan> plansOf(Settings const &settings, PlanetZones const &zones)
{
    std::vector<PopulationPlan> plans;
    plans.reserve(settings.populations.size());
    for (std::size_t i = 0; i < settings.populations.size(); ++i)
        plans.emplace_back(settings.populations[i], zones.populations[i], centralMassOf(settings));
    return plans;
}

// A belt needs one population; a record without any draws as one of the
// fresh kind.
Settings withPopulation(Settings settings)
{
    if (settings.populations.empty())
        settings.populations.emplace_back();
    if (settings.number > Generator::numberCap)
        settings.number = Generator::numberCap;
    return settings;
}

// Zones worked out for the record before a population was added to it do
// not fit it.
PlanetZones zonesFor(Settings const &settings, std::optional<PlanetZones> zones)
{
    if (zones && zones->populations.size() == settings.populations.size())
        return std::move(*zones);
    return PlanetZones(settings);
}

} // namespace

class Generator::PopulationWalk {
public:
    explicit PopulationWalk(std::vector<std::uint32_t> const &counts)
        : counts(counts)
        , end(counts.front())
    {}
    // The population of body id, for ids 1, 2, ... in turn.
    std::uint32_t of(std::uint32_t id)
    {
        while (id > end && index + 1 < counts.size())
            end += counts[++index];
        return index;
    }

private:
    std::vector<std::uint32_t> const &counts;
    std::uint32_t index = 0;
    std::uint64_t end;
};

Generator::Generator(Settings settings, unsigned int seed)
    : Generator(std::move(settings), std::nullopt, seed)
{
}

Generator::Generator(Settings settings, std::optional<PlanetZones> checked, unsigned int seed)
    : settings(withPopulation(std::move(settings)))
    , zones(zonesFor(this->settings, std::move(checked)))
    , plans(plansOf(this->settings, zones))
    , counts(populationCounts(this->settings.number, this->settings.populations))
    , sampler(seed)
    , drawOrder(sampler, plans, zones)
    , builder(this->settings, plans, zones)
{
    asteroids.reserve(this->settings.number);
}

void Generator::generate(std::atomic<int> &progress, std::atomic<bool> const *stop,
                         BodyCount *arrivals)
{
    drawOrder.setStop(stop);
    if (settings.number >= pipelineFrom && std::thread::hardware_concurrency() > 1)
        generateInPipeline(progress, stop, arrivals);
    else
        generateInOrder(progress, stop, arrivals);
}

void Generator::generateInOrder(std::atomic<int> &progress, std::atomic<bool> const *stop,
                                BodyCount *arrivals)
{
    std::uint32_t const number = settings.number;
    PopulationWalk walk(counts);
    for (std::uint32_t id = 1; id <= number && id != 0; ++id) {
        if (stopRequested(stop))
            return;
        Draws draws;
        drawOrder.draw(draws, walk.of(id));
        asteroids.push_back(builder.build(id, draws));
        progress.store(progressPercent(id, number));
        if (arrivals)
            arrivals->publish(id);
    }
}

void Generator::generateInPipeline(std::atomic<int> &progress, std::atomic<bool> const *stop,
                                   BodyCount *arrivals)
{
    // The draws are one sequence and stay on this thread; turning them into
    // numbers (the logarithms) and building a body (memory, name, list) needs
    // no engine output, so a second thread does it.
    // The two meet batch by batch in a small ring of draws.
    constexpr std::uint32_t batch = 256;
    constexpr std::uint32_t ringSize = 16 * batch;
    std::vector<Draws> ring(ringSize);
    std::uint32_t const number = settings.number;

    std::mutex mutex;
    std::condition_variable changed;
    std::uint32_t drawn = 0; // bodies whose draws are in the ring
    std::uint32_t built = 0; // bodies built from the ring
    bool drawing = true;

    std::thread building([&] {
        ThreadScope const scope;
        std::uint32_t next = 0;
        for (;;) {
            std::uint32_t available;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return drawn > next || !drawing; });
                available = drawn;
                if (available == next)
                    return;
            }
            for (; next < available; ++next) {
                asteroids.push_back(builder.build(next + 1, ring[next % ringSize]));
                progress.store(progressPercent(next + 1, number));
            }
            {
                std::lock_guard<std::mutex> lock(mutex);
                built = next;
            }
            if (arrivals)
                arrivals->publish(next);
            changed.notify_all();
        }
    });

    std::uint32_t count = 0;
    PopulationWalk walk(counts);
    for (; count < number; ++count) {
        if (stopRequested(stop))
            break;
        if (count % batch == 0 && count > 0) {
            std::unique_lock<std::mutex> lock(mutex);
            drawn = count;
            changed.notify_all();
            changed.wait(lock, [&] { return count + batch - built <= ringSize; });
        }
        drawOrder.draw(ring[count % ringSize], walk.of(count + 1));
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        drawn = count;
        drawing = false;
    }
    changed.notify_all();
    building.join();
}

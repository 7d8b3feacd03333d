// SPDX-License-Identifier: GPL-3.0-or-later
#include "BeltSave.h"

#include "BinaryAsteroid.h"
#include "ThreadScope.h"

#include <cerrno>
#include <ostream>
#include <thread>

BeltSave::BeltSave(Bodies const &bodies, std::uint32_t number, std::function<void()> beforeReplace)
    : bodies(bodies)
    , number(number)
    , beforeReplace(std::move(beforeReplace))
{}

SaveResult BeltSave::write(CatalogueFile &file, std::atomic<int> &progress,
                           std::atomic<bool> const *stop,
                           std::function<void(BodyCount &arriving)> const &produce)
{
    if (!file.open())
        return {false, false, file.error()};
    std::ostream out(&file);
    if (!produce) {
        auto const outcome = CatalogueWriter(bodies, number).write(out, progress, stop);
        return finish(file, out, outcome, stop);
    }
    BodyCount arriving;
    std::thread producing([&] {
        ThreadScope const scope;
        produce(arriving);
        arriving.finish();
    });
    auto const outcome = CatalogueWriter(bodies, number, arriving).write(out, progress, stop);
    producing.join();
    return finish(file, out, outcome, stop);
}

SaveResult BeltSave::finish(CatalogueFile &file, std::ostream &out,
                            CatalogueWriter::Outcome outcome, std::atomic<bool> const *stop)
{
    if (outcome == CatalogueWriter::Outcome::Written && beforeReplace) {
        out.flush();
        beforeReplace();
    }
    // A stop that comes after the last body, or with no bodies at all, still
    // keeps the old file.
    if (outcome == CatalogueWriter::Outcome::Written && stop && stop->load())
        outcome = CatalogueWriter::Outcome::Stopped;
    switch (outcome) {
    case CatalogueWriter::Outcome::Written: break;
    case CatalogueWriter::Outcome::Stopped: file.discard(); return {false, true, {}};
    case CatalogueWriter::Outcome::WriteFailed: return {false, false, file.error()};
    case CatalogueWriter::Outcome::NotFinite:
        file.discard();
        return {false, false, {SaveError::NotFinite, file.name(), EDOM}};
    }
    if (!file.commit())
        return {false, false, file.error()};
    SaveResult written;
    for (auto const &body : bodies)
        written.entries += dynamic_cast<BinaryAsteroid const *>(body.get()) ? 3 : 1;
    return written;
}

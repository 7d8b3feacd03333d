// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "CatalogueFile.h"
#include "CatalogueWriter.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Whether a save wrote the catalogue, and if not, why.
struct SaveResult {
    bool ok = true;
    bool stopped = false; // a stop request ended it; nothing was changed
    SaveError error;      // when neither ok nor stopped
    // Entries written when ok: one per single body, three per binary (its
    // barycenter and both components).
    std::uint64_t entries = 0;
    explicit operator bool() const { return ok; }
};

// The save of a belt's bodies as a catalogue: the writer formats them into
// the file, which replaces its target only once the whole text is in it.
class BeltSave {
public:
    using Bodies = std::vector<std::unique_ptr<BaseAsteroid>>;

    // number is the count of bodies the catalogue holds once bodies is full.
    // beforeReplace, if set, is called once the whole catalogue is in the
    // temporary file, just before it replaces the target: it may wait, and a
    // stop set meanwhile still keeps the old file.
    BeltSave(Bodies const &bodies, std::uint32_t number, std::function<void()> beforeReplace);

    // Writes the bodies to file. An existing target is replaced only by a
    // complete catalogue; a failure or a stop leaves it as it was. With
    // produce, the bodies are written while produce, on a thread of its own,
    // builds them and publishes each to the count it is given.
    SaveResult write(CatalogueFile &file, std::atomic<int> &progress, std::atomic<bool> const *stop,
                     std::function<void(BodyCount &arriving)> const &produce = {});

private:
    SaveResult finish(CatalogueFile &file, std::ostream &out, CatalogueWriter::Outcome outcome,
                      std::atomic<bool> const *stop);

    Bodies const &bodies;
    std::uint32_t number;
    std::function<void()> beforeReplace;
};

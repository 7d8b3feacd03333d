// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BeltSave.h"
#include "Generator.h"

#include <atomic>
#include <functional>
#include <string>

// A generator's belt saved as a catalogue: the generator draws, the save
// writes, and neither knows the other.

// Writes the generator's bodies to path. An existing file is replaced only by
// a complete catalogue; a failure or a stop leaves it as it was.
// beforeReplace, if set, is called once the whole catalogue is in the
// temporary file, just before it replaces the file: it may wait, and a stop
// set meanwhile still keeps the old file.
SaveResult saveBelt(Generator const &generator, std::string const &path,
                    std::atomic<int> &progress, std::atomic<bool> const *stop = nullptr,
                    std::function<void()> const &beforeReplace = {});
// Writes the bodies to a descriptor the caller keeps open, such as standard
// output; name stands for it in messages.
SaveResult saveBelt(Generator const &generator, int descriptor, std::string const &name,
                    std::atomic<int> &progress, std::atomic<bool> const *stop = nullptr);

// Generates the belt and saves it to path at once: each block of bodies is
// written as soon as it is built, so that the disk works while the belt is
// drawn. The same bytes as generate() and then saveBelt(); generated and
// saved take the percentages of the two.
SaveResult generateAndSave(Generator &generator, std::string const &path,
                           std::atomic<int> &generated, std::atomic<int> &saved,
                           std::atomic<bool> const *stop = nullptr);

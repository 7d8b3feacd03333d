// SPDX-License-Identifier: GPL-3.0-or-later
#include "BeltRun.h"

#include "CatalogueFile.h"

SaveResult saveBelt(Generator const &generator, std::string const &path,
                    std::atomic<int> &progress, std::atomic<bool> const *stop,
                    std::function<void()> const &beforeReplace)
{
    CatalogueFile file(path);
    return BeltSave(generator.bodies(), generator.belt().number, beforeReplace)
        .write(file, progress, stop);
}

SaveResult saveBelt(Generator const &generator, int descriptor, std::string const &name,
                    std::atomic<int> &progress, std::atomic<bool> const *stop)
{
    CatalogueFile file(descriptor, name);
    return BeltSave(generator.bodies(), generator.belt().number, {}).write(file, progress, stop);
}

SaveResult generateAndSave(Generator &generator, std::string const &path,
                           std::atomic<int> &generated, std::atomic<int> &saved,
                           std::atomic<bool> const *stop)
{
    CatalogueFile file(path);
    return BeltSave(generator.bodies(), generator.belt().number, {})
        .write(file, saved, stop,
               [&](BodyCount &arriving) { generator.generate(generated, stop, &arriving); });
}

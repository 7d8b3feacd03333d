// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue as the core itself generates and saves it, to hold what a
// front end wrote against.

#include "CatalogueFile.h"
#include "BeltRun.h"
#include "Settings.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <atomic>
#include <string>

// Saved at path; a failed save gives a text no catalogue has.
inline std::string coreCatalogue(Settings const &settings, unsigned seed, QString const &path)
{
    Generator generator(settings, seed);
    std::atomic<int> progress{0};
    generator.generate(progress);
    SaveResult const result = saveBelt(generator, path.toStdString(), progress);
    if (!result.ok)
        return std::string("<core save failed: ") + saveStepName(result.error.step) + ">";
    return readFile(path);
}

// Saved in a folder of its own, as bytes.
inline QByteArray coreCatalogue(Settings const &settings, unsigned seed)
{
    QTemporaryDir dir;
    return QByteArray::fromStdString(coreCatalogue(settings, seed, dir.filePath("expected.sc")));
}

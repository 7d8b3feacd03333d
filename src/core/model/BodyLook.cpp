// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodyLook.h"

#include "CatalogueText.h"
#include "TextScratch.h"

#include <ostream>

std::string_view BodyLook::meshName() const
{
    return files && mesh < files->meshes.size() ? std::string_view(files->meshes[mesh])
                                                : std::string_view();
}

std::string_view BodyLook::textureName() const
{
    return files && texture < files->textures.size() ? std::string_view(files->textures[texture])
                                                     : std::string_view();
}

void LookedAsteroid::print(std::ostream &os) const
{
    os.precision(19);
    CatalogueText::SingleBlock const block{objectType, name,      {},    parentBody, mass, radius,
                                           rotationPeriod, obliquity, orbit, &look};
    if (!CatalogueText::finiteNumbers(block)) {
        os.setstate(std::ios::failbit);
        return;
    }
    char *const text = TextScratch::buffer(CatalogueText::maxSingleLength +
                                           CatalogueText::lookLength(look) + name.size() +
                                           parentBody.size());
    char const *end = CatalogueText::writeSingle(text, block);
    os.write(text, end - text);
}

void LookedBinaryAsteroid::print(std::ostream &os) const
{
    printWith(os, &look);
}

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
    os.precision(19);
    constexpr double notGiven = BodyLook::notGiven;
    Orbit companionOrbit = componentOrbit;
    companionOrbit.argOfPericenter = (companionOrbit.argOfPericenter + 180) - 360;
    CatalogueText::SingleBlock const a{
        objectType, name,     " A",     name,           CatalogueText::bodyMass(radius, density),
        radius,     notGiven, notGiven, componentOrbit, &look};
    CatalogueText::SingleBlock const b{objectType,
                                       name,
                                       " B",
                                       name,
                                       CatalogueText::bodyMass(companionRadius, density),
                                       companionRadius,
                                       notGiven,
                                       notGiven,
                                       companionOrbit,
                                       &look};
    if (!CatalogueText::finiteNumbers(orbit) || !CatalogueText::finiteNumbers(a) ||
        !CatalogueText::finiteNumbers(b)) {
        os.setstate(std::ios::failbit);
        return;
    }
    char *const text = TextScratch::buffer(
        CatalogueText::maxBarycenterLength +
        2 * (CatalogueText::maxSingleLength + CatalogueText::lookLength(look)) +
        5 * name.size() + parentBody.size() + 4);
    char *end = CatalogueText::writeBarycenter(text, name, parentBody, orbit);
    end = CatalogueText::writeSingle(end, a);
    end = CatalogueText::writeSingle(end, b);
    os.write(text, end - text);
}

#include "BinaryAsteroid.h"

#include "CatalogueText.h"

#include <limits>
#include <ostream>

void BinaryAsteroid::appendTo(std::string &out) const
{
    constexpr double notGiven = std::numeric_limits<double>::quiet_NaN();
    CatalogueText::appendBarycenter(out, name, parentBody, orbit);

    // Both components orbit the barycenter, which carries the binary's name.
    CatalogueText::appendSingle(out, {objectType, name, " A", name,
                                      CatalogueText::bodyMass(radius, density), radius, notGiven,
                                      notGiven, componentOrbit});

    // B sits opposite A; the reader takes the angle as it is, unwrapped.
    Orbit companionOrbit = componentOrbit;
    companionOrbit.argOfPericenter = (companionOrbit.argOfPericenter + 180) - 360;
    CatalogueText::appendSingle(out, {objectType, name, " B", name,
                                      CatalogueText::bodyMass(companionRadius, density),
                                      companionRadius, notGiven, notGiven, companionOrbit});
}

void BinaryAsteroid::print(std::ostream &os) const
{
    os.precision(19);
    thread_local std::string text;
    text.clear();
    appendTo(text);
    os.write(text.data(), static_cast<std::streamsize>(text.size()));
}

#include "Asteroid.h"

#include "CatalogueText.h"

#include <ostream>

void Asteroid::appendTo(std::string &out) const
{
    CatalogueText::appendSingle(
        out, {objectType, name, {}, parentBody, mass, radius, rotationPeriod, obliquity, orbit});
}

void Asteroid::print(std::ostream &os) const
{
    os.precision(19);
    // One write per body: a reused buffer spares the stream a call per field.
    thread_local std::string text;
    text.clear();
    appendTo(text);
    os.write(text.data(), static_cast<std::streamsize>(text.size()));
}

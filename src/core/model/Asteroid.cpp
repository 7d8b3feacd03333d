// SPDX-License-Identifier: GPL-3.0-or-later
#include "Asteroid.h"

#include "CatalogueText.h"
#include "TextScratch.h"

#include <ostream>

void Asteroid::print(std::ostream &os) const
{
    os.precision(19);
    // The whole block goes to the stream in one write.
    CatalogueText::SingleBlock const block{objectType, name,      {},    parentBody, mass, radius,
                                           rotationPeriod, obliquity, orbit, nullptr};
    if (!CatalogueText::finiteNumbers(block)) {
        os.setstate(std::ios::failbit); // the writer reports it; nothing half-written
        return;
    }
    char *const text =
        TextScratch::buffer(CatalogueText::maxSingleLength + name.size() + parentBody.size());
    char const *end = CatalogueText::writeSingle(text, block);
    os.write(text, end - text);
}

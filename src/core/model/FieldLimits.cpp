// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldLimits.h"

#include <charconv>

double FieldLimits::roundedTo(double value, int decimals)
{
    // Room for the largest field value (1e35) with the most decimals (20).
    char text[128];
    auto const written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc())
        return value;
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

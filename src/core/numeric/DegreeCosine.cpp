// SPDX-License-Identifier: GPL-3.0-or-later
#include "DegreeCosine.h"

#include <cmath>
#include <mpfr.h>

namespace {

// pi as the sum of three doubles: about 160 bits, more than the 128 used.
constexpr double piHigh = 3.141592653589793;
constexpr double piLow = 1.2246467991473532e-16;
constexpr double piLowest = -2.9947698097183397e-33;

// cos (or sin) of u degrees, u in [0, 45]; MPFR's own pi is not used, so that
// no thread keeps a cache of it.
double trigonometric(double u, bool sine)
{
    mpfr_t x, pi;
    mpfr_init2(x, 128);
    mpfr_init2(pi, 128);
    mpfr_set_d(pi, piHigh, MPFR_RNDN);
    mpfr_add_d(pi, pi, piLow, MPFR_RNDN);
    mpfr_add_d(pi, pi, piLowest, MPFR_RNDN);
    mpfr_set_d(x, u, MPFR_RNDN);
    mpfr_mul(x, x, pi, MPFR_RNDN);
    mpfr_div_ui(x, x, 180, MPFR_RNDN);
    if (sine)
        mpfr_sin(x, x, MPFR_RNDN);
    else
        mpfr_cos(x, x, MPFR_RNDN);
    double const value = mpfr_get_d(x, MPFR_RNDN);
    mpfr_clear(x);
    mpfr_clear(pi);
    return value;
}

} // namespace

double degreeCosine(double degrees)
{
    // fmod is exact, and each reflection below is exact by Sterbenz's lemma.
    double r = std::fmod(std::fabs(degrees), 360.0);
    if (r > 180)
        r = 360 - r;
    double sign = 1;
    if (r > 90) {
        r = 180 - r;
        sign = -1;
    }
    double const value = r > 45 ? trigonometric(90 - r, true) : trigonometric(r, false);
    return sign * value;
}

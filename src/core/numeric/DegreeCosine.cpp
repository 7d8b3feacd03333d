// SPDX-License-Identifier: GPL-3.0-or-later
#include "DegreeCosine.h"

#include "CorrectRounding.h"

#include <atomic>
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

std::atomic<std::uint64_t> fallbacks{0};

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
    bool const sine = r > 45;
    double const u = sine ? 90 - r : r;
    double value;
    if (u == 0) {
        value = sine ? 0 : 1;
    } else if (!CorrectRounding::detail::fastDegreeTrigonometric(u, sine, value)) {
        // In doubt: the value lies too near the middle between two doubles
        // for the double-double evaluation to tell which side.
        fallbacks.fetch_add(1, std::memory_order_relaxed);
        value = trigonometric(u, sine);
    }
    return sign * value;
}

std::uint64_t degreeCosineFallbackCount()
{
    return fallbacks.load(std::memory_order_relaxed);
}

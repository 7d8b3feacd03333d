// SPDX-License-Identifier: GPL-3.0-or-later
#include "CorrectRounding.h"

#include "WideInteger.h"

#include <mpfr.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <mutex>

namespace CorrectRounding {

namespace {

std::uint64_t bitsOf(double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

double fromBits(std::uint64_t bits)
{
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

constexpr std::uint64_t fractionMask = (std::uint64_t(1) << 52) - 1;

// ---------------------------------------------------------------------------
// Exact sums and products of two doubles as a rounded value and its error
// (barring overflow). Only + - * are used, so that processors without a fused
// multiply-add give the same bits.

struct Pair {
    double hi, lo;
};

Pair twoSum(double a, double b)
{
    double const s = a + b;
    double const bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// The top 26 bits of a and the rest, both exact.
struct Split {
    double hi, lo;
};

Split split(double a)
{
    double const c = 134217729.0 * a; // 2^27 + 1
    double const hi = c - (c - a);
    return {hi, a - hi};
}

Pair twoProduct(double a, Split as, double b, Split bs)
{
    double const p = a * b;
    return {p, ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo};
}

// ---------------------------------------------------------------------------
// log x = e log 2 - log c + log(1 + t), with x = 2^e m, c a short
// approximation of 1/m from a table indexed by m's leading fraction bits, and
// t = c m - 1 formed exactly, |t| < 2^-8. Every rounding of the evaluation is
// covered by an error bound; when the bound leaves the rounded result in
// doubt, the logarithm is taken again in multiple precision.

constexpr int indexBits = 8;
constexpr int bins = 1 << indexBits;
// Mantissas from 1 + 106/256 (just below the square root of 2) on are halved,
// so that x just below a power of two gives a small t instead of a
// cancellation between e log 2 and log m.
constexpr unsigned halveFrom = 106;

std::mutex precisionLock; // the multiple-precision library's caches are not ours

struct Tables {
    double reciprocal[bins]; // c: k / 1024, at most 11 bits, so c * (26 bits) is exact
    double minusLogHi[bins]; // -log c as an unevaluated sum, to about 2^-106
    double minusLogLo[bins];
    double ln2Hi; // 42 bits: e * ln2Hi is exact for every exponent
    double ln2Lo;

    Tables()
    {
        std::lock_guard<std::mutex> lock(precisionLock);
        mpfr_t v;
        mpfr_init2(v, 256);
        for (unsigned j = 0; j < bins; ++j) {
            // The middle of bin j is (513 + 2j) / 512 below the halving
            // point and (513 + 2j) / 1024 from it on; c is its reciprocal to
            // the nearest 1/1024. The bins on either side of 1 take c = 1, so
            // that near 1 the result is log(1 + t) alone, with no cancellation.
            long const numerator = j < halveFrom ? 2 * 524288L : 2 * 1048576L;
            long const middle = 513 + 2 * long(j);
            long const k = (numerator + middle) / (2 * middle);
            reciprocal[j] = (j == 0 || j == bins - 1) ? 1.0 : double(k) / 1024;

            mpfr_set_d(v, reciprocal[j], MPFR_RNDN);
            mpfr_log(v, v, MPFR_RNDN);
            mpfr_neg(v, v, MPFR_RNDN);
            minusLogHi[j] = mpfr_get_d(v, MPFR_RNDN);
            mpfr_sub_d(v, v, minusLogHi[j], MPFR_RNDN);
            minusLogLo[j] = mpfr_get_d(v, MPFR_RNDN);
        }
        mpfr_t hi;
        mpfr_init2(hi, 42);
        mpfr_const_log2(hi, MPFR_RNDN);
        ln2Hi = mpfr_get_d(hi, MPFR_RNDN);
        mpfr_const_log2(v, MPFR_RNDN);
        mpfr_sub_d(v, v, ln2Hi, MPFR_RNDN);
        ln2Lo = mpfr_get_d(v, MPFR_RNDN);
        mpfr_clear(hi);
        mpfr_clear(v);
        mpfr_free_cache();
    }
};

// Inlined, so that a call costs only the check that the tables exist.
[[gnu::always_inline]] inline Tables const &tables()
{
    static Tables const instance;
    return instance;
}

constexpr double third = 0x1.5555555555555p-2;    // 1/3 rounded
constexpr double thirdLo = 0x1.5555555555555p-56; // 1/3 - third, exactly 1/(3 * 2^54) rounded
Split const thirdSplit = split(third);

std::atomic<std::uint64_t> fallbacks{0};

// x = 2^e m with t = c m - 1 = th + tl exactly, c from bin j.
struct Reduced {
    int e;
    unsigned j;
    double th, tl;
};

Reduced reduce(double x, Tables const &tab)
{
    std::uint64_t bits = bitsOf(x);
    int e = 0;
    if (bits >> 52 == 0) { // subnormal: scale into the normal range, exactly
        bits = bitsOf(x * 0x1p54);
        e = -54;
    }
    e += int(bits >> 52) - 1023;
    unsigned const j = unsigned(bits >> (52 - indexBits)) & (bins - 1);
    std::uint64_t mantissa = (bits & fractionMask) | (std::uint64_t(1023) << 52); // [1, 2)
    if (j >= halveFrom) {
        mantissa -= std::uint64_t(1) << 52; // [0.707, 1)
        ++e;
    }
    // m splits into 26 leading bits and the rest; each product with c is
    // exact, and the first minus 1 is exact as it lies near 1.
    double const m = fromBits(mantissa);
    double const mHi = fromBits(mantissa & ~((std::uint64_t(1) << 27) - 1));
    double const mLo = m - mHi;
    double const c = tab.reciprocal[j];
    Pair const t = twoSum(c * mHi - 1, c * mLo);
    return {e, j, t.hi, t.lo};
}

using detail::Evaluation;

// e log 2 - log c + log(1 + t), given log(1 + t) as p + pLo and a bound on
// its error.
Evaluation combine(Reduced const &r, Tables const &tab, double p, double pLo, double pBound)
{
    double const scaled = double(r.e) * tab.ln2Hi;
    Pair const sum1 = twoSum(scaled, tab.minusLogHi[r.j]);
    Pair const sum2 = twoSum(sum1.hi, p);
    double const low =
        ((sum1.lo + sum2.lo) + (pLo + tab.minusLogLo[r.j])) + double(r.e) * tab.ln2Lo;
    // log 2 is carried to about 2^-94 per unit of e, -log c to 2^-104, and
    // the final sums lose at most 2^-104 of their terms; the bound takes
    // sixteen times that, and covers the rounding of low -+ bound itself.
    double const bound =
        pBound + 0x1p-90 * std::fabs(double(r.e)) +
        0x1p-100 * (std::fabs(tab.minusLogHi[r.j]) + std::fabs(sum1.hi) + std::fabs(sum2.hi)) +
        0x1p-52 * std::fabs(low);
    return {sum2.hi, low, bound};
}

// log(1 + t) in double beyond its first term: about 2^-59.6 relative.
Evaluation quick(Reduced const &r, Tables const &tab)
{
    double const th = r.th;
    double const square = th * th;
    double const a0 = -0.5 + th * (1.0 / 3);
    double const a1 = -0.25 + th * (1.0 / 5);
    double const a2 = -1.0 / 6 + th * (1.0 / 7);
    double const q = square * (a0 + square * a1 + (square * square) * (a2 + square * -0.125));
    double const lowPart = r.tl - r.tl * th; // tl / (1 + th) to first order
    return combine(r, tab, th, lowPart + q, 0x1p-58 * std::fabs(th));
}

// log(1 + t): th - th^2/2 + th^3/3 in double-double, the terms from th^4 to
// th^10 in double, and tl / (1 + th) to second order; about 2^-74.5 relative.
Evaluation precise(Reduced const &r, Tables const &tab)
{
    double const th = r.th;
    double const tl = r.tl;
    Split const thSplit = split(th);
    Pair const square = twoProduct(th, thSplit, th, thSplit);
    Pair const firstTwo = twoSum(th, -0.5 * square.hi);
    Pair const cubed = twoProduct(square.hi, split(square.hi), th, thSplit);
    Pair const cubeThird = twoProduct(cubed.hi, split(cubed.hi), third, thirdSplit);
    double const cubeThirdLo =
        cubeThird.lo + cubed.hi * thirdLo + (cubed.lo + square.lo * th) * third;
    double const tail =
        -1.0 / 4 +
        th *
            (1.0 / 5 + th * (-1.0 / 6 +
                             th * (1.0 / 7 + th * (-1.0 / 8 + th * (1.0 / 9 + th * (-1.0 / 10))))));
    double const fourthOn = (square.hi * square.hi) * tail;
    double const lowPart = tl - tl * (th - square.hi);
    Pair const p = twoSum(firstTwo.hi, cubeThird.hi);
    double const pLo =
        p.lo + ((((firstTwo.lo - 0.5 * square.lo) + cubeThirdLo) + lowPart) + fourthOn);
    return combine(r, tab, p.hi, pLo, 0x1p-73 * std::fabs(p.hi));
}

// Rounding is monotonic: if both ends of the interval round alike, so does
// every value in it, the logarithm among them.
bool settle(Evaluation const &v, double &result)
{
    double const below = v.high + (v.low - v.bound);
    double const above = v.high + (v.low + v.bound);
    if (below != above)
        return false;
    result = below;
    return true;
}

std::atomic<std::uint64_t> preciseRuns{0};

// Inlined into log(), which runs millions of times a belt.
[[gnu::always_inline]] inline bool settleLog(double x, double &result)
{
    if (!(x > 0) || x == std::numeric_limits<double>::infinity()) {
        // NaN stays NaN, +inf stays +inf, 0 gives -inf and negatives NaN.
        if (x == 0)
            result = -std::numeric_limits<double>::infinity();
        else if (x < 0)
            result = std::numeric_limits<double>::quiet_NaN();
        else
            result = x;
        return true;
    }
    if (x == 1) {
        result = 0;
        return true;
    }
    Tables const &tab = tables();
    Reduced const r = reduce(x, tab);
    if (settle(quick(r, tab), result))
        return true;
    preciseRuns.fetch_add(1, std::memory_order_relaxed);
    return settle(precise(r, tab), result);
}

// ---------------------------------------------------------------------------
// exp x = 2^k 2^(j/256) exp(r), with n = 256 k + j the nearest integer to
// 256 x / log 2 and r = x - n log 2 / 256 (|r| < 2^-9). 2^(j/256) comes from a
// table to about 2^-106 and exp(r) - 1 from its series up to r^6 (the rest is
// below 2^-75); one double-double evaluation, and multiple precision when its
// error bound leaves the rounding in doubt (about once in 8000 arguments).

constexpr int expBits = 8;
constexpr int expBins = 1 << expBits;
// Arguments whose exponential is a normal double far from overflow; the
// others, and the evaluations left in doubt, go to multiple precision.
constexpr double expFastLow = -708.0;
constexpr double expFastHigh = 709.7;

struct ExpTables {
    double powerHi[expBins]; // 2^(j/256) as an unevaluated sum, to about 2^-106
    double powerLo[expBins];
    // log 2 / 256 in three parts: 34 bits, so that n * stepHi is exact for
    // every |n| < 2^19, then the next 53 and the next.
    double stepHi, stepMid, stepLo;
    double stepsPerUnit; // 256 / log 2 rounded: only picks n

    ExpTables()
    {
        std::lock_guard<std::mutex> lock(precisionLock);
        mpfr_t v, rest;
        mpfr_inits2(256, v, rest, nullptr);
        for (int j = 0; j < expBins; ++j) {
            mpfr_set_si(v, j, MPFR_RNDN);
            mpfr_div_2ui(v, v, expBits, MPFR_RNDN);
            mpfr_exp2(v, v, MPFR_RNDN);
            powerHi[j] = mpfr_get_d(v, MPFR_RNDN);
            mpfr_sub_d(v, v, powerHi[j], MPFR_RNDN);
            powerLo[j] = mpfr_get_d(v, MPFR_RNDN);
        }
        mpfr_const_log2(rest, MPFR_RNDN);
        mpfr_div_2ui(rest, rest, expBits, MPFR_RNDN);
        mpfr_set_prec(v, 34);
        mpfr_set(v, rest, MPFR_RNDN);
        stepHi = mpfr_get_d(v, MPFR_RNDN);
        mpfr_sub_d(rest, rest, stepHi, MPFR_RNDN);
        stepMid = mpfr_get_d(rest, MPFR_RNDN);
        mpfr_sub_d(rest, rest, stepMid, MPFR_RNDN);
        stepLo = mpfr_get_d(rest, MPFR_RNDN);
        stepsPerUnit = 1 / (stepHi + stepMid);
        mpfr_clears(v, rest, nullptr);
        mpfr_free_cache();
    }
};

[[gnu::always_inline]] inline ExpTables const &expTables()
{
    static ExpTables const instance;
    return instance;
}

std::atomic<std::uint64_t> expFallbacks{0};

detail::ExpEvaluation evaluateExpFast(double x, ExpTables const &tab)
{
    constexpr double shifter = 0x1.8p52; // adding it rounds to an integer
    double const nd = (x * tab.stepsPerUnit + shifter) - shifter;
    long const n = long(nd);
    int const j = int(n & (expBins - 1));
    int const k = int((n - j) / expBins);

    // r = x - n (stepHi + stepMid + stepLo) as rh + rl, to about 2^-100 |r|.
    Pair const s = twoSum(x, -(nd * tab.stepHi));
    Split const ns = split(nd);
    Pair const p = twoProduct(nd, ns, tab.stepMid, split(tab.stepMid));
    Pair const d = twoSum(s.hi, -p.hi);
    Pair const r = twoSum(d.hi, (d.lo + (s.lo - p.lo)) - nd * tab.stepLo);
    double const rh = r.hi, rl = r.lo;

    // exp(r) - 1 = rh + tail.
    double const series =
        (rh * rh) * (0.5 + rh * (1.0 / 6 + rh * (1.0 / 24 + rh * (1.0 / 120 + rh * (1.0 / 720)))));
    double const tail = rl + (rl * rh + series);

    double const th = tab.powerHi[j], tl = tab.powerLo[j];
    Pair const product = twoProduct(th, split(th), rh, split(rh));
    Pair const sum = twoSum(th, product.hi);
    double const low = sum.lo + (product.lo + (th * tail + (tl + tl * (rh + tail))));
    // The series' remainder (2^-75), its rounding and that of th * tail
    // (about 2^-72 each) and of the last sums, relative to th; measured
    // against multiple precision at below 2^-70.
    return {{sum.hi, low, 0x1p-67 * th}, k};
}

} // namespace

namespace detail {

Evaluation evaluateLog(double x, int stage)
{
    Tables const &tab = tables();
    Reduced const r = reduce(x, tab);
    return stage == 0 ? quick(r, tab) : precise(r, tab);
}

bool fastLog(double x, double &result)
{
    return settleLog(x, result);
}

double accurateLog(double x)
{
    std::lock_guard<std::mutex> lock(precisionLock);
    mpfr_t v;
    mpfr_init2(v, 53);
    mpfr_set_d(v, x, MPFR_RNDN);
    mpfr_log(v, v, MPFR_RNDN); // correctly rounded to 53 bits
    double const result = mpfr_get_d(v, MPFR_RNDN);
    mpfr_clear(v);
    return result;
}


ExpEvaluation evaluateExp(double x)
{
    return evaluateExpFast(x, expTables());
}

bool fastExp(double x, double &result)
{
    if (!(x >= expFastLow && x <= expFastHigh))
        return false;
    ExpEvaluation const e = evaluateExpFast(x, expTables());
    double unscaled;
    if (!settle(e.value, unscaled))
        return false;
    // 2^scale times a value near 1 stays normal, so the scaling is exact.
    result = unscaled * fromBits(std::uint64_t(e.scale + 1023) << 52);
    return true;
}

double accurateExp(double x)
{
    std::lock_guard<std::mutex> lock(precisionLock);
    // Binary64's exponent range, subnormals included, as the library's
    // manual shows it.
    mpfr_exp_t const emin = mpfr_get_emin(), emax = mpfr_get_emax();
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    mpfr_t v;
    mpfr_init2(v, 53);
    mpfr_set_d(v, x, MPFR_RNDN);
    int const inexact = mpfr_exp(v, v, MPFR_RNDN);
    mpfr_subnormalize(v, inexact, MPFR_RNDN);
    double const result = mpfr_get_d(v, MPFR_RNDN);
    mpfr_clear(v);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
    return result;
}

} // namespace detail

double log(double x)
{
    double result;
    if (settleLog(x, result))
        return result;
    fallbacks.fetch_add(1, std::memory_order_relaxed);
    return detail::accurateLog(x);
}

double exp(double x)
{
    double result;
    if (detail::fastExp(x, result))
        return result;
    if (x != x || x == std::numeric_limits<double>::infinity())
        return x;
    if (x == -std::numeric_limits<double>::infinity())
        return 0;
    expFallbacks.fetch_add(1, std::memory_order_relaxed);
    return detail::accurateExp(x);
}

double power(double x, double y)
{
    return exp(y * log(x));
}

std::uint64_t expFallbackCount()
{
    return expFallbacks.load(std::memory_order_relaxed);
}

std::uint64_t fallbackCount()
{
    return fallbacks.load(std::memory_order_relaxed);
}

std::uint64_t preciseCount()
{
    return preciseRuns.load(std::memory_order_relaxed);
}

// ---------------------------------------------------------------------------
// The cube is exact in integers: a 53-bit significand cubed has at most 159
// bits, rounded here once to 53 (or fewer, below the normal range).

double cube(double x)
{
    std::uint64_t const bits = bitsOf(x);
    std::uint64_t const sign = bits & (std::uint64_t(1) << 63);
    std::uint64_t const magnitude = bits ^ sign;
    if (magnitude == 0 || magnitude >= 0x7ff0000000000000)
        return x * x * x; // zeros, infinities and NaN: exact as they are

    // |x| = M 2^E with an integer M below 2^53.
    std::uint64_t M;
    int E;
    if (magnitude >> 52) {
        M = (magnitude & fractionMask) | (std::uint64_t(1) << 52);
        E = int(magnitude >> 52) - 1075;
    } else {
        M = magnitude;
        E = -1074;
    }

    using namespace WideInteger;
    U192 const P = multiply(M, U128(M) * M);

    // Keep 53 bits, or only those at or above 2^-1074 for a subnormal result;
    // for every double s is positive.
    int s = std::max(P.bitLength() - 53, -1074 - 3 * E);
    std::uint64_t q = std::uint64_t(roundedShift(P, s));
    if (q >> 53) { // rounded up to the next power of two
        q >>= 1;
        ++s;
    }
    // With q in [2^52, 2^53) the exponent field is s + 3E + 1075; for a
    // subnormal result s + 3E = -1074 and q holds the field's carry itself.
    long const field = long(s) + 3L * E + 1074 + long(q >> 52);
    if (field >= 2047)
        return fromBits(sign | 0x7ff0000000000000);
    return fromBits(sign | ((std::uint64_t(s + 3 * E + 1074) << 52) + q));
}

} // namespace CorrectRounding

namespace CorrectRounding {

namespace {

// Double-double numbers for the arc cosine's quick evaluation: each
// operation below is exact to about 2^-104 of its result.
using Pair2 = Pair;

Pair2 quickTwoSum(double a, double b) // |a| >= |b|
{
    double const s = a + b;
    return {s, b - (s - a)};
}

Pair2 add(Pair2 a, Pair2 b)
{
    Pair const s = twoSum(a.hi, b.hi);
    return quickTwoSum(s.hi, s.lo + (a.lo + b.lo));
}

Pair2 multiply(Pair2 a, Pair2 b)
{
    Pair const p = twoProduct(a.hi, split(a.hi), b.hi, split(b.hi));
    return quickTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

// a times or over a double whose products with a.hi's quotient are exact
// enough: the small whole numbers of a series' coefficients.
Pair2 scale(Pair2 a, double b)
{
    Pair const p = twoProduct(a.hi, split(a.hi), b, split(b));
    return quickTwoSum(p.hi, p.lo + a.lo * b);
}

Pair2 divide(Pair2 a, double b)
{
    double const q = a.hi / b;
    Pair const p = twoProduct(q, split(q), b, split(b));
    return quickTwoSum(q, (((a.hi - p.hi) - p.lo) + a.lo) / b);
}

// The square root of a double v >= 0 as a double-double.
Pair2 root(double v)
{
    double const r = std::sqrt(v);
    if (r == 0)
        return {0, 0};
    Pair const square = twoProduct(r, split(r), r, split(r));
    return quickTwoSum(r, ((v - square.hi) - square.lo) / (2 * r));
}

// asin s for 0 <= s <= 0.5 by its series, s + s^3/6 + 3 s^5/40 + ...: the
// term after t_k = c_k s^(2k+1) is t_k s^2 (2k+1)^2 / ((2k+2)(2k+3)), each
// ratio under s^2 <= 1/4. The terms above 2^-50 of the sum are taken in
// double-double; the rest, which double precision holds to far below 2^-90
// of the sum, in doubles, until a term falls below 2^-110 of the sum.
Pair2 arcSine(Pair2 s)
{
    // The ratios (2k+1)^2 / ((2k+2)(2k+3)) as double-doubles, made once.
    constexpr int terms = 200;
    static std::array<Pair2, terms> const ratios = [] {
        std::array<Pair2, terms> made{};
        for (int k = 0; k < terms; ++k)
            made[std::size_t(k)] =
                divide({double(2 * k + 1) * (2 * k + 1), 0}, double(2 * k + 2) * (2 * k + 3));
        return made;
    }();
    Pair2 const s2 = multiply(s, s);
    Pair2 term = s, sum = s;
    int k = 0;
    for (; k < terms && std::fabs(term.hi) > 0x1p-50 * sum.hi; ++k) {
        term = multiply(multiply(term, s2), ratios[std::size_t(k)]);
        sum = add(sum, term);
    }
    double small = term.hi, tail = 0;
    for (; k < terms && small > 0x1p-110 * sum.hi; ++k) {
        small = small * s2.hi * ratios[std::size_t(k)].hi;
        tail += small;
    }
    return add(sum, {tail, 0});
}

// The square root of a double-double v > 0, to about 2^-104 of it.
Pair2 root(Pair2 v)
{
    double const r = std::sqrt(v.hi);
    Pair const square = twoProduct(r, split(r), r, split(r));
    return quickTwoSum(r, (((v.hi - square.hi) - square.lo) + v.lo) / (2 * r));
}

// asin s for 0 <= s <= 0.5 from the nearest s_i = i/32: asin s = asin s_i +
// asin d, d = s sqrt(1 - s_i^2) - s_i sqrt(1 - s^2), |d| < 1/55, whose
// series takes a few terms where that of s takes dozens. asin s_i and
// sqrt(1 - s_i^2) come from multiple precision to about 2^-106; d is formed
// to about 2^-103, against a result of at least asin(1/64) (below, i = 0 and
// d = s).
Pair2 reducedArcSine(Pair2 s)
{
    struct Table {
        Pair2 arcSine[17], cosine[17];
        Table()
        {
            std::lock_guard<std::mutex> lock(precisionLock);
            mpfr_t v;
            mpfr_init2(v, 256);
            auto pair = [&v] {
                double const hi = mpfr_get_d(v, MPFR_RNDN);
                mpfr_sub_d(v, v, hi, MPFR_RNDN);
                return Pair2{hi, mpfr_get_d(v, MPFR_RNDN)};
            };
            for (int i = 0; i <= 16; ++i) {
                mpfr_set_d(v, i / 32.0, MPFR_RNDN);
                mpfr_asin(v, v, MPFR_RNDN);
                arcSine[i] = pair();
                mpfr_set_d(v, i / 32.0, MPFR_RNDN);
                mpfr_sqr(v, v, MPFR_RNDN);
                mpfr_ui_sub(v, 1, v, MPFR_RNDN);
                mpfr_sqrt(v, v, MPFR_RNDN);
                cosine[i] = pair();
            }
            mpfr_clear(v);
            mpfr_free_cache();
        }
    };
    static Table const table;
    int const i = int(s.hi * 32 + 0.5);
    if (i == 0)
        return arcSine(s);
    Pair2 const square = multiply(s, s);
    Pair2 const rest = root(add({1, 0}, {-square.hi, -square.lo}));
    Pair2 const along = multiply(s, table.cosine[i]);
    Pair2 const across = scale(rest, i / 32.0);
    Pair2 const d = add(along, {-across.hi, -across.lo});
    // The series takes d >= 0; asin is odd.
    if (d.hi >= 0)
        return add(table.arcSine[i], arcSine(d));
    Pair2 const below = arcSine({-d.hi, -d.lo});
    return add(table.arcSine[i], {-below.hi, -below.lo});
}

constexpr Pair2 halfPi{1.5707963267948966, 6.123233995736766e-17};
constexpr Pair2 wholePi{3.141592653589793, 1.2246467991473532e-16};

std::atomic<std::uint64_t> acosFallbacks{0};

double accurateAcos(double x)
{
    // The result lies in [0, pi]: normal or 0, so 53 bits in the library's
    // default exponent range round as binary64 does. On the stack: no
    // allocation and no shared state.
    mp_limb_t argumentLimbs[4], resultLimbs[4];
    mpfr_t argument, result;
    mpfr_custom_init(argumentLimbs, 53);
    mpfr_custom_init_set(argument, MPFR_ZERO_KIND, 0, 53, argumentLimbs);
    mpfr_custom_init(resultLimbs, 53);
    mpfr_custom_init_set(result, MPFR_ZERO_KIND, 0, 53, resultLimbs);
    mpfr_set_d(argument, x, MPFR_RNDN);
    mpfr_acos(result, argument, MPFR_RNDN);
    return mpfr_get_d(result, MPFR_RNDN);
}

} // namespace

// acos x = pi/2 - asin x for |x| <= 1/2; beyond, with s = sqrt((1 - |x|)/2)
// (1 - |x| and the halving exact), acos x = 2 asin s for x > 0 and
// pi - 2 asin s for x < 0. Every step is a double-double operation, so the
// whole is within far less than 2^-90 of its value; when that leaves the
// rounding in doubt, multiple precision settles it.
double acos(double x)
{
    if (!(x >= -1 && x <= 1))
        return std::numeric_limits<double>::quiet_NaN();
    double const magnitude = std::fabs(x);
    Pair2 value;
    if (magnitude <= 0.5) {
        Pair2 const s = reducedArcSine({magnitude, 0});
        value = add(halfPi, x < 0 ? s : Pair2{-s.hi, -s.lo});
    } else {
        Pair2 const twice = scale(reducedArcSine(root((1 - magnitude) * 0.5)), 2);
        value = x > 0 ? twice : add(wholePi, {-twice.hi, -twice.lo});
    }
    double result;
    if (settle({value.hi, value.lo, 0x1p-90 * std::fabs(value.hi)}, result))
        return result;
    acosFallbacks.fetch_add(1, std::memory_order_relaxed);
    return accurateAcos(x);
}

std::uint64_t acosFallbackCount()
{
    return acosFallbacks.load();
}

namespace detail {
double accurateAcos(double x)
{
    return CorrectRounding::accurateAcos(x);
}

// x = u pi / 180 in double-double (pi / 180 to about 2^-107 from multiple
// precision, u times its high part exact), then the series of cos x or sin x
// with x^2 <= 0.62: the terms above 2^-50 of the sum in double-double, the
// rest in doubles until a term falls below 2^-110 of the sum. The sum is at
// least 0.7 (cos) or 0.9 x (sin) and no term cancels much of it, so the whole
// stays within about 2^-98 of its value; the bound takes 2^-90.
Evaluation evaluateDegreeTrigonometric(double u, bool sine)
{
    static Pair2 const radian = [] {
        std::lock_guard<std::mutex> lock(precisionLock);
        mpfr_t v;
        mpfr_init2(v, 256);
        mpfr_const_pi(v, MPFR_RNDN);
        mpfr_div_ui(v, v, 180, MPFR_RNDN);
        double const hi = mpfr_get_d(v, MPFR_RNDN);
        mpfr_sub_d(v, v, hi, MPFR_RNDN);
        double const lo = mpfr_get_d(v, MPFR_RNDN);
        mpfr_clear(v);
        mpfr_free_cache();
        return Pair2{hi, lo};
    }();
    Pair const product = twoProduct(u, split(u), radian.hi, split(radian.hi));
    Pair2 const x = quickTwoSum(product.hi, product.lo + u * radian.lo);
    Pair2 const square = multiply(x, x);
    Pair2 term = sine ? x : Pair2{1, 0};
    Pair2 sum = term;
    // Term k is term k-1 times -x^2 / ((n + 1)(n + 2)), n its power.
    double n = sine ? 1 : 0;
    bool negative = false;
    for (; term.hi > 0x1p-50 * sum.hi; n += 2) {
        term = divide(multiply(term, square), (n + 1) * (n + 2));
        negative = !negative;
        sum = add(sum, negative ? Pair2{-term.hi, -term.lo} : term);
    }
    double small = term.hi, tail = 0;
    for (; small > 0x1p-110 * sum.hi; n += 2) {
        small = small * square.hi / ((n + 1) * (n + 2));
        negative = !negative;
        tail += negative ? -small : small;
    }
    Pair2 const value = add(sum, {tail, 0});
    return {value.hi, value.lo, 0x1p-90 * value.hi};
}

bool fastDegreeTrigonometric(double u, bool sine, double &result)
{
    // Below, a sine's rounding could fall among the subnormals.
    if (!(u >= 0x1p-500 && u <= 45))
        return false;
    return settle(evaluateDegreeTrigonometric(u, sine), result);
}
} // namespace detail

} // namespace CorrectRounding

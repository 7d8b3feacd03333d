// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The functions a belt needs beyond + - * / and the square root, rounded to
// nearest (ties to even) from their exact values. The C library's log, exp
// and pow are off by one unit in the last place now and then, each build and
// processor in its own cases; these are not, so a belt depends on its settings
// and seed alone.
namespace CorrectRounding {

// The natural logarithm: -inf for 0, NaN below 0.
double log(double x);
// The exponential: +inf above about 709.78, 0 below about -745.13.
double exp(double x);
// x^y for x > 0 as exp(y * log x): each step rounded correctly, the product
// once, so the same bits everywhere (not always the nearest double to x^y).
double power(double x, double y);
// x * x * x without intermediate rounding.
double cube(double x);
// The arc cosine in radians, in [0, pi]; NaN outside [-1, 1].
double acos(double x);
// How many arc cosines went to the multiple-precision evaluation.
std::uint64_t acosFallbackCount();

// Since the program started: how many logarithms the quick evaluation could
// not settle and handed to the double-double one, and how many that could not
// settle either and went to the multiple-precision one.
std::uint64_t preciseCount();
std::uint64_t fallbackCount();
// How many exponentials went to the multiple-precision evaluation.
std::uint64_t expFallbackCount();

namespace detail {
// One evaluation of log x (x positive, finite, not 1): |log x - (high + low)|
// is at most bound. Stage 0 is the quick one, stage 1 the double-double one.
struct Evaluation {
    double high, low, bound;
};
Evaluation evaluateLog(double x, int stage);
// The two fast evaluations alone: true with the correctly rounded logarithm in
// result, false when its error bound straddles a rounding boundary.
bool fastLog(double x, double &result);
// The multiple-precision evaluation alone.
double accurateLog(double x);
// The double-double evaluation of exp x, for x in [-708, 709.7], before its
// scaling by 2^scale: |exp x - 2^scale (high + low)| <= 2^scale bound.
struct ExpEvaluation {
    Evaluation value;
    int scale;
};
ExpEvaluation evaluateExp(double x);
bool fastExp(double x, double &result);
double accurateExp(double x);
// The arc cosine in multiple precision alone.
double accurateAcos(double x);
// cos or sin of u degrees, u in [0, 45], in double-double: |value -
// (high + low)| <= bound.
Evaluation evaluateDegreeTrigonometric(double u, bool sine);
// The same rounded: true with the correctly rounded value in result, false
// when its error bound leaves the rounding in doubt or u is outside
// [2^-500, 45].
bool fastDegreeTrigonometric(double u, bool sine, double &result);
} // namespace detail

} // namespace CorrectRounding

// SPDX-License-Identifier: GPL-3.0-or-later
#include "CorrectRounding.h"
#include "DegreeCosine.h"

#include <QtTest>

#include <mpfr.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>

// Gives the arguments of one row, drawn from a seeded engine.
using Source = std::function<double(std::mt19937_64 &)>;
Q_DECLARE_METATYPE(Source)

// The logarithm and the cube against MPFR, which rounds every operation
// correctly: random arguments across each domain, and the hard ones.
class CorrectRoundingTest : public QObject {
    Q_OBJECT

    static double fraction(std::mt19937_64 &g) { return double(g() >> 11) * 0x1p-53; }

    static double mpfrLog(double x)
    {
        mpfr_t v;
        mpfr_init2(v, 53);
        mpfr_set_d(v, x, MPFR_RNDN);
        mpfr_log(v, v, MPFR_RNDN);
        double const r = mpfr_get_d(v, MPFR_RNDN);
        mpfr_clear(v);
        return r;
    }

    static double mpfrCube(double x)
    {
        mpfr_t v;
        mpfr_init2(v, 200); // the cube of 53 bits is exact in 159
        mpfr_set_d(v, x, MPFR_RNDN);
        mpfr_pow_ui(v, v, 3, MPFR_RNDN);
        double const r = mpfr_get_d(v, MPFR_RNDN);
        mpfr_clear(v);
        return r;
    }

    // Binary64 emulated: its exponent range with subnormals, one rounding.
    static double mpfrExp(double x)
    {
        mpfr_exp_t const emin = mpfr_get_emin(), emax = mpfr_get_emax();
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
        mpfr_t v;
        mpfr_init2(v, 53);
        mpfr_set_d(v, x, MPFR_RNDN);
        mpfr_subnormalize(v, mpfr_exp(v, v, MPFR_RNDN), MPFR_RNDN);
        double const r = mpfr_get_d(v, MPFR_RNDN);
        mpfr_clear(v);
        mpfr_set_emin(emin);
        mpfr_set_emax(emax);
        return r;
    }

    // BELTWRIGHT_LONG_SWEEP=N multiplies the random arguments of the sweeps.
    static int sweepCount(int count)
    {
        char const *factor = std::getenv("BELTWRIGHT_LONG_SWEEP");
        return factor ? count * std::max(1, std::atoi(factor)) : count;
    }

    // cos at 400 bits with MPFR's pi and no reduction.
    static double mpfrDegreeCosine(double degrees)
    {
        mpfr_t x, pi;
        mpfr_inits2(400, x, pi, nullptr);
        mpfr_const_pi(pi, MPFR_RNDN);
        mpfr_set_d(x, degrees, MPFR_RNDN);
        mpfr_mul(x, x, pi, MPFR_RNDN);
        mpfr_div_ui(x, x, 180, MPFR_RNDN);
        mpfr_cos(x, x, MPFR_RNDN);
        double const r = mpfr_get_d(x, MPFR_RNDN);
        mpfr_clears(x, pi, nullptr);
        return r;
    }

    static bool same(double a, double b)
    {
        return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
    }

private slots:
    // The degree cosine against a route of its own: MPFR's pi at 400 bits and
    // no reduction; the exact values exactly.
    void degreeCosineMatchesMpfr()
    {
        for (auto [degrees, exact] : {std::pair{0.0, 1.0}, {60.0, 0.5}, {-90.0, 0.0},
                                      {120.0, -0.5}, {180.0, -1.0}, {720.0, 1.0}})
            QCOMPARE(degreeCosine(degrees), exact);
        std::mt19937_64 g(20261208);
        for (int k = 0; k < 20000; ++k) {
            double const degrees = (fraction(g) - 0.5) * (k % 2 ? 720 : 1e-3);
            if (degreeCosine(degrees) != mpfrDegreeCosine(degrees))
                QFAIL(qPrintable(QString("cos %1 degrees").arg(degrees, 0, 'g', 17)));
        }
    }

    // Steps of 2^12 units in the last place either side of an angle (not the
    // angle itself: the exact values are above): near the exact values and
    // the switch from cosine to sine, tiny angles (all to MPFR), and across
    // the angles whose cosine lies on the middle between two doubles
    // (1 - 2^-54, 1 - 3 2^-54), where the quick evaluation must hand some
    // over to MPFR.
    void degreeCosineHardCases_data()
    {
        QTest::addColumn<double>("centre");
        QTest::addColumn<int>("minHandedOver");
        QTest::addColumn<int>("maxHandedOver");
        for (double degrees : {30.0, 45.0, 60.0, 90.0, 135.0, -150.0})
            QTest::newRow(qPrintable(QString::number(degrees))) << degrees << 0 << 0;
        QTest::newRow("1e-300") << 1e-300 << 1024 << 1024;
        for (double k : {1.0, 3.0})
            QTest::newRow(qPrintable(QString("middle %1").arg(k)))
                << std::sqrt(2 * k * 0x1p-54) * (180 / M_PI) << 1 << 1023;
    }

    void degreeCosineHardCases()
    {
        QFETCH(double, centre);
        QFETCH(int, minHandedOver);
        QFETCH(int, maxHandedOver);
        std::uint64_t const before = degreeCosineFallbackCount();
        double const unit = std::nextafter(std::fabs(centre), 1e9) - std::fabs(centre);
        for (int i = -512; i <= 512; ++i) {
            double const degrees = centre + i * std::ldexp(unit, 12);
            if (i != 0 && degreeCosine(degrees) != mpfrDegreeCosine(degrees))
                QFAIL(qPrintable(QString("cos %1 degrees").arg(degrees, 0, 'g', 17)));
        }
        int const handedOver = int(degreeCosineFallbackCount() - before);
        QVERIFY2(handedOver >= minHandedOver && handedOver <= maxHandedOver,
                 qPrintable(QString::number(handedOver)));
    }

    void logMatchesMpfr_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Source>("source");
        // As the normal draw forms r^2 from two fractions of 64 bits each.
        QTest::newRow("drawn r^2") << 400000 << Source([](std::mt19937_64 &g) {
            for (;;) {
                double const x =
                    2 * ((double(g() & 0xffffffffu) + double(g() >> 32) * 0x1p32) * 0x1p-64) - 1;
                double const y = 2 * fraction(g) - 1;
                double const r2 = x * x + y * y;
                if (r2 <= 1 && r2 != 0)
                    return r2;
            }
        });
        QTest::newRow("just below 1") << 200000 << Source([](std::mt19937_64 &g) {
            return 1 - double(g() % (std::uint64_t(1) << 40) + 1) * 0x1p-53;
        });
        // Down to 2^-106, the smallest r^2 the draw can give.
        QTest::newRow("small r^2") << 100000 << Source([](std::mt19937_64 &g) {
            return std::ldexp(1 + fraction(g), -int(g() % 106) - 1);
        });
        QTest::newRow("every exponent") << 200000 << Source([](std::mt19937_64 &g) {
            return std::ldexp(1 + fraction(g), int(g() % 2098) - 1074);
        });
        QTest::newRow("subnormal")
            << 20000
            << Source([](std::mt19937_64 &g) { return std::ldexp(double(g() >> 12), -1074); });
    }

    void logMatchesMpfr()
    {
        QFETCH(int, count);
        QFETCH(Source, source);
        std::mt19937_64 g(20261207);
        mpfr_t exact, error;
        mpfr_inits2(300, exact, error, nullptr);
        int wrong = 0, looseBound = 0;
        for (int i = 0; i < count; ++i) {
            double const x = source(g);
            if (!(x > 0) || x == 1 || std::isinf(x))
                continue;
            if (!same(CorrectRounding::log(x), mpfrLog(x)) && ++wrong <= 3)
                qWarning("log(%a): %a, correctly rounded %a", x, CorrectRounding::log(x),
                         mpfrLog(x));
            // Each evaluation's error bound must hold, or its rounding test
            // could settle on a wrong result.
            mpfr_set_d(exact, x, MPFR_RNDN);
            mpfr_log(exact, exact, MPFR_RNDN);
            for (int stage = 0; stage < 2; ++stage) {
                auto const v = CorrectRounding::detail::evaluateLog(x, stage);
                mpfr_set_d(error, v.high, MPFR_RNDN);
                mpfr_add_d(error, error, v.low, MPFR_RNDN);
                mpfr_sub(error, error, exact, MPFR_RNDN);
                if (std::fabs(mpfr_get_d(error, MPFR_RNDN)) > v.bound && ++looseBound <= 3)
                    qWarning("stage %d of log(%a) is off by more than its bound", stage, x);
            }
        }
        mpfr_clears(exact, error, nullptr);
        QCOMPARE(wrong, 0);
        QCOMPARE(looseBound, 0);
    }

    // Which evaluation settles it: 0 the quick one, 1 the double-double one,
    // 2 only multiple precision.
    static int settlingStage(double x)
    {
        for (int stage = 0; stage < 2; ++stage) {
            auto const v = CorrectRounding::detail::evaluateLog(x, stage);
            if (v.high + (v.low - v.bound) == v.high + (v.low + v.bound))
                return stage;
        }
        return 2;
    }

    void hardLogs_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected"); // 0 where only MPFR says
        QTest::addColumn<int>("stage");
        // log(1 - 2^-52) = -(2^-52 + 2^-105 + 2^-157/3 ...): just past the
        // midpoint between -2^-52 and the next double down.
        QTest::newRow("1 - 2^-52") << 1 - 0x1p-52 << -0x1.0000000000001p-52 << 2;
        QTest::newRow("1 - 12 * 2^-53") << 1 - 12 * 0x1p-53 << 0.0 << 2;
        QTest::newRow("1 - 176 * 2^-53") << 1 - 176 * 0x1p-53 << 0.0 << 2;
        QTest::newRow("1 - 2^-53") << 1 - 0x1p-53 << -0x1p-53 << 0;
        QTest::newRow("2^-106") << 0x1p-106 << 0.0 << 0;
        QTest::newRow("1/2") << 0.5 << -0x1.62e42fefa39efp-1 << 0;
        QTest::newRow("smallest subnormal") << 0x1p-1074 << -0x1.74385446d71c3p+9 << 0;
        // Drawn r^2 whose logarithms lie nearest a midpoint (about 1e-7 of a
        // unit in the last place), found by a search among 20 million.
        QTest::newRow("near midpoint 1") << 0x1.a237a7ff905b4p-1 << 0.0 << 1;
        QTest::newRow("near midpoint 2") << 0x1.cb6beaba5843p-3 << 0.0 << 1;
        QTest::newRow("near midpoint 3") << 0x1.52f0dc82587fp-1 << 0.0 << 1;
        QTest::newRow("near midpoint 4") << 0x1.be6191a384ccep-5 << 0.0 << 1;
    }

    void hardLogs()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QFETCH(int, stage);
        double const got = CorrectRounding::log(x);
        QVERIFY(same(got, mpfrLog(x)));
        if (expected != 0)
            QCOMPARE(got, expected);
        QCOMPARE(settlingStage(x), stage);
        QCOMPARE(CorrectRounding::detail::accurateLog(x), got);
    }

    void logSpecialValues()
    {
        double const inf = std::numeric_limits<double>::infinity();
        QCOMPARE(CorrectRounding::log(1.0), 0.0);
        QVERIFY(!std::signbit(CorrectRounding::log(1.0)));
        QCOMPARE(CorrectRounding::log(0.0), -inf);
        QCOMPARE(CorrectRounding::log(-0.0), -inf);
        QCOMPARE(CorrectRounding::log(inf), inf);
        QVERIFY(std::isnan(CorrectRounding::log(-1.0)));
        QVERIFY(std::isnan(CorrectRounding::log(std::nan(""))));
    }

    void fallbackIsCounted()
    {
        auto const before = CorrectRounding::fallbackCount();
        CorrectRounding::log(1 - 0x1p-52);
        QCOMPARE(CorrectRounding::fallbackCount(), before + 1);
    }

    void expMatchesMpfr_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Source>("source");
        // Where the fast evaluation runs, evenly, and as the draws use it.
        QTest::newRow("fast range") << 150000 << Source([](std::mt19937_64 &g) {
            return -708 + fraction(g) * 1417.7;
        });
        QTest::newRow("within 40") << 150000 << Source([](std::mt19937_64 &g) {
            return 80 * fraction(g) - 40;
        });
        QTest::newRow("small, both signs") << 100000 << Source([](std::mt19937_64 &g) {
            double const x = std::ldexp(1 + fraction(g), -int(g() % 70) - 1);
            return g() & 1 ? -x : x;
        });
        // Logarithms of fractions, as a power of one is formed.
        QTest::newRow("logarithms of draws") << 100000 << Source([](std::mt19937_64 &g) {
            return -2.5 * CorrectRounding::log(1 - fraction(g));
        });
        // Beyond it: subnormal results, underflow and overflow.
        QTest::newRow("the ends") << 20000 << Source([](std::mt19937_64 &g) {
            return g() & 1 ? -760 + 52 * fraction(g) : 709.6 + 0.3 * fraction(g);
        });
    }

    void expMatchesMpfr()
    {
        QFETCH(int, count);
        QFETCH(Source, source);
        count = sweepCount(count);
        std::mt19937_64 g(20261208);
        mpfr_t exact, error;
        mpfr_inits2(300, exact, error, nullptr);
        int wrong = 0, looseBound = 0;
        for (int i = 0; i < count; ++i) {
            double const x = source(g);
            double const got = CorrectRounding::exp(x);
            if (!same(got, mpfrExp(x)) && ++wrong <= 3)
                qWarning("exp(%a): %a, correctly rounded %a", x, got, mpfrExp(x));
            if (!(x >= -708 && x <= 709.7))
                continue;
            // The evaluation's error bound must hold, or its rounding test
            // could settle on a wrong result.
            auto const e = CorrectRounding::detail::evaluateExp(x);
            mpfr_set_d(exact, x, MPFR_RNDN);
            mpfr_exp(exact, exact, MPFR_RNDN);
            mpfr_mul_2si(exact, exact, -e.scale, MPFR_RNDN);
            mpfr_set_d(error, e.value.high, MPFR_RNDN);
            mpfr_add_d(error, error, e.value.low, MPFR_RNDN);
            mpfr_sub(error, error, exact, MPFR_RNDN);
            if (std::fabs(mpfr_get_d(error, MPFR_RNDN)) > e.value.bound && ++looseBound <= 3)
                qWarning("the evaluation of exp(%a) is off by more than its bound", x);
        }
        mpfr_clears(exact, error, nullptr);
        qInfo("%d arguments", count);
        QCOMPARE(wrong, 0);
        QCOMPARE(looseBound, 0);
    }

    void hardExps_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("fast");       // whether the fast evaluation settles it
        // The worst case of exp in double precision (Lefevre and Muller,
        // 2001): exp x lies within 2^-58 half-units of the last place of a
        // midpoint.
        QTest::newRow("Lefevre-Muller worst case")
            << 0x1.9e9cbbfd6080bp-31 << 0x1.000000033d398p+0 << false;
        // exp(k 2^-53) = 1 + k 2^-53 + k^2 2^-107 ...: just past the midpoint
        // for odd k, so only the third term decides.
        QTest::newRow("2^-53") << 0x1p-53 << 1 + 0x1p-52 << false;
        QTest::newRow("3 * 2^-53") << 3 * 0x1p-53 << 1 + 0x1p-51 << false;
        QTest::newRow("-2^-54") << -0x1p-54 << 1.0 << false;
        QTest::newRow("-3 * 2^-54") << -3 * 0x1p-54 << 1 - 0x1p-53 << false;
        QTest::newRow("0") << 0.0 << 1.0 << true;
        QTest::newRow("1") << 1.0 << 0x1.5bf0a8b145769p+1 << true;
        QTest::newRow("log 2 rounded") << 0x1.62e42fefa39efp-1 << 2.0 << true;
        QTest::newRow("largest finite") << 0x1.62e42fefa39efp+9 << 0x1.fffffffffff2ap+1023 << false;
        QTest::newRow("overflow") << 0x1.62e42fefa39fp+9 << std::numeric_limits<double>::infinity()
                                  << false;
        QTest::newRow("smallest normal result") << -0x1.6232bdd7abcd2p+9 << 0x1.000000000007cp-1022
                                                << false;
        QTest::newRow("smallest subnormal") << -745.1332191019411 << 0x1p-1074 << false;
        QTest::newRow("underflow to 0") << -745.1332191019412 << 0.0 << false;
    }

    void hardExps()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QFETCH(bool, fast);
        double const got = CorrectRounding::exp(x);
        QVERIFY(same(got, mpfrExp(x)));
        QVERIFY(same(got, expected));
        double settled;
        QCOMPARE(CorrectRounding::detail::fastExp(x, settled), fast);
        QVERIFY(same(CorrectRounding::detail::accurateExp(x), got));
    }

    void expSpecialValues()
    {
        double const inf = std::numeric_limits<double>::infinity();
        auto const before = CorrectRounding::expFallbackCount();
        QCOMPARE(CorrectRounding::exp(inf), inf);
        QCOMPARE(CorrectRounding::exp(-inf), 0.0);
        QVERIFY(std::isnan(CorrectRounding::exp(std::nan(""))));
        QCOMPARE(CorrectRounding::exp(-0.0), 1.0);
        QCOMPARE(CorrectRounding::expFallbackCount(), before);
        CorrectRounding::exp(0x1p-53);
        QCOMPARE(CorrectRounding::expFallbackCount(), before + 1);
    }

    void cubeMatchesMpfr_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Source>("source");
        // Radii and semi-major axes as the form allows them, 0.01 to 1e21.
        QTest::newRow("form range") << 500000 << Source([](std::mt19937_64 &g) {
            return std::exp2(std::log2(0.01) + fraction(g) * (std::log2(1e21) - std::log2(0.01)));
        });
        QTest::newRow("every exponent, both signs") << 500000 << Source([](std::mt19937_64 &g) {
            double const x = std::ldexp(1 + fraction(g), int(g() % 2098) - 1074);
            return g() & 1 ? -x : x;
        });
        QTest::newRow("subnormal")
            << 20000
            << Source([](std::mt19937_64 &g) { return std::ldexp(double(g() >> 12), -1074); });
    }

    void cubeMatchesMpfr()
    {
        QFETCH(int, count);
        QFETCH(Source, source);
        std::mt19937_64 g(5489);
        int wrong = 0;
        for (int i = 0; i < count; ++i) {
            double const x = source(g);
            if (!same(CorrectRounding::cube(x), mpfrCube(x)) && ++wrong <= 3)
                qWarning("cube(%a): %a, correctly rounded %a", x, CorrectRounding::cube(x),
                         mpfrCube(x));
        }
        QCOMPARE(wrong, 0);
    }

    void cubeEdges_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        // Odd cubes of 54 bits lie exactly halfway: ties go to the even one.
        QTest::newRow("tie down") << 208065.0 << 9007351116674624.0;
        QTest::newRow("tie up") << 208067.0 << 9007610865436764.0;
        QTest::newRow("tie down again") << 208069.0 << 9007870619192508.0;
        QTest::newRow("largest radius") << 1e21 << mpfrCube(1e21);
        QTest::newRow("Oort outer bound") << 50000.0 << 1.25e14;
        QTest::newRow("Vulcanoid inner bound") << 0.15 << mpfrCube(0.15);
        QTest::newRow("negative") << -3.0 << -27.0;
        QTest::newRow("overflow") << 0x1p342 << std::numeric_limits<double>::infinity();
        QTest::newRow("largest finite cube")
            << std::cbrt(0x1.fffffffffffffp1023) * (1 - 0x1p-52)
            << mpfrCube(std::cbrt(0x1.fffffffffffffp1023) * (1 - 0x1p-52));
        QTest::newRow("underflow to zero") << 0x1p-400 << 0.0;
        QTest::newRow("smallest subnormal cube") << 0x1p-358 << 0x1p-1074;
        QTest::newRow("rounds up to the smallest normal")
            << std::cbrt(0x1p-1022) * (1 - 0x1p-53)
            << mpfrCube(std::cbrt(0x1p-1022) * (1 - 0x1p-53));
    }

    void cubeEdges()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QVERIFY(same(CorrectRounding::cube(x), expected));
        QVERIFY(same(CorrectRounding::cube(x), mpfrCube(x)));
    }

    // The arc cosine against MPFR: the canonical fractions 2u - 1 the spin
    // axes draw, every exponent near 0, and the ends of the branches.
    void acosMatchesMpfr_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Source>("source");
        QTest::newRow("2u - 1") << 300000 << Source([](std::mt19937_64 &g) {
            return 2 * fraction(g) - 1;
        });
        QTest::newRow("tiny, both signs") << 20000 << Source([](std::mt19937_64 &g) {
            double const x = std::ldexp(1 + fraction(g), -int(g() % 1070) - 1);
            return g() & 1 ? -x : x;
        });
        QTest::newRow("near the ends") << 20000 << Source([](std::mt19937_64 &g) {
            double const x = 1 - std::ldexp(1 + fraction(g), -int(g() % 53) - 1);
            return g() & 1 ? -x : x;
        });
        // Where the series' argument changes from one table point to the next.
        QTest::newRow("table edges") << 20000 << Source([](std::mt19937_64 &g) {
            double const s = (2 * double(g() % 17) + 1) / 64 + (fraction(g) - 0.5) * 0x1p-30;
            return g() & 1 ? 1 - 2 * s * s : g() & 2 ? s : -s;
        });
        QTest::newRow("branch edges") << 8 << Source([](std::mt19937_64 &g) {
            double const edges[] = {0.5, -0.5, 1, -1, 0, -0.0, 0x1.0000000000001p-1,
                                    -0x1.fffffffffffffp-2};
            return edges[g() % 8];
        });
    }

    void acosMatchesMpfr()
    {
        QFETCH(int, count);
        QFETCH(Source, source);
        std::mt19937_64 g(5489);
        int wrong = 0;
        for (int i = 0; i < count; ++i) {
            double const x = source(g);
            double const expected = CorrectRounding::detail::accurateAcos(x);
            if (!same(CorrectRounding::acos(x), expected) && ++wrong <= 3)
                qWarning("acos(%a): %a, correctly rounded %a", x, CorrectRounding::acos(x),
                         expected);
        }
        QCOMPARE(wrong, 0);
        QVERIFY(std::isnan(CorrectRounding::acos(1.0000000000000002)));
    }

    void cubeKeepsZerosInfinitiesAndNan()
    {
        double const inf = std::numeric_limits<double>::infinity();
        QVERIFY(std::signbit(CorrectRounding::cube(-0.0)));
        QVERIFY(!std::signbit(CorrectRounding::cube(0.0)));
        QCOMPARE(CorrectRounding::cube(-inf), -inf);
        QVERIFY(std::isnan(CorrectRounding::cube(std::nan(""))));
    }
};

QTEST_APPLESS_MAIN(CorrectRoundingTest)
#include "tst_correctrounding.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Generator.h"
#include "MadeBelt.h"
#include "Settings.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using Change = std::function<void(Settings &)>;
Q_DECLARE_METATYPE(Change)

namespace {

enum class Element { Radius, SemiMajorAxis, Eccentricity, Inclination, MeanAnomaly };

// The maximum of a concave function on [lo, hi], by golden sections.
double maximum(std::function<double(double)> const &f, double lo, double hi)
{
    double const ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 200; ++i) {
        double const a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
        (f(a) < f(b) ? lo : hi) = f(a) < f(b) ? a : b;
    }
    return (lo + hi) / 2;
}

// Maximum likelihood of g for a density ~ x^(g-1) on [lo, hi].
double powerExponent(std::vector<double> const &x, double lo, double hi)
{
    double sumLog = 0;
    for (double v : x)
        sumLog += std::log(v);
    double const n = double(x.size());
    return maximum(
        [&](double g) {
            if (std::fabs(g) < 1e-9)
                return -sumLog - n * std::log(std::log(hi / lo));
            return n * std::log(std::fabs(g)) + (g - 1) * sumLog -
                   n * std::log(std::fabs(std::pow(hi, g) - std::pow(lo, g)));
        },
        -12, 12);
}

// Maximum likelihood of the mode of a Rayleigh distribution cut to [lo, hi].
double rayleighMode(std::vector<double> const &x, double lo, double hi)
{
    double sumSquares = 0;
    for (double v : x)
        sumSquares += v * v;
    double const n = double(x.size());
    return maximum(
        [&](double s) {
            double const mass = std::exp(-lo * lo / (2 * s * s)) - std::exp(-hi * hi / (2 * s * s));
            return -2 * n * std::log(s) - sumSquares / (2 * s * s) - n * std::log(mass);
        },
        1e-3 * hi, 10 * hi);
}

// Kolmogorov-Smirnov distance from the even distribution on [0, 360).
double evenDistance(std::vector<double> x)
{
    std::sort(x.begin(), x.end());
    double const n = double(x.size());
    double distance = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        double const f = x[i] / 360;
        distance = std::max({distance, f - double(i) / n, double(i + 1) / n - f});
    }
    return distance;
}

} // namespace

// Belts of 100,000 bodies with each distribution: the fitted parameter lies
// near the one chosen, every value within its bounds.
class DistributionsTest : public QObject {
    Q_OBJECT

    static constexpr std::uint32_t bodies = 100000;

    static Settings belt(Change const &change)
    {
        Settings s(Settings::Vulcanoids);
        s.number = bodies;
        change(s);
        return s;
    }

private slots:
    void fittedParameterIsTheChosenOne_data()
    {
        using S = Settings;
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("element");
        QTest::addColumn<double>("chosen");
        QTest::addColumn<double>("tolerance"); // absolute; relative for the modes
        auto const sizes = [](double lo, double hi, double q) {
            return Change([=](S &s) {
                s.populations[0].radiusDistribution = S::RadiusDistribution::PowerLaw;
                s.populations[0].minRadius = lo, s.populations[0].maxRadius = hi, s.populations[0].radiusSlope = q;
            });
        };
        auto const disc = [](double p) {
            return Change([=](S &s) {
                s.populations[0].semiMajorAxisDistribution = S::SemiMajorAxisDistribution::SurfaceDensity;
                s.populations[0].innerRadius = 1, s.populations[0].outerRadius = 10, s.populations[0].surfaceDensitySlope = p;
            });
        };
        auto const eccentricities = [](double lo, double hi, double mode) {
            return Change([=](S &s) {
                s.populations[0].eccentricityDistribution = S::SpreadDistribution::Rayleigh;
                s.populations[0].minEccentricity = lo, s.populations[0].maxEccentricity = hi, s.populations[0].eccentricityMode = mode;
            });
        };
        auto const inclinations = [](double bound, double mode) {
            return Change([=](S &s) {
                s.populations[0].inclinationDistribution = S::SpreadDistribution::Rayleigh;
                s.populations[0].maxInclination = bound, s.populations[0].inclinationMode = mode;
            });
        };
        int const radius = int(Element::Radius), axis = int(Element::SemiMajorAxis);
        int const e = int(Element::Eccentricity), i = int(Element::Inclination);
        QTest::newRow("sizes q 2.5, 1 to 400 km") << sizes(1, 400, 2.5) << radius << 2.5 << 0.05;
        QTest::newRow("sizes q 1.5, 0.1 to 500 km") << sizes(0.1, 500, 1.5) << radius << 1.5 << 0.05;
        QTest::newRow("sizes q 4, 1 to 100 km") << sizes(1, 100, 4) << radius << 4.0 << 0.05;
        QTest::newRow("even disc") << disc(0) << axis << 0.0 << 0.05;
        QTest::newRow("surface density r^-1.5") << disc(1.5) << axis << 1.5 << 0.05;
        QTest::newRow("surface density r^-2") << disc(2) << axis << 2.0 << 0.05;
        QTest::newRow("surface density r^-3") << disc(3) << axis << 3.0 << 0.05;
        QTest::newRow("e mode 0.1 cut at 0.3") << eccentricities(0, 0.3, 0.1) << e << 0.1 << 0.03;
        QTest::newRow("e mode 0.05 in 0.02 to 0.5")
            << eccentricities(0.02, 0.5, 0.05) << e << 0.05 << 0.03;
        QTest::newRow("i mode 5 cut at 10") << inclinations(10, 5) << i << 5.0 << 0.03;
        QTest::newRow("i mode 20 up to 180") << inclinations(180, 20) << i << 20.0 << 0.03;
        // The 0.1 % critical value of the Kolmogorov-Smirnov distance.
        QTest::newRow("mean anomalies") << Change([](S &s) {
            s.populations[0].meanAnomalyDistribution = S::MeanAnomalyDistribution::Uniform;
        }) << int(Element::MeanAnomaly) << 0.0 << 1.95 / std::sqrt(double(bodies));
    }

    void fittedParameterIsTheChosenOne()
    {
        QFETCH(Change, change);
        QFETCH(int, element);
        QFETCH(double, chosen);
        QFETCH(double, tolerance);
        Settings const s = belt(change);
        auto const generator = madeBelt(s, 20261208);

        std::vector<double> values;
        for (auto const &body : generator->bodies()) {
            Orbit const &orbit = body->orbit;
            QVERIFY(body->radius >= s.populations[0].minRadius && body->radius <= s.populations[0].maxRadius);
            QVERIFY(orbit.semiMajorAxis >= s.populations[0].innerRadius && orbit.semiMajorAxis <= s.populations[0].outerRadius);
            QVERIFY(orbit.eccentricity >= s.populations[0].minEccentricity &&
                    orbit.eccentricity <= s.populations[0].maxEccentricity);
            QVERIFY(std::fabs(orbit.inclination) <= s.populations[0].maxInclination);
            QVERIFY(orbit.meanAnomaly >= 0 && orbit.meanAnomaly < 360);
            double const value[] = {body->radius, orbit.semiMajorAxis, orbit.eccentricity,
                                    orbit.inclination, orbit.meanAnomaly};
            values.push_back(value[element]);
        }
        QCOMPARE(values.size(), std::size_t(bodies));

        double fitted = 0, off = 0;
        switch (Element(element)) {
        case Element::Radius:
            fitted = -powerExponent(values, s.populations[0].minRadius, s.populations[0].maxRadius);
            off = std::fabs(fitted - chosen);
            break;
        case Element::SemiMajorAxis:
            fitted = 2 - powerExponent(values, s.populations[0].innerRadius, s.populations[0].outerRadius);
            off = std::fabs(fitted - chosen);
            break;
        case Element::Eccentricity:
            QVERIFY(*std::min_element(values.begin(), values.end()) >= 0);
            fitted = rayleighMode(values, s.populations[0].minEccentricity, s.populations[0].maxEccentricity);
            off = std::fabs(fitted / chosen - 1);
            break;
        case Element::Inclination:
            QVERIFY(*std::min_element(values.begin(), values.end()) >= 0);
            fitted = rayleighMode(values, 0, s.populations[0].maxInclination);
            off = std::fabs(fitted / chosen - 1);
            break;
        case Element::MeanAnomaly: fitted = off = evenDistance(values); break;
        }
        qInfo("fitted %.5g (chosen %g), off by %.3g of at most %.3g", fitted, chosen, off,
              tolerance);
        QVERIFY(off <= tolerance);
    }

    // With the bell chosen, a distribution's parameter changes nothing.
    void unchosenParametersAreNotRead()
    {
        Settings odd(Settings::OortCloud);
        odd.populations[0].radiusSlope = 0.3;
        odd.populations[0].eccentricityMode = 7;
        odd.populations[0].inclinationMode = 0.01;
        odd.populations[0].surfaceDensitySlope = -4;
        auto const plain = madeBelt(Settings(Settings::OortCloud), 9), changed = madeBelt(odd, 9);
        for (std::size_t i = 0; i < plain->bodies().size(); ++i) {
            auto const &a = *plain->bodies()[i], &b = *changed->bodies()[i];
            QCOMPARE(a.radius, b.radius);
            QCOMPARE(a.orbit.semiMajorAxis, b.orbit.semiMajorAxis);
            QCOMPARE(a.orbit.eccentricity, b.orbit.eccentricity);
            QCOMPARE(a.orbit.inclination, b.orbit.inclination);
            QCOMPARE(a.orbit.meanAnomaly, 0.0);
        }
    }
};

QTEST_APPLESS_MAIN(DistributionsTest)
#include "tst_distributions.moc"

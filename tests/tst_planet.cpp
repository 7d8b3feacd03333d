// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleSettings.h"
#include "Generator.h"
#include "MadeBelt.h"
#include "SettingsCheck.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <vector>

using Change = std::function<void(Settings &)>;
Q_DECLARE_METATYPE(Change)

namespace {

// Independent of the core's zones: the published positions and widths.
constexpr double jupiterMu = 1.2668653e17 / 1.3271244e20;

Settings example(QByteArray const &name, std::uint32_t number = 100000)
{
    Settings s = exampleSettings(name.toStdString());
    s.number = number;
    return s;
}

std::vector<Orbit> orbits(Settings const &s, unsigned seed = 20261208)
{
    auto const generator = madeBelt(s, seed);
    std::vector<Orbit> list;
    for (auto const &body : generator->bodies())
        list.push_back(body->orbit);
    return list;
}

int countWithin(std::vector<Orbit> const &list, double lo, double hi)
{
    int n = 0;
    for (Orbit const &orbit : list)
        n += orbit.semiMajorAxis > lo && orbit.semiMajorAxis < hi;
    return n;
}

// Degrees from longitude to target, either way round.
double angleBetween(double longitude, double target)
{
    double d = std::fmod(longitude - target, 360.0);
    if (d < 0)
        d += 360;
    return std::min(d, 360 - d);
}

// The new user's belt: the main belt's bounds and Jupiter.
Change newUsersBelt(bool gaps)
{
    return [gaps](Settings &s) {
        s.populations[0].innerRadius = 2.1, s.populations[0].outerRadius = 3.3, s.populations[0].maxEccentricity = 0.3;
        s.populations[0].maxInclination = 25;
        s.populations[0].radiusDistribution = Settings::RadiusDistribution::Bell;
        s.populations[0].semiMajorAxisDistribution = Settings::SemiMajorAxisDistribution::Bell;
        s.resonanceGaps = gaps;
    };
}

// The share of a truncated Rayleigh distribution of mode sigma on [0, largest]
// below x, or of the even disc's amplitudes (sigma 0): (x / largest)^2.
double amplitudeBelow(double x, double largest, double sigma)
{
    if (sigma <= 0)
        return x * x / (largest * largest);
    auto const cdf = [sigma](double v) { return 1 - std::exp(-v * v / (2 * sigma * sigma)); };
    return cdf(x) / cdf(largest);
}

// The share whose angle A cos(psi), psi even, lies within h of 0: the mean
// over the amplitudes of min(1, 2/pi asin(h / A)), by the midpoint rule.
double angleWithin(double h, double largest, double sigma)
{
    int const steps = 20000;
    double share = 0;
    for (int i = 0; i < steps; ++i) {
        double const lo = largest * i / steps, hi = largest * (i + 1) / steps;
        double const mid = (lo + hi) / 2;
        double const weight =
            amplitudeBelow(hi, largest, sigma) - amplitudeBelow(lo, largest, sigma);
        share += weight * (mid <= h ? 1 : 2 / M_PI * std::asin(h / mid));
    }
    return share;
}

// A resonant population of a fifth of a belt with Jupiter (or Neptune, for
// the outer ones) and what a row sets of it.
struct ResonantRow {
    char const *resonance;
    Population::ResonanceSide side;
    double largest, mode; // mode 0: even amplitudes
    double minE, maxE;
};

// g(theta) of the tadpole's curves, and where it takes level on (0, 60).
double tadpoleG(double theta)
{
    double const t = theta * M_PI / 180;
    return std::cos(t) - 1 / (2 * std::sin(t / 2));
}

double tadpoleNearEnd(double level)
{
    double lo = 1e-3, hi = 60;
    for (int i = 0; i < 80; ++i)
        (tadpoleG((lo + hi) / 2) < level ? lo : hi) = (lo + hi) / 2;
    return lo;
}

} // namespace

Q_DECLARE_METATYPE(ResonantRow)

// Belts of 100,000 bodies shaped by a planet, against the structure of their
// real counterparts.
class PlanetTest : public QObject {
    Q_OBJECT

private slots:
    // The Kirkwood gaps: each 0.04 AU zone at a resonance of Jupiter holds at
    // most a third of the mean of the two 0.04 AU zones beside it.
    void gapsAreEmptied_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("gaps");
        QTest::newRow("main belt example, empty gaps") << Change([](Settings &) {}) << true;
        QTest::newRow("bell between 2.1 and 3.3 AU") << newUsersBelt(true) << true;
        QTest::newRow("no gaps: zones as full as their flanks") << newUsersBelt(false) << false;
    }
    void gapsAreEmptied()
    {
        QFETCH(Change, change);
        QFETCH(bool, gaps);
        Settings s = example("main-belt");
        s.populations.resize(1);
        s.populations[0].share = 100;
        s.gapWidth = Settings::GapWidth::Fixed, s.gapDepth = 0;
        change(s);
        auto const list = orbits(s);
        for (double center : {2.06, 2.50, 2.82, 2.96, 3.28}) {
            if (center - 0.06 < s.populations[0].innerRadius || center + 0.06 > s.populations[0].outerRadius)
                continue; // a flank outside the belt says nothing
            int const zone = countWithin(list, center - 0.02, center + 0.02);
            int const flanks = countWithin(list, center - 0.06, center - 0.02) +
                               countWithin(list, center + 0.02, center + 0.06);
            QString const where = QString("%1 AU: %2 in the zone, %3 in its flanks")
                                      .arg(center)
                                      .arg(zone)
                                      .arg(flanks);
            if (gaps)
                QVERIFY2(6 * zone <= flanks, qPrintable(where));
            else
                QVERIFY2(2 * zone >= 0.8 * flanks, qPrintable(where));
        }
    }

    // No body but a Trojan within 1.3 mu^(2/7) a_p of the planet's orbit.
    void chaoticZoneIsCleared_data()
    {
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<double>("trojanShare");
        QTest::addColumn<double>("familyShare"); // in 4:3, reaching into the zone
        QTest::newRow("cleared") << true << 0.0 << 0.0;
        QTest::newRow("cleared, with Trojans") << true << 20.0 << 0.0;
        QTest::newRow("cleared, with a 4:3 family") << true << 0.0 << 30.0;
        QTest::newRow("not cleared") << false << 0.0 << 0.0;
    }
    void chaoticZoneIsCleared()
    {
        QFETCH(bool, cleared);
        QFETCH(double, trojanShare);
        QFETCH(double, familyShare);
        Settings s = example("main-belt");
        s.populations[0].innerRadius = 3, s.populations[0].outerRadius = 8;
        s.resonanceGaps = false, s.clearedOrbit = cleared, s.populations[0].familyResonance = "4:3";
        splitOlderShares(s, trojanShare, familyShare);
        double const ap = s.planetSemiMajorAxis;
        double const half = 1.3 * std::pow(jupiterMu, 2.0 / 7) * ap;
        double const tadpole = std::sqrt(8 * jupiterMu / 3) * ap;
        int inZone = 0, trojansOutside = 0;
        for (Orbit const &orbit : orbits(s)) {
            double const lambda = orbit.ascendingNode + orbit.argOfPericenter + orbit.meanAnomaly;
            bool const trojan = std::fabs(orbit.semiMajorAxis - ap) <= tadpole &&
                                (angleBetween(lambda, s.planetLongitude + 60) <= 30 ||
                                 angleBetween(lambda, s.planetLongitude - 60) <= 30);
            bool const within = std::fabs(orbit.semiMajorAxis - ap) < half;
            inZone += within && !trojan;
            trojansOutside += trojan && !within;
        }
        if (cleared)
            QCOMPARE(inZone, 0);
        else
            QVERIFY(inZone > 1000);
        QCOMPARE(trojansOutside, 0);
    }

    // At least 90 % of the Trojans within 30 degrees of L4 or L5 at the epoch,
    // split between them as asked, on the planet's orbit within the tadpoles.
    void trojansGatherAtL4AndL5_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<double>("share");
        QTest::addColumn<double>("l4Share");
        QTest::addColumn<double>("amplitude");
        QTest::newRow("Jupiter Trojans example")
            << QByteArray("jupiter-trojans") << 100.0 << 58.33 << 30.0;
        QTest::newRow("a fifth, all at L5, 10 degrees")
            << QByteArray("main-belt") << 20.0 << 0.0 << 10.0;
        QTest::newRow("a tenth at L4, 40 degrees")
            << QByteArray("kuiper-belt") << 10.0 << 100.0 << 40.0;
    }
    void trojansGatherAtL4AndL5()
    {
        QFETCH(QByteArray, name);
        QFETCH(double, share);
        QFETCH(double, l4Share);
        QFETCH(double, amplitude);
        Settings s = example(name);
        s.populations.resize(1);
        s.populations[0].kind = Population::Kind::Background, s.populations[0].share = 100;
        s.populations[0].trojanL4Share = l4Share, s.populations[0].librationAmplitude = amplitude;
        s.populations[0].trojanShape = Population::TrojanShape::Ellipse;
        s.populations[0].amplitudeDistribution = Population::AmplitudeDistribution::Even;
        splitOlderShares(s, share, 0);
        double const ap = s.planetSemiMajorAxis;
        double const mu = planetMassInSolarMasses(s) / s.centralMass;
        double const tadpole = std::sqrt(8 * mu / 3) * ap;
        int trojans = 0, atL4 = 0, within30 = 0, beyondAmplitude = 0, outsideTadpole = 0;
        for (Orbit const &orbit : orbits(s)) {
            // The belts here lie well away from the planet's orbit.
            if (std::fabs(orbit.semiMajorAxis - ap) > 0.1 * ap)
                continue;
            ++trojans;
            outsideTadpole += std::fabs(orbit.semiMajorAxis - ap) > tadpole;
            double const lambda = orbit.ascendingNode + orbit.argOfPericenter + orbit.meanAnomaly;
            double const fromL4 = angleBetween(lambda, s.planetLongitude + 60);
            double const fromL5 = angleBetween(lambda, s.planetLongitude - 60);
            atL4 += fromL4 < fromL5;
            within30 += std::min(fromL4, fromL5) <= 30;
            beyondAmplitude += std::min(fromL4, fromL5) > amplitude + 1e-9;
        }
        QVERIFY2(std::fabs(trojans - share * 1000) < 1000, qPrintable(QString::number(trojans)));
        if (amplitude <= 30)
            QVERIFY2(within30 >= 0.9 * trojans, qPrintable(QString::number(within30)));
        QCOMPARE(beyondAmplitude, 0);
        QCOMPARE(outsideTadpole, 0);
        double const l4Percent = 100.0 * atL4 / trojans;
        QVERIFY2(std::fabs(l4Percent - l4Share) < 1.5, qPrintable(QString::number(l4Percent)));
    }

    // A resonant population's angle phi = p l_p - q l - k w (inside) or
    // p l - q l_p - k w (outside), read back from the catalogue's elements,
    // lies within its amplitude of the published centre; the amplitude read
    // back from phi and a on the pendulum's curve, cos A = cos phi' -
    // 2 ((a - a_res) / w(e))^2, follows its distribution; a stays within
    // w(e) of a_res, the libration width at the body's own e.
    void resonantAnglesLibrate_data()
    {
        using Side = Population::ResonanceSide;
        QTest::addColumn<ResonantRow>("row");
        QTest::addColumn<double>("centre"); // degrees, published
        QTest::newRow("Hildas: inner 3:2 about 0, even to 40")
            << ResonantRow{"3:2", Side::Inside, 40, 0, 0.1, 0.3} << 0.0;
        QTest::newRow("inner 2:1 about 0, Rayleigh 15 to 60")
            << ResonantRow{"2:1", Side::Inside, 60, 15, 0.05, 0.3} << 0.0;
        QTest::newRow("inner 3:1, second order, about 180")
            << ResonantRow{"3:1", Side::Inside, 30, 10, 0.1, 0.3} << 180.0;
        QTest::newRow("inner 7:4, third order, about 0")
            << ResonantRow{"7:4", Side::Inside, 50, 0, 0.1, 0.2} << 0.0;
        QTest::newRow("Plutinos: outer 3:2 about 180, Rayleigh 50 to 130")
            << ResonantRow{"3:2", Side::Outside, 130, 50, 0.1, 0.3} << 180.0;
        QTest::newRow("outer 5:2 about 180") << ResonantRow{"5:2", Side::Outside, 90, 0, 0.2, 0.4}
                                             << 180.0;
        QTest::newRow("outer 2:1: islands at 80 and 280")
            << ResonantRow{"2:1", Side::Outside, 60, 20, 0.1, 0.3} << 80.0;
    }
    void resonantAnglesLibrate()
    {
        QFETCH(ResonantRow, row);
        QFETCH(double, centre);
        Settings s = example("main-belt");
        s.populations.resize(1);
        s.populations[0].share = 80;
        Population resonant = s.populations[0];
        resonant.kind = Population::Kind::Resonant, resonant.share = 20;
        resonant.resonance = row.resonance, resonant.resonanceSide = row.side;
        resonant.librationAmplitude = row.largest, resonant.amplitudeMode = row.mode;
        resonant.amplitudeDistribution = row.mode > 0
                                             ? Population::AmplitudeDistribution::Rayleigh
                                             : Population::AmplitudeDistribution::Even;
        resonant.eccentricityDistribution = Population::SpreadDistribution::Bell;
        resonant.minEccentricity = row.minE, resonant.maxEccentricity = row.maxE;
        s.populations.push_back(resonant);
        bool const outside = row.side == Population::ResonanceSide::Outside;
        if (outside)
            s.planetSemiMajorAxis = 30.07, s.planetMass = 17.15,
            s.planetMassUnit = Settings::PlanetMassUnit::EarthMasses;
        auto const resonance = *parseResonance(row.resonance);
        int const p = resonance.p, q = resonance.q, k = p - q;
        double const ap = s.planetSemiMajorAxis, lp = s.planetLongitude;
        double const mu = planetMassInSolarMasses(s) / s.centralMass;
        double const ratio = outside ? double(p) / q : double(q) / p;
        double const ares = ap * std::pow(ratio, 2.0 / 3);
        double const strength = resonance.strength(outside);

        auto const list = orbits(s);
        int bodies = 0, within = 0, halfway = 0, beyondWidth = 0, beyondAmplitude = 0;
        std::vector<int> below(3, 0), branches(std::size_t(outside ? p : q), 0);
        double reached = 0;
        for (std::size_t i = std::size_t(0.8 * list.size()); i < list.size(); ++i) {
            Orbit const &o = list[i];
            ++bodies;
            double const varpi = o.ascendingNode + o.argOfPericenter;
            double const lambda = varpi + o.meanAnomaly;
            double const phi = outside ? p * lambda - q * lp - k * varpi
                                       : p * lp - q * lambda - k * varpi;
            double const near = outside && p == 2 && angleBetween(phi, 360 - centre) <
                                                         angleBetween(phi, centre)
                                    ? 360 - centre
                                    : centre;
            double const offset = angleBetween(phi, near);
            // Which of the n longitudes of this phi the body takes: each
            // an n-th of the bodies (the Hildas' three corners come of them).
            double turned = std::fmod(phi - near, 360.0);
            turned += turned > 180 ? -360 : turned <= -180 ? 360 : 0;
            double const reduced = near + turned;
            double const base = outside ? (reduced + q * lp + k * varpi) / p
                                        : (p * lp - k * varpi - reduced) / q;
            int const n = outside ? p : q;
            long const turn = std::lround((lambda - base) * n / 360);
            ++branches[std::size_t(((turn % n) + n) % n)];
            double const w =
                ares * std::sqrt(16.0 / 3 * mu * strength * std::pow(o.eccentricity, k));
            double const da = o.semiMajorAxis - ares;
            beyondWidth += std::fabs(da) > w * (1 + 1e-9);
            reached = std::max(reached, std::fabs(da) / w);
            within += offset <= row.largest + 1e-6;
            halfway += offset <= row.largest / 2;
            double const cosA = std::cos(offset * M_PI / 180) - 2 * (da / w) * (da / w);
            double const amplitude = std::acos(std::max(-1.0, cosA)) * 180 / M_PI;
            beyondAmplitude += amplitude > row.largest + 1e-3;
            for (int n = 0; n < 3; ++n)
                below[n] += amplitude <= row.largest * (n + 1) / 4;
        }
        for (int count : branches)
            QVERIFY2(std::fabs(double(count) * branches.size() / bodies - 1) < 0.05,
                     qPrintable(QString("%1 of %2 on one branch").arg(count).arg(bodies)));
        QCOMPARE(within, bodies);
        QCOMPARE(beyondWidth, 0);
        QCOMPARE(beyondAmplitude, 0);
        // The widest reach, at phi' = 0, is sin(A / 2) of the width; a
        // Rayleigh tail reaches 3 modes in a few bodies only.
        double const reach = std::sin(row.largest / 2 * M_PI / 180);
        double const some = row.mode > 0 ? std::min(row.largest, 3 * row.mode) : row.largest;
        QVERIFY2(reached > 0.95 * std::sin(some / 2 * M_PI / 180) && reached < reach + 1e-9,
                 qPrintable(QString("%1 of the width, %2 at most").arg(reached).arg(reach)));
        double const expectedHalf = angleWithin(row.largest / 2, row.largest, row.mode);
        QVERIFY2(std::fabs(double(halfway) / bodies - expectedHalf) < 0.01,
                 qPrintable(QString("%1 within half, %2 expected")
                                .arg(double(halfway) / bodies)
                                .arg(expectedHalf)));
        for (int n = 0; n < 3; ++n) {
            double const expected = amplitudeBelow(row.largest * (n + 1) / 4, row.largest, row.mode);
            QVERIFY2(std::fabs(double(below[n]) / bodies - expected) < 0.01,
                     qPrintable(QString("amplitudes below %1/4: %2, %3 expected")
                                    .arg(n + 1)
                                    .arg(double(below[n]) / bodies)
                                    .arg(expected)));
        }
    }

    // A Trojan's amplitude read back from its angle theta from the planet
    // and its a: on the small tadpole's ellipse A = |(|theta| - 60,
    // (a - a_p) / (a_p sqrt(3 mu)) in degrees)|; on the tadpole's curve
    // A = 60 - theta_near, g(theta_near) = g(|theta|) - (a - a_p)^2 / (a_p^2
    // 8 mu / 3). The amplitudes follow their distribution, and the tadpoles
    // reach farther from the planet than towards it.
    void trojanAmplitudes_data()
    {
        QTest::addColumn<bool>("tadpole");
        QTest::addColumn<double>("largest");
        QTest::addColumn<double>("mode"); // 0: even
        QTest::newRow("ellipse, even to 30") << false << 30.0 << 0.0;
        QTest::newRow("ellipse, Rayleigh 12 to 40") << false << 40.0 << 12.0;
        QTest::newRow("tadpole, even to 30") << true << 30.0 << 0.0;
        QTest::newRow("tadpole, Rayleigh 10 to 35") << true << 35.0 << 10.0;
    }
    void trojanAmplitudes()
    {
        QFETCH(bool, tadpole);
        QFETCH(double, largest);
        QFETCH(double, mode);
        Settings s = example("main-belt");
        s.populations.resize(1);
        s.populations[0].share = 80;
        Population trojans = s.populations[0];
        trojans.kind = Population::Kind::Trojans, trojans.share = 20;
        trojans.trojanShape =
            tadpole ? Population::TrojanShape::Tadpole : Population::TrojanShape::Ellipse;
        trojans.librationAmplitude = largest;
        trojans.amplitudeMode = mode;
        trojans.amplitudeDistribution = mode > 0 ? Population::AmplitudeDistribution::Rayleigh
                                                 : Population::AmplitudeDistribution::Even;
        s.populations.push_back(trojans);
        double const ap = s.planetSemiMajorAxis;
        double const mu = planetMassInSolarMasses(s) / s.centralMass;
        auto const list = orbits(s);
        int bodies = 0, beyond = 0;
        double farther = 0, nearer = 0;
        std::vector<int> below(3, 0);
        for (std::size_t i = std::size_t(0.8 * list.size()); i < list.size(); ++i) {
            Orbit const &o = list[i];
            ++bodies;
            double const lambda = o.ascendingNode + o.argOfPericenter + o.meanAnomaly;
            double theta = std::fmod(lambda - s.planetLongitude, 360.0);
            theta += theta > 180 ? -360 : theta <= -180 ? 360 : 0;
            theta = std::fabs(theta);
            double const da = (o.semiMajorAxis - ap) / ap;
            double const amplitude =
                tadpole ? 60 - tadpoleNearEnd(tadpoleG(theta) - da * da / (8 * mu / 3))
                        : std::hypot(theta - 60, da / std::sqrt(3 * mu) * 180 / M_PI);
            beyond += amplitude > largest + 1e-6;
            farther = std::max(farther, theta - 60);
            nearer = std::max(nearer, 60 - theta);
            for (int n = 0; n < 3; ++n)
                below[n] += amplitude <= largest * (n + 1) / 4;
        }
        QCOMPARE(beyond, 0);
        for (int n = 0; n < 3; ++n) {
            double const expected = amplitudeBelow(largest * (n + 1) / 4, largest, mode);
            QVERIFY2(std::fabs(double(below[n]) / bodies - expected) < 0.01,
                     qPrintable(QString("amplitudes below %1/4: %2, %3 expected")
                                    .arg(n + 1)
                                    .arg(double(below[n]) / bodies)
                                    .arg(expected)));
        }
        // The ellipse is even about L4 and L5; the tadpole of 30 degrees
        // reaches from 30 to about 119 degrees from the planet.
        double const ratio = farther / nearer;
        if (tadpole)
            QVERIFY2(ratio > 1.5, qPrintable(QString::number(ratio)));
        else
            QVERIFY2(std::fabs(ratio - 1) < 0.05, qPrintable(QString::number(ratio)));
    }

    // The 3:1 gap of a belt between 2.1 and 3.3 AU, its eccentricities a bell
    // to 0.3: its half-width among the bodies of low and of high e (the
    // nearest body's distance from a_res) against the pendulum's width
    // w(e) = a_res sqrt(16/3 mu S e^2): at each body's own e it grows with e,
    // at the resonance eccentricity it does not. A gap that keeps a share d
    // holds d times the density a belt without gaps has there.
    void gapsFollowEccentricity_data()
    {
        QTest::addColumn<bool>("own");
        QTest::addColumn<double>("depth"); // percent
        QTest::newRow("own widths, empty") << true << 0.0;
        QTest::newRow("own widths, a fifth kept") << true << 20.0;
        QTest::newRow("fixed width, a tenth kept") << false << 10.0;
    }
    void gapsFollowEccentricity()
    {
        QFETCH(bool, own);
        QFETCH(double, depth);
        Settings s = example("main-belt");
        s.populations.resize(1);
        s.populations[0].share = 100;
        newUsersBelt(true)(s);
        s.populations[0].eccentricityDistribution = Population::SpreadDistribution::Bell;
        s.populations[0].minEccentricity = 0;
        s.gapResonances = "3:1 5:2", s.clearedOrbit = false;
        s.gapWidth = own ? Settings::GapWidth::Own : Settings::GapWidth::Fixed;
        s.gapDepth = depth;
        double const mu = planetMassInSolarMasses(s) / s.centralMass;
        double const ares = s.planetSemiMajorAxis * std::pow(1.0 / 3, 2.0 / 3);
        auto const width = [&](double e) {
            return ares * std::sqrt(16.0 / 3 * mu * 0.287852 * e * e);
        };
        auto const gapOf = [&](double e) { return width(own ? e : s.resonanceEccentricity); };
        auto const inside = [&](std::vector<Orbit> const &list) {
            int n = 0;
            for (Orbit const &o : list)
                n += std::fabs(o.semiMajorAxis - ares) < gapOf(o.eccentricity) * (1 - 1e-9);
            return n;
        };
        auto const list = orbits(s);
        struct Bin {
            double lo, hi, nearest = 1;
        } bins[] = {{0.02, 0.06}, {0.25, 0.3}};
        for (Orbit const &o : list) {
            for (Bin &bin : bins) {
                if (o.eccentricity >= bin.lo && o.eccentricity < bin.hi &&
                    std::fabs(o.semiMajorAxis - ares) >= gapOf(o.eccentricity) * (1 - 1e-9))
                    bin.nearest = std::min(bin.nearest, std::fabs(o.semiMajorAxis - ares));
            }
        }
        for (Bin const &bin : bins) {
            QString const where = QString("e %1 to %2: half-width %3, model %4 to %5")
                                      .arg(bin.lo)
                                      .arg(bin.hi)
                                      .arg(bin.nearest)
                                      .arg(gapOf(bin.lo))
                                      .arg(gapOf(bin.hi));
            QVERIFY2(bin.nearest >= gapOf(bin.lo) * (1 - 1e-9) &&
                         bin.nearest < gapOf(bin.hi) + 0.003,
                     qPrintable(where));
        }
        // Relative to a band clear of both gaps, since the bodies a gap gives
        // up are drawn again everywhere else.
        int const kept = inside(list), band = countWithin(list, 2.6, 2.7);
        s.resonanceGaps = false;
        auto const without = orbits(s);
        int const open = inside(without), openBand = countWithin(without, 2.6, 2.7);
        double const share = double(kept) / open / (double(band) / openBand);
        QVERIFY2(std::fabs(share - depth / 100) < 0.015 + 0.1 * depth / 100,
                 qPrintable(QString("%1 of %2 kept").arg(kept).arg(open)));
    }

    // A family's share lies within its resonance's width, centred on the
    // published position.
    void familySitsAtItsResonance_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<double>("inner"), QTest::addColumn<double>("outer"); // AU
        QTest::addColumn<double>("center");   // AU, published
        QTest::addColumn<double>("expected"); // percent
        QTest::newRow("Hildas in Jupiter's 3:2")
            << QByteArray("hildas") << 3.7 << 4.2 << 3.97 << 100.0;
        QTest::newRow("Plutinos in Neptune's 3:2")
            << QByteArray("kuiper-belt") << 42.0 << 48.0 << 39.4 << 25.0;
    }
    void familySitsAtItsResonance()
    {
        QFETCH(QByteArray, name);
        QFETCH(double, inner);
        QFETCH(double, outer);
        QFETCH(double, center);
        QFETCH(double, expected);
        Settings s = example(name);
        s.populations.resize(1);
        Population &p = s.populations[0];
        p.kind = Population::Kind::Background, p.share = 100, p.familyResonance = "3:2";
        p.innerRadius = inner, p.outerRadius = outer;
        s.resonanceEccentricity = 0.25;
        splitOlderShares(s, 0, expected);
        double const mu = planetMassInSolarMasses(s) / s.centralMass;
        double const width =
            center * std::sqrt(16.0 / 3 * mu * s.resonanceEccentricity *
                               (center < s.planetSemiMajorAxis ? 1.545525 : 2.48397));
        auto const list = orbits(s);
        double const found = 100.0 *
                             countWithin(list, center - width - 0.02, center + width + 0.02) /
                             double(list.size());
        QVERIFY2(std::fabs(found - expected) < 0.5, qPrintable(QString::number(found)));
        // Nothing of the family lies beyond its resonance's width.
        QCOMPARE(countWithin(list, center + width + 0.02, center + 2 * width) +
                     countWithin(list, center - 2 * width, center - width - 0.02),
                 0);
    }

    // A collisional family's spread in a, e and i is that of Gauss's
    // equations for normal kicks of its velocity scale, each worked out here
    // on its own: sigma(da / a) = 2 s / eta |(1 + e cos f, e sin f)|,
    // sigma(de) = eta s |((e + 2 cos f + e cos^2 f) / (1 + e cos f), sin f)|,
    // sigma(di) = eta s |cos(omega + f)| / (1 + e cos f), s = V / (n a).
    void familySpreadsByGauss_data()
    {
        QTest::addColumn<QList<double>>("parent"); // a, e, i, V, f, omega + f
        QTest::newRow("f 90, omega + f 45") << QList<double>{2.87, 0.1, 10, 20, 90, 45};
        QTest::newRow("f 30, omega + f 120, eccentric")
            << QList<double>{3.1, 0.25, 15, 60, 30, 120};
        QTest::newRow("f 200, omega + f 10, far out") << QList<double>{43, 0.15, 20, 30, 200, 10};
    }
    void familySpreadsByGauss()
    {
        QFETCH(QList<double>, parent);
        double const a0 = parent[0], e0 = parent[1], i0 = parent[2];
        double const f = parent[4] * M_PI / 180, latitude = parent[5] * M_PI / 180;
        Settings s = example("main-belt");
        s.populations.resize(1);
        Population &p = s.populations[0];
        p.kind = Population::Kind::CollisionalFamily, p.share = 100;
        p.parentSemiMajorAxis = a0, p.parentEccentricity = e0, p.parentInclination = i0;
        p.ejectionVelocity = parent[3], p.breakupAnomaly = parent[4], p.breakupLatitude = parent[5];
        QVERIFY(checkSettings(s).empty());
        // n a in m/s around one solar mass.
        double const speed = 0.01720209895 * std::sqrt(s.centralMass / a0) * 149597870700.0 / 86400;
        double const v = parent[3] / speed, eta = std::sqrt(1 - e0 * e0), c = std::cos(f);
        // The factors of dv_T and dv_R in da / a and in de.
        double const axis[2] = {2 * v / eta * (1 + e0 * c), 2 * v / eta * e0 * std::sin(f)};
        double const ecc[2] = {eta * v * (e0 + 2 * c + e0 * c * c) / (1 + e0 * c),
                               eta * v * std::sin(f)};
        double const expected[3] = {
            std::hypot(axis[0], axis[1]), std::hypot(ecc[0], ecc[1]),
            eta * v * std::fabs(std::cos(latitude)) / (1 + e0 * c) * 180 / M_PI};
        double sum[3] = {}, squares[3] = {}, product = 0;
        auto const list = orbits(s);
        for (Orbit const &o : list) {
            double const d[3] = {(o.semiMajorAxis - a0) / a0, o.eccentricity - e0,
                                 o.inclination - i0};
            for (int k = 0; k < 3; ++k)
                sum[k] += d[k], squares[k] += d[k] * d[k];
            product += d[0] * d[1];
        }
        double const n = double(list.size());
        // da and de share dv_T and dv_R: their correlation tells the
        // components apart, which the spreads alone do not.
        double const correlation =
            (product / n - sum[0] / n * sum[1] / n) /
            std::sqrt((squares[0] / n - sum[0] * sum[0] / (n * n)) *
                      (squares[1] / n - sum[1] * sum[1] / (n * n)));
        double const expectedCorrelation =
            (axis[0] * ecc[0] + axis[1] * ecc[1]) / (expected[0] * expected[1]);
        QVERIFY2(std::fabs(correlation - expectedCorrelation) < 0.02,
                 qPrintable(QString("correlation %1, expected %2")
                                .arg(correlation)
                                .arg(expectedCorrelation)));
        for (int k = 0; k < 3; ++k) {
            double const mean = sum[k] / n;
            double const sigma = std::sqrt(squares[k] / n - mean * mean);
            // The standard deviation of 100,000 draws errs by 0.2 %; the mean
            // lies within 4 standard errors of 0.
            QVERIFY2(std::fabs(sigma / expected[k] - 1) < 0.015 &&
                         std::fabs(mean) < 4 * expected[k] / std::sqrt(n),
                     qPrintable(QString("element %1: spread %2, mean %3, expected %4")
                                    .arg(k).arg(sigma).arg(mean).arg(expected[k])));
        }
    }

    // A scattered disc's perihelia are even over their range, its semi-major
    // axes within theirs, and e = 1 - q / a.
    void scatteredDiscPerihelia()
    {
        Settings s = example("kuiper-belt");
        s.populations.resize(1);
        Population &p = s.populations[0];
        p.kind = Population::Kind::ScatteredDisc, p.share = 100;
        p.innerRadius = 50, p.outerRadius = 500, p.surfaceDensitySlope = 2.5;
        p.minPerihelion = 30, p.maxPerihelion = 40;
        QVERIFY(checkSettings(s).empty());
        auto const list = orbits(s);
        std::vector<int> tenths(10, 0);
        for (Orbit const &o : list) {
            double const q = o.semiMajorAxis * (1 - o.eccentricity);
            QVERIFY(o.semiMajorAxis >= 50 && o.semiMajorAxis <= 500);
            QVERIFY2(q >= 30 - 1e-9 && q < 40 + 1e-9, qPrintable(QString::number(q)));
            ++tenths[std::min(9, int(q - 30))];
        }
        for (int count : tenths)
            QVERIFY2(std::abs(count - int(list.size()) / 10) < 600, qPrintable(QString::number(count)));
    }
};

QTEST_APPLESS_MAIN(PlanetTest)
#include "tst_planet.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleSettings.h"
#include "Generator.h"

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
    Generator generator(s, seed);
    std::atomic<int> progress{0};
    generator.generate(progress);
    std::vector<Orbit> list;
    for (auto const &body : generator.bodies())
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

} // namespace

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
        QTest::newRow("main belt example") << Change([](Settings &) {}) << true;
        QTest::newRow("bell between 2.1 and 3.3 AU") << newUsersBelt(true) << true;
        QTest::newRow("no gaps: zones as full as their flanks") << newUsersBelt(false) << false;
    }
    void gapsAreEmptied()
    {
        QFETCH(Change, change);
        QFETCH(bool, gaps);
        Settings s = example("main-belt");
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

    // A family's share lies within its resonance's width, centred on the
    // published position.
    void familySitsAtItsResonance_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<double>("center");   // AU, published
        QTest::addColumn<double>("expected"); // percent
        QTest::newRow("Hildas in Jupiter's 3:2") << QByteArray("hildas") << 3.97 << 100.0;
        QTest::newRow("Plutinos in Neptune's 3:2") << QByteArray("kuiper-belt") << 39.4 << 25.0;
    }
    void familySitsAtItsResonance()
    {
        QFETCH(QByteArray, name);
        QFETCH(double, center);
        QFETCH(double, expected);
        Settings const s = example(name);
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
};

QTEST_APPLESS_MAIN(PlanetTest)
#include "tst_planet.moc"

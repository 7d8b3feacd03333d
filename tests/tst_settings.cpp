// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleSettings.h"
#include "Generator.h"
#include "PlanetZones.h"
#include "Presets.h"
#include "Settings.h"
#include "SettingsCheck.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace {

bool sameRecord(Settings const &a, Settings const &b)
{
    return a.objectType == b.objectType && a.beltName == b.beltName &&
           a.beltCenter == b.beltCenter && a.barycenter == b.barycenter &&
           a.totalMass == b.totalMass && a.number == b.number && a.innerRadius == b.innerRadius &&
           a.outerRadius == b.outerRadius && a.maxRadius == b.maxRadius &&
           a.minRadius == b.minRadius && a.maxEccentricity == b.maxEccentricity &&
           a.minEccentricity == b.minEccentricity && a.maxInclination == b.maxInclination &&
           a.referencePlane == b.referencePlane && a.epoch == b.epoch;
}

QList<SettingsProblem::Field> fieldsOf(Settings const &settings)
{
    QList<SettingsProblem::Field> fields;
    for (auto const &problem : checkSettings(settings))
        fields << problem.field;
    return fields;
}

} // namespace

Q_DECLARE_METATYPE(SettingsProblem)

bool operator==(SettingsProblem const &a, SettingsProblem const &b)
{
    return a.field == b.field && a.kind == b.kind;
}
using Change = std::function<void(Settings &)>;
Q_DECLARE_METATYPE(Change)

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void defaults()
    {
        Settings const s;
        QCOMPARE(s.objectType, BaseAsteroid::Asteroid);
        QVERIFY(s.beltName.empty() && s.beltCenter.empty());
        QVERIFY(!s.barycenter);
        QCOMPARE(s.number, 0u);
        QCOMPARE(s.referencePlane, Orbit::Ecliptic);
        QCOMPARE(s.epoch, 2457395.5);
        for (double v : {s.totalMass, s.innerRadius, s.outerRadius, s.maxRadius, s.minRadius,
                         s.maxEccentricity, s.minEccentricity, s.maxInclination})
            QCOMPARE(v, 0.0);
    }

    void presetValues()
    {
        Settings const v(Settings::Vulcanoids);
        QCOMPARE(v.beltName, std::string("VS"));
        QCOMPARE(v.beltCenter, std::string("Sol"));
        QCOMPARE(v.number, 200u);
        QCOMPARE(v.innerRadius, 0.15);
        QCOMPARE(v.outerRadius, 0.18);
        QCOMPARE(v.maxRadius, 3.0);
        QCOMPARE(v.maxEccentricity, 0.001);
        QCOMPARE(v.maxInclination, 10.0);

        Settings const o(Settings::OortCloud);
        QCOMPARE(o.beltName, std::string("OS"));
        QCOMPARE(o.number, 2000u);
        QCOMPARE(o.innerRadius, 5000.0);
        QCOMPARE(o.outerRadius, 50000.0);
        QCOMPARE(o.maxRadius, 500.0);
        QCOMPARE(o.maxEccentricity, 0.3);
        QCOMPARE(o.maxInclination, 180.0);

        Settings const t(Settings::TolimanAComets);
        QCOMPARE(t.objectType, BaseAsteroid::Comet);
        QCOMPARE(t.beltName, std::string("TC"));
        QCOMPARE(t.beltCenter, std::string("Toliman A"));
        QCOMPARE(t.number, 500u);
        QCOMPARE(t.outerRadius, 5.0);
        QCOMPARE(t.maxRadius, 25.0);
        QCOMPARE(t.maxEccentricity, 0.5);

        Settings const e(Settings::EarthMoonBelt);
        QCOMPARE(e.beltName, std::string("ES"));
        QCOMPARE(e.beltCenter, std::string("Earth-Moon"));
        QVERIFY(e.barycenter);
        QCOMPARE(e.totalMass, 3.0401062188929665e-06);
        // Earth and Moon: 1.0123 Earth masses, to the last bit or one off.
        QVERIFY(std::fabs(e.totalMass - 1.0123 * solMassOfEarth) <= 1e-21);
        QCOMPARE(e.number, 250u);
        QCOMPARE(e.innerRadius, 0.01);
        QCOMPARE(e.outerRadius, 0.02);
        QCOMPARE(e.maxInclination, 5.0);

        for (auto const &info : presetTable) {
            Settings const s(info.preset);
            QCOMPARE(s.minEccentricity, 0.0);
            QCOMPARE(s.minRadius, 0.1);
            QCOMPARE(s.referencePlane, Orbit::Ecliptic);
            QCOMPARE(s.epoch, 2457395.5);
            QCOMPARE(s.barycenter, info.preset == Settings::EarthMoonBelt);
            QCOMPARE(s.objectType == BaseAsteroid::Comet, info.preset == Settings::TolimanAComets);
            QVERIFY(checkSettings(s).empty());
        }
    }

    void unknownPresetIsTheDefaultRecord()
    {
        QVERIFY(sameRecord(Settings(static_cast<Settings::Preset>(4)), Settings()));
        QVERIFY(sameRecord(Settings(static_cast<Settings::Preset>(-1)), Settings()));
        QVERIFY(!sameRecord(Settings(Settings::Vulcanoids), Settings()));
    }

    void copyOwnsItsStrings()
    {
        auto original = std::make_unique<Settings>(Settings::TolimanAComets);
        Settings const copy = *original;
        original.reset();
        QCOMPARE(copy.beltCenter, std::string("Toliman A"));
    }

    void findsPresetsByEitherName()
    {
        QCOMPARE(findPreset("Oort Cloud"), std::optional(Settings::OortCloud));
        QCOMPARE(findPreset("oort cloud"), std::optional(Settings::OortCloud));
        QCOMPARE(findPreset("TOLIMAN-A-COMETS"), std::optional(Settings::TolimanAComets));
        QCOMPARE(findPreset("ebelt-em"), std::optional(Settings::EarthMoonBelt));
        QCOMPARE(findPreset("eBelt-EM"), std::optional(Settings::EarthMoonBelt));
        QVERIFY(!findPreset("Vulcanoid"));
        QVERIFY(!findPreset(""));
    }

    void checkRefusesUnreadableCatalogues()
    {
        Settings s(Settings::EarthMoonBelt);
        QVERIFY(fieldsOf(s).isEmpty());

        for (double mass : {0.0, -1.0, std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()}) {
            s.totalMass = mass;
            QCOMPARE(fieldsOf(s), QList{SettingsProblem::TotalMass});
        }
        s.barycenter = false; // the mass is not read then
        QVERIFY(fieldsOf(s).isEmpty());

        for (char const *name : {"a\"b", "line\nbreak", "tab\there", "cr\r", "\x7f", "\x01"}) {
            Settings named(Settings::Vulcanoids);
            named.beltName = name;
            named.beltCenter = name;
            QCOMPARE(fieldsOf(named),
                     (QList{SettingsProblem::BeltName, SettingsProblem::BeltCenter}));
        }
        Settings unicode(Settings::Vulcanoids);
        unicode.beltName = "Kuiper \xE2\x8A\x95 \xC3\xA4";
        unicode.beltCenter = "/ \xC3\xA4";
        QVERIFY(fieldsOf(unicode).isEmpty());

        Settings bounds(Settings::Vulcanoids);
        bounds.outerRadius = std::numeric_limits<double>::infinity();
        bounds.maxInclination = std::numeric_limits<double>::quiet_NaN();
        bounds.epoch = -std::numeric_limits<double>::infinity();
        QCOMPARE(fieldsOf(bounds),
                 (QList{SettingsProblem::OuterRadius, SettingsProblem::MaxInclination,
                        SettingsProblem::Epoch}));

        // Bounds in the wrong order are the generator's business, not a problem.
        Settings reversed(Settings::Vulcanoids);
        std::swap(reversed.innerRadius, reversed.outerRadius);
        std::swap(reversed.minRadius, reversed.maxRadius);
        QVERIFY(fieldsOf(reversed).isEmpty());
    }

    void problemsNameFieldAndKind_data()
    {
        using P = SettingsProblem;
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("center");
        QTest::addColumn<QList<P>>("expected");
        QTest::newRow("backslash in name") << "V\\S"
                                           << "Sol" << QList<P>{{P::BeltName, P::Backslash}};
        QTest::newRow("backslash in center") << "VS"
                                             << "Sol\\" << QList<P>{{P::BeltCenter, P::Backslash}};
        QTest::newRow("empty center") << "VS"
                                      << "" << QList<P>{{P::BeltCenter, P::EmptyCenter}};
        QTest::newRow("center of spaces") << "VS"
                                          << "   " << QList<P>{{P::BeltCenter, P::EmptyCenter}};
        QTest::newRow("empty name") << ""
                                    << "Sol" << QList<P>{};
        QTest::newRow("every kind, in order") << "\t\\\""
                                              << "\\\n"
                                              << QList<P>{{P::BeltName, P::DoubleQuote},
                                                          {P::BeltName, P::Backslash},
                                                          {P::BeltName, P::ControlCharacter},
                                                          {P::BeltCenter, P::Backslash},
                                                          {P::BeltCenter, P::ControlCharacter}};
    }
    void problemsNameFieldAndKind()
    {
        QFETCH(QString, name);
        QFETCH(QString, center);
        QFETCH(QList<SettingsProblem>, expected);
        Settings s(Settings::Vulcanoids);
        s.beltName = name.toStdString();
        s.beltCenter = center.toStdString();
        auto const problems = checkSettings(s);
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);

        // The mass comes after the names, the bounds after the mass.
        s.barycenter = true;
        s.totalMass = 0;
        s.epoch = std::numeric_limits<double>::quiet_NaN();
        auto const more = checkSettings(s);
        QCOMPARE(int(more.size()), expected.size() + 2);
        QCOMPARE(more[std::size_t(expected.size())].kind, SettingsProblem::NoPositiveMass);
        QCOMPARE(more.back().field, SettingsProblem::Epoch);
        QCOMPARE(more.back().kind, SettingsProblem::NotFinite);
    }

    // Bounds the fields allow whose bodies would still get an infinite period
    // or mass, judged by the largest values; and their neighbours that pass.
    void infiniteNumbersAreProblems_data()
    {
        using P = SettingsProblem;
        QTest::addColumn<bool>("barycenter");
        QTest::addColumn<double>("totalMass");
        QTest::addColumn<double>("inner");
        QTest::addColumn<double>("outer");
        QTest::addColumn<double>("maxRadius");
        QTest::addColumn<QList<P>>("expected");
        double const tiny = std::numeric_limits<double>::denorm_min();
        QTest::newRow("widest belt, tiniest mass")
            << true << 1e-300 << 1e21 << 1e21 << 3.0 << QList<P>{{P::TotalMass, P::PeriodOverflow}};
        QTest::newRow("inner bound above the outer decides")
            << true << 1e-300 << 1e21 << 0.0 << 3.0 << QList<P>{{P::TotalMass, P::PeriodOverflow}};
        QTest::newRow("no barycenter, no period")
            << false << 1e-300 << 1e21 << 1e21 << 3.0 << QList<P>{};
        QTest::newRow("a period just within")
            << true << 1e-245 << 1e21 << 1e21 << 3.0 << QList<P>{};
        QTest::newRow("subnormal belt around a subnormal mass")
            << true << tiny << tiny << tiny << 3.0 << QList<P>{};
        QTest::newRow("largest bodies the fields allow")
            << false << 1.0 << 1.0 << 1.0 << 1e21 << QList<P>{};
        QTest::newRow("bodies beyond the fields")
            << false << 1.0 << 1.0 << 1.0 << 1e103 << QList<P>{{P::MaxRadius, P::MassOverflow}};
    }
    void infiniteNumbersAreProblems()
    {
        QFETCH(bool, barycenter);
        QFETCH(double, totalMass);
        QFETCH(double, inner);
        QFETCH(double, outer);
        QFETCH(double, maxRadius);
        QFETCH(QList<SettingsProblem>, expected);
        Settings s(Settings::Vulcanoids);
        s.barycenter = barycenter;
        s.totalMass = totalMass;
        s.innerRadius = inner;
        s.outerRadius = outer;
        s.maxRadius = maxRadius;
        s.number = 2000;
        auto const problems = checkSettings(s);
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);
        // What passes the check gives finite numbers to every body.
        if (problems.empty()) {
            Generator generator(s, 7);
            std::atomic<int> progress{0};
            generator.generate(progress);
            for (auto const &body : generator.bodies()) {
                QVERIFY(std::isfinite(body->mass));
                QVERIFY(!std::isinf(body->orbit.period));
            }
        }
    }

    // A distribution's parameter is checked only with it chosen; what passes
    // gives finite values within the bounds.
    void distributionParameters_data()
    {
        using P = SettingsProblem;
        using S = Settings;
        QTest::addColumn<Change>("change");
        QTest::addColumn<QList<P>>("expected");
        auto const powerLaw = [](S &s) { s.radiusDistribution = S::RadiusDistribution::PowerLaw; };
        auto const disc = [](S &s) {
            s.semiMajorAxisDistribution = S::SemiMajorAxisDistribution::SurfaceDensity;
        };
        auto const rayleigh = [](S &s) {
            s.eccentricityDistribution = S::SpreadDistribution::Rayleigh;
            s.inclinationDistribution = S::SpreadDistribution::Rayleigh;
        };
        double const nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("slope 0 with the bell") << Change([](S &s) { s.radiusSlope = 0; })
                                               << QList<P>{};
        QTest::newRow("slope 0") << Change([=](S &s) { powerLaw(s), s.radiusSlope = 0; })
                                 << QList<P>{{P::RadiusSlope, P::NotPositive}};
        QTest::newRow("smallest radius 0")
            << Change([=](S &s) { powerLaw(s), s.minRadius = 0; })
            << QList<P>{{P::MinRadius, P::ZeroLowerBound}};
        QTest::newRow("tiny smallest radius, shallow slope")
            << Change([=](S &s) { powerLaw(s), s.minRadius = 0.01, s.radiusSlope = 0.01; })
            << QList<P>{};
        QTest::newRow("modes below 0 and NaN")
            << Change([=](S &s) { rayleigh(s), s.eccentricityMode = -1, s.inclinationMode = nan; })
            << QList<P>{{P::EccentricityMode, P::NotPositive}, {P::InclinationMode, P::NotFinite}};
        QTest::newRow("tiny modes") << Change([=](S &s) {
            rayleigh(s), s.eccentricityMode = 1e-5, s.inclinationMode = 0.01;
            s.minEccentricity = 0.0005;
        }) << QList<P>{};
        QTest::newRow("disc r^-2 from 0")
            << Change([=](S &s) { disc(s), s.innerRadius = 0, s.surfaceDensitySlope = 2; })
            << QList<P>{{P::InnerRadius, P::ZeroLowerBound}};
        QTest::newRow("disc r^-1.99 from 0")
            << Change([=](S &s) { disc(s), s.innerRadius = 0, s.surfaceDensitySlope = 1.99; })
            << QList<P>{};
        QTest::newRow("disc rising outwards")
            << Change([=](S &s) { disc(s), s.surfaceDensitySlope = -10; }) << QList<P>{};
        QTest::newRow("reversed bounds")
            << Change([=](S &s) {
                   powerLaw(s), disc(s), rayleigh(s), s.minRadius = 5, s.innerRadius = 0.2;
                   s.minEccentricity = 0.01;
               })
            << QList<P>{};
    }
    void distributionParameters()
    {
        QFETCH(Change, change);
        QFETCH(QList<SettingsProblem>, expected);
        Settings s(Settings::Vulcanoids);
        s.number = 2000;
        change(s);
        auto const problems = checkSettings(s);
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);
        if (!problems.empty())
            return;
        Generator generator(s, 11);
        std::atomic<int> progress{0};
        generator.generate(progress);
        // Reversed bounds give every body the lower one.
        auto const within = [](double v, double lo, double hi) {
            return lo > hi ? v == lo : v >= lo && v <= hi;
        };
        for (auto const &body : generator.bodies()) {
            QVERIFY(within(body->radius, s.minRadius, s.maxRadius));
            QVERIFY(within(body->orbit.semiMajorAxis, s.innerRadius, s.outerRadius));
            QVERIFY(within(body->orbit.eccentricity, s.minEccentricity, s.maxEccentricity));
            QVERIFY(std::fabs(body->orbit.inclination) <= s.maxInclination);
        }
    }

    // What a run with a planet refuses, naming the field; whatever passes
    // ends, puts every body above 0 and none of the belt's in a zone.
    void planetIsChecked_data()
    {
        using P = SettingsProblem;
        using S = Settings;
        QTest::addColumn<Change>("change");
        QTest::addColumn<QList<P>>("expected");
        auto const row = [](char const *name, Change change, QList<P> expected = {}) {
            QTest::newRow(name) << change << expected;
        };
        // The main belt and Jupiter, as the example has them.
        auto const jupiter = [](S &s) {
            s = exampleSettings("main-belt");
            s.number = 3000;
        };
        auto const with = [=](std::function<void(S &)> more) {
            return Change([=](S &s) { jupiter(s), more(s); });
        };
        for (ExampleInfo const &example : examples())
            row(example.shortName.data(), [&example](S &s) {
                s = std::get<Recipe>(exampleRecipe(example)).forRun();
                s.number = 3000;
            });
        row("no mass", with([](S &s) { s.planetMass = 0; }), {{P::PlanetMass, P::NotPositive}});
        row("no orbit", with([](S &s) { s.planetSemiMajorAxis = 0; }),
            {{P::PlanetSemiMajorAxis, P::NotPositive}});
        row("no central mass", with([](S &s) { s.centralMass = 0; }),
            {{P::CentralMass, P::NotPositive}});
        row("as heavy as the Sun", with([](S &s) { s.planetMass = 1048; }),
            {{P::PlanetMass, P::PlanetTooHeavy}});
        row("shares above 100 %", with([](S &s) { s.trojanShare = 60, s.familyShare = 41; }),
            {{P::FamilyShare, P::SharesAboveWhole}});
        for (char const *list : {"3:3", "4:2", "1:2", "13:12", "6:1", "3:1 x", "3:-1", ""})
            row(qPrintable(QString("gaps \"%1\"").arg(list)),
                with([list](S &s) { s.gapResonances = list; }),
                {{P::GapResonances, P::NoSuchResonance}});
        row("family 2:3", with([](S &s) { s.familyShare = 5, s.familyResonance = "2:3"; }),
            {{P::FamilyResonance, P::NoSuchResonance}});
        row("no room between the gaps", with([](S &s) { s.innerRadius = 2.49, s.outerRadius = 2.51; }),
            {{P::InnerRadius, P::NoRoomLeft}});
        row("a family in the cleared orbit", with([](S &s) {
                s.familyShare = 10, s.familyResonance = "5:4", s.resonanceEccentricity = 0.05;
            }),
            {{P::FamilyResonance, P::NoRoomLeft}});
        row("a family reaching into it", with([](S &s) {
                s.familyShare = 10, s.familyResonance = "4:3", s.innerRadius = 3, s.outerRadius = 8;
            }));

        // An Earth-mass planet's chaotic zone spans 0.174 to 0.186 AU.
        auto const cleared = [](S &s) {
            s = Settings(Settings::Vulcanoids);
            s.planet = s.clearedOrbit = true;
            s.planetSemiMajorAxis = 0.18, s.planetMass = 1;
            s.planetMassUnit = S::PlanetMassUnit::EarthMasses;
        };
        auto const reversed = [](S &s) { s.innerRadius = 0.18, s.outerRadius = 0.15; };
        row("room below the zone", cleared);
        row("zone over the whole belt", [=](S &s) { cleared(s), s.innerRadius = 0.175, s.outerRadius = 0.185; },
            {{P::InnerRadius, P::NoRoomLeft}});
        row("one radius in the zone", [=](S &s) { cleared(s), s.innerRadius = s.outerRadius = 0.18; },
            {{P::InnerRadius, P::NoRoomLeft}});
        row("reversed, the inner radius in the zone", [=](S &s) { cleared(s), reversed(s); },
            {{P::InnerRadius, P::NoRoomLeft}});
        row("reversed, as a disc", [=](S &s) {
                cleared(s), reversed(s);
                s.semiMajorAxisDistribution = S::SemiMajorAxisDistribution::SurfaceDensity;
            },
            {{P::InnerRadius, P::NoRoomLeft}});
        row("reversed, the inner radius clear",
            [=](S &s) { cleared(s), reversed(s), s.planetSemiMajorAxis = 0.15; });
        row("no room, but only Trojans", [=](S &s) { cleared(s), reversed(s), s.trojanShare = 100; });

        // mu = 0.477 at 0.3 AU: the tadpole's edge, sqrt(8 mu / 3), is 1.13
        // planet's axes; the 11:7 inside at e = 0.99 is twice its distance
        // wide for 30 Jupiter masses.
        auto const heavy = [](S &s) {
            s = Settings(Settings::Vulcanoids);
            s.number = 3000, s.planet = true, s.planetSemiMajorAxis = 0.3, s.planetMass = 500;
        };
        auto const trojans = [](S &s) { s.trojanShare = 60, s.librationAmplitude = 90; };
        auto const wideFamily = [](S &s) {
            s.familyShare = 40, s.familyResonance = "11:7", s.resonanceEccentricity = 0.99;
        };
        row("heavy planet, wide Trojans", [=](S &s) { heavy(s), trojans(s); },
            {{P::LibrationAmplitude, P::ReachesCenter}});
        row("heavy planet, narrow Trojans",
            [=](S &s) { heavy(s), trojans(s), s.librationAmplitude = 10; });
        row("wide family", [=](S &s) { heavy(s), wideFamily(s), s.planetMass = 30; },
            {{P::FamilyResonance, P::ReachesCenter}});
        row("wide family outside",
            [=](S &s) { heavy(s), wideFamily(s), s.planetMass = 30, s.planetSemiMajorAxis = 0.1; },
            {{P::FamilyResonance, P::ReachesCenter}});
        row("the same family, a light planet", [=](S &s) { heavy(s), wideFamily(s), s.planetMass = 1; });
        row("both, and no belt bodies left", [=](S &s) { heavy(s), trojans(s), wideFamily(s); },
            {{P::LibrationAmplitude, P::ReachesCenter}, {P::FamilyResonance, P::ReachesCenter}});
        row("planet off", [=](S &s) { heavy(s), trojans(s), wideFamily(s), s.planet = false; });
    }
    void planetIsChecked()
    {
        QFETCH(Change, change);
        QFETCH(QList<SettingsProblem>, expected);
        Settings s;
        change(s);
        auto const problems = checkSettings(s);
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);
        if (!problems.empty())
            return;
        Generator generator(s, 7);
        std::atomic<int> progress{0};
        generator.generate(progress);
        QCOMPARE(int(generator.bodies().size()), int(s.number));
        PlanetZones const zones(s);
        bool const allBelt = s.trojanShare == 0 && s.familyShare == 0;
        for (auto const &body : generator.bodies()) {
            double const a = body->orbit.semiMajorAxis;
            QVERIFY2(a > 0, body->name.c_str());
            QVERIFY2(!s.planet || !allBelt || !zones.excluded(a), body->name.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(SettingsTest)
#include "tst_settings.moc"

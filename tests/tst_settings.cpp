// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleSettings.h"
#include "Generator.h"
#include "MadeBelt.h"
#include "PlanetZones.h"
#include "Presets.h"
#include "Settings.h"
#include "SettingsCheck.h"
#include "SettingsWords.h"

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
           a.totalMass == b.totalMass && a.number == b.number && a.populations[0].innerRadius == b.populations[0].innerRadius &&
           a.populations[0].outerRadius == b.populations[0].outerRadius && a.populations[0].maxRadius == b.populations[0].maxRadius &&
           a.populations[0].minRadius == b.populations[0].minRadius && a.populations[0].maxEccentricity == b.populations[0].maxEccentricity &&
           a.populations[0].minEccentricity == b.populations[0].minEccentricity && a.populations[0].maxInclination == b.populations[0].maxInclination &&
           a.referencePlane == b.referencePlane && a.epoch == b.epoch;
}

QList<std::string_view> fieldsOf(Settings const &settings)
{
    QList<std::string_view> fields;
    for (auto const &problem : checkSettings(settings))
        fields << problem.setting;
    return fields;
}

// Every problem names a row of the table that the window can name, and its
// words for either front end name only rows of the table.
bool namesLabelledRows(std::vector<SettingsProblem> const &problems)
{
    for (SettingsProblem const &problem : problems) {
        SettingRow const *row = findSetting(problem.setting);
        if (!row || !row->label)
            return false;
        for (FrontEnd end : {FrontEnd::Window, FrontEnd::CommandLine}) {
            for (Wording::Arg const &arg : problemWording(problem, end).args) {
                if (!arg.setting.empty() && !findSetting(arg.setting))
                    return false;
            }
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(SettingsProblem)

bool operator==(SettingsProblem const &a, SettingsProblem const &b)
{
    return a.setting == b.setting && a.kind == b.kind && a.population == b.population;
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
        for (double v : {s.totalMass, s.populations[0].innerRadius, s.populations[0].outerRadius, s.populations[0].maxRadius, s.populations[0].minRadius,
                         s.populations[0].maxEccentricity, s.populations[0].minEccentricity, s.populations[0].maxInclination})
            QCOMPARE(v, 0.0);
    }

    void presetValues()
    {
        Settings const v(Settings::Vulcanoids);
        QCOMPARE(v.beltName, std::string("VS"));
        QCOMPARE(v.beltCenter, std::string("Sol"));
        QCOMPARE(v.number, 200u);
        QCOMPARE(v.populations[0].innerRadius, 0.15);
        QCOMPARE(v.populations[0].outerRadius, 0.18);
        QCOMPARE(v.populations[0].maxRadius, 3.0);
        QCOMPARE(v.populations[0].maxEccentricity, 0.001);
        QCOMPARE(v.populations[0].maxInclination, 10.0);

        Settings const o(Settings::OortCloud);
        QCOMPARE(o.beltName, std::string("OS"));
        QCOMPARE(o.number, 2000u);
        QCOMPARE(o.populations[0].innerRadius, 5000.0);
        QCOMPARE(o.populations[0].outerRadius, 50000.0);
        QCOMPARE(o.populations[0].maxRadius, 500.0);
        QCOMPARE(o.populations[0].maxEccentricity, 0.3);
        QCOMPARE(o.populations[0].maxInclination, 180.0);

        Settings const t(Settings::TolimanAComets);
        QCOMPARE(t.objectType, BaseAsteroid::Comet);
        QCOMPARE(t.beltName, std::string("TC"));
        QCOMPARE(t.beltCenter, std::string("Toliman A"));
        QCOMPARE(t.number, 500u);
        QCOMPARE(t.populations[0].outerRadius, 5.0);
        QCOMPARE(t.populations[0].maxRadius, 25.0);
        QCOMPARE(t.populations[0].maxEccentricity, 0.5);

        Settings const e(Settings::EarthMoonBelt);
        QCOMPARE(e.beltName, std::string("ES"));
        QCOMPARE(e.beltCenter, std::string("Earth-Moon"));
        QVERIFY(e.barycenter);
        QCOMPARE(e.totalMass, 3.0401062188929665e-06);
        // Earth and Moon: 1.0123 Earth masses, to the last bit or one off.
        QVERIFY(std::fabs(e.totalMass - 1.0123 * solMassOfEarth) <= 1e-21);
        QCOMPARE(e.number, 250u);
        QCOMPARE(e.populations[0].innerRadius, 0.01);
        QCOMPARE(e.populations[0].outerRadius, 0.02);
        QCOMPARE(e.populations[0].maxInclination, 5.0);

        for (auto const &info : presetTable) {
            Settings const s(info.preset);
            QCOMPARE(s.populations[0].minEccentricity, 0.0);
            QCOMPARE(s.populations[0].minRadius, 0.1);
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
            QCOMPARE(fieldsOf(s), QList<std::string_view>{"total-mass"});
        }
        s.barycenter = false; // the mass is not read then
        QVERIFY(fieldsOf(s).isEmpty());

        for (char const *name : {"a\"b", "line\nbreak", "tab\there", "cr\r", "\x7f", "\x01"}) {
            Settings named(Settings::Vulcanoids);
            named.beltName = name;
            named.beltCenter = name;
            QCOMPARE(fieldsOf(named),
                     (QList<std::string_view>{"name", "center"}));
        }
        Settings unicode(Settings::Vulcanoids);
        unicode.beltName = "Kuiper \xE2\x8A\x95 \xC3\xA4";
        unicode.beltCenter = "/ \xC3\xA4";
        QVERIFY(fieldsOf(unicode).isEmpty());

        Settings bounds(Settings::Vulcanoids);
        bounds.populations[0].outerRadius = std::numeric_limits<double>::infinity();
        bounds.populations[0].maxInclination = std::numeric_limits<double>::quiet_NaN();
        bounds.epoch = -std::numeric_limits<double>::infinity();
        QCOMPARE(fieldsOf(bounds),
                 (QList<std::string_view>{"outer", "max-inclination",
                        "epoch"}));

        // Bounds in the wrong order are the generator's business, not a problem.
        Settings reversed(Settings::Vulcanoids);
        std::swap(reversed.populations[0].innerRadius, reversed.populations[0].outerRadius);
        std::swap(reversed.populations[0].minRadius, reversed.populations[0].maxRadius);
        QVERIFY(fieldsOf(reversed).isEmpty());
    }

    void problemsNameFieldAndKind_data()
    {
        using P = SettingsProblem;
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("center");
        QTest::addColumn<QList<P>>("expected");
        QTest::newRow("backslash in name") << "V\\S"
                                           << "Sol" << QList<P>{{"name", P::Backslash}};
        QTest::newRow("backslash in center") << "VS"
                                             << "Sol\\" << QList<P>{{"center", P::Backslash}};
        QTest::newRow("empty center") << "VS"
                                      << "" << QList<P>{{"center", P::EmptyCenter}};
        QTest::newRow("center of spaces") << "VS"
                                          << "   " << QList<P>{{"center", P::EmptyCenter}};
        QTest::newRow("empty name") << ""
                                    << "Sol" << QList<P>{};
        QTest::newRow("every kind, in order") << "\t\\\""
                                              << "\\\n"
                                              << QList<P>{{"name", P::DoubleQuote},
                                                          {"name", P::Backslash},
                                                          {"name", P::ControlCharacter},
                                                          {"center", P::Backslash},
                                                          {"center", P::ControlCharacter}};
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
        QVERIFY(namesLabelledRows(problems));
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);

        // The mass comes after the names, the bounds after the mass.
        s.barycenter = true;
        s.totalMass = 0;
        s.epoch = std::numeric_limits<double>::quiet_NaN();
        auto const more = checkSettings(s);
        QCOMPARE(int(more.size()), expected.size() + 2);
        QCOMPARE(more[std::size_t(expected.size())].kind, SettingsProblem::NoPositiveMass);
        QCOMPARE(more.back().setting, std::string_view("epoch"));
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
            << true << 1e-300 << 1e21 << 1e21 << 3.0 << QList<P>{{"total-mass", P::PeriodOverflow, 0}};
        QTest::newRow("inner bound above the outer decides")
            << true << 1e-300 << 1e21 << 0.0 << 3.0 << QList<P>{{"total-mass", P::PeriodOverflow, 0}};
        QTest::newRow("no barycenter, no period")
            << false << 1e-300 << 1e21 << 1e21 << 3.0 << QList<P>{};
        QTest::newRow("a period just within")
            << true << 1e-245 << 1e21 << 1e21 << 3.0 << QList<P>{};
        QTest::newRow("subnormal belt around a subnormal mass")
            << true << tiny << tiny << tiny << 3.0 << QList<P>{};
        QTest::newRow("largest bodies the fields allow")
            << false << 1.0 << 1.0 << 1.0 << 1e21 << QList<P>{};
        QTest::newRow("bodies beyond the fields")
            << false << 1.0 << 1.0 << 1.0 << 1e103 << QList<P>{{"max-radius", P::MassOverflow, 0}};
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
        s.populations[0].innerRadius = inner;
        s.populations[0].outerRadius = outer;
        s.populations[0].maxRadius = maxRadius;
        s.number = 2000;
        auto const problems = checkSettings(s);
        QVERIFY(namesLabelledRows(problems));
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);
        // What passes the check gives finite numbers to every body.
        if (problems.empty()) {
            auto const generator = madeBelt(s, 7);
            for (auto const &body : generator->bodies()) {
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
        auto const powerLaw = [](S &s) { s.populations[0].radiusDistribution = S::RadiusDistribution::PowerLaw; };
        auto const disc = [](S &s) {
            s.populations[0].semiMajorAxisDistribution = S::SemiMajorAxisDistribution::SurfaceDensity;
        };
        auto const rayleigh = [](S &s) {
            s.populations[0].eccentricityDistribution = S::SpreadDistribution::Rayleigh;
            s.populations[0].inclinationDistribution = S::SpreadDistribution::Rayleigh;
        };
        double const nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("slope 0 with the bell") << Change([](S &s) { s.populations[0].radiusSlope = 0; })
                                               << QList<P>{};
        QTest::newRow("slope 0") << Change([=](S &s) { powerLaw(s), s.populations[0].radiusSlope = 0; })
                                 << QList<P>{{"radius-slope", P::NotPositive, 0}};
        QTest::newRow("smallest radius 0")
            << Change([=](S &s) { powerLaw(s), s.populations[0].minRadius = 0; })
            << QList<P>{{"min-radius", P::ZeroLowerBound, 0}};
        QTest::newRow("tiny smallest radius, shallow slope")
            << Change([=](S &s) { powerLaw(s), s.populations[0].minRadius = 0.01, s.populations[0].radiusSlope = 0.01; })
            << QList<P>{};
        QTest::newRow("modes below 0 and NaN")
            << Change([=](S &s) { rayleigh(s), s.populations[0].eccentricityMode = -1, s.populations[0].inclinationMode = nan; })
            << QList<P>{{"eccentricity-mode", P::NotPositive, 0}, {"inclination-mode", P::NotFinite, 0}};
        QTest::newRow("tiny modes") << Change([=](S &s) {
            rayleigh(s), s.populations[0].eccentricityMode = 1e-5, s.populations[0].inclinationMode = 0.01;
            s.populations[0].minEccentricity = 0.0005;
        }) << QList<P>{};
        QTest::newRow("disc r^-2 from 0")
            << Change([=](S &s) { disc(s), s.populations[0].innerRadius = 0, s.populations[0].surfaceDensitySlope = 2; })
            << QList<P>{{"inner", P::ZeroLowerBound, 0}};
        QTest::newRow("disc r^-1.99 from 0")
            << Change([=](S &s) { disc(s), s.populations[0].innerRadius = 0, s.populations[0].surfaceDensitySlope = 1.99; })
            << QList<P>{};
        QTest::newRow("disc rising outwards")
            << Change([=](S &s) { disc(s), s.populations[0].surfaceDensitySlope = -10; }) << QList<P>{};
        QTest::newRow("reversed bounds")
            << Change([=](S &s) {
                   powerLaw(s), disc(s), rayleigh(s), s.populations[0].minRadius = 5, s.populations[0].innerRadius = 0.2;
                   s.populations[0].minEccentricity = 0.01;
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
        QVERIFY(namesLabelledRows(problems));
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);
        if (!problems.empty())
            return;
        auto const generator = madeBelt(s, 11);
        // Reversed bounds give every body the lower one.
        auto const within = [](double v, double lo, double hi) {
            return lo > hi ? v == lo : v >= lo && v <= hi;
        };
        for (auto const &body : generator->bodies()) {
            QVERIFY(within(body->radius, s.populations[0].minRadius, s.populations[0].maxRadius));
            QVERIFY(within(body->orbit.semiMajorAxis, s.populations[0].innerRadius, s.populations[0].outerRadius));
            QVERIFY(within(body->orbit.eccentricity, s.populations[0].minEccentricity, s.populations[0].maxEccentricity));
            QVERIFY(std::fabs(body->orbit.inclination) <= s.populations[0].maxInclination);
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
        // The main belt's background and Jupiter, its gaps at one width.
        auto const jupiter = [](S &s) {
            s = exampleSettings("main-belt");
            s.number = 3000;
            s.populations.resize(1), s.populations[0].share = 100;
            s.gapWidth = S::GapWidth::Fixed, s.gapDepth = 0;
        };
        auto const with = [=](std::function<void(S &)> more) {
            return Change([=](S &s) { jupiter(s), more(s); });
        };
        for (ExampleInfo const &example : examples())
            row(example.shortName.data(), [&example](S &s) {
                s = std::get<Recipe>(exampleRecipe(example)).forRun();
                s.number = 3000;
            });
        row("no mass", with([](S &s) { s.planetMass = 0; }), {{"planet-mass", P::NotPositive}});
        row("no orbit", with([](S &s) { s.planetSemiMajorAxis = 0; }),
            {{"planet-semi-major-axis", P::NotPositive}});
        row("no central mass", with([](S &s) { s.centralMass = 0; }),
            {{"central-mass", P::NotPositive}});
        row("as heavy as the Sun", with([](S &s) { s.planetMass = 1048; }),
            {{"planet-mass", P::PlanetTooHeavy}});
        row("shares above 100 %", with([](S &s) { splitOlderShares(s, 60, 41); }),
            {{"share", P::SharesNotWhole}});
        for (char const *list : {"3:3", "4:2", "1:2", "13:12", "6:1", "3:1 x", "3:-1", ""})
            row(qPrintable(QString("gaps \"%1\"").arg(list)),
                with([list](S &s) { s.gapResonances = list; }),
                {{"gap-resonances", P::NoSuchResonance}});
        // family(s, share, resonance): a family population after the background.
        auto const family = [](S &s, double share, char const *resonance) {
            s.populations[0].familyResonance = resonance;
            splitOlderShares(s, 0, share);
        };
        row("family 2:3", with([=](S &s) { family(s, 5, "2:3"); }),
            {{"family-resonance", P::NoSuchResonance, 1}});
        row("no room between the gaps", with([](S &s) {
                s.populations[0].innerRadius = 2.49, s.populations[0].outerRadius = 2.51;
            }),
            {{"inner", P::NoRoomLeft, 0}});
        row("a family in the cleared orbit", with([=](S &s) {
                s.resonanceEccentricity = 0.05, family(s, 10, "5:4");
            }),
            {{"family-resonance", P::NoRoomLeft, 1}});
        row("a family reaching into it", with([=](S &s) {
                s.populations[0].innerRadius = 3, s.populations[0].outerRadius = 8;
                family(s, 10, "4:3");
            }));
        row("Trojans without the planet", [](S &s) {
                s = Settings(Settings::Vulcanoids);
                s.populations.push_back(s.populations[0]);
                s.populations[0].share = s.populations[1].share = 50;
                s.populations[1].kind = Population::Kind::Trojans;
            },
            {{"kind", P::NeedsPlanet, 1}});

        // An Earth-mass planet's chaotic zone spans 0.174 to 0.186 AU.
        auto const cleared = [](S &s) {
            s = Settings(Settings::Vulcanoids);
            s.planet = s.clearedOrbit = true;
            s.planetSemiMajorAxis = 0.18, s.planetMass = 1;
            s.planetMassUnit = S::PlanetMassUnit::EarthMasses;
        };
        auto const reversed = [](S &s) { s.populations[0].innerRadius = 0.18, s.populations[0].outerRadius = 0.15; };
        row("room below the zone", cleared);
        row("zone over the whole belt", [=](S &s) { cleared(s), s.populations[0].innerRadius = 0.175, s.populations[0].outerRadius = 0.185; },
            {{"inner", P::NoRoomLeft, 0}});
        row("one radius in the zone", [=](S &s) { cleared(s), s.populations[0].innerRadius = s.populations[0].outerRadius = 0.18; },
            {{"inner", P::NoRoomLeft, 0}});
        row("reversed, the inner radius in the zone", [=](S &s) { cleared(s), reversed(s); },
            {{"inner", P::NoRoomLeft, 0}});
        row("reversed, as a disc", [=](S &s) {
                cleared(s), reversed(s);
                s.populations[0].semiMajorAxisDistribution = S::SemiMajorAxisDistribution::SurfaceDensity;
            },
            {{"inner", P::NoRoomLeft, 0}});
        row("reversed, the inner radius clear",
            [=](S &s) { cleared(s), reversed(s), s.planetSemiMajorAxis = 0.15; });
        row("no room, but only Trojans",
            [=](S &s) { cleared(s), reversed(s), splitOlderShares(s, 100, 0); });

        // mu = 0.477 at 0.3 AU: the tadpole's edge, sqrt(8 mu / 3), is 1.13
        // planet's axes; the 11:7 inside at e = 0.99 is twice its distance
        // wide for 30 Jupiter masses.
        auto const heavy = [](S &s) {
            s = Settings(Settings::Vulcanoids);
            s.number = 3000, s.planet = true, s.planetSemiMajorAxis = 0.3, s.planetMass = 500;
        };
        auto const trojans = [](double amplitude) {
            return [=](S &s) {
                s.populations[0].librationAmplitude = amplitude;
                splitOlderShares(s, 60, 0);
            };
        };
        auto const wideFamily = [](S &s) {
            s.populations[0].familyResonance = "11:7", s.resonanceEccentricity = 0.99;
            splitOlderShares(s, 0, 40);
        };
        row("heavy planet, wide Trojans", [=](S &s) { heavy(s), trojans(90)(s); },
            {{"libration-amplitude", P::ReachesCenter, 1}});
        row("heavy planet, narrow Trojans", [=](S &s) { heavy(s), trojans(10)(s); });
        row("wide family", [=](S &s) { heavy(s), s.planetMass = 30, wideFamily(s); },
            {{"family-resonance", P::ReachesCenter, 1}});
        row("wide family outside",
            [=](S &s) { heavy(s), s.planetMass = 30, s.planetSemiMajorAxis = 0.1, wideFamily(s); },
            {{"family-resonance", P::ReachesCenter, 1}});
        row("the same family, a light planet", [=](S &s) { heavy(s), s.planetMass = 1, wideFamily(s); });
        row("both, and no belt bodies left", [=](S &s) { heavy(s), trojans(90)(s), wideFamily(s); },
            {{"libration-amplitude", P::ReachesCenter, 0},
             {"family-resonance", P::ReachesCenter, 1}});
        // A resonant population beside the background, inside the orbit.
        auto const resonant = [](char const *resonance, double maxEccentricity) {
            return [=](S &s) {
                s.populations.push_back(s.populations[0]);
                s.populations[0].share = s.populations[1].share = 50;
                Population &p = s.populations[1];
                p.kind = Population::Kind::Resonant, p.resonance = resonance;
                p.minEccentricity = 0, p.maxEccentricity = maxEccentricity;
            };
        };
        row("resonant 7:7", [=](S &s) { heavy(s), resonant("7:7", 0.2)(s); },
            {{"resonance", P::NoSuchResonance, 1}});
        row("resonant 11:7 to the center", [=](S &s) {
                heavy(s), s.planetMass = 30, resonant("11:7", 0.99)(s);
            },
            {{"resonance", P::ReachesCenter, 1}});
        row("resonant 11:7, low eccentricities",
            [=](S &s) { heavy(s), s.planetMass = 30, resonant("11:7", 0.2)(s); });
        // A collisional family and a scattered disc beside the background;
        // neither needs the planet.
        auto const beside = [=](Population::Kind kind, std::function<void(Population &)> more) {
            return with([=](S &s) {
                s.populations.resize(2, s.populations[0]);
                s.populations[0].share = s.populations[1].share = 50;
                s.populations[1].kind = kind;
                more(s.populations[1]);
            });
        };
        auto const collisional = [=](double velocity, double e) {
            return beside(Population::Kind::CollisionalFamily, [=](Population &p) {
                p.ejectionVelocity = velocity, p.parentEccentricity = e;
            });
        };
        row("family, 1000 m/s", collisional(1000, 0.05));
        row("family, 1200 m/s", collisional(1200, 0.05), {{"ejection-velocity", P::ReachesCenter, 1}});
        row("family, 300 m/s at e 0.9", collisional(300, 0.9),
            {{"ejection-velocity", P::ReachesCenter, 1}});
        auto const disc = [=](double inner, double q0, double q1) {
            return beside(Population::Kind::ScatteredDisc, [=](Population &p) {
                p.innerRadius = inner, p.outerRadius = 200, p.minPerihelion = q0,
                p.maxPerihelion = q1;
            });
        };
        row("scattered disc", disc(40, 30, 40));
        row("scattered disc, perihelia reversed beyond", disc(40, 41, 30),
            {{"max-perihelion", P::PerihelionBeyondAxis, 1}});
        row("scattered disc, perihelia from 0", disc(40, 0, 35),
            {{"min-perihelion", P::NotPositive, 1}});
        row("planet off", [=](S &s) { heavy(s), trojans(90)(s), wideFamily(s), s.planet = false; },
            {{"kind", P::NeedsPlanet, 0}, {"kind", P::NeedsPlanet, 1}});
    }
    void planetIsChecked()
    {
        QFETCH(Change, change);
        QFETCH(QList<SettingsProblem>, expected);
        Settings s;
        change(s);
        auto const problems = checkSettings(s);
        QVERIFY(namesLabelledRows(problems));
        QCOMPARE(QList<SettingsProblem>(problems.begin(), problems.end()), expected);
        if (!problems.empty())
            return;
        auto const generator = madeBelt(s, 7);
        QCOMPARE(int(generator->bodies().size()), int(s.number));
        PlanetZones const zones(s);
        bool const allBelt = std::all_of(s.populations.begin(), s.populations.end(),
                                         [](Population const &p) {
                                             return p.kind == Population::Kind::Background;
                                         });
        for (auto const &body : generator->bodies()) {
            double const a = body->orbit.semiMajorAxis;
            QVERIFY2(a > 0, body->name.c_str());
            QVERIFY2(!s.planet || !allBelt || !zones.excluded(a), body->name.c_str());
        }
    }

    void wordsFillInOnce_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in order") << "%1 is above %2" << QStringList{"a", "b"} << "a is above b";
        QTest::newRow("reordered, repeated")
            << "%2 %1 %2" << QStringList{"a", "b"} << "b a b";
        QTest::newRow("an argument's marker stays") << "%1 and %2" << QStringList{"%2", "x"}
                                                    << "%2 and x";
        QTest::newRow("a percent sign") << "100 % of %1" << QStringList{"it"} << "100 % of it";
        QTest::newRow("a marker without argument") << "%1 %3" << QStringList{"a"} << "a %3";
        QTest::newRow("at the end") << "ends in %" << QStringList{} << "ends in %";
    }
    void wordsFillInOnce()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        std::vector<std::string> values;
        for (QString const &arg : args)
            values.push_back(arg.toStdString());
        QCOMPARE(QString::fromStdString(filledIn(text.toStdString(), values)), expected);
    }

    // The command line gives both bounds of a reversed pair, as a recipe
    // writes numbers, and the window names them for its own wording.
    void warningsNameBothBounds()
    {
        Settings s(Settings::Vulcanoids);
        s.populations[0].minEccentricity = 1.5;
        s.populations[0].maxEccentricity = 0.25;
        auto const warnings = checkWarnings(s);
        QCOMPARE(int(warnings.size()), 2);
        Wording const cli = warningWording(warnings[0], FrontEnd::CommandLine);
        std::vector<std::string> names;
        for (Wording::Arg const &arg : cli.args)
            names.push_back(arg.setting.empty() ? std::to_string(arg.number)
                                                : "--" + std::string(arg.setting));
        QCOMPARE(QString::fromStdString(filledIn(cli.text, names)),
                 QString("--min-eccentricity 1.500000 is above --max-eccentricity 0.250000: "
                         "every orbit will have an eccentricity of 1.500000"));
        QCOMPARE(warnings[1].kind, SettingsWarning::AllOrbitsOpen);
        QCOMPARE(warningWording(warnings[1], FrontEnd::Window).args[0].setting,
                 std::string_view("min-eccentricity"));
    }
};

QTEST_APPLESS_MAIN(SettingsTest)
#include "tst_settings.moc"

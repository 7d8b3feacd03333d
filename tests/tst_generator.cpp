// SPDX-License-Identifier: GPL-3.0-or-later
#include "Asteroid.h"
#include "BinaryAsteroid.h"
#include "CorrectRounding.h"
#include "Generator.h"
#include "MadeBelt.h"
#include "GeneratorProbe.h"
#include "Settings.h"

#include <QtTest>

#include <cmath>
#include <sstream>
#include <vector>

namespace {

Settings withNumber(Settings::Preset preset, std::uint32_t number)
{
    Settings settings(preset);
    settings.number = number;
    return settings;
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void vulcanoidsWorkedExample()
    {
        auto const generator = madeBelt(Settings(Settings::Vulcanoids), 5489);
        auto const &bodies = generator->bodies();
        QCOMPARE(bodies.size(), std::size_t(200));

        auto const *first = dynamic_cast<Asteroid const *>(bodies[0].get());
        QVERIFY(first);
        QCOMPARE(first->name, std::string("VS 1"));
        QCOMPARE(first->parentBody, std::string("Sol"));
        QVERIFY(sameTo12Digits(first->orbit.semiMajorAxis, 0.165672648292));
        QVERIFY(sameTo12Digits(first->orbit.inclination, 1.53550060794));
        QVERIFY(sameTo12Digits(first->orbit.eccentricity, 0.000527285280706));
        QVERIFY(sameTo12Digits(first->orbit.argOfPericenter, 106.930601841));
        QVERIFY(sameTo12Digits(first->orbit.ascendingNode, 1.72205439095));
        QVERIFY(sameTo12Digits(first->radius, 1.60384622565));
        QVERIFY(sameTo12Digits(first->density, 5.12897487895e-13));
        QVERIFY(sameTo12Digits(first->mass, 8.86354309484e-12));
        QVERIFY(sameTo12Digits(first->rotationPeriod, 7.64737317415));
        QVERIFY(sameTo12Digits(first->obliquity, 141.201727113));
        QVERIFY(std::isnan(first->orbit.period));
        QCOMPARE(first->orbit.meanAnomaly, 0.0);

        auto const *second = dynamic_cast<BinaryAsteroid const *>(bodies[1].get());
        QVERIFY(second);
        QCOMPARE(second->name, std::string("VS 2"));
        QVERIFY(sameTo12Digits(second->orbit.semiMajorAxis, 0.159900221257));
        QVERIFY(sameTo12Digits(second->orbit.inclination, -3.61163918857));
        QVERIFY(sameTo12Digits(second->orbit.eccentricity, 0.000159614311674));
        QVERIFY(sameTo12Digits(second->orbit.argOfPericenter, 275.586045123));
        QVERIFY(sameTo12Digits(second->orbit.ascendingNode, 286.271965489));
        QVERIFY(sameTo12Digits(second->radius, 1.03798132643));
        QVERIFY(sameTo12Digits(second->companionRadius, 0.639060912682));
        QVERIFY(sameTo12Digits(second->density, 5.3626178504e-13));
        Orbit const &component = second->componentOrbit;
        QVERIFY(sameTo12Digits(component.period, 0.000296169110349));
        QVERIFY(sameTo12Digits(component.period * BaseAsteroid::daysYear, 0.10817345443));
        QVERIFY(sameTo12Digits(component.inclination, 255.853395033));
        QVERIFY(sameTo12Digits(component.eccentricity, 0.0393322047891));
        QVERIFY(sameTo12Digits(component.argOfPericenter, 278.610166409));
        QVERIFY(sameTo12Digits(component.ascendingNode, 206.551679975));
        QCOMPARE(second->mass, 0.0);
        QVERIFY(std::isnan(second->rotationPeriod) && std::isnan(second->obliquity));

        // Bodies 3 to 9 are single, 10 is the next binary; 50 in all.
        int binaries = 0;
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            bool const binary = dynamic_cast<BinaryAsteroid const *>(bodies[i].get());
            if (i >= 2 && i < 9)
                QVERIFY(!binary);
            if (i == 9)
                QVERIFY(binary);
            binaries += binary;
        }
        QCOMPARE(binaries, 50);
    }

    void earthMoonWorkedExample()
    {
        auto const generator = madeBelt(Settings(Settings::EarthMoonBelt), 5489);
        auto const &bodies = generator->bodies();
        auto const *first = dynamic_cast<Asteroid const *>(bodies[0].get());
        QVERIFY(first);
        QCOMPARE(first->name, std::string("ES 1"));
        QCOMPARE(first->parentBody, std::string("Earth-Moon"));
        QVERIFY(sameTo12Digits(first->orbit.semiMajorAxis, 0.0152242160975));
        QVERIFY(sameTo12Digits(first->orbit.period, 1.07735301373));
        QVERIFY(sameTo12Digits(first->orbit.inclination, 0.767750303972));
        QVERIFY(sameTo12Digits(first->orbit.eccentricity, 0.000527285280706));
        QVERIFY(sameTo12Digits(first->radius, 13.012334834));

        auto const *second = dynamic_cast<BinaryAsteroid const *>(bodies[1].get());
        QVERIFY(second);
        QVERIFY(sameTo12Digits(second->orbit.semiMajorAxis, 0.0133000737522));
        QVERIFY(sameTo12Digits(second->orbit.period, 0.879704259825));
        QVERIFY(sameTo12Digits(second->orbit.inclination, -1.80581959428));
        // The barycenter carries the drawn orbit, period included; the
        // components carry only a period of 0.1 to 3 days.
        QCOMPARE(second->componentOrbit.semiMajorAxis, 0.0);
    }

    void everyBodyKeepsItsInvariants()
    {
        Settings settings(Settings::TolimanAComets);
        settings.referencePlane = Orbit::Extrasolar;
        settings.epoch = 2451545.0;
        settings.number = 3000;
        auto const generator = madeBelt(settings, 99);
        int binaries = 0;
        unsigned id = 0;
        for (auto const &body : generator->bodies()) {
            ++id;
            QCOMPARE(body->name, "TC " + std::to_string(id));
            QCOMPARE(body->objectType, BaseAsteroid::Comet);
            QCOMPARE(body->orbit.meanAnomaly, 0.0);
            QCOMPARE(body->orbit.epoch, 2451545.0);
            QCOMPARE(body->orbit.referencePlane, Orbit::Extrasolar);
            QVERIFY(std::isnan(body->orbit.period)); // no barycenter, no period
            QVERIFY(body->orbit.semiMajorAxis >= 0.15 && body->orbit.semiMajorAxis <= 5.0);
            QVERIFY(std::fabs(body->orbit.inclination) <= 180.0);
            QVERIFY(body->radius >= 0.1 && body->radius <= 25.0);
            if (auto const *binary = dynamic_cast<BinaryAsteroid const *>(body.get())) {
                ++binaries;
                QVERIFY(binary->companionRadius >= 0.25 * binary->radius);
                QVERIFY(binary->companionRadius < binary->radius);
                Orbit const &c = binary->componentOrbit;
                QCOMPARE(c.referencePlane, Orbit::Equator);
                QCOMPARE(c.epoch, 2451545.0);
                QCOMPARE(c.semiMajorAxis, 0.0);
                QCOMPARE(c.meanAnomaly, 0.0);
                QVERIFY(c.eccentricity >= 0 && c.eccentricity <= 0.1);
                double const days = c.period * BaseAsteroid::daysYear;
                QVERIFY(days >= 0.1 - 1e-12 && days < 3.0);
            } else {
                double const mass =
                    CorrectRounding::cube(body->radius) * 4.1887902047863905 * body->density;
                QCOMPARE(body->mass, mass);
                QVERIFY(body->rotationPeriod >= 0.1 && body->rotationPeriod <= 12.0);
            }
        }
        // About one in five.
        QVERIFY2(binaries > 520 && binaries < 680, qPrintable(QString::number(binaries)));
    }

    void sameSeedSameBelt()
    {
        auto textOf = [](unsigned seed) {
            auto const generator = madeBelt(Settings(Settings::OortCloud), seed);
            std::ostringstream out;
            for (auto const &body : generator->bodies())
                body->print(out);
            return out.str();
        };
        QCOMPARE(textOf(42), textOf(42));
        QVERIFY(textOf(42) != textOf(43));
    }

    void degenerateBounds()
    {
        Settings settings(Settings::Vulcanoids);
        settings.populations[0].innerRadius = settings.populations[0].outerRadius = 0.16;
        settings.populations[0].maxInclination = 0;
        settings.populations[0].minRadius = 2.0;
        settings.populations[0].maxRadius = 1.0; // wrong order: every radius is the lower bound
        settings.number = 300;
        auto const generator = madeBelt(settings, 5489);
        for (auto const &body : generator->bodies()) {
            QCOMPARE(body->orbit.semiMajorAxis, 0.16);
            QCOMPARE(body->orbit.inclination, 0.0);
            QCOMPARE(body->radius, 2.0);
        }
        // The degenerate draws still use the engine as usual: the decisions are
        // those of the ordinary Vulcanoids belt.
        auto const ordinary = madeBelt(withNumber(Settings::Vulcanoids, 300), 5489);
        for (std::size_t i = 0; i < 300; ++i)
            QCOMPARE(dynamic_cast<BinaryAsteroid const *>(generator->bodies()[i].get()) == nullptr,
                     dynamic_cast<BinaryAsteroid const *>(ordinary->bodies()[i].get()) == nullptr);
    }

    void namesAndPeriods()
    {
        Settings settings = withNumber(Settings::EarthMoonBelt, 5);
        settings.beltName = "";
        settings.totalMass = 0; // infinite periods: the generator still takes it
        auto const generator = madeBelt(settings, 1);
        QCOMPARE(generator->bodies()[4]->name, std::string(" 5"));
        QVERIFY(std::isinf(generator->bodies()[0]->orbit.period));
    }

    void progressSequences_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("one") << 1 << QList<int>{100};
        QTest::newRow("three") << 3 << QList<int>{33, 66, 100};
        QList<int> twoHundred;
        for (int k = 1; k <= 200; ++k)
            twoHundred << k / 2;
        QTest::newRow("two hundred") << 200 << twoHundred;
    }
    void progressSequences()
    {
        QFETCH(int, number);
        QFETCH(QList<int>, expected);
        QList<int> seen;
        for (int k = 1; k <= number; ++k)
            seen << progressPercent(std::uint64_t(k), std::uint64_t(number));
        QCOMPARE(seen, expected);

        // Generation leaves the counter at the last body's value.
        Generator generator(withNumber(Settings::Vulcanoids, std::uint32_t(number)), 5489);
        std::atomic<int> progress{-7};
        generator.generate(progress);
        QCOMPARE(progress.load(), expected.last());
        QCOMPARE(generator.bodies().size(), std::size_t(number));
    }

    void progressNeverOverflows()
    {
        std::uint64_t const cap = Generator::numberCap;
        QCOMPARE(progressPercent(cap, cap), 100);
        QCOMPARE(progressPercent(cap - 1, cap), 99);
        QCOMPARE(progressPercent(cap / 2, cap), 49);
        QCOMPARE(progressPercent(42949673, 1000000000), 4);
        QCOMPARE(progressPercent(1, 1000000), 0);
        QCOMPARE(progressPercent(999999, 1000000), 99);
    }

    void emptyBeltAndCap()
    {
        Generator empty(Settings{}, 5489);
        std::atomic<int> progress{-7};
        empty.generate(progress);
        QVERIFY(empty.bodies().empty());
        QCOMPARE(progress.load(), -7);                                 // not written
        QVERIFY(GeneratorProbe(empty).engine() == std::mt19937(5489)); // nothing drawn

        Settings huge;
        huge.number = 0xffffffffu;
        // Only the copy's count changes; reserving a billion pointers costs
        // address space, not memory.
        Generator capped(huge, 1);
        QCOMPARE(capped.belt().number, Generator::numberCap);
        QCOMPARE(huge.number, 0xffffffffu);
    }

    void largeBeltsMatchTheOrderedPath()
    {
        // From pipelineFrom bodies on, drawing and building run on two
        // threads; the belt must be the one the single thread makes, whose
        // first bodies a smaller belt with the same seed shows.
        std::uint32_t const large = Generator::pipelineFrom + 1000;
        Generator pipelined(withNumber(Settings::TolimanAComets, large), 31);
        Generator ordered(withNumber(Settings::TolimanAComets, Generator::pipelineFrom - 1), 31);
        std::atomic<int> progress{0};
        pipelined.generate(progress);
        QCOMPARE(progress.load(), 100);
        ordered.generate(progress);
        QCOMPARE(pipelined.bodies().size(), std::size_t(large));
        auto textOf = [](BaseAsteroid const &body) {
            std::ostringstream out;
            body.print(out);
            return out.str();
        };
        for (std::size_t i = 0; i < ordered.bodies().size(); ++i) {
            if (textOf(*pipelined.bodies()[i]) != textOf(*ordered.bodies()[i]))
                QFAIL(qPrintable(QString("body %1 differs").arg(i + 1)));
        }
        QCOMPARE(pipelined.bodies().back()->name, "TC " + std::to_string(large));

        Generator stopped(withNumber(Settings::TolimanAComets, large), 31);
        std::atomic<int> untouched{-7};
        std::atomic<bool> stop{true};
        stopped.generate(untouched, &stop);
        QVERIFY(stopped.bodies().empty());
        QCOMPARE(untouched.load(), -7);
    }

    void stopRequestEndsGenerationBetweenBodies()
    {
        Generator generator(withNumber(Settings::Vulcanoids, 1000), 5489);
        std::atomic<int> progress{0};
        std::atomic<bool> stop{true};
        generator.generate(progress, &stop);
        QVERIFY(generator.bodies().empty());
        QCOMPARE(progress.load(), 0);
    }

    // The counts follow from the shares by the largest remainder, a tie to
    // the earlier population, and always add up to the number.
    void sharesBecomeCounts_data()
    {
        QTest::addColumn<std::uint32_t>("number");
        QTest::addColumn<QList<double>>("shares");
        QTest::addColumn<QList<std::uint32_t>>("expected");
        using Counts = QList<std::uint32_t>;
        QTest::newRow("1 body, halves: the earlier")
            << 1u << QList<double>{50, 50} << Counts{1, 0};
        QTest::newRow("1 body, 0 % and 100 %") << 1u << QList<double>{0, 100} << Counts{0, 1};
        QTest::newRow("no body") << 0u << QList<double>{30, 70} << Counts{0, 0};
        QTest::newRow("7 bodies, halves") << 7u << QList<double>{50, 50} << Counts{4, 3};
        QTest::newRow("thirds of 10, the largest remainder")
            << 10u << QList<double>{33.33, 33.33, 33.34} << Counts{3, 3, 4};
        QTest::newRow("thirds of 100") << 100u << QList<double>{33.33, 33.33, 33.34}
                                       << Counts{33, 33, 34};
        QTest::newRow("a hundredth of a percent of a million")
            << 1000000u << QList<double>{0.01, 99.99} << Counts{100, 999900};
        QTest::newRow("below a body each, to the largest remainders")
            << 2u << QList<double>{10, 45, 45} << Counts{0, 1, 1};
        QTest::newRow("shares below 100 %, in proportion")
            << 5u << QList<double>{30, 30} << Counts{3, 2};
        QTest::newRow("every share 0: the first") << 4u << QList<double>{0, 0} << Counts{4, 0};
        QTest::newRow("the largest number")
            << Generator::numberCap << QList<double>{99.99, 0.01} << Counts{1073634449, 107374};
    }
    void sharesBecomeCounts()
    {
        QFETCH(std::uint32_t, number);
        QFETCH(QList<double>, shares);
        QFETCH(QList<std::uint32_t>, expected);
        std::vector<Population> populations(std::size_t(shares.size()));
        for (int i = 0; i < shares.size(); ++i)
            populations[std::size_t(i)].share = shares[i];
        std::vector<std::uint32_t> const counts = populationCounts(number, populations);
        QCOMPARE(QList<std::uint32_t>(counts.begin(), counts.end()), expected);
    }

    // Each population's bodies follow the one before's, numbered on, each
    // within its own bounds; a population of 0 % takes none.
    void populationsFollowEachOther()
    {
        Settings s = withNumber(Settings::Vulcanoids, 1000);
        s.populations.resize(3, s.populations[0]);
        s.populations[0].share = 30;
        s.populations[1].share = 0;
        s.populations[2].share = 70;
        s.populations[2].innerRadius = 7, s.populations[2].outerRadius = 8;
        s.populations[2].minRadius = 40, s.populations[2].maxRadius = 50;
        auto const generator = madeBelt(s, 5489);
        auto const &bodies = generator->bodies();
        QCOMPARE(int(bodies.size()), 1000);
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            Population const &own = s.populations[i < 300 ? 0 : 2];
            BaseAsteroid const &body = *bodies[i];
            QCOMPARE(body.name, "VS " + std::to_string(i + 1));
            QVERIFY2(body.orbit.semiMajorAxis >= own.innerRadius &&
                         body.orbit.semiMajorAxis <= own.outerRadius &&
                         body.radius >= own.minRadius && body.radius <= own.maxRadius,
                     body.name.c_str());
        }
        // The first population's bodies are those of a belt of it alone.
        Settings alone = withNumber(Settings::Vulcanoids, 300);
        auto const single = madeBelt(alone, 5489);
        for (std::size_t i = 0; i < 300; ++i)
            QCOMPARE(single->bodies()[i]->orbit.semiMajorAxis, bodies[i]->orbit.semiMajorAxis);
    }
};

QTEST_APPLESS_MAIN(GeneratorTest)
#include "tst_generator.moc"

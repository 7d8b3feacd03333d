// SPDX-License-Identifier: GPL-3.0-or-later
#include "Asteroid.h"
#include "BinaryAsteroid.h"
#include "NumberText.h"
#include "Orbit.h"

#include <QtTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

namespace {

std::string textOf(BaseAsteroid const &body)
{
    std::ostringstream out;
    body.print(out);
    return out.str();
}

std::string number(double value)
{
    char buffer[NumberText::maxNumberLength];
    return std::string(buffer, NumberText::writeNumber(buffer, value));
}

Asteroid workedSingle()
{
    Asteroid body;
    body.name = "VS 17";
    body.radius = 1.5;
    body.mass = 7.099822690414859e-12;
    body.rotationPeriod = 6.25;
    body.obliquity = 123.5;
    body.orbit.semiMajorAxis = 0.1625;
    body.orbit.period = 0.06550584420492572;
    body.orbit.eccentricity = 0.05;
    body.orbit.inclination = -1.25;
    body.orbit.ascendingNode = 200.75;
    body.orbit.argOfPericenter = 33.5;
    return body;
}

} // namespace

class CatalogueFormatTest : public QObject {
    Q_OBJECT

private slots:
    void numberTable_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("epoch") << 2457395.5 << "2457395.5";
        QTest::newRow("integer") << 360.0 << "360";
        QTest::newRow("negative") << -1.25 << "-1.25";
        QTest::newRow("0.1") << 0.1 << "0.1000000000000000056";
        QTest::newRow("0.1625") << 0.1625 << "0.1625000000000000056";
        QTest::newRow("1e-4 stays plain") << 0.0001 << "0.0001000000000000000048";
        QTest::newRow("1e-5 turns scientific") << 0.00001 << "1.000000000000000082e-05";
        QTest::newRow("1e19 turns scientific") << 1e19 << "1e+19";
        QTest::newRow("just below 1e19 stays plain")
            << 9999999999999997952.0 << "9999999999999997952";
        QTest::newRow("negative zero") << -0.0 << "-0";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "inf";
        QTest::newRow("smallest subnormal")
            << std::numeric_limits<double>::denorm_min() << "4.940656458412465442e-324";
    }
    void numberTable()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(number(value)), text);
    }

    // The fast formatter must write exactly what a stream at precision 19 writes.
    void numbersMatchTheStream_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("any bits") << 0;
        QTest::newRow("the catalogue's magnitudes") << 1;
        // m 2^-s with m odd and s small: the exact value has a 5 as its 20th
        // digit and nothing after it, so rounding to 19 digits is a tie.
        QTest::newRow("ties at the 20th digit") << 2;
        QTest::newRow("edges of the exact range, 1e-20 and 1e19") << 3;
    }
    void numbersMatchTheStream()
    {
        QFETCH(int, kind);
        std::mt19937_64 bits(12345 + kind);
        std::ostringstream stream;
        stream.precision(19);
        for (int i = 0; i < 300000; ++i) {
            double value;
            if (kind == 0) {
                std::uint64_t raw = bits();
                std::memcpy(&value, &raw, sizeof value);
                if (std::isnan(value))
                    continue;
            } else if (kind == 1) {
                value = std::ldexp(double(bits() >> 11), int(bits() % 120) - 100);
            } else if (kind == 2) {
                value = std::ldexp(double((bits() >> 12) | 1 | (std::uint64_t(1) << 52)),
                                   -int(bits() % 12));
            } else {
                double const edge = i % 2 ? 1e19 : 1e-20;
                value =
                    std::ldexp(edge, int(bits() % 16) - 8) * (1 + double(bits() >> 11) * 0x1p-60);
            }
            stream.str({});
            stream << value;
            if (stream.str() != number(value))
                QFAIL(qPrintable(QString("%1 written as %2")
                                     .arg(QString::fromStdString(stream.str()),
                                          QString::fromStdString(number(value)))));
        }
    }

    void singleBodyWorkedExample()
    {
        std::string const expected = "Asteroid \"VS 17\"\n"
                                     "{\n"
                                     "\tParentBody\t\"Sol\"\n"
                                     "\tClass\t\t\"Asteroid\"\n"
                                     "\tMass\t\t7.099822690414859139e-12\n"
                                     "\tRadius\t\t1.5\n"
                                     "\tRotationPeriod\t6.25\n"
                                     "\n"
                                     "\tObliquity\t\t123.5\n"
                                     "\n"
                                     "\tOrbit\n"
                                     "\t{\n"
                                     "\t\tEpoch\t\t\t2457395.5\n"
                                     "\t\tSemiMajorAxis\t0.1625000000000000056\n"
                                     "\t\tPeriod\t\t\t0.0655058442049257228\n"
                                     "\t\tEccentricity\t0.05000000000000000278\n"
                                     "\t\tInclination\t\t-1.25\n"
                                     "\t\tAscendingNode\t200.75\n"
                                     "\t\tArgOfPericen\t33.5\n"
                                     "\t\tRefPlane\t\t\"Ecliptic\"\n"
                                     "\t\tMeanAnomaly\t\t0\n"
                                     "\t}\n"
                                     "}\n"
                                     "\n";
        QCOMPARE(textOf(workedSingle()), expected);
    }

    void binaryBodyWorkedExample()
    {
        BinaryAsteroid body;
        body.objectType = BaseAsteroid::Comet;
        body.name = "VS 18";
        body.radius = 2;
        body.companionRadius = 1;
        body.density = 5.02209722780233e-13;
        body.orbit.semiMajorAxis = 0.17;
        body.orbit.eccentricity = 0.01;
        body.orbit.inclination = 2.5;
        body.orbit.ascendingNode = 10;
        body.orbit.argOfPericenter = 20;
        body.componentOrbit.period = 0.004106863997875025;
        body.componentOrbit.eccentricity = 0.05;
        body.componentOrbit.inclination = 90;
        body.componentOrbit.ascendingNode = 45;
        body.componentOrbit.argOfPericenter = 30;
        body.componentOrbit.referencePlane = Orbit::Equator;

        auto component = [](char const *suffix, char const *mass, char const *radius,
                            char const *pericenter) {
            return std::string("Comet \"VS 18 ") + suffix +
                   "\"\n{\n\tParentBody\t\"VS 18\"\n"
                   "\tClass\t\t\"Asteroid\"\n\tMass\t\t" +
                   mass + "\n\tRadius\t\t" + radius +
                   "\n\n\tOrbit\n\t{\n\t\tEpoch\t\t\t2457395.5\n"
                   "\t\tPeriod\t\t\t0.004106863997875025325\n"
                   "\t\tEccentricity\t0.05000000000000000278\n\t\tInclination\t\t90\n"
                   "\t\tAscendingNode\t45\n\t\tArgOfPericen\t" +
                   pericenter + "\n\t\tRefPlane\t\t\"Equator\"\n\t\tMeanAnomaly\t\t0\n\t}\n}\n\n";
        };
        std::string const expected =
            "Barycenter \"VS 18\"\n{\n\tParentBody\t\"Sol\"\n\n\tOrbit\n\t{\n"
            "\t\tEpoch\t\t\t2457395.5\n\t\tSemiMajorAxis\t0.1700000000000000122\n"
            "\t\tEccentricity\t0.01000000000000000021\n\t\tInclination\t\t2.5\n"
            "\t\tAscendingNode\t10\n\t\tArgOfPericen\t20\n\t\tRefPlane\t\t\"Ecliptic\"\n"
            "\t\tMeanAnomaly\t\t0\n\t}\n}\n\n" +
            component("A", "1.682920934024263158e-11", "2", "30") +
            component("B", "2.103651167530328948e-12", "1", "-150");
        QCOMPARE(textOf(body), expected);
        QCOMPARE(textOf(body), textOf(body)); // writing twice gives the same text
    }

    void notGivenValuesLeaveLinesOut()
    {
        Asteroid body = workedSingle();
        for (double axis : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
            body.orbit.semiMajorAxis = axis;
            QVERIFY(textOf(body).find("SemiMajorAxis") == std::string::npos);
        }
        body.orbit.period = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(textOf(body).find("\t\tPeriod\t") == std::string::npos);
        body.orbit.period = 0;
        QVERIFY(textOf(body).find("\t\tPeriod\t\t\t0\n") != std::string::npos);

        body.rotationPeriod = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(textOf(body).find("\tRadius\t\t1.5\n\n\tObliquity\t\t123.5\n\n\tOrbit\n") !=
                std::string::npos);
        body.obliquity = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(textOf(body).find("\tRadius\t\t1.5\n\n\tOrbit\n") != std::string::npos);
    }

    void wordsAndStrings()
    {
        Asteroid body = workedSingle();
        body.objectType = BaseAsteroid::Comet;
        QVERIFY(textOf(body).rfind("Comet \"VS 17\"\n{\n\tParentBody\t\"Sol\"\n"
                                   "\tClass\t\t\"Asteroid\"\n",
                                   0) == 0);

        // Unknown enumeration values write no word at all.
        body.objectType = static_cast<BaseAsteroid::ObjectType>(7);
        body.orbit.referencePlane = static_cast<Orbit::ReferencePlane>(-1);
        std::string const text = textOf(body);
        QVERIFY(text.rfind(" \"VS 17\"\n", 0) == 0);
        QVERIFY(text.find("\t\tRefPlane\t\t\n\t\tMeanAnomaly") != std::string::npos);

        body.name = "";
        QVERIFY(textOf(body).rfind(" \"\"\n", 0) == 0);

        // Names are written byte for byte, UTF-8 included.
        body.name = "Sonne \xE2\x8A\x99 1";
        QVERIFY(textOf(body).rfind(" \"Sonne \xE2\x8A\x99 1\"\n", 0) == 0);
    }

    void longNamesAndLongestNumbers()
    {
        // Every field at its longest text, and names far beyond any buffer's
        // fixed part: the text must still be whole.
        double const longest = -1.2345678901234567e-300;
        BinaryAsteroid body;
        body.name = std::string(5000, 'n');
        body.parentBody = std::string(3000, 'p');
        body.radius = body.companionRadius = body.density = longest;
        for (Orbit *orbit : {&body.orbit, &body.componentOrbit}) {
            orbit->epoch = orbit->period = orbit->eccentricity = orbit->inclination =
                orbit->ascendingNode = orbit->argOfPericenter = orbit->meanAnomaly = longest;
            orbit->semiMajorAxis = 1.2345678901234567e+300;
        }
        std::string const text = textOf(body);
        std::string const number = "-1.234567890123456757e-300\n";
        std::size_t count = 0;
        for (auto at = text.find(number); at != std::string::npos; at = text.find(number, at + 1))
            ++count;
        // The barycenter orbit; radius and orbit of A; radius and orbit of B, whose
        // pericenter is shifted. The masses underflow.
        QCOMPARE(count, std::size_t(7 + (1 + 7) + (1 + 6)));
        QVERIFY(text.rfind("Barycenter \"" + body.name + "\"\n{\n\tParentBody\t\"" +
                               body.parentBody + "\"\n",
                           0) == 0);
        QVERIFY(text.find("Comet") == std::string::npos);
        QVERIFY(text.find("Asteroid \"" + body.name + " B\"\n{\n\tParentBody\t\"" + body.name +
                          "\"\n") != std::string::npos);
        QVERIFY(text.size() > 5 * 5000 + 3000);
        QCOMPARE(text.substr(text.size() - 6), std::string("\t}\n}\n\n"));
    }

    void companionPericenterIsNotWrapped()
    {
        BinaryAsteroid body;
        body.componentOrbit.argOfPericenter = 200;
        std::string const text = textOf(body);
        auto const first = text.find("ArgOfPericen\t200\n");
        QVERIFY(first != std::string::npos);
        QVERIFY(text.find("ArgOfPericen\t20\n", first) != std::string::npos);
    }

    void streamInserters()
    {
        std::ostringstream out;
        out << Orbit::Equator << BaseAsteroid::Comet << static_cast<Orbit::ReferencePlane>(3)
            << static_cast<BaseAsteroid::ObjectType>(2);
        QCOMPARE(out.str(), std::string("\"Equator\"Comet"));

        std::ostringstream orbitOut;
        orbitOut << Orbit{};
        QCOMPARE(orbitOut.str(), std::string("\n\tOrbit\n\t{\n\t\tEpoch\t\t\t2457395.5\n"
                                             "\t\tEccentricity\t0\n\t\tInclination\t\t0\n"
                                             "\t\tAscendingNode\t0\n\t\tArgOfPericen\t0\n"
                                             "\t\tRefPlane\t\t\"Ecliptic\"\n"
                                             "\t\tMeanAnomaly\t\t0\n\t}\n"));
        QCOMPARE(orbitOut.precision(), std::streamsize(19));

        std::ostringstream bodyOut;
        Asteroid{}.print(bodyOut);
        QCOMPARE(bodyOut.precision(), std::streamsize(19));
    }

    void defaults()
    {
        Asteroid body;
        QCOMPARE(body.name, std::string("Astro"));
        QCOMPARE(body.parentBody, std::string("Sol"));
        QVERIFY(std::isnan(body.rotationPeriod) && std::isnan(body.obliquity));
        QVERIFY(std::isnan(body.orbit.period));
        QCOMPARE(body.orbit.epoch, 2457395.5);

        body.radius = 149597870.691;
        QCOMPARE(body.getSafeMoonRadius(), 1.2);
        body.radius = 0;
        QCOMPARE(body.getSafeMoonRadius(), 0.0);
    }
};

QTEST_APPLESS_MAIN(CatalogueFormatTest)
#include "tst_catalogueformat.moc"

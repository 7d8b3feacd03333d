// SPDX-License-Identifier: GPL-3.0-or-later
#include "Generator.h"
#include "GeneratorProbe.h"
#include "RandomSource.h"

#include <QtTest>

#include <string>

namespace {

// A source whose every step can be made to fail; it logs the calls it gets.
class FakeSource : public RandomSource {
public:
    OpenResult openResult = OpenResult::Opened;
    bool createWorks = true;
    bool readWorks = true;
    unsigned char byte = 7;
    std::string calls;

    OpenResult open(char const *container) override
    {
        calls += std::string("open(") + container + ") ";
        return openResult;
    }
    bool create(char const *container) override
    {
        calls += std::string("create(") + container + ") ";
        return createWorks;
    }
    bool read(void *buffer, std::size_t size) override
    {
        calls += "read(" + std::to_string(size) + ") ";
        if (!readWorks)
            return false;
        auto *bytes = static_cast<unsigned char *>(buffer);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<unsigned char>(byte + i);
        return true;
    }
    void close() override { calls += "close "; }
};

} // namespace

class RandomSourceTest : public QObject {
    Q_OBJECT

private slots:
    void drawSeedFromTheSource_data()
    {
        QTest::addColumn<int>("openResult");
        QTest::addColumn<bool>("createWorks");
        QTest::addColumn<bool>("readWorks");
        QTest::addColumn<qint64>("seed"); // -1: none
        QTest::addColumn<QString>("calls");
        using Open = RandomSource::OpenResult;
        // Four bytes 0x10..0x13, low byte first.
        QTest::newRow("opened") << int(Open::Opened) << true << true << qint64(319951120)
                                << "open(MyKeyContainer) read(4) close ";
        QTest::newRow("container created")
            << int(Open::NoKeyContainer) << true << true << qint64(319951120)
            << "open(MyKeyContainer) create(MyKeyContainer) read(4) close ";
        // The handle is released even when nothing could be read.
        QTest::newRow("unreadable") << int(Open::Opened) << true << false << qint64(-1)
                                    << "open(MyKeyContainer) read(4) close ";
        QTest::newRow("container cannot be created")
            << int(Open::NoKeyContainer) << false << true << qint64(-1)
            << "open(MyKeyContainer) create(MyKeyContainer) ";
        QTest::newRow("no handle")
            << int(Open::Failed) << true << true << qint64(-1) << "open(MyKeyContainer) ";
    }
    void drawSeedFromTheSource()
    {
        QFETCH(int, openResult);
        QFETCH(bool, createWorks);
        QFETCH(bool, readWorks);
        QFETCH(qint64, seed);
        QFETCH(QString, calls);
        FakeSource source;
        source.byte = 0x10;
        source.openResult = static_cast<RandomSource::OpenResult>(openResult);
        source.createWorks = createWorks;
        source.readWorks = readWorks;
        // Silent whatever happens, and the process goes on.
        RandomSource::replace(&source);
        auto const drawn = RandomSource::drawSeed();
        RandomSource::replace(nullptr);
        QCOMPARE(drawn ? qint64(*drawn) : qint64(-1), seed);
        QCOMPARE(QString::fromStdString(source.calls), calls);
    }

    void systemSourceGivesSeeds()
    {
        // Three draws of 32 bits all equal would mean the source is not being read.
        auto const a = RandomSource::drawSeed();
        auto const b = RandomSource::drawSeed();
        auto const c = RandomSource::drawSeed();
        QVERIFY(a && b && c);
        QVERIFY(!(*a == *b && *b == *c));
    }

    void engineAndFractions()
    {
        Generator generator(Settings{}, 5489);
        GeneratorProbe probe(generator);
        std::mt19937 copy = probe.engine();
        QCOMPARE(static_cast<unsigned>(copy()), 3499211612u);
        QCOMPARE(static_cast<unsigned>(copy()), 581869302u);

        double const x = probe.canonical();
        QVERIFY(sameTo12Digits(x, 0.135477004297));
        QVERIFY(sameTo12Digits(360 * x, 48.7717215468));
        QVERIFY(probe.engine() == copy); // exactly two outputs

        std::mt19937 zero(0);
        QCOMPARE(static_cast<unsigned>(zero()), 2357136044u);
        // All 32 bits of a given seed are used.
        Generator high(Settings{}, 0x80000000u);
        QVERIFY(GeneratorProbe(high).engine() == std::mt19937(0x80000000u));
        QVERIFY(!(GeneratorProbe(high).engine() == std::mt19937(0)));
    }

    void gaussianWorkedExample()
    {
        Generator generator(Settings{}, 5489);
        GeneratorProbe probe(generator);
        QVERIFY(sameTo12Digits(probe.gaussian(0, 1), 0.522421609745));
        std::mt19937 expected(5489);
        expected.discard(4); // the first attempt is accepted
        QVERIFY(probe.engine() == expected);
    }

    void gaussianBounds()
    {
        Generator generator(Settings{}, 1);
        GeneratorProbe probe(generator);

        // Equal bounds and bounds in the wrong order give the lower bound and
        // still use up whole attempts of four outputs.
        for (auto bounds : {std::pair{2.5, 2.5}, std::pair{3.0, 1.0}}) {
            for (int i = 0; i < 1000; ++i) {
                std::mt19937 before = probe.engine();
                QCOMPARE(probe.gaussian(bounds.first, bounds.second), bounds.first);
                int used = 0;
                while (!(before == probe.engine()) && used < 64) {
                    before();
                    ++used;
                }
                QVERIFY(used > 0 && used % 4 == 0);
            }
        }

        int atLow = 0, atHigh = 0;
        double sum = 0;
        int const draws = 200000;
        for (int i = 0; i < draws; ++i) {
            double const v = probe.gaussian(-1, 5);
            QVERIFY(v >= -1 && v <= 5);
            atLow += v == -1;
            atHigh += v == 5;
            sum += v;
        }
        // About 0.135 % at each bound: 270 expected of 200000.
        QVERIFY2(atLow > 150 && atLow < 400, qPrintable(QString::number(atLow)));
        QVERIFY2(atHigh > 150 && atHigh < 400, qPrintable(QString::number(atHigh)));
        QVERIFY(std::fabs(sum / draws - 2) < 0.02);
    }
};

QTEST_APPLESS_MAIN(RandomSourceTest)
#include "tst_randomsource.moc"

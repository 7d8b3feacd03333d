// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"
#include "Generator.h"
#include "GeneratorProbe.h"
#include "RandomSource.h"

#include <QtTest>

#include <cstdio>
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

// Seeds an engine through the fake in a child; the child reports the engine's
// first output and the calls after the source's own messages.
ChildResult seedInChild(FakeSource source)
{
    return runInChild([&source] {
        RandomSource::replace(&source);
        std::mt19937 engine;
        RandomSource::seedEngine(engine);
        std::printf("first=%u calls=%s", static_cast<unsigned>(engine()), source.calls.c_str());
    });
}

std::string firstOutput(unsigned seed)
{
    std::mt19937 engine(seed);
    return std::to_string(engine());
}

char const acquired[] = "A cryptographic context with the MyKeyContainer key container \n"
                        "has been acquired.\n\n";

} // namespace

class RandomSourceTest : public QObject {
    Q_OBJECT

private slots:
    void seedsWithOneByteFromTheSource()
    {
        FakeSource source;
        source.byte = 200;
        ChildResult const result = seedInChild(source);
        QCOMPARE(result.exitStatus, 0);
        QCOMPARE(result.output, std::string(acquired) + "first=" + firstOutput(200) +
                                    " calls=open(MyKeyContainer) read(1) close ");
    }

    void createsAMissingKeyContainer()
    {
        FakeSource source;
        source.openResult = RandomSource::OpenResult::NoKeyContainer;
        ChildResult const result = seedInChild(source);
        QCOMPARE(result.exitStatus, 0);
        QCOMPARE(result.output, "A new key container has been created.\nfirst=" + firstOutput(7) +
                                    " calls=open(MyKeyContainer) create(MyKeyContainer) read(1) "
                                    "close ");
    }

    void unreadableByteKeepsTheDefaultSeed()
    {
        FakeSource source;
        source.readWorks = false;
        ChildResult const result = seedInChild(source);
        QCOMPARE(result.exitStatus, 0);
        // The handle is still released.
        QCOMPARE(result.output, std::string(acquired) +
                                    "first=3499211612 calls=open(MyKeyContainer) read(1) close ");
    }

    void sourceThatCannotBeOpenedEndsTheProcess_data()
    {
        QTest::addColumn<int>("openResult");
        QTest::addColumn<QString>("message");
        QTest::newRow("container cannot be created")
            << int(RandomSource::OpenResult::NoKeyContainer)
            << "Could not create a new key container.\n";
        QTest::newRow("no handle") << int(RandomSource::OpenResult::Failed)
                                   << "A cryptographic service handle could not be acquired.\n";
    }
    void sourceThatCannotBeOpenedEndsTheProcess()
    {
        QFETCH(int, openResult);
        QFETCH(QString, message);
        FakeSource source;
        source.openResult = static_cast<RandomSource::OpenResult>(openResult);
        source.createWorks = false;
        ChildResult const result = seedInChild(source);
        QCOMPARE(result.exitStatus, 1);
        QCOMPARE(QString::fromStdString(result.output), message);
    }

    void drawSeedTakesFourBytesSilently()
    {
        FakeSource source;
        source.byte = 0x10;
        ChildResult const result = runInChild([&source] {
            RandomSource::replace(&source);
            auto const seed = RandomSource::drawSeed();
            std::printf("%s %s", seed ? std::to_string(*seed).c_str() : "none",
                        source.calls.c_str());
        });
        QCOMPARE(result.output, std::string("319951120 open(MyKeyContainer) read(4) close "));

        FakeSource broken;
        broken.readWorks = false;
        RandomSource::replace(&broken);
        QVERIFY(!RandomSource::drawSeed());
        broken.openResult = RandomSource::OpenResult::Failed;
        QVERIFY(!RandomSource::drawSeed());
        RandomSource::replace(nullptr);
    }

    void systemSourceGivesBytes()
    {
        // Four draws of 32 bits all equal would mean the source is not being read.
        auto const a = RandomSource::drawSeed();
        auto const b = RandomSource::drawSeed();
        auto const c = RandomSource::drawSeed();
        QVERIFY(a && b && c);
        QVERIFY(!(*a == *b && *b == *c));

        ChildResult const result = runInChild([] {
            std::mt19937 engine;
            RandomSource::seedEngine(engine);
            std::mt19937 candidate;
            for (unsigned seed = 0; seed < 256; ++seed) {
                candidate.seed(seed);
                if (candidate == engine)
                    std::printf("seed<256");
            }
        });
        QCOMPARE(result.exitStatus, 0);
        QCOMPARE(result.output, std::string(acquired) + "seed<256");
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The operating system's own random source, as each platform reaches it (the
// key container of Windows' CryptoAPI, getrandom on Linux): it opens, gives
// bytes that change from read to read, and seeds as the program does.
#include "RandomSource.h"
#include "SystemRandomSource.h"

#include <QtTest>

#include <vector>

class SystemRandomTest : public QObject {
    Q_OBJECT

private slots:
    void readsChangingBytes_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("a seed") << 4;
        QTest::newRow("a block") << 4096;
        QTest::newRow("several CryptoAPI calls") << 300000;
    }

    void readsChangingBytes()
    {
        QFETCH(int, size);
        RandomSource &source = systemRandomSource();
        RandomSource::OpenResult opened = source.open("MyKeyContainer");
        // The first run on a machine finds no key container and makes one.
        if (opened == RandomSource::OpenResult::NoKeyContainer && source.create("MyKeyContainer"))
            opened = RandomSource::OpenResult::Opened;
        QVERIFY(opened == RandomSource::OpenResult::Opened);
        std::vector<unsigned char> first(std::size_t(size), 0), second(std::size_t(size), 0);
        bool const read = source.read(first.data(), first.size()) &&
                          source.read(second.data(), second.size());
        source.close();
        QVERIFY(read);
        QVERIFY(first != second);
        // Nothing but zeros would mean nothing was written.
        QVERIFY(first != std::vector<unsigned char>(first.size(), 0));
    }

    void drawnSeedsDiffer()
    {
        std::vector<std::uint32_t> seeds;
        for (int i = 0; i < 4; ++i) {
            auto const seed = RandomSource::drawSeed();
            QVERIFY(seed);
            seeds.push_back(*seed);
        }
        QVERIFY(!(seeds[0] == seeds[1] && seeds[1] == seeds[2] && seeds[2] == seeds[3]));
    }
};

QTEST_APPLESS_MAIN(SystemRandomTest)
#include "tst_systemrandom.moc"

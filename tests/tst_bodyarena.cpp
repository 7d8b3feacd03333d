// SPDX-License-Identifier: GPL-3.0-or-later
#include "Asteroid.h"
#include "BinaryAsteroid.h"
#include "BodyArena.h"
#include "BeltRun.h"
#include "ThreadScope.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::uintptr_t chunkSize = std::uintptr_t(2) << 20;

std::uintptr_t chunkOf(void const *body)
{
    return reinterpret_cast<std::uintptr_t>(body) & ~(chunkSize - 1);
}

// Whether the page at address is mapped in this process.
bool mapped(std::uintptr_t address)
{
    unsigned char resident;
    return mincore(reinterpret_cast<void *>(address), 1, &resident) == 0;
}

// A body far larger than any real one.
struct HugeBody : Asteroid {
    char payload[1 << 16] = {};
};

} // namespace

class BodyArenaTest : public QObject {
    Q_OBJECT

private slots:
    void bodiesKeepTheirValues()
    {
        // Distinct, aligned storage: every body keeps what was written to it.
        std::vector<std::unique_ptr<BaseAsteroid>> bodies;
        for (int i = 0; i < 30000; ++i) {
            std::unique_ptr<BaseAsteroid> body;
            if (i % 3 == 0)
                body = std::make_unique<BinaryAsteroid>();
            else
                body = std::make_unique<Asteroid>();
            QCOMPARE(reinterpret_cast<std::uintptr_t>(body.get()) % alignof(std::max_align_t),
                     std::uintptr_t(0));
            body->radius = i;
            body->name = "body " + std::to_string(i);
            bodies.push_back(std::move(body));
        }
        for (int i = 0; i < 30000; ++i) {
            QCOMPARE(bodies[i]->radius, double(i));
            QCOMPARE(bodies[i]->name, "body " + std::to_string(i));
        }
        auto huge = std::make_unique<HugeBody>();
        huge->payload[sizeof huge->payload - 1] = 'x';
        QCOMPARE(huge->payload[sizeof huge->payload - 1], 'x');
    }

    void chunksGoBackWhenTheirBodiesAreFreed()
    {
        // Bodies made on one thread and freed on another, after the maker has
        // ended: no chunk may stay mapped, and none may go while in use.
        std::vector<std::unique_ptr<BaseAsteroid>> bodies;
        std::thread maker([&] {
            ThreadScope const scope;
            for (int i = 0; i < 40000; ++i)
                bodies.push_back(std::make_unique<Asteroid>());
        });
        maker.join();
        std::set<std::uintptr_t> chunks;
        for (auto const &body : bodies)
            chunks.insert(chunkOf(body.get()));
        QVERIFY(chunks.size() > 2); // several chunks were filled

        bodies.erase(bodies.begin(), bodies.begin() + 20000);
        for (auto const &body : bodies)
            QVERIFY(mapped(chunkOf(body.get())));
        bodies.back()->name = "still usable";
        QCOMPARE(bodies.back()->name, std::string("still usable"));

        bodies.clear();
        for (std::uintptr_t chunk : chunks)
            QVERIFY(!mapped(chunk));
    }

    // The generator's own threads hand their chunks back before they end, on
    // the path of small belts and on the pipeline of large ones.
    void generatorThreadsLeaveNoChunk_data()
    {
        QTest::addColumn<unsigned>("number");
        QTest::newRow("in order") << 3000u;
        QTest::newRow("pipeline") << 60000u;
    }
    void generatorThreadsLeaveNoChunk()
    {
        QFETCH(unsigned, number);
        QTemporaryDir folder;
        Settings settings(Settings::Vulcanoids);
        settings.number = number;
        auto generator = std::make_unique<Generator>(settings, 3);
        std::atomic<int> generated{0}, saved{0};
        QVERIFY(generateAndSave(*generator, folder.filePath("belt.sc").toStdString(), generated,
                                           saved));
        std::set<std::uintptr_t> chunks;
        for (auto const &body : generator->bodies())
            chunks.insert(chunkOf(body.get()));
        QVERIFY(!chunks.empty());
        generator.reset();
        for (std::uintptr_t chunk : chunks)
            QVERIFY2(!mapped(chunk), "a thread kept its chunk");
    }
};

QTEST_APPLESS_MAIN(BodyArenaTest)
#include "tst_bodyarena.moc"

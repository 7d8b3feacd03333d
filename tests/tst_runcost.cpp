// SPDX-License-Identifier: GPL-3.0-or-later
// The cost a run is expected to have, worked out before it starts: the size
// of the catalogue against the file a run then writes.
#include "ExampleSettings.h"
#include "BeltRun.h"
#include "Presets.h"
#include "RunCost.h"
#include "TestFiles.h"

#include <QtTest>

Q_DECLARE_METATYPE(Settings)

class RunCostTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Each example and preset at its own size, and with far more bodies than
    // the sample holds. The large belts are estimated with another seed than
    // the file's, as the window does before the run has drawn its seed.
    void sizeIsNearTheWrittenFile_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<unsigned>("estimateSeed");
        std::vector<std::pair<std::string, Settings>> belts;
        for (ExampleInfo const &example : examples())
            belts.emplace_back(example.shortName, exampleSettings(example.shortName));
        for (PresetInfo const &preset : presetTable)
            belts.emplace_back(preset.shortName, presetSettings(preset.preset));
        for (auto &[name, settings] : belts) {
            QTest::newRow(name.c_str()) << settings << 1904u << 1904u;
            settings.number = 100000;
            QTest::newRow((name + " large").c_str()) << settings << 1904u << 77u;
        }
    }
    void sizeIsNearTheWrittenFile()
    {
        QFETCH(Settings, settings);
        QFETCH(unsigned, seed);
        QFETCH(unsigned, estimateSeed);
        std::optional<RunCost> const cost = RunCost::of(settings, estimateSeed);
        QVERIFY(cost);
        QVERIFY(cost->seconds > 0);
        QVERIFY(cost->generatingShare > 0 && cost->generatingShare < 1);

        QString const path = dir.filePath("belt.sc");
        Generator generator(settings, seed);
        std::atomic<int> progress{0};
        generator.generate(progress);
        QVERIFY(saveBelt(generator, path.toStdString(), progress).ok);
        double const written = double(QFileInfo(path).size());
        QFile::remove(path);
        double const off = double(cost->bytes) / written - 1;
        QVERIFY2(std::fabs(off) < 0.02, qPrintable(QString("%1 estimated, %2 written")
                                                         .arg(cost->bytes)
                                                         .arg(written, 0, 'f', 0)));
    }

    void noBodiesCostNothing()
    {
        Settings settings = presetSettings(Settings::Vulcanoids);
        settings.number = 0;
        std::optional<RunCost> const cost = RunCost::of(settings, 1);
        QVERIFY(cost && cost->bytes == 0 && cost->seconds == 0);
    }

    void stoppedEstimateGivesNothing()
    {
        std::atomic<bool> stop{true};
        QVERIFY(!RunCost::of(presetSettings(Settings::OortCloud), 1, &stop));
    }
};

QTEST_GUILESS_MAIN(RunCostTest)
#include "tst_runcost.moc"

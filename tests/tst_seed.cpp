// SPDX-License-Identifier: GPL-3.0-or-later
// Seeds and the belt preview in the window: a seed entered in the preview
// makes the command line's bytes, the seed shown after a default run makes
// that run again, the preview shows the bodies the run then writes, the
// question on closing holds the file's replacement, and the German texts fit
// when the language is switched after an English start.
#include "BeltPlot.h"
#include "Presets.h"
#include "PreviewWindow.h"
#include "RandomSource.h"
#include "Run.h"
#include "WindowFixture.h"

#include <QRegularExpression>

#ifndef BELTWRIGHT_CLI
#error "BELTWRIGHT_CLI must name the built command-line program"
#endif

namespace {

std::string const oldText = "a catalogue from an earlier run\n";

// A system without a random source.
class NoSource : public RandomSource {
public:
    OpenResult open(char const *) override { return OpenResult::Failed; }
    bool create(char const *) override { return false; }
    bool read(void *, std::size_t) override { return false; }
    void close() override {}
};

struct Elements {
    double a, e, i;
};

// Semi-major axis, eccentricity and inclination of each body that orbits the
// centre, in the catalogue's order (the components of binaries left out).
std::vector<Elements> beltElements(std::string const &catalogue, QString const &centre)
{
    std::vector<Elements> found;
    QStringList const blocks = QString::fromStdString(catalogue).split(
        QRegularExpression("^(?=(Asteroid|Barycenter|Comet) \")",
                           QRegularExpression::MultilineOption),
        Qt::SkipEmptyParts);
    auto value = [](QString const &block, char const *key) {
        QRegularExpression const line(QString("^\\t+%1\\t+(\\S+)$").arg(key),
                                      QRegularExpression::MultilineOption);
        return block.contains(line) ? line.match(block).captured(1).toDouble() : -1.0;
    };
    for (QString const &block : blocks) {
        if (!block.contains("\tParentBody\t\"" + centre + "\""))
            continue;
        found.push_back({value(block, "SemiMajorAxis"), value(block, "Eccentricity"),
                         value(block, "Inclination")});
    }
    return found;
}

} // namespace

class SeedTest : public WindowFixture {
    Q_OBJECT

    void useBelt(char const *preset, int number)
    {
        actionWithText(w<QMenu>("menu_loadPreset"), preset)->trigger();
        w<QSpinBox>("spinBox_number")->setValue(number);
    }

    bool runToTheEnd()
    {
        w<QPushButton>("pushButton_generate")->click();
        return followRun(*window).ended;
    }

    PreviewWindow *openPreview(QString const &seed)
    {
        w<QAction>("action_preview")->trigger();
        auto *preview = window->findChild<PreviewWindow *>();
        if (preview) {
            auto *edit = preview->findChild<QLineEdit *>("lineEdit_seed");
            edit->selectAll();
            QTest::keyClicks(edit, seed);
        }
        return preview;
    }

    static bool shown(PreviewWindow *preview)
    {
        return preview && !preview->busy() && preview->shownPreview();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        openWindow();
        chooseTarget();
    }
    void cleanup()
    {
        closeWindow();
        RandomSource::replace(nullptr);
    }

    void enteredSeedGivesTheCommandLinesBytes_data()
    {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("number");
        QTest::newRow("smallest seed") << "0"
                                       << "Vulcanoids" << 300;
        QTest::newRow("largest seed") << "4294967295"
                                      << "Oort Cloud" << 300;
        QTest::newRow("a large belt") << "3811352640"
                                      << "Toliman A Comets" << 40000;
    }
    void enteredSeedGivesTheCommandLinesBytes()
    {
        QFETCH(QString, seed);
        QFETCH(QString, preset);
        QFETCH(int, number);
        useBelt(preset.toUtf8().constData(), number);
        w<QCheckBox>("checkBox_barycenter")->setChecked(true);
        w<QRadioButton>("radioButton_earthMass")->setChecked(true);
        w<QDoubleSpinBox>("doubleSpinBox_totalMass")->setValue(1.5);
        PreviewWindow *preview = openPreview(seed);
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->seed(), std::optional<std::uint32_t>(seed.toUInt()));

        QVERIFY(runToTheEnd());
        QCOMPARE(window->lastRunSeed(), std::optional<std::uint32_t>(seed.toUInt()));
        QCOMPARE(w<QLabel>("label_seed")->text(), "Seed: " + seed);

        Run const cli = runCli({"--preset", preset, "--number", QString::number(number),
                                "--barycenter", "--total-mass", "1.5", "--mass-unit", "earth",
                                "--seed", seed, "-q", "-o", dir.filePath("cli.sc")});
        QCOMPARE(cli.exitCode, 0);
        std::string const written = readFile(target);
        QVERIFY(!written.empty());
        QVERIFY(written == readFile(dir.filePath("cli.sc")));
    }

    // A preset loaded in the window and the same preset named on the command
    // line make the same file.
    void presetGivesTheCommandLinesBytes_data()
    {
        QTest::addColumn<QString>("menuText");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<unsigned>("seed");
        for (PresetInfo const &info : presetTable) {
            for (unsigned seed : {42u, 5489u, 4294967295u})
                QTest::addRow("%s/%u", info.shortName.data(), seed)
                    << QString::fromUtf8(info.menuText.data(), int(info.menuText.size()))
                    << QString::fromUtf8(info.shortName.data(), int(info.shortName.size())) << seed;
        }
    }
    void presetGivesTheCommandLinesBytes()
    {
        QFETCH(QString, menuText);
        QFETCH(QString, shortName);
        QFETCH(unsigned, seed);
        actionWithText(w<QMenu>("menu_loadPreset"), menuText)->trigger();
        window->setSeed(seed);
        QVERIFY(runToTheEnd());

        Run const cli = runCli({"--preset", shortName, "--seed", QString::number(seed), "-q", "-o",
                                dir.filePath("cli.sc")});
        QCOMPARE(cli.exitCode, 0);
        std::string const written = readFile(target);
        QVERIFY(!written.empty());
        QVERIFY(written == readFile(dir.filePath("cli.sc")));
    }

    void shownSeedOfADefaultRunMakesItAgain()
    {
        useBelt("eBelt-EM", 500);
        QVERIFY(!w<QLabel>("label_seed")->isVisible());
        QVERIFY(runToTheEnd());
        QLabel *label = w<QLabel>("label_seed");
        QVERIFY(label->isVisible());
        QRegularExpressionMatch const match =
            QRegularExpression("^Seed: (\\d+)$").match(label->text());
        QVERIFY2(match.hasMatch(), qPrintable(label->text()));
        bool ok = false;
        unsigned const shownSeed = match.captured(1).toUInt(&ok);
        QVERIFY(ok);
        Settings const settings = window->formSettings();
        std::string const first = readFile(target);
        QVERIFY(first == coreCatalogue(settings, shownSeed, dir.filePath("again.sc")));

        // Each default run draws its own seed, and the label follows.
        target = dir.filePath("second.sc");
        QVERIFY(runToTheEnd());
        QVERIFY(label->text() != match.captured(0));
        QVERIFY(readFile(target) != first);
    }

    void seedThatCannotBeDrawnIsReported()
    {
        NoSource none;
        RandomSource::replace(&none);
        useBelt("Vulcanoids", 10);
        BoxAnswerer answerer;
        w<QPushButton>("pushButton_generate")->click();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Warning);
        QVERIFY2(answerer.boxes[0].text.contains("No seed could be drawn"),
                 qPrintable(answerer.boxes[0].text));
        // No file asked for, nothing written, the window still there and idle.
        QCOMPARE(choices, 0);
        QVERIFY(entries(dir.path()).isEmpty());
        QVERIFY(window->isVisible());
        QVERIFY(w<QPushButton>("pushButton_generate")->isEnabled());
        QCOMPARE(statusLabel(*window)->text(), QString("Ready"));
    }

    void previewShowsTheBodiesTheRunWrites()
    {
        useBelt("Vulcanoids", 400);
        PreviewWindow *preview = openPreview("20240611");
        QTRY_VERIFY_WITH_TIMEOUT(shown(preview), 30000);

        // It follows the form: a wider belt, flat.
        w<QDoubleSpinBox>("doubleSpinBox_outerRadius")->setValue(0.5);
        w<QDoubleSpinBox>("doubleSpinBox_maxInclination")->setValue(0);
        QVERIFY(preview->busy());
        QTRY_VERIFY_WITH_TIMEOUT(shown(preview), 30000);
        auto const picture = preview->shownPreview();
        QCOMPARE(preview->shownSeed(), std::optional<std::uint32_t>(20240611));
        QCOMPARE(picture->bodyCount(), std::size_t(400));

        QVERIFY(runToTheEnd());
        std::vector<Elements> const written = beltElements(readFile(target), "Sol");
        auto const &ae = picture->panel(BeltPreview::AxisEccentricity).points;
        auto const &ai = picture->panel(BeltPreview::AxisInclination).points;
        QCOMPARE(written.size(), ae.size());
        double widest = 0;
        for (std::size_t k = 0; k < written.size(); ++k) {
            QCOMPARE(ae[k].x, written[k].a);
            QCOMPARE(ae[k].y, written[k].e);
            QCOMPARE(ai[k].y, written[k].i);
            QCOMPARE(ai[k].y, 0.0);
            widest = std::max(widest, written[k].a);
        }
        QVERIFY(widest > 0.2 && widest <= 0.5);
    }

    void previewWithoutSeedRefusesToGenerate()
    {
        PreviewWindow *preview = openPreview("");
        QVERIFY(preview);
        preview->findChild<QLineEdit *>("lineEdit_seed")->clear();
        BoxAnswerer answerer;
        w<QPushButton>("pushButton_generate")->click();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(choices, 0);
        // Once it is closed, runs draw their seeds again.
        preview->close();
        QVERIFY(runToTheEnd());
        QCOMPARE(choices, 1);
        QVERIFY(window->lastRunSeed());
    }

    // The run finishes writing while the question is open; the answer decides
    // whether its catalogue replaces the file.
    void runThatFinishesUnderTheQuestion_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("stop: the old file stays") << true;
        QTest::newRow("go on: the file is replaced") << false;
    }
    void runThatFinishesUnderTheQuestion()
    {
        QFETCH(bool, stop);
        unsigned const seed = 7;
        Settings settings(Settings::Vulcanoids);
        settings.number = 150000;
        QTemporaryDir elsewhere;
        std::string const expected =
            coreCatalogue(settings, seed, elsewhere.filePath("expected.sc"));
        writeFile(target, oldText);
        window->setSeed(seed);
        useBelt("Vulcanoids", 150000);
        w<QPushButton>("pushButton_generate")->click();

        bool complete = false;   // the whole catalogue waited beside the file
        bool oldWasKept = false; // and the file was still the old one
        QTimer poll;
        poll.setInterval(5);
        QElapsedTimer clock;
        clock.start();
        connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            // The text may have no name yet: look for it among the open files.
            QDir const open("/proc/self/fd");
            for (QString const &fd :
                 open.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
                QFileInfo const file(open.filePath(fd));
                if (file.symLinkTarget().startsWith(dir.path() + "/") &&
                    file.symLinkTarget() != target && file.size() == qint64(expected.size()))
                    complete = true;
            }
            if (!complete && clock.elapsed() < 60000)
                return;
            oldWasKept = readFile(target) == oldText;
            poll.stop();
            box->button(stop ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        poll.start();
        QCOMPARE(window->close(), stop);
        QVERIFY(complete);
        QVERIFY(oldWasKept);
        if (stop) {
            QCOMPARE(readFile(target), oldText);
        } else {
            QVERIFY(followRun(*window).ended);
            QVERIFY(readFile(target) == expected);
        }
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
    }

    // The preview is a window of its own, yet it shows the form's font.
    void previewHasTheFormsFont()
    {
        PreviewWindow *preview = openPreview("1");
        QVERIFY(preview);
        QCOMPARE(preview->font().family(), window->font().family());
        QCOMPARE(preview->findChild<QLabel *>("label_previewStatus")->font().pointSizeF(),
                 window->font().pointSizeF());
    }

    // A switch of language redraws the preview's numbers in that language's
    // format: "2,000" becomes "2.000" and back.
    void previewNumbersFollowTheLanguage()
    {
        useBelt("Vulcanoids", 2000);
        PreviewWindow *preview = openPreview("5");
        QTRY_VERIFY_WITH_TIMEOUT(shown(preview), 30000);
        auto *plot = preview->findChild<QWidget *>("plotView");
        auto const drawn = [&](QLocale const &numbers) {
            return BeltPlot::image(*preview->shownPreview(), plot->size(), "Sol", QString(), numbers);
        };
        auto const shownNow = [&] {
            return plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QLocale const english(QLocale::English, QLocale::UnitedStates);
        QLocale const german(QLocale::German);
        QVERIFY(drawn(english) != drawn(german));
        QVERIFY(shownNow() == drawn(english));
        for (auto const &[action, numbers] :
             {std::pair{"action_german", german}, std::pair{"action_english", english}}) {
            w<QAction>(action)->trigger();
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents();
            QVERIFY2(shownNow() == drawn(numbers), action);
        }
    }

    void germanAfterAnEnglishStartFits()
    {
        QCOMPARE(QLocale::system().name(), QString("en_US"));
        QTest::qWait(20);
        QCOMPARE(crampedWidgets(*window), QStringList());
        w<QAction>("action_german")->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        QTest::qWait(20);
        QCOMPARE(w<QRadioButton>("radioButton_solarMass")->text(), QString("Sonnenmassen"));
        QCOMPARE(crampedWidgets(*window), QStringList());
        w<QAction>("action_english")->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        QTest::qWait(20);
        QCOMPARE(crampedWidgets(*window), QStringList());
    }
};

BELT_WINDOW_TEST_MAIN(SeedTest, "en_US.UTF-8")
#include "tst_seed.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Generation runs driven through the window: the catalogue written, the
// status shown, failures and refusals reported, and closing during a run.
#include "PreviewWindow.h"
#include "WindowFixture.h"

#include <QFileDialog>

namespace {

unsigned const seed = 20240611;
std::string const oldText = "a catalogue from an earlier run\n";

} // namespace

class RunTest : public WindowFixture {
    Q_OBJECT

    void generate() { w<QPushButton>("pushButton_generate")->click(); }

    void useBelt(char const *preset, int number)
    {
        actionWithText(w<QMenu>("menu_loadPreset"), preset)->trigger();
        w<QSpinBox>("spinBox_number")->setValue(number);
    }

    bool idle()
    {
        return statusLabel(*window)->text() == "Ready" && progressBar(*window)->isHidden() &&
               w<QPushButton>("pushButton_generate")->isEnabled();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        openWindow();
        chooseTarget();
        window->setSeed(seed);
    }
    void cleanup()
    {
        closeWindow();
    }

    void wholeRunWritesTheCoreCatalogue()
    {
        // A comet belt round a barycenter given in Earth masses, so that the
        // unit conversion and both lists reach the file.
        useBelt("Toliman A Comets", 40000);
        w<QCheckBox>("checkBox_barycenter")->setChecked(true);
        w<QRadioButton>("radioButton_earthMass")->setChecked(true);
        w<QDoubleSpinBox>("doubleSpinBox_totalMass")->setValue(1.0);
        w<QComboBox>("comboBox_referencePlane")->setCurrentText("Equator");

        Settings expected(Settings::TolimanAComets);
        expected.number = 40000;
        expected.barycenter = true;
        expected.totalMass = 3.003167261575587e-06;
        expected.referencePlane = Orbit::Equator;

        generate();
        QCOMPARE(choices, 1);
        QCOMPARE(statusLabel(*window)->text(), QString("Generating"));
        QVERIFY(!w<QPushButton>("pushButton_generate")->isEnabled());
        QVERIFY(progressBar(*window)->isVisible());
        // The form stays usable and its changes do not reach the run.
        QVERIFY(w<QWidget>("centralwidget")->isEnabled());
        actionWithText(w<QMenu>("menu_loadPreset"), "Vulcanoids")->trigger();
        w<QAction>("action_german")->trigger();
        w<QAction>("action_english")->trigger();

        RunTrace const trace = followRun(*window);
        QVERIFY(trace.ended);
        QCOMPARE(trace.statuses, (QStringList{"Generating", "Saving", "Ready"}));
        QVERIFY(trace.barAlwaysShown);
        QVERIFY2(trace.highestProgress > 0, qPrintable(QString::number(trace.highestProgress)));
        QVERIFY(idle());

        std::string const written = readFile(target);
        QVERIFY(!written.empty());
        QVERIFY(written == coreCatalogue(expected, seed, dir.filePath("core.sc")));
        QCOMPARE(entries(dir.path()), (QStringList{"belt.sc", "core.sc"}));

        // A second run after the first, with what the form now holds.
        target = dir.filePath("second.sc");
        w<QSpinBox>("spinBox_number")->setValue(50);
        generate();
        QVERIFY(followRun(*window).ended);
        Settings second(Settings::Vulcanoids);
        second.number = 50;
        QVERIFY(readFile(target) == coreCatalogue(second, seed, dir.filePath("core2.sc")));
    }

    // Before the run the status line gives the file's size, near what the
    // run then writes; during it the bar gives the time left.
    void costBeforeAndTimeLeftDuring()
    {
        useBelt("Vulcanoids", 100000);
        auto *cost = w<QLabel>("label_cost");
        QRegularExpression const expected(
            R"(^Expected: ([0-9.]+)\x{a0}MB in (under 1 s|about [0-9]+ s)$)");
        QTRY_VERIFY2(expected.match(cost->text()).hasMatch(), qPrintable(cost->text()));
        QVERIFY(cost->isVisible());
        double const megabytes = expected.match(cost->text()).captured(1).toDouble();

        generate();
        QVERIFY(!cost->isVisible());
        QRegularExpression const left(R"(^(under 1 s|about [0-9]+ s) left$)");
        QTRY_VERIFY(progressBar(*window)->value() > 0);
        QVERIFY2(left.match(progressBar(*window)->text()).hasMatch(),
                 qPrintable(progressBar(*window)->text()));
        QVERIFY(followRun(*window).ended);
        QVERIFY(cost->isVisible());
        double const written = double(QFileInfo(target).size()) / 1e6;
        QVERIFY2(std::fabs(megabytes / written - 1) < 0.02, qPrintable(QString::number(written)));
    }

    // The save dialog of a large belt says what it will cost; a small belt's
    // keeps the toolkit's caption.
    void saveDialogGivesALargeBeltsCost_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("cost"); // on the status line, once worked out
        QTest::addColumn<QString>("caption");
        QTest::newRow("large") << 1000000 << R"(^Expected: [0-9]{3}\x{a0}MB)"
                               << R"(^Save the catalogue: [0-9]{3}\x{a0}MB, made in )";
        QTest::newRow("small") << 1000 << R"(^Expected: [0-9.]+\x{a0}kB)" << "^$";
    }
    void saveDialogGivesALargeBeltsCost()
    {
        QFETCH(int, number);
        QFETCH(QString, cost);
        QFETCH(QString, caption);
        useBelt("Vulcanoids", number);
        QTRY_VERIFY2(QRegularExpression(cost).match(w<QLabel>("label_cost")->text()).hasMatch(),
                     qPrintable(w<QLabel>("label_cost")->text()));
        window->setFileChooser({});
        QString title = "no dialog";
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
            QWidget *dialog = QApplication::activeModalWidget();
            title = dialog->windowTitle();
            dialog->close();
        });
        generate();
        QVERIFY2(QRegularExpression(caption).match(title).hasMatch(), qPrintable(title));
        QVERIFY(idle());
    }

    // A belt of no bodies is refused before a file is asked for, saying why,
    // and the file it would have emptied stays as it was.
    void emptyBelt()
    {
        writeFile(target, oldText);
        useBelt("Vulcanoids", 0);
        BoxAnswerer answerer;
        generate();
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY2(answerer.boxes[0].text.contains("would have no body"),
                 qPrintable(answerer.boxes[0].text));
        QCOMPARE(choices, 0);
        QVERIFY(idle());
        QCOMPARE(readFile(target), oldText);
    }

    void noFileChosen()
    {
        target.clear();
        BoxAnswerer answerer;
        generate();
        QTest::qWait(50);
        QCOMPARE(choices, 1);
        QVERIFY(idle());
        QVERIFY(answerer.boxes.isEmpty());
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void failedSaveIsShown_data()
    {
        QTest::addColumn<QString>("path"); // %1: the temporary directory
        QTest::addColumn<bool>("runs");    // false: refused before generating
        QTest::addColumn<QString>("text");
        QTest::newRow("missing directory")
            << "%1/missing/belt.sc" << false
            << "Cannot create \"%1/missing/belt.sc\": No such file or directory.";
        QTest::newRow("folder as target")
            << "%1" << false << "Cannot write \"%1\": Is a directory.";
        QTest::newRow("full device")
            << "/dev/full" << true << "Cannot write \"/dev/full\": No space left on device.";
    }
    void failedSaveIsShown()
    {
        QFETCH(QString, path);
        QFETCH(bool, runs);
        QFETCH(QString, text);
        target = QString(path).replace("%1", dir.path());
        useBelt("Vulcanoids", 100);
        BoxAnswerer answerer;
        generate();
        if (runs) {
            QVERIFY(followRun(*window).ended);
        } else {
            // The box came before any run: the status never left "Ready".
            QCOMPARE(answerer.boxes.size(), 1);
            QCOMPARE(statusLabel(*window)->text(), QString("Ready"));
        }
        QTRY_COMPARE(answerer.boxes.size(), 1);
        BoxAnswerer::Box const box = answerer.boxes[0];
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.text,
                 "The catalogue could not be saved.\n\n" + text.replace("%1", dir.path()));
        QCOMPARE(choices, 1);
        QVERIFY(idle());
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void refusedSettingsAreListed()
    {
        useBelt("Vulcanoids", 100);
        w<QLineEdit>("lineEdit_beltName")->setText("V\"S");
        w<QLineEdit>("lineEdit_beltCenter")->setText("Sol\tb");
        w<QCheckBox>("checkBox_barycenter")->setChecked(true); // with a total mass of 0
        Settings const before = window->formSettings();

        BoxAnswerer answerer;
        generate();
        QCOMPARE(answerer.boxes.size(), 1);
        BoxAnswerer::Box const box = answerer.boxes[0];
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.text.count("\u2022 "), 3);
        QVERIFY2(box.text.contains("Belt name contains a double quote"), qPrintable(box.text));
        QVERIFY2(box.text.contains("Center object contains a control character"),
                 qPrintable(box.text));
        QVERIFY2(box.text.contains("Total mass must be"), qPrintable(box.text));

        // No file asked for, nothing started, the form as it was.
        QCOMPARE(choices, 0);
        QTest::qWait(50);
        QVERIFY(idle());
        QVERIFY(entries(dir.path()).isEmpty());
        QCOMPARE(w<QLineEdit>("lineEdit_beltName")->text(), QString("V\"S"));
        QCOMPARE(w<QLineEdit>("lineEdit_beltCenter")->text(), QString("Sol\tb"));
        Settings const after = window->formSettings();
        QCOMPARE(after.beltName, before.beltName);
        QCOMPARE(after.barycenter, before.barycenter);
        QCOMPARE(after.number, before.number);
    }

    void namesTheReaderCannotLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("center");
        QTest::addColumn<QString>("problem"); // empty: no refusal
        QTest::newRow("backslash in name")
            << "V\\S"
            << "Sol"
            << "Belt name contains a backslash, which the catalogue's reader takes as the start "
               "of an escape: remove it.";
        QTest::newRow("backslash in center")
            << "VS"
            << "C:\\Sol"
            << "Center object contains a backslash, which the catalogue's reader takes as the "
               "start of an escape: remove it.";
        QTest::newRow("empty center")
            << "VS"
            << ""
            << "Center object is empty or only spaces: every body would name an empty "
               "parent, which the catalogue's reader cannot find, so "
               "none of them would load. Enter the object the bodies "
               "orbit.";
        QTest::newRow("center of spaces")
            << "VS"
            << "   "
            << "Center object is empty or only spaces: every body would name an empty parent, "
               "which the catalogue's reader cannot find, so none of them would load. Enter the "
               "object the bodies orbit.";
        QTest::newRow("empty name") << ""
                                    << "Sol"
                                    << "";
    }
    void namesTheReaderCannotLoad()
    {
        QFETCH(QString, name);
        QFETCH(QString, center);
        QFETCH(QString, problem);
        useBelt("Vulcanoids", 5);
        w<QLineEdit>("lineEdit_beltName")->setText(name);
        w<QLineEdit>("lineEdit_beltCenter")->setText(center);
        BoxAnswerer answerer;
        generate();
        if (problem.isEmpty()) {
            QVERIFY(followRun(*window).ended);
            QVERIFY(answerer.boxes.isEmpty());
            QVERIFY(readFile(target).find(" \" 1\"\n{\n") != std::string::npos);
            return;
        }
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].text, "No belt was generated: the catalogue could not be read "
                                         "with these settings.\n\n\u2022 " +
                                             problem);
        QCOMPARE(choices, 0);
        QVERIFY(idle());
        QVERIFY(entries(dir.path()).isEmpty());
    }

    // The planet's problems name the field and how to mend it.
    void planetProblemsAreNamed_data()
    {
        QTest::addColumn<QStringList>("steps"); // "widget=value" with the planet on
        QTest::addColumn<QString>("problem");
        QTest::newRow("no axis")
            << QStringList{"doubleSpinBox_planetSemiMajorAxis=0"}
            << "Planet's semi-major axis must be above 0 for the planet: enter a larger value, or "
               "clear \"A planet shapes the belt\".";
        QTest::newRow("gap list")
            << QStringList{"checkBox_resonanceGaps=1", "lineEdit_gapResonances=3:1 9:1"}
            << "Gap resonances holds a word that is not a resonance the planet has: enter "
               "resonances p:q apart by spaces,";
        QTest::newRow("too heavy")
            << QStringList{"doubleSpinBox_planetMass=2000"}
            << "Planet's mass is at least the mass of the center object the planet goes round: "
               "enter a smaller mass for the planet, or a larger Central mass (with Barycenter: "
               "Total mass).";
        QTest::newRow("no room")
            << QStringList{"doubleSpinBox_planetSemiMajorAxis=0.165", "checkBox_clearedOrbit=1"}
            << "The planet's gaps and its cleared orbit cover the whole belt from Belt inner "
               "radius to Belt outer radius, so its bodies have nowhere to go: widen the belt, or "
               "clear \"Gaps at resonances\" or \"Clear the planet's orbit\".";
    }
    void planetProblemsAreNamed()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, problem);
        useBelt("Vulcanoids", 5);
        w<QCheckBox>("checkBox_planet")->setChecked(true);
        for (QString const &step : steps) {
            QString const name = step.section('=', 0, 0);
            QString const value = step.section('=', 1);
            if (auto *box = window->findChild<QCheckBox *>(name))
                box->setChecked(value == "1");
            else if (auto *edit = window->findChild<QLineEdit *>(name))
                edit->setText(value);
            else
                w<QDoubleSpinBox>(qPrintable(name))->setValue(value.toDouble());
        }
        BoxAnswerer answerer;
        generate();
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY2(answerer.boxes[0].text.contains("\u2022 " + problem),
                 qPrintable(answerer.boxes[0].text));
        QCOMPARE(choices, 0);
    }

    void boundsInTheWrongOrderAreNotRefused()
    {
        useBelt("Vulcanoids", 20);
        w<QDoubleSpinBox>("doubleSpinBox_innerRadius")->setValue(0.5);
        w<QDoubleSpinBox>("doubleSpinBox_outerRadius")->setValue(0.2);
        w<QDoubleSpinBox>("doubleSpinBox_minRadius")->setValue(4);
        w<QDoubleSpinBox>("doubleSpinBox_maxRadius")->setValue(1);
        BoxAnswerer answerer;
        generate();
        QVERIFY(followRun(*window).ended);
        QVERIFY(answerer.boxes.isEmpty());
        Settings expected(Settings::Vulcanoids);
        expected.number = 20;
        expected.populations[0].innerRadius = 0.5;
        expected.populations[0].outerRadius = 0.2;
        expected.populations[0].minRadius = 4;
        expected.populations[0].maxRadius = 1;
        QVERIFY(readFile(target) == coreCatalogue(expected, seed, dir.filePath("core.sc")));
    }

    void closingDuringARun_data()
    {
        QTest::addColumn<QString>("phase"); // the status when the window is closed
        QTest::newRow("while generating") << "Generating";
        QTest::newRow("while saving") << "Saving";
    }
    void closingDuringARun()
    {
        QFETCH(QString, phase);
        writeFile(target, oldText);
        useBelt("Oort Cloud", 400000);
        generate();
        QTRY_COMPARE_WITH_TIMEOUT(statusLabel(*window)->text(), phase, 30000);

        BoxAnswerer answerer(QMessageBox::Yes);
        QVERIFY(window->close());
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Question);
        QVERIFY(!window->isVisible());
        // The run was stopped: the old file is as it was and no temporary
        // file is left beside it.
        QCOMPARE(readFile(target), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
        QVERIFY(idle());
        window.reset(); // would abort on a worker still joinable
    }

    void closingDeclinedLetsTheRunGoOn()
    {
        useBelt("Vulcanoids", 60000);
        generate();
        BoxAnswerer answerer(QMessageBox::No);
        QVERIFY(!window->close());
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY(window->isVisible());
        QVERIFY(followRun(*window).ended);
        Settings expected(Settings::Vulcanoids);
        expected.number = 60000;
        QVERIFY(readFile(target) == coreCatalogue(expected, seed, dir.filePath("core.sc")));

        // Once the run is over, closing asks nothing.
        BoxAnswerer none;
        QVERIFY(window->close());
        QVERIFY(none.boxes.isEmpty());
    }

    // Escape in the preview stops the run, whatever has the focus there, and
    // leaves the preview open; the old file stays as it was.
    void escapeInThePreviewStopsTheRun_data()
    {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("focus"); // a widget of the preview
        QTest::newRow("seed field, generating") << "Generating" << "lineEdit_seed";
        QTest::newRow("button, saving") << "Saving" << "pushButton_newSeed";
    }
    void escapeInThePreviewStopsTheRun()
    {
        QFETCH(QString, phase);
        QFETCH(QString, focus);
        writeFile(target, oldText);
        useBelt("Oort Cloud", 400000);
        PreviewWindow *preview = window->showPreview();
        QApplication::setActiveWindow(preview);
        QVERIFY(QTest::qWaitForWindowActive(preview));
        auto *field = preview->findChild<QWidget *>(focus);
        field->setFocus();
        generate();
        QTRY_COMPARE_WITH_TIMEOUT(statusLabel(*window)->text(), phase, 30000);
        QApplication::setActiveWindow(preview);
        QVERIFY(QTest::qWaitForWindowActive(preview));
        QVERIFY(field->hasFocus());

        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(followRun(*window).ended);
        QCOMPARE(readFile(target), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
        QCOMPARE(w<QLabel>("label_saved")->text(), QString("Stopped: nothing was saved"));
        QVERIFY(preview->isVisible());

        // With no run, Escape leaves the preview beside the form.
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(preview->isVisible());
    }

    void destroyedDuringARun()
    {
        writeFile(target, oldText);
        useBelt("Oort Cloud", 400000);
        generate();
        QTRY_COMPARE(statusLabel(*window)->text(), QString("Generating"));
        window.reset();
        QCOMPARE(readFile(target), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
    }
};

BELT_WINDOW_TEST_MAIN(RunTest, "en_US.UTF-8")
#include "tst_run.moc"

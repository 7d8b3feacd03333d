// SPDX-License-Identifier: GPL-3.0-or-later
// Recipes, Stop and the other conveniences of the window: a recipe opened in
// the window makes the command line's bytes and is saved back unchanged, Stop
// keeps the old file, the status bar tells what a save did, the About box's
// command line makes the belt again, and the keyboard reaches it all.
#include "AboutBox.h"
#include "Examples.h"
#include "Presets.h"
#include "PreviewWindow.h"
#include "Recipe.h"
#include "Run.h"
#include "WindowFixture.h"

#ifndef BELTWRIGHT_CLI
#error "BELTWRIGHT_CLI must name the built command-line program"
#endif

namespace {

std::string const oldText = "a catalogue from an earlier run\n";

} // namespace

Q_DECLARE_METATYPE(Recipe)

class WindowRecipeTest : public WindowFixture {
    Q_OBJECT

    // What the file dialogs answer, by kind, and the proposals they were given.
    QMap<FileDialogs::Kind, QString> answers;
    QList<QString> proposals;

    QString path(char const *name) const { return dir.filePath(name); }

    bool generated()
    {
        w<QPushButton>("pushButton_generate")->click();
        return followRun(*window).ended;
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        openWindow();
        answers.clear();
        proposals.clear();
        window->setFileAsker([this](QWidget *, FileDialogs::Kind kind, QString const &proposal) {
            proposals << proposal;
            return answers.value(kind);
        });
    }
    void cleanup()
    {
        closeWindow();
    }

    // Opened in the window, a recipe makes the command line's bytes, and the
    // form saves it back as it was: form and recipe hold the same belt.
    void recipeMakesTheCommandLinesBelt_data()
    {
        QTest::addColumn<Recipe>("recipe");
        for (auto const &info : presetTable)
            QTest::addRow("%s", info.shortName.data())
                << Recipe{presetSettings(info.preset), Recipe::SolarMasses, 5489};
        Settings largest = presetSettings(Settings::Vulcanoids);
        largest.beltName = "Ŝtelo ☄";
        largest.barycenter = true;
        largest.totalMass = FieldLimits::totalMass.maximum;
        largest.number = 3000;
        largest.populations[0].innerRadius = largest.populations[0].outerRadius = FieldLimits::beltRadius.maximum;
        largest.populations[0].minRadius = largest.populations[0].maxRadius = FieldLimits::bodyRadius.maximum;
        largest.populations[0].minEccentricity = largest.populations[0].maxEccentricity = FieldLimits::eccentricity.maximum;
        largest.populations[0].maxInclination = FieldLimits::inclination.maximum;
        largest.referencePlane = Orbit::Extrasolar;
        largest.epoch = FieldLimits::epoch.maximum;
        QTest::addRow("largest values, earth masses")
            << Recipe{largest, Recipe::EarthMasses, 4294967295u};
    }
    void recipeMakesTheCommandLinesBelt()
    {
        QFETCH(Recipe, recipe);
        QString const opened = path("opened.belt");
        QVERIFY(!writeRecipe(opened.toStdString(), recipe));
        answers = {{FileDialogs::OpenRecipe, opened},
                   {FileDialogs::Catalogue, path("window.sc")},
                   {FileDialogs::SaveRecipe, path("saved.belt")}};

        BoxAnswerer answerer;
        w<QAction>("action_openRecipe")->trigger();
        QVERIFY(generated());
        QVERIFY(answerer.boxes.isEmpty());
        Run const cli = runCli({"--recipe", opened, "-q"});
        QCOMPARE(cli.exitCode, 0);
        QVERIFY(QByteArray::fromStdString(readFile(path("window.sc"))) == cli.out);

        w<QAction>("action_saveRecipe")->trigger();
        QCOMPARE(readFile(path("saved.belt")), recipeText(recipe));
    }

    // An example opens as its recipe would: the form takes its settings, the
    // preview its seed, and Generate writes the command line's bytes; the
    // About box then gives the planet's options too.
    void exampleMakesTheCommandLinesBelt_data()
    {
        QTest::addColumn<QString>("name");
        for (ExampleInfo const &example : examples())
            QTest::newRow(example.shortName.data()) << QString::fromUtf8(example.shortName.data());
    }
    void exampleMakesTheCommandLinesBelt()
    {
        QFETCH(QString, name);
        Recipe const recipe =
            std::get<Recipe>(exampleRecipe(*findExample(name.toStdString())));
        answers = {{FileDialogs::Catalogue, path("window.sc")}};
        BoxAnswerer answerer;
        QAction *open = w<QAction>(qPrintable("action_example_" + name));
        QVERIFY(w<QMenu>("menu_openExample")->actions().contains(open));
        open->trigger();
        QVERIFY(answerer.boxes.isEmpty());
        QCOMPARE(recipe.massUnit, Recipe::SolarMasses);
        QCOMPARE(recipeText(Recipe{window->formSettings(), Recipe::SolarMasses, recipe.seed}),
                 recipeText(recipe));
        QVERIFY(generated());
        QCOMPARE(window->lastRunSeed(), std::optional<std::uint32_t>(recipe.seed));
        Run const cli = runCli({"--example", name, "-q"});
        QCOMPARE(cli.exitCode, 0);
        QVERIFY(QByteArray::fromStdString(readFile(path("window.sc"))) == cli.out);

        w<QAction>("action_about")->trigger();
        auto *about = window->findChild<AboutBox *>();
        QVERIFY(about);
        QString const line = about->findChild<QPlainTextEdit *>()->toPlainText();
        QVERIFY2(line.contains(" --planet --planet-semi-major-axis ") &&
                     line.endsWith(QString(" --seed %1").arg(recipe.seed)),
                 qPrintable(line));
        about->close();
    }

    // A malformed recipe is named in one box and changes nothing; a value
    // with more decimals than its field is shown rounded, and said so.
    void openedRecipeIsToldInABox_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("said");
        QTest::addColumn<double>("inner"); // the form's afterwards
        Recipe recipe = Recipe{presetSettings(Settings::Vulcanoids), Recipe::SolarMasses, 7};
        recipe.settings.populations[0].innerRadius = 0.123;
        QByteArray const good = QByteArray::fromStdString(recipeText(recipe));
        QTest::newRow("rounded") << good << "Belt inner radius" << 0.12;
        QTest::newRow("unknown key")
            << QByteArray(good).replace("number = 200\n", "number = 200\ncolour = red\n")
            << "Line 13: unknown key \"colour\"" << 0.15;
        QTest::newRow("decimal comma")
            << QByteArray(good).replace("inner = 0.123\n", "inner = 0,5\n")
            << "Line 33: inner: \"0,5\" is not accepted: give a number from 0 to 1e+21" << 0.15;
    }
    void openedRecipeIsToldInABox()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, said);
        QFETCH(double, inner);
        writeFile(path("r.belt"), text.toStdString());
        answers = {{FileDialogs::OpenRecipe, path("r.belt")}};
        BoxAnswerer answerer;
        w<QAction>("action_openRecipe")->trigger();
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY2(answerer.boxes[0].text.contains(said) &&
                     !answerer.boxes[0].text.contains("Belt outer radius"),
                 qPrintable(answerer.boxes[0].text));
        QCOMPARE(window->formSettings().populations[0].innerRadius, inner);
        QCOMPARE(window->findChild<PreviewWindow *>() != nullptr, inner == 0.12);
    }

    // Stop half-way leaves the old file and no temporary file beside it.
    void stopKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<bool>("escape");
        QTest::newRow("button while generating") << "Generating" << false;
        QTest::newRow("Escape while saving") << "Saving" << true;
    }
    void stopKeepsTheOldFile()
    {
        QFETCH(QString, phase);
        QFETCH(bool, escape);
        writeFile(path("belt.sc"), oldText);
        answers = {{FileDialogs::Catalogue, path("belt.sc")}};
        actionWithText(w<QMenu>("menu_loadPreset"), "Oort Cloud")->trigger();
        w<QSpinBox>("spinBox_number")->setValue(400000);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(statusLabel(*window)->text(), phase, 30000);
        auto *stop = w<QToolButton>("toolButton_stop");
        QVERIFY(stop->isVisible());
        if (escape)
            QTest::keyClick(window.get(), Qt::Key_Escape);
        else
            stop->click();
        QVERIFY(followRun(*window).ended);

        QCOMPARE(readFile(path("belt.sc")), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
        QVERIFY(stop->isHidden());
        QCOMPARE(statusLabel(*window)->text(), QString("Ready"));
        QCOMPARE(w<QLabel>("label_saved")->text(), QString("Stopped: nothing was saved"));
    }

    // After a save the status bar names the file and the entries written, and
    // the next dialog proposes the belt's name in the folder just used.
    void statusNamesFileAndCount_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("status");
        QTest::newRow("grouped count") << 10000 << 1u << "vulcanoids.sc"
                                       << "Saved 14,040 entries to vulcanoids.sc";
        QTest::newRow("one binary") << 1 << 5u << "binary.sc"
                                    << "Saved 3 entries to binary.sc";
        QTest::newRow("one single body") << 1 << 2u << "one.sc"
                                         << "Saved 1 entry to one.sc";
        // A belt of no bodies is refused before it is saved (tst_run).
    }
    void statusNamesFileAndCount()
    {
        QFETCH(int, number);
        QFETCH(unsigned, seed);
        QFETCH(QString, file);
        QFETCH(QString, status);
        window->setSeed(seed);
        w<QSpinBox>("spinBox_number")->setValue(number);
        w<QLineEdit>("lineEdit_beltName")->setText("V/S");
        answers = {{FileDialogs::Catalogue, dir.filePath(file)}};
        QVERIFY(generated());
        QCOMPARE(statusLabel(*window)->text(), QString("Ready"));
        QCOMPARE(w<QLabel>("label_saved")->text(), status);
        QVERIFY(generated());
        QCOMPARE(proposals, (QStringList{QDir::current().filePath("V-S.sc"), path("V-S.sc")}));
    }

    // The picture saved from the window is the command line's --preview, the
    // planet's marks included.
    void pictureIsTheCommandLinesPreview_data()
    {
        QTest::addColumn<bool>("planet");
        QTest::addColumn<QString>("example"); // empty: the first preset
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("surfaces"); // the preview's colours by surface
        QTest::newRow("no planet") << false << QString() << 500 << false;
        QTest::newRow("a planet") << true << QString() << 500 << false;
        // Beyond the sample, several populations are still shown by their shares.
        QTest::newRow("populations, sampled") << true << "kuiper-belt" << 25000 << false;
        QTest::newRow("surfaces' colours") << true << "hildas" << 500 << true;
    }
    void pictureIsTheCommandLinesPreview()
    {
        QFETCH(bool, planet);
        QFETCH(QString, example);
        QFETCH(int, number);
        QFETCH(bool, surfaces);
        window->setSeed(42);
        if (!example.isEmpty())
            w<QAction>(qPrintable("action_example_" + example))->trigger();
        w<QSpinBox>("spinBox_number")->setValue(number);
        w<QCheckBox>("checkBox_planet")->setChecked(planet);
        w<QCheckBox>("checkBox_clearedOrbit")->setChecked(planet);
        if (surfaces) {
            PreviewWindow *preview = window->showPreview();
            QTRY_VERIFY_WITH_TIMEOUT(!preview->busy() && preview->shownPreview(), 30000);
            preview->findChild<QComboBox *>("comboBox_previewColours")->setCurrentIndex(1);
        }
        answers = {{FileDialogs::Catalogue, path("belt.sc")},
                   {FileDialogs::Picture, path("window.png")}};
        QVERIFY(generated());
        w<QAction>("action_savePicture")->trigger();
        QCOMPARE(w<QLabel>("label_saved")->text(), QString("Saved the picture to window.png"));
        QStringList const belt = example.isEmpty() ? QStringList{"--preset", "vulcanoids"}
                                                   : QStringList{"--example", example};
        Run const cli = runCli(belt + QStringList{"--number", QString::number(number), "--seed",
                                                  QString::number(*window->lastRunSeed()),
                                                  "--preview", path("cli.png"), "-q"}
                               << (planet ? QStringList{"--planet", "--cleared-orbit"}
                                          : QStringList{})
                               << (surfaces ? QStringList{"--preview-colours", "surfaces"}
                                            : QStringList{}));
        QVERIFY(cli.exitCode == 0 && cli.out.isEmpty());
        QVERIFY(readFile(path("window.png")) == readFile(path("cli.png")));
    }

    // The About box's command line, run by a shell, writes the last run's file.
    void copiedCommandLineRebuildsTheCatalogue()
    {
        window->setSeed(77);
        actionWithText(w<QMenu>("menu_loadPreset"), "eBelt-EM")->trigger();
        w<QLineEdit>("lineEdit_beltName")->setText("It's $HOME ☄");
        w<QRadioButton>("radioButton_earthMass")->setChecked(true);
        w<QDoubleSpinBox>("doubleSpinBox_totalMass")->setValue(1.25);
        answers = {{FileDialogs::Catalogue, path("window.sc")}};
        QVERIFY(generated());

        w<QAction>("action_about")->trigger();
        auto *about = window->findChild<AboutBox *>();
        QVERIFY(about);
        QVERIFY(about->findChild<QLabel *>("label_lastRun")->text().contains("seed 77"));
        about->findChild<QPushButton *>("pushButton_copyCommand")->click();
        QString const line = QApplication::clipboard()->text();
        QVERIFY2(line.startsWith("beltwright-cli --type asteroid --name 'It'\\''s $HOME ☄' "),
                 qPrintable(line));
        QString const command =
            QString(BELTWRIGHT_CLI) + line.mid(int(strlen("beltwright-cli"))) + " -q -o cli.sc";
        QCOMPARE(runProgram("sh", {"-c", command}, dir.path()).exitCode, 0);
        QVERIFY(readFile(path("cli.sc")) == readFile(path("window.sc")));
    }

    // Keys: Ctrl+P hides and shows the preview, Escape closes it once it is
    // undocked, Ctrl+Q closes the window; every button says what it does.
    void keyboardAndTooltips()
    {
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        PreviewWindow *preview = window->showPreview();
        QTest::keyClick(preview, Qt::Key_Escape);
        QVERIFY(preview->isVisible()); // beside the form it stays
        for (bool const shown : {false, true}) {
            QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(preview->isVisible(), shown);
            QCOMPARE(w<QAction>("action_preview")->isChecked(), shown);
        }
        auto *dock = w<QDockWidget>("dock_preview");
        dock->setFloating(true);
        QApplication::setActiveWindow(dock);
        QVERIFY(QTest::qWaitForWindowActive(dock));
        QTest::keyClick(preview, Qt::Key_Escape);
        QVERIFY(!preview->isVisible());
        QVERIFY(!w<QAction>("action_preview")->isChecked());

        QStringList silent;
        for (QWidget *top : {static_cast<QWidget *>(window.get()), static_cast<QWidget *>(preview)})
            for (QAbstractButton *button : top->findChildren<QAbstractButton *>())
                // Hidden ones are the toolkit's own (a list's corner button).
                if (button->toolTip().isEmpty() && !qobject_cast<QRadioButton *>(button) &&
                    !button->objectName().startsWith("qt_") && !button->isHidden())
                    silent << button->objectName();
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(", ")));

        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window->isVisible());
    }
};

BELT_WINDOW_TEST_MAIN(WindowRecipeTest, "en_US.UTF-8")
#include "tst_windowrecipe.moc"

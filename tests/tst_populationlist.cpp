// SPDX-License-Identifier: GPL-3.0-or-later
// The window's list of populations: its edits reach the settings a run takes,
// the form's fields show and edit the selected population, enabled as its
// kind uses them, and a recipe of several populations goes through unchanged.
#include "DecimalField.h"
#include "ExampleSettings.h"
#include "PopulationList.h"
#include "Recipe.h"
#include "WindowFixture.h"

class PopulationListTest : public WindowFixture {
    Q_OBJECT

    QString saved; // where the recipe dialog saves

    // Three populations, one of each kind, apart in every field the tests read.
    static Recipe threePopulations()
    {
        Settings settings = exampleSettings("main-belt");
        settings.number = 2000;
        Population main = settings.populations.front();
        main.name = "Main";
        main.share = 60;
        main.maxInclination = 20;
        Population trojans = main;
        trojans.name = "Greeks and Trojans";
        trojans.kind = Population::Kind::Trojans;
        trojans.share = 25;
        trojans.maxInclination = 30;
        trojans.trojanL4Share = 60;
        trojans.librationAmplitude = 25;
        Population hildas = main;
        hildas.name = "Hildas";
        hildas.kind = Population::Kind::ResonantFamily;
        hildas.share = 15;
        hildas.maxInclination = 10;
        hildas.familyResonance = "3:2";
        settings.populations = {main, trojans, hildas};
        return Recipe{settings, Recipe::SolarMasses, 7};
    }

    void open(Recipe const &recipe)
    {
        QString const path = dir.filePath("opened.belt");
        QVERIFY(!writeRecipe(path.toStdString(), recipe));
        BoxAnswerer answerer;
        window->openRecipe(path);
        QVERIFY(answerer.boxes.isEmpty());
    }

    QTableView *list() { return w<QTableView>("tableView_populations"); }
    int selected() { return list()->currentIndex().row(); }
    void select(int row) { list()->setCurrentIndex(list()->model()->index(row, 0)); }

    // Types text into a cell of the selected row, as a double-click opens it.
    void editCell(int column, QString const &text)
    {
        list()->edit(list()->currentIndex().siblingAtColumn(column));
        if (auto *share = list()->viewport()->findChild<QDoubleSpinBox *>()) {
            share->setValue(text.toDouble());
            QTest::keyClick(share, Qt::Key_Return);
        } else {
            auto *name = list()->viewport()->findChild<QLineEdit *>();
            QVERIFY(name);
            name->setText(text);
            QTest::keyClick(name, Qt::Key_Return);
        }
        // The view takes the text once the key has been handled.
        QCoreApplication::processEvents();
    }

    // What the list and the fields did: each population's name, share, kind
    // and largest inclination.
    QString populations()
    {
        QStringList shown;
        for (Population const &p : window->formSettings().populations)
            shown << QString("%1 %2 %3 %4")
                         .arg(QString::fromStdString(p.name))
                         .arg(p.share)
                         .arg(QString::fromUtf8(populationKind(p.kind).word.data(),
                                                int(populationKind(p.kind).word.size())))
                         .arg(p.maxInclination);
        return shown.join('|');
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        openWindow();
        saved = dir.filePath("saved.belt");
        window->setFileAsker([this](QWidget *, FileDialogs::Kind kind, QString const &) {
            return kind == FileDialogs::SaveRecipe ? saved : QString();
        });
        open(threePopulations());
    }
    void cleanup() { closeWindow(); }


    void editsReachTheSettings_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QString const m = "Main 60 background 20", g = "Greeks and Trojans 25 trojans 30",
                      h = "Hildas 15 family 10";
        QTest::newRow("as opened") << "" << m + "|" + g + "|" + h;
        QTest::newRow("rename in place") << "select 1;rename Trojans"
                                         << m + "|Trojans 25 trojans 30|" + h;
        QTest::newRow("a blank name is refused") << "select 0;rename  " << m + "|" + g + "|" + h;
        QTest::newRow("share in place") << "select 2;share 20.5"
                                        << m + "|" + g + "|Hildas 20.5 family 10";
        QTest::newRow("add takes the fields, not the kind")
            << "select 1;add" << m + "|" + g + "|Background 0 background 30|" + h;
        QTest::newRow("duplicate") << "select 2;duplicate"
                                   << m + "|" + g + "|" + h + "|Hildas 2 0 family 10";
        QTest::newRow("names stay apart") << "select 2;duplicate;select 2;duplicate"
                                          << m + "|" + g + "|" + h +
                                                 "|Hildas 3 0 family 10|Hildas 2 0 family 10";
        QTest::newRow("remove") << "select 1;remove" << m + "|" + h;
        QTest::newRow("remove the last, edit the one before")
            << "select 2;remove;inclination 7" << m + "|Greeks and Trojans 25 trojans 7";
        QTest::newRow("move down") << "select 0;down" << g + "|" + m + "|" + h;
        QTest::newRow("move up, edit the moved one")
            << "select 2;up;inclination 11" << m + "|Hildas 15 family 11|" + g;
        QTest::newRow("a field edits the selected only")
            << "select 1;inclination 12.5" << m + "|Greeks and Trojans 25 trojans 12.5|" + h;
        QTest::newRow("kind of the selected")
            << "select 0;kind trojans" << "Main 60 trojans 20|" + g + "|" + h;
        QTest::newRow("edits survive a change of selection")
            << "select 2;inclination 3;select 0;select 2"
            << m + "|" + g + "|Hildas 15 family 3";
    }
    void editsReachTheSettings()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        for (QString const &step : steps.split(';', Qt::SkipEmptyParts)) {
            QString const action = step.section(' ', 0, 0), value = step.section(' ', 1);
            if (action == "select")
                select(value.toInt());
            else if (action == "rename")
                editCell(PopulationModel::Name, value);
            else if (action == "share")
                editCell(PopulationModel::Share, value);
            else if (action == "inclination")
                w<QDoubleSpinBox>("doubleSpinBox_maxInclination")->setValue(value.toDouble());
            else if (action == "kind") {
                auto *kind = w<QComboBox>("comboBox_populationKind");
                kind->setCurrentIndex(kind->findData(int(Population::Kind::Trojans)));
            } else {
                QPushButton *button = w<QPushButton>(
                    qPrintable(action == "up"     ? QString("pushButton_populationUp")
                               : action == "down" ? QString("pushButton_populationDown")
                                                  : "pushButton_" + action + "Population"));
                QVERIFY(button && button->isEnabled());
                button->click();
            }
        }
        QCOMPARE(populations(), expected);
        // The fields show the selected population.
        Population const &shown = window->formSettings().populations[std::size_t(selected())];
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_maxInclination")->value(), shown.maxInclination);
        QCOMPARE(w<QComboBox>("comboBox_populationKind")->currentData().toInt(), int(shown.kind));
    }

    // One population cannot go; a seventeenth cannot come; the ends do not move on.
    void buttonsFollowTheCount()
    {
        auto *add = w<QPushButton>("pushButton_addPopulation");
        auto *duplicate = w<QPushButton>("pushButton_duplicatePopulation");
        auto *remove = w<QPushButton>("pushButton_removePopulation");
        auto *up = w<QPushButton>("pushButton_populationUp");
        auto *down = w<QPushButton>("pushButton_populationDown");
        select(0);
        QVERIFY(!up->isEnabled() && down->isEnabled());
        remove->click();
        remove->click();
        QCOMPARE(window->formSettings().populations.size(), std::size_t(1));
        QVERIFY(!remove->isEnabled() && !up->isEnabled() && !down->isEnabled());
        while (add->isEnabled())
            add->click();
        QCOMPARE(window->formSettings().populations.size(), largestPopulationCount);
        QVERIFY(!duplicate->isEnabled() && remove->isEnabled());
        QCOMPARE(selected(), 15);
        QVERIFY(up->isEnabled() && !down->isEnabled());
        remove->click();
        QVERIFY(add->isEnabled() && duplicate->isEnabled());
    }

    // The shares' sum beside the buttons, marked while it is not 100 %.
    void shareTotalIsShown()
    {
        auto *total = w<QLabel>("label_shareTotal");
        QCOMPARE(total->text(), QString("\u03a3 100.00 %"));
        QVERIFY(total->styleSheet().isEmpty());
        select(2);
        editCell(PopulationModel::Share, "20.5");
        QCOMPARE(total->text(), QString("\u03a3 105.50 %"));
        QVERIFY(!total->styleSheet().isEmpty());
        select(1);
        w<QPushButton>("pushButton_removePopulation")->click();
        QCOMPARE(total->text(), QString("\u03a3 80.50 %"));
    }

    // Each field counts only where the selected population's kind uses it.
    void fieldsFollowTheKind_data()
    {
        QTest::addColumn<int>("population");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("background, its radii") << 0 << "doubleSpinBox_innerRadius" << true;
        QTest::newRow("background, no L4") << 0 << "doubleSpinBox_trojanL4Share" << false;
        QTest::newRow("Trojans, no radii") << 1 << "doubleSpinBox_outerRadius" << false;
        QTest::newRow("Trojans, libration") << 1 << "doubleSpinBox_librationAmplitude" << true;
        QTest::newRow("family, resonance") << 2 << "lineEdit_familyResonance" << true;
        QTest::newRow("family, no libration") << 2 << "doubleSpinBox_librationAmplitude"
                                              << false;
    }
    void fieldsFollowTheKind()
    {
        QFETCH(int, population);
        QFETCH(QString, field);
        QFETCH(bool, enabled);
        select((population + 1) % 3);
        select(population);
        QCOMPARE(w<QWidget>(qPrintable(field))->isEnabled(), enabled);
    }

    // The warnings of odd bounds are those of the population shown.
    void warningsFollowTheSelection()
    {
        Recipe odd = threePopulations();
        odd.settings.populations[2].minRadius = odd.settings.populations[2].maxRadius + 1;
        open(odd);
        auto *minRadius = w<DecimalField>("doubleSpinBox_minRadius");
        QVERIFY(minRadius->warning().isEmpty());
        select(2);
        QVERIFY(!minRadius->warning().isEmpty());
        select(1);
        QVERIFY(minRadius->warning().isEmpty());
    }

    // Opened, looked through and saved, a recipe of three populations is
    // the same recipe.
    void recipeGoesThroughUnchanged()
    {
        Recipe const recipe = threePopulations();
        for (int row : {2, 1, 0, 1})
            select(row);
        QCOMPARE(recipeText(Recipe{window->formSettings(), Recipe::SolarMasses, recipe.seed}),
                 recipeText(recipe));
        w<QAction>("action_saveRecipe")->trigger();
        QCOMPARE(readFile(saved), recipeText(recipe));
    }
};

BELT_WINDOW_TEST_MAIN(PopulationListTest, "C")
#include "tst_populationlist.moc"

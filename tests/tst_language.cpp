// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language: German from a German system locale at start-up,
// and switching between the catalogues at run time.
#include "WindowFixture.h"

namespace {

// Object, property and the German and English texts that the form sets anew
// whenever the language changes.
struct Text {
    char const *object;
    char const *property;
    char const *german;
    char const *english;
};

Text const retranslated[] = {
    {"MainWindow", "windowTitle", "Beltwright", "Beltwright"},
    {"action_Credits", "text", "&Credits", "&Credits"},
    {"label_objectType", "text", "Objekttyp", "Type of object"},
    {"label_beltName", "text", "Objektname", "Belt name"},
    {"lineEdit_beltName", "toolTip", "Objektname - Eine laufende Nummer wird angefügt",
     "Name of asteroids - a serial number is appended"},
    {"label_beltCenter", "text", "Zentralobjekt", "Center object"},
    {"checkBox_barycenter", "toolTip", "Ist das Zentralobjekt ein Barycenter?",
     "Is the center object a barycenter?"},
    {"checkBox_barycenter", "text", "Barycenter", "Barycenter"},
    {"label_number", "text", "Anzahl der Objekte", "Number of objects"},
    {"label_innerRadius", "text", "Innerer Radius", "Belt inner radius"},
    {"label_outerRadius", "text", "Äusserer Radius", "Belt outer radius"},
    {"label_minRadius", "text", "Minimaler Radius", "Min radius"},
    {"label_maxRadius", "text", "Maximaler Radius", "Max radius"},
    {"label_minEccentricity", "text", "Minimale Exzentrizität", "Min eccentricity"},
    {"label_maxEccentricity", "text", "Maximale Exzentrizität", "Max eccentricity"},
    {"label_maxInclination", "text", "Maximale Inklination", "Max inclination"},
    {"doubleSpinBox_maxInclination", "toolTip", "Positive und Negative Grenzen",
     "Positive and negative bounds"},
    {"label_referencePlane", "text", "Referenze Ebene", "Reference plane"},
    {"label_epoch", "text", "Epoche", "Epoch"},
    {"label_totalMass", "text", "Totale Masse", "Total mass"},
    {"doubleSpinBox_totalMass", "toolTip",
     "Totale Masse der Hauptobjekte des Systems. Ein angenäherter Wert ist ausreichend",
     "Total mass of main objects. An approximate value is sufficient"},
    {"radioButton_solarMass", "text", "Sonnenmassen", "Solar mass"},
    {"radioButton_earthMass", "text", "Erdmassen", "Earth mass"},
    {"pushButton_generate", "text", "Generiere", "Generate"},
    {"groupBox_populations", "title", "Populationen", "Populations"},
    {"label_populationKind", "text", "Art", "Kind"},
    {"pushButton_duplicatePopulation", "text", "Duplizieren", "Duplicate"},
    {"menu_loadPreset", "title", "&Voreinstellungen", "&Load preset"},
    {"menu_info", "title", "&Info", "&Info"},
    {"menu_language", "title", "&Sprache", "Lan&guage"},
};

} // namespace

class LanguageTest : public WindowFixture {
    Q_OBJECT

    QObject *object(char const *name)
    {
        return QLatin1String(name) == "MainWindow" ? window.get() : w<QObject>(name);
    }

    // The texts that differ from the expected language, as "object.property: text".
    QStringList wrongTexts(bool german)
    {
        QStringList wrong;
        for (Text const &text : retranslated) {
            QString const expected = QString::fromUtf8(german ? text.german : text.english);
            QString const shown = object(text.object)->property(text.property).toString();
            if (shown != expected)
                wrong << QString("%1.%2: %3").arg(text.object, text.property, shown);
        }
        return wrong;
    }

    void switchTo(char const *action)
    {
        w<QAction>(action)->trigger();
        // The change reaches the application as a posted event, which posts
        // it on to each window.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
    }

    QStringList listItems(char const *name)
    {
        auto *box = w<QComboBox>(name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    QStringList cramped() { return crampedWidgets(*window); }

private slots:
    void init()
    {
        openWindow();
        QCoreApplication::processEvents();
    }
    void cleanup() { window.reset(); }

    void startsInGerman()
    {
        QCOMPARE(QLocale::system().name(), QString("de_CH"));
        QCOMPARE(wrongTexts(true), QStringList());
        // Set once before any catalogue is installed: English.
        QCOMPARE(statusLabel(*window)->text(), QString("Ready"));
        QCOMPARE(listItems("comboBox_objectType"), (QStringList{"Asteroid", "Comet"}));
        QCOMPARE(listItems("comboBox_referencePlane"),
                 (QStringList{"Ecliptic", "Equator", "Extrasolar"}));
        QStringList languages;
        for (QAction *action : w<QMenu>("menu_language")->actions()) {
            languages << action->text();
            QVERIFY(!action->isCheckable());
        }
        QCOMPARE(languages, (QStringList{"&English", "&Deutsch", "&Fran\u00e7ais"}));
        QVERIFY(w<QPushButton>("pushButton_resetEpoch")->text().isEmpty());
    }

    void germanTextsFit()
    {
        QTest::qWait(20); // let the layouts settle
        QCOMPARE(cramped(), QStringList());
        QCOMPARE(window->minimumSize(), window->maximumSize());

        // English needs no more room; the window keeps its size.
        QSize const size = window->size();
        switchTo("action_english");
        QTest::qWait(20);
        QCOMPARE(cramped(), QStringList());
        QCOMPARE(window->size(), size);
    }

    void switchingLanguages()
    {
        switchTo("action_english");
        QCOMPARE(wrongTexts(false), QStringList());
        QCOMPARE(statusLabel(*window)->text(), QString("Ready"));

        switchTo("action_german");
        QCOMPARE(wrongTexts(true), QStringList());

        // The French catalogue holds no messages: English shows.
        switchTo("action_french");
        QCOMPARE(wrongTexts(false), QStringList());

        // Lists, suffixes and menu entries never follow the language.
        switchTo("action_german");
        QCOMPARE(listItems("comboBox_objectType"), (QStringList{"Asteroid", "Comet"}));
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_totalMass")->suffix(), QString(" M\u2299"));
        QCOMPARE(w<QMenu>("menu_loadPreset")->actions().first()->text(), QString("Oort Cloud"));
    }

    void runInGerman()
    {
        QTemporaryDir dir;
        window->setFileChooser([&](QWidget *) { return dir.filePath("belt.sc"); });
        window->setSeed(1);
        actionWithText(w<QMenu>("menu_loadPreset"), "Vulcanoids")->trigger();
        w<QSpinBox>("spinBox_number")->setValue(40000);
        w<QPushButton>("pushButton_generate")->click();
        RunTrace const trace = followRun(*window);
        QVERIFY(trace.ended);
        // Two of the status texts have no German entry.
        QCOMPARE(trace.statuses, (QStringList{"Generating", "Saving", "Bereit"}));

        // Back in English the status keeps its language until the next run.
        switchTo("action_english");
        QCOMPARE(statusLabel(*window)->text(), QString("Bereit"));
    }

    void boxesInGerman_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("center");
        QTest::addColumn<QString>("target"); // %1: the temporary directory
        QTest::addColumn<QString>("text");   // %1: the temporary directory
        QString const unsaved = "Der Katalog konnte nicht gespeichert werden.\n\n";
        QString const refused = "Es wurde kein Gürtel erzeugt: Mit diesen Einstellungen könnte "
                                "der Katalog nicht gelesen werden.\n\n\u2022 ";
        QTest::newRow("missing folder")
            << "VS"
            << "Sol"
            << "%1/fehlt/belt.sc"
            << unsaved + "„%1/fehlt/belt.sc“ kann nicht angelegt werden: Datei oder Verzeichnis "
                         "nicht gefunden.";
        QTest::newRow("failed save")
            << "VS"
            << "Sol"
            << "/dev/full"
            << unsaved + "„/dev/full“ kann nicht geschrieben werden: Auf dem Gerät ist kein "
                         "Speicherplatz mehr verfügbar.";
        QTest::newRow("backslash")
            << "V\\S"
            << "Sol"
            << "%1/belt.sc"
            << refused + "Objektname enthält einen umgekehrten Schrägstrich (Backslash), den das "
                         "Leseprogramm des Katalogs als Beginn einer Escape-Sequenz liest: "
                         "Entfernen Sie ihn.";
        QTest::newRow("empty center")
            << "VS"
            << ""
            << "%1/belt.sc"
            << refused + "Zentralobjekt ist leer oder besteht nur aus Leerzeichen: Jeder Körper "
                         "würde einen leeren Mutterkörper "
                         "nennen, den das Leseprogramm des Katalogs nicht findet, sodass keiner "
                         "geladen würde. Geben Sie das Objekt ein, um das die Körper kreisen.";
    }
    void boxesInGerman()
    {
        QFETCH(QString, name);
        QFETCH(QString, center);
        QFETCH(QString, target);
        QFETCH(QString, text);
        QTemporaryDir dir;
        window->setFileChooser([&](QWidget *) { return target.replace("%1", dir.path()); });
        window->setSeed(1);
        actionWithText(w<QMenu>("menu_loadPreset"), "Vulcanoids")->trigger();
        w<QLineEdit>("lineEdit_beltName")->setText(name);
        w<QLineEdit>("lineEdit_beltCenter")->setText(center);
        BoxAnswerer answerer;
        w<QPushButton>("pushButton_generate")->click();
        QVERIFY(followRun(*window).ended);
        QTRY_COMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(answerer.boxes[0].text, text.replace("%1", dir.path()));
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void closingQuestionInGerman()
    {
        QTemporaryDir dir;
        window->setFileChooser([&](QWidget *) { return dir.filePath("belt.sc"); });
        window->setSeed(1);
        actionWithText(w<QMenu>("menu_loadPreset"), "Oort Cloud")->trigger();
        w<QSpinBox>("spinBox_number")->setValue(400000);
        w<QPushButton>("pushButton_generate")->click();
        BoxAnswerer answerer(QMessageBox::Yes);
        QVERIFY(window->close());
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Question);
        QCOMPARE(
            answerer.boxes[0].text,
            QString("Es wird gerade ein Gürtel erzeugt. Anhalten und das Fenster schliessen?"));
        answerer.boxes[0].buttons.sort();
        QCOMPARE(answerer.boxes[0].buttons, (QStringList{"&Ja", "&Nein"}));
        QVERIFY(entries(dir.path()).isEmpty());
    }

    void creditsFollowTheLanguage()
    {
        BoxAnswerer answerer;
        w<QAction>("action_Credits")->trigger();
        switchTo("action_english");
        w<QAction>("action_Credits")->trigger();
        QCOMPARE(answerer.boxes.size(), 2);
        QVERIFY(answerer.boxes[0].text.contains(" - Originale Batch Version"));
        QVERIFY(answerer.boxes[0].text.contains(" - Python version and enhancements"));
        QCOMPARE(answerer.boxes[0].title, QString("Credits"));
        QVERIFY(answerer.boxes[1].text.contains(" - original Batch version"));
    }
};

BELT_WINDOW_TEST_MAIN(LanguageTest, "de_CH.UTF-8")
#include "tst_language.moc"

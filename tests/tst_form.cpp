// SPDX-License-Identifier: GPL-3.0-or-later
// The window's form as it starts, its presets, the mass units and the record a
// run starts from.
#include "DecimalField.h"
#include "FieldLimits.h"
#include "FormScroll.h"
#include <QScrollBar>
#include "PlanetZones.h"
#include "Presets.h"
#include "PreviewWindow.h"
#include "WindowFixture.h"

#include <cmath>

Q_DECLARE_METATYPE(Settings::Preset)

class FormTest : public WindowFixture {
    Q_OBJECT

private slots:
    void init() { window = std::make_unique<MainWindow>(); }
    void cleanup() { window.reset(); }

    // Every field of the form says what it means: the basic ones too, not
    // only those added after them.
    void everyFieldHasATooltip()
    {
        QStringList silent;
        auto *form = w<QWidget>("centralwidget");
        for (QWidget *field : form->findChildren<QWidget *>()) {
            bool const input = qobject_cast<QAbstractSpinBox *>(field) ||
                               qobject_cast<QComboBox *>(field) ||
                               qobject_cast<QCheckBox *>(field) ||
                               (qobject_cast<QLineEdit *>(field) &&
                                !qobject_cast<QAbstractSpinBox *>(field->parentWidget()) &&
                                !qobject_cast<QComboBox *>(field->parentWidget()));
            if (input && !field->isHidden() && field->toolTip().isEmpty())
                silent << field->objectName();
        }
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(", ")));
        // What the inner radius means, with its unit and range.
        QString const tip = w<QWidget>("doubleSpinBox_innerRadius")->toolTip();
        QVERIFY2(tip.contains("AU") && tip.contains("1e21"), qPrintable(tip));
    }

    void rowsInDisplayOrder()
    {
        auto *form = w<QFormLayout>("formLayout");
        QVERIFY(form);
        QStringList const expected = {
            "label_objectType comboBox_objectType",
            "label_beltName lineEdit_beltName",
            "label_beltCenter horizontalLayout_5",
            "label_totalMass verticalLayout_3",
            "label_number spinBox_number",
            "label_innerRadius doubleSpinBox_innerRadius",
            "label_outerRadius doubleSpinBox_outerRadius",
            "label_minRadius doubleSpinBox_minRadius",
            "label_maxRadius doubleSpinBox_maxRadius",
            "label_minEccentricity doubleSpinBox_minEccentricity",
            "label_maxEccentricity doubleSpinBox_maxEccentricity",
            "label_maxInclination doubleSpinBox_maxInclination",
            "label_referencePlane comboBox_referencePlane",
            "label_epoch horizontalLayout_3",
        };
        QStringList rows;
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem *label = form->itemAt(row, QFormLayout::LabelRole);
            QLayoutItem *field = form->itemAt(row, QFormLayout::FieldRole);
            QObject *fieldObject = field->widget() ? static_cast<QObject *>(field->widget())
                                                   : static_cast<QObject *>(field->layout());
            rows << label->widget()->objectName() + " " + fieldObject->objectName();
        }
        QCOMPARE(rows, expected);

        // The compound fields hold their widgets in this order.
        auto names = [](QLayout *layout) {
            QStringList list;
            for (int i = 0; i < layout->count(); ++i) {
                QLayoutItem *item = layout->itemAt(i);
                list << (item->widget() ? item->widget()->objectName()
                                        : item->layout()->objectName());
            }
            return list;
        };
        QCOMPARE(names(w<QHBoxLayout>("horizontalLayout_5")),
                 (QStringList{"lineEdit_beltCenter", "checkBox_barycenter"}));
        QCOMPARE(names(w<QVBoxLayout>("verticalLayout_3")),
                 (QStringList{"doubleSpinBox_totalMass", "horizontalLayout"}));
        QCOMPARE(names(w<QHBoxLayout>("horizontalLayout")),
                 (QStringList{"radioButton_solarMass", "radioButton_earthMass"}));
        QCOMPARE(names(w<QHBoxLayout>("horizontalLayout_3")),
                 (QStringList{"doubleSpinBox_epoch", "pushButton_resetEpoch"}));
        QCOMPARE(names(w<QVBoxLayout>("verticalLayout")),
                 (QStringList{"horizontalLayout_columns", "pushButton_generate"}));
        QCOMPARE(names(w<QHBoxLayout>("horizontalLayout_columns")),
                 (QStringList{"verticalLayout_belt", "verticalLayout_populations"}));
        QCOMPARE(names(w<QVBoxLayout>("verticalLayout_populations")),
                 (QStringList{"groupBox_populations", "groupBox_planet"}));
        QCOMPARE(names(w<QVBoxLayout>("verticalLayout_belt")),
                 (QStringList{"formLayout", "groupBox_distributions", "groupBox_looks"}));
    }

    void numberFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("shown"); // with the Vulcanoids preset loaded
        QTest::newRow("total mass") << "doubleSpinBox_totalMass" << 1e35 << 20
                                    << QString(" M\u2299") << "0.00000000000000000000 M\u2299";
        QTest::newRow("inner radius") << "doubleSpinBox_innerRadius" << 1e21 << 2 << " AU"
                                      << "0.15 AU";
        QTest::newRow("outer radius") << "doubleSpinBox_outerRadius" << 1e21 << 2 << " AU"
                                      << "0.18 AU";
        QTest::newRow("min radius") << "doubleSpinBox_minRadius" << 1e21 << 2 << " km"
                                    << "0.10 km";
        QTest::newRow("max radius") << "doubleSpinBox_maxRadius" << 1e21 << 2 << " km"
                                    << "3.00 km";
        QTest::newRow("min eccentricity") << "doubleSpinBox_minEccentricity" << 99.99 << 5 << ""
                                          << "0.00000";
        QTest::newRow("max eccentricity") << "doubleSpinBox_maxEccentricity" << 99.99 << 5 << ""
                                          << "0.00100";
        QTest::newRow("max inclination")
            << "doubleSpinBox_maxInclination" << 180.0 << 2 << QString("\u00b0") << "10.00\u00b0";
        QTest::newRow("epoch") << "doubleSpinBox_epoch" << 1e7 << 2 << ""
                               << "2457395.50";
    }
    void numberFields()
    {
        QFETCH(QString, name);
        QFETCH(double, maximum);
        QFETCH(int, decimals);
        QFETCH(QString, suffix);
        QFETCH(QString, shown);
        auto *field = window->findChild<QDoubleSpinBox *>(name);
        QVERIFY(field);
        QCOMPARE(field->minimum(), 0.0);
        QCOMPARE(field->maximum(), maximum);
        QCOMPARE(field->decimals(), decimals);
        QCOMPARE(field->singleStep(), 1.0);
        QCOMPARE(field->suffix(), suffix);
        QCOMPARE(field->text(), shown);
        field->setValue(2 * maximum);
        QCOMPARE(field->value(), maximum);
        field->setValue(-1);
        QCOMPARE(field->value(), 0.0);
    }

    void commandLineAcceptsWhatTheFormDoes()
    {
        // The command line checks its options against these limits; they must
        // be the form's own.
        auto range = [this](char const *name) {
            auto *field = w<QDoubleSpinBox>(name);
            return std::pair{field->minimum(), field->maximum()};
        };
        auto limits = [](FieldRange r) { return std::pair{r.minimum, r.maximum}; };
        QCOMPARE(range("doubleSpinBox_totalMass"), limits(FieldLimits::totalMass));
        QCOMPARE(range("doubleSpinBox_innerRadius"), limits(FieldLimits::beltRadius));
        QCOMPARE(range("doubleSpinBox_outerRadius"), limits(FieldLimits::beltRadius));
        QCOMPARE(range("doubleSpinBox_minRadius"), limits(FieldLimits::bodyRadius));
        QCOMPARE(range("doubleSpinBox_maxRadius"), limits(FieldLimits::bodyRadius));
        QCOMPARE(range("doubleSpinBox_minEccentricity"), limits(FieldLimits::eccentricity));
        QCOMPARE(range("doubleSpinBox_maxEccentricity"), limits(FieldLimits::eccentricity));
        QCOMPARE(range("doubleSpinBox_maxInclination"), limits(FieldLimits::inclination));
        QCOMPARE(range("doubleSpinBox_epoch"), limits(FieldLimits::epoch));
        QCOMPARE(w<QSpinBox>("spinBox_number")->maximum(), int(FieldLimits::largestEnteredNumber));
        QCOMPARE(w<QSpinBox>("spinBox_number")->minimum(), 0);
    }

    void otherFields()
    {
        auto *number = w<QSpinBox>("spinBox_number");
        QCOMPARE(number->maximum(), 1000000);
        number->setValue(1000000);
        QCOMPARE(number->text(), QString("1,000,000"));

        auto *epoch = w<QDoubleSpinBox>("doubleSpinBox_epoch");
        QVERIFY(!epoch->wrapping());
        epoch->setValue(1e7);
        QCOMPARE(epoch->text(), QString("10000000.00"));
        epoch->stepBy(1);
        QCOMPARE(epoch->value(), 1e7);

        QCOMPARE(w<QLineEdit>("lineEdit_beltName")->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!w<QComboBox>("comboBox_referencePlane")->isEditable());
        auto *reset = w<QPushButton>("pushButton_resetEpoch");
        QVERIFY(reset->text().isEmpty());
        QVERIFY(!reset->icon().isNull());
        QCOMPARE(reset->iconSize(), QSize(15, 15));
        QCOMPARE(w<QLineEdit>("lineEdit_beltName")->toolTip(),
                 QString("Name of asteroids - a serial number is appended"));
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_totalMass")->toolTip(),
                 QString("Total mass of main objects. An approximate value is sufficient"));
    }

    void unitSignsHaveGlyphs()
    {
        // Whatever font stands in for the form's symbol font must carry them.
        QFontMetrics const mass(w<QWidget>("doubleSpinBox_totalMass")->font());
        QVERIFY(mass.inFont(QChar(0x2299)));
        QVERIFY(mass.inFont(QChar(0x2295)));
        QVERIFY(
            QFontMetrics(w<QWidget>("doubleSpinBox_maxInclination")->font()).inFont(QChar(0x00b0)));
        QFontMetrics const planet(w<QWidget>("doubleSpinBox_planetMass")->font());
        QVERIFY(planet.inFont(QChar(0x2643)) && planet.inFont(QChar(0x2295)));
        QVERIFY(
            QFontMetrics(w<QWidget>("doubleSpinBox_centralMass")->font()).inFont(QChar(0x2299)));
    }

    void tabOrderPutsTheMassBlockLast()
    {
        QStringList const expected = {
            "comboBox_objectType",
            "lineEdit_beltName",
            "lineEdit_beltCenter",
            "checkBox_barycenter",
            "spinBox_number",
            "doubleSpinBox_innerRadius",
            "doubleSpinBox_outerRadius",
            "doubleSpinBox_minRadius",
            "doubleSpinBox_maxRadius",
            "doubleSpinBox_minEccentricity",
            "doubleSpinBox_maxEccentricity",
            "doubleSpinBox_maxInclination",
            "comboBox_referencePlane",
            "doubleSpinBox_epoch",
            "pushButton_resetEpoch",
            "doubleSpinBox_totalMass",
            "radioButton_solarMass",
            "radioButton_earthMass",
            "tableView_populations",
            "comboBox_populationKind",
            "checkBox_planet",
            "pushButton_generate",
        };
        QStringList chain;
        QWidget *first = w<QWidget>("comboBox_objectType");
        QWidget *next = first;
        do {
            if (expected.contains(next->objectName()) && !chain.contains(next->objectName()))
                chain << next->objectName();
            next = next->nextInFocusChain();
        } while (next != first);
        QCOMPARE(chain, expected);
    }

    void massWidgetsFollowTheBarycenterBox()
    {
        QList<QWidget *> const mass = {
            w<QWidget>("label_totalMass"), w<QWidget>("doubleSpinBox_totalMass"),
            w<QWidget>("radioButton_solarMass"), w<QWidget>("radioButton_earthMass")};
        auto *box = w<QCheckBox>("checkBox_barycenter");
        auto enabledCount = [&] {
            return int(std::count_if(mass.begin(), mass.end(),
                                     [](QWidget *widget) { return widget->isEnabled(); }));
        };
        QVERIFY(!box->isChecked());
        QCOMPARE(enabledCount(), 0);
        box->setChecked(true);
        QCOMPARE(enabledCount(), 4);

        // Clearing the box keeps the value and the unit.
        w<QRadioButton>("radioButton_earthMass")->setChecked(true);
        w<QDoubleSpinBox>("doubleSpinBox_totalMass")->setValue(2.5);
        box->setChecked(false);
        QCOMPARE(enabledCount(), 0);
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_totalMass")->value(), 2.5);
        QVERIFY(w<QRadioButton>("radioButton_earthMass")->isChecked());
    }

    // Each distribution's number is enabled only with its distribution chosen.
    void distributionNumbersFollowTheirChoice_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("number");
        QTest::newRow("sizes") << "radiusDistribution" << "radiusSlope";
        QTest::newRow("eccentricities") << "eccentricityDistribution" << "eccentricityMode";
        QTest::newRow("inclinations") << "inclinationDistribution" << "inclinationMode";
        QTest::newRow("disc") << "semiMajorAxisDistribution" << "surfaceDensitySlope";
    }
    void distributionNumbersFollowTheirChoice()
    {
        QFETCH(QString, choice);
        QFETCH(QString, number);
        auto *box = w<QComboBox>(qPrintable("comboBox_" + choice));
        QWidget *field = w<QWidget>(qPrintable("doubleSpinBox_" + number));
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(!field->isEnabled());
        box->setCurrentIndex(1);
        QVERIFY(field->isEnabled());
        QVERIFY(!box->toolTip().isEmpty() && !field->toolTip().isEmpty());
        box->setCurrentIndex(0);
        QVERIFY(!field->isEnabled());
    }

    // Each of the planet's fields, and its label, is enabled only while its
    // setting counts: with the planet on and the part it belongs to used.
    void planetFieldsFollowTheirSwitches_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("enabling"); // "widget=value", set in order
        QTest::addColumn<QString>("disabling");
        QStringList const on = {"checkBox_planet=1"};
        QString const off = "checkBox_planet=0";
        QStringList const gaps = on + QStringList{"checkBox_resonanceGaps=1"};
        QTest::newRow("axis") << "doubleSpinBox_planetSemiMajorAxis" << on << off;
        QTest::newRow("mass") << "doubleSpinBox_planetMass" << on << off;
        QTest::newRow("mass unit") << "comboBox_planetMassUnit" << on << off;
        QTest::newRow("central mass, not with a barycenter")
            << "doubleSpinBox_centralMass" << on << "checkBox_barycenter=1";
        QTest::newRow("longitude") << "doubleSpinBox_planetLongitude" << on << off;
        QTest::newRow("gaps") << "checkBox_resonanceGaps" << on << off;
        QTest::newRow("gap list") << "lineEdit_gapResonances" << gaps << "checkBox_resonanceGaps=0";
        QTest::newRow("width for the gaps")
            << "doubleSpinBox_resonanceEccentricity" << gaps << "checkBox_resonanceGaps=0";
        QTest::newRow("cleared orbit") << "checkBox_clearedOrbit" << on << off;
        // The Trojans' and the family's fields follow the first population's
        // kind, which the window's list of populations will choose.
    }
    void planetFieldsFollowTheirSwitches()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, enabling);
        QFETCH(QString, disabling);
        auto const set = [this](QString const &step) {
            QString const name = step.section('=', 0, 0);
            double const value = step.section('=', 1).toDouble();
            if (auto *box = window->findChild<QCheckBox *>(name))
                box->setChecked(value != 0);
            else
                w<QDoubleSpinBox>(qPrintable(name))->setValue(value);
        };
        QWidget *shown = w<QWidget>(qPrintable(field));
        QVERIFY(shown && !shown->toolTip().isEmpty());
        auto *label = window->findChild<QLabel *>("label_" + field.section('_', 1));
        auto const enabled = [&](bool expected) {
            return shown->isEnabled() == expected && (!label || label->isEnabled() == expected);
        };
        QVERIFY(!w<QCheckBox>("checkBox_planet")->isChecked());
        QVERIFY(enabled(false));
        for (QString const &step : enabling)
            set(step);
        QVERIFY(enabled(true));
        set(disabling);
        QVERIFY(enabled(false));
    }

    // The planet keeps its mass when the unit changes, and the field names its unit.
    void planetMassUnitConversions()
    {
        w<QCheckBox>("checkBox_planet")->setChecked(true);
        auto *mass = w<QDoubleSpinBox>("doubleSpinBox_planetMass");
        auto *unit = w<QComboBox>("comboBox_planetMassUnit");
        QCOMPARE(unit->currentText(), QString("Jupiter masses"));
        QCOMPARE(mass->suffix(), QString(" M\u2643"));
        mass->setValue(2);
        double const solar = planetMassInSolarMasses(window->formSettings());

        unit->setCurrentIndex(unit->findText("Earth masses"));
        QCOMPARE(mass->suffix(), QString(" M\u2295"));
        QCOMPARE(window->formSettings().planetMassUnit, Settings::PlanetMassUnit::EarthMasses);
        QVERIFY(std::fabs(planetMassInSolarMasses(window->formSettings()) / solar - 1) < 1e-9);

        unit->setCurrentIndex(unit->findText("Jupiter masses"));
        QCOMPARE(mass->value(), 2.0);
        QCOMPARE(mass->suffix(), QString(" M\u2643"));
    }

    // A refused number is named as the messages name its field, also where
    // its label is a mere word beside a list or in the planet's group.
    void unreadableFieldsAreNamed_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("in the form") << "doubleSpinBox_outerRadius" << "Belt outer radius";
        QTest::newRow("beside a list") << "doubleSpinBox_radiusSlope" << "Size slope";
        QTest::newRow("in the planet's group")
            << "doubleSpinBox_planetSemiMajorAxis" << "Planet's semi-major axis";
    }
    void unreadableFieldsAreNamed()
    {
        QFETCH(QString, field);
        QFETCH(QString, name);
        w<QComboBox>("comboBox_radiusDistribution")->setCurrentIndex(1);
        w<QCheckBox>("checkBox_planet")->setChecked(true);
        auto *shown = w<DecimalField>(qPrintable(field));
        shown->findChild<QLineEdit *>()->setText("0.5x");
        QVERIFY(!shown->readable());
        BoxAnswerer answerer;
        w<QPushButton>("pushButton_generate")->click();
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY2(answerer.boxes[0].text.contains("in their range: " + name + "."),
                 qPrintable(answerer.boxes[0].text));
    }

    void startUp()
    {
        QCOMPARE(window->windowTitle(), QString("Beltwright"));
        QCOMPARE(window->windowType(), Qt::Window);
        // Fixed while the preview is not beside the form.
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(statusLabel(*window)->text(), QString("Ready"));
        QVERIFY(progressBar(*window)->isHidden());
        QCOMPARE(progressBar(*window)->maximum(), 100);
        QVERIFY(!window->statusBar()->isSizeGripEnabled());
        QString const mid = QApplication::palette().color(QPalette::Mid).name();
        QVERIFY2(window->statusBar()->styleSheet().startsWith("QStatusBar {border-top: 1px solid " +
                                                              mid + ";}"),
                 qPrintable(window->statusBar()->styleSheet()));

        auto items = [](QComboBox *box) {
            QStringList list;
            for (int i = 0; i < box->count(); ++i)
                list << box->itemText(i);
            return list;
        };
        QCOMPARE(items(w<QComboBox>("comboBox_objectType")), (QStringList{"Asteroid", "Comet"}));
        QCOMPARE(items(w<QComboBox>("comboBox_referencePlane")),
                 (QStringList{"Ecliptic", "Equator", "Extrasolar"}));

        auto texts = [](QList<QAction *> const &actions) {
            QStringList list;
            for (QAction *action : actions)
                list << (action->menu() ? action->menu()->objectName() : action->text());
            return list;
        };
        // The file menu, the form's three menus, then the preview's.
        QCOMPARE(texts(w<QMenuBar>("menubar")->actions()),
                 (QStringList{"menu_file", "menu_loadPreset", "menu_language", "menu_info",
                              "menu_preview"}));
        QCOMPARE(texts(w<QMenu>("menu_language")->actions()),
                 (QStringList{"&English", "&Deutsch", "&Fran\u00e7ais"}));
        QCOMPARE(texts(w<QMenu>("menu_info")->actions()),
                 (QStringList{"&Credits", "&About Beltwright"}));
    }

    void credits()
    {
        BoxAnswerer answerer;
        w<QAction>("action_Credits")->trigger();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].title, QString("Credits"));
        QVERIFY(answerer.boxes[0].text.contains(" - Python version and enhancements"));
        QVERIFY(answerer.boxes[0].text.contains(" - original Batch version"));
    }

    void presetMenuOrder()
    {
        QStringList texts;
        for (QAction *action : w<QMenu>("menu_loadPreset")->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"Oort Cloud", "Toliman A Comets", "Vulcanoids", "eBelt-EM"}));
    }

    void presetFillsTheForm_data()
    {
        QTest::addColumn<Settings::Preset>("preset");
        for (PresetInfo const &info : presetTable)
            QTest::newRow(info.menuText.data()) << info.preset;
    }
    void presetFillsTheForm()
    {
        QFETCH(Settings::Preset, preset);
        Settings const expected(preset);
        QString const text = QString::fromUtf8(QTest::currentDataTag());

        // Start from a form that differs everywhere, in Earth masses.
        w<QRadioButton>("radioButton_earthMass")->setChecked(true);
        w<QDoubleSpinBox>("doubleSpinBox_totalMass")->setValue(77);
        w<QCheckBox>("checkBox_barycenter")->setChecked(!expected.barycenter);
        w<QComboBox>("comboBox_referencePlane")->setCurrentIndex(2);
        w<QDoubleSpinBox>("doubleSpinBox_epoch")->setValue(1);

        actionWithText(w<QMenu>("menu_loadPreset"), text)->trigger();

        Settings const shown = window->formSettings();
        QCOMPARE(shown.objectType, expected.objectType);
        QCOMPARE(shown.beltName, expected.beltName);
        QCOMPARE(shown.beltCenter, expected.beltCenter);
        QCOMPARE(shown.barycenter, expected.barycenter);
        QCOMPARE(w<QWidget>("doubleSpinBox_totalMass")->isEnabled(), expected.barycenter);
        // Solar masses again, the preset's value unconverted (to 20 decimals).
        QVERIFY(w<QRadioButton>("radioButton_solarMass")->isChecked());
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_totalMass")->suffix(), QString(" M\u2299"));
        QVERIFY2(std::abs(shown.totalMass - expected.totalMass) <= 1e-20,
                 qPrintable(QString::number(shown.totalMass, 'g', 17)));
        QCOMPARE(shown.number, expected.number);
        QCOMPARE(shown.populations[0].innerRadius, expected.populations[0].innerRadius);
        QCOMPARE(shown.populations[0].outerRadius, expected.populations[0].outerRadius);
        QCOMPARE(shown.populations[0].minRadius, expected.populations[0].minRadius);
        QCOMPARE(shown.populations[0].maxRadius, expected.populations[0].maxRadius);
        QCOMPARE(shown.populations[0].minEccentricity, expected.populations[0].minEccentricity);
        QCOMPARE(shown.populations[0].maxEccentricity, expected.populations[0].maxEccentricity);
        QCOMPARE(shown.populations[0].maxInclination, expected.populations[0].maxInclination);
        QCOMPARE(shown.referencePlane, expected.referencePlane);
        QCOMPARE(shown.epoch, expected.epoch);
    }

    void presetValuesAsShown()
    {
        actionWithText(w<QMenu>("menu_loadPreset"), "Toliman A Comets")->trigger();
        QCOMPARE(w<QComboBox>("comboBox_objectType")->currentText(), QString("Comet"));
        QCOMPARE(w<QLineEdit>("lineEdit_beltCenter")->text(), QString("Toliman A"));
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_maxInclination")->text(),
                 QString("180.00\u00b0"));
        actionWithText(w<QMenu>("menu_loadPreset"), "eBelt-EM")->trigger();
        QVERIFY(w<QCheckBox>("checkBox_barycenter")->isChecked());
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_totalMass")->text(),
                 QString("0.00000304010621889297 M\u2299"));
    }

    void valuesNoListCarries()
    {
        Settings odd(Settings::OortCloud);
        odd.objectType = static_cast<BaseAsteroid::ObjectType>(7);
        odd.referencePlane = static_cast<Orbit::ReferencePlane>(9);
        QVERIFY(QMetaObject::invokeMethod(window.get(), "loadPreset", Q_ARG(Settings, odd)));
        QCOMPARE(w<QComboBox>("comboBox_objectType")->currentIndex(), -1);
        QCOMPARE(w<QComboBox>("comboBox_referencePlane")->currentIndex(), -1);
        Settings const shown = window->formSettings();
        QCOMPARE(shown.objectType, BaseAsteroid::Asteroid);
        QCOMPARE(shown.referencePlane, Orbit::Ecliptic);
        QCOMPARE(shown.beltName, std::string("OS"));
    }

    void resetEpoch()
    {
        auto *epoch = w<QDoubleSpinBox>("doubleSpinBox_epoch");
        for (double value : {0.0, 12.25, 1e7}) {
            epoch->setValue(value);
            w<QPushButton>("pushButton_resetEpoch")->click();
            QCOMPARE(epoch->value(), 2457395.5);
        }
    }

    void massUnitConversions_data()
    {
        QTest::addColumn<double>("solar");     // in the field before the switch
        QTest::addColumn<double>("earth");     // shown in Earth masses
        QTest::addColumn<double>("solarBack"); // shown after switching back
        QTest::newRow("one Earth mass") << 3.003167261575587e-06 << 1.0 << 3.003167261575587e-06;
        QTest::newRow("zero") << 0.0 << 0.0 << 0.0;
        QTest::newRow("one solar mass") << 1.0 << 1.0 / solMassOfEarth << 1.0;
        // Beyond the field's maximum once converted: clamped at 1e35.
        QTest::newRow("clamped") << 4e29 << 1e35 << 1e35 * solMassOfEarth;
    }
    void massUnitConversions()
    {
        QFETCH(double, solar);
        QFETCH(double, earth);
        QFETCH(double, solarBack);
        QCOMPARE(MainWindow::solMassOfEarth, 3.003167261575587e-06);
        w<QCheckBox>("checkBox_barycenter")->setChecked(true);
        auto *field = w<QDoubleSpinBox>("doubleSpinBox_totalMass");
        field->setValue(solar);

        w<QRadioButton>("radioButton_earthMass")->setChecked(true);
        QCOMPARE(field->value(), earth);
        QCOMPARE(field->suffix(), QString(" M\u2295"));
        QVERIFY(!w<QRadioButton>("radioButton_solarMass")->isChecked());

        w<QRadioButton>("radioButton_solarMass")->setChecked(true);
        QCOMPARE(field->value(), solarBack);
        QCOMPARE(field->suffix(), QString(" M\u2299"));
    }

    void formToSettings()
    {
        w<QComboBox>("comboBox_objectType")->setCurrentText("Comet");
        w<QLineEdit>("lineEdit_beltName")->setText(QString::fromUtf8("Gürtel"));
        w<QLineEdit>("lineEdit_beltCenter")->setText(QString::fromUtf8("Proxima \u263c"));
        w<QCheckBox>("checkBox_barycenter")->setChecked(true);
        w<QRadioButton>("radioButton_earthMass")->setChecked(true);
        w<QDoubleSpinBox>("doubleSpinBox_totalMass")->setValue(2.5);
        w<QSpinBox>("spinBox_number")->setValue(1234);
        // Bounds in the wrong order pass on as they stand.
        w<QDoubleSpinBox>("doubleSpinBox_innerRadius")->setValue(7.5);
        w<QDoubleSpinBox>("doubleSpinBox_outerRadius")->setValue(2.25);
        w<QDoubleSpinBox>("doubleSpinBox_minRadius")->setValue(9);
        w<QDoubleSpinBox>("doubleSpinBox_maxRadius")->setValue(4);
        w<QDoubleSpinBox>("doubleSpinBox_minEccentricity")->setValue(0.5);
        w<QDoubleSpinBox>("doubleSpinBox_maxEccentricity")->setValue(0.25);
        w<QDoubleSpinBox>("doubleSpinBox_maxInclination")->setValue(33.5);
        w<QComboBox>("comboBox_referencePlane")->setCurrentText("Extrasolar");
        w<QDoubleSpinBox>("doubleSpinBox_epoch")->setValue(2451545.0);

        Settings const s = window->formSettings();
        QCOMPARE(s.objectType, BaseAsteroid::Comet);
        QCOMPARE(s.beltName, std::string("G\xc3\xbcrtel"));
        QCOMPARE(s.beltCenter, std::string("Proxima \xe2\x98\xbc"));
        QVERIFY(s.barycenter);
        QCOMPARE(s.totalMass, 2.5 * 3.003167261575587e-06);
        QCOMPARE(s.number, 1234u);
        QCOMPARE(s.populations[0].innerRadius, 7.5);
        QCOMPARE(s.populations[0].outerRadius, 2.25);
        QCOMPARE(s.populations[0].minRadius, 9.0);
        QCOMPARE(s.populations[0].maxRadius, 4.0);
        QCOMPARE(s.populations[0].minEccentricity, 0.5);
        QCOMPARE(s.populations[0].maxEccentricity, 0.25);
        QCOMPARE(s.populations[0].maxInclination, 33.5);
        QCOMPARE(s.referencePlane, Orbit::Extrasolar);
        QCOMPARE(s.epoch, 2451545.0);

        // In solar masses the value is taken as it stands, and it is read
        // also while the mass widgets are disabled.
        w<QRadioButton>("radioButton_solarMass")->setChecked(true);
        w<QDoubleSpinBox>("doubleSpinBox_totalMass")->setValue(1.0);
        w<QCheckBox>("checkBox_barycenter")->setChecked(false);
        QCOMPARE(window->formSettings().totalMass, 1.0);
        QVERIFY(!window->formSettings().barycenter);
        w<QRadioButton>("radioButton_earthMass")->setChecked(true); // as a preset would not
        QCOMPARE(window->formSettings().totalMass,
                 w<QDoubleSpinBox>("doubleSpinBox_totalMass")->value() * solMassOfEarth);
    }

    // Typed into the inner radius and left with Tab: a point or a comma is the
    // decimal point in either language; a number that could be grouped either
    // way is shown as unreadable and refused by Generate.
    void typedNumbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value"); // NaN: unreadable
        QTest::addColumn<QString>("shown");
        double const unreadable = std::nan("");
        struct Shown {
            char const *locale, *half;
        };
        for (auto [locale, half] : {Shown{"en_US", "0.50 AU"}, Shown{"de_DE", "0,50 AU"}}) {
            QTest::addRow("%s 0.5", locale) << locale << "0.5" << 0.5 << half;
            QTest::addRow("%s 0,5", locale) << locale << "0,5" << 0.5 << half;
            QTest::addRow("%s 1.234,5", locale)
                << locale << "1.234,5" << unreadable << "1.234,5 AU";
            QTest::addRow("%s 1,234.5", locale)
                << locale << "1,234.5" << unreadable << "1,234.5 AU";
            // More decimals than the field keeps: not rounded behind the user's back.
            QTest::addRow("%s 0.155", locale) << locale << "0.155" << unreadable << "0.155 AU";
            QTest::addRow("%s letters", locale) << locale << "0.5x" << unreadable << "0.5x AU";
        }
        // A locale that writes digits of its own script reads them back.
        QTest::newRow("ar_EG own digits")
            << "ar_EG" << QString::fromUtf8("٠٫٥") << 0.5 << QString::fromUtf8("٠٫٥٠ AU");
    }
    void typedNumbers()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, shown);
        window->show();
        QApplication::setActiveWindow(window.get());
        auto *field = w<DecimalField>("doubleSpinBox_innerRadius");
        field->setLocale(QLocale(locale));
        field->setFocus();
        field->selectAll();
        for (QChar c : typed) // as typed, also beyond ASCII
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY(!field->hasFocus());
        QCOMPARE(field->text(), shown);
        QCOMPARE(field->readable(), !std::isnan(value));
        if (!std::isnan(value))
            QCOMPARE(field->value(), value);
        QColor const ground =
            w<QWidget>("doubleSpinBox_outerRadius")->palette().color(QPalette::Base);
        QCOMPARE(field->palette().color(QPalette::Base) != ground, std::isnan(value));

        // Generate refuses the unreadable number before it asks for a file.
        int choices = 0;
        window->setFileChooser([&](QWidget *) { return ++choices, QString(); });
        BoxAnswerer answerer;
        w<QPushButton>("pushButton_generate")->click();
        QCOMPARE(choices, std::isnan(value) ? 0 : 1);
        QCOMPARE(answerer.boxes.size(), std::isnan(value) ? 1 : 0);
        if (std::isnan(value))
            QVERIFY(answerer.boxes[0].text.contains("in their range: Belt inner radius."));
    }

    void numbersFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("radius");
        QTest::addColumn<QString>("mass");
        QTest::newRow("German") << "action_german"
                                << "0,15 AU"
                                << "0,00000304010621889297 M\u2299";
        QTest::newRow("English") << "action_english"
                                 << "0.15 AU"
                                 << "0.00000304010621889297 M\u2299";
    }
    void numbersFollowTheLanguage()
    {
        QFETCH(QString, action);
        QFETCH(QString, radius);
        QFETCH(QString, mass);
        actionWithText(w<QMenu>("menu_loadPreset"), "eBelt-EM")->trigger();
        w<QDoubleSpinBox>("doubleSpinBox_innerRadius")->setValue(0.15);
        w<QAction>(action.toLatin1().constData())->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_innerRadius")->text(), radius);
        QCOMPARE(w<QDoubleSpinBox>("doubleSpinBox_totalMass")->text(), mass);
        w<QAction>("action_english")->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
    }

    // Odd bounds are marked at their fields and noted in the preview, in the
    // same words; the run still takes them as they stand.
    void oddBoundsAreMarked_data()
    {
        QTest::addColumn<QStringList>("changes"); // field=value
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("in order") << QStringList{"innerRadius=0.18", "outerRadius=0.18"}
                                  << QStringList{} << QStringList{};
        QTest::newRow("belt radii reversed")
            << QStringList{"innerRadius=0.5"} << QStringList{"innerRadius", "outerRadius"}
            << QStringList{"Belt inner radius is above Belt outer radius: every body will orbit "
                           "at 0.5 AU."};
        QTest::newRow("some orbits open")
            << QStringList{"maxEccentricity=1"} << QStringList{"maxEccentricity"}
            << QStringList{"Max eccentricity is 1 or more: orbits with an eccentricity of 1 or "
                           "more are open, and a reader of orbital elements cannot place them."};
        QTest::newRow("all orbits open, reversed")
            << QStringList{"minEccentricity=1.5", "maxEccentricity=1.25"}
            << QStringList{"minEccentricity", "maxEccentricity"}
            << QStringList{"Min eccentricity is above Max eccentricity: every orbit will have an "
                           "eccentricity of 1.5.",
                           "Min eccentricity is 1 or more: every orbit will be open, and a "
                           "reader of orbital elements cannot place it."};
    }
    void oddBoundsAreMarked()
    {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, marked);
        QFETCH(QStringList, notes);
        window->setSeed(1);
        PreviewWindow *preview = window->showPreview();
        for (QString const &change : changes) {
            QStringList const parts = change.split('=');
            w<QDoubleSpinBox>(qPrintable("doubleSpinBox_" + parts[0]))
                ->setValue(parts[1].toDouble());
        }
        QStringList markedNow;
        QStringList tips;
        for (char const *name : {"innerRadius", "outerRadius", "minRadius", "maxRadius",
                                 "minEccentricity", "maxEccentricity"}) {
            auto *field = w<DecimalField>(qPrintable(QString("doubleSpinBox_") + name));
            if (!field->warning().isEmpty()) {
                markedNow << name;
                tips << field->warning().split('\n');
                // Before what the field means, which stays.
                QVERIFY(field->toolTip().startsWith(field->warning() + "\n\n"));
            }
        }
        QCOMPARE(markedNow, marked);
        tips.removeDuplicates();
        QStringList sortedNotes = notes;
        sortedNotes.sort();
        tips.sort();
        QCOMPARE(tips, sortedNotes);
        auto *note = preview->findChild<QLabel *>("label_previewWarnings");
        QCOMPARE(note->isVisibleTo(preview), !notes.isEmpty());
        QCOMPARE(note->text(), notes.join('\n'));

        // A preset clears every mark and the note.
        actionWithText(w<QMenu>("menu_loadPreset"), "Vulcanoids")->trigger();
        for (auto *field : window->findChildren<DecimalField *>())
            QVERIFY2(field->warning().isEmpty(), qPrintable(field->objectName()));
        QVERIFY(note->isHidden());
    }

    void unknownListTexts()
    {
        // Texts that are not keys of the window's maps fall back to the first
        // enumerator.
        auto *type = w<QComboBox>("comboBox_objectType");
        type->addItem("Planet");
        type->setCurrentText("Planet");
        auto *plane = w<QComboBox>("comboBox_referencePlane");
        plane->addItem("Galactic");
        plane->setCurrentText("Galactic");
        QCOMPARE(window->formSettings().objectType, BaseAsteroid::Asteroid);
        QCOMPARE(window->formSettings().referencePlane, Orbit::Ecliptic);
        plane->setCurrentText("Equator");
        QCOMPARE(window->formSettings().referencePlane, Orbit::Equator);
    }

    // With the preview beside it the window fits a small laptop's screen
    // (1280 x 720 less a task bar) in each language; a layout kept on a larger
    // screen comes back onto this one.
    void windowFitsASmallScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("other");
        QTest::newRow("English") << "action_english" << "action_german";
        QTest::newRow("German") << "action_german" << "action_english";
    }
    void windowFitsASmallScreen()
    {
        QFETCH(QString, language);
        QFETCH(QString, other);
        QString const store = dir.filePath("layout.ini");
        auto open = [&] {
            window = std::make_unique<MainWindow>();
            w<QAction>(qPrintable(language))->trigger();
            window->keepLayoutIn(std::make_unique<QSettings>(store, QSettings::IniFormat));
            window->show();
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents();
        };
        open();
        auto *dock = w<QDockWidget>("dock_preview");
        window->addDockWidget(Qt::RightDockWidgetArea, dock);
        QSize const least = window->minimumSizeHint();
        QVERIFY2(least.width() <= 1280 && least.height() <= 680,
                 qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
        // At that size nothing is cut off: the form in one column, the
        // preview's seed and buttons on two lines.
        // So too once the other language has come in.
        window->resize(least);
        auto cramped = [&] {
            QStringList names = crampedWidgets(*window);
            for (QWidget *part : dock->widget()->findChildren<QWidget *>())
                if (part->isVisible() && !part->objectName().startsWith("qt_") &&
                    part->width() < part->minimumSizeHint().width())
                    names << part->objectName();
            return names.join(", ");
        };
        for (QString const &shown : {language, other}) {
            w<QAction>(qPrintable(shown))->trigger();
            QTRY_COMPARE(cramped(), QString());
        }
        w<QAction>(qPrintable(language))->trigger();

        window->setGeometry(-400, 300, 4000, 3000);
        window->close();
        open();
        QRect const screen = window->screen()->availableGeometry();
        QTRY_VERIFY2(screen.contains(window->frameGeometry()),
                     qPrintable(QString("%1 x %2 at %3, %4")
                                    .arg(window->frameGeometry().width())
                                    .arg(window->frameGeometry().height())
                                    .arg(window->frameGeometry().x())
                                    .arg(window->frameGeometry().y())));
        QVERIFY(w<QDockWidget>("dock_preview")->isVisible());
        QFile::remove(store);
    }

    // Given the width and height of its columns beside each other, the form
    // sets them so, though its one column had a scroll bar that took width.
    void formColumnsBesideDespiteScrollBar()
    {
        QMainWindow frame;
        auto *form = new QWidget;
        auto *columns = new QBoxLayout(QBoxLayout::TopToBottom, form);
        for (int k = 0; k < 2; ++k) {
            auto *column = new QWidget;
            column->setMinimumSize(250, 200);
            columns->addWidget(column);
        }
        frame.setCentralWidget(form);
        auto *scroll = new FormScroll(&frame, form, columns);
        frame.show();
        QVERIFY(!scroll->besideEachOther());
        scroll->setFixedSize(scroll->wholeSize(true));
        QTRY_VERIFY(scroll->besideEachOther());
        QTRY_VERIFY(!scroll->verticalScrollBar()->isVisible());
    }
};

BELT_WINDOW_TEST_MAIN(FormTest, "en_US.UTF-8")
#include "tst_form.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Recipe.h"
#include "Settings.h"
#include "SettingsCheck.h"
#include "SettingsTable.h"

#include <QHash>
#include <QLocale>
#include <QObject>
#include <QStringList>

#include <memory>

class DecimalField;
class PopulationList;
class Ui_MainWindow;

// The settings form on the window: binds the designer form's fields to the
// settings table's rows (ranges, decimals, suffixes, choices, tooltips and
// enabling) and maps them to and from a Settings record. The fields of a
// population show the one selected in the list of populations. It marks odd
// bounds as they are typed and tells of every change.
class SettingsForm : public QObject {
    Q_OBJECT

public:
    // The window owns the designer form and has set it up.
    SettingsForm(Ui_MainWindow &designerForm, QObject *parent);
    ~SettingsForm() override;

    // The belt's name as entered: the stem of file names offered.
    QString beltName() const;

    // The record a run would start from, the total mass in solar masses.
    Settings settings() const;
    // Fills every field; the mass unit goes back to solar masses.
    void load(Settings const &settings);
    // The form as it shows the belt, with the total mass in the unit chosen.
    Recipe recipe(std::uint32_t seed) const;
    // Fills every field and the mass unit. Returns the labels of the fields
    // that show fewer decimals than the recipe gives, and so hold another value.
    QStringList load(Recipe const &recipe);
    void resetEpoch();

    // Labels of the number fields that show text they cannot read.
    QStringList unreadableFields() const;
    // The warnings of the form as it stands, in its language.
    QStringList warningTexts() const;

    // Texts and the way numbers are shown, after a change of language (the
    // window retranslates the designer form first).
    void retranslate(QLocale const &numbers);

signals:
    void changed();

private:
    void bindRows();
    void nameRows();
    void toggleMassUnit(bool earthMasses);
    void switchPlanetMassUnit();
    void followChanges();
    void markWarnings();
    void enableFields();
    // The fields of a population show that of index.
    void showPopulation(int index);
    // A field was edited: a population's goes to the list's population.
    void fieldEdited(QObject *field);
    // The form as entered, the total mass in the unit chosen.
    EnteredSettings entered() const;
    // The widget of a setting; null for the mass unit, which is two buttons.
    QWidget *widget(SettingRow const &row) const;
    void fitTotalMassField();
    DecimalField *field(std::string_view key) const;
    QString labelOf(DecimalField *field) const;
    QList<DecimalField *> decimalFields() const;

    Ui_MainWindow *ui;
    QLocale numbers;
    // The unit the planet's mass field shows, and whether a load is filling the form.
    Settings::PlanetMassUnit planetMassUnit = Settings::PlanetMassUnit::JupiterMasses;
    bool loading = false;
    // The populations, in a list beside the form; its fields show and edit
    // the selected one, which showing fills.
    PopulationList *list;
    int shownPopulation = 0;
    bool showing = false;
    QHash<QObject *, SettingRow const *> populationFields;
};

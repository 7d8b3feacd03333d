// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsForm.h"

#include "DecimalField.h"
#include "PopulationList.h"
#include "SettingsTable.h"
#include "WindowMessages.h"
#include "ui_MainWindow.h"

#include <QIcon>
#include <QPixmap>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <limits>

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

QString translated(char const *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// The suffix of a number's field: its own, or that of its unit as chosen.
QString suffixOf(SettingRow const &row, std::int32_t unit)
{
    SettingRow const *units = row.unitFrom.empty() ? nullptr : findSetting(row.unitFrom);
    ChoiceWord const *word = units ? units->wordOf(unit) : nullptr;
    return fromView(word ? word->suffix : row.suffix);
}

// The designer form names each setting's widget after the member it fills,
// behind the widget's kind.
QString widgetName(SettingRow const &row)
{
    static char const *const prefixes[] = {"doubleSpinBox_", "spinBox_", "lineEdit_", "comboBox_",
                                           "checkBox_"};
    return QLatin1String(prefixes[row.kind]) +
           QString::fromUtf8(row.member.data(), int(row.member.size()));
}

// The total mass's unit is a pair of radio buttons beside its field.
bool hasOwnWidget(SettingRow const &row)
{
    return row.key != "mass-unit";
}

Settings::PlanetMassUnit planetMassUnitOf(QComboBox const *box)
{
    return Settings::PlanetMassUnit(box->currentData().toInt());
}

SettingRow const &rowOf(std::string_view key)
{
    return *findSetting(key);
}

// The value of a row's field into entered, for population index where the
// row is a population's; shown is null for the mass unit.
void readField(SettingRow const &row, QWidget *shown, EnteredSettings &entered, int index)
{
    std::size_t const at = std::size_t(index);
    if (!shown)
        return;
    switch (row.kind) {
    case SettingRow::Number:
        row.number(entered, at) = static_cast<QDoubleSpinBox *>(shown)->value();
        break;
    case SettingRow::WholeNumber:
        row.whole(entered, at) = static_cast<std::uint32_t>(static_cast<QSpinBox *>(shown)->value());
        break;
    case SettingRow::Text:
        row.text(entered, at) = static_cast<QLineEdit *>(shown)->text().toStdString();
        break;
    case SettingRow::Choice: {
        // Each item carries its enumerator; an item without one is the first word.
        QVariant const data = static_cast<QComboBox *>(shown)->currentData();
        row.setChoice(entered, data.isValid() ? data.toInt() : row.words.front().value, at);
        break;
    }
    case SettingRow::Flag:
        row.flag(entered, at) = static_cast<QCheckBox *>(shown)->isChecked();
        break;
    }
}

// The reverse: the field shows the value in entered.
void showField(SettingRow const &row, QWidget *shown, EnteredSettings &entered, int index)
{
    std::size_t const at = std::size_t(index);
    if (!shown)
        return;
    switch (row.kind) {
    case SettingRow::Number:
        static_cast<QDoubleSpinBox *>(shown)->setValue(row.number(entered, at));
        break;
    case SettingRow::WholeNumber:
        static_cast<QSpinBox *>(shown)->setValue(static_cast<int>(
            std::min<std::uint32_t>(row.whole(entered, at), std::numeric_limits<int>::max())));
        break;
    case SettingRow::Text:
        static_cast<QLineEdit *>(shown)->setText(QString::fromStdString(row.text(entered, at)));
        break;
    case SettingRow::Choice: {
        auto *box = static_cast<QComboBox *>(shown);
        box->setCurrentIndex(box->findData(row.choice(entered, at)));
        break;
    }
    case SettingRow::Flag:
        static_cast<QCheckBox *>(shown)->setChecked(row.flag(entered, at));
        break;
    }
}

} // namespace

SettingsForm::SettingsForm(Ui_MainWindow &designerForm, QObject *parent)
    : QObject(parent)
    , ui(&designerForm)
    , list(new PopulationList(designerForm.centralwidget))
{
    list->placeIn(ui->horizontalLayout_columns, ui->groupBox_planet);
    bindRows();

    connect(ui->radioButton_earthMass, &QRadioButton::toggled, this, &SettingsForm::toggleMassUnit);
    connect(ui->comboBox_planetMassUnit, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &SettingsForm::switchPlanetMassUnit);

    ui->pushButton_resetEpoch->setIcon(QIcon(QPixmap(QStringLiteral(":/images/reset.png"))));
    ui->pushButton_resetEpoch->setIconSize(QSize(15, 15));
    connect(ui->pushButton_resetEpoch, &QPushButton::clicked, this, &SettingsForm::resetEpoch);

    followChanges();
    connect(this, &SettingsForm::changed, this, &SettingsForm::markWarnings);
    connect(this, &SettingsForm::changed, this, &SettingsForm::enableFields);
    connect(list, &PopulationList::selected, this, &SettingsForm::showPopulation);
    connect(&list->model(), &PopulationModel::edited, this, &SettingsForm::changed);
    showPopulation(list->current());
    fitTotalMassField();
}

SettingsForm::~SettingsForm() = default;

QWidget *SettingsForm::widget(SettingRow const &row) const
{
    return hasOwnWidget(row) ? ui->centralwidget->findChild<QWidget *>(widgetName(row)) : nullptr;
}

// Each row's field takes its range, decimals, suffix, choices and tooltip
// from the row; the texts follow the language (nameRows()).
void SettingsForm::bindRows()
{
    for (SettingRow const &row : settingsTable()) {
        QWidget *const shown = widget(row);
        if (!shown)
            continue;
        if (row.level == SettingRow::OfPopulation)
            populationFields.insert(shown, &row);
        if (row.kind == SettingRow::Number) {
            auto *box = static_cast<QDoubleSpinBox *>(shown);
            box->setDecimals(row.range.decimals);
            box->setRange(row.range.minimum, row.range.maximum);
            SettingRow const *units = row.unitFrom.empty() ? nullptr : findSetting(row.unitFrom);
            box->setSuffix(suffixOf(row, units ? units->words.front().value : 0));
        } else if (row.kind == SettingRow::WholeNumber) {
            static_cast<QSpinBox *>(shown)->setRange(0, int(row.range.maximum));
        } else if (row.kind == SettingRow::Choice) {
            // Each item carries its enumerator; its text is only what is shown.
            for (ChoiceWord const &word : row.words)
                static_cast<QComboBox *>(shown)->addItem(QString(), word.value);
        }
    }
    nameRows();
}

void SettingsForm::nameRows()
{
    for (SettingRow const &row : settingsTable()) {
        QWidget *const shown = widget(row);
        if (!shown)
            continue;
        if (auto *decimal = qobject_cast<DecimalField *>(shown); decimal && row.tip)
            decimal->setTip(translated(row.tip));
        else if (row.tip)
            shown->setToolTip(translated(row.tip));
        if (row.kind != SettingRow::Choice)
            continue;
        auto *box = static_cast<QComboBox *>(shown);
        for (ChoiceWord const &word : row.words)
            box->setItemText(box->findData(word.value),
                             word.label ? translated(word.label) : fromView(word.word));
    }
}

EnteredSettings SettingsForm::entered() const
{
    EnteredSettings entered;
    // The list holds every population, the edits of its fields too.
    entered.settings.populations = list->model().populations();
    entered.massUnit =
        ui->radioButton_earthMass->isChecked() ? Settings::EarthMasses : Settings::SolarMasses;
    for (SettingRow const &row : settingsTable()) {
        if (row.level == SettingRow::OfBelt)
            readField(row, widget(row), entered, 0);
    }
    return entered;
}

Settings SettingsForm::settings() const
{
    return entered().forRun();
}

void SettingsForm::load(Settings const &s)
{
    {
        // The planet's mass comes in its own unit: no conversion when the unit follows.
        QScopedValueRollback<bool> keepPlanetMass(loading, true);
        ui->radioButton_solarMass->setChecked(true);
        EnteredSettings entered{s, Settings::SolarMasses};
        for (SettingRow const &row : settingsTable()) {
            if (row.level == SettingRow::OfBelt)
                showField(row, widget(row), entered, 0);
        }
        list->model().reset(s.populations);
        // The fields hold what they show, the values of every population as
        // they round them; the first is shown, as the list selects it.
        for (int p = list->model().rowCount() - 1; p >= 0; --p) {
            showPopulation(p);
            EnteredSettings place;
            place.settings.populations = list->model().populations();
            for (auto shown = populationFields.cbegin(); shown != populationFields.cend(); ++shown)
                readField(*shown.value(), static_cast<QWidget *>(shown.key()), place, p);
            list->model().replace(p, place.settings.populations[std::size_t(p)]);
        }
    }
    // Fields that show another population tell of no change by themselves.
    emit changed();
}

Recipe SettingsForm::recipe(std::uint32_t seed) const
{
    EnteredSettings const shown = entered();
    return Recipe{shown.settings, shown.massUnit, seed};
}

// With the first population shown, as a load leaves it.
QStringList SettingsForm::load(Recipe const &recipe)
{
    load(recipe.settings);
    if (recipe.massUnit == Recipe::EarthMasses) {
        ui->radioButton_earthMass->setChecked(true);
        ui->doubleSpinBox_totalMass->setValue(recipe.settings.totalMass);
    }
    EnteredSettings given{recipe.settings, recipe.massUnit};
    EnteredSettings held = entered();
    QStringList rounded;
    for (SettingRow const &row : settingsTable()) {
        if (row.kind != SettingRow::Number || !widget(row))
            continue;
        auto *shown = static_cast<DecimalField *>(widget(row));
        std::size_t const populations =
            row.level == SettingRow::OfBelt ? 1 : given.settings.populations.size();
        for (std::size_t p = 0; p < populations; ++p) {
            if (row.number(held, p) == row.number(given, p))
                continue;
            // Of several populations, the one whose field it is.
            rounded << (populations > 1 ? QStringLiteral("%1 (%2)").arg(
                                              labelOf(shown),
                                              QString::fromStdString(
                                                  given.settings.populations[p].name))
                                        : labelOf(shown));
        }
    }
    return rounded;
}

QString SettingsForm::beltName() const
{
    return ui->lineEdit_beltName->text();
}

void SettingsForm::resetEpoch()
{
    ui->doubleSpinBox_epoch->setValue(defaultEpoch);
}

QStringList SettingsForm::unreadableFields() const
{
    QStringList names;
    for (DecimalField *each : decimalFields()) {
        if (!each->readable())
            names << labelOf(each);
    }
    return names;
}

// A field's name as the messages give it: its label is often a mere "mode"
// or "slope q" beside a list.
QString SettingsForm::labelOf(DecimalField *field) const
{
    for (SettingRow const &row : settingsTable()) {
        if (row.label && widget(row) == field)
            return WindowMessages::fieldName(row);
    }
    return field->objectName();
}

QStringList SettingsForm::warningTexts() const
{
    QStringList texts;
    Settings const now = settings();
    for (SettingsWarning const &warning : checkWarnings(now))
        texts << WindowMessages::warning(warning, numbers, now);
    return texts;
}

void SettingsForm::retranslate(QLocale const &newNumbers)
{
    nameRows();
    numbers = newNumbers;
    list->retranslate(numbers);
    for (QAbstractSpinBox *box : ui->centralwidget->findChildren<QAbstractSpinBox *>())
        box->setLocale(numbers);
    markWarnings();
    fitTotalMassField();
}

void SettingsForm::toggleMassUnit(bool earthMasses)
{
    double const value = ui->doubleSpinBox_totalMass->value();
    if (earthMasses) {
        ui->doubleSpinBox_totalMass->setValue(value / solMassOfEarth);
    } else {
        ui->doubleSpinBox_totalMass->setValue(value * solMassOfEarth);
    }
    ui->doubleSpinBox_totalMass->setSuffix(
        suffixOf(rowOf("total-mass"), earthMasses ? Settings::EarthMasses : Settings::SolarMasses));
}

// The planet keeps its mass when its unit changes, as the total mass does.
void SettingsForm::switchPlanetMassUnit()
{
    Settings::PlanetMassUnit const unit = planetMassUnitOf(ui->comboBox_planetMassUnit);
    bool const earthMasses = unit == Settings::PlanetMassUnit::EarthMasses;
    QDoubleSpinBox *mass = ui->doubleSpinBox_planetMass;
    if (!loading && unit != planetMassUnit) {
        double const earthPerJupiter = solMassOfJupiter / solMassOfEarth;
        mass->setValue(earthMasses ? mass->value() * earthPerJupiter
                                   : mass->value() / earthPerJupiter);
    }
    mass->setSuffix(suffixOf(rowOf("planet-mass"), std::int32_t(unit)));
    planetMassUnit = unit;
}

// Every change of the form is announced once per edit of a field.
void SettingsForm::followChanges()
{
    QWidget *form = ui->centralwidget;
    auto const follow = [this](QObject *field) { return [this, field] { fieldEdited(field); }; };
    for (auto *box : form->findChildren<QSpinBox *>())
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, follow(box));
    for (auto *box : form->findChildren<QDoubleSpinBox *>())
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, follow(box));
    for (auto *box : form->findChildren<QComboBox *>())
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, follow(box));
    // Only the text fields: the spin boxes' own line edits announce through
    // their values.
    for (auto *edit : form->findChildren<QLineEdit *>(QRegularExpression("^lineEdit_")))
        connect(edit, &QLineEdit::textChanged, this, follow(edit));
    for (auto *button : form->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::toggled, this, follow(button));
}

void SettingsForm::fieldEdited(QObject *field)
{
    // Showing another population changes nothing.
    if (showing)
        return;
    if (SettingRow const *row = populationFields.value(field)) {
        EnteredSettings place;
        place.settings.populations = list->model().populations();
        readField(*row, static_cast<QWidget *>(field), place, shownPopulation);
        list->model().replace(shownPopulation,
                              place.settings.populations[std::size_t(shownPopulation)]);
    }
    emit changed();
}

void SettingsForm::showPopulation(int index)
{
    shownPopulation = index;
    {
        QScopedValueRollback<bool> quiet(showing, true);
        EnteredSettings place;
        place.settings.populations = list->model().populations();
        for (auto shown = populationFields.cbegin(); shown != populationFields.cend(); ++shown)
            showField(*shown.value(), static_cast<QWidget *>(shown.key()), place, index);
    }
    enableFields();
    markWarnings();
}

// A field whose setting counts only under another one is enabled by it, and
// so is its label.
void SettingsForm::enableFields()
{
    Settings const now = settings();
    for (SettingRow const &row : settingsTable()) {
        if (!row.enabled && row.level == SettingRow::OfBelt)
            continue;
        bool const enabled = row.isEnabled(now, std::size_t(shownPopulation));
        if (QWidget *shown = widget(row))
            shown->setEnabled(enabled);
        QString const label = QLatin1String("label_") +
                              QString::fromUtf8(row.member.data(), int(row.member.size()));
        if (auto *shown = ui->centralwidget->findChild<QLabel *>(label))
            shown->setEnabled(enabled);
    }
}

// Each field of an odd bound gets the words of its warnings as its tooltip.
void SettingsForm::markWarnings()
{
    QMap<DecimalField *, QStringList> notes;
    Settings const now = settings();
    for (SettingsWarning const &warning : checkWarnings(now)) {
        // The fields show one population.
        if (warning.population != shownPopulation)
            continue;
        QString const text = WindowMessages::warning(warning, numbers, now);
        notes[field(warning.setting)] << text;
        if (warning.other != warning.setting)
            notes[field(warning.other)] << text;
    }
    for (DecimalField *each : decimalFields()) {
        if (notes.contains(each) || !each->warning().isEmpty())
            each->setWarning(notes.value(each).join('\n'));
    }
}

DecimalField *SettingsForm::field(std::string_view key) const
{
    SettingRow const *row = findSetting(key);
    return row && row->kind == SettingRow::Number ? static_cast<DecimalField *>(widget(*row))
                                                  : nullptr;
}

QList<DecimalField *> SettingsForm::decimalFields() const
{
    return ui->centralwidget->findChildren<DecimalField *>();
}

// The total mass is shown with 20 decimals: keep room for any value below 10
// and its unit sign, which would otherwise be cut off.
void SettingsForm::fitTotalMassField()
{
    QDoubleSpinBox *mass = ui->doubleSpinBox_totalMass;
    QString const sample =
        mass->textFromValue(9.0) + suffixOf(rowOf("total-mass"), Settings::EarthMasses) + ' ';
    QStyleOptionSpinBox option;
    option.initFrom(mass);
    option.frame = mass->hasFrame();
    option.buttonSymbols = mass->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    int const cursorAndMargins = 2 + 2 * 2;
    QSize const contents(mass->fontMetrics().horizontalAdvance(sample) + cursorAndMargins,
                         mass->sizeHint().height());
    mass->setMinimumWidth(
        mass->style()->sizeFromContents(QStyle::CT_SpinBox, &option, contents, mass).width());
}

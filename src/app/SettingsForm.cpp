// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsForm.h"

#include "DecimalField.h"
#include "FieldLimits.h"
#include "Presets.h"
#include "WindowMessages.h"
#include "ui_MainWindow.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <limits>

namespace {

QString const solarMassSuffix = QStringLiteral(" M\u2299");
QString const earthMassSuffix = QStringLiteral(" M\u2295");

// The form asks for fonts that Linux desktops rarely have; DejaVu Sans stands
// in for both, and it carries the circled signs and the degree sign of the
// suffixes.
void useStandInFonts()
{
    QString const standIn = QStringLiteral("DejaVu Sans");
    QFontDatabase const database;
    for (QString const &family : {QStringLiteral("Segoe UI"), QStringLiteral("Segoe UI Symbol")}) {
        if (!database.hasFamily(family) && !QFont::substitutes(family).contains(standIn))
            QFont::insertSubstitution(family, standIn);
    }
}

void setLimits(QDoubleSpinBox *field, FieldRange range)
{
    field->setDecimals(range.decimals);
    field->setRange(range.minimum, range.maximum);
}

// The enumerator an item carries, or fallback for an item without one.
template <typename Enum> Enum itemValue(QComboBox const *box, Enum fallback)
{
    QVariant const data = box->currentData();
    return data.isValid() ? static_cast<Enum>(data.toInt()) : fallback;
}

} // namespace

SettingsForm::SettingsForm(QMainWindow *window)
    : QObject(window)
    , window(window)
    , ui(std::make_unique<Ui_MainWindow>())
{
    useStandInFonts();
    ui->setupUi(window);
    applyLimits();
    fillLists();
    fillPresetMenu();

    ui->doubleSpinBox_maxInclination->setSuffix(QStringLiteral("\u00b0"));
    ui->doubleSpinBox_totalMass->setSuffix(solarMassSuffix);
    connect(ui->radioButton_earthMass, &QRadioButton::toggled, this, &SettingsForm::toggleMassUnit);

    ui->pushButton_resetEpoch->setIcon(QIcon(QPixmap(QStringLiteral(":/images/reset.png"))));
    ui->pushButton_resetEpoch->setIconSize(QSize(15, 15));
    connect(ui->pushButton_resetEpoch, &QPushButton::clicked, this, &SettingsForm::resetEpoch);

    followChanges();
    connect(this, &SettingsForm::changed, this, &SettingsForm::markWarnings);
    fitTotalMassField();
}

SettingsForm::~SettingsForm() = default;

void SettingsForm::applyLimits()
{
    using namespace FieldLimits;
    setLimits(ui->doubleSpinBox_totalMass, totalMass);
    setLimits(ui->doubleSpinBox_innerRadius, beltRadius);
    setLimits(ui->doubleSpinBox_outerRadius, beltRadius);
    setLimits(ui->doubleSpinBox_minRadius, bodyRadius);
    setLimits(ui->doubleSpinBox_maxRadius, bodyRadius);
    setLimits(ui->doubleSpinBox_minEccentricity, eccentricity);
    setLimits(ui->doubleSpinBox_maxEccentricity, eccentricity);
    setLimits(ui->doubleSpinBox_maxInclination, inclination);
    setLimits(ui->doubleSpinBox_epoch, epoch);
    ui->spinBox_number->setRange(0, int(maxNumber));
}

// Each item carries its enumerator; the texts are only what is shown.
// The menu lists the presets by their texts, capitals first.
void SettingsForm::fillPresetMenu()
{
    auto presets = presetTable;
    std::sort(presets.begin(), presets.end(),
              [](PresetInfo const &a, PresetInfo const &b) { return a.menuText < b.menuText; });
    for (PresetInfo const &info : presets) {
        auto *action = ui->menu_loadPreset->addAction(
            QString::fromUtf8(info.menuText.data(), int(info.menuText.size())));
        action->setData(info.preset);
    }
    connect(ui->menu_loadPreset, &QMenu::triggered, this, [this](QAction *action) {
        QVariant const preset = action->data();
        load(presetSettings(preset.isValid() ? Settings::Preset(preset.toInt())
                                             : Settings::Vulcanoids));
    });
}

void SettingsForm::fillLists()
{
    ui->comboBox_objectType->addItem(QCoreApplication::translate("MainWindow", "Asteroid"),
                                     BaseAsteroid::Asteroid);
    ui->comboBox_objectType->addItem(QCoreApplication::translate("MainWindow", "Comet"),
                                     BaseAsteroid::Comet);
    ui->comboBox_referencePlane->addItem(QStringLiteral("Ecliptic"), Orbit::Ecliptic);
    ui->comboBox_referencePlane->addItem(QStringLiteral("Equator"), Orbit::Equator);
    ui->comboBox_referencePlane->addItem(QStringLiteral("Extrasolar"), Orbit::Extrasolar);
    nameDistributions();
}

// The distributions' lists: each item carries its enumerator, and its text
// follows the language.
void SettingsForm::nameDistributions()
{
    using S = Settings;
    struct Item {
        QComboBox *box;
        int value;
        char const *text;
    };
    Item const items[] = {
        {ui->comboBox_radiusDistribution, int(S::RadiusDistribution::Bell),
         QT_TRANSLATE_NOOP("MainWindow", "Bell")},
        {ui->comboBox_radiusDistribution, int(S::RadiusDistribution::PowerLaw),
         QT_TRANSLATE_NOOP("MainWindow", "Power law")},
        {ui->comboBox_eccentricityDistribution, int(S::SpreadDistribution::Bell),
         QT_TRANSLATE_NOOP("MainWindow", "Bell")},
        {ui->comboBox_eccentricityDistribution, int(S::SpreadDistribution::Rayleigh),
         QT_TRANSLATE_NOOP("MainWindow", "Rayleigh")},
        {ui->comboBox_inclinationDistribution, int(S::SpreadDistribution::Bell),
         QT_TRANSLATE_NOOP("MainWindow", "Bell")},
        {ui->comboBox_inclinationDistribution, int(S::SpreadDistribution::Rayleigh),
         QT_TRANSLATE_NOOP("MainWindow", "Rayleigh")},
        {ui->comboBox_semiMajorAxisDistribution, int(S::SemiMajorAxisDistribution::Bell),
         QT_TRANSLATE_NOOP("MainWindow", "Bell")},
        {ui->comboBox_semiMajorAxisDistribution,
         int(S::SemiMajorAxisDistribution::SurfaceDensity),
         QT_TRANSLATE_NOOP("MainWindow", "Surface density")},
        {ui->comboBox_meanAnomalyDistribution, int(S::MeanAnomalyDistribution::Zero),
         QT_TRANSLATE_NOOP("MainWindow", "At pericenter")},
        {ui->comboBox_meanAnomalyDistribution, int(S::MeanAnomalyDistribution::Uniform),
         QT_TRANSLATE_NOOP("MainWindow", "Uniform")},
    };
    for (Item const &item : items) {
        QString const text = QCoreApplication::translate("MainWindow", item.text);
        int const index = item.box->findData(item.value);
        if (index < 0)
            item.box->addItem(text, item.value);
        else
            item.box->setItemText(index, text);
    }
}

Settings SettingsForm::settings() const
{
    Settings s;
    s.objectType = itemValue(ui->comboBox_objectType, BaseAsteroid::Asteroid);
    s.beltName = ui->lineEdit_beltName->text().toStdString();
    s.beltCenter = ui->lineEdit_beltCenter->text().toStdString();
    s.barycenter = ui->checkBox_barycenter->isChecked();
    s.totalMass = ui->doubleSpinBox_totalMass->value();
    if (ui->radioButton_earthMass->isChecked())
        s.totalMass *= solMassOfEarth;
    s.number = static_cast<std::uint32_t>(ui->spinBox_number->value());
    s.innerRadius = ui->doubleSpinBox_innerRadius->value();
    s.outerRadius = ui->doubleSpinBox_outerRadius->value();
    s.maxRadius = ui->doubleSpinBox_maxRadius->value();
    s.minRadius = ui->doubleSpinBox_minRadius->value();
    s.maxEccentricity = ui->doubleSpinBox_maxEccentricity->value();
    s.minEccentricity = ui->doubleSpinBox_minEccentricity->value();
    s.maxInclination = ui->doubleSpinBox_maxInclination->value();
    s.referencePlane = itemValue(ui->comboBox_referencePlane, Orbit::Ecliptic);
    s.epoch = ui->doubleSpinBox_epoch->value();
    return s;
}

void SettingsForm::load(Settings const &s)
{
    ui->comboBox_objectType->setCurrentIndex(ui->comboBox_objectType->findData(s.objectType));
    ui->lineEdit_beltName->setText(QString::fromStdString(s.beltName));
    ui->lineEdit_beltCenter->setText(QString::fromStdString(s.beltCenter));
    ui->checkBox_barycenter->setChecked(s.barycenter);
    ui->radioButton_solarMass->setChecked(true);
    ui->doubleSpinBox_totalMass->setValue(s.totalMass);
    ui->spinBox_number->setValue(
        static_cast<int>(std::min<std::uint32_t>(s.number, std::numeric_limits<int>::max())));
    ui->doubleSpinBox_innerRadius->setValue(s.innerRadius);
    ui->doubleSpinBox_outerRadius->setValue(s.outerRadius);
    ui->doubleSpinBox_minRadius->setValue(s.minRadius);
    ui->doubleSpinBox_maxRadius->setValue(s.maxRadius);
    ui->doubleSpinBox_minEccentricity->setValue(s.minEccentricity);
    ui->doubleSpinBox_maxEccentricity->setValue(s.maxEccentricity);
    ui->doubleSpinBox_maxInclination->setValue(s.maxInclination);
    ui->comboBox_referencePlane->setCurrentIndex(
        ui->comboBox_referencePlane->findData(s.referencePlane));
    ui->doubleSpinBox_epoch->setValue(s.epoch);
}

Recipe SettingsForm::recipe(std::uint32_t seed) const
{
    Recipe shown;
    shown.settings = settings();
    shown.settings.totalMass = ui->doubleSpinBox_totalMass->value();
    shown.massUnit =
        ui->radioButton_earthMass->isChecked() ? Recipe::EarthMasses : Recipe::SolarMasses;
    shown.seed = seed;
    return shown;
}

QStringList SettingsForm::load(Recipe const &recipe)
{
    load(recipe.settings);
    if (recipe.massUnit == Recipe::EarthMasses) {
        ui->radioButton_earthMass->setChecked(true);
        ui->doubleSpinBox_totalMass->setValue(recipe.settings.totalMass);
    }
    Settings const &given = recipe.settings;
    QStringList rounded;
    for (auto [which, value] : {std::pair{SettingsProblem::TotalMass, given.totalMass},
                                {SettingsProblem::InnerRadius, given.innerRadius},
                                {SettingsProblem::OuterRadius, given.outerRadius},
                                {SettingsProblem::MinRadius, given.minRadius},
                                {SettingsProblem::MaxRadius, given.maxRadius},
                                {SettingsProblem::MinEccentricity, given.minEccentricity},
                                {SettingsProblem::MaxEccentricity, given.maxEccentricity},
                                {SettingsProblem::MaxInclination, given.maxInclination},
                                {SettingsProblem::Epoch, given.epoch}}) {
        if (field(which)->value() != value)
            rounded << labelOf(field(which));
    }
    return rounded;
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

QString SettingsForm::labelOf(DecimalField *field) const
{
    auto *label = qobject_cast<QLabel *>(ui->formLayout->labelForField(field));
    // The compound rows hold their field in a layout of their own.
    if (!label)
        label = field == ui->doubleSpinBox_epoch ? ui->label_epoch : ui->label_totalMass;
    return label->text();
}

QStringList SettingsForm::warningTexts() const
{
    QStringList texts;
    for (SettingsWarning const &warning : checkWarnings(settings()))
        texts << WindowMessages::warning(warning, numbers);
    return texts;
}

void SettingsForm::retranslate(QLocale const &newNumbers)
{
    ui->retranslateUi(window);
    nameDistributions();
    numbers = newNumbers;
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
        ui->doubleSpinBox_totalMass->setSuffix(earthMassSuffix);
    } else {
        ui->doubleSpinBox_totalMass->setValue(value * solMassOfEarth);
        ui->doubleSpinBox_totalMass->setSuffix(solarMassSuffix);
    }
}

// Every change of the form is announced once per edit of a field.
void SettingsForm::followChanges()
{
    QWidget *form = ui->centralwidget;
    for (auto *box : form->findChildren<QSpinBox *>())
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &SettingsForm::changed);
    for (auto *box : form->findChildren<QDoubleSpinBox *>())
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                &SettingsForm::changed);
    for (auto *box : form->findChildren<QComboBox *>())
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, &SettingsForm::changed);
    for (auto *edit : {ui->lineEdit_beltName, ui->lineEdit_beltCenter})
        connect(edit, &QLineEdit::textChanged, this, &SettingsForm::changed);
    for (auto *button : form->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::toggled, this, &SettingsForm::changed);
}

// Each field of an odd bound gets the words of its warnings as its tooltip.
void SettingsForm::markWarnings()
{
    QMap<DecimalField *, QStringList> notes;
    for (SettingsWarning const &warning : checkWarnings(settings())) {
        QString const text = WindowMessages::warning(warning, numbers);
        notes[field(warning.field)] << text;
        if (warning.other != warning.field)
            notes[field(warning.other)] << text;
    }
    for (DecimalField *each : decimalFields()) {
        // Fields with tooltips of their own never carry a warning.
        if (notes.contains(each) || !each->warning().isEmpty())
            each->setWarning(notes.value(each).join('\n'));
    }
}

DecimalField *SettingsForm::field(SettingsProblem::Field which) const
{
    switch (which) {
    case SettingsProblem::TotalMass: return ui->doubleSpinBox_totalMass;
    case SettingsProblem::InnerRadius: return ui->doubleSpinBox_innerRadius;
    case SettingsProblem::OuterRadius: return ui->doubleSpinBox_outerRadius;
    case SettingsProblem::MinRadius: return ui->doubleSpinBox_minRadius;
    case SettingsProblem::MaxRadius: return ui->doubleSpinBox_maxRadius;
    case SettingsProblem::MinEccentricity: return ui->doubleSpinBox_minEccentricity;
    case SettingsProblem::MaxEccentricity: return ui->doubleSpinBox_maxEccentricity;
    case SettingsProblem::MaxInclination: return ui->doubleSpinBox_maxInclination;
    case SettingsProblem::Epoch: return ui->doubleSpinBox_epoch;
    case SettingsProblem::BeltName:
    case SettingsProblem::BeltCenter:
    case SettingsProblem::RadiusSlope: // the form has no fields for these yet
    case SettingsProblem::EccentricityMode:
    case SettingsProblem::InclinationMode:
    case SettingsProblem::SurfaceDensitySlope: break;
    }
    return nullptr;
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
    QString const sample = mass->textFromValue(9.0) + earthMassSuffix + ' ';
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "Presets.h"
#include "PreviewWindow.h"
#include "RandomSource.h"
#include "SettingsCheck.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QEvent>
#include <QFileDialog>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QProgressBar>
#include <QStatusBar>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <memory>
#include <system_error>

namespace {

QString const catalogueDirectory = QStringLiteral(":/i18n");

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

void invalidateLayouts(QLayout *layout)
{
    layout->invalidate();
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QLayout *nested = item->layout())
            invalidateLayouts(nested);
    }
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/beltwright-%1.png").arg(size), QSize(size, size));
    return icon;
}

// A language's name in that language, with its first letter upper-cased.
QString ownName(QLocale::Language language)
{
    QString name = QLocale(language).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString chooseSaveFile(QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("MainWindow", "SC file (*.sc)"));
    dialog.setDefaultSuffix(QStringLiteral("sc"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QStringList const files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

// Row of the first key that maps to value, as the combo boxes list the keys
// in map order; -1 when none does.
template <typename Map, typename Value> int rowOfValue(Map const &map, Value value)
{
    int row = 0;
    for (auto it = map.cbegin(); it != map.cend(); ++it, ++row) {
        if (it.value() == value)
            return row;
    }
    return -1;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
    , translator(new QTranslator)
    , progressBar(new QProgressBar)
    , statusLabel(new QLabel)
    , timer(new QTimer)
    , chooseFile(chooseSaveFile)
    , seedLabel(new QLabel)
    , previewMenu(nullptr)
    , previewAction(nullptr)
{
    useStandInFonts();
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(applicationIcon());

    ui->doubleSpinBox_maxInclination->setSuffix(QStringLiteral("\u00b0"));
    ui->doubleSpinBox_totalMass->setSuffix(QStringLiteral(" M\u2299"));

    connect(ui->radioButton_earthMass, &QRadioButton::toggled, this,
            [this](bool earthMasses) { toggleMassUnit(earthMasses); });

    ui->pushButton_resetEpoch->setIcon(QIcon(QPixmap(QStringLiteral(":/images/reset.png"))));
    ui->pushButton_resetEpoch->setIconSize(QSize(15, 15));

    for (PresetInfo const &info : presetTable)
        presets.insert(QString::fromUtf8(info.menuText.data(), int(info.menuText.size())),
                       info.preset);
    for (QString const &text : presets.keys())
        ui->menu_loadPreset->addAction(new QAction(text, this));
    connect(ui->menu_loadPreset, SIGNAL(triggered(QAction *)), this, SLOT(menuClicked(QAction *)));

    connect(ui->action_Credits, &QAction::triggered, this, [this] { showCredits(); });

    ui->action_english->setText(QStringLiteral("English"));
    ui->action_german->setText(ownName(QLocale::German));
    ui->action_french->setText(ownName(QLocale::French));
    connect(ui->action_french, &QAction::triggered, this, [this] { switchLanguage("lang_fr"); });
    connect(ui->action_german, &QAction::triggered, this, [this] { switchLanguage("lang_de"); });
    connect(ui->action_english, &QAction::triggered, this, [this] { switchLanguage("lang_en"); });

    referencePlanes.insert(QStringLiteral("Ecliptic"), Orbit::Ecliptic);
    referencePlanes.insert(QStringLiteral("Equator"), Orbit::Equator);
    referencePlanes.insert(QStringLiteral("Extrasolar"), Orbit::Extrasolar);
    ui->comboBox_referencePlane->addItems(referencePlanes.keys());

    objectTypes.insert(tr("Asteroid"), BaseAsteroid::Asteroid);
    objectTypes.insert(tr("Comet"), BaseAsteroid::Comet);
    ui->comboBox_objectType->addItems(objectTypes.keys());

    loadPreset(Settings(Settings::Vulcanoids));

    QString const mid = QApplication::palette().color(QPalette::Mid).name();
    statusBar()->setStyleSheet("QStatusBar {border-top: 1px solid " + mid +
                               ";}QStatusBar QProgressBar { margin-right: 2px;}QStatusBar QLabel "
                               "{ margin-left: 1px;} ");
    statusBar()->addPermanentWidget(statusLabel, 1);
    statusBar()->addPermanentWidget(progressBar, 2);
    progressBar->hide();
    progressBar->setMaximumHeight(15);
    progressBar->setTextVisible(false);
    progressBar->setValue(0);
    progressBar->setMinimum(0);
    progressBar->setMaximum(100);
    statusLabel->setText(tr("Ready"));
    // The seed of the latest run, for copying; hidden until the first run.
    seedLabel->setObjectName("label_seed");
    seedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(seedLabel);
    seedLabel->hide();

    // The preview and its seed controls live in a window of their own,
    // opened from a menu after the form's own.
    previewMenu = menuBar()->addMenu(QString());
    previewMenu->setObjectName("menu_preview");
    previewAction = previewMenu->addAction(QString());
    previewAction->setObjectName("action_preview");
    previewAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(previewAction, &QAction::triggered, this, [this] { showPreview(); });
    followForm();
    retranslateAdditions();

    connect(ui->pushButton_generate, SIGNAL(clicked()), this, SLOT(generate()));
    connect(ui->pushButton_resetEpoch, SIGNAL(clicked()), this, SLOT(resetEpoch()));

    timer->setInterval(10);
    timer->setTimerType(Qt::CoarseTimer);
    connect(timer, SIGNAL(timeout()), this, SLOT(check()));

    QString const language = QLocale::system().name().left(2);
    if (translator->load("lang_" + language, catalogueDirectory) ||
        translator->load(QStringLiteral("lang_en"), catalogueDirectory))
        QApplication::installTranslator(translator);

    fitTotalMassField();
    keepFixedSize();
}

MainWindow::~MainWindow()
{
    // A window destroyed without being closed may still have a run going.
    if (worker.joinable()) {
        stopRequested = true;
        holdReplacement(false);
        worker.join();
    }
    delete ui;
    delete translator;
    delete progressBar;
    delete statusLabel;
    delete timer;
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    chooseFile = chooser ? std::move(chooser) : FileChooser(chooseSaveFile);
}

void MainWindow::setSeed(std::optional<unsigned int> newSeed)
{
    seed = newSeed;
}

Settings MainWindow::formSettings() const
{
    Settings settings;
    settings.objectType =
        objectTypes.value(ui->comboBox_objectType->currentText(), BaseAsteroid::Asteroid);
    settings.beltName = ui->lineEdit_beltName->text().toStdString();
    settings.beltCenter = ui->lineEdit_beltCenter->text().toStdString();
    settings.barycenter = ui->checkBox_barycenter->isChecked();
    settings.totalMass = ui->doubleSpinBox_totalMass->value();
    if (ui->radioButton_earthMass->isChecked())
        settings.totalMass *= solMassOfEarth;
    settings.number = static_cast<std::uint32_t>(ui->spinBox_number->value());
    settings.innerRadius = ui->doubleSpinBox_innerRadius->value();
    settings.outerRadius = ui->doubleSpinBox_outerRadius->value();
    settings.maxRadius = ui->doubleSpinBox_maxRadius->value();
    settings.minRadius = ui->doubleSpinBox_minRadius->value();
    settings.maxEccentricity = ui->doubleSpinBox_maxEccentricity->value();
    settings.minEccentricity = ui->doubleSpinBox_minEccentricity->value();
    settings.maxInclination = ui->doubleSpinBox_maxInclination->value();
    settings.referencePlane =
        referencePlanes.value(ui->comboBox_referencePlane->currentText(), Orbit::Ecliptic);
    settings.epoch = ui->doubleSpinBox_epoch->value();
    return settings;
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateAdditions();
        // The children get the change after the window: measure once they
        // have taken it.
        QMetaObject::invokeMethod(
            this, [this] { keepFixedSize(); }, Qt::QueuedConnection);
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (worker.joinable() && !finished) {
        // The run goes on under the question, but its file is not replaced
        // before the answer.
        holdReplacement(true);
        QMessageBox question(QMessageBox::Question, windowTitle(),
                             tr("A belt is being generated. Stop it and close the window?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        // The toolkit's own button texts are not translated by our catalogue.
        question.button(QMessageBox::Yes)->setText(tr("&Yes"));
        question.button(QMessageBox::No)->setText(tr("&No"));
        if (question.exec() != QMessageBox::Yes) {
            holdReplacement(false);
            event->ignore();
            return;
        }
        stopRequested = true;
        holdReplacement(false);
    }
    stopRun();
    QMainWindow::closeEvent(event);
}

void MainWindow::generate()
{
    // Read before the file is asked for, so that settings the catalogue could
    // not carry are refused without a pointless dialog.
    Settings const settings = formSettings();
    if (refuseProblems(settings))
        return;
    std::optional<std::uint32_t> const runSeed = seedForRun();
    if (!runSeed)
        return;

    QString const path = chooseFile(this);
    if (path.isEmpty())
        return;
    // A file that cannot be written is reported now, not after the wait.
    if (auto const refused = CatalogueFile::check(path.toUtf8().toStdString())) {
        showSaveError(*refused);
        return;
    }

    ui->pushButton_generate->setEnabled(false);
    finished = false;
    savingStarted = false;
    stopRequested = false;
    timer->start();
    statusLabel->setText(tr("Generating"));
    progressBar->setValue(0);
    progressBar->show();
    progress = 0;
    runPath = path;
    std::string const file = path.toUtf8().toStdString();

    lastSeed = *runSeed;
    seedLabel->setText(tr("Seed: %1").arg(*lastSeed));
    seedLabel->show();

    auto run = [this, seed = *runSeed](Settings settings, std::string const &path) {
        auto generator = std::make_unique<Generator>(std::move(settings), seed);
        generator->setBeforeReplace([this] {
            std::unique_lock<std::mutex> lock(replaceMutex);
            replaceReleased.wait(lock, [this] { return !replaceHeld; });
        });
        generator->generate(progress, &stopRequested);
        savingStarted = true;
        // A belt cut short holds fewer bodies (possibly none); it must not
        // replace the file.
        if (stopRequested)
            saveResult = SaveResult{false, true, {}};
        else
            saveResult = generator->save(path, progress, &stopRequested);
        // Freeing a million bodies takes a while: do it here, so that the join
        // that follows finished does not hold up the window.
        generator.reset();
        finished = true;
    };
    worker = std::thread(run, settings, file);
}

void MainWindow::check()
{
    progressBar->setValue(progress);
    if (finished) {
        if (worker.joinable())
            worker.join();
        timer->stop();
        statusLabel->setText(tr("Ready"));
        progressBar->hide();
        ui->pushButton_generate->setEnabled(true);
        if (!saveResult.ok && !saveResult.stopped)
            showSaveError(saveResult.error);
    } else if (savingStarted) {
        savingStarted = false;
        statusLabel->setText(tr("Saving"));
    }
}

void MainWindow::resetEpoch()
{
    ui->doubleSpinBox_epoch->setValue(Settings().epoch);
}

void MainWindow::loadPreset(const Settings &settings)
{
    ui->comboBox_objectType->setCurrentIndex(rowOfValue(objectTypes, settings.objectType));
    ui->lineEdit_beltName->setText(QString::fromStdString(settings.beltName));
    ui->lineEdit_beltCenter->setText(QString::fromStdString(settings.beltCenter));
    ui->checkBox_barycenter->setChecked(settings.barycenter);
    ui->radioButton_solarMass->setChecked(true);
    ui->doubleSpinBox_totalMass->setValue(settings.totalMass);
    ui->spinBox_number->setValue(static_cast<int>(
        std::min<std::uint32_t>(settings.number, std::numeric_limits<int>::max())));
    ui->doubleSpinBox_innerRadius->setValue(settings.innerRadius);
    ui->doubleSpinBox_outerRadius->setValue(settings.outerRadius);
    ui->doubleSpinBox_minRadius->setValue(settings.minRadius);
    ui->doubleSpinBox_maxRadius->setValue(settings.maxRadius);
    ui->doubleSpinBox_minEccentricity->setValue(settings.minEccentricity);
    ui->doubleSpinBox_maxEccentricity->setValue(settings.maxEccentricity);
    ui->doubleSpinBox_maxInclination->setValue(settings.maxInclination);
    ui->comboBox_referencePlane->setCurrentIndex(
        rowOfValue(referencePlanes, settings.referencePlane));
    ui->doubleSpinBox_epoch->setValue(settings.epoch);
}

void MainWindow::menuClicked(QAction *action)
{
    Settings::Preset const preset = presets.value(action->text(), Settings::Vulcanoids);
    loadPreset(Settings(preset));
}

void MainWindow::switchLanguage(QString const &catalogue)
{
    if (translator->load(catalogue, catalogueDirectory))
        QApplication::installTranslator(translator);
}

void MainWindow::showCredits()
{
    QString const text =
        QStringLiteral("<p>Mira Halvorsen - %1</p>"
                       "<p>Mira Halvorsen, Tobias Renner, Ines Akerlund - %2</p>")
            .arg(tr("Python version and enhancements"), tr("original Batch version"));
    QMessageBox::about(this, tr("Credits"), text);
}

void MainWindow::toggleMassUnit(bool earthMasses)
{
    double const value = ui->doubleSpinBox_totalMass->value();
    if (earthMasses) {
        ui->doubleSpinBox_totalMass->setValue(value / solMassOfEarth);
        ui->doubleSpinBox_totalMass->setSuffix(QStringLiteral(" M\u2295"));
    } else {
        ui->doubleSpinBox_totalMass->setValue(value * solMassOfEarth);
        ui->doubleSpinBox_totalMass->setSuffix(QStringLiteral(" M\u2299"));
    }
}

bool MainWindow::refuseProblems(Settings const &settings)
{
    std::vector<SettingsProblem> const problems = checkSettings(settings);
    if (problems.empty())
        return false;
    QString text = tr("No belt was generated: the catalogue could not be read with these "
                      "settings.");
    for (SettingsProblem const &problem : problems)
        text += "\n\n\u2022 " + problemText(problem);
    QMessageBox::warning(this, windowTitle(), text);
    return true;
}

QString MainWindow::problemText(SettingsProblem const &problem) const
{
    QString field;
    switch (problem.field) {
    case SettingsProblem::BeltName: field = tr("Belt name"); break;
    case SettingsProblem::BeltCenter: field = tr("Center object"); break;
    case SettingsProblem::TotalMass: field = tr("Total mass"); break;
    case SettingsProblem::InnerRadius: field = tr("Belt inner radius"); break;
    case SettingsProblem::OuterRadius: field = tr("Belt outer radius"); break;
    case SettingsProblem::MinRadius: field = tr("Min radius"); break;
    case SettingsProblem::MaxRadius: field = tr("Max radius"); break;
    case SettingsProblem::MinEccentricity: field = tr("Min eccentricity"); break;
    case SettingsProblem::MaxEccentricity: field = tr("Max eccentricity"); break;
    case SettingsProblem::MaxInclination: field = tr("Max inclination"); break;
    case SettingsProblem::Epoch: field = tr("Epoch"); break;
    }
    switch (problem.kind) {
    case SettingsProblem::DoubleQuote:
        return tr("%1 contains a double quote, which would end the name early in the catalogue: "
                  "remove it.")
            .arg(field);
    case SettingsProblem::Backslash:
        return tr("%1 contains a backslash, which the catalogue's reader takes as the start of "
                  "an escape: remove it.")
            .arg(field);
    case SettingsProblem::ControlCharacter:
        return tr("%1 contains a control character (such as a line break or a tab): remove it.")
            .arg(field);
    case SettingsProblem::EmptyCenter:
        return tr("%1 is empty or only spaces: every body would name an empty parent, which the "
                  "catalogue's reader cannot find, so none of them would load. Enter the object "
                  "the bodies orbit.")
            .arg(field);
    case SettingsProblem::NoPositiveMass:
        return tr("%1 must be a finite number above 0 when the center object is a barycenter: "
                  "enter the total mass of the main objects, or clear Barycenter.")
            .arg(field);
    case SettingsProblem::NotFinite:
        return tr("%1 is not a finite number: enter a finite value.").arg(field);
    case SettingsProblem::PeriodOverflow:
        return tr("%1 is too small for orbits out to %2: their periods would exceed the largest "
                  "number a catalogue can hold. Enter a larger total mass or a smaller belt.")
            .arg(field, tr("Belt outer radius"));
    case SettingsProblem::MassOverflow:
        return tr("%1 is too large: such bodies would weigh more than the largest number a "
                  "catalogue can hold. Enter smaller radii.")
            .arg(field);
    }
    return field;
}

void MainWindow::showSaveError(SaveError const &error)
{
    QString const path = QString::fromStdString(error.path);
    QString const reason = systemErrorText(error.code);
    QString detail;
    switch (error.step) {
    case SaveError::NoPath: detail = tr("No output file was given."); break;
    case SaveError::Open: detail = tr("Cannot open \"%1\": %2.").arg(path, reason); break;
    case SaveError::Create: detail = tr("Cannot create \"%1\": %2.").arg(path, reason); break;
    case SaveError::Permissions:
        detail = tr("Cannot set the permissions of \"%1\": %2.").arg(path, reason);
        break;
    case SaveError::Write: detail = tr("Cannot write \"%1\": %2.").arg(path, reason); break;
    case SaveError::Sync:
        detail = tr("Cannot sync \"%1\" to the disk: %2.").arg(path, reason);
        break;
    case SaveError::Close:
        detail = tr("Cannot finish writing \"%1\": %2.").arg(path, reason);
        break;
    case SaveError::Replace: detail = tr("Cannot replace \"%1\": %2.").arg(path, reason); break;
    case SaveError::NotFinite:
        detail = tr("Cannot write \"%1\": a body got an infinite or undefined number, which the "
                    "catalogue's reader cannot take. Nothing was saved.")
                     .arg(path);
        break;
    case SaveError::SyncDirectory:
        // The file is in place already; only its safety is in doubt.
        QMessageBox::warning(this, windowTitle(),
                             tr("\"%1\" was replaced, but its folder could not be synced to the "
                                "disk: %2. A system crash now could lose the new catalogue.")
                                 .arg(path, reason));
        return;
    }
    QMessageBox::warning(this, windowTitle(),
                         tr("The catalogue could not be saved.") + "\n\n" + detail);
}

// The system's reasons that a save meets in practice, in the window's
// language; any other in the system's words.
QString MainWindow::systemErrorText(int code) const
{
    switch (code) {
    case ENOENT: return tr("No such file or directory");
    case EACCES: return tr("Permission denied");
    case EPERM: return tr("Operation not permitted");
    case EISDIR: return tr("Is a directory");
    case ENOTDIR: return tr("Not a directory");
    case ENOSPC: return tr("No space left on device");
    case EDQUOT: return tr("Disk quota exceeded");
    case EFBIG: return tr("File too large");
    case EROFS: return tr("Read-only file system");
    case EIO: return tr("Input/output error");
    case ENAMETOOLONG: return tr("File name too long");
    case ELOOP: return tr("Too many levels of symbolic links");
    case EBUSY: return tr("Device or resource busy");
    }
    return QString::fromStdString(std::error_code(code, std::generic_category()).message());
}

void MainWindow::stopRun()
{
    if (!worker.joinable())
        return;
    stopRequested = true;
    worker.join();
    timer->stop();
    statusLabel->setText(tr("Ready"));
    progressBar->hide();
    ui->pushButton_generate->setEnabled(true);
}

// The seed a run starts with: the preview's while it is open, else one drawn
// from the system now, so that it is known before the run begins.
std::optional<std::uint32_t> MainWindow::seedForRun()
{
    if (previewWindow && previewWindow->isVisible()) {
        if (auto const shown = previewWindow->seed())
            return shown;
        QMessageBox::warning(this, windowTitle(),
                             tr("The belt preview holds no valid seed. Enter a seed from 0 to "
                                "4294967295 there, or close the preview to draw a new seed for "
                                "each run."));
        return std::nullopt;
    }
    if (seed)
        return seed;
    if (auto const drawn = RandomSource::drawSeed())
        return drawn;
    QMessageBox::warning(this, windowTitle(),
                         tr("No seed could be drawn from the system's random source, so no belt "
                            "was generated. Enter a seed in the belt preview (%1) to generate "
                            "one.")
                             .arg(previewAction->shortcut().toString(QKeySequence::NativeText)));
    return std::nullopt;
}

PreviewWindow *MainWindow::showPreview()
{
    if (!previewWindow)
        previewWindow = new PreviewWindow(this);
    // The belt of the latest run, if any; else a seed of its own.
    if (lastSeed)
        previewWindow->setSeed(*lastSeed);
    else if (!previewWindow->seed())
        previewWindow->drawSeed();
    previewWindow->setSettings(formSettings());
    previewWindow->show();
    previewWindow->raise();
    previewWindow->activateWindow();
    return previewWindow;
}

// Every change of the form reaches the open preview.
void MainWindow::followForm()
{
    QWidget *form = ui->centralwidget;
    for (auto *box : form->findChildren<QSpinBox *>())
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &MainWindow::formChanged);
    for (auto *box : form->findChildren<QDoubleSpinBox *>())
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                &MainWindow::formChanged);
    for (auto *box : form->findChildren<QComboBox *>())
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &MainWindow::formChanged);
    for (auto *edit : form->findChildren<QLineEdit *>()) {
        if (!qobject_cast<QAbstractSpinBox *>(edit->parentWidget()) &&
            !qobject_cast<QComboBox *>(edit->parentWidget()))
            connect(edit, &QLineEdit::textChanged, this, &MainWindow::formChanged);
    }
    for (auto *button : form->findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::toggled, this, &MainWindow::formChanged);
}

void MainWindow::formChanged()
{
    if (previewWindow && previewWindow->isVisible())
        previewWindow->setSettings(formSettings());
}

void MainWindow::retranslateAdditions()
{
    previewMenu->setTitle(tr("Preview"));
    previewAction->setText(tr("Belt Preview and Seed…"));
    if (lastSeed)
        seedLabel->setText(tr("Seed: %1").arg(*lastSeed));
}

void MainWindow::holdReplacement(bool hold)
{
    {
        std::lock_guard<std::mutex> lock(replaceMutex);
        replaceHeld = hold;
    }
    replaceReleased.notify_all();
}

// The window is not resizable; it grows only when a language needs more room,
// so that it does not jump about when the language is switched back.
void MainWindow::keepFixedSize()
{
    // Texts that changed a moment ago have not yet reached the layouts' cached
    // sizes, and invalidating a layout leaves the layouts nested in it alone.
    invalidateLayouts(ui->verticalLayout);
    layout()->invalidate();
    setFixedSize(size().expandedTo(minimumSizeHint()));
}

// The total mass is shown with 20 decimals: keep room for any value below 10
// and its unit sign, which would otherwise be cut off.
void MainWindow::fitTotalMassField()
{
    QDoubleSpinBox *field = ui->doubleSpinBox_totalMass;
    QString const sample = field->textFromValue(9.0) + QStringLiteral(" M\u2295 ");
    QStyleOptionSpinBox option;
    option.initFrom(field);
    option.frame = field->hasFrame();
    option.buttonSymbols = field->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    int const cursorAndMargins = 2 + 2 * 2;
    QSize const contents(field->fontMetrics().horizontalAdvance(sample) + cursorAndMargins,
                         field->sizeHint().height());
    field->setMinimumWidth(
        field->style()->sizeFromContents(QStyle::CT_SpinBox, &option, contents, field).width());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "Presets.h"
#include "PreviewWindow.h"
#include "RandomSource.h"
#include "RunController.h"
#include "SettingsCheck.h"
#include "SettingsForm.h"
#include "WindowMessages.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QTranslator>

#include <algorithm>

namespace {

QString const catalogueDirectory = QStringLiteral(":/i18n");

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

void invalidateLayouts(QLayout *layout)
{
    layout->invalidate();
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout *nested = layout->itemAt(i)->layout())
            invalidateLayouts(nested);
    }
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , form(new SettingsForm(this))
    , ui(form->widgets())
    , run(new RunController(this))
    , translator(new QTranslator(this))
    , progressBar(new QProgressBar(this))
    , statusLabel(new QLabel(this))
    , seedLabel(new QLabel(this))
    , chooseFile(chooseSaveFile)
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(applicationIcon());
    createActions();
    createMenus();
    createStatusBar();
    loadPreset(presetSettings(Settings::Vulcanoids));

    connect(form, &SettingsForm::changed, this, &MainWindow::formChanged);
    connect(ui.pushButton_generate, &QPushButton::clicked, this, &MainWindow::generate);
    connect(run, &RunController::phaseChanged, this,
            [this](RunController::Phase phase) { showPhase(phase == RunController::Saving); });
    connect(run, &RunController::progressChanged, progressBar, &QProgressBar::setValue);
    connect(run, &RunController::ended, this, &MainWindow::runEnded);
    retranslateAdditions();

    QString const language = QLocale::system().name().left(2);
    if (translator->load("lang_" + language, catalogueDirectory) ||
        translator->load(QStringLiteral("lang_en"), catalogueDirectory))
        QApplication::installTranslator(translator);
    keepFixedSize();
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions()
{
    // The menu lists the presets by their texts, capitals first.
    auto presets = presetTable;
    std::sort(presets.begin(), presets.end(),
              [](PresetInfo const &a, PresetInfo const &b) { return a.menuText < b.menuText; });
    for (PresetInfo const &info : presets) {
        auto *action = ui.menu_loadPreset->addAction(
            QString::fromUtf8(info.menuText.data(), int(info.menuText.size())));
        action->setData(info.preset);
    }
    connect(ui.menu_loadPreset, &QMenu::triggered, this, &MainWindow::menuClicked);
    connect(ui.action_Credits, &QAction::triggered, this, &MainWindow::showCredits);

    ui.action_english->setText(QStringLiteral("English"));
    ui.action_german->setText(ownName(QLocale::German));
    ui.action_french->setText(ownName(QLocale::French));
    connect(ui.action_english, &QAction::triggered, this,
            [this] { switchLanguage("lang_en", QLocale::English); });
    connect(ui.action_german, &QAction::triggered, this,
            [this] { switchLanguage("lang_de", QLocale::German); });
    connect(ui.action_french, &QAction::triggered, this,
            [this] { switchLanguage("lang_fr", QLocale::French); });

    previewAction = new QAction(this);
    previewAction->setObjectName("action_preview");
    previewAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(previewAction, &QAction::triggered, this, &MainWindow::showPreview);
}

// The form's three menus come with it; the preview's follows them.
void MainWindow::createMenus()
{
    previewMenu = menuBar()->addMenu(QString());
    previewMenu->setObjectName("menu_preview");
    previewMenu->addAction(previewAction);
}

void MainWindow::createStatusBar()
{
    QString const mid = QApplication::palette().color(QPalette::Mid).name();
    statusBar()->setStyleSheet("QStatusBar {border-top: 1px solid " + mid +
                               ";}QStatusBar QProgressBar { margin-right: 2px;}QStatusBar QLabel "
                               "{ margin-left: 1px;} ");
    statusBar()->addPermanentWidget(statusLabel, 1);
    statusBar()->addPermanentWidget(progressBar, 2);
    progressBar->hide();
    progressBar->setMaximumHeight(15);
    progressBar->setTextVisible(false);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    statusLabel->setText(tr("Ready"));
    // The seed of the latest run, for copying; hidden until the first run.
    seedLabel->setObjectName("label_seed");
    seedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(seedLabel);
    seedLabel->hide();
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
    return form->settings();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        form->retranslate(numberLocale);
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
    if (run->running() && !run->done()) {
        // The run goes on under the question, but its file is not replaced
        // before the answer.
        run->holdReplacement(true);
        QMessageBox question(QMessageBox::Question, windowTitle(),
                             tr("A belt is being generated. Stop it and close the window?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        // The toolkit's own button texts are not translated by our catalogue.
        question.button(QMessageBox::Yes)->setText(tr("&Yes"));
        question.button(QMessageBox::No)->setText(tr("&No"));
        if (question.exec() != QMessageBox::Yes) {
            run->holdReplacement(false);
            event->ignore();
            return;
        }
    }
    run->stopAndWait();
    QMainWindow::closeEvent(event);
}

void MainWindow::generate()
{
    // Read before the file is asked for, so that settings the catalogue could
    // not carry are refused without a pointless dialog.
    QStringList const unreadable = form->unreadableFields();
    if (!unreadable.isEmpty())
        return WindowMessages::show(this, WindowMessages::unreadable(unreadable));
    Settings const settings = form->settings();
    std::vector<SettingsProblem> const problems = checkSettings(settings);
    if (!problems.empty())
        return WindowMessages::show(this, WindowMessages::refusal(problems));
    std::optional<std::uint32_t> const runSeed = seedForRun();
    if (!runSeed)
        return;

    QString const path = chooseFile(this);
    if (path.isEmpty())
        return;
    std::string const file = path.toUtf8().toStdString();
    // A file that cannot be written is reported now, not after the wait.
    if (auto const refused = CatalogueFile::check(file))
        return WindowMessages::showSaveError(this, *refused);

    ui.pushButton_generate->setEnabled(false);
    lastSeed = *runSeed;
    seedLabel->setText(tr("Seed: %1").arg(*lastSeed));
    seedLabel->show();
    run->generate(settings, file, *runSeed);
}

void MainWindow::showPhase(bool saving)
{
    statusLabel->setText(saving ? tr("Saving") : tr("Generating"));
    progressBar->show();
}

void MainWindow::runEnded(SaveResult const &result)
{
    statusLabel->setText(tr("Ready"));
    progressBar->hide();
    ui.pushButton_generate->setEnabled(true);
    if (!result.ok && !result.stopped)
        WindowMessages::showSaveError(this, result.error);
}

void MainWindow::resetEpoch()
{
    form->resetEpoch();
}

void MainWindow::loadPreset(const Settings &settings)
{
    form->load(settings);
}

void MainWindow::menuClicked(QAction *action)
{
    QVariant const preset = action->data();
    loadPreset(
        presetSettings(preset.isValid() ? Settings::Preset(preset.toInt()) : Settings::Vulcanoids));
}

void MainWindow::switchLanguage(QString const &catalogue, QLocale::Language language)
{
    // Numbers as the chosen language writes them, in the system's country
    // when it speaks that language.
    numberLocale = QLocale::system().language() == language ? QLocale::system() : QLocale(language);
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

// The seed a run starts with: the preview's while it is open, else one drawn
// from the system now, so that it is known before the run begins.
std::optional<std::uint32_t> MainWindow::seedForRun()
{
    if (previewWindow && previewWindow->isVisible()) {
        if (auto const shown = previewWindow->seed())
            return shown;
        WindowMessages::show(this, WindowMessages::noPreviewSeed());
        return std::nullopt;
    }
    if (seed)
        return seed;
    if (auto const drawn = RandomSource::drawSeed())
        return drawn;
    WindowMessages::show(this, WindowMessages::noSystemSeed(
                                   previewAction->shortcut().toString(QKeySequence::NativeText)));
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
    previewWindow->show();
    formChanged();
    previewWindow->raise();
    previewWindow->activateWindow();
    return previewWindow;
}

// Every change of the form reaches the open preview.
void MainWindow::formChanged()
{
    if (previewWindow && previewWindow->isVisible()) {
        previewWindow->setSettings(form->settings());
        previewWindow->setWarnings(form->warningTexts());
    }
}

void MainWindow::retranslateAdditions()
{
    previewMenu->setTitle(tr("Preview"));
    previewAction->setText(tr("Belt Preview and Seed…"));
    if (lastSeed)
        seedLabel->setText(tr("Seed: %1").arg(*lastSeed));
    formChanged();
}

// The window is not resizable; it grows only when a language needs more room,
// so that it does not jump about when the language is switched back.
void MainWindow::keepFixedSize()
{
    // Texts that changed a moment ago have not yet reached the layouts' cached
    // sizes, and invalidating a layout leaves the layouts nested in it alone.
    invalidateLayouts(ui.verticalLayout);
    layout()->invalidate();
    setFixedSize(size().expandedTo(minimumSizeHint()));
}

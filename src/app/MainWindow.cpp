// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "AboutBox.h"
#include "DesignerForm.h"
#include "Examples.h"
#include "FileCommands.h"
#include "FormScroll.h"
#include "LanguageSwitch.h"
#include "Presets.h"
#include "PreviewSeeds.h"
#include "RunController.h"
#include "SettingsForm.h"
#include "StatusLine.h"
#include "WindowLayout.h"
#include "WindowMenus.h"
#include "WindowMessages.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolButton>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(designerForm(this))
    , form(new SettingsForm(*ui, this))
    , formScroll(new FormScroll(this, ui->centralwidget, ui->horizontalLayout_columns))
    , run(new RunController(this))
    , seeds(std::make_unique<PreviewSeeds>(this, form))
    , windowLayout(
          std::make_unique<WindowLayout>(this, formScroll, [this] { return seeds->dock(); }))
{
    // Not the fixed-size hint: with the preview beside it the window is resized.
    setWindowFlags(Qt::Window);
    setAcceptDrops(true);
    connectMenus();
    status = std::make_unique<StatusLine>(statusBar());
    files = std::make_unique<FileCommands>(this, form, dialogs, *seeds, *status);
    loadPreset(presetSettings(Settings::Vulcanoids));

    connect(form, &SettingsForm::changed, this, [this] {
        seeds->formChanged();
        status->estimate(form->settings(), seeds->next(), languages->numbers());
    });
    connect(ui->pushButton_generate, &QPushButton::clicked, this, &MainWindow::generate);
    connect(run, &RunController::phaseChanged, this,
            [this](RunController::Phase phase) { status->showPhase(phase == RunController::Saving); });
    connect(run, &RunController::progressChanged, status->progressBar(), &QProgressBar::setValue);
    connect(run, &RunController::ended, this, &MainWindow::runEnded);
    connect(status->stopButton(), &QToolButton::clicked, run, &RunController::requestStop);
    retranslateAdditions();
    languages->installSystemLanguage();
    windowLayout->fit();
}

// The dock goes with the window's children, after the members its signals
// reach: it says nothing more on its way.
MainWindow::~MainWindow()
{
    if (QDockWidget *dock = seeds->dock())
        dock->disconnect();
}

void MainWindow::connectMenus()
{
    connect(ui->action_Credits, &QAction::triggered, this, [this] { AboutBox::showCredits(this); });
    languages = std::make_unique<LanguageSwitch>(this, ui->action_english, ui->action_german,
                                                 ui->action_french);
    menus = std::make_unique<WindowMenus>(this, *ui);
    connect(menus->preview, &QAction::triggered, this, [this](bool show) {
        if (show)
            showPreview();
        else
            hidePreview();
    });
    connect(menus->savePicture, &QAction::triggered, this,
            [this] { files->savePicture(languages->numbers()); });
    connect(menus->openRecipe, &QAction::triggered, this, [this] { files->openRecipe(); });
    for (int k = 0; k < menus->examples.size(); ++k) {
        ExampleInfo const &example = examples()[std::size_t(k)];
        connect(menus->examples[k], &QAction::triggered, this,
                [this, &example] { files->openExample(example); });
    }
    connect(menus->saveRecipe, &QAction::triggered, this, [this] { files->saveRecipe(); });
    connect(menus->quit, &QAction::triggered, this, &QWidget::close);
    connect(menus->about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui->menu_loadPreset, &QMenu::triggered, this, [this](QAction *action) {
        QVariant const preset = action->data();
        loadPreset(presetSettings(preset.isValid() ? Settings::Preset(preset.toInt())
                                                   : Settings::Vulcanoids));
    });
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    chooseFile = std::move(chooser);
}

void MainWindow::setSeed(std::optional<unsigned int> newSeed)
{
    seeds->setFixedSeed(newSeed);
}

std::optional<std::uint32_t> MainWindow::lastRunSeed() const
{
    return seeds->latest();
}

void MainWindow::setFileAsker(FileDialogs::Asker asker)
{
    dialogs.setAsker(std::move(asker));
}

Settings MainWindow::formSettings() const
{
    return form->settings();
}

// The style polishes the widgets as they are first shown, which may change
// their sizes (it does under Windows): measure again once it has.
void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        windowLayout->fitLater();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        form->retranslate(languages->numbers());
        retranslateAdditions();
        // The children get the change after the window: measure once they
        // have taken it.
        windowLayout->fitLater();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (run->running() && !run->done()) {
        // The run goes on under the question, but its file is not replaced
        // before the answer.
        run->holdReplacement(true);
        if (!WindowMessages::askStopAndClose(this)) {
            run->holdReplacement(false);
            event->ignore();
            return;
        }
    }
    run->stopAndWait();
    windowLayout->save(seeds->dock() && !seeds->dock()->isHidden());
    QMainWindow::closeEvent(event);
}

void MainWindow::generate()
{
    // Read before the file is asked for, so that settings the catalogue could
    // not carry are refused without a pointless dialog.
    Settings const settings = form->settings();
    PlanetZones const zones(settings);
    QString const refused = WindowMessages::whyNotRun(form->unreadableFields(), settings, zones);
    if (!refused.isEmpty())
        return WindowMessages::show(this, refused);
    std::optional<std::uint32_t> const runSeed =
        seeds->forRun(menus->preview->shortcut().toString(QKeySequence::NativeText));
    if (!runSeed)
        return;

    dialogs.setCatalogueCaption(status->largeBeltCaption());
    QString const path =
        chooseFile ? chooseFile(this)
                   : dialogs.ask(this, FileDialogs::Catalogue, ui->lineEdit_beltName->text());
    if (path.isEmpty())
        return;
    std::string const file = path.toUtf8().toStdString();
    // A file that cannot be written is reported now, not after the wait.
    if (auto const refused = CatalogueFile::check(file))
        return WindowMessages::showSaveError(this, *refused);

    ui->pushButton_generate->setEnabled(false);
    lastRun = form->recipe(*runSeed);
    runFile = QFileInfo(path).fileName();
    seeds->setLatest(*runSeed);
    status->runStarted(*runSeed);
    run->generate(settings, zones, file, *runSeed);
}

void MainWindow::runEnded(SaveResult const &result)
{
    status->showReady();
    ui->pushButton_generate->setEnabled(true);
    if (result.ok)
        status->showSaved(result.entries, runFile, languages->numbers());
    else if (result.stopped)
        status->showStopped();
    else
        WindowMessages::showSaveError(this, result.error);
}

void MainWindow::showAbout()
{
    auto *box = new AboutBox(lastRun, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::loadPreset(const Settings &settings)
{
    form->load(settings);
}

// The belt of the latest run, if any; else a seed of its own.
PreviewWindow *MainWindow::showPreview()
{
    bool const first = !seeds->dock();
    PreviewWindow *preview = seeds->open(seeds->latest());
    if (first) {
        QDockWidget *dock = seeds->dock();
        auto const follow = [this] {
            menus->preview->setChecked(seeds->dock()->isVisibleTo(this));
            // Once the dock has taken its place.
            windowLayout->fitLater();
        };
        connect(dock, &QDockWidget::visibilityChanged, this, follow);
        connect(dock, &QDockWidget::topLevelChanged, this, follow);
    }
    menus->preview->setChecked(true);
    windowLayout->fit();
    return preview;
}

void MainWindow::hidePreview()
{
    if (seeds->dock())
        seeds->dock()->hide();
    menus->preview->setChecked(false);
    windowLayout->fit();
}

void MainWindow::openRecipe(QString const &path)
{
    files->openRecipeFile(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!FileCommands::droppedRecipe(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QString const path = FileCommands::droppedRecipe(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended, so that a message box does not hold the
    // desktop's drag.
    QMetaObject::invokeMethod(
        this, [this, path] { openRecipe(path); }, Qt::QueuedConnection);
}

void MainWindow::keepLayoutIn(std::unique_ptr<QSettings> store)
{
    if (!windowLayout->keepIn(std::move(store)))
        return;
    showPreview();
    windowLayout->restore();
}

void MainWindow::retranslateAdditions()
{
    menus->retranslate();
    status->retranslate();
    // A button's text sets its shortcut (to its mnemonic): the key comes after
    // the text.
    ui->pushButton_generate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    ui->pushButton_generate->setToolTip(
        tr("Generate the belt and save it as a catalogue (%1)")
            .arg(ui->pushButton_generate->shortcut().toString(QKeySequence::NativeText)));
    ui->pushButton_resetEpoch->setToolTip(tr("Set the epoch back to 2457395.5 (8 January 2016)"));
    seeds->languageChanged(languages->numbers());
    status->estimate(form->settings(), seeds->next(), languages->numbers());
}

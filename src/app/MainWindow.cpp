// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "AboutBox.h"
#include "BeltPlot.h"
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
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
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
    , savedLabel(new QLabel(this))
    , stopButton(new QToolButton(this))
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
    connect(stopButton, &QToolButton::clicked, run, &RunController::requestStop);
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

    ui.action_english->setText(QStringLiteral("&English"));
    ui.action_german->setText('&' + ownName(QLocale::German));
    ui.action_french->setText('&' + ownName(QLocale::French));
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
    savePictureAction = new QAction(this);
    savePictureAction->setObjectName("action_savePicture");
    connect(savePictureAction, &QAction::triggered, this, &MainWindow::savePicture);

    openRecipeAction = new QAction(this);
    openRecipeAction->setObjectName("action_openRecipe");
    openRecipeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openRecipeAction, &QAction::triggered, this, &MainWindow::openRecipe);
    saveRecipeAction = new QAction(this);
    saveRecipeAction->setObjectName("action_saveRecipe");
    saveRecipeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveRecipeAction, &QAction::triggered, this, &MainWindow::saveRecipe);
    quitAction = new QAction(this);
    quitAction->setObjectName("action_quit");
    quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    aboutAction = new QAction(this);
    aboutAction->setObjectName("action_about");
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    stopButton->setObjectName("toolButton_stop");
}

// The form's three menus come with it; the file menu goes before them and the
// preview's after.
void MainWindow::createMenus()
{
    fileMenu = new QMenu(this);
    fileMenu->setObjectName("menu_file");
    fileMenu->addAction(openRecipeAction);
    fileMenu->addAction(saveRecipeAction);
    fileMenu->addSeparator();
    fileMenu->addAction(quitAction);
    menuBar()->insertMenu(menuBar()->actions().value(0), fileMenu);

    previewMenu = menuBar()->addMenu(QString());
    previewMenu->setObjectName("menu_preview");
    previewMenu->addAction(previewAction);
    previewMenu->addAction(savePictureAction);
    ui.menu_info->addAction(aboutAction);
}

void MainWindow::createStatusBar()
{
    QString const mid = QApplication::palette().color(QPalette::Mid).name();
    statusBar()->setStyleSheet("QStatusBar {border-top: 1px solid " + mid +
                               ";}QStatusBar QProgressBar { margin-right: 2px;}QStatusBar QLabel "
                               "{ margin-left: 1px;} ");
    statusBar()->addPermanentWidget(statusLabel);
    // What the last save did, beside the status text; empty until then. It
    // takes the room the status text took, so that the text stays on the left.
    savedLabel->setObjectName("label_saved");
    // A long file name is cut off rather than pushing the seed out of sight.
    savedLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addPermanentWidget(savedLabel, 1);
    statusBar()->addPermanentWidget(progressBar, 2);
    statusBar()->addPermanentWidget(stopButton);
    // The status bar takes the height of its tallest widget, shown or not:
    // the button must not make it taller than the text.
    stopButton->setMaximumHeight(statusLabel->sizeHint().height());
    stopButton->hide();
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
    chooseFile = std::move(chooser);
}

void MainWindow::setSeed(std::optional<unsigned int> newSeed)
{
    seed = newSeed;
}

void MainWindow::setFileAsker(FileDialogs::Asker asker)
{
    dialogs.setAsker(std::move(asker));
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

    QString const path =
        chooseFile ? chooseFile(this) : dialogs.ask(this, FileDialogs::Catalogue, beltStem());
    if (path.isEmpty())
        return;
    std::string const file = path.toUtf8().toStdString();
    // A file that cannot be written is reported now, not after the wait.
    if (auto const refused = CatalogueFile::check(file))
        return WindowMessages::showSaveError(this, *refused);

    ui.pushButton_generate->setEnabled(false);
    lastRun = form->recipe(*runSeed);
    runFile = QFileInfo(path).fileName();
    setLastSave({});
    lastSeed = *runSeed;
    seedLabel->setText(tr("Seed: %1").arg(*lastSeed));
    seedLabel->show();
    run->generate(settings, file, *runSeed);
}

void MainWindow::showPhase(bool saving)
{
    statusLabel->setText(saving ? tr("Saving") : tr("Generating"));
    progressBar->show();
    stopButton->show();
}

void MainWindow::runEnded(SaveResult const &result)
{
    statusLabel->setText(tr("Ready"));
    progressBar->hide();
    stopButton->hide();
    ui.pushButton_generate->setEnabled(true);
    if (result.ok) {
        setLastSave([this, entries = result.entries, file = runFile] {
            return entries == 1 ? tr("Saved 1 entry to %1").arg(file)
                                : tr("Saved %1 entries to %2")
                                      .arg(numberLocale.toString(qulonglong(entries)), file);
        });
    } else if (result.stopped) {
        setLastSave([] { return tr("Stopped: nothing was saved"); });
    } else {
        WindowMessages::showSaveError(this, result.error);
    }
}

void MainWindow::setLastSave(std::function<QString()> text)
{
    lastSaveText = std::move(text);
    savedLabel->setText(lastSaveText ? lastSaveText() : QString());
    savedLabel->setToolTip(savedLabel->text());
}

// The stem the file dialogs propose: the belt name.
QString MainWindow::beltStem() const
{
    return ui.lineEdit_beltName->text();
}

bool MainWindow::refuseUnreadable()
{
    QStringList const unreadable = form->unreadableFields();
    if (!unreadable.isEmpty())
        WindowMessages::show(this, WindowMessages::unreadableNotKept(unreadable));
    return !unreadable.isEmpty();
}

// A recipe fills the form and gives the preview its seed, which the next run
// then uses.
void MainWindow::openRecipe()
{
    QString const path = dialogs.ask(this, FileDialogs::OpenRecipe);
    if (path.isEmpty())
        return;
    auto const reading = readRecipe(path.toUtf8().toStdString());
    if (auto const *error = std::get_if<RecipeError>(&reading))
        return WindowMessages::show(this, WindowMessages::recipeError(*error, path));
    Recipe const &recipe = std::get<Recipe>(reading);
    QStringList const rounded = form->load(recipe);
    openPreview(recipe.seed);
    if (!rounded.isEmpty())
        WindowMessages::show(this, WindowMessages::roundedByForm(rounded));
}

void MainWindow::saveRecipe()
{
    if (refuseUnreadable())
        return;
    std::optional<std::uint32_t> const shown = seedOnShow();
    if (!shown)
        return;
    QString const path = dialogs.ask(this, FileDialogs::SaveRecipe, beltStem());
    if (path.isEmpty())
        return;
    if (auto const failed = writeRecipe(path.toUtf8().toStdString(), form->recipe(*shown)))
        return WindowMessages::show(this, WindowMessages::recipeNotSaved(*failed));
    setLastSave(
        [file = QFileInfo(path).fileName()] { return tr("Saved the recipe to %1").arg(file); });
}

// The picture that beltwright-cli --preview draws of the form and the seed.
void MainWindow::savePicture()
{
    if (refuseUnreadable())
        return;
    std::optional<std::uint32_t> const shown = seedOnShow();
    if (!shown)
        return;
    QString const path = dialogs.ask(this, FileDialogs::Picture, beltStem());
    if (path.isEmpty())
        return;
    Settings const settings = form->settings();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto const preview = BeltPreview::ofBelt(settings, *shown, nullptr);
    QString const failed =
        BeltPlot::savePng(BeltPlot::picture(*preview, QString::fromStdString(settings.beltCenter),
                                            *shown, numberLocale),
                          path);
    QApplication::restoreOverrideCursor();
    if (!failed.isEmpty())
        return WindowMessages::show(this, WindowMessages::pictureNotSaved(path, failed));
    setLastSave(
        [file = QFileInfo(path).fileName()] { return tr("Saved the picture to %1").arg(file); });
}

void MainWindow::showAbout()
{
    auto *box = new AboutBox(lastRun, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
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
    if (previewOpen())
        return previewSeed();
    if (seed)
        return seed;
    if (auto const drawn = RandomSource::drawSeed())
        return drawn;
    WindowMessages::show(this, WindowMessages::noSystemSeed(
                                   previewAction->shortcut().toString(QKeySequence::NativeText)));
    return std::nullopt;
}

// The seed a recipe or a picture is saved with: the preview's while it is
// open, else the latest run's. Before the first run the preview opens with a
// seed of its own, so that the seed saved is shown and the next run uses it.
std::optional<std::uint32_t> MainWindow::seedOnShow()
{
    if (previewOpen())
        return previewSeed();
    if (lastSeed)
        return lastSeed;
    return openPreview(std::nullopt)->seed();
}

bool MainWindow::previewOpen() const
{
    return previewWindow && previewWindow->isVisible();
}

// The seed in the open preview; nothing, with a warning, while it holds none.
std::optional<std::uint32_t> MainWindow::previewSeed()
{
    std::optional<std::uint32_t> const shown = previewWindow->seed();
    if (!shown)
        WindowMessages::show(this, WindowMessages::noPreviewSeed());
    return shown;
}

// The belt of the latest run, if any; else a seed of its own.
PreviewWindow *MainWindow::showPreview()
{
    return openPreview(lastSeed);
}

PreviewWindow *MainWindow::openPreview(std::optional<std::uint32_t> withSeed)
{
    if (!previewWindow)
        previewWindow = new PreviewWindow(this);
    if (withSeed)
        previewWindow->setSeed(*withSeed);
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
    fileMenu->setTitle(tr("&File"));
    openRecipeAction->setText(tr("&Open Recipe…"));
    saveRecipeAction->setText(tr("&Save Recipe…"));
    quitAction->setText(tr("&Quit"));
    previewMenu->setTitle(tr("&Preview"));
    previewAction->setText(tr("&Belt Preview and Seed…"));
    savePictureAction->setText(tr("Save &Picture…"));
    aboutAction->setText(tr("&About Beltwright"));
    stopButton->setText(tr("Stop"));
    // A button's text sets its shortcut (to its mnemonic): the keys come after
    // the texts. Escape stops a run; it works only while the button is shown.
    stopButton->setShortcut(QKeySequence(Qt::Key_Escape));
    ui.pushButton_generate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    stopButton->setToolTip(tr("Stop the run (%1): an existing file is left as it was")
                               .arg(stopButton->shortcut().toString(QKeySequence::NativeText)));
    ui.pushButton_generate->setToolTip(
        tr("Generate the belt and save it as a catalogue (%1)")
            .arg(ui.pushButton_generate->shortcut().toString(QKeySequence::NativeText)));
    ui.pushButton_resetEpoch->setToolTip(tr("Set the epoch back to 2457395.5 (8 January 2016)"));
    setLastSave(lastSaveText);
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

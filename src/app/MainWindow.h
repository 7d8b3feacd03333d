// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Generator.h"
#include "Settings.h"

#include <QLocale>
#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class PreviewWindow;
class QAction;
class QCloseEvent;
class QEvent;
class QLabel;
class QMenu;
class QProgressBar;
class QTranslator;
class RunController;
class SettingsForm;
class Ui_MainWindow;

// The one window: the settings form, its menus and status bar, and the
// generation runs it starts.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static constexpr double solMassOfEarth = ::solMassOfEarth;

    // Asks for the output file; an empty string means no file was chosen.
    using FileChooser = std::function<QString(QWidget *parent)>;
    // Tests choose the file and the seed themselves; by default the user picks
    // the file in a save dialog and the seed comes from the preview window
    // while it is open, from the operating system otherwise.
    void setFileChooser(FileChooser chooser);
    void setSeed(std::optional<unsigned int> seed);

    // The seed of the latest run, once there was one.
    std::optional<std::uint32_t> lastRunSeed() const { return lastSeed; }
    // Opens the belt preview, which holds the seed controls.
    PreviewWindow *showPreview();

    // The record a run would start from: the form as it stands, the total mass
    // in solar masses.
    Settings formSettings() const;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void generate();
    void resetEpoch();
    void loadPreset(const Settings &settings);
    void menuClicked(QAction *action);

private:
    void createActions();
    void createMenus();
    void createStatusBar();
    void switchLanguage(QString const &catalogue, QLocale::Language language);
    void showCredits();
    void showPhase(bool saving);
    void runEnded(SaveResult const &result);
    std::optional<std::uint32_t> seedForRun();
    void formChanged();
    void retranslateAdditions();
    void keepFixedSize();

    SettingsForm *form;
    Ui_MainWindow &ui;
    RunController *run;
    QTranslator *translator;
    QLocale numberLocale;

    QProgressBar *progressBar;
    QLabel *statusLabel;
    QLabel *seedLabel;
    QMenu *previewMenu = nullptr;
    QAction *previewAction = nullptr;
    PreviewWindow *previewWindow = nullptr;

    FileChooser chooseFile;
    std::optional<unsigned int> seed;
    std::optional<std::uint32_t> lastSeed;
};

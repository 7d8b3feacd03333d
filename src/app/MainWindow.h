// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "Generator.h"
#include "Orbit.h"
#include "Settings.h"
#include "SettingsCheck.h"

#include <QMainWindow>
#include <QMap>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class QAction;
class QCloseEvent;
class QEvent;
class QLabel;
class QMenu;
class QProgressBar;
class PreviewWindow;
class QTimer;
class QTranslator;
class Ui_MainWindow;

// The one window: the settings form, the presets, the language menu and the
// generation run on a worker thread that the window polls.
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
    void check();
    void resetEpoch();
    void loadPreset(const Settings &settings);
    void menuClicked(QAction *action);

private:
    void switchLanguage(QString const &catalogue);
    void showCredits();
    void toggleMassUnit(bool earthMasses);
    bool refuseProblems(Settings const &settings);
    QString problemText(SettingsProblem const &problem) const;
    void showSaveError(SaveError const &error);
    QString systemErrorText(int code) const;
    void stopRun();
    void keepFixedSize();
    void fitTotalMassField();
    std::optional<std::uint32_t> seedForRun();
    void followForm();
    void formChanged();
    void retranslateAdditions();
    void holdReplacement(bool hold);

    Ui_MainWindow *ui;
    QTranslator *translator;
    QProgressBar *progressBar;
    QLabel *statusLabel;
    QMap<QString, Orbit::ReferencePlane> referencePlanes;
    QMap<QString, Settings::Preset> presets;
    QMap<QString, BaseAsteroid::ObjectType> objectTypes;
    QTimer *timer;
    std::thread worker;
    std::atomic<bool> finished{false};
    std::atomic<bool> savingStarted{false};
    std::atomic<int> progress{0};

    // Set when the window closes during a run; the worker stops between bodies.
    std::atomic<bool> stopRequested{false};
    // Written by the worker before it sets finished; read only after the join.
    SaveResult saveResult;
    QString runPath;

    FileChooser chooseFile;
    std::optional<unsigned int> seed;

    std::optional<std::uint32_t> lastSeed;
    QLabel *seedLabel;
    QMenu *previewMenu;
    QAction *previewAction;
    PreviewWindow *previewWindow = nullptr;

    // While the window asks whether to stop a run, the worker keeps the
    // finished catalogue from replacing the file.
    std::mutex replaceMutex;
    std::condition_variable replaceReleased;
    bool replaceHeld = false;
};

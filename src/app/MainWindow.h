// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BeltSave.h"
#include "FileDialogs.h"
#include "Recipe.h"
#include "Settings.h"

#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class FileCommands;
class FormScroll;
class LanguageSwitch;
class PreviewSeeds;
class PreviewWindow;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QSettings;
class RunController;
class SettingsForm;
class StatusLine;
class Ui_MainWindow;
class WindowLayout;
class WindowMenus;

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
    // Tests answer every file dialog (catalogues too, unless a file chooser
    // is set) in its place.
    void setFileAsker(FileDialogs::Asker asker);

    // The seed of the latest run, once there was one.
    std::optional<std::uint32_t> lastRunSeed() const;
    // Opens the belt preview, which holds the seed controls; hides it.
    PreviewWindow *showPreview();
    void hidePreview();

    // Where the window keeps its layout between sessions (the preview shown
    // or hidden, docked or apart, and the sizes): read now, written when the
    // window closes. Without one, the window starts with the preview hidden.
    void keepLayoutIn(std::unique_ptr<QSettings> store);
    // Opens a recipe file as File > Open Recipe does once it is chosen.
    void openRecipe(QString const &path);

    // The record a run would start from: the form as it stands, the total mass
    // in solar masses.
    Settings formSettings() const;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void generate();
    void loadPreset(const Settings &settings);

private:
    void connectMenus();
    void runEnded(SaveResult const &result);
    void showAbout();
    void retranslateAdditions();

    std::unique_ptr<Ui_MainWindow> ui;
    SettingsForm *form;
    FormScroll *formScroll;
    RunController *run;
    std::unique_ptr<PreviewSeeds> seeds;
    std::unique_ptr<WindowLayout> windowLayout;
    std::unique_ptr<LanguageSwitch> languages;
    std::unique_ptr<StatusLine> status;
    std::unique_ptr<FileCommands> files;
    std::unique_ptr<WindowMenus> menus;

    FileDialogs dialogs;
    FileChooser chooseFile; // empty: the catalogue dialog of dialogs
    QString runFile;        // the file name of the latest run's catalogue
    std::optional<Recipe> lastRun;
};

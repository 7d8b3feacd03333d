// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of the table goes through the recipe, the command line and
// the window's fields and comes back as it went in: one data row per setting,
// and a setting without a row fails.

#include "Presets.h"
#include "Recipe.h"
#include "Run.h"
#include "SettingsForm.h"
#include "TestFiles.h"
#include "ui_MainWindow.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

namespace {

// A recipe of the Earth-Moon preset, whose barycenter lets every setting count.
Recipe baseRecipe()
{
    return Recipe{presetSettings(Settings::EarthMoonBelt), Recipe::SolarMasses, 5489};
}

// The line of key in a recipe's text.
std::string lineOf(std::string const &text, std::string const &key)
{
    auto const at = text.find("\n" + key + " = ");
    return at == std::string::npos ? std::string()
                                   : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

std::string withLine(std::string text, std::string const &line)
{
    std::string const key = line.substr(0, line.find(' '));
    std::string const old = lineOf(text, key);
    // At the line's start: one key may end another ("family-resonance").
    return text.replace(text.find("\n" + old) + 1, old.size(), line);
}

} // namespace

class SettingsTableTest : public QObject {
    Q_OBJECT

private slots:
    void everySettingHasARow()
    {
        std::set<std::string> tested, table;
        for (auto const &row : rows())
            tested.insert(row.first);
        for (SettingRow const &row : settingsTable())
            table.insert(std::string(row.key));
        QCOMPARE(tested, table);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("line");        // as a recipe writes it
        QTest::addColumn<QStringList>("options"); // that give the same value
        QTest::addColumn<QStringList>("alsoLines"); // the options' other settings
        for (auto const &[key, test] : rows())
            QTest::newRow(key.c_str())
                << QString::fromStdString(key) << test.line << test.options << test.alsoLines;
    }

    void roundTrip()
    {
        QFETCH(QString, key);
        QFETCH(QString, line);
        QFETCH(QStringList, options);
        QFETCH(QStringList, alsoLines);
        std::string const expected = line.toStdString();
        std::string base = recipeText(baseRecipe());
        for (QString const &also : alsoLines)
            base = withLine(base, also.toStdString());
        QVERIFY2(lineOf(base, key.toStdString()) != expected,
                 "the value must differ from the preset's");

        // The recipe reads the line and writes it back.
        auto const parsed = parseRecipe(withLine(base, expected));
        QVERIFY(std::holds_alternative<Recipe>(parsed));
        Recipe const recipe = std::get<Recipe>(parsed);
        QCOMPARE(lineOf(recipeText(recipe), key.toStdString()), expected);

        // The window's fields show it and give it back.
        QMainWindow window;
        Ui_MainWindow ui;
        ui.setupUi(&window);
        SettingsForm form(ui, &window);
        form.load(recipe);
        QCOMPARE(lineOf(recipeText(form.recipe(recipe.seed)), key.toStdString()), expected);
        // and leave the other settings as they were, units and all.
        QCOMPARE(recipeText(form.recipe(recipe.seed)), recipeText(recipe));

        // The command line takes it as an option and keeps it in its recipe.
        QTemporaryDir dir;
        QString const saved = dir.filePath("saved.belt");
        Run const cli = runCli(QStringList{"--preset", "ebelt-em", "--seed", "5489", "-q", "-o",
                                           dir.filePath("belt.sc"), "--save-recipe", saved}
                               << options);
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(readFile(saved), recipeText(recipe));
    }

private:
    struct Test {
        QString line;
        QStringList options;
        QStringList alsoLines = {};
    };
    static std::vector<std::pair<std::string, Test>> rows()
    {
        return {
            {"type", {"type = comet", {"--type", "comet"}}},
            {"name", {"name = \"Zed 2\"", {"--name", "Zed 2"}}},
            {"center", {"center = \"Vesta\"", {"--center", "Vesta"}}},
            {"barycenter", {"barycenter = false", {"--no-barycenter"}}},
            {"total-mass", {"total-mass = 2.5", {"--total-mass", "2.5"}}},
            {"mass-unit",
             {"mass-unit = earth",
              {"--mass-unit", "earth", "--total-mass", "3.04010621889297e-06"}}},
            {"number", {"number = 1234", {"--number", "1234"}}},
            {"inner", {"inner = 0.25", {"--inner", "0.25"}}},
            {"outer", {"outer = 2.5", {"--outer", "2.5"}}},
            {"min-radius", {"min-radius = 0.5", {"--min-radius", "0.5"}}},
            {"max-radius", {"max-radius = 7.25", {"--max-radius", "7.25"}}},
            {"min-eccentricity", {"min-eccentricity = 0.00125", {"--min-eccentricity", "0.00125"}}},
            {"max-eccentricity", {"max-eccentricity = 0.5", {"--max-eccentricity", "0.5"}}},
            {"max-inclination", {"max-inclination = 33.5", {"--max-inclination", "33.5"}}},
            {"plane", {"plane = equator", {"--plane", "equator"}}},
            {"epoch", {"epoch = 2451545", {"--epoch", "2451545"}}},
            {"radius-distribution",
             {"radius-distribution = power-law", {"--radius-distribution", "power-law"}}},
            {"radius-slope", {"radius-slope = 3.25", {"--radius-slope", "3.25"}}},
            {"eccentricity-distribution",
             {"eccentricity-distribution = rayleigh", {"--eccentricity-distribution", "rayleigh"}}},
            {"eccentricity-mode", {"eccentricity-mode = 0.0125", {"--eccentricity-mode", "0.0125"}}},
            {"inclination-distribution",
             {"inclination-distribution = rayleigh", {"--inclination-distribution", "rayleigh"}}},
            {"inclination-mode", {"inclination-mode = 2.5", {"--inclination-mode", "2.5"}}},
            {"semi-major-axis-distribution",
             {"semi-major-axis-distribution = surface-density",
              {"--semi-major-axis-distribution", "surface-density"}}},
            {"surface-density-slope",
             {"surface-density-slope = -0.5", {"--surface-density-slope", "-0.5"}}},
            {"mean-anomaly-distribution",
             {"mean-anomaly-distribution = uniform", {"--mean-anomaly-distribution", "uniform"}}},
            // A Jupiter would outweigh the Earth and Moon: a lighter planet.
            {"planet",
             {"planet = true",
              {"--planet", "--planet-mass-unit", "earth", "--planet-mass", "0.0125"},
              {"planet-mass-unit = earth", "planet-mass = 0.0125"}}},
            {"planet-semi-major-axis",
             {"planet-semi-major-axis = 9.5826", {"--planet-semi-major-axis", "9.5826"}}},
            {"planet-mass", {"planet-mass = 0.000125", {"--planet-mass", "0.000125"}}},
            {"planet-mass-unit",
             {"planet-mass-unit = earth", {"--planet-mass-unit", "earth", "--planet-mass", "1"}}},
            {"central-mass", {"central-mass = 0.12345678", {"--central-mass", "0.12345678"}}},
            {"planet-longitude",
             {"planet-longitude = 359.9999", {"--planet-longitude", "359.9999"}}},
            {"resonance-eccentricity",
             {"resonance-eccentricity = 0.125", {"--resonance-eccentricity", "0.125"}}},
            {"resonance-gaps", {"resonance-gaps = true", {"--resonance-gaps"}}},
            {"gap-resonances", {"gap-resonances = \"3:1 5:2\"", {"--gap-resonances", "3:1 5:2"}}},
            {"cleared-orbit", {"cleared-orbit = true", {"--cleared-orbit"}}},
            {"gap-width", {"gap-width = own", {"--gap-width", "own"}}},
            {"gap-depth", {"gap-depth = 12.5", {"--gap-depth", "12.5"}}},
            {"trojan-l4-share", {"trojan-l4-share = 58.33", {"--trojan-l4-share", "58.33"}}},
            {"libration-amplitude",
             {"libration-amplitude = 12.75", {"--libration-amplitude", "12.75"}}},
            {"family-resonance", {"family-resonance = \"2:1\"", {"--family-resonance", "2:1"}}},
            {"resonance", {"resonance = \"5:2\"", {"--resonance", "5:2"}}},
            {"resonance-side", {"resonance-side = outside", {"--resonance-side", "outside"}}},
            {"amplitude-distribution",
             {"amplitude-distribution = rayleigh", {"--amplitude-distribution", "rayleigh"}}},
            {"amplitude-mode", {"amplitude-mode = 22.5", {"--amplitude-mode", "22.5"}}},
            {"trojan-shape", {"trojan-shape = tadpole", {"--trojan-shape", "tadpole"}}},
            {"parent-semi-major-axis",
             {"parent-semi-major-axis = 3.25", {"--parent-semi-major-axis", "3.25"}}},
            {"parent-eccentricity",
             {"parent-eccentricity = 0.12345", {"--parent-eccentricity", "0.12345"}}},
            {"parent-inclination", {"parent-inclination = 12.5", {"--parent-inclination", "12.5"}}},
            {"ejection-velocity", {"ejection-velocity = 37.5", {"--ejection-velocity", "37.5"}}},
            {"breakup-anomaly", {"breakup-anomaly = 120.5", {"--breakup-anomaly", "120.5"}}},
            {"breakup-latitude", {"breakup-latitude = 10.25", {"--breakup-latitude", "10.25"}}},
            {"min-perihelion", {"min-perihelion = 31.5", {"--min-perihelion", "31.5"}}},
            {"max-perihelion", {"max-perihelion = 38.75", {"--max-perihelion", "38.75"}}},
            {"population-name",
             {"population-name = \"Main\"", {"--population-name", "Main"}}},
            // One population holds every body: the share goes back to 100.
            {"share", {"share = 100", {"--share", "100"}, {"share = 50"}}},
            {"kind",
             {"kind = trojans",
              {"--kind", "trojans", "--planet", "--planet-mass-unit", "earth", "--planet-mass",
               "0.0125"},
              {"planet = true", "planet-mass-unit = earth", "planet-mass = 0.0125"}}},
            {"composition", {"composition = kuiper-hot", {"--composition", "kuiper-hot"}}},
            {"shapes", {"shapes = ellipsoids", {"--shapes", "ellipsoids"}}},
            {"meshes",
             {"meshes = \"rock.mesh*2; b.mesh\"", {"--meshes", "rock.mesh*2; b.mesh"}}},
            {"textures", {"textures = \"grey.png\"", {"--textures", "grey.png"}}},
            {"spins", {"spins = by-size", {"--spins", "by-size"}}},
            {"spin-axes", {"spin-axes = yorp", {"--spin-axes", "yorp"}}},
        };
    }
};

QTEST_MAIN(SettingsTableTest)
#include "tst_settingstable.moc"

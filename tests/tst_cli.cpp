// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built beltwright-cli as users do and checks what it writes, its
// messages and its exit status.
#include "Examples.h"
#include "CoreCatalogue.h"
#include "FieldLimits.h"
#include "Presets.h"
#include "Recipe.h"
#include "RecipeLines.h"
#include "Run.h"
#include "Settings.h"
#include "TestFiles.h"

#include <QImage>
#include <QtTest>

#include <csignal>
#include <functional>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifndef BELTWRIGHT_CLI
#error "BELTWRIGHT_CLI must name the built command-line program"
#endif

namespace {

// The text of the first body, up to the end of its block.
QByteArray firstBlock(QByteArray const &catalogue)
{
    return catalogue.left(catalogue.indexOf("}\n\n") + 1);
}

using Edit = std::function<void(Settings &)>;

#ifdef Q_OS_UNIX
// A copy of the program where user 65534 can run it: the build tree may lie
// in a folder that others cannot enter (a clone in /root, or in mktemp -d).
// Empty, with the reason in why, when no such place can be made.
QString programForOthers(QString &why)
{
    static QTemporaryDir place;
    QString const copy = place.filePath("beltwright-cli");
    if (!QFile::exists(copy) &&
        (!place.isValid() || chmod(QFile::encodeName(place.path()).constData(), 0755) != 0 ||
         !QFile::copy(BELTWRIGHT_CLI, copy) ||
         chmod(QFile::encodeName(copy).constData(), 0755) != 0)) {
        why = "cannot copy the program to " + place.path();
        return {};
    }
    for (QDir folder(place.path()); !folder.isRoot(); folder.cdUp()) {
        struct stat st;
        if (stat(QFile::encodeName(folder.path()).constData(), &st) != 0 ||
            (st.st_mode & S_IXOTH) == 0) {
            why = "other users cannot enter " + folder.path() + ", where temporary files go";
            return {};
        }
    }
    return copy;
}

// Runs the program as the unprivileged user 65534 when the test runs as root.
class UnprivilegedProcess : public QProcess {
protected:
    void setupChildProcess() override
    {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
    }
};

#endif

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Recipe)

class CliTest : public QObject {
    Q_OBJECT

private slots:
    // Output: the worked example, files against the core, standard output.

    void workedExampleOnStandardOutput()
    {
        Run const run = runCli({"--preset", "vulcanoids", "--seed", "5489"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray("seed: 5489\n"));
        QVERIFY(run.out.startsWith("Asteroid \"VS 1\"\n{\n\tParentBody\t\"Sol\"\n"));
        QByteArray const body1 = firstBlock(run.out);
        QVERIFY(body1.contains("\tRadius\t\t1.60384622565"));
        QVERIFY(body1.contains("\t\tSemiMajorAxis\t0.165672648292"));
        QVERIFY(body1.contains("\t\tRefPlane\t\t\"Ecliptic\"\n"));
        int const body2 = run.out.indexOf("Barycenter \"VS 2\"\n");
        QVERIFY(body2 > 0);
        int const a = run.out.indexOf("Asteroid \"VS 2 A\"\n{\n\tParentBody\t\"VS 2\"\n");
        int const b = run.out.indexOf("Asteroid \"VS 2 B\"\n{\n\tParentBody\t\"VS 2\"\n");
        QVERIFY(body2 < a && a < b);
        QRegularExpression const topLevel("^(Asteroid|Barycenter) \"VS \\d+\"$",
                                          QRegularExpression::MultilineOption);
        QCOMPARE(QString::fromUtf8(run.out).count(topLevel), 200);
    }

    void fileEqualsCoreAndStandardOutput_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<unsigned>("seed");
        for (auto const &info : presetTable) {
            for (unsigned seed : {5489u, 0u, 4294967295u}) {
                QTest::addRow("%s/%u", info.shortName.data(), seed)
                    << QString::fromLatin1(info.shortName.data(), int(info.shortName.size()))
                    << seed;
            }
        }
    }

    void fileEqualsCoreAndStandardOutput()
    {
        QFETCH(QString, preset);
        QFETCH(unsigned, seed);
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        QStringList const options = {"--preset", preset, "--seed", QString::number(seed)};

        Run const toFile = runCli(options + QStringList{"-o", path});
        QCOMPARE(toFile.exitCode, 0);
        QVERIFY(toFile.out.isEmpty());
        QByteArray const written = readBytes(path);
        QCOMPARE(written, coreCatalogue(presetSettings(*findPreset(preset.toStdString())), seed));

        Run const toDash = runCli(options + QStringList{"--output", "-"});
        QCOMPARE(toDash.exitCode, 0);
        QCOMPARE(toDash.out, written);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
    }

    // An example is its recipe: the same belt as the file, with its seed, and
    // options override it; the listing names every example.
    void examplesAreTheirRecipes()
    {
        QTemporaryDir dir;
        for (ExampleInfo const &info : examples()) {
            QString const name = QString::fromLatin1(info.shortName.data(), int(info.shortName.size()));
            Run const byName = runCli({"--example", name, "--number", "500"});
            QCOMPARE(byName.exitCode, 0);
            QString const file = dir.filePath(name + ".belt");
            QVERIFY(writeBytes(file, QByteArray(info.text.data(), int(info.text.size()))));
            Run const byFile = runCli({"--recipe", file, "--number", "500"});
            QCOMPARE(byFile.exitCode, 0);
            QCOMPARE(byName.out, byFile.out);
            Recipe recipe = std::get<Recipe>(exampleRecipe(info));
            recipe.settings.number = 500;
            QCOMPARE(byName.out, coreCatalogue(recipe.forRun(), recipe.seed));
            QVERIFY(runCli({"--list-examples"}).out.contains("(--example " + name.toUtf8() + ")"));
        }
    }

    // A belt of one background population is byte for byte the belt of the
    // version before populations (the MD5 sums of its catalogues).
    void onePopulationKeepsItsBytes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("md5");
        auto const preset = [](char const *name, char const *md5) {
            QTest::newRow(name) << QStringList{"--preset", name, "--seed", "7"} << QByteArray(md5);
        };
        preset("vulcanoids", "2c4836d107ca121114fc1da9302cebb6");
        preset("oort-cloud", "b93727976398ad3bd1de8972d34873d6");
        preset("toliman-a-comets", "08fa667c6e17fcb27f836a17362f7480");
        preset("ebelt-em", "0c720c31917bd627e3fee79b21d0f298");
        // The examples as they were before populations, read from their
        // older recipes.
        auto const older = [](char const *name, char const *file, char const *md5) {
            QTest::newRow(name) << QStringList{"--recipe", QString(TEST_DATA "/") + file}
                                << QByteArray(md5);
        };
        older("main belt, its gaps and cleared orbit", "main-belt-1.belt",
              "203240eb4470a56bfa295ad3f760db38");
        older("Trojans alone", "jupiter-trojans-1.belt", "3f1dc5025ab3ed7c13179e1ae797b77a");
    }
    void onePopulationKeepsItsBytes()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, md5);
        Run const run = runCli(options << "-q");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QCryptographicHash::hash(run.out, QCryptographicHash::Md5).toHex(), md5);
    }

    void existingFileIsReplacedWhole()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        QVERIFY(writeBytes(path, QByteArray(1 << 20, 'x')));
        Run const run = runCli({"--preset", "Toliman A Comets", "--seed", "3", "-q", "-o", path});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(readBytes(path), coreCatalogue(Settings(Settings::TolimanAComets), 3));
    }

    // Seeds: one seed, one belt; a drawn seed is reported and reproduces it.

    void oneSeedOneBelt()
    {
        QStringList const options = {"--preset", "eBelt-EM", "--seed", "77", "-q"};
        Run const first = runCli(options);
        Run const second = runCli(options);
        QCOMPARE(first.exitCode, 0);
        QVERIFY(!first.out.isEmpty());
        QCOMPARE(second.out, first.out);
        Run const other = runCli({"--preset", "eBelt-EM", "--seed", "78", "-q"});
        QVERIFY(other.out != first.out);
    }

    // Odd bounds are taken as they stand: the file is the core's, and standard
    // error says what the belt will be, unless --quiet.
    void oddBoundsAreWarnedOf_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("belt radii reversed")
            << QStringList{"--inner", "0.5"} << Edit([](Settings &s) { s.populations[0].innerRadius = 0.5; })
            << QStringList{"--inner 0.5 is above --outer 0.18: every body will orbit at 0.5 AU"};
        QTest::newRow("body radii and eccentricities reversed")
            << QStringList{"--min-radius", "4", "--max-radius", "1", "--min-eccentricity", "0.01"}
            << Edit([](Settings &s) {
                   s.populations[0].minRadius = 4;
                   s.populations[0].maxRadius = 1;
                   s.populations[0].minEccentricity = 0.01;
               })
            << QStringList{"--min-radius 4 is above --max-radius 1: every body will have a "
                           "radius of 4 km",
                           "--min-eccentricity 0.01 is above --max-eccentricity 0.001: every "
                           "orbit will have an eccentricity of 0.01"};
        QTest::newRow("open orbits")
            << QStringList{"--max-eccentricity", "1"}
            << Edit([](Settings &s) { s.populations[0].maxEccentricity = 1; })
            << QStringList{"--max-eccentricity 1: orbits with an eccentricity of 1 or more are "
                           "open, and a reader of orbital elements cannot place them"};
        QTest::newRow("every orbit open")
            << QStringList{"--min-eccentricity", "1.5", "--max-eccentricity", "2"}
            << Edit([](Settings &s) {
                   s.populations[0].minEccentricity = 1.5;
                   s.populations[0].maxEccentricity = 2;
               })
            << QStringList{"--min-eccentricity 1.5: every orbit will be open (an eccentricity of "
                           "1 or more), and a reader of orbital elements cannot place them"};
        QTest::newRow("equal bounds")
            << QStringList{"--inner", "0.18"} << Edit([](Settings &s) { s.populations[0].innerRadius = 0.18; })
            << QStringList{};
    }
    void oddBoundsAreWarnedOf()
    {
        QFETCH(QStringList, options);
        QFETCH(Edit, edit);
        QFETCH(QStringList, warnings);
        Settings settings(Settings::Vulcanoids);
        edit(settings);
        options << "--preset"
                << "vulcanoids"
                << "--seed"
                << "9";
        QString expected;
        for (QString const &warning : warnings)
            expected += "beltwright-cli: warning: " + warning + "\n";

        Run const told = runCli(options);
        QCOMPARE(told.exitCode, 0);
        QCOMPARE(QString::fromUtf8(told.err), expected + "seed: 9\n");
        QCOMPARE(told.out, coreCatalogue(settings, 9));
        Run const quiet = runCli(options << "-q");
        QCOMPARE(quiet.err, QByteArray());
        QCOMPARE(quiet.out, told.out);
    }

    void drawnSeedIsReportedAndReproduces()
    {
        QStringList const options = {"--preset", "oort-cloud", "--number", "50"};
        Run const drawn = runCli(options);
        QCOMPARE(drawn.exitCode, 0);
        QRegularExpressionMatch const match =
            QRegularExpression("^seed: (\\d+)\\n$").match(QString::fromUtf8(drawn.err));
        QVERIFY2(match.hasMatch(), drawn.err.constData());
        bool ok = false;
        unsigned const seed = match.captured(1).toUInt(&ok);
        QVERIFY(ok);

        Run const again = runCli(options + QStringList{"--seed", match.captured(1)});
        QCOMPARE(again.out, drawn.out);
        Settings settings(Settings::OortCloud);
        settings.number = 50;
        QCOMPARE(drawn.out, coreCatalogue(settings, seed));

        // Two drawn seeds that agree would mean the seed is not drawn at all.
        Run const other = runCli(options);
        Run const third = runCli(options);
        QVERIFY(other.err != drawn.err || third.err != drawn.err);
    }

    void quietLeavesOnlyErrors()
    {
        Run const ok = runCli({"--preset", "vulcanoids", "--number", "3", "--quiet"});
        QCOMPARE(ok.exitCode, 0);
        QVERIFY(ok.err.isEmpty());
        QVERIFY(ok.out.contains(" \"VS 3\"\n{\n"));
        Run const bad = runCli({"--preset", "vulcanoids", "-q", "--number", "x"});
        QCOMPARE(bad.exitCode, 2);
        QVERIFY(bad.err.contains("--number"));
    }

    // Overrides: each option changes its field of the preset's record and
    // nothing else, as the whole catalogue shows.

    void overridesReachTheRecord_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QByteArrayList>("texts"); // must appear in the catalogue

        auto row = [](char const *name, QStringList options, Edit edit, QByteArrayList texts) {
            QTest::newRow(name) << options << edit << texts;
        };
        row("type", {"--type", "comet"}, [](Settings &s) { s.objectType = BaseAsteroid::Comet; },
            {"Comet \"VS 1\"\n", "Comet \"VS 2 A\"\n"});
        row("name", {"--name", "Ring Ä"}, [](Settings &s) { s.beltName = "Ring Ä"; },
            {"\"Ring Ä 1\"\n", "Barycenter \"Ring Ä 2\"\n", "\"Ring Ä 200\"\n"});
        row("center", {"--center", "Proxima b"}, [](Settings &s) { s.beltCenter = "Proxima b"; },
            {"\tParentBody\t\"Proxima b\"\n"});
        row("number", {"--number", "7"}, [](Settings &s) { s.number = 7; }, {"\"VS 7\"\n"});
        row("inner+outer", {"--inner", "2.5", "--outer", "2.5"},
            [](Settings &s) { s.populations[0].innerRadius = s.populations[0].outerRadius = 2.5; }, {"\t\tSemiMajorAxis\t2.5\n"});
        row("radii", {"--min-radius", "4", "--max-radius", "4"},
            [](Settings &s) { s.populations[0].minRadius = s.populations[0].maxRadius = 4; }, {"\tRadius\t\t4\n"});
        row("eccentricities", {"--min-eccentricity", "0.25", "--max-eccentricity", "0.25"},
            [](Settings &s) { s.populations[0].minEccentricity = s.populations[0].maxEccentricity = 0.25; },
            {"\t\tEccentricity\t0.25\n"});
        row("inclination", {"--max-inclination", "0"}, [](Settings &s) { s.populations[0].maxInclination = 0; },
            {});
        row("plane", {"--plane", "extrasolar"},
            [](Settings &s) { s.referencePlane = Orbit::Extrasolar; },
            {"\t\tRefPlane\t\t\"Extrasolar\"\n"});
        row("plane equator", {"--plane", "equator"},
            [](Settings &s) { s.referencePlane = Orbit::Equator; }, {});
        row("epoch", {"--epoch", "2451545"}, [](Settings &s) { s.epoch = 2451545; },
            {"\t\tEpoch\t\t\t2451545\n"});
        row("solar mass", {"--barycenter", "--total-mass", "1"},
            [](Settings &s) {
                s.barycenter = true;
                s.totalMass = 1;
            },
            {});
        row("earth mass", {"--barycenter", "--total-mass", "2", "--mass-unit", "earth"},
            [](Settings &s) {
                s.barycenter = true;
                s.totalMass = 2 * solMassOfEarth;
            },
            {});
        row("last of barycenter pair wins",
            {"--no-barycenter", "--barycenter", "--total-mass", "1"},
            [](Settings &s) {
                s.barycenter = true;
                s.totalMass = 1;
            },
            {});
        row("later value wins", {"--number", "9", "--number", "4"},
            [](Settings &s) { s.number = 4; }, {"\"VS 4\"\n"});
        row("equals sign", {"--number=5", "--seed=5489"}, [](Settings &s) { s.number = 5; }, {});
    }

    void overridesReachTheRecord()
    {
        QFETCH(QStringList, options);
        QFETCH(Edit, edit);
        QFETCH(QByteArrayList, texts);
        Run const run = runCli(QStringList{"--preset", "vulcanoids", "--seed", "5489"} + options);
        QCOMPARE(run.exitCode, 0);
        Settings expected(Settings::Vulcanoids);
        edit(expected);
        QCOMPARE(run.out, coreCatalogue(expected, 5489));
        QVERIFY(run.out != coreCatalogue(Settings(Settings::Vulcanoids), 5489));
        for (QByteArray const &text : texts)
            QVERIFY2(run.out.contains(text), text.constData());
    }

    void barycenterGivesPeriods()
    {
        QStringList const base = {"--preset", "vulcanoids", "--seed", "5489", "-q"};
        QByteArray const plain = firstBlock(runCli(base).out);
        QVERIFY(plain.contains("\t\tSemiMajorAxis\t"));
        QVERIFY(!plain.contains("\t\tPeriod\t"));

        QByteArray const solar =
            firstBlock(runCli(base + QStringList{"--barycenter", "--total-mass", "1"}).out);
        // a = 0.165672648292 AU around one solar mass: P = a^1.5 years.
        QVERIFY2(solar.contains("\t\tPeriod\t\t\t0.06743"), solar.constData());

        QByteArray const earth = firstBlock(
            runCli(base + QStringList{"--barycenter", "--total-mass", "1", "--mass-unit", "earth"})
                .out);
        QVERIFY(earth.contains("\t\tPeriod\t\t\t"));
        double const ratio =
            earth.mid(earth.indexOf("Period\t\t\t") + 9).split('\n')[0].toDouble() /
            solar.mid(solar.indexOf("Period\t\t\t") + 9).split('\n')[0].toDouble();
        QVERIFY(qAbs(ratio - std::sqrt(1 / solMassOfEarth)) < 1e-9 * ratio);

        QByteArray const without = firstBlock(
            runCli({"--preset", "ebelt-em", "--barycenter", "--no-barycenter", "--seed", "1"}).out);
        QVERIFY(without.contains("\t\tSemiMajorAxis\t"));
        QVERIFY(!without.contains("\t\tPeriod\t"));
    }

    void rangeLimitsAreAccepted_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Edit>("edit");
        QTest::newRow("upper bounds") << QStringList{"--inner",
                                                     "1e21",
                                                     "--outer",
                                                     "1e21",
                                                     "--max-radius",
                                                     "1e21",
                                                     "--max-eccentricity",
                                                     "99.99",
                                                     "--max-inclination",
                                                     "180",
                                                     "--epoch",
                                                     "10000000",
                                                     "--barycenter",
                                                     "--total-mass",
                                                     "1e35",
                                                     "--number",
                                                     "3"}
                                      << Edit([](Settings &s) {
                                             s.populations[0].innerRadius = s.populations[0].outerRadius = s.populations[0].maxRadius = 1e21;
                                             s.populations[0].maxEccentricity = 99.99;
                                             s.populations[0].maxInclination = 180;
                                             s.epoch = 10000000;
                                             s.barycenter = true;
                                             s.totalMass = 1e35;
                                             s.number = 3;
                                         });
        QTest::newRow("zeros") << QStringList{"--inner", "0",  "--min-radius", "-0",
                                              "--epoch", "-0", "--number",     "+2"}
                               << Edit([](Settings &s) {
                                      s.populations[0].innerRadius = s.populations[0].minRadius = s.epoch = 0;
                                      s.number = 2;
                                  });
    }

    void rangeLimitsAreAccepted()
    {
        QFETCH(QStringList, options);
        QFETCH(Edit, edit);
        Run const run = runCli(QStringList{"--preset", "vulcanoids", "--seed", "2"} + options);
        QCOMPARE(run.exitCode, 0);
        Settings expected(Settings::Vulcanoids);
        edit(expected);
        QCOMPARE(run.out, coreCatalogue(expected, 2));
        if (options.contains("-0"))
            QVERIFY(run.out.contains("\t\tEpoch\t\t\t0\n")); // not "-0"
    }

    // Refusals: one line naming the option, status 2, nothing written.

    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("option"); // named in the message

        auto row = [](char const *name, QStringList options, char const *option) {
            QTest::newRow(name) << options << QString(option);
        };
        row("unknown option", {"--colour", "red"}, "colour");
        row("single-dash word", {"-seed", "4"}, "Unknown options: s");
        row("missing value", {"--epoch"}, "--epoch");
        row("value on a switch", {"--barycenter=yes"}, "--barycenter");
        row("positional argument", {"belt.sc"}, "belt.sc");
        row("empty output", {"-o", ""}, "--output");
        row("malformed number", {"--inner", "0.1.2"}, "--inner");
        row("infinite", {"--max-radius", "inf"}, "--max-radius");
        row("not a number", {"--epoch", "nan"}, "--epoch");
        row("overflowing", {"--epoch", "1e999"}, "--epoch");
        row("negative", {"--min-eccentricity", "-0.1"}, "--min-eccentricity");
        row("eccentricity above", {"--max-eccentricity", "100"}, "--max-eccentricity");
        row("inclination above", {"--max-inclination", "180.5"}, "--max-inclination");
        row("epoch above", {"--epoch", "10000000.5"}, "--epoch");
        row("radius above", {"--inner", "1.1e21"}, "--inner");
        row("mass above", {"--total-mass", "2e35", "--mass-unit", "earth"}, "--total-mass");
        row("number above", {"--number", "1000001"}, "--number");
        row("fractional number", {"--number", "2.0"}, "--number");
        row("negative number", {"--number", "-1"}, "--number: -1 is negative");
        row("no body", {"--preset", "vulcanoids", "--number", "0"}, "--number: the belt would have no body");
        row("seed above", {"--seed", "4294967296"}, "--seed");
        row("hex seed", {"--seed", "0x10"}, "--seed");
        row("unknown preset", {"--preset", "kuiper"}, "--preset");
        row("unknown type", {"--type", "planet"}, "--type");
        row("type in capitals", {"--type", "COMET"}, "--type");
        row("unknown plane", {"--plane", "galactic"}, "--plane");
        row("unknown mass unit", {"--mass-unit", "kg"}, "--mass-unit");
        row("quote in name", {"--name", "V\"S"}, "--name");
        row("line break in center", {"--center", "Sol\nBarycenter \"X\""}, "--center");
        row("barycenter without mass", {"--preset", "ebelt-em", "--total-mass", "0"},
            "--total-mass");
        row("barycenter on default", {"--barycenter", "--center", "Sol"}, "--total-mass");
        row("backslash in name", {"--preset", "vulcanoids", "--name", "V\\S"}, "--name");
        row("unknown distribution", {"--radius-distribution", "normal"}, "--radius-distribution");
        row("slope of 0", {"--preset", "vulcanoids", "--radius-distribution", "power-law",
                           "--radius-slope", "0"},
            "--radius-slope");
        row("power law from 0", {"--preset", "vulcanoids", "--radius-distribution", "power-law",
                                 "--min-radius", "0"},
            "--min-radius");
        row("mode of 0", {"--preset", "vulcanoids", "--inclination-distribution", "rayleigh",
                          "--inclination-mode", "0"},
            "--inclination-mode");
        row("steep disc from 0", {"--preset", "vulcanoids", "--semi-major-axis-distribution",
                                  "surface-density", "--surface-density-slope", "2", "--inner", "0"},
            "--inner");
        row("backslash in center", {"--preset", "vulcanoids", "--center", "Sol\\"}, "--center");
        row("empty center", {"--preset", "vulcanoids", "--center", ""}, "--center");
        row("center of spaces", {"--preset", "vulcanoids", "--center", "   "}, "--center");
        row("periods beyond any number",
            {"--preset", "vulcanoids", "--barycenter", "--total-mass", "1e-300", "--inner", "1e21",
             "--outer", "1e21"},
            "--total-mass");
        row("earth masses too small for solar ones",
            {"--preset", "ebelt-em", "--mass-unit", "earth", "--total-mass", "1e-320"},
            "--total-mass");
        row("Trojans down to the center",
            {"--preset", "vulcanoids", "--planet", "--planet-mass", "500", "--share", "50",
             "--population", "--kind", "trojans", "--share", "50", "--libration-amplitude", "90"},
            "population 2 \"Trojans\": --libration-amplitude");
        row("family down to the center",
            {"--preset", "vulcanoids", "--planet", "--planet-mass", "30", "--share", "50",
             "--population", "--kind", "family", "--share", "50", "--family-resonance", "11:7",
             "--resonance-eccentricity", "0.99"},
            "population 2 \"Family\": --family-resonance");
        row("no center without a preset", {}, "--center");
        row("bad value after good", {"--preset", "oort-cloud", "--number", "3", "--plane", "x"},
            "--plane");
        row("unknown example", {"--example", "asteroid-belt"}, "--example");
        row("example and preset", {"--example", "hildas", "--preset", "vulcanoids"}, "--example");
        row("planet without mass", {"--example", "main-belt", "--planet-mass", "0"},
            "--planet-mass");
        row("planet without orbit", {"--preset", "vulcanoids", "--planet",
                                     "--planet-semi-major-axis", "0"},
            "--planet-semi-major-axis");
        row("shares above 100 %", {"--example", "kuiper-belt", "--share", "80"}, "--share");
        row("Trojans without the planet", {"--preset", "vulcanoids", "--kind", "trojans"},
            "--kind");
        row("more populations than shares",
            {"--example", "hildas", "--population", "--population"},
            "--share");
        row("no such resonance", {"--example", "main-belt", "--gap-resonances", "3:1 7:7"},
            "--gap-resonances");
        row("no such resonance of a population", {"--example", "hildas", "--resonance", "3/2"},
            "--resonance");
        row("no such colours", {"--preview", "p.png", "--preview-colours", "pink"},
            "--preview-colours");
        row("colours without a picture", {"--preview-colours", "surfaces"}, "--preview-colours");
        row("no room for the belt", {"--example", "main-belt", "--inner", "5", "--outer", "5.4"},
            "--inner");
    }

    void refusesBadInput()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, option);
        QTemporaryDir dir;
        QString const existing = dir.filePath("existing.sc");
        QByteArray const oldText = "an earlier catalogue\n";
        QVERIFY(writeBytes(existing, oldText));

        for (QString const &target : {QString("new.sc"), existing}) {
            Run const run =
                runCli(QStringList{"--number", "2", "-o", target} + options, dir.path());
            QCOMPARE(run.exitCode, 2);
            QVERIFY(!run.crashed);
            QVERIFY(run.out.isEmpty());
            QVERIFY2(run.err.startsWith("beltwright-cli: "), run.err.constData());
            QVERIFY2(run.err.endsWith('\n') && run.err.count('\n') == 1, run.err.constData());
            QVERIFY2(run.err.contains(option.toUtf8()), run.err.constData());
            QCOMPARE(entries(dir.path()), QStringList{"existing.sc"});
            QCOMPARE(readBytes(existing), oldText);
        }
    }

    void refusalSaysWhatIsAccepted()
    {
        QByteArray const range = runCli({"--max-inclination", "181"}).err;
        QVERIFY2(range.contains("0 to 180"), range.constData());
        QByteArray const words = runCli({"--plane", "galactic"}).err;
        QVERIFY2(words.contains("ecliptic") && words.contains("equator") &&
                     words.contains("extrasolar"),
                 words.constData());
        QByteArray const presets = runCli({"--preset", "x"}).err;
        for (auto const &info : presetTable)
            QVERIFY2(presets.contains(info.shortName.data()), presets.constData());
        QByteArray const seed = runCli({"--seed", "-5"}).err;
        QVERIFY2(seed.contains("4294967295"), seed.constData());
        QByteArray const backslash = runCli({"--preset", "vulcanoids", "--name", "a\\b"}).err;
        QVERIFY2(backslash.contains("backslash") && backslash.contains("escape"),
                 backslash.constData());
        QByteArray const center = runCli({"--number", "1"}).err;
        QVERIFY2(center.contains("empty") && center.contains("--center Sol"), center.constData());
    }

    void notUtf8IsRefused()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows hands programs their arguments as UTF-16 text");
#else
        // QProcess passes arguments as UTF-8, so the shell gives the raw byte.
        Run const run = runProgram(
            "/bin/sh", {"-c", "exec \"$0\" --name \"$(printf 'V\\377')\"", BELTWRIGHT_CLI});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("UTF-8"), run.err.constData());
#endif
    }

    // Outputs that cannot be written: refused before a body is drawn, in the
    // words of a failed save, status 1, nothing written.

    void refusesOutputBeforeGenerating_data()
    {
#ifdef Q_OS_UNIX
        QTest::addColumn<QString>("target"); // relative to the temporary directory
        // Run as user 65534, who owns fileOwner's files when that is 65534;
        // a test that does not run as root runs the program as itself.
        QTest::addColumn<bool>("unprivileged");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");     // of old.sc
        QTest::addColumn<bool>("fileOfOther"); // old.sc belongs to neither user nor folder
        QTest::addColumn<QString>("message");  // %1: the target's path
        QTest::newRow("directory")
            << "sub" << false << 0700 << 0644 << false << "Cannot write \"%1\": Is a directory.";
        QTest::newRow("missing directory") << "no/such/belt.sc" << false << 0700 << 0644 << false
                                           << "Cannot create \"%1\": No such file or directory.";
        QTest::newRow("parent is a file") << "old.sc/belt.sc" << false << 0700 << 0644 << false
                                          << "Cannot create \"%1\": Not a directory.";
        QTest::newRow("unwritable directory") << "old.sc" << true << 0555 << 0666 << false
                                              << "Cannot create \"%1\": Permission denied.";
        QTest::newRow("read-only file") << "old.sc" << true << 0777 << 0444 << false
                                        << "Cannot replace \"%1\": Permission denied.";
        QTest::newRow("another user's file in a sticky folder")
            << "old.sc" << true << 01777 << 0666 << true
            << "Cannot replace \"%1\": Operation not permitted.";
#endif
    }
    void refusesOutputBeforeGenerating()
    {
#ifndef Q_OS_UNIX
        QSKIP("Unix modes, owners and messages; tst_savepaths has the Windows refusals");
#else
        QFETCH(QString, target);
        QFETCH(bool, unprivileged);
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(bool, fileOfOther);
        QFETCH(QString, message);
        bool const root = geteuid() == 0;
        if (fileOfOther && !root)
            QSKIP("only root can give a file to another user");
        QString program = BELTWRIGHT_CLI, why;
        if (unprivileged && root && (program = programForOthers(why)).isEmpty())
            QSKIP(qPrintable("the program cannot run as another user: " + why));
        static double const generation = [] {
            QElapsedTimer clock;
            clock.start();
            Run const run = runCli({"--preset", "oort-cloud", "--number", "1000000", "--seed", "1",
                                    "-q", "-o", "/dev/null"});
            return run.exitCode == 0 ? double(clock.elapsed()) : -1.0;
        }();
        QVERIFY(generation > 0);

        QTemporaryDir dir;
        QByteArray const oldText = "an earlier catalogue\n";
        QString const old = dir.filePath("old.sc");
        QVERIFY(writeBytes(old, oldText));
        QDir(dir.path()).mkdir("sub");
        // Without root the program runs as the owner, who then stands for others.
        auto const asOwner = [root](int mode) {
            return mode_t(root ? mode : (mode & ~0700) | ((mode & 07) << 6));
        };
        QVERIFY(chmod(QFile::encodeName(old).constData(), asOwner(fileMode)) == 0);
        if (unprivileged && root && !fileOfOther)
            QVERIFY(chown(QFile::encodeName(old).constData(), 65534, 65534) == 0);
        QString const path = dir.filePath(target);
        QStringList const options = {"--preset", "oort-cloud", "--number", "1000000", "-o", path};

        QElapsedTimer clock;
        clock.start();
        Run run;
        if (unprivileged) {
            QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), asOwner(folderMode)) == 0);
            UnprivilegedProcess process;
            process.start(program, options);
            QVERIFY(process.waitForFinished(60000));
            run.exitCode = process.exitCode();
            run.out = process.readAllStandardOutput();
            run.err = process.readAllStandardError();
            chmod(QFile::encodeName(dir.path()).constData(), 0700);
        } else {
            run = runCli(options);
        }
        double const refusal = double(clock.elapsed());

        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QString::fromUtf8(run.err), "beltwright-cli: " + message.arg(path) + "\n");
        QVERIFY2(
            refusal < generation / 4,
            qPrintable(QString("%1 ms to refuse, %2 ms to generate").arg(refusal).arg(generation)));
        QCOMPARE(entries(dir.path()), (QStringList{"old.sc", "sub"}));
        QVERIFY(entries(dir.filePath("sub")).isEmpty());
        QCOMPARE(readBytes(old), oldText);
#endif
    }

    // Failed saves: status 1, path and reason, an existing file intact.

    void failedWriteLeavesFileIntact()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs the file size limit of a Unix shell");
#else
        // A file size limit makes the write itself fail, as a full disk would.
        QTemporaryDir dir;
        QString const existing = dir.filePath("belt.sc");
        QByteArray const oldText = "an earlier catalogue\n";
        QVERIFY(writeBytes(existing, oldText));
        Run const tooBig =
            runProgram("/bin/sh", {"-c",
                                   "ulimit -f 8 && trap '' XFSZ && exec \"$0\" --preset oort-cloud "
                                   "--seed 1 -q -o \"$1\"",
                                   BELTWRIGHT_CLI, existing});
        QCOMPARE(tooBig.exitCode, 1);
        QCOMPARE(tooBig.err,
                 "beltwright-cli: Cannot write \"" + existing.toUtf8() + "\": File too large.\n");
        QCOMPARE(readBytes(existing), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
#endif
    }

    void fullStandardOutputFails()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs /dev/full");
#else
        Run const run = runProgram(
            "/bin/sh", {"-c", "exec \"$0\" --preset vulcanoids -q >/dev/full", BELTWRIGHT_CLI});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("standard output"), run.err.constData());
        QVERIFY2(run.err.contains("No space left on device"), run.err.constData());
#endif
    }

    // Standard output by any of its names is written as it is: appended to
    // where the shell appends, into a pipe, or into a process substitution.
    void standardOutputByAnyName_data()
    {
#ifdef Q_OS_UNIX
        QTest::addColumn<QString>("script"); // $0 the program, $1 the file, $2 its output
        QTest::addColumn<QByteArray>("before");
        QByteArray const log = "previous log line\n";
        QString const run = "\"$0\" --preset vulcanoids --seed 1 -q -o ";
        for (QString spelling : {"-", "/dev/stdout", "/dev/fd/1", "/proc/self/fd/1"}) {
            QTest::addRow("%s appended", qPrintable(spelling))
                << "printf 'previous log line\\n' >\"$1\"; " + run + spelling + " >>\"$1\"" << log;
            QTest::addRow("%s into a pipe", qPrintable(spelling))
                << run + spelling + " | cat >\"$1\"" << QByteArray();
        }
        QTest::newRow("process substitution") << run + ">(cat >\"$1\"); wait $!" << QByteArray();
#endif
    }
    void standardOutputByAnyName()
    {
#ifndef Q_OS_UNIX
        QSKIP("the names are Unix ones");
#else
        QFETCH(QString, script);
        QFETCH(QByteArray, before);
        QByteArray const catalogue = runCli({"--preset", "vulcanoids", "--seed", "1", "-q"}).out;
        QVERIFY(catalogue.startsWith("Barycenter \"VS 1\""));
        QTemporaryDir dir;
        QString const file = dir.filePath("log.txt");
        Run const run = runProgram("/bin/bash", {"-c", script, BELTWRIGHT_CLI, file});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(readBytes(file), before + catalogue);
        QCOMPARE(entries(dir.path()), QStringList{"log.txt"});
#endif
    }

    // A picture written over the catalogue would leave only the picture.
    void previewIsNotTheCatalogue_data()
    {
#ifdef Q_OS_UNIX
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<bool>("same");
        QTest::newRow("one name") << "belt.sc"
                                  << "belt.sc" << true;
        QTest::newRow("one name, spelt apart") << "./sub/../belt.sc"
                                               << "belt.sc" << true;
        QTest::newRow("through a link") << "link.sc"
                                        << "belt.sc" << true;
        QTest::newRow("a hard link of it") << "hard.sc"
                                           << "belt.sc" << true;
        QTest::newRow("two files") << "belt.sc"
                                   << "belt.png" << false;
        QTest::newRow("one name in two folders") << "sub/belt.sc"
                                                 << "belt.sc" << false;
#endif
    }
    void previewIsNotTheCatalogue()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs hard and symbolic links");
#else
        QFETCH(QString, output);
        QFETCH(QString, preview);
        QFETCH(bool, same);
        QTemporaryDir dir;
        QByteArray const oldText = "an earlier catalogue\n";
        QVERIFY(writeBytes(dir.filePath("belt.sc"), oldText));
        QDir(dir.path()).mkdir("sub");
        QVERIFY(QFile::link("belt.sc", dir.filePath("link.sc")));
        QVERIFY(link(QFile::encodeName(dir.filePath("belt.sc")).constData(),
                     QFile::encodeName(dir.filePath("hard.sc")).constData()) == 0);
        Run const run = runCli(
            {"--preset", "vulcanoids", "--seed", "1", "-q", "-o", output, "--preview", preview},
            dir.path());
        if (!same) {
            QCOMPARE(run.exitCode, 0);
            return;
        }
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("beltwright-cli: --preview: "), run.err.constData());
        QCOMPARE(readBytes(dir.filePath("belt.sc")), oldText);
        QCOMPARE(entries(dir.path()), (QStringList{"belt.sc", "hard.sc", "link.sc", "sub"}));
#endif
    }

    // Names up to the longest a folder takes are saved, beside their
    // temporary file.
    void longFileNamesAreSaved_data()
    {
#ifdef Q_OS_UNIX
        QTest::addColumn<int>("length");
        QTest::newRow("250 bytes") << 250;
        QTest::newRow("255 bytes, the most a name may have") << 255;
#endif
    }
    void longFileNamesAreSaved()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows limits whole paths to 260 characters");
#else
        QFETCH(int, length);
        QTemporaryDir dir;
        QString const name = QString(length - 3, QChar('b')) + ".sc";
        Run const run =
            runCli({"--preset", "vulcanoids", "--seed", "1", "-q", "-o", name}, dir.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        QCOMPARE(entries(dir.path()), QStringList{name});
        QVERIFY(readBytes(dir.filePath(name)).startsWith("Barycenter \"VS 1\""));
#endif
    }

    // A run ended once part of the text is written leaves the folder as it
    // was: the old catalogue and nothing else, whatever the signal.
    void killedRunLeavesOnlyTheOldCatalogue_data()
    {
#ifdef Q_OS_UNIX
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGKILL") << int(SIGKILL);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
#endif
    }
    void killedRunLeavesOnlyTheOldCatalogue()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs Unix signals");
#else
        QFETCH(int, signal);
        QTemporaryDir dir;
        QString const existing = dir.filePath("belt.sc");
        QByteArray const oldText = "an earlier catalogue\n";
        QVERIFY(writeBytes(existing, oldText));
        QProcess process;
        process.start(BELTWRIGHT_CLI,
                      {"--preset", "oort-cloud", "--number", "1000000", "-q", "-o", existing});
        QVERIFY(process.waitForStarted());
        // The process's count of bytes written shows when the first blocks are out.
        QString const io = QString("/proc/%1/io").arg(process.processId());
        QElapsedTimer clock;
        clock.start();
        qint64 written = 0;
        while (written < (2 << 20) && clock.elapsed() < 20000 &&
               process.state() == QProcess::Running) {
            QRegularExpressionMatch const m =
                QRegularExpression("wchar: (\\d+)").match(QString::fromLatin1(readBytes(io)));
            written = m.hasMatch() ? m.captured(1).toLongLong() : 0;
            QTest::qWait(5);
        }
        if (process.state() != QProcess::Running)
            QSKIP("the run ended before it could be interrupted");
        QVERIFY2(written >= (2 << 20), "nothing was written within 20 seconds");
        ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
        QCOMPARE(readBytes(existing), oldText);
#endif
    }

    void interruptedRunChangesNothing()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs Unix signals");
#else
        QTemporaryDir dir;
        QString const existing = dir.filePath("belt.sc");
        QByteArray const oldText = "an earlier catalogue\n";
        QVERIFY(writeBytes(existing, oldText));
        QProcess process;
        process.start(BELTWRIGHT_CLI,
                      {"--preset", "oort-cloud", "--number", "1000000", "-o", existing});
        QVERIFY(process.waitForStarted());
        process.setReadChannel(QProcess::StandardError);
        // The seed line comes before the first body is drawn.
        QVERIFY(process.waitForReadyRead(10000));
        QTest::qWait(300);
        process.terminate();
        QVERIFY(process.waitForFinished(30000));
        if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            QSKIP("the run ended before it could be interrupted");
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QByteArray const said = process.readAllStandardError();
        QVERIFY2(said.endsWith("beltwright-cli: stopped; \"" + existing.toUtf8() +
                               "\" is unchanged\n"),
                 said.constData());
        QCOMPARE(readBytes(existing), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
#endif
    }

    // Recipes: a recipe makes the belt of its settings and seed; options after
    // it override it; a malformed one is refused with its line.

    void recipeGivesTheSameBelt_data()
    {
        QTest::addColumn<Recipe>("recipe");
        QTest::addColumn<QStringList>("after");   // options after --recipe
        QTest::addColumn<QStringList>("options"); // the same belt without a recipe
        Recipe const vulcanoids = Recipe{Settings(Settings::Vulcanoids), Recipe::SolarMasses, 11};
        QStringList const fields = {"--number", "50", "--name", "Ŝtelo", "--plane", "equator"};
        QTest::addRow("fields override")
            << vulcanoids << fields
            << QStringList{"--preset", "vulcanoids", "--seed", "11"} + fields;
        QTest::addRow("seed overrides") << vulcanoids << QStringList{"--seed", "12"}
                                        << QStringList{"--preset", "vulcanoids", "--seed", "12"};
        Recipe earth = Recipe{Settings(Settings::EarthMoonBelt), Recipe::SolarMasses, 3};
        earth.settings.totalMass = 1.0123;
        earth.massUnit = Recipe::EarthMasses;
        QTest::addRow("earth masses")
            << earth << QStringList()
            << QStringList{"--preset",    "ebelt-em", "--total-mass", "1.0123",
                           "--mass-unit", "earth",    "--seed",       "3"};
        QTest::addRow("solar mass overrides")
            << earth << QStringList{"--total-mass", "4e-6"}
            << QStringList{"--preset", "ebelt-em", "--total-mass", "4e-6", "--seed", "3"};
    }

    void recipeGivesTheSameBelt()
    {
        QFETCH(Recipe, recipe);
        QFETCH(QStringList, after);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.belt");
        QVERIFY(!writeRecipe(path.toStdString(), recipe));

        Run const fromRecipe = runCli(QStringList{"--recipe", path} + after);
        QCOMPARE(fromRecipe.exitCode, 0);
        QVERIFY(!fromRecipe.out.isEmpty());
        Run const fromOptions = runCli(options);
        QCOMPARE(fromRecipe.out, fromOptions.out);
        QCOMPARE(fromRecipe.err, fromOptions.err);
    }

    void savedRecipeRebuildsTheBelt_data()
    {
        QTest::addColumn<QStringList>("options"); // run in a folder that holds base.belt
        QTest::addColumn<QByteArray>("line");     // the saved recipe holds it
        QTest::newRow("drawn seed") << QStringList{"--preset", "oort-cloud", "--number", "300"}
                                    << QByteArray("number = 300");
        QTest::newRow("earth masses, utf-8 name")
            << QStringList{"--preset",    "ebelt-em", "--total-mass", "2",
                           "--mass-unit", "earth",    "--name",       "Ŝtelo ☄"}
            << QByteArray("mass-unit = earth");
        QTest::newRow("the recipe's seed")
            << QStringList{"--recipe", "base.belt", "--number", "40"} << QByteArray("seed = 5");
        QTest::newRow("populations of the command line")
            << QStringList{"--example", "hildas", "--number", "600", "--share", "70",
                           "--population", "--share", "20", "--population", "--kind", "trojans",
                           "--share", "10", "--libration-amplitude", "20"}
            << QByteArray("population-name = \"Trojans\"");
    }

    void savedRecipeRebuildsTheBelt()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        QVERIFY(!writeRecipe(dir.filePath("base.belt").toStdString(),
                             Recipe{Settings(Settings::Vulcanoids), Recipe::SolarMasses, 5}));

        Run const made =
            runCli(QStringList{"--save-recipe", "saved.belt", "-o", "a.sc"} + options, dir.path());
        QCOMPARE(made.exitCode, 0);
        QString const saved = "saved.belt";
        QByteArray const text = readBytes(dir.filePath(saved));
        QVERIFY2(text.split('\n').contains(line), text.constData());
        QVERIFY2(made.err.startsWith("seed: ") &&
                     text.contains("\nseed = " + made.err.mid(6).trimmed() + "\n"),
                 made.err.constData());

        Run const again = runCli({"--recipe", saved, "-o", "b.sc"}, dir.path());
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.err, made.err);
        QCOMPARE(readBytes(dir.filePath("b.sc")), readBytes(dir.filePath("a.sc")));
        QCOMPARE(entries(dir.path()), (QStringList{"a.sc", "b.sc", "base.belt", "saved.belt"}));
    }

    void badRecipeIsRefused_data()
    {
        QTest::addColumn<QByteArray>("text"); // of r.belt; none when empty
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        QByteArray const good = QByteArray::fromStdString(
            recipeText(Recipe{Settings(Settings::Vulcanoids), Recipe::SolarMasses, 7}));
        auto row = [](char const *name, QByteArray const &text, QStringList const &options,
                      int exitCode, QString const &message) {
            QTest::newRow(name) << text << options << exitCode << message;
        };
        // A line is named by its key, so that a new setting moves none.
        QByteArray const unknownKey =
            QByteArray(good).replace("plane = ecliptic\n", "plane = ecliptic\ncolour = red\n");
        row("unknown key", unknownKey, {}, 2,
            QString("--recipe: \"r.belt\", line %1: unknown key \"colour\": the keys are type, ")
                .arg(recipeLineOf(unknownKey, "colour")));
        QByteArray const noSeed = QByteArray(good).replace("seed = 7\n", "");
        row("no seed", noSeed, {}, 2,
            QString("--recipe: \"r.belt\", line %1: the recipe has no seed")
                .arg(recipeLastLine(noSeed)));
        QByteArray const badNumber =
            QByteArray(good).replace("max-radius = 3\n", "max-radius = 3 km\n");
        row("bad number", badNumber, {}, 2,
            QString("line %1: max-radius: \"3 km\" is not accepted: give a number from 0 to 1e+21")
                .arg(recipeLineOf(badNumber, "max-radius")));
        row("no file", "", {}, 2, "--recipe: cannot read \"r.belt\": No such file or directory");
        row("with a preset", good, {"--preset", "vulcanoids"}, 2, "--recipe: give either");
        row("name the reader cannot load", QByteArray(good).replace("\"VS\"", "\"V\\\"S\""), {}, 2,
            "--name: the name contains a double quote");
        row("recipe over the belt", good, {"--save-recipe", "belt.sc"}, 2,
            "--save-recipe: names the same file as the belt");
        row("recipe that cannot be written", good, {"--save-recipe", "no/r.belt"}, 1,
            "Cannot create \"no/r.belt\": No such file or directory.");
    }

    void badRecipeIsRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QStringList files = {"belt.sc"};
        QByteArray const oldText = "an earlier catalogue\n";
        QVERIFY(writeBytes(dir.filePath("belt.sc"), oldText));
        if (!text.isEmpty()) {
            QVERIFY(writeBytes(dir.filePath("r.belt"), text));
            files << "r.belt";
        }

        Run const run = runCli(
            QStringList{"--recipe", "r.belt", "--save-recipe", "saved.belt", "-o", "belt.sc"} +
                options,
            dir.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith("beltwright-cli: ") && run.err.count('\n') == 1,
                 run.err.constData());
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
        QCOMPARE(readBytes(dir.filePath("belt.sc")), oldText);
        QCOMPARE(entries(dir.path()), files);
    }

    // Information: presets listing, help, version, progress.

    void listedPresetValuesGiveThePreset()
    {
        Run const run = runCli({"--list-presets"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QStringList options;
        QString preset;
        auto check = [&] {
            // The listed values, passed back as options, rebuild the preset.
            Run const rebuilt = runCli(options + QStringList{"--seed", "11", "--number", "20"});
            Run const original = runCli({"--preset", preset, "--seed", "11", "--number", "20"});
            QCOMPARE(rebuilt.exitCode, 0);
            QCOMPARE(rebuilt.out, original.out);
        };
        int presets = 0;
        for (QByteArray const &raw : run.out.split('\n')) {
            QString const line = QString::fromUtf8(raw);
            QRegularExpressionMatch const header =
                QRegularExpression("^(.+) \\(--preset (\\S+)\\)$").match(line);
            if (header.hasMatch()) {
                if (!preset.isEmpty())
                    check();
                QVERIFY(findPreset(header.captured(1).toStdString()));
                preset = header.captured(2);
                options.clear();
                ++presets;
                continue;
            }
            QRegularExpressionMatch const value =
                QRegularExpression("^    (--\\S+)(?: +(.*?))?(?: \\(.*\\))?$").match(line);
            if (value.hasMatch()) {
                options << value.captured(1);
                if (!value.captured(2).isEmpty())
                    options << value.captured(2);
            } else {
                QVERIFY2(line.isEmpty(), qPrintable(line));
            }
        }
        check();
        QCOMPARE(presets, int(presetTable.size()));
        // The mass as the window's 20-decimal field holds it.
        QVERIFY(run.out.contains("--total-mass        3.04010621889297e-06 (solar masses)"));
    }

    void helpAndVersion()
    {
        Run const help = runCli({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (char const *option : {"--preset",
                                   "--list-presets",
                                   "--type",
                                   "--name",
                                   "--center",
                                   "--barycenter",
                                   "--no-barycenter",
                                   "--total-mass",
                                   "--mass-unit",
                                   "--number",
                                   "--inner",
                                   "--outer",
                                   "--min-radius",
                                   "--max-radius",
                                   "--min-eccentricity",
                                   "--max-eccentricity",
                                   "--max-inclination",
                                   "--plane",
                                   "--epoch",
                                   "--seed",
                                   "--recipe",
                                   "--save-recipe",
                                   "--output",
                                   "--quiet"})
            QVERIFY2(help.out.contains(option), option);
        Run const version = runCli({"--version"});
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith("beltwright-cli "));
    }

    // The picture: drawn without any display, the catalogue written only when
    // -o asks for it, the same seed for both.
    void previewWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("catalogue");
        QTest::newRow("picture only") << QStringList{"--number", "300"} << false;
        QTest::newRow("picture and catalogue") << QStringList{"--number", "300", "-o", "@"} << true;
        QTest::newRow("a large belt as densities") << QStringList{"--number", "30000"} << false;
    }
    void previewWithoutADisplay()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, catalogue);
        QTemporaryDir dir;
        QString const picture = dir.filePath("belt.png");
        options.replaceInStrings(QRegularExpression("^@$"), dir.filePath("belt.sc"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (char const *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        QProcess process;
        withoutConsole(process);
        process.setProcessEnvironment(environment);
        process.start(BELTWRIGHT_CLI,
                      QStringList{"--preset", "vulcanoids", "--seed", "11", "--preview", picture} +
                          options);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.readAllStandardError(), QByteArray("seed: 11\n"));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().isEmpty());

        QImage const image(picture);
        QCOMPARE(image.size(), QSize(1000, 1000));
        int blue = 0, orange = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QColor const c = image.pixelColor(x, y);
                blue += c.blue() - c.red() > 60;
                orange += c.red() - c.blue() > 80;
            }
        }
        QVERIFY2(blue > 2000 && orange > 400, qPrintable(QString("%1, %2").arg(blue).arg(orange)));
        Settings settings(Settings::Vulcanoids);
        settings.number = options[1].toUInt();
        QCOMPARE(entries(dir.path()),
                 catalogue ? (QStringList{"belt.png", "belt.sc"}) : QStringList{"belt.png"});
        if (catalogue)
            QCOMPARE(readBytes(dir.filePath("belt.sc")), coreCatalogue(settings, 11));
    }

    void previewThatCannotBeWritten()
    {
        Run const run = runCli({"--preset", "vulcanoids", "--number", "10", "-q", "--preview",
                                "/nonexistent/belt.png"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("\"/nonexistent/belt.png\""), run.err.constData());
        Run const empty = runCli({"--preset", "vulcanoids", "--preview", ""});
        QCOMPARE(empty.exitCode, 2);
        QVERIFY2(empty.err.startsWith("beltwright-cli: --preview: "), empty.err.constData());
    }

    void progressOnATerminalOnly()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs script(1) for a terminal");
#else
        QString const script = QStandardPaths::findExecutable("script");
        if (script.isEmpty())
            QSKIP("no 'script' program to give the run a terminal");
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        QString const command =
            QString("'%1' --preset vulcanoids --seed 5489 -o '%2'").arg(BELTWRIGHT_CLI, path);
        Run const terminal = runProgram(script, {"-qec", command, "/dev/null"});
        QCOMPARE(terminal.exitCode, 0);
        QVERIFY2(terminal.out.contains("Generating 100%"), terminal.out.constData());
        QVERIFY2(terminal.out.contains("Saving 100%"), terminal.out.constData());
        QCOMPARE(readBytes(path), coreCatalogue(Settings(Settings::Vulcanoids), 5489));

        Run const quiet = runProgram(script, {"-qec", command + " -q", "/dev/null"});
        QCOMPARE(quiet.exitCode, 0);
        QVERIFY2(!quiet.out.contains("Saving") && !quiet.out.contains("seed"),
                 quiet.out.constData());
#endif
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Recipes: every setting and the seed survive a trip through the text to the
// last bit, people's edits are read, and every malformed line is named.
#include "FieldLimits.h"
#include "Presets.h"
#include "Recipe.h"
#include "RecipeLines.h"

#include <QtTest>

#include <algorithm>

#include <limits>

namespace {

// Every field of a recipe, doubles to the bit (17 digits tell every double
// apart), so that a comparison shows which one differs.
QStringList fieldsOf(Recipe const &recipe)
{
    Settings const &s = recipe.settings;
    QStringList fields{QString::fromStdString(s.beltName), QString::fromStdString(s.beltCenter)};
    for (double value : {s.totalMass, s.populations[0].innerRadius, s.populations[0].outerRadius, s.populations[0].minRadius, s.populations[0].maxRadius,
                         s.populations[0].minEccentricity, s.populations[0].maxEccentricity, s.populations[0].maxInclination, s.epoch,
                         s.populations[0].radiusSlope, s.populations[0].eccentricityMode, s.populations[0].inclinationMode,
                         s.populations[0].surfaceDensitySlope})
        fields << QString::number(value, 'g', 17);
    for (qlonglong value :
         {qlonglong(s.objectType), qlonglong(s.barycenter), qlonglong(recipe.massUnit),
          qlonglong(s.number), qlonglong(s.referencePlane), qlonglong(recipe.seed),
          qlonglong(s.populations[0].radiusDistribution), qlonglong(s.populations[0].eccentricityDistribution),
          qlonglong(s.populations[0].inclinationDistribution), qlonglong(s.populations[0].semiMajorAxisDistribution),
          qlonglong(s.populations[0].meanAnomalyDistribution)})
        fields << QString::number(value);
    return fields;
}

// The recipe every malformed row starts from.
Recipe const baseRecipe = Recipe{Settings(Settings::Vulcanoids), Recipe::SolarMasses, 7};

// The base text with the line of one key replaced (by nothing: removed).
QByteArray editedLine(QByteArray const &key, QByteArray const &replacement)
{
    QByteArray text;
    for (QByteArray const &line : QByteArray::fromStdString(recipeText(baseRecipe)).split('\n')) {
        if (line.isEmpty())
            continue;
        if (!line.startsWith(key + " = "))
            text += line + '\n';
        else if (!replacement.isEmpty())
            text += replacement + '\n';
    }
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Recipe)
Q_DECLARE_METATYPE(RecipeError::Kind)
Q_DECLARE_METATYPE(RecipeError::Accepted)
Q_DECLARE_METATYPE(Recipe::MassUnit)

class RecipeTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripIsExact_data()
    {
        QTest::addColumn<Recipe>("recipe");
        QTest::addColumn<QByteArray>("line"); // a line the text must hold, if given

        for (auto const &info : presetTable)
            QTest::addRow("%s", info.shortName.data())
                << Recipe{Settings(info.preset), Recipe::SolarMasses, 5489} << QByteArray();
        QTest::addRow("ebelt-em mass")
            << Recipe{Settings(Settings::EarthMoonBelt), Recipe::SolarMasses, 1}
            << QByteArray("total-mass = 3.0401062188929665e-06");

        for (char const *key : {"total-mass", "inner", "outer", "min-radius", "max-radius",
                                "min-eccentricity", "max-eccentricity", "max-inclination", "epoch",
                                "share"}) {
            SettingRow const &row = *findSetting(key);
            FieldRange const range = row.range;
            double const smallestAbove = std::nextafter(range.minimum, range.maximum);
            double const largestBelow = std::nextafter(range.maximum, range.minimum);
            for (double const value : {range.minimum, smallestAbove, largestBelow, range.maximum}) {
                Recipe recipe = baseRecipe;
                EnteredSettings entered{recipe.settings, recipe.massUnit};
                row.number(entered) = value;
                recipe.settings = entered.settings;
                QTest::addRow("%s %a", key, value) << recipe << QByteArray();
            }
        }
        Recipe edges = baseRecipe;
        edges.settings.number = FieldLimits::largestEnteredNumber;
        edges.seed = std::numeric_limits<std::uint32_t>::max();
        edges.settings.objectType = BaseAsteroid::Comet;
        edges.settings.referencePlane = Orbit::Extrasolar;
        QTest::addRow("largest number and seed") << edges << QByteArray("seed = 4294967295");
        edges.settings.number = 0;
        edges.seed = 0;
        edges.settings.referencePlane = Orbit::Equator;
        QTest::addRow("no bodies, seed 0") << edges << QByteArray("number = 0");

        Recipe earth = baseRecipe;
        earth.settings.barycenter = true;
        earth.settings.totalMass = 1.5;
        earth.massUnit = Recipe::EarthMasses;
        QTest::addRow("earth masses") << earth << QByteArray("mass-unit = earth");

        Recipe several = baseRecipe;
        several.settings.planet = true;
        several.settings.populations[0].share = 33.33;
        several.settings.populations.push_back(several.settings.populations[0]);
        several.settings.populations.push_back(several.settings.populations[0]);
        several.settings.populations[1].name = "Tro\"jans\n";
        several.settings.populations[1].kind = Population::Kind::Trojans;
        several.settings.populations[1].trojanL4Share = 58.33;
        several.settings.populations[2].kind = Population::Kind::ResonantFamily;
        several.settings.populations[2].familyResonance = "2:1";
        several.settings.populations[2].share = 33.34;
        several.settings.populations[2].maxRadius = std::nextafter(3.0, 4.0);
        QTest::addRow("three populations") << several << QByteArray("kind = family");

        Recipe named = baseRecipe;
        named.settings.beltName = "Ŝtelo ☄ 小惑星 🪐";
        named.settings.beltCenter = "Proxima Centauri";
        QTest::addRow("utf-8 name") << named << QByteArray("name = \"Ŝtelo ☄ 小惑星 🪐\"");
        named.settings.beltName = "V\"S\\";
        named.settings.beltCenter = "\tS\nol\x1b\x7f  ";
        QTest::addRow("escapes") << named << QByteArray("name = \"V\\\"S\\\\\"");
    }

    void roundTripIsExact()
    {
        QFETCH(Recipe, recipe);
        QFETCH(QByteArray, line);

        std::string const text = recipeText(recipe);
        if (!line.isEmpty())
            QVERIFY2(QByteArray::fromStdString(text).split('\n').contains(line), text.c_str());
        auto const read = parseRecipe(text);
        auto const *back = std::get_if<Recipe>(&read);
        QVERIFY2(back, text.c_str());
        QCOMPARE(fieldsOf(*back), fieldsOf(recipe));
        QCOMPARE(recipeText(*back), text);
    }

    // What a person's editor may do to a recipe still reads as the recipe.
    void editsThatKeepTheRecipe_data()
    {
        QTest::addColumn<QByteArray>("text");
        QByteArray const text = QByteArray::fromStdString(recipeText(baseRecipe));
        QList<QByteArray> lines = text.split('\n');
        lines.removeAll(QByteArray());

        QByteArray crlf = text;
        QTest::addRow("windows line ends") << crlf.replace("\n", "\r\n");
        QTest::addRow("byte order mark") << "\xef\xbb\xbf" + text;
        QTest::addRow("no final line end") << text.chopped(1);
        // The version line stays first, and the section's keys in the section.
        int const section = lines.indexOf("[population]");
        QByteArray reordered = lines[4] + '\n';
        for (int i = section - 1; i > 4; --i)
            reordered += lines[i] + '\n';
        reordered += "[population]\n";
        for (int i = lines.size() - 1; i > section; --i)
            reordered += lines[i] + '\n';
        QTest::addRow("keys in another order") << reordered;
        QByteArray spaced;
        for (QByteArray const &line : lines)
            spaced += "\t " + QByteArray(line).replace(" = ", "\t=  ") + "  \n\n# note\n";
        QTest::addRow("blanks, tabs and comments") << spaced;
        QTest::addRow("other spellings of numbers")
            << editedLine("inner", "inner = 1.5e-1") + "# max-radius\n";
        QByteArray older; // from before the distributions, whose defaults then hold
        for (QByteArray const &line : lines) {
            if (!line.contains("distribution") && !line.contains("-mode") &&
                !line.contains("-slope"))
                older += line + '\n';
        }
        QTest::addRow("older, without the distributions") << older;
        QByteArray beforePlanets; // nor the planet's keys
        for (QByteArray const &line : older.split('\n')) {
            static char const *const planetWords[] = {"planet", "central-mass", "resonance",
                                                      "cleared", "trojan", "libration", "family"};
            if (std::none_of(std::begin(planetWords), std::end(planetWords),
                             [&](char const *word) { return line.contains(word); }))
                beforePlanets += line + '\n';
        }
        QTest::addRow("older, without the planet") << beforePlanets;
        QTest::addRow("plus sign and hex escape")
            << QByteArray(editedLine("number", "number = +200")).replace("\"VS\"", "\"V\\x53\"");
    }

    void editsThatKeepTheRecipe()
    {
        QFETCH(QByteArray, text);
        auto const read = parseRecipe(text.toStdString());
        auto const *recipe = std::get_if<Recipe>(&read);
        QVERIFY2(recipe, text.constData());
        QCOMPARE(fieldsOf(*recipe), fieldsOf(baseRecipe));
    }

    // A recipe of version 1 held its Trojans and family as shares of its one
    // population: they read as populations of their own, copies of it.
    void olderSharesBecomePopulations_data()
    {
        QTest::addColumn<QByteArray>("planet");
        QTest::addColumn<double>("trojans");
        QTest::addColumn<double>("family");
        QTest::addColumn<QStringList>("expected"); // each population's kind and share
        QTest::newRow("both") << QByteArray("true") << 20.0 << 10.0
                              << QStringList{"background 70", "trojans 20", "family 10"};
        QTest::newRow("only Trojans") << QByteArray("true") << 100.0 << 0.0
                                      << QStringList{"trojans 100"};
        QTest::newRow("without the planet")
            << QByteArray("false") << 20.0 << 10.0 << QStringList{"background 100"};
        QTest::newRow("above 100 % together")
            << QByteArray("true") << 60.0 << 50.0 << QStringList{"trojans 60", "family 50"};
        QTest::newRow("neither") << QByteArray("true") << 0.0 << 0.0
                                 << QStringList{"background 100"};
    }
    void olderSharesBecomePopulations()
    {
        QFETCH(QByteArray, planet);
        QFETCH(double, trojans);
        QFETCH(double, family);
        QFETCH(QStringList, expected);
        // Version 1: every key at the top, and the two shares.
        QByteArray text;
        for (QByteArray line : QByteArray::fromStdString(recipeText(baseRecipe)).split('\n')) {
            if (line == "[population]" || line.startsWith("population-name = ") ||
                line.startsWith("share = ") || line.startsWith("kind = "))
                continue;
            if (line.startsWith("planet = "))
                line = "planet = " + planet;
            text += line.replace("beltwright-recipe = 2", "beltwright-recipe = 1") + '\n';
        }
        text += "trojan-share = " + QByteArray::number(trojans) +
                "\nfamily-share = " + QByteArray::number(family) + "\n";
        auto const read = parseRecipe(text.toStdString());
        auto const *recipe = std::get_if<Recipe>(&read);
        QVERIFY2(recipe, text.constData());
        QStringList found;
        for (Population const &population : recipe->settings.populations) {
            std::string_view const word = populationKind(population.kind).word;
            found << QString::fromUtf8(word.data(), int(word.size())) + " " +
                         QString::number(population.share);
            QCOMPARE(population.maxRadius, baseRecipe.settings.populations[0].maxRadius);
        }
        QCOMPARE(found, expected);
    }

    void malformedRecipeNamesTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<RecipeError::Kind>("kind");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<RecipeError::Accepted>("accepted");

        using E = RecipeError;
        // The line named is the one of lineKey (its second for a key given
        // twice), the last for a missing key, or else the first.
        auto row = [](char const *name, QByteArray const &text, E::Kind kind,
                      QByteArray const &lineKey, QString const &key = {},
                      E::Accepted accepted = E::Number) {
            int line = 1;
            if (kind == E::MissingKey)
                line = recipeLastLine(text);
            else if (!lineKey.isEmpty())
                line = recipeLineOf(text, lineKey, kind == E::DuplicateKey ? 2 : 1);
            QTest::addRow("%s", name) << text << kind << line << key << accepted;
        };
        row("unknown key", editedLine("plane", "plane = ecliptic\ncolour = red"), E::UnknownKey,
            "colour", "colour");
        row("unit after a number", editedLine("max-radius", "max-radius = 3 km"), E::BadValue,
            "max-radius", "max-radius");
        row("not a number", editedLine("epoch", "epoch = nan"), E::BadValue, "epoch", "epoch");
        row("too many bodies", editedLine("number", "number = 1000001"), E::BadValue, "number",
            "number", E::WholeNumber);
        row("seed beyond 32 bits", editedLine("seed", "seed = 4294967296"), E::BadValue, "seed",
            "seed", E::WholeNumber);
        row("unknown unit", editedLine("mass-unit", "mass-unit = kg"), E::BadValue, "mass-unit",
            "mass-unit", E::Word);
        row("quote inside a name", editedLine("name", "name = \"V\"S\""), E::BadValue, "name",
            "name", E::Text);
        row("escape that is not utf-8", editedLine("center", "center = \"S\\xc3ol\""), E::BadValue,
            "center", "center", E::Text);
        row("line that is not utf-8", editedLine("center", "center = \"S\xffol\""), E::NotUtf8,
            "center");
        row("missing seed", editedLine("seed", ""), E::MissingKey, {}, "seed");
        row("key given twice", editedLine("outer", "outer = 0.18\nouter = 0.2"), E::DuplicateKey,
            "outer", "outer");
        // Without its version line, the recipe is refused at its first setting.
        row("no version line", editedLine("beltwright-recipe", ""), E::NoVersion, "type", "type");
        row("unknown version", editedLine("beltwright-recipe", "beltwright-recipe = 3"),
            E::UnknownVersion, "beltwright-recipe", "beltwright-recipe");
        row("a section without its kind", editedLine("kind", ""), E::MissingKey, {}, "kind");
        row("a population's key at the top",
            editedLine("number", "number = 200\nkind = background"), E::UnknownKey, "kind",
            "kind");
        QByteArray const whole = QByteArray::fromStdString(recipeText(baseRecipe));
        int const section = whole.indexOf("\n[population]") + 1;
        row("no section", whole.left(section), E::MissingKey, {}, "[population]");
        row("a section in a recipe of version 1",
            editedLine("beltwright-recipe", "beltwright-recipe = 1"), E::NotASetting,
            "[population]");
        QByteArray crowded = whole;
        for (int i = 0; i < 16; ++i)
            crowded += whole.mid(section);
        QTest::addRow("seventeen populations")
            << crowded << E::TooManyPopulations << recipeLineOf(crowded, "[population]", 17)
            << QString() << E::Number;
        row("empty file", "", E::NoVersion, {});
        row("catalogue instead of a recipe", "Asteroid \"VS 1\"\n{\n", E::NotASetting, {});
    }

    void malformedRecipeNamesTheLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(RecipeError::Kind, kind);
        QFETCH(int, line);
        QFETCH(QString, key);
        QFETCH(RecipeError::Accepted, accepted);

        auto const read = parseRecipe(text.toStdString());
        auto const *error = std::get_if<RecipeError>(&read);
        QVERIFY2(error, text.constData());
        QCOMPARE(error->kind, kind);
        QCOMPARE(error->line, line);
        QCOMPARE(QString::fromStdString(error->key), key);
        if (kind == RecipeError::BadValue)
            QCOMPARE(error->accepted, accepted);
        if (kind == RecipeError::DuplicateKey)
            QCOMPARE(error->firstLine, recipeLineOf(text, key.toUtf8()));
    }
};

QTEST_APPLESS_MAIN(RecipeTest)
#include "tst_recipe.moc"

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
    for (double value : {s.totalMass, s.innerRadius, s.outerRadius, s.minRadius, s.maxRadius,
                         s.minEccentricity, s.maxEccentricity, s.maxInclination, s.epoch,
                         s.radiusSlope, s.eccentricityMode, s.inclinationMode,
                         s.surfaceDensitySlope})
        fields << QString::number(value, 'g', 17);
    for (qlonglong value :
         {qlonglong(s.objectType), qlonglong(s.barycenter), qlonglong(recipe.massUnit),
          qlonglong(s.number), qlonglong(s.referencePlane), qlonglong(recipe.seed),
          qlonglong(s.radiusDistribution), qlonglong(s.eccentricityDistribution),
          qlonglong(s.inclinationDistribution), qlonglong(s.semiMajorAxisDistribution),
          qlonglong(s.meanAnomalyDistribution)})
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

        struct Field {
            char const *key;
            double Settings::*member;
            FieldRange range;
        };
        for (Field const field :
             {Field{"total-mass", &Settings::totalMass, FieldLimits::totalMass},
              {"inner", &Settings::innerRadius, FieldLimits::beltRadius},
              {"outer", &Settings::outerRadius, FieldLimits::beltRadius},
              {"min-radius", &Settings::minRadius, FieldLimits::bodyRadius},
              {"max-radius", &Settings::maxRadius, FieldLimits::bodyRadius},
              {"min-eccentricity", &Settings::minEccentricity, FieldLimits::eccentricity},
              {"max-eccentricity", &Settings::maxEccentricity, FieldLimits::eccentricity},
              {"max-inclination", &Settings::maxInclination, FieldLimits::inclination},
              {"epoch", &Settings::epoch, FieldLimits::epoch}}) {
            double const smallestAbove = std::nextafter(field.range.minimum, field.range.maximum);
            double const largestBelow = std::nextafter(field.range.maximum, field.range.minimum);
            for (double const value :
                 {field.range.minimum, smallestAbove, largestBelow, field.range.maximum}) {
                Recipe recipe = baseRecipe;
                recipe.settings.*field.member = value;
                QTest::addRow("%s %a", field.key, value) << recipe << QByteArray();
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
        QByteArray reordered = lines[3] + '\n'; // the version line stays first
        for (int i = lines.size() - 1; i > 3; --i)
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
        row("unknown version", editedLine("beltwright-recipe", "beltwright-recipe = 2"),
            E::UnknownVersion, "beltwright-recipe", "beltwright-recipe");
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

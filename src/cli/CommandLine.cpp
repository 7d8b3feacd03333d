// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "CliMessages.h"
#include "Examples.h"
#include "Options.h"
#include "Presets.h"
#include "SettingValue.h"
#include "SettingsCheck.h"
#include "SettingsTable.h"
#include "SettingsWords.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <map>
#include <optional>

namespace {

Request refusal(std::string message)
{
    Request request;
    request.action = Request::Refuse;
    request.message = std::move(message);
    return request;
}

// "-5", not "-0" nor "-x": a count given below zero.
bool isNegativeWhole(std::string const &text)
{
    return text.size() > 1 && text[0] == '-' &&
           text.find_first_not_of("0123456789", 1) == std::string::npos &&
           text.find_first_not_of('0', 1) != std::string::npos;
}

// Reads the value of one option; an empty result means the option was accepted.
// A population's option reads the value given for that population.
class ValueReader {
public:
    explicit ValueReader(QCommandLineParser const &parser)
        : parser(parser)
    {}

    std::string error;

    // The value given for a population, if any; set by the caller before
    // reading a population's option, unset for the belt's options.
    std::optional<std::string> populationValue;
    std::size_t population = 0;

    void number(QCommandLineOption const &option, SettingRow const &row, std::string_view unit,
                EnteredSettings &target)
    {
        if (!error.empty() || !isSet(option))
            return;
        std::string const text = given(option);
        std::string const accepted = "give a number from " + rangeText(row.range) +
                                     (unit.empty() ? "" : " " + std::string(unit));
        switch (readSettingValue(row, text, target, population)) {
        case ValueRead::Read: break;
        case ValueRead::NotFinite:
            refuse(option, quoted(text) + " is not a finite number: " + accepted);
            break;
        case ValueRead::OutOfRange: refuse(option, text + " is out of range: " + accepted); break;
        case ValueRead::NotANumber:
        case ValueRead::NotAWord:
            refuse(option, quoted(text) + " is not a number: " + accepted);
            break;
        }
    }

    std::optional<std::uint64_t> whole(QCommandLineOption const &option, std::uint64_t maximum)
    {
        if (!error.empty() || !isSet(option))
            return std::nullopt;
        std::string const text = given(option);
        std::string const accepted = "give a whole number from 0 to " + std::to_string(maximum);
        std::uint64_t value = 0;
        ValueRead const read = readWholeValue(text, maximum, value);
        if (read == ValueRead::Read)
            return value;
        if (read == ValueRead::OutOfRange)
            refuse(option, text + " is out of range: " + accepted);
        else if (isNegativeWhole(text))
            refuse(option, text + " is negative: " + accepted);
        else
            refuse(option, quoted(text) + " is not a whole number: " + accepted);
        return std::nullopt;
    }

    void choice(QCommandLineOption const &option, SettingRow const &row, EnteredSettings &target)
    {
        if (!error.empty() || !isSet(option))
            return;
        std::string const text = given(option);
        if (readSettingValue(row, text, target, population) != ValueRead::Read)
            refuse(option, quoted(text) + " is not accepted: give " + wordList(row.words));
    }

    void text(QCommandLineOption const &option, std::string &target)
    {
        if (error.empty() && isSet(option))
            target = given(option);
    }

    void refuse(QCommandLineOption const &option, std::string const &what)
    {
        if (error.empty())
            error = "--" + option.names().last().toStdString() + ": " + what +
                    (population > 0 ? " (population " + std::to_string(population + 1) + ")"
                                    : std::string());
    }

    // The last value given wins, so that a later option overrides an earlier one.
    std::string valueOf(QCommandLineOption const &option) const
    {
        return parser.value(option).toUtf8().toStdString();
    }

private:
    bool isSet(QCommandLineOption const &option) const
    {
        return populationValue ? true : parser.isSet(option);
    }
    std::string given(QCommandLineOption const &option) const
    {
        return populationValue ? *populationValue : valueOf(option);
    }

    QCommandLineParser const &parser;
};

// The values of the populations' options, by population: the options before
// the first --population act on the first population, those after each
// --population on the next one. Within a population the last value wins.
struct PopulationValues {
    std::size_t populations = 1;
    std::map<std::pair<std::size_t, QString>, std::string> values;
};

PopulationValues populationValues(QCommandLineParser const &parser)
{
    PopulationValues given;
    std::map<QString, int> seen;
    QString const opener = QString::fromUtf8(Recipe::populationOption.data(),
                                             int(Recipe::populationOption.size()));
    for (QString const &name : parser.optionNames()) {
        if (name == opener) {
            ++given.populations;
            continue;
        }
        QStringList const values = parser.values(name);
        int const occurrence = seen[name]++;
        if (occurrence < values.size())
            given.values[{given.populations - 1, name}] = values[occurrence].toUtf8().toStdString();
    }
    return given;
}

} // namespace

Request parseCommandLine(QStringList const &arguments)
{
    Options const options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Generates a belt of minor bodies and writes it as a catalogue script. Field options "
        "override the values of --preset.");
    QCommandLineOption const helpOption = parser.addHelpOption();
    QCommandLineOption const versionOption = parser.addVersionOption();
    parser.addOptions({options.preset, options.recipe, options.example, options.listPresets,
                       options.listExamples, options.population});
    for (QCommandLineOption const &option : options.settings)
        parser.addOption(option);
    parser.addOptions(
        {options.seed, options.output, options.preview, options.previewColours,
         options.saveRecipe, options.quiet});

    std::string const program = QFileInfo(arguments.value(0)).fileName().toStdString();
    if (!parser.parse(arguments))
        return refusal(escaped(parser.errorText().toStdString()) + " Run '" + program +
                       " --help' for the accepted options.");
    if (parser.isSet(helpOption) || parser.isSet("help-all")) {
        Request request;
        request.action = Request::ShowHelp;
        request.message = parser.helpText().toStdString();
        return request;
    }
    if (parser.isSet(versionOption)) {
        Request request;
        request.action = Request::ShowVersion;
        return request;
    }
    if (!parser.positionalArguments().isEmpty())
        return refusal(
            "unexpected argument " + quoted(parser.positionalArguments().first().toStdString()) +
            ": only options are accepted. Run '" + program + " --help' for the accepted options.");

    Request request;
    request.quiet = parser.isSet(options.quiet);
    if (parser.isSet(options.listPresets)) {
        request.action = Request::ListPresets;
        return request;
    }
    if (parser.isSet(options.listExamples)) {
        request.action = Request::ListExamples;
        return request;
    }

    ValueReader read(parser);
    // The record keeps the mass as given, in its unit, until the options are
    // read: a recipe's Earth masses stay Earth masses unless --total-mass
    // gives another mass (in the unit of --mass-unit).
    EnteredSettings &entered = request.entered;
    std::optional<Recipe> recipe;
    if (parser.isSet(options.example)) {
        std::string const name = read.valueOf(options.example);
        if (parser.isSet(options.preset) || parser.isSet(options.recipe))
            return refusal("--example: give one of --example, --recipe and --preset to start "
                           "from, not several");
        ExampleInfo const *example = findExample(name);
        if (!example)
            return refusal("--example: " + quoted(name) + " is not an example: give " +
                           exampleNames() + " or a menu text (see --list-examples)");
        recipe = std::get<Recipe>(exampleRecipe(*example));
        entered = *recipe;
    } else if (parser.isSet(options.recipe)) {
        std::string const path = read.valueOf(options.recipe);
        if (parser.isSet(options.preset))
            return refusal("--recipe: give either a recipe or a --preset to start from, not both");
        auto reading = readRecipe(path);
        if (auto const *error = std::get_if<RecipeError>(&reading))
            return refusal("--recipe: " + recipeErrorText(*error, path));
        recipe = std::get<Recipe>(std::move(reading));
        entered = *recipe;
    } else if (parser.isSet(options.preset)) {
        if (auto const preset = findPreset(read.valueOf(options.preset)))
            entered.settings = presetSettings(*preset);
        else
            read.refuse(options.preset, quoted(read.valueOf(options.preset)) +
                                            " is not a preset: give " + presetNames() +
                                            " or a menu text (see --list-presets)");
    }
    PopulationValues const perPopulation = populationValues(parser);
    std::size_t const started = entered.settings.populations.size();
    if (started < perPopulation.populations)
        entered.settings.populations.resize(perPopulation.populations);
    for (SettingRow const &row : settingsTable()) {
        if (row.level == SettingRow::OfPopulation) {
            QString const key = QString::fromUtf8(row.key.data(), int(row.key.size()));
            for (std::size_t p = 0; p < perPopulation.populations; ++p) {
                auto const value = perPopulation.values.find({p, key});
                if (value == perPopulation.values.end())
                    continue;
                read.populationValue = value->second;
                read.population = p;
                QCommandLineOption const &option = options.of(row);
                switch (row.kind) {
                case SettingRow::Number: read.number(option, row, row.unit, entered); break;
                case SettingRow::Text: read.text(option, row.text(entered, p)); break;
                case SettingRow::Choice: read.choice(option, row, entered); break;
                case SettingRow::WholeNumber:
                case SettingRow::Flag: break; // no population holds one
                }
            }
            read.populationValue.reset();
            read.population = 0;
            continue;
        }
        if (row.kind == SettingRow::Flag) {
            QString const key = QString::fromUtf8(row.key.data(), int(row.key.size()));
            for (QString const &name : parser.optionNames()) {
                if (name == key)
                    row.flag(entered) = true;
                else if (name == "no-" + key)
                    row.flag(entered) = false;
            }
            continue;
        }
        // A number in a unit of choice is read after its unit, in that unit.
        if (std::any_of(settingsTable().begin(), settingsTable().end(),
                        [&](SettingRow const &other) { return other.unitFrom == row.key; }))
            continue;
        QCommandLineOption const &option = options.of(row);
        SettingRow const *unitRow = row.unitFrom.empty() ? nullptr : findSetting(row.unitFrom);
        // Without its unit's option a number is in the unit's first word.
        EnteredSettings given = entered;
        if (unitRow) {
            unitRow->setChoice(given, unitRow->words.front().value);
            read.choice(options.of(*unitRow), *unitRow, given);
        }
        switch (row.kind) {
        case SettingRow::Number: {
            read.number(option, row, row.unitOf(given), entered);
            if (unitRow && parser.isSet(option))
                unitRow->setChoice(entered, unitRow->choice(given));
            break;
        }
        case SettingRow::WholeNumber:
            if (auto const value = read.whole(option, std::uint64_t(row.range.maximum)))
                row.whole(entered) = static_cast<std::uint32_t>(*value);
            break;
        case SettingRow::Text: read.text(option, row.text(entered)); break;
        case SettingRow::Choice: read.choice(option, row, entered); break;
        case SettingRow::Flag: break;
        }
    }
    // A population the options start is named after its kind unless named.
    for (std::size_t p = started; p < entered.settings.populations.size(); ++p) {
        if (!perPopulation.values.count({p, QStringLiteral("population-name")}))
            entered.settings.populations[p].name =
                populationKind(entered.settings.populations[p].kind).defaultName;
    }
    Settings const &settings = request.settings = entered.forRun();

    if (auto const seed = read.whole(options.seed, largestSeed))
        request.seed = static_cast<std::uint32_t>(*seed);
    else if (recipe)
        request.seed = recipe->seed;

    if (parser.isSet(options.output)) {
        std::string const path = read.valueOf(options.output);
        if (path.empty())
            read.refuse(options.output, "the file name is empty: give a file name, or - for "
                                        "standard output");
        else if (path != "-")
            request.outputPath = path;
    }
    if (parser.isSet(options.preview)) {
        std::string const path = read.valueOf(options.preview);
        if (path.empty())
            read.refuse(options.preview, "the file name is empty: give the name of a PNG file");
        request.previewPath = path;
        request.writeCatalogue = parser.isSet(options.output);
    }
    if (parser.isSet(options.previewColours)) {
        std::string const colours = read.valueOf(options.previewColours);
        if (colours != "populations" && colours != "surfaces")
            read.refuse(options.previewColours,
                        quoted(colours) + " is not a choice: give populations or surfaces");
        else if (!parser.isSet(options.preview))
            read.refuse(options.previewColours, "colours a picture: give --preview as well");
        request.surfaceColours = colours == "surfaces";
    }
    // Writing both would leave only the picture.
    if (read.error.empty() && request.writeCatalogue && !request.previewPath.empty() &&
        !request.outputPath.empty() &&
        CatalogueFile::sameFile(request.outputPath, request.previewPath))
        read.refuse(options.preview, quoted(request.previewPath) +
                                         " is the catalogue's file (-o): give the picture a "
                                         "file of its own");
    if (parser.isSet(options.saveRecipe)) {
        std::string const path = read.valueOf(options.saveRecipe);
        auto const isBelt = [&](std::string const &belt) {
            return !belt.empty() && CatalogueFile::sameFile(belt, path);
        };
        if (path.empty())
            read.refuse(options.saveRecipe, "the file name is empty: give the name of a file");
        else if ((request.writeCatalogue && isBelt(request.outputPath)) ||
                 isBelt(request.previewPath))
            read.refuse(options.saveRecipe,
                        "names the same file as the belt: give the recipe a name of its own");
        request.saveRecipePath = path;
    }
    if (!read.error.empty())
        return refusal(read.error);

    request.zones.emplace(settings);
    auto const problems = checkSettings(settings, *request.zones);
    if (!problems.empty())
        return refusal(problemText(problems.front(), settings));
    // An empty catalogue would replace the file and load nothing.
    if (request.writeCatalogue && settings.number == 0)
        return refusal("--number: the belt would have no body, so no catalogue was written: give "
                       "1 or more");
    for (SettingsWarning const &warning : checkWarnings(settings))
        request.warnings.push_back(warningText(warning, settings));
    return request;
}

bool asksForPreview(QStringList const &arguments)
{
    for (QString const &argument : arguments.mid(1)) {
        if (argument == "--")
            return false;
        if (argument == "--preview" || argument.startsWith("--preview="))
            return true;
    }
    return false;
}

Recipe recipeOf(Request const &request, std::uint32_t seed)
{
    return Recipe(request.entered, seed);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "FieldLimits.h"
#include "Examples.h"
#include "Presets.h"
#include "RandomSource.h"
#include "Recipe.h"
#include "SettingsCheck.h"
#include "SettingsTable.h"
#include "SettingsWords.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace {

std::string presetNames()
{
    std::string text;
    for (auto const &info : presetTable) {
        if (!text.empty())
            text += ", ";
        text += info.shortName;
    }
    return text;
}

std::string exampleNames()
{
    std::string text;
    for (ExampleInfo const &example : examples()) {
        if (!text.empty())
            text += ", ";
        text += example.shortName;
    }
    return text;
}

// The options a user may give; names as scripts and documentation use them.
struct Options {
    QCommandLineOption preset{"preset",
                              "Start from a built-in preset (see --list-presets): " +
                                  QString::fromStdString(presetNames()) +
                                  ", or its menu text, in any case. Without it, start "
                                  "from empty names and zero bounds.",
                              "name"};
    QCommandLineOption recipe{"recipe",
                              "Start from a recipe file (.belt) that holds every setting and a "
                              "seed; field options override its values, and --seed its seed. "
                              "Not together with --preset.",
                              "file"};
    QCommandLineOption example{"example",
                               "Start from a belt of our Solar System (see --list-examples): " +
                                   QString::fromStdString(exampleNames()) +
                                   ", or its menu text, in any case; its settings and seed, as "
                                   "with --recipe. Not together with --preset or --recipe.",
                               "name"};
    QCommandLineOption listExamples{"list-examples",
                                    "Print the examples with what each one shows."};
    QCommandLineOption saveRecipe{"save-recipe",
                                  "Also write the recipe of this belt, with the seed it was made "
                                  "with, once the belt is written.",
                                  "file"};
    QCommandLineOption listPresets{"list-presets", "Print the presets with all their values."};
    QCommandLineOption seed{"seed",
                            "Engine seed, 0 to " + QString::number(largestSeed) +
                                ". Without it a seed is drawn from the system's random source; "
                                "either way it is reported as 'seed: N'.",
                            "N"};
    // The settings' options, in the table's order: a flag has two.
    std::vector<QCommandLineOption> settings = settingOptions();

    static std::vector<QCommandLineOption> settingOptions()
    {
        std::vector<QCommandLineOption> options;
        for (SettingRow const &row : settingsTable()) {
            QString const key = QString::fromUtf8(row.key.data(), int(row.key.size()));
            QString const help = QString::fromStdString(row.helpLine());
            if (row.kind == SettingRow::Flag) {
                options.emplace_back(key, help);
                options.emplace_back(
                    "no-" + key, QString::fromUtf8(row.offHelp.data(), int(row.offHelp.size())));
            } else {
                options.emplace_back(
                    key, help, QString::fromUtf8(row.valueName.data(), int(row.valueName.size())));
            }
        }
        return options;
    }

    // The option of a setting that takes a value.
    QCommandLineOption const &of(SettingRow const &row) const
    {
        QString const key = QString::fromUtf8(row.key.data(), int(row.key.size()));
        for (QCommandLineOption const &option : settings) {
            if (option.names().first() == key)
                return option;
        }
        return settings.front();
    }
    QCommandLineOption output{{"o", "output"},
                              "Write the catalogue to this file ('-' or no option: standard "
                              "output; /dev/stdout and /dev/fd/N are written as they are). An "
                              "existing file is replaced only by a complete catalogue.",
                              "file"};
    QCommandLineOption preview{"preview",
                               "Also draw the belt as a PNG picture: seen from above and "
                               "edge-on at the epoch, its semi-major axes against "
                               "eccentricity and inclination and in a histogram, and the "
                               "count of bodies against their radius on logarithmic axes. "
                               "The catalogue is then written only when -o is given.",
                               "png"};
    QCommandLineOption quiet{{"q", "quiet"},
                             "Print only errors on standard error (no seed, no progress)."};
};

// Control characters are shown escaped so that a message stays one line.
std::string escaped(std::string const &text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        } else {
            out += char(c);
        }
    }
    return out;
}

std::string quoted(std::string const &text)
{
    return "\"" + escaped(text) + "\"";
}

Request refusal(std::string message)
{
    Request request;
    request.action = Request::Refuse;
    request.message = std::move(message);
    return request;
}

// Reads the value of one option; an empty result means the option was accepted.
class ValueReader {
public:
    explicit ValueReader(QCommandLineParser const &parser)
        : parser(parser)
    {}

    std::string error;

    void number(QCommandLineOption const &option, FieldRange range, std::string_view unit,
                double &target)
    {
        if (!error.empty() || !parser.isSet(option))
            return;
        std::string const text = valueOf(option);
        std::string const accepted = "give a number from " + rangeText(range) +
                                     (unit.empty() ? "" : " " + std::string(unit));
        double value = 0;
        std::errc const read = readNumberText(text, value);
        if (read == std::errc::invalid_argument) {
            refuse(option, quoted(text) + " is not a number: " + accepted);
        } else if (read == std::errc::result_out_of_range) {
            refuse(option, text + " is out of range: " + accepted);
        } else if (!std::isfinite(value)) {
            refuse(option, quoted(text) + " is not a finite number: " + accepted);
        } else if (!range.contains(value)) {
            refuse(option, text + " is out of range: " + accepted);
        } else {
            target = value + 0.0; // no negative zero in the catalogue
        }
    }

    std::optional<std::uint64_t> whole(QCommandLineOption const &option, std::uint64_t maximum)
    {
        if (!error.empty() || !parser.isSet(option))
            return std::nullopt;
        std::string const text = valueOf(option);
        std::string const accepted = "give a whole number from 0 to " + std::to_string(maximum);
        std::uint64_t value = 0;
        std::errc const read = readNumberText(text, value);
        if (read == std::errc::invalid_argument) {
            refuse(option, quoted(text) + " is not a whole number: " + accepted);
        } else if (read == std::errc::result_out_of_range || value > maximum) {
            refuse(option, text + " is out of range: " + accepted);
        } else {
            return value;
        }
        return std::nullopt;
    }

    void choice(QCommandLineOption const &option, SettingRow const &row, EnteredSettings &target)
    {
        if (!error.empty() || !parser.isSet(option))
            return;
        std::string const text = valueOf(option);
        if (auto const value = row.valueOf(text))
            row.setChoice(target, *value);
        else
            refuse(option, quoted(text) + " is not accepted: give " + wordList(row.words));
    }

    void text(QCommandLineOption const &option, std::string &target)
    {
        if (error.empty() && parser.isSet(option))
            target = valueOf(option);
    }

    void refuse(QCommandLineOption const &option, std::string const &what)
    {
        if (error.empty())
            error = "--" + option.names().last().toStdString() + ": " + what;
    }

    // The last value given wins, so that a later option overrides an earlier one.
    std::string valueOf(QCommandLineOption const &option) const
    {
        return parser.value(option).toUtf8().toStdString();
    }

private:
    QCommandLineParser const &parser;
};

// A sentence about settings as the command line words it: each setting by
// its option, each number as a recipe writes it.
std::string worded(Wording const &wording)
{
    std::vector<std::string> args;
    for (Wording::Arg const &arg : wording.args) {
        if (arg.setting.empty())
            args.push_back(numberText(arg.number));
        else
            args.push_back(findSetting(arg.setting) ? "--" + std::string(arg.setting) : "--help");
    }
    return filledIn(wording.text, args);
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
                       options.listExamples});
    for (QCommandLineOption const &option : options.settings)
        parser.addOption(option);
    parser.addOptions(
        {options.seed, options.output, options.preview, options.saveRecipe, options.quiet});

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
    Settings &settings = request.settings;
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
        settings = recipe->settings;
        request.massUnit = recipe->massUnit;
    } else if (parser.isSet(options.recipe)) {
        std::string const path = read.valueOf(options.recipe);
        if (parser.isSet(options.preset))
            return refusal("--recipe: give either a recipe or a --preset to start from, not both");
        auto reading = readRecipe(path);
        if (auto const *error = std::get_if<RecipeError>(&reading))
            return refusal("--recipe: " + recipeErrorText(*error, path));
        recipe = std::get<Recipe>(std::move(reading));
        settings = recipe->settings;
        request.massUnit = recipe->massUnit;
    } else if (parser.isSet(options.preset)) {
        if (auto const preset = findPreset(read.valueOf(options.preset)))
            settings = presetSettings(*preset);
        else
            read.refuse(options.preset, quoted(read.valueOf(options.preset)) +
                                            " is not a preset: give " + presetNames() +
                                            " or a menu text (see --list-presets)");
    }
    // The record keeps the mass as given, in its unit, until the options are
    // read: a recipe's Earth masses stay Earth masses unless --total-mass
    // gives another mass (in the unit of --mass-unit).
    EnteredSettings entered{settings, request.massUnit};
    for (SettingRow const &row : settingsTable()) {
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
            read.number(option, row.range, row.unitOf(given), row.number(entered));
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
    settings = entered.settings;
    request.massUnit = entered.massUnit;
    request.massInUnit = settings.totalMass;
    settings = entered.forRun();

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

    auto const problems = checkSettings(settings);
    if (!problems.empty())
        return refusal(worded(problemWording(problems.front(), FrontEnd::CommandLine)));
    for (SettingsWarning const &warning : checkWarnings(settings))
        request.warnings.push_back(worded(warningWording(warning, FrontEnd::CommandLine)));
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

std::string presetListing()
{
    std::string text;
    for (auto const &info : presetTable) {
        Settings const s = presetSettings(info.preset);
        auto line = [&](std::string const &option, std::string const &value) {
            text += "    --" + option;
            if (!value.empty()) {
                // Values line up in column 25; longer options keep two spaces.
                text.append(option.size() < 17 ? 18 - option.size() : 2, ' ');
                text += value;
            }
            text += '\n';
        };
        if (!text.empty())
            text += '\n';
        text += std::string(info.menuText) + " (--preset " + std::string(info.shortName) + ")\n";
        // Every number in its unit, so a unit's own choice needs no line.
        EnteredSettings entered{presetSettings(info.preset), Settings::SolarMasses};
        for (SettingRow const &row : settingsTable()) {
            std::string const key(row.key);
            std::string const unit(row.unitOf(entered));
            // "(Julian date)" is a note already.
            std::string const note = unit.empty()          ? ""
                                     : unit.front() == '(' ? " " + unit
                                                           : " (" + unit + ")";
            switch (row.kind) {
            case SettingRow::Number: line(key, numberText(row.number(entered)) + note); break;
            case SettingRow::WholeNumber: line(key, std::to_string(row.whole(entered))); break;
            case SettingRow::Text: line(key, row.text(entered)); break;
            case SettingRow::Choice:
                if (row.isUnit())
                    break;
                line(key, std::string(row.word(entered)));
                break;
            case SettingRow::Flag: line(row.flag(entered) ? key : "no-" + key, ""); break;
            }
        }
    }
    return text;
}

std::string exampleListing()
{
    std::string text;
    for (ExampleInfo const &example : examples()) {
        if (!text.empty())
            text += '\n';
        text += std::string(example.menuText) + " (--example " + std::string(example.shortName) +
                ")\n";
        // The recipe's opening comment says what it shows.
        std::string_view rest = example.text;
        while (!rest.empty() && rest.front() == '#') {
            std::size_t const end = std::min(rest.find('\n'), rest.size());
            std::string_view line = rest.substr(1, end - 1);
            if (!line.empty() && line.front() == ' ')
                line.remove_prefix(1);
            if (line != "Beltwright example." && line.substr(0, 24) != "SPDX-License-Identifier:")
                text += "    " + std::string(line) + "\n";
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }
    return text;
}

std::string saveErrorText(SaveError const &error)
{
    std::string const path = quoted(error.path);
    std::string const reason = std::error_code(error.code, std::generic_category()).message();
    switch (error.step) {
    case SaveError::NoPath: return "No output file was given.";
    case SaveError::Open: return "Cannot open " + path + ": " + reason + ".";
    case SaveError::Create: return "Cannot create " + path + ": " + reason + ".";
    case SaveError::Permissions:
        return "Cannot set the permissions of " + path + ": " + reason + ".";
    case SaveError::Write: return "Cannot write " + path + ": " + reason + ".";
    case SaveError::Sync: return "Cannot sync " + path + " to the disk: " + reason + ".";
    case SaveError::Close: return "Cannot finish writing " + path + ": " + reason + ".";
    case SaveError::Replace: return "Cannot replace " + path + ": " + reason + ".";
    case SaveError::NotFinite:
        return "Cannot write " + path +
               ": a body got an infinite or undefined number, which the catalogue's reader "
               "cannot take. Nothing was saved.";
    case SaveError::SyncDirectory:
        return path +
               " was replaced, but its directory could not be synced to the disk: " + reason +
               ". A system crash now could lose the new catalogue.";
    }
    return "Cannot save " + path + ": " + reason + ".";
}

Recipe recipeOf(Request const &request, std::uint32_t seed)
{
    Recipe recipe;
    recipe.settings = request.settings;
    recipe.settings.totalMass = request.massInUnit;
    recipe.massUnit = request.massUnit;
    recipe.seed = seed;
    return recipe;
}

std::string recipeErrorText(RecipeError const &error, std::string const &path)
{
    std::string const where = quoted(path) + ", line " + std::to_string(error.line) + ": ";
    std::string const key = quoted(error.key);
    std::string const value = quoted(error.value);
    switch (error.kind) {
    case RecipeError::CannotRead:
        return "cannot read " + quoted(path) + ": " +
               std::error_code(error.code, std::generic_category()).message();
    case RecipeError::TooLarge: return quoted(path) + " is not a recipe: it is far larger than one";
    case RecipeError::NotUtf8: return where + "the line is not UTF-8 text";
    case RecipeError::NoVersion:
        return where + "a recipe starts with the line '" + std::string(Recipe::versionKey) + " = " +
               std::to_string(Recipe::version) + "'";
    case RecipeError::UnknownVersion:
        return where + "recipe version " + value + " is not known: this program reads version " +
               std::to_string(Recipe::version);
    case RecipeError::NotASetting:
        return where + value + " is not a setting: write key = value, or start a comment with #";
    case RecipeError::UnknownKey: {
        std::string known;
        for (std::string_view name : recipeKeys())
            known += (known.empty() ? "" : ", ") + std::string(name);
        return where + "unknown key " + key + ": the keys are " + known;
    }
    case RecipeError::DuplicateKey:
        return where + error.key + " is given again (first on line " +
               std::to_string(error.firstLine) + "): keep one";
    case RecipeError::MissingKey:
        return where + "the recipe has no " + error.key + ": add a line '" + error.key + " = ...'";
    case RecipeError::BadValue: break;
    }
    std::string accepted;
    switch (error.accepted) {
    case RecipeError::Number: accepted = "give a number from " + rangeText(error.range); break;
    case RecipeError::WholeNumber:
        accepted = "give a whole number from " + rangeText(error.range);
        break;
    case RecipeError::Word:
        for (std::size_t i = 0; i < error.words.size(); ++i) {
            accepted += i == 0 ? "give " : i + 1 == error.words.size() ? " or " : ", ";
            accepted += error.words[i];
        }
        break;
    case RecipeError::Text:
        accepted = "give UTF-8 text in double quotes (\\\" for a quote, \\\\ for a backslash)";
        break;
    case RecipeError::TrueOrFalse: accepted = "give true or false"; break;
    }
    // A name is shown as written, so that missing quotes show.
    std::string const found = error.accepted == RecipeError::Text ? escaped(error.value) : value;
    return where + error.key + ": " + found + " is not accepted: " + accepted;
}

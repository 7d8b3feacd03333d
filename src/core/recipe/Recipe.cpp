// SPDX-License-Identifier: GPL-3.0-or-later
#include "Recipe.h"

#include "RandomSource.h"
#include "SettingValue.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <ostream>

namespace {

// A recipe is some twenty short lines; a larger file is something else.
constexpr std::size_t largestRecipe = 64 * 1024;

std::string_view trimmed(std::string_view text)
{
    auto const isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        auto const byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        unsigned char const lead = byte(i);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xbf; // range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            low = lead == 0xe0 ? 0xa0 : 0x80;
            high = lead == 0xed ? 0x9f : 0xbf;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            low = lead == 0xf0 ? 0x90 : 0x80;
            high = lead == 0xf4 ? 0x8f : 0xbf;
        } else {
            return false;
        }
        if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
            return false;
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(i + k) < 0x80 || byte(i + k) > 0xbf)
                return false;
        }
        i += length;
    }
    return true;
}

// Numbers are read in one form whatever the user's language, so that a
// recipe means the same on every machine.
bool readNumber(std::string_view text, FieldRange range, double &target, RecipeError &error)
{
    error.accepted = RecipeError::Number;
    error.range = range;
    return readNumberValue(text, range, target) == ValueRead::Read;
}

bool readWhole(std::string_view text, std::uint64_t maximum, std::uint64_t &target,
               RecipeError &error)
{
    error.accepted = RecipeError::WholeNumber;
    error.range = FieldRange{};
    error.range.maximum = double(maximum);
    return readWholeValue(text, maximum, target) == ValueRead::Read;
}

bool readTrueOrFalse(std::string_view text, bool &target, RecipeError &error)
{
    error.accepted = RecipeError::TrueOrFalse;
    if (text != "true" && text != "false")
        return false;
    target = text == "true";
    return true;
}

bool readSeed(std::string_view text, std::uint32_t &seed, RecipeError &error)
{
    std::uint64_t value = 0;
    if (!readWhole(text, largestSeed, value, error))
        return false;
    seed = static_cast<std::uint32_t>(value);
    return true;
}

// Names are written in double quotes, so that blanks at either end count.
// Inside, a backslash escapes a double quote, a backslash, a tab (\t), a line
// break (\n) or any other byte as two hexadecimal digits (\x1b).
std::string quotedText(std::string const &text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool readText(std::string_view text, std::string &target, RecipeError &error)
{
    error.accepted = RecipeError::Text;
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return false;
    std::string value;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        char const c = text[i];
        if (c == '"')
            return false; // a quote that ends the name early
        if (c != '\\') {
            value += c;
            continue;
        }
        if (i + 2 >= text.size())
            return false; // the backslash would escape the closing quote
        char const escape = text[++i];
        if (escape == '"' || escape == '\\') {
            value += escape;
        } else if (escape == 't') {
            value += '\t';
        } else if (escape == 'n') {
            value += '\n';
        } else if (escape == 'x' && i + 3 < text.size() && hexDigit(text[i + 1]) >= 0 &&
                   hexDigit(text[i + 2]) >= 0) {
            value += char(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            return false;
        }
    }
    if (!isUtf8(value))
        return false;
    target = std::move(value);
    return true;
}

// The seed is kept with the settings but is none of them: it is the last key.
constexpr std::string_view seedKey = "seed";

bool readSetting(SettingRow const &row, std::string_view text, EnteredSettings &entered,
                 std::size_t population, RecipeError &error)
{
    switch (row.kind) {
    case SettingRow::Number:
        return readNumber(text, row.range, row.number(entered, population), error);
    case SettingRow::WholeNumber: {
        std::uint64_t value = 0;
        if (!readWhole(text, std::uint64_t(row.range.maximum), value, error))
            return false;
        row.whole(entered, population) = static_cast<std::uint32_t>(value);
        return true;
    }
    case SettingRow::Text: return readText(text, row.text(entered, population), error);
    case SettingRow::Choice: {
        error.accepted = RecipeError::Word;
        for (auto const &choice : row.words)
            error.words.push_back(choice.word);
        return readSettingValue(row, text, entered, population) == ValueRead::Read;
    }
    case SettingRow::Flag: return readTrueOrFalse(text, row.flag(entered, population), error);
    }
    return false;
}

std::string settingText(SettingRow const &row, EnteredSettings &entered,
                        std::size_t population = 0)
{
    switch (row.kind) {
    case SettingRow::Number: return numberText(row.number(entered, population));
    case SettingRow::WholeNumber: return std::to_string(row.whole(entered, population));
    case SettingRow::Text: return quotedText(row.text(entered, population));
    case SettingRow::Choice: return std::string(row.word(entered, population));
    case SettingRow::Flag: return row.flag(entered, population) ? "true" : "false";
    }
    return {};
}

RecipeError errorAt(RecipeError::Kind kind, int line, std::string_view key = {},
                    std::string_view value = {})
{
    RecipeError error;
    error.kind = kind;
    error.line = line;
    error.key = std::string(key);
    error.value = std::string(value);
    return error;
}

} // namespace

std::string shellQuoted(std::string const &word)
{
    auto const plain = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("%+,-./:=@_").find(c) != std::string_view::npos;
    };
    if (!word.empty() && std::all_of(word.begin(), word.end(), plain))
        return word;
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string recipeCommandLine(Recipe const &recipe, std::string const &program)
{
    std::string line = shellQuoted(program);
    EnteredSettings entered = recipe;
    auto const options = [&](SettingRow::Level level, std::size_t population) {
        for (SettingRow const &row : settingsTable()) {
            if (row.level != level)
                continue;
            if (row.kind == SettingRow::Flag) {
                line += row.flag(entered, population) ? " --" : " --no-";
                line += row.key;
                continue;
            }
            line += " --" + std::string(row.key) + " ";
            line += shellQuoted(row.kind == SettingRow::Text
                                    ? row.text(entered, population)
                                    : settingText(row, entered, population));
        }
    };
    options(SettingRow::OfBelt, 0);
    // Each population after the first opens with --population.
    for (std::size_t i = 0; i < entered.settings.populations.size(); ++i) {
        if (i > 0)
            line += " --" + std::string(Recipe::populationOption);
        options(SettingRow::OfPopulation, i);
    }
    return line + " --" + std::string(seedKey) + " " + std::to_string(recipe.seed);
}

std::vector<std::string_view> recipeKeys()
{
    std::vector<std::string_view> names;
    for (auto const level : {SettingRow::OfBelt, SettingRow::OfPopulation}) {
        for (SettingRow const &row : settingsTable()) {
            if (row.level == level)
                names.push_back(row.key);
        }
        if (level == SettingRow::OfBelt)
            names.push_back(seedKey);
    }
    return names;
}

std::string recipeText(Recipe const &recipe)
{
    std::string text =
        "# Beltwright recipe: the settings and seed of one belt. File > Open Recipe in\n"
        "# the window or beltwright-cli --recipe FILE makes it again, byte for byte.\n"
        "# Lines are key = value, names in double quotes; # starts a comment line.\n"
        "# Each [population] section holds one population of the belt.\n";
    text += std::string(Recipe::versionKey) + " = " + std::to_string(Recipe::version) + "\n";
    EnteredSettings entered = recipe;
    for (SettingRow const &row : settingsTable()) {
        if (row.level == SettingRow::OfBelt)
            text += std::string(row.key) + " = " + settingText(row, entered) + "\n";
    }
    text += std::string(seedKey) + " = " + std::to_string(recipe.seed) + "\n";
    for (std::size_t i = 0; i < entered.settings.populations.size(); ++i) {
        text += "\n" + std::string(Recipe::sectionLine) + "\n";
        for (SettingRow const &row : settingsTable()) {
            if (row.level == SettingRow::OfPopulation)
                text += std::string(row.key) + " = " + settingText(row, entered, i) + "\n";
        }
    }
    return text;
}

namespace {

// The keys of version 1 that version 2 holds as populations.
constexpr std::string_view olderShareKeys[] = {"trojan-share", "family-share"};

// Reads the lines of a recipe into entered. Version 1 holds every setting at
// the top, the population's for the first population, and the Trojans' and
// the family's shares; version 2 holds the belt's settings and the seed at
// the top and each population in a section of its own.
class RecipeReader {
public:
    std::optional<RecipeError> read(std::string_view text);

    EnteredSettings entered;
    std::uint32_t seed = 0;

private:
    std::optional<RecipeError> line(int number, std::string_view key, std::string_view value);
    std::optional<RecipeError> openSection(int number);
    std::optional<RecipeError> closeSection(int lastLine);

    std::vector<SettingRow> const &table = settingsTable();
    int version = 0;
    int versionLine = 0;
    // Where each setting was given in the current part (the top or one
    // section), and last the seed; 0 while not yet.
    std::vector<int> givenOn = std::vector<int>(table.size() + 1, 0);
    std::vector<int> topGivenOn; // the top's, once a section is open
    int sections = 0;
    double olderShares[2] = {0, 0};
    int olderSharesOn[2] = {0, 0};
};

std::optional<RecipeError> RecipeReader::openSection(int number)
{
    if (version < 2)
        return errorAt(RecipeError::NotASetting, number, {}, Recipe::sectionLine);
    if (auto error = closeSection(number))
        return error;
    if (sections == int(largestPopulationCount))
        return errorAt(RecipeError::TooManyPopulations, number, {}, Recipe::sectionLine);
    if (sections == 0)
        topGivenOn = givenOn;
    ++sections;
    entered.settings.populations.resize(std::size_t(sections));
    entered.settings.populations.back() = Population{};
    std::fill(givenOn.begin(), givenOn.end(), 0);
    return std::nullopt;
}

// A section must give its kind and share and every setting its kind reads
// that older recipes had.
std::optional<RecipeError> RecipeReader::closeSection(int lastLine)
{
    if (sections == 0)
        return std::nullopt;
    Population const &population = entered.settings.populations.back();
    for (std::size_t index = 0; index < table.size(); ++index) {
        SettingRow const &row = table[index];
        if (row.level != SettingRow::OfPopulation || givenOn[index] != 0)
            continue;
        bool const needed = row.key == "kind" || row.key == "share" ||
                            (!row.optional && kindUses(population.kind, row.key));
        if (needed)
            return errorAt(RecipeError::MissingKey, lastLine, row.key);
    }
    return std::nullopt;
}

std::optional<RecipeError> RecipeReader::line(int number, std::string_view key,
                                              std::string_view value)
{
    if (versionLine == 0) {
        if (key != Recipe::versionKey)
            return errorAt(RecipeError::NoVersion, number, key, value);
        if (value == "1" || value == std::to_string(Recipe::version))
            version = value == "1" ? 1 : Recipe::version;
        else
            return errorAt(RecipeError::UnknownVersion, number, key, value);
        versionLine = number;
        return std::nullopt;
    }
    if (key == Recipe::versionKey) {
        RecipeError error = errorAt(RecipeError::DuplicateKey, number, key, value);
        error.firstLine = versionLine;
        return error;
    }
    for (std::size_t k = 0; version == 1 && k < 2; ++k) {
        if (key != olderShareKeys[k])
            continue;
        if (olderSharesOn[k] != 0) {
            RecipeError error = errorAt(RecipeError::DuplicateKey, number, key, value);
            error.firstLine = olderSharesOn[k];
            return error;
        }
        olderSharesOn[k] = number;
        RecipeError error = errorAt(RecipeError::BadValue, number, key, value);
        if (!readNumber(value, FieldLimits::share, olderShares[k], error))
            return error;
        return std::nullopt;
    }
    std::size_t index = 0;
    while (index < table.size() && table[index].key != key)
        ++index;
    // Version 2: the belt's keys at the top, the populations' in sections.
    bool const known = index < table.size() || (key == seedKey && sections == 0);
    bool const placed =
        version == 1 || index == table.size() ||
        (table[index].level == SettingRow::OfPopulation) == (sections > 0);
    if (!known || !placed)
        return errorAt(RecipeError::UnknownKey, number, key, value);
    if (givenOn[index] != 0) {
        RecipeError error = errorAt(RecipeError::DuplicateKey, number, key, value);
        error.firstLine = givenOn[index];
        return error;
    }
    givenOn[index] = number;
    RecipeError error = errorAt(RecipeError::BadValue, number, key, value);
    std::size_t const population = sections > 0 ? std::size_t(sections - 1) : 0;
    if (index < table.size() ? !readSetting(table[index], value, entered, population, error)
                             : !readSeed(value, seed, error))
        return error;
    return std::nullopt;
}

std::optional<RecipeError> RecipeReader::read(std::string_view text)
{
    if (text.substr(0, 3) == "\xef\xbb\xbf") // a byte order mark some editors write
        text.remove_prefix(3);
    int lineNumber = 0;
    while (!text.empty()) {
        auto const end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!isUtf8(line))
            return errorAt(RecipeError::NotUtf8, lineNumber);
        line = trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (line == Recipe::sectionLine && versionLine != 0) {
            if (auto error = openSection(lineNumber))
                return error;
            continue;
        }
        auto const equals = line.find('=');
        if (equals == std::string_view::npos || trimmed(line.substr(0, equals)).empty())
            return errorAt(RecipeError::NotASetting, lineNumber, {}, line);
        if (auto error = this->line(lineNumber, trimmed(line.substr(0, equals)),
                                    trimmed(line.substr(equals + 1))))
            return error;
    }
    int const lastLine = lineNumber > 0 ? lineNumber : 1;
    if (versionLine == 0)
        return errorAt(RecipeError::NoVersion, lastLine);
    if (auto error = closeSection(lastLine))
        return error;
    std::vector<int> const &top = sections > 0 ? topGivenOn : givenOn;
    for (std::size_t index = 0; index < top.size(); ++index) {
        bool const belt = index == table.size() || table[index].level == SettingRow::OfBelt;
        bool const needed = index == table.size() || !table[index].optional;
        // Version 2 gives the populations' settings in sections only.
        if (top[index] == 0 && needed && (belt || version == 1))
            return errorAt(RecipeError::MissingKey, lastLine,
                           index < table.size() ? table[index].key : seedKey);
    }
    if (version > 1 && sections == 0)
        return errorAt(RecipeError::MissingKey, lastLine, Recipe::sectionLine);
    if (version == 1)
        splitOlderShares(entered.settings, olderShares[0], olderShares[1]);
    return std::nullopt;
}

} // namespace

std::variant<Recipe, RecipeError> parseRecipe(std::string_view text)
{
    RecipeReader reader;
    if (auto error = reader.read(text))
        return *error;
    return Recipe(reader.entered, reader.seed);
}

std::variant<Recipe, RecipeError> readRecipe(std::string const &path)
{
    auto const failed = [](int code) {
        RecipeError error;
        error.code = code;
        return error;
    };
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"),
                                                          &std::fclose);
    if (!file)
        return failed(errno);
    std::string text(largestRecipe + 1, '\0');
    std::size_t const length = std::fread(text.data(), 1, text.size(), file.get());
    if (std::ferror(file.get()))
        return failed(errno != 0 ? errno : EIO);
    if (length > largestRecipe) {
        RecipeError error;
        error.kind = RecipeError::TooLarge;
        return error;
    }
    text.resize(length);
    return parseRecipe(text);
}

std::optional<SaveError> writeRecipe(std::string const &path, Recipe const &recipe)
{
    CatalogueFile file(path);
    if (!file.open())
        return file.error();
    std::ostream out(&file);
    out << recipeText(recipe);
    out.flush();
    if (!out || !file.commit())
        return file.error();
    return std::nullopt;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Recipe.h"

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

using Reader = bool (*)(std::string_view text, Recipe &recipe, RecipeError &error);
using Writer = std::string (*)(Recipe const &recipe);

struct Key {
    std::string_view name;
    Reader read;
    Writer write;
    std::string Settings::*text = nullptr; // of a name, which the file quotes
};

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
    double value = 0;
    if (readNumberText(text, value) != std::errc() || !std::isfinite(value) ||
        !range.contains(value))
        return false;
    target = value + 0.0; // no negative zero
    return true;
}

bool readWhole(std::string_view text, std::uint64_t maximum, std::uint64_t &target,
               RecipeError &error)
{
    error.accepted = RecipeError::WholeNumber;
    error.range = FieldRange{};
    error.range.maximum = double(maximum);
    std::uint64_t value = 0;
    if (readNumberText(text, value) != std::errc() || value > maximum)
        return false;
    target = value;
    return true;
}

template <typename Enum, std::size_t N> bool readWord(std::string_view text,
                                                      std::array<ChoiceWord<Enum>, N> const &words,
                                                      Enum &target, RecipeError &error)
{
    error.accepted = RecipeError::Word;
    for (auto const &choice : words)
        error.words.push_back(choice.word);
    if (auto const value = findChoice(words, text)) {
        target = *value;
        return true;
    }
    return false;
}

bool readTrueOrFalse(std::string_view text, bool &target, RecipeError &error)
{
    error.accepted = RecipeError::TrueOrFalse;
    if (text != "true" && text != "false")
        return false;
    target = text == "true";
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

template <double Settings::*field, FieldRange const &range> Key numberKey(std::string_view name)
{
    return {name,
            [](std::string_view text, Recipe &recipe, RecipeError &error) {
                return readNumber(text, range, recipe.settings.*field, error);
            },
            [](Recipe const &recipe) { return numberText(recipe.settings.*field); }};
}

constexpr std::array<ChoiceWord<Recipe::MassUnit>, 2> massUnitWords{{
    {Recipe::SolarMasses, "solar"},
    {Recipe::EarthMasses, "earth"},
}};

// The keys in the order they are written: the order of the command line's
// options and of its preset listing.
std::vector<Key> const &keys()
{
    static std::vector<Key> const table{
        {"type",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             return readWord(text, objectTypeWords, recipe.settings.objectType, error);
         },
         [](Recipe const &recipe) {
             return std::string(choiceWord(objectTypeWords, recipe.settings.objectType));
         }},
        {"name",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             return readText(text, recipe.settings.beltName, error);
         },
         [](Recipe const &recipe) { return quotedText(recipe.settings.beltName); },
         &Settings::beltName},
        {"center",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             return readText(text, recipe.settings.beltCenter, error);
         },
         [](Recipe const &recipe) { return quotedText(recipe.settings.beltCenter); },
         &Settings::beltCenter},
        {"barycenter",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             return readTrueOrFalse(text, recipe.settings.barycenter, error);
         },
         [](Recipe const &recipe) {
             return std::string(recipe.settings.barycenter ? "true" : "false");
         }},
        numberKey<&Settings::totalMass, FieldLimits::totalMass>("total-mass"),
        {"mass-unit",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             return readWord(text, massUnitWords, recipe.massUnit, error);
         },
         [](Recipe const &recipe) {
             return std::string(choiceWord(massUnitWords, recipe.massUnit));
         }},
        {"number",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             std::uint64_t number = 0;
             if (!readWhole(text, FieldLimits::maxNumber, number, error))
                 return false;
             recipe.settings.number = static_cast<std::uint32_t>(number);
             return true;
         },
         [](Recipe const &recipe) { return std::to_string(recipe.settings.number); }},
        numberKey<&Settings::innerRadius, FieldLimits::beltRadius>("inner"),
        numberKey<&Settings::outerRadius, FieldLimits::beltRadius>("outer"),
        numberKey<&Settings::minRadius, FieldLimits::bodyRadius>("min-radius"),
        numberKey<&Settings::maxRadius, FieldLimits::bodyRadius>("max-radius"),
        numberKey<&Settings::minEccentricity, FieldLimits::eccentricity>("min-eccentricity"),
        numberKey<&Settings::maxEccentricity, FieldLimits::eccentricity>("max-eccentricity"),
        numberKey<&Settings::maxInclination, FieldLimits::inclination>("max-inclination"),
        {"plane",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             return readWord(text, referencePlaneWords, recipe.settings.referencePlane, error);
         },
         [](Recipe const &recipe) {
             return std::string(choiceWord(referencePlaneWords, recipe.settings.referencePlane));
         }},
        numberKey<&Settings::epoch, FieldLimits::epoch>("epoch"),
        {"seed",
         [](std::string_view text, Recipe &recipe, RecipeError &error) {
             std::uint64_t seed = 0;
             if (!readWhole(text, 0xffffffffu, seed, error))
                 return false;
             recipe.seed = static_cast<std::uint32_t>(seed);
             return true;
         },
         [](Recipe const &recipe) { return std::to_string(recipe.seed); }},
    };
    return table;
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

Settings Recipe::forRun() const
{
    Settings run = settings;
    if (massUnit == EarthMasses)
        run.totalMass = settings.totalMass * solMassOfEarth;
    return run;
}

std::string numberText(double value)
{
    char buffer[32];
    bool const whole = std::floor(value) == value && std::fabs(value) < 1e15;
    auto const result =
        whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

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
    for (Key const &key : keys()) {
        if (key.name == "barycenter") {
            line += recipe.settings.barycenter ? " --barycenter" : " --no-barycenter";
            continue;
        }
        line += " --" + std::string(key.name) + " ";
        line += shellQuoted(key.text ? recipe.settings.*key.text : key.write(recipe));
    }
    return line;
}

std::vector<std::string_view> recipeKeys()
{
    std::vector<std::string_view> names;
    for (Key const &key : keys())
        names.push_back(key.name);
    return names;
}

std::string recipeText(Recipe const &recipe)
{
    std::string text =
        "# Beltwright recipe: the settings and seed of one belt. File > Open Recipe in\n"
        "# the window or beltwright-cli --recipe FILE makes it again, byte for byte.\n"
        "# Lines are key = value, names in double quotes; # starts a comment line.\n";
    text += std::string(Recipe::versionKey) + " = " + std::to_string(Recipe::version) + "\n";
    for (Key const &key : keys())
        text += std::string(key.name) + " = " + key.write(recipe) + "\n";
    return text;
}

std::variant<Recipe, RecipeError> parseRecipe(std::string_view text)
{
    if (text.substr(0, 3) == "\xef\xbb\xbf") // a byte order mark some editors write
        text.remove_prefix(3);
    auto const &table = keys();
    std::vector<int> givenOn(table.size(), 0);
    Recipe recipe;
    int versionLine = 0; // 0 until the version line has been read
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
        auto const equals = line.find('=');
        if (equals == std::string_view::npos || trimmed(line.substr(0, equals)).empty())
            return errorAt(RecipeError::NotASetting, lineNumber, {}, line);
        std::string_view const key = trimmed(line.substr(0, equals));
        std::string_view const value = trimmed(line.substr(equals + 1));

        if (versionLine == 0) {
            if (key != Recipe::versionKey)
                return errorAt(RecipeError::NoVersion, lineNumber, key, value);
            if (value != std::to_string(Recipe::version))
                return errorAt(RecipeError::UnknownVersion, lineNumber, key, value);
            versionLine = lineNumber;
            continue;
        }
        if (key == Recipe::versionKey) {
            RecipeError error = errorAt(RecipeError::DuplicateKey, lineNumber, key, value);
            error.firstLine = versionLine;
            return error;
        }
        std::size_t index = 0;
        while (index < table.size() && table[index].name != key)
            ++index;
        if (index == table.size())
            return errorAt(RecipeError::UnknownKey, lineNumber, key, value);
        if (givenOn[index] != 0) {
            RecipeError error = errorAt(RecipeError::DuplicateKey, lineNumber, key, value);
            error.firstLine = givenOn[index];
            return error;
        }
        givenOn[index] = lineNumber;
        RecipeError error = errorAt(RecipeError::BadValue, lineNumber, key, value);
        if (!table[index].read(value, recipe, error))
            return error;
    }
    int const lastLine = lineNumber > 0 ? lineNumber : 1;
    if (versionLine == 0)
        return errorAt(RecipeError::NoVersion, lastLine);
    for (std::size_t index = 0; index < table.size(); ++index) {
        if (givenOn[index] == 0)
            return errorAt(RecipeError::MissingKey, lastLine, table[index].name);
    }
    return recipe;
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

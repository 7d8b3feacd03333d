// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the looks: each population's, optional (older recipes lack
// them, and every look stays off).
#include "SettingsTable.h"

#include "WindowText.h"

namespace {

// What every look's row shares: each population's, optional.
SettingRow lookRow(std::string_view key, std::string_view memberName, SettingRow::Kind kind,
                   std::string_view help, char const *label, char const *tip,
                   std::string_view valueName)
{
    SettingRow row;
    row.key = key;
    row.member = memberName;
    row.kind = kind;
    row.part = SettingRow::Distribution;
    row.level = SettingRow::OfPopulation;
    row.optional = true;
    row.help = help;
    row.label = label;
    row.tip = tip;
    row.valueName = valueName;
    return row;
}

template <typename Enum, Enum Looks::*member>
SettingRow lookChoice(std::string_view key, std::string_view memberName, std::string_view help,
                      char const *label, char const *tip,
                      std::initializer_list<std::pair<Enum, ChoiceWord>> words)
{
    SettingRow row = lookRow(key, memberName, SettingRow::Choice, help, label, tip, "choice");
    for (auto word : words) {
        word.second.value = std::int32_t(word.first);
        row.words.push_back(word.second);
    }
    row.choiceAt = [](SettingPlace place) { return std::int32_t(place.population.looks.*member); };
    row.setChoiceAt = [](SettingPlace place, std::int32_t value) {
        place.population.looks.*member = static_cast<Enum>(value);
    };
    return row;
}

template <std::string Looks::*member>
SettingRow lookList(std::string_view key, std::string_view memberName, std::string_view help,
                    char const *label, char const *tip)
{
    SettingRow row = lookRow(key, memberName, SettingRow::Text, help, label, tip, "list");
    row.textAt = [](SettingPlace place) -> std::string & {
        return place.population.looks.*member;
    };
    return row;
}

ChoiceWord word(std::string_view word, char const *label)
{
    return ChoiceWord{0, word, label, {}, {}};
}

} // namespace

void appendLookRows(std::vector<SettingRow> &rows)
{
    using L = Looks;
    rows.push_back(lookChoice<L::Composition, &L::composition>(
        "composition", "composition",
        "Surface classes of the bodies, with their albedo, colour and density: {words}.",
        QT_TRANSLATE_NOOP("MainWindow", "Composition"),
        QT_TRANSLATE_NOOP("MainWindow",
                          "A mix of surface classes: each body draws its class and from it its "
                          "albedo, colour and density (so its mass); none writes no albedo or "
                          "colour"),
        {{L::Composition::None, word("none", QT_TRANSLATE_NOOP("MainWindow", "None"))},
         {L::Composition::MainBelt,
          word("main-belt", QT_TRANSLATE_NOOP("MainWindow", "Main belt"))},
         {L::Composition::TrojansHildas,
          word("trojans-hildas", QT_TRANSLATE_NOOP("MainWindow", "Trojans and Hildas"))},
         {L::Composition::KuiperCold,
          word("kuiper-cold", QT_TRANSLATE_NOOP("MainWindow", "Kuiper belt (cold)"))},
         {L::Composition::KuiperHot,
          word("kuiper-hot", QT_TRANSLATE_NOOP("MainWindow", "Kuiper belt (hot)"))},
         {L::Composition::Comets, word("comets", QT_TRANSLATE_NOOP("MainWindow", "Comets"))}}));
    rows.push_back(lookChoice<L::Shapes, &L::shapes>(
        "shapes", "shapes", "Shapes of the single bodies: {words}.",
        QT_TRANSLATE_NOOP("MainWindow", "Shapes"),
        QT_TRANSLATE_NOOP("MainWindow",
                          "Spheres (off), ellipsoids whose axis ratios follow the lightcurves of "
                          "real asteroids by size, or model files drawn from the mesh list"),
        {{L::Shapes::Off, word("off", QT_TRANSLATE_NOOP("MainWindow", "Spheres"))},
         {L::Shapes::Ellipsoids,
          word("ellipsoids", QT_TRANSLATE_NOOP("MainWindow", "Ellipsoids"))},
         {L::Shapes::Meshes, word("meshes", QT_TRANSLATE_NOOP("MainWindow", "Meshes"))}}));
    SettingRow meshes = lookList<&L::meshes>(
        "meshes", "meshes",
        "Model files for --shapes meshes, \"name*weight; name\" (weight 1 when left out).",
        QT_TRANSLATE_NOOP("MainWindow", "Meshes"),
        QT_TRANSLATE_NOOP("MainWindow",
                          "Model files the bodies draw from, apart by semicolons, each with an "
                          "optional weight after a star: rock1.mesh*2; rock2.mesh"));
    meshes.enabled = [](Settings const &, Population const &p) {
        return p.looks.shapes == Looks::Shapes::Meshes;
    };
    rows.push_back(meshes);
    rows.push_back(lookList<&L::textures>(
        "textures", "textures",
        "Surface textures the bodies draw from, \"name*weight; name\"; empty: none.",
        QT_TRANSLATE_NOOP("MainWindow", "Textures"),
        QT_TRANSLATE_NOOP("MainWindow",
                          "Texture files the bodies draw from, apart by semicolons, each with an "
                          "optional weight after a star; empty for none")));
    rows.push_back(lookChoice<L::Spins, &L::spins>(
        "spins", "spins", "Rotation periods: {words} (by-size: the spin barrier and slow rotators).",
        QT_TRANSLATE_NOOP("MainWindow", "Spins"),
        QT_TRANSLATE_NOOP("MainWindow",
                          "Rotation periods from the belt's own bell of 0.1 to 12 hours, or by "
                          "size as real asteroids spin: none above 0.3 km across faster than "
                          "2.2 hours, slow rotators, the largest near 9 hours"),
        {{L::Spins::Drawn, word("bell", QT_TRANSLATE_NOOP("MainWindow", "Bell"))},
         {L::Spins::BySize, word("by-size", QT_TRANSLATE_NOOP("MainWindow", "By size"))}}));
    rows.push_back(lookChoice<L::SpinAxes, &L::spinAxes>(
        "spin-axes", "spinAxes", "Spin axes: {words} (yorp: small bodies towards the poles).",
        QT_TRANSLATE_NOOP("MainWindow", "Spin axes"),
        QT_TRANSLATE_NOOP("MainWindow",
                          "The belt's own obliquity alone, or axes pointing every way with the "
                          "equator's node and a rotation phase; YORP turns the axes of bodies "
                          "below 30 km across towards the poles"),
        {{L::SpinAxes::Drawn, word("obliquity", QT_TRANSLATE_NOOP("MainWindow", "Obliquity"))},
         {L::SpinAxes::Isotropic,
          word("isotropic", QT_TRANSLATE_NOOP("MainWindow", "Isotropic"))},
         {L::SpinAxes::YorpClustered,
          word("yorp", QT_TRANSLATE_NOOP("MainWindow", "YORP-clustered"))}}));
}

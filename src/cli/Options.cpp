// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "Examples.h"
#include "Presets.h"

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

std::vector<QCommandLineOption> Options::settingOptions()
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

QCommandLineOption const &Options::of(SettingRow const &row) const
{
    QString const key = QString::fromUtf8(row.key.data(), int(row.key.size()));
    for (QCommandLineOption const &option : settings) {
        if (option.names().first() == key)
            return option;
    }
    return settings.front();
}

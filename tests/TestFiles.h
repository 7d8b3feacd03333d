// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading, writing and listing files, for the tests that check what a save
// left on disk.

#include <QDir>
#include <QString>
#include <QStringList>

#include <fstream>
#include <iterator>
#include <string>

inline std::string readFile(QString const &path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(QString const &path, std::string const &text)
{
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

// Every entry of a directory, hidden ones included, so that a leftover
// temporary file shows.
inline QStringList entries(QString const &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

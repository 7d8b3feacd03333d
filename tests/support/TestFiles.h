// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading, writing and listing files, for the tests that check what a save
// left on disk: as std::string beside the core, as bytes beside Qt.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
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

// A file that cannot be read reads as a text no save writes.
inline QByteArray readBytes(QString const &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool writeBytes(QString const &path, QByteArray const &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Hidden ones included, so that a leftover temporary file shows.
QDir::Filters const everyEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// Every entry of a directory.
inline QStringList entries(QString const &dir)
{
    return QDir(dir).entryList(everyEntry);
}

// Every name below a folder, relative to it.
inline QStringList tree(QString const &root)
{
    QStringList names;
    QDirIterator it(root, everyEntry, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(root).relativeFilePath(it.next());
    names.sort();
    return names;
}

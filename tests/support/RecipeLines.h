// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// Where a recipe's text holds a key, so that a test names a line by its key
// and a new setting moves no test's numbers.

// The number (from 1) of the occurrence-th line that sets key ("key = ...")
// or is key (a section's line), or 0 when there is none.
inline int recipeLineOf(QByteArray const &text, QByteArray const &key, int occurrence = 1)
{
    QList<QByteArray> const lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if ((lines[i] == key || lines[i].startsWith(key + " = ")) && --occurrence == 0)
            return i + 1;
    }
    return 0;
}

// The number of the last line of a text that ends with a line end.
inline int recipeLastLine(QByteArray const &text)
{
    return int(text.count('\n'));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Saves through beltwright-cli under names users give their folders and
// files, on Linux and as a Windows program: names beyond ASCII must reach the
// file system unchanged, and outputs that cannot be saved are refused with
// any existing file untouched.
#include "Run.h"
#include "TestFiles.h"

#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifndef BELTWRIGHT_CLI
#error "BELTWRIGHT_CLI must name the built command-line program"
#endif

namespace {

QStringList const belt = {"--preset", "vulcanoids", "--number", "40", "--seed", "7", "-q"};
QByteArray const oldText = "an earlier catalogue\n";

} // namespace

class SavePathsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Run const run = runCli(belt);
        QCOMPARE(run.exitCode, 0);
        expected = run.out;
        QVERIFY(expected.startsWith("Asteroid \"VS 1\""));
    }

    void savesUnderAnyName_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("umlauts") << QStringLiteral("J\u00fcrgen/Belts")
                                 << QStringLiteral("G\u00fcrtel \u00f6.sc");
        QTest::newRow("Greek and CJK") << QStringLiteral("\u0396\u03ce\u03bd\u03b7")
                                       << QStringLiteral("\u5c0f\u884c\u661f\u5e2f.sc");
        QTest::newRow("beyond the BMP")
            << QStringLiteral("\U0001FA90 rings") << QStringLiteral("belt \U0001F320.sc");
        QTest::newRow("spaces and dots")
            << QStringLiteral("my belts. v2") << QStringLiteral("a.b c.sc");
    }

    void savesUnderAnyName()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(folder));
        QString const path = dir.filePath(folder + QLatin1Char('/') + file);

        Run const created = runCli(belt + QStringList{"-o", path});
        QCOMPARE(created.exitCode, 0);
        QCOMPARE(readBytes(path), expected);

        // Replacing goes through a temporary file beside the target.
        QVERIFY(writeBytes(path, oldText));
        Run const replaced = runCli(belt + QStringList{"-o", QDir::toNativeSeparators(path)});
        QCOMPARE(replaced.exitCode, 0);
        QCOMPARE(readBytes(path), expected);
        QStringList want{folder + QLatin1Char('/') + file};
        for (int depth = 1; depth <= folder.count(QLatin1Char('/')) + 1; ++depth)
            want << folder.section(QLatin1Char('/'), 0, depth - 1);
        want.sort();
        QCOMPARE(tree(dir.path()), want);
    }

    void refusesWhatCannotBeSaved_data()
    {
        QTest::addColumn<QString>("target"); // relative to a folder that holds old.sc and sub/
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "no/such/belt.sc"
                                        << "No such file or directory";
        QTest::newRow("missing folder beyond ASCII")
            << QStringLiteral("f\u00e9hlt \u00f6/G\u00fcrtel.sc") << "No such file or directory";
        QTest::newRow("a folder") << "sub"
                                  << "Is a directory";
    }

    void refusesWhatCannotBeSaved()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("old.sc"), oldText));
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QVERIFY(writeBytes(dir.filePath("sub/kept.sc"), oldText));
        QString const path = dir.filePath(target);

        Run const run = runCli(belt + QStringList{"-o", path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(path.toUtf8()), run.err.constData());
        QVERIFY2(run.err.contains(reason.toUtf8()), run.err.constData());
        QCOMPARE(tree(dir.path()), (QStringList{"old.sc", "sub", "sub/kept.sc"}));
        QCOMPARE(readBytes(dir.filePath("old.sc")), oldText);
        QCOMPARE(readBytes(dir.filePath("sub/kept.sc")), oldText);
    }

    // Another program holding the catalogue open without sharing it for
    // deletion (an editor, the simulation program reading it) keeps Windows
    // from replacing it: refused before any body is drawn, the file intact.
    void fileInUseIsRefused()
    {
#ifndef Q_OS_WIN
        QSKIP("only Windows keeps an open file from being replaced");
#else
        QTemporaryDir dir;
        QString const path = dir.filePath(QStringLiteral("G\u00fcrtel.sc"));
        QVERIFY(writeBytes(path, oldText));
        HANDLE const held =
            CreateFileW(reinterpret_cast<wchar_t const *>(path.utf16()), GENERIC_READ,
                        FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        Run const run = runCli(belt + QStringList{"-o", path});
        CloseHandle(held);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(path.toUtf8()), run.err.constData());
        QCOMPARE(readBytes(path), oldText);
        QCOMPARE(tree(dir.path()), QStringList{QStringLiteral("G\u00fcrtel.sc")});
#endif
    }

private:
    QByteArray expected;
};

QTEST_GUILESS_MAIN(SavePathsTest)
#include "tst_savepaths.moc"

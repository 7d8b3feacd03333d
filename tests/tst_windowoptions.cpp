// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's command line: help and version on the terminal with no
// display at all, the toolkit's own options let through, mistakes refused.
#include "Run.h"

#include <QtTest>

#ifndef BELTWRIGHT_WINDOW
#error "BELTWRIGHT_WINDOW must name the built window program"
#endif

Q_DECLARE_METATYPE(QProcessEnvironment)

namespace {

// No window system to reach: a program that tried to open a window here
// would fail to start.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (char const *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

QProcessEnvironment offscreen()
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

} // namespace

class WindowOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QProcessEnvironment>("environment");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // a regular expression
        QTest::addColumn<QString>("error"); // text standard error must contain

        QString const help = QStringLiteral("^Usage: \\S*beltwright \\[options\\] \\[recipe\\]\\n.*"
                                            "-h, --help.*-v, --version.*recipe +A recipe");
        QString const version = QStringLiteral("^beltwright " BELTWRIGHT_VERSION "\\n$");
        QString const nothing = QStringLiteral("^$");

        QTest::newRow("--help, no display")
            << QStringList{"--help"} << withoutDisplay() << 0 << help << QString();
        QTest::newRow("-h, offscreen")
            << QStringList{"-h"} << offscreen() << 0 << help << QString();
        QTest::newRow("--version, no display")
            << QStringList{"--version"} << withoutDisplay() << 0 << version << QString();
        QTest::newRow("-v, offscreen")
            << QStringList{"-v"} << offscreen() << 0 << version << QString();
        // -reverse is no bundle of -r, -e, -v...: only the -v at the end counts.
        QTest::newRow("toolkit options before -v")
            << QStringList{"-platform", "offscreen", "-reverse", "-v"} << withoutDisplay() << 0
            << version << QString();
        QTest::newRow("toolkit option alone is no version request")
            << QStringList{"-reverse", "--bogus"} << offscreen() << 2 << nothing
            << QStringLiteral("Unknown option 'bogus'. Run 'beltwright --help'");
        QTest::newRow("unknown option") << QStringList{"--seed=3"} << offscreen() << 2 << nothing
                                        << QStringLiteral("Unknown option 'seed'.");
        QTest::newRow("two recipes")
            << QStringList{"a.belt", "b.belt"} << offscreen() << 2 << nothing
            << QStringLiteral("Unexpected argument 'b.belt': only one recipe can be opened.");
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QProcessEnvironment, environment);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, error);

        // A window opened by mistake would wait for its user until killed.
        Run const run =
            runProgram(QStringLiteral(BELTWRIGHT_WINDOW), arguments, QString(), environment, 20000);
        if (run.timedOut)
            QFAIL("the program did not end: it opened a window");
        QByteArray const standardError = run.err;
        QVERIFY(!run.crashed);
        QVERIFY2(run.exitCode == exitCode, standardError.constData());
        QString const standardOutput = QString::fromLocal8Bit(run.out);
        QRegularExpression const expected(out, QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(expected.match(standardOutput).hasMatch(), qPrintable(standardOutput));
        if (error.isEmpty())
            QVERIFY2(standardError.isEmpty(), standardError.constData());
        else
            QVERIFY2(standardError.contains(error.toLocal8Bit()), standardError.constData());
    }
};

QTEST_GUILESS_MAIN(WindowOptionsTest)
#include "tst_windowoptions.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// beltwright: the window. --help and --version are answered on the terminal
// before any window system is needed, so they work without a display.
#include "BeltPlot.h"
#include "Console.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>

namespace {

constexpr int exitBadInput = 2;

// The window program's options, declared on a parser.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Displays this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Displays version information.")};

    explicit Options(QCommandLineParser &parser)
    {
        parser.setApplicationDescription(QStringLiteral(
            "Opens a window in which to set up a belt of asteroids or comets around a central "
            "object, generates it and saves it as a catalogue script. beltwright-cli makes the "
            "same belts from a terminal. The Qt toolkit's own options, such as -platform, -style "
            "and -reverse, are accepted as well."));
        // The toolkit's options are single-dash words (-platform, -reverse);
        // read as bundles of letters they would pass for -h or -v.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        // Not addHelpOption(): its --help-all promises the toolkit's options,
        // which only a window-system connection could list.
        parser.addOptions({help, version});
        parser.addPositionalArgument(QStringLiteral("recipe"),
                                     QStringLiteral("A recipe (.belt file) to open."),
                                     QStringLiteral("[recipe]"));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    Console::attachToParent();
    Console::useUtf8();
    QCoreApplication::setApplicationName(QStringLiteral("beltwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BELTWRIGHT_VERSION));

    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        QCommandLineParser parser;
        Options const options(parser);
        // The toolkit's options are still among the arguments and count as
        // unknown here; mistakes are judged once QApplication has taken them.
        parser.parse(arguments);
        bool const help = parser.isSet(options.help);
        if (help || parser.isSet(options.version)) {
            QCoreApplication terminal(argc, argv); // the help text reads the program's name
            if (help)
                std::fputs(qPrintable(parser.helpText()), stdout);
            else
                std::printf("beltwright %s\n", BELTWRIGHT_VERSION);
            return 0;
        }
    }

    QApplication application(argc, argv);
    QCommandLineParser parser;
    Options const options(parser);
    QString mistake;
    // One recipe to open, as the desktop passes a double-clicked file.
    if (!parser.parse(QCoreApplication::arguments()))
        mistake = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        mistake = QStringLiteral("Unexpected argument '%1': only one recipe can be opened.")
                      .arg(parser.positionalArguments().at(1));
    if (!mistake.isEmpty()) {
        std::fprintf(stderr, "beltwright: %s Run 'beltwright --help' for the accepted options.\n",
                     qPrintable(mistake));
        return exitBadInput;
    }

    // The preview's font, which also stands in for the form's where a system lacks them.
    BeltPlot::registerFont();
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BELTWRIGHT_APP_ID));
    MainWindow window;
    window.keepLayoutIn(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                    QStringLiteral("beltwright"),
                                                    QStringLiteral("beltwright")));
    window.show();
    // Once the window is up, so that a message about the file has it as parent.
    if (!parser.positionalArguments().isEmpty()) {
        QString const recipe = parser.positionalArguments().first();
        QMetaObject::invokeMethod(
            &window, [&window, recipe] { window.openRecipe(recipe); }, Qt::QueuedConnection);
    }
    return application.exec();
}

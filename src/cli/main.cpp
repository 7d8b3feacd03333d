// SPDX-License-Identifier: GPL-3.0-or-later
// beltwright-cli: generates one belt from options and writes its catalogue to
// a file or to standard output. Exit status 0 on success, 1 when the catalogue
// could not be written or no seed could be drawn, 2 for bad input.
#include "BeltPlot.h"
#include "BeltPreview.h"
#include "BeltRun.h"
#include "CliMessages.h"
#include "CommandLine.h"
#include "Listings.h"
#include "Console.h"
#include "RandomSource.h"
#include "ThreadScope.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

constexpr int exitFailed = 1;
constexpr int exitBadInput = 2;
char const *const programName = "beltwright-cli";

std::atomic<bool> stopRequested{false};

// An interrupted run lets the core discard its temporary file before the
// process ends, so that the output file is never left half written.
void requestStop()
{
    stopRequested.store(true);
}

void printError(std::string const &message)
{
    std::fprintf(stderr, "%s: %s\n", programName, message.c_str());
}

// Says what a stop left behind, then ends as the stop request ends an
// uncaught process, so that a calling shell sees it.
[[noreturn]] void endStopped(Request const &request)
{
    if (!request.writeCatalogue)
        printError("stopped; nothing was written");
    else if (request.outputPath.empty())
        printError("stopped; the catalogue on standard output is incomplete");
    else
        printError("stopped; \"" + request.outputPath + "\" is unchanged");
    Console::endAsStopped();
}

enum Phase { Generating, Saving, Done };

// The phase and its percentage on one terminal line, redrawn when they change.
// A phase that ended between two looks is still shown complete.
class ProgressLine {
public:
    void show(Phase phase, int percent)
    {
        for (; shownPhase < phase; ++shownPhase, shownPercent = -1) {
            if (shownPhase >= 0)
                std::fprintf(stderr, "\r%s %3d%%\n", names[shownPhase], 100);
        }
        if (phase < Done && percent != shownPercent) {
            std::fprintf(stderr, "\r%s %3d%%", names[phase], percent);
            std::fflush(stderr);
            shownPercent = percent;
        }
    }

private:
    static constexpr char const *names[] = {"Generating", "Saving"};
    int shownPhase = -1;
    int shownPercent = -1;
};

// Draws the belt into a PNG file, which is replaced only once the picture is
// complete.
int writePreview(Generator const &generator, Request const &request, unsigned int seed)
{
    // A belt larger than the sample is shown by the sample the window draws:
    // with several populations, its first bodies would be the first one's.
    std::optional<BeltPreview> const preview =
        request.settings.number > BeltPreview::sampleLimit
            ? BeltPreview::ofBelt(request.settings, seed)
            : BeltPreview(generator);
    QImage const image = BeltPlot::picture(*preview,
                                           QString::fromStdString(request.settings.beltCenter),
                                           seed, QLocale(QLocale::English),
                                           request.surfaceColours ? BeltPlot::Colours::Looks
                                                                  : BeltPlot::Colours::Populations);
    QString const failed = BeltPlot::savePng(image, QString::fromStdString(request.previewPath));
    if (!failed.isEmpty()) {
        printError("cannot write the preview \"" + request.previewPath +
                   "\": " + failed.toStdString());
        return exitFailed;
    }
    return 0;
}

int generateBelt(Request const &request)
{
    // In place before any file is made, even the check's own, so that an
    // interrupt lets it be removed.
    Console::onStopRequest(requestStop);
    // An output that cannot be written is refused before any body is drawn,
    // with the message its save would give.
    bool const toStandardOutput = request.writeCatalogue && request.outputPath.empty();
    for (std::string const *path :
         {&request.outputPath, &request.previewPath, &request.saveRecipePath}) {
        if (path->empty() || (path == &request.outputPath && !request.writeCatalogue))
            continue;
        if (auto const refused = CatalogueFile::check(*path)) {
            printError(saveErrorText(*refused));
            return exitFailed;
        }
    }
    if (stopRequested.load())
        endStopped(request);

    unsigned int seed = 0;
    if (request.seed) {
        seed = *request.seed;
    } else if (auto const drawn = RandomSource::drawSeed()) {
        seed = *drawn;
    } else {
        printError("cannot draw a seed from the system's random source; give one with --seed");
        return exitFailed;
    }
    if (!request.quiet) {
        for (std::string const &warning : request.warnings)
            printError("warning: " + warning);
        std::fprintf(stderr, "seed: %u\n", seed);
    }

    // Progress on the terminal that also shows the catalogue would garble both.
    bool const showProgress =
        !request.quiet && Console::isConsole(stderr) &&
        !(request.writeCatalogue && (toStandardOutput ? Console::isConsole(stdout)
                                                      : Console::showsOutput(request.outputPath)));

    Generator generator(request.settings, request.zones, seed);
    std::atomic<int> phase{Generating};
    std::atomic<int> progress{0};
    bool completed = false;
    SaveResult result;
    // A file is written while the belt is generated, so that the disk works
    // meanwhile; its progress shows once the belt is complete.
    bool const overlapped = request.writeCatalogue && !toStandardOutput;
    std::atomic<int> saved{0};
    auto run = [&] {
        ThreadScope const scope;
        if (overlapped) {
            result = generateAndSave(generator, request.outputPath, progress, saved, &stopRequested);
            completed = !result.stopped;
            phase.store(Done);
            return;
        }
        generator.generate(progress, &stopRequested);
        if (!stopRequested.load() && !request.writeCatalogue) {
            completed = true;
        } else if (!stopRequested.load()) {
            progress.store(0);
            phase.store(Saving);
            result =
                toStandardOutput
                    ? saveBelt(generator, STDOUT_FILENO, "standard output", progress, &stopRequested)
                    : saveBelt(generator, request.outputPath, progress, &stopRequested);
            completed = !result.stopped;
        }
        phase.store(Done);
    };

    if (showProgress) {
        ProgressLine line;
        std::thread worker(run);
        while (phase.load() != Done) {
            if (overlapped && progress.load() >= 100)
                line.show(Saving, saved.load());
            else
                line.show(Phase(phase.load()), progress.load());
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        worker.join();
        if (completed)
            line.show(Done, 100);
        else
            std::fputc('\n', stderr);
    } else {
        run();
    }

    if (!completed)
        endStopped(request);
    if (!result) {
        printError(saveErrorText(result.error));
        return exitFailed;
    }
    if (!request.previewPath.empty()) {
        if (int const status = writePreview(generator, request, seed))
            return status;
    }
    if (!request.saveRecipePath.empty()) {
        if (auto const failed = writeRecipe(request.saveRecipePath, recipeOf(request, seed))) {
            printError(saveErrorText(*failed));
            return exitFailed;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    Console::useUtf8();
    // Names are UTF-8 in the catalogue and paths are bytes: an argument that is
    // not valid UTF-8 would not come out of the option parser unchanged.
    std::vector<std::string> const given = Console::arguments(argc, argv);
    QStringList arguments;
    for (std::size_t i = 0; i < given.size(); ++i) {
        QByteArray const raw(given[i].c_str());
        QString const text = QString::fromUtf8(raw);
        if (text.toUtf8() != raw) {
            printError("argument " + std::to_string(i) + " is not valid UTF-8 text");
            return exitBadInput;
        }
        arguments << text;
    }

    QCoreApplication::setApplicationName(programName);
    QCoreApplication::setApplicationVersion(BELTWRIGHT_VERSION);
    // The option parser's help text reads the application. A picture needs
    // the toolkit's painting, which must not look for a display.
    std::unique_ptr<QCoreApplication> application;
    if (asksForPreview(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform warns about desktop folders that a picture never
        // uses, and on Windows about a system font folder it does not need:
        // such chatter must not mix with the program's messages.
        qInstallMessageHandler([](QtMsgType type, QMessageLogContext const &,
                                  QString const &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                printError(message.toStdString());
        });
        application = std::make_unique<QGuiApplication>(argc, argv);
        // The offscreen platform of a static Windows build finds no system
        // font at all: the picture brings its own.
        if (!BeltPlot::registerFont())
            printError("warning: the picture's font could not be loaded; its texts may be missing");
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }

    Request const request = parseCommandLine(arguments);
    switch (request.action) {
    case Request::ShowHelp: std::fputs(request.message.c_str(), stdout); return 0;
    case Request::ShowVersion: std::printf("%s %s\n", programName, BELTWRIGHT_VERSION); return 0;
    case Request::ListPresets: std::fputs(presetListing().c_str(), stdout); return 0;
    case Request::ListExamples: std::fputs(exampleListing().c_str(), stdout); return 0;
    case Request::Refuse: printError(request.message); return exitBadInput;
    case Request::Generate: break;
    }
    return generateBelt(request);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"
#include "BeltRun.h"
#include "MadeBelt.h"
#include "Settings.h"
#include "TestFiles.h"

#include <QtTest>

#include <cctype>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::unique_ptr<Generator> generatedBelt(std::uint32_t number, unsigned seed = 5489)
{
    Settings settings(Settings::Vulcanoids);
    settings.number = number;
    return madeBelt(settings, seed);
}

std::string textOf(Generator const &generator)
{
    std::ostringstream out;
    for (auto const &body : generator.bodies())
        body->print(out);
    return out.str();
}

mode_t modeOf(QString const &path)
{
    struct stat st {};
    lstat(path.toLocal8Bit().constData(), &st);
    return st.st_mode;
}

std::string const oldText = "an earlier catalogue that must survive a failed save\n";

// What a failed save reported, for messages of failed checks.
std::string described(SaveError const &error)
{
    return std::string(saveStepName(error.step)) + " \"" + error.path +
           "\": " + std::strerror(error.code);
}

} // namespace

class SaveTest : public QObject {
    Q_OBJECT

private slots:
    void writesAndReplacesWhole()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        writeFile(path, std::string(1 << 20, 'x')); // longer than the new text
        chmod(path.toLocal8Bit().constData(), 0640);

        auto generator = generatedBelt(200);
        std::atomic<int> progress{100};
        SaveResult const result = saveBelt(*generator, path.toStdString(), progress);
        QVERIFY2(result.ok, described(result.error).c_str());
        QCOMPARE(readFile(path), textOf(*generator));
        QCOMPARE(progress.load(), 100);
        QCOMPARE(modeOf(path) & 07777, mode_t(0640));
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});

        // A second save of the same belt gives the same bytes.
        QVERIFY(saveBelt(*generator, dir.filePath("again.sc").toStdString(), progress).ok);
        QCOMPARE(readFile(dir.filePath("again.sc")), readFile(path));
    }

    void newFileFollowsTheUmask()
    {
        QTemporaryDir dir;
        mode_t const mask = umask(027);
        umask(027);
        auto generator = generatedBelt(3);
        std::atomic<int> progress{0};
        QVERIFY(saveBelt(*generator, dir.filePath("new.sc").toStdString(), progress).ok);
        umask(mask);
        QCOMPARE(modeOf(dir.filePath("new.sc")) & 07777, mode_t(0640));
        QVERIFY(S_ISREG(modeOf(dir.filePath("new.sc"))));
    }

    void largeBeltIsWrittenInOrder()
    {
        // Large belts are formatted block by block on several threads; the
        // file must still hold the bodies in list order, and a stop must still
        // leave the old file alone.
        QTemporaryDir dir;
        QString const path = dir.filePath("large.sc");
        writeFile(path, oldText);
        auto generator = generatedBelt(50001, 77);
        std::atomic<int> progress{0};
        std::atomic<bool> stop{true};
        SaveResult const stopped = saveBelt(*generator, path.toStdString(), progress, &stop);
        QVERIFY(!stopped.ok && stopped.stopped);
        QCOMPARE(readFile(path), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"large.sc"});

        stop = false;
        SaveResult const result = saveBelt(*generator, path.toStdString(), progress, &stop);
        QVERIFY2(result.ok, described(result.error).c_str());
        QCOMPARE(progress.load(), 100);
        QVERIFY(readFile(path) == textOf(*generator));
        QCOMPARE(entries(dir.path()), QStringList{"large.sc"});
    }

    void stopLateInALargeSave()
    {
        // Past some tens of megabytes the text is also synced on a helper
        // thread; a stop then must end that thread before the file goes.
        // A loaded machine may run the watcher too late: a save it missed
        // has replaced the file, and one of a few tries is stopped.
        QTemporaryDir dir;
        QString const path = dir.filePath("large.sc");
        auto generator = generatedBelt(100000, 3);
        bool stopped = false;
        for (int attempt = 0; attempt < 5 && !stopped; ++attempt) {
            writeFile(path, oldText);
            std::atomic<int> progress{0};
            std::atomic<bool> stop{false};
            std::thread watcher([&] {
                while (progress.load() < 90)
                    std::this_thread::yield();
                stop = true;
            });
            SaveResult const result = saveBelt(*generator, path.toStdString(), progress, &stop);
            stop = true;
            progress = 100; // ends the watcher had the save not reached 90 %
            watcher.join();
            stopped = result.stopped;
            QVERIFY(result.ok != result.stopped);
            QCOMPARE(readFile(path) == oldText, stopped);
            QCOMPARE(entries(dir.path()), QStringList{"large.sc"});
        }
        QVERIFY(stopped);
    }

    // Saving while the belt is generated writes the same bytes as generating
    // and then saving, in order and in parallel, and a stop at any point while
    // generating keeps the old file.
    void savingWhileGenerating_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("stopAtPercent"); // -1: no stop
        QTest::newRow("empty") << 0 << -1;
        QTest::newRow("one body") << 1 << -1;
        QTest::newRow("in order") << 3000 << -1;
        QTest::newRow("two threads, blocks in parallel") << 60001 << -1;
        QTest::newRow("stopped before the first body") << 60001 << 0;
        QTest::newRow("stopped half-way") << 60001 << 50;
    }
    void savingWhileGenerating()
    {
        QFETCH(int, number);
        QFETCH(int, stopAtPercent);
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        writeFile(path, oldText);
        Settings settings(Settings::OortCloud);
        settings.number = std::uint32_t(number);
        Generator generator(settings, 9);
        std::atomic<int> generated{0}, saved{0};
        std::atomic<bool> stop{stopAtPercent == 0};
        std::thread watcher([&] {
            while (stopAtPercent > 0 && !stop && generated.load() < stopAtPercent)
                std::this_thread::yield();
            stop = stop || stopAtPercent > 0;
        });
        SaveResult const result =
            generateAndSave(generator, path.toStdString(), generated, saved, &stop);
        stop = true;
        watcher.join();
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
        if (stopAtPercent >= 0) {
            QVERIFY(!result.ok && result.stopped);
            QCOMPARE(readFile(path), oldText);
            return;
        }
        QVERIFY2(result.ok, described(result.error).c_str());
        QCOMPARE(std::uint64_t(generator.bodies().size()), std::uint64_t(number));
        std::string const text = readFile(path);
        QVERIFY(text == textOf(generator));
        if (number > 0)
            QCOMPARE(saved.load(), 100);
        // Each entry starts a line with its kind: Asteroid, Barycenter, ...
        std::uint64_t starts = 0;
        for (std::size_t i = 0; i < text.size(); ++i)
            starts += (i == 0 || text[i - 1] == '\n') && std::isupper((unsigned char)text[i]);
        QCOMPARE(result.entries, starts);
    }

    void savingWhileGeneratingReportsAFailedWrite()
    {
        Generator generator(Settings(Settings::Vulcanoids), 1);
        std::atomic<int> generated{0}, saved{0};
        SaveResult const result = generateAndSave(generator, "/dev/full", generated, saved);
        QVERIFY(!result.ok && !result.stopped);
        QCOMPARE(result.error.code, ENOSPC);
    }

    void emptyBeltGivesAnEmptyFile()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("empty.sc");
        writeFile(path, oldText);
        auto generator = generatedBelt(0);
        std::atomic<int> progress{-7};
        QVERIFY(saveBelt(*generator, path.toStdString(), progress).ok);
        QCOMPARE(readFile(path), std::string());
        QCOMPARE(progress.load(), -7); // nothing written, nothing counted
        QVERIFY(QFileInfo::exists(path));

        // A stop request still counts when there is no body to stop between.
        writeFile(path, oldText);
        std::atomic<bool> stop{true};
        SaveResult const stopped = saveBelt(*generator, path.toStdString(), progress, &stop);
        QVERIFY(!stopped.ok && stopped.stopped);
        QCOMPARE(readFile(path), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"empty.sc"});
    }

    void failuresLeaveTheExistingFile_data()
    {
        QTest::addColumn<QString>("target"); // relative to the temporary directory
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("code");
        QTest::newRow("missing directory")
            << "no/such/dir/belt.sc" << int(SaveError::Create) << ENOENT;
        QTest::newRow("parent is a file") << "old.sc/belt.sc" << int(SaveError::Create) << ENOTDIR;
        QTest::newRow("target is a directory") << "subdir" << int(SaveError::Write) << EISDIR;
    }
    void failuresLeaveTheExistingFile()
    {
        QFETCH(QString, target);
        QFETCH(int, step);
        QFETCH(int, code);
        QTemporaryDir dir;
        writeFile(dir.filePath("old.sc"), oldText);
        QDir(dir.path()).mkdir("subdir");
        auto generator = generatedBelt(20);
        std::atomic<int> progress{100};
        std::string const path = dir.filePath(target).toStdString();
        SaveResult const result = saveBelt(*generator, path, progress);
        QVERIFY(!result.ok && !result.stopped);
        QCOMPARE(int(result.error.step), step);
        QCOMPARE(result.error.code, code);
        QCOMPARE(result.error.path, path);
        QCOMPARE(progress.load(), 100);

        // The check before a run finds the same, and leaves nothing either.
        std::optional<SaveError> const refused = CatalogueFile::check(path);
        QVERIFY(refused);
        QCOMPARE(int(refused->step), step);
        QCOMPARE(refused->code, code);
        QCOMPARE(refused->path, path);

        QCOMPARE(readFile(dir.filePath("old.sc")), oldText);
        QCOMPARE(entries(dir.path()), (QStringList{"old.sc", "subdir"}));
        QVERIFY(entries(dir.filePath("subdir")).isEmpty());
    }

    void checkPassesWhatASaveCanWrite()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("old.sc"), oldText);
        QVERIFY(QFile::link("missing.sc", dir.filePath("dangling.sc")));
        QString const fifo = dir.filePath("pipe");
        QCOMPARE(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        for (QString const &path : {dir.filePath("old.sc"), dir.filePath("new.sc"),
                                    dir.filePath("dangling.sc"), fifo, QString("/dev/null")}) {
            std::optional<SaveError> const refused = CatalogueFile::check(path.toStdString());
            if (refused)
                QFAIL(qPrintable(path + ": " + described(*refused).c_str()));
        }
        // Nothing created, nothing changed; the pipe, which has no reader, was
        // not opened (that would have blocked).
        QCOMPARE(entries(dir.path()), (QStringList{"dangling.sc", "old.sc", "pipe"}));
        QCOMPARE(readFile(dir.filePath("old.sc")), oldText);
        QCOMPARE(int(CatalogueFile::check("")->step), int(SaveError::NoPath));
    }

    void directoryThatMayNotBeWritten()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        QString const fifo = dir.filePath("pipe");
        writeFile(path, oldText);
        // The file itself may be written: the folder is what refuses.
        chmod(path.toLocal8Bit().constData(), 0666);
        QCOMPARE(mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
        chmod(dir.path().toLocal8Bit().constData(), 0755);
        auto generator = generatedBelt(20);
        // Root writes anywhere: drop to an ordinary user in a child first.
        ChildResult const result = runInChild([&] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(3);
            if (geteuid() != 0) {
                chmod(dir.path().toLocal8Bit().constData(), 0555);
                chmod(fifo.toLocal8Bit().constData(), 0444);
            }
            auto show = [](SaveError const &e) { std::printf("%d %d|", int(e.step), e.code); };
            std::atomic<int> progress{0};
            SaveResult const saved = saveBelt(*generator, path.toStdString(), progress);
            std::printf("%d ", saved.ok);
            show(saved.error);
            for (QString const &target : {path, fifo}) {
                if (auto const refused = CatalogueFile::check(target.toStdString()))
                    show(*refused);
            }
        });
        chmod(dir.path().toLocal8Bit().constData(), 0700);
        QCOMPARE(result.exitStatus, 0);
        std::string const expected =
            "0 " + std::to_string(SaveError::Create) + " " + std::to_string(EACCES) + "|" +
            std::to_string(SaveError::Create) + " " + std::to_string(EACCES) + "|" +
            std::to_string(SaveError::Open) + " " + std::to_string(EACCES) + "|";
        QCOMPARE(result.output, expected);
        QCOMPARE(readFile(path), oldText);
        QCOMPARE(entries(dir.path()), (QStringList{"belt.sc", "pipe"}));
    }

    void failedWriteLeavesTheExistingFile()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        writeFile(path, oldText);
        auto generator = generatedBelt(20000); // several megabytes
        // A file size limit makes writes fail part-way, as a full disk would.
        ChildResult const result = runInChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit const limit{64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
            std::atomic<int> progress{0};
            SaveResult const saved = saveBelt(*generator, path.toStdString(), progress);
            std::printf("%d %s", saved.ok, described(saved.error).c_str());
        });
        QCOMPARE(result.exitStatus, 0);
        QCOMPARE(result.output, "0 write \"" + path.toStdString() + "\": File too large");
        QCOMPARE(readFile(path), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
    }

    void devicesAreWrittenDirectly()
    {
        auto generator = generatedBelt(50);
        std::atomic<int> progress{0};
        SaveResult const full = saveBelt(*generator, "/dev/full", progress);
        QVERIFY(!full.ok);
        QCOMPARE(described(full.error),
                 std::string("write \"/dev/full\": No space left on device"));
        QVERIFY(S_ISCHR(modeOf("/dev/full")));

        SaveResult const null = saveBelt(*generator, "/dev/null", progress);
        QVERIFY2(null.ok, described(null.error).c_str());
        QVERIFY(S_ISCHR(modeOf("/dev/null"))); // never renamed over
    }

    void namedPipeIsWrittenDirectly()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("pipe");
        QCOMPARE(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        auto generator = generatedBelt(100);
        std::string received;
        std::thread reader([&] { received = readFile(path); });
        std::atomic<int> progress{0};
        SaveResult const result = saveBelt(*generator, path.toStdString(), progress);
        reader.join();
        QVERIFY2(result.ok, described(result.error).c_str());
        QCOMPARE(received, textOf(*generator));
        QVERIFY(S_ISFIFO(modeOf(path)));
        QCOMPARE(entries(dir.path()), QStringList{"pipe"});
    }

    void symbolicLinksAreFollowed()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("real");
        writeFile(dir.filePath("real/belt.sc"), oldText);
        QVERIFY(QFile::link("real/belt.sc", dir.filePath("link.sc")));
        QVERIFY(QFile::link("real/new.sc", dir.filePath("dangling.sc")));

        auto generator = generatedBelt(10);
        std::atomic<int> progress{0};
        QVERIFY(saveBelt(*generator, dir.filePath("link.sc").toStdString(), progress).ok);
        QVERIFY(S_ISLNK(modeOf(dir.filePath("link.sc"))));
        QCOMPARE(readFile(dir.filePath("real/belt.sc")), textOf(*generator));

        QVERIFY(saveBelt(*generator, dir.filePath("dangling.sc").toStdString(), progress).ok);
        QVERIFY(S_ISLNK(modeOf(dir.filePath("dangling.sc"))));
        QCOMPARE(readFile(dir.filePath("real/new.sc")), textOf(*generator));
        QCOMPARE(entries(dir.filePath("real")), (QStringList{"belt.sc", "new.sc"}));
    }

    void stopRequestKeepsTheExistingFile()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        writeFile(path, oldText);
        auto generator = generatedBelt(100);
        std::atomic<int> progress{100};
        std::atomic<bool> stop{true};
        SaveResult const result = saveBelt(*generator, path.toStdString(), progress, &stop);
        QVERIFY(!result.ok && result.stopped);
        QCOMPARE(readFile(path), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
        QCOMPARE(progress.load(), 100);
    }

    void openDescriptorIsWrittenAndKeptOpen()
    {
        QTemporaryDir dir;
        QString const path = dir.filePath("out.sc");
        int const fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "head\n", 5), ssize_t(5));
        auto generator = generatedBelt(30);
        std::atomic<int> progress{0};
        SaveResult const result = saveBelt(*generator, fd, "standard output", progress);
        QVERIFY2(result.ok, described(result.error).c_str());
        QCOMPARE(::write(fd, "tail\n", 5), ssize_t(5)); // still open
        ::close(fd);
        QCOMPARE(readFile(path), "head\n" + textOf(*generator) + "tail\n");
        QCOMPARE(progress.load(), 100);

        int const full = ::open("/dev/full", O_WRONLY);
        SaveResult const failed = saveBelt(*generator, full, "standard output", progress);
        ::close(full);
        QVERIFY(!failed.ok);
        QCOMPARE(described(failed.error),
                 std::string("write \"standard output\": No space left on device"));
    }

    // File systems without unnamed files take a named temporary file: both
    // ways keep the mode, take the longest names and leave nothing behind.
    void bothKindsOfTemporaryFile_data()
    {
        QTest::addColumn<bool>("unnamed");
        QTest::newRow("unnamed until complete") << true;
        QTest::newRow("named from the start") << false;
    }
    void bothKindsOfTemporaryFile()
    {
        QFETCH(bool, unnamed);
        CatalogueFile::setUnnamedTemporaries(unnamed);
        QTemporaryDir dir;
        QString const path = dir.filePath(QString(252, QChar('c')) + ".sc"); // 255 bytes
        writeFile(path, oldText);
        chmod(path.toLocal8Bit().constData(), 0640);
        auto generator = generatedBelt(200);
        std::atomic<int> progress{0};
        std::atomic<bool> stop{false};
        // Stopped once the text is complete, just before it would replace the
        // file: an unnamed text is not yet in the folder, a named one is.
        int entriesBeforeReplace = 0;
        SaveResult const stopped =
            saveBelt(*generator, path.toStdString(), progress, &stop, [&] {
                entriesBeforeReplace = entries(dir.path()).size();
                stop = true;
            });
        QVERIFY(stopped.stopped);
        QCOMPARE(entriesBeforeReplace, unnamed ? 1 : 2);
        QCOMPARE(readFile(path), oldText);
        QCOMPARE(entries(dir.path()).size(), 1);

        SaveResult const saved = saveBelt(*generator, path.toStdString(), progress);
        CatalogueFile::setUnnamedTemporaries(true);
        QVERIFY2(saved.ok, described(saved.error).c_str());
        QCOMPARE(readFile(path), textOf(*generator));
        QCOMPARE(modeOf(path) & 07777, mode_t(0640));
        QCOMPARE(entries(dir.path()), QStringList{QFileInfo(path).fileName()});
    }

    // A number the reader cannot take fails the save, in order, in blocks on
    // several threads, and while generating; the old file stays.
    void infiniteNumbersFailTheSave_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("whileGenerating");
        QTest::newRow("few bodies") << 3 << false;
        QTest::newRow("written in blocks") << 9000 << false;
        QTest::newRow("while generating") << 9000 << true;
    }
    void infiniteNumbersFailTheSave()
    {
        QFETCH(int, number);
        QFETCH(bool, whileGenerating);
        Settings settings(Settings::Vulcanoids); // every period infinite
        settings.number = std::uint32_t(number);
        settings.barycenter = true;
        settings.totalMass = 1e-300;
        settings.populations[0].innerRadius = settings.populations[0].outerRadius = 1e21;
        QTemporaryDir dir;
        QString const path = dir.filePath("belt.sc");
        writeFile(path, oldText);
        Generator generator(settings, 1);
        std::atomic<int> generated{0}, saved{0};
        SaveResult result;
        if (whileGenerating) {
            result = generateAndSave(generator, path.toStdString(), generated, saved);
        } else {
            generator.generate(generated);
            result = saveBelt(generator, path.toStdString(), saved);
        }
        QVERIFY(!result.ok && !result.stopped);
        QCOMPARE(int(result.error.step), int(SaveError::NotFinite));
        QCOMPARE(result.error.path, path.toStdString());
        QCOMPARE(readFile(path), oldText);
        QCOMPARE(entries(dir.path()), QStringList{"belt.sc"});
    }

    void emptyPathIsRefused()
    {
        auto generator = generatedBelt(1);
        std::atomic<int> progress{0};
        SaveResult const result = saveBelt(*generator, "", progress);
        QVERIFY(!result.ok && !result.stopped);
        QCOMPARE(int(result.error.step), int(SaveError::NoPath));
    }
};

QTEST_GUILESS_MAIN(SaveTest)
#include "tst_save.moc"

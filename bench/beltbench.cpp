// SPDX-License-Identifier: GPL-3.0-or-later
// Generating and saving a large belt: the core's writer against the
// straightforward one, in separate processes so each has its own peak memory;
// the core's durable save (synced before and after the rename) against the same
// save without the sync, beside what dd needs to put as many bytes on the disk.
//
//   beltbench [--number N] [--seed S] [--runs R] [--dir DIR]
//   beltbench job core|core-nosync|overlap|overlap-nosync|distributions|main-belt|
//                 main-belt-looks|reference|none FILE N SEED   (one measured job)
// "distributions" is overlap-nosync with every draw but the bell's chosen,
// "main-belt" the same with the main-belt example (Jupiter's gaps),
// "main-belt-looks" that with every look on.

#include "CorrectRounding.h"
#include "Examples.h"
#include "BeltRun.h"
#include "ReferenceWriter.h"
#include "Settings.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int runJob(std::string const &writer, std::string const &path, std::uint32_t number, unsigned seed)
{
    Settings settings(Settings::Vulcanoids);
    settings.number = number;
    if (writer == "distributions") {
        settings.populations[0].radiusDistribution = Settings::RadiusDistribution::PowerLaw;
        settings.populations[0].eccentricityDistribution = Settings::SpreadDistribution::Rayleigh;
        settings.populations[0].eccentricityMode = 0.0003;
        settings.populations[0].inclinationDistribution = Settings::SpreadDistribution::Rayleigh;
        settings.populations[0].inclinationMode = 3;
        settings.populations[0].semiMajorAxisDistribution = Settings::SemiMajorAxisDistribution::SurfaceDensity;
        settings.populations[0].meanAnomalyDistribution = Settings::MeanAnomalyDistribution::Uniform;
    }
    if (writer == "populations") {
        // The same belt as five populations of a fifth each: the same draws.
        settings.populations.resize(5, settings.populations[0]);
        for (Population &population : settings.populations)
            population.share = 20;
    }
    if (writer == "main-belt" || writer == "main-belt-looks") {
        settings = std::get<Recipe>(exampleRecipe(*findExample("main-belt"))).forRun();
        settings.number = number;
    }
    // The example carries looks: without them in any population for the
    // main-belt row, every one of them in every population for the looks row.
    if (writer == "main-belt")
        for (Population &population : settings.populations)
            population.looks = Looks{};
    if (writer == "main-belt-looks") {
        for (Population &population : settings.populations) {
            Looks &looks = population.looks;
            looks.composition = Looks::Composition::MainBelt;
            looks.shapes = Looks::Shapes::Ellipsoids;
            looks.spins = Looks::Spins::BySize;
            looks.spinAxes = Looks::SpinAxes::YorpClustered;
            looks.textures = "grey.png*3; dark.png";
        }
    }
    std::atomic<int> progress{0};

    auto start = Clock::now();
    Generator generator(settings, seed);
    if (writer == "overlap" || writer == "overlap-nosync" || writer == "distributions" ||
        writer == "main-belt" || writer == "main-belt-looks" || writer == "populations") {
        // As beltwright-cli saves: written while it is generated.
        CatalogueFile::setSyncing(writer == "overlap");
        std::atomic<int> saved{0};
        SaveResult const result = generateAndSave(generator, path, progress, saved);
        double const seconds = secondsSince(start);
        if (!result.ok)
            std::fprintf(stderr, "beltbench: %s %s: %s\n", saveStepName(result.error.step),
                         result.error.path.c_str(), std::strerror(result.error.code));
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        // Generating and saving overlap: the whole time counts as saving.
        std::printf("%.6f %.6f %ld %llu %llu\n", 0.0, seconds, usage.ru_maxrss,
                    static_cast<unsigned long long>(CorrectRounding::preciseCount()),
                    static_cast<unsigned long long>(CorrectRounding::fallbackCount()));
        return result.ok ? 0 : 1;
    }
    generator.generate(progress);
    double const generateSeconds = secondsSince(start);

    start = Clock::now();
    bool ok;
    if (writer == "none") {
        ok = true; // generation alone, for profiling
    } else if (writer == "reference") {
        ok = writeReference(generator, path);
    } else {
        // The plain writer never syncs; the core is compared with it unsynced.
        CatalogueFile::setSyncing(writer != "core-nosync");
        SaveResult const result = saveBelt(generator, path, progress);
        ok = result.ok;
        if (!ok)
            std::fprintf(stderr, "beltbench: %s %s: %s\n", saveStepName(result.error.step),
                         result.error.path.c_str(), std::strerror(result.error.code));
    }
    double const saveSeconds = secondsSince(start);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.6f %.6f %ld %llu %llu\n", generateSeconds, saveSeconds, usage.ru_maxrss,
                static_cast<unsigned long long>(CorrectRounding::preciseCount()),
                static_cast<unsigned long long>(CorrectRounding::fallbackCount()));
    return ok ? 0 : 1;
}

struct Sample {
    double generate = 0, save = 0;
    long peakKiB = 0;
    // Logarithms that needed the double-double evaluation, and MPFR.
    unsigned long long precise = 0, fallbacks = 0;
    double process = 0; // from the fork to the exit, as a user waits for it
};

bool spawnJob(std::string const &writer, std::string const &path, std::uint32_t number,
              unsigned seed, Sample &sample)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    auto const start = Clock::now();
    pid_t const pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        std::string const n = std::to_string(number), s = std::to_string(seed);
        execl("/proc/self/exe", "beltbench", "job", writer.c_str(), path.c_str(), n.c_str(),
              s.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char text[256] = {};
    ssize_t const got = read(pipeEnds[0], text, sizeof text - 1);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    sample.process = secondsSince(start);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    return std::sscanf(text, "%lf %lf %ld %llu %llu", &sample.generate, &sample.save,
                       &sample.peakKiB, &sample.precise, &sample.fallbacks) == 5;
}

#ifdef BELTWRIGHT_CLI
// Seconds from the start of beltwright-cli to its exit, saving durably as a
// user's run does.
double timeCommandLine(std::string const &path, std::uint32_t number, unsigned seed)
{
    std::string const n = std::to_string(number), s = std::to_string(seed);
    auto const start = Clock::now();
    pid_t const pid = fork();
    if (pid == 0) {
        execl(BELTWRIGHT_CLI, "beltwright-cli", "--preset", "vulcanoids", "--number", n.c_str(),
              "--seed", s.c_str(), "--quiet", "-o", path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    double const seconds = secondsSince(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}
#endif

// Seconds that dd takes to write and sync the given number of MiB into path.
double timeDiskWrite(std::string const &path, std::uint64_t mebibytes)
{
    std::string const output = "of=" + path, count = "count=" + std::to_string(mebibytes);
    auto const start = Clock::now();
    pid_t const pid = fork();
    if (pid == 0) {
        execlp("dd", "dd", "if=/dev/zero", output.c_str(), "bs=1M", count.c_str(), "conv=fsync",
               "status=none", static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    double const seconds = secondsSince(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

std::uint64_t fileSize(std::string const &path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? std::uint64_t(st.st_size) : 0;
}

double minimum(std::vector<double> v)
{
    return *std::min_element(v.begin(), v.end());
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    std::size_t const n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

bool sameBytes(std::string const &a, std::string const &b)
{
    std::ifstream left(a, std::ios::binary), right(b, std::ios::binary);
    std::vector<char> x(1 << 20), y(1 << 20);
    while (left && right) {
        left.read(x.data(), std::streamsize(x.size()));
        right.read(y.data(), std::streamsize(y.size()));
        if (left.gcount() != right.gcount() ||
            std::memcmp(x.data(), y.data(), std::size_t(left.gcount())) != 0)
            return false;
    }
    return left.eof() && right.eof();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 6 && std::strcmp(argv[1], "job") == 0)
        return runJob(argv[2], argv[3], std::uint32_t(std::strtoul(argv[4], nullptr, 10)),
                      unsigned(std::strtoul(argv[5], nullptr, 10)));

    std::uint32_t number = 1000000;
    unsigned seed = 5489;
    int runs = 5;
    std::string dir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string const option = argv[i];
        if (option == "--number")
            number = std::uint32_t(std::strtoul(argv[i + 1], nullptr, 10));
        else if (option == "--seed")
            seed = unsigned(std::strtoul(argv[i + 1], nullptr, 10));
        else if (option == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--dir")
            dir = argv[i + 1];
    }

    std::string const corePath = dir + "/beltbench-core.sc";
    std::string const unsyncedPath = dir + "/beltbench-nosync.sc";
    std::string const referencePath = dir + "/beltbench-reference.sc";
    std::string const ddPath = dir + "/beltbench-dd";
    std::vector<double> coreGenerate, coreSave, coreJob, refGenerate, refSave, refJob;
    std::vector<double> durableJob, overlappedJob, ddSeconds, coreProcess, refProcess, cliProcess;
    std::vector<double> shapedProcess; // every distribution but the bell's
    std::vector<double> mainBeltProcess; // the main-belt example
    std::vector<double> looksProcess;    // the same with every look on
    std::vector<double> populationsProcess; // five populations of a fifth each
    long populationsPeak = 0;
    long corePeak = 0, refPeak = 0;
    unsigned long long precise = 0, fallbacks = 0;
    std::uint64_t bytes = 0;
    std::printf("Vulcanoids, %u bodies, seed %u, %d runs each, %ld cores, files in %s\n", number,
                seed, runs, sysconf(_SC_NPROCESSORS_ONLN), dir.c_str());
    for (int run = 0; run < runs; ++run) {
        Sample core, unsynced, overlapped, shaped, mainBelt, looks, populations, reference;
        // Each job starts with no file of its own and no dirty pages of the
        // previous one, so that neither pays for freeing or flushing the
        // other's output. They alternate so that drifting load hits all.
        auto fresh = [](std::string const &path) {
            std::remove(path.c_str());
            sync();
        };
        fresh(referencePath);
        bool ok = spawnJob("reference", referencePath, number, seed, reference);
        fresh(unsyncedPath);
        ok = ok && spawnJob("core-nosync", unsyncedPath, number, seed, unsynced);
        fresh(unsyncedPath);
        ok = ok && spawnJob("overlap-nosync", unsyncedPath, number, seed, overlapped);
        fresh(unsyncedPath);
        ok = ok && spawnJob("distributions", unsyncedPath, number, seed, shaped);
        fresh(unsyncedPath);
        ok = ok && spawnJob("main-belt", unsyncedPath, number, seed, mainBelt);
        fresh(unsyncedPath);
        ok = ok && spawnJob("main-belt-looks", unsyncedPath, number, seed, looks);
        fresh(unsyncedPath);
        ok = ok && spawnJob("populations", unsyncedPath, number, seed, populations);
        std::remove(unsyncedPath.c_str());
        fresh(corePath);
        ok = ok && spawnJob("overlap", corePath, number, seed, core);
        if (!ok) {
            std::fprintf(stderr, "beltbench: a job failed\n");
            return 1;
        }
        // The same number of bytes, rounded up to whole MiB, through dd.
        bytes = fileSize(corePath);
        fresh(ddPath);
        double const dd = timeDiskWrite(ddPath, (bytes + (1 << 20) - 1) >> 20);
        std::remove(ddPath.c_str());
        if (dd < 0) {
            std::fprintf(stderr, "beltbench: dd failed\n");
            return 1;
        }
        ddSeconds.push_back(dd);
#ifdef BELTWRIGHT_CLI
        fresh(corePath);
        double const cli = timeCommandLine(corePath, number, seed);
        if (cli < 0) {
            std::fprintf(stderr, "beltbench: beltwright-cli failed\n");
            return 1;
        }
        cliProcess.push_back(cli);
#endif
        coreProcess.push_back(overlapped.process);
        shapedProcess.push_back(shaped.process);
        mainBeltProcess.push_back(mainBelt.process);
        looksProcess.push_back(looks.process);
        populationsProcess.push_back(populations.process);
        populationsPeak = std::max(populationsPeak, populations.peakKiB);
        refProcess.push_back(reference.process);
        coreGenerate.push_back(unsynced.generate);
        coreSave.push_back(unsynced.save);
        coreJob.push_back(unsynced.generate + unsynced.save);
        durableJob.push_back(core.save);
        overlappedJob.push_back(overlapped.save);
        refGenerate.push_back(reference.generate);
        refSave.push_back(reference.save);
        refJob.push_back(reference.generate + reference.save);
        corePeak = std::max({corePeak, unsynced.peakKiB, overlapped.peakKiB, core.peakKiB});
        precise = unsynced.precise;
        fallbacks = unsynced.fallbacks;
        refPeak = std::max(refPeak, reference.peakKiB);
    }

    std::printf("\nWithout the sync on both sides:\n");
    std::printf("%-22s %12s %12s %12s %12s\n", "seconds", "core min", "core median", "plain min",
                "plain median");
    auto row = [](char const *name, std::vector<double> const &core,
                  std::vector<double> const &plain) {
        std::printf("%-22s %12.3f %12.3f %12.3f %12.3f\n", name, minimum(core), median(core),
                    minimum(plain), median(plain));
    };
    row("generate", coreGenerate, refGenerate);
    row("save", coreSave, refSave);
    row("whole job", coreJob, refJob);
    // The core as beltwright-cli runs it, saving while it generates.
    row("overlapped, in process", overlappedJob, refJob);
    row("overlapped, start→exit", coreProcess, refProcess);
    std::printf("%-22s %12.1f %12s %12.1f\n", "peak resident MiB", corePeak / 1024.0, "",
                refPeak / 1024.0);

    std::printf("\nThe same belt with every distribution but the bell's (power-law sizes, "
                "Rayleigh e and i, surface density, mean anomalies):\n");
    std::printf("%-22s %12s %12s\n", "seconds", "min", "median");
    std::printf("%-22s %12.3f %12.3f\n", "bell, start→exit", minimum(coreProcess),
                median(coreProcess));
    std::printf("%-22s %12.3f %12.3f\n", "shaped, start→exit", minimum(shapedProcess),
                median(shapedProcess));
    std::printf("%-22s %12.3f %12.3f\n", "main belt, start→exit", minimum(mainBeltProcess),
                median(mainBeltProcess));
    std::printf("%-22s %12.3f %12.3f   %.2fx the main belt's median\n",
                "main belt, looks", minimum(looksProcess), median(looksProcess),
                median(looksProcess) / median(mainBeltProcess));
    std::printf("%-22s %12.3f %12.3f   %.2fx the bell's median (target at most 1.1x), peak "
                "%.1f MiB\n",
                "5 populations, start→exit", minimum(populationsProcess),
                median(populationsProcess), median(populationsProcess) / median(coreProcess),
                populationsPeak / 1024.0);

    std::printf("\nThe core's durable save, %.1f MiB, saving while it generates:\n",
                double(bytes) / (1 << 20));
    std::printf("%-22s %12s %12s\n", "seconds", "min", "median");
    auto single = [](char const *name, std::vector<double> const &v) {
        std::printf("%-22s %12.3f %12.3f\n", name, minimum(v), median(v));
    };
    single("whole job, synced", durableJob);
    single("whole job, not synced", overlappedJob);
    single("dd bs=1M conv=fsync", ddSeconds);
    if (!cliProcess.empty())
        single("beltwright-cli, synced", cliProcess);

    double const jobRatio = median(refJob) / median(coreJob);
    double const processRatio = median(refProcess) / median(coreProcess);
    double const saveRatio = median(refSave) / median(coreSave);
    double const memoryRatio = double(corePeak) / double(refPeak);
    double const syncCost = median(durableJob) / median(overlappedJob);
    bool const identical = sameBytes(corePath, referencePath);
    std::printf("\nwhole job   %.2fx faster (target at least 5x)   %s\n", jobRatio,
                jobRatio >= 5 ? "met" : "NOT MET");
    std::printf("start→exit  %.2fx faster, overlapped (target at least 5x)   %s\n", processRatio,
                processRatio >= 5 ? "met" : "NOT MET");
    std::printf("save        %.2fx faster (target at least 6x)   %s\n", saveRatio,
                saveRatio >= 6 ? "met" : "NOT MET");
    std::printf("peak memory %+.1f %% (target at most +10 %%)     %s\n", (memoryRatio - 1) * 100,
                memoryRatio <= 1.10 ? "met" : "NOT MET");
    std::printf("durable job %.2fx the job without sync (target at most 1.25x)   %s\n", syncCost,
                syncCost <= 1.25 ? "met" : "NOT MET");
    double const shapedRatio = median(shapedProcess) / median(coreProcess);
    std::printf("distributions %.2fx the bell's belt, start→exit (target at most 1.15x)   %s\n",
                shapedRatio, shapedRatio <= 1.15 ? "met" : "NOT MET");
    double const mainBeltRatio = median(mainBeltProcess) / median(coreProcess);
    std::printf("main belt   %.2fx the bell's belt, start→exit (target at most 1.25x)   %s\n",
                mainBeltRatio, mainBeltRatio <= 1.25 ? "met" : "NOT MET");
    double const looksRatio = median(looksProcess) / median(mainBeltProcess);
    std::printf("looks       %.2fx the main belt without looks, start→exit (target at most "
                "1.25x)   %s\n",
                looksRatio, looksRatio <= 1.25 ? "met" : "NOT MET");
    std::printf("catalogues  %s\n", identical ? "byte-identical" : "DIFFER");
    std::printf("logarithms  %llu settled in double-double, %llu in multiple precision\n", precise,
                fallbacks);
    std::remove(corePath.c_str());
    std::remove(referencePath.c_str());
    return identical ? 0 : 1;
}

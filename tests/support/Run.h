// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a built program as users do and keeps what it said and how it ended.

#include <QByteArray>
#include <QDebug>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Run {
    int exitCode = -1;     // -1 unless the program ended by itself
    bool crashed = false;  // it did not start, did not end in time, or was ended by a signal
    bool timedOut = false; // it was still running at the deadline, and was killed
    QByteArray out;
    QByteArray err;
};

// Our programs' streams are the test's pipes, so on Windows they start
// without a console of their own: under wine each such console is a host
// process of its own, and when that host ends early under load, wine kills
// the program with it ("Process failed to start: Internal error") or leaves
// it waiting on the console.
inline void withoutConsole(QProcess &process)
{
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        constexpr unsigned long detachedProcess = 0x00000008; // DETACHED_PROCESS
        constexpr unsigned long createNoWindow = 0x08000000;  // CREATE_NO_WINDOW
        arguments->flags = (arguments->flags & ~createNoWindow) | detachedProcess;
    });
#else
    Q_UNUSED(process);
#endif
}

// An empty working directory or environment leaves the test's own; a save
// under wine takes its time.
inline Run runProgram(QString const &program, QStringList const &arguments,
                      QString const &workingDirectory = {},
                      QProcessEnvironment const &environment = {}, int timeoutMs = 120000)
{
    QProcess process;
    withoutConsole(process);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    // A run that ends abnormally says how in the test's log, which otherwise
    // shows only an exit code of -1.
    auto report = [&](char const *what, Run const &run) {
        qWarning().noquote() << "runProgram:" << program << arguments.join(' ') << what
                             << "after" << timer.elapsed() << "ms; error" << process.error()
                             << process.errorString() << "; exit code" << Qt::hex
                             << process.exitCode() << "; stderr:" << run.err;
    };
    timer.start();
    process.start(program, arguments);
    Run run;
    if (!process.waitForStarted()) {
        run.crashed = true;
        report("did not start", run);
        return run;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.crashed = run.timedOut = true;
        run.err = process.readAllStandardError();
        report("did not end in time", run);
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    if (!run.crashed)
        run.exitCode = process.exitCode();
    else
        report("crashed", run);
    return run;
}

#ifdef BELTWRIGHT_CLI
inline Run runCli(QStringList const &arguments, QString const &workingDirectory = {})
{
    return runProgram(QStringLiteral(BELTWRIGHT_CLI), arguments, workingDirectory);
}
#endif

// Runs a program as a child process and reports its exit status, wall time and peak resident memory.
//
// A process made by fork or posix_spawn counts its parent's resident memory in its own peak until it
// execs (Linux carries the old address space's high-water mark into ru_maxrss), so a child started
// straight from a benchmark that holds decoded photos reports the benchmark's memory. The program is
// therefore started by a probe: a fresh copy of the benchmark program (`--child-probe`, handled by
// RunChildProbe before anything else in main), small when it forks, which measures the child and prints
// the figures.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ChildRun
{
    int status = -1; // the exit status; 128 + the signal when it was killed
    double seconds = 0;
    double peakMiB = 0;
};

// In a probe (argv: this program, --child-probe, the program, its arguments) runs the program with its
// output dropped, prints "status peak_KiB nanoseconds" and returns the probe's exit code; otherwise
// returns nothing. Call it first in main, before the benchmark builds anything.
inline std::optional<int> RunChildProbe(int argc, char **argv)
{
    if (argc < 3 || std::strcmp(argv[1], "--child-probe") != 0)
        return std::nullopt;
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, STDOUT_FILENO);
        ::dup2(devnull, STDERR_FILENO);
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return 1;
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("%d %ld %lld\n", code, usage.ru_maxrss, static_cast<long long>(clock.nsecsElapsed()));
    return 0;
}

// Runs `program` with `arguments` through a probe; status -1 when the probe itself failed.
inline ChildRun RunChild(const QString &program, const QStringList &arguments)
{
    QProcess probe;
    probe.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--child-probe"), program} + arguments);
    ChildRun run;
    if (!probe.waitForFinished(-1) || probe.exitCode() != 0)
        return run;
    const QList<QByteArray> figures = probe.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 3)
        return run;
    run.status = figures[0].toInt();
    run.peakMiB = figures[1].toDouble() / 1024; // ru_maxrss is in KiB
    run.seconds = figures[2].toDouble() / 1e9;
    return run;
}

// The program under measurement, built beside the benchmarks.
inline QString VelmoraProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../velmora");
}

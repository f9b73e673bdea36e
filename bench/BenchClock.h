#pragma once

// What the benchmarks measure with: process time (the CPU this process, or its
// children, spent), wall time, peak memory, and the floor every figure is read
// against: the time of copying the bytes that the work produced.
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

extern char **environ;

namespace Bench {

// CPU seconds (user and system) of this process so far.
inline double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The largest resident size of this process so far, in MiB.
inline double PeakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// What a program run as a child took: its CPU seconds and its own peak memory.
struct ChildFigures {
    int exitCode = -1;
    double seconds = 0;
    double peakMiB = 0;
};

// A child forked from a large process counts that process's memory as its own
// peak until it starts its program, so a program is measured from a fresh copy
// of the benchmark that does nothing else: main() begins with
//     if (Bench::IsChildRunner(argc, argv)) return Bench::RunChild(argv);
constexpr const char *kRunChild = "--run-child";
inline bool IsChildRunner(int argc, char **argv)
{
    return argc > 2 && std::strcmp(argv[1], kRunChild) == 0;
}

// Runs argv[2] with the arguments after it and prints what it took on the last line.
inline int RunChild(char **argv)
{
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0)
        return 127;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return 127;
    const double seconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("\n%d %.6f %ld\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1, seconds, usage.ru_maxrss);
    return 0;
}

// Runs a program through the benchmark's own RunChild.
inline ChildFigures MeasureChild(const QString &self, const QString &program, const QStringList &arguments,
                                 const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(self, QStringList{QString::fromLatin1(kRunChild), program} + arguments);
    process.waitForFinished(-1);
    const QList<QByteArray> figures = process.readAllStandardOutput().trimmed().split('\n').last().split(' ');
    ChildFigures result;
    if (figures.size() == 3) {
        result.exitCode = figures[0].toInt();
        result.seconds = figures[1].toDouble();
        result.peakMiB = figures[2].toDouble() / 1024.0;
    }
    return result;
}

// The floor: the process time of copying these files to copies beside them (read
// whole, written whole), as cp does. Returns the bytes copied through total.
inline double CopyFloorSeconds(const QStringList &paths, qint64 *total = nullptr)
{
    const double start = ProcessSeconds();
    qint64 bytes = 0;
    for (const QString &path : paths) {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = in.readAll();
        QFile out(path + QStringLiteral(".copy"));
        if (out.open(QIODevice::WriteOnly))
            out.write(data);
        bytes += data.size();
    }
    const double seconds = ProcessSeconds() - start;
    for (const QString &path : paths)
        QFile::remove(path + QStringLiteral(".copy"));
    if (total)
        *total = bytes;
    return seconds;
}

// The total size of these files in bytes.
inline qint64 TotalBytes(const QStringList &paths)
{
    qint64 bytes = 0;
    for (const QString &path : paths)
        bytes += QFile(path).size();
    return bytes;
}

} // namespace Bench

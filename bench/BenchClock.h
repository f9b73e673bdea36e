#pragma once

// What the benchmarks measure with: process time (the CPU this process, or its
// children, spent), wall time, peak memory, and the floor every figure is read
// against: the time of copying the bytes that the work produced.
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <sys/resource.h>
#include <time.h>

namespace Bench {

// CPU seconds (user and system) of this process so far.
inline double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// CPU seconds of the children this process has waited for so far.
inline double ChildrenSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The largest resident size of this process, or of its largest waited-for
// child, in MiB.
inline double PeakMiB(bool children = false)
{
    rusage usage{};
    getrusage(children ? RUSAGE_CHILDREN : RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
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

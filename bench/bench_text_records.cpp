// Reading text records: ordinary sites and the hostile files a user can make by
// accident (a file of nothing but commas). Prints time and the peak memory so far.
#include "files/TextRecords.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void Measure(const char *what, const QString &path, int fields)
{
    QElapsedTimer timer;
    timer.start();
    const TextRecords read = ReadTextRecords(path, fields);
    const qint64 ms = timer.elapsed();
    std::printf("%-52s %6lld ms  %8lld records  peak %5ld MB  %s\n", what, ms, qlonglong(read.records.size()),
                PeakMegabytes(), read.outcome ? "read" : qPrintable(read.outcome.reason().section(": ", -1)));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // Smallest peaks first: the figure printed is the process's peak so far.
    const QString commas = dir.filePath(QStringLiteral("commas.csv"));
    if (!Write(commas, QByteArray(kMaxTextFileBytes - 1, ',')))
        return 1;
    Measure("16 MB of commas, records of 2 fields (refused)", commas, 2);
    Measure("16 MB of commas, records of 10 fields (refused)", commas, 10);

    const QString names = dir.filePath(QStringLiteral("names.csv"));
    {
        QByteArray bytes;
        for (int i = 0; i < 100000; ++i)
            bytes += QByteArray::number(20000 + i) + ",\"Handset user " + QByteArray::number(i) + "\"\r\n";
        if (!Write(names, bytes))
            return 1;
    }
    Measure("100,000 names", names, 2);

    const QString most = dir.filePath(QStringLiteral("most.csv"));
    if (!Write(most, QByteArray(2 * kMaxTextRecords, ',')))
        return 1;
    Measure("1,048,576 records of 2 empty fields (the most read)", most, 2);
    return 0;
}

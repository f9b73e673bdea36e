// Writes and reads back large workbooks and prints how long each takes, and how
// much memory the process took at most.
//
// An Excel 97-2003 sheet holds at most 65,536 rows, so a table of 100,000 rows by
// 6 columns cannot be one .xls sheet: the benchmark writes the largest sheet there
// is (65,536 rows by 6 columns), then the same 600,000 cells as 60,000 rows by 10
// columns, and shows that 100,000 rows are refused at once. .xlsx and .ods take
// the 100,000 rows by 6 columns.

#include "BenchClock.h"

#include "files/workbook/Workbook.h"
#include "grid/GridTable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Site data: distinct extensions and names, repeated command codes, some empty
// cells, a few non-Latin names.
GridTable SiteGrid(int rows, int columns)
{
    QString format;
    for (int c = 0; c < columns; ++c)
        format += QStringLiteral("Column %1|").arg(c + 1);
    GridTable grid(format);
    grid.setRows(rows);
    for (int r = 1; r < rows - 1; ++r) {
        for (int c = 0; c < columns; ++c) {
            QString text;
            switch (c % 6) {
            case 0:
                text = QStringLiteral("%1").arg(r, 6, 10, QLatin1Char('0'));
                break;
            case 1:
                text = QStringLiteral("770");
                break;
            case 2:
                text = r % 7 ? QStringLiteral("Name %1").arg(r) : QStringLiteral("Ωμέγα %1").arg(r);
                break;
            case 3:
                text = QString::number(r * 31 % 1000, 16).toUpper();
                break;
            case 4:
                text = r % 3 ? QString() : QStringLiteral("text");
                break;
            default:
                text = QStringLiteral("=%1,%2").arg(r).arg(c);
                break;
            }
            grid.setTextAt(r, c, text);
        }
    }
    return grid;
}

// The most memory the process has held so far, in MB (VmHWM).
long PeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    return -1;
}

void Measure(const char *title, int rows, int columns, const char *fileName = "bench.xls")
{
    const GridTable grid = SiteGrid(rows, columns);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(fileName));
    qint64 bestWrite = -1, bestRead = -1;
    // CPU time too: on a machine shared with other work the wall time says little.
    double writeCpu = -1, readCpu = -1;
    qsizetype records = 0;
    QString failure;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        double cpu = Bench::ProcessSeconds();
        const Outcome written = WriteWorkbook(grid, path, WorkbookLayout{0, -1, columns, {}});
        const qint64 writeMs = timer.elapsed();
        const double writeSeconds = Bench::ProcessSeconds() - cpu;
        if (!written) {
            failure = written.reason();
            bestWrite = writeMs;
            break;
        }
        timer.restart();
        cpu = Bench::ProcessSeconds();
        const WorkbookRecords read = ReadWorkbookRecords(path, QStringLiteral("Sheet1$"));
        const qint64 readMs = timer.elapsed();
        const double readSeconds = Bench::ProcessSeconds() - cpu;
        if (!read.ok()) {
            failure = read.reason;
            break;
        }
        records = read.records.size();
        bestWrite = bestWrite < 0 ? writeMs : std::min(bestWrite, writeMs);
        bestRead = bestRead < 0 ? readMs : std::min(bestRead, readMs);
        writeCpu = writeCpu < 0 ? writeSeconds : std::min(writeCpu, writeSeconds);
        readCpu = readCpu < 0 ? readSeconds : std::min(readCpu, readSeconds);
    }
    if (!failure.isEmpty()) {
        std::printf("%-34s refused in %lld ms: %s\n", title, bestWrite, qPrintable(failure));
        return;
    }
    std::printf("%-34s write %5lld ms (CPU %4.0f), read %5lld ms (CPU %4.0f), %lld records, file %.1f MB, peak "
                "memory %ld MB\n",
                title, bestWrite, writeCpu * 1000, bestRead, readCpu * 1000, static_cast<long long>(records),
                QFileInfo(path).size() / 1048576.0, PeakMegabytes());
}

} // namespace

// With an argument (xls, xlsx or ods), only the measures of that format.
int main(int argc, char **argv)
{
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (only.isEmpty() || only == "xls") {
        Measure("65,536 rows x 6 columns", 65536, 6);
        Measure("60,000 rows x 10 columns", 60000, 10);
        Measure("100,000 rows x 6 columns", 100000, 6);
    }
    if (only.isEmpty() || only == "xlsx")
        Measure(".xlsx 100,000 rows x 6 columns", 100000, 6, "bench.xlsx");
    if (only.isEmpty() || only == "ods")
        Measure(".ods 100,000 rows x 6 columns", 100000, 6, "bench.ods");
    return 0;
}

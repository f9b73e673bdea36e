// Importing and exporting 100,000 names with the Name Assigner, in process time,
// each beside the floor: the time of copying the bytes read or written.
#include "BenchClock.h"
#include "BenchPrompter.h"
#include "cli/NoPrinter.h"
#include "nameassign/NameAssigner.h"
#include "platform/Printer.h"
#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int kNames = 100000;
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("names.csv"));
    {
        QByteArray bytes;
        for (int i = 0; i < kNames; ++i)
            bytes += QByteArray::number(20000 + i) + ",\"Handset user " + QByteArray::number(i) + "\"\r\n";
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    BenchPrompter prompter(true);
    NoPrinter printer;
    NameAssigner tool(prompter, printer);
    double importSeconds = Bench::ProcessSeconds();
    if (tool.importFrom(input) != NameAssigner::ImportResult::Imported)
        return 1;
    importSeconds = Bench::ProcessSeconds() - importSeconds;

    const QString output = dir.filePath(QStringLiteral("out.csv"));
    tool.setExportTarget(output);
    double exportSeconds = Bench::ProcessSeconds();
    if (!tool.exportNow())
        return 1;
    exportSeconds = Bench::ProcessSeconds() - exportSeconds;

    const double inputFloor = Bench::CopyFloorSeconds({input});
    const double outputFloor = Bench::CopyFloorSeconds({output});
    std::printf("import of %d names: %.3f s (%d rows; copying the %.1f MB input takes %.3f s, %.0fx)\n", kNames,
                importSeconds, tool.input().rows() - 1, double(Bench::TotalBytes({input})) / 1e6, inputFloor,
                inputFloor > 0 ? importSeconds / inputFloor : 0.0);
    std::printf("export of %d output rows: %.3f s (copying the %.1f MB output takes %.3f s, %.0fx)\n", kNames,
                exportSeconds, double(Bench::TotalBytes({output})) / 1e6, outputFloor,
                outputFloor > 0 ? exportSeconds / outputFloor : 0.0);
    std::printf("peak memory: %.1f MiB\n", Bench::PeakMiB());
    return 0;
}

// Times the Version 6.0 compile of a generated site: 20,000 handsets spread over
// every handset type, compiled through the shipped templates, with pickup groups
// and personal speed dials. Prints the compile in memory (as RE-COMPILE does in
// the window), halvoran-cli compile of the same site as a file, the output size
// and the memory, each beside the floor: the time of copying the output bytes.
#include "BenchClock.h"
#include "BenchPrompter.h"
#include "grid/GridTable.h"
#include "platform/Prompter.h"
#include "store/DefaultContent.h"
#include "store/ScriptStore.h"
#include "version6/compile/CompileTexts.h"
#include "version6/compile/Compiler.h"
#include "version6/compile/OutputExport.h"
#include "version6/compile/SpeedDialStart.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetColumns.h"
#include "version6/entry/HandsetFiles.h"
#include "version6/tool/Version6Tool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Resident and peak resident memory of this process, in MiB.
double memoryMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void loadShippedTemplates(TemplateSet &templates)
{
    for (const DefaultContent::Table &table : DefaultContent::tables())
        for (int tab = 0; tab < TemplateSet::kCount; ++tab)
            if (table.isTemplate && table.name == ScriptStore::versionSixTemplate(tab))
                TemplateSet::loadTemplate(templates.grid(tab), table.templateRows);
}

// Every 40th handset has ten speed dials (the PABX holds 999 blocks); most
// are in one of the 99 pickup groups.
GridTable siteGrid(const QStringList &types, int handsetCount)
{
    GridTable handsets(HandsetColumns::kHeader);
    GridTable::Batch batch(handsets);
    for (int i = 0; i < handsetCount; ++i) {
        const QString len =
            QStringLiteral("%1%2").arg(i / 128 % 100, 2, 10, QLatin1Char('0')).arg(i % 128, 3, 10, QLatin1Char('0'));
        QStringList row = HandsetColumns::NewRow(len, QString::number(10000 + i), types[i % types.size()]);
        row[HandsetColumns::SpeedDials] = i % 40 == 0 ? QStringLiteral("10") : QString();
        row[HandsetColumns::PickupVip] = i % 7 == 0 ? QString() : QString::number(1 + i % 99);
        handsets.appendRow(row);
    }
    return handsets;
}

const char *const kOutputFiles[] = {"handset-data", "pickup-groups", "personal-speed-dials", "master-output"};

// The outputs of an in-memory compile written as halvoran-cli writes them; their paths.
QStringList writeOutputs(const OutputGrids &outputs, const QString &folder)
{
    QStringList paths;
    for (int i = 0; i < OutputGrids::Count; ++i) {
        paths.append(folder + QLatin1Char('/') + QLatin1String(kOutputFiles[i]) + QStringLiteral(".csv"));
        Version6Export::WriteOutputGrid(outputs.grid(i), paths.last(), QStringLiteral("CSV"), {});
    }
    return paths;
}

void printFigure(const char *what, double seconds, double floor)
{
    std::printf("  %-34s %7.3f s  (%.0fx the copy floor)\n", what, seconds, floor > 0 ? seconds / floor : 0.0);
}

} // namespace

// bench_compile [HANDSETS [FOLDER]]
int main(int argc, char *argv[])
{
    if (Bench::IsChildRunner(argc, argv))
        return Bench::RunChild(argv);
    QCoreApplication app(argc, argv);
    const int handsetCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;

    TemplateSet templates;
    loadShippedTemplates(templates);
    const GridTable handsets = siteGrid(templates.handsetTypes(), handsetCount);

    BenchPrompter prompter;
    SpeedDialStart start(prompter);
    OutputGrids outputs;
    const double rssBefore = memoryMiB("VmRSS:");

    // The window's throttle: a look at the clock per report.
    QElapsedTimer throttle;
    throttle.start();
    qint64 reports = 0, repaints = 0, lastRepaint = 0;
    const auto progress = [&](const CompileProgress &) {
        ++reports;
        if (throttle.elapsed() - lastRepaint >= 30) {
            lastRepaint = throttle.elapsed();
            ++repaints;
        }
    };
    // The first compile fills empty outputs; RE-COMPILE replaces full ones.
    double compileSeconds = Bench::ProcessSeconds();
    CompileResult result = CompileOutput(handsets, templates, start, outputs, prompter, {}, progress);
    compileSeconds = Bench::ProcessSeconds() - compileSeconds;
    const double rssAfter = memoryMiB("VmRSS:");
    start.setText(QStringLiteral("000"));
    reports = repaints = 0;
    double recompileSeconds = Bench::ProcessSeconds();
    result = CompileOutput(handsets, templates, start, outputs, prompter, {}, progress);
    recompileSeconds = Bench::ProcessSeconds() - recompileSeconds;

    qint64 cells = 0;
    for (int i = 0; i < OutputGrids::Count; ++i)
        cells += qint64(outputs.grid(i).rows()) * outputs.grid(i).cols();

    // The same site through halvoran-cli, in a folder of its own (its store is
    // created with the shipped templates).
    // A second argument names a folder that keeps the site and its outputs, to
    // profile or compare them.
    QTemporaryDir temporary;
    const QDir dir(argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path());
    dir.mkpath(QStringLiteral("."));
    const QString site = dir.filePath(QStringLiteral("site.csv"));
    HandsetFiles::Write(handsets, site, QStringLiteral("CSV"));
    const QString outDir = dir.filePath(QStringLiteral("out"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HALVORAN_HOME"), dir.absolutePath());
    const QString self = QCoreApplication::applicationFilePath();
    // One run to create the store, then the measured one; and the program's own
    // memory, from a site of two handsets.
    Bench::MeasureChild(self, QStringLiteral(HALVORAN_CLI), {QStringLiteral("compile"), site, outDir}, environment);
    const Bench::ChildFigures cli =
        Bench::MeasureChild(self, QStringLiteral(HALVORAN_CLI), {QStringLiteral("compile"), site, outDir}, environment);
    const QString smallSite = dir.filePath(QStringLiteral("small-site.csv"));
    HandsetFiles::Write(siteGrid(templates.handsetTypes(), 2), smallSite, QStringLiteral("CSV"));
    const Bench::ChildFigures baseline = Bench::MeasureChild(
        self, QStringLiteral(HALVORAN_CLI),
        {QStringLiteral("compile"), smallSite, dir.filePath(QStringLiteral("small-out"))}, environment);

    // RE-COMPILE as the window runs it: the tool's second compile of the imported
    // site, its progress going to the tool's listeners.
    qputenv("HALVORAN_HOME", dir.absolutePath().toLocal8Bit());
    Version6Tool tool(prompter);
    tool.open();
    double toolSeconds = 0;
    if (tool.importDataFrom(site)) {
        tool.compile({QStringLiteral("000")});
        toolSeconds = Bench::ProcessSeconds();
        tool.compile({QStringLiteral("000")});
        toolSeconds = Bench::ProcessSeconds() - toolSeconds;
    }

    QStringList cliOutputs;
    for (const char *name : kOutputFiles)
        cliOutputs.append(outDir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".csv"));
    qint64 outputBytes = 0;
    const double floor = Bench::CopyFloorSeconds(cliOutputs, &outputBytes);

    const QString memoryDir = dir.filePath(QStringLiteral("memory"));
    QDir().mkpath(memoryDir);
    double exportSeconds = Bench::ProcessSeconds();
    writeOutputs(outputs, memoryDir);
    exportSeconds = Bench::ProcessSeconds() - exportSeconds;

    std::printf("compile of %d handsets over %lld handset types with the shipped templates\n", handsetCount,
                qlonglong(templates.handsetTypes().size()));
    for (int i = 0; i < OutputGrids::Count; ++i)
        std::printf("  %-22s %d rows\n", qPrintable(CompileTexts::kOutputCaptions[i] + QLatin1Char(':')),
                    outputs.grid(i).rows());
    std::printf("  output texts:                      %.1f MB in four files\n", double(outputBytes) / 1e6);
    std::printf("  copy floor (read and write them):  %7.3f s\n", floor);
    printFigure("compile in memory (first):", compileSeconds, floor);
    printFigure("RE-COMPILE in memory:", recompileSeconds, floor);
    printFigure("RE-COMPILE through the tool:", toolSeconds, floor);
    printFigure("export of the four outputs:", exportSeconds, floor);
    printFigure("halvoran-cli compile (process):", cli.seconds, floor);
    const double outputMiB = double(outputBytes) / 1048576.0;
    std::printf("  halvoran-cli exit %d, peak memory %.1f MiB: the program itself %.1f MiB (two handsets), the site "
                "and its compile %.1f MiB (%.1fx the output texts)\n",
                cli.exitCode, cli.peakMiB, baseline.peakMiB, cli.peakMiB - baseline.peakMiB,
                (cli.peakMiB - baseline.peakMiB) / std::max(outputMiB, 1e-9));
    std::printf("  progress reports:  %lld (%lld repaints at 30 ms)\n", qlonglong(reports), qlonglong(repaints));
    std::printf("  next block:        %s, aborted: %s, messages: %d\n", qPrintable(start.text()),
                result.aborted ? "yes" : "no", prompter.messages);
    std::printf("  memory:            %.1f MiB resident before, %.1f MiB after, %.1f MiB peak (%.0f bytes per output "
                "cell)\n",
                rssBefore, rssAfter, memoryMiB("VmHWM:"), (rssAfter - rssBefore) * 1024 * 1024 / double(cells));
    return result.started && cli.exitCode == 0 ? 0 : 1;
}

#include "cli/Version6Commands.h"

#include "cli/CliArgs.h"
#include "cli/CliPrompter.h"
#include "platform/AppPaths.h"
#include "version6/tool/Version6Tool.h"

#include <QDir>

#include <cstdio>

namespace {

int runHandsets(const QStringList &args)
{
    const ParsedArgs parsed = ParseArgs(args, {QStringLiteral("range"), QStringLiteral("type")});
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error);
    if (parsed.positional.size() != 1)
        return UsageError(QStringLiteral("handsets needs one OUTPUT file"));
    QStringList ranges = parsed.options.values(QStringLiteral("range"));
    std::reverse(ranges.begin(), ranges.end()); // QMultiMap gives the latest first
    if (ranges.isEmpty())
        return UsageError(QStringLiteral("handsets needs at least one --range FP:STARTLEN:STOPLEN:STARTEXT"));

    CliPrompter prompter;
    Version6Tool tool(prompter);
    tool.defaultHandsetChanged(parsed.options.value(QStringLiteral("type"), QStringLiteral("8 ")));
    for (const QString &range : ranges) {
        const QStringList parts = range.split(QLatin1Char(':'));
        if (parts.size() != 4)
            return UsageError(QStringLiteral("--range %1 is not FP:STARTLEN:STOPLEN:STARTEXT").arg(range));
        tool.fpChanged(parts[0]);
        tool.startLenChanged(parts[1]);
        tool.stopLenChanged(parts[2]);
        tool.startExtChanged(parts[3]);
        if (tool.add() != RangeScreen::AddResult::Added)
            return ExitCode::Failed;
    }
    tool.next();
    const bool warned = prompter.messagesShown() > 0;
    if (!tool.exportDataTo(parsed.positional.first()))
        return ExitCode::Failed;
    return warned ? ExitCode::Warning : ExitCode::Ok;
}

const char *const kOutputNames[OutputGrids::Count] = {"handset-data", "pickup-groups", "personal-speed-dials",
                                                      "master-output"};

int runCompile(const QStringList &args)
{
    const ParsedArgs parsed =
        ParseArgs(args, {QStringLiteral("start"), QStringLiteral("format"), QStringLiteral("sheet")});
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error);
    if (parsed.positional.size() != 2)
        return UsageError(QStringLiteral("compile needs a HANDSETS file and an OUTDIR"));
    const QString format = parsed.options.value(QStringLiteral("format"), QStringLiteral("csv")).toLower();
    if (format != QLatin1String("csv") && format != QLatin1String("xls"))
        return UsageError(QStringLiteral("--format must be csv or xls"));
    const QString outDir = parsed.positional[1];

    CliPrompter prompter;
    if (parsed.options.contains(QStringLiteral("sheet")))
        prompter.queueInput(parsed.options.value(QStringLiteral("sheet")));
    Version6Tool tool(prompter);
    tool.open();
    if (!tool.importDataFrom(parsed.positional[0]))
        return ExitCode::Failed;
    // Only once there is something to write: a failed import leaves no folder behind.
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "halvoran-cli: cannot create the folder %s\n", qPrintable(outDir));
        return ExitCode::Failed;
    }

    CompileOptions options;
    options.startLocation = parsed.options.value(QStringLiteral("start"), QStringLiteral("000"));
    const CompileResult result = tool.compile(options);

    for (int i = 0; i < OutputGrids::Count; ++i) {
        const QString path = AppPaths::join(outDir, QString::fromLatin1(kOutputNames[i]) + QLatin1Char('.') + format);
        if (!tool.exportOutputTo(i, path))
            return ExitCode::Failed;
    }
    std::printf("next block: %s\n", qPrintable(tool.startBlock().text()));
    return result.capacityExceeded ? ExitCode::Warning : ExitCode::Ok;
}

} // namespace

CliCommand HandsetsCommand()
{
    return {QStringLiteral("handsets"),
            QStringLiteral("OUTPUT --range FP:STARTLEN:STOPLEN:STARTEXT [--range ...] [--type TYPE]"),
            QStringLiteral("Version 6.0: adds the ranges as \"ADD\" does, builds the handset grid as \"NEXT\" does "
                           "(TYPE as default handset, \"8 \" when not given) and writes it as \"EXPORT DATA\" does."),
            runHandsets};
}

CliCommand CompileCommand()
{
    return {QStringLiteral("compile"),
            QStringLiteral("HANDSETS OUTDIR [--start BLOCK] [--format csv|xls] [--sheet SHEET]"),
            QStringLiteral("Version 6.0: reads a handset file as \"IMPORT DATA\" does, compiles it with the default "
                           "templates from BLOCK (000), writes handset-data, pickup-groups, personal-speed-dials and "
                           "master-output into OUTDIR and prints the next free block."),
            runCompile};
}

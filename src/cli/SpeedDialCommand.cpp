#include "cli/SpeedDialCommand.h"

#include "cli/CliArgs.h"
#include "cli/CliPrompter.h"
#include "cli/NoPrinter.h"
#include "files/FileMessages.h"
#include "speeddial/MemoryLocation.h"
#include "speeddial/SpeedDialAssigner.h"

#include <QRegularExpression>

#include <cstdio>

namespace {

const QString kStart = QStringLiteral("start");
const QString kSheet = QStringLiteral("sheet");
const QString kLeadingZero = QStringLiteral("leading-zero");

// A location as the box normally holds it: three digits, 000 to 299.
bool IsLocation(const QString &text)
{
    static const QRegularExpression threeDigits(QStringLiteral("^[0-9]{3}$"));
    return threeDigits.match(text).hasMatch() && !MemoryLocation::BeyondLast(text);
}

int runSpeedDial(const QStringList &args)
{
    const ParsedArgs parsed = ParseArgs(args, {kStart, kSheet}, {kLeadingZero});
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error);
    if (parsed.positional.size() != 2)
        return UsageError(QStringLiteral("speeddial takes an input file and an output file"));
    const QString start = parsed.options.value(kStart, MemoryLocation::kFirst);
    if (!IsLocation(start))
        return UsageError(QStringLiteral("--start takes a memory location of three digits, 000 to 299, not '%1'")
                              .arg(start));
    const QString sheet = parsed.options.value(kSheet, FileMessages::kDefaultSheet);
    if (sheet.isEmpty())
        return UsageError(QStringLiteral("--sheet needs a sheet name"));

    if (!OutputNamesItsType(parsed.positional[1]))
        return ExitCode::Failed;

    CliPrompter prompter;
    prompter.queueInput(sheet);
    NoPrinter printer;
    SpeedDialAssigner tool(prompter, printer);
    tool.setLocation(start);
    tool.setLeadingZero(parsed.flags.contains(kLeadingZero));
    if (tool.importFrom(parsed.positional[0]) != SpeedDialAssigner::ImportResult::Imported)
        return ExitCode::Failed;
    // The entries imported before the locations ran out are exported all the same.
    const bool usedUp = tool.locationsUsedUp();
    tool.setExportTarget(parsed.positional[1]);
    if (!tool.exportNow())
        return ExitCode::Failed;
    if (usedUp)
        return ExitCode::Warning;
    std::printf("next location: %s\n", qPrintable(tool.location()));
    return ExitCode::Ok;
}

} // namespace

CliCommand SpeedDialCommand()
{
    return {QStringLiteral("speeddial"), QStringLiteral("INPUT OUTPUT [--start LOC] [--leading-zero] [--sheet NAME]"),
            QStringLiteral("Speed Dial Assigner: imports speed dials (name, access code, number) from INPUT from "
                           "memory location LOC (000) on, with a \"0\" before numbers longer than 5 digits when "
                           "--leading-zero is given, writes the \"720\"/\"721\" pairs to OUTPUT as EXPORT NOW does "
                           "and prints the next free location."),
            runSpeedDial};
}

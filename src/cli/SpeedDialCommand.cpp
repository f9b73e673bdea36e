#include "cli/SpeedDialCommand.h"

#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NoPrinter.h"
#include "speeddial/MemoryLocation.h"
#include "speeddial/SpeedDialAssigner.h"

#include <QRegularExpression>

#include <cstdio>

namespace {

const QString kName = QStringLiteral("speeddial");
const QString kStart = QStringLiteral("start");
const QString kSheet = QStringLiteral("sheet");
const QString kLeadingZero = QStringLiteral("leading-zero");

// A location as the box normally holds it: three digits, 000 to 299.
bool IsLocation(const QString &text)
{
    static const QRegularExpression threeDigits(QStringLiteral("^[0-9]{3}$"));
    return threeDigits.match(text).hasMatch() && !MemoryLocation::BeyondLast(text);
}

void addOptions(QCommandLineParser &parser)
{
    namespace T = CliTexts::SpeedDial;
    parser.addOption(QCommandLineOption(kStart, T::kStart.arg(MemoryLocation::kFirst), QStringLiteral("LOC"),
                                        MemoryLocation::kFirst));
    parser.addOption(QCommandLineOption(kLeadingZero, T::kLeadingZero));
    parser.addOption(SheetOption(QStringLiteral("INPUT")));
    parser.addOption(PdfOption(CliTexts::SpeedDial::kPrinted));
}

int runSpeedDial(const QCommandLineParser &parser)
{
    const QString input = parser.positionalArguments().at(0);
    const QString output = parser.positionalArguments().at(1);
    const QString start = parser.value(kStart);
    if (!IsLocation(start))
        return UsageError(CliTexts::kBadValue.arg(kStart, CliTexts::SpeedDial::kLocation, start), kName);
    const QString sheet = parser.value(kSheet);
    if (sheet.isEmpty())
        return UsageError(CliTexts::kMissingValue.arg(kSheet), kName);

    if (!OutputNamesItsType(output, false))
        return ExitCode::Failed;

    CliPrompter prompter;
    prompter.queueInput(sheet);
    NoPrinter printer;
    SpeedDialAssigner tool(prompter, printer);
    tool.setLocation(start);
    tool.setLeadingZero(parser.isSet(kLeadingZero));
    if (tool.importFrom(input) != SpeedDialAssigner::ImportResult::Imported)
        return ExitCode::Failed;
    // The entries imported before the locations ran out are exported all the same.
    const bool usedUp = tool.locationsUsedUp();
    tool.setExportTarget(output);
    if (!tool.exportNow())
        return ExitCode::Failed;
    const QString pdf = parser.value(kPdfOptionName);
    if (!pdf.isEmpty() && !tool.writePdf(pdf))
        return ExitCode::Failed;
    if (usedUp)
        return ExitCode::Warning;
    std::fputs(qPrintable(CliTexts::SpeedDial::kNextLocation.arg(tool.location())), stdout);
    return prompter.charactersReplaced() ? ExitCode::Warning : ExitCode::Ok;
}

} // namespace

CliCommand SpeedDialCommand()
{
    namespace T = CliTexts::SpeedDial;
    return {kName,
            T::kSynopsis,
            T::kSummary,
            T::kDescription,
            {{QStringLiteral("INPUT"), T::kInput}, {QStringLiteral("OUTPUT"), T::kOutput}},
            addOptions,
            runSpeedDial};
}

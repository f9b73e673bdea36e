#include "cli/CheckCommand.h"

#include "check/ListCheck.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NoPrinter.h"
#include "files/FileDialog.h"
#include "files/GridFiles.h"
#include "nameassign/NameAssigner.h"
#include "speeddial/DialPairs.h"
#include "speeddial/MemoryLocation.h"
#include "version6/check/SiteCheck.h"
#include "version6/tool/Version6Tool.h"

#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace {

const QString kName = QStringLiteral("check");
const QString kTool = QStringLiteral("tool");
const QString kStart = QStringLiteral("start");
const QString kFormat = QStringLiteral("format");
const QString kSheet = QStringLiteral("sheet");
const QString kHandsets = QStringLiteral("handsets");
const QString kNames = QStringLiteral("names");
const QString kSpeedDial = QStringLiteral("speeddial");
const QString kText = QStringLiteral("text");
const QString kJson = QStringLiteral("json");
const QString kFirst = QStringLiteral("000");
// How the Speed Dial Assigner's import names an empty access code in a workbook.
const QString kNullAccessCode = QStringLiteral("Null");

void addOptions(QCommandLineParser &parser)
{
    namespace T = CliTexts::Check;
    parser.addOption(QCommandLineOption(kTool, T::kTool.arg(kHandsets), T::kToolValue, kHandsets));
    parser.addOption(QCommandLineOption(kStart, T::kStart.arg(kFirst), QStringLiteral("BLOCK"), kFirst));
    parser.addOption(QCommandLineOption(kFormat, T::kFormat.arg(kText), T::kFormatValue, kText));
    parser.addOption(SheetOption(QStringLiteral("FILE")));
}

// The handset file as "IMPORT DATA" reads it, with the templates and tab names
// of the program's folder.
std::optional<CheckReport> checkHandsets(CliPrompter &prompter, const QString &path, const QString &start)
{
    Version6Tool tool(prompter);
    tool.open();
    if (!tool.importDataFrom(path))
        return std::nullopt;
    return CheckSite(tool.handsets().grid(), tool.templates(), start);
}

std::optional<CheckReport> checkNames(CliPrompter &prompter, const QString &path)
{
    NoPrinter printer;
    NameAssigner tool(prompter, printer);
    if (tool.importFrom(path) != NameAssigner::ImportResult::Imported)
        return std::nullopt;
    return tool.check();
}

// The speed dials as the import reads them, every record: the import itself
// stops at the last location, and the check is to say where.
std::optional<CheckReport> checkSpeedDials(CliPrompter &prompter, const QString &path, const QString &start)
{
    FileDialogState dialog;
    FileExtOf(dialog, path);
    const int locations = ListCheck::LocationsFrom(start);
    const GridFiles::Import import =
        GridFiles::ReadRecords(prompter, path, dialog.fileExt, 3, [locations](const QList<QStringList> &complete) {
            return complete.size() >= locations;
        });
    if (!import.read())
        return std::nullopt;
    const bool fromWorkbook = KindOfExt(dialog.fileExt) == FileKind::Workbook;
    GridTable input(DialPairs::kInputFormat);
    for (const QStringList &record : import.records) {
        QString accessCode = record.value(DialPairs::AccessCode);
        if (fromWorkbook && accessCode == kNullAccessCode)
            accessCode.clear();
        input.appendRow({record.value(DialPairs::Name), accessCode, record.value(DialPairs::Number)});
    }
    return ListCheck::CheckSpeedDials(input, start);
}

int runCheck(const QCommandLineParser &parser)
{
    namespace T = CliTexts::Check;
    const QString path = parser.positionalArguments().at(0);
    const QString tool = parser.value(kTool);
    if (tool != kHandsets && tool != kNames && tool != kSpeedDial)
        return UsageError(CliTexts::kBadValue.arg(kTool, T::kTools, tool), kName);
    const QString format = parser.value(kFormat);
    if (format != kText && format != kJson)
        return UsageError(CliTexts::kBadValue.arg(kFormat, T::kFormats, format), kName);
    const QString start = parser.value(kStart);
    if (tool == kSpeedDial) {
        static const QRegularExpression threeDigits(QStringLiteral("^[0-9]{3}$"));
        if (!threeDigits.match(start).hasMatch() || MemoryLocation::BeyondLast(start))
            return UsageError(CliTexts::kBadValue.arg(kStart, CliTexts::SpeedDial::kLocation, start), kName);
    }
    const QString sheet = parser.value(kSheet);
    if (sheet.isEmpty())
        return UsageError(CliTexts::kMissingValue.arg(kSheet), kName);

    CliPrompter prompter;
    prompter.queueInput(sheet);
    const std::optional<CheckReport> report = tool == kNames ? checkNames(prompter, path)
        : tool == kSpeedDial                                 ? checkSpeedDials(prompter, path, start)
                                                             : checkHandsets(prompter, path, start);
    if (!report)
        return ExitCode::Failed;

    if (format == kJson) {
        std::fputs(report->json().constData(), stdout);
    } else {
        for (const QString &line : report->textLines())
            std::fprintf(stdout, "%s\n", line.toUtf8().constData());
    }
    if (report->errors() > 0)
        return ExitCode::Errors;
    return report->warnings() > 0 ? ExitCode::Warning : ExitCode::Ok;
}

} // namespace

CliCommand CheckCommand()
{
    namespace T = CliTexts::Check;
    return {kName,      T::kSynopsis, T::kSummary, T::kDescription, {{QStringLiteral("FILE"), T::kFile}},
            addOptions, runCheck};
}

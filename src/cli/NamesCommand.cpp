#include "cli/NamesCommand.h"

#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NoPrinter.h"
#include "nameassign/NameAssigner.h"

namespace {

const QString kName = QStringLiteral("names");
const QString kSheet = QStringLiteral("sheet");

void addOptions(QCommandLineParser &parser)
{
    parser.addOption(SheetOption(QStringLiteral("INPUT")));
    parser.addOption(PdfOption(CliTexts::Names::kPrinted));
}

int runNames(const QCommandLineParser &parser)
{
    const QString input = parser.positionalArguments().at(0);
    const QString output = parser.positionalArguments().at(1);
    const QString sheet = parser.value(kSheet);
    if (sheet.isEmpty())
        return UsageError(CliTexts::kMissingValue.arg(kSheet), kName);

    if (!OutputNamesItsType(output, true))
        return ExitCode::Failed;

    CliPrompter prompter;
    prompter.queueInput(sheet);
    NoPrinter printer;
    NameAssigner tool(prompter, printer);
    if (tool.importFrom(input) != NameAssigner::ImportResult::Imported)
        return ExitCode::Failed;
    tool.setExportTarget(output);
    if (!tool.exportNow())
        return ExitCode::Failed;
    const QString pdf = parser.value(kPdfOptionName);
    if (!pdf.isEmpty() && !tool.writePdf(pdf))
        return ExitCode::Failed;
    return prompter.charactersReplaced() ? ExitCode::Warning : ExitCode::Ok;
}

} // namespace

CliCommand NamesCommand()
{
    namespace T = CliTexts::Names;
    return {kName,
            T::kSynopsis,
            T::kSummary,
            T::kDescription,
            {{QStringLiteral("INPUT"), T::kInput}, {QStringLiteral("OUTPUT"), T::kOutput}},
            addOptions,
            runNames};
}

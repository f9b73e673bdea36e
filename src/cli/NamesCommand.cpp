#include "cli/NamesCommand.h"

#include "cli/CliPrompter.h"
#include "cli/NoPrinter.h"
#include "files/FileMessages.h"
#include "nameassign/NameAssigner.h"

namespace {

struct NamesArguments {
    QString input;
    QString output;
    QString sheet = FileMessages::kDefaultSheet;
};

// Reads INPUT OUTPUT [--sheet NAME] (also --sheet=NAME); a usage message when wrong.
std::optional<NamesArguments> parse(const QStringList &args, QString &error)
{
    NamesArguments parsed;
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            files.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--sheet") || arg.startsWith(QLatin1String("--sheet="))) {
            if (arg == QLatin1String("--sheet")) {
                if (++i == args.size()) {
                    error = QStringLiteral("--sheet needs a sheet name");
                    return std::nullopt;
                }
                parsed.sheet = args.at(i);
            } else {
                parsed.sheet = arg.mid(8);
            }
            if (parsed.sheet.isEmpty()) {
                error = QStringLiteral("--sheet needs a sheet name");
                return std::nullopt;
            }
        } else {
            error = QStringLiteral("unknown option '%1' for names").arg(arg);
            return std::nullopt;
        }
    }
    if (files.size() != 2) {
        error = QStringLiteral("names takes an input file and an output file");
        return std::nullopt;
    }
    parsed.input = files.at(0);
    parsed.output = files.at(1);
    return parsed;
}

int runNames(const QStringList &args)
{
    QString error;
    const std::optional<NamesArguments> parsed = parse(args, error);
    if (!parsed)
        return UsageError(error);

    if (!OutputNamesItsType(parsed->output))
        return ExitCode::Failed;

    CliPrompter prompter;
    prompter.queueInput(parsed->sheet);
    NoPrinter printer;
    NameAssigner tool(prompter, printer);
    if (tool.importFrom(parsed->input) != NameAssigner::ImportResult::Imported)
        return ExitCode::Failed;
    tool.setExportTarget(parsed->output);
    return tool.exportNow() ? ExitCode::Ok : ExitCode::Failed;
}

} // namespace

CliCommand NamesCommand()
{
    return {QStringLiteral("names"), QStringLiteral("INPUT OUTPUT [--sheet NAME]"),
            QStringLiteral("Name Assigner: imports extensions and names from INPUT (text records of two fields, or "
                           "the sheet NAME of a workbook, default Sheet1$) and writes the \"770\" name lines to "
                           "OUTPUT as EXPORT NOW does."),
            runNames};
}

#include "cli/Commands.h"

#include "cli/CheckCommand.h"
#include "cli/CliTexts.h"
#include "cli/NamesCommand.h"
#include "cli/SpeedDialCommand.h"
#include "cli/Version6Commands.h"
#include "files/FileDialog.h"
#include "files/FileMessages.h"

#include <cstdio>

QList<CliCommand> CliCommands()
{
    return {NamesCommand(), SpeedDialCommand(), HandsetsCommand(), CompileCommand(), CheckCommand()};
}

bool OutputNamesItsType(const QString &path, bool nesWritten)
{
    if (!FileTypeOf(path).isEmpty())
        return true;
    std::fprintf(stderr, "%s\n",
                 qPrintable(CliTexts::kNoFileType.arg(path, FileMessages::WritableEndings(nesWritten))));
    return false;
}

QCommandLineOption SheetOption(const QString &file)
{
    return QCommandLineOption(QStringLiteral("sheet"), CliTexts::kSheetOption.arg(file, FileMessages::kDefaultSheet),
                              QStringLiteral("NAME"), FileMessages::kDefaultSheet);
}

const QString kPdfOptionName = QStringLiteral("pdf");

QCommandLineOption PdfOption(const QString &printed)
{
    return QCommandLineOption(kPdfOptionName, CliTexts::kPdfOption.arg(printed), QStringLiteral("FILE"));
}

int UsageError(const QString &message, const QString &command)
{
    const QString hint = command.isEmpty() ? CliTexts::kTryHelp : CliTexts::kTryCommandHelp.arg(command);
    std::fprintf(stderr, "%s: %s\n%s\n", qPrintable(CliTexts::kProgram), qPrintable(message), qPrintable(hint));
    return ExitCode::Usage;
}

#include "cli/Commands.h"

#include "cli/NamesCommand.h"
#include "cli/SpeedDialCommand.h"
#include "cli/Version6Commands.h"
#include "files/FileDialog.h"

#include <cstdio>

QList<CliCommand> CliCommands()
{
    return {NamesCommand(), SpeedDialCommand(), HandsetsCommand(), CompileCommand()};
}

bool OutputNamesItsType(const QString &path)
{
    if (!FileTypeOf(path).isEmpty())
        return true;
    std::fprintf(stderr, "halvoran-cli: %s has no file type; name it .csv, .txt, .nev, .nes or .xls\n",
                 qPrintable(path));
    return false;
}

int UsageError(const QString &message)
{
    std::fprintf(stderr, "halvoran-cli: %s\nTry 'halvoran-cli --help'.\n", qPrintable(message));
    return ExitCode::Usage;
}

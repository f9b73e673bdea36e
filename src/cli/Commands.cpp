#include "cli/Commands.h"

#include "cli/NamesCommand.h"
#include "cli/SpeedDialCommand.h"
#include "cli/Version6Commands.h"

#include <cstdio>

QList<CliCommand> CliCommands()
{
    return {NamesCommand(), SpeedDialCommand(), HandsetsCommand(), CompileCommand()};
}

int UsageError(const QString &message)
{
    std::fprintf(stderr, "halvoran-cli: %s\nTry 'halvoran-cli --help'.\n", qPrintable(message));
    return ExitCode::Usage;
}

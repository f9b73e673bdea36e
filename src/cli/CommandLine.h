#pragma once

#include <QStringList>

struct CliCommand;

// halvoran-cli's command line: --help, --version, "help COMMAND" and the
// subcommands, each parsed by a parser of its own.
namespace CommandLine {
// Runs the arguments (without the program's name); the exit code.
int Run(const QStringList &arguments);

// The --help pages, as printed.
QString ProgramHelp();
QString CommandHelp(const CliCommand &command);
} // namespace CommandLine

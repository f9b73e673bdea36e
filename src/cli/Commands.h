#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Exit codes of halvoran-cli.
namespace ExitCode {
constexpr int Ok = 0;
constexpr int Failed = 1;  // an input or output error; nothing was written
constexpr int Usage = 2;   // the command line was wrong
constexpr int Warning = 3; // the output was written, but a warning was shown
} // namespace ExitCode

struct CliCommand {
    QString name;
    QString synopsis; // the arguments, as --help shows them
    QString summary;  // one line
    std::function<int(const QStringList &args)> run;
};

// Every subcommand, in the order --help lists them.
QList<CliCommand> CliCommands();

// Prints "halvoran-cli: message" and a hint to standard error; returns ExitCode::Usage.
int UsageError(const QString &message);

// In a window a file name without a type keeps the type of the file worked on
// before; on the command line that would be the input's, which is rarely meant.
// False, after saying so on standard error, when the output name has no type.
bool OutputNamesItsType(const QString &path);

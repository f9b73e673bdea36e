#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <functional>

// Exit codes of halvoran-cli.
namespace ExitCode {
constexpr int Ok = 0;
constexpr int Failed = 1;  // an input or output error; nothing was written
constexpr int Usage = 2;   // the command line was wrong
constexpr int Warning = 3; // the output was written, but a warning was shown; check: only warnings
constexpr int Errors = 4;  // check: errors were found
} // namespace ExitCode

// A positional argument of a command, as its --help lists it.
struct CliArgument {
    QString name;
    QString description;
};

// One subcommand. The command line gives it a parser of its own that knows -h/--help
// and the arguments; addOptions adds the command's options. run is called once the
// parse succeeded and exactly the arguments were given; it finds them in
// positionalArguments(), in order.
struct CliCommand {
    QString name;
    QString synopsis;    // the usage line after "halvoran-cli NAME"
    QString summary;     // one line in halvoran-cli --help
    QString description; // the paragraph of its --help
    QList<CliArgument> arguments;
    std::function<void(QCommandLineParser &parser)> addOptions;
    std::function<int(const QCommandLineParser &parser)> run;
};

// Every subcommand, in the order --help lists them.
QList<CliCommand> CliCommands();

// Prints "halvoran-cli: message" and a hint to the help of the command (of the
// program when none) to standard error; returns ExitCode::Usage.
int UsageError(const QString &message, const QString &command = QString());

// --sheet, the sheet read from a workbook named by the argument `file`.
QCommandLineOption SheetOption(const QString &file);

// --pdf FILE: the printed list, as PRINT prints `printed`, written as a PDF file.
QCommandLineOption PdfOption(const QString &printed);
extern const QString kPdfOptionName;

// In a window a file name without a type keeps the type of the file worked on
// before; on the command line that would be the input's, which is rarely meant.
// False, after saying so on standard error with the endings the command writes
// (.nes only when nesWritten), when the output name has no type.
bool OutputNamesItsType(const QString &path, bool nesWritten);

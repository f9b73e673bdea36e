#include "cli/Commands.h"
#include "platform/AppInfo.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void printHelp()
{
    QString text = QStringLiteral(
        "Usage: halvoran-cli COMMAND [ARGUMENTS]\n"
        "       halvoran-cli --help | --version\n\n"
        "Does the work of Halvoran's tools without a window, with the same readers,\n"
        "writers and rules. Files are chosen by their names: .csv, .txt, .nev and .nes\n"
        "are quoted comma-delimited text, .xls an Excel 97-2003 workbook.\n\n"
        "Commands:\n");
    for (const CliCommand &command : CliCommands())
        text += QStringLiteral("  %1 %2\n      %3\n").arg(command.name, command.synopsis, command.summary);
    text += QStringLiteral(
        "\nMessages go to standard error with the texts the windows show.\n"
        "Exit status: 0 done; 1 input or output error, nothing written; 2 usage error;\n"
        "3 the output was written but a warning was shown.\n\n"
        "The program's folder (default scripts and settings) is $HALVORAN_HOME when set.\n");
    std::fputs(qPrintable(text), stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("halvoran-cli"));
    QStringList args = QCoreApplication::arguments().mid(1);

    if (args.isEmpty())
        return UsageError(QStringLiteral("no command given"));
    const QString first = args.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printHelp();
        return ExitCode::Ok;
    }
    if (first == QLatin1String("--version")) {
        std::printf("halvoran-cli %s\n", qPrintable(AppInfo::fullVersion()));
        return ExitCode::Ok;
    }
    for (const CliCommand &command : CliCommands())
        if (command.name == first)
            return command.run(args);
    return UsageError(QStringLiteral("unknown command '%1'").arg(first));
}

#include "cli/CommandLine.h"

#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "platform/AppInfo.h"

#include <cstdio>

namespace CommandLine {

namespace {

const QString kHelp = QStringLiteral("help"); // the option
const QString kVersion = QStringLiteral("version");
constexpr qsizetype kWidth = 79; // as the parser wraps its option texts

QCommandLineOption HelpOption()
{
    return QCommandLineOption({QStringLiteral("h"), kHelp}, CliTexts::kHelpOption);
}

// Breaks each line of text between words so that none is wider than kWidth.
QString Wrapped(const QString &text)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > kWidth) {
                lines.append(line);
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// The parser's own help after its usage line: the options and the arguments. Its
// usage line names the program as it was started, which the pages do not.
QString OptionsPart(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    return text.mid(text.indexOf(QStringLiteral("\n\n")) + 2);
}

void SetUp(QCommandLineParser &parser, const CliCommand &command)
{
    // "-sheet" is read as "--sheet", not as the short options s, h, e, e and t.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(HelpOption());
    if (command.addOptions)
        command.addOptions(parser);
    for (const CliArgument &argument : command.arguments)
        parser.addPositionalArgument(argument.name, argument.description);
}

void Print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
}

const CliCommand *Find(const QList<CliCommand> &commands, const QString &name)
{
    for (const CliCommand &command : commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

int RunCommand(const CliCommand &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    SetUp(parser, command);
    const bool parsed = parser.parse(QStringList{command.name} + arguments);
    // Asked for, the help is shown even when the rest is wrong.
    if (parser.isSet(kHelp)) {
        Print(CommandHelp(command));
        return ExitCode::Ok;
    }
    if (!parsed)
        return UsageError(parser.errorText(), command.name);
    const QStringList given = parser.positionalArguments();
    const qsizetype wanted = command.arguments.size();
    if (given.size() < wanted)
        return UsageError(CliTexts::kMissingArgument.arg(command.arguments.at(given.size()).name), command.name);
    if (given.size() > wanted)
        return UsageError(CliTexts::kUnexpectedArgument.arg(given.at(wanted)), command.name);
    return command.run(parser);
}

// "help [COMMAND]".
int RunHelp(const QList<CliCommand> &commands, const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        Print(ProgramHelp());
        return ExitCode::Ok;
    }
    if (arguments.size() > 1)
        return UsageError(CliTexts::kUnexpectedArgument.arg(arguments.at(1)));
    const CliCommand *command = Find(commands, arguments.first());
    if (!command)
        return UsageError(CliTexts::kUnknownCommand.arg(arguments.first()));
    Print(CommandHelp(*command));
    return ExitCode::Ok;
}

void SetUpProgram(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Everything from the command on is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOption(HelpOption());
    parser.addOption(QCommandLineOption(kVersion, CliTexts::kVersionOption));
}

} // namespace

int Run(const QStringList &arguments)
{
    QCommandLineParser parser;
    SetUpProgram(parser);
    const bool parsed = parser.parse(QStringList{CliTexts::kProgram} + arguments);
    if (parser.isSet(kHelp)) {
        Print(ProgramHelp());
        return ExitCode::Ok;
    }
    if (!parsed)
        return UsageError(parser.errorText());
    if (parser.isSet(kVersion)) {
        Print(CliTexts::kVersionLine.arg(AppInfo::fullVersion()) + QLatin1Char('\n'));
        return ExitCode::Ok;
    }
    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return UsageError(CliTexts::kNoCommand);
    const QString name = rest.takeFirst();
    const QList<CliCommand> commands = CliCommands();
    if (name == CliTexts::kHelpCommand)
        return RunHelp(commands, rest);
    const CliCommand *command = Find(commands, name);
    if (!command)
        return UsageError(CliTexts::kUnknownCommand.arg(name));
    return RunCommand(*command, rest);
}

QString ProgramHelp()
{
    QList<CliCommand> commands = CliCommands();
    commands.append({CliTexts::kHelpCommand, QString(), CliTexts::kHelpSummary, QString(), {}, {}, {}});
    qsizetype width = 0;
    for (const CliCommand &command : commands)
        width = std::max(width, command.name.size());
    QString list;
    for (const CliCommand &command : commands)
        list += QStringLiteral("  %1  %2\n").arg(command.name.leftJustified(width), command.summary);

    QCommandLineParser parser;
    SetUpProgram(parser);
    return CliTexts::kUsage + QLatin1Char('\n') + Wrapped(CliTexts::kAbout) + QLatin1Char('\n')
        + CliTexts::kCommandsHeading + QLatin1Char('\n') + list + QLatin1Char('\n') + OptionsPart(parser)
        + QLatin1Char('\n') + CliTexts::kExitStatus + QLatin1Char('\n') + CliTexts::kEnvironment;
}

QString CommandHelp(const CliCommand &command)
{
    QCommandLineParser parser;
    SetUp(parser, command);
    return CliTexts::kCommandUsage.arg(command.name, command.synopsis) + QStringLiteral("\n\n")
        + Wrapped(command.description) + QLatin1Char('\n') + OptionsPart(parser);
}

} // namespace CommandLine

#include "cli/CliArgs.h"

ParsedArgs ParseArgs(const QStringList &args, const QStringList &valued, const QStringList &flags)
{
    ParsedArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--")) {
            // The end of the options: a file may be named "--x".
            parsed.positional.append(args.mid(i + 1));
            break;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            parsed.positional.append(arg);
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (flags.contains(name)) {
            if (eq >= 0) {
                parsed.error = QStringLiteral("option --%1 takes no value").arg(name);
                return parsed;
            }
            parsed.flags.insert(name);
            continue;
        }
        if (eq < 0) {
            if (i + 1 == args.size()) {
                parsed.error = QStringLiteral("option --%1 needs a value").arg(name);
                return parsed;
            }
            value = args[++i];
        }
        if (!valued.contains(name)) {
            parsed.error = QStringLiteral("unknown option --%1").arg(name);
            return parsed;
        }
        parsed.options.insert(name, value);
    }
    return parsed;
}

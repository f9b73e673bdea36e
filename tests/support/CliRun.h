#pragma once

#include <QProcess>
#include <QStringList>

// halvoran-cli run as a program, as a user runs it.
struct CliRun {
    int exitCode = -1; // -1 when it crashed or did not finish
    QString out;       // standard output
    QString err;       // standard error: the messages
};

inline CliRun RunCli(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(HALVORAN_CLI_PATH), args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

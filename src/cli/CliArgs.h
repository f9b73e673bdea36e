#pragma once

#include <QMultiMap>
#include <QSet>
#include <QString>
#include <QStringList>

// The arguments of a subcommand: "--name value" or "--name=value" for the options
// that take a value, "--name" alone for flags, everything else positional; "--"
// ends the options.
struct ParsedArgs {
    QStringList positional;
    QMultiMap<QString, QString> options;
    QSet<QString> flags;
    QString error; // a usage message when the arguments are wrong
};

ParsedArgs ParseArgs(const QStringList &args, const QStringList &valued, const QStringList &flags = {});

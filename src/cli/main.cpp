#include "cli/CommandLine.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("halvoran-cli"));
    return CommandLine::Run(QCoreApplication::arguments().mid(1));
}

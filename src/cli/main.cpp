#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

int main(int argc, char *argv[])
{
    // Fonts need a QGuiApplication; only --pdf draws text, and it draws it offscreen,
    // so a command line without a desktop writes PDF files all the same.
    bool drawsText = false;
    for (int i = 1; i < argc; ++i)
        drawsText = drawsText || qstrncmp(argv[i], "--pdf", 5) == 0;
    std::unique_ptr<QCoreApplication> app;
    if (drawsText) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("halvoran-cli"));
    return CommandLine::Run(QCoreApplication::arguments().mid(1));
}

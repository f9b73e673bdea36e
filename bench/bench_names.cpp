// Importing and exporting 100,000 names with the Name Assigner.
#include "cli/NoPrinter.h"
#include "nameassign/NameAssigner.h"
#include "platform/Printer.h"
#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SilentPrompter : public Prompter {
public:
    void setBusy(bool) override {}

protected:
    // Only trouble is worth printing.
    Answer showMessage(const Message &message) override
    {
        if (message.icon != Icon::Information)
            std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
        return Answer::Ok;
    }
    std::optional<QString> askInput(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    FileAnswer askFile(const FileRequest &) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int kNames = 100000;
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("names.csv"));
    {
        QByteArray bytes;
        for (int i = 0; i < kNames; ++i)
            bytes += QByteArray::number(20000 + i) + ",\"Handset user " + QByteArray::number(i) + "\"\r\n";
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    SilentPrompter prompter;
    NoPrinter printer;
    NameAssigner tool(prompter, printer);
    QElapsedTimer timer;
    timer.start();
    if (tool.importFrom(input) != NameAssigner::ImportResult::Imported)
        return 1;
    const qint64 importMs = timer.elapsed();

    tool.setExportTarget(dir.filePath(QStringLiteral("out.csv")));
    timer.restart();
    if (!tool.exportNow())
        return 1;
    const qint64 exportMs = timer.elapsed();

    std::printf("import of %d names: %lld ms (%d rows)\n", kNames, importMs, tool.input().rows() - 1);
    std::printf("export of %d output rows: %lld ms\n", kNames, exportMs);
    return 0;
}

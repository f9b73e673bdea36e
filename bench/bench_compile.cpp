// Times the Version 6.0 compile of a generated site: 20,000 handsets spread over
// every handset type, compiled through the shipped templates, with pickup groups
// and personal speed dials. Prints the time, the output size and the memory.
#include "grid/GridTable.h"
#include "platform/Prompter.h"
#include "store/DefaultContent.h"
#include "store/ScriptStore.h"
#include "version6/compile/CompileTexts.h"
#include "version6/compile/Compiler.h"
#include "version6/compile/SpeedDialStart.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetColumns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

class SilentPrompter : public Prompter {
public:
    int messages = 0;
    void setBusy(bool) override {}

protected:
    Answer showMessage(const Message &) override
    {
        ++messages;
        return Answer::Ok;
    }
    std::optional<QString> askInput(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    FileAnswer askFile(const FileRequest &) override { return {}; }
};

// Resident and peak resident memory of this process, in MiB.
double memoryMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void loadShippedTemplates(TemplateSet &templates)
{
    for (const DefaultContent::Table &table : DefaultContent::tables())
        for (int tab = 0; tab < TemplateSet::kCount; ++tab)
            if (table.isTemplate && table.name == ScriptStore::versionSixTemplate(tab))
                TemplateSet::loadTemplate(templates.grid(tab), table.templateRows);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int handsetCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;

    TemplateSet templates;
    loadShippedTemplates(templates);
    const QStringList types = templates.handsetTypes();

    // Every 40th handset has ten speed dials (the PABX holds 999 blocks); most
    // are in one of the 99 pickup groups.
    GridTable handsets(HandsetColumns::kHeader);
    {
        GridTable::Batch batch(handsets);
        for (int i = 0; i < handsetCount; ++i) {
            const QString len = QStringLiteral("%1%2")
                                    .arg(i / 128 % 100, 2, 10, QLatin1Char('0'))
                                    .arg(i % 128, 3, 10, QLatin1Char('0'));
            QStringList row = HandsetColumns::NewRow(len, QString::number(10000 + i), types[i % types.size()]);
            row[HandsetColumns::SpeedDials] = i % 40 == 0 ? QStringLiteral("10") : QString();
            row[HandsetColumns::PickupVip] = i % 7 == 0 ? QString() : QString::number(1 + i % 99);
            handsets.appendRow(row);
        }
    }

    SilentPrompter prompter;
    SpeedDialStart start(prompter);
    OutputGrids outputs;
    const double rssBefore = memoryMiB("VmRSS:");

    // The window's throttle: a look at the clock per report.
    QElapsedTimer throttle;
    throttle.start();
    qint64 reports = 0, repaints = 0, lastRepaint = 0;
    QElapsedTimer timer;
    timer.start();
    const CompileResult result =
        CompileOutput(handsets, templates, start, outputs, prompter, {}, [&](const CompileProgress &) {
            ++reports;
            if (throttle.elapsed() - lastRepaint >= 30) {
                lastRepaint = throttle.elapsed();
                ++repaints;
            }
        });
    const double seconds = double(timer.nsecsElapsed()) / 1e9;

    qint64 cells = 0;
    for (int i = 0; i < OutputGrids::Count; ++i)
        cells += qint64(outputs.grid(i).rows()) * outputs.grid(i).cols();
    std::printf("compile of %d handsets over %lld handset types with the shipped templates\n", handsetCount,
                qlonglong(types.size()));
    std::printf("  time:              %.3f s\n", seconds);
    for (int i = 0; i < OutputGrids::Count; ++i)
        std::printf("  %-22s %d rows\n", qPrintable(CompileTexts::kOutputCaptions[i] + QLatin1Char(':')),
                    outputs.grid(i).rows());
    std::printf("  progress reports:  %lld (%lld repaints at 30 ms)\n", qlonglong(reports), qlonglong(repaints));
    std::printf("  next block:        %s, aborted: %s, messages: %d\n", qPrintable(start.text()),
                result.aborted ? "yes" : "no", prompter.messages);
    std::printf(
        "  memory:            %.1f MiB resident before, %.1f MiB after, %.1f MiB peak (%.0f bytes per output cell)\n",
        rssBefore, memoryMiB("VmRSS:"), memoryMiB("VmHWM:"),
        (memoryMiB("VmRSS:") - rssBefore) * 1024 * 1024 / double(cells));
    return result.started ? 0 : 1;
}

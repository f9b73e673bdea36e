// Times the site check of a generated site: 20,000 handsets over every handset
// type with the shipped templates, pickup groups, personal speed dials that run
// out of blocks, and a share of faults (extensions used twice, types no tab has,
// values the cell rule replaces; the PABX's 4,096 LENs are used more than once). Also the worst case for grouping:
// every handset with the same extension and the same pickup value that joins no group, and a finding on every row.
#include "check/CheckReport.h"
#include "grid/GridTable.h"
#include "store/DefaultContent.h"
#include "store/ScriptStore.h"
#include "version6/check/SiteCheck.h"
#include "version6/compile/TemplateSet.h"
#include "version6/entry/HandsetColumns.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

void loadShippedTemplates(TemplateSet &templates)
{
    for (const DefaultContent::Table &table : DefaultContent::tables())
        for (int tab = 0; tab < TemplateSet::kCount; ++tab)
            if (table.isTemplate && table.name == ScriptStore::versionSixTemplate(tab))
                TemplateSet::loadTemplate(templates.grid(tab), table.templateRows);
}

enum class Faults { Mixed, SameEverywhere, EveryLenMalformed };

GridTable site(int count, const QStringList &types, Faults faults)
{
    const bool sameEverywhere = faults == Faults::SameEverywhere;
    GridTable handsets(HandsetColumns::kHeader);
    GridTable::Batch batch(handsets);
    for (int i = 0; i < count; ++i) {
        const QString len = faults == Faults::EveryLenMalformed
            ? QStringLiteral("L%1").arg(i)
            : QStringLiteral("%1%2").arg(i / 128 % 32, 2, 10, QLatin1Char('0')).arg(i % 128, 3, 10, QLatin1Char('0'));
        const QString ext = sameEverywhere ? QStringLiteral("2000") : QString::number(10000 + i - (i % 500 == 1));
        const QString type = i % 300 == 0 ? QStringLiteral("analog") : types[i % types.size()];
        QStringList row = HandsetColumns::NewRow(len, ext, type);
        row[HandsetColumns::SpeedDials] = i % 10 == 0 ? QStringLiteral("20") : QString();
        row[HandsetColumns::PickupVip] = sameEverywhere ? QStringLiteral("100") : QString::number(1 + i % 120);
        row[HandsetColumns::Loc] = i % 3 == 0 ? QStringLiteral("0") : QStringLiteral("00");
        handsets.appendRow(row);
    }
    return handsets;
}

void run(const char *what, const GridTable &handsets, const TemplateSet &templates)
{
    constexpr int kRounds = 5;
    double best = 1e9;
    CheckReport report;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        report = CheckSite(handsets, templates, QStringLiteral("000"));
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%s, %d handsets\n", what, handsets.rows() - 2);
    std::printf("  time (best of %d): %.1f ms\n", kRounds, best);
    std::printf("  findings:          %lld (%d errors, %d warnings)\n", qlonglong(report.findings().size()),
                report.errors(), report.warnings());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    TemplateSet templates;
    loadShippedTemplates(templates);
    const QStringList types = templates.handsetTypes();
    run("site check, mixed faults", site(count, types, Faults::Mixed), templates);
    run("site check, one extension and one lost pickup value everywhere", site(count, types, Faults::SameEverywhere),
        templates);
    run("site check, a malformed LEN on every row (a finding each)", site(count, types, Faults::EveryLenMalformed),
        templates);
    return 0;
}
